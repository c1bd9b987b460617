#pragma once

namespace tirelou {
class WorkingContext;
namespace ui {
class Grid;
}
} // namespace tirelou

class QLabel;
class QVBoxLayout;
class QWidget;

namespace tirelou::accounts {

// The account grid of the login and account-creation screens: "N°" and the bank column,
// 450 and 3200 twips wide as designed.
ui::Grid* MakeAccountGrid(QWidget* parent);

// Re-reads the account files and fills the grid: the heading row, then one row per file
// (row number, account number); with `freeRow`, one more numbered row with no account.
// Returns the number of account files.
int FillAccountGrid(ui::Grid* grid, WorkingContext& ctx, bool freeRow);

// Narrows the grid to its columns once they are scaled, so it sits centred in the screen.
void FitAccountGrid(ui::Grid* grid);

// The layout the account screens share: the title and the prompt above, the picture on the
// left, the grid on the right with `belowGrid` (the screen's fields) under it.
void LayOutAccountScreen(QVBoxLayout* body, QLabel* title, QLabel* prompt, ui::Grid* grid,
                         QWidget* belowGrid);

} // namespace tirelou::accounts
