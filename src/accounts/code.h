#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::accounts {

// The password change: an account is picked on the grid, its old password typed, then the
// new one; the menu opens again on that account.
class Code final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Code(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onGridClicked(int row);
    void onOldEntered();
    void onNewEntered();

    QLabel* label1_;        // title
    QLabel* label2_;        // prompt
    ui::Grid* grid_;        // MSFlexGrid1
    ui::InputField* text1_; // old password
    ui::InputField* text2_; // new password
    QWidget* fieldBox_;
};

} // namespace tirelou::accounts
