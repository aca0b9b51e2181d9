#pragma once

#include <QByteArray>
#include <QString>

// The key of the question-bank file. The file is keyed with the passphrase;
// the engine turns it into the real key with 64 000 rounds of
// PBKDF2-HMAC-SHA1 over the file's salt, which takes tens of milliseconds.
// Banks made by our builder carry a fixed salt, so the derived key is known
// in advance and opening them skips the derivation; any other file (another
// salt) is opened through the passphrase as usual.
namespace StoreKey {

extern const QString kPassphrase; // "tq_wenlo"

// The salt the builder gives every bank (16 bytes).
QByteArray salt();
// PBKDF2-HMAC-SHA1(kPassphrase, salt(), 64000 rounds, 32 bytes).
QByteArray derivedKey();
// Hex digits of the derived key followed by those of the salt, for a raw
// key: a new file created with it takes the salt.
QString rawKeyWithSalt();

// Whether the file at `path` starts with our salt.
bool hasOurSalt(const QString& path);

} // namespace StoreKey
