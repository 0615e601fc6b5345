#include "services/fileobject.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>

using vz::FILEOBJECT;

class TestFileObject : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

private slots:
  void freshObject()
  {
    FILEOBJECT f(m_dir.filePath(QStringLiteral("none.txt")));
    QVERIFY(!f.ERROR());
    QCOMPARE(f.ERRORCODE(), 0u);
    QCOMPARE(f.FILEHANDLE(), FILEOBJECT::NoHandle);
    QCOMPARE(f.LINECOUNT(), 0);
    QVERIFY(!f.EXISTS());
  }

  void readAtTheEndIsReported()
  {
    FILEOBJECT f(m_dir.filePath(QStringLiteral("e.txt")));
    QVERIFY(f.CREATE() >= 0);
    QByteArray buf(4, ' ');
    QCOMPARE(f.READ(buf), 0);
    QCOMPARE(f.ERRORCODE(), FILEOBJECT::EofReached);
    QCOMPARE(f.ERRSTRING(), QStringLiteral("EOF was already reached when a read was tried"));
    QCOMPARE(f.GETS(), QString());
    QVERIFY(f.ERROR());
    // The next successful operation clears the state.
    QCOMPARE(f.PUTS(QStringLiteral("x")), 3);
    QVERIFY(!f.ERROR());
  }

  void writeReadAndLines()
  {
    const QString path = m_dir.filePath(QStringLiteral("lines.txt"));
    FILEOBJECT f(path);
    QVERIFY(f.CREATE() >= 0);
    QCOMPARE(f.PUTS(QStringLiteral("Şeker")), 7);
    QCOMPARE(f.WRITE(QByteArray("abc")), 3);
    QCOMPARE(f.WRITELINE(QStringLiteral("defgh"), 2), 4);
    QCOMPARE(f.WRITETEXT(QStringLiteral("son")), 3);
    QCOMPARE(f.GOBOTTOM(), 17);
    QCOMPARE(f.GOTOP(), 0);
    QCOMPARE(f.GETS(), QStringLiteral("Şeker"));
    QCOMPARE(f.GETS(), QStringLiteral("abcde"));
    QCOMPARE(f.READSTR(3), QStringLiteral("son"));
    QVERIFY(f.ISEOF());
    QCOMPARE(f.LINECOUNT(), 3);
    QVERIFY(f.ISEOF());
    f.GOTOP();
    QByteArray buf(5, ' ');
    QCOMPARE(f.READ(buf), 5);
    QCOMPARE(buf, QByteArray("\xDE" "eker"));
    QCOMPARE(f.CLOSE(), 0u);
    QVERIFY(f.FILEHANDLE() >= 0);  // the closed handle's value stays
  }

  void openingAMissingFileFails()
  {
    FILEOBJECT f(m_dir.filePath(QStringLiteral("missing.txt")));
    QCOMPARE(f.OPEN(FILEOBJECT::FO_READ), FILEOBJECT::NoHandle);
    QVERIFY(f.ERROR());
    QCOMPARE(f.ERRORCODE(), 2u);  // ENOENT
    QVERIFY(!f.ERRSTRING().isEmpty());
  }

  void droppingClosesTheHandle()
  {
    const QString path = m_dir.filePath(QStringLiteral("drop.txt"));
    qintptr handle = -1;
    {
      FILEOBJECT f(path);
      handle = f.CREATE();
      QVERIFY(handle >= 0);
      QVERIFY(::fcntl(int(handle), F_GETFD) != -1);
    }
    QCOMPARE(::fcntl(int(handle), F_GETFD), -1);
  }
};

QTEST_GUILESS_MAIN(TestFileObject)
#include "tst_fileobject.moc"
