#pragma once

#include "schedule/schedule.h"
#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class FormRows;
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::schedule {

// The month's reserve: its monthly amount, the months still to run and what has been
// put aside so far.
class Reserve final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Reserve(const ui::ScreenEnv& env);
    void load() override;

private:
    void onToolbar(int index);

    QLabel* account_;
    QLabel* bank_;
    ui::Grid* grid_;
};

// Replaces the month's reserve by a new one: monthly amount, number of months, date.
class EnregisReserve final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit EnregisReserve(const ui::ScreenEnv& env);
    void load() override;

private:
    void start();
    void onAmount();
    void onMonths();
    void onDate();
    void save();
    void onToolbar(int index);

    QLabel* account_;
    QLabel* kind_;
    QLabel* remainder_;
    QLabel* prompt0_;
    ui::FormRows* form_;
    ui::InputField* text1_;
    ui::InputField* text2_;
    ui::InputField* text3_;
    StoredReserve current_;
};

} // namespace tirelou::schedule
