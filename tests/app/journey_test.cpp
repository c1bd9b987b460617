// A month of bookkeeping through the real screens, one after the other as the user meets
// them: each screen hands over to the next through the working context and the hand-over
// files, so this is where a mismatch between two screens shows.
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QLabel>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class JourneyTest : public GuiTest {
protected:
    JourneyTest() {
        data.ctx().clock.setToday(QDate(2026, 1, 15));
        data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("SECRET"));
        data.setLanguage(French);
    }

    void expectScreen(const QString& name) {
        settle(0);
        ASSERT_EQ(currentName(), name);
    }

    QString labelText(const QString& name) const {
        const QLabel* label = child<QLabel>(name);
        return label ? label->text() : QString();
    }

    void login() {
        open(screen::MotDePasse);
        ClickGridCell(child<ui::Grid>(QStringLiteral("MSFlexGrid1")), 1, 1);
        Enter(child<ui::InputField>(QStringLiteral("Text1")), QStringLiteral("secret"));
        expectScreen(screen::MenuTirelou);
    }
};

} // namespace

TEST_F(JourneyTest, AMonthFromLoginToTheNextMonth) {
    login();
    clickToolbar(1); // Mois en Cours
    expectScreen(screen::MoisEnCours);

    // A deposit opens the account's balance.
    clickToolbar(4);
    expectScreen(screen::BanqueUn);
    PressEnter(child<ui::InputField>(QStringLiteral("Text1"))); // the preset "DEPOS"
    Enter(child<ui::InputField>(QStringLiteral("Text2")), QStringLiteral("1000"));
    clickToolbar(1);
    clickToolbar(3);
    expectScreen(screen::MoisEnCours);
    EXPECT_TRUE(labelText(QStringLiteral("Label2")).contains(QStringLiteral("1 000.00 €")));

    // A cheque for the rent.
    clickToolbar(5);
    expectScreen(screen::EnregisUn);
    ClickListItem(child<ui::ListBox>(QStringLiteral("List1")), 4); // MAISON
    Enter(child<ui::InputField>(QStringLiteral("Text1")), QStringLiteral("loyer"));
    Enter(child<ui::InputField>(QStringLiteral("Text2")), QStringLiteral("1234567"));
    Enter(child<ui::InputField>(QStringLiteral("Text3")), QStringLiteral("400"));
    PressEnter(child<ui::InputField>(QStringLiteral("Text4"))); // today's date as offered
    clickToolbar(1);
    clickToolbar(4);
    expectScreen(screen::MoisEnCours);
    EXPECT_TRUE(labelText(QStringLiteral("Label2")).contains(QStringLiteral("600.00 €")));

    // A direct debit of 50 for two months, through the scheduled-items screens.
    clickToolbar(6);
    expectScreen(screen::Prevision);
    clickToolbar(2);
    expectScreen(screen::VoirPrelev);
    clickToolbar(1);
    expectScreen(screen::EnregisPrelev);
    ClickListItem(child<ui::ListBox>(QStringLiteral("List1")), 1); // ENERGIE
    Enter(child<ui::InputField>(QStringLiteral("Text1")), QStringLiteral("edf"));
    Enter(child<ui::InputField>(QStringLiteral("Text2")), QStringLiteral("50"));
    Enter(child<ui::InputField>(QStringLiteral("Text3")), QStringLiteral("2"));
    PressEnter(child<ui::InputField>(QStringLiteral("Text4")));
    clickToolbar(1);
    expectScreen(screen::VoirPrelev);
    clickToolbar(4);
    expectScreen(screen::Prevision);
    clickToolbar(6);
    expectScreen(screen::MoisEnCours);

    // Leaving with no backup made yet goes back to the menu, then the month is closed.
    clickToolbar(10);
    expectScreen(screen::MenuTirelou);
    clickToolbar(2);
    expectScreen(screen::MoisSuivant);
    const QStringList grid = child<ui::Grid>(QStringLiteral("MSFlexGrid1"))->rowTexts();
    EXPECT_TRUE(grid.filter(QStringLiteral("EDF")).size() == 1) << grid.join(QLatin1Char('\n')).toStdString();
    clickToolbar(1);
    expectScreen(screen::MotDePasse);

    // Logging in again opens February with the new opening remainder.
    ClickGridCell(child<ui::Grid>(QStringLiteral("MSFlexGrid1")), 1, 1);
    Enter(child<ui::InputField>(QStringLiteral("Text1")), QStringLiteral("secret"));
    expectScreen(screen::MenuTirelou);
    EXPECT_EQ(data.ctx().currentMonth, 2);
    EXPECT_TRUE(labelText(QStringLiteral("Label4")).contains(QStringLiteral("550.00 €")))
        << labelText(QStringLiteral("Label4")).toStdString();

    const QList<Row> january = data.rows(QStringLiteral("Janvier"));
    ASSERT_EQ(january.size(), 2);
    EXPECT_EQ(january[0][field::Depot], QStringLiteral("DEPOS"));
    EXPECT_EQ(january[0][field::Libelle], QStringLiteral("EDF")); // the direct debit took the free row
    EXPECT_EQ(january[1][field::Libelle], QStringLiteral("LOYER"));
    EXPECT_EQ(january[1][field::NumCheque], QStringLiteral("1234567"));
    EXPECT_EQ(january[0][field::Reste], QStringLiteral("600"));

    const QList<Row> february = data.rows(QStringLiteral("Fevrier"));
    ASSERT_EQ(february.size(), 3);
    EXPECT_EQ(february[0][field::Libelle], QStringLiteral("EDF"));
    EXPECT_EQ(february[0][field::Prix],
              QStringLiteral("50") + QString(20, QLatin1Char(' ')) + QStringLiteral("50"));
    EXPECT_EQ(february[0][field::MontPrecedent], QStringLiteral("600"));
    EXPECT_EQ(february[0][field::Reste], QStringLiteral("550"));
    EXPECT_TRUE(messages().isEmpty());
}
