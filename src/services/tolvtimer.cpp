#include "services/tolvtimer.h"

#include <atomic>

namespace vz {

namespace {
std::atomic<int> lastId{TOLVTIMER::FirstId - 1};
}

TOLVTIMER::TOLVTIMER(QObject *owner, int intervalMs)
    : m_owner(owner), m_id(++lastId), m_interval(intervalMs >= 0 ? intervalMs : 1000)
{
  connect(&m_timer, &QTimer::timeout, this, [this] {
    if (!m_owner) {  // the owner's window is gone, and so is its timer
      STOP();
      return;
    }
    emit TICK(m_id);
  });
}

TOLVTIMER::~TOLVTIMER() = default;

QObject *TOLVTIMER::OWNER(QObject *owner)
{
  if (!owner)
    return m_owner.data();
  const bool wasRunning = m_running;
  STOP();
  m_owner = owner;
  if (wasRunning)
    START();
  return m_owner.data();
}

int TOLVTIMER::INTERVAL(int intervalMs)
{
  if (intervalMs < 0)
    return m_interval;
  const bool wasRunning = m_running;
  STOP();
  m_interval = intervalMs;
  if (wasRunning)
    START();
  return m_interval;
}

bool TOLVTIMER::START()
{
  if (m_running || !m_owner)
    return false;
  m_timer.start(m_interval);
  m_running = true;
  return true;
}

void TOLVTIMER::STOP()
{
  if (!m_running)
    return;
  m_timer.stop();
  m_running = false;
}

} // namespace vz
