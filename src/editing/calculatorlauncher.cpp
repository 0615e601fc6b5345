#include "calculatorlauncher.h"
#include "problem/interaction.h"
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

QString CalculatorLauncher::noCalculatorText()
{
  return QStringLiteral("Hesap makinesi programı bulunamadı!\n\nAyarlardaki \"VKcalc\" değerine "
                        "hesap makinesinin komutunu yazın.");
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
  return task.ERRORTEXT().isEmpty();
}

} // namespace vz
