// The floor of the start-up bench: a Qt main window with a menu bar, shown
// and left at once, as the program does under VZ_BENCH_QUIT_WHEN_SHOWN.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&Dosya"));
  window.resize(800, 600);
  window.show();
  QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
  return app.exec();
}
