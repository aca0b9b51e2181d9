#pragma once

#include <QString>
#include <string>

#include "Recordset.h"

struct sqlite3;

// One encrypted database file. Statements are written in the program's
// dialect (see JetDialect) and translated before they reach SQLite.
// Failures throw StoreError.
class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file with the key, shared and writable, and checks
    // that the key reads it. On failure the handle stays closed and `error`
    // (when given) says why.
    bool open(const QString& path, const QString& key, QString* error = nullptr);
    // The same with a raw key: hex digits of the derived key, optionally
    // followed by those of the salt (which a new file then takes).
    bool openRaw(const QString& path, const QString& hexKey, QString* error = nullptr);
    // Creates (or opens) a file with the key; for the bank builder and tests.
    bool create(const QString& path, const QString& key, QString* error = nullptr);
    bool createRaw(const QString& path, const QString& hexKey, QString* error = nullptr);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }

    // Runs a SELECT and returns its rows.
    Recordset openRecordset(const QString& sql);
    // Runs one action statement; rows a unique key refuses are skipped.
    void execute(const QString& sql);
    // Rows changed by the last execute().
    int recordsAffected() const { return affected_; }

    // Plain SQLite statements, without the dialect (schema, builder, tests).
    void executeNative(const QString& sql);
    Recordset queryNative(const QString& sql);
    sqlite3* handle() const { return db_; }

private:
    bool openWith(const QString& path, const QByteArray& keyLiteral, int flags, QString* error);

    sqlite3* db_ = nullptr;
    QString path_;
    int affected_ = 0;
};
