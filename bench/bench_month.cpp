// Measures the month-table work that every screen repeats: placing entries and loading a
// whole month. Run: build/bench/tirelou_bench [rows]
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

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
        PlaceEntry(rs, {QStringLiteral("MAISON"), QStringLiteral("ACHAT %1").arg(i), QStringLiteral("CARTE"),
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

    std::printf("entries placed: %d in %.1f ms (%.3f ms each, one transaction each)\n", rows, placeMs,
                placeMs / rows);
    std::printf("LoadMonth of %d rows: %.3f ms\n", ctx.month.monthRowCount, loadMs);
    return 0;
}
