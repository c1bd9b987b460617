#include "data/datadir.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace tirelou;
using tirelou::test::TestData;

namespace {

class RoutinesTest : public ::testing::Test {
protected:
    void SetUp() override { data.login(data.addAccount(QStringLiteral("1"), 2026)); }
    WorkingContext& ctx() { return data.ctx(); }
    TestData data;
};

} // namespace

TEST_F(RoutinesTest, MonthTableNameFollowsTheLanguage) {
    MonthTableName(ctx(), 2);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("Fevrier"));
    ctx().language = English;
    MonthTableName(ctx(), 2);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("February"));
    MonthTableName(ctx(), 13);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("February"));
    MonthTableName(ctx(), 0);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("February"));
    ctx().language = French;
    MonthTableName(ctx(), 8);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("Aout"));
}

TEST_F(RoutinesTest, LoadCategoriesReadsTheListOfTheLanguage) {
    LoadCategories(ctx());
    EXPECT_EQ(ctx().categoryCount, 10);
    ASSERT_EQ(ctx().categoryList.size(), 11);
    EXPECT_EQ(ctx().categoryList.first(), QStringLiteral("ASSURANCES"));
    EXPECT_EQ(ctx().categoryList[9], QStringLiteral("SANTE"));
    EXPECT_EQ(ctx().categoryList[10], QString());
    EXPECT_FALSE(ctx().workRs.isOpen());

    ctx().language = English;
    LoadCategories(ctx());
    EXPECT_EQ(ctx().categoryList[6], QStringLiteral("TAKING"));
}

TEST_F(RoutinesTest, LoadMonthColumnsTotalsAndReserves) {
    using test::Row;
    data.addRow(QStringLiteral("Janvier"), Row{{field::Rubriques, QStringLiteral(" MAISON ")},
                                               {field::Libelle, QStringLiteral("LOYER ")},
                                               {field::NumCheque, QStringLiteral("1234")},
                                               {field::Prix, QStringLiteral("500")},
                                               {field::Date, QStringLiteral("01/01/2026")},
                                               {field::Poste, QStringLiteral("X")},
                                               {field::Montant, QStringLiteral("-20")},
                                               {field::Reste, QStringLiteral("1234,5")},
                                               {field::MontPrecedent, QStringLiteral("900.25")},
                                               {field::Reserve, QStringLiteral("12.5")}});
    data.addRow(QStringLiteral("Janvier"),
                Row{{field::Libelle, QStringLiteral("STALE")},
                    {field::Montant, QStringLiteral("35.5")},
                    {field::Depot, QStringLiteral("SALAIRE")},
                    {field::Reserve, QStringLiteral("12.5                  37.5")}});
    data.addRow(QStringLiteral("Janvier"), Row{{field::Reserve, QStringLiteral("01/05/2026")}});
    data.addRow(QStringLiteral("Janvier"), Row{{field::Montant, QStringLiteral("10")}});

    LoadMonth(ctx(), QStringLiteral("Janvier"));
    const LoadedMonth& m = ctx().month;
    EXPECT_EQ(m.monthRowCount, 4);
    EXPECT_EQ(m.usedRowCount, 1);
    EXPECT_DOUBLE_EQ(m.depositTotal, 45.5); // negative deposits are withdrawals, not income
    EXPECT_DOUBLE_EQ(m.previousAmount, 900.25);
    EXPECT_EQ(m.remainderText, QStringLiteral("1234,5"));
    EXPECT_EQ(m.reserveTexts[0], QStringLiteral("12.5"));
    EXPECT_EQ(m.reserveTexts[1], QStringLiteral("12.5                  37.5"));
    EXPECT_EQ(m.reserveTexts[2], QStringLiteral("01/05/2026"));
    ASSERT_EQ(m.entryCategory.size(), 5);
    EXPECT_EQ(m.entryCategory[0], QStringLiteral("MAISON"));
    EXPECT_EQ(m.entryLabel[0], QStringLiteral("LOYER"));
    EXPECT_EQ(m.entryKind[0], QStringLiteral("X"));
    // a free row shows "0" in all six columns, whatever else it holds
    for (const QStringList* col :
         {&m.entryCategory, &m.entryLabel, &m.entryNumber, &m.entryPrice, &m.entryDate, &m.entryKind})
        EXPECT_EQ((*col)[1], QStringLiteral("0"));
    EXPECT_EQ(m.extraA.size(), 5);

    ctx().loopIndex = 0;
    MarkRowFree(ctx());
    EXPECT_EQ(ctx().month.entryLabel[0], QStringLiteral("0"));
    EXPECT_EQ(ctx().month.entryPrice[0], QStringLiteral("0"));
}

TEST_F(RoutinesTest, LoadMonthNeverFails) {
    LoadMonth(ctx(), QStringLiteral("Fevrier")); // empty
    EXPECT_EQ(ctx().month.monthRowCount, 0);
    EXPECT_EQ(ctx().month.entryCategory.size(), 1);
    EXPECT_EQ(ctx().month.remainderText, QString());

    LoadMonth(ctx(), QStringLiteral("NoSuchMonth"));
    EXPECT_EQ(ctx().month.monthRowCount, 0);
    EXPECT_EQ(ctx().month.depositTotal, 0);
    EXPECT_EQ(ctx().month.entryLabel.size(), 1);
    EXPECT_FALSE(ctx().workRs.isOpen());

    data.addRow(QStringLiteral("Mars"),
                {{field::Reste, QStringLiteral("10")}}); // one row: no reserve rows 2-3
    LoadMonth(ctx(), QStringLiteral("Mars"));
    EXPECT_EQ(ctx().month.reserveTexts[1], QString());
}

TEST_F(RoutinesTest, LoadMonthSkipsOnlyTheStepTheFileRefuses) {
    // A month table made elsewhere, without the deposit amount field.
    ctx().accountDb.exec(QStringLiteral("CREATE TABLE Bizarre (Rubriques TEXT, Libelle TEXT, NumCheque TEXT, "
                                        "Prix TEXT, Date TEXT, Poste TEXT, Reste TEXT, MontPrecedent TEXT)"));
    ctx().accountDb.exec(
        QStringLiteral("INSERT INTO Bizarre VALUES ('MAISON', 'LOYER', '12', '500', 'd', 'X', "
                       "'750', '900')"));
    LoadMonth(ctx(), QStringLiteral("Bizarre"));
    const LoadedMonth& m = ctx().month;
    EXPECT_EQ(m.monthRowCount, 1);
    EXPECT_EQ(m.depositTotal, 0);
    EXPECT_EQ(m.remainderText, QStringLiteral("750"));
    EXPECT_EQ(m.previousAmount, 900);
    EXPECT_EQ(m.entryLabel[0], QStringLiteral("LOYER"));
    EXPECT_EQ(m.usedRowCount, 1);
    EXPECT_EQ(m.reserveTexts[0], QString());
}

TEST_F(RoutinesTest, PlaceEntryReusesTheFirstFreeRow) {
    using test::Row;
    const Entry e{QStringLiteral("MAISON"), QStringLiteral("LOYER"),      QStringLiteral("12"),
                  QStringLiteral("500"),    QStringLiteral("01/01/2026"), QStringLiteral("X")};
    data.addRow(QStringLiteral("Avril"),
                Row{{field::Rubriques, QStringLiteral("SANTE")}, {field::Reste, QStringLiteral("9")}});
    data.addRow(QStringLiteral("Avril"),
                Row{{field::Depot, QStringLiteral("PAIE")}, {field::Montant, QStringLiteral("7")}});
    data.addRow(QStringLiteral("Avril"), Row{});

    RecordSet rs;
    rs.open(ctx().accountDb, QStringLiteral("Avril"));
    EXPECT_EQ(PlaceEntry(rs, e, false, {}), 1);
    auto rows = data.rows(QStringLiteral("Avril"));
    EXPECT_EQ(rows[1][field::Libelle], QStringLiteral("LOYER"));
    EXPECT_EQ(rows[1][field::Depot], QStringLiteral("PAIE")); // the deposit slot is left alone

    // The only free row left is the last one: a payment never takes it.
    rs.open(ctx().accountDb, QStringLiteral("Avril"));
    EXPECT_EQ(PlaceEntry(rs, e, true, {field::Reste, field::Depot}), 3);
    rows = data.rows(QStringLiteral("Avril"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[2][field::Rubriques], QStringLiteral("0"));
    EXPECT_EQ(rows[3][field::Rubriques], QStringLiteral("MAISON"));
    EXPECT_EQ(rows[3][field::Reste], QStringLiteral("0"));
    EXPECT_EQ(rows[3][field::Reserve], QString()); // not asked for

    rs.open(ctx().accountDb, QStringLiteral("Avril"));
    EXPECT_EQ(PlaceEntry(rs, e, false, {}), 2);
}

TEST(Password, EncodedByRaisingEveryCodeBy120) {
    const QString encoded = EncodePassword(QStringLiteral("abc"));
    ASSERT_EQ(encoded.size(), 3);
    EXPECT_EQ(encoded[0].unicode(), 217);
    EXPECT_EQ(encoded[1].unicode(), 218);
    EXPECT_EQ(encoded[2].unicode(), 219);
    EXPECT_EQ(EncodePassword(QString()), QString());
    EXPECT_EQ(EncodePassword(QStringLiteral(" SECRET ")), EncodePassword(QStringLiteral("SECRET")));
    for (const QString& p : {QStringLiteral("MOT DE PASSE"), QStringLiteral("ÉTÉ€ÿ"), QStringLiteral("1234"),
                             QStringLiteral("ﾈﾉﾊ"), QStringLiteral("\U0001F437 \U0010FFFF")})
        EXPECT_EQ(DecodePassword(EncodePassword(p)), p);
    // Characters near the end of the first plane are not wrapped onto others: every one
    // stays a distinct, storable character.
    const QString halfwidth = EncodePassword(QStringLiteral("ﾈ")); // U+FF88
    EXPECT_EQ(halfwidth.toUcs4().value(0), 0xFF88u + 120);
    const QString nearSurrogates = EncodePassword(QString(QChar(0xD7A0)));
    EXPECT_EQ(nearSurrogates.toUcs4().value(0), 0xD7A0u + 120 + 0x800);
    EXPECT_NE(EncodePassword(QString(QChar(0xD7A0))), EncodePassword(QString(QChar(0xD7A1))));
}

TEST(Files, AccountFilesAreListedAlphabetically) {
    TestData data;
    data.addAccount(QStringLiteral("B"), 2026);
    data.addAccount(QStringLiteral("a"), 2026);
    data.addAccount(QStringLiteral("1"), 2025);
    QFile(data.path(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(ListAccountFiles(data.dir()), (QStringList{"12025.acd", "a2026.acd", "B2026.acd"}));
}

TEST(Files, DataFolderChoice) {
    const QStringList args{QStringLiteral("tirelou"), QStringLiteral("--data-dir"), QStringLiteral("/tmp/a")};
    EXPECT_EQ(ResolveDataDir(args, QStringLiteral("/tmp/env")), QStringLiteral("/tmp/a"));
    EXPECT_EQ(ResolveDataDir({QStringLiteral("tirelou"), QStringLiteral("--data-dir=/tmp/b")}, {}),
              QStringLiteral("/tmp/b"));
    EXPECT_EQ(ResolveDataDir({QStringLiteral("tirelou")}, QStringLiteral("/tmp/env")),
              QStringLiteral("/tmp/env"));
    EXPECT_FALSE(ResolveDataDir({QStringLiteral("tirelou")}, {}).isEmpty());
}

TEST(Files, TemplateIsMadeWhenMissing) {
    QTemporaryDir dir;
    EXPECT_TRUE(EnsureTemplate(dir.path()));
    EXPECT_TRUE(QFile::exists(dir.filePath(TemplateFileName)));
    EXPECT_FALSE(QFile::exists(dir.filePath(TemplateFileName + QStringLiteral(".new"))));
    EXPECT_TRUE(EnsureTemplate(dir.path())); // an existing one is kept
}

TEST(PauseRoutine, RunsLaterAndNeverForAClosedOwner) {
    QTemporaryDir dir;
    WorkingContext ctx(dir.path());
    ctx.pauseMs = 20;
    int ran = 0;
    auto* gone = new QObject;
    QObject kept;
    Pause(ctx, &kept, [&ran] { ran += 1; });
    Pause(ctx, gone, [&ran] { ran += 10; });
    delete gone;
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(QTest::qWaitFor([&ran] { return ran != 0; }, 1000));
    QTest::qWait(40);
    EXPECT_EQ(ran, 1);
}

TEST(Dates, EntryFieldsArePresetWithTodayInTheLanguageOrder) {
    QTemporaryDir dir;
    WorkingContext ctx(dir.path());
    ctx.clock.setToday(QDate(2026, 3, 9));
    ctx.language = French;
    EXPECT_EQ(TodayField(ctx), QStringLiteral("09/03/2026"));
    ctx.language = English;
    EXPECT_EQ(TodayField(ctx), QStringLiteral("03/09/2026"));
}
