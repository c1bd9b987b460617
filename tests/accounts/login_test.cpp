#include "accounts/accounts.h"
#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

using LoginTest = AccountScreensTest;

const QString kRefused = u"Accès refusé, Utilisateur ou Mot de Passe Incorrect !!"_s;
const QString kChoose = u"Cliquez Sur le Compte de Votre Choix"_s;

} // namespace

TEST_F(LoginTest, OneWrongPasswordThenTheRightOneOpensTheMenu) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026, u"UN"_s);
    data.addAccount(u"22"_s, 2026, u"SECRET"_s, 3);
    open(screen::MotDePasse);
    EXPECT_EQ(frame->caption(), u"TIRELOU"_s);
    EXPECT_EQ(current()->caption(), u"Mot de Passe"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU FAMILIAL "_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"N°|BANQUE"_s, u"1|1"_s, u"2|22"_s}));
    EXPECT_EQ(prompt(), kChoose);
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_EQ(toolbarCaptions(), u"CREER COMPTE|SUPPRIMER COMPTE|LISEZ MOI|QUITTER|LANGUAGE"_s);

    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(label(u"Label3"_s), u"22"_s);
    EXPECT_EQ(prompt(), u"Mot de Passe, Puis Entrée"_s);
    EXPECT_TRUE(field(1)->hasFocus());
    Enter(field(1), u"secrte"_s);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, kRefused);
    EXPECT_EQ(messages()[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(field(1)->text(), QString());

    // Typed in lower case, stored in upper case: the field turns every key into a capital.
    Type(field(1), u"secret"_s);
    EXPECT_EQ(field(1)->text(), u"SECRET"_s);
    PressEnter(field(1));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountFile, u"222026.acd"_s);
    EXPECT_EQ(data.ctx().monthTable, u"Mars"_s);
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(LoginTest, ThreeWrongPasswordsEndTheProgramEvenAcrossAccounts) {
    data.setLanguage(English);
    data.addAccount(u"A"_s, 2026, u"ALPHA"_s);
    data.addAccount(u"B"_s, 2026, u"BETA"_s);
    open(screen::MotDePasse);
    logInto(1, u"beta"_s);
    Enter(field(1), u"gamma"_s);
    EXPECT_EQ(ended, 0);
    logInto(2, u"alpha"_s);
    const QString refused = u"Refused access, User or Incorrect password, !!"_s;
    EXPECT_EQ(messageTexts(),
              (QStringList{refused, refused, u"Refused access, For the 3° TCHAO times !!"_s}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(data.ctx().accountNumber.isEmpty());
}

TEST_F(LoginTest, TheHeadingRowIsAnEmptyRowAndResetsTheCount) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026, u"UN"_s);
    open(screen::MotDePasse);
    logInto(1, u"X"_s);
    Enter(field(1), u"Y"_s);

    ClickGridCell(grid(), 0, 1);
    EXPECT_EQ(prompt(), u"COMPTE NUMERO 0 VIDE"_s);
    EXPECT_FALSE(toolbar()->isEnabled());
    EXPECT_FALSE(field(1)->isVisible());
    ASSERT_TRUE(WaitFor([this] { return prompt() == kChoose; }));
    EXPECT_TRUE(toolbar()->isEnabled());
    EXPECT_TRUE(grid()->isEnabled());

    logInto(1, u"Z"_s);
    EXPECT_EQ(messageTexts().last(), kRefused);
    EXPECT_EQ(ended, 0);
    logInto(1, u"un"_s);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
}

// None of these is a failed attempt: the count goes on across them.
TEST_F(LoginTest, AccountsThatCannotBeOpenedAreExplainedAndKeepTheFailedAttempts) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026, u"UN"_s);
    data.addAccount(u"2"_s, 2026);
    data.login(data.addAccount(u"3"_s, 2026, u"TROIS"_s, 4), French);
    SetCurrentMonth(data.ctx(), 0);
    CloseAccountDb(data.ctx());
    ASSERT_TRUE(QFile::copy(data.path(TemplateFileName), data.path(u"82026.acd"_s))); // no user row
    QFile junk(data.path(u"92026.acd"_s));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not an account file, only text that happens to end in .acd, long enough to be read");
    junk.close();
    open(screen::MotDePasse);
    ASSERT_EQ(grid()->rowCount(), 6);
    ASSERT_TRUE(QFile::remove(data.path(u"22026.acd"_s))); // gone since the list was read

    logInto(1, u"X"_s);
    Enter(field(1), u"Y"_s);
    ui::MessageBox::clearRecorded();
    const char* why[] = {
        "Le fichier 22026.acd ne peut pas être ouvert : ce n'est pas un compte, ou il a disparu.",
        "Le mois en cours du compte 3 est endommagé : le compte ne peut pas être ouvert.",
        "Ce compte n'a pas de mot de passe : sa création n'a pas été terminée.",
        "Le fichier 92026.acd ne peut pas être ouvert : ce n'est pas un compte, ou il a disparu."};
    for (int row = 2; row <= 5; ++row) {
        SCOPED_TRACE(row);
        if (row == 3)
            logInto(row, u"TROIS"_s);
        else
            ClickGridCell(grid(), row, 1);
        EXPECT_EQ(messageTexts().value(row - 2), QString::fromUtf8(why[row - 2]));
        EXPECT_EQ(currentName(), screen::MotDePasse);
        EXPECT_FALSE(field(1)->isVisible());
        EXPECT_TRUE(grid()->isEnabled());
        EXPECT_EQ(prompt(), kChoose);
    }
    EXPECT_FALSE(data.ctx().accountDb.isOpen()); // not left on the previous account
    EXPECT_FALSE(QFile::exists(data.path(u"22026.acd"_s)));

    logInto(1, u"Z"_s);
    EXPECT_EQ(messageTexts().last(), u"Accès refusé, Pour la 3° fois TCHAO !!"_s);
    EXPECT_EQ(ended, 1);
}

TEST_F(LoginTest, TheLanguageButtonComesBackToLoginInTheNewLanguage) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026);
    open(screen::MotDePasse);
    clickToolbar(5);
    settle();
    ASSERT_EQ(currentName(), screen::Language);
    EXPECT_EQ(data.ctx().modeCode, 44);
    auto* combo = child<QComboBox>(u"Combo1"_s);
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);
    settle();

    ASSERT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(handOver(handover::Langue), u"English"_s);
    EXPECT_EQ(current()->caption(), u"Password"_s);
    EXPECT_EQ(label(u"Label1"_s), u" DOMESTIC TIRELOU "_s);
    EXPECT_EQ(prompt(), u"Click On the Account of Your Choice"_s);
    EXPECT_EQ(grid()->rowTexts().first(), u"N°|BANK"_s);
    EXPECT_EQ(toolbarCaptions(), u"To CREATE ACCOUNT|To SUPPRESS ACCOUNT|READ ME|To LEAVE|LANGUAGE"_s);
    EXPECT_EQ(data.ctx().modeCode, 0);

    // The prompt of password entry stays in French whatever the language.
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), u"Mot de Passe, Puis Entrée"_s);
    ClickGridCell(grid(), 0, 0);
    EXPECT_EQ(prompt(), u"ACCOUNT NUMBER 0 EMPTINESS"_s);
}

TEST_F(LoginTest, TheButtonsOpenCreationOrLeave) {
    data.addAccount(u"1"_s, 2026);
    open(screen::MotDePasse);
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::Creer);
    open(screen::MotDePasse);
    clickToolbar(4);
    EXPECT_EQ(ended, 1);
}
