#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QToolBar>
#include <type_traits>
#include <vector>

class QToolButton;

// The controls the screens are written against. Each keeps the addressing the screens
// rely on (toolbar buttons by index from 1, grid cells by row and column with row 0 as
// the heading) and reports user actions by signals.
namespace tirelou::ui {

// Makes a control named for the tests; screen readers get the object name as its
// description. A label is read as its text and an input field as its prompt, so those two
// are given no fixed accessible name (the name then follows the text as it changes).
// Lets a label be narrower than its text, so that a long text never widens the frame
// past the screen.
void KeepNarrow(QLabel* label);
// The same for every label under the widget.
void KeepLabelsNarrow(QWidget* root);

template <class Control> Control* Named(QWidget* parent, const QString& name) {
    auto* control = new Control(parent);
    if constexpr (std::is_base_of_v<QLabel, Control>)
        KeepNarrow(control);
    control->setObjectName(name);
    control->setAccessibleDescription(name);
    if constexpr (!std::is_base_of_v<QLabel, Control> && !std::is_base_of_v<QLineEdit, Control>)
        control->setAccessibleName(name);
    return control;
}

// A one-line input. Enter completes it; typed characters are turned into upper case
// before they reach the field unless that is switched off. Screen readers hear it named
// after its prompt: the label set as its buddy, else the screen's shown "prompt" label.
class InputField : public QLineEdit {
    Q_OBJECT
public:
    explicit InputField(QWidget* parent = nullptr);
    void setUpperCase(bool on) { upperCase_ = on; }
    bool upperCase() const { return upperCase_; }
    // The prompt's text as it stands now; empty when the field has no prompt.
    QString promptText() const;

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void namePrompt();

    bool upperCase_ = true;
};

// A list of texts; a click (or Enter or Space on the current item) reports the item's
// index from 0.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    QString itemText(int index) const;
    // As wide as its longest item needs, and no narrower than a short label field.
    QSize sizeHint() const override;

signals:
    void itemChosen(int index);
    // Escape: the user leaves the list without choosing.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A grid of texts. Row 0 (and more, see setHeadingRows) is the heading, drawn as such
// and clickable like any row, but never shown as chosen. Column widths are given in twips
// as designed and follow the window scaling. From the keyboard, the arrows move among the
// rows and Enter or Space on the current cell counts as a click on it.
class Grid : public QTableWidget {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);

    void setText(int row, int column, const QString& text);
    QString text(int row, int column) const;
    void setAlignment(int row, int column, Qt::Alignment alignment);
    // Appends a row and returns its index.
    int addRow();
    // Empties the grid: no rows.
    void clearAll();
    void setHeadingRows(int rows);
    void setDesignedColumnWidths(const QList<int>& twips);
    void applyScale(int factor);
    // The cell text a test or a reader sees, row by row, cells separated by "|".
    QStringList rowTexts() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void styleCell(int row, int column);

    int headingRows_ = 1;
    QList<int> designedWidths_;
};

// A row of buttons addressed by index from 1; separators take an index too.
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    int addButton(const QString& caption);
    int addSeparator();
    int count() const { return static_cast<int>(actions_.size()); }

    QAction* button(int index) const;
    QToolButton* buttonWidget(int index) const;
    void setCaption(int index, const QString& caption);
    QString caption(int index) const;
    void setButtonVisible(int index, bool visible);
    bool isButtonVisible(int index) const;
    void setButtonEnabled(int index, bool enabled);
    bool isButtonEnabled(int index) const;
    // Gives the keyboard focus to a button, so that Enter or Space presses it: the last step
    // of an entry ends on the button that records it.
    void focusButton(int index);

signals:
    void buttonClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QAction*> actions_;
};

} // namespace tirelou::ui
