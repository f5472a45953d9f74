// SPDX-License-Identifier: GPL-3.0-or-later

// Costs of the statements an editing session runs most, on the sample catalogue in a real
// SQLite data source: loading the catalogue, opening an army, storing a new member and
// storing the order of a large army.
#include "../tests/TestDataSource.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyUnit.h"
#include "data/CUnitType.h"

#include <QCoreApplication>

#include <utility>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    Fixture() : source(QStringLiteral("db/catalogue.sql")), db(QStringLiteral("bench")) {
        db.OpenDatabase();
        CItemList<CUnitType> types;
        db.LoadUnitTypes(types);
        type = *types.GetHead();
    }
    TestDataSource source;
    MessageRecorder messages;
    CArmyDatabase db;
    CUnitType type;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// An army of the given size stored under a fresh army id.
int StoreArmy(Fixture& f, int members) {
    static int nextArmy = 1000;
    const int army = nextArmy++;
    for (int i = 0; i < members; ++i) {
        CArmyUnit unit(f.type);
        unit.IdVisual = i;
        f.db.InsertUnit(army, unit);
    }
    return army;
}

void LoadCatalogue(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        CItemList<CUnitType> types;
        f.db.LoadUnitTypes(types);
        benchmark::DoNotOptimize(types.GetCount());
    }
}
BENCHMARK(LoadCatalogue)->Unit(benchmark::kMillisecond);

void LoadArmyUnits(benchmark::State& state) {
    Fixture& f = Shared();
    const int army = StoreArmy(f, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CItemList<CArmyUnit> units;
        f.db.LoadArmyUnits(army, units);
        benchmark::DoNotOptimize(units.GetCount());
    }
}
BENCHMARK(LoadArmyUnits)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

void InsertUnit(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        CArmyUnit unit(f.type);
        f.db.InsertUnit(1, unit);
        benchmark::DoNotOptimize(unit.IdUnite);
    }
}
BENCHMARK(InsertUnit)->Unit(benchmark::kMillisecond);

// Every member's place turned around: the worst case, each one set by its key.
void StoreUnitPlaces(benchmark::State& state) {
    Fixture& f = Shared();
    const int army = StoreArmy(f, static_cast<int>(state.range(0)));
    CItemList<CArmyUnit> units;
    f.db.LoadArmyUnits(army, units);
    QList<CUnitPlace> places;
    for (const CArmyUnit* unit : units)
        places.append({unit->IdUnite, unit->IdVisual, units.GetCount() - 1 - unit->IdVisual,
                       unit->IdLeader, false});
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.db.StoreUnitPlaces(army, places));
        for (CUnitPlace& place : places)
            std::swap(place.from, place.to);
    }
}
BENCHMARK(StoreUnitPlaces)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
