#pragma once

#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screenbase.h"
#include "ui/screennames.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace tirelou::test {

// Stands for the screens of other parts of the program that these screens lead to.
class Elsewhere : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override {}
};

// An account logged in on January, whose first row holds a balance of 1000.
class ScheduleGuiTest : public GuiTest {
protected:
    explicit ScheduleGuiTest(const QString& language = QStringLiteral("Français")) {
        registry.add<Elsewhere>(screen::MoisEnCours);
        data.login(data.addAccount(QStringLiteral("1"), 2026), language);
        data.ctx().clock.setToday(QDate(2026, 1, 15));
        data.addRow(month(), Row{{field::Rubriques, QStringLiteral("MAISON")},
                                 {field::Libelle, QStringLiteral("LOYER")},
                                 {field::NumCheque, QStringLiteral("1234")},
                                 {field::Prix, QStringLiteral("500")},
                                 {field::Poste, QStringLiteral("X")},
                                 {field::Reste, QStringLiteral("1000")},
                                 {field::Reserve, QString()}});
    }
    QString month() { return data.ctx().monthTable; }
    QList<Row> rows() { return data.rows(month()); }
    QString label(const QString& name) const {
        const QLabel* l = child<QLabel>(name);
        return l ? l->text() : QString();
    }
    bool shown(const QString& name) const {
        const QWidget* w = child<QWidget>(name);
        return w && w->isVisible();
    }
    ui::InputField* input(const QString& name) const { return child<ui::InputField>(name); }
    ui::Grid* grid() const { return child<ui::Grid>(QStringLiteral("MSFlexGrid1")); }
    ui::ListBox* list() const { return child<ui::ListBox>(QStringLiteral("List1")); }
    QList<int> visibleButtons() {
        QList<int> out;
        for (int i = 1; i <= toolbar()->count(); ++i)
            if (toolbar()->isButtonVisible(i))
                out << i;
        return out;
    }
    void click(int button) {
        clickToolbar(button);
        settle();
    }
    // A folder where the hand-over file goes: writing it fails until it is unblocked.
    void blockHandOver(const QString& name) {
        QFile::remove(data.ctx().filePath(name));
        QDir().mkpath(data.ctx().filePath(name));
    }
    void unblockHandOver(const QString& name) { QDir(data.ctx().filePath(name)).removeRecursively(); }
};

inline QString Blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

} // namespace tirelou::test
