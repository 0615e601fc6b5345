#include "reportclock.h"

namespace vz {

ReportClock::ReportClock(const QDateTime &fixed)
  : m_fixed(fixed)
{
}

QDateTime ReportClock::now() const
{
  return m_fixed ? *m_fixed : QDateTime::currentDateTime();
}

} // namespace vz
