// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

// Army sheets on paper or in PDF: laid out for the printer's page (A4 or Letter, as chosen),
// the table's header on every page, a footer with the date and the page number.

// Lays the sheet's HTML out and paints it page by page onto the printer.
void PrintSheet(const QString& html, QPrinter& printer);
// Writes the sheet as a PDF file; false when the file cannot be written.
bool WriteSheetPdf(const QString& html, const QString& path);
// Shows the sheet in a print preview, from which it can be printed.
void PreviewSheet(const QString& html, const QString& title, QWidget* parent);
