#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
class Grid;
} // namespace tirelou::ui

namespace tirelou {

// The hub of a month looked at without changing it, of the current year or of an archived
// year: its remainder, the categories, and the statement, search and category views.
class MoisConsulter final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit MoisConsulter(const ui::ScreenEnv& env);
    void load() override;

private:
    void onToolbar(int index);
    void leave();

    QLabel* label1_;
    QLabel* label7_;
    QLabel* label6_;
    QLabel* label8_;
    ui::CategoryListBox* list1_;
};

// One category of the month in hand or consulted: every entry of it and their total.
class LireRubriques final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit LireRubriques(const ui::ScreenEnv& env);
    void load() override;

private:
    void showList();
    void onCategoryChosen(int row);
    void onToolbar(int index);

    QLabel* label1_;
    QLabel* account_;
    QLabel* month_;
    QLabel* category_;
    ui::CategoryListBox* list1_;
    ui::Grid* grid_;
};

} // namespace tirelou
