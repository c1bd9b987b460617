#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class SupprimeTest : public AccountScreensTest {
protected:
    // Accounts 1 and 2, an archived year of account 1, and the login's delete button.
    void fromTheLogin(const QString& language) {
        data.setLanguage(language);
        data.addAccount(u"1"_s, 2026, u"UN"_s);
        data.addAccount(u"2"_s, 2026, u"DEUX"_s);
        QDir().mkpath(data.ctx().archiveDir());
        QFile::copy(data.path(u"12026.acd"_s), data.ctx().archivePath(u"12025.acd"_s));
        frame->resize(800, 600);
        open(screen::MotDePasse);
        clickToolbar(2);
        settle();
        ASSERT_EQ(currentName(), screen::Supprime);
    }
    bool exists(const char* file) const { return QFile::exists(data.path(QString::fromLatin1(file))); }
};

} // namespace

TEST_F(SupprimeTest, EnterOnThePresetAnswerKeepsTheAccount) {
    fromTheLogin(French);
    EXPECT_EQ(current()->caption(), u"Supprimer un Compte"_s);
    EXPECT_EQ(frame->caption(), u"Supprimer un Compte"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU "_s);
    EXPECT_EQ(prompt(), u"CLIQUEZ SUR LE N° A SUPPRIMER"_s);
    EXPECT_EQ(toolbarCaptions(), u"Retour Menu"_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"N°|BANQUE"_s, u"1|1"_s, u"2|2"_s}));

    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), u" COMPTE NUMERO 1  \"1\" VA ÊTRE SUPPRIMER O/N "_s);
    EXPECT_EQ(field(1)->text(), u"N"_s);
    EXPECT_TRUE(field(1)->hasFocus());
    PressEnter(field(1));
    EXPECT_EQ(prompt(), u" COMPTE NUMERO 1 NE SERA PAS SUPPRIMER "_s);
    EXPECT_TRUE(grid()->hasFocus()); // not the way back, which a second Enter would press
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_FALSE(field(2)->isVisible());
    EXPECT_TRUE(exists("12026.acd"));

    // Another row can be picked after that; only the first character counts, and a
    // leading blank is no "N": the password is asked.
    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(prompt(), u" COMPTE NUMERO 2  \"2\" VA ÊTRE SUPPRIMER O/N "_s);
    field(1)->clear();
    Enter(field(1), u" N"_s);
    EXPECT_EQ(prompt(), u" Mot de passe du Compte \"2\" "_s);
    EXPECT_TRUE(exists("22026.acd"));
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SupprimeTest, TheRightPasswordDeletesAndTheLoginListsTheOtherAccount) {
    fromTheLogin(English);
    EXPECT_EQ(current()->caption(), u"To suppress an Account"_s);
    EXPECT_EQ(frame->caption(), u"To suppress an Account"_s);
    EXPECT_EQ(prompt(), u"CLICK ON THE NUMBER TO to SUPPRESS"_s);
    EXPECT_EQ(toolbarCaptions(), u"Return Menu"_s);
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), u" ACCOUNT NUMBER 1  \"1\" GOING SUPPRESS O=Yes/N "_s);
    EXPECT_LE(frame->width(), 800); // the long prompts do not widen the frame
    Enter(field(1), u"o"_s);        // typing replaces the preset answer
    EXPECT_EQ(prompt(), u" Password of the Account \"1\" "_s);
    EXPECT_TRUE(field(2)->hasFocus());
    Enter(field(2), u"deux"_s);
    EXPECT_EQ(messageTexts(), QStringList{u"Refused access, Incorrect password, !!"_s});
    EXPECT_EQ(field(2)->text(), QString());
    EXPECT_TRUE(exists("12026.acd"));
    Enter(field(2), u"un"_s);
    settle();

    ASSERT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(exists("12026.acd"));
    EXPECT_TRUE(QFile::exists(data.ctx().archivePath(u"12025.acd"_s)));
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"N°|BANK"_s, u"1|2"_s}));
    EXPECT_EQ(data.ctx().modeCode, 0); // the login counts its own attempts afresh
    EXPECT_EQ(ended, 0);
}

TEST_F(SupprimeTest, ThreeWrongPasswordsAfterOneConfirmationEndTheProgram) {
    fromTheLogin(French);
    ClickGridCell(grid(), 2, 1);
    Enter(field(1), u"O"_s);
    Enter(field(2), u"A"_s);
    Enter(field(2), u"B"_s);
    // A new confirmation starts the count again.
    ClickGridCell(grid(), 2, 1);
    PressEnter(field(1)); // still "N" preset: kept
    ClickGridCell(grid(), 2, 1);
    Type(field(1), u"\b"_s);
    PressEnter(field(1)); // an empty answer is yes
    EXPECT_EQ(prompt(), u" Mot de passe du Compte \"2\" "_s);
    Enter(field(2), u"C"_s);
    Enter(field(2), u"D"_s);
    EXPECT_EQ(ended, 0);
    Enter(field(2), u"E"_s);
    const QString refused = u"Accès refusé, Mot de Passe Incorrect !!"_s;
    EXPECT_EQ(messageTexts(),
              (QStringList{refused, refused, refused, refused, u"Accès refusé, Pour la 3° fois TCHAO !!"_s}));
    EXPECT_EQ(messages().last().icon, ui::MessageIcon::Stop);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(exists("22026.acd"));
}

TEST_F(SupprimeTest, TheHeadingRowPicksNoAccount) {
    fromTheLogin(English);
    ClickGridCell(grid(), 0, 1);
    EXPECT_EQ(prompt(), u"ACCOUNT NUMBER 0 EMPTINESS"_s);
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_FALSE(toolbar()->isEnabled());
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
    ASSERT_TRUE(WaitFor([this] { return grid()->isEnabled(); }));
    EXPECT_EQ(prompt(), u"CLICK ON THE NUMBER TO to SUPPRESS"_s);
    EXPECT_TRUE(toolbar()->isEnabled());
    EXPECT_EQ(grid()->rowCount(), 3);
}

TEST_F(SupprimeTest, TheKeyboardAloneDeletesAnAccount) {
    fromTheLogin(French);
    ASSERT_TRUE(grid()->hasFocus());
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Down);
    ASSERT_EQ(grid()->currentRow(), 2);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(prompt(), u" COMPTE NUMERO 2  \"2\" VA ÊTRE SUPPRIMER O/N "_s);
    ASSERT_TRUE(field(1)->hasFocus());
    Enter(field(1), u"O"_s);
    ASSERT_TRUE(field(2)->hasFocus());
    Enter(field(2), u"DEUX"_s);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(exists("22026.acd"));
    EXPECT_TRUE(exists("12026.acd"));
}
