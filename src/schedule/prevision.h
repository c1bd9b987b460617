#pragma once

#include "ui/screenbase.h"

#include <QList>

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::schedule {

// The scheduled-items hub: leads to the direct debits, records forecasts (category,
// label, monthly amount, months, date), lists them and opens their modification.
class Prevision final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Prevision(const ui::ScreenEnv& env);
    void load() override;

private:
    void firstState();
    void showForecastButtons();
    void startEntry();
    void onCategoryChosen(int row);
    void onLabel();
    void onAmount();
    void onMonths();
    void onDate();
    void saveForecast();
    void showList();
    void onToolbar(int index);
    void fillCategories();
    void showLines(const QString& resteText);

    QLabel* account_;
    QLabel* remainder_;
    QLabel* categoryHeading_;
    QLabel* categoryName_;
    QLabel* prompt_;
    QList<QLabel*> echoes_;
    ui::CategoryListBox* list1_;
    ui::InputField* text1_;
    ui::InputField* text2_;
    ui::InputField* text3_;
    ui::InputField* text4_;
    ui::Grid* grid_;
    QWidget* entryBox_;
};

} // namespace tirelou::schedule
