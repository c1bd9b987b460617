// Measures opening the twelve-month view: a year of 12 months of `rows` entries each loaded,
// its totals report built, and the grid filled. Run: QT_QPA_PLATFORM=offscreen
// build/bench/tirelou_bench_year [rows]
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"
#include "reports/report.h"
#include "ui/reportgrid.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace tirelou;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 300;
    QTemporaryDir dir;
    WorkingContext ctx(dir.path());
    ctx.language = French;
    EnsureTemplate(dir.path());
    ctx.accountFile = AccountFileName(QStringLiteral("1"), 2026);
    ctx.accountNumber = ctx.chosenAccount = QStringLiteral("1");
    QFile::copy(ctx.filePath(TemplateFileName), ctx.filePath(ctx.accountFile));
    OpenAccountDb(ctx);
    const QStringList categories{QStringLiteral("MAISON"), QStringLiteral("AUTO"), QStringLiteral("LOISIRS"),
                                 QStringLiteral("SANTE"), QStringLiteral("IMPOTS")};
    {
        Transaction tx(ctx.accountDb);
        RecordSet rs;
        rs.open(ctx.accountDb, table::Rubriques);
        for (const QString& c : categories) {
            rs.addNew();
            rs.setValue(field::Rubrique, c);
            rs.update();
        }
        for (const QString& table : FrenchMonthTables()) {
            rs.open(ctx.accountDb, table);
            for (int i = 0; i < rows; ++i) {
                rs.addNew();
                for (const QString& f : MonthFields())
                    rs.setValue(f, QStringLiteral("0"));
                WriteEntryFields(rs, {categories[i % categories.size()], QStringLiteral("ACHAT %1").arg(i),
                                      QStringLiteral("CARTE"), QStringLiteral("12.5"),
                                      QStringLiteral("01/01/2026"),
                                      i % 7 ? QStringLiteral("C") : QStringLiteral("R")});
                rs.update();
            }
        }
        tx.commit();
    }

    ui::Grid grid;
    grid.setDesignedColumnWidths({4900, 3000, 1500, 2000});
    const int runs = 10;
    double loadMs = 0, buildMs = 0, fillMs = 0;
    int shownRows = 0;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        LoadCategories(ctx);
        const YearMonths year = LoadYear(ctx);
        loadMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        t.restart();
        const Report report =
            BuildYearTotals({year, ctx.categoryList, ctx.accountNumber, QStringLiteral("2026"), true});
        buildMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        t.restart();
        ui::FillReportGrid(grid, report);
        fillMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        shownRows = grid.rowCount();
    }
    std::printf("twelve-month view, 12 x %d rows: load %.1f ms, build %.1f ms, grid of %d rows %.1f ms, "
                "total %.1f ms (mean of %d)\n",
                rows, loadMs / runs, buildMs / runs, shownRows, fillMs / runs,
                (loadMs + buildMs + fillMs) / runs, runs);
    return 0;
}
