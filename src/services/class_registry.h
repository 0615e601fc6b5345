#pragma once
// Registry access under one root key and one working sub key, kept in
// QSettings files (native format) instead of the Windows registry:
//
//   root + "Software\<Org>\<App>[\deeper...]"
//       HKEY_LOCAL_MACHINE: $XDG_CONFIG_HOME/<Org>/<App>.conf
//       any other root:     $XDG_CONFIG_HOME/<ROOT NAME>/<Org>/<App>.conf
//     the deeper sub keys are groups of that file;
//   root + any other path "A\B\C": the file <root folder>/A/B/C.conf, its sub
//     keys the files and folders in <root folder>/A/B/C/;
//   the root, "Software" and "Software\<Org>" are folders and hold no values.
//
// So the program's own key, HKEY_LOCAL_MACHINE "Software\Tervolu\VKSetings",
// is the file Tervolu/VKSetings.conf that the set-up and the shell also use,
// and two roots never share a file. Strings are stored as plain text; a
// double word is stored as "dword:xxxxxxxx" (the .reg notation), and a
// string that itself begins with "dword:" or "sz:" is stored behind an "sz:"
// prefix, so the type of every value survives a write and a read.
//
// No operation opens anything between calls, shows a message or throws; each
// leaves a Windows status code in LASTERROR() (0 success, 2 not found, 5 access
// denied, 161 bad path name, 259 no more items, 1015 file not readable).
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <cstdint>

namespace vz {

class CLASS_REGISTRY {
public:
  // Predefined root keys, with the values Windows gives them.
  using RootKey = std::uint32_t;
  static constexpr RootKey HKEY_CLASSES_ROOT = 0x80000000u;
  static constexpr RootKey HKEY_CURRENT_USER = 0x80000001u;
  static constexpr RootKey HKEY_LOCAL_MACHINE = 0x80000002u;
  static constexpr RootKey HKEY_USERS = 0x80000003u;
  static constexpr RootKey HKEY_PERFORMANCE_DATA = 0x80000004u;
  static constexpr RootKey HKEY_CURRENT_CONFIG = 0x80000005u;
  static constexpr RootKey HKEY_DYN_DATA = 0x80000006u;

  // Status codes kept in LASTERROR().
  static constexpr std::int32_t ERROR_SUCCESS = 0;
  static constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
  static constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
  static constexpr std::int32_t ERROR_WRITE_FAULT = 29;
  static constexpr std::int32_t ERROR_INVALID_PARAMETER = 87;
  static constexpr std::int32_t ERROR_BAD_PATHNAME = 161;
  static constexpr std::int32_t ERROR_MORE_DATA = 234;
  static constexpr std::int32_t ERROR_NO_MORE_ITEMS = 259;
  static constexpr std::int32_t ERROR_BADDB = 1009;
  static constexpr std::int32_t ERROR_REGISTRY_CORRUPT = 1015;

  // Longest text WRITESTRING stores (the rest is cut).
  static constexpr int MaxStringLength = 2046;

  CLASS_REGISTRY();
  virtual ~CLASS_REGISTRY();

  QString WORKING_SUBKEY() const;
  // Stores the path after normalisation (blanks and outer backslashes removed,
  // a lone "\" kept) and returns what is stored. Never fails.
  QString WORKING_SUBKEY(const QString &subKey);

  RootKey HKEY() const;
  // Takes one of the six predefined roots; anything else selects
  // HKEY_LOCAL_MACHINE. The fixed-root subclasses ignore the argument.
  virtual RootKey HKEY(RootKey root);

  std::int32_t LASTERROR() const;
  std::int32_t LASTERROR(std::int32_t status);
  // Why the last WRITESTRING or WRITEINT failed, in the file system's words
  // (a read-only file, a full disk, ...); empty when it gave none.
  QString LASTERRORTEXT() const;

  // The working sub key joined with a normalised relative sub key. Never fails.
  QString BUILD_FULL_SUBKEY(const QString &subKey) const;

  // The text of a string value without trailing blanks; "" with the status set
  // when the key or value is missing (2) and "" with status 0 when the value
  // is not a string. A value of any length comes back whole.
  QString GETSTRING(const QString &subKey, const QString &valueName);
  // A double-word value; 0 when missing (status 2) or not a double word (0).
  std::int32_t GETINT(const QString &subKey, const QString &valueName);

  // Creates the key (and the keys above it); returns the status.
  std::int32_t CREATEKEY(const QString &subKey);
  std::int32_t CREATESUBKEY(const QString &subKey);
  // Creates the key when needed and stores the text (cut to MaxStringLength)
  // as a string value; returns the status (5 when the file cannot be written,
  // 5 also for the folder keys that hold no values).
  std::int32_t WRITESTRING(const QString &subKey, const QString &valueName, const QString &value);
  std::int32_t WRITEINT(const QString &subKey, const QString &valueName, std::int32_t value);

  // The names of the sub keys (not the values) of the key; an empty list with
  // status 2 when the key is missing, with status 0 when it has none.
  QStringList GET_SUBKEY_VALUENAMES(const QString &subKey);
  // The names of the values of the key (an addition of ours, for the tests and
  // for callers that list a key); empty with status 2 when the key is missing.
  QStringList GET_VALUENAMES(const QString &subKey);

  // Remove a value; status 2 when the key or the value is missing.
  std::int32_t DELETEVALUE(const QString &subKey, const QString &valueName);
  std::int32_t DELETEVALUENAME(const QString &subKey, const QString &valueName);
  // Removes the key (with an empty argument the working sub key itself); like
  // the registry, refuses a key that still has sub keys (status 5).
  std::int32_t DELETESUBKEY(const QString &subKey);
  // Every write is on disk when it returns; answers 0.
  std::int32_t FLUSH();

  // Where a full key lives on disk (for the tests and the set-up).
  static QString rootFolder(RootKey root);
  static QString rootName(RootKey root);

  // The normalisation that WORKING_SUBKEY and BUILD_FULL_SUBKEY apply.
  static QString normaliseSubKey(const QString &subKey);

  // Calls the operation named (any case) with untyped arguments converted to
  // text, 32-bit integer or root key (a number, numeric text or a root's
  // name) and answers its result (a list of names as a QStringList). An
  // unknown name, a wrong argument count or an argument that does not convert
  // answers an invalid QVariant and leaves the object and LASTERROR alone.
  // "HKEY" with no argument reads the root, with one assigns it; on the
  // fixed-root classes the argument is ignored unconverted.
  QVariant SEND(const QString &operation, const QVariantList &args);

protected:
  // True for the classes whose root never changes.
  virtual bool rootIsFixed() const { return false; }

  RootKey m_root = HKEY_LOCAL_MACHINE;

private:
  QString m_workingSubKey;
  QString m_keyClass;  // kept for the record; no operation sets it
  std::int32_t m_lastError = 0;
  QString m_lastErrorText;
};

} // namespace vz
