#pragma once

#include "closing/rollover.h"
#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
}

namespace tirelou {

// Closes the month in hand as soon as it opens (the next month, or the next year in
// December) and shows what was carried forward; it can print that list, and leaving it
// goes back to the login.
class MoisSuivant final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit MoisSuivant(const ui::ScreenEnv& env);
    void load() override;

private:
    void fitGridWidth();
    void run();
    void refused(const RolloverResult& result);
    void showArchiveNotice();
    void showCarried();
    void onToolbar(int index);
    void print();

    QLabel* label1_;
    QLabel* label2_;
    ui::Grid* grid_;
    RolloverResult result_;
    bool done_ = false;
};

} // namespace tirelou
