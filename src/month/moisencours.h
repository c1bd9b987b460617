#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::month {

// The hub of the month in hand: account, balance, month and date, and the twelve buttons
// leading to every screen of the month.
class MoisEnCours final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit MoisEnCours(const ui::ScreenEnv& env);
    void load() override;

private:
    void onToolbar(int index);
    void leave();
    void convert();

    QLabel* title_;
    QLabel* account_;
    QLabel* monthName_;
    QLabel* monthWord_;
    QLabel* dateLine_;
};

} // namespace tirelou::month
