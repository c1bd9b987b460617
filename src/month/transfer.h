#pragma once

#include <QList>
#include <QString>

// Moving an entry of the month in hand to another category. Only the entry's category
// changes: its amount, the remainder and the reserve stay as they are.
namespace tirelou {

class WorkingContext;

// One line of the grid of a category's entries.
struct MoveLine {
    QString label;  // as stored
    int position;   // in the category, from 1, counting every row of it
    QString number; // NumCheque
    QString amount; // the first 13 characters of the price, formatted "### ### ### ##0.00"
};

// The entries of `category` in the month in hand, in record order, the category compared
// without regard to case. Rows with a blank label are not offered, but still counted in
// the positions. `rowCount`, when given, receives the number of rows of the category, the
// unoffered ones included.
QList<MoveLine> CategoryEntries(WorkingContext& ctx, const QString& category, int* rowCount = nullptr);

// Gives the first row (in record order) of `departure` holding `label` the category
// `arrival`; category and label are compared without regard to case. Nothing else of the
// row, nor any other row, changes. Returns false, having written nothing, when no row
// matches (the entry was erased or changed meanwhile).
bool MoveEntry(WorkingContext& ctx, const QString& departure, const QString& label, const QString& arrival);

} // namespace tirelou
