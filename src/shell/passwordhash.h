#pragma once
// Passwords are kept only as Argon2id hashes (libsodium's crypto_pwhash_str,
// interactive limits) of the text the log-on compares: the typed password
// upper-cased, cut to its first 20 characters and trimmed at both ends. An
// upper-cased password can never begin with "$argon2id$", so a stored value
// with that prefix is a hash and anything else is a password kept in plain
// text by an older table.
#include <QString>

namespace vz {

class PasswordHash {
public:
  static constexpr int MaxPasswordLength = 20;

  // The form that is hashed and compared.
  static QString comparable(const QString &typed);

  // The stored form of `typed`; empty when hashing failed (out of memory).
  static QString make(const QString &typed);
  // True when `typed` is the password whose hash is `stored`. A stored value
  // that is not a hash never matches.
  static bool matches(const QString &typed, const QString &stored);
  static bool isHash(const QString &stored);
};

} // namespace vz
