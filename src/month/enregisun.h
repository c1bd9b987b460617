#pragma once

#include "ui/screenbase.h"

#include <array>

class QLabel;

namespace tirelou::ui {
class AccountLine;
class CategoryListBox;
class InputField;
} // namespace tirelou::ui

namespace tirelou::month {

// Payment entry: a category from the list, then label, cheque number or CARTE, amount and
// date, one field at a time; the payment is written when validated.
class EnregisUn final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit EnregisUn(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onCategoryChosen(int row);
    void startTyping();
    void onLabel();
    void onNumber();
    void onAmount();
    void onDate();
    void onToolbar(int index);
    void save();
    void showBalance(const QString& remainderText);
    // The chosen category as "Lire.xfr" hands it back: its name in the category list.
    QString chosenCategory() const;
    // Opens the hub when the field was left empty; true when it did.
    bool leftEmpty(const ui::InputField* field);
    void showOnly(ui::InputField* field);

    ui::AccountLine* lines_;
    QLabel* category_;
    QLabel* prompt_;
    ui::CategoryListBox* list1_;
    std::array<QLabel*, 4> headings_{};
    std::array<QLabel*, 4> echoes_{};
    std::array<ui::InputField*, 4> inputs_{}; // Text1 to Text4: label, number, amount, date
};

} // namespace tirelou::month
