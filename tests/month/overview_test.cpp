#include "data/handover.h"
#include "data/schema.h"
#include "month/overview.h"
#include "support/testdata.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;

namespace {

QDate Day(int y, int m, int d) {
    return QDate(y, m, d);
}

TEST(BackupAge, CountsTheBackupDayItself) {
    EXPECT_EQ(BackupAge(u"05/03/2026", Day(2026, 3, 5), true), 1);
    EXPECT_EQ(BackupAge(u"05/03/2026", Day(2026, 3, 14), true), 10); // nine days later
    EXPECT_EQ(BackupAge(u"05/03/2026", Day(2026, 3, 15), true), 11); // ten days later
    // Across months and years the day count folds a quarter day a year in from March on.
    EXPECT_EQ(BackupAge(u"28/02/2026", Day(2026, 3, 10), true), 11);
    EXPECT_EQ(BackupAge(u"25/12/2025", Day(2026, 1, 2), true), 9);
    EXPECT_EQ(BackupAge(u"10/03/2026", Day(2026, 3, 1), true), -8); // a backup dated later
    EXPECT_DOUBLE_EQ(DayNumber(1, 1, 1901), 1);
    EXPECT_DOUBLE_EQ(DayNumber(1, 3, 1902), 365.25 + 59.25 + 1);
}

TEST(BackupAge, EachLanguageReadsItsOwnOrderFirst) {
    // The fifth of March as each language writes it, and as the other would misread it.
    EXPECT_EQ(BackupAge(u"05/03/2026", Day(2026, 3, 15), true), 11);
    EXPECT_EQ(BackupAge(u"03/05/2026", Day(2026, 3, 15), false), 11);
    EXPECT_EQ(BackupAge(u"12/01/2026", Day(2026, 12, 5), false), 5);
    EXPECT_EQ(BackupAge(u"12/01/2026", Day(2026, 1, 12), true), 1);
    // The other order only when the first gives no real date.
    EXPECT_EQ(BackupAge(u"03/25/2026", Day(2026, 3, 26), true), 2);
    EXPECT_EQ(BackupAge(u"25/03/2026", Day(2026, 3, 26), false), 2);
    EXPECT_FALSE(BackupAge(u"02/30/2026", Day(2026, 3, 1), true));
    EXPECT_FALSE(BackupAge(u"31/02/2026", Day(2026, 3, 1), false));
}

TEST(BackupAge, OddDatesAreReadOrRefused) {
    EXPECT_EQ(BackupAge(u" 05/03/2026 ", Day(2026, 3, 5), true), 1);
    for (const char16_t* odd :
         {u"", u"jamais", u"5/3/2026", u"32/13/2026", u"05/03/26", u"aa/bb/cccc", u"00/00/0000"})
        for (bool french : {true, false})
            EXPECT_FALSE(BackupAge(odd, Day(2026, 3, 5), french)) << QString::fromUtf16(odd).toStdString();
}

class OverviewTest : public ::testing::Test {
protected:
    OverviewTest() {
        data.login(data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("SECRET"), 3));
        data.ctx().clock.setToday(Day(2026, 3, 20));
    }
    void writeSauve(const QStringList& lines) {
        QFile f(data.path(handover::Sauve));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
    QString fileText(const QString& name) {
        QFile f(data.path(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("(missing)");
    }
    TestData data;
};

TEST_F(OverviewTest, BackupIsDueAfterTenDaysOnly) {
    EXPECT_FALSE(BackupDue(data.ctx())); // no settings file yet
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/"), QStringLiteral("10/03/2026")});
    EXPECT_TRUE(BackupDue(data.ctx()));
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/"), QStringLiteral("11/03/2026")});
    EXPECT_FALSE(BackupDue(data.ctx()));
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/")});
    EXPECT_FALSE(BackupDue(data.ctx()));
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/"), QStringLiteral("hier")});
    EXPECT_FALSE(BackupDue(data.ctx()));

    // The ninth of March, written month first by the English backup screen.
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/"), QStringLiteral("03/09/2026")});
    EXPECT_FALSE(BackupDue(data.ctx())); // the third of September in French
    data.setLanguage(English);
    EXPECT_TRUE(BackupDue(data.ctx()));
    writeSauve({QStringLiteral("/media/cle/"), QStringLiteral("/data/"), QStringLiteral("03/11/2026")});
    EXPECT_FALSE(BackupDue(data.ctx()));
}

TEST_F(OverviewTest, OpeningMarksTheMonthInHand) {
    data.addRow(QStringLiteral("Mars"), {{field::Reste, QStringLiteral("1234,5")}});
    OpenCurrentMonth(data.ctx());
    EXPECT_EQ(fileText(handover::Encour), QStringLiteral("ENCOUR\r\n"));
    EXPECT_EQ(fileText(handover::Lire), QStringLiteral("ENCOUR\r\n 3 \r\n2026\r\n"));
    EXPECT_EQ(data.ctx().yearText, QStringLiteral("2026"));
    EXPECT_EQ(data.ctx().monthTable, QStringLiteral("Mars"));
    EXPECT_DOUBLE_EQ(BalanceOf(data.ctx().month.remainderText), 1234.5);

    data.setLanguage(English);
    OpenCurrentMonth(data.ctx());
    EXPECT_EQ(data.ctx().monthTable, QStringLiteral("March"));
    EXPECT_EQ(data.ctx().month.remainderText, QString()); // the English tables are kept apart
}

TEST(Converter, KeepsTwoDecimalsInPlainForm) {
    EXPECT_EQ(ConvertedBalance(u"0", true), QStringLiteral(" 0"));
    EXPECT_EQ(ConvertedBalance(u"100", true), QStringLiteral(" 655.96"));
    EXPECT_EQ(ConvertedBalance(u"100", false), QStringLiteral(" 152.45"));
    EXPECT_EQ(ConvertedBalance(u"1234,5", true), QStringLiteral(" 8097.79"));
    EXPECT_EQ(ConvertedBalance(u"-10", true), QStringLiteral("-65.6"));
}

TEST(HubDate, DayOrMonthFirstInUpperCase) {
    const QDate d = Day(2026, 3, 5);
    const QString fr = HubDateLine(d, true);
    const QString en = HubDateLine(d, false);
    EXPECT_EQ(fr, fr.toUpper());
    EXPECT_TRUE(fr.contains(QStringLiteral(" 05 ")));
    EXPECT_TRUE(fr.endsWith(QStringLiteral(" 2026")));
    // The same four parts, the month name leading in English.
    QStringList parts = fr.split(QLatin1Char(' '));
    ASSERT_EQ(parts.size(), 4);
    EXPECT_EQ(en, parts[2] + QStringLiteral(" 05 ") + parts[0] + QStringLiteral(" 2026"));
}

} // namespace
