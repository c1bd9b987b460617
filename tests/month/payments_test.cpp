#include "data/database.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "month/payments.h"
#include "support/testdata.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tirelou;
using namespace tirelou::test;

namespace {

const QString Mars = QStringLiteral("Mars");
const QString Blanks15(15, QLatin1Char(' '));

// An account in March whose first row holds the remainder and whose second row holds the
// reserve text; every other field "0", so every row is free.
class PaymentsTest : public ::testing::Test {
protected:
    PaymentsTest() { data.login(data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("SECRET"), 3)); }

    void seed(const QString& remainder, const QString& reserve, int rows = 3) {
        data.addRow(Mars, {{field::Reste, remainder}});
        if (rows > 1)
            data.addRow(Mars, {{field::Reserve, reserve}});
        for (int i = 2; i < rows; ++i)
            data.addRow(Mars, {});
    }
    QList<Row> rows() { return data.rows(Mars); }
    QString reste() { return rows().at(0).value(field::Reste); }
    QString reserve() { return rows().at(1).value(field::Reserve); }
    // Puts new running figures into the first two rows, as another screen would have left them.
    void setFigures(const QString& remainder, const QString& reserveText) {
        RecordSet rs;
        rs.open(data.ctx().accountDb, Mars);
        rs.moveTo(0);
        rs.edit();
        rs.setValue(field::Reste, remainder);
        rs.update();
        rs.moveTo(1);
        rs.edit();
        rs.setValue(field::Reserve, reserveText);
        rs.update();
    }

    BookResult pay(const QString& category, const QString& label, const QString& number,
                   const QString& amount, const QString& date = QStringLiteral("15/03/2026")) {
        return RecordPayment(data.ctx(), {category, label, number, amount, date});
    }

    TestData data;
};

TEST(ReserveCover, CoversWhatItCanAndOwesTheRest) {
    // Nothing to cover.
    Cover c = CoverShortfall(70, 30, {80, 0});
    EXPECT_EQ(c.remainderText, QStringLiteral("70"));
    EXPECT_FALSE(c.reserveChanged);
    // A reserve large enough takes the whole shortfall.
    c = CoverShortfall(-50, 150, {80, 10});
    EXPECT_EQ(c.remainderText, QStringLiteral("0"));
    EXPECT_TRUE(c.reserveChanged);
    EXPECT_DOUBLE_EQ(c.reserve.balance, 30);
    EXPECT_DOUBLE_EQ(c.reserve.toReserve, 10);
    // A reserve just large enough is emptied and the remainder is 0.
    c = CoverShortfall(-80, 180, {80, 0});
    EXPECT_EQ(c.remainderText, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(c.reserve.balance, 0);
    // A small reserve is emptied and owed again; the remainder stays negative.
    c = CoverShortfall(-50, 150, {20, 40});
    EXPECT_EQ(c.remainderText, QStringLiteral("-30"));
    EXPECT_DOUBLE_EQ(c.reserve.balance, 0);
    EXPECT_DOUBLE_EQ(c.reserve.toReserve, 60);
    // An empty reserve leaves the remainder negative and the reserve alone.
    c = CoverShortfall(-50, 150, {0, 40});
    EXPECT_EQ(c.remainderText, QStringLiteral("-50"));
    EXPECT_FALSE(c.reserveChanged);
    // Fractions keep their plain number form.
    c = CoverShortfall(-0.25, 100.25, {0.5, 0});
    EXPECT_EQ(c.remainderText, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(c.reserve.balance, 0.25);
}

TEST(ReserveCover, ReserveTextKeepsBothFiguresInPlace) {
    EXPECT_EQ(ReserveText({30, 0}), QStringLiteral("30") + Blanks15 + QStringLiteral(" 0"));
    EXPECT_EQ(ReserveText({0.5, -12.5}), QStringLiteral(".5") + Blanks15 + QStringLiteral("-12.5"));
    const ReserveState back = ReadReserve(ReserveText({1234.56, 789.1}));
    EXPECT_DOUBLE_EQ(back.balance, 1234.56);
    EXPECT_DOUBLE_EQ(back.toReserve, 789.1);
    // The texts other screens write: a comma as the decimal point, twenty blanks.
    const ReserveState other =
        ReadReserve(QStringLiteral("80,5") + QString(20, QLatin1Char(' ')) + QStringLiteral("40"));
    EXPECT_DOUBLE_EQ(other.balance, 80.5);
    EXPECT_DOUBLE_EQ(other.toReserve, 40);
    EXPECT_DOUBLE_EQ(ReadReserve(QString()).balance, 0);
}

TEST_F(PaymentsTest, PaymentLowersTheRemainderAndTakesTheFirstFreeRow) {
    seed(QStringLiteral("100"), QStringLiteral("0"));
    const BookResult r = pay(QStringLiteral("MAISON"), QStringLiteral("loyer"), QStringLiteral("1234567"),
                             QStringLiteral(" 30 "));
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.remainderText, QStringLiteral("70"));
    const Row row = rows().at(0);
    EXPECT_EQ(row.value(field::Rubriques), QStringLiteral("MAISON"));
    EXPECT_EQ(row.value(field::Libelle), QStringLiteral("LOYER"));
    EXPECT_EQ(row.value(field::NumCheque), QStringLiteral("1234567"));
    EXPECT_EQ(row.value(field::Prix), QStringLiteral("30"));
    EXPECT_EQ(row.value(field::Date), QStringLiteral("15/03/2026"));
    EXPECT_EQ(row.value(field::Poste), QStringLiteral("X"));
    EXPECT_EQ(row.value(field::Reste), QStringLiteral("70"));
    EXPECT_EQ(reserve(), QStringLiteral("0")); // rewritten as it was
    EXPECT_EQ(data.ctx().month.remainderText, QStringLiteral("70"));
}

TEST_F(PaymentsTest, CardWordCommaAmountAndRowReuse) {
    seed(QStringLiteral("100"), QStringLiteral("0"));
    pay(QStringLiteral("ENERGIE"), QStringLiteral("edf"), QStringLiteral("carte"), QStringLiteral("12,50"));
    pay(QStringLiteral("LOISIRS"), QStringLiteral("cine"), QStringLiteral("CARTE BLEUE"),
        QStringLiteral("abc"));
    // Both rows before the last one are taken: the next payment gets a new row, never the last.
    const BookResult third =
        pay(QStringLiteral("SANTE"), QStringLiteral("pharma"), QStringLiteral("9"), QStringLiteral("7.5"));
    EXPECT_EQ(third.row, 3);
    QList<Row> all = rows();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].value(field::NumCheque), QStringLiteral("CARTE"));
    EXPECT_EQ(all[0].value(field::Poste), QStringLiteral("C"));
    EXPECT_EQ(all[0].value(field::Prix), QStringLiteral("12.50"));
    EXPECT_EQ(all[1].value(field::Poste), QStringLiteral("X"));
    EXPECT_EQ(all[1].value(field::Prix), QStringLiteral("ABC")); // stored as typed, counts 0
    EXPECT_EQ(all[2].value(field::Rubriques), QStringLiteral("0"));
    for (const QString& f :
         {field::MontPrecedent, field::Depot, field::Montant, field::Reste, field::Reserve})
        EXPECT_EQ(all[3].value(f), QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(all[3].value(field::Libelle), QStringLiteral("PHARMA"));
    EXPECT_EQ(all[0].value(field::Reste), QStringLiteral("80")); // 100 - 12.5 - 0 - 7.5

    // An erased payment frees its row, and the next payment takes it back.
    ASSERT_TRUE(
        ErasePayment(data.ctx(), QStringLiteral("LOISIRS"), QStringLiteral("CINE"), QStringLiteral("ABC")));
    EXPECT_EQ(
        pay(QStringLiteral("MAISON"), QStringLiteral("clef"), QStringLiteral("10"), QStringLiteral("5")).row,
        1);
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(PaymentsTest, ReserveCoversAShortfall) {
    seed(QStringLiteral("100"), QStringLiteral("80") + Blanks15 + QStringLiteral(" 40"));
    BookResult r =
        pay(QStringLiteral("MAISON"), QStringLiteral("four"), QStringLiteral("1"), QStringLiteral("150"));
    EXPECT_EQ(r.remainderText, QStringLiteral("0"));
    EXPECT_EQ(reste(), QStringLiteral("0"));
    EXPECT_EQ(reserve(), QStringLiteral("30") + Blanks15 + QStringLiteral(" 40"));

    // 30 left in reserve, payment of 50 on 0: the reserve is emptied and owed again.
    r = pay(QStringLiteral("MAISON"), QStringLiteral("lit"), QStringLiteral("2"), QStringLiteral("50"));
    EXPECT_EQ(reste(), QStringLiteral("-20"));
    EXPECT_EQ(reserve(), QStringLiteral("0") + Blanks15 + QStringLiteral(" 70"));

    // An empty reserve covers nothing and is left as it stands.
    pay(QStringLiteral("MAISON"), QStringLiteral("drap"), QStringLiteral("3"), QStringLiteral("5"));
    EXPECT_EQ(reste(), QStringLiteral("-25"));
    EXPECT_EQ(reserve(), QStringLiteral("0") + Blanks15 + QStringLiteral(" 70"));
}

TEST_F(PaymentsTest, EmptyMonthGetsItsFirstRowWithoutReserveText) {
    const BookResult r =
        pay(QStringLiteral("MAISON"), QStringLiteral("loyer"), QStringLiteral("1"), QStringLiteral("30"));
    EXPECT_EQ(r.row, 0);
    const QList<Row> all = rows();
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].value(field::Reste), QStringLiteral("-30"));
    EXPECT_EQ(all[0].value(field::Reserve), QStringLiteral("0"));
    EXPECT_EQ(all[0].value(field::Libelle), QStringLiteral("LOYER"));
}

TEST_F(PaymentsTest, DepositsFillFreeSlotsThenNewRows) {
    seed(QStringLiteral("100"), QStringLiteral("0"), 2);
    pay(QStringLiteral("MAISON"), QStringLiteral("loyer"), QStringLiteral("1"), QStringLiteral("500"));
    // Remainder -400 with an empty reserve: deposits never touch the reserve. The first
    // deposit shares the payment's row without touching its fields.
    BookResult r = RecordDeposit(data.ctx(), QStringLiteral("salaire"), QStringLiteral("250"));
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.remainderText, QStringLiteral("-150"));
    r = RecordDeposit(data.ctx(), QStringLiteral("prime"), QStringLiteral("12,5"));
    EXPECT_EQ(r.row, 1);
    // No slot left: a row of its own, every other field "0".
    r = RecordDeposit(data.ctx(), QStringLiteral("retrait"), QStringLiteral("-40"));
    EXPECT_EQ(r.row, 2);
    EXPECT_EQ(r.remainderText, QStringLiteral("-177.5"));

    const QList<Row> all = rows();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].value(field::Libelle), QStringLiteral("LOYER"));
    EXPECT_EQ(all[0].value(field::Prix), QStringLiteral("500"));
    EXPECT_EQ(all[0].value(field::Montant), QStringLiteral("250"));
    EXPECT_EQ(all[0].value(field::Depot), QStringLiteral("SALAIRE"));
    EXPECT_EQ(all[0].value(field::Reste), QStringLiteral("-177.5"));
    EXPECT_EQ(all[1].value(field::Montant), QStringLiteral("12.5"));
    EXPECT_EQ(all[1].value(field::Depot), QStringLiteral("PRIME"));
    EXPECT_EQ(all[1].value(field::Reserve), QStringLiteral("0"));
    for (const QString& f : MonthFields()) {
        if (f != field::Montant && f != field::Depot) {
            EXPECT_EQ(all[2].value(f), QStringLiteral("0")) << f.toStdString();
        }
    }
    EXPECT_EQ(all[2].value(field::Montant), QStringLiteral("-40"));
    EXPECT_EQ(all[2].value(field::Depot), QStringLiteral("RETRAIT"));

    r = RecordDeposit(data.ctx(), QStringLiteral(""), QStringLiteral("10"));
    EXPECT_EQ(r.row, 3);
    EXPECT_EQ(rows().at(3).value(field::Depot), QString()); // an empty label is accepted
    EXPECT_EQ(reste(), QStringLiteral("-167.5"));

    // A label of "0" would leave the slot looking free for the next deposit to take.
    EXPECT_EQ(RecordDeposit(data.ctx(), QStringLiteral(" 0 "), QStringLiteral("5")).row, 4);
    ASSERT_EQ(RecordDeposit(data.ctx(), QStringLiteral("loto"), QStringLiteral("1")).row, 5);
    EXPECT_EQ(rows().at(4).value(field::Depot), QStringLiteral("DEPOS"));
    EXPECT_EQ(rows().at(4).value(field::Montant), QStringLiteral("5"));
    EXPECT_EQ(rows().at(5).value(field::Depot), QStringLiteral("LOTO"));
    data.setLanguage(English);
    RecordDeposit(data.ctx(), QStringLiteral("0"), QStringLiteral("5"));
    EXPECT_EQ(data.rows(QStringLiteral("March")).at(0).value(field::Depot), QStringLiteral("DEPOSIT"));
}

TEST_F(PaymentsTest, ModifiedAmountMovesTheRemainder) {
    seed(QStringLiteral("100"), QStringLiteral("10") + Blanks15 + QStringLiteral(" 5"));
    pay(QStringLiteral("MAISON"), QStringLiteral("loyer"), QStringLiteral("1"), QStringLiteral("60"));
    const auto change = [this](const QString& amount, const QString& number = QStringLiteral("1")) {
        return ModifyPayment(data.ctx(),
                             {QStringLiteral("MAISON"), QStringLiteral("LOYER"), QStringLiteral("LOYER"),
                              amount, number, QStringLiteral("16/03/2026")});
    };
    // Smaller: the difference comes back.
    ASSERT_TRUE(change(QStringLiteral("45,5")));
    EXPECT_EQ(reste(), QStringLiteral("54.5"));
    EXPECT_EQ(rows().at(0).value(field::Prix), QStringLiteral("45.5"));
    EXPECT_EQ(rows().at(0).value(field::Date), QStringLiteral("16/03/2026"));
    // Larger, still above zero: the reserve stays.
    ASSERT_TRUE(change(QStringLiteral("95.5")));
    EXPECT_EQ(reste(), QStringLiteral("4.5"));
    EXPECT_EQ(reserve(), QStringLiteral("10") + Blanks15 + QStringLiteral(" 5"));
    // Larger, below zero: the reserve covers as for a new payment.
    ASSERT_TRUE(change(QStringLiteral("105.5")));
    EXPECT_EQ(reste(), QStringLiteral("0"));
    EXPECT_EQ(reserve(), QStringLiteral("4.5") + Blanks15 + QStringLiteral(" 5"));
    ASSERT_TRUE(change(QStringLiteral("115.5")));
    EXPECT_EQ(reste(), QStringLiteral("-5.5"));
    EXPECT_EQ(reserve(), QStringLiteral("0") + Blanks15 + QStringLiteral(" 9.5"));

    // A zero amount or an empty number saves nothing.
    EXPECT_FALSE(change(QStringLiteral("0")));
    EXPECT_FALSE(change(QStringLiteral("20"), QStringLiteral(" ")));
    EXPECT_EQ(rows().at(0).value(field::Prix), QStringLiteral("115.5"));
    EXPECT_EQ(reste(), QStringLiteral("-5.5"));
    // The kind stays what it was, even when the number becomes the card word.
    ASSERT_TRUE(change(QStringLiteral("115.5"), QStringLiteral("carte")));
    EXPECT_EQ(rows().at(0).value(field::NumCheque), QStringLiteral("CARTE"));
    EXPECT_EQ(rows().at(0).value(field::Poste), QStringLiteral("X"));
    EXPECT_EQ(reste(), QStringLiteral("-5.5"));

    // The label and the date are written as typed, even emptied.
    ASSERT_TRUE(
        ModifyPayment(data.ctx(), {QStringLiteral("MAISON"), QStringLiteral("LOYER"), QStringLiteral(" "),
                                   QStringLiteral("115.5"), QStringLiteral("carte"), QString()}));
    EXPECT_EQ(rows().at(0).value(field::Libelle), QString());
    EXPECT_EQ(rows().at(0).value(field::Date), QString());
    EXPECT_EQ(rows().at(0).value(field::Rubriques), QStringLiteral("MAISON"));
}

TEST_F(PaymentsTest, SameLabelFreesTheFirstPaymentAndGivesBackTheChosenAmount) {
    seed(QStringLiteral("100"), QStringLiteral("0"), 4);
    pay(QStringLiteral("MAISON"), QStringLiteral("eau"), QStringLiteral("1"), QStringLiteral("10"));
    pay(QStringLiteral("MAISON"), QStringLiteral("eau"), QStringLiteral("2"), QStringLiteral("20"));
    EXPECT_EQ(reste(), QStringLiteral("70"));

    // The second one, of 20, was chosen.
    ASSERT_TRUE(
        ErasePayment(data.ctx(), QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("20")));
    QList<Row> all = rows();
    for (const QString& f : EntryFields())
        EXPECT_EQ(all[0].value(f), QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(all[0].value(field::Reste), QStringLiteral("90"));
    EXPECT_EQ(all[1].value(field::NumCheque), QStringLiteral("2"));
    EXPECT_EQ(all[1].value(field::Prix), QStringLiteral("20"));
    EXPECT_EQ(all.size(), 4); // the row stays

    EXPECT_FALSE(
        ErasePayment(data.ctx(), QStringLiteral("ENERGIE"), QStringLiteral("EAU"), QStringLiteral("20")));
    EXPECT_EQ(reste(), QStringLiteral("90"));
}

TEST_F(PaymentsTest, DirectDebitsAreNeverTakenForPayments) {
    data.addRow(Mars, {{field::Reste, QStringLiteral("100")},
                       {field::Rubriques, QStringLiteral("MAISON")},
                       {field::Libelle, QStringLiteral("EAU")},
                       {field::Prix, QStringLiteral("30                    90")},
                       {field::Poste, QStringLiteral("P")}});
    data.addRow(Mars, {});
    EXPECT_FALSE(
        ErasePayment(data.ctx(), QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("30")));
    EXPECT_FALSE(
        ModifyPayment(data.ctx(), {QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("EAU"),
                                   QStringLiteral("5"), QStringLiteral("1"), QString()}));
    EXPECT_EQ(rows().at(0).value(field::Prix), QStringLiteral("30                    90"));
    EXPECT_EQ(reste(), QStringLiteral("100"));

    const QList<CategoryRow> listed = CategoryRows(data.ctx(), QStringLiteral("MAISON"));
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].position, 1);
    EXPECT_FALSE(IsPaymentKind(listed[0].kind));
    EXPECT_EQ(PaymentAmountText(listed[0].price), QStringLiteral("30"));
}

TEST_F(PaymentsTest, SumsOfDecimalsAreWrittenWithoutBinaryNoise) {
    seed(QStringLiteral("100.1"), QStringLiteral("0"));
    RecordDeposit(data.ctx(), QStringLiteral("retrait"), QStringLiteral("-100"));
    EXPECT_EQ(reste(), QStringLiteral(".1"));
    setFigures(QStringLiteral("100.1"), QStringLiteral("0"));
    pay(QStringLiteral("MAISON"), QStringLiteral("eau"), QStringLiteral("1"), QStringLiteral("100"));
    EXPECT_EQ(reste(), QStringLiteral(".1"));

    // The reserve covering a shortfall: what it keeps, what is drawn, what is owed again.
    setFigures(QStringLiteral("0"), QStringLiteral("100.1") + Blanks15 + QStringLiteral(" 0"));
    pay(QStringLiteral("MAISON"), QStringLiteral("gaz"), QStringLiteral("2"), QStringLiteral("100"));
    EXPECT_EQ(reste(), QStringLiteral("0"));
    EXPECT_EQ(reserve(), QStringLiteral(".1") + Blanks15 + QStringLiteral(" 0"));
    setFigures(QStringLiteral("-50"), QStringLiteral("100.1") + Blanks15 + QStringLiteral(" 0"));
    pay(QStringLiteral("MAISON"), QStringLiteral("bois"), QStringLiteral("3"), QStringLiteral("100"));
    EXPECT_EQ(reste(), QStringLiteral("-49.9"));
    EXPECT_EQ(reserve(), QStringLiteral(".1") + Blanks15 + QStringLiteral(" 0"));
    setFigures(QStringLiteral("0"), QStringLiteral("100.1") + Blanks15 + QStringLiteral("-100"));
    pay(QStringLiteral("MAISON"), QStringLiteral("fuel"), QStringLiteral("4"), QStringLiteral("200"));
    EXPECT_EQ(reste(), QStringLiteral("-99.9"));
    EXPECT_EQ(reserve(), QStringLiteral("0") + Blanks15 + QStringLiteral(" .1"));

    // A corrected amount and an erasure.
    setFigures(QStringLiteral("0"), QStringLiteral("0"));
    ASSERT_TRUE(
        ModifyPayment(data.ctx(), {QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("EAU"),
                                   QStringLiteral("99.9"), QStringLiteral("1"), QString()}));
    EXPECT_EQ(reste(), QStringLiteral(".1"));
    setFigures(QStringLiteral("-100"), QStringLiteral("0"));
    ASSERT_TRUE(
        ErasePayment(data.ctx(), QStringLiteral("MAISON"), QStringLiteral("GAZ"), QStringLiteral("100.1")));
    EXPECT_EQ(reste(), QStringLiteral(".1"));
}

TEST_F(PaymentsTest, FiguresBeyondWhatCanBeKeptAreRefused) {
    seed(QStringLiteral("1E308"), QStringLiteral("0"));
    data.addRow(Mars, {{field::Rubriques, QStringLiteral("MAISON")},
                       {field::Libelle, QStringLiteral("EAU")},
                       {field::Prix, QStringLiteral("-1E308")},
                       {field::Poste, QStringLiteral("X")}});
    const QList<Row> before = rows();
    EXPECT_THROW(RecordDeposit(data.ctx(), QStringLiteral("gros lot"), QStringLiteral("1E308")),
                 std::range_error);
    EXPECT_THROW(
        pay(QStringLiteral("MAISON"), QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("-1E308")),
        std::range_error);
    EXPECT_THROW(
        ErasePayment(data.ctx(), QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("1E308")),
        std::range_error);
    EXPECT_THROW(
        ModifyPayment(data.ctx(), {QStringLiteral("MAISON"), QStringLiteral("EAU"), QStringLiteral("EAU"),
                                   QStringLiteral("1E308"), QStringLiteral("1"), QString()}),
        std::range_error);
    EXPECT_EQ(rows(), before);
}

TEST_F(PaymentsTest, ARefusedWriteLeavesNothingBehind) {
    seed(QStringLiteral("100"), QStringLiteral("0"));
    // The file refuses any change of the remainder: the row written before must go too.
    data.ctx().accountDb.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE OF Reste ON Mars BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    const QList<Row> before = rows();
    EXPECT_THROW(
        pay(QStringLiteral("MAISON"), QStringLiteral("loyer"), QStringLiteral("1"), QStringLiteral("30")),
        DbError);
    EXPECT_THROW(RecordDeposit(data.ctx(), QStringLiteral("salaire"), QStringLiteral("30")), DbError);
    EXPECT_EQ(rows(), before);
}

} // namespace
