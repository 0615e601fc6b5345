// The answer time of "Ad ve Parola Değiştir" to each key typed into its
// current-password edit (QT_QPA_PLATFORM=offscreen): the time the window
// thread spends on the key, and the time until it runs the next posted event
// after it. Ten keys typed at once, and ten typed a third of a second apart
// (so that a check runs while the next key comes). Goal: 100 ms at most.
#include "problem/appsession.h"
#include "shell/ui/newpassworddialog.h"
#include "shell/userstable.h"
#include "controls/jqsle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// Milliseconds from the key to the window thread being free again.
double answer(QWidget *edit, QChar key)
{
  QElapsedTimer clock;
  clock.start();
  QTest::keyClick(edit, key.toLatin1());
  bool ran = false;
  QMetaObject::invokeMethod(qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
  while (!ran)
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  return double(clock.nsecsElapsed()) / 1e6;
}

void line(QTextStream &out, const char *name, std::vector<double> ms)
{
  std::sort(ms.begin(), ms.end());
  out << QStringLiteral("%1 %2 %3 %4 %5\n")
             .arg(QLatin1String(name), -34)
             .arg(ms[ms.size() / 2], 10, 'f', 2)
             .arg(ms.back(), 10, 'f', 2)
             .arg(100.0, 8, 'f', 0)
             .arg(ms.back() / 100.0, 6, 'f', 3);
}

} // namespace

int main(int argc, char **argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTextStream out(stdout);
  QTemporaryDir dir;
  vz::UsersTable(dir.path()).ensure();
  vz::AppSession::instance().setProgramDir(dir.path());
  vz::AppSession::instance().setLoggedOnUserId(vz::UsersTable::defaultUser().leftJustified(20));
  const QString typed = QStringLiteral("MV83XYZABC");

  out << QStringLiteral("%1 %2 %3 %4 %5\n")
             .arg(QStringLiteral("case (ms per key)"), -34)
             .arg(QStringLiteral("median"), 10)
             .arg(QStringLiteral("max"), 10)
             .arg(QStringLiteral("goal"), 8)
             .arg(QStringLiteral("ratio"), 6);
  for (const bool paused : {false, true}) {
    vz::NEWPASSWORDDIALOG dialog(nullptr, QStringLiteral("Ad ve Parola Değiştir"), false);
    dialog.show();
    QWidget *edit = dialog.currentPasswordEdit();
    std::vector<double> ms;
    for (const QChar key : typed) {
      ms.push_back(answer(edit, key));
      if (paused)
        QTest::qWait(330);
    }
    QTest::qWait(1500);  // let the last check end before the dialog goes
    line(out, paused ? "keys a third of a second apart" : "ten keys at once", ms);
  }
  return 0;
}
