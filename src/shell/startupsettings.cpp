#include "startupsettings.h"

#include "services/class_hklm.h"

namespace vz {

StartupSettings StartupSettings::read()
{
  CLASS_HKLM registry;
  registry.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
  const auto value = [&registry](const char *name) {
    return registry.GETSTRING(QString(), QLatin1String(name));
  };

  StartupSettings s;
  s.programDir = value("VKpath").trimmed();
  if (s.programDir.isEmpty())
    return s;
  const qsizetype colon = s.programDir.indexOf(QLatin1Char(':'));
  if (colon >= 0)
    s.programDrive = s.programDir.left(colon + 1);
  const QLatin1String on("1");
  s.logOnAtStart = value("VKldlg") == on;
  s.tipAtStart = value("VKlstrt") == on;
  bool ok = false;
  const unsigned tip = value("VKlatip").trimmed().toUInt(&ok);
  s.lastTip = ok ? tip : 0;
  s.splashAtStart = value("VKlogo") == on;
  return s;
}

} // namespace vz
