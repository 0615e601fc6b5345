#include "calculatorlauncher.h"
#include "problem/interaction.h"
#include "services/class_hklm.h"
#include "services/tktask.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace vz {

QString CalculatorLauncher::command()
{
  CLASS_HKLM settings;
  settings.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
  const QString configured = settings.GETSTRING(QString(), QStringLiteral("VKcalc")).trimmed();
  if (!configured.isEmpty())
    return configured;
  const QStringList candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                  QStringLiteral("mate-calc"), QStringLiteral("galculator"),
                                  QStringLiteral("xcalc")};
  for (const QString &name : candidates) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty())
      return path;
  }
  return QString();
}

bool CalculatorLauncher::namesAProgram(const QString &line)
{
  const QString program = QProcess::splitCommand(line).value(0);
  if (program.contains(QLatin1Char('/'))) {
    const QFileInfo file(program);
    return file.isFile() && file.isExecutable();
  }
  return !program.isEmpty() && !QStandardPaths::findExecutable(program).isEmpty();
}

QString CalculatorLauncher::noCalculatorText(const QString &command)
{
  const QString missing = command.isEmpty()
                              ? QStringLiteral("Hesap makinesi programı bulunamadı!")
                              : QStringLiteral("Hesap makinesi programı bulunamadı: \"%1\"").arg(command);
  return missing + QStringLiteral("\n\nAyarlardaki \"VKcalc\" değerine hesap makinesinin komutunu yazın.");
}

bool CalculatorLauncher::WIN_HESMAK(Interaction &ui)
{
  const QString line = command();
  if (line.isEmpty()) {
    ui.warning(noCalculatorText());
    return false;
  }
  TKTASK task;
  task.COMMANDLINE(line);
  task.LAUNCH();
  if (task.ERRORTEXT().isEmpty())
    return true;
  // A setting that names no program is as good as none, and says so; a
  // program that is there and fails to start is its own business.
  if (!namesAProgram(line))
    ui.warning(noCalculatorText(line));
  return false;
}

} // namespace vz
