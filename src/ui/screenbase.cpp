#include "ui/screenbase.h"

#include "data/errors.h"
#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "ui/look.h"
#include "ui/mainframe.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace tirelou::ui {

namespace {
const char* const kDesignedSize = "tirelouDesignedPointSize";
constexpr Caption kFailed{u"L'opération n'a pas pu se faire, rien n'a été modifié :\n",
                          u"The operation could not be done, nothing was changed:\n"};
} // namespace

ScreenBase::ScreenBase(const ScreenEnv& env) : ctx_(env.ctx), frame_(env.frame) {
    setAutoFillBackground(true);
    outer_ = new QVBoxLayout(this);
    outer_->setContentsMargins(0, 0, 0, 0);
    outer_->setSpacing(0);
    captionStrip_ = new QLabel(this);
    captionStrip_->setObjectName(QStringLiteral("screenCaption"));
    captionStrip_->setProperty("role", QStringLiteral("caption"));
    KeepNarrow(captionStrip_);
    outer_->addWidget(captionStrip_);
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("screenBody"));
    body_ = new QVBoxLayout(content);
    body_->setContentsMargins(16, 12, 16, 12);
    body_->setSpacing(6);
    outer_->addWidget(content, 1);
    frame_.setCaption(QStringLiteral("TIRELOU"));
}

ScreenBase::~ScreenBase() = default;

bool ScreenBase::french() const {
    return ctx_.french();
}

QString ScreenBase::caption() const {
    return captionStrip_->text();
}

void ScreenBase::readLanguage() {
    ReadLanguage(ctx_);
    if (toolbar_)
        for (std::size_t i = 0; i < toolbarCaptions_.size(); ++i)
            if (toolbarCaptions_[i].fr)
                toolbar_->setCaption(static_cast<int>(i) + 1, text(toolbarCaptions_[i]));
    if (caption_) {
        captionStrip_->setText(text(*caption_));
        setWindowTitle(captionStrip_->text());
    }
    for (const auto& [label, caption] : captioned_)
        label->setText(text(caption));
}

void ScreenBase::setCaption(const QString& caption) {
    caption_.reset();
    captionStrip_->setText(caption);
    setWindowTitle(caption);
}

void ScreenBase::setCaption(const Caption& caption) {
    setCaption(text(caption));
    caption_ = caption;
}

void ScreenBase::keepCaptioned(QLabel* label, const Caption& caption) {
    label->setText(text(caption));
    captioned_.emplace_back(label, caption);
}

void ScreenBase::setFrameCaption(const QString& caption) {
    frame_.setCaption(caption);
}

void ScreenBase::open(const QString& screen) {
    frame_.open(screen);
}

void ScreenBase::endProgram() {
    frame_.endProgram();
}

Toolbar* ScreenBase::toolbar() {
    if (!toolbar_) {
        toolbar_ = new Toolbar(this);
        toolbar_->setObjectName(QStringLiteral("Toolbar1"));
        outer_->insertWidget(1, toolbar_);
    }
    return toolbar_;
}

Toolbar* ScreenBase::makeToolbar(std::span<const Caption> buttons) {
    Toolbar* bar = toolbar();
    for (const Caption& c : buttons) {
        if (c.fr)
            bar->addButton(text(c));
        else
            bar->addSeparator();
        toolbarCaptions_.push_back(c);
    }
    return bar;
}

void ScreenBase::applyScale() {
    const int factor = ctx_.scale.factor > 0 ? ctx_.scale.factor : 100;
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* w : widgets) {
        QVariant designed = w->property(kDesignedSize);
        if (!designed.isValid()) {
            designed = w->font().pointSizeF();
            w->setProperty(kDesignedSize, designed);
        }
        QFont f = w->font();
        f.setPointSizeF(designed.toDouble() * factor / 100.0);
        w->setFont(f);
        if (auto* grid = qobject_cast<Grid*>(w))
            grid->applyScale(factor);
    }
}

void ScreenBase::message(const QString& text, const QString& title, MessageIcon icon) {
    MessageBox::show(this, text, title, icon);
}

bool ScreenBase::guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        message(text(kFailed) + FailureReason(e, french()), QStringLiteral("TIRELOU"), MessageIcon::Stop);
        return false;
    }
}

void ScreenBase::pause(std::function<void()> then) {
    setEnabled(false);
    Pause(ctx_, this, [this, then = std::move(then)] {
        setEnabled(true);
        then();
    });
}

QLabel* ScreenBase::makeLabel(const QString& name, const QString& role) {
    auto* label = Named<QLabel>(this, name);
    if (!role.isEmpty()) {
        label->setProperty("role", role);
        ApplyRoleFont(label, role);
    }
    return label;
}

QLabel* ScreenBase::makeTitle(const Caption& caption) {
    QLabel* title = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    keepCaptioned(title, caption);
    return title;
}

AccountLine* ScreenBase::makeAccountLine(const QString& accountName, const QString& balanceName) {
    return new AccountLine(this, makeLabel(accountName, QStringLiteral("line")),
                           makeLabel(balanceName, QStringLiteral("line")));
}

} // namespace tirelou::ui
