// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImportTool.h"
#include "ToolDataSource.h"

#include "core/StringTable.h"
#include "core/Version.h"
#include "data/CArmyDatabase.h"
#include "export/ArmyFile.h"
#include "model/ArmySharing.h"
#include "model/CCatalogue.h"

#include <QTextStream>

namespace {

enum Status { kImported = 0, kUsage = 1, kRefused = 2, kUnreadable = 3, kNotStored = 4 };

constexpr char kName[] = "skarnholtdb-import";

// A problem of several lines (the members named) goes on, indented, under the first.
void Report(QTextStream& err, const QString& file, const QString& problem) {
    QString text = problem;
    err << kName << ": " << file << ": " << text.replace(QLatin1Char('\n'), QLatin1String("\n  "))
        << Qt::endl;
}

} // namespace

int RunImportTool(CArmyDatabase& db, const QStringList& arguments, QTextStream& out,
                  QTextStream& err) {
    QStringList files;
    bool skipUnknown = false;
    bool help = false;
    bool version = false;
    bool wrongOption = false;
    bool optionsEnd = false;
    for (const QString& word : arguments) {
        if (optionsEnd || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-"))
            files << word;
        else if (word == QLatin1String("--"))
            optionsEnd = true;
        else if (word == QLatin1String("--skip-unknown"))
            skipUnknown = true;
        else if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            help = true;
        else if (word == QLatin1String("--version"))
            version = true;
        else
            wrongOption = true;
    }
    if (version && !help && !wrongOption) {
        out << VersionLine(QStringLiteral("skarnholtdb-import")) << Qt::endl;
        return kImported;
    }
    if (help && !wrongOption) {
        out << LoadResString(kImportUsageId) << "\n\n" << LoadResString(kImportHelpId) << Qt::endl;
        return kImported;
    }
    if (wrongOption || files.isEmpty()) {
        err << LoadResString(kImportUsageId) << Qt::endl;
        return kUsage;
    }

    CToolDataSource source(db);
    int status = kImported;
    const auto fail = [&status](int failed) {
        if (status == kImported)
            status = failed;
    };
    // A data source that cannot be read stops the work: every file would meet it.
    bool readable = source.Open();
    if (!readable) {
        err << kName << ": " << source.Failure() << Qt::endl;
        fail(kUnreadable);
    }
    // Read once, at the first file, for all of them.
    CCatalogue catalogue(db);
    for (int i = 0; readable && i < files.size(); ++i) {
        const QString& file = files.at(i);
        source.Forget();
        CSharedArmy army;
        QString problem;
        if (!ReadArmyFile(file, &army, &problem)) {
            Report(err, file, problem);
            fail(kRefused);
            continue;
        }
        CArmyImport import(db, catalogue, army);
        const CArmyImport::Outcome matched = import.Match();
        if (matched == CArmyImport::Outcome::Failed) {
            Report(err, file, source.Failure());
            fail(kUnreadable);
            readable = false;
        } else if (matched == CArmyImport::Outcome::Refused) {
            Report(err, file, import.Problem());
            fail(kRefused);
        } else if (!import.Misfits().isEmpty() && !skipUnknown) {
            Report(
                err, file,
                LoadResString(kMisfitsRefusedId).arg(QLatin1Char('\n') + import.MisfitSummary()));
            fail(kRefused);
        } else if (import.Store() < 0) {
            Report(err, file, LoadResString(kArmyNotStoredId).arg(source.Failure()));
            fail(kNotStored);
        } else {
            out << import.StoredName() << Qt::endl;
        }
    }
    return status;
}
