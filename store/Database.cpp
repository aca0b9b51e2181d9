#include "Database.h"

#include "JetDialect.h"
#include "JetFunctions.h"
#include "StoreError.h"

#include <sqlcipher/sqlite3.h>

#include <cctype>

namespace {

[[noreturn]] void fail(sqlite3* db, const QString& sql) {
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_MISUSE;
    const char* message = db ? sqlite3_errmsg(db) : "database not open";
    throw StoreError(std::string(message) + " [" + sql.toStdString() + "]", code);
}

// Prepares exactly one statement: text after the first statement is refused,
// so a value smuggled into a statement cannot start a second one.
sqlite3_stmt* prepareOne(sqlite3* db, const QString& sql) {
    if (!db)
        throw StoreError("数据库没有打开。", SQLITE_MISUSE);
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, &tail) != SQLITE_OK)
        fail(db, sql);
    if (!stmt)
        throw StoreError("空语句。", SQLITE_MISUSE);
    for (const char* p = tail; p && *p; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') {
            sqlite3_finalize(stmt);
            throw StoreError("一次只能执行一条语句: " + sql.toStdString(), SQLITE_MISUSE);
        }
    }
    return stmt;
}

Recordset readAll(sqlite3* db, const QString& sql) {
    sqlite3_stmt* stmt = prepareOne(db, sql);
    const int columns = sqlite3_column_count(stmt);
    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << QString::fromUtf8(sqlite3_column_name(stmt, c));
    Recordset rows(names);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                rows.appendInteger(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                rows.appendDouble(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_TEXT:
                rows.appendText(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                sqlite3_column_bytes(stmt, c));
                break;
            case SQLITE_BLOB:
                rows.appendBlob(sqlite3_column_blob(stmt, c), sqlite3_column_bytes(stmt, c));
                break;
            default:
                rows.appendNull();
            }
        }
    }
    if (rc != SQLITE_DONE) {
        const StoreError error(std::string(sqlite3_errmsg(db)) + " [" + sql.toStdString() + "]",
                               sqlite3_extended_errcode(db));
        sqlite3_finalize(stmt);
        throw error;
    }
    sqlite3_finalize(stmt);
    rows.finish();
    return rows;
}

} // namespace

Database::~Database() {
    close();
}

void Database::close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
}

bool Database::openWith(const QString& path, const QByteArray& keyLiteral, int flags,
                        QString* error) {
    close();
    sqlite3* db = nullptr;
    auto failWith = [&](const QString& why) {
        if (error)
            *error = why;
        if (db)
            sqlite3_close_v2(db);
        return false;
    };
    // One thread uses a connection at a time, so the engine need not lock
    // around every call; reading a question set makes hundreds of thousands.
    flags |= SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK)
        return failWith(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("无法打开"));
    const QByteArray keySql = "PRAGMA key=" + keyLiteral;
    if (sqlite3_exec(db, keySql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return failWith(QString::fromUtf8(sqlite3_errmsg(db)));
    // The key is only tried when the file is first read.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        return failWith(QString::fromUtf8(sqlite3_errmsg(db)));
    if (JetFunctions::registerAll(db) != SQLITE_OK)
        return failWith(QString::fromUtf8(sqlite3_errmsg(db)));
    // Another program may hold the file for a moment.
    sqlite3_busy_timeout(db, 2000);
    db_ = db;
    path_ = path;
    return true;
}

namespace {

QByteArray passphraseLiteral(const QString& key) {
    return "'" + JetDialect::quote(key).toUtf8() + "'";
}

// Anything but hex digits would make the literal something else.
QByteArray rawLiteral(const QString& hexKey) {
    QByteArray hex = hexKey.toLatin1();
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return QByteArray("''");
    return "\"x'" + hex + "'\"";
}

} // namespace

bool Database::open(const QString& path, const QString& key, QString* error) {
    return openWith(path, passphraseLiteral(key), SQLITE_OPEN_READWRITE, error);
}

bool Database::openRaw(const QString& path, const QString& hexKey, QString* error) {
    return openWith(path, rawLiteral(hexKey), SQLITE_OPEN_READWRITE, error);
}

bool Database::create(const QString& path, const QString& key, QString* error) {
    return openWith(path, passphraseLiteral(key), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    error);
}

bool Database::createRaw(const QString& path, const QString& hexKey, QString* error) {
    return openWith(path, rawLiteral(hexKey), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
}

Recordset Database::openRecordset(const QString& sql) {
    const auto run = [this](const QString& native) { return readAll(db_, native); };
    const JetDialect::Prepared p = JetDialect::prepare(sql, run);
    Recordset rows = readAll(db_, p.sql);
    // Returned as it is (moved, not copied) unless TOP cuts it.
    if (p.top >= 0)
        return JetDialect::cutTop(rows, p);
    return rows;
}

void Database::execute(const QString& sql) {
    const auto run = [this](const QString& native) { return readAll(db_, native); };
    const JetDialect::Prepared p = JetDialect::prepare(sql, run);
    if (p.top >= 0)
        throw StoreError("不能执行选择查询: " + sql.toStdString(), SQLITE_MISUSE);
    sqlite3_stmt* stmt = prepareOne(db_, p.sql);
    if (sqlite3_stmt_readonly(stmt) && sqlite3_column_count(stmt) > 0) {
        sqlite3_finalize(stmt);
        throw StoreError("不能执行选择查询: " + sql.toStdString(), SQLITE_MISUSE);
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        const StoreError error(std::string(sqlite3_errmsg(db_)) + " [" + sql.toStdString() + "]",
                               sqlite3_extended_errcode(db_));
        sqlite3_finalize(stmt);
        throw error;
    }
    sqlite3_finalize(stmt);
    affected_ = sqlite3_changes(db_);
}

void Database::executeNative(const QString& sql) {
    if (!db_)
        throw StoreError("数据库没有打开。", SQLITE_MISUSE);
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string why = message ? message : "error";
        sqlite3_free(message);
        throw StoreError(why + " [" + sql.toStdString() + "]", sqlite3_extended_errcode(db_));
    }
}

Recordset Database::queryNative(const QString& sql) {
    return readAll(db_, sql);
}
