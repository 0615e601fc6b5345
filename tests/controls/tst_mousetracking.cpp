// Controls of a mouse-tracking window hear MOUSEENTER / MOUSEEXIT when the
// pointer moves between them, exit before enter, each only once.
#include "controls/newdatadialog.h"
#include "controls/newdatawindow.h"
#include "controls/newdialogwindow.h"
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

QStringList g_log;

class Link : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
public slots:
  void MOUSEENTER() { g_log.append(objectName() + QStringLiteral("+")); }
  void MOUSEEXIT() { g_log.append(objectName() + QStringLiteral("-")); }
};

} // namespace

class TstMouseTracking : public QObject {
  Q_OBJECT
private slots:
  void enterAndExit_data();
  void enterAndExit();
  void followsPointerMoves();
};

void TstMouseTracking::enterAndExit_data()
{
  QTest::addColumn<QString>("window");
  QTest::newRow("NEWDIALOGWINDOW") << "dialog";
  QTest::newRow("NEWDATADIALOG") << "datadialog";
  QTest::newRow("NEWDATAWINDOW") << "datawindow";
}

void TstMouseTracking::enterAndExit()
{
  QFETCH(QString, window);
  std::unique_ptr<QWidget> w;
  MouseTracker *tracker = nullptr;
  if (window == QLatin1String("dialog")) {
    auto *d = new NEWDIALOGWINDOW;
    tracker = d->mouseTracker();
    w.reset(d);
  } else if (window == QLatin1String("datadialog")) {
    auto *d = new NEWDATADIALOG;
    tracker = d->mouseTracker();
    w.reset(d);
  } else {
    auto *d = new NEWDATAWINDOW;
    tracker = d->mouseTracker();
    w.reset(d);
  }
  // Controls added after construction are watched too.
  auto *a = new Link(QStringLiteral("a"), w.get());
  a->setObjectName(QStringLiteral("a"));
  auto *b = new Link(QStringLiteral("b"), w.get());
  b->setObjectName(QStringLiteral("b"));
  auto *plain = new QPushButton(QStringLiteral("düğme"), w.get());
  g_log.clear();

  tracker->track(a);
  tracker->track(a);            // same control again: nothing
  tracker->track(b);            // straight onto another: exit, then enter
  tracker->track(plain);        // a control without the methods receives nothing
  tracker->track(w.get());      // the bare surface
  tracker->track(a);
  tracker->track(nullptr);      // not the program's window
  QCOMPARE(g_log, (QStringList{"a+", "a-", "b+", "b-", "a+", "a-"}));
  QCOMPARE(tracker->lastControl(), nullptr);
}

void TstMouseTracking::followsPointerMoves()
{
  NEWDIALOGWINDOW d;
  d.resize(300, 200);
  auto *a = new Link(QStringLiteral("a"), &d);
  a->setObjectName(QStringLiteral("a"));
  a->setGeometry(10, 10, 100, 30);
  auto *b = new Link(QStringLiteral("b"), &d);
  b->setObjectName(QStringLiteral("b"));
  b->setGeometry(10, 100, 100, 30);
  d.show();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  g_log.clear();
  QCursor::setPos(a->mapToGlobal(QPoint(5, 5)));
  QTest::mouseMove(a, QPoint(5, 5));
  QCursor::setPos(b->mapToGlobal(QPoint(5, 5)));
  QTest::mouseMove(b, QPoint(5, 5));
  if (QApplication::widgetAt(QCursor::pos()) != b)
    QSKIP("this platform does not report the widget under the pointer");
  QCOMPARE(g_log, (QStringList{"a+", "a-", "b+"}));
}

QTEST_MAIN(TstMouseTracking)
#include "tst_mousetracking.moc"
