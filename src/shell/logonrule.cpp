#include "logonrule.h"

namespace vz {

LogOnRule::Press LogOnRule::press(const QString &name, const QString &password)
{
  return settle(name, m_table.checkLogOn(name, password));
}

LogOnRule::Press LogOnRule::settle(const QString &name, const UsersTable::LogOnCheck &check)
{
  m_ok = check.ok;
  if (check.found)
    m_id = check.userId;
  Press result;
  if (m_ok) {
    result.outcome = Outcome::Granted;
    return result;
  }
  if (m_tries >= MaxPresses) {
    ++m_tries;
    result.outcome = Outcome::Refused;
    return result;
  }
  if (!check.error.isEmpty())
    result.message = check.error;
  else if (!name.isEmpty())
    result.message = invalidText();
  ++m_tries;
  return result;
}

void LogOnRule::cancel()
{
  m_ok = false;
  m_id.clear();
}

} // namespace vz
