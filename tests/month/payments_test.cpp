#include "data/database.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "month/payments.h"
#include "support/testdata.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;

// A reserve text: the balance, 15 blanks, the figure still to build up.
QString Res(const QString& balance, const QString& toReserve) {
    return balance + QString(15, u' ') + toReserve;
}

// Account 1 in March: the first row holds the remainder, the second the reserve text.
class PaymentsTest : public ::testing::Test {
protected:
    PaymentsTest() { data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3)); }

    void seed(const QString& remainder, const QString& reserve, int rows = 3) {
        data.addRow(Mars, {{field::Reste, remainder}});
        data.addRow(Mars, {{field::Reserve, reserve}});
        for (int i = 2; i < rows; ++i)
            data.addRow(Mars, {});
    }
    QList<Row> rows() { return data.rows(Mars); }
    // Each row's fields in table order, "|" between them: Rubriques|Libelle|NumCheque|Prix|
    // Date|Poste|Depot|Montant|Reste|MontPrecedent|Reserve.
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (const Row& row : rows()) {
            QStringList values;
            for (const QString& f : MonthFields())
                values << row.value(f);
            out.push_back(values.join(u'|').toStdString());
        }
        return out;
    }
    QString reste() { return rows().at(0).value(field::Reste); }
    QString reserve() { return rows().at(1).value(field::Reserve); }
    // The running figures as another screen would have left them.
    void setFigures(const QString& remainder, const QString& reserveText) {
        RecordSet rs;
        rs.open(data.ctx().accountDb, Mars);
        for (int row : {0, 1}) {
            rs.moveTo(row);
            rs.edit();
            rs.setValue(row ? field::Reserve : field::Reste, row ? reserveText : remainder);
            rs.update();
        }
    }
    BookResult pay(const QString& category, const QString& label, const QString& number,
                   const QString& amount) {
        return RecordPayment(data.ctx(), {category, label, number, amount, u"15/03/2026"_s});
    }
    std::optional<BookResult> change(const QString& label, const QString& amount, const QString& number,
                                     const QString& newLabel, const QString& date) {
        return ModifyPayment(data.ctx(), {u"MAISON"_s, label, newLabel, amount, number, date});
    }

    TestData data;
};

TEST(ReserveText, ReadsTheTextsOfOtherScreens) {
    const ReserveFigures other = ReadReserve(u"80,5"_s + QString(20, u' ') + u"-40"_s);
    EXPECT_DOUBLE_EQ(other.balance, 80.5);
    EXPECT_DOUBLE_EQ(other.toReserve, -40);
    EXPECT_DOUBLE_EQ(ReadReserve(u"0"_s).toReserve, 0);
}

TEST_F(PaymentsTest, PaymentLowersTheRemainderAndTheReserveCoversAShortfall) {
    struct Case {
        QString remainder, reserve, amount, remainderAfter, reserveAfter;
    };
    const Case cases[] = {
        {u"100"_s, u"0"_s, u"30"_s, u"70"_s, u"0"_s},
        {u"100"_s, Res(u"80"_s, u" 10"_s), u"150"_s, u"0"_s, Res(u"30"_s, u" 10"_s)},
        {u"100"_s, Res(u"80"_s, u" 0"_s), u"180"_s, u"0"_s, Res(u"0"_s, u" 0"_s)},
        // Too small: emptied, what it held owed to it again, the remainder stays negative.
        {u"100"_s, Res(u"20"_s, u" 40"_s), u"150"_s, u"-30"_s, Res(u"0"_s, u" 60"_s)},
        {u"100"_s, u"0,0"_s + QString(20, u' ') + u"40"_s, u"150"_s, u"-50"_s,
         u"0,0"_s + QString(20, u' ') + u"40"_s},
        {u"-20"_s, Res(u"0"_s, u" 70"_s), u"5"_s, u"-25"_s, Res(u"0"_s, u" 70"_s)},
        {u"100"_s, Res(u".5"_s, u" 0"_s), u"100,25"_s, u"0"_s, Res(u".25"_s, u" 0"_s)},
        // Decimals settled: no binary noise in what is kept, drawn or owed again.
        {u"100.1"_s, u"0"_s, u"100"_s, u".1"_s, u"0"_s},
        {u"0"_s, Res(u"100.1"_s, u" 0"_s), u"100"_s, u"0"_s, Res(u".1"_s, u" 0"_s)},
        {u"-50"_s, Res(u"100.1"_s, u" 0"_s), u"100"_s, u"-49.9"_s, Res(u".1"_s, u" 0"_s)},
        {u"0"_s, Res(u"100.1"_s, u"-100"_s), u"200"_s, u"-99.9"_s, Res(u"0"_s, u" .1"_s)},
    };
    seed(u"0"_s, u"0"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE((c.remainder + u" | "_s + c.reserve + u" | "_s + c.amount).toStdString());
        setFigures(c.remainder, c.reserve);
        EXPECT_EQ(pay(u"MAISON"_s, u"x"_s, u"1"_s, c.amount).remainderText, c.remainderAfter);
        EXPECT_EQ(reste(), c.remainderAfter);
        EXPECT_EQ(reserve(), c.reserveAfter);
        EXPECT_EQ(data.ctx().month.remainderText, c.remainderAfter);
    }
}

TEST_F(PaymentsTest, PaymentsTakeFreeRowsAndAnErasureFreesTheFirstOfItsLabel) {
    seed(u"100"_s, u"0"_s);
    EXPECT_EQ(pay(u"MAISON"_s, u"l'eau, le gaz"_s, u"1234567"_s, u" 30 "_s).row, 0);
    EXPECT_EQ(pay(u"ENERGIE"_s, u"edf"_s, u"carte"_s, u"12,50"_s).row, 1);
    // The last row is never taken: a new one, its other fields "0". An amount that is no
    // number is stored as typed and counts 0.
    EXPECT_EQ(pay(u"LOISIRS"_s, u"cine"_s, u"CARTE BLEUE"_s, u"abc"_s).row, 3);
    EXPECT_EQ(lines(), (std::vector<std::string>{"MAISON|L'EAU, LE GAZ|1234567|30|15/03/2026|X|0|0|57.5|0|0",
                                                 "ENERGIE|EDF|CARTE|12.50|15/03/2026|C|0|0|0|0|0",
                                                 "0|0|0|0|0|0|0|0|0|0|0",
                                                 "LOISIRS|CINE|CARTE BLEUE|ABC|15/03/2026|X|0|0|0|0|0"}));

    // Found again by a label holding a quote and a comma. The second payment of that label
    // was chosen: the first one is freed, the chosen amount given back, and the freed row is
    // the next one taken.
    EXPECT_EQ(pay(u"MAISON"_s, u"l'eau, le gaz"_s, u"2"_s, u"20"_s).row, 2);
    ASSERT_TRUE(ErasePayment(data.ctx(), u"MAISON"_s, u"L'EAU, LE GAZ"_s, u"20"_s));
    EXPECT_EQ(lines().at(0), "0|0|0|0|0|0|0|0|57.5|0|0");
    EXPECT_EQ(lines().at(2), "MAISON|L'EAU, LE GAZ|2|20|15/03/2026|X|0|0|0|0|0");
    EXPECT_FALSE(ErasePayment(data.ctx(), u"ENERGIE"_s, u"L'EAU, LE GAZ"_s, u"20"_s));
    EXPECT_EQ(pay(u"SANTE"_s, u"pharma"_s, u"9"_s, u"7.5"_s).row, 0);
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(PaymentsTest, EmptyMonthGetsItsFirstRowWithoutReserveText) {
    EXPECT_EQ(pay(u"MAISON"_s, u"loyer"_s, u"1"_s, u"30"_s).row, 0);
    EXPECT_EQ(lines(), std::vector<std::string>{"MAISON|LOYER|1|30|15/03/2026|X|0|0|-30|0|0"});
}

TEST_F(PaymentsTest, DepositsFillFreeSlotsThenNewRows) {
    seed(u"100"_s, u"0"_s, 2);
    pay(u"MAISON"_s, u"loyer"_s, u"1"_s, u"500"_s);
    // The payment's row has a free slot; deposits never touch the reserve.
    EXPECT_EQ(RecordDeposit(data.ctx(), u"salaire"_s, u"250"_s).row, 0);
    EXPECT_EQ(RecordDeposit(data.ctx(), u"prime"_s, u"12,5"_s).row, 1);
    EXPECT_EQ(RecordDeposit(data.ctx(), u"retrait"_s, u"-40"_s).row, 2);
    // A label of "0" would leave the slot looking free for the next deposit to take.
    EXPECT_EQ(RecordDeposit(data.ctx(), u" 0 "_s, u"5"_s).row, 3);
    EXPECT_EQ(RecordDeposit(data.ctx(), u""_s, u"1"_s).remainderText, u"-171.5"_s);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"MAISON|LOYER|1|500|15/03/2026|X|SALAIRE|250|-171.5|0|0",
                                        "0|0|0|0|0|0|PRIME|12.5|0|0|0", "0|0|0|0|0|0|RETRAIT|-40|0|0|0",
                                        "0|0|0|0|0|0|DEPOS|5|0|0|0", "0|0|0|0|0|0||1|0|0|0"}));
    data.setLanguage(English);
    RecordDeposit(data.ctx(), u"0"_s, u"5"_s);
    EXPECT_EQ(data.rows(u"March"_s).at(0).value(field::Depot), u"DEPOSIT"_s);
}

TEST_F(PaymentsTest, ModifiedAmountMovesTheRemainder) {
    seed(u"100"_s, Res(u"10"_s, u" 5"_s));
    pay(u"MAISON"_s, u"loyer"_s, u"1"_s, u"60"_s);
    const QString steps[][3] = {
        {u"45,5"_s, u"54.5"_s, Res(u"10"_s, u" 5"_s)},
        {u"95.5"_s, u"4.5"_s, Res(u"10"_s, u" 5"_s)},
        {u"105.5"_s, u"0"_s, Res(u"4.5"_s, u" 5"_s)},
        {u"115.5"_s, u"-5.5"_s, Res(u"0"_s, u" 9.5"_s)},
    };
    for (const auto& [amount, remainder, reserveText] : steps) {
        SCOPED_TRACE(amount.toStdString());
        ASSERT_TRUE(change(u"LOYER"_s, amount, u"1"_s, u"LOYER"_s, u"16/03/2026"_s));
        EXPECT_EQ(reste(), remainder);
        EXPECT_EQ(reserve(), reserveText);
    }
    const std::string changed = "MAISON|LOYER|1|115.5|16/03/2026|X|0|0|-5.5|0|0";
    EXPECT_EQ(lines().front(), changed);
    // A zero amount, an empty number or a label no payment holds saves nothing.
    EXPECT_FALSE(change(u"LOYER"_s, u"0"_s, u"1"_s, u"LOYER"_s, QString()));
    EXPECT_FALSE(change(u"LOYER"_s, u"20"_s, u" "_s, u"LOYER"_s, QString()));
    EXPECT_FALSE(change(u"EAU"_s, u"20"_s, u"1"_s, u"LOYER"_s, QString()));
    EXPECT_EQ(lines().front(), changed);
    // The kind stays what it was; the label and the date are written as typed, even emptied.
    ASSERT_TRUE(change(u"LOYER"_s, u"115.5"_s, u"carte"_s, u" "_s, QString()));
    EXPECT_EQ(lines().front(), "MAISON||CARTE|115.5||X|0|0|-5.5|0|0");
}

TEST_F(PaymentsTest, DirectDebitsAreNeverTakenForPayments) {
    const QString prix = u"30                    90"_s;
    data.addRow(Mars, {{field::Reste, u"100"_s},
                       {field::Rubriques, u"MAISON"_s},
                       {field::Libelle, u"EAU"_s},
                       {field::Prix, prix},
                       {field::Poste, u"P"_s}});
    data.addRow(Mars, {});
    EXPECT_FALSE(ErasePayment(data.ctx(), u"MAISON"_s, u"EAU"_s, u"30"_s));
    EXPECT_FALSE(change(u"EAU"_s, u"5"_s, u"1"_s, u"EAU"_s, QString()));
    EXPECT_EQ(rows().at(0).value(field::Prix), prix);
    EXPECT_EQ(reste(), u"100"_s);

    const QList<CategoryRow> listed = CategoryRows(data.ctx(), u"MAISON"_s);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].position, 1);
    EXPECT_FALSE(IsPaymentKind(listed[0].kind));
    EXPECT_EQ(PaymentAmountText(listed[0].price), u"30"_s);
}

TEST_F(PaymentsTest, DepositCorrectionAndErasureWriteNoBinaryNoise) {
    seed(u"100.1"_s, u"0"_s);
    RecordDeposit(data.ctx(), u"retrait"_s, u"-100"_s);
    EXPECT_EQ(reste(), u".1"_s);
    pay(u"MAISON"_s, u"eau"_s, u"1"_s, u"100"_s);
    pay(u"MAISON"_s, u"gaz"_s, u"2"_s, u"100.1"_s);
    setFigures(u"0"_s, u"0"_s);
    ASSERT_TRUE(change(u"EAU"_s, u"99.9"_s, u"1"_s, u"EAU"_s, QString()));
    EXPECT_EQ(reste(), u".1"_s);
    setFigures(u"-100"_s, u"0"_s);
    ASSERT_TRUE(ErasePayment(data.ctx(), u"MAISON"_s, u"GAZ"_s, u"100.1"_s));
    EXPECT_EQ(reste(), u".1"_s);
}

TEST_F(PaymentsTest, FiguresBeyondWhatCanBeKeptAreRefused) {
    seed(u"1E308"_s, u"0"_s);
    data.addRow(Mars, {{field::Rubriques, u"MAISON"_s},
                       {field::Libelle, u"EAU"_s},
                       {field::Prix, u"-1E308"_s},
                       {field::Poste, u"X"_s}});
    const QList<Row> before = rows();
    EXPECT_THROW(RecordDeposit(data.ctx(), u"gros lot"_s, u"1E308"_s), std::range_error);
    EXPECT_THROW(pay(u"MAISON"_s, u"x"_s, u"1"_s, u"-1E308"_s), std::range_error);
    EXPECT_THROW(ErasePayment(data.ctx(), u"MAISON"_s, u"EAU"_s, u"1E308"_s), std::range_error);
    EXPECT_THROW(change(u"EAU"_s, u"1E308"_s, u"1"_s, u"EAU"_s, QString()), std::range_error);
    EXPECT_EQ(rows(), before);
}

TEST_F(PaymentsTest, ARefusedWriteLeavesNothingBehind) {
    seed(u"100"_s, u"0"_s);
    // The file refuses any change of the remainder: the row written before must go too.
    data.ctx().accountDb.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE OF Reste ON Mars BEGIN SELECT RAISE(ABORT, 'refused'); END;"_s);
    const QList<Row> before = rows();
    EXPECT_THROW(pay(u"MAISON"_s, u"loyer"_s, u"1"_s, u"30"_s), DbError);
    EXPECT_THROW(RecordDeposit(data.ctx(), u"salaire"_s, u"30"_s), DbError);
    EXPECT_EQ(rows(), before);
}

} // namespace
