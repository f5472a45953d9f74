// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class CArmyDatabase;
class QTextStream;

// skarnholtdb-export: writes the files the program's export commands write, for clubs and
// scripts, from the same data source.
//   skarnholtdb-export [--output DIR] army NAME|ID [--format text|json]
//   skarnholtdb-export [--output DIR] battle NAME|ID
//   skarnholtdb-export [--output DIR] catalogue [RACE]
//   skarnholtdb-export --help | --version      (on out, status 0, without the data source)
// db is the tool's connection, opened here.
// Prints the path of the file written: named after the army, the battle or the one race
// exported, SkarnholtArmyList.txt for the whole catalogue; an army in json is the .skarmy file
// that shares it. Exit status: 0 written, 1 wrong usage, 2 no such army, battle or race, 3 the
// data source cannot be read, 4 the file cannot be written; every failure is one line on err,
// in the program's language.
int RunExportTool(CArmyDatabase& db, const QStringList& arguments, QTextStream& out,
                  QTextStream& err);
