#pragma once
// Login passwords are kept only as salted, slow hashes (Argon2id); the typed text is never
// stored or compared as it is.

#include <QString>

namespace zeran::passwords {

/// The stored form of a password (an Argon2id string of at most 127 characters). Throws
/// std::runtime_error when the hash cannot be made (out of memory).
QString hash(const QString &password);

/// Whether `typed` is the password `stored` was made from; false for an empty or malformed
/// stored text.
bool verify(const QString &stored, const QString &typed);

}  // namespace zeran::passwords
