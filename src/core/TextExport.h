// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The file name an export takes from a name the player typed: apostrophes, blanks, path
// separators and the characters common systems refuse in names become "_", leading dots go,
// so that the file always lands, visible, in the current directory.
QString ExportFileName(const QString& name);

// A line of an export: every cell followed by a tab, the last one too.
QString TabbedLine(const QStringList& cells);

// Writes the text into the directory (the current one when empty), UTF-8, whole or not at
// all. The path written; empty when the file could not be written.
QString WriteExport(const QString& directory, const QString& fileName, const QString& text);

// Writes the text into the current directory, says where in the status bar, then opens it in
// the viewer (and says so, once the opener has failed, when none could). When the file cannot
// be written, says so and opens nothing; returns whether it was written.
bool WriteExportAndView(const QString& fileName, const QString& text);
