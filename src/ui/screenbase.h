#pragma once

#include "ui/caption.h"
#include "ui/messagebox.h"

#include <QWidget>
#include <functional>

class QLabel;
class QVBoxLayout;

namespace tirelou {
class WorkingContext;
}

namespace tirelou::ui {

class MainFrame;
class Toolbar;

// What every screen is made with.
struct ScreenEnv {
    WorkingContext& ctx;
    MainFrame& frame;
};

// A screen shown inside the main frame: its caption strip, an optional toolbar and a body
// laid out by the screen. To go elsewhere a screen opens the next one by name; the frame
// then closes it.
class ScreenBase : public QWidget {
    Q_OBJECT
public:
    explicit ScreenBase(const ScreenEnv& env);
    ~ScreenBase() override;

    // Runs once the frame holds the screen: language, captions, contents.
    virtual void load() = 0;

    WorkingContext& ctx() const { return ctx_; }
    MainFrame& frame() const { return frame_; }
    bool french() const;
    QString text(const Caption& caption) const { return caption.in(french()); }
    QString caption() const;

protected:
    // Reads "Langue.dat" into the working language.
    void readLanguage();
    // The screen's own caption, shown in its strip.
    void setCaption(const QString& caption);
    void setFrameCaption(const QString& caption);
    // Opens the next screen; this one closes.
    void open(const QString& screen);
    void endProgram();
    // The toolbar, made on first use, above the body.
    Toolbar* toolbar();
    QVBoxLayout* body() const { return body_; }
    // Fonts and grid columns follow the working scale factor.
    void applyScale();
    void message(const QString& text, const QString& title, MessageIcon icon = MessageIcon::None);
    // Runs one user action; a database or file failure is shown to the user (nothing of
    // the action was written, its transaction saw to that) and false is returned.
    bool guarded(const std::function<void()>& action);
    // Waits the pause time with this screen's input off, then runs `then` (never after
    // the screen has closed).
    void pause(std::function<void()> then);

    // Labels of the usual kinds, named for tests and screen readers.
    QLabel* makeLabel(const QString& name, const QString& role = QString());

private:
    WorkingContext& ctx_;
    MainFrame& frame_;
    QLabel* captionStrip_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    QVBoxLayout* outer_ = nullptr;
    QVBoxLayout* body_ = nullptr;
};

} // namespace tirelou::ui
