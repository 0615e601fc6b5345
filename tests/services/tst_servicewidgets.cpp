#include "services/ui/tolvtimercontrol.h"
#include "services/ui/tolvtrayobject.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

using vz::TOLVTIMERCONTROL;
using vz::TOLVTRAYOBJECT;
using vz::TrayBackend;

namespace {

class Owner : public QWidget {
  Q_OBJECT
public:
  int calls = 0;
  bool answer = true;
  bool sawRunning = true;
  Q_INVOKABLE bool ONTOLVTIMER(QObject *control)
  {
    ++calls;
    sawRunning = static_cast<TOLVTIMERCONTROL *>(control)->RUNNING();
    return answer;
  }
};

class VoidOwner : public QWidget {
  Q_OBJECT
public:
  int calls = 0;
  Q_INVOKABLE void ONTOLVTIMER(QObject *) { ++calls; }
};

// Records what the desktop would have been told.
class FakeTray : public TrayBackend {
public:
  struct Log {
    QStringList calls;
    QList<Entry> entries;
    bool accept = true;
  };
  explicit FakeTray(Log *log) : m_log(log) {}
  bool add(const Entry &e) override { return note(QStringLiteral("add"), e); }
  bool modify(const Entry &e) override { return note(QStringLiteral("modify"), e); }
  bool remove() override
  {
    m_log->calls << QStringLiteral("remove");
    return true;
  }

private:
  bool note(const QString &call, const Entry &e)
  {
    m_log->calls << call;
    m_log->entries << e;
    return m_log->accept;
  }
  Log *m_log;
};

QIcon colourIcon(Qt::GlobalColor c)
{
  QPixmap pm(16, 16);
  pm.fill(c);
  return QIcon(pm);
}

} // namespace

class TestServiceWidgets : public QObject {
  Q_OBJECT
private slots:
  void timerControlIsHiddenWith100ms()
  {
    Owner owner;
    auto *control = new TOLVTIMERCONTROL(&owner);
    owner.show();
    QVERIFY(!control->isVisible());
    QCOMPARE(control->TIMER()->INTERVAL(), 100);
    QVERIFY(!control->RUNNING());
  }

  void ownerAnswerDecides_data()
  {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("runningAfter");
    QTest::newRow("true goes on") << true << true;
    QTest::newRow("false stops") << false << false;
  }
  void ownerAnswerDecides()
  {
    QFETCH(bool, answer);
    QFETCH(bool, runningAfter);
    Owner owner;
    owner.answer = answer;
    auto *control = new TOLVTIMERCONTROL(&owner);
    QVERIFY(control->START());
    control->onTick(control->TIMER()->ID());
    QCOMPARE(owner.calls, 1);
    QVERIFY(!owner.sawRunning);  // no ticks while the handler runs
    QCOMPARE(control->RUNNING(), runningAfter);
    control->onTick(control->TIMER()->ID() + 1);  // another timer's tick
    QCOMPARE(owner.calls, 1);
  }

  void realTicksReachTheOwner()
  {
    VoidOwner owner;  // no logic answer: the ticks go on
    auto *control = new TOLVTIMERCONTROL(&owner);
    control->TIMER()->INTERVAL(10);
    QVERIFY(control->START());
    QTRY_VERIFY_WITH_TIMEOUT(owner.calls >= 3, 3000);
    QVERIFY(control->RUNNING());
    delete control;  // destroying the control stops its ticks
    const int calls = owner.calls;
    QTest::qWait(50);
    QCOMPARE(owner.calls, calls);
  }

  void ownerWithoutHandlerKeepsTicking()
  {
    QWidget owner;
    auto *control = new TOLVTIMERCONTROL(&owner);
    QVERIFY(control->START());
    control->onTick(control->TIMER()->ID());
    QVERIFY(control->RUNNING());
  }

  void trayDefaultsFromTheWindow()
  {
    FakeTray::Log log;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vesk_Zyr 2.0"));
    window.setWindowIcon(colourIcon(Qt::green));
    TOLVTRAYOBJECT tray(&window, QIcon(), std::nullopt, std::nullopt,
                        std::make_unique<FakeTray>(&log));
    QCOMPARE(tray.WINDOW(), &window);
    QCOMPARE(tray.TOOLTIP(), QStringLiteral("Vesk_Zyr 2.0"));
    QCOMPARE(tray.MESSAGE(), 0x8002u);
    QVERIFY(!tray.ICON().isNull());
    QVERIFY(!tray.ISVISIBLE());
    QVERIFY(log.calls.isEmpty());  // nothing shown before SHOW
  }

  void trayShowTwiceDestroyTwice()
  {
    FakeTray::Log log;
    QWidget window;
    auto tray = std::make_unique<TOLVTRAYOBJECT>(&window, colourIcon(Qt::red),
                                                 QStringLiteral("a").repeated(100), 0x9000u,
                                                 std::make_unique<FakeTray>(&log));
    QVERIFY(tray->SHOW());
    QVERIFY(tray->SHOW());
    QCOMPARE(log.calls, QStringList({QStringLiteral("add"), QStringLiteral("modify")}));
    QCOMPARE(log.entries.last().tip, QStringLiteral("a").repeated(63));
    QCOMPARE(tray->TOOLTIP().size(), 100);
    QCOMPARE(log.entries.last().message, 0x9000u);

    tray->TOOLTIP(QStringLiteral("Rasyon hazır"));
    QCOMPARE(log.entries.last().tip, QStringLiteral("Rasyon hazır"));
    // No icon clears the shown picture rather than keeping the old one.
    tray->ICON(QIcon());
    QCOMPARE(log.calls.last(), QStringLiteral("modify"));
    QVERIFY(log.entries.last().icon.isNull());

    tray->DESTROY();
    tray->DESTROY();
    QCOMPARE(log.calls.count(QStringLiteral("remove")), 1);
    QVERIFY(!tray->ISVISIBLE());
    QVERIFY(!tray->SHOW());
    tray.reset();  // the destructor after DESTROY touches nothing
    QCOMPARE(log.calls.count(QStringLiteral("remove")), 1);
  }

  void trayRefusedIsNotVisible()
  {
    FakeTray::Log log;
    log.accept = false;
    QWidget window;
    TOLVTRAYOBJECT tray(&window, QIcon(), QStringLiteral("x"), std::nullopt,
                        std::make_unique<FakeTray>(&log));
    QVERIFY(!tray.SHOW());
    QVERIFY(!tray.ISVISIBLE());
    tray.TOOLTIP(QStringLiteral("y"));  // not shown: nothing pushed
    QCOMPARE(log.calls, QStringList({QStringLiteral("add")}));
  }

  void trayWindowRemovedHidesIt()
  {
    FakeTray::Log log;
    QWidget window;
    TOLVTRAYOBJECT tray(&window, QIcon(), QStringLiteral("x"), std::nullopt,
                        std::make_unique<FakeTray>(&log));
    QVERIFY(tray.SHOW());
    tray.WINDOW(nullptr);
    QVERIFY(!tray.ISVISIBLE());
    QCOMPARE(log.calls.last(), QStringLiteral("remove"));
    QCOMPARE(tray.WINDOW(), nullptr);
  }

  void trayActivationReachesTheWindowOwner()
  {
    FakeTray::Log log;
    QWidget window;
    auto backend = std::make_unique<FakeTray>(&log);
    FakeTray *raw = backend.get();
    TOLVTRAYOBJECT tray(&window, QIcon(), QStringLiteral("x"), 0x8010u, std::move(backend));
    QSignalSpy spy(&tray, &TOLVTRAYOBJECT::TRAYMESSAGE);
    raw->activated(int(QSystemTrayIcon::DoubleClick));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toUInt(), 0x8010u);
    QCOMPARE(spy.first().at(1).toInt(), int(QSystemTrayIcon::DoubleClick));
  }

  // The offscreen platform has no notification area: the real backend says
  // so and the icon is not counted as shown.
  void realTrayWithoutDesktop()
  {
    QWidget window;
    TOLVTRAYOBJECT tray(&window, colourIcon(Qt::blue), QStringLiteral("x"));
    QCOMPARE(tray.SHOW(), QSystemTrayIcon::isSystemTrayAvailable());
    QCOMPARE(tray.ISVISIBLE(), QSystemTrayIcon::isSystemTrayAvailable());
    tray.DESTROY();
    tray.DESTROY();
  }
};

QTEST_MAIN(TestServiceWidgets)
#include "tst_servicewidgets.moc"
