#include "closing/closingtest.h"
#include "closing/rollover.h"
#include "data/numbers.h"

#include <stdexcept>

using namespace tirelou;
using namespace tirelou::test;

namespace {

// Stops a rollover at the named step.
RolloverOptions FailAt(std::string_view name) {
    return {[name](std::string_view reached) {
        if (reached == name)
            throw DbError("stopped at " + std::string(name));
    }};
}

// The steps a whole run passes, in order.
std::vector<std::string_view> StepsOf(int month) {
    TestData other;
    other.login(other.addAccount(u"1"_s, 2026, u"X"_s, month));
    other.ctx().clock.setToday(QDate(2027, 1, 4));
    std::vector<std::string_view> reached;
    RollOver(other.ctx(), {[&reached](std::string_view s) { reached.push_back(s); }});
    return reached;
}

class Rollover : public ::testing::Test {
protected:
    explicit Rollover(int month = 3) {
        file = data.addAccount(u"7"_s, 2026, u"SECRET"_s, month);
        data.login(file, French);
    }
    WorkingContext& ctx() { return data.ctx(); }
    void add(const QString& table, const QList<Row>& rows) {
        for (const Row& r : rows)
            data.addRow(table, r);
    }
    QString encour() { return data.rows(table::Mois).value(0).value(field::Encour); }

    TestData data;
    QString file;
};

} // namespace

TEST(CarryForward, AmountPairsAndReserveMoveOnByOneMonth) {
    // the entry screens' layouts, commas included, are read back and rewritten with 20 blanks
    EXPECT_EQ(AdvancePair(Pair(u"12.5"_s, 30, u" 37.5"_s)).price, Pair(u"12.5"_s, 20, u"25"_s));
    EXPECT_EQ(AdvancePair(Pair(u" 100"_s, 30, u" 400"_s)).price, Pair(u"100"_s, 20, u"300"_s));
    EXPECT_EQ(AdvancePair(Pair(u"12,5"_s, 30, u" 37,5"_s)).price, Pair(u"12.5"_s, 20, u"25"_s));
    const AdvancedPair last = AdvancePair(Pair(u"30"_s, 20, u"30"_s));
    EXPECT_TRUE(last.ended());
    EXPECT_EQ(last.monthly, 30);
    EXPECT_TRUE(AdvancePair(u"abc"_s).ended()); // a damaged pair reads as nothing
    // amounts that cancel out leave no binary trace in the text
    EXPECT_EQ(AdvancePair(Pair(u"0.1"_s, 20, u"0.1"_s)).price, Pair(u".1"_s, 20, u"0"_s));

    const QString date = u"01/02/2026"_s;
    AdvancedReserve r = AdvanceReserve({QString(), QString(), date});
    EXPECT_EQ(r.amount, 0);
    r = AdvanceReserve({u"12.5"_s, Pair(u"12,5"_s, 17, u" 37,5"_s), date});
    EXPECT_EQ(r.amount, 25);
    EXPECT_EQ(r.texts, (std::array{u"12.5"_s, Pair(u" 25"_s, 20, u" 25"_s), date}));
    // reaching exactly 0 completes it, and so does going below (held at 0)
    r = AdvanceReserve({u"12.5"_s, Pair(u"25"_s, 17, u" 12.5"_s), date});
    EXPECT_EQ(r.amount, 37.5);
    EXPECT_EQ(r.texts, (std::array{QString(), QString(), date}));
    r = AdvanceReserve({u"20"_s, Pair(u"40"_s, 17, u" 10"_s), date});
    EXPECT_EQ(r.amount, 60);
    EXPECT_EQ(r.texts, (std::array{QString(), QString(), date}));
}

TEST(CarryForward, DecimalDifferencesAreWrittenWithoutBinaryNoise) {
    // 50.1 - 50 is not quite .1 in binary: written in full it takes 16 characters, whose
    // last 15 read back as 1E14, and the item would never end.
    const AdvancedPair debit = AdvancePair(Pair(u"50"_s, 20, u"50.1"_s));
    EXPECT_EQ(debit.price, Pair(u"50"_s, 20, u".1"_s));
    EXPECT_DOUBLE_EQ(PairSecond(debit.price), 0.1);
    EXPECT_TRUE(AdvancePair(debit.price).ended());
    const AdvancedPair forecast = AdvancePair(Pair(u"100"_s, 30, u" 100.1"_s));
    EXPECT_EQ(forecast.price, Pair(u"100"_s, 20, u".1"_s));
    EXPECT_DOUBLE_EQ(PairSecond(forecast.price), 0.1);

    const QString date = u"01/02/2026"_s;
    const AdvancedReserve reserve = AdvanceReserve({u"50"_s, Pair(u"300"_s, 17, u" 50.1"_s), date});
    EXPECT_EQ(reserve.texts[1], Pair(u" 350"_s, 20, u" .1"_s));
    EXPECT_DOUBLE_EQ(PairSecond(reserve.texts[1]), 0.1);
    const AdvancedReserve complete = AdvanceReserve(reserve.texts);
    EXPECT_EQ(complete.amount, 400);
    EXPECT_EQ(complete.texts, (std::array{QString(), QString(), date}));
    // the amount reserved is a sum: .1 + .2 is kept as .3
    EXPECT_EQ(AdvanceReserve({u".2"_s, Pair(u".1"_s, 17, u" 1"_s), date}).amount, 0.3);
    // a sum no text can hold stops the rollover
    EXPECT_THROW(AdvanceReserve({u"1E308"_s, Pair(u"1E308"_s, 17, u" 5"_s), date}), std::range_error);
}

TEST_F(Rollover, ItemsLeftWithADecimalRemainderEndTheMonthAfter) {
    add(u"Mars"_s, {Item(u"P"_s, u"AXA"_s, Pair(u"50"_s, 30, u" 100"_s),
                         {{field::Reste, u"450.1"_s}, {field::Reserve, u"50"_s}}),
                    Item(u"R"_s, u"VOYAGE"_s, Pair(u"50"_s, 30, u" 50.1"_s),
                         {{field::Reserve, Pair(u"300"_s, 17, u" 50.1"_s)}}),
                    Item(u"C"_s, u"COURSES"_s, u"5"_s, {{field::Reserve, u"01/03/2026"_s}})});
    RollOver(ctx());
    // 450.1 less the debit's 50, the reserve's 350 and the forecast's 50
    EXPECT_EQ(
        data.rows(u"Avril"_s),
        (QList<Row>{
            Item(u"P"_s, u"AXA"_s, Pair(u"50"_s, 20, u"50"_s),
                 {{field::Reste, u".1"_s}, {field::MontPrecedent, u"450.1"_s}, {field::Reserve, u"50"_s}}),
            Item(u"R"_s, u"VOYAGE"_s, Pair(u"50"_s, 20, u".1"_s),
                 {{field::Reserve, Pair(u" 350"_s, 20, u" .1"_s)}}),
            MonthRow({{field::Reserve, u"01/03/2026"_s}})}));

    // The debit's remainder reaches exactly 0, the forecast and the reserve go past it.
    RollOver(ctx());
    EXPECT_EQ(data.rows(u"Mai"_s), (QList<Row>{MonthRow({{field::Reste, u"-499.9"_s},
                                                         {field::MontPrecedent, u".1"_s},
                                                         {field::Reserve, QString()}}),
                                               MonthRow({{field::Reserve, QString()}}),
                                               MonthRow({{field::Reserve, u"01/03/2026"_s}})}));
}

TEST_F(Rollover, CarriesRunningItemsAndLeavesEverythingElseBehind) {
    add(u"Mars"_s,
        {Item(u"C"_s, u"COURSES"_s, u"50"_s,
              {{field::Reste, u"1000"_s}, {field::MontPrecedent, u"800"_s}, {field::Reserve, QString()}}),
         Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 30, u" 90"_s), {{field::Reserve, QString()}}),
         Item(u"P"_s, u"EDF"_s, Pair(u"45,5"_s, 30, u" 45,5"_s), {{field::Reserve, QString()}}), // last month
         Item(u"R"_s, u"VOYAGE"_s, Pair(u" 100"_s, 30, u" 400"_s)),
         Item(u"P"_s, u"   "_s, Pair(u"99"_s, 30, u" 990"_s)), // no label: neither carried nor counted
         MonthRow({{field::Depot, u"SALAIRE"_s}, {field::Montant, u"2000"_s}}),
         Item(u"X"_s, u"PHARMACIE"_s, u"20"_s),
         Item(u"R"_s, u"FIN"_s, Pair(u"20"_s, 20, u" 10"_s))}); // over: paid one last time
    add(u"Avril"_s, {Item(u"P"_s, u"AVRIL 2025"_s, Pair(u"1"_s, 30, u" 9"_s))});
    const QList<Row> march = data.rows(u"Mars"_s);

    const RolloverResult r = RollOver(ctx());
    ASSERT_EQ(r.outcome, RolloverResult::Outcome::Done);
    EXPECT_EQ(r.writtenCount, 2);
    EXPECT_EQ(r.carry.debitTotal, 75.5);
    EXPECT_EQ(r.carry.forecastTotal, 120);
    EXPECT_EQ(data.rows(u"Avril"_s), (QList<Row>{Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 20, u"60"_s),
                                                      {{field::Reste, u"804.5"_s},
                                                       {field::MontPrecedent, u"1000"_s},
                                                       {field::Reserve, QString()}}),
                                                 Item(u"R"_s, u"VOYAGE"_s, Pair(u"100"_s, 20, u"300"_s),
                                                      {{field::Reserve, QString()}}),
                                                 MonthRow({{field::Reserve, QString()}})}));
    EXPECT_EQ(encour(), u"4"_s);
    EXPECT_EQ(data.rows(u"Mars"_s), march);
    EXPECT_EQ(ctx().currentMonth, 4);
    EXPECT_EQ(ctx().monthTable, u"Avril"_s);

    const GridLines expected{{u"Avril"_s, QString()},
                             {u"PRELEVEMENT"_s, QString()},
                             {u"AXA  "_s, u"30.00  €"_s},
                             {u"EDF  "_s, u"45.50  €"_s},
                             {u"Montant De La Réserve"_s, u"0.00 €"_s},
                             {u"Montant Total du Prélèvement"_s, u"75.50 €"_s},
                             {u"PREVISION"_s, QString()},
                             {u"VOYAGE  "_s, u"100.00  €"_s},
                             {u"FIN  "_s, u"20.00  €"_s},
                             {u"Montant Total De Prévision"_s, u"120.00 €"_s}};
    EXPECT_EQ(CarriedItemsGrid(r.carry, r.newMonthTable, true), expected);
}

TEST_F(Rollover, MonthValuesTakeTheFirstThreeRowsAppendingWhatIsMissing) {
    const QStringList reserves{u"10"_s, Pair(u"20"_s, 17, u" 50"_s), u"02/01/2026"_s};
    const QStringList carried{u"10"_s, Pair(u" 30"_s, 20, u" 40"_s), u"02/01/2026"_s};
    for (int k : {0, 1, 3, 4}) { // rows carried out of four
        SCOPED_TRACE(k);
        TestData d;
        d.login(d.addAccount(u"7"_s, 2026, u"SECRET"_s, 3));
        for (int i = 0; i < 4; ++i) {
            Row row = i < k ? Item(u"P"_s, u"D%1"_s.arg(i), Pair(u"10"_s, 30, u" 100"_s))
                            : Item(u"C"_s, u"D%1"_s.arg(i), u"5"_s);
            if (i == 0)
                row = With(row, {{field::Reste, u"500"_s}, {field::MontPrecedent, u"450"_s}});
            if (i < 3)
                row.insert(field::Reserve, reserves[i]);
            d.addRow(u"Mars"_s, row);
        }
        EXPECT_EQ(CloseMonth(d.ctx()).writtenCount, k);
        const QList<Row> april = d.rows(u"Avril"_s);
        ASSERT_EQ(april.size(), std::max(k, 3));
        for (int i = 0; i < april.size(); ++i) {
            Row expected = i < k ? Item(u"P"_s, u"D%1"_s.arg(i), Pair(u"10"_s, 20, u"90"_s)) : MonthRow({});
            if (i == 0) // the reserve's 30 goes with the debits
                expected = With(expected, {{field::Reste, TrimmedNumberText(500 - 10 * k - 30)},
                                           {field::MontPrecedent, u"500"_s}});
            if (i < 3)
                expected.insert(field::Reserve, carried[i]);
            EXPECT_EQ(april[i], expected) << "row " << i;
        }
    }
}

TEST_F(Rollover, AStopAtAnyStepOfTheMonthLeavesTheAccountAsItWas) {
    add(u"Mars"_s, {Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 30, u" 90"_s), {{field::Reste, u"1000"_s}})});
    add(u"Avril"_s, {Item(u"C"_s, u"AVRIL 2025"_s, u"1"_s)});
    const std::vector<std::string_view> steps{step::NextMonthEmptied, step::RowsCarried,
                                              step::MonthValuesWritten, step::MonthAdvanced};
    EXPECT_EQ(StepsOf(3), steps);
    const FolderSnapshot before = SnapshotFolder(data.dir());
    for (std::string_view s : steps) {
        SCOPED_TRACE(std::string(s));
        EXPECT_THROW(RollOver(ctx(), FailAt(s)), DbError);
        EXPECT_EQ(SnapshotFolder(data.dir()), before);
        EXPECT_EQ(ctx().currentMonth, 3);
    }
    EXPECT_EQ(RollOver(ctx()).writtenCount, 1); // and it still closes afterwards
    EXPECT_EQ(encour(), u"4"_s);
}

TEST_F(Rollover, AnUnreadableCurrentMonthChangesNothing) {
    RecordSet mois;
    mois.open(ctx().accountDb, table::Mois);
    mois.moveFirst();
    mois.edit();
    mois.setValue(field::Encour, u"treize"_s);
    mois.update();
    const FolderSnapshot before = SnapshotFolder(data.dir());
    EXPECT_EQ(RollOver(ctx()).outcome, RolloverResult::Outcome::MonthUnknown);
    EXPECT_EQ(SnapshotFolder(data.dir()), before);
}

TEST(Printout, ListsDebitsAndForecastsAtTheirColumns) {
    CarryForward cf;
    cf.debits = {{u"AXA"_s, u"30"_s, 30}, {u" "_s, u"1"_s, 1}};
    cf.forecasts = {{u"VOYAGE"_s, u"100.5"_s, 100.5}};
    cf.debitTotal = 51;
    cf.forecastTotal = 100.5;
    const auto layout = [](const PrintDocument& doc) {
        QStringList out;
        for (const PrintLine& line : doc.lines) {
            QStringList cells;
            for (const PrintCell& c : line.cells)
                cells << u"%1:%2"_s.arg(c.column).arg(c.text);
            out << cells.join(u'|');
        }
        return out;
    };
    const QString rule = u"60:-----------------"_s;
    const PrintDocument fr = CarriedItemsPrintout(cf, true);
    EXPECT_EQ(fr.fontFamily, u"Arial"_s);
    EXPECT_EQ(fr.fontSize, 10);
    EXPECT_EQ(layout(fr), (QStringList{{},
                                       {},
                                       u"50:PRELEVEMENT"_s,
                                       u"5:AXA|60:30 €"_s,
                                       {},
                                       {},
                                       rule,
                                       {},
                                       u"5:Montant Total du Prélèvement|60:51.00 €"_s,
                                       {},
                                       {},
                                       u"50:PREVISION"_s,
                                       u"5:VOYAGE|60:100.5 €"_s,
                                       {},
                                       {},
                                       rule,
                                       {},
                                       u"5:Montant Total De Prévision|60:100.50 €"_s,
                                       {}}));
    // English totals are in pounds; the items keep their euro sign.
    const QStringList en = layout(CarriedItemsPrintout(cf, false));
    EXPECT_EQ(en[2] + en[3] + en[8], u"50:TAKING5:AXA|60:30 €5:Total amount of the Taking|60:51.00 £"_s);
    EXPECT_EQ(en[11] + en[17], u"50:FORECASTING5:Total amount Of Forecasting|60:100.50 £"_s);
}

// ---- Year change

namespace {

class YearChange : public Rollover {
protected:
    YearChange() : Rollover(12) {
        ctx().clock.setToday(QDate(2027, 1, 4));
        add(u"Decembre"_s,
            {Item(u"C"_s, u"CADEAUX"_s, u"80"_s,
                  {{field::Reste, u"1500"_s}, {field::MontPrecedent, u"1400"_s}, {field::Reserve, u"10"_s}}),
             Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s),
                  {{field::Reserve, Pair(u"10"_s, 17, u" 30"_s)}}),
             Item(u"R"_s, u"NOEL"_s, Pair(u" 50"_s, 30, u" 50"_s), {{field::Reserve, u"12/01/2026"_s}})});
        add(u"Janvier"_s, {Item(u"C"_s, u"JANVIER 2026"_s, u"3"_s)});
        RecordSet cats;
        cats.open(ctx().accountDb, table::Rubriques);
        cats.addNew();
        cats.setValue(field::Rubrique, u"JARDIN"_s);
        cats.update();
    }
    void archive(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(ctx().archiveDir());
        QFile f(ctx().archivePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST_F(YearChange, DecemberGoesIntoJanuaryOfANewFileAndTheOldYearIntoTheArchive) {
    const QByteArray closing = SnapshotFolder(data.dir()).value(file);
    const RolloverResult r = RollOver(ctx());
    ASSERT_EQ(r.outcome, RolloverResult::Outcome::Done);
    EXPECT_TRUE(r.yearChanged);

    const FolderSnapshot files = SnapshotFolder(data.dir());
    EXPECT_EQ(files.keys(),
              (QStringList{u"72027.acd"_s, u"Archives/72026.acd"_s, u"Base.xfr"_s, u"Langue.dat"_s}));
    EXPECT_EQ(files.value(u"Archives/72026.acd"_s), closing);
    EXPECT_EQ(ctx().accountFile, u"72027.acd"_s);
    EXPECT_EQ(ctx().accountDb.path(), data.path(u"72027.acd"_s));
    EXPECT_EQ(ctx().monthTable, u"Janvier"_s);

    // The account and its categories come along; January gets the carry-forward.
    EXPECT_EQ(data.rows(table::Usager),
              (QList<Row>{{{field::NumCompte, u"7"_s}, {field::Passe, EncodePassword(u"SECRET"_s)}}}));
    EXPECT_EQ(data.rows(table::Rubriques).size(), DefaultFrenchCategories().size() + 1);
    EXPECT_EQ(data.rows(table::Rubriques).last().value(field::Rubrique), u"JARDIN"_s);
    EXPECT_EQ(data.rows(table::Rubriqueseng).size(), DefaultEnglishCategories().size());
    EXPECT_EQ(encour(), u"1"_s);
    // 1500 less the rent, the reserve's 20 and the forecast's last 50
    EXPECT_EQ(
        data.rows(u"Janvier"_s),
        (QList<Row>{
            Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 20, u"1200"_s),
                 {{field::Reste, u"830"_s}, {field::MontPrecedent, u"1500"_s}, {field::Reserve, u"10"_s}}),
            MonthRow({{field::Reserve, Pair(u" 20"_s, 20, u" 20"_s)}}),
            MonthRow({{field::Reserve, u"12/01/2026"_s}})}));
    EXPECT_TRUE(data.rows(u"Decembre"_s).isEmpty());
}

TEST_F(YearChange, NeverReplacesTheNewYearsFile) {
    // closing a year's December in an older year's file while the next file exists
    const QString older = data.addAccount(u"7"_s, 2025, u"SECRET"_s, 12);
    data.login(older, French);
    ctx().clock.setToday(QDate(2026, 2, 1));
    const FolderSnapshot before = SnapshotFolder(data.dir());
    const RolloverResult r = RollOver(ctx());
    EXPECT_EQ(r.outcome, RolloverResult::Outcome::NewFileExists);
    EXPECT_EQ(r.newFile, file);
    EXPECT_EQ(SnapshotFolder(data.dir()), before);
}

TEST_F(YearChange, AStopAtAnyStepLeavesTheFilesAsTheyWere) {
    archive(file, "an older copy of the closing year");
    archive(u"72024.acd"_s, "x");
    const std::vector<std::string_view> steps{
        step::TemplateCopied, step::AccountCopied, step::RowsCarried,   step::MonthValuesWritten,
        step::MonthAdvanced,  step::NewFileBuilt,  step::NewFilePlaced, step::OldFileArchived};
    EXPECT_EQ(StepsOf(12), steps);

    const FolderSnapshot before = SnapshotFolder(data.dir());
    for (std::string_view s : steps) {
        SCOPED_TRACE(std::string(s));
        EXPECT_THROW(RollOver(ctx(), FailAt(s)), DbError);
        EXPECT_EQ(SnapshotFolder(data.dir()), before);
        EXPECT_EQ(ctx().accountFile, file);
        EXPECT_EQ(data.rows(u"Decembre"_s).size(), 3); // open again on the old file
    }
    // Once it goes through, the archive holds the closing year as it stood.
    EXPECT_EQ(RollOver(ctx()).outcome, RolloverResult::Outcome::Done);
    const FolderSnapshot after = SnapshotFolder(data.dir());
    EXPECT_EQ(after.value(u"Archives/"_s + file), before.value(file));
    EXPECT_EQ(after.keys().filter(u"7"_s),
              (QStringList{u"72027.acd"_s, u"Archives/72024.acd"_s, u"Archives/72026.acd"_s}));
}

TEST_F(YearChange, ANewFileThatCannotBeOpenedAgainStillCompletesTheChange) {
    // a stray folder where the engine looks for the new file's journal
    ASSERT_TRUE(QDir().mkpath(data.path(u"72027.acd-journal"_s)));
    const RolloverResult r = RollOver(ctx());
    EXPECT_EQ(r.outcome, RolloverResult::Outcome::NotReopened);
    EXPECT_TRUE(r.changed());
    EXPECT_FALSE(ctx().accountDb.isOpen());
    EXPECT_EQ(ctx().accountFile, u"72027.acd"_s);
    EXPECT_EQ(SnapshotFolder(data.dir()).keys().filter(u"7"_s),
              (QStringList{u"72027.acd"_s, u"Archives/72026.acd"_s}));

    ASSERT_TRUE(QDir(data.path(u"72027.acd-journal"_s)).removeRecursively());
    OpenAccountDb(ctx());
    EXPECT_EQ(encour(), u"1"_s);
    EXPECT_EQ(data.rows(u"Janvier"_s).size(), 3);
}

TEST_F(YearChange, AnArchiveFolderThatCannotBeMadeStopsTheChange) {
    QFile blocker(data.path(ArchiveFolderName));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const FolderSnapshot before = SnapshotFolder(data.dir());
    EXPECT_THROW(RollOver(ctx()), FileError);
    EXPECT_EQ(SnapshotFolder(data.dir()), before);
    EXPECT_EQ(data.rows(u"Decembre"_s).size(), 3);
}

TEST(OlderYear, AFileOlderThanLastYearMovesIntoTodaysYearAndIsKeptInTheArchive) {
    struct Case {
        QString account;
        int year;
        QStringList archivedBefore;
        QStringList filesAfter;
        QStringList purged;
    };
    const Case cases[] = {
        {u"7"_s, 2024, {}, {u"72026.acd"_s, u"Archives/72024.acd"_s}, {}},
        // the closing year is itself older than the purge limit, and an older copy of it
        // lies in the archive: the copy is replaced, never purged
        {u"12345"_s,
         2020,
         {u"12019.acd"_s, u"123452020.acd"_s, u"12021.acd"_s},
         {u"123452026.acd"_s, u"Archives/12021.acd"_s, u"Archives/123452020.acd"_s},
         {u"12019.acd"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        TestData data;
        const QString closing = data.addAccount(c.account, c.year, u"SECRET"_s, 12);
        data.login(closing, French);
        data.addRow(u"Decembre"_s,
                    Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s), {{field::Reste, u"900"_s}}));
        QDir().mkpath(data.ctx().archiveDir());
        for (const QString& name : c.archivedBefore) {
            QFile f(data.ctx().archivePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const QByteArray closed = SnapshotFolder(data.dir()).value(closing);
        data.ctx().clock.setToday(QDate(2026, 1, 8));

        const RolloverResult r = RollOver(data.ctx());
        ASSERT_EQ(r.outcome, RolloverResult::Outcome::Done);
        EXPECT_EQ(r.newFile, c.filesAfter[0]);
        EXPECT_EQ(r.archivedFile, closing);
        EXPECT_EQ(r.purged, c.purged);
        const FolderSnapshot after = SnapshotFolder(data.dir());
        EXPECT_EQ(after.keys().filter(u".acd"_s), c.filesAfter);
        EXPECT_EQ(after.value(u"Archives/"_s + closing), closed);
        EXPECT_EQ(data.rows(u"Janvier"_s).value(0).value(field::Prix), Pair(u"600"_s, 20, u"1200"_s));
    }
}

TEST(Archives, YearsMoreThanFiveBackAreOutdatedWhateverTheAccount) {
    EXPECT_EQ(PurgeLimit(QDate(2026, 3, 15)), 2021);
    TestData data;
    const QDir dir(data.ctx().archiveDir());
    QDir().mkpath(dir.path());
    for (const QString& n :
         {u"12020.acd"_s, u"12021.acd"_s, u"12025.acd"_s, u"9992019.acd"_s, u"3452024.acd"_s, u"compte.acd"_s,
          u"1abcd.acd"_s, u"notes.txt"_s, u"12019.acd.prev"_s}) {
        QFile f(dir.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(OutdatedArchives(dir.path(), 2021),
              (QStringList{u"12020.acd"_s, u"1abcd.acd"_s, u"9992019.acd"_s, u"compte.acd"_s}));
    EXPECT_TRUE(OutdatedArchives(data.path(u"nowhere"_s), 2021).isEmpty());

    EXPECT_EQ(RemovableDiskDrive(u"b:\\sauve"_s), u"B:\\"_s);
    EXPECT_EQ(RemovableDiskDrive(u"C:\\Tirelou"_s), QString());
}
