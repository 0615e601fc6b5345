#include "blinking.h"

namespace vz {

Blinker::Blinker(QWidget *target) : QObject(target), m_target(target)
{
  connect(&m_timer, &QTimer::timeout, this, &Blinker::tick);
}

void Blinker::blinking(bool on, int period)
{
  if (period != 0)
    m_interval = period;
  if (on) {
    m_interval = qMax(ShortestPeriod, m_interval);
    setBlank(false);
    m_timer.start(m_interval);
  } else {
    m_timer.stop();
    setBlank(false);
  }
}

void Blinker::tick()
{
  setBlank(!m_hidden);
}

void Blinker::setBlank(bool blank)
{
  if (blank == m_hidden)
    return;
  m_hidden = blank;
  if (blank) {
    m_ownPalette = m_target->testAttribute(Qt::WA_SetPalette);
    m_normal = m_target->palette();
    QPalette clear = m_normal;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::PlaceholderText})
        clear.setColor(group, role, Qt::transparent);
    m_target->setPalette(clear);
  } else {
    m_target->setPalette(m_ownPalette ? m_normal : QPalette());
  }
}

BLINKINGFIXEDTEXT::BLINKINGFIXEDTEXT(const QString &text, QWidget *owner)
    : QLabel(text, owner), m_blinker(this)
{
  BLINKING(true);
}

BLINKINGFIXEDTEXT *BLINKINGFIXEDTEXT::BLINKING(bool on, int period)
{
  m_blinker.blinking(on, period);
  return this;
}

BLINKINGSLE::BLINKINGSLE(QWidget *owner) : QLineEdit(owner), m_blinker(this)
{
  BLINKING(true);
}

BLINKINGSLE *BLINKINGSLE::BLINKING(bool on, int period)
{
  m_blinker.blinking(on, period);
  return this;
}

} // namespace vz
