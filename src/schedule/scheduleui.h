#pragma once

#include "ui/caption.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace tirelou::ui {
class Grid;
class InputField;
} // namespace tirelou::ui

// Pieces shared by the direct-debit, forecast and reserve screens.
namespace tirelou::schedule {

// The titles of the four-column lists of direct debits, forecasts and the reserve.
inline constexpr ui::Caption kListTitles[4] = {
    {u"INTITULE", u"TITLED"},
    {u"RUBRIQUE", u"CATEGORY"},
    {u"MONTANT", u"GOING UP"},
    {u"MOIS RESTANTS", u"REMAINING MONTHS"},
};
inline constexpr ui::Caption kMonthOf{u"MOIS DE  ", u"MONTH OF  "};
inline constexpr ui::Caption kTitleLine{u" Tirelou Familial ", u" Domestic Tirelou "};

// A named input, hidden until its step comes.
ui::InputField* MakeInput(QWidget* parent, const QString& name);

// A named grid for the lists of these screens, as tall as its rows; `wideColumn` takes
// the width left over.
ui::Grid* MakeGrid(QWidget* parent, const QList<int>& designedTwips, int wideColumn);

// One line of a list: label, category, amount, months.
using ListLine = QStringList;

// Fills a four-column list: the titles, the month, the lines, one empty row, then the
// total row with its caption in the first column and the amount in the third.
void FillScheduleGrid(ui::Grid* grid, bool french, const QString& monthTable, const QList<ListLine>& lines,
                      const QString& totalCaption, const QString& totalAmount);

// "12.50 €": the amount display followed by the euro sign.
QString EuroAmount(double value);

} // namespace tirelou::schedule
