#pragma once

#include <QString>
#include <utility>
#include <vector>

// A printout as the bookkeeping describes it: lines of texts placed at character columns,
// page breaks, one font. The toolkit layer sends it to the printer.
namespace tirelou {

// A text at a character column, as a tab stop places it: when the texts before it on the
// line already reach the column, it follows them after one blank instead of overprinting.
struct PrintCell {
    int column = 1; // 1 is the left margin
    QString text;
};

struct PrintLine {
    std::vector<PrintCell> cells; // empty for an empty line
    bool pageBreak = false;       // a new page instead of a line
};

struct PrintDocument {
    QString title; // the print job's name
    QString fontFamily = QStringLiteral("Arial");
    int fontSize = 10;
    std::vector<PrintLine> lines;
    // Printed at the top of a page the printer starts because the paper is full (the
    // column headings of a long report).
    std::vector<PrintLine> runningHead;

    PrintDocument& line(std::vector<PrintCell> cells = {}) {
        lines.push_back({std::move(cells), false});
        return *this;
    }
    PrintDocument& emptyLines(int n) {
        for (int i = 0; i < n; ++i)
            line();
        return *this;
    }
    PrintDocument& newPage() {
        lines.push_back({{}, true});
        return *this;
    }
    // The pages as characters: each text at its column, or one blank after the text before
    // it when that already reaches past the column; "\f" between pages.
    QString plainText() const;
};

} // namespace tirelou
