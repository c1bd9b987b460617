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
using namespace Qt::StringLiterals;
using tirelou::test::Pair;
using tirelou::test::Row;

namespace {

const Row FirstRow{{field::Rubriques, u"MAISON"_s}, {field::Libelle, u"LOYER"_s}, {field::Prix, u"500"_s},
                   {field::Poste, u"X"_s},          {field::Reste, u"1234,5"_s},  {field::Reserve, u"R1"_s}};

Row EntryRow(const QString& category, const QString& label, const QString& numCheque, const QString& prix,
             const QString& date, const QString& poste, const Row& more = {}) {
    Row r{{field::Rubriques, category}, {field::Libelle, label}, {field::NumCheque, numCheque},
          {field::Prix, prix},          {field::Date, date},     {field::Poste, poste}};
    r.insert(more);
    return r;
}

Row Scheduled(const QString& poste, const QString& label, const QString& prix) {
    return EntryRow(u"ENERGIE"_s, label, u"0"_s, prix, u"05/01/2026"_s, poste);
}

// Every month field is as given, "0" where not given.
void ExpectRow(const Row& actual, const Row& given) {
    for (const QString& f : MonthFields())
        EXPECT_EQ(actual.value(f), given.value(f, u"0"_s)) << f.toStdString();
}

// An account on January whose first row holds the balance and a reserve text.
class ScheduleTest : public ::testing::Test {
protected:
    ScheduleTest() {
        data.login(data.addAccount(u"1"_s, 2026));
        add(FirstRow);
    }
    WorkingContext& ctx() { return data.ctx(); }
    void add(const Row& row) { data.addRow(u"Janvier"_s, row); }
    QList<Row> rows() const { return data.rows(u"Janvier"_s); }
    test::TestData data;
};

} // namespace

TEST(SchedulePrix, EachWriterHasItsOwnLayoutAndReadsBack) {
    const struct {
        QString prix, expected;
        double monthly, total;
    } cases[] = {
        // Direct-debit entry: trimmed amount, 30 blanks, total with its sign position.
        {DirectDebitPrix(12.5, 3), Pair(u"12.5"_s, 30, u" 37.5"_s), 12.5, 37.5},
        {DirectDebitPrix(0.5, 3), Pair(u".5"_s, 30, u" 1.5"_s), 0.5, 1.5},
        {DirectDebitPrix(-4, 2), Pair(u"-4"_s, 30, u"-8"_s), -4, -8},
        // Direct-debit modification: "########.00", 20 blanks.
        {ModifiedDirectDebitPrix(20, 6), Pair(u"20.00"_s, 20, u" 120"_s), 20, 120},
        {ModifiedDirectDebitPrix(0.5, 2), Pair(u".50"_s, 20, u" 1"_s), 0.5, 1},
        {ModifiedDirectDebitPrix(1234.567, 1), Pair(u"1234.57"_s, 20, u" 1234.567"_s), 1234.57, 1234.567},
        // Forecast creation: the amount keeps its sign position, 30 blanks.
        {ForecastPrix(100, 4), Pair(u" 100"_s, 30, u" 400"_s), 100, 400},
        {ForecastPrix(-10, 2), Pair(u"-10"_s, 30, u"-20"_s), -10, -20},
        // Forecast modification: the amount as typed with "," made ".", 20 blanks.
        {ModifiedForecastPrix(u" 50 "_s, 3), Pair(u"50"_s, 20, u" 150"_s), 50, 150},
        {ModifiedForecastPrix(u"12,5"_s, 3), Pair(u"12.5"_s, 20, u" 37.5"_s), 12.5, 37.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(c.prix, c.expected);
        EXPECT_DOUBLE_EQ(PairFirst(c.prix), c.monthly);
        EXPECT_DOUBLE_EQ(PairSecond(c.prix), c.total);
        EXPECT_DOUBLE_EQ(PairFirst(c.prix.trimmed()), c.monthly); // as LoadMonth hands it over
    }
}

TEST(SchedulePrix, TypedNumbersAndCells) {
    EXPECT_DOUBLE_EQ(TypedNumber(u" 1 234,5 "_s), 1234.5);
    EXPECT_DOUBLE_EQ(TypedNumber(u"ABC"_s), 0);
    EXPECT_EQ(MonthsCell(2.6), u"3 Mois"_s);
    EXPECT_EQ(MonthsCell(std::nullopt), QString());
    EXPECT_TRUE(IsKind(u" P "_s, DirectDebitKind));
    EXPECT_FALSE(IsKind(QString(), DirectDebitKind));
}

TEST_F(ScheduleTest, NewEntriesTakeTheFirstFreeRowElseAreAppended) {
    add(Scheduled(u"X"_s, u"PHARMACIE"_s, u"10"_s));
    add(Row{{field::Depot, u"PAIE"_s}, {field::Montant, u"800"_s}, {field::Reserve, u"01/01/2026"_s}});

    // A free row keeps its deposit; the date is stored as typed.
    EXPECT_EQ(AddDirectDebit(ctx(), {u"ENERGIE"_s, u" edf "_s, u"12,5"_s, u"3"_s, u"05/01/2026 "_s}), 2);
    ExpectRow(
        rows()[2],
        EntryRow(u"ENERGIE"_s, u"EDF"_s, u"PRELEVEMENT"_s, Pair(u"12.5"_s, 30, u" 37.5"_s), u"05/01/2026 "_s,
                 u"P"_s,
                 {{field::Depot, u"PAIE"_s}, {field::Montant, u"800"_s}, {field::Reserve, u"01/01/2026"_s}}));

    // None free: appended with "0" in the five other fields; letters for an amount give 0.
    EXPECT_EQ(AddDirectDebit(ctx(), {u"ENERGIE"_s, u"GAZ"_s, u"abc"_s, u"3"_s, u"d"_s}), 3);
    ExpectRow(rows()[3],
              EntryRow(u"ENERGIE"_s, u"GAZ"_s, u"PRELEVEMENT"_s, Pair(u"0"_s, 30, u" 0"_s), u"d"_s, u"P"_s));

    // Forecasts take the last row too when it is the free one.
    add(Row{});
    EXPECT_EQ(AddForecast(ctx(), {u"SANTE"_s, u" dentiste "_s, u"100"_s, u"4"_s, u" 06/01/2026 "_s}), 4);
    ExpectRow(rows()[4], EntryRow(u"SANTE"_s, u"DENTISTE"_s, u"PREVISION"_s, Pair(u" 100"_s, 30, u" 400"_s),
                                  u"06/01/2026"_s, u"R"_s));

    // An appended forecast empties only its deposit slot.
    EXPECT_EQ(AddForecast(ctx(), {u"SANTE"_s, u"OPTICIEN"_s, u"50"_s, u"2"_s, u"d"_s}), 5);
    ExpectRow(rows()[5],
              EntryRow(u"SANTE"_s, u"OPTICIEN"_s, u"PREVISION"_s, Pair(u" 50"_s, 30, u" 100"_s), u"d"_s,
                       u"R"_s, {{field::Reste, {}}, {field::MontPrecedent, {}}, {field::Reserve, {}}}));
}

TEST_F(ScheduleTest, ListsGiveMonthsLeftAndTotals) {
    add(Scheduled(u"P"_s, u"EDF"_s, DirectDebitPrix(30, 4)));
    add(Scheduled(u"R"_s, u"DENTISTE"_s, ForecastPrix(100, 4)));
    add(Scheduled(u"P"_s, u"EAU"_s, Pair(u"12,5"_s, 20, u"25"_s)));
    add(Scheduled(u"P"_s, u"GRATUIT"_s, DirectDebitPrix(0, 3)));
    add(Row{});

    LoadMonth(ctx(), u"Janvier"_s);
    const ScheduledList debits = ListScheduled(ctx().month, DirectDebitKind);
    ASSERT_EQ(debits.items.size(), 3);
    const ScheduledItem& edf = debits.items[0];
    EXPECT_EQ(edf.index, 1);
    EXPECT_EQ(edf.category, u"ENERGIE"_s);
    EXPECT_EQ(edf.stillToPayText, u"120"_s);
    EXPECT_EQ(edf.monthsLeft, 4.0);
    EXPECT_DOUBLE_EQ(debits.items[1].monthly, 12.5); // a comma reads as the decimal point
    EXPECT_EQ(debits.items[1].monthsLeft, 2.0);
    EXPECT_FALSE(debits.items[2].monthsLeft.has_value()); // no monthly amount: no count
    EXPECT_DOUBLE_EQ(debits.total, 42.5);

    const ScheduledList forecasts = ListScheduled(ctx().month, ForecastKind);
    ASSERT_EQ(forecasts.items.size(), 1);
    EXPECT_EQ(forecasts.items[0].index, 2);
    EXPECT_DOUBLE_EQ(forecasts.total, 100);

    EXPECT_TRUE(ScheduledAt(ctx().month, 2, ForecastKind).has_value());
    for (int index : {1, 5, -1})
        EXPECT_FALSE(ScheduledAt(ctx().month, index, ForecastKind).has_value()) << index;

    LoadMonth(ctx(), u"Fevrier"_s);
    EXPECT_TRUE(ListScheduled(ctx().month, DirectDebitKind).items.isEmpty());
}

TEST_F(ScheduleTest, ChangesRewriteOnlyTheRowTheyWereGiven) {
    add(Scheduled(u"P"_s, u"EDF"_s, DirectDebitPrix(30, 4)));
    add(Scheduled(u"X"_s, u"EAU"_s, u"10"_s));
    add(Scheduled(u"P"_s, u"EAU"_s, DirectDebitPrix(12.5, 3)));
    add(Scheduled(u"P"_s, u"EAU"_s, DirectDebitPrix(8, 2)));
    add(Scheduled(u"R"_s, u"DENTISTE"_s, ForecastPrix(100, 4)));

    // The last direct debit with the label, counted among direct debits only.
    const auto found = FindDirectDebit(ctx(), u"EAU"_s);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->index, 2);
    EXPECT_DOUBLE_EQ(found->monthly, 8);
    EXPECT_FALSE(FindDirectDebit(ctx(), u"LOYER"_s).has_value());

    ASSERT_TRUE(ModifyDirectDebit(ctx(), 1, {u" eau de ville "_s, u"20"_s, u"6"_s, u" 10/01/2026 "_s}));
    Row changed = Scheduled(u"P"_s, u"EAU DE VILLE"_s, Pair(u"20.00"_s, 20, u" 120"_s));
    changed[field::Date] = u"10/01/2026"_s;
    ExpectRow(rows()[3], changed);
    ASSERT_TRUE(ModifyForecast(ctx(), 5, {u"dentiste"_s, u" 50 "_s, u"3"_s, u"07/01/2026"_s}));
    EXPECT_EQ(rows()[5][field::Prix], Pair(u"50"_s, 20, u" 150"_s));
    EXPECT_EQ(rows()[5][field::Date], u"07/01/2026"_s);

    // An index that is no longer one of its kind writes nothing.
    const QList<Row> before = rows();
    const ScheduledEdit edit{u"X"_s, u"1"_s, u"1"_s, {}};
    for (int index : {3, -1})
        EXPECT_FALSE(ModifyDirectDebit(ctx(), index, edit)) << index;
    for (int index : {0, 1, 6})
        EXPECT_FALSE(ModifyForecast(ctx(), index, edit)) << index;
    EXPECT_EQ(rows(), before);
}

TEST_F(ScheduleTest, ErasingFreesTheFirstRowWithTheLabel) {
    add(Scheduled(u"X"_s, u"EAU, GAZ"_s, u"10"_s));
    add(Scheduled(u"P"_s, u"EAU, GAZ"_s, DirectDebitPrix(12.5, 3)));
    add(Row{{field::Rubriques, u"SANTE"_s},
            {field::Libelle, u"L'OPTICIEN"_s},
            {field::Poste, u"R"_s},
            {field::Depot, u"PAIE"_s}});

    EXPECT_TRUE(EraseByLabel(ctx(), u"EAU, GAZ"_s));
    EXPECT_TRUE(EraseByLabel(ctx(), u"L'OPTICIEN"_s));
    const QList<Row> r = rows();
    ExpectRow(r[1], {});
    EXPECT_EQ(r[2][field::Libelle], u"EAU, GAZ"_s);
    ExpectRow(r[3], {{field::Depot, u"PAIE"_s}}); // only the entry slot is freed

    EXPECT_FALSE(EraseByLabel(ctx(), u"ABSENT"_s));
    EXPECT_EQ(rows(), r);

    EXPECT_EQ(AddDirectDebit(ctx(), {u"ENERGIE"_s, u"EDF"_s, u"30"_s, u"2"_s, u"d"_s}), 1);
}

TEST_F(ScheduleTest, ChosenItemTravelsWholeThroughModifXfr) {
    ScheduledItem item;
    item.label = u"EAU, GAZ"_s;
    item.monthly = 12.5;
    item.stillToPayText = u"37.5"_s;
    item.date = u"05/01/2026"_s;
    WriteChosenItem(ctx(), item);
    const ChosenItem c = ReadChosenItem(ctx());
    EXPECT_EQ(c.label, item.label);
    EXPECT_DOUBLE_EQ(c.monthly, 12.5);
    EXPECT_EQ(c.stillToPayText, item.stillToPayText);
    EXPECT_EQ(c.date, item.date);
    HandOverReader r(ctx(), handover::Modif);
    r.line();
    EXPECT_EQ(r.line(), u" 12.5 "_s); // a number, in print form
}

TEST_F(ScheduleTest, ReserveFillsTheFirstThreeRowsAndReadsBack) {
    const ReserveTexts t = SaveReserve(ctx(), {u" 12,5 "_s, u"3"_s, u"01/05/2026"_s});
    EXPECT_DOUBLE_EQ(t.total, 37.5);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 3);
    Row first = FirstRow;
    first[field::Reserve] = u"12.5"_s;
    ExpectRow(r[0], first);
    // Appended rows: "0" everywhere but the reserve and MontPrecedent, left unset.
    ExpectRow(r[1], {{field::Reserve, Pair(u"12.5"_s, 17, u" 37.5"_s)}, {field::MontPrecedent, QString()}});
    ExpectRow(r[2], {{field::Reserve, u"01/05/2026"_s}, {field::MontPrecedent, QString()}});

    const StoredReserve s = ReadReserve(ctx());
    EXPECT_TRUE(s.present);
    EXPECT_DOUBLE_EQ(s.monthly, 12.5);
    EXPECT_DOUBLE_EQ(s.reserved, 12.5);
    EXPECT_DOUBLE_EQ(s.stillToReserve, 37.5);
    EXPECT_EQ(s.monthsLeft, 3.0);
    EXPECT_EQ(s.date, u"01/05/2026"_s);
    EXPECT_EQ(s.remainderText, u"1234,5"_s);

    // A second save replaces the first; no row is added.
    SaveReserve(ctx(), {u"40"_s, u"2,5"_s, u"02/01/2026"_s});
    r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][field::Reserve], u"40"_s);
    EXPECT_EQ(r[1][field::Reserve], Pair(u"40"_s, 17, u" 100"_s));
    EXPECT_EQ(ReadReserve(ctx()).monthsLeft, 2.5);
}

TEST_F(ScheduleTest, ReserveOnAnEmptyMonthAndWithoutAmount) {
    ctx().monthTable = u"Fevrier"_s;
    EXPECT_FALSE(ReadReserve(ctx()).present);
    EXPECT_EQ(ReadReserve(ctx()).remainderText, QString());

    SaveReserve(ctx(), {u"0"_s, u"5"_s, u"d"_s});
    ASSERT_EQ(data.rows(u"Fevrier"_s).size(), 3);
    ExpectRow(data.rows(u"Fevrier"_s)[0], {{field::Reserve, u"0"_s}, {field::MontPrecedent, QString()}});
    const StoredReserve s = ReadReserve(ctx());
    EXPECT_TRUE(s.present);
    EXPECT_FALSE(s.monthsLeft.has_value());

    // A blank first reserve text means no reserve.
    ctx().monthTable = u"Mars"_s;
    data.addRow(u"Mars"_s, Row{{field::Reserve, u"   "_s}});
    EXPECT_FALSE(ReadReserve(ctx()).present);
}

TEST_F(ScheduleTest, ReserveSaveIsAllOrNothing) {
    // The file refuses a third row: the first two writes must not stay either.
    ctx().accountDb.exec(u"CREATE TRIGGER full BEFORE INSERT ON Janvier WHEN (SELECT count(*) FROM "
                         "Janvier) >= 2 BEGIN SELECT RAISE(ABORT, 'full'); END;"_s);
    EXPECT_THROW(SaveReserve(ctx(), {u"12,5"_s, u"3"_s, u"d"_s}), DbError);
    const QList<Row> r = rows();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0][field::Reserve], u"R1"_s);
}

TEST_F(ScheduleTest, TotalsBeyondWhatCanBeKeptAreRefused) {
    add(Scheduled(u"P"_s, u"EDF"_s, DirectDebitPrix(30, 4)));
    add(Scheduled(u"R"_s, u"DENTISTE"_s, ForecastPrix(100, 4)));
    const QList<Row> before = rows();
    const QString huge = u"1E308"_s;
    const ScheduledInput input{u"ENERGIE"_s, u"GAZ"_s, huge, u"10"_s, u"d"_s};
    const ScheduledEdit edit{u"GAZ"_s, huge, u"10"_s, u"d"_s};
    EXPECT_THROW(AddDirectDebit(ctx(), input), std::range_error);
    EXPECT_THROW(AddForecast(ctx(), input), std::range_error);
    EXPECT_THROW(ModifyDirectDebit(ctx(), 0, edit), std::range_error);
    EXPECT_THROW(ModifyForecast(ctx(), 2, edit), std::range_error);
    EXPECT_THROW(SaveReserve(ctx(), {huge, u"10"_s, u"d"_s}), std::range_error);
    EXPECT_EQ(rows(), before);
}
