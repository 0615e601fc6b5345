#include "services/tolvtimer.h"
#include "services/zdtimercontainer.h"

#include <QSignalSpy>
#include <QTest>

using vz::TOLVTIMER;
using vz::ZDTIMEDMETHOD;
using vz::ZDTIMERCONTAINER;

namespace {

class Client : public QObject {
  Q_OBJECT
public:
  int events = 0;
  int other = 0;
  ZDTIMERCONTAINER *dropOnCall = nullptr;
  ZDTIMERCONTAINER *deleteOnCall = nullptr;
public slots:
  void GONE()
  {
    delete deleteOnCall;
    deleteOnCall = nullptr;
  }
  void ZDTIMEREVENT() { ++events; }
  void SELFDESTRUCT() { delete this; }
  void OTHER()
  {
    ++other;
    if (dropOnCall)
      dropOnCall->UNREGISTERCLIENT(this, "OTHER");
  }
};

void ticks(ZDTIMERCONTAINER &c, int n)
{
  for (int i = 0; i < n; ++i)
    c.RECEIVETIMER();
}

} // namespace

class TestTimers : public QObject {
  Q_OBJECT
private slots:
  void registrationDefaults()
  {
    ZDTIMEDMETHOD m;
    QCOMPARE(m.METHODNAME(), QByteArray("ZDTIMEREVENT"));
    QCOMPARE(m.TIMERFREQUENCY(), 1.0);
    QVERIFY(m.ONOFF());
    QCOMPARE(m.COUNTDOWN(), 1.0);
    m.ONOFF(false);
    QCOMPARE(m.COUNTDOWN(), 0.0);
    QVERIFY(!m.ISTIMETOSEND());
  }

  // The frequency is in seconds of 100 ms ticks; each registration counts
  // its own ticks, so both fire at their own pace.
  void ticksFireCallbacks_data()
  {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("calls");
    QTest::newRow("default second, 9 ticks") << -1.0 << 9 << 0;
    QTest::newRow("default second, 10 ticks") << -1.0 << 10 << 1;
    QTest::newRow("default second, 35 ticks") << -1.0 << 35 << 3;
    QTest::newRow("0.3 s, 9 ticks") << 0.3 << 9 << 3;
    QTest::newRow("0.1 s, every tick") << 0.1 << 7 << 7;
    QTest::newRow("0 s, every tick") << 0.0 << 4 << 4;
  }
  void ticksFireCallbacks()
  {
    QFETCH(double, frequency);
    QFETCH(int, ticks);
    QFETCH(int, calls);
    ZDTIMERCONTAINER c;
    Client client;
    QVERIFY(c.REGISTERCLIENT(&client, QByteArray(), frequency));
    ::ticks(c, ticks);
    QCOMPARE(client.events, calls);
  }

  void countdownAndSwitch()
  {
    ZDTIMERCONTAINER c;
    Client client;
    QCOMPARE(c.GETOBJECTELEMENT(&client, "ZDTIMEREVENT"), 0);
    QVERIFY(!c.UNREGISTERCLIENT(&client, "ZDTIMEREVENT"));
    c.ENABLETIMER(&client, "ZDTIMEREVENT", false);  // nothing to switch
    QCOMPARE(c.count(), 0);
    QVERIFY(!c.REGISTERCLIENT(nullptr));
    QCOMPARE(c.count(), 0);

    QVERIFY(c.REGISTERCLIENT(&client));
    ticks(c, 4);
    QVERIFY(qAbs(c.GETCOUNTDOWN(&client, "ZDTIMEREVENT") - 0.6) < 1e-9);
    c.ENABLETIMER(&client, "ZDTIMEREVENT", false);
    QCOMPARE(c.GETCOUNTDOWN(&client, "ZDTIMEREVENT"), 0.0);
    ticks(c, 20);
    QCOMPARE(client.events, 0);
    c.ENABLETIMER(&client, "ZDTIMEREVENT", true);
    ticks(c, 6);  // the four counted before the switch still count
    QCOMPARE(client.events, 1);
    QCOMPARE(c.GETCOUNTDOWN(&client, "NONE"), 0.0);
    QVERIFY(c.UNREGISTERCLIENT(&client, ZDTIMEDMETHOD()));  // named by a registration
    QCOMPARE(c.count(), 0);
  }

  void dueEntriesWithoutClientOrMethodAreDropped()
  {
    ZDTIMERCONTAINER c;
    Client a, b;
    auto *gone = new Client;
    QVERIFY(c.REGISTERCLIENT(&a, "MISSING", 0.1));
    QVERIFY(c.REGISTERCLIENT(&b, "ZDTIMEREVENT", 0.1));
    QVERIFY(c.REGISTERCLIENT(gone, "ZDTIMEREVENT", 0.1));
    QVERIFY(c.REGISTERCLIENT(&a, "OTHER", 0.1));
    delete gone;
    c.RECEIVETIMER();
    // The entry after a dropped one is asked on the same tick.
    QCOMPARE(b.events, 1);
    QCOMPARE(a.other, 1);
    QCOMPARE(c.count(), 2);
    QCOMPARE(c.GETOBJECTELEMENT(&b, "ZDTIMEREVENT"), 1);
    QCOMPARE(c.GETOBJECTELEMENT(&a, "OTHER"), 2);
  }

  // A client destroyed while switched off leaves nothing behind: a new
  // client at the very same address has no registration to switch, and its
  // own is the only one its switch touches.
  void destroyedClientLeavesNoRegistration()
  {
    ZDTIMERCONTAINER c;
    alignas(Client) unsigned char place[sizeof(Client)];
    auto *old = new (place) Client;
    QVERIFY(c.REGISTERCLIENT(old, QByteArray(), 0.1));
    c.ENABLETIMER(old, "ZDTIMEREVENT", false);
    old->~Client();
    QCOMPARE(c.count(), 0);

    auto *fresh = new (place) Client;
    QCOMPARE(static_cast<QObject *>(fresh), static_cast<QObject *>(old));
    QCOMPARE(c.GETOBJECTELEMENT(fresh, "ZDTIMEREVENT"), 0);
    c.ENABLETIMER(fresh, "ZDTIMEREVENT", true);  // nothing of its own to switch yet
    ticks(c, 3);
    QCOMPARE(fresh->events, 0);
    QVERIFY(c.REGISTERCLIENT(fresh, QByteArray(), 0.1, false));
    c.ENABLETIMER(fresh, "ZDTIMEREVENT", true);
    ticks(c, 2);
    QCOMPARE(fresh->events, 2);
    QCOMPARE(c.count(), 1);
    fresh->~Client();
    QCOMPARE(c.count(), 0);
  }

  // A client that destroys itself in its own call takes its registrations
  // with it; the one after it is still asked on that tick.
  void clientDestroyedInItsCall()
  {
    ZDTIMERCONTAINER c;
    Client b;
    auto *gone = new Client;
    QVERIFY(c.REGISTERCLIENT(gone, "SELFDESTRUCT", 0.1));
    QVERIFY(c.REGISTERCLIENT(gone, "ZDTIMEREVENT", 0.1));
    QVERIFY(c.REGISTERCLIENT(&b, "ZDTIMEREVENT", 0.1));
    c.RECEIVETIMER();
    QCOMPARE(b.events, 1);
    QCOMPARE(c.count(), 1);
    QCOMPARE(c.GETOBJECTELEMENT(&b, "ZDTIMEREVENT"), 1);
  }

  void callbackMayUnregisterItself()
  {
    ZDTIMERCONTAINER c;
    Client a, b;
    a.dropOnCall = &c;
    QVERIFY(c.REGISTERCLIENT(&a, "OTHER", 0.1));
    QVERIFY(c.REGISTERCLIENT(&b, "ZDTIMEREVENT", 0.1));
    c.RECEIVETIMER();
    QCOMPARE(a.other, 1);
    QCOMPARE(b.events, 1);
    QCOMPARE(c.count(), 1);
  }

  void callbackMayDropTheContainer()
  {
    Client a, b;
    auto *c = new ZDTIMERCONTAINER;
    a.deleteOnCall = c;
    QVERIFY(c->REGISTERCLIENT(&a, "GONE", 0.1));
    QVERIFY(c->REGISTERCLIENT(&b, "ZDTIMEREVENT", 0.1));
    c->RECEIVETIMER();
    QVERIFY(!a.deleteOnCall);
    QCOMPARE(b.events, 0);
  }

  void eachContainerKeepsItsOwnTicks()
  {
    Client a, b;
    ZDTIMERCONTAINER first;
    ZDTIMERCONTAINER second;
    QVERIFY(first.isTicking());
    QVERIFY(second.isTicking());
    first.REGISTERCLIENT(&a, QByteArray(), 0.1);
    second.REGISTERCLIENT(&b, QByteArray(), 0.1);
    second.RECEIVETIMER();
    QCOMPARE(a.events, 0);
    QCOMPARE(b.events, 1);
  }

  void realTimerTicks()
  {
    ZDTIMERCONTAINER c;
    Client client;
    c.REGISTERCLIENT(&client, QByteArray(), 0.1);
    QTRY_VERIFY_WITH_TIMEOUT(client.events >= 2, 3000);
  }

  void windowTimerIds()
  {
    QObject owner;
    TOLVTIMER a(&owner);
    TOLVTIMER b(&owner, 250);
    QCOMPARE(b.ID(), a.ID() + 1);
    QVERIFY(a.ID() >= TOLVTIMER::FirstId);
    QCOMPARE(a.INTERVAL(), 1000);
    QCOMPARE(b.INTERVAL(), 250);
    QVERIFY(!a.RUNNING());
    // No 16-bit counter: ids go on past 65535 without wrapping.
    int last = b.ID();
    for (int i = 0; i < 70000; ++i) {
      TOLVTIMER t(&owner);
      QCOMPARE(t.ID(), last + 1);
      last = t.ID();
    }
    QVERIFY(last > 65535);
  }

  void windowTimerStartStop()
  {
    auto *owner = new QObject;
    TOLVTIMER t(owner, 20);
    QSignalSpy spy(&t, &TOLVTIMER::TICK);
    QVERIFY(t.START());
    QVERIFY(!t.START());
    QVERIFY(t.RUNNING());
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.first().first().toInt(), t.ID());
    QCOMPARE(t.INTERVAL(-5), 20);
    QCOMPARE(t.INTERVAL(30), 30);
    QVERIFY(t.RUNNING());
    QObject other;
    QCOMPARE(t.OWNER(nullptr), owner);
    QCOMPARE(t.OWNER(&other), &other);
    QVERIFY(t.RUNNING());
    t.STOP();
    t.STOP();
    QVERIFY(!t.RUNNING());

    TOLVTIMER orphan(owner, 10);
    QVERIFY(orphan.START());
    delete owner;  // the owner's timer goes with it
    QTRY_VERIFY_WITH_TIMEOUT(!orphan.RUNNING(), 2000);
    QVERIFY(!TOLVTIMER(nullptr).START());
  }
};

QTEST_GUILESS_MAIN(TestTimers)
#include "tst_timers.moc"
