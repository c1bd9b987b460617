#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"

#include <QDir>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class CreerTest : public AccountScreensTest {
protected:
    ui::InputField* number() const { return field(1); }
    ui::InputField* password() const { return field(2); }
    QStringList filesOfYear() const { return QDir(data.dir()).entryList({u"*2026.acd*"_s}, QDir::Files); }
    static QString exists(const QString& number) {
        return u"Le compte %1 existe déjà pour l'année 2026 : il n'est pas remplacé. "_s.arg(number) +
               u"Choisissez un autre numéro."_s;
    }
};

} // namespace

TEST_F(CreerTest, AFreeRowBecomesAnAccountThatCanBeLoggedInto) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026);
    open(screen::Creer);
    EXPECT_EQ(current()->caption(), u"Creer un Compte"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU FAMILIAL "_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"N°|BANQUE"_s, u"1|1"_s, u"2|"_s}));
    EXPECT_FALSE(number()->isVisible());

    // An occupied row is said so, then the grid comes back.
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), u" COMPTE NUMERO 1 EST OCCUPE "_s);
    ASSERT_TRUE(WaitFor([this] { return current()->isEnabled() && !prompt().contains(u"OCCUPE"_s); }));
    EXPECT_FALSE(number()->isVisible());

    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(prompt(), u" COMPTE N° 2 : NUMERO DE COMPTE A CREER S.V.P. "_s);
    EXPECT_EQ(handOver(handover::Lire), u"2"_s);
    EXPECT_FALSE(grid()->isEnabled());
    Enter(number(), u"b 7"_s);
    EXPECT_FALSE(number()->isVisible());
    EXPECT_EQ(prompt(), u"Mot de Passe du compte B 7 "_s);
    EXPECT_TRUE(password()->hasFocus());
    Enter(password(), u"neuf"_s);
    settle();

    ASSERT_EQ(currentName(), screen::MotDePasse);
    const QString file = data.path(u"B 72026.acd"_s);
    EXPECT_EQ(data.rowsOf(file, table::Usager).value(0).value(field::Passe), EncodePassword(u"NEUF"_s));
    EXPECT_EQ(data.rowsOf(file, table::Rubriques).size() + data.rowsOf(file, table::Rubriqueseng).size(), 20);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(grid()->rowTexts().last(), u"2|B 7"_s);
    logInto(2, u"neuf"_s);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountNumber, u"B 7"_s);
}

TEST_F(CreerTest, ExistingAndEmptyNumbersAreRefusedAndNothingIsReplaced) {
    data.setLanguage(French);
    const QString existing = data.addAccount(u"1"_s, 2026, u"OLD"_s);
    open(screen::Creer);
    ClickGridCell(grid(), 2, 0);
    Enter(number(), QString());
    Enter(number(), u"1"_s);
    EXPECT_EQ(messageTexts(),
              (QStringList{u"Tapez un numéro de compte : il ne peut pas être vide."_s, exists(u"1"_s)}));
    EXPECT_EQ(messages().last().icon, ui::MessageIcon::Stop);
    EXPECT_FALSE(password()->isVisible());
    EXPECT_EQ(filesOfYear(), QStringList{existing});

    // Typing over the refused number goes on with the creation.
    ASSERT_TRUE(number()->isVisible());
    Enter(number(), u"2"_s);
    EXPECT_TRUE(password()->isVisible());
    EXPECT_EQ(messages().size(), 2);
}

TEST_F(CreerTest, LeavingBeforeThePasswordLeavesNoAccount) {
    data.setLanguage(English);
    data.addAccount(u"1"_s, 2026);
    open(screen::Creer);
    EXPECT_EQ(current()->caption(), u"To create an Account"_s);
    EXPECT_EQ(toolbarCaptions(), u"RETURN"_s);
    EXPECT_EQ(grid()->rowTexts().first(), u"N°|BANK"_s);
    ClickGridCell(grid(), 0, 0); // the heading row is taken as a free slot
    EXPECT_EQ(prompt(), u" ACCOUNT NUMBER 0 : NAME TO to CREATE IF PLEASES "_s);
    Enter(number(), u"9"_s);
    EXPECT_EQ(prompt(), u"Password of the account 9 "_s);
    EXPECT_EQ(filesOfYear().size(), 2); // the account being made, under its temporary name

    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(filesOfYear(), QStringList{u"12026.acd"_s});
}

TEST_F(CreerTest, AnAccountNumberHoldingPercentSignsIsShownAsTyped) {
    data.setLanguage(French);
    data.addAccount(u"A%1"_s, 2026);
    open(screen::Creer);
    ClickGridCell(grid(), 2, 1);
    Enter(number(), u"a%1"_s);
    // Made by someone else while the password was being typed: also said as typed.
    Enter(number(), u"b%1%2"_s);
    ASSERT_TRUE(password()->isVisible());
    data.addAccount(u"B%1%2"_s, 2026);
    Enter(password(), u"X"_s);
    EXPECT_EQ(messageTexts(), (QStringList{exists(u"A%1"_s), exists(u"B%1%2"_s)}));
    EXPECT_EQ(currentName(), screen::Creer);
}

TEST_F(CreerTest, ASlotThatCannotBeHandedOverIsNotTaken) {
    data.setLanguage(English);
    data.addAccount(u"1"_s, 2026);
    ASSERT_TRUE(QDir(data.dir()).mkdir(handover::Lire));
    open(screen::Creer);
    const QString before = prompt();
    ClickGridCell(grid(), 2, 1);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].icon, ui::MessageIcon::Stop);
    EXPECT_FALSE(number()->isVisible());
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(prompt(), before);
}
