#include "startupsettings.h"

#include "services/class_hklm.h"

namespace vz {

namespace {

const QString SettingsKey = QStringLiteral("Software\\Tervolu\\VKSetings");

bool writeSetting(const char *name, const QString &value, QString *why)
{
  CLASS_HKLM registry;
  registry.WORKING_SUBKEY(SettingsKey);
  if (registry.WRITESTRING(QString(), QLatin1String(name), value) == CLASS_REGISTRY::ERROR_SUCCESS)
    return true;
  if (why)
    *why = registry.LASTERRORTEXT();
  return false;
}

QString onOff(bool on)
{
  return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

bool STARTUPTIPCONT(bool on, QString *why) { return writeSetting("VKlstrt", onOff(on), why); }
bool STARTLOGOSHOWCONT(bool on, QString *why) { return writeSetting("VKlogo", onOff(on), why); }
bool STARTLOGONCONT(bool on, QString *why) { return writeSetting("VKldlg", onOff(on), why); }

bool LASTTIPCONT(unsigned n, QString *why)
{
  return writeSetting("VKlatip", QString::number(n).rightJustified(2), why);
}

StartupSettings StartupSettings::read()
{
  CLASS_HKLM registry;
  registry.WORKING_SUBKEY(SettingsKey);
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
