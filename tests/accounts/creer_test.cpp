#include "data/handover.h"
#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFile>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class CreerTest : public AccountScreensTest {
protected:
    ui::Grid* grid() const { return child<ui::Grid>(QStringLiteral("MSFlexGrid1")); }
    ui::InputField* number() const { return child<ui::InputField>(QStringLiteral("Text1")); }
    ui::InputField* password() const { return child<ui::InputField>(QStringLiteral("Text2")); }
    QString prompt() const { return label(QStringLiteral("Label2")); }
    QStringList filesOfYear() const {
        return QDir(data.dir()).entryList({QStringLiteral("*2026.acd*")}, QDir::Files, QDir::Name);
    }
};

} // namespace

TEST_F(CreerTest, AFreeRowBecomesAnAccountThatCanBeLoggedInto) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026);
    open(screen::Creer);
    EXPECT_EQ(current()->caption(), QStringLiteral("Creer un Compte"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" TIRELOU FAMILIAL "));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("N°|BANQUE"), QStringLiteral("1|1"), QStringLiteral("2|")}));
    EXPECT_FALSE(number()->isVisible());
    EXPECT_FALSE(password()->isVisible());

    // An occupied row is said so, then the grid comes back.
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(prompt(), QStringLiteral(" COMPTE NUMERO 1 EST OCCUPE "));
    ASSERT_TRUE(
        WaitFor([this] { return current()->isEnabled() && !prompt().contains(QStringLiteral("OCCUPE")); }));
    EXPECT_FALSE(number()->isVisible());

    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(prompt(), QStringLiteral(" COMPTE N° 2 : NUMERO DE COMPTE A CREER S.V.P. "));
    EXPECT_EQ(handOverLines(handover::Lire), QStringList{QStringLiteral("2")});
    EXPECT_FALSE(grid()->isEnabled());
    Enter(number(), QStringLiteral("b 7"));
    EXPECT_FALSE(number()->isVisible());
    EXPECT_EQ(prompt(), QStringLiteral("Mot de Passe du compte B 7 "));
    EXPECT_TRUE(password()->hasFocus());
    Enter(password(), QStringLiteral("neuf"));
    settle();

    ASSERT_EQ(currentName(), screen::MotDePasse);
    const QString file = data.path(QStringLiteral("B 72026.acd"));
    const QList<Row> users = data.rowsOf(file, table::Usager);
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].value(field::NumCompte), QStringLiteral("B 7"));
    EXPECT_EQ(users[0].value(field::Passe), EncodePassword(QStringLiteral("NEUF")));
    EXPECT_EQ(data.rowsOf(file, table::Rubriques).size(), 10);
    EXPECT_EQ(data.rowsOf(file, table::Rubriqueseng).size(), 10);
    EXPECT_EQ(data.rowsOf(file, table::Mois).value(0).value(field::Encour), QStringLiteral("1"));
    EXPECT_TRUE(messages().isEmpty());

    // The login lists it and opens it with its password.
    auto* loginGrid = child<ui::Grid>(QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(loginGrid->rowTexts().last(), QStringLiteral("2|B 7"));
    ClickGridCell(loginGrid, 2, 1);
    Enter(child<ui::InputField>(QStringLiteral("Text1")), QStringLiteral("neuf"));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountNumber, QStringLiteral("B 7"));
    EXPECT_EQ(data.ctx().monthTable, QStringLiteral("Janvier"));
}

TEST_F(CreerTest, ExistingAndEmptyNumbersAreRefusedAndNothingIsReplaced) {
    data.setLanguage(French);
    const QString existing = data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("OLD"));
    open(screen::Creer);
    ClickGridCell(grid(), 2, 0);

    Enter(number(), QString());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Tapez un numéro de compte : il ne peut pas être vide."));
    EXPECT_TRUE(number()->isVisible());

    Enter(number(), QStringLiteral("1"));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[1].text,
              QStringLiteral("Le compte 1 existe déjà pour l'année 2026 : il n'est pas remplacé. "
                             "Choisissez un autre numéro."));
    EXPECT_EQ(messages()[1].icon, ui::MessageIcon::Stop);
    EXPECT_TRUE(number()->isVisible());
    EXPECT_FALSE(password()->isVisible());
    EXPECT_EQ(filesOfYear(), QStringList{existing});
    const QList<Row> users = data.rowsOf(data.path(existing), table::Usager);
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].value(field::Passe), EncodePassword(QStringLiteral("OLD")));

    // Typing over the refused number goes on with the creation.
    Enter(number(), QStringLiteral("2"));
    EXPECT_TRUE(password()->isVisible());
    EXPECT_EQ(messages().size(), 2);
}

TEST_F(CreerTest, LeavingBeforeThePasswordLeavesNoAccount) {
    data.setLanguage(English);
    data.addAccount(QStringLiteral("1"), 2026);
    open(screen::Creer);
    EXPECT_EQ(current()->caption(), QStringLiteral("To create an Account"));
    EXPECT_EQ(grid()->rowTexts().first(), QStringLiteral("N°|BANK"));
    ClickGridCell(grid(), 0, 0); // the heading row is taken as a free slot
    EXPECT_EQ(prompt(), QStringLiteral(" ACCOUNT NUMBER 0 : NAME TO to CREATE IF PLEASES "));
    Enter(number(), QStringLiteral("9"));
    EXPECT_EQ(prompt(), QStringLiteral("Password of the account 9 "));
    EXPECT_EQ(filesOfYear().size(), 2); // the account being made, under its temporary name

    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(filesOfYear(), QStringList{QStringLiteral("12026.acd")});
}

TEST_F(CreerTest, AnOccupiedRowIsSaidInEnglish) {
    data.setLanguage(English);
    data.addAccount(QStringLiteral("1"), 2026);
    data.addAccount(QStringLiteral("2"), 2026);
    open(screen::Creer);
    EXPECT_EQ(grid()->rowTexts().last(), QStringLiteral("3|"));
    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(prompt(), QStringLiteral(" ACCOUNT NUMBER 2 is OCCUPIES "));
    EXPECT_EQ(toolbarCaptions(), QStringList{QStringLiteral("RETURN")});
}

TEST_F(CreerTest, AnAccountNumberHoldingPercentSignsIsShownAsTyped) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("A%1"), 2026);
    open(screen::Creer);
    ClickGridCell(grid(), 2, 1);
    Enter(number(), QStringLiteral("a%1"));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text,
              QStringLiteral("Le compte A%1 existe déjà pour l'année 2026 : il n'est pas remplacé. "
                             "Choisissez un autre numéro."));

    // Made by someone else while the password was being typed: also said as typed.
    Enter(number(), QStringLiteral("b%1%2"));
    ASSERT_TRUE(password()->isVisible());
    data.addAccount(QStringLiteral("B%1%2"), 2026);
    Enter(password(), QStringLiteral("X"));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[1].text,
              QStringLiteral("Le compte B%1%2 existe déjà pour l'année 2026 : il n'est pas remplacé. "
                             "Choisissez un autre numéro."));
    EXPECT_EQ(currentName(), screen::Creer);
}

TEST_F(CreerTest, ASlotThatCannotBeHandedOverIsNotTaken) {
    data.setLanguage(English);
    data.addAccount(QStringLiteral("1"), 2026);
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
