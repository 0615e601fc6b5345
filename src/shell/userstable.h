#pragma once
// The users table "KULLANICIID.DBF" in the program directory (found whatever
// the letter case of its name): one record per user, the name in KULL_ID (20
// characters) and the password's hash in PASSWORD (128 characters). Nothing
// holds it open: every operation reads it whole and a change rewrites it whole
// through the atomic writer, so a failure leaves the old table as it was.
// Two sessions may share the table (two users, or two runtime folders, on one
// program folder): every change takes the table's save lock, reads the table
// as it is on disk then and applies itself to that, so no change answered OK
// is lost to another session's.
//
// A table narrower than ours (a name field of fewer than 20 characters) is
// refused as it is read: a name cut to fit would be a user who cannot log on.
//
// Names are compared whole, trimmed and upper-cased; passwords as
// PasswordHash compares them. No index file is kept: a "KULLIDX.NTX" left by
// an older version is deleted whenever the table is rewritten.
#include <QString>
#include <functional>

namespace vz {

class UsersTable {
public:
  static constexpr int NameWidth = 20;
  static constexpr int PasswordWidth = 128;

  explicit UsersTable(const QString &programDir);

  // The table's file: the one in the program directory whose name matches
  // "KULLANICIID.DBF" in any case, or that name when there is none.
  QString path() const;
  QString programDir() const { return m_dir; }

  static QString defaultUser() { return QStringLiteral("DAXU"); }
  static QString defaultPassword() { return QStringLiteral("MV83"); }

  // Called from the thread that converts, before the first password is
  // hashed (done 0) and after each one.
  using Progress = std::function<void(int done, int total)>;
  enum class State {
    Ready,         // the table is there, every password hashed
    NotConverted,  // plain passwords that could not be hashed in the file: they still log on
    Unusable,      // the table cannot be created or read: nobody logs on
  };
  // KONTPWDBF: creates the table with its one default user when it is missing
  // (with a hash carried by the program: nothing is hashed) and converts a
  // table of the Windows program, which holds its passwords in plain text
  // (every one hashed, the table rewritten at once). NotConverted and
  // Unusable give the reason in `message`.
  State ensure(QString *message = nullptr, const Progress &progress = {}) const;
  // True when ensure() would hash: the table holds plain passwords.
  bool needsConversion() const;

  // A name as stored and as compared.
  static QString comparableName(const QString &typed);

  struct LogOnCheck {
    bool ok = false;       // the name was found and the password is its own
    bool found = false;    // a user of that name exists
    QString userId;        // KULL_ID of the user found, 20 characters
    QString error;         // the table could not be read; nobody gets in
  };
  LogOnCheck checkLogOn(const QString &name, const QString &password) const;

  // The stored password (hash) of the user `userId` names; empty when there
  // is none. False with `error` when the table cannot be read.
  bool storedPassword(const QString &userId, QString *stored, QString *error = nullptr) const;

  // What the user and password dialog types, and what it gets back.
  struct Edit {
    bool adding = false;        // a new user; otherwise the logged-on user changes
    QString loggedOnUserId;     // whose password authorises the change
    QString currentPassword;
    QString newPassword;
    QString retypedPassword;
    QString newName;
  };
  enum class Field { None, CurrentPassword, NewPassword, NewName };
  struct EditResult {
    bool done = false;
    QString message;            // empty: nothing to show
    bool isError = true;        // an error box; otherwise an information box "Uyarı"
    Field focus = Field::None;  // where the user mends it
    QString userId;             // the stored name (20 characters) after a success
  };
  // Runs the checks of the dialog in order and, when all pass, writes the
  // table. The first check that fails gives its message and field.
  EditResult apply(const Edit &edit) const;

private:
  QString m_dir;
};

} // namespace vz
