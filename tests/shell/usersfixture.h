#pragma once
// A scratch program directory with a users table written as a test wants it:
// the current layout, or an older one with the passwords in plain text.
#include "platform/dbftable.h"
#include "shell/userstable.h"

#include <QDir>
#include <QFile>
#include <QPair>
#include <QTemporaryDir>

namespace vz::test {

struct User {
  QString name;
  QString password;  // as stored: plain text in an older table
  bool deleted = false;
};

// An older table: both fields 20 characters, passwords in plain text.
inline bool writeLegacyTable(const QString &path, const QList<User> &users)
{
  QList<DbfRecord> records;
  for (const User &u : users)
    records.append({u.deleted, {u.name, u.password}});
  return DbfTable::writeTable(path, {{QStringLiteral("KULL_ID"), QLatin1Char('C'), 20, 0},
                                     {QStringLiteral("PASSWORD"), QLatin1Char('C'), 20, 0}},
                              records);
}

// A new user added by the default user, DAXU / MV83.
inline UsersTable::Edit addingAsDefaultUser(const QString &name, const QString &password)
{
  UsersTable::Edit edit;
  edit.adding = true;
  edit.loggedOnUserId = UsersTable::defaultUser();
  edit.currentPassword = UsersTable::defaultPassword();
  edit.newName = name;
  edit.newPassword = edit.retypedPassword = password;
  return edit;
}

inline QByteArray fileBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every record of the table as {KULL_ID, PASSWORD}, deleted ones too.
inline QList<QPair<QString, QString>> storedUsers(const QString &path, QList<DbfField> *fields = nullptr)
{
  DbfTable t;
  QList<QPair<QString, QString>> out;
  if (!t.open(path, DbfTable::OpenMode::ReadOnly))
    return out;
  if (fields)
    *fields = t.fields();
  for (const DbfRecord &r : t.allRecords())
    out.append({r.values.at(0), r.values.at(1)});
  return out;
}

} // namespace vz::test
