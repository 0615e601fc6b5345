// Where the main window puts its windows: "Küçült" leaves every window usable
// inside the workspace; the help window opens over the main window, goes back
// and forward, answers the help keys and goes away on Escape.
// VZ_GRAB_DIR=<folder> saves a picture of the cascaded windows there.
#include "../shell/shellfixture.h"
#include "scriptedinteraction.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/standardshellwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TestWindowArrangement : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString example() const { return m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }

private slots:
  void initTestCase()
  {
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"),
                        example()));
    QFile::setPermissions(example(), QFile::permissions(example()) | QFileDevice::WriteOwner);
    AppSession::instance().setProgramDir(m_dir.path());
  }
  void cleanup() { closeSessionProblem(); }

  void cascadeKeepsWindowsUsable_data()
  {
    QTest::addColumn<QByteArrayList>("events");
    QTest::newRow("one entry window") << QByteArrayList{"YM_GIRIS"};
    QTest::newRow("entry, manual and report windows")
        << QByteArrayList{"YM_GIRIS", "KW_MANUEL_COZUM", "REPORTPAD"};
  }
  void cascadeKeepsWindowsUsable()
  {
    QFETCH(QByteArrayList, events);
    ScriptedInteraction ui;
    ScriptedFileDialogs dialogs;
    STANDARDSHELLWINDOW window(ui, dialogs, StartupSettings());
    window.resize(1024, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.DOOPENFILE(example()));
    for (const QByteArray &event : events)
      window.routeEvent(event);
    QMdiArea *area = window.mdiArea();
    QVERIFY(!area->subWindowList().isEmpty());
    window.WINDOWCASCADE();
    if (const QString grabDir = qEnvironmentVariable("VZ_GRAB_DIR"); !grabDir.isEmpty())
      window.grab().save(grabDir + QStringLiteral("/cascade_%1.png").arg(events.size()));

    const QRect view = area->viewport()->rect();
    const QSize usual(view.width() * 2 / 3, view.height() * 2 / 3);
    QList<QPoint> corners;
    for (QMdiSubWindow *w : area->subWindowList()) {
      if (!w->isVisible())
        continue;
      const QString name = w->windowTitle();
      QVERIFY2(view.contains(w->geometry()), qPrintable(name));
      QVERIFY2(w->width() >= usual.width() && w->height() >= usual.height(),
               qPrintable(QStringLiteral("%1 %2x%3").arg(name).arg(w->width()).arg(w->height())));
      QVERIFY2(w->width() >= w->minimumSizeHint().width() && w->height() >= w->minimumSizeHint().height(),
               qPrintable(name));
      QVERIFY2(!corners.contains(w->pos()), qPrintable(name + QStringLiteral(" hides another")));
      corners.append(w->pos());
    }
  }

  void helpWindow()
  {
    ScriptedInteraction ui;
    ScriptedFileDialogs dialogs;
    STANDARDSHELLWINDOW window(ui, dialogs, StartupSettings());
    window.setGeometry(200, 150, 900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.routeEvent("HELPINDEX");
    HelpWindow *help = window.helpDisplay();
    QVERIFY(help && help->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(help));
    // Over the main window, not in a corner of the screen.
    QVERIFY2((help->frameGeometry().center() - window.frameGeometry().center()).manhattanLength() < 40,
             qPrintable(QStringLiteral("%1,%2").arg(help->x()).arg(help->y())));
    QVERIFY(help->currentTopicSource().endsWith(QLatin1String("index.html")));
    QVERIFY(!help->backButton()->isEnabled());

    // The main window's help keys answer in the help window.
    QTest::keyClick(help->browser(), Qt::Key_F2);
    QVERIFY2(help->currentTopicSource().endsWith(QLatin1String("contents.html")), qPrintable(help->currentTopicSource()));
    QTest::keyClick(help->browser(), Qt::Key_F3);
    QVERIFY2(help->currentTopicSource().endsWith(QLatin1String("usinghelp.html")), qPrintable(help->currentTopicSource()));

    QVERIFY(help->backButton()->isEnabled());
    QVERIFY(!help->backButton()->toolTip().isEmpty() && !help->forwardButton()->toolTip().isEmpty());
    QTest::mouseClick(help->backButton(), Qt::LeftButton);
    QVERIFY(help->currentTopicSource().endsWith(QLatin1String("contents.html")));
    QVERIFY(help->forwardButton()->isEnabled());
    QTest::mouseClick(help->forwardButton(), Qt::LeftButton);
    QVERIFY(help->currentTopicSource().endsWith(QLatin1String("usinghelp.html")));
    QTest::keyClick(help->browser(), Qt::Key_F1);
    QVERIFY(help->currentTopicSource().endsWith(QLatin1String("index.html")));

    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(window.isVisible());
  }
};

QTEST_MAIN(TestWindowArrangement)
#include "tst_windowarrangement.moc"
