#pragma once

#include "data/printdoc.h"

#include <QString>

class QPagedPaintDevice;

namespace tirelou {
class WorkingContext;
}

namespace tirelou::ui {

struct PrintResult {
    bool ok = false;
    QString pdfPath; // set when there was no printer and the pages went to a PDF file
    QString error;
};

// Sends the document to the default printer. With no printer it writes a PDF file into
// the data folder instead and says where.
PrintResult Print(const PrintDocument& doc, const WorkingContext& ctx);

// What the user is told after printing: where the PDF went when there was no printer, or
// why the printing failed; empty when the printer took the document.
QString PrintOutcomeText(const PrintResult& result, bool french);

// Writes the document as a PDF file.
bool PrintToPdf(const PrintDocument& doc, const QString& path);

} // namespace tirelou::ui
