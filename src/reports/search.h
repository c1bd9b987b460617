#pragma once

#include "reports/report.h"

#include <QString>
#include <optional>
#include <vector>

// Finding entries of a month, or of the twelve months of a year, by number, date, label or
// amount. Every value is matched as text: a search for "12" finds 12.00, 112.50 and 1200.
namespace tirelou {

class WorkingContext;
struct LoadedMonth;

enum class SearchKind { Number = 1, Date = 2, Label = 3, Amount = 4 };

// The kind of its digit "1" to "4", as "Lire.xfr" carries it; nothing for another text.
std::optional<SearchKind> SearchKindOf(const QString& digit);

// One entry found, as the result lists it.
struct FoundEntry {
    QString category, label, number, date;
    double amount = 0; // the first number of the price: the monthly amount of a direct debit
};

// The entries of one month whose column of that kind contains `text` (plain, case-sensitive
// containment), in record order. A row whose label is "0", a free row among them, is never
// listed, whatever it holds.
std::vector<FoundEntry> SearchMonth(const LoadedMonth& month, SearchKind kind, const QString& text);

// What one month gave.
struct MonthFindings {
    QString monthTable;
    std::vector<FoundEntry> entries;
};

struct YearFindings {
    std::vector<MonthFindings> months; // the twelve months, January first
    double total = 0;
};

// Searches the twelve month tables of the open account file, in the working language's
// month names. Leaves the last month loaded in `ctx.month`.
YearFindings SearchYear(WorkingContext& ctx, SearchKind kind, const QString& text);

// The sum of the amounts found.
double TotalOf(const std::vector<FoundEntry>& entries);

// What a search found, as the result grid shows it: two rows per entry (its category, centred,
// then the entry), a heading row before each month of a year, and the total after a blank
// row.
Report SearchMonthReport(const std::vector<FoundEntry>& found, bool french);
Report SearchYearReport(const YearFindings& year, bool french);

// The search text and kind as the search screens hand them to themselves through "Lire.xfr":
// the text upper-cased on the way out, read back as an item (so trimmed, and cut at a
// comma). `year`, when given, adds the year search's source word and year. Throws FileError
// when the file cannot be written.
struct SearchRequest {
    QString text;
    SearchKind kind = SearchKind::Label;
};
struct YearSource {
    bool archive = false; // "ARCHIVES", else "ENCOUR"
    QString year;
};
SearchRequest HandSearchOver(const WorkingContext& ctx, const QString& typed, SearchKind kind,
                             const std::optional<YearSource>& year = std::nullopt);

} // namespace tirelou
