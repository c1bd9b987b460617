#include "schedule/scheduleui.h"

#include "data/numbers.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>

namespace tirelou::schedule {

ui::InputField* MakeInput(QWidget* parent, const QString& name) {
    auto* input = ui::Named<ui::InputField>(parent, name);
    input->setMinimumWidth(220);
    input->hide();
    return input;
}

ui::Grid* MakeGrid(QWidget* parent, const QList<int>& designedTwips, int wideColumn) {
    auto* grid = ui::Named<ui::Grid>(parent, QStringLiteral("MSFlexGrid1"));
    grid->setDesignedColumnWidths(designedTwips);
    grid->horizontalHeader()->setSectionResizeMode(wideColumn, QHeaderView::Stretch);
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->hide();
    return grid;
}

void FillScheduleGrid(ui::Grid* grid, bool french, const QString& monthTable, const QList<ListLine>& lines,
                      const QString& totalCaption, const QString& totalAmount) {
    grid->clearAll();
    grid->setColumnCount(4);
    for (int c = 0; c < 4; ++c) {
        grid->setText(0, c, kListTitles[c].in(french));
        grid->setAlignment(0, c, Qt::AlignCenter);
    }
    grid->setText(1, 0, kMonthOf.in(french) + monthTable.toUpper());
    QFont bold = grid->font();
    bold.setBold(true);
    grid->item(1, 0)->setFont(bold);
    for (const ListLine& line : lines) {
        const int r = grid->addRow();
        for (int c = 0; c < 4 && c < line.size(); ++c)
            grid->setText(r, c, line[c]);
        grid->setAlignment(r, 2, Qt::AlignRight);
        grid->setAlignment(r, 3, Qt::AlignRight);
    }
    grid->addRow();
    const int total = grid->addRow();
    grid->setText(total, 0, totalCaption);
    grid->setText(total, 2, totalAmount);
    grid->setAlignment(total, 2, Qt::AlignRight);
    for (int c : {0, 2})
        grid->item(total, c)->setFont(bold);
}

QString EuroAmount(double value) {
    return FormatAmount(value) + QStringLiteral(" €");
}

FormRows::FormRows(QWidget* parent) : QWidget(parent), layout_(new QGridLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setHorizontalSpacing(10);
    layout_->setVerticalSpacing(6);
    layout_->setColumnStretch(1, 1);
    layout_->setColumnStretch(2, 1);
}

int FormRows::addRow(const QString& promptName, const QString& echoName, ui::InputField* input) {
    const int row = static_cast<int>(prompts_.size());
    auto* prompt = ui::Named<QLabel>(this, promptName);
    prompt->setProperty("role", QStringLiteral("prompt"));
    prompt->setMinimumWidth(240);
    auto* echo = ui::Named<QLabel>(this, echoName);
    echo->setProperty("role", QStringLiteral("echo"));
    layout_->addWidget(prompt, row, 0);
    layout_->addWidget(echo, row, 1);
    if (input)
        layout_->addWidget(input, row, 2);
    prompts_ << prompt;
    echoes_ << echo;
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

void FormRows::clearAll() {
    for (int r = 0; r < prompts_.size(); ++r) {
        setPrompt(r, QString());
        setEcho(r, QString());
    }
}

void ShowInput(ui::InputField* input, const QString& text) {
    input->setText(text);
    input->show();
    input->selectAll();
    input->setFocus();
}

} // namespace tirelou::schedule
