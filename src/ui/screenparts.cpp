#include "ui/screenparts.h"

#include "data/workingcontext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tirelou::ui {

AccountLine::AccountLine(QWidget* parent, QLabel* account, QLabel* balance)
    : QWidget(parent), account_(account), balance_(balance) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(account_);
    // The balance takes what room the account number leaves: a huge amount is cut at the
    // left, never the account number.
    balance_->setSizePolicy(QSizePolicy::Ignored, balance_->sizePolicy().verticalPolicy());
    row->addWidget(balance_, 1);
    balance_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void AccountLine::setTexts(const QString& account, const QString& balance) {
    account_->setText(account);
    balance_->setText(balance);
}

CategoryListBox::CategoryListBox(QWidget* parent) : ListBox(parent) {}

void CategoryListBox::fill(const WorkingContext& ctx, bool upperCase) {
    clear();
    indexes_.clear();
    const QStringList& names = ctx.categoryList;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].trimmed().isEmpty())
            continue; // the empty slot after the last category is not a choice
        addItem(upperCase ? names[i].toUpper() : names[i]);
        indexes_ << i;
    }
}

FormRows::FormRows(QWidget* parent) : QWidget(parent), layout_(new QGridLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setHorizontalSpacing(10);
    layout_->setVerticalSpacing(6);
    layout_->setColumnStretch(1, 1);
    layout_->setColumnStretch(2, 1);
}

int FormRows::addRow(const QString& promptName, const QString& echoName, InputField* input) {
    const int row = static_cast<int>(prompts_.size());
    auto* prompt = Named<QLabel>(this, promptName);
    prompt->setProperty("role", QStringLiteral("prompt"));
    prompt->setMinimumWidth(240);
    auto* echo = Named<QLabel>(this, echoName);
    echo->setProperty("role", QStringLiteral("echo"));
    layout_->addWidget(prompt, row, 0);
    layout_->addWidget(echo, row, 1);
    if (input)
        layout_->addWidget(input, row, 2);
    prompts_ << prompt;
    echoes_ << echo;
    inputs_ << input;
    prompt->hide();
    echo->hide();
    return row;
}

void FormRows::setPrompt(int row, const QString& text) {
    QLabel* p = prompt(row);
    if (!p)
        return;
    p->setText(text);
    const bool shown = !text.trimmed().isEmpty();
    p->setVisible(shown);
    echoes_[row]->setVisible(shown);
}

void FormRows::setEcho(int row, const QString& text) {
    if (QLabel* e = echo(row))
        e->setText(text);
}

void FormRows::answer(int row, const QString& prompt, const QString& echo) {
    setPrompt(row, prompt);
    setEcho(row, echo);
    if (InputField* input = inputs_.value(row))
        input->hide();
}

void FormRows::clearAll() {
    for (int r = 0; r < prompts_.size(); ++r) {
        setPrompt(r, QString());
        setEcho(r, QString());
    }
}

void ShowInput(InputField* input, const QString& text) {
    input->setText(text);
    input->show();
    input->selectAll();
    input->setFocus();
}

} // namespace tirelou::ui
