#pragma once

#include <QString>

#include "Database.h"
#include "Recordset.h"

// The store helpers every window uses, around the one database handle that
// stays open from start-up to the end of the program.
namespace Mod {

// The question bank, the scores and the two settings.
extern Database db;

// Where the program lives; the bank is its images/movra.dll.
// The executable's folder unless a test has set another one.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
QString StorePath();

// Opens the bank into `db`; false (and `db` closed) on any failure.
bool OpenStore(Database& db);
// Opens a bank file at any path with its key.
bool OpenBankFile(Database& db, const QString& path, QString* error = nullptr);
// Why the last OpenStore failed, for the one line the program prints.
QString LastOpenError();

// Completes the count of a recordset and leaves it on its first row.
int GetRecordCount(Recordset& rs);

// Keeps the window responsive for `ms` milliseconds; returns at once when
// `ms` is negative or zero.
void Wait(int ms);

// A setting's value; the default when the stored value is Null, an empty
// text when there is no row or the store fails.
QString GetParam(const QString& key, const QString& defaultValue);
// Stores a setting: inserts its row, or updates it when the key exists.
void SetParam(const QString& key, const QString& value);

} // namespace Mod
