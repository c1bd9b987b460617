#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class AccountLine;
class InputField;
} // namespace tirelou::ui

namespace tirelou::month {

// Money in and out of the bank: a label and a signed amount, added to the balance when
// recorded.
class BanqueUn final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit BanqueUn(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    // The account line; `euro` is the sign as this step shows it.
    void showLines(const QString& euro);
    void onLabel();
    void onAmount();
    void onToolbar(int index);
    void save();

    ui::AccountLine* lines_;
    QLabel* prompt_;
    QLabel* labelEcho_;
    QLabel* amountEcho_;
    ui::InputField* text1_; // the label
    ui::InputField* text2_; // the amount
};

} // namespace tirelou::month
