// SPDX-License-Identifier: GPL-3.0-or-later

// What a club server's distance costs the program: each edit and read of the screens, run
// through the real model and window against a throwaway PostgreSQL cluster behind
// LatencyProxy, timed at 0, 2 and 10 ms a round trip. The statements the server ran come from
// pg_stat_statements, read over a connection of its own that bypasses the proxy; the round
// trips are what the 10 ms round trip added, in round trips. The floor is one per edit.
//   bench_latency [--statements]   (--statements: also list each operation's statements)
// Ends with status 1, saying why, when an edit fails or a stored army is found inconsistent.
#include "../tests/StoredArmy.h"
#include "../tests/TestDataSource.h"
#include "../tests/TheArmy.h"
#include "LatencyProxy.h"
#include "app/CMainFrame.h"
#include "army/CUnitCostCalculator.h"
#include "catalogue/CCatalogueBar.h"
#include "core/FileViewer.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"
#include "data/CBattleContents.h"
#include "data/CUnitType.h"
#include "export/BattleReport.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"
#include "model/CCatalogue.h"
#include "model/DataErrorMessages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kSizes[] = {30, 300, 1000};
constexpr int kDelaysUs[] = {0, 1000, 5000};
constexpr int kRepetitions = 7;
// A cell stops repeating once its timed runs pass this: at 10 ms a round trip an edit of a
// thousand statements takes ten seconds, and one run of it says as much as five.
constexpr double kCellBudgetMs = 3000;
// The sample catalogue's Humans: a warchief, a captain for the groups, pikemen, knights on
// their destriers, a culverin with its gunners and its draught horse.
constexpr int kRace = 9;
constexpr int kWarchiefType = 901;
constexpr int kLeaderType = 903;
constexpr int kTroopType = 904;
constexpr int kKnightType = 908;
constexpr int kDestrierType = 909;
constexpr int kCulverinType = 910;
constexpr int kGunnersType = 911;
constexpr int kHorseType = 912;

const QString kSourceDir = QStringLiteral(SKARNHOLT_SOURCE_DIR);

struct Failure {
    QString why;
};

[[noreturn]] void Fail(const QString& why) {
    throw Failure{why};
}

void Require(bool ok, const QString& what) {
    if (!ok)
        Fail(what);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A connection straight to the server's port, never through the proxy.
QSqlDatabase Direct(const QString& name, const QString& port, const QString& database,
                    const QString& user, const QString& password) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
    db.setDatabaseName(QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=%3;UID=%4;"
                                      "PWD=%5;")
                           .arg(QStringLiteral(PSQL_ODBC_DRIVER), port, database, user, password));
    Require(db.open(), QStringLiteral("cannot reach %1 on port %2: %3")
                           .arg(database, port, db.lastError().text()));
    return db;
}

void Exec(QSqlQuery& query, const QString& sql) {
    Require(query.exec(sql), sql.left(80) + QStringLiteral(": ") + query.lastError().text());
}

// A script's statements, as the tests run them.
QStringList ScriptStatements(const QString& relative) {
    QString error;
    const QStringList statements =
        TestDataSource::ScriptStatements(QDir(kSourceDir).filePath(relative), &error);
    Require(!statements.isEmpty(), error);
    return statements;
}

// The test cluster named by SKARNHOLT_TEST_POSTGRES, or one of our own, stopped at the end.
class Cluster {
public:
    Cluster() {
        m_state = qEnvironmentVariable("SKARNHOLT_TEST_POSTGRES");
        if (m_state.isEmpty()) {
            m_state = QDir::temp().filePath(
                QStringLiteral("skarnholt-latency-%1").arg(QCoreApplication::applicationPid()));
            m_owned = QProcess::execute(Script(), {QStringLiteral("start"), m_state}) == 0;
            Require(m_owned, QStringLiteral("the PostgreSQL test cluster did not start"));
        }
        QFile state(m_state);
        Require(state.open(QIODevice::ReadOnly),
                QStringLiteral("no PostgreSQL test cluster: ") + m_state);
        m_port = QString::fromUtf8(state.readAll()).split(QLatin1Char('\n')).value(1).trimmed();
    }
    ~Cluster() {
        if (m_owned)
            QProcess::execute(Script(), {QStringLiteral("stop"), m_state});
    }
    Cluster(const Cluster&) = delete;
    Cluster& operator=(const Cluster&) = delete;
    QString Port() const { return m_port; }

private:
    static QString Script() { return kSourceDir + QStringLiteral("/tests/postgres_cluster.sh"); }
    QString m_state;
    QString m_port;
    bool m_owned = false;
};

struct Row {
    QString operation;
    QString army;
    double statements = 0;
    double ms[std::size(kDelaysUs)] = {};
};

// One measured operation: what puts the army in the state it needs, the work timed, and what
// gives the army back as it was; the first and the last run with no delay and are not timed.
struct Operation {
    QString name;
    std::function<void()> run;
    std::function<void()> prepare = [] {};
    std::function<void()> restore = [] {};
};

struct Types {
    CItemList<CUnitType> all;

    QList<const CUnitType*> Of(std::initializer_list<int> ids) const {
        QList<const CUnitType*> types;
        for (int id : ids) {
            const auto found = std::find_if(all.begin(), all.end(), [id](const CUnitType* type) {
                return type->ArmyTypeId == id;
            });
            Require(found != all.end(), QStringLiteral("no unit type %1 in the catalogue").arg(id));
            types << *found;
        }
        return types;
    }
};

class LatencyBench {
public:
    LatencyBench(MessageRecorder& messages, FileViewerRecorder& viewer, bool showStatements)
        : m_messages(messages), m_viewer(viewer), m_showStatements(showStatements) {}
    ~LatencyBench();
    LatencyBench(const LatencyBench&) = delete;
    LatencyBench& operator=(const LatencyBench&) = delete;

    void SetUp();
    void MeasureReads();
    void MeasureEdits(int size);
    void CheckStoredArmies();
    void Print() const;

private:
    void Measure(const QString& army, const Operation& operation);
    qint64 Calls();
    QHash<QString, qint64> CallsByStatement();
    void ListStatements(const QString& what, const QHash<QString, qint64>& before,
                        std::uint64_t sends);
    // No message may have been shown but a status line; each edit must have left the army the
    // size expected.
    void CheckQuiet(const QString& what);
    void CheckSize(int expected, const QString& what) const;
    int BuildArmy(int members);
    QList<CArmyUnit*> GroupLeaders() const;
    CArmyHistory& History() const { return *m_frame->History(); }

    MessageRecorder& m_messages;
    FileViewerRecorder& m_viewer;
    const bool m_showStatements;
    std::unique_ptr<Cluster> m_cluster;
    std::unique_ptr<LatencyProxy> m_proxy;
    QTemporaryDir m_dir;
    QString m_database;
    QString m_serverVersion;
    int m_databaseOid = 0;
    QSqlDatabase m_stats;
    Types m_types;
    std::map<int, int> m_armies;
    int m_battle = -1;
    std::unique_ptr<CCatalogue> m_catalogue;
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<Row> m_rows;
    QStringList m_statementLists;
};

LatencyBench::~LatencyBench() {
    if (m_proxy)
        m_proxy->SetDelay(std::chrono::microseconds(0));
    // As the program ends: the window, then the army, then the connection.
    m_frame.reset();
    TheArmy().Close();
    TheDatabase().CloseDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    if (m_stats.isOpen() && !m_database.isEmpty()) {
        QSqlQuery drop(m_stats);
        drop.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database));
    }
    m_stats.close();
    m_stats = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("stats"));
    if (m_proxy)
        m_proxy->Stop();
}

void LatencyBench::SetUp() {
    Require(m_dir.isValid(), QStringLiteral("no temporary folder"));
    m_cluster = std::make_unique<Cluster>();
    m_proxy = std::make_unique<LatencyProxy>("127.0.0.1", m_cluster->Port().toInt());
    std::string error;
    Require(m_proxy->Start(&error), QString::fromStdString(error));

    // The program's data source reaches the server only through the proxy; a private system
    // folder too, so that no data source of the machine is seen.
    m_database = QStringLiteral("skarnholt_latency_%1").arg(QCoreApplication::applicationPid());
    QFile ini(m_dir.filePath(QStringLiteral("odbc.ini")));
    QFile sysIni(m_dir.filePath(QStringLiteral("odbcinst.ini")));
    Require(ini.open(QIODevice::WriteOnly) && sysIni.open(QIODevice::WriteOnly),
            QStringLiteral("cannot write the data source"));
    ini.write(QStringLiteral("[ODBC Data Sources]\nSkarnholt = PostgreSQL\n\n[Skarnholt]\n"
                             "Driver = %1\nServername = 127.0.0.1\nPort = %2\nDatabase = %3\n")
                  .arg(QStringLiteral(PSQL_ODBC_DRIVER))
                  .arg(m_proxy->Port())
                  .arg(m_database)
                  .toUtf8());
    ini.close();
    qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
    qputenv("ODBCSYSINI", QFile::encodeName(m_dir.path()));

    m_stats = Direct(QStringLiteral("stats"), m_cluster->Port(), QStringLiteral("postgres"),
                     QStringLiteral("postgres"), QStringLiteral("postgres"));
    QSqlQuery server(m_stats);
    Exec(server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database));
    Exec(server, QStringLiteral("CREATE DATABASE %1 OWNER admin").arg(m_database));
    Exec(server, QStringLiteral("SELECT oid, current_setting('server_version') FROM pg_database "
                                "WHERE datname = '%1'")
                     .arg(m_database));
    Require(server.next(), QStringLiteral("the database made has no oid"));
    m_databaseOid = server.value(0).toInt();
    m_serverVersion = server.value(1).toString();
    Require(server.exec(QStringLiteral("SELECT count(*) FROM pg_stat_statements")),
            QStringLiteral("pg_stat_statements is not loaded in the cluster's database postgres "
                           "(tests/postgres_cluster.sh loads it): ") +
                server.lastError().text());

    {
        QSqlDatabase setup = Direct(QStringLiteral("setup"), m_cluster->Port(), m_database,
                                    QStringLiteral("admin"), QStringLiteral("qx"));
        Require(setup.transaction(), QStringLiteral("no transaction for the tables"));
        QSqlQuery query(setup);
        for (const char* script : {"db/schema.sql", "db/postgresql-keys.sql",
                                   "db/postgresql-club.sql", "db/catalogue.sql"}) {
            for (const QString& statement : ScriptStatements(QString::fromLatin1(script)))
                Exec(query, statement);
        }
        Require(setup.commit(), QStringLiteral("the tables were not committed"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));

    CArmyDatabase& db = TheDatabase();
    Require(db.OpenDatabase() && db.LoadUnitTypes(m_types.all),
            QStringLiteral("the program cannot read the catalogue through the proxy"));
    for (int size : kSizes)
        m_armies[size] = BuildArmy(size);
    CIdList ids;
    for (const auto& [size, army] : m_armies)
        ids.append(army);
    Require(db.InsertBattle(QStringLiteral("Le gué"), QStringLiteral("Trois armées au gué."), ids),
            QStringLiteral("the battle was not stored"));
    CItemList<CBattle> battles;
    Require(db.LoadBattles(battles) && battles.GetCount() == 1, QStringLiteral("no battle"));
    m_battle = battles.GetHead()->IdBattle;
    CheckQuiet(QStringLiteral("making the armies"));
}

// Warchief, then groups of a captain and his units (one in five a knight on his destrier, one
// in ten a culverin with gunners and horse), each added under the last captain, as a player
// builds; the last group takes what is left.
int LatencyBench::BuildArmy(int members) {
    CArmy& army = TheArmy();
    Require(army.Create(kRace, QStringLiteral("Ost de %1").arg(members), 1000000) &&
                army.Open(army.GetHeader().IdArmee),
            QStringLiteral("army of %1 not created").arg(members));
    const int id = army.GetHeader().IdArmee;
    const auto add = [&](const std::function<CArmy::Result()>& edit) {
        Require(edit() == CArmy::Result::Done, QStringLiteral("building army %1 failed").arg(id));
    };
    add([&] { return army.AddWarchief(*m_types.Of({kWarchiefType}).first()); });
    const int groupUnits = std::clamp(members / 25, 5, 40);
    while (army.Units().GetCount() < members) {
        add([&] { return army.AddGroupLeader(*m_types.Of({kLeaderType}).first()); });
        CArmyUnit* leader = army.Units().GetTail();
        for (int u = 0; u < groupUnits && army.Units().GetCount() < members; ++u) {
            const int left = members - army.Units().GetCount();
            const QList<const CUnitType*> types =
                u % 10 == 9 && left >= 3  ? m_types.Of({kCulverinType, kGunnersType, kHorseType})
                : u % 5 == 4 && left >= 2 ? m_types.Of({kKnightType, kDestrierType})
                                          : m_types.Of({kTroopType});
            add([&] { return army.AddUnit(leader, types); });
        }
    }
    army.Close();
    return id;
}

QList<CArmyUnit*> LatencyBench::GroupLeaders() const {
    QList<CArmyUnit*> leaders;
    for (CArmyUnit* unit : TheArmy().Units()) {
        if (unit->IsGroupLeader() && !unit->m_pMainUnit)
            leaders << unit;
    }
    Require(leaders.size() >= 2, QStringLiteral("the army has fewer than two group leaders"));
    return leaders;
}

qint64 LatencyBench::Calls() {
    QSqlQuery query(m_stats);
    Exec(query, QStringLiteral("SELECT coalesce(sum(calls), 0) FROM pg_stat_statements WHERE "
                               "dbid = %1")
                    .arg(m_databaseOid));
    Require(query.next(), QStringLiteral("pg_stat_statements gave no row"));
    return query.value(0).toLongLong();
}

QHash<QString, qint64> LatencyBench::CallsByStatement() {
    QSqlQuery query(m_stats);
    Exec(query, QStringLiteral("SELECT query, sum(calls) FROM pg_stat_statements WHERE dbid = %1 "
                               "GROUP BY query")
                    .arg(m_databaseOid));
    QHash<QString, qint64> calls;
    while (query.next())
        calls.insert(query.value(0).toString().simplified(), query.value(1).toLongLong());
    return calls;
}

void LatencyBench::CheckQuiet(const QString& what) {
    for (const MessageBox::Shown& shown : m_messages.Messages()) {
        if (shown.kind != MessageBox::Kind::Status)
            Fail(what + QStringLiteral(": the program said \"%1\"").arg(shown.text));
    }
    m_messages.Clear();
}

void LatencyBench::CheckSize(int expected, const QString& what) const {
    const int count = TheArmy().Units().GetCount();
    Require(TheArmy().IsOpen() && count == expected,
            what + QStringLiteral(": %1 members, %2 expected").arg(count).arg(expected));
}

void LatencyBench::Measure(const QString& army, const Operation& operation) {
    const QString what = operation.name + QStringLiteral(", army ") + army;
    const auto step = [&](const std::function<void()>& work) {
        m_proxy->SetDelay(std::chrono::microseconds(0));
        work();
        CheckQuiet(what);
    };
    // Once untried: a statement's first run prepares it.
    step(operation.prepare);
    step(operation.run);
    step(operation.restore);

    // The delays in turn within each repetition, so that whatever drifts over the runs
    // weighs on all three alike.
    Row row{operation.name, army};
    std::vector<double> statements;
    std::vector<double> times[std::size(kDelaysUs)];
    double spent[std::size(kDelaysUs)] = {};
    for (int rep = 0; rep < kRepetitions; ++rep) {
        for (std::size_t d = 0; d < std::size(kDelaysUs); ++d) {
            if (rep > 0 && spent[d] >= kCellBudgetMs)
                continue;
            step(operation.prepare);
            const bool list = m_showStatements && d == 0 && rep == 0;
            const QHash<QString, qint64> listed =
                list ? CallsByStatement() : QHash<QString, qint64>();
            const std::uint64_t sends = m_proxy->ChunksToServer();
            m_proxy->SetDelay(std::chrono::microseconds(kDelaysUs[d]));
            const qint64 before = Calls();
            QElapsedTimer timer;
            timer.start();
            operation.run();
            times[d].push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            statements.push_back(static_cast<double>(Calls() - before));
            spent[d] += times[d].back();
            if (list)
                ListStatements(what, listed, m_proxy->ChunksToServer() - sends);
            CheckQuiet(what);
            step(operation.restore);
        }
    }
    for (std::size_t d = 0; d < std::size(kDelaysUs); ++d)
        row.ms[d] = Median(times[d]);
    row.statements = Median(statements);
    m_rows.push_back(row);
    std::fprintf(stderr, "  %s: %.0f statements, %.1f / %.1f / %.1f ms\n", qPrintable(what),
                 row.statements, row.ms[0], row.ms[1], row.ms[2]);
}

void LatencyBench::ListStatements(const QString& what, const QHash<QString, qint64>& before,
                                  std::uint64_t sends) {
    QStringList lines;
    const QHash<QString, qint64> after = CallsByStatement();
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (const qint64 ran = it.value() - before.value(it.key()); ran > 0)
            lines << QStringLiteral("    %1 × %2").arg(ran, 5).arg(it.key().left(110));
    }
    std::sort(lines.begin(), lines.end(), std::greater<>());
    m_statementLists << QStringLiteral("%1 (%2 sends to the server):\n%3")
                            .arg(what)
                            .arg(sends)
                            .arg(lines.join(u'\n'));
}

void LatencyBench::MeasureReads() {
    CArmyDatabase& db = TheDatabase();
    const QString none = QStringLiteral("—");
    Measure(none, {QStringLiteral("Open the connection (TCP, login, driver set-up)"),
                   [&] { Require(db.OpenDatabase(), QStringLiteral("the connection failed")); },
                   [&] { db.CloseDatabase(); }});
    // What InitInstance reads after the connection: the tables' check, then the window with
    // its catalogue bar, shown.
    Measure(none, {QStringLiteral("Start-up (the program's reads)"),
                   [&] {
                       Require(db.MissingTables().isEmpty() && db.UpgradeTables(),
                               QStringLiteral("the tables' check failed"));
                       m_catalogue = std::make_unique<CCatalogue>(db);
                       Require(m_catalogue->Load(), QStringLiteral("the catalogue was not read"));
                       m_frame =
                           std::make_unique<CMainFrame>(TheDatabase(), TheArmy(), *m_catalogue);
                       m_frame->resize(1400, 900);
                       m_frame->show();
                       QApplication::processEvents();
                   },
                   [&] { m_frame.reset(); }});
    Require(m_frame != nullptr, QStringLiteral("no window after start-up"));
    Measure(none, {QStringLiteral("List of armies (LoadArmies)"), [&] {
                       CItemList<CArmyHeader> armies;
                       Require(db.LoadArmies(armies) && armies.GetCount() == 3,
                               QStringLiteral("the armies were not listed"));
                   }});
    Measure(none, {QStringLiteral("List of battles (LoadBattles)"), [&] {
                       CItemList<CBattle> battles;
                       Require(db.LoadBattles(battles) && battles.GetCount() == 1,
                               QStringLiteral("the battles were not listed"));
                   }});
    // Written into the current folder, a temporary one; the viewer is a recorder.
    int total = 0;
    for (const auto& [size, army] : m_armies)
        total += size;
    Measure(QStringLiteral("3 armies, %1").arg(total),
            {QStringLiteral("Battle report, to a file"), [&] {
                 const qsizetype opened = m_viewer.Opened().size();
                 CBattleContents battle;
                 if (TheDatabase().LoadBattleContents(m_battle, &battle) == CArmyDatabase::kFound)
                     WriteBattleReport(battle);
                 Require(m_viewer.Opened().size() == opened + 1 &&
                             QFile::exists(m_viewer.Opened().last()),
                         QStringLiteral("the battle report was not written"));
             }});
}

void LatencyBench::MeasureEdits(int size) {
    CArmy& army = TheArmy();
    const int id = m_armies.at(size);
    m_proxy->SetDelay(std::chrono::microseconds(0));
    m_frame->OpenArmy(id);
    CheckSize(size, QStringLiteral("opening army %1").arg(id));
    const QString name = QString::number(size);
    const auto undo = [&] {
        History().Undo();
        CheckSize(size, QStringLiteral("undo"));
    };
    const auto added = [&](CArmyUnit* leader, const QList<const CUnitType*>& types) {
        Require(army.AddUnit(leader, types) == CArmy::Result::Done, QStringLiteral("add failed"));
        CheckSize(size + static_cast<int>(types.size()), QStringLiteral("add"));
    };
    const QList<const CUnitType*> troop = m_types.Of({kTroopType});
    const QList<const CUnitType*> culverin = m_types.Of({kCulverinType, kGunnersType, kHorseType});
    Measure(name, {QStringLiteral("Add a unit at the end"),
                   [&] { added(GroupLeaders().last(), troop); }, [] {}, undo});
    Measure(name, {QStringLiteral("Add a unit under the first group leader"),
                   [&] { added(GroupLeaders().first(), troop); }, [] {}, undo});
    Measure(name, {QStringLiteral("Add a culverin with its crew and horse, at the end"),
                   [&] { added(GroupLeaders().last(), culverin); }, [] {}, undo});

    // The first group leader, so that every position after his group shifts.
    const auto deleteFirst = [&] {
        CArmyUnit* leader = GroupLeaders().first();
        const int groupSize = static_cast<int>(army.ChildrenOf(*leader).size());
        const int before = army.Units().GetCount();
        Require(army.Delete(leader) == CArmy::Result::Done, QStringLiteral("delete failed"));
        Require(army.Units().GetCount() < before - groupSize, QStringLiteral("nothing deleted"));
    };
    const auto redo = [&] {
        History().Redo();
        Require(army.Units().GetCount() < size, QStringLiteral("redo deleted nothing"));
    };
    Measure(name, {QStringLiteral("Delete the first group leader with his units"), deleteFirst,
                   [] {}, undo});
    Measure(name, {QStringLiteral("Undo of that delete"), undo, deleteFirst});
    Measure(name, {QStringLiteral("Redo of that delete"), redo,
                   [&] {
                       deleteFirst();
                       undo();
                   },
                   undo});
    Measure(name, {QStringLiteral("Move the first group leader with his units to the end"),
                   [&] {
                       const QList<CArmyUnit*> leaders = GroupLeaders();
                       Require(army.Move(leaders.first(), leaders.last()) == CArmy::Result::Done &&
                                   GroupLeaders().last() == leaders.first(),
                               QStringLiteral("move failed"));
                   },
                   [] {}, undo});

    // A member dialog's OK: a pike block of the first group one figure more or less, priced as
    // the dialog prices it.
    Measure(name, {QStringLiteral("A member dialog's OK (UpdateMember)"), [&] {
                       CArmyUnit* unit = army.ChildrenOf(*GroupLeaders().first()).first();
                       Require(CArmy::ChoicesOf(*unit) == CArmy::Choices::Troops,
                               QStringLiteral("no pike block to edit"));
                       CArmyUnit edited = *unit;
                       edited.NombreFig = unit->NombreFig == unit->Min ? unit->Min + 1 : unit->Min;
                       CUnitCostCalculator calculator;
                       calculator.SetUnit(&edited);
                       calculator.ComputeCost();
                       Require(army.UpdateMember(unit, edited) == CArmy::Result::Done &&
                                   unit->NombreFig == edited.NombreFig,
                               QStringLiteral("the member was not changed"));
                   }});
    Measure(name, {QStringLiteral("The army's properties (SetProperties)"), [&] {
                       const CArmyHeader& header = army.GetHeader();
                       const int budget = header.NombrePointMax == 1000000 ? 999999 : 1000000;
                       Require(army.SetProperties(header.Nom, budget) == CArmy::Result::Done &&
                                   army.GetHeader().NombrePointMax == budget,
                               QStringLiteral("the properties were not changed"));
                   }});
    Measure(name, {QStringLiteral("Open the army (CArmy::Open, with the view)"),
                   [&] {
                       m_frame->OpenArmy(id);
                       CheckSize(size, QStringLiteral("open"));
                   },
                   [&] { m_frame->OnCloseArmy(); }});

    // What memory holds is what is stored.
    const QStringList stored = StoredArmyLines(TheDatabase(), id);
    Require(stored == ArmyLines(army.GetHeader(), army.Units()),
            QStringLiteral("army %1 in memory differs from the stored one").arg(id));
}

void LatencyBench::CheckStoredArmies() {
    m_proxy->SetDelay(std::chrono::microseconds(0));
    for (const auto& [size, army] : m_armies) {
        const QString fault = StoredArmyFault(TheDatabase(), army);
        Require(fault.isEmpty(), QStringLiteral("stored army of %1: %2").arg(size).arg(fault));
    }
}

QString Ms(double ms) {
    return QString::number(ms, 'f', ms < 10 ? 2 : 1) + QStringLiteral(" ms");
}

void LatencyBench::Print() const {
    std::printf("\nPostgreSQL %s on the loopback behind LatencyProxy (one way: 0, 1 and 5 ms); "
                "times are medians of up to %d runs.\n\n",
                qPrintable(m_serverVersion), kRepetitions);
    std::printf("| Operation | Army | Statements | Round trips | 0 ms | 2 ms | 10 ms |\n"
                "|---|---|---|---|---|---|---|\n");
    // Grouped by operation, in the order they were first measured.
    QStringList order;
    for (const Row& row : m_rows) {
        if (!order.contains(row.operation))
            order << row.operation;
    }
    std::vector<double> edits;
    for (const QString& operation : order) {
        for (const Row& row : m_rows) {
            if (row.operation != operation)
                continue;
            const double trips = (row.ms[2] - row.ms[0]) / 10.0;
            std::printf("| %s | %s | %.0f | %.1f | %s | %s | %s |\n", qPrintable(row.operation),
                        qPrintable(row.army), row.statements, trips, qPrintable(Ms(row.ms[0])),
                        qPrintable(Ms(row.ms[1])), qPrintable(Ms(row.ms[2])));
            // Edits are the rows measured per army size but the opening.
            if (row.army.toInt() > 0 && !row.operation.startsWith(QLatin1String("Open")))
                edits.push_back(trips);
        }
    }
    std::sort(edits.begin(), edits.end());
    const auto atFloor =
        std::count_if(edits.begin(), edits.end(), [](double trips) { return trips < 1.5; });
    std::printf("\nFloor: one round trip per edit. The %zu edits took %.1f to %.1f round trips "
                "(median %.1f); %td of them within half a round trip of the floor.\n",
                edits.size(), edits.empty() ? 0 : edits.front(), edits.empty() ? 0 : edits.back(),
                Median(edits), atFloor);
    if (!m_statementLists.isEmpty())
        std::printf("\nStatements the server ran, first run at no delay:\n\n%s\n",
                    qPrintable(m_statementLists.join(QStringLiteral("\n\n"))));
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
    ShowDataErrorsAsMessages(TheDatabase());
    MessageRecorder messages;
    FileViewerRecorder viewer;
    const bool showStatements = app.arguments().contains(QStringLiteral("--statements"));
    int status = 0;
    {
        LatencyBench bench(messages, viewer, showStatements);
        try {
            std::fprintf(stderr, "Setting up the cluster and the armies...\n");
            bench.SetUp();
            const QString previousFolder = QDir::currentPath();
            QTemporaryDir reports;
            QDir::setCurrent(reports.path());
            bench.MeasureReads();
            QDir::setCurrent(previousFolder);
            for (int size : kSizes)
                bench.MeasureEdits(size);
            bench.CheckStoredArmies();
            bench.Print();
        } catch (const Failure& failure) {
            std::fprintf(stderr, "bench_latency: %s\n", qPrintable(failure.why));
            status = 1;
        }
    }
    return status;
}
