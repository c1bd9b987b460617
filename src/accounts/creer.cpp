#include "accounts/creer.h"

#include "accounts/accountgrid.h"
#include "accounts/accounts.h"
#include "data/handover.h"
#include "data/numbers.h"
#include "data/workingcontext.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QLabel>

namespace tirelou::accounts {
namespace {

constexpr ui::Caption kCaption{u"Creer un Compte", u"To create an Account"};
constexpr ui::Caption kReturn{u"RETOUR", u"RETURN"};

constexpr ui::Caption kPickFreeRow{u"Cliquez sur la ligne libre pour créer un compte",
                                   u"Click on the free row to create an account"};
constexpr ui::Caption kFreeRow{u" COMPTE N° %1 : NUMERO DE COMPTE A CREER S.V.P. ",
                               u" ACCOUNT NUMBER %1 : NAME TO to CREATE IF PLEASES "};
constexpr ui::Caption kOccupied{u" COMPTE NUMERO %1 EST OCCUPE ", u" ACCOUNT NUMBER %1 is OCCUPIES "};
constexpr ui::Caption kMadeFor{u"Mot de Passe du compte %1 ", u"Password of the account %1 "};
const QString kWritingFrench = QStringLiteral(" PATIENTEZ JE CREE VOS FICHIERS ");
const QString kWritingEnglish = QStringLiteral(" EXERCISE PATIENCE I CREATE YOUR FILES ");

constexpr ui::Caption kEmptyNumber{u"Tapez un numéro de compte : il ne peut pas être vide.",
                                   u"Type an account number: it cannot be empty."};
constexpr ui::Caption kForbidden{u"Un numéro de compte ne peut contenir aucun de ces caractères : %1",
                                 u"An account number cannot hold any of these characters: %1"};
constexpr ui::Caption kExists{
    u"Le compte %1 existe déjà pour l'année %2 : il n'est pas remplacé. Choisissez un autre numéro.",
    u"The account %1 already exists for the year %2: it is not replaced. Choose another number."};

const QString kBoxTitle = QStringLiteral("TIRELOU");

} // namespace

Creer::Creer(const ui::ScreenEnv& env) : AccountGridScreen(env, kCaption, ui::TitleCaptionCaps, kReturn) {
    text1_->setMaxLength(40);
}

void Creer::leave() {
    AbandonNewAccount(ctx());
    open(screen::MotDePasse);
}

Creer::~Creer() {
    // Leaving before the password was given leaves no account behind.
    AbandonNewAccount(ctx());
}

void Creer::load() {
    reset();
}

void Creer::reset() {
    resetGrid(kPickFreeRow, true);
}

void Creer::onGridClicked(int row) {
    const int n = static_cast<int>(NumberValue(grid_->text(row, 0)));
    const QString account = grid_->text(row, 1);
    if (account.trimmed().isEmpty() || n <= 0) {
        if (!guarded([&] { WriteHandOver(ctx(), handover::Lire, {QString::number(n)}); }))
            return;
        grid_->setEnabled(false);
        label2_->setText(text(kFreeRow).arg(n));
        text1_->show();
        text1_->setFocus();
        return;
    }
    label2_->setText(text(kOccupied).arg(n));
    pause([this] { reset(); });
}

void Creer::onFirstEntered() {
    const QString number = text1_->text().trimmed();
    text1_->hide();
    NewAccountRefusal refusal = NewAccountRefusal::None;
    const bool done = guarded([&] {
        refusal = BuildAccountDatabase(ctx(), number, [this](CreationStage stage) {
            label2_->setText(stage == CreationStage::FrenchCategories ? kWritingFrench : kWritingEnglish);
            label2_->repaint();
        });
    });
    if (!done) {
        askNumberAgain();
        return;
    }
    switch (refusal) {
    case NewAccountRefusal::None:
        label2_->setText(text(kMadeFor).arg(number));
        text2_->clear();
        text2_->show();
        text2_->setFocus();
        return;
    case NewAccountRefusal::EmptyNumber:
        message(text(kEmptyNumber), kBoxTitle, ui::MessageIcon::Stop);
        break;
    case NewAccountRefusal::ForbiddenCharacter:
        message(text(kForbidden)
                    .arg(ForbiddenAccountCharacters().split(QString(), Qt::SkipEmptyParts).join(u' ')),
                kBoxTitle, ui::MessageIcon::Stop);
        break;
    case NewAccountRefusal::Exists:
        message(existsText(number), kBoxTitle, ui::MessageIcon::Stop);
        break;
    }
    askNumberAgain();
}

QString Creer::existsText(const QString& number) const {
    return text(kExists).arg(number, QString::number(ctx().clock.today().year()));
}

void Creer::askNumberAgain() {
    text1_->show();
    text1_->selectAll();
    text1_->setFocus();
}

void Creer::onSecondEntered() {
    const QString number = text1_->text().trimmed();
    const QString password = text2_->text();
    text2_->hide();
    NewAccountRefusal refusal = NewAccountRefusal::None;
    if (!guarded([&] { refusal = StoreAccountUser(ctx(), number, password); })) {
        reset();
        return;
    }
    if (refusal == NewAccountRefusal::Exists) {
        message(existsText(number), kBoxTitle, ui::MessageIcon::Stop);
        reset();
        return;
    }
    open(screen::MotDePasse);
}

} // namespace tirelou::accounts
