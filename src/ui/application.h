#pragma once

#include <QApplication>

namespace tirelou::ui {

// The program's application object. An error that escapes a screen's handler (a file or
// database failure nobody expected) is shown to the user instead of ending the program.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The last error caught that way (tests look at it).
    static QString lastError();
    static void clearLastError();
};

} // namespace tirelou::ui
