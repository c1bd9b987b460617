#include "accounts/accounts.h"
#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QDir>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class MenuTest : public AccountScreensTest {
protected:
    // Account 5, in March, with a remainder of 100.
    void loginTo(const QString& language) {
        data.login(data.addAccount(QStringLiteral("5"), 2026, QStringLiteral("S"), 3), language);
        data.addRow(language == French ? QStringLiteral("Mars") : QStringLiteral("March"),
                    {{field::Reste, QStringLiteral("100")}});
    }
    ui::InputField* field(int n) const { return child<ui::InputField>(QStringLiteral("Text%1").arg(n)); }
    QString prompt() const { return label(QStringLiteral("Label5")); }
    // Empties the field as a user would, then types.
    void retype(ui::InputField* f, const QString& text) {
        f->setFocus();
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Backspace);
        Enter(f, text);
    }
    QString encour() const { return data.rows(table::Mois).value(0).value(field::Encour); }
    // The converter's text with the decimal sign of the machine's locale.
    static QString francs(const QString& whole, const QString& cents) {
        return whole + QLocale::system().decimalPoint() + cents + QStringLiteral("  Fr.");
    }
};

} // namespace

TEST_F(MenuTest, ShowsTheAccountTheMonthTheDateAndTheRemainder) {
    loginTo(French);
    data.addRow(QStringLiteral("Mars"), {{field::Reste, QStringLiteral("7")}}); // only the first row counts
    open(screen::MenuTirelou);
    EXPECT_EQ(frame->caption(), QStringLiteral("Menu Tirelou"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" TIRELOU FAMILIAL "));
    EXPECT_EQ(label(QStringLiteral("Label2")), MenuDateLine(QDate(2026, 3, 14), QLocale::system()));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("Mois En Cours Mars"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Compte 5   100.00 €"));
    EXPECT_TRUE(shown(QStringLiteral("Picture1")));
    for (int n = 1; n <= 3; ++n)
        EXPECT_FALSE(field(n)->isVisible());
    EXPECT_EQ(
        toolbarCaptions(),
        (QStringList{QStringLiteral("Mois en Cours"), QStringLiteral("Mois Suivant"),
                     QStringLiteral("Reprendre un Mois"), QStringLiteral("Consulter un Mois"),
                     QStringLiteral("Changer Rubrique"), QStringLiteral("Changer De Compte"),
                     QStringLiteral("Changer Mot De Passe"), QStringLiteral("Voir Theme"),
                     QStringLiteral("Voir 12 Mois"), QStringLiteral("Quitter"), QStringLiteral("Convertir"),
                     QStringLiteral("Lisez Moi"), QStringLiteral("Orvane")}));
    for (int i = 1; i <= 13; ++i)
        EXPECT_TRUE(toolbar()->isButtonEnabled(i) && toolbar()->isButtonVisible(i)) << i;
}

TEST_F(MenuTest, EnglishCaptionsAndThePoundSign) {
    loginTo(English);
    open(screen::MenuTirelou);
    EXPECT_EQ(frame->caption(), QStringLiteral("Menu Tirelou"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" DOMESTIC TIRELOU "));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("Month in progress March"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Account 5   100.00 £"));
    EXPECT_EQ(
        toolbarCaptions(),
        (QStringList{QStringLiteral("Month in progress"), QStringLiteral("Following month"),
                     QStringLiteral("To take one Month"), QStringLiteral("To consult one Month"),
                     QStringLiteral("To change Category"), QStringLiteral("To change Account"),
                     QStringLiteral("To change password"), QStringLiteral("To see Theme"),
                     QStringLiteral("To see 12 Months"), QStringLiteral("To leave"),
                     QStringLiteral("To convert"), QStringLiteral("Read Me"), QStringLiteral("Orvane")}));
}

TEST_F(MenuTest, AnAccountWithoutNumberOffersOnlyTheWebSite) {
    loginTo(French);
    data.ctx().accountNumber = QStringLiteral("  ");
    open(screen::MenuTirelou);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(toolbar()->isButtonVisible(i)) << i;
    EXPECT_TRUE(toolbar()->isButtonVisible(13));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("CE COMPTE EST VIDE, A CREER"));
    EXPECT_EQ(prompt(), QStringLiteral("RECOMMENCEZ"));
}

TEST_F(MenuTest, TakingBackAMonthWritesItAndGoesToLogin) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(3);
    EXPECT_EQ(prompt(), QStringLiteral("MOIS A REPRENDRE"));
    EXPECT_FALSE(shown(QStringLiteral("Picture1")));
    EXPECT_EQ(field(1)->text(), QStringLiteral("1"));

    Enter(field(1), QStringLiteral("13")); // replaces the 1 offered
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Tapez un numéro de mois de 1 à 12.")});
    EXPECT_EQ(encour(), QStringLiteral("3"));
    EXPECT_EQ(currentName(), screen::MenuTirelou);

    Enter(field(1), QStringLiteral("7"));
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(encour(), QStringLiteral("7"));
    EXPECT_EQ(data.ctx().currentMonth, 3); // the new month counts from the next login
}

TEST_F(MenuTest, AnEmptyTakeBackOnlyRedrawsTheMenu) {
    loginTo(English);
    open(screen::MenuTirelou);
    clickToolbar(3);
    EXPECT_EQ(prompt(), QStringLiteral("MONTH TO to TAKE"));
    retype(field(1), QString());
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(encour(), QStringLiteral("3"));
    EXPECT_TRUE(shown(QStringLiteral("Picture1")));
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MenuTest, ConsultingAMonthOfThisYear) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(4);
    EXPECT_EQ(prompt(), QStringLiteral("MOIS A CONSULTER"));
    Enter(field(1), QStringLiteral("4"));
    EXPECT_EQ(prompt(), QStringLiteral("E = EN COURS / A = ARCHIVE"));
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_EQ(field(2)->text(), QStringLiteral("E"));
    PressEnter(field(2));
    EXPECT_EQ(handOverLines(handover::Encour),
              (QStringList{QStringLiteral("CONSULT"), QStringLiteral(" 4 "), QStringLiteral(" 3 ")}));
}

TEST_F(MenuTest, ConsultingAnArchivedMonth) {
    loginTo(English);
    open(screen::MenuTirelou);
    clickToolbar(4);
    EXPECT_EQ(prompt(), QStringLiteral("MONTH TO to CONSULT"));
    Enter(field(1), QStringLiteral("11"));
    EXPECT_EQ(prompt(), QStringLiteral("E = IN PROGRESS / A = ARCHIVE"));
    Enter(field(2), QStringLiteral("a")); // lower case counts as A
    EXPECT_EQ(prompt(), QStringLiteral("CONCERNED YEAR"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("2025"));
    Enter(field(3), QStringLiteral("2021"));
    EXPECT_EQ(handOverLines(handover::Encour),
              (QStringList{QStringLiteral("ARCHIVE"), QStringLiteral(" 11 "), QStringLiteral("2021")}));
}

TEST_F(MenuTest, AnArchiveWithNoYearMeansLastYear) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(4);
    Enter(field(1), QStringLiteral("2"));
    Enter(field(2), QStringLiteral("A"));
    EXPECT_EQ(prompt(), QStringLiteral("ANNEE CONCERNEE"));
    retype(field(3), QString());
    EXPECT_EQ(handOverLines(handover::Encour),
              (QStringList{QStringLiteral("ARCHIVE"), QStringLiteral(" 2 "), QStringLiteral("2025")}));
}

TEST_F(MenuTest, TheConverterShowsTheRemainderInFrancs) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(11);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, francs(QStringLiteral("655"), QStringLiteral("96")));
    EXPECT_EQ(messages()[0].title, QStringLiteral("Montant en Francs"));
}

TEST_F(MenuTest, TheConverterInEnglish) {
    loginTo(English);
    open(screen::MenuTirelou);
    clickToolbar(11);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, francs(QStringLiteral("152"), QStringLiteral("45")));
    EXPECT_EQ(messages()[0].title, QStringLiteral("Going up in £"));
}

TEST_F(MenuTest, TheCurrentMonthButtonHandsOverEncour) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(1);
    EXPECT_EQ(handOverLines(handover::Encour), QStringList{QStringLiteral("ENCOUR")});
}

TEST_F(MenuTest, AnEncourThatCannotBeWrittenKeepsTheMenu) {
    loginTo(French);
    ASSERT_TRUE(QDir(data.dir()).mkdir(handover::Encour));
    open(screen::MenuTirelou);
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].text.startsWith(QStringLiteral("L'opération n'a pas pu se faire")));

    clickToolbar(4);
    Enter(field(1), QStringLiteral("2"));
    PressEnter(field(2));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(shown(QStringLiteral("Picture1"))); // the menu is shown again
    EXPECT_FALSE(field(2)->isVisible());
}

TEST_F(MenuTest, AnotherAccountWithAnEmptyMonthShowsNoOldRemainder) {
    const QString first = data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"), 3);
    data.addAccount(QStringLiteral("2"), 2026, QStringLiteral("DEUX"), 3);
    data.login(first, French);
    data.addRow(QStringLiteral("Mars"), {{field::Reste, QStringLiteral("777")}});
    data.ctx().accountDb.close();
    const auto logInto = [this](int row, const QString& password) {
        auto* grid = child<ui::Grid>(QStringLiteral("MSFlexGrid1"));
        ClickGridCell(grid, row, 1);
        Enter(child<ui::InputField>(QStringLiteral("Text1")), password);
        settle();
        ASSERT_EQ(currentName(), screen::MenuTirelou);
    };
    open(screen::MotDePasse);
    logInto(1, QStringLiteral("UN"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Compte 1   777.00 €"));

    clickToolbar(6);
    settle();
    ASSERT_EQ(currentName(), screen::MotDePasse);
    logInto(2, QStringLiteral("DEUX"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Compte 2   0.00 €"));
    clickToolbar(11);
    EXPECT_EQ(messageTexts(), QStringList{francs(QStringLiteral("0"), QStringLiteral("00"))});
}

TEST_F(MenuTest, ChangingAccountClosesTheAccountFile) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(6);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
}

TEST_F(MenuTest, ThePasswordChangeGetsTheAccountFileClosed) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(7);
    settle();
    if (currentName() == screen::Code) {
        EXPECT_FALSE(data.ctx().accountDb.isOpen());
    } else { // that screen is not there: the menu goes on with the account open
        EXPECT_EQ(currentName(), screen::MenuTirelou);
        EXPECT_TRUE(data.ctx().accountDb.isOpen());
        clickToolbar(3);
        Enter(field(1), QStringLiteral("6"));
        EXPECT_EQ(encour(), QStringLiteral("6"));
    }
}

TEST_F(MenuTest, HelpAndTheMakersSiteOpenInTheBrowser) {
    loginTo(English);
    open(screen::MenuTirelou);
    clickToolbar(12);
    clickToolbar(13);
    ASSERT_EQ(browser.urls.size(), 2);
    EXPECT_EQ(browser.urls[0], QUrl::fromLocalFile(data.path(QStringLiteral("Tireloueng.html"))));
    EXPECT_EQ(browser.urls[1], QUrl(QStringLiteral("https://example.org/tirelou")));
    EXPECT_EQ(currentName(), screen::MenuTirelou);
}

TEST_F(MenuTest, LeavingEndsTheProgram) {
    loginTo(French);
    open(screen::MenuTirelou);
    clickToolbar(10);
    EXPECT_EQ(ended, 1);
}
