#include "closing/closingtest.h"
#include "closing/rollover.h"
#include "data/numbers.h"

#include <functional>
#include <optional>
#include <stdexcept>

using namespace tirelou;
using namespace tirelou::test;
using Outcome = RolloverResult::Outcome;

namespace {

// Account 7 logged in on its file of `year`, the month in hand `month`, in January 2027.
struct Account {
    explicit Account(int month, int year = 2026) : file(data.addAccount(u"7"_s, year, u"SECRET"_s, month)) {
        data.login(file, French);
        ctx().clock.setToday(QDate(2027, 1, 4));
    }
    WorkingContext& ctx() { return data.ctx(); }
    void add(const QString& table, const QList<Row>& rows) {
        for (const Row& r : rows)
            data.addRow(table, r);
    }
    void archive(const QString& name, const QByteArray& bytes = "old") {
        QDir().mkpath(ctx().archiveDir());
        QFile f(ctx().archivePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString encour() { return data.rows(table::Mois).value(0).value(field::Encour); }
    FolderSnapshot files() { return SnapshotFolder(data.dir()); }

    // Stops the rollover at each step in turn, each time finding the files and the
    // session as they were; then lets it run, checking it passed exactly those steps and
    // then the `later` ones, past which a stop no longer undoes anything.
    RolloverResult stopAtEachStepThenRun(const std::vector<std::string_view>& steps,
                                         const std::vector<std::string_view>& later = {}) {
        const int month = ctx().currentMonth;
        const FolderSnapshot before = files();
        for (std::string_view s : steps) {
            SCOPED_TRACE(std::string(s));
            const auto stop = [s](std::string_view reached) {
                if (reached == s)
                    throw DbError("stopped");
            };
            EXPECT_THROW(RollOver(ctx(), {stop}), DbError);
            EXPECT_EQ(files(), before);
            EXPECT_EQ(ctx().accountFile, file);
            EXPECT_EQ(ctx().currentMonth, month);
            EXPECT_EQ(encour(), QString::number(month)); // open again on the old file
        }
        std::vector<std::string_view> reached;
        const RolloverResult r = RollOver(ctx(), {[&reached](std::string_view s) { reached.push_back(s); }});
        std::vector<std::string_view> all = steps;
        all.insert(all.end(), later.begin(), later.end());
        EXPECT_EQ(reached, all);
        return r;
    }

    TestData data;
    QString file;
};

} // namespace

TEST(CarryForward, AmountPairsMoveOnByOneMonthWithoutBinaryNoise) {
    struct Case {
        QString price, advanced;
        bool ended;
    };
    const Case cases[] = {
        {Pair(u"12.5"_s, 30, u" 37.5"_s), Pair(u"12.5"_s, 20, u"25"_s), false},
        {Pair(u"12,5"_s, 30, u" 37,5"_s), Pair(u"12.5"_s, 20, u"25"_s), false},
        {Pair(u"30"_s, 20, u"30"_s), Pair(u"30"_s, 20, u"0"_s), true}, // paid one last time
        {Pair(u"0.1"_s, 20, u"0.1"_s), Pair(u".1"_s, 20, u"0"_s), true},
        {u"abc"_s, Pair(u"0"_s, 20, u"0"_s), true}, // a damaged pair reads as nothing
        // 50.1 - 50 is not quite .1 in binary: written in full, the text would read back
        // as 1E14 and the item would never end
        {Pair(u"50"_s, 20, u"50.1"_s), Pair(u"50"_s, 20, u".1"_s), false},
        {Pair(u"50"_s, 20, u".1"_s), Pair(u"50"_s, 20, u"-49.9"_s), true},
        {Pair(u"100"_s, 30, u" 100.1"_s), Pair(u"100"_s, 20, u".1"_s), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price.toStdString());
        const AdvancedPair p = AdvancePair(c.price);
        EXPECT_EQ(p.price, c.advanced);
        EXPECT_EQ(p.ended(), c.ended);
    }
}

TEST(CarryForward, TheReserveGrowsUntilItsTargetIsReachedOrPassed) {
    using Texts = std::array<QString, 3>;
    const QString d = u"01/02/2026"_s;
    const Texts none{QString(), QString(), d};
    struct Case {
        Texts texts;
        double amount;
        Texts advanced;
    };
    const Case cases[] = {
        {none, 0, none},
        {{u"12.5"_s, Pair(u"12,5"_s, 17, u" 37,5"_s), d}, 25, {u"12.5"_s, Pair(u" 25"_s, 20, u" 25"_s), d}},
        {{u"12.5"_s, Pair(u"25"_s, 17, u" 12.5"_s), d}, 37.5, none}, // reaches exactly 0
        {{u"20"_s, Pair(u"40"_s, 17, u" 10"_s), d}, 60, none},       // goes below 0
        {{u"50"_s, Pair(u"300"_s, 17, u" 50.1"_s), d}, 350, {u"50"_s, Pair(u" 350"_s, 20, u" .1"_s), d}},
        {{u"50"_s, Pair(u" 350"_s, 20, u" .1"_s), d}, 400, none},
        {{u".2"_s, Pair(u".1"_s, 17, u" 1"_s), d}, 0.3, {u".2"_s, Pair(u" .3"_s, 20, u" .8"_s), d}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts[1].toStdString());
        const AdvancedReserve r = AdvanceReserve(c.texts);
        EXPECT_EQ(r.amount, c.amount);
        EXPECT_EQ(r.texts, c.advanced);
    }
    // a sum no text can hold stops the rollover
    EXPECT_THROW(AdvanceReserve({u"1E308"_s, Pair(u"1E308"_s, 17, u" 5"_s), d}), std::range_error);
}

TEST(MonthStep, CarriesRunningItemsAllOrNothing) {
    Account a(3);
    a.add(
        u"Mars"_s,
        {Item(u"C"_s, u"COURSES"_s, u"50"_s,
              {{field::Reste, u"195.6"_s}, {field::MontPrecedent, u"800"_s}, {field::Reserve, QString()}}),
         Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 30, u" 90"_s), {{field::Reserve, QString()}}),
         Item(u"P"_s, u"EDF"_s, Pair(u"45,5"_s, 30, u" 45,5"_s), {{field::Reserve, QString()}}), // last month
         Item(u"R"_s, u"VOYAGE"_s, Pair(u" 100"_s, 30, u" 400"_s)),
         Item(u"P"_s, u"   "_s, Pair(u"99"_s, 30, u" 990"_s)), // no label: neither carried nor counted
         MonthRow({{field::Depot, u"SALAIRE"_s}, {field::Montant, u"2000"_s}}),
         Item(u"X"_s, u"PHARMACIE"_s, u"20"_s),
         Item(u"R"_s, u"FIN"_s, Pair(u"20"_s, 20, u" 10"_s))}); // over: paid one last time
    a.add(u"Avril"_s, {Item(u"P"_s, u"AVRIL 2025"_s, Pair(u"1"_s, 30, u" 9"_s))});
    const QList<Row> march = a.data.rows(u"Mars"_s);

    ASSERT_EQ(a.stopAtEachStepThenRun(
                   {step::NextMonthEmptied, step::RowsCarried, step::MonthValuesWritten, step::MonthAdvanced})
                  .outcome,
              Outcome::Done);
    // 195.6 less 75.5 of debits and 120 of forecasts, without binary noise
    EXPECT_EQ(
        a.data.rows(u"Avril"_s),
        (QList<Row>{
            Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 20, u"60"_s),
                 {{field::Reste, u".1"_s}, {field::MontPrecedent, u"195.6"_s}, {field::Reserve, QString()}}),
            Item(u"R"_s, u"VOYAGE"_s, Pair(u"100"_s, 20, u"300"_s), {{field::Reserve, QString()}}),
            MonthRow({{field::Reserve, QString()}})}));
    EXPECT_EQ(a.encour(), u"4"_s);
    EXPECT_EQ(a.data.rows(u"Mars"_s), march);
    EXPECT_EQ(a.ctx().currentMonth, 4);
    EXPECT_EQ(a.ctx().monthTable, u"Avril"_s);
}

TEST(MonthStep, MonthValuesTakeTheFirstThreeRowsAppendingWhatIsMissing) {
    const QStringList reserves{u"10"_s, Pair(u"20"_s, 17, u" 50"_s), u"02/01/2026"_s};
    const QStringList carried{u"10"_s, Pair(u" 30"_s, 20, u" 40"_s), u"02/01/2026"_s};
    for (int k : {0, 1, 3, 4}) { // rows carried out of four
        SCOPED_TRACE(k);
        Account a(3);
        for (int i = 0; i < 4; ++i) {
            Row row = i < k ? Item(u"P"_s, u"D%1"_s.arg(i), Pair(u"10"_s, 30, u" 100"_s))
                            : Item(u"C"_s, u"D%1"_s.arg(i), u"5"_s);
            if (i == 0)
                row = With(row, {{field::Reste, u"500"_s}, {field::MontPrecedent, u"450"_s}});
            if (i < 3)
                row.insert(field::Reserve, reserves[i]);
            a.add(u"Mars"_s, {row});
        }
        EXPECT_EQ(CloseMonth(a.ctx()).writtenCount, k);
        const QList<Row> april = a.data.rows(u"Avril"_s);
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

TEST(Rollover, RefusalsAndFileFailuresChangeNothing) {
    struct Case {
        std::optional<Outcome> outcome; // none: a FileError
        int month, year;
        QDate today;
        std::function<void(Account&)> setUp;
    };
    const Case cases[] = {
        {Outcome::MonthUnknown, 3, 2026, QDate(2026, 3, 31),
         [](Account& a) { a.ctx().accountDb.exec(u"UPDATE Mois SET Encour = 'treize'"_s); }},
        {Outcome::TooEarly, 12, 2026, QDate(2026, 12, 28), {}},
        // an older year's December closed while the next year's file exists
        {Outcome::NewFileExists, 12, 2025, QDate(2026, 2, 1),
         [](Account& a) { a.data.addAccount(u"7"_s, 2026); }},
        // a file where the archive folder should be made
        {std::nullopt, 12, 2026, QDate(2027, 1, 4),
         [](Account& a) { QFile(a.data.path(ArchiveFolderName)).open(QIODevice::WriteOnly); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Account a(c.month, c.year);
        a.add(MonthTableFor(true, c.month).value(),
              {Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s))});
        a.ctx().clock.setToday(c.today);
        if (c.setUp)
            c.setUp(a);
        const FolderSnapshot before = a.files();
        const QString month = a.encour();
        if (!c.outcome)
            EXPECT_THROW(RollOver(a.ctx()), FileError);
        else
            EXPECT_EQ(RollOver(a.ctx()).outcome, c.outcome);
        EXPECT_EQ(a.files(), before);
        EXPECT_EQ(a.ctx().accountFile, a.file);
        EXPECT_EQ(a.encour(), month); // the old file is open again
    }
}

TEST(Printout, ListsDebitsAndForecastsAtTheirColumns) {
    CarryForward cf;
    cf.debits = {{u"AXA"_s, u"30"_s, 30}, {u" "_s, u"1"_s, 1}};
    cf.forecasts = {{u"VOYAGE"_s, u"100.5"_s, 100.5}};
    cf.debitTotal = 51;
    cf.forecastTotal = 100.5;
    const auto layout = [&cf](bool french) {
        const PrintDocument doc = CarriedItemsPrintout(cf, french);
        QString out = doc.fontFamily + QString::number(doc.fontSize);
        for (const PrintLine& line : doc.lines) {
            out += u'/';
            for (const PrintCell& c : line.cells)
                out += u"%1:%2|"_s.arg(c.column).arg(c.text);
        }
        return out;
    };
    EXPECT_EQ(layout(true),
              u"Arial10///50:PRELEVEMENT|/5:AXA|60:30 €|///60:-----------------|//"
              u"5:Montant Total du Prélèvement|60:51.00 €|///50:PREVISION|/5:VOYAGE|60:100.5 €|///"
              u"60:-----------------|//5:Montant Total De Prévision|60:100.50 €|/"_s);
    // English totals are in pounds; the items keep their euro sign.
    const QString en = layout(false);
    EXPECT_TRUE(en.contains(u"/50:TAKING|/5:AXA|60:30 €|"_s) && en.contains(u"/50:FORECASTING|"_s) &&
                en.contains(u"Taking|60:51.00 £|"_s) && en.contains(u"Forecasting|60:100.50 £|"_s))
        << en.toStdString();
}

TEST(YearChange, DecemberGoesIntoJanuaryOfANewFileAndTheYearIntoTheArchiveAllOrNothing) {
    Account a(12);
    a.add(u"Decembre"_s,
          {Item(u"C"_s, u"CADEAUX"_s, u"80"_s,
                {{field::Reste, u"1500"_s}, {field::MontPrecedent, u"1400"_s}, {field::Reserve, u"10"_s}}),
           Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s),
                {{field::Reserve, Pair(u"10"_s, 17, u" 30"_s)}}),
           Item(u"R"_s, u"NOEL"_s, Pair(u" 50"_s, 30, u" 50"_s), {{field::Reserve, u"12/01/2026"_s}})});
    a.add(u"Janvier"_s, {Item(u"C"_s, u"JANVIER 2026"_s, u"3"_s)});
    a.ctx().accountDb.exec(u"INSERT INTO Rubriques (Rubrique) VALUES ('JARDIN')"_s);
    a.archive(a.file, "an older copy of the closing year");
    const QByteArray closing = a.files().value(a.file);

    const RolloverResult r = a.stopAtEachStepThenRun(
        {step::TemplateCopied, step::AccountCopied, step::RowsCarried, step::MonthValuesWritten,
         step::MonthAdvanced, step::NewFileBuilt, step::OldFileCopied},
        {step::NewFilePlaced, step::OldFileArchived});
    ASSERT_EQ(r.outcome, Outcome::Done);
    const FolderSnapshot files = a.files();
    EXPECT_EQ(files.keys(),
              (QStringList{u"72027.acd"_s, u"Archives/72026.acd"_s, u"Base.xfr"_s, u"Langue.dat"_s}));
    EXPECT_EQ(files.value(u"Archives/72026.acd"_s), closing);
    EXPECT_EQ(a.ctx().accountDb.path(), a.data.path(u"72027.acd"_s));
    EXPECT_EQ(a.ctx().accountFile, u"72027.acd"_s);
    EXPECT_EQ(a.ctx().monthTable, u"Janvier"_s);

    // The account and its categories come along; January gets the carry-forward.
    EXPECT_EQ(a.data.rows(table::Usager),
              (QList<Row>{{{field::NumCompte, u"7"_s}, {field::Passe, EncodePassword(u"SECRET"_s)}}}));
    EXPECT_EQ(a.data.rows(table::Rubriques).size(), DefaultFrenchCategories().size() + 1);
    EXPECT_EQ(a.data.rows(table::Rubriques).last().value(field::Rubrique), u"JARDIN"_s);
    EXPECT_EQ(a.data.rows(table::Rubriqueseng).size(), DefaultEnglishCategories().size());
    EXPECT_EQ(a.encour(), u"1"_s);
    // 1500 less the rent, the reserve's 20 and the forecast's last 50
    EXPECT_EQ(
        a.data.rows(u"Janvier"_s),
        (QList<Row>{
            Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 20, u"1200"_s),
                 {{field::Reste, u"830"_s}, {field::MontPrecedent, u"1500"_s}, {field::Reserve, u"10"_s}}),
            MonthRow({{field::Reserve, Pair(u" 20"_s, 20, u" 20"_s)}}),
            MonthRow({{field::Reserve, u"12/01/2026"_s}})}));
    EXPECT_TRUE(a.data.rows(u"Decembre"_s).isEmpty());
}

TEST(YearChange, AFailurePastTheDecisionFinishesTheChange) {
    for (std::string_view s : {step::NewFilePlaced, step::OldFileArchived}) {
        SCOPED_TRACE(std::string(s));
        Account a(12);
        a.add(u"Decembre"_s, {Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s))});
        a.archive(a.file, "an older copy of the closing year");
        a.archive(u"12020.acd"_s);
        const QByteArray closing = a.files().value(a.file);
        const RolloverResult r = RollOver(a.ctx(), {[s](std::string_view reached) {
                                              if (reached == s)
                                                  throw FileError("stopped");
                                          }});
        ASSERT_EQ(r.outcome, Outcome::Done);
        EXPECT_EQ(r.purged, QStringList{u"12020.acd"_s});
        const FolderSnapshot files = a.files();
        EXPECT_EQ(files.keys(),
                  (QStringList{u"72027.acd"_s, u"Archives/72026.acd"_s, u"Base.xfr"_s, u"Langue.dat"_s}));
        EXPECT_EQ(files.value(u"Archives/72026.acd"_s), closing);
        EXPECT_EQ(a.ctx().accountDb.path(), a.data.path(u"72027.acd"_s));
        EXPECT_EQ(a.data.rows(u"Janvier"_s).value(0).value(field::Prix), Pair(u"600"_s, 20, u"1200"_s));
    }
}

TEST(YearChange, AFileOlderThanLastYearMovesIntoTodaysYearAndTheYearJustArchivedIsNotPurged) {
    Account a(12, 2020);
    a.add(u"Decembre"_s,
          {Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s), {{field::Reste, u"900"_s}})});
    // Archives of years before 2021 go, whatever the account, and so do those whose name holds
    // no year. The closing year is older too, and an older copy of it lies in the archive:
    // the copy is replaced, never purged.
    for (const QString& name :
         {u"12019.acd"_s, u"32020.acd"_s, u"72020.acd"_s, u"12021.acd"_s, u"compte.acd"_s, u"notes.txt"_s})
        a.archive(name);
    const QByteArray closed = a.files().value(a.file);
    a.ctx().clock.setToday(QDate(2026, 1, 8));

    const RolloverResult r = RollOver(a.ctx());
    ASSERT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(r.purged, (QStringList{u"12019.acd"_s, u"32020.acd"_s, u"compte.acd"_s}));
    const FolderSnapshot after = a.files();
    EXPECT_EQ(after.keys(), (QStringList{u"72026.acd"_s, u"Archives/12021.acd"_s, u"Archives/72020.acd"_s,
                                         u"Archives/notes.txt"_s, u"Base.xfr"_s, u"Langue.dat"_s}));
    EXPECT_EQ(after.value(u"Archives/72020.acd"_s), closed);
    EXPECT_EQ(a.data.rows(u"Janvier"_s).value(0).value(field::Prix), Pair(u"600"_s, 20, u"1200"_s));
}
