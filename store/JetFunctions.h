#pragma once

#include <QDateTime>
#include <functional>

struct sqlite3;

// SQL functions the program's dialect needs from the engine, registered on
// every connection: like (with '*', '?', '#' and [list] wildcards, matching
// whole UTF-8 characters, ASCII letters without regard to case), now() and
// datediff(interval, a, b).
namespace JetFunctions {

// Returns an SQLite result code.
int registerAll(sqlite3* db);

// Pattern matching as the LIKE operator does it; `escape` 0 means none.
bool like(const char* pattern, const char* text, unsigned escape = 0);

// Number of `interval` boundaries crossed from a to b, in local wall-clock
// time: "d" and "y" days, "ww" weeks (Sunday), "w" whole weeks, "m" months,
// "q" quarters, "yyyy" years, "h" hours, "n" minutes, "s" seconds.
// Returns false for an unknown interval.
bool dateDiff(const QString& interval, const QDateTime& a, const QDateTime& b, qint64* out);

// Stored date-time text as written by the program ("yyyy-MM-dd HH:mm:ss" or
// a date alone); an invalid QDateTime when the text is neither.
QDateTime parseDateTime(const QString& text);
QString formatDateTime(const QDateTime& dt);

// The clock behind now(); tests replace it to pin the date.
void setClock(std::function<QDateTime()> clock);
QDateTime currentDateTime();

} // namespace JetFunctions
