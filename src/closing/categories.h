#pragma once

#include <QString>

// Renaming, adding and erasing a category of the account. Only the category table of the
// working language changes: the other language's list and the month tables stay as they
// are, so entries keep the name they were recorded under. Each change is one transaction.
namespace tirelou {

class WorkingContext;

// "Rubriques" in French, "Rubriqueseng" otherwise.
QString CategoryTable(const WorkingContext& ctx);

enum class CategoryChange {
    Done,
    EmptyName, // refused: a category without a name could not be told apart or chosen
    NoSuchCategory,
};

// The category at `index` (its position in the table, from 0) takes `name` in upper case.
// The list is written back position by position over every row, as LoadCategories read it.
CategoryChange RenameCategory(WorkingContext& ctx, int index, const QString& name);

// Appends a category named `name` trimmed, in the case typed. A name already listed is
// accepted and listed twice.
CategoryChange AddCategory(WorkingContext& ctx, const QString& name);

// Deletes the category at `index`.
CategoryChange EraseCategory(WorkingContext& ctx, int index);

} // namespace tirelou
