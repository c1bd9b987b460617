#include "data/printdoc.h"

namespace tirelou {

QString PrintDocument::plainText() const {
    QString out;
    for (const PrintLine& l : lines) {
        if (l.pageBreak) {
            out += QLatin1Char('\f');
            continue;
        }
        QString line;
        for (const PrintCell& c : l.cells) {
            if (c.text.isEmpty())
                continue;
            const qsizetype at = std::max(c.column, 1) - 1;
            if (line.size() < at)
                line += QString(at - line.size(), QLatin1Char(' '));
            else if (!line.isEmpty())
                line += QLatin1Char(' ');
            line += c.text;
        }
        out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace tirelou
