#include "ui/yearquestion.h"

#include "ui/widgets.h"

#include <QLabel>

namespace tirelou::ui {

YearQuestion::YearQuestion(QLabel* prompt, InputField* choice, InputField* year, QObject* parent)
    : QObject(parent), prompt_(prompt), choice_(choice), yearField_(year) {
    connect(choice_, &InputField::entered, this, &YearQuestion::onChoice);
    connect(yearField_, &InputField::entered, this, &YearQuestion::onYear);
}

void YearQuestion::ask(const QString& letter, const QString& defaultYear) {
    defaultYear_ = defaultYear;
    archive_ = false;
    year_.clear();
    yearField_->hide();
    prompt_->setText(texts_.choicePrompt);
    prompt_->show();
    choice_->setText(letter);
    choice_->show();
    choice_->setFocus();
    choice_->selectAll(); // typing replaces the letter offered
}

void YearQuestion::hide() {
    prompt_->hide();
    choice_->hide();
    yearField_->hide();
}

void YearQuestion::onChoice() {
    choice_->hide();
    if (MeansArchive(choice_->text(), rule_)) {
        prompt_->setText(texts_.yearPrompt);
        yearField_->setText(defaultYear_);
        yearField_->show();
        yearField_->setFocus();
        yearField_->selectAll();
        return;
    }
    prompt_->hide();
    archive_ = false;
    year_.clear();
    emit answered(false, QString());
}

void YearQuestion::onYear() {
    yearField_->hide();
    prompt_->hide();
    const QString typed = yearField_->text().trimmed();
    archive_ = true;
    year_ = typed.isEmpty() ? defaultYear_ : typed;
    emit answered(true, year_);
}

} // namespace tirelou::ui
