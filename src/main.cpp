#include "shell/ui/shellapp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vesk_Zyr"));
  QApplication::setApplicationVersion(QStringLiteral("2.0"));
  return vz::ShellApp::start(app);
}
