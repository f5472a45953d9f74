#pragma once

#include <QString>

// The file name an export takes from a name the player typed: apostrophes and blanks become
// "_", and so do path separators, so that the file always lands in the current directory.
QString ExportFileName(const QString& name);

// Writes the text, UTF-8, whole or not at all, then opens it in the viewer. When the file
// cannot be written, says so and opens nothing; returns whether it was written.
bool WriteExportAndView(const QString& fileName, const QString& text);
