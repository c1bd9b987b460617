#pragma once

#include "reports/search.h"

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

} // namespace tirelou
