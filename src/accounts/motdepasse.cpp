#include "accounts/motdepasse.h"

#include "accounts/accountgrid.h"
#include "accounts/accounts.h"
#include "accounts/links.h"
#include "data/numbers.h"
#include "data/workingcontext.h"
#include "ui/mainframe.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::accounts {
namespace {

constexpr ui::Caption kCaption{u"Mot de Passe", u"Password"};
constexpr ui::Caption kButtons[] = {
    {u"CREER COMPTE", u"To CREATE ACCOUNT"},
    {u"SUPPRIMER COMPTE", u"To SUPPRESS ACCOUNT"},
    {u"LISEZ MOI", u"READ ME"},
    {u"QUITTER", u"To LEAVE"},
    {u"LANGUAGE", u"LANGUAGE"},
};

constexpr ui::Caption kAccessCode{u"CODE D'ACCES S.V.P.", u"CODE OF ACCESS PLEASES"};
constexpr ui::Caption kChoose{u"Cliquez Sur le Compte de Votre Choix",
                              u"Click On the Account of Your Choice"};
constexpr ui::Caption kPassword{u"Mot de Passe, Puis Entrée", u"Mot de Passe, Puis Entrée"};

constexpr ui::Caption kRefused{u"Accès refusé, Utilisateur ou Mot de Passe Incorrect !!",
                               u"Refused access, User or Incorrect password, !!"};
constexpr ui::Caption kRefusedLast{u"Accès refusé, Pour la 3° fois TCHAO !!",
                                   u"Refused access, For the 3° TCHAO times !!"};
constexpr ui::Caption kNoBrowser{u"L'aide n'a pas pu être ouverte : aucun navigateur n'est disponible.",
                                 u"The help could not be opened: no browser is available."};

const QString kBoxTitle = QStringLiteral("TIRELOU");

enum Button { Create = 1, Delete, ReadMe, Leave, ChangeLanguage };

} // namespace

MotDePasse::MotDePasse(const ui::ScreenEnv& env) : ScreenBase(env) {
    label1_ = makeTitle(ui::TitleCaptionCaps);
    label2_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("prompt"));
    label3_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("echo"));
    grid_ = MakeAccountGrid(this);
    text1_ = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
    text1_->setEchoMode(QLineEdit::Password);

    passwordRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(passwordRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label3_, 1);
    row->addWidget(text1_, 1);
    QSizePolicy keep = passwordRow_->sizePolicy();
    keep.setRetainSizeWhenHidden(true); // the screen does not jump when the row shows
    passwordRow_->setSizePolicy(keep);

    LayOutAccountScreen(body(), label1_, label2_, grid_, passwordRow_);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &MotDePasse::onToolbar);
    OnAccountChosen(grid_, [this](int r) { onGridClicked(r); });
    connect(text1_, &ui::InputField::entered, this, &MotDePasse::onPasswordEntered);
}

void MotDePasse::load() {
    reset();
}

void MotDePasse::reset() {
    passwordRow_->hide();
    label3_->clear();
    text1_->clear();
    readLanguage();
    label2_->setText(text(kAccessCode));

    toolbar()->setEnabled(false);
    grid_->setEnabled(false);
    const int files = FillAccountGrid(grid_, ctx(), false);
    grid_->setEnabled(true);
    toolbar()->setEnabled(true);
    label2_->setText(text(kChoose));
    RestartAttempts(ctx());
    applyScale();
    FitAccountGrid(grid_);
    grid_->setFocus(); // the arrows and Enter choose an account at once

    if (files == 0) {
        // Nothing to log into: account creation takes the frame.
        ctx().modeCode = modecode::CreationWithoutAccount;
        open(screen::Creer);
    }
}

void MotDePasse::onGridClicked(int row) {
    grid_->setEnabled(false);
    const int n = static_cast<int>(NumberValue(grid_->text(row, 0)));
    const QString account = grid_->text(row, 1);
    if (account.trimmed().isEmpty() || n <= 0) {
        toolbar()->setEnabled(false);
        passwordRow_->hide();
        label2_->setText(text(EmptyRowCaption).arg(n));
        pause([this] { reset(); });
        return;
    }
    QString why;
    const std::optional<QString> number = PickOrExplain(ctx(), n, PickAccount, why);
    if (!number) {
        backToChoice(why);
        return;
    }
    grid_->setEnabled(true);
    label3_->setText(*number);
    text1_->clear();
    passwordRow_->show();
    label2_->setText(text(kPassword));
    text1_->setFocus();
}

void MotDePasse::onPasswordEntered() {
    LoginOutcome outcome = LoginOutcome::Refused;
    if (!guarded([&] { outcome = TryLogin(ctx(), label3_->text(), text1_->text()); }))
        return;
    switch (outcome) {
    case LoginOutcome::Accepted:
        open(screen::MenuTirelou);
        return;
    case LoginOutcome::RefusedLast:
        message(text(kRefusedLast), kBoxTitle, ui::MessageIcon::Stop);
        endProgram();
        return;
    case LoginOutcome::Refused:
        message(text(kRefused), kBoxTitle, ui::MessageIcon::Stop);
        text1_->clear();
        text1_->setFocus();
        return;
    case LoginOutcome::DamagedMonth:
        backToChoice(text(DamagedMonthCaption).arg(label3_->text()));
        return;
    }
}

void MotDePasse::backToChoice(const QString& why) {
    passwordRow_->hide();
    text1_->clear();
    grid_->setEnabled(true);
    label2_->setText(text(kChoose));
    message(why, kBoxTitle, ui::MessageIcon::Stop);
}

void MotDePasse::onToolbar(int index) {
    switch (index) {
    case Create:
        open(screen::Creer);
        break;
    case Delete:
        open(screen::Supprime);
        break;
    case ReadMe:
        if (!OpenHelp(ctx(), &frame(), screen::MotDePasse))
            message(text(kNoBrowser), kBoxTitle, ui::MessageIcon::Stop);
        break;
    case Leave:
        endProgram();
        break;
    case ChangeLanguage:
        ctx().modeCode = modecode::LanguageFromLogin;
        open(screen::Language);
        break;
    default:
        break;
    }
}

} // namespace tirelou::accounts
