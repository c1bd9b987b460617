#include "data/database.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"
#include "ui/widgets.h"
#include "ui/window.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

const QString kRefused = QStringLiteral("Accès refusé, Utilisateur ou Mot de Passe Incorrect !!");
const QString kRefusedLast = QStringLiteral("Accès refusé, Pour la 3° fois TCHAO !!");

class LoginTest : public AccountScreensTest {
protected:
    ui::Grid* grid() const { return child<ui::Grid>(QStringLiteral("MSFlexGrid1")); }
    ui::InputField* password() const { return child<ui::InputField>(QStringLiteral("Text1")); }
    QString prompt() const { return label(QStringLiteral("Label2")); }
};

} // namespace

TEST_F(LoginTest, OneWrongPasswordThenTheRightOneOpensTheMenu) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"));
    data.addAccount(QStringLiteral("22"), 2026, QStringLiteral("SECRET"), 3);
    open(screen::MotDePasse);
    EXPECT_EQ(frame->caption(), QStringLiteral("TIRELOU"));
    EXPECT_EQ(current()->caption(), QStringLiteral("Mot de Passe"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" TIRELOU FAMILIAL "));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("N°|BANQUE"), QStringLiteral("1|1"), QStringLiteral("2|22")}));
    EXPECT_EQ(prompt(), QStringLiteral("Cliquez Sur le Compte de Votre Choix"));
    EXPECT_FALSE(password()->isVisible());
    EXPECT_EQ(toolbarCaptions(), (QStringList{QStringLiteral("CREER COMPTE"),
                                              QStringLiteral("SUPPRIMER COMPTE"), QStringLiteral("LISEZ MOI"),
                                              QStringLiteral("QUITTER"), QStringLiteral("LANGUAGE")}));

    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("22"));
    EXPECT_EQ(prompt(), QStringLiteral("Mot de Passe, Puis Entrée"));
    EXPECT_TRUE(password()->hasFocus());

    Enter(password(), QStringLiteral("secrte"));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, kRefused);
    EXPECT_EQ(messages()[0].title, QStringLiteral("TIRELOU"));
    EXPECT_EQ(messages()[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(password()->text(), QString());
    EXPECT_EQ(currentName(), screen::MotDePasse);

    // Typed in lower case, stored in upper case: the field turns every key into a capital.
    Type(password(), QStringLiteral("secret"));
    EXPECT_EQ(password()->text(), QStringLiteral("SECRET"));
    PressEnter(password());
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountNumber, QStringLiteral("22"));
    EXPECT_EQ(data.ctx().accountFile, QStringLiteral("222026.acd"));
    EXPECT_EQ(data.ctx().currentMonth, 3);
    EXPECT_EQ(data.ctx().monthTable, QStringLiteral("Mars"));
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(ended, 0);
}

TEST_F(LoginTest, ThreeWrongPasswordsEndTheProgramEvenAcrossAccounts) {
    data.setLanguage(English);
    data.addAccount(QStringLiteral("A"), 2026, QStringLiteral("ALPHA"));
    data.addAccount(QStringLiteral("B"), 2026, QStringLiteral("BETA"));
    open(screen::MotDePasse);
    ClickGridCell(grid(), 1, 1);
    Enter(password(), QStringLiteral("beta"));
    Enter(password(), QStringLiteral("gamma"));
    EXPECT_EQ(ended, 0);
    ClickGridCell(grid(), 2, 0); // the other account: the count goes on
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("B"));
    Enter(password(), QStringLiteral("alpha"));
    EXPECT_EQ(messageTexts(), (QStringList{QStringLiteral("Refused access, User or Incorrect password, !!"),
                                           QStringLiteral("Refused access, User or Incorrect password, !!"),
                                           QStringLiteral("Refused access, For the 3° TCHAO times !!")}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(data.ctx().accountNumber.isEmpty());
}

TEST_F(LoginTest, TheHeadingRowIsAnEmptyRowAndResetsTheCount) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"));
    open(screen::MotDePasse);
    ClickGridCell(grid(), 1, 1);
    Enter(password(), QStringLiteral("X"));
    Enter(password(), QStringLiteral("Y"));

    ClickGridCell(grid(), 0, 1);
    EXPECT_EQ(prompt(), QStringLiteral("COMPTE NUMERO 0 VIDE"));
    EXPECT_FALSE(toolbar()->isEnabled());
    EXPECT_FALSE(password()->isVisible());
    ASSERT_TRUE(
        WaitFor([this] { return prompt() == QStringLiteral("Cliquez Sur le Compte de Votre Choix"); }));
    EXPECT_TRUE(toolbar()->isEnabled());
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(grid()->rowCount(), 2);

    // Two failures before the reset do not count any more.
    ClickGridCell(grid(), 1, 1);
    Enter(password(), QStringLiteral("Z"));
    EXPECT_EQ(messageTexts().last(), kRefused);
    EXPECT_EQ(ended, 0);
    Enter(password(), QStringLiteral("un"));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
}

TEST_F(LoginTest, AFileThatCannotBeOpenedKeepsTheFailedAttempts) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"));
    data.addAccount(QStringLiteral("2"), 2026, QStringLiteral("DEUX"));
    QFile junk(data.path(QStringLiteral("92026.acd")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not an account file, only text that happens to end in .acd, long enough to be read");
    junk.close();
    open(screen::MotDePasse);
    ASSERT_EQ(grid()->rowCount(), 4);
    ASSERT_TRUE(QFile::remove(data.path(QStringLiteral("22026.acd")))); // gone since the list was read

    ClickGridCell(grid(), 1, 1);
    Enter(password(), QStringLiteral("X"));
    Enter(password(), QStringLiteral("Y"));

    ClickGridCell(grid(), 3, 1);
    EXPECT_EQ(messageTexts().last(),
              QStringLiteral("Le fichier 92026.acd ne peut pas être ouvert : ce n'est pas un compte, ou il a "
                             "disparu."));
    EXPECT_EQ(messages().last().icon, ui::MessageIcon::Stop);
    EXPECT_FALSE(password()->isVisible());
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_TRUE(toolbar()->isEnabled());
    EXPECT_EQ(prompt(), QStringLiteral("Cliquez Sur le Compte de Votre Choix"));

    ClickGridCell(grid(), 2, 1);
    EXPECT_TRUE(messageTexts().last().startsWith(QStringLiteral("Le fichier 22026.acd ne peut pas")));
    EXPECT_FALSE(password()->isVisible());
    EXPECT_EQ(messages().size(), 4);

    ClickGridCell(grid(), 1, 1);
    EXPECT_TRUE(password()->isVisible());
    Enter(password(), QStringLiteral("Z"));
    EXPECT_EQ(messageTexts().last(), kRefusedLast);
    EXPECT_EQ(ended, 1);
}

TEST_F(LoginTest, ADamagedMonthIsExplainedAndTheAccountNotOpened) {
    data.setLanguage(English);
    const QString file = data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"), 4);
    {
        Database db;
        db.open(data.path(file));
        RecordSet rs;
        rs.open(db, table::Mois);
        rs.edit();
        rs.setValue(field::Encour, QStringLiteral("1e10"));
        rs.update();
    }
    open(screen::MotDePasse);
    ClickGridCell(grid(), 1, 1);
    Enter(password(), QStringLiteral("UN"));
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(messageTexts(),
              QStringList{QStringLiteral(
                  "The current month of the account 1 is damaged: the account cannot be opened.")});
    EXPECT_FALSE(password()->isVisible());
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(prompt(), QStringLiteral("Click On the Account of Your Choice"));
    EXPECT_TRUE(data.ctx().accountNumber.isEmpty());
    EXPECT_EQ(data.ctx().modeCode, 0); // the password was right
}

TEST_F(LoginTest, WithNoAccountCreationTakesTheFrame) {
    data.setLanguage(French);
    open(screen::MotDePasse);
    settle();
    EXPECT_EQ(currentName(), screen::Creer);
    EXPECT_EQ(data.ctx().modeCode, 22);
    EXPECT_EQ(frame->findChildren<ui::ScreenBase*>().size(), 1);
}

TEST_F(LoginTest, AnUnfinishedAccountIsExplainedNotOpened) {
    data.setLanguage(French);
    ASSERT_TRUE(QFile::copy(data.path(TemplateFileName), data.path(QStringLiteral("92026.acd"))));
    open(screen::MotDePasse);
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral(
                                  "Ce compte n'a pas de mot de passe : sa création n'a pas été terminée.")});
    EXPECT_FALSE(password()->isVisible());
    EXPECT_TRUE(grid()->isEnabled());
}

TEST_F(LoginTest, TheLanguageButtonComesBackToLoginInTheNewLanguage) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026);
    open(screen::MotDePasse);
    clickToolbar(5);
    settle();
    ASSERT_EQ(currentName(), screen::Language);
    EXPECT_EQ(frame->caption(), QStringLiteral("Language"));
    EXPECT_EQ(data.ctx().modeCode, 44);
    auto* combo = child<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Français"));
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QStringLiteral("English"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    settle();

    ASSERT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(handOverLines(handover::Langue), QStringList{QStringLiteral("English")});
    EXPECT_EQ(current()->caption(), QStringLiteral("Password"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" DOMESTIC TIRELOU "));
    EXPECT_EQ(prompt(), QStringLiteral("Click On the Account of Your Choice"));
    EXPECT_EQ(grid()->rowTexts().first(), QStringLiteral("N°|BANK"));
    EXPECT_EQ(
        toolbarCaptions(),
        (QStringList{QStringLiteral("To CREATE ACCOUNT"), QStringLiteral("To SUPPRESS ACCOUNT"),
                     QStringLiteral("READ ME"), QStringLiteral("To LEAVE"), QStringLiteral("LANGUAGE")}));
    EXPECT_EQ(data.ctx().modeCode, 0);

    // The prompt of password entry stays in French whatever the language.
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), QStringLiteral("Mot de Passe, Puis Entrée"));
    ClickGridCell(grid(), 0, 0);
    EXPECT_EQ(prompt(), QStringLiteral("ACCOUNT NUMBER 0 EMPTINESS"));
}

TEST_F(LoginTest, HelpOpensThePageOfTheLanguageInTheBrowser) {
    data.addAccount(QStringLiteral("1"), 2026);
    for (const QString& language : {French, English}) {
        data.setLanguage(language);
        open(screen::MotDePasse);
        ui::KeepOnTop(frame.get());
        clickToolbar(3);
        const QString page = data.path(language == French ? QStringLiteral("Tirelou.html")
                                                          : QStringLiteral("Tireloueng.html"));
        ASSERT_FALSE(browser.urls.isEmpty());
        EXPECT_EQ(browser.urls.last(), QUrl::fromLocalFile(page));
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(language == French ? QStringLiteral("lang=\"fr\"")
                                                     : QStringLiteral("lang=\"en\"")));
        // The browser is not to be hidden behind the frame.
        EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
    EXPECT_EQ(browser.urls.size(), 2);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(LoginTest, TheOtherButtonsLeaveCreateOrSayTheScreenIsMissing) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026);
    open(screen::MotDePasse);
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::Creer);

    open(screen::MotDePasse);
    clickToolbar(4);
    EXPECT_EQ(ended, 1);
}
