// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportTool.h"
#include "ToolDataSource.h"

#include "army/ValueNames.h"
#include "core/StringTable.h"
#include "core/TextExport.h"
#include "core/Version.h"
#include "data/CArmyDatabase.h"
#include "data/CArmyHeader.h"
#include "data/CBattle.h"
#include "data/CBattleContents.h"
#include "data/CRace.h"
#include "data/CUnitType.h"
#include "export/ArmyExport.h"
#include "export/ArmyFile.h"
#include "export/BattleReport.h"
#include "export/CatalogueExport.h"
#include "model/ArmySharing.h"
#include "model/CArmy.h"
#include "model/CCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

enum Status { kWritten = 0, kUsage = 1, kNotFound = 2, kUnreadable = 3, kUnwritable = 4 };

// The outcome of one run: the status and its one line.
struct Outcome {
    int status;
    QString line;
};

// By key when the text is a number that is one, else by name.
template <typename Find, typename FindByName>
int Lookup(const QString& key, Find byId, FindByName byName) {
    bool isNumber = false;
    const int id = key.toInt(&isNumber);
    const int found = isNumber ? byId(id) : CArmyDatabase::kNotFound;
    return found == CArmyDatabase::kNotFound ? byName(key) : found;
}

Outcome Write(const QString& directory, const QString& fileName, const QString& text) {
    const QString path = WriteExport(directory, fileName, text);
    if (path.isEmpty())
        return {kUnwritable,
                LoadResString(kCannotWriteExportId).arg(QDir(directory).filePath(fileName))};
    return {kWritten, QFileInfo(path).absoluteFilePath()};
}

Outcome ExportArmy(CArmyDatabase& db, const QString& key, const QString& directory, bool json) {
    CArmyHeader header;
    const int found = Lookup(
        key, [&](int id) { return db.FindArmyById(id, header); },
        [&](const QString& name) { return db.FindArmyByName(name, header); });
    if (found == CArmyDatabase::kReadFailed)
        return {kUnreadable, QString()};
    if (found == CArmyDatabase::kNotFound)
        return {kNotFound, LoadResString(kNoSuchArmyId).arg(key)};
    // Read as the program opens it, but nothing is written back.
    CArmy army(db);
    if (!army.Read(header.IdArmee))
        return {kUnreadable, QString()};
    if (!json)
        return Write(directory, ArmyExportFileName(army.GetName()), ArmyExportText(army));
    // The file to share names each member's type as the catalogue has it.
    CCatalogue catalogue(db);
    if (!catalogue.Load() || !catalogue.CompleteAll())
        return {kUnreadable, QString()};
    return Write(directory, ArmyFileName(army.GetName()),
                 ArmyFileText(SharedArmyOf(army, catalogue.UnitTypes(), catalogue.Races())));
}

Outcome ExportBattle(CArmyDatabase& db, const QString& key, const QString& directory) {
    CBattle battle;
    const int found = Lookup(
        key, [&](int id) { return db.FindBattleById(id, &battle); },
        [&](const QString& name) { return db.FindBattleByName(name, &battle); });
    if (found == CArmyDatabase::kReadFailed)
        return {kUnreadable, QString()};
    if (found == CArmyDatabase::kNotFound)
        return {kNotFound, LoadResString(kNoSuchBattleId).arg(key)};
    CBattleContents contents;
    if (db.LoadBattleContents(battle.IdBattle, &contents) != CArmyDatabase::kFound)
        return {kUnreadable, QString()};
    return Write(directory, BattleReportFileName(battle.Nom), BattleReportText(contents));
}

Outcome ExportCatalogue(CArmyDatabase& db, const QString& race, const QString& directory) {
    CCatalogue catalogue(db);
    if (!catalogue.Load() || !catalogue.CompleteAll())
        return {kUnreadable, QString()};
    int raceId = kAllRaces;
    if (!race.isEmpty()) {
        // A race by its code or by its name in either language, whatever the case.
        for (const CRace* each : catalogue.Races()) {
            if (QString::number(each->IdRace) == race ||
                each->RaceFR.compare(race, Qt::CaseInsensitive) == 0 ||
                each->RaceGB.compare(race, Qt::CaseInsensitive) == 0 ||
                GetRaceName(each->IdRace).compare(race, Qt::CaseInsensitive) == 0)
                raceId = each->IdRace;
        }
        if (raceId == kAllRaces)
            return {kNotFound, LoadResString(kNoSuchRaceId).arg(race)};
    }
    // One race's file is named after it, so that exporting another race does not replace it.
    const QString fileName = raceId == kAllRaces ? QString::fromLatin1(kCatalogueExportFile)
                                                 : ExportFileName(GetRaceName(raceId));
    return Write(directory, fileName, CatalogueExportText(catalogue.UnitTypes(), raceId));
}

} // namespace

int RunExportTool(CArmyDatabase& db, const QStringList& arguments, QTextStream& out,
                  QTextStream& err) {
    // --help and --version are answered alone, without the data source.
    switch (FindInfoOption(arguments)) {
    case InfoOption::Help:
        out << LoadResString(kExportUsageId) << '\n' << LoadResString(kExportHelpId) << Qt::endl;
        return kWritten;
    case InfoOption::Version:
        out << VersionLine(QStringLiteral("skarnholtdb-export")) << Qt::endl;
        return kWritten;
    case InfoOption::None:
        break;
    }
    // "--output DIR" and "--format FORMAT" (or "--output=DIR"...) may stand anywhere; the
    // rest is the command.
    QStringList words;
    QString directory;
    QString format = QStringLiteral("text");
    bool wrongOption = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("--output") && i + 1 < arguments.size())
            directory = arguments.at(++i);
        else if (word.startsWith(QLatin1String("--output=")))
            directory = word.mid(9);
        else if (word == QLatin1String("--format") && i + 1 < arguments.size())
            format = arguments.at(++i);
        else if (word.startsWith(QLatin1String("--format=")))
            format = word.mid(9);
        else if (word.startsWith(QLatin1String("--")))
            wrongOption = true;
        else
            words << word;
    }
    const QString what = words.value(0);
    const bool named =
        (what == QLatin1String("army") || what == QLatin1String("battle")) && words.size() == 2;
    const bool catalogue = what == QLatin1String("catalogue") && words.size() <= 2;
    // An army alone is shared as a file (json); everything exports as text.
    const bool json = format == QLatin1String("json");
    if (wrongOption || (!named && !catalogue) ||
        !(format == QLatin1String("text") || (json && what == QLatin1String("army")))) {
        err << LoadResString(kExportUsageId) << Qt::endl;
        return kUsage;
    }

    CToolDataSource source(db);
    Outcome outcome{kUnreadable, QString()};
    if (source.Open()) {
        if (what == QLatin1String("army"))
            outcome = ExportArmy(db, words.at(1), directory, json);
        else if (what == QLatin1String("battle"))
            outcome = ExportBattle(db, words.at(1), directory);
        else
            outcome = ExportCatalogue(db, words.value(1), directory);
    }
    if (outcome.status == kWritten) {
        out << outcome.line << Qt::endl;
        return kWritten;
    }
    err << "skarnholtdb-export: " << (outcome.line.isEmpty() ? source.Failure() : outcome.line)
        << Qt::endl;
    return outcome.status;
}
