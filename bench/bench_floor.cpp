// SPDX-License-Identifier: GPL-3.0-or-later

// What the program costs at club scale, each time held against the floor: the least any
// program must spend for the same work on the same data source (the same rows read or
// written through ODBC, the same names in a tree, the same bytes in a file). The data is made
// here, by bound inserts into a throw-away SQLite data source with the real schema: a
// catalogue of 2,000 unit types over 17 races, armies of 30, 300 and 1,000 members and a
// battle of 8 armies of 250. Only ratios mean much on a shared machine: every line is the
// median of several repetitions, program and floor interleaved. Both draw in the platform's
// style, as the program does.
#include "../tests/TestDataSource.h"
#include "../tests/TheArmy.h"
#include "app/CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/MessageBox.h"
#include "core/TextExport.h"
#include "data/CArmyDatabase.h"
#include "data/CBattleContents.h"
#include "data/CUnitType.h"
#include "export/BattleReport.h"
#include "model/CArmy.h"
#include "model/CCatalogue.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QSplitter>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRaceCount = 17;
constexpr int kTypeCount = 2000;
constexpr int kSizes[] = {30, 300, 1000};
constexpr int kBattleArmies = 8;
constexpr int kBattleMembers = 250;
// The race every generated army is of.
constexpr int kArmyRace = 9;

const QString kStatColumns = QStringLiteral(
    "IdRace,IdQualiteMin,IdQualiteMax,IdQualite,IdType,Force,Resistance,Valeur,IdArmure,"
    "IdArmePrincipale,IdArmeSecondaire,Bouclier,Mouvement,JetSauvegarde,Terrible,IdEclairage,"
    "Points,UPG,Min,Max,CombatantType");
const QString kMemberColumns =
    QStringLiteral("IdParentUnit,IdLeader,IdArmee,IdVisual,NombreFig,Nom,Etendard,Musicien,Pc,"
                   "CoutTotal,Hierarchie,NomUnitType,") +
    kStatColumns;

QString Marks(int count) {
    return QStringLiteral("?") + QStringLiteral(",?").repeated(count - 1);
}

// A generated unit type: its key, the main type it is attached to, its kind and its stored
// statistics in the order of kStatColumns.
struct GenType {
    int id = 0;
    int parent = -1;
    int kind = 0;
    int race = 0;
    int points = 0;
    int min = 1;
    QString nameFR;
    QString nameGB;
    QVariantList stats;
};

// The plain struct the floor reads a member into.
struct PlainMember {
    int id, parent, leader, army, visual, figures;
    QString name;
    bool standard;
    int musicians, pc, cost, hierarchy;
    QString typeName;
    int stats[20];
    double move;
};

QSqlDatabase OwnConnection(const QString& name) {
    QSqlDatabase db = QSqlDatabase::contains(name)
                          ? QSqlDatabase::database(name)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
    if (!db.isOpen()) {
        db.setDatabaseName(QStringLiteral("Skarnholt"));
        db.setUserName(QStringLiteral("admin"));
        db.setPassword(QStringLiteral("qx"));
        if (!db.open())
            qFatal("cannot open the data source: %s", qPrintable(db.lastError().text()));
    }
    return db;
}

void Check(bool ok, const QSqlQuery& query) {
    if (!ok)
        qFatal("%s: %s", qPrintable(query.lastQuery()), qPrintable(query.lastError().text()));
}

// Makes the catalogue, the armies and the battle, each by bound inserts in one transaction.
class Generator {
public:
    Generator() : m_db(OwnConnection(QStringLiteral("generate"))) {}

    void Catalogue();
    // An army of exactly that many members: a warchief, a first group leader with firstUnits
    // plain units, then group leaders of 5 to 40 units each, one in five a rider with his
    // mount, one in ten a machine with its crew and its draught animal.
    int Army(const QString& name, int members, int firstUnits);
    int Battle(const QString& name, const QList<int>& armies);

    const std::vector<GenType>& Types() const { return m_types; }
    const GenType* OfRace(int race, int kind, int nth = 0) const;

private:
    QSqlDatabase m_db;
    std::vector<GenType> m_types;
    int m_nextMember = 1;
    int m_nextArmy = 1;
};

void Generator::Catalogue() {
    static const char* const kRaces[kRaceCount] = {
        "Amazon", "Barbarian", "Creature",  "Dark elf", "Wood elf", "Giant",
        "Goblin", "High elf",  "Hobgoblin", "Human",    "Undead",   "Dwarf",
        "Ogre",   "Orc",       "Summoned",  "Troll",    "Hobbit"};
    // Ten kinds in turn: a leader, troops, a rider and his mount, a machine with its crew and
    // draught animal, an individual.
    static const int kPattern[10] = {
        kLeaderType,     kCombatUnitType, kCombatUnitType, kCombatUnitType, kUncountedType,
        kCombatUnitType, kMachineType,    kCrewType,       kUncountedType,  kIndividualType};
    static const char* const kWords[] = {"Spears", "Blades",  "Riders", "Archers",  "Wardens",
                                         "Hounds", "Reavers", "Guards", "Slingers", "Lancers"};
    m_db.transaction();
    QSqlQuery race(m_db);
    race.prepare(
        QStringLiteral("INSERT INTO Races (IdAuto,RaceFR,RaceGB,IdRace) VALUES (?,?,?,?)"));
    for (int r = 0; r < kRaceCount; ++r) {
        race.addBindValue(r + 1);
        race.addBindValue(QString::fromLatin1(kRaces[r]));
        race.addBindValue(QString::fromLatin1(kRaces[r]));
        race.addBindValue(r);
        Check(race.exec(), race);
    }
    QSqlQuery type(m_db);
    type.prepare(QStringLiteral("INSERT INTO Armees (ArmyTypeId,ArmyTypeIdParent,NomFR,NomGB,%1) "
                                "VALUES (%2)")
                     .arg(kStatColumns, Marks(25)));
    for (int i = 0; i < kTypeCount; ++i) {
        const int r = i % kRaceCount;
        const int n = i / kRaceCount;
        GenType t;
        t.id = i + 1;
        t.race = r;
        t.kind = kPattern[n % 10];
        // Attached types follow their main type in the same race: one block of 10 back.
        if (n % 10 == 4 || n % 10 == 7)
            t.parent = t.id - kRaceCount;
        else if (n % 10 == 8)
            t.parent = t.id - 2 * kRaceCount;
        const bool leader = t.kind == kLeaderType;
        const bool single = leader || t.kind == kMachineType || t.kind == kIndividualType;
        t.points = leader ? 40 + n % 50 : t.kind == kMachineType ? 45 : 4 + n % 12;
        t.min = single ? 1 : t.kind == kCrewType ? 2 : 5 + n % 6;
        const QString word = QString::fromLatin1(kWords[n % 10]);
        t.nameGB = QStringLiteral("%1 %2 of the %3 Marches")
                       .arg(QString::fromLatin1(kRaces[r]), word, QString::number(n));
        t.nameFR = QStringLiteral("%1 des Marches %2 (%3)")
                       .arg(word, QString::number(n), QString::fromLatin1(kRaces[r]));
        t.stats = {r,         1 + n % 2,  2 + n % 3,   1 + n % 2, n % 4,
                   3 + n % 3, 3 + n % 2,  4 + n % 5,   n % 4,     n % 14,
                   n % 6,     n % 2 == 0, 5.0 + n % 4, n % 6,     leader && n % 7 == 0,
                   r % 3,     t.points,   n % 4,       t.min,     single ? 1 : t.min * 3,
                   t.kind};
        type.addBindValue(t.id);
        type.addBindValue(t.parent);
        type.addBindValue(t.nameFR);
        type.addBindValue(t.nameGB);
        for (const QVariant& value : t.stats)
            type.addBindValue(value);
        Check(type.exec(), type);
        m_types.push_back(t);
    }
    m_db.commit();
}

const GenType* Generator::OfRace(int race, int kind, int nth) const {
    for (const GenType& t : m_types) {
        if (t.race == race && t.kind == kind && t.parent == -1 && nth-- == 0)
            return &t;
    }
    return nullptr;
}

int Generator::Army(const QString& name, int members, int firstUnits) {
    const int army = m_nextArmy++;
    const GenType& leader = *OfRace(kArmyRace, kLeaderType);
    const GenType& troop = *OfRace(kArmyRace, kCombatUnitType);
    const GenType* machine = OfRace(kArmyRace, kMachineType);
    const GenType* rider = nullptr;
    const GenType* mount = nullptr;
    QList<const GenType*> machineParts;
    for (const GenType& t : m_types) {
        if (t.race != kArmyRace || t.parent == -1)
            continue;
        if (t.parent == machine->id)
            machineParts << &t;
        else if (!mount && t.kind == kUncountedType)
            mount = &t;
    }
    for (const GenType& t : m_types)
        rider = t.id == mount->parent ? &t : rider;
    // Small armies have small groups, so that each has a few group leaders.
    const int groupUnits = std::clamp(members / 25, 5, 40);
    m_db.transaction();
    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral("INSERT INTO ArmeeCompo (IdUnite,%1) VALUES (%2)")
                       .arg(kMemberColumns, Marks(34)));
    int visual = 0;
    int total = 0;
    auto add = [&](const GenType& t, int hierarchy, int leaderKey, int parentKey) {
        const int key = m_nextMember++;
        const int cost = t.points * t.min;
        QVariantList values{key,   parentKey, leaderKey, army, visual++,  t.min,   t.nameGB,
                            false, 0,         0,         cost, hierarchy, t.nameGB};
        values << t.stats;
        for (const QVariant& value : values)
            insert.addBindValue(value);
        Check(insert.exec(), insert);
        total += cost;
        return key;
    };
    const int warchief = add(leader, kWarchief, -1, -1);
    int left = members - 1;
    int group = 0;
    while (left > 0) {
        const int groupLeader = add(leader, kGroupLeader, warchief, -1);
        --left;
        const int units = group++ == 0 ? firstUnits : groupUnits;
        for (int u = 0; u < units && left > 0; ++u) {
            if (group > 1 && u % 10 == 9 && left >= 3) {
                const int main = add(*machine, kMachine, groupLeader, -1);
                add(*machineParts.at(0), machineParts.at(0)->kind + 1, groupLeader, main);
                add(*machineParts.at(1), machineParts.at(1)->kind + 1, groupLeader, main);
                left -= 3;
            } else if (group > 1 && u % 5 == 4 && left >= 2) {
                const int main = add(*rider, kCombatUnit, groupLeader, -1);
                add(*mount, kUncounted, groupLeader, main);
                left -= 2;
            } else {
                add(troop, kCombatUnit, groupLeader, -1);
                --left;
            }
        }
    }
    QSqlQuery def(m_db);
    def.prepare(QStringLiteral("INSERT INTO ArmeeDef (IdArmee,Nom,NombrePointMax,CoutTotal,"
                               "IdRace,Version) VALUES (?,?,?,?,?,0)"));
    for (const QVariant& value : QVariantList{army, name, total * 2, total, kArmyRace})
        def.addBindValue(value);
    Check(def.exec(), def);
    m_db.commit();
    return army;
}

int Generator::Battle(const QString& name, const QList<int>& armies) {
    m_db.transaction();
    QSqlQuery battle(m_db);
    battle.prepare(QStringLiteral("INSERT INTO Battle (IdBattle,Nom,Description) VALUES (1,?,?)"));
    battle.addBindValue(name);
    battle.addBindValue(QStringLiteral("Eight hosts meet at the ford."));
    Check(battle.exec(), battle);
    QSqlQuery entry(m_db);
    entry.prepare(QStringLiteral("INSERT INTO BattleCompo (IdBattle,IdArmy) VALUES (1,?)"));
    for (int army : armies) {
        entry.addBindValue(army);
        Check(entry.exec(), entry);
    }
    m_db.commit();
    return 1;
}

// ---- The data, made once per process

struct Data {
    Data() {
        Generator generate;
        generate.Catalogue();
        types = generate.Types();
        for (int size : kSizes) {
            openArmy[size] = generate.Army(QStringLiteral("Open %1").arg(size), size, 50);
            addArmy[size] = generate.Army(QStringLiteral("Add %1").arg(size), size, 50);
            moveArmy[size] =
                generate.Army(QStringLiteral("Move %1").arg(size), size, std::min(50, size / 4));
        }
        QList<int> armies;
        for (int i = 0; i < kBattleArmies; ++i)
            armies << generate.Army(QStringLiteral("Host %1").arg(i + 1), kBattleMembers, 30);
        battle = generate.Battle(QStringLiteral("The Ford"), armies);
        if (!TheDatabase().OpenDatabase())
            qFatal("the program cannot open the data source");
    }
    TestDataSource source;
    std::vector<GenType> types;
    std::map<int, int> openArmy;
    std::map<int, int> addArmy;
    std::map<int, int> moveArmy;
    int battle = 0;
};

// Both go before the application does.
std::unique_ptr<Data> g_data;
std::unique_ptr<CCatalogue> g_catalogue;
std::unique_ptr<CMainFrame> g_frame;

Data& Shared() {
    if (!g_data)
        g_data = std::make_unique<Data>();
    return *g_data;
}

// The program's window, alive for every edit and open.
CMainFrame& Frame() {
    if (!g_frame) {
        g_catalogue = std::make_unique<CCatalogue>(TheDatabase());
        g_catalogue->Load();
        g_frame = std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), *g_catalogue);
        g_frame->resize(1400, 900);
        g_frame->show();
        QApplication::processEvents();
    }
    return *g_frame;
}

const CUnitType* CatalogueType(int id) {
    Frame();
    for (const CUnitType* type : g_catalogue->UnitTypes()) {
        if (type->ArmyTypeId == id)
            return type;
    }
    return nullptr;
}

QList<CArmyUnit*> GroupLeaders() {
    QList<CArmyUnit*> leaders;
    for (CArmyUnit* unit : TheArmy().Units()) {
        if (unit->IsGroupLeader() && !unit->m_pMainUnit)
            leaders << unit;
    }
    return leaders;
}

// The floor's start-up: a bare main window of the program's size, in the platform's style,
// with the catalogue's races and names in a plain tree view over a standard model, painted.
std::unique_ptr<QMainWindow> BareWindow() {
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    auto window = std::make_unique<QMainWindow>();
    auto* model = new QStandardItemModel(window.get());
    auto* tree = new QTreeView(window.get());
    tree->setHeaderHidden(true);
    window->setCentralWidget(tree);
    QList<QStandardItem*> races;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    Check(query.exec(QStringLiteral("SELECT RaceGB FROM Races ORDER BY IdRace")), query);
    while (query.next()) {
        races << new QStandardItem(query.value(0).toString());
        model->appendRow(races.last());
    }
    Check(query.exec(QStringLiteral("SELECT NomGB, IdRace FROM Armees")), query);
    while (query.next()) {
        if (QStandardItem* race = races.value(query.value(1).toInt()))
            race->appendRow(new QStandardItem(query.value(0).toString()));
    }
    tree->setModel(model);
    window->resize(1400, 900);
    window->show();
    QApplication::processEvents();
    return window;
}

// The floor's open army: a bare main window of the program's size with the army's hierarchy
// in one plain tree view and its members with their statistic cells in a second, as the
// program's window shows them.
class BareArmyWindow {
public:
    BareArmyWindow() {
        auto* views = new QSplitter(&m_window);
        m_tree = new QTreeView(views);
        m_tree->setHeaderHidden(true);
        m_list = new QTreeView(views);
        m_list->setRootIsDecorated(false);
        m_list->setUniformRowHeights(true);
        m_window.setCentralWidget(views);
        m_window.resize(1400, 900);
        m_window.show();
        QApplication::processEvents();
    }

    // The members in both views, then painted.
    void Show(const std::vector<PlainMember>& members) {
        auto hierarchy = std::make_unique<QStandardItemModel>();
        auto cells = std::make_unique<QStandardItemModel>(0, kListColumns);
        std::map<int, QStandardItem*> nodes;
        for (const PlainMember& m : members)
            nodes[m.id] = new QStandardItem(m.name);
        // Attached members under their main member, the others under their leader.
        for (const PlainMember& m : members) {
            const auto over = nodes.find(m.parent > 0 ? m.parent : m.leader);
            if (over != nodes.end() && over->first != m.id)
                over->second->appendRow(nodes[m.id]);
            else
                hierarchy->appendRow(nodes[m.id]);
        }
        for (const PlainMember& m : members) {
            QList<QStandardItem*> row{new QStandardItem(m.name)};
            for (int i = 0; i < kListColumns - 2; ++i)
                row << new QStandardItem(i == 8 ? QString::number(m.move)
                                                : QString::number(m.stats[i]));
            row << new QStandardItem(QString::number(m.cost));
            cells->appendRow(row);
        }
        m_tree->setModel(hierarchy.get());
        m_list->setModel(cells.get());
        m_tree->expandAll();
        m_hierarchy = std::move(hierarchy);
        m_cells = std::move(cells);
        QApplication::processEvents();
    }

    void Clear() {
        m_tree->setModel(nullptr);
        m_list->setModel(nullptr);
        m_hierarchy.reset();
        m_cells.reset();
        QApplication::processEvents();
    }

private:
    // The name, the statistic block and the notes, as the program's list.
    static constexpr int kListColumns = 18;

    QMainWindow m_window;
    QTreeView* m_tree;
    QTreeView* m_list;
    std::unique_ptr<QStandardItemModel> m_hierarchy;
    std::unique_ptr<QStandardItemModel> m_cells;
};

std::vector<PlainMember> ReadMembers(QSqlDatabase& db, int army) {
    std::vector<PlainMember> members;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM ArmeeCompo WHERE IdArmee = ?"));
    query.addBindValue(army);
    Check(query.exec(), query);
    while (query.next()) {
        PlainMember m;
        m.id = query.value(0).toInt();
        m.parent = query.value(1).toInt();
        m.leader = query.value(2).toInt();
        m.army = query.value(3).toInt();
        m.visual = query.value(4).toInt();
        m.figures = query.value(5).toInt();
        m.name = query.value(6).toString();
        m.standard = query.value(7).toBool();
        m.musicians = query.value(8).toInt();
        m.pc = query.value(9).toInt();
        m.cost = query.value(10).toInt();
        m.hierarchy = query.value(11).toInt();
        m.typeName = query.value(12).toString();
        for (int i = 0; i < 12; ++i)
            m.stats[i] = query.value(13 + i).toInt();
        m.move = query.value(25).toDouble();
        for (int i = 12; i < 20; ++i)
            m.stats[i] = query.value(14 + i).toInt();
        members.push_back(std::move(m));
    }
    return members;
}

// ---- Start-up

void Startup_program(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        auto catalogue = std::make_unique<CCatalogue>(TheDatabase());
        catalogue->Load();
        auto frame = std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), *catalogue);
        frame->resize(1400, 900);
        frame->show();
        QApplication::processEvents();
        state.PauseTiming();
        frame.reset();
        catalogue.reset();
        state.ResumeTiming();
    }
}

void Startup_floor(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        auto window = BareWindow();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// ---- Adding a machine with its crew and draught animal under the last group leader

QList<const CUnitType*> MachineWithParts() {
    const Data& data = Shared();
    const GenType* machine = nullptr;
    for (const GenType& t : data.types)
        machine = !machine && t.race == kArmyRace && t.kind == kMachineType ? &t : machine;
    QList<const CUnitType*> types{CatalogueType(machine->id)};
    for (const GenType& t : data.types) {
        if (t.parent == machine->id)
            types << CatalogueType(t.id);
    }
    return types;
}

void Add_program(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    CMainFrame& frame = Frame();
    frame.OpenArmy(Shared().addArmy[size]);
    CArmy& army = TheArmy();
    const QList<const CUnitType*> types = MachineWithParts();
    CArmyUnit* leader = GroupLeaders().last();
    for (auto _ : state) {
        if (army.AddUnit(leader, types) != CArmy::Result::Done)
            state.SkipWithError("not added");
        state.PauseTiming();
        // The army keeps its size: the member goes again with what hangs on it.
        army.Delete(army.ChildrenOf(*leader).last());
        QApplication::processEvents();
        state.ResumeTiming();
    }
    frame.OnCloseArmy();
}

void Add_floor(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const Data& data = Shared();
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    const int armyId = data.addArmy.at(size);
    const std::vector<PlainMember> members = ReadMembers(db, armyId);
    const PlainMember& leader = members.back();
    QList<QVariantList> rows;
    for (const CUnitType* type : MachineWithParts()) {
        QVariantList row{-1,
                         leader.leader,
                         armyId,
                         size + rows.size(),
                         type->Min,
                         type->NomGB,
                         false,
                         0,
                         0,
                         type->Points,
                         type->CombatantType + 1,
                         type->NomGB};
        for (const GenType& t : data.types)
            if (t.id == type->ArmyTypeId)
                row << t.stats;
        rows << row;
    }
    const QString insert =
        QStringLiteral("INSERT INTO ArmeeCompo (%1) VALUES (%2)").arg(kMemberColumns, Marks(33));
    for (auto _ : state) {
        db.transaction();
        QSqlQuery query(db);
        query.prepare(insert);
        for (const QVariantList& row : rows) {
            for (const QVariant& value : row)
                query.addBindValue(value);
            Check(query.exec(), query);
        }
        db.commit();
        state.PauseTiming();
        QSqlQuery remove(db);
        remove.prepare(
            QStringLiteral("DELETE FROM ArmeeCompo WHERE IdArmee = ? AND IdVisual >= ?"));
        remove.addBindValue(armyId);
        remove.addBindValue(size);
        Check(remove.exec(), remove);
        state.ResumeTiming();
    }
}

// ---- Opening an army: tree, list and strip

void Open_program(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    CMainFrame& frame = Frame();
    const int army = Shared().openArmy[size];
    for (auto _ : state) {
        frame.OpenArmy(army);
        QApplication::processEvents();
        state.PauseTiming();
        if (TheArmy().Units().GetCount() != size)
            state.SkipWithError("not opened whole");
        frame.OnCloseArmy();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void Open_floor(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    const int army = Shared().openArmy[size];
    BareArmyWindow window;
    for (auto _ : state) {
        const std::vector<PlainMember> members = ReadMembers(db, army);
        if (static_cast<int>(members.size()) != size)
            state.SkipWithError("not read whole");
        window.Show(members);
        state.PauseTiming();
        window.Clear();
        state.ResumeTiming();
    }
}

// ---- Moving the first group leader with his units to the end of the army and back

// The group leaders by key: the first one made (with his units) is the one moved, the next
// one and the last one are where he goes in turn.
struct MoveRoles {
    CArmyUnit* moved;
    CArmyUnit* second;
    CArmyUnit* last;
};

MoveRoles Roles() {
    QList<CArmyUnit*> leaders = GroupLeaders();
    std::sort(leaders.begin(), leaders.end(),
              [](const CArmyUnit* a, const CArmyUnit* b) { return a->IdUnite < b->IdUnite; });
    return {leaders.first(), leaders.at(1), leaders.last()};
}

// To the end when he is not there yet, else right after the second group.
CArmy::Result MoveOnce(const MoveRoles& roles) {
    const bool atEnd = roles.moved->IdVisual > roles.last->IdVisual;
    return TheArmy().Move(roles.moved, atEnd ? roles.second : roles.last);
}

// The members whose stored place (position or leader) one move changes, once the moves go
// back and forth.
int MovedRows(int size) {
    static std::map<int, int> counted;
    if (counted.count(size))
        return counted[size];
    CMainFrame& frame = Frame();
    const int army = Shared().moveArmy[size];
    frame.OpenArmy(army);
    const MoveRoles roles = Roles();
    MoveOnce(roles);
    QSqlDatabase db = OwnConnection(QStringLiteral("count"));
    std::map<int, std::pair<int, int>> before;
    for (const PlainMember& m : ReadMembers(db, army))
        before[m.id] = {m.visual, m.leader};
    MoveOnce(roles);
    int rows = 0;
    for (const PlainMember& m : ReadMembers(db, army))
        rows += before[m.id] != std::make_pair(m.visual, m.leader);
    frame.OnCloseArmy();
    return counted[size] = rows;
}

void Move_program(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    MovedRows(size);
    CMainFrame& frame = Frame();
    frame.OpenArmy(Shared().moveArmy[size]);
    const MoveRoles roles = Roles();
    for (auto _ : state) {
        if (MoveOnce(roles) != CArmy::Result::Done)
            state.SkipWithError("not moved");
        // As for adding: the operation and the view's rebuild it sets off, not the repaint.
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = MovedRows(size);
    frame.OnCloseArmy();
}

// As many rows as the move changes, given new positions by one bound statement in one
// committed transaction: a stretch of the army's positions moved by one and back.
void Move_floor(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const int rows = MovedRows(size);
    const int army = Shared().moveArmy[size];
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    int shift = -1;
    for (auto _ : state) {
        shift = -shift;
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE ArmeeCompo SET IdVisual = IdVisual + ? WHERE "
                                     "IdArmee = ? AND IdVisual BETWEEN ? AND ?"));
        const int first = shift > 0 ? 0 : 1;
        query.addBindValue(shift);
        query.addBindValue(army);
        query.addBindValue(first);
        query.addBindValue(first + rows - 1);
        Check(query.exec(), query);
        db.commit();
    }
    state.counters["rows"] = rows;
    // The army as generated, for the program's moves.
    if (shift > 0) {
        QSqlQuery restore(db);
        restore.prepare(QStringLiteral("UPDATE ArmeeCompo SET IdVisual = IdVisual - 1 WHERE "
                                       "IdArmee = ? AND IdVisual BETWEEN 1 AND ?"));
        restore.addBindValue(army);
        restore.addBindValue(rows);
        Check(restore.exec(), restore);
    }
}

// ---- The battle report

QString ReportDirectory() {
    static QTemporaryDir dir;
    return dir.path();
}

void Report_program(benchmark::State& state) {
    const int battle = Shared().battle;
    qint64 bytes = 0;
    for (auto _ : state) {
        CBattleContents contents;
        if (TheDatabase().LoadBattleContents(battle, &contents) != CArmyDatabase::kFound)
            state.SkipWithError("no report");
        const QString text = BattleReportText(contents);
        const QByteArray utf8 = text.toUtf8();
        bytes = utf8.size();
        if (WriteExport(ReportDirectory(), BattleReportFileName(QStringLiteral("The Ford")), text)
                .isEmpty())
            state.SkipWithError("not written");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

qint64 ReportBytes() {
    static const qint64 bytes = [] {
        CBattleContents contents;
        TheDatabase().LoadBattleContents(Shared().battle, &contents);
        return static_cast<qint64>(BattleReportText(contents).toUtf8().size());
    }();
    return bytes;
}

void Report_floor(benchmark::State& state) {
    const qint64 bytes = ReportBytes();
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    const QString path = ReportDirectory() + QStringLiteral("/floor.txt");
    for (auto _ : state) {
        QSqlQuery armies(db);
        armies.setForwardOnly(true);
        armies.prepare(QStringLiteral("SELECT IdArmy FROM BattleCompo WHERE IdBattle = ?"));
        armies.addBindValue(Shared().battle);
        Check(armies.exec(), armies);
        size_t rows = 0;
        while (armies.next())
            rows += ReadMembers(db, armies.value(0).toInt()).size();
        if (rows != kBattleArmies * kBattleMembers)
            state.SkipWithError("not read whole");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(QByteArray(bytes, 'x')) != bytes)
            state.SkipWithError("not written");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

#define TIMED(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->UseRealTime()
TIMED(Startup_program);
TIMED(Startup_floor);
TIMED(Add_program)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Add_floor)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Open_program)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Open_floor)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Move_program)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Move_floor)->Arg(30)->Arg(300)->Arg(1000);
TIMED(Report_program);
TIMED(Report_floor);

// ---- Memory, in a process of its own per side

long PeakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The child: the program's window with the army open, or the bare window with the same
// members in plain structs; prints its peak resident size in kB.
int MemoryChild(const QString& side, int army) {
    MessageRecorder messages;
    if (side == QLatin1String("program")) {
        TheDatabase().OpenDatabase();
        CCatalogue catalogue(TheDatabase());
        catalogue.Load();
        CMainFrame frame(TheDatabase(), TheArmy(), catalogue);
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
        frame.OpenArmy(army);
        QApplication::processEvents();
        std::printf("%ld\n", PeakKilobytes());
        const bool whole = TheArmy().Units().GetCount() == 1000;
        TheDatabase().CloseDatabase();
        return whole ? 0 : 1;
    }
    const auto window = BareWindow();
    QSqlDatabase db = OwnConnection(QStringLiteral("floor"));
    const std::vector<PlainMember> members = ReadMembers(db, army);
    BareArmyWindow armyWindow;
    armyWindow.Show(members);
    std::printf("%ld\n", PeakKilobytes());
    return members.size() == 1000 ? 0 : 1;
}

long MeasureChild(const QString& side, int army) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-child=%1:%2").arg(side).arg(army)});
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        qFatal("the %s memory child failed: %s", qPrintable(side),
               child.readAllStandardError().constData());
    return child.readAllStandardOutput().trimmed().toLong();
}

// ---- The table

struct Medians {
    std::map<std::string, double> ms; // "Open_program/300" -> median in ms
};

class TableReporter : public benchmark::ConsoleReporter {
public:
    explicit TableReporter(Medians& medians) : m_medians(medians) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            std::string key = run.run_name.function_name;
            if (!run.run_name.args.empty())
                key += "/" + run.run_name.args;
            // The median of the repetitions; a single run's time when there is only one.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians.ms[key] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                m_medians.ms[key] = run.GetAdjustedRealTime();
        }
    }

private:
    Medians& m_medians;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void PrintTable(const Medians& medians, double programKb, double floorKb) {
    auto ms = [&](const std::string& key) {
        const auto found = medians.ms.find(key);
        return found == medians.ms.end() ? 0.0 : found->second;
    };
    // A limit of 0: a line kept for the trend over the army sizes, with no goal of its own.
    auto line = [](const std::string& work, double program, double floor, const char* unit,
                   const char* goal, double limit, bool inTime = true) {
        const double ratio = floor > 0 ? program / floor : 0;
        const char* verdict = ratio <= 0                 ? "not run"
                              : limit <= 0               ? "trend"
                              : ratio <= limit && inTime ? "met"
                                                         : "missed";
        std::printf("| %s | %.2f %s | %.2f %s | %.2f× | %s | %s |\n", work.c_str(), program, unit,
                    floor, unit, ratio, limit <= 0 ? "—" : goal, verdict);
    };
    std::printf("\n| Work | Program | Floor | Ratio | Goal | |\n|---|---|---|---|---|---|\n");
    // What the player waits for: within twice the floor, and no more than one frame at 60 Hz
    // above it.
    constexpr double kFrameMs = 16;
    const char* const kFair = "≤ 2×, < floor + 16 ms";
    const auto fair = [&](const std::string& work, const std::string& key, int size) {
        const double program = ms(key + "_program" + (size ? "/" + std::to_string(size) : ""));
        const double floor = ms(key + "_floor" + (size ? "/" + std::to_string(size) : ""));
        const bool goal = size == 0 || size == 1000;
        line(work, program, floor, "ms", kFair, goal ? 2 : 0, program - floor < kFrameMs);
    };
    fair("Start-up, 2,000-type catalogue, first paint", "Startup", 0);
    for (int size : kSizes)
        fair("Open an army of " + std::to_string(size) + " (first paint included)", "Open", size);
    for (int size : kSizes)
        fair("Add a machine with crew and animal, army of " + std::to_string(size), "Add", size);
    for (int size : kSizes)
        fair("Move a group leader with " + std::to_string(std::min(50, size / 4)) +
                 " units, army of " + std::to_string(size),
             "Move", size);
    line("Battle report, 8 × 250 members, to a file", ms("Report_program"), ms("Report_floor"),
         "ms", "≤ 2×", 2);
    line("Peak memory, catalogue and a 1,000-member army open", programKb / 1024, floorKb / 1024,
         "MiB", "≤ 1.5×", 1.5);

    std::printf("\nPer member (µs), program / floor:\n\n| Work | 30 | 300 | 1,000 |\n"
                "|---|---|---|---|\n");
    for (const char* work : {"Open", "Add", "Move"}) {
        std::printf("| %s |", work);
        for (int size : kSizes) {
            const std::string n = "/" + std::to_string(size);
            std::printf(" %.1f / %.1f |", ms(work + std::string("_program") + n) * 1000 / size,
                        ms(work + std::string("_floor") + n) * 1000 / size);
        }
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says this of every window shown; it tells nothing here.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                previous(type, context, message);
        });
    QApplication app(argc, argv);
    const QString childArg = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (childArg.startsWith(QLatin1String("--memory-child="))) {
        const QStringList parts = childArg.mid(15).split(QLatin1Char(':'));
        return MemoryChild(parts.value(0), parts.value(1).toInt());
    }
    // Medians of interleaved repetitions unless told otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    auto given = [&](const char* flag) {
        return std::any_of(args.begin() + 1, args.end(), [flag](const char* arg) {
            return std::string(arg).rfind(flag, 0) == 0;
        });
    };
    if (!given("--benchmark_repetitions"))
        args.push_back(repetitions.data());
    if (!given("--benchmark_enable_random_interleaving"))
        args.push_back(interleave.data());
    if (!given("--benchmark_report_aggregates_only"))
        args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    MessageRecorder messages;
    Shared();
    Frame();
    Medians medians;
    TableReporter reporter(medians);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::vector<double> program;
    std::vector<double> floor;
    const int army = Shared().openArmy[1000];
    for (int i = 0; i < 3; ++i) {
        program.push_back(static_cast<double>(MeasureChild(QStringLiteral("program"), army)));
        floor.push_back(static_cast<double>(MeasureChild(QStringLiteral("floor"), army)));
    }
    PrintTable(medians, Median(program), Median(floor));
    g_frame.reset();
    // Closed before the application takes the driver down.
    TheDatabase().CloseDatabase();
    g_data.reset();
    return 0;
}
