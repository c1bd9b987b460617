#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
class Grid;
} // namespace tirelou::ui

namespace tirelou::month {

// First half of moving an entry to another category: the category of departure, then the
// entry in a grid; the transfer screen asks where it goes.
class Mouvement final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Mouvement(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onCategoryChosen(int row);
    void fillGrid();
    void onEntryChosen(int row);
    void onToolbar(int index);

    QLabel* instruction_;
    QLabel* category_;
    ui::CategoryListBox* list1_;
    ui::Grid* grid1_;
    bool leaving_ = false; // an entry was chosen: a second click (double click) is ignored
};

} // namespace tirelou::month
