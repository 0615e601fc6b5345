#pragma once
// Passwords are kept only as Argon2id hashes (libsodium's crypto_pwhash_str,
// interactive limits) of the text the log-on compares: the typed password
// upper-cased, cut to its first 20 characters and trimmed at both ends. An
// upper-cased password can never begin with "$argon2id$", so a stored value
// with that prefix is a hash and anything else is a password kept in plain
// text by a table of the Windows program not converted yet.
//
// Every check costs one Argon2id run, whatever it finds: a plain password, or
// no user at all, is checked against a fixed hash of the same cost first, so
// the time of a log-on does not tell whether a name exists.
#include <QString>

namespace vz {

class PasswordHash {
public:
  static constexpr int MaxPasswordLength = 20;

  // The form that is hashed and compared.
  static QString comparable(const QString &typed);

  // The stored form of `typed`; empty when hashing failed (out of memory).
  static QString make(const QString &typed);
  // True when `typed` is the password stored as `stored`: its hash, or the
  // password itself in plain text (compared as hashed). A blank stored value
  // never matches.
  static bool matches(const QString &typed, const QString &stored);
  // The same cost as a check, for a user that does not exist; never true.
  static void checkNobody(const QString &typed);
  static bool isHash(const QString &stored);
  // Why no password can be hashed or checked in this process (the hashing
  // library could not be opened or set up); empty when they can.
  static QString unavailable();
  // The hashing library the first hash or check opens, by file name; for
  // tests of a missing one. No effect once a hash or check has run.
  static void useLibrary(const QByteArray &fileName);

  // The hash of the default user's password, made once and carried, so that
  // the first start writes its table without hashing.
  static QString defaultHash();

  // Argon2id runs so far in this process, and those of them made on the
  // application's (window) thread: how the tests see what a key or a log-on
  // costs and where it ran.
  static int computations();
  static int computationsOnWindowThread();
};

} // namespace vz
