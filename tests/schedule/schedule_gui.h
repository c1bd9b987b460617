#pragma once

#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screenbase.h"
#include "ui/screennames.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace tirelou::test {

using namespace Qt::StringLiterals;

// An account logged in on January, whose first row holds a balance of 1000.
class ScheduleGuiTest : public GuiTest {
protected:
    ScheduleGuiTest() : account_(data.addAccount(u"1"_s, 2026)) {
        standIn({screen::MoisEnCours});
        data.ctx().clock.setToday(QDate(2026, 1, 15));
        useLanguage(u"Français"_s);
    }
    // Logs in again in that language, whose month tables are apart.
    void useLanguage(const QString& language) {
        data.login(account_, language);
        data.addRow(month(), Row{{field::Rubriques, u"MAISON"_s},
                                 {field::Libelle, u"LOYER"_s},
                                 {field::Reste, u"1000"_s},
                                 {field::Reserve, QString()}}); // no reserve
    }
    void addScheduled(const QString& poste, const QString& label, const QString& prix) {
        data.addRow(month(), Row{{field::Rubriques, u"ENERGIE"_s},
                                 {field::Libelle, label},
                                 {field::Prix, prix},
                                 {field::Poste, poste}});
    }
    QString month() { return data.ctx().monthTable; }
    QList<Row> rows() { return data.rows(month()); }
    // The six entry fields of a row, in the order they are written.
    QStringList entry(int row) {
        QStringList out;
        for (const QString& f : EntryFields())
            out << rows().value(row).value(f);
        return out;
    }
    QStringList column(const QString& field) {
        QStringList out;
        for (const Row& r : rows())
            out << r.value(field);
        return out;
    }
    ui::InputField* input(int n) const { return child<ui::InputField>(u"Text%1"_s.arg(n)); }
    // Answers Text<first>, Text<first+1>... in turn; an empty answer takes what is offered.
    void answer(const QStringList& answers, int first = 1) {
        for (const QString& a : answers)
            Enter(input(first++), a);
    }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    QStringList gridRows() const { return grid()->rowTexts(); }
    ui::ListBox* list() const { return child<ui::ListBox>(u"List1"_s); }
    void click(int button) {
        clickToolbar(button);
        settle();
    }

private:
    QString account_;
};

} // namespace tirelou::test
