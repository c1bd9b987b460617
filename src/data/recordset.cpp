#include "data/recordset.h"

#include <memory>
#include <sqlite3.h>

namespace tirelou {
namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement Prepare(sqlite3* db, const QString& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        throw DbError((QString::fromUtf8(sqlite3_errmsg(db)) + QStringLiteral(" in: ") + sql).toStdString());
    return Statement(st);
}

void BindText(sqlite3_stmt* st, int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(st, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void StepDone(sqlite3* db, sqlite3_stmt* st) {
    if (sqlite3_step(st) != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(db)).toStdString());
}

} // namespace

void RecordSet::open(Database& db, const QString& table, const Filters& filters) {
    close();
    if (!db.isOpen())
        throw DbError("No open database");
    QString sql = QStringLiteral("SELECT rowid, * FROM ") + QuoteIdentifier(table);
    for (std::size_t i = 0; i < filters.size(); ++i)
        sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
               QuoteIdentifier(filters[i].first) + QStringLiteral("=?");
    sql += QStringLiteral(" ORDER BY rowid");

    Statement st = Prepare(db.handle(), sql);
    for (std::size_t i = 0; i < filters.size(); ++i)
        BindText(st.get(), static_cast<int>(i) + 1, filters[i].second);

    const int columns = sqlite3_column_count(st.get());
    QStringList fields;
    for (int c = 1; c < columns; ++c)
        fields << QString::fromUtf8(sqlite3_column_name(st.get(), c));

    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        Row row;
        row.rowid = sqlite3_column_int64(st.get(), 0);
        row.values.reserve(columns - 1);
        for (int c = 1; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), c));
            row.values << (text ? QString::fromUtf8(text, sqlite3_column_bytes(st.get(), c)) : QString());
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(db.handle())).toStdString());

    db_ = &db;
    table_ = table;
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    pos_ = 0;
    deletedCurrent_ = false;
    mode_ = Mode::None;
}

void RecordSet::close() noexcept {
    db_ = nullptr;
    table_.clear();
    fields_.clear();
    rows_.clear();
    pos_ = -1;
    deletedCurrent_ = false;
    mode_ = Mode::None;
}

bool RecordSet::eof() const {
    return pos_ < 0 || pos_ >= recordCount();
}

void RecordSet::requireOpen() const {
    if (!db_)
        throw DbError("The record set is not open");
}

void RecordSet::requireCurrent() const {
    requireOpen();
    if (deletedCurrent_ || eof())
        throw DbError(("No current record in " + table_).toStdString());
}

void RecordSet::moveFirst() {
    requireOpen();
    pos_ = 0;
    deletedCurrent_ = false;
}

void RecordSet::moveLast() {
    requireOpen();
    pos_ = rows_.empty() ? 0 : recordCount() - 1;
    deletedCurrent_ = false;
}

void RecordSet::moveNext() {
    requireOpen();
    if (deletedCurrent_)
        deletedCurrent_ = false; // the record after the deleted one is already at pos_
    else if (pos_ < recordCount())
        ++pos_;
}

void RecordSet::moveTo(int index) {
    requireOpen();
    pos_ = index < 0 ? recordCount() : std::min(index, recordCount());
    deletedCurrent_ = false;
}

int RecordSet::fieldIndex(const QString& field) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    throw DbError(("No field " + field + " in " + table_).toStdString());
}

QString RecordSet::value(const QString& field) const {
    const int i = fieldIndex(field);
    if (mode_ != Mode::None)
        return pending_.values[i];
    requireCurrent();
    return rows_[static_cast<std::size_t>(pos_)].values[i];
}

void RecordSet::setValue(const QString& field, const QString& value) {
    if (mode_ == Mode::None)
        throw DbError("setValue outside edit or addNew");
    const int i = fieldIndex(field);
    pending_.values[i] = value;
    changed_[static_cast<std::size_t>(i)] = true;
}

void RecordSet::edit() {
    requireCurrent();
    pending_ = rows_[static_cast<std::size_t>(pos_)];
    changed_.assign(static_cast<std::size_t>(fields_.size()), false);
    mode_ = Mode::Edit;
}

void RecordSet::addNew() {
    requireOpen();
    pending_ = Row{};
    for (int i = 0; i < fields_.size(); ++i)
        pending_.values << QString();
    changed_.assign(static_cast<std::size_t>(fields_.size()), false);
    mode_ = Mode::Add;
}

void RecordSet::cancelUpdate() noexcept {
    mode_ = Mode::None;
}

void RecordSet::update() {
    requireOpen();
    if (mode_ == Mode::None)
        throw DbError("update without edit or addNew");
    QStringList names;
    QStringList values;
    for (int i = 0; i < fields_.size(); ++i)
        if (changed_[static_cast<std::size_t>(i)]) {
            names << QuoteIdentifier(fields_[i]);
            values << pending_.values[i];
        }

    sqlite3* db = db_->handle();
    if (mode_ == Mode::Edit) {
        if (!names.isEmpty()) {
            const QString sql = QStringLiteral("UPDATE ") + QuoteIdentifier(table_) +
                                QStringLiteral(" SET ") + names.join(QStringLiteral("=?, ")) +
                                QStringLiteral("=? WHERE rowid=?");
            Statement st = Prepare(db, sql);
            for (int i = 0; i < values.size(); ++i)
                BindText(st.get(), i + 1, values[i]);
            sqlite3_bind_int64(st.get(), static_cast<int>(values.size()) + 1, pending_.rowid);
            StepDone(db, st.get());
        }
        rows_[static_cast<std::size_t>(pos_)] = pending_;
    } else {
        QString sql = QStringLiteral("INSERT INTO ") + QuoteIdentifier(table_);
        if (names.isEmpty())
            sql += QStringLiteral(" DEFAULT VALUES");
        else
            sql += QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (?") +
                   QStringLiteral(", ?").repeated(values.size() - 1) + QStringLiteral(")");
        Statement st = Prepare(db, sql);
        for (int i = 0; i < values.size(); ++i)
            BindText(st.get(), i + 1, values[i]);
        StepDone(db, st.get());
        pending_.rowid = sqlite3_last_insert_rowid(db);
        const bool wasAtEnd = eof();
        rows_.push_back(pending_);
        if (wasAtEnd)
            pos_ = recordCount(); // no current record before the addition: still none
    }
    mode_ = Mode::None;
}

void RecordSet::deleteCurrent() {
    requireCurrent();
    sqlite3* db = db_->handle();
    Statement st = Prepare(db, QStringLiteral("DELETE FROM ") + QuoteIdentifier(table_) +
                                   QStringLiteral(" WHERE rowid=?"));
    sqlite3_bind_int64(st.get(), 1, rows_[static_cast<std::size_t>(pos_)].rowid);
    StepDone(db, st.get());
    rows_.erase(rows_.begin() + pos_);
    deletedCurrent_ = true;
}

} // namespace tirelou
