#pragma once

#include "ui/caption.h"
#include "ui/screenbase.h"

#include <QString>
#include <functional>
#include <optional>

namespace tirelou {
class WorkingContext;
namespace ui {
class Grid;
class InputField;
} // namespace ui
} // namespace tirelou

class QLabel;
class QVBoxLayout;
class QWidget;

namespace tirelou::accounts {

// What the account screens show when a row without account (the heading row) is clicked.
inline constexpr ui::Caption EmptyRowCaption{u"COMPTE NUMERO %1 VIDE", u"ACCOUNT NUMBER %1 EMPTINESS"};

// An account whose current month is missing or not 1 to 12 cannot be entered (%1: its number).
inline constexpr ui::Caption DamagedMonthCaption{
    u"Le mois en cours du compte %1 est endommagé : le compte ne peut pas être ouvert.",
    u"The current month of the account %1 is damaged: the account cannot be opened."};

// Opens the account of grid row `row` with `pick` (which returns its number, or nothing for
// a file whose creation was never finished, and throws DbError for a file that cannot be
// opened). When the account cannot be opened, returns nothing with the reason in `why`.
std::optional<QString> PickOrExplain(WorkingContext& ctx, int row,
                                     const std::function<std::optional<QString>(WorkingContext&, int)>& pick,
                                     QString& why);

// The account grid of the login and account-creation screens: "N°" and the bank column,
// 450 and 3200 twips wide as designed.
ui::Grid* MakeAccountGrid(QWidget* parent);

// Re-reads the account files and fills the grid: the heading row, then one row per file
// (row number, account number); with `freeRow`, one more numbered row with no account.
// Returns the number of account files.
int FillAccountGrid(ui::Grid* grid, WorkingContext& ctx, bool freeRow);

// Calls `chosen` with the row clicked on the grid, or with the current row when Enter or
// Space is pressed on it, so the account screens work without a mouse too.
void OnAccountChosen(ui::Grid* grid, std::function<void(int)> chosen);

// Narrows the grid to its columns once they are scaled, so it sits centred in the screen.
void FitAccountGrid(ui::Grid* grid);

// The layout the account screens share: the title and the prompt above, the picture on the
// left, the grid on the right with `belowGrid` (the screen's fields) under it.
void LayOutAccountScreen(QVBoxLayout* body, QLabel* title, QLabel* prompt, ui::Grid* grid,
                         QWidget* belowGrid);

// The screens that start from a row of the account grid and then ask two things in turn
// (account creation, password change, deletion): the title and the prompt, the grid, two
// fields under it showing one at a time in the same place, and one button back to the
// login.
class AccountGridScreen : public ui::ScreenBase {
    Q_OBJECT
protected:
    AccountGridScreen(const ui::ScreenEnv& env, const ui::Caption& caption, const ui::Caption& title,
                      const ui::Caption& back);

    // Both fields hidden and emptied, the language read, `prompt` shown, the grid filled
    // again (with a free row if asked) and given the focus.
    void resetGrid(const ui::Caption& prompt, bool freeRow);

    virtual void onGridClicked(int row) = 0;
    virtual void onFirstEntered() = 0;
    virtual void onSecondEntered() = 0;
    // The button back: the account database closed, the login opens.
    virtual void leave();

    QLabel* label1_;        // title
    QLabel* label2_;        // prompt
    ui::Grid* grid_;        // MSFlexGrid1
    ui::InputField* text1_; // first answer
    ui::InputField* text2_; // second answer

private:
    QWidget* fieldBox_;
};

} // namespace tirelou::accounts
