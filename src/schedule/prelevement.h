#pragma once

#include "ui/screenbase.h"

#include <QList>

class QLabel;

namespace tirelou::ui {
class AccountLine;
class CategoryListBox;
class FormRows;
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::schedule {

// Records one direct debit: category, label, monthly amount, number of months, date.
class EnregisPrelev final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit EnregisPrelev(const ui::ScreenEnv& env);
    void load() override;

private:
    void start();
    void onCategoryChosen(int row);
    void onLabel();
    void onAmount();
    void onMonths();
    void onDate();
    void save();
    void onToolbar(int index);

    QLabel* heading_;
    ui::AccountLine* lines_;
    QLabel* choiceHeading_;
    QLabel* chosen_;
    ui::CategoryListBox* list1_;
    ui::FormRows* form_;
    ui::InputField* text1_;
    ui::InputField* text2_;
    ui::InputField* text3_;
    ui::InputField* text4_;
};

// The direct-debit hub: creation, the list of the month's direct debits with their
// total, and their modification.
class VoirPrelev final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit VoirPrelev(const ui::ScreenEnv& env);
    void load() override;

private:
    void showList();
    void onToolbar(int index);

    QLabel* heading_;
    ui::AccountLine* lines_;
    ui::Grid* grid_;
};

} // namespace tirelou::schedule
