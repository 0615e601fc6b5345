#include "stopwatch.h"

namespace vz {

void Stopwatch::start(qint64 now)
{
  if (m_running)
    return;
  m_running = true;
  m_start = now;
}

void Stopwatch::stop(qint64 now)
{
  if (!m_running)
    return;
  m_running = false;
  m_accumulated += qMax<qint64>(0, now - m_start);
}

void Stopwatch::reset()
{
  m_running = false;
  m_accumulated = 0;
  m_start = 0;
}

qint64 Stopwatch::milliseconds(qint64 now) const
{
  return m_accumulated + (m_running ? qMax<qint64>(0, now - m_start) : 0);
}

qint64 Stopwatch::seconds(qint64 now) const
{
  return milliseconds(now) / 1000;
}

double Stopwatch::exactSeconds(qint64 now) const
{
  return double(milliseconds(now)) / 1000.0;
}

} // namespace vz
