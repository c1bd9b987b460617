#pragma once

#include "data/database.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace tirelou {

// Equality filters of a query: field name, value. Values are always bound, so a quote or
// a comma in a label needs no care.
using Filters = std::vector<std::pair<QString, QString>>;

// The rows of one table (optionally filtered) in insertion order, with a current record:
// the record-set operations every screen is written against. The rows are read when the
// set is opened; edits, additions and deletions made through the set are written to the
// file at once and reflected in the set.
//
// Cursor rules: after update() of a new record the current record is the one that was
// current before addNew(); after deleteCurrent() there is no current record until the
// next move, and moveNext() then lands on the record that followed the deleted one.
class RecordSet {
public:
    RecordSet() = default;

    void open(Database& db, const QString& table, const Filters& filters = {});
    void close() noexcept;
    bool isOpen() const { return db_ != nullptr; }
    QString table() const { return table_; }

    int recordCount() const { return static_cast<int>(rows_.size()); }
    bool eof() const;
    bool bof() const { return pos_ < 0; }
    int position() const { return pos_; }

    void moveFirst();
    void moveLast();
    void moveNext();
    // Moves to the record at `index` (0 for the first).
    void moveTo(int index);

    // The field of the current record (an edited value once setValue() ran); empty for
    // a field that holds no value.
    QString value(const QString& field) const;
    void setValue(const QString& field, const QString& value);

    void edit();
    void addNew();
    void update();
    void cancelUpdate() noexcept;
    void deleteCurrent();

    const QStringList& fieldNames() const { return fields_; }

private:
    struct Row {
        qint64 rowid = 0;
        QStringList values;
    };
    enum class Mode { None, Edit, Add };

    int fieldIndex(const QString& field) const;
    void requireOpen() const;
    void requireCurrent() const;

    Database* db_ = nullptr;
    QString table_;
    QStringList fields_;
    std::vector<Row> rows_;
    int pos_ = -1;
    bool deletedCurrent_ = false;
    Mode mode_ = Mode::None;
    Row pending_;
    std::vector<bool> changed_;
};

} // namespace tirelou
