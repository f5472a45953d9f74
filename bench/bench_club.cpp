// SPDX-License-Identifier: GPL-3.0-or-later

// A club's evening on one PostgreSQL server: 8 programs each build an army of 60 members at the
// same time, then 4 programs edit one army at once. It prints the members stored against those
// expected, any fault of a stored army, and the time of an edit at the median and the 95th
// percentile. Each program is a process of its own (this one, started as a worker).
#include "../tests/StoredArmy.h"
#include "../tests/TestDataSource.h"
#include "core/MessageBox.h"
#include "data/CArmyDatabase.h"
#include "data/CUnitType.h"
#include "model/CArmy.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kBuilders = 8;
constexpr int kMembers = 60;
constexpr int kEditors = 4;
constexpr int kEditsEach = 60;

struct Catalogue {
    const CUnitType* leader = nullptr;
    QList<const CUnitType*> troops;
};

// A leader and the troops of one race that come alone, so that each add is one member.
Catalogue ReadCatalogue(CItemList<CUnitType>& types) {
    TheDatabase().LoadUnitTypes(types);
    QSet<int> parents;
    for (const CUnitType* type : types)
        parents.insert(type->ArmyTypeIdParent);
    Catalogue catalogue;
    for (const CUnitType* type : types) {
        if (parents.contains(type->ArmyTypeId))
            continue;
        if (type->IdRace != 13)
            continue;
        if (type->IsLeaderType() && !catalogue.leader)
            catalogue.leader = type;
        else if (type->CombatantType == kCombatUnitType && type->ArmyTypeIdParent == -1)
            catalogue.troops << type;
    }
    return catalogue;
}

// One line per edit: its time in milliseconds and whether it was done, refused as stale, or
// failed; then the change in members it made.
int Worker(const QStringList& arguments) {
    QTextStream out(stdout);
    CArmyDatabase& db = TheDatabase();
    if (!db.OpenDatabase())
        return 3;
    CItemList<CUnitType> types;
    const Catalogue catalogue = ReadCatalogue(types);
    CArmy army(db);
    QElapsedTimer timer;
    const auto timed = [&](const auto& edit) {
        timer.start();
        const CArmy::Result result = edit();
        out << "edit " << static_cast<double>(timer.nsecsElapsed()) / 1e6 << ' '
            << (result == CArmy::Result::Done ? "done" : "stale") << '\n';
        return result;
    };
    if (arguments.value(0) == QLatin1String("build")) {
        if (!army.Create(13, QStringLiteral("Club %1").arg(arguments.value(1)), 5000) ||
            !army.Open(army.GetHeader().IdArmee))
            return 3;
        out << "army " << army.GetHeader().IdArmee << '\n';
        timed([&] { return army.AddWarchief(*catalogue.leader); });
        timed([&] { return army.AddGroupLeader(*catalogue.leader); });
        for (int i = 0; army.Units().GetCount() < kMembers; ++i)
            timed([&] {
                return army.AddUnit(army.Units().GetTail()->IsLeader() ? army.Units().GetTail()
                                                                       : army.GetWarchief(),
                                    {catalogue.troops.at(i % catalogue.troops.size())});
            });
        return 0;
    }
    // An editor: random edits on what it last read; a stale one is read again and skipped.
    if (!army.Open(arguments.value(1).toInt()))
        return 3;
    QRandomGenerator random(arguments.value(2).toUInt());
    int added = 0;
    for (int i = 0; i < kEditsEach; ++i) {
        const QList<CArmyUnit*> members(army.Units().begin(), army.Units().end());
        CArmyUnit* any = members.at(random.bounded(int(members.size())));
        const int before = army.Units().GetCount();
        const int kind = random.bounded(4);
        const CArmy::Result result = timed([&] {
            switch (kind) {
            case 0:
                return army.AddUnit(army.GetWarchief(), {catalogue.troops.first()});
            case 1:
                return any->IsLeader() ? CArmy::Result::Refused : army.Delete(any);
            case 2:
                return army.Move(any, members.at(random.bounded(int(members.size()))));
            default:
                return army.RenameMember(any, QStringLiteral("Tour %1").arg(i));
            }
        });
        if (result == CArmy::Result::Done)
            added += army.Units().GetCount() - before;
    }
    out << "added " << added << '\n';
    return 0;
}

struct Outcome {
    QList<double> times;
    QList<int> armies;
    int stale = 0;
    int added = 0;
    int failed = 0;
};

Outcome RunWorkers(const QList<QStringList>& workers) {
    QList<QProcess*> processes;
    for (const QStringList& arguments : workers) {
        auto* process = new QProcess;
        process->start(QCoreApplication::applicationFilePath(),
                       QStringList{QStringLiteral("worker")} + arguments);
        processes << process;
    }
    Outcome outcome;
    for (QProcess* process : processes) {
        process->waitForFinished(600000);
        outcome.failed += process->exitCode() != 0 ? 1 : 0;
        for (const QByteArray& line : process->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.first() == "edit") {
                outcome.times << words.value(1).toDouble();
                outcome.stale += words.value(2) == "stale" ? 1 : 0;
            } else if (words.first() == "army") {
                outcome.armies << words.value(1).toInt();
            } else if (words.first() == "added") {
                outcome.added += words.value(1).toInt();
            }
        }
        delete process;
    }
    return outcome;
}

double Percentile(QList<double> times, double fraction) {
    if (times.isEmpty())
        return 0;
    std::sort(times.begin(), times.end());
    return times.at(std::min<qsizetype>(times.size() - 1,
                                        qsizetype(fraction * static_cast<double>(times.size()))));
}

int MembersOf(int armyId) {
    return int(StoredArmyLines(TheDatabase(), armyId).size()) - 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("worker"))
        return Worker(arguments.mid(1));

    // The club's server: a throwaway cluster with the sample catalogue.
    const QString cluster = QStringLiteral(SKARNHOLT_SOURCE_DIR "/tests/postgres_cluster.sh");
    const QString state =
        QDir::temp().filePath(QStringLiteral("skarnholt-club-%1").arg(app.applicationPid()));
    if (QProcess::execute(cluster, {QStringLiteral("start"), state}) != 0)
        return 1;
    qputenv("SKARNHOLT_TEST_POSTGRES", state.toLocal8Bit());
    int status = 0;
    {
        TestDataSource source(QStringLiteral("db/catalogue.sql"));
        MessageRecorder quiet;
        if (!source.IsValid() || !TheDatabase().OpenDatabase()) {
            std::fprintf(stderr, "bench_club: %s\n", qPrintable(source.ErrorText()));
            status = 1;
        } else {
            QTextStream out(stdout);
            QList<QStringList> builders;
            for (int i = 0; i < kBuilders; ++i)
                builders << QStringList{QStringLiteral("build"), QString::number(i)};
            const Outcome built = RunWorkers(builders);
            int stored = 0;
            QStringList faults;
            for (int armyId : built.armies) {
                stored += MembersOf(armyId);
                const QString fault = StoredArmyFault(TheDatabase(), armyId);
                if (!fault.isEmpty())
                    faults << fault;
            }
            out << QStringLiteral("%1 programs build an army each: %2 members stored of %3 "
                                  "expected, %4 faults, %5 failed programs\n")
                       .arg(kBuilders)
                       .arg(stored)
                       .arg(kBuilders * kMembers)
                       .arg(faults.size())
                       .arg(built.failed);
            out << QStringLiteral("  an edit: median %1 ms, 95th percentile %2 ms (%3 edits)\n")
                       .arg(Percentile(built.times, 0.5), 0, 'f', 2)
                       .arg(Percentile(built.times, 0.95), 0, 'f', 2)
                       .arg(built.times.size());

            const int shared = built.armies.value(0, -1);
            const int before = MembersOf(shared);
            QList<QStringList> editors;
            for (int i = 0; i < kEditors; ++i)
                editors << QStringList{QStringLiteral("edit"), QString::number(shared),
                                       QString::number(1000 + i)};
            const Outcome edited = RunWorkers(editors);
            const QString fault = StoredArmyFault(TheDatabase(), shared);
            out << QStringLiteral("%1 programs edit one army: %2 members stored of %3 expected, "
                                  "%4, %5 of %6 edits found the army changed and read it again\n")
                       .arg(kEditors)
                       .arg(MembersOf(shared))
                       .arg(before + edited.added)
                       .arg(fault.isEmpty() ? QStringLiteral("no fault") : fault)
                       .arg(edited.stale)
                       .arg(edited.times.size());
            out << QStringLiteral("  an edit: median %1 ms, 95th percentile %2 ms\n")
                       .arg(Percentile(edited.times, 0.5), 0, 'f', 2)
                       .arg(Percentile(edited.times, 0.95), 0, 'f', 2);
            const bool whole = faults.isEmpty() && fault.isEmpty() && built.failed == 0 &&
                               edited.failed == 0 && stored == kBuilders * kMembers &&
                               MembersOf(shared) == before + edited.added;
            status = whole ? 0 : 2;
        }
        TheDatabase().CloseDatabase();
    }
    QProcess::execute(cluster, {QStringLiteral("stop"), state});
    return status;
}
