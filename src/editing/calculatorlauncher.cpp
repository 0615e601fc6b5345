#include "calculatorlauncher.h"
#include "services/class_hklm.h"
#include "services/tktask.h"

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

bool CalculatorLauncher::WIN_HESMAK()
{
  const QString line = command();
  if (line.isEmpty())
    return false;
  TKTASK task;
  task.COMMANDLINE(line);
  task.LAUNCH();
  return task.ERRORTEXT().isEmpty();
}

} // namespace vz
