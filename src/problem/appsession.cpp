#include "appsession.h"

namespace vz {

AppSession &AppSession::instance()
{
  static AppSession session;
  return session;
}

QString AppSession::dataDir() const
{
  return m_programDir + QStringLiteral("/Data");
}

} // namespace vz
