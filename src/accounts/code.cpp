#include "accounts/code.h"

#include "accounts/accountgrid.h"
#include "accounts/accounts.h"
#include "data/numbers.h"
#include "data/workingcontext.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QLabel>

namespace tirelou::accounts {
namespace {

constexpr ui::Caption kCaption{u"CODE", u"CODE"};
constexpr ui::Caption kReturn{u"RETOUR", u"RETURN"};

constexpr ui::Caption kChoose{u"CLIQUEZ SUR LE N° QUE VOUS DESIREZ MODIFIER LE MOT DE PASSE",
                              u"CLICK ON THE N° THAT YOU WANT to MODIFY"};
constexpr ui::Caption kOld{u"ANCIEN MOT DE PASSE DE %1", u"OLD WORD OF PASSES OF %1"};
constexpr ui::Caption kNew{u"NOUVEAU MOT DE PASSE", u"NEW WORD OF PASSES"};
constexpr ui::Caption kBadCode{u"%1  CODE MAUVAIS", u"%1  BAD CODE"};

const QString kBoxTitle = QStringLiteral("TIRELOU");

} // namespace

Code::Code(const ui::ScreenEnv& env) : AccountGridScreen(env, kCaption, ui::TitleCaptionCaps, kReturn) {
    text1_->setEchoMode(QLineEdit::Password);
    // text2_, asked only once: the new password shows as it is typed, so a slip is seen.
}

void Code::load() {
    setFrameCaption(text(kCaption));
    reset();
}

void Code::reset() {
    resetGrid(kChoose, false);
}

void Code::onGridClicked(int row) {
    const int n = static_cast<int>(NumberValue(grid_->text(row, 0)));
    const QString account = grid_->text(row, 1);
    grid_->setEnabled(false);
    if (account.trimmed().isEmpty() || n <= 0) {
        toolbar()->setEnabled(false);
        label2_->setText(text(EmptyRowCaption).arg(n));
        pause([this] { reset(); });
        return;
    }
    QString why;
    if (!PickOrExplain(ctx(), n, PickAccount, why)) {
        message(why, kBoxTitle, ui::MessageIcon::Stop);
        grid_->setEnabled(true);
        return;
    }
    label2_->setText(text(kOld).arg(account));
    text1_->clear();
    text1_->show();
    text1_->setFocus();
}

void Code::onFirstEntered() {
    const QString typed = text1_->text();
    text1_->hide();
    bool right = false;
    if (!guarded([&] { right = CheckOldPassword(ctx(), typed); })) {
        CloseAccountDb(ctx());
        reset();
        return;
    }
    if (!right) {
        // Nothing was written: the program ends on the wrong code.
        message(text(kBadCode).arg(typed), kBoxTitle, ui::MessageIcon::Stop);
        CloseAccountDb(ctx());
        endProgram();
        return;
    }
    label2_->setText(text(kNew));
    text2_->clear();
    text2_->show();
    text2_->setFocus();
}

void Code::onSecondEntered() {
    const QString password = text2_->text();
    text2_->hide();
    bool entered = false;
    if (!guarded([&] { entered = ChangePassword(ctx(), password); })) {
        text2_->show();
        text2_->setFocus();
        return;
    }
    if (!entered) {
        // The new password is kept; the account itself cannot be opened.
        message(text(DamagedMonthCaption).arg(ctx().chosenAccount), kBoxTitle, ui::MessageIcon::Stop);
        CloseAccountDb(ctx());
        open(screen::MotDePasse);
        return;
    }
    open(screen::MenuTirelou);
}

} // namespace tirelou::accounts
