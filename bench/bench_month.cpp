// Measures the month-table work that every screen repeats: placing entries, loading a
// whole month, and a search over the twelve months of a year. Run:
// build/bench/tirelou_bench [rows]
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"
#include "reports/search.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace tirelou;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 500;
    QTemporaryDir dir;
    WorkingContext ctx(dir.path());
    EnsureTemplate(dir.path());
    ctx.accountFile = AccountFileName(QStringLiteral("1"), 2026);
    QFile::copy(ctx.filePath(TemplateFileName), ctx.filePath(ctx.accountFile));
    OpenAccountDb(ctx);

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rows; ++i) {
        Transaction tx(ctx.accountDb);
        RecordSet rs;
        rs.open(ctx.accountDb, QStringLiteral("Janvier"));
        PlaceEntry(rs,
                   {QStringLiteral("MAISON"), QStringLiteral("ACHAT %1").arg(i), QStringLiteral("CARTE"),
                    QStringLiteral("12.5"), QStringLiteral("01/01/2026"), QStringLiteral("C")},
                   true, MonthFields());
        tx.commit();
    }
    const double placeMs = static_cast<double>(t.nsecsElapsed()) / 1e6;

    t.restart();
    const int loads = 100;
    for (int i = 0; i < loads; ++i)
        LoadMonth(ctx, QStringLiteral("Janvier"));
    const double loadMs = static_cast<double>(t.nsecsElapsed()) / 1e6 / loads;
    const int loadedRows = ctx.month.monthRowCount;

    // A year search: twelve months of 300 rows each, every month loaded and matched, and the
    // result laid out as the grid rows.
    const int yearRows = 300;
    {
        Transaction tx(ctx.accountDb);
        RecordSet rs;
        for (const QString& month : FrenchMonthTables()) {
            ctx.accountDb.exec(QStringLiteral("DELETE FROM ") + QuoteIdentifier(month));
            rs.open(ctx.accountDb, month);
            for (int i = 0; i < yearRows; ++i) {
                rs.addNew();
                for (const QString& f : MonthFields())
                    rs.setValue(f, QStringLiteral("0"));
                WriteEntryFields(rs, {QStringLiteral("MAISON"), QStringLiteral("ACHAT %1").arg(i),
                                      QStringLiteral("CARTE"), QStringLiteral("%1.25").arg(i),
                                      QStringLiteral("%1/03/2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                                      QStringLiteral("C")});
                rs.update();
            }
        }
        tx.commit();
    }
    ctx.language = French;
    const int searches = 20;
    std::size_t found = 0;
    t.restart();
    for (int i = 0; i < searches; ++i)
        found +=
            SearchYearReport(SearchYear(ctx, SearchKind::Amount, QStringLiteral("12")), true).rows.size();
    const double yearMs = static_cast<double>(t.nsecsElapsed()) / 1e6 / searches;

    std::printf("entries placed: %d in %.1f ms (%.3f ms each, one transaction each)\n", rows, placeMs,
                placeMs / rows);
    std::printf("LoadMonth of %d rows: %.3f ms\n", loadedRows, loadMs);
    std::printf("year search of 12 x %d rows: %.3f ms (%zu result rows)\n", yearRows, yearMs,
                found / searches);
    return 0;
}
