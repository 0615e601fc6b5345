#include "services/serial.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using vz::SERIAL;

namespace {

// A pseudo-terminal pair: the port opens the slave side, the test plays the
// device on the master side.
struct Pty {
  int master = -1;
  int slave = -1;
  QString name;
  Pty()
  {
    char buf[256] = {};
    if (openpty(&master, &slave, buf, nullptr, nullptr) == 0) {
      name = QString::fromLocal8Bit(buf);
      fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
  }
  ~Pty()
  {
    if (master >= 0) ::close(master);
    if (slave >= 0) ::close(slave);
  }
  void send(const QByteArray &bytes) const { QVERIFY(::write(master, bytes.constData(), bytes.size()) == bytes.size()); }
  QByteArray received() const
  {
    QByteArray all;
    char buf[256];
    for (int i = 0; i < 50; ++i) {
      const ssize_t n = ::read(master, buf, sizeof buf);
      if (n > 0) {
        all.append(buf, n);
        continue;
      }
      if (!all.isEmpty())
        break;
      QThread::msleep(10);
    }
    return all;
  }
};

class Receiver : public QObject {
public:
  int notices = 0;
  bool event(QEvent *e) override
  {
    if (e->type() == vz::CommNotifyEvent::eventType()) {
      ++notices;
      return true;
    }
    return QObject::event(e);
  }
};

} // namespace

class TestSerial : public QObject {
  Q_OBJECT
private slots:
  void freshObject()
  {
    SERIAL s;
    QVERIFY(!s.ISOPEN());
    QCOMPARE(s.TRANSMITBUFFERSIZE(), 4096u);
    QCOMPARE(s.RECEIVEBUFFERSIZE(), 4096u);
    QCOMPARE(s.RECEIVERPENDING(), 0);
    QVERIFY(!s.CLOSE());
    QVERIFY(!s.GETPROTOCOL());
    QVERIFY(!s.SETTIMEOUT());
    QVERIFY(s.ERRORDESC().isEmpty());
  }

  // Every call on a port that is not open fails quietly and says why.
  void notOpenFailures()
  {
    SERIAL s;
    QVERIFY(!s.OPEN(QStringLiteral("/dev/ttyYOK_BOYLE_PORT")));
    QCOMPARE(s.ERRORDESC(), QStringLiteral("CreateFile failed in Open."));
    QVERIFY(s.ERRORCODE().toInt() != 0);
    QCOMPARE(s.READ(3), QByteArray());
    QCOMPARE(s.ERRORDESC(), QStringLiteral("ReadFile failed in Serial:ReadCommBlock(2)."));
    QCOMPARE(s.WRITE("abc"), 0);
    QCOMPARE(s.ERRORDESC(), QStringLiteral("WriteFile failed in Serial:Write."));
    QVERIFY(!s.FLUSH());
    QCOMPARE(s.ERRORDESC(), QStringLiteral("PurgeComm failed."));
    QVERIFY(!s.ENABLEEVENTS());
    QVERIFY(s.DISABLEEVENTS());
  }

  void openSetsLineAndTimeouts()
  {
    Pty pty;
    QVERIFY(!pty.name.isEmpty());
    SERIAL s;
    s.BAUD(19200);
    s.READTIMEOUTCONSTANT(7);
    QVERIFY2(s.OPEN(pty.name), qPrintable(s.ERRORDESC()));
    QVERIFY(s.ISOPEN());
    QCOMPARE(s.BAUD(), 9600u);
    QCOMPARE(s.BYTESIZE(), 8);
    QCOMPARE(s.PARITY(), 0);
    QCOMPARE(s.STOPBITS(), 0);
    QCOMPARE(s.READINTERVALTIMEOUT(), 4294967295u);
    QCOMPARE(s.READTIMEOUTMULTIPLIER(), 500u);
    QCOMPARE(s.READTIMEOUTCONSTANT(), 1000u);
    QCOMPARE(s.WRITETIMEOUTMULTIPLIER(), 0u);
    QCOMPARE(s.WRITETIMEOUTCONSTANT(), 1000u);

    // Refused values leave the setting; accepted ones wait for SETPROTOCOL.
    QCOMPARE(s.BAUD(57600), 9600u);
    QCOMPARE(s.BAUD(19200), 19200u);
    QVERIFY(s.GETPROTOCOL());
    QCOMPARE(s.BAUD(), 9600u);
    QCOMPARE(s.BAUD(19200), 19200u);
    QCOMPARE(s.PARITY(5), 0);
    QCOMPARE(s.BYTESIZE(6), 8);
    QCOMPARE(s.STOPBITS(3), 0);
    QVERIFY(s.SETPROTOCOL());
    QVERIFY(s.GETPROTOCOL());
    QCOMPARE(s.BAUD(), 19200u);

    // A pseudo-terminal always runs 8 bits without parity: the port refuses
    // even parity, and says so without showing anything.
    QCOMPARE(s.PARITY(2), 2);
    QVERIFY(!s.SETPROTOCOL());
    QCOMPARE(s.ERRORDESC(), QStringLiteral("SetCommState failed in SetProtocol."));
    QVERIFY(s.GETPROTOCOL());
    QCOMPARE(s.PARITY(), 0);

    // Time-outs likewise reach the port only with SETTIMEOUT.
    s.READTIMEOUTCONSTANT(50);
    QVERIFY(s.GETTIMEOUT());
    QCOMPARE(s.READTIMEOUTCONSTANT(), 1000u);
    QVERIFY(s.CLOSE());
    QVERIFY(!s.ISOPEN());
    QVERIFY(!s.CLOSE());
  }

  void readAndWrite()
  {
    Pty pty;
    SERIAL s;
    QVERIFY(s.OPEN(pty.name));
    QCOMPARE(s.WRITE("Merhaba"), 7);
    QCOMPARE(pty.received(), QByteArray("Merhaba"));

    pty.send("abc");
    QTRY_COMPARE(s.RECEIVERPENDING(), 3);
    QCOMPARE(s.READ(), QByteArray("a"));
    QCOMPARE(s.READ(2), QByteArray("bc"));
    QCOMPARE(s.RECEIVERPENDING(), 0);
  }

  // A read that gets fewer bytes than asked answers what came, within its
  // time-out, and records the shortfall instead of showing a message.
  void shortReadTimesOut()
  {
    Pty pty;
    SERIAL s;
    QVERIFY(s.OPEN(pty.name));
    s.READTIMEOUTMULTIPLIER(10);
    s.READTIMEOUTCONSTANT(100);
    QVERIFY(s.SETTIMEOUT());
    pty.send("xy");
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(s.READ(4), QByteArray("xy"));
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(s.ERRORDESC(), QStringLiteral("Not all bytes requested returned."));

    clock.restart();
    QCOMPARE(s.READ(2), QByteArray());  // nothing came: empty, quietly
    QVERIFY(clock.elapsed() >= 100);
  }

  void watcherReportsArrivals()
  {
    Pty pty;
    Receiver window;
    SERIAL s(&window);
    QVERIFY(s.OPEN(pty.name));
    QSignalSpy spy(&s, &SERIAL::COMMNOTIFY);
    QVERIFY(s.ENABLEEVENTS(SERIAL::EV_RXCHAR));
    QVERIFY(!s.ENABLEEVENTS(SERIAL::EV_RXCHAR));
    pty.send("1");
    QTRY_VERIFY(window.notices >= 1);
    QVERIFY(spy.count() >= 1);
    QCOMPARE(s.READ(1), QByteArray("1"));

    QVERIFY(s.DISABLEEVENTS());
    QVERIFY(s.DISABLEEVENTS());
    const int before = window.notices;
    pty.send("2");
    QTRY_COMPARE(s.RECEIVERPENDING(), 1);
    QTest::qWait(50);
    QCOMPARE(window.notices, before);
  }

  // Closing, or dropping the object, stops the watcher first.
  void closeAndDestroyStopTheWatcher()
  {
    Pty pty;
    Receiver window;
    {
      SERIAL s(&window);
      QVERIFY(s.OPEN(pty.name));
      QVERIFY(s.ENABLEEVENTS());
      QVERIFY(s.CLOSE());
      QVERIFY(!s.eventsEnabled());
      QVERIFY(s.OPEN(pty.name));
      QVERIFY(s.ENABLEEVENTS());
    }
    pty.send("z");
    QTest::qWait(50);
    QCOMPARE(window.notices, 0);
  }
};

QTEST_GUILESS_MAIN(TestSerial)
#include "tst_serial.moc"
