// SPDX-License-Identifier: GPL-3.0-or-later

// Costs a player feels on a large army: opening it (tree and list filled), adding one more
// unit near the top, which renumbers and stores the positions of every member below it, and
// undoing the delete of a group leader with his fifty units.
#include "../tests/TestDataSource.h"
#include "../tests/TheArmy.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "editor/CArmyView.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"
#include "model/CCatalogue.h"

#include <QApplication>
#include <QTreeWidgetItem>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    Fixture() : source(QStringLiteral("db/catalogue.sql")) {
        TheDatabase().OpenDatabase();
        catalogue.Load();
        frame = std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), catalogue);
        frame->resize(1400, 900);
        for (CUnitType* type : catalogue.UnitTypes()) {
            if (type->IdRace == 9 && type->IsLeaderType() && !leader)
                leader = type;
            if (type->IdRace == 9 && type->CombatantType == kCombatUnitType && !troop)
                troop = type;
        }
    }
    // An army of a warchief, two group leaders and the given number of units.
    int BuildArmy(int units) {
        static int serial = 0;
        frame->CreateArmy(9, QStringLiteral("Bench %1").arg(++serial), 100000);
        CArmy& army = TheArmy();
        army.AddWarchief(*leader);
        army.AddGroupLeader(*leader);
        first = army.Units().GetTail();
        army.AddGroupLeader(*leader);
        CArmyUnit* second = army.Units().GetTail();
        for (int i = 0; i < units; ++i)
            army.AddUnit(i % 2 ? second : first, {troop});
        return army.GetHeader().IdArmee;
    }
    TestDataSource source;
    MessageRecorder messages;
    CCatalogue catalogue{TheDatabase()};
    std::unique_ptr<CMainFrame> frame;
    CUnitType* leader = nullptr;
    CUnitType* troop = nullptr;
    CArmyUnit* first = nullptr;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void OpenArmy(benchmark::State& state) {
    Fixture& f = Shared();
    const int army = f.BuildArmy(static_cast<int>(state.range(0)));
    f.frame->OnCloseArmy();
    for (auto _ : state) {
        f.frame->OpenArmy(army);
        state.PauseTiming();
        f.frame->OnCloseArmy();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenArmy)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

void AddUnitAtTheTop(benchmark::State& state) {
    Fixture& f = Shared();
    f.BuildArmy(static_cast<int>(state.range(0)));
    for (auto _ : state)
        TheArmy().AddUnit(f.first, {f.troop});
    f.frame->OnCloseArmy();
}
BENCHMARK(AddUnitAtTheTop)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

// 300 members: the warchief, a group leader with 50 units, another with the other 248.
void UndoDeleteOfALeaderWithFiftyUnits(benchmark::State& state) {
    Fixture& f = Shared();
    static int serial = 0;
    f.frame->CreateArmy(9, QStringLiteral("Undo %1").arg(++serial), 100000);
    CArmy& army = TheArmy();
    army.AddWarchief(*f.leader);
    army.AddGroupLeader(*f.leader);
    CArmyUnit* fifty = army.Units().GetTail();
    army.AddGroupLeader(*f.leader);
    CArmyUnit* rest = army.Units().GetTail();
    for (int i = 0; i < 297; ++i)
        army.AddUnit(i < 50 ? fifty : rest, {f.troop});
    CArmyHistory& history = *f.frame->History();
    for (auto _ : state) {
        state.PauseTiming();
        army.Delete(army.ChildrenOf(*army.GetWarchief()).first());
        state.ResumeTiming();
        history.Undo();
    }
    state.counters["members"] = army.Units().GetCount();
    f.frame->OnCloseArmy();
}
BENCHMARK(UndoDeleteOfALeaderWithFiftyUnits)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
