// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetPrinter.h"

#include "core/Resources.h"
#include "core/StringTable.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr qreal kBodyPoints = 8;
constexpr int kPictureHeight = 90;

// A document that finds the program's pictures by their resource ids.
class CSheetDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("bitmap")) {
            const QPixmap picture = LoadBitmapResource(name.path().toInt());
            if (!picture.isNull())
                return picture.scaledToHeight(kPictureHeight * 4, Qt::SmoothTransformation)
                    .toImage();
        }
        return QTextDocument::loadResource(type, name);
    }
};

void SetUpPrinter(QPrinter& printer) {
    // Thirteen columns read best across the page.
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

} // namespace

void PrintSheet(const QString& html, QPrinter& printer) {
    CSheetDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kBodyPoints);
    // No ligatures: text copied out of the PDF, or searched in it, reads "fig", not "ﬁg".
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.documentLayout()->setPaintDevice(&printer);
    document.setHtml(html);

    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont footerFont = font;
    footerFont.setPointSizeF(kBodyPoints - 1);
    const qreal footerHeight = 2 * QFontMetricsF(footerFont, &printer).height();
    const QSizeF body(page.width(), page.height() - footerHeight);
    document.setPageSize(body);

    const QLocale locale(LoadResString(kSheetLocaleId));
    const QString printed = LoadResString(kSheetFooterId)
                                .arg(locale.toString(QDate::currentDate(), QLocale::LongFormat));
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        painter.translate(0, -index * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, index * body.height()), body));
        painter.restore();
        const QRectF footer(0, body.height(), body.width(), footerHeight);
        painter.setFont(footerFont);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, printed);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         LoadResString(kSheetPageId).arg(index + 1).arg(pages));
    }
    painter.end();
}

bool WriteSheetPdf(const QString& html, const QString& path) {
    // The printer would say nothing of a file it cannot write: try it first.
    {
        QFile probe(path);
        const bool existed = probe.exists();
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        probe.close();
        if (!existed)
            probe.remove();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpPrinter(printer);
    PrintSheet(html, printer);
    return QFileInfo(path).size() > 0;
}

void PreviewSheet(const QString& html, const QString& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    // Qt's tools here are pictures and fields without names: a screen reader is told them.
    for (QToolButton* button : preview.findChildren<QToolButton*>()) {
        if (!button->defaultAction())
            button->setAccessibleName(LoadResString(kMoreToolsId));
    }
    for (QLineEdit* field : preview.findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            field->setAccessibleName(LoadResString(kPreviewPageId));
    }
    // Large enough to read a page without zooming.
    if (parent)
        preview.resize(parent->window()->size() * 0.9);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html](QPrinter* target) { PrintSheet(html, *target); });
    preview.exec();
}
