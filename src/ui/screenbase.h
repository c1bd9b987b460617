#pragma once

#include "ui/caption.h"
#include "ui/messagebox.h"

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace tirelou {
class WorkingContext;
}

namespace tirelou::ui {

class AccountLine;
class MainFrame;
class Toolbar;

// In a toolbar's caption table: a separator, which takes an index like a button.
inline constexpr Caption ToolbarSeparator{nullptr, nullptr};

// What every screen is made with.
struct ScreenEnv {
    WorkingContext& ctx;
    MainFrame& frame;
};

// A screen shown inside the main frame: its caption strip, an optional toolbar and a body
// laid out by the screen. To go elsewhere a screen opens the next one by name; the frame
// then closes it. The frame caption is "TIRELOU" unless the screen sets another one.
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
    // Reads "Langue.dat" into the working language, then captions again in that language
    // the toolbar, the screen caption and the labels declared with their captions.
    void readLanguage();
    // The screen's own caption, shown in its strip.
    void setCaption(const QString& caption);
    // The same from the screen's table; it follows the language at each readLanguage().
    void setCaption(const Caption& caption);
    // Gives `label` its caption now and again at each readLanguage().
    void keepCaptioned(QLabel* label, const Caption& caption);
    void setFrameCaption(const QString& caption);
    // Opens the next screen; this one closes.
    void open(const QString& screen);
    void endProgram();
    // The toolbar, made on first use, above the body.
    Toolbar* toolbar();
    // Adds to the toolbar one button per entry of the table (buttons are numbered from 1
    // in table order, ToolbarSeparator entries included); readLanguage() captions them.
    Toolbar* makeToolbar(std::span<const Caption> buttons);
    Toolbar* makeToolbar(std::initializer_list<Caption> buttons) {
        return makeToolbar(std::span<const Caption>(buttons.begin(), buttons.size()));
    }
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
    // The account number and balance line, its two labels named as given (role "line").
    AccountLine* makeAccountLine(const QString& accountName, const QString& balanceName);

private:
    WorkingContext& ctx_;
    MainFrame& frame_;
    QLabel* captionStrip_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    QVBoxLayout* outer_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    std::vector<Caption> toolbarCaptions_;
    std::vector<std::pair<QLabel*, Caption>> captioned_;
    std::optional<Caption> caption_;
};

} // namespace tirelou::ui
