#include "ui/reportgrid.h"

#include "ui/widgets.h"

#include <QTableWidgetItem>

namespace tirelou::ui {

void FillReportGrid(Grid& grid, const Report& report) {
    int shown = 0;
    for (const ReportRow& row : report.rows)
        shown += row.show != Show::Paper ? 1 : 0;

    grid.setUpdatesEnabled(false);
    grid.clearAll();
    grid.setColumnCount(4);
    grid.setRowCount(shown + 1);
    for (int c = 0; c < 4; ++c) {
        grid.setText(0, c, report.columnNames.value(c));
        grid.setAlignment(0, c, Qt::AlignCenter);
    }
    QFont bold = grid.font();
    bold.setBold(true);
    const auto cell = [&](int r, int c, const QString& text, Qt::Alignment align, bool strong) {
        if (text.isEmpty())
            return;
        auto* it = new QTableWidgetItem(text);
        it->setTextAlignment(align | Qt::AlignVCenter);
        if (strong)
            it->setFont(bold);
        grid.setItem(r, c, it);
    };
    int r = 1;
    for (const ReportRow& row : report.rows) {
        if (row.show == Show::Paper)
            continue;
        const bool strong = row.kind == RowKind::Heading || row.kind == RowKind::Total;
        const Qt::Alignment first = row.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        const Qt::Alignment values = report.valuesRight ? Qt::AlignRight : Qt::AlignLeft;
        switch (row.kind) {
        case RowKind::Entry:
            cell(r, 0, row.text + report.labelSuffix, first, false);
            cell(r, 1, row.second + report.valueSuffix, values, false);
            cell(r, 2, row.third + report.valueSuffix, values, false);
            break;
        case RowKind::Heading:
        case RowKind::Total:
            cell(r, 0, row.text, first, strong);
            cell(r, 1, row.second, Qt::AlignLeft, strong);
            cell(r, 2, row.third, Qt::AlignLeft, strong);
            break;
        case RowKind::Rule:
            cell(r, 3, row.text.isEmpty() ? QStringLiteral("---------------") : row.text, Qt::AlignRight,
                 false);
            break;
        case RowKind::Blank:
            break;
        }
        if (row.amount)
            cell(r, 3, ReportAmount(*row.amount), Qt::AlignRight, strong);
        ++r;
    }
    grid.setUpdatesEnabled(true);
}

} // namespace tirelou::ui
