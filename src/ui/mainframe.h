#pragma once

#include "ui/screenbase.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QStackedWidget;

namespace tirelou::ui {

using ScreenFactory = std::function<ScreenBase*(const ScreenEnv&)>;

// Which screen class stands behind each screen name.
class ScreenRegistry {
public:
    void add(const QString& name, ScreenFactory factory) { factories_.insert(name, std::move(factory)); }
    template <class Screen> void add(const QString& name) {
        add(name, [](const ScreenEnv& env) -> ScreenBase* { return new Screen(env); });
    }
    ScreenFactory find(const QString& name) const { return factories_.value(name); }
    bool contains(const QString& name) const { return factories_.contains(name); }

private:
    QHash<QString, ScreenFactory> factories_;
};

// The main window: holds one screen at a time and opens the next one by name. Closing it
// ends the program.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    MainFrame(WorkingContext& ctx, const ScreenRegistry& registry, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Makes the named screen the one shown and loads it; the screen shown before closes.
    // A screen name with no screen behind it yet leaves the current screen and says so.
    // Returns the screen shown afterwards.
    ScreenBase* open(const QString& name);
    ScreenBase* current() const { return current_; }
    QString currentName() const;

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    // Measures the screen: sets the working scale factors and sizes the frame.
    void fitToScreen();

    // Ends the program: the frame closes and programEnded() is raised.
    void endProgram();

signals:
    void programEnded();
    void screenOpened(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void retire(ScreenBase* screen);
    // Brings the frame back within the screen should a screen have widened it.
    void keepOnScreen();

    WorkingContext& ctx_;
    const ScreenRegistry& registry_;
    QStackedWidget* stack_;
    QPointer<ScreenBase> current_;
    bool ended_ = false;
};

} // namespace tirelou::ui
