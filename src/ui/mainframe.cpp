#include "ui/mainframe.h"

#include "data/errors.h"
#include "data/scaling.h"
#include "data/workingcontext.h"
#include "ui/look.h"
#include "ui/widgets.h"

#include <QCloseEvent>
#include <QScreen>
#include <QStackedWidget>

namespace tirelou::ui {
namespace {
// The frame as designed, in twips (800 x 600 pixels at 100 %).
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;
constexpr int kTwipsPerPixel = 15;
} // namespace

MainFrame::MainFrame(WorkingContext& ctx, const ScreenRegistry& registry, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), registry_(registry), stack_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("Menu"));
    setCentralWidget(stack_);
    setStyleSheet(StyleSheet());
    resize(kDesignedWidth / kTwipsPerPixel, kDesignedHeight / kTwipsPerPixel);
}

MainFrame::~MainFrame() = default;

QString MainFrame::currentName() const {
    return current_ ? current_->objectName() : QString();
}

ScreenBase* MainFrame::open(const QString& name) {
    const ScreenFactory factory = registry_.find(name);
    if (!factory) {
        const bool fr = ctx_.french();
        MessageBox::show(this,
                         fr ? QStringLiteral("Cet écran n'est pas encore disponible.")
                            : QStringLiteral("This screen is not available yet."),
                         windowTitle(), MessageIcon::Information);
        return current_;
    }
    ScreenBase* previous = current_;
    ScreenBase* screen = factory(ScreenEnv{ctx_, *this});
    screen->setObjectName(name);
    stack_->addWidget(screen);
    stack_->setCurrentWidget(screen);
    current_ = screen;
    // Loading may itself open another screen, which then replaces this one.
    try {
        screen->load();
    } catch (const std::exception& e) {
        // The screen stays, as far as it got; the user learns why it is incomplete.
        const bool fr = ctx_.french();
        MessageBox::show(this,
                         (fr ? QStringLiteral("L'écran n'a pas pu être chargé en entier : ")
                             : QStringLiteral("The screen could not be loaded whole: ")) +
                             FailureReason(e, fr),
                         windowTitle(), MessageIcon::Stop);
    }
    // Labels made by hand as well as by the factory: no text may widen the frame.
    if (current_)
        KeepLabelsNarrow(current_);
    if (previous && previous != current_)
        retire(previous);
    keepOnScreen();
    if (current_ == screen)
        emit screenOpened(name);
    return current_;
}

void MainFrame::retire(ScreenBase* screen) {
    stack_->removeWidget(screen);
    screen->hide();
    // Its own handler may still be on the stack; delete once the event loop is back.
    screen->deleteLater();
}

void MainFrame::fitToScreen() {
    const QScreen* s = screen();
    if (!s)
        return;
    const QSize size = s->geometry().size();
    ctx_.scale.factor = ScaleFactorFor(size.height() * kTwipsPerPixel);
    const int height = Scaled(kDesignedHeight, ctx_.scale.factor) / kTwipsPerPixel;
    int width = kDesignedWidth / kTwipsPerPixel;
    if (auto wf = WidthFactor(size.width() * kTwipsPerPixel)) {
        ctx_.scale.widthFactor = *wf;
        width = Scaled(kDesignedWidth, *wf) / kTwipsPerPixel;
    }
    const QRect avail = s->availableGeometry();
    resize(std::min(width, avail.width()), std::min(height, avail.height()));
    move(avail.center() - rect().center());
}

void MainFrame::keepOnScreen() {
    const QScreen* s = screen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    if (width() > avail.width() || height() > avail.height())
        resize(std::min(width(), avail.width()), std::min(height(), avail.height()));
}

void MainFrame::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    close();
    emit programEnded();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!ended_) {
        ended_ = true;
        emit programEnded();
    }
}

} // namespace tirelou::ui
