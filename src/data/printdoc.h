#pragma once

#include <QString>
#include <utility>
#include <vector>

// A printout as the bookkeeping describes it: lines of texts placed at character columns,
// page breaks, one font. The toolkit layer sends it to the printer.
namespace tirelou {

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
    // The texts of every line, cells joined by blanks: what a reader of the page sees.
    QString plainText() const;
};

} // namespace tirelou
