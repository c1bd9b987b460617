#pragma once

#include "reports/yearfile.h"

#include <QObject>
#include <QString>

class QLabel;

namespace tirelou::ui {

class InputField;

// The question "current year or archive year", asked with a prompt and two fields of the
// screen: the letter (E or A), then, for the archives, the year. The screen keeps its own
// layout; this step shows, hides and reads the three controls and says what was chosen.
class YearQuestion final : public QObject {
    Q_OBJECT
public:
    YearQuestion(QLabel* prompt, InputField* choice, InputField* year, QObject* parent = nullptr);

    struct Texts {
        QString choicePrompt; // "E = En Cours / A = Archives"
        QString yearPrompt;   // "Année de L'Archive"
    };
    void setTexts(const Texts& texts) { texts_ = texts; }
    void setRule(YearAnswer rule) { rule_ = rule; }

    // Shows the prompt and the letter field holding `letter`; an archive year is offered as
    // `defaultYear`, which also stands for a year field left empty.
    void ask(const QString& letter, const QString& defaultYear);
    // Hides the three controls.
    void hide();

    bool archive() const { return archive_; }
    QString year() const { return year_; }

signals:
    // The answer is complete: the current year, or the archives with their year (trimmed).
    void answered(bool archive, const QString& year);

private:
    void onChoice();
    void onYear();

    QLabel* prompt_;
    InputField* choice_;
    InputField* yearField_;
    Texts texts_;
    YearAnswer rule_ = YearAnswer::ArchiveOnA;
    QString defaultYear_;
    bool archive_ = false;
    QString year_;
};

} // namespace tirelou::ui
