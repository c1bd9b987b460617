#include "data/datadir.h"

#include <QStandardPaths>

namespace tirelou {

QString ResolveDataDir(const QStringList& arguments, const QString& environmentValue) {
    const QString option = QStringLiteral("--data-dir");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    if (!environmentValue.isEmpty())
        return environmentValue;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace tirelou
