#pragma once

#include <QString>

namespace tirelou::ui {

// The program's colours. Font sizes stay out of it: they follow the window scaling.
QString StyleSheet();

} // namespace tirelou::ui
