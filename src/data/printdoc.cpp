#include "data/printdoc.h"

#include <QStringList>

namespace tirelou {

QString PrintDocument::plainText() const {
    QString out;
    for (const PrintLine& l : lines) {
        if (l.pageBreak) {
            out += QLatin1Char('\f');
            continue;
        }
        QStringList texts;
        for (const PrintCell& c : l.cells)
            texts << c.text;
        out += texts.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return out;
}

} // namespace tirelou
