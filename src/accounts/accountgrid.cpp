#include "accounts/accountgrid.h"

#include "accounts/accounts.h"
#include "accounts/screenlook.h"
#include "data/workingcontext.h"
#include "ui/logo.h"
#include "ui/widgets.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace tirelou::accounts {

ui::Grid* MakeAccountGrid(QWidget* parent) {
    auto* grid = ui::Named<ui::Grid>(parent, QStringLiteral("MSFlexGrid1"));
    grid->setColumnCount(2);
    grid->setDesignedColumnWidths({450, 3200});
    grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return grid;
}

int FillAccountGrid(ui::Grid* grid, WorkingContext& ctx, bool freeRow) {
    const QList<AccountEntry> accounts = LoadAccountList(ctx);
    grid->clearAll();
    grid->setColumnCount(2);
    grid->setText(0, 0, QStringLiteral("N°"));
    grid->setText(0, 1, ctx.pick(QStringLiteral("BANQUE"), QStringLiteral("BANK")));
    grid->setAlignment(0, 0, Qt::AlignHCenter);
    int row = 0;
    for (const AccountEntry& a : accounts) {
        row = grid->addRow();
        grid->setText(row, 0, QString::number(row));
        grid->setAlignment(row, 0, Qt::AlignHCenter);
        grid->setText(row, 1, a.number);
    }
    if (freeRow) {
        row = grid->addRow();
        grid->setText(row, 0, QString::number(row));
        grid->setAlignment(row, 0, Qt::AlignHCenter);
        grid->setText(row, 1, QString());
    }
    return static_cast<int>(accounts.size());
}

void FitAccountGrid(ui::Grid* grid) {
    const int columns = grid->columnWidth(0) + grid->columnWidth(1);
    grid->setFixedWidth(columns + 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width());
    // Room for a few rows more than there are, up to fourteen; a longer list scrolls.
    constexpr int kFewestRows = 9;
    constexpr int kMostRows = 14;
    const int rows = std::clamp(grid->rowCount() + 1, kFewestRows, kMostRows);
    grid->setFixedHeight(rows * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
}

void LayOutAccountScreen(QVBoxLayout* body, QLabel* title, QLabel* prompt, ui::Grid* grid,
                         QWidget* belowGrid) {
    auto* picture = new ui::PiggyPicture(grid->parentWidget());
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(240, 180);

    auto* column = new QVBoxLayout;
    column->addWidget(grid, 1, Qt::AlignHCenter);
    column->addSpacing(6);
    column->addWidget(belowGrid);

    auto* middle = new QHBoxLayout;
    middle->addStretch(1);
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addSpacing(32);
    middle->addLayout(column);
    middle->addStretch(1);

    SetTitleLook(title);
    SetPromptLook(prompt);
    body->addStretch(1);
    body->addWidget(title);
    body->addSpacing(10);
    body->addWidget(prompt, 0, Qt::AlignHCenter);
    body->addSpacing(18);
    body->addLayout(middle);
    body->addStretch(2);
}

} // namespace tirelou::accounts
