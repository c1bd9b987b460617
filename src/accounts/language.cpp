#include "accounts/language.h"

#include "accounts/screenlook.h"
#include "data/errors.h"
#include "data/handover.h"
#include "data/workingcontext.h"
#include "ui/logo.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tirelou::accounts {
namespace {

const QString kCaption = QStringLiteral("Language");
// Shown before any language is known, so in both.
const QString kPrompt = QStringLiteral("Choisissez votre langue  /  Choose your language");
const QString kNotWritten = QStringLiteral("Le choix n'a pas pu être enregistré dans « Langue.dat ».\n"
                                           "The choice could not be saved in \"Langue.dat\".");

} // namespace

Language::Language(const ui::ScreenEnv& env) : ScreenBase(env) {
    label1_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("heading"));
    SetPromptLook(label1_);
    combo1_ = ui::Named<QComboBox>(this, QStringLiteral("Combo1"));
    combo1_->addItems({French, English});
    combo1_->setMinimumWidth(200);
    command1_ = new QPushButton(QStringLiteral("OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setAccessibleName(QStringLiteral("Command1"));
    command1_->setMinimumWidth(120);
    command1_->setAutoDefault(true);
    auto* picture = new ui::PiggyPicture(this);
    picture->setFixedSize(240, 180);

    auto* choice = new QHBoxLayout;
    choice->addStretch(1);
    choice->addWidget(combo1_);
    choice->addSpacing(12);
    choice->addWidget(command1_);
    choice->addStretch(1);

    body()->addStretch(1);
    body()->addWidget(picture, 0, Qt::AlignHCenter);
    body()->addSpacing(18);
    body()->addWidget(label1_, 0, Qt::AlignHCenter);
    body()->addSpacing(12);
    body()->addLayout(choice);
    body()->addStretch(2);

    connect(command1_, &QPushButton::clicked, this, &Language::onConfirm);
    combo1_->installEventFilter(this);
}

bool Language::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the list confirms, as the button does.
    if (watched == combo1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onConfirm();
            return true;
        }
    }
    return ScreenBase::eventFilter(watched, event);
}

void Language::load() {
    setFrameCaption(kCaption);
    setCaption(kCaption);
    label1_->setText(kPrompt);
    combo1_->setCurrentIndex(0);
    applyScale();
    combo1_->setFocus();
}

void Language::onConfirm() {
    try {
        WriteLanguage(ctx(), combo1_->currentText());
    } catch (const FileError&) {
        message(kNotWritten, QStringLiteral("TIRELOU"), ui::MessageIcon::Stop);
        return;
    }
    const int caller = ctx().modeCode;
    ctx().modeCode = 0;
    if (caller == modecode::LanguageAtStart)
        emit chosenAtStart();
    else // from the login screen, which shows itself again in the new language
        open(screen::MotDePasse);
}

} // namespace tirelou::accounts
