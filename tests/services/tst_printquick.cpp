#include "services/printquick.h"

#include "services/class_hklm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using vz::PRINTQUICK;

namespace {

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void setPort(const QString &port, const QString &value)
{
  vz::CLASS_HKLM settings;
  settings.WRITESTRING(QString::fromLatin1(PRINTQUICK::PortsKey), port, value);
}

} // namespace

class TestPrintQuick : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

  QString device(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private slots:
  // What each way of writing puts into the buffer, margin included.
  void bufferBytes_data()
  {
    QTest::addColumn<int>("margin");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("QOUT with the default margin") << -1 << "qout" << QByteArray("     abc\r\n");
    QTest::newRow("QQOUT without margin") << 0 << "qqout" << QByteArray("abc");
    QTest::newRow("two QQOUT, two margins") << 2 << "qqout2" << QByteArray("  abc  abc");
    QTest::newRow("number") << -1 << "number" << QByteArray("     12");
    QTest::newRow("fraction") << 0 << "fraction" << QByteArray("2.5\r\n");
    QTest::newRow("SKIPLINES(2)") << 5 << "skip" << QByteArray("     \r\n\r\n");
    QTest::newRow("EJECTPAGE()") << 5 << "eject" << QByteArray("\f\r");
    QTest::newRow("EJECTPAGE(false)") << 5 << "ejectbare" << QByteArray("\f");
    QTest::newRow("RESETPRINTER") << 5 << "reset" << QByteArray("\x1b" "E");
    QTest::newRow("Turkish in 1254") << 1 << "turkish" << QByteArray(" \xde\xfe\xdd\xfd\xd0\xf0\r\n");
    QTest::newRow("negative margin is none") << -7 << "qqout" << QByteArray("abc");
  }
  void bufferBytes()
  {
    QFETCH(int, margin);
    QFETCH(QString, op);
    QFETCH(QByteArray, bytes);
    PRINTQUICK p;
    if (margin != -1)
      p.MARGIN(margin);
    if (op == QLatin1String("qout")) p.QOUT(QStringLiteral("abc"));
    if (op == QLatin1String("qqout")) p.QQOUT(QStringLiteral("abc"));
    if (op == QLatin1String("qqout2")) p.QQOUT(QStringLiteral("abc")).QQOUT(QStringLiteral("abc"));
    if (op == QLatin1String("number")) p.QQOUT(12);
    if (op == QLatin1String("fraction")) p.QOUT(2.5);
    if (op == QLatin1String("skip")) p.SKIPLINES(2);
    if (op == QLatin1String("eject")) p.EJECTPAGE();
    if (op == QLatin1String("ejectbare")) p.EJECTPAGE(false);
    if (op == QLatin1String("reset")) p.RESETPRINTER();
    if (op == QLatin1String("turkish")) p.QOUT(QStringLiteral("ŞşİıĞğ"));
    const QString port = device("port");
    QFile::remove(port);
    QVERIFY2(p.PRINTIT(port, false), qPrintable(p.ERRORTEXT()));
    QCOMPARE(readAll(port), bytes);
  }

  void printedJobWithEjectAndBufferRemoved()
  {
    QVERIFY(m_dir.isValid());
    setPort(QStringLiteral("LPT1"), device("lpt1"));
    PRINTQUICK p;
    const QString buffer = p.bufferFileName();
    QVERIFY(QFile::exists(buffer));
    QVERIFY(buffer.startsWith(QDir::tempPath()));
    p.QOUT(QStringLiteral("abc"));
    QVERIFY2(p.PRINTIT(), qPrintable(p.ERRORTEXT()));
    QCOMPARE(readAll(device("lpt1")), QByteArray("     abc\r\n\f\r"));
    QVERIFY(!QFile::exists(buffer));
    QVERIFY(p.bufferFileName().isEmpty());
    // Writing after the job has no effect anywhere, and a second print says so.
    p.QOUT(QStringLiteral("more"));
    QVERIFY(!p.PRINTIT());
    QVERIFY(!p.ERRORTEXT().isEmpty());
    QCOMPARE(readAll(device("lpt1")), QByteArray("     abc\r\n\f\r"));
  }

  void eachJobHasItsOwnBuffer()
  {
    PRINTQUICK a;
    PRINTQUICK b;
    QVERIFY(!a.bufferFileName().isEmpty());
    QVERIFY(a.bufferFileName() != b.bufferFileName());
    a.QOUT(QStringLiteral("first"));
    b.QOUT(QStringLiteral("second"));
    QVERIFY(a.PRINTIT(device("a"), false));
    QVERIFY(b.PRINTIT(device("b"), false));
    QCOMPARE(readAll(device("a")), QByteArray("     first\r\n"));
    QCOMPARE(readAll(device("b")), QByteArray("     second\r\n"));
  }

  void unprintedJobLeavesNoBuffer()
  {
    QString buffer;
    {
      PRINTQUICK p;
      p.QOUT(QStringLiteral("never printed"));
      buffer = p.bufferFileName();
      QVERIFY(QFile::exists(buffer));
    }
    QVERIFY(!QFile::exists(buffer));
  }

  void failedCopyIsReported()
  {
    setPort(QStringLiteral("LPT2"), m_dir.filePath(QStringLiteral("no/such/folder/lp")));
    PRINTQUICK p;
    const QString buffer = p.bufferFileName();
    p.QOUT(QStringLiteral("x"));
    QVERIFY(!p.PRINTIT(QStringLiteral("lpt2")));
    QVERIFY(p.ERRORTEXT().contains(QLatin1String("no/such/folder")));
    QVERIFY2(!p.ERRORTEXT().contains(QLatin1String("No such file")), qPrintable(p.ERRORTEXT()));
    QVERIFY(!QFile::exists(buffer));
  }

  void portNames_data()
  {
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("isDevice");
    QTest::addColumn<QString>("name");
    QTest::newRow("LPT3 without a setting") << "LPT3" << "" << true << "/dev/lp2";
    QTest::newRow("a device path") << "/dev/usb/lp0" << "" << true << "/dev/usb/lp0";
    QTest::newRow("queue set for LPT4") << "lpt4" << "ofis_yazicisi" << false << "ofis_yazicisi";
    QTest::newRow("device set for LPT5") << "LPT5" << "/dev/usb/lp1" << true << "/dev/usb/lp1";
    QTest::newRow("COM2 without a setting") << "COM2" << "" << true << "/dev/ttyS1";
    QTest::newRow("AUX is COM1") << "aux" << "" << true << "/dev/ttyS0";
    QTest::newRow("queue set for COM3") << "COM3" << "seri_yazici" << false << "seri_yazici";
    QTest::newRow("no port") << "YAZICI" << "" << true << "";
    QTest::newRow("a relative path is no port") << "Data/cikti.prn" << "" << true << "";
  }
  void portNames()
  {
    QFETCH(QString, port);
    QFETCH(QString, setting);
    QFETCH(bool, isDevice);
    QFETCH(QString, name);
    if (!setting.isEmpty())
      setPort(port.toUpper(), setting);
    const PRINTQUICK::Target t = PRINTQUICK::resolvePort(port);
    QCOMPARE(t.isDevice, isDevice);
    QCOMPARE(t.name, name);
  }

  // The names of the system these ports come from go to the device they
  // stand for, which must exist, or are refused with the reason in Turkish;
  // never is a file of the port's name written in the current folder.
  void printToPortNames_data()
  {
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("device");  // present in the device folder; empty for none
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");  // part of the error text
    QTest::newRow("PRN without a printer") << "PRN" << "" << false << "lp0 bu bilgisayarda yok";
    QTest::newRow("PRN is the first printer") << "PRN" << "lp0" << true << "";
    QTest::newRow("COM1 without a serial port") << "COM1" << "" << false << "ttyS0 bu bilgisayarda yok";
    QTest::newRow("COM1 is the first serial port") << "COM1" << "ttyS0" << true << "";
    QTest::newRow("lpt7 in small letters") << "lpt7" << "lp6" << true << "";
    QTest::newRow("an unknown name") << "YAZICI" << "" << false << "\"YAZICI\" bilinen bir yazıcı kapısı değil";
    QTest::newRow("no name") << " " << "" << false << "Yazıcı kapısı adı verilmedi";
  }
  void printToPortNames()
  {
    QFETCH(QString, port);
    QFETCH(QString, device);
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    QTemporaryDir devices;
    QTemporaryDir current;
    QVERIFY(devices.isValid() && current.isValid());
    setPort(QStringLiteral("LPT1"), QString());  // PRN follows LPT1's own setting
    if (!device.isEmpty()) {
      QFile f(devices.filePath(device));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    PRINTQUICK::setDeviceFolder(devices.path());
    const QString wasCurrent = QDir::currentPath();
    QDir::setCurrent(current.path());
    PRINTQUICK p;
    p.QOUT(QStringLiteral("abc"));
    const bool printed = p.PRINTIT(port, false);
    QDir::setCurrent(wasCurrent);
    PRINTQUICK::setDeviceFolder(QString());
    QCOMPARE(printed, ok);
    QVERIFY2(p.ERRORTEXT().contains(reason), qPrintable(p.ERRORTEXT()));
    QCOMPARE(QDir(current.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    const QStringList present = QDir(devices.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QCOMPARE(present, device.isEmpty() ? QStringList() : QStringList{device});
    if (ok)
      QCOMPARE(readAll(devices.filePath(device)), QByteArray("     abc\r\n"));
  }

  // A queue goes through `lp`; a stand-in on the PATH records what it got.
  void printQueue_data()
  {
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("ok");
    QTest::newRow("taken") << 0 << true;
    QTest::newRow("refused") << 1 << false;
  }
  void printQueue()
  {
    QFETCH(int, exitCode);
    QFETCH(bool, ok);
    const QString bin = m_dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString out = m_dir.filePath(QStringLiteral("lp.out"));
    QFile::remove(out);
    QFile script(bin + QStringLiteral("/lp"));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QStringLiteral("#!/bin/sh\necho \"$1 $2 $3 $4\" > '%1'\ncat \"$5\" >> '%1'\n"
                                "[ %2 = 0 ] || echo 'lp: no such queue' >&2\nexit %2\n")
                     .arg(out)
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);
    setPort(QStringLiteral("LPT6"), QStringLiteral("kuyruk"));
    PRINTQUICK p;
    p.MARGIN(0);
    p.QOUT(QStringLiteral("iş"));
    const bool printed = p.PRINTIT(QStringLiteral("LPT6"), false);
    qputenv("PATH", oldPath);
    QCOMPARE(printed, ok);
    QCOMPARE(readAll(out), QByteArray("-d kuyruk -o raw\niş\r\n").replace("iş", "i\xfe"));
    if (!ok)
      QVERIFY2(p.ERRORTEXT().contains(QLatin1String("no such queue")), qPrintable(p.ERRORTEXT()));
  }
};

QTEST_GUILESS_MAIN(TestPrintQuick)
#include "tst_printquick.moc"
