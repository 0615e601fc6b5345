#include "reporteditorcalculator.h"

#include "services/tktask.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace vz {

QString calculatorCommand()
{
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tervolu"),
                           QStringLiteral("VKSetings"));
  const QString configured = settings.value(QStringLiteral("VKcalc")).toString().trimmed();
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

bool startCalculator()
{
  const QString command = calculatorCommand();
  if (command.isEmpty())
    return false;
  TKTASK task;
  task.COMMANDLINE(command);
  task.LAUNCH();
  return task.ERRORTEXT().isEmpty();
}

} // namespace vz
