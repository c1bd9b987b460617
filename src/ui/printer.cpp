#include "ui/printer.h"

#include "data/workingcontext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace tirelou::ui {
namespace {

// Lays the lines out top to bottom. A text at column n starts n - 1 average character
// widths from the left margin, as a tab stop does: when the text before it on the line
// already reaches that place, it follows one blank after it instead of overprinting it,
// or starts the next line at its column when it would then run off the paper.
bool Paint(const PrintDocument& doc, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font(doc.fontFamily, doc.fontSize);
    painter.setFont(font);
    const QFontMetricsF fm(painter.font(), &printer);
    const double column = fm.averageCharWidth();
    const double blank = fm.horizontalAdvance(QLatin1Char(' '));
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double lineHeight = fm.lineSpacing();
    if (doc.linesPerPage > 0)
        lineHeight =
            std::min(lineHeight, (page.height() - fm.ascent() - fm.descent() - 1) / (doc.linesPerPage - 1));
    double y = fm.ascent();
    const auto draw = [&](const PrintLine& line) {
        double end = -1; // where the texts so far end; none yet
        for (const PrintCell& cell : line.cells) {
            if (cell.text.isEmpty())
                continue;
            const double at = (std::max(cell.column, 1) - 1) * column;
            double x = end >= 0 ? std::max(at, end + blank) : at;
            // Pushed past the edge of the paper, it goes on the next line at its column.
            if (end >= 0 && x > at && x + fm.horizontalAdvance(cell.text) > page.width()) {
                y += lineHeight;
                x = at;
            }
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

QString PrintOutcomeText(const PrintResult& result, bool french) {
    if (!result.ok)
        return (french ? QStringLiteral("L'impression n'a pas pu se faire :\n")
                       : QStringLiteral("The printing could not be done:\n")) +
               result.error;
    if (result.pdfPath.isEmpty())
        return QString();
    return (french ? QStringLiteral(
                         "Aucune imprimante n'est installée : le document est enregistré dans le fichier\n")
                   : QStringLiteral("No printer is installed: the document was saved in the file\n")) +
           result.pdfPath;
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
