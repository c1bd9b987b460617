#pragma once

#include "ui/screenbase.h"

class QLabel;

namespace tirelou::ui {
class CategoryListBox;
class InputField;
} // namespace tirelou::ui

namespace tirelou {

// The categories of the working language: M renames one, A adds one, E erases one.
class RubriqueVoir final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit RubriqueVoir(const ui::ScreenEnv& env);
    void load() override;

private:
    void startState();
    void onAction();
    void onRenameChosen(int row);
    void onNewName();
    void onAddName();
    void onEraseChosen(int row);
    // Writes the chosen list index to "Lire.xfr" for the step that follows.
    bool handIndex(int index);
    int handedIndex() const;
    void refuseEmpty();
    void onToolbar(int index);

    QLabel* label2_;             // the current name of the category being renamed
    QLabel* label3_;             // the action's title
    QLabel* label4_;             // the action prompt
    ui::InputField* text1_;      // new name
    ui::InputField* text2_;      // action letter
    ui::InputField* text3_;      // name to add
    ui::CategoryListBox* list1_; // categories to rename
    ui::CategoryListBox* list2_; // categories to erase
};

} // namespace tirelou
