#pragma once

#include "support/testdata.h"
#include "ui/mainframe.h"
#include "ui/messagebox.h"
#include "ui/widgets.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

// Drives screens the way a user does: keys typed into the field, Enter, clicks on the
// toolbar, the list and the grid.
namespace tirelou::test {

void Type(QWidget* widget, const QString& text);
void PressEnter(QWidget* widget);
// Types the text, then Enter.
void Enter(QWidget* widget, const QString& text);
void ClickToolbarButton(ui::Toolbar* toolbar, int index);
void ClickGridCell(ui::Grid* grid, int row, int column);
void ClickListItem(ui::ListBox* list, int index);
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

// Stands for a screen of another part of the program that the screens under test open.
class StandIn final : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override {}
};

// A main frame with every screen registered, on a fresh data folder. Message boxes are
// recorded, not shown.
class GuiTest : public ::testing::Test {
protected:
    GuiTest();
    ~GuiTest() override;

    ui::ScreenBase* open(const QString& name);
    ui::ScreenBase* current() const { return frame->current(); }
    QString currentName() const { return frame->currentName(); }

    // A named control of the current screen; fails the test when there is none.
    template <class T = QWidget> T* child(const QString& name) const {
        T* w = current() ? current()->findChild<T*>(name) : nullptr;
        if (!w)
            ADD_FAILURE() << "no control " << name.toStdString() << " on " << currentName().toStdString();
        return w;
    }
    ui::Toolbar* toolbar() const { return child<ui::Toolbar>(QStringLiteral("Toolbar1")); }
    void clickToolbar(int index) { ClickToolbarButton(toolbar(), index); }
    // The text of a named label of the current screen; empty when there is none.
    QString label(const QString& name) const;
    // Whether a named control of the current screen is on view.
    bool shown(const QString& name) const;
    // The indexes of the toolbar buttons on view, and all captions joined with "|".
    QList<int> visibleButtons() const;
    QString toolbarCaptions() const;
    // The lines of a hand-over file, joined with "|".
    QString handOver(const QString& name);
    // Puts a folder where the hand-over file goes: writing it fails until it is unblocked.
    void blockHandOver(const QString& name);
    void unblockHandOver(const QString& name);
    // Puts a StandIn behind each of these screen names.
    void standIn(std::initializer_list<QString> names);
    // Lets queued work (pauses, deferred deletions) run.
    void settle(int ms = 50);

    const QList<ui::ShownMessage>& messages() const { return ui::MessageBox::recorded(); }
    QStringList messageTexts() const;

    TestData data;
    ui::ScreenRegistry registry;
    std::unique_ptr<ui::MainFrame> frame;
};

} // namespace tirelou::test
