#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::accounts {

// Account deletion: an account is picked on the grid, the deletion confirmed, then its
// password typed; its file of the current year is removed and the login opens again.
class Supprime final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Supprime(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onGridClicked(int row);
    void onConfirmEntered();
    void onPasswordEntered();

    QLabel* label1_;        // title
    QLabel* label2_;        // prompt
    ui::Grid* grid_;        // MSFlexGrid1
    ui::InputField* text1_; // confirmation
    ui::InputField* text2_; // password
    QWidget* fieldBox_;
    int row_ = 0;     // the picked row
    QString account_; // its account, as the grid shows it
};

} // namespace tirelou::accounts
