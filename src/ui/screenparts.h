#pragma once

#include "ui/caption.h"
#include "ui/widgets.h"

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;

namespace tirelou {
class WorkingContext;
}

// Pieces that many screens are built from, each the same wherever it stands.
namespace tirelou::ui {

// "Compte     " / "Account     ": what stands before the account number on the line.
inline constexpr Caption AccountCaption{u"Compte     ", u"Account     "};

// One line: the account on the left, the balance on the right. The screen gives both
// texts, since each shows the balance in its own form.
class AccountLine final : public QWidget {
public:
    // The labels come from the screen's label factory (ScreenBase::makeAccountLine).
    AccountLine(QWidget* parent, QLabel* account, QLabel* balance);
    QLabel* account() const { return account_; }
    QLabel* balance() const { return balance_; }
    void setTexts(const QString& account, const QString& balance);

private:
    QLabel* account_;
    QLabel* balance_;
};

// The categories of the working language, as LoadCategories left them in the working
// context, without the empty slots; each row knows the category's index in that list.
class CategoryListBox final : public ListBox {
public:
    explicit CategoryListBox(QWidget* parent = nullptr);
    // Fills the list again from ctx.categoryList, names in upper case if asked.
    void fill(const WorkingContext& ctx, bool upperCase = false);
    // The index in ctx.categoryList of the category shown on `row`; -1 when there is none.
    int categoryIndex(int row) const { return indexes_.value(row, -1); }

private:
    QList<int> indexes_;
};

// Rows of a form, each a prompt, the value typed (echo) and the input in which it is
// typed; only the input of the step in hand is shown.
class FormRows final : public QWidget {
public:
    explicit FormRows(QWidget* parent);
    // Adds a row; `input` may be null for a row that only shows a value.
    int addRow(const QString& promptName, const QString& echoName, InputField* input);
    QLabel* prompt(int row) const { return prompts_.value(row); }
    QLabel* echo(int row) const { return echoes_.value(row); }
    // Shows a prompt, and its row, only while it has a text.
    void setPrompt(int row, const QString& text);
    void setEcho(int row, const QString& text);
    void clearAll();

private:
    QGridLayout* layout_;
    QList<QLabel*> prompts_;
    QList<QLabel*> echoes_;
};

// Shows `input` with `text` in it, selected, with the focus, so typing replaces it.
void ShowInput(InputField* input, const QString& text);

} // namespace tirelou::ui
