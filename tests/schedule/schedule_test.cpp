#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/schema.h"
#include "schedule/schedule.h"
#include "support/testdata.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tirelou;
using namespace tirelou::schedule;
using tirelou::test::Row;
using tirelou::test::TestData;

namespace {

QString Blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

const QString Janvier = QStringLiteral("Janvier");

Row Payment(const QString& label, const QString& prix = QStringLiteral("10")) {
    return Row{{field::Rubriques, QStringLiteral("MAISON")}, {field::Libelle, label},
               {field::NumCheque, QStringLiteral("1234")},   {field::Prix, prix},
               {field::Date, QStringLiteral("02/01/2026")},  {field::Poste, QStringLiteral("X")}};
}

Row Scheduled(const QString& kind, const QString& label, const QString& prix) {
    return Row{{field::Rubriques, QStringLiteral("ENERGIE")},
               {field::Libelle, label},
               {field::NumCheque,
                kind == QLatin1String("P") ? QStringLiteral("PRELEVEMENT") : QStringLiteral("PREVISION")},
               {field::Prix, prix},
               {field::Date, QStringLiteral("05/01/2026")},
               {field::Poste, kind}};
}

class ScheduleTest : public ::testing::Test {
protected:
    void SetUp() override { data.login(data.addAccount(QStringLiteral("1"), 2026)); }
    WorkingContext& ctx() { return data.ctx(); }
    QList<Row> rows() const { return data.rows(Janvier); }
    // The first row of a month: the balance and the reserve's amount.
    void addFirstRow() {
        data.addRow(Janvier, Row{{field::Rubriques, QStringLiteral("MAISON")},
                                 {field::Libelle, QStringLiteral("LOYER")},
                                 {field::Prix, QStringLiteral("500")},
                                 {field::Poste, QStringLiteral("X")},
                                 {field::Reste, QStringLiteral("1234,5")},
                                 {field::Reserve, QStringLiteral("R1")}});
    }
    TestData data;
};

} // namespace

TEST(SchedulePrix, EachWriterHasItsOwnLayout) {
    // Direct-debit entry: trimmed monthly amount, 30 blanks, total with its sign position.
    EXPECT_EQ(DirectDebitPrix(12.5, 3), QStringLiteral("12.5") + Blanks(30) + QStringLiteral(" 37.5"));
    EXPECT_EQ(DirectDebitPrix(0.5, 3), QStringLiteral(".5") + Blanks(30) + QStringLiteral(" 1.5"));
    EXPECT_EQ(DirectDebitPrix(-4, 2), QStringLiteral("-4") + Blanks(30) + QStringLiteral("-8"));
    // Direct-debit modification: two decimals, 20 blanks.
    EXPECT_EQ(ModifiedDirectDebitPrix(20, 6), QStringLiteral("20.00") + Blanks(20) + QStringLiteral(" 120"));
    EXPECT_EQ(ModifiedDirectDebitPrix(0.5, 2), QStringLiteral(".50") + Blanks(20) + QStringLiteral(" 1"));
    EXPECT_EQ(ModifiedDirectDebitPrix(1234.567, 1),
              QStringLiteral("1234.57") + Blanks(20) + QStringLiteral(" 1234.567"));
    // Forecast creation: the monthly amount keeps its sign position.
    EXPECT_EQ(ForecastPrix(100, 4), QStringLiteral(" 100") + Blanks(30) + QStringLiteral(" 400"));
    EXPECT_EQ(ForecastPrix(-10, 2), QStringLiteral("-10") + Blanks(30) + QStringLiteral("-20"));
    // Forecast modification: the amount as typed, comma made a point, 20 blanks.
    EXPECT_EQ(ModifiedForecastPrix(QStringLiteral(" 50 "), 3),
              QStringLiteral("50") + Blanks(20) + QStringLiteral(" 150"));
    EXPECT_EQ(ModifiedForecastPrix(QStringLiteral("12,5"), 3),
              QStringLiteral("12.5") + Blanks(20) + QStringLiteral(" 37.5"));

    // Every layout reads back as monthly amount and total.
    for (const QString& prix : {DirectDebitPrix(12.5, 3), ModifiedDirectDebitPrix(12.5, 3),
                                ForecastPrix(12.5, 3), ModifiedForecastPrix(QStringLiteral("12,5"), 3)}) {
        EXPECT_DOUBLE_EQ(PairFirst(prix), 12.5) << prix.toStdString();
        EXPECT_DOUBLE_EQ(PairSecond(prix), 37.5) << prix.toStdString();
        EXPECT_DOUBLE_EQ(PairFirst(prix.trimmed()), 12.5); // as LoadMonth hands it over
    }
}

TEST(SchedulePrix, TypedNumbersAndMonthCells) {
    EXPECT_DOUBLE_EQ(TypedNumber(QStringLiteral(" 12,5 ")), 12.5);
    EXPECT_DOUBLE_EQ(TypedNumber(QStringLiteral("1 234,5")), 1234.5);
    EXPECT_DOUBLE_EQ(TypedNumber(QStringLiteral("ABC")), 0);
    EXPECT_DOUBLE_EQ(TypedNumber(QStringLiteral("3 MOIS")), 3);
    EXPECT_EQ(MonthsCell(4.0), QStringLiteral("4 Mois"));
    EXPECT_EQ(MonthsCell(2.6), QStringLiteral("3 Mois"));
    EXPECT_EQ(MonthsCell(std::nullopt), QString());
    EXPECT_EQ(RemainderDisplay(QStringLiteral("1234,5")), QStringLiteral("1 234.50"));
    EXPECT_EQ(RemainderDisplay(QString()), QStringLiteral("0.00"));
    EXPECT_TRUE(IsKind(QStringLiteral(" P "), DirectDebitKind));
    EXPECT_FALSE(IsKind(QString(), DirectDebitKind));
    EXPECT_FALSE(IsKind(QStringLiteral("R"), DirectDebitKind));
}

TEST_F(ScheduleTest, DirectDebitIsAppendedWithZeroesWhenNoRowIsFree) {
    addFirstRow();
    const int row =
        AddDirectDebit(ctx(), {QStringLiteral("ENERGIE"), QStringLiteral(" edf "), QStringLiteral("12,5"),
                               QStringLiteral("3"), QStringLiteral("05/01/2026 ")});
    EXPECT_EQ(row, 1);
    const QList<Row> r = rows();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r[1][field::Rubriques], QStringLiteral("ENERGIE"));
    EXPECT_EQ(r[1][field::Libelle], QStringLiteral("EDF"));
    EXPECT_EQ(r[1][field::NumCheque], QStringLiteral("PRELEVEMENT"));
    EXPECT_EQ(r[1][field::Prix], QStringLiteral("12.5                               37.5"));
    EXPECT_EQ(r[1][field::Prix], QStringLiteral("12.5") + Blanks(31) + QStringLiteral("37.5"));
    EXPECT_EQ(r[1][field::Date], QStringLiteral("05/01/2026 ")); // stored as typed
    EXPECT_EQ(r[1][field::Poste], QStringLiteral("P"));
    for (const QString& f :
         {field::Depot, field::Montant, field::Reste, field::MontPrecedent, field::Reserve})
        EXPECT_EQ(r[1][f], QStringLiteral("0")) << f.toStdString();

    // Letters for an amount store a zero direct debit.
    AddDirectDebit(ctx(), {QStringLiteral("ENERGIE"), QStringLiteral("GAZ"), QStringLiteral("abc"),
                           QStringLiteral("3"), QString()});
    EXPECT_EQ(rows()[2][field::Prix], QStringLiteral("0") + Blanks(30) + QStringLiteral(" 0"));
}

TEST_F(ScheduleTest, EntriesTakeTheFirstFreeRowEvenTheLast) {
    addFirstRow();
    data.addRow(Janvier, Payment(QStringLiteral("PHARMACIE")));
    data.addRow(Janvier, Row{{field::Depot, QStringLiteral("PAIE")},
                             {field::Montant, QStringLiteral("800")},
                             {field::Reserve, QStringLiteral("01/01/2026")}}); // free entry slot
    data.addRow(Janvier, Row{});                                               // free too

    EXPECT_EQ(AddDirectDebit(ctx(), {QStringLiteral("ENERGIE"), QStringLiteral("EDF"), QStringLiteral("30"),
                                     QStringLiteral("2"), QStringLiteral("d")}),
              2);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r[2][field::Libelle], QStringLiteral("EDF"));
    EXPECT_EQ(r[2][field::Depot], QStringLiteral("PAIE")); // the deposit on that row stays
    EXPECT_EQ(r[2][field::Montant], QStringLiteral("800"));
    EXPECT_EQ(r[2][field::Reserve], QStringLiteral("01/01/2026"));

    // The last row is the only free one left: forecasts take it too.
    EXPECT_EQ(
        AddForecast(ctx(), {QStringLiteral("SANTE"), QStringLiteral(" dentiste "), QStringLiteral("100"),
                            QStringLiteral("4"), QStringLiteral(" 06/01/2026 ")}),
        3);
    r = rows();
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r[3][field::Rubriques], QStringLiteral("SANTE"));
    EXPECT_EQ(r[3][field::Libelle], QStringLiteral("DENTISTE"));
    EXPECT_EQ(r[3][field::NumCheque], QStringLiteral("PREVISION"));
    EXPECT_EQ(r[3][field::Prix], QStringLiteral(" 100") + Blanks(30) + QStringLiteral(" 400"));
    EXPECT_EQ(r[3][field::Date], QStringLiteral("06/01/2026"));
    EXPECT_EQ(r[3][field::Poste], QStringLiteral("R"));

    // None free: the forecast is appended with its deposit slot emptied.
    EXPECT_EQ(AddForecast(ctx(), {QStringLiteral("SANTE"), QStringLiteral("OPTICIEN"), QStringLiteral("50"),
                                  QStringLiteral("2"), QStringLiteral("d")}),
              4);
    r = rows();
    ASSERT_EQ(r.size(), 5);
    EXPECT_EQ(r[4][field::Depot], QStringLiteral("0"));
    EXPECT_EQ(r[4][field::Montant], QStringLiteral("0"));
    EXPECT_EQ(r[4][field::Poste], QStringLiteral("R"));
}

TEST_F(ScheduleTest, ListsGiveMonthsLeftAndTotals) {
    addFirstRow();
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EDF"), DirectDebitPrix(30, 4)));
    data.addRow(Janvier, Scheduled(QStringLiteral("R"), QStringLiteral("DENTISTE"), ForecastPrix(100, 4)));
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EAU"),
                                   QStringLiteral("12,5") + Blanks(20) + QStringLiteral("25")));
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("GRATUIT"), DirectDebitPrix(0, 3)));
    data.addRow(Janvier, Row{}); // free

    LoadMonth(ctx(), Janvier);
    const ScheduledList debits = ListScheduled(ctx().month, DirectDebitKind);
    ASSERT_EQ(debits.items.size(), 3);
    EXPECT_EQ(debits.items[0].index, 1);
    EXPECT_EQ(debits.items[0].label, QStringLiteral("EDF"));
    EXPECT_EQ(debits.items[0].category, QStringLiteral("ENERGIE"));
    EXPECT_DOUBLE_EQ(debits.items[0].monthly, 30);
    EXPECT_EQ(debits.items[0].stillToPayText, QStringLiteral("120"));
    EXPECT_EQ(debits.items[0].monthsLeft, 4.0);
    EXPECT_DOUBLE_EQ(debits.items[1].monthly, 12.5); // a comma reads as the decimal point
    EXPECT_EQ(debits.items[1].monthsLeft, 2.0);
    EXPECT_FALSE(debits.items[2].monthsLeft.has_value()); // no monthly amount: no count
    EXPECT_DOUBLE_EQ(debits.total, 42.5);

    const ScheduledList forecasts = ListScheduled(ctx().month, ForecastKind);
    ASSERT_EQ(forecasts.items.size(), 1);
    EXPECT_EQ(forecasts.items[0].index, 2);
    EXPECT_EQ(forecasts.items[0].monthsLeft, 4.0);
    EXPECT_DOUBLE_EQ(forecasts.total, 100);

    EXPECT_TRUE(ScheduledAt(ctx().month, 2, ForecastKind).has_value());
    EXPECT_FALSE(ScheduledAt(ctx().month, 1, ForecastKind).has_value());
    EXPECT_FALSE(ScheduledAt(ctx().month, 5, ForecastKind).has_value());
    EXPECT_FALSE(ScheduledAt(ctx().month, -1, ForecastKind).has_value());

    // An empty month lists nothing.
    LoadMonth(ctx(), QStringLiteral("Fevrier"));
    EXPECT_TRUE(ListScheduled(ctx().month, DirectDebitKind).items.isEmpty());
}

TEST_F(ScheduleTest, DirectDebitIsFoundAndChangedByItsPlaceAmongDirectDebits) {
    addFirstRow();
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EDF"), DirectDebitPrix(30, 4)));
    data.addRow(Janvier, Payment(QStringLiteral("EAU")));
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EAU"), DirectDebitPrix(12.5, 3)));
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EAU"), DirectDebitPrix(8, 2)));

    // The last direct debit with the label, counted among direct debits only.
    const auto found = FindDirectDebit(ctx(), QStringLiteral("EAU"));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->index, 2);
    EXPECT_DOUBLE_EQ(found->monthly, 8);
    EXPECT_FALSE(
        FindDirectDebit(ctx(), QStringLiteral("LOYER")).has_value()); // a payment, not a direct debit

    ASSERT_TRUE(ModifyDirectDebit(ctx(), 1,
                                  {QStringLiteral(" eau de ville "), QStringLiteral("20"),
                                   QStringLiteral("6"), QStringLiteral(" 10/01/2026 ")}));
    QList<Row> r = rows();
    EXPECT_EQ(r[3][field::Libelle], QStringLiteral("EAU DE VILLE"));
    EXPECT_EQ(r[3][field::Prix], QStringLiteral("20.00") + Blanks(20) + QStringLiteral(" 120"));
    EXPECT_EQ(r[3][field::Date], QStringLiteral("10/01/2026"));
    EXPECT_EQ(r[3][field::Rubriques], QStringLiteral("ENERGIE"));
    EXPECT_EQ(r[2][field::Libelle], QStringLiteral("EAU")); // the payment of the same label is untouched
    EXPECT_EQ(r[2][field::Prix], QStringLiteral("10"));
    LoadMonth(ctx(), Janvier);
    EXPECT_EQ(ListScheduled(ctx().month, DirectDebitKind).items[1].monthsLeft, 6.0);

    // An index past the direct debits writes nothing.
    EXPECT_FALSE(
        ModifyDirectDebit(ctx(), 3, {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("1"), {}}));
    EXPECT_FALSE(
        ModifyDirectDebit(ctx(), -1, {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("1"), {}}));
    EXPECT_EQ(rows(), r);
}

TEST_F(ScheduleTest, ForecastIsChangedOnlyWhileItsRowIsAForecast) {
    addFirstRow();
    data.addRow(Janvier, Scheduled(QStringLiteral("R"), QStringLiteral("DENTISTE"), ForecastPrix(100, 4)));

    ASSERT_TRUE(ModifyForecast(ctx(), 1,
                               {QStringLiteral("dentiste"), QStringLiteral(" 50 "), QStringLiteral("3"),
                                QStringLiteral("07/01/2026")}));
    const QString prix = rows()[1][field::Prix];
    EXPECT_EQ(prix, QStringLiteral("50") + Blanks(20) + QStringLiteral(" 150"));
    EXPECT_DOUBLE_EQ(PairFirst(prix), 50);
    EXPECT_DOUBLE_EQ(PairSecond(prix), 150);
    EXPECT_EQ(rows()[1][field::Date], QStringLiteral("07/01/2026"));

    const QList<Row> before = rows();
    EXPECT_FALSE(
        ModifyForecast(ctx(), 0, {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("1"), {}}));
    EXPECT_FALSE(
        ModifyForecast(ctx(), 2, {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("1"), {}}));
    EXPECT_EQ(rows(), before);
}

TEST_F(ScheduleTest, ErasingFreesTheFirstRowWithTheLabel) {
    addFirstRow();
    data.addRow(Janvier, Payment(QStringLiteral("EAU, GAZ")));
    data.addRow(Janvier,
                Scheduled(QStringLiteral("P"), QStringLiteral("EAU, GAZ"), DirectDebitPrix(12.5, 3)));
    data.addRow(Janvier, Row{{field::Rubriques, QStringLiteral("SANTE")},
                             {field::Libelle, QStringLiteral("L'OPTICIEN")},
                             {field::Poste, QStringLiteral("R")},
                             {field::Depot, QStringLiteral("PAIE")}});

    // Found by the label as stored, quote and comma included; the first one in record order.
    EXPECT_TRUE(EraseByLabel(ctx(), QStringLiteral("EAU, GAZ")));
    QList<Row> r = rows();
    for (const QString& f : EntryFields())
        EXPECT_EQ(r[1][f], QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(r[2][field::Libelle], QStringLiteral("EAU, GAZ"));

    EXPECT_TRUE(EraseByLabel(ctx(), QStringLiteral("L'OPTICIEN")));
    r = rows();
    EXPECT_EQ(r[3][field::Rubriques], QStringLiteral("0"));
    EXPECT_EQ(r[3][field::Depot], QStringLiteral("PAIE")); // only the entry slot is freed

    EXPECT_FALSE(EraseByLabel(ctx(), QStringLiteral("ABSENT")));
    EXPECT_EQ(rows(), r);

    // The freed row is the next entry's.
    EXPECT_EQ(AddDirectDebit(ctx(), {QStringLiteral("ENERGIE"), QStringLiteral("EDF"), QStringLiteral("30"),
                                     QStringLiteral("2"), QStringLiteral("d")}),
              1);
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(ScheduleTest, ChosenItemTravelsWholeThroughModifXfr) {
    ScheduledItem item;
    item.label = QStringLiteral("EAU, GAZ");
    item.monthly = 12.5;
    item.stillToPayText = QStringLiteral("37.5");
    item.date = QStringLiteral("05/01/2026");
    WriteChosenItem(ctx(), item);
    const ChosenItem c = ReadChosenItem(ctx());
    EXPECT_EQ(c.label, QStringLiteral("EAU, GAZ"));
    EXPECT_DOUBLE_EQ(c.monthly, 12.5);
    EXPECT_EQ(c.stillToPayText, QStringLiteral("37.5"));
    EXPECT_EQ(c.date, QStringLiteral("05/01/2026"));
    // the monthly amount goes as a number, in print form
    HandOverReader r(ctx(), handover::Modif);
    r.line();
    EXPECT_EQ(r.line(), QStringLiteral(" 12.5 "));
}

TEST_F(ScheduleTest, ReserveFillsTheFirstThreeRows) {
    addFirstRow();
    const ReserveTexts t =
        SaveReserve(ctx(), {QStringLiteral(" 12,5 "), QStringLiteral("3"), QStringLiteral("01/05/2026")});
    EXPECT_DOUBLE_EQ(t.total, 37.5);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][field::Reserve], QStringLiteral("12.5"));
    EXPECT_EQ(r[1][field::Reserve], QStringLiteral("12.5") + Blanks(17) + QStringLiteral(" 37.5"));
    EXPECT_EQ(r[2][field::Reserve], QStringLiteral("01/05/2026"));
    // row 1 keeps its entry and balance; rows 2 and 3 are new, "0" in every field but the
    // reserve and the previous month's amount, which stays unset
    EXPECT_EQ(r[0][field::Libelle], QStringLiteral("LOYER"));
    EXPECT_EQ(r[0][field::Reste], QStringLiteral("1234,5"));
    for (int i : {1, 2}) {
        for (const QString& f : MonthFields()) {
            if (f == field::MontPrecedent) {
                EXPECT_EQ(r[i][f], QString()) << i;
            } else if (f != field::Reserve) {
                EXPECT_EQ(r[i][f], QStringLiteral("0")) << i << " " << f.toStdString();
            }
        }
    }

    ReserveState s = ReadReserve(ctx());
    EXPECT_TRUE(s.present);
    EXPECT_DOUBLE_EQ(s.monthly, 12.5);
    EXPECT_DOUBLE_EQ(s.reserved, 12.5);
    EXPECT_DOUBLE_EQ(s.stillToReserve, 37.5);
    EXPECT_EQ(s.monthsLeft, 3.0);
    EXPECT_EQ(s.date, QStringLiteral("01/05/2026"));
    EXPECT_EQ(s.remainderText, QStringLiteral("1234,5"));

    // A second save replaces the first; no row is added.
    SaveReserve(ctx(), {QStringLiteral("40"), QStringLiteral("2,5"), QStringLiteral("02/01/2026")});
    r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][field::Reserve], QStringLiteral("40"));
    EXPECT_EQ(r[1][field::Reserve], QStringLiteral("40") + Blanks(17) + QStringLiteral(" 100"));
    EXPECT_EQ(ReadReserve(ctx()).monthsLeft, 2.5);
}

TEST_F(ScheduleTest, ReserveOnAnEmptyMonthAndWithoutAmount) {
    ReserveState s = ReadReserve(ctx());
    EXPECT_FALSE(s.present);
    EXPECT_EQ(s.remainderText, QString());
    EXPECT_EQ(ReadRemainderText(ctx()), QString());

    SaveReserve(ctx(), {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("d")});
    const QList<Row> r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][field::Reste], QStringLiteral("0"));
    EXPECT_EQ(r[0][field::Rubriques], QStringLiteral("0"));
    EXPECT_EQ(r[1][field::Reserve], QStringLiteral("0") + Blanks(17) + QStringLiteral(" 0"));
    s = ReadReserve(ctx());
    EXPECT_TRUE(s.present);
    EXPECT_FALSE(s.monthsLeft.has_value());

    // A month whose first reserve text is blank has no reserve.
    data.addRow(QStringLiteral("Fevrier"), Row{{field::Reserve, QStringLiteral("   ")}});
    ctx().monthTable = QStringLiteral("Fevrier");
    EXPECT_FALSE(ReadReserve(ctx()).present);
}

TEST_F(ScheduleTest, ReserveSaveIsAllOrNothing) {
    addFirstRow();
    // The file refuses a third row: the first two writes must not stay either.
    ctx().accountDb.exec(
        QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Janvier WHEN (SELECT count(*) FROM "
                       "Janvier) >= 2 BEGIN SELECT RAISE(ABORT, 'full'); END;"));
    EXPECT_THROW(SaveReserve(ctx(), {QStringLiteral("12,5"), QStringLiteral("3"), QStringLiteral("d")}),
                 DbError);
    const QList<Row> r = rows();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0][field::Reserve], QStringLiteral("R1"));
}

TEST_F(ScheduleTest, TotalsBeyondWhatCanBeKeptAreRefused) {
    addFirstRow();
    data.addRow(Janvier, Scheduled(QStringLiteral("P"), QStringLiteral("EDF"), DirectDebitPrix(30, 4)));
    data.addRow(Janvier, Scheduled(QStringLiteral("R"), QStringLiteral("DENTISTE"), ForecastPrix(100, 4)));
    const QList<Row> before = rows();
    const QString huge = QStringLiteral("1E308");
    const QString ten = QStringLiteral("10");
    const ScheduledInput input{QStringLiteral("ENERGIE"), QStringLiteral("GAZ"), huge, ten,
                               QStringLiteral("d")};
    const ScheduledEdit edit{QStringLiteral("GAZ"), huge, ten, QStringLiteral("d")};
    EXPECT_THROW(AddDirectDebit(ctx(), input), std::range_error);
    EXPECT_THROW(AddForecast(ctx(), input), std::range_error);
    EXPECT_THROW(ModifyDirectDebit(ctx(), 0, edit), std::range_error);
    EXPECT_THROW(ModifyForecast(ctx(), 2, edit), std::range_error);
    EXPECT_THROW(SaveReserve(ctx(), {huge, ten, QStringLiteral("d")}), std::range_error);
    EXPECT_EQ(rows(), before);
}
