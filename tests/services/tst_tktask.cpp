#include "services/tktask.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using vz::TKTASK;

class TestTkTask : public QObject {
  Q_OBJECT
private slots:
  void freshObjectAnswersNothing()
  {
    TKTASK task;
    QVERIFY(!task.ISTASK());
    QVERIFY(!task.STILLRUNNING());
    QCOMPARE(task.RETURNCODE(), 0u);
    QCOMPARE(task.TASKID(), 0);
    QCOMPARE(task.THREADID(), 0);
    QCOMPARE(task.HANDLE(), quintptr(0));
    task.LAUNCH();  // no command line: starts nothing
    QVERIFY(task.ERRORTEXT().isEmpty());
    QCOMPARE(task.TASKID(), 0);
  }

  void languageIds_data()
  {
    QTest::addColumn<quint32>("primary");
    QTest::addColumn<quint32>("sub");
    QTest::addColumn<quint32>("id");
    QTest::newRow("neutral, default") << 0u << 1u << 0x400u;
    QTest::newRow("Turkish, Turkey") << 0x1Fu << 1u << 0x41Fu;
    QTest::newRow("English, UK") << 0x09u << 2u << 0x809u;
    QTest::newRow("primary cut to 16 bits") << 0x12345u << 0u << 0x2345u;
  }
  void languageIds()
  {
    QFETCH(quint32, primary);
    QFETCH(quint32, sub);
    QFETCH(quint32, id);
    QCOMPARE(vz::MAKELANGID(primary, sub), id);
  }

  void namesAnswerInUpperCase()
  {
    TKTASK task;
    task.COMMANDLINE(QStringLiteral("/usr/bin/calc.exe"));
    QCOMPARE(task.COMMANDLINE(), QStringLiteral("/USR/BIN/CALC.EXE"));
    QCOMPARE(task.TASKNAME(), QStringLiteral("/USR/BIN/CALC.EXE"));
    task.TASKNAME(QString());
    QCOMPARE(task.TASKNAME(), QStringLiteral("/USR/BIN/CALC.EXE"));
    task.TASKNAME(QStringLiteral("/bin/true"));
    QCOMPARE(task.TASKNAME(), QStringLiteral("/bin/true"));
  }

  void exitCodes_data()
  {
    QTest::addColumn<QString>("command");
    QTest::addColumn<uint>("code");
    QTest::addColumn<bool>("isTask");
    QTest::newRow("true") << QStringLiteral("true") << 0u << false;
    QTest::newRow("exit 3") << QStringLiteral("sh -c 'sleep 0.3; exit 3'") << 3u << true;
    QTest::newRow("double quotes") << QStringLiteral("sh -c \"exit 4\"") << 4u << true;
    QTest::newRow("mixed-case path used as given") << QStringLiteral("/bin/sh -c 'exit 7'") << 7u << true;
  }
  void exitCodes()
  {
    QFETCH(QString, command);
    QFETCH(uint, code);
    QFETCH(bool, isTask);
    TKTASK task;
    task.COMMANDLINE(command);
    task.LAUNCH();
    QVERIFY2(task.ERRORTEXT().isEmpty(), qPrintable(task.ERRORTEXT()));
    QVERIFY(task.TASKID() > 0);
    QCOMPARE(task.HANDLE(), quintptr(task.TASKID()));
    if (command.contains(QLatin1String("sleep"))) {
      QCOMPARE(task.RETURNCODE(), TKTASK::STILL_ACTIVE);
      QVERIFY(task.STILLRUNNING());
      QVERIFY(task.RUNNING());
    }
    QTRY_VERIFY_WITH_TIMEOUT(!task.STILLRUNNING(), 10000);
    QCOMPARE(task.RETURNCODE(), code);
    QCOMPARE(task.ISTASK(), isTask);
    QVERIFY(!task.RUNNING());
  }

  void missingProgramIsAFailure()
  {
    TKTASK task;
    task.COMMANDLINE(QStringLiteral("/no/such/program --flag"));
    task.LAUNCH();
    QVERIFY(!task.ERRORTEXT().isEmpty());
    QCOMPARE(task.TASKID(), 0);
    QVERIFY(!task.ISTASK());
    QVERIFY(!task.STILLRUNNING());

    // A later failure does not leave an earlier program's status behind.
    TKTASK again;
    again.COMMANDLINE(QStringLiteral("sleep 5"));
    again.LAUNCH();
    QVERIFY(again.STILLRUNNING());
    const qint64 sleeper = again.TASKID();
    again.COMMANDLINE(QStringLiteral("/no/such/program"));
    again.LAUNCH();
    QVERIFY(!again.STILLRUNNING());
    QVERIFY(!again.ERRORTEXT().isEmpty());
    ::kill(pid_t(sleeper), SIGTERM);
  }

  void launch1StartsTheTaskName()
  {
    TKTASK task;
    task.TASKNAME(QStringLiteral("true"));
    task.LAUNCH1();
    QVERIFY(task.TASKID() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!task.STILLRUNNING(), 10000);
    QCOMPARE(task.RETURNCODE(), 0u);
  }

  void childOutlivesTheObject()
  {
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("done"));
    {
      TKTASK task;
      task.COMMANDLINE(QStringLiteral("sh -c 'sleep 0.3; echo x > \"%1\"'").arg(marker));
      task.LAUNCH();
      QVERIFY(task.STILLRUNNING());
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
  }

  void otherChildrenAreNotReaped()
  {
    QProcess other;
    other.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.3; exit 5")});
    QVERIFY(other.waitForStarted());
    TKTASK task;
    task.COMMANDLINE(QStringLiteral("true"));
    task.LAUNCH();
    QTRY_VERIFY_WITH_TIMEOUT(!task.STILLRUNNING(), 10000);
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.exitCode(), 5);
  }
};

QTEST_GUILESS_MAIN(TestTkTask)
#include "tst_tktask.moc"
