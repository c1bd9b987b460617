#pragma once

#include "reports/report.h"
#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
}

namespace tirelou::month {

// The statement of one month, in hand or consulted (an archived one included): each
// category's payments and total, then what the month spent, earned and leaves; printable.
class CompteEncours final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit CompteEncours(const ui::ScreenEnv& env);
    void load() override;

private:
    void onToolbar(int index);
    void print();
    void leave();

    QLabel* account_;
    ui::Grid* grid_;
    Report statement_;
};

} // namespace tirelou::month
