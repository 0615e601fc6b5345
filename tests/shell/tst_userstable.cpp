#include "usersfixture.h"
#include "platform/fileerror.h"
#include "shell/logonrule.h"
#include "shell/passwordhash.h"
#include "shell/userstable.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TstUsersTable : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  QTemporaryDir m_prepared;  // the two-user table, hashed once for every case
  QString dir() const { return m_dir->path(); }
  QString table() const { return dir() + QStringLiteral("/KULLANICIID.DBF"); }

  // DAXU / MV83 (the default user) and AHMET / GIZLI1, both hashed.
  void twoUsers()
  {
    QVERIFY(QFile::copy(m_prepared.path() + QStringLiteral("/KULLANICIID.DBF"), table()));
  }

private slots:
  void initTestCase()
  {
    QVERIFY(writeLegacyTable(m_prepared.path() + QStringLiteral("/KULLANICIID.DBF"),
                             {{QStringLiteral("DAXU"), QStringLiteral("MV83")},
                              {QStringLiteral("AHMET"), QStringLiteral("GIZLI1")}}));
    QVERIFY(UsersTable(m_prepared.path()).ensure() == UsersTable::State::Ready);
  }

  void init()
  {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
  }

  void firstStartCreatesTableWithDefaultUser()
  {
    QString error;
    // The first start comes before any window: it carries the default
    // user's hash instead of making one.
    const int hashed = PasswordHash::computations();
    QVERIFY2(UsersTable(dir()).ensure(&error) == UsersTable::State::Ready, qPrintable(error));
    QCOMPARE(PasswordHash::computations(), hashed);
    QList<DbfField> fields;
    const auto users = storedUsers(table(), &fields);
    QCOMPARE(fields.size(), 2);
    QCOMPARE(fields.at(0).name, QStringLiteral("KULL_ID"));
    QCOMPARE(fields.at(0).length, 20);
    QCOMPARE(fields.at(1).name, QStringLiteral("PASSWORD"));
    QCOMPARE(fields.at(1).length, 128);
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.at(0).first, QStringLiteral("DAXU").leftJustified(20));
    QVERIFY(users.at(0).second.startsWith(QStringLiteral("$argon2id$")));
    QVERIFY(!fileBytes(table()).contains("MV83"));
    QVERIFY(!QFileInfo::exists(dir() + QStringLiteral("/KULLIDX.NTX")));
    QVERIFY(UsersTable(dir()).checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok);

    // A second start leaves the table as it is.
    const QByteArray before = fileBytes(table());
    QVERIFY(UsersTable(dir()).ensure() == UsersTable::State::Ready);
    QCOMPARE(fileBytes(table()), before);
  }

  void logOn_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("found");
    QTest::newRow("right") << "DAXU" << "MV83" << true << true;
    QTest::newRow("lower case") << "daxu" << "mv83" << true << true;
    QTest::newRow("blanks around") << "  DAXU " << " MV83  " << true << true;
    QTest::newRow("wrong password") << "DAXU" << "MV84" << false << true;
    QTest::newRow("password cut short") << "DAXU" << "MV8" << false << true;
    QTest::newRow("blank inside") << "DAXU" << "MV 83" << false << true;
    QTest::newRow("empty password") << "DAXU" << "" << false << true;
    QTest::newRow("beginning of a name") << "DAX" << "MV83" << false << false;
    QTest::newRow("longer name") << "DAXUS" << "MV83" << false << false;
    QTest::newRow("empty name") << "" << "MV83" << false << false;
    QTest::newRow("other user's password") << "DAXU" << "GIZLI1" << false << true;
    QTest::newRow("second user") << "Ahmet" << "gizli1" << true << true;
  }

  void logOn()
  {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    QFETCH(bool, found);
    twoUsers();
    const UsersTable::LogOnCheck check = UsersTable(dir()).checkLogOn(name, password);
    QCOMPARE(check.ok, ok);
    QCOMPARE(check.found, found);
    QVERIFY(check.error.isEmpty());
    if (found)
      QCOMPARE(check.userId, name.trimmed().toUpper().leftJustified(20));
  }

  void legacyTableConvertedAtStart()
  {
    // Found whatever the case of its name; a stale index beside it goes.
    const QString lower = dir() + QStringLiteral("/kullaniciid.dbf");
    QVERIFY(writeLegacyTable(lower, {{QStringLiteral("DAXU"), QStringLiteral("MV83")},
                                     {QStringLiteral("AHMET"), QStringLiteral(" GIZLI PAROLA1")},
                                     {QStringLiteral("ESKI"), QStringLiteral("SILINMIS9"), true}}));
    QFile index(dir() + QStringLiteral("/Kullidx.ntx"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("stale");
    index.close();

    QCOMPARE(UsersTable(dir()).path(), lower);
    QString error;
    QVERIFY2(UsersTable(dir()).ensure(&error) == UsersTable::State::Ready, qPrintable(error));
    QVERIFY(!QFileInfo::exists(table()) || QFileInfo(table()) == QFileInfo(lower));
    QVERIFY(!index.exists());
    const QByteArray bytes = fileBytes(lower);
    for (const char *plain : {"MV83", "GIZLI PAROLA1", "SILINMIS9"})
      QVERIFY2(!bytes.contains(plain), plain);
    QList<DbfField> fields;
    const auto users = storedUsers(lower, &fields);
    QCOMPARE(fields.at(1).length, 128);
    QCOMPARE(users.size(), 3);
    for (const auto &u : users)
      QVERIFY(PasswordHash::isHash(u.second));

    const UsersTable users2(dir());
    QVERIFY(users2.checkLogOn(QStringLiteral("AHMET"), QStringLiteral("GIZLI PAROLA1")).ok);
    QVERIFY(users2.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok);
    QVERIFY(!users2.checkLogOn(QStringLiteral("ESKI"), QStringLiteral("SILINMIS9")).found);
  }

  void tableThatCannotBeReadLetsNobodyIn_data()
  {
    QTest::addColumn<QByteArray>("content");  // empty: the program directory is missing
    QTest::newRow("not a table") << QByteArray("this is not a dBASE table at all, just text.....");
    QTest::newRow("no folder") << QByteArray();
  }

  void tableThatCannotBeReadLetsNobodyIn()
  {
    QFETCH(QByteArray, content);
    QString programDir = dir();
    if (content.isEmpty()) {
      programDir += QStringLiteral("/missing");
    } else {
      QFile f(table());
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(content);
    }
    const UsersTable users(programDir);
    QString error;
    QCOMPARE(users.ensure(&error), UsersTable::State::Unusable);
    QVERIFY(error.startsWith(QStringLiteral("Kullanıcı tablosu")));
    const UsersTable::LogOnCheck check = users.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83"));
    QVERIFY(!check.ok);
    QVERIFY(!check.error.isEmpty());

    LogOnRule rule(programDir);
    const LogOnRule::Press press = rule.press(QStringLiteral("DAXU"), QStringLiteral("MV83"));
    QCOMPARE(press.outcome, LogOnRule::Outcome::TryAgain);
    QCOMPARE(press.message, check.error);
    QVERIFY(!rule.LOGONOK());
  }

  void threePressRule()
  {
    twoUsers();
    LogOnRule rule(dir());
    LogOnRule::Press p = rule.press(QStringLiteral("DAXU"), QStringLiteral("YANLIS"));
    QCOMPARE(p.outcome, LogOnRule::Outcome::TryAgain);
    QCOMPARE(p.message, QStringLiteral("Geçersiz giriş teşebbüsü!"));
    QCOMPARE(rule.LOGONID(), QStringLiteral("DAXU").leftJustified(20));  // found, wrong password
    QVERIFY(!rule.LOGONOK());
    p = rule.press(QString(), QStringLiteral("MV83"));  // an empty name: no message, still counts
    QCOMPARE(p.outcome, LogOnRule::Outcome::TryAgain);
    QVERIFY(p.message.isEmpty());
    p = rule.press(QStringLiteral("AHMET"), QStringLiteral("YANLIS"));
    QCOMPARE(p.outcome, LogOnRule::Outcome::Refused);
    QVERIFY(p.message.isEmpty());
    QVERIFY(!rule.LOGONOK());

    LogOnRule second(dir());
    QCOMPARE(second.press(QStringLiteral("x"), QStringLiteral("y")).outcome, LogOnRule::Outcome::TryAgain);
    QCOMPARE(second.press(QStringLiteral("ahmet"), QStringLiteral("gizli1")).outcome, LogOnRule::Outcome::Granted);
    QVERIFY(second.LOGONOK());
    QCOMPARE(second.LOGONID(), QStringLiteral("AHMET").leftJustified(20));
    second.cancel();
    QVERIFY(!second.LOGONOK());
    QVERIFY(second.LOGONID().isEmpty());
  }

  void edits_data()
  {
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");  // empty and focus None: done
    QTest::addColumn<int>("focus");
    const int none = int(UsersTable::Field::None), cur = int(UsersTable::Field::CurrentPassword),
              pw = int(UsersTable::Field::NewPassword), nm = int(UsersTable::Field::NewName);
    const QString wrongCurrent = QStringLiteral("Mevcut parola girişi geçersiz!");
    const QString noPassword = QStringLiteral("Yeni parola girmeniz gerekir!");
    const QString mismatch = QStringLiteral("Yeni parola girişi geçersiz!");
    const QString noName = QStringLiteral("Yeni kullanıcı ismi girilmedi!");
    const QString taken = QStringLiteral("Aynı isimde bir kullanıcı var!");

    QTest::newRow("add") << true << "MV83" << "YENI" << "YENI" << "mehmet" << "" << none;
    QTest::newRow("add, current in lower case") << true << "mv83 " << "YENI" << "YENI  " << "Mehmet" << "" << none;
    QTest::newRow("add, beginning of a name is free") << true << "MV83" << "YENI" << "YENI" << "AHM" << "" << none;
    QTest::newRow("current empty") << true << "" << "YENI" << "YENI" << "MEHMET" << "" << cur;
    QTest::newRow("current wrong") << true << "GIZLI1" << "YENI" << "YENI" << "MEHMET" << wrongCurrent << cur;
    QTest::newRow("new blank") << true << "MV83" << "   " << "   " << "MEHMET" << noPassword << pw;
    QTest::newRow("retyped differs") << true << "MV83" << "YENI" << "YENİ" << "MEHMET" << mismatch << pw;
    QTest::newRow("leading blank differs") << true << "MV83" << "YENI" << " YENI" << "MEHMET" << mismatch << pw;
    QTest::newRow("add, no name") << true << "MV83" << "YENI" << "YENI" << "  " << noName << nm;
    QTest::newRow("add, taken") << true << "MV83" << "YENI" << "YENI" << " ahmet" << taken << nm;
    QTest::newRow("add, own name") << true << "MV83" << "YENI" << "YENI" << "DAXU" << taken << nm;
    QTest::newRow("rename") << false << "MV83" << "SIFRE" << "SIFRE" << "yeniad" << "" << none;
    QTest::newRow("password only") << false << "MV83" << "YENI" << "YENI" << "daxu" << "" << none;
    QTest::newRow("rename, empty") << false << "MV83" << "YENI" << "YENI" << "" << noName << nm;
    QTest::newRow("rename, taken") << false << "MV83" << "YENI" << "YENI" << "AHMET" << taken << nm;
    QTest::newRow("rename, wrong current") << false << "YENI" << "YENI" << "YENI" << "X" << wrongCurrent << cur;
  }

  void edits()
  {
    QFETCH(bool, adding);
    QFETCH(QString, current);
    QFETCH(QString, fresh);
    QFETCH(QString, retyped);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, focus);
    twoUsers();
    const QByteArray before = fileBytes(table());

    UsersTable::Edit edit;
    edit.adding = adding;
    edit.loggedOnUserId = QStringLiteral("DAXU").leftJustified(20);
    edit.currentPassword = current;
    edit.newPassword = fresh;
    edit.retypedPassword = retyped;
    edit.newName = name;
    const UsersTable users(dir());
    const UsersTable::EditResult r = users.apply(edit);
    QCOMPARE(r.message, message);
    QCOMPARE(int(r.focus), focus);
    QCOMPARE(r.isError, focus != int(UsersTable::Field::NewName));
    if (!r.done) {
      QCOMPARE(fileBytes(table()), before);
      return;
    }
    const QString stored = name.trimmed().toUpper();
    QCOMPARE(r.userId, stored.leftJustified(20));
    QVERIFY(users.checkLogOn(name, fresh).ok);
    QVERIFY(!fileBytes(table()).contains(fresh.toUtf8()));
    QVERIFY(users.checkLogOn(QStringLiteral("AHMET"), QStringLiteral("GIZLI1")).ok);
    const int count = int(storedUsers(table()).size());
    QCOMPARE(count, adding ? 3 : 2);
    // Adding leaves the logged-on user as it was; changing replaces the old
    // name and password.
    QCOMPARE(users.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok, adding);
  }

  void rewriteLeavesNoPlainPassword()
  {
    // A table with one hashed user and one plain password the start did not
    // convert: the next change hashes it too.
    twoUsers();
    const auto users = storedUsers(table());
    QVERIFY(DbfTable::writeTable(table(), {{QStringLiteral("KULL_ID"), QLatin1Char('C'), 20, 0},
                                           {QStringLiteral("PASSWORD"), QLatin1Char('C'), 128, 0}},
                                 {{false, {users.at(0).first, users.at(0).second}},
                                  {false, {QStringLiteral("ESKI"), QStringLiteral("DUZMETIN7")}}}));
    QVERIFY(UsersTable(dir()).apply(addingAsDefaultUser(QStringLiteral("YENI"), QStringLiteral("P1"))).done);
    QVERIFY(!fileBytes(table()).contains("DUZMETIN7"));
    QVERIFY(UsersTable(dir()).checkLogOn(QStringLiteral("ESKI"), QStringLiteral("DUZMETIN7")).ok);
  }

  // Every log-on check costs one Argon2id run, whatever it finds, so its time
  // does not tell whether a name exists.
  void everyLogOnCostsOneHash_data()
  {
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("unknown name") << false << "KIMSE" << "MV83" << false;
    QTest::newRow("empty name") << false << "" << "MV83" << false;
    QTest::newRow("wrong password") << false << "DAXU" << "YANLIS" << false;
    QTest::newRow("right password") << false << "DAXU" << "MV83" << true;
    QTest::newRow("plain, unknown name") << true << "KIMSE" << "MV83" << false;
    QTest::newRow("plain, wrong password") << true << "DAXU" << "YANLIS" << false;
    QTest::newRow("plain, right password") << true << "daxu" << " mv83" << true;
  }

  void everyLogOnCostsOneHash()
  {
    QFETCH(bool, plain);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    if (plain)
      QVERIFY(writeLegacyTable(table(), {{QStringLiteral("DAXU"), QStringLiteral("MV83")}}));
    else
      twoUsers();
    const int before = PasswordHash::computations();
    QCOMPARE(UsersTable(dir()).checkLogOn(name, password).ok, ok);
    QCOMPARE(PasswordHash::computations() - before, 1);
  }

  // A table of the Windows program that this user cannot rewrite: its users
  // still log on with their plain passwords, the start says once why it
  // could not convert it, and the first start that can write converts it.
  void plainTableThatCannotBeConverted_data()
  {
    QTest::addColumn<bool>("folderToo");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file") << false << readOnlyFileReason();
    QTest::newRow("read-only folder and file") << true << readOnlyFileReason();
  }

  void plainTableThatCannotBeConverted()
  {
    QFETCH(bool, folderToo);
    QFETCH(QString, reason);
    QVERIFY(writeLegacyTable(table(), {{QStringLiteral("DAXU"), QStringLiteral("MV83")},
                                       {QStringLiteral("AHMET"), QStringLiteral("GIZLI1")}}));
    const QByteArray before = fileBytes(table());
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(table(), readOnly));
    if (folderToo)
      QVERIFY(QFile::setPermissions(dir(), readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    const auto writable = qScopeGuard([this] {
      QFile::setPermissions(dir(), QFile::permissions(dir()) | QFile::WriteOwner);
      QFile::setPermissions(table(), QFile::permissions(table()) | QFile::WriteOwner);
    });

    QString message;
    const int hashed = PasswordHash::computations();
    QCOMPARE(UsersTable(dir()).ensure(&message), UsersTable::State::NotConverted);
    QCOMPARE(PasswordHash::computations(), hashed);  // nothing hashed in vain
    QVERIFY2(message.contains(QStringLiteral("çevrilemedi")) && message.contains(reason)
                 && message.contains(QDir::toNativeSeparators(table())),
             qPrintable(message));
    QCOMPARE(fileBytes(table()), before);
    const UsersTable users(dir());
    QVERIFY(users.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok);
    QVERIFY(users.checkLogOn(QStringLiteral("ahmet"), QStringLiteral("gizli1")).ok);
    QVERIFY(!users.checkLogOn(QStringLiteral("AHMET"), QStringLiteral("MV83")).ok);
    QVERIFY(!users.checkLogOn(QStringLiteral("DAXU"), QString()).ok);

    // The next start that can write converts it, telling its progress.
    QVERIFY(QFile::setPermissions(dir(), QFile::permissions(dir()) | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(table(), readOnly | QFile::WriteOwner));
    QList<QPair<int, int>> steps;
    QCOMPARE(users.ensure(&message, [&steps](int done, int total) { steps.append({done, total}); }),
             UsersTable::State::Ready);
    QCOMPARE(steps, (QList<QPair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
    QVERIFY(!fileBytes(table()).contains("GIZLI1"));
    QVERIFY(users.checkLogOn(QStringLiteral("AHMET"), QStringLiteral("GIZLI1")).ok);
  }

  // A table whose fields are narrower than ours would cut what is stored (a
  // user added who could never log on): refused at open, in plain words.
  void narrowTableRefused_data()
  {
    QTest::addColumn<int>("nameWidth");
    QTest::addColumn<int>("passwordWidth");
    QTest::addColumn<QString>("reason");
    QTest::newRow("name of 5") << 5 << 128 << "kullanıcı adı alanı 5 karakter";
    QTest::newRow("name of 19") << 19 << 20 << "kullanıcı adı alanı 19 karakter";
    QTest::newRow("password of 10") << 20 << 10 << "parola alanı 10 karakter";
    QTest::newRow("no name field") << 0 << 20 << "kullanıcı adı ve parola alanları yok";
  }

  void narrowTableRefused()
  {
    QFETCH(int, nameWidth);
    QFETCH(int, passwordWidth);
    QFETCH(QString, reason);
    const QString nameField = nameWidth > 0 ? QStringLiteral("KULL_ID") : QStringLiteral("AD");
    QVERIFY(DbfTable::writeTable(table(), {{nameField, QLatin1Char('C'), nameWidth > 0 ? nameWidth : 20, 0},
                                           {QStringLiteral("PASSWORD"), QLatin1Char('C'), passwordWidth, 0}},
                                 {{false, {QStringLiteral("DAXU"), QStringLiteral("MV83")}}}));
    const QByteArray before = fileBytes(table());
    const UsersTable users(dir());
    QString message;
    QCOMPARE(users.ensure(&message), UsersTable::State::Unusable);
    QVERIFY2(message.contains(reason), qPrintable(message));
    for (const char *field : {"KULL_ID", "PASSWORD"})
      QVERIFY2(!message.contains(QLatin1String(field)), qPrintable(message));

    const UsersTable::EditResult r = users.apply(addingAsDefaultUser(QStringLiteral("UZUNBIRAD"), QStringLiteral("P1")));
    QVERIFY(!r.done);
    QVERIFY2(r.message.contains(reason), qPrintable(r.message));
    QCOMPARE(fileBytes(table()), before);
    QCOMPARE(users.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).error, message);
  }

  // Sessions on one program folder change the table at the same moment:
  // every change answered OK is in the table afterwards.
  void concurrentSessionsLoseNothing_data()
  {
    QTest::addColumn<bool>("adding");
    QTest::newRow("add user") << true;
    QTest::newRow("password change") << false;
  }

  void concurrentSessionsLoseNothing()
  {
    QFETCH(bool, adding);
    constexpr int Sessions = 4;
    QList<User> users{{QStringLiteral("DAXU"), QStringLiteral("MV83")}};
    for (int i = 1; i <= Sessions && !adding; ++i)
      users.append({QStringLiteral("U%1").arg(i), QStringLiteral("ESKI%1").arg(i)});
    QVERIFY(writeLegacyTable(table(), users));
    QCOMPARE(UsersTable(dir()).ensure(), UsersTable::State::Ready);

    const QString go = dir() + QStringLiteral("/go");
    std::vector<std::unique_ptr<QProcess>> sessions;
    for (int i = 1; i <= Sessions; ++i) {
      auto p = std::make_unique<QProcess>();
      p->setProcessChannelMode(QProcess::MergedChannels);
      const QString n = QString::number(i);
      if (adding)
        p->start(QStringLiteral(VZ_USERSWRITER), {dir(), go, QStringLiteral("add"), QStringLiteral("YENI") + n,
                                                  QStringLiteral("P") + n});
      else
        p->start(QStringLiteral(VZ_USERSWRITER), {dir(), go, QStringLiteral("password"), QStringLiteral("U") + n,
                                                  QStringLiteral("ESKI") + n, QStringLiteral("YENI") + n});
      QVERIFY(p->waitForStarted());
      sessions.push_back(std::move(p));
    }
    QFile(go).open(QIODevice::WriteOnly);
    for (auto &p : sessions) {
      QVERIFY(p->waitForFinished(120000));
      QVERIFY2(p->exitCode() == 0, p->readAll().constData());
    }

    const UsersTable after(dir());
    for (int i = 1; i <= Sessions; ++i) {
      const QString n = QString::number(i);
      if (adding)
        QVERIFY2(after.checkLogOn(QStringLiteral("YENI") + n, QStringLiteral("P") + n).ok, qPrintable(n));
      else
        QVERIFY2(after.checkLogOn(QStringLiteral("U") + n, QStringLiteral("YENI") + n).ok, qPrintable(n));
    }
    QCOMPARE(storedUsers(table()).size(), Sessions + 1);
  }

  void passwordKeptToTwentyCharacters()
  {
    twoUsers();
    UsersTable::Edit edit;
    edit.loggedOnUserId = QStringLiteral("DAXU");
    edit.currentPassword = QStringLiteral("MV83");
    edit.newPassword = edit.retypedPassword = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
    edit.newName = QStringLiteral("DAXU");
    QVERIFY(UsersTable(dir()).apply(edit).done);
    QVERIFY(UsersTable(dir()).checkLogOn(QStringLiteral("DAXU"), QStringLiteral("ABCDEFGHIJKLMNOPQRST")).ok);
    QVERIFY(!UsersTable(dir()).checkLogOn(QStringLiteral("DAXU"), QStringLiteral("ABCDEFGHIJKLMNOPQRS")).ok);
  }
};

QTEST_GUILESS_MAIN(TstUsersTable)
#include "tst_userstable.moc"
