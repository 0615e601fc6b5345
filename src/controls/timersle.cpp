#include "timersle.h"

#include "platform/rtext.h"

#include <QElapsedTimer>

namespace vz {

namespace {

qint64 monotonicMilliseconds()
{
  static QElapsedTimer clock;
  if (!clock.isValid())
    clock.start();
  return clock.elapsed();
}

} // namespace

TIMERSLE::TIMERSLE(QWidget *owner) : RIGHTSLE(owner)
{
  connect(&m_timer, &QTimer::timeout, this, &TIMERSLE::TIMER);
}

void TIMERSLE::setClock(std::function<qint64()> milliseconds, std::function<QTime()> timeOfDay)
{
  m_milliseconds = std::move(milliseconds);
  m_timeOfDay = std::move(timeOfDay);
}

qint64 TIMERSLE::now() const
{
  return m_milliseconds ? m_milliseconds() : monotonicMilliseconds();
}

void TIMERSLE::START()
{
  if (m_watch.running())
    return;
  m_timer.start(m_interval);
  m_watch.start(now());
  TIMER();
}

void TIMERSLE::STOP()
{
  if (!m_watch.running())
    return;
  m_timer.stop();
  m_watch.stop(now());
}

void TIMERSLE::RESET()
{
  STOP();
  m_watch.reset();
  setVALUE(0);
}

void TIMERSLE::TIMER()
{
  switch (m_style) {
  case 0:
    setText((m_timeOfDay ? m_timeOfDay() : QTime::currentTime()).toString(QStringLiteral("HH:mm:ss")));
    break;
  case 1:
    setVALUE(m_watch.seconds(now()));
    break;
  case 2:
    setVALUE(m_watch.seconds(now()) / 60);
    break;
  case 3:
    setText(QString::number(rt::Round(m_watch.exactSeconds(now()) / 60.0, 2), 'f', 2));
    break;
  default:
    break;
  }
}

} // namespace vz
