// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class CArmyDatabase;
class QTextStream;

// skarnholtdb-import: adds the armies of .skarmy files to the data source, for clubs and
// scripts, as the program's Import command does.
//   skarnholtdb-import [--skip-unknown] FILE...
//   skarnholtdb-import --help
// db is the tool's connection, opened here. Each file is read and stored on its own, in one
// transaction, under its army's name or the first free "name (2)"...; the name each army got
// is printed alone on its line. A file whose members this catalogue does not all have is
// refused, unless --skip-unknown leaves them out (with what hangs on them). Exit status: 0
// every file imported, 1 wrong usage, 2 a file missing, unreadable or refused, 3 the data
// source cannot be read, 4 an army the data source did not store; the first failure's status
// when there are several. Each failure names its file on err, in the program's language.
int RunImportTool(CArmyDatabase& db, const QStringList& arguments, QTextStream& out,
                  QTextStream& err);
