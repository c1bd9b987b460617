#include "ui/printer.h"

#include "data/workingcontext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace tirelou::ui {
namespace {

// Lays the lines out top to bottom; a text at column n starts n - 1 average character
// widths from the left margin, as a tab position does.
bool Paint(const PrintDocument& doc, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font(doc.fontFamily, doc.fontSize);
    painter.setFont(font);
    const QFontMetricsF fm(painter.font(), &printer);
    const double column = fm.averageCharWidth();
    const double lineHeight = fm.lineSpacing();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double y = fm.ascent();
    for (const PrintLine& line : doc.lines) {
        if (line.pageBreak || y + fm.descent() > page.height()) {
            printer.newPage();
            y = fm.ascent();
            if (line.pageBreak)
                continue;
        }
        for (const PrintCell& cell : line.cells)
            painter.drawText(QPointF((std::max(cell.column, 1) - 1) * column, y), cell.text);
        y += lineHeight;
    }
    return painter.end();
}

void Prepare(QPrinter& printer, const PrintDocument& doc) {
    printer.setDocName(doc.title.isEmpty() ? QStringLiteral("Tirelou") : doc.title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

} // namespace

bool PrintToPdf(const PrintDocument& doc, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    Prepare(printer, doc);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return Paint(doc, printer);
}

PrintResult Print(const PrintDocument& doc, const WorkingContext& ctx) {
    PrintResult result;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString name = (doc.title.isEmpty() ? QStringLiteral("Tirelou") : doc.title) +
                             ctx.clock.now().toString(QStringLiteral("-yyyyMMdd-hhmmss")) +
                             QStringLiteral(".pdf");
        result.pdfPath = ctx.filePath(name);
        result.ok = PrintToPdf(doc, result.pdfPath);
        if (!result.ok)
            result.error = QStringLiteral("Cannot write %1").arg(result.pdfPath);
        return result;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    Prepare(printer, doc);
    result.ok = Paint(doc, printer);
    if (!result.ok)
        result.error = QStringLiteral("The printer %1 refused the document").arg(printer.printerName());
    return result;
}

} // namespace tirelou::ui
