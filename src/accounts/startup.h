#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace tirelou {
class WorkingContext;
namespace ui {
class MainFrame;
}
} // namespace tirelou

namespace tirelou::accounts {

// The background window: the backdrop over the whole screen while the program starts.
class Fond final : public QWidget {
    Q_OBJECT
public:
    explicit Fond(WorkingContext& ctx);
    // Measures the screen (the working scale factors) and covers it.
    void open();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WorkingContext& ctx_;
};

// The splash: product, version, maker and a progress bar that counts to a hundred.
class Copyright final : public QWidget {
    Q_OBJECT
public:
    Copyright(WorkingContext& ctx, int tickMs);
    // Reads the language, fills the texts, shows itself above every window and starts
    // counting from 1, one count per tick.
    void start();
    int counter() const { return counter_; }

signals:
    // The hundredth count.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick();

    WorkingContext& ctx_;
    QTimer timer1_;
    int counter_ = 0;
    QLabel* product_;
    QLabel* version_;
    QLabel* company_;
    QLabel* rights_;
    QLabel* progressText_;
    QLabel* notice_;
    QProgressBar* progressBar1_;
};

// The order in which the program comes up: the background window, then the splash (or
// the language screen first, when no language was chosen yet), then the main frame with
// the login screen. The program makes one; tests make one with a fast tick.
class StartUp final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 100;

    StartUp(WorkingContext& ctx, ui::MainFrame& frame, int tickMs = kTickMs);
    ~StartUp() override;

    void begin();

    Fond* background() const { return fond_; }
    Copyright* splash() const { return splash_; }

signals:
    void splashShown();
    // The main frame opened with its first screen.
    void frameOpened();

private:
    void showSplash();
    void openMainFrame();
    void watchLanguageScreen(const QString& name);

    WorkingContext& ctx_;
    ui::MainFrame& frame_;
    int tickMs_;
    QPointer<Fond> fond_;
    QPointer<Copyright> splash_;
};

} // namespace tirelou::accounts
