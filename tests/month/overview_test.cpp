#include "data/handover.h"
#include "data/schema.h"
#include "month/overview.h"
#include "support/testdata.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

TEST(BackupAge, CountsTheBackupDayInTheWorkingLanguagesOrder) {
    EXPECT_EQ(BackupAge(u"05/03/2026", {2026, 3, 5}, true), 1);
    EXPECT_EQ(BackupAge(u" 05/03/2026 ", {2026, 3, 14}, true), 10);
    // Across months and years the day count folds a quarter day a year in from March on.
    EXPECT_EQ(BackupAge(u"28/02/2026", {2026, 3, 10}, true), 11);
    EXPECT_EQ(BackupAge(u"25/12/2025", {2026, 1, 2}, true), 9);
    EXPECT_EQ(BackupAge(u"10/03/2026", {2026, 3, 1}, true), -8);
    // Each language reads its own order first, the other only when that is no real date.
    EXPECT_EQ(BackupAge(u"12/01/2026", {2026, 12, 5}, false), 5);
    EXPECT_EQ(BackupAge(u"12/01/2026", {2026, 1, 12}, true), 1);
    EXPECT_EQ(BackupAge(u"03/25/2026", {2026, 3, 26}, true), 2);
    EXPECT_EQ(BackupAge(u"25/03/2026", {2026, 3, 26}, false), 2);
    EXPECT_FALSE(BackupAge(u"02/30/2026", {2026, 3, 1}, true));
    EXPECT_FALSE(BackupAge(u"31/02/2026", {2026, 3, 1}, false));
    for (const char16_t* odd :
         {u"", u"jamais", u"5/3/2026", u"32/13/2026", u"05/03/26", u"aa/bb/cccc", u"00/00/0000"})
        for (bool french : {true, false})
            EXPECT_FALSE(BackupAge(odd, {2026, 3, 5}, french)) << QString::fromUtf16(odd).toStdString();
}

class OverviewTest : public ::testing::Test {
protected:
    OverviewTest() {
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3));
        data.ctx().clock.setToday({2026, 3, 20});
    }
    // The backup settings: two folders, then the date of the last backup unless it is null.
    bool dueWith(const QString& date) {
        QFile f(data.path(handover::Sauve));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((u"/media/cle/\r\n/data/\r\n"_s + (date.isNull() ? QString() : date + u"\r\n"_s)).toUtf8());
        f.close();
        return BackupDue(data.ctx());
    }
    QString fileText(const QString& name) {
        QFile f(data.path(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : u"(missing)"_s;
    }
    TestData data;
};

TEST_F(OverviewTest, BackupIsDueAfterTenDaysOnly) {
    EXPECT_FALSE(BackupDue(data.ctx()));    // no settings file yet
    EXPECT_FALSE(dueWith(u"11/03/2026"_s)); // nine days ago
    EXPECT_TRUE(dueWith(u"10/03/2026"_s));  // ten days ago
    EXPECT_FALSE(dueWith(QString()));
    EXPECT_FALSE(dueWith(u"hier"_s));
    // The ninth of March as the English backup screen writes it: the third of September in French.
    EXPECT_FALSE(dueWith(u"03/09/2026"_s));
    data.setLanguage(English);
    EXPECT_TRUE(BackupDue(data.ctx()));
    EXPECT_FALSE(dueWith(u"03/11/2026"_s));
}

TEST_F(OverviewTest, OpeningMarksTheMonthInHand) {
    data.addRow(u"Mars"_s, {{field::Reste, u"1234,5"_s}});
    MarkCurrentMonth(data.ctx());
    LoadCurrentMonth(data.ctx());
    EXPECT_EQ(fileText(handover::Encour), u"ENCOUR\r\n"_s);
    EXPECT_EQ(fileText(handover::Lire), u"ENCOUR\r\n 3 \r\n2026\r\n"_s);
    EXPECT_EQ(data.ctx().yearText, u"2026"_s);
    EXPECT_EQ(data.ctx().monthTable, u"Mars"_s);
    EXPECT_DOUBLE_EQ(BalanceOf(data.ctx().month.remainderText), 1234.5);

    data.setLanguage(English);
    LoadCurrentMonth(data.ctx());
    EXPECT_EQ(data.ctx().monthTable, u"March"_s);
    EXPECT_EQ(data.ctx().month.remainderText, QString()); // the English tables are kept apart
}

TEST(Converter, KeepsTwoDecimalsInPlainForm) {
    EXPECT_EQ(ConvertedBalance(u"0", true), u" 0"_s);
    EXPECT_EQ(ConvertedBalance(u"100", true), u" 655.96"_s);
    EXPECT_EQ(ConvertedBalance(u"100", false), u" 152.45"_s);
    EXPECT_EQ(ConvertedBalance(u"1234,5", true), u" 8097.79"_s);
    EXPECT_EQ(ConvertedBalance(u"-10", true), u"-65.6"_s);
}

TEST(HubDate, NamesOfTheWorkingLanguageWhateverTheSystemSpeaks) {
    EXPECT_EQ(HubDateLine({2026, 3, 5}, true), u"JEUDI 05 MARS 2026"_s);
    EXPECT_EQ(HubDateLine({2026, 8, 17}, true), u"LUNDI 17 AOÛT 2026"_s);
    EXPECT_EQ(HubDateLine({2026, 12, 6}, false), u"DECEMBER 06 SUNDAY 2026"_s);
}

} // namespace
