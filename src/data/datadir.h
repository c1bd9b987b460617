#pragma once

#include <QString>
#include <QStringList>

namespace tirelou {

// The data folder: "--data-dir DIR" (or "--data-dir=DIR") on the command line, else
// $TIRELOU_DATA_DIR, else the user's standard data location.
QString ResolveDataDir(const QStringList& arguments, const QString& environmentValue);

} // namespace tirelou
