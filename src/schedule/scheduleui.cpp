#include "schedule/scheduleui.h"

#include "data/numbers.h"
#include "ui/widgets.h"

#include <QHeaderView>

namespace tirelou::schedule {

ui::InputField* MakeInput(QWidget* parent, const QString& name) {
    auto* input = ui::Named<ui::InputField>(parent, name);
    input->setMinimumWidth(220);
    input->hide();
    return input;
}

ui::Grid* MakeGrid(QWidget* parent, const QList<int>& designedTwips, int wideColumn) {
    auto* grid = ui::Named<ui::Grid>(parent, QStringLiteral("MSFlexGrid1"));
    grid->setDesignedColumnWidths(designedTwips);
    grid->horizontalHeader()->setSectionResizeMode(wideColumn, QHeaderView::Stretch);
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->hide();
    return grid;
}

void FillScheduleGrid(ui::Grid* grid, bool french, const QString& monthTable, const QList<ListLine>& lines,
                      const QString& totalCaption, const QString& totalAmount) {
    grid->clearAll();
    grid->setColumnCount(4);
    for (int c = 0; c < 4; ++c) {
        grid->setText(0, c, kListTitles[c].in(french));
        grid->setAlignment(0, c, Qt::AlignCenter);
    }
    grid->setText(1, 0, kMonthOf.in(french) + monthTable.toUpper());
    QFont bold = grid->font();
    bold.setBold(true);
    grid->item(1, 0)->setFont(bold);
    for (const ListLine& line : lines) {
        const int r = grid->addRow();
        for (int c = 0; c < 4 && c < line.size(); ++c)
            grid->setText(r, c, line[c]);
        grid->setAlignment(r, 2, Qt::AlignRight);
        grid->setAlignment(r, 3, Qt::AlignRight);
    }
    grid->addRow();
    const int total = grid->addRow();
    grid->setText(total, 0, totalCaption);
    grid->setText(total, 2, totalAmount);
    grid->setAlignment(total, 2, Qt::AlignRight);
    for (int c : {0, 2})
        grid->item(total, c)->setFont(bold);
}

QString EuroAmount(double value) {
    return FormatAmount(value) + QStringLiteral(" €");
}

} // namespace tirelou::schedule
