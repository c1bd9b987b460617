#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::accounts {

// The login: the accounts of the data folder on a grid, the password of the picked one,
// and the way to account creation, deletion, the help, the language and the end.
class MotDePasse final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit MotDePasse(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onGridClicked(int row);
    void onPasswordEntered();
    void onToolbar(int index);
    // Back to choosing an account, telling why; the failed attempts keep counting.
    void backToChoice(const QString& why);

    QLabel* label1_;        // title
    QLabel* label2_;        // prompt
    QLabel* label3_;        // the picked account
    ui::Grid* grid_;        // MSFlexGrid1
    ui::InputField* text1_; // password
    QWidget* passwordRow_;
};

} // namespace tirelou::accounts
