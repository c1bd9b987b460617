#include "closing/consult.h"

#include "data/numbers.h"
#include "data/workingcontext.h"

namespace tirelou {

CategoryView ViewCategory(const LoadedMonth& month, const QString& category) {
    CategoryView view;
    view.noRows = month.monthRowCount == 0;
    const QString wanted = category.trimmed();
    for (int i = 0; i < month.monthRowCount && i < month.entryCategory.size(); ++i) {
        if (month.entryCategory[i].trimmed() != wanted || month.entryLabel[i].trimmed().isEmpty())
            continue;
        FoundEntry e{month.entryCategory[i], month.entryLabel[i], month.entryNumber[i], month.entryDate[i],
                     PairFirst(month.entryPrice[i])};
        view.total += e.amount;
        view.entries.push_back(std::move(e));
    }
    return view;
}

} // namespace tirelou
