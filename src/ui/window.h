#pragma once

class QWidget;

namespace tirelou::ui {

// Places the window above all ordinary windows without moving or activating it, and
// shows it. ReleaseTop takes it out of that layer again (before starting another program).
void KeepOnTop(QWidget* window);
void ReleaseTop(QWidget* window);

} // namespace tirelou::ui
