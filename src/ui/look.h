#pragma once

#include <QString>

class QLabel;

namespace tirelou::ui {

// The program's colours. Font sizes stay out of it: they follow the window scaling.
QString StyleSheet();

// Gives a label the type of its role ("title", "line", "heading", "prompt", "echo"), as
// designed; the window scaling then enlarges it with everything else.
void ApplyRoleFont(QLabel* label, const QString& role);

} // namespace tirelou::ui
