#include "accounts/supprime.h"

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

constexpr ui::Caption kCaption{u"Supprimer un Compte", u"To suppress an Account"};
constexpr ui::Caption kTitle{u" TIRELOU ", u" TIRELOU "};
constexpr ui::Caption kReturn{u"Retour Menu", u"Return Menu"};

constexpr ui::Caption kChoose{u"CLIQUEZ SUR LE N° A SUPPRIMER", u"CLICK ON THE NUMBER TO to SUPPRESS"};
constexpr ui::Caption kConfirm{u" COMPTE NUMERO %1  \"%2\" VA ÊTRE SUPPRIMER O/N ",
                               u" ACCOUNT NUMBER %1  \"%2\" GOING SUPPRESS O=Yes/N "};
constexpr ui::Caption kAskPassword{u" Mot de passe du Compte \"%1\" ", u" Password of the Account \"%1\" "};
constexpr ui::Caption kKept{u" COMPTE NUMERO %1 NE SERA PAS SUPPRIMER ",
                            u" ACCOUNT NUMBER %1  NE BE SUPPRESS "};
constexpr ui::Caption kDeleting{u" PATIENTEZ JE SUPPRIME VOS FICHIERS ",
                                u" EXERCISE PATIENCE I SUPPRESS YOUR FILES "};

constexpr ui::Caption kRefused{u"Accès refusé, Mot de Passe Incorrect !!",
                               u"Refused access, Incorrect password, !!"};
constexpr ui::Caption kRefusedLast{u"Accès refusé, Pour la 3° fois TCHAO !!",
                                   u"Refused access, For the 3° TCHAO times, !!"};
constexpr ui::Caption kNotRemoved{
    u"Le fichier %1 n'a pas pu être supprimé : le compte est conservé tel quel.",
    u"The file %1 could not be deleted: the account is kept as it was."};

const QString kBoxTitle = QStringLiteral("TIRELOU");
const QString kKeep = QStringLiteral("N");

} // namespace

Supprime::Supprime(const ui::ScreenEnv& env) : AccountGridScreen(env, kCaption, kTitle, kReturn) {
    text1_->setMaxLength(3);
    text2_->setEchoMode(QLineEdit::Password);
}

void Supprime::load() {
    reset();
    setFrameCaption(text(kCaption));
}

void Supprime::reset() {
    row_ = 0;
    account_.clear();
    resetGrid(kChoose, false);
}

void Supprime::onGridClicked(int row) {
    const int n = static_cast<int>(NumberValue(grid_->text(row, 0)));
    const QString account = grid_->text(row, 1);
    text1_->hide();
    text2_->hide();
    if (account.trimmed().isEmpty() || n <= 0) {
        // No account stands before the first row: nothing is picked.
        grid_->setEnabled(false);
        toolbar()->setEnabled(false);
        label2_->setText(text(EmptyRowCaption).arg(n));
        pause([this] { reset(); });
        return;
    }
    QString why;
    if (!PickOrExplain(ctx(), n, PickAccountToDelete, why)) {
        label2_->setText(text(kChoose));
        message(why, kBoxTitle, ui::MessageIcon::Stop);
        return;
    }
    row_ = n;
    account_ = account;
    label2_->setText(text(kConfirm).arg(QString::number(n), account));
    ui::ShowInput(text1_, kKeep);
}

void Supprime::onFirstEntered() {
    text1_->hide();
    if (text1_->text().left(1).trimmed() == kKeep) { // a leading blank is no "N"
        label2_->setText(text(kKept).arg(row_));
        grid_->setFocus(); // another account can be picked at once
        return;
    }
    // Any other answer, an empty one too, is yes: three tries from here.
    RestartAttempts(ctx());
    label2_->setText(text(kAskPassword).arg(account_));
    text2_->clear();
    text2_->show();
    text2_->setFocus();
}

void Supprime::onSecondEntered() {
    const QString typed = text2_->text();
    text2_->hide();
    DeletionOutcome outcome = DeletionOutcome::Refused;
    const bool done = guarded([&] {
        outcome = DeleteAccount(ctx(), typed, [this] {
            label2_->setText(text(kDeleting));
            label2_->repaint();
        });
    });
    if (!done) {
        CloseAccountDb(ctx());
        reset();
        return;
    }
    switch (outcome) {
    case DeletionOutcome::Deleted:
        open(screen::MotDePasse);
        return;
    case DeletionOutcome::Refused:
        message(text(kRefused), kBoxTitle, ui::MessageIcon::Stop);
        text2_->clear();
        text2_->show();
        text2_->setFocus();
        return;
    case DeletionOutcome::RefusedLast:
        message(text(kRefusedLast), kBoxTitle, ui::MessageIcon::Stop);
        CloseAccountDb(ctx());
        endProgram();
        return;
    case DeletionOutcome::NotRemoved:
        message(text(kNotRemoved).arg(ctx().consultFile), kBoxTitle, ui::MessageIcon::Stop);
        reset();
        return;
    }
}

} // namespace tirelou::accounts
