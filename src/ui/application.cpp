#include "ui/application.h"

#include "ui/messagebox.h"

#include <exception>

namespace tirelou::ui {
namespace {
QString g_lastError;
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        g_lastError = QString::fromUtf8(e.what());
    } catch (...) {
        g_lastError = QStringLiteral("unknown error");
    }
    MessageBox::show(activeWindow(), g_lastError, QStringLiteral("Tirelou"), MessageIcon::Stop);
    return false;
}

QString Application::lastError() {
    return g_lastError;
}
void Application::clearLastError() {
    g_lastError.clear();
}

} // namespace tirelou::ui
