#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class CodeTest : public AccountScreensTest {
protected:
    // Logged into account A (March), then the menu's password button.
    void fromTheMenu(const QString& language) {
        data.addAccount(u"A"_s, 2026, u"ALPHA"_s, 3);
        data.addAccount(u"B"_s, 2026, u"BETA"_s, 7);
        data.login(u"A2026.acd"_s, language);
        frame->resize(800, 600);
        open(screen::MenuTirelou);
        clickToolbar(7);
        settle();
        ASSERT_EQ(currentName(), screen::Code);
    }
    QString stored(const char* file) const {
        return data.rowsOf(data.path(QString::fromLatin1(file)), table::Usager).value(0).value(field::Passe);
    }
};

} // namespace

TEST_F(CodeTest, TheNewPasswordOpensTheMenuOnThePickedAccount) {
    fromTheMenu(French);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
    EXPECT_EQ(frame->caption(), u"CODE"_s);
    EXPECT_EQ(current()->caption(), u"CODE"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU FAMILIAL "_s);
    EXPECT_EQ(prompt(), u"CLIQUEZ SUR LE N° QUE VOUS DESIREZ MODIFIER LE MOT DE PASSE"_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"N°|BANQUE"_s, u"1|A"_s, u"2|B"_s}));
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_FALSE(field(2)->isVisible());

    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(prompt(), u"ANCIEN MOT DE PASSE DE B"_s);
    EXPECT_LE(frame->width(), 800); // the long prompts do not widen the frame
    EXPECT_FALSE(grid()->isEnabled());
    EXPECT_TRUE(field(1)->hasFocus());
    EXPECT_EQ(field(1)->accessibleName(), u"ANCIEN MOT DE PASSE DE B"_s);
    Enter(field(1), u"beta"_s); // typed in lower case, it reaches the field in capitals
    EXPECT_EQ(prompt(), u"NOUVEAU MOT DE PASSE"_s);
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_TRUE(field(2)->hasFocus());
    Enter(field(2), u"gamma"_s);
    settle();

    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(stored("B2026.acd"), EncodePassword(u"GAMMA"_s));
    EXPECT_EQ(stored("A2026.acd"), EncodePassword(u"ALPHA"_s));
    EXPECT_EQ(data.ctx().accountDb.path(), data.path(u"B2026.acd"_s));
    EXPECT_EQ(label(u"Label3"_s), u"Mois En Cours Juillet"_s);
    EXPECT_EQ(label(u"Label4"_s), u"Compte B   0.00 €"_s);
}

TEST_F(CodeTest, AWrongOldPasswordEndsTheProgramWritingNothing) {
    fromTheMenu(English);
    EXPECT_EQ(prompt(), u"CLICK ON THE N° THAT YOU WANT to MODIFY"_s);
    EXPECT_EQ(grid()->rowTexts().first(), u"N°|BANK"_s);
    EXPECT_EQ(toolbarCaptions(), u"RETURN"_s);
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), u"OLD WORD OF PASSES OF A"_s);
    Enter(field(1), u"beta"_s);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, u"BETA  BAD CODE"_s);
    EXPECT_EQ(messages()[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(stored("A2026.acd"), EncodePassword(u"ALPHA"_s));
}

TEST_F(CodeTest, AnEmptyNewPasswordIsThenTheLoginPassword) {
    fromTheMenu(English);
    ClickGridCell(grid(), 1, 1);
    Enter(field(1), u"alpha"_s);
    EXPECT_EQ(prompt(), u"NEW WORD OF PASSES"_s);
    PressEnter(field(2));
    settle();
    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(stored("A2026.acd"), QString());
    EXPECT_EQ(label(u"Label4"_s), u"Account A   0.00 £"_s);

    clickToolbar(6); // to the login
    settle();
    ASSERT_EQ(currentName(), screen::MotDePasse);
    logInto(1, u"alpha"_s);
    EXPECT_EQ(messageTexts(), QStringList{u"Refused access, User or Incorrect password, !!"_s});
    PressEnter(field(1));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
}

TEST_F(CodeTest, TheHeadingRowPicksNothingAndReturnGoesToLogin) {
    fromTheMenu(French);
    ClickGridCell(grid(), 0, 1);
    EXPECT_EQ(prompt(), u"COMPTE NUMERO 0 VIDE"_s);
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_FALSE(toolbar()->isEnabled());
    ASSERT_TRUE(WaitFor([this] { return grid()->isEnabled(); }));
    EXPECT_EQ(prompt(), u"CLIQUEZ SUR LE N° QUE VOUS DESIREZ MODIFIER LE MOT DE PASSE"_s);
    EXPECT_TRUE(toolbar()->isEnabled());

    ClickGridCell(grid(), 1, 1);
    EXPECT_TRUE(data.ctx().accountDb.isOpen());
    EXPECT_EQ(toolbarCaptions(), u"RETOUR"_s);
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
    EXPECT_EQ(ended, 0);
}
