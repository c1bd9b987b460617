#pragma once

#include "reports/report.h"
#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
class Grid;
class InputField;
class YearQuestion;
} // namespace tirelou::ui

namespace tirelou::reports {

// A whole year of the account, current or archived: every month by category with the
// year's totals, or one category over the twelve months; both printable.
class VoirDouze final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit VoirDouze(const ui::ScreenEnv& env);
    void load() override;

private:
    void start();
    void onYearAnswered(bool archive, const QString& year);
    void onToolbar(int index);
    void onCategoryChosen(ui::CategoryListBox* list, int row);
    void showTotals();
    void showCategories();
    void show(const Report& report);
    void printCategory();
    void printTotals();
    void print(const Report& report);
    void handYearOver(int categoryIndex);
    void leave();

    QLabel* heading_;
    QLabel* prompt_;
    ui::InputField* text1_;      // the mode letter
    ui::InputField* text2_;      // the archive year
    ui::CategoryListBox* list1_; // categories of the current year
    ui::CategoryListBox* list2_; // categories of an archived year
    ui::Grid* grid_;
    ui::YearQuestion* question_;
    bool archive_ = false;
    int categoryIndex_ = 0;
    Report shown_;
};

} // namespace tirelou::reports
