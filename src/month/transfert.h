#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
}

namespace tirelou::month {

// Second half of moving an entry: the category of arrival. A click moves the entry chosen
// on the movements screen there and goes back to it.
class Transfert final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Transfert(const ui::ScreenEnv& env);
    void load() override;

private:
    void onCategoryChosen(int row);
    void onToolbar(int index);

    ui::CategoryListBox* list1_;
    bool moved_ = false; // the move is made once, whatever else is clicked meanwhile
};

} // namespace tirelou::month
