#include "closing/categories.h"

#include "data/database.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

namespace tirelou {

QString CategoryTable(const WorkingContext& ctx) {
    return ctx.french() ? table::Rubriques : table::Rubriqueseng;
}

CategoryChange RenameCategory(WorkingContext& ctx, int index, const QString& name) {
    const QString newName = name.trimmed().toUpper();
    if (newName.isEmpty())
        return CategoryChange::EmptyName;
    Transaction tx(ctx.accountDb);
    LoadCategories(ctx);
    if (index < 0 || index >= ctx.categoryCount)
        return CategoryChange::NoSuchCategory;
    ctx.categoryList[index] = newName;

    RecordSet rs;
    rs.open(ctx.accountDb, CategoryTable(ctx));
    int i = 0;
    for (rs.moveFirst(); !rs.eof() && i < ctx.categoryCount; rs.moveNext(), ++i) {
        rs.edit();
        rs.setValue(field::Rubrique, ctx.categoryList[i]);
        rs.update();
    }
    tx.commit();
    return CategoryChange::Done;
}

CategoryChange AddCategory(WorkingContext& ctx, const QString& name) {
    const QString newName = name.trimmed();
    if (newName.isEmpty())
        return CategoryChange::EmptyName;
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, CategoryTable(ctx));
    rs.addNew();
    rs.setValue(field::Rubrique, newName);
    rs.update();
    tx.commit();
    return CategoryChange::Done;
}

CategoryChange EraseCategory(WorkingContext& ctx, int index) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, CategoryTable(ctx));
    if (index < 0 || index >= rs.recordCount())
        return CategoryChange::NoSuchCategory;
    rs.moveTo(index);
    rs.deleteCurrent();
    tx.commit();
    return CategoryChange::Done;
}

} // namespace tirelou
