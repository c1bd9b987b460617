#pragma once

#include "ui/screenbase.h"

#include <QList>
#include <array>

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
class ListBox;
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

    // The chosen category and index as "Lire.xfr" hands them back.
    struct Chosen {
        QString name;
        int index = 0;
    };
    Chosen chosen() const;
    // The payment being worked on, as "Modif.xfr" holds it.
    struct Payment {
        QString category, number, date, label, amount;
    };
    Payment payment() const;

    QLabel* title_;
    QLabel* category_;
    QLabel* account_;
    QLabel* balance_;
    QLabel* prompt_;
    QLabel* value_;
    ui::ListBox* list1_;
    ui::Grid* grid1_;
    std::array<ui::InputField*, 5> inputs_{}; // Text1 to Text5: choice, label, amount, number, date
    QList<int> listCategory_;
};

} // namespace tirelou::month
