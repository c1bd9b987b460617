#include "month/transfer.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

namespace tirelou {
namespace {

// Category names and labels are matched as the user reads them: a category stored in
// lower case is the one listed in capitals. The comparison folds accented letters too.
bool SameText(const QString& stored, const QString& wanted) {
    return stored.compare(wanted, Qt::CaseInsensitive) == 0;
}

void OpenWholeMonth(WorkingContext& ctx, RecordSet& rs) {
    MonthTableName(ctx, ctx.currentMonth);
    rs.open(ctx.accountDb, ctx.monthTable);
}

QString GridAmount(const QString& price) {
    QString s = price.left(13);
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return FormatAmount(NumberValue(s));
}

} // namespace

QList<MoveLine> CategoryEntries(WorkingContext& ctx, const QString& category, int* rowCount) {
    RecordSet rs;
    OpenWholeMonth(ctx, rs);
    QList<MoveLine> lines;
    int position = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (!SameText(rs.value(field::Rubriques), category))
            continue;
        ++position;
        const QString label = rs.value(field::Libelle);
        if (label.trimmed().isEmpty())
            continue;
        lines << MoveLine{label, position, rs.value(field::NumCheque), GridAmount(rs.value(field::Prix))};
    }
    if (rowCount)
        *rowCount = position;
    return lines;
}

bool MoveEntry(WorkingContext& ctx, const QString& departure, const QString& label, const QString& arrival) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    OpenWholeMonth(ctx, rs);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (SameText(rs.value(field::Rubriques), departure) && SameText(rs.value(field::Libelle), label)) {
            rs.edit();
            rs.setValue(field::Rubriques, arrival);
            rs.update();
            tx.commit();
            return true;
        }
    }
    return false;
}

} // namespace tirelou
