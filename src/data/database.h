#pragma once

#include "data/errors.h"

#include <QString>
#include <QStringList>

struct sqlite3;

namespace tirelou {

// One open account file. Move-only; closing is idempotent.
class Database {
public:
    Database() = default;
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file; never creates one.
    void open(const QString& path);
    // Creates a new empty file (fails when it exists) and opens it.
    void create(const QString& path);
    void close() noexcept;

    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }
    bool hasTable(const QString& table) const;

    // Runs statements without values (schema work).
    void exec(const QString& sql);

    sqlite3* handle() const { return db_; }

private:
    void openWith(const QString& path, int flags);

    sqlite3* db_ = nullptr;
    QString path_;
};

// Groups the writes of one user action: they all stand or none does. Rolls back in its
// destructor unless commit() was called. Guards nest (savepoints).
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    QString name_;
    bool done_ = false;
};

// Quotes an identifier for SQL text (table and field names cannot be bound).
QString QuoteIdentifier(const QString& name);

} // namespace tirelou
