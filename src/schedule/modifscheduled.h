#pragma once

#include "schedule/schedule.h"
#include "ui/screenbase.h"

#include <optional>

class QLabel;

namespace tirelou::ui {
class AccountLine;
class FormRows;
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::schedule {

// What tells the two modification screens apart.
struct ModifTexts {
    ui::Caption window;
    ui::Caption heading;
    ui::Caption leave; // toolbar button 3
    ui::Caption empty; // shown instead of an empty list; nothing when both texts are empty
};

// The modification screens of direct debits and forecasts: the month's items in a grid;
// a click chooses one, then E erases it, M walks through label, amount, months and date,
// F goes back.
class ModifScheduled : public ui::ScreenBase {
    Q_OBJECT
public:
    ModifScheduled(const ui::ScreenEnv& env, const ModifTexts& texts);
    void load() override;

protected:
    // The items the grid offers, from the loaded month.
    virtual QList<ScheduledItem> listed() const = 0;
    // The item behind a clicked grid row, its choice handed over for the save.
    virtual std::optional<ScheduledItem> choose(int gridRow) = 0;
    virtual bool save(const ScheduledEdit& edit) = 0;
    // The label the erasure looks for.
    virtual QString eraseLabel() = 0;
    virtual QString backScreen() const = 0;

    ui::Grid* grid() const { return grid_; }

private:
    void rebuild();
    void hideChoice();
    void onGridClicked(int row);
    void showChosen();
    void onChoice();
    void onLabel();
    void onAmount();
    void onMonths();
    void onDate();
    void onToolbar(int index);

    ModifTexts texts_;
    ui::AccountLine* lines_;
    QLabel* empty_;
    ui::Grid* grid_;
    QWidget* chosenBox_;
    QList<QLabel*> current_;
    QList<QLabel*> fresh_;
    QLabel* prompt_;
    ui::InputField* text1_;
    ui::InputField* text2_;
    ui::InputField* text3_;
    ui::InputField* text4_;
    ui::InputField* text5_;
    int listedCount_ = 0; // grid rows 1 to listedCount_ hold the items
    std::optional<ScheduledItem> chosen_;
};

// Forecast modification.
class ModifPrevi final : public ModifScheduled {
    Q_OBJECT
public:
    explicit ModifPrevi(const ui::ScreenEnv& env);

protected:
    QList<ScheduledItem> listed() const override;
    std::optional<ScheduledItem> choose(int gridRow) override;
    bool save(const ScheduledEdit& edit) override;
    QString eraseLabel() override;
    QString backScreen() const override;
};

// Direct-debit modification.
class ModifPrel final : public ModifScheduled {
    Q_OBJECT
public:
    explicit ModifPrel(const ui::ScreenEnv& env);

protected:
    QList<ScheduledItem> listed() const override;
    std::optional<ScheduledItem> choose(int gridRow) override;
    bool save(const ScheduledEdit& edit) override;
    QString eraseLabel() override;
    QString backScreen() const override;
};

} // namespace tirelou::schedule
