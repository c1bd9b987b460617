#include "ui/printer.h"

#include "data/workingcontext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace tirelou::ui {
namespace {

// Lays the lines out top to bottom. A text at column n starts n - 1 average character
// widths from the left margin, as a tab stop does: when the text before it on the line
// already reaches that place, it follows one blank after it instead of overprinting it.
bool Paint(const PrintDocument& doc, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font(doc.fontFamily, doc.fontSize);
    painter.setFont(font);
    const QFontMetricsF fm(painter.font(), &printer);
    const double column = fm.averageCharWidth();
    const double blank = fm.horizontalAdvance(QLatin1Char(' '));
    const double lineHeight = fm.lineSpacing();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double y = fm.ascent();
    const auto draw = [&](const PrintLine& line) {
        double end = -1; // where the texts so far end; none yet
        for (const PrintCell& cell : line.cells) {
            if (cell.text.isEmpty())
                continue;
            double x = (std::max(cell.column, 1) - 1) * column;
            if (end >= 0 && x < end + blank)
                x = end + blank;
            painter.drawText(QPointF(x, y), cell.text);
            end = x + fm.horizontalAdvance(cell.text);
        }
        y += lineHeight;
    };
    for (const PrintLine& line : doc.lines) {
        if (line.pageBreak) {
            printer.newPage();
            y = fm.ascent();
            continue;
        }
        if (y + fm.descent() > page.height()) {
            printer.newPage();
            y = fm.ascent();
            for (const PrintLine& head : doc.runningHead)
                draw(head);
        }
        draw(line);
    }
    return painter.end();
}

void Prepare(QPrinter& printer, const PrintDocument& doc) {
    printer.setDocName(doc.title.isEmpty() ? QStringLiteral("Tirelou") : doc.title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // Narrow margins: the reports count up to 64 lines a page and reach column 95.
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
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
