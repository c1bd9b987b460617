#include "data/database.h"

#include <QFile>
#include <sqlite3.h>

namespace tirelou {
namespace {

QString Message(sqlite3* db, const QString& what) {
    return what + QStringLiteral(": ") + QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
}

} // namespace

QString QuoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

Database::~Database() {
    close();
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

void Database::open(const QString& path) {
    if (!QFile::exists(path))
        throw DbError(QStringLiteral("No such account file: %1").arg(path).toStdString());
    openWith(path, SQLITE_OPEN_READWRITE);
}

void Database::create(const QString& path) {
    if (QFile::exists(path))
        throw DbError(QStringLiteral("File exists already: %1").arg(path).toStdString());
    openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void Database::openWith(const QString& path, int flags) {
    close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = Message(db, QStringLiteral("Cannot open %1").arg(path));
        sqlite3_close(db);
        throw DbError(msg.toStdString());
    }
    db_ = db;
    path_ = path;
    sqlite3_busy_timeout(db_, 2000);
    // A misspelt field in double quotes must be an error, not a string literal.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    try {
        // Reading the schema is what tells a database from any other file.
        exec(QStringLiteral("PRAGMA schema_version"));
    } catch (...) {
        close();
        throw;
    }
}

void Database::close() noexcept {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    path_.clear();
}

bool Database::hasTable(const QString& table) const {
    if (!db_)
        return false;
    sqlite3_stmt* st = nullptr;
    const char* sql = "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?";
    if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK)
        return false;
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(st, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    const bool found = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return found;
}

void Database::exec(const QString& sql) {
    if (!db_)
        throw DbError("No open database");
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "error") + QStringLiteral(" in: ") + sql;
        sqlite3_free(err);
        throw DbError(msg.toStdString());
    }
}

Transaction::Transaction(Database& db) : db_(db) {
    static int counter = 0;
    name_ = QStringLiteral("action%1").arg(++counter);
    db_.exec(QStringLiteral("SAVEPOINT ") + name_);
}

Transaction::~Transaction() {
    if (done_ || !db_.isOpen())
        return;
    try {
        db_.exec(QStringLiteral("ROLLBACK TO ") + name_);
        db_.exec(QStringLiteral("RELEASE ") + name_);
    } catch (const DbError&) {
        // The engine already rolled back (the connection failed); nothing more to undo.
    }
}

void Transaction::commit() {
    db_.exec(QStringLiteral("RELEASE ") + name_);
    done_ = true;
}

} // namespace tirelou
