#pragma once

#include "reports/search.h"
#include "reports/yearfile.h"

#include <QString>
#include <vector>

// Looking at one category of a month, in hand or consulted: its entries and what they cost.
namespace tirelou {

struct LoadedMonth;

struct CategoryView {
    bool noRows = false; // the month table holds no row at all
    std::vector<FoundEntry> entries;
    double total = 0;
};

// The entries of `category` (a name of the category list) in record order: the stored
// category is trimmed before it is compared, the case must agree, and entries without a
// label are left out. Each counts with the first number of its price, so a direct debit
// counts with its monthly amount.
CategoryView ViewCategory(const LoadedMonth& month, const QString& category);

// The view as the category screen's grid shows it: the month and the category, a blank row,
// the entries (or a row saying the month has no movement at all), then the total.
Report CategoryReport(const CategoryView& view, const QString& monthTable, const QString& category,
                      bool french);

class WorkingContext;

// The month a consultation screen shows: the one handed over in "Encour" when consulting
// (a month of the current file or of an archived year), else the month in hand.
int ConsultedMonth(const WorkingContext& ctx, const YearHandOver& encour);

// The month a consultation screen opens on, as "Encour" names it.
struct Consultation {
    YearHandOver encour;
    bool archive = false;
    YearOpen open = YearOpen::Opened;
    QString yearText; // the year of the file looked at
};

// Opens the file of the year consulted (an archived year's in place of the current one),
// makes the consulted month the working month, and loads its table and the categories of
// that file. A missing archived file leaves the current file open and nothing loaded.
// Throws DbError when a file that is there cannot be opened.
Consultation OpenConsultedMonth(WorkingContext& ctx);

// Hands the consulted month over to the account statement in "Lire.xfr": the mode word, the
// month, the year. Throws FileError.
void HandConsultationOver(const WorkingContext& ctx, const Consultation& c);

// Back to the account as logged into: the current file, and its month in hand as stored.
void EndConsultation(WorkingContext& ctx);

} // namespace tirelou
