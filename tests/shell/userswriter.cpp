// One session's change of the users table, for the two-session tests: waits
// until the file `go` exists, so that every session starts together, then
//   userswriter <program dir> <go> add <new user> <new password>      (as DAXU / MV83)
//   userswriter <program dir> <go> password <user> <current> <new>
// and prints the answer; exit status 0 when the change was answered OK.
#include "usersfixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 6)
    return 2;
  const QDeadlineTimer deadline(60000);
  while (!QFileInfo::exists(args.at(2)) && !deadline.hasExpired())
    QThread::msleep(1);

  vz::UsersTable::Edit edit;
  if (args.at(3) == QLatin1String("add")) {
    edit = vz::test::addingAsDefaultUser(args.at(4), args.at(5));
  } else if (args.size() == 7) {
    edit.loggedOnUserId = edit.newName = args.at(4);
    edit.currentPassword = args.at(5);
    edit.newPassword = edit.retypedPassword = args.at(6);
  } else {
    return 2;
  }
  const vz::UsersTable::EditResult result = vz::UsersTable(args.at(1)).apply(edit);
  QTextStream(stdout) << (result.done ? QStringLiteral("OK") : result.message) << '\n';
  return result.done ? 0 : 1;
}
