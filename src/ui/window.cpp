#include "ui/window.h"

#include <QWidget>

namespace tirelou::ui {
namespace {

void SetTop(QWidget* window, bool on) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window->show(); // changing the flags hides the window
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

} // namespace

void KeepOnTop(QWidget* window) {
    SetTop(window, true);
}

void ReleaseTop(QWidget* window) {
    SetTop(window, false);
}

} // namespace tirelou::ui
