#pragma once
// The log-on dialog's rule (LOGONDIALOG's PBTAMAM and PBIPTAL): each press of
// OK checks the typed name and password against the users table; a success,
// or the third press, ends the dialog. A failed press shows
// "Geçersiz giriş teşebbüsü!" unless the name was left empty; a table that
// cannot be read is always told, and nobody gets in through it.
#include "userstable.h"
#include <QString>

namespace vz {

class LogOnRule {
public:
  static constexpr int MaxPresses = 3;

  explicit LogOnRule(const QString &programDir) : m_table(programDir) {}

  enum class Outcome { Granted, TryAgain, Refused };
  struct Press {
    Outcome outcome = Outcome::TryAgain;
    QString message;  // the error to show (TryAgain only); empty: none
  };
  Press press(const QString &name, const QString &password);
  // press() in two halves, so that the check (one Argon2id run) can go off
  // the window thread: `check` may run anywhere, `settle` counts the press.
  const UsersTable &table() const { return m_table; }
  Press settle(const QString &name, const UsersTable::LogOnCheck &check);
  void cancel();

  bool LOGONOK() const { return m_ok; }
  // KULL_ID of the user the last check found (20 characters), also after a
  // wrong password; empty after Cancel.
  QString LOGONID() const { return m_id; }
  int presses() const { return m_tries - 1; }

  static QString invalidText() { return QStringLiteral("Geçersiz giriş teşebbüsü!"); }

private:
  UsersTable m_table;
  bool m_ok = false;
  QString m_id;
  int m_tries = 1;
};

} // namespace vz
