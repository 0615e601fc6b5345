// A program whose password library cannot be opened: it still starts (the
// library is opened on the first check, not at load), but nobody gets in and
// no password is stored, and the user is told why instead of being told the
// password is wrong. Its own process: the library is opened once per run.
#include "usersfixture.h"
#include "shell/logonrule.h"
#include "shell/passwordhash.h"
#include "shell/userstable.h"

#include <QtTest>

using namespace vz;
using namespace vz::test;

class TstNoPasswordLibrary : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

private slots:
  void initTestCase()
  {
    PasswordHash::useLibrary("libvz-no-such-library.so.0");
    QVERIFY(m_dir.isValid());
    // The first start writes the default user's carried hash: no library needed.
    QString error;
    QVERIFY2(UsersTable(m_dir.path()).ensure(&error) == UsersTable::State::Ready, qPrintable(error));
  }

  void logOnIsRefusedWithTheReason_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("right password") << "DAXU" << "MV83";
    QTest::newRow("wrong password") << "DAXU" << "MV84";
    QTest::newRow("no such user") << "KIMSE" << "MV83";
  }

  void logOnIsRefusedWithTheReason()
  {
    QFETCH(QString, name);
    QFETCH(QString, password);
    const UsersTable users(m_dir.path());
    const UsersTable::LogOnCheck check = users.checkLogOn(name, password);
    QVERIFY(!check.ok);
    QVERIFY2(check.error.contains(QStringLiteral("libvz-no-such-library.so.0")), qPrintable(check.error));
    // Said in the program's language, the loader's words only as the reason.
    QVERIFY2(check.error.contains(QStringLiteral("parola kitaplığı libvz-no-such-library.so.0 açılamadı (")),
             qPrintable(check.error));

    LogOnRule rule(m_dir.path());
    const LogOnRule::Press press = rule.press(name, password);
    QVERIFY(press.outcome != LogOnRule::Outcome::Granted);
    QCOMPARE(press.message, check.error);
  }

  void noPasswordIsStored()
  {
    const QString path = m_dir.path() + QStringLiteral("/KULLANICIID.DBF");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const UsersTable::EditResult r =
        UsersTable(m_dir.path()).apply(addingAsDefaultUser(QStringLiteral("YENI"), QStringLiteral("P1")));
    QVERIFY(!r.done);
    QVERIFY2(r.message.contains(QStringLiteral("libvz-no-such-library.so.0")), qPrintable(r.message));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(PasswordHash::computations(), 0);
  }
};

QTEST_GUILESS_MAIN(TstNoPasswordLibrary)
#include "tst_nopasswordlibrary.moc"
