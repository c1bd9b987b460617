#include "accounts/startup.h"

#include "accounts/language.h"
#include "data/handover.h"
#include "data/scaling.h"
#include "data/workingcontext.h"
#include "ui/caption.h"
#include "ui/logo.h"
#include "ui/mainframe.h"
#include "ui/screennames.h"
#include "ui/widgets.h"
#include "ui/window.h"
#include "version.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace tirelou::accounts {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kLastCount = 100;
// The splash as designed, in pixels at 100 %.
constexpr int kSplashWidth = 560;
constexpr int kSplashHeight = 330;

constexpr ui::Caption kProduct{u"TIRELOU", u"DADUDOR"};
constexpr ui::Caption kCompany{u"Entreprise Virtuelle ", u"Virtual enterprise "};
constexpr ui::Caption kLoading{u"Chargement Des paramètres, Patientez",
                               u"Loading Of parameters, Exercise patience"};

int Factor(const WorkingContext& ctx) {
    return ctx.scale.factor > 0 ? ctx.scale.factor : 100;
}

QLabel* SplashLabel(QWidget* parent, const QString& name, qreal points, bool bold, const QString& colour) {
    auto* label = ui::Named<QLabel>(parent, name);
    QFont f = label->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return label;
}

} // namespace

// ---- Fond

Fond::Fond(WorkingContext& ctx) : QWidget(nullptr, Qt::FramelessWindowHint), ctx_(ctx) {
    setObjectName(QStringLiteral("Fond"));
    setWindowTitle(QStringLiteral("TIRELOU"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Fond::open() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (s) {
        const QSize size = s->geometry().size();
        ctx_.scale.factor = ScaleFactorFor(size.height() * kTwipsPerPixel);
        if (auto wf = WidthFactor(size.width() * kTwipsPerPixel))
            ctx_.scale.widthFactor = *wf;
        setGeometry(s->geometry());
    }
    show();
}

void Fond::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::PaintBackdrop(p, rect());
}

// ---- Copyright

Copyright::Copyright(WorkingContext& ctx, int tickMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), ctx_(ctx) {
    setObjectName(QStringLiteral("Copyright"));
    setWindowTitle(QStringLiteral("TIRELOU"));
    timer1_.setInterval(tickMs);
    connect(&timer1_, &QTimer::timeout, this, &Copyright::onTick);

    const int f = Factor(ctx_);
    const auto pt = [f](qreal designed) { return designed * f / 100.0; };
    product_ = SplashLabel(this, QStringLiteral("Label1"), pt(30), true, QStringLiteral("#8b1a1a"));
    version_ = SplashLabel(this, QStringLiteral("Label2"), pt(11), true, QStringLiteral("#1f3550"));
    company_ = SplashLabel(this, QStringLiteral("Label3"), pt(10), false, QStringLiteral("#1f3550"));
    rights_ = SplashLabel(this, QStringLiteral("Label4"), pt(10), false, QStringLiteral("#1f3550"));
    progressText_ = SplashLabel(this, QStringLiteral("Label5"), pt(10), true, QStringLiteral("#116611"));
    notice_ = SplashLabel(this, QStringLiteral("Label6"), pt(8), false, QStringLiteral("#6b6455"));
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, kLastCount);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->setFixedHeight(14 * f / 100);
    progressBar1_->setStyleSheet(QStringLiteral(
        "QProgressBar { background: #fffef5; border: 1px solid #b9b09a; border-radius: 6px; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2f7a8a, "
        "stop:1 #1f4e79); border-radius: 5px; }"));
    auto* picture = new ui::PiggyPicture(this);
    picture->setFixedSize(190 * f / 100, 142 * f / 100);

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(product_);
    texts->addSpacing(4);
    texts->addWidget(version_);
    texts->addSpacing(10);
    texts->addWidget(company_);
    texts->addWidget(rights_);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(20);
    top->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    const int margin = 26 * f / 100;
    layout->setContentsMargins(margin, margin, margin, margin * 3 / 4);
    layout->addLayout(top, 1);
    layout->addSpacing(10);
    layout->addWidget(progressText_);
    layout->addWidget(progressBar1_);
    layout->addWidget(notice_);

    resize(kSplashWidth * f / 100, kSplashHeight * f / 100);
}

void Copyright::start() {
    ReadLanguage(ctx_);
    const bool fr = ctx_.french();
    product_->setText(kProduct.in(fr));
    version_->setText(
        QStringLiteral("Version %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision));
    company_->setText(kCompany.in(fr) + QString::fromUtf8(version::company) + QStringLiteral("  "));
    rights_->setText(QStringLiteral("Copyright ") + QString::fromUtf8(version::rightsHolder) +
                     QStringLiteral("  "));
    progressText_->setText(kLoading.in(fr));
    notice_->setText(QString());

    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    ui::KeepOnTop(this);
    counter_ = 1;
    timer1_.start();
}

void Copyright::onTick() {
    progressBar1_->setValue(counter_);
    ++counter_;
    if (counter_ >= kLastCount) {
        timer1_.stop();
        emit finished();
    }
}

void Copyright::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect());
    QLinearGradient paper(card.topLeft(), card.bottomLeft());
    paper.setColorAt(0, QColor(0xfd, 0xfb, 0xf4));
    paper.setColorAt(1, QColor(0xef, 0xe9, 0xd8));
    p.fillRect(card, paper);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 3));
    p.drawRect(card.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(0xc9, 0xc2, 0xad), 1));
    p.drawRect(card.adjusted(6.5, 6.5, -6.5, -6.5));
}

// ---- StartUp

StartUp::StartUp(WorkingContext& ctx, ui::MainFrame& frame, int tickMs)
    : QObject(&frame), ctx_(ctx), frame_(frame), tickMs_(tickMs) {
    connect(&frame_, &ui::MainFrame::screenOpened, this, &StartUp::watchLanguageScreen);
}

StartUp::~StartUp() {
    delete splash_.data();
    delete fond_.data();
}

void StartUp::begin() {
    fond_ = new Fond(ctx_);
    fond_->open();
    if (LanguageFileExists(ctx_)) {
        showSplash();
        return;
    }
    // No language chosen yet: the language screen comes first, in the frame.
    ctx_.modeCode = modecode::LanguageAtStart;
    frame_.fitToScreen();
    frame_.show();
    frame_.open(screen::Language);
}

void StartUp::watchLanguageScreen(const QString& name) {
    if (name != screen::Language)
        return;
    if (auto* language = qobject_cast<Language*>(frame_.current()))
        connect(language, &Language::chosenAtStart, this, [this] {
            showSplash();
            frame_.hide(); // it comes back, with the login screen, once the splash is done
        });
}

void StartUp::showSplash() {
    splash_ = new Copyright(ctx_, tickMs_);
    connect(splash_, &Copyright::finished, this, &StartUp::openMainFrame);
    splash_->start();
    emit splashShown();
}

void StartUp::openMainFrame() {
    frame_.setCaption(QStringLiteral("TIRELOU"));
    frame_.fitToScreen();
    ui::KeepOnTop(&frame_);
    frame_.show();
    frame_.activateWindow();
    frame_.open(screen::MotDePasse);
    if (ctx_.modeCode ==
        modecode::CreationWithoutAccount) // no account: account creation took the frame alone
        ctx_.modeCode = 0;
    if (splash_) {
        splash_->close();
        splash_->deleteLater();
    }
    if (fond_) {
        fond_->close();
        fond_->deleteLater();
    }
    emit frameOpened();
}

} // namespace tirelou::accounts
