// The screen size helper on a desktop of two screens of different sizes, the
// second to the right of the first.
#include "shell/ui/windowplacement.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace vz;

class TestWindowPlacement : public QObject {
  Q_OBJECT
private slots:
  // The primary screen's whole size, wherever the window stands.
  void fullWindowSize()
  {
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
    QCOMPARE(FULLWINSIZE(), QSize(1280, 1024));

    QWidget onSecond;
    onSecond.setGeometry(QRect(screens.at(1)->geometry().topLeft() + QPoint(50, 50), QSize(300, 200)));
    onSecond.show();
    QVERIFY(QTest::qWaitForWindowExposed(&onSecond));
    QCOMPARE(onSecond.screen(), screens.at(1));
    QCOMPARE(FULLWINSIZE(), QSize(1280, 1024));
  }
};

// The desktop is described to the offscreen platform before the application
// starts: a 1280 x 1024 primary screen and a 1920 x 1080 one beside it.
int main(int argc, char **argv)
{
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile f(config);
  if (!f.open(QIODevice::WriteOnly))
    return 1;
  f.write(R"({"screens": [
    {"name": "Birinci", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1},
    {"name": "Ikinci", "x": 1280, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "dpr": 1}
  ]})");
  f.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  QApplication app(argc, argv);
  TestWindowPlacement test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_windowplacement.moc"
