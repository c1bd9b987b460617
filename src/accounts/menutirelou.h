#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class InputField;
class PiggyPicture;
class Toolbar;
class YearQuestion;
} // namespace tirelou::ui

namespace tirelou::accounts {

// The main menu: the account, its month, today and the remainder; the way to every other
// screen; and three small dialogues of its own: taking back a month, choosing a month to
// consult, converting the remainder into francs.
class MenuTirelou final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit MenuTirelou(const ui::ScreenEnv& env);
    void load() override;

private:
    enum class Dialogue { None, TakeBack, Consult };

    void showMenu();
    void onToolbar(int index);
    void startDialogue(Dialogue dialogue);
    void onMonthEntered();
    void finishConsult(bool archive, const QString& year);
    // Opens the next screen; when there is none yet the menu stays and shows itself again.
    void openNext(const QString& screen);
    void showField(ui::InputField* field, const QString& value);

    ui::Toolbar* toolbar1_;
    QLabel* label1_; // title
    QLabel* label2_; // date line
    QLabel* label3_; // month line
    QLabel* label4_; // account line
    QLabel* label5_; // dialogue prompt
    ui::PiggyPicture* picture_;
    ui::InputField* text1_; // month
    ui::InputField* text2_; // E or A
    ui::InputField* text3_; // year
    ui::YearQuestion* yearQuestion_;
    Dialogue dialogue_ = Dialogue::None;
};

} // namespace tirelou::accounts
