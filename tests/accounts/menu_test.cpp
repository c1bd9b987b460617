#include "accounts/accounts.h"
#include "accounts/links.h"
#include "data/routines.h"
#include "data/schema.h"
#include "screens_support.h"
#include "ui/screennames.h"
#include "ui/window.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class MenuTest : public AccountScreensTest {
protected:
    // Account 5, in March, with a remainder of 100.
    void loginTo(const QString& language) {
        data.login(data.addAccount(u"5"_s, 2026, u"S"_s, 3), language);
        data.addRow(language == French ? u"Mars"_s : u"March"_s, {{field::Reste, u"100"_s}});
        open(screen::MenuTirelou);
    }
    QString prompt() const { return label(u"Label5"_s); }
    bool pictureShown() const { return child<QWidget>(u"Picture1"_s)->isVisible(); }
    // Empties the field as a user would, then types.
    void retype(ui::InputField* f, const QString& text) {
        f->setFocus();
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Backspace);
        Enter(f, text);
    }
    QString encour() const { return data.rows(table::Mois).value(0).value(field::Encour); }
    // The converter's text with the decimal sign of the machine's locale.
    static QString francs(const char* whole, const char* cents) {
        return QString::fromLatin1(whole) + QLocale::system().decimalPoint() + QString::fromLatin1(cents) +
               u"  Fr."_s;
    }
};

} // namespace

TEST_F(MenuTest, ShowsTheAccountMonthDateRemainderAndFrancsInEachLanguage) {
    struct Case {
        QString language, title, month, account, buttons, francs, francsTitle;
    };
    const Case cases[] = {
        {French, u" TIRELOU FAMILIAL "_s, u"Mois En Cours Mars"_s, u"Compte 5   100.00 €"_s,
         QStringLiteral("Mois en Cours|Mois Suivant|Reprendre un Mois|Consulter un Mois|Changer Rubrique|"
                        "Changer De Compte|Changer Mot De Passe|Voir Theme|Voir 12 Mois|Quitter|Convertir|"
                        "Lisez Moi|Orvane"),
         francs("655", "96"), u"Montant en Francs"_s},
        {English, u" DOMESTIC TIRELOU "_s, u"Month in progress March"_s, u"Account 5   100.00 £"_s,
         QStringLiteral("Month in progress|Following month|To take one Month|To consult one Month|"
                        "To change Category|To change Account|To change password|To see Theme|"
                        "To see 12 Months|To leave|To convert|Read Me|Orvane"),
         francs("152", "45"), u"Going up in £"_s},
    };
    data.login(data.addAccount(u"5"_s, 2026, u"S"_s, 3));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        data.setLanguage(c.language);
        data.addRow(c.month.section(QLatin1Char(' '), -1), {{field::Reste, u"100"_s}});
        open(screen::MenuTirelou);
        EXPECT_EQ(frame->caption(), u"Menu Tirelou"_s);
        EXPECT_EQ(label(u"Label1"_s), c.title);
        EXPECT_EQ(label(u"Label2"_s), MenuDateLine(QDate(2026, 3, 14), QLocale::system()));
        EXPECT_EQ(label(u"Label3"_s), c.month);
        EXPECT_EQ(label(u"Label4"_s), c.account);
        EXPECT_EQ(toolbarCaptions(), c.buttons);
        EXPECT_TRUE(pictureShown());
        for (int i = 1; i <= 13; ++i)
            EXPECT_TRUE(toolbar()->isButtonEnabled(i) && toolbar()->isButtonVisible(i)) << i;

        ui::MessageBox::clearRecorded();
        clickToolbar(11);
        EXPECT_EQ(messageTexts(), QStringList{c.francs});
        EXPECT_EQ(messages().value(0).title, c.francsTitle);
    }
}

TEST_F(MenuTest, AnAccountWithoutNumberOffersOnlyTheWebSite) {
    loginTo(French);
    data.ctx().accountNumber = u"  "_s;
    open(screen::MenuTirelou);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(toolbar()->isButtonVisible(i)) << i;
    EXPECT_TRUE(toolbar()->isButtonVisible(13));
    EXPECT_EQ(label(u"Label4"_s), u"CE COMPTE EST VIDE, A CREER"_s);
    EXPECT_EQ(prompt(), u"RECOMMENCEZ"_s);
}

TEST_F(MenuTest, TakingBackAMonthWritesItAndGoesToLogin) {
    loginTo(English);
    clickToolbar(3);
    EXPECT_EQ(prompt(), u"MONTH TO to TAKE"_s);
    EXPECT_FALSE(pictureShown());
    EXPECT_EQ(field(1)->text(), u"1"_s);

    // Emptied, the dialogue only redraws the menu.
    retype(field(1), QString());
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_TRUE(pictureShown());
    EXPECT_FALSE(field(1)->isVisible());
    EXPECT_TRUE(messages().isEmpty());

    clickToolbar(3);
    Enter(field(1), u"13"_s); // replaces the 1 offered
    EXPECT_EQ(messageTexts(), QStringList{u"Type a month number from 1 to 12."_s});
    EXPECT_EQ(encour(), u"3"_s);
    EXPECT_EQ(currentName(), screen::MenuTirelou);

    Enter(field(1), u"7"_s);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(encour(), u"7"_s);
    EXPECT_EQ(data.ctx().currentMonth, 3); // the new month counts from the next login
}

TEST_F(MenuTest, TheMonthButtonsHandTheirChoiceOverInEncour) {
    loginTo(French);
    clickToolbar(1);
    EXPECT_EQ(handOver(handover::Encour), u"ENCOUR"_s);

    struct Walk {
        const char *month, *choice, *year, *handedOver;
    };
    for (const Walk& w :
         {Walk{"4", "E", nullptr, "CONSULT| 4 | 3 "}, Walk{"11", "a", "2021", "ARCHIVE| 11 |2021"},
          Walk{"2", "A", "", "ARCHIVE| 2 |2025"}}) {
        SCOPED_TRACE(w.handedOver);
        open(screen::MenuTirelou);
        clickToolbar(4);
        EXPECT_EQ(prompt(), u"MOIS A CONSULTER"_s);
        Enter(field(1), QString::fromLatin1(w.month));
        EXPECT_EQ(prompt(), u"E = EN COURS / A = ARCHIVE"_s);
        EXPECT_FALSE(field(1)->isVisible());
        EXPECT_EQ(field(2)->text(), u"E"_s);
        retype(field(2), QString::fromLatin1(w.choice)); // lower case counts as A
        if (w.year) {
            EXPECT_EQ(prompt(), u"ANNEE CONCERNEE"_s);
            EXPECT_EQ(field(3)->text(), u"2025"_s);
            retype(field(3), QString::fromLatin1(w.year)); // none: last year
        }
        EXPECT_EQ(handOver(handover::Encour), QString::fromLatin1(w.handedOver));
    }
}

TEST_F(MenuTest, AnEncourThatCannotBeWrittenKeepsTheMenu) {
    loginTo(French);
    ASSERT_TRUE(QDir(data.dir()).mkdir(handover::Encour));
    clickToolbar(1);
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].text.startsWith(u"L'opération n'a pas pu se faire"_s));

    clickToolbar(4);
    Enter(field(1), u"2"_s);
    PressEnter(field(2));
    settle();
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(pictureShown());
    EXPECT_FALSE(field(2)->isVisible());
}

TEST_F(MenuTest, AnotherAccountWithAnEmptyMonthShowsNoOldRemainder) {
    const QString first = data.addAccount(u"1"_s, 2026, u"UN"_s, 3);
    data.addAccount(u"2"_s, 2026, u"DEUX"_s, 3);
    data.login(first, French);
    data.addRow(u"Mars"_s, {{field::Reste, u"777"_s}});
    data.ctx().accountDb.close();
    open(screen::MotDePasse);
    logInto(1, u"UN"_s);
    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(label(u"Label4"_s), u"Compte 1   777.00 €"_s);

    clickToolbar(6);
    settle();
    ASSERT_EQ(currentName(), screen::MotDePasse);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
    logInto(2, u"DEUX"_s);
    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(label(u"Label4"_s), u"Compte 2   0.00 €"_s);
    clickToolbar(11);
    EXPECT_EQ(messageTexts(), QStringList{francs("0", "00")});
}

TEST_F(MenuTest, ThePasswordChangeGetsTheAccountFileClosed) {
    loginTo(French);
    clickToolbar(7);
    settle();
    EXPECT_EQ(currentName(), screen::Code);
    EXPECT_FALSE(data.ctx().accountDb.isOpen());
}

TEST_F(MenuTest, HelpAndTheMakersSiteOpenInTheBrowserAboveTheFrame) {
    loginTo(English);
    ui::KeepOnTop(frame.get());
    clickToolbar(12);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    clickToolbar(13);
    const QString page = data.path(u"Tireloueng.html"_s);
    EXPECT_EQ(browser.urls, (QList<QUrl>{accounts::HelpUrl(page, screen::MenuTirelou),
                                         QUrl(u"https://example.org/tirelou"_s)}));
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_TRUE(messages().isEmpty());
    clickToolbar(10);
    EXPECT_EQ(ended, 1);
}
