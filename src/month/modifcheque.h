#pragma once

#include "ui/screenbase.h"

#include <QList>
#include <array>

class QLabel;

namespace tirelou::ui {
class AccountLine;
class CategoryListBox;
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::month {

// Correcting or erasing a payment of the month in hand: a category, its payments in a
// grid, then M (modify: label, amount, number, date), E (erase) or F (finish).
class ModifCheque final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit ModifCheque(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onCategoryChosen(int row);
    void fillGrid();
    void onGridClicked(int row, int column);
    void onChoice();
    void onLabel();
    void onAmount();
    void onNumber();
    void onDate();
    void onToolbar(int index);
    void save();
    void erase();
    void showAccount();
    void ask(const QString& prompt, const QString& value, ui::InputField* field);

    // The payment being worked on, as "Modif.xfr" holds it.
    struct Payment {
        QString category, number, date, label, amount;
    };
    Payment payment() const;

    QLabel* category_;
    ui::AccountLine* lines_;
    QLabel* prompt_;
    QLabel* value_;
    ui::CategoryListBox* list1_;
    ui::Grid* grid1_;
    std::array<ui::InputField*, 5> inputs_{}; // Text1 to Text5: choice, label, amount, number, date
};

} // namespace tirelou::month
