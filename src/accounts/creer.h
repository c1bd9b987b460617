#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
} // namespace tirelou::ui

namespace tirelou::accounts {

// Account creation: a free row of the account grid is picked, the account number typed,
// the account's file built for the current year, then its password stored.
class Creer final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Creer(const ui::ScreenEnv& env);
    ~Creer() override;
    void load() override;

private:
    void reset();
    void onGridClicked(int row);
    void onNumberEntered();
    void onPasswordEntered();
    void askNumberAgain();
    QString existsText(const QString& number) const;

    QLabel* label1_;        // title
    QLabel* label2_;        // prompt
    ui::Grid* grid_;        // MSFlexGrid1
    ui::InputField* text1_; // account number
    ui::InputField* text2_; // password
    QWidget* fieldBox_;
};

} // namespace tirelou::accounts
