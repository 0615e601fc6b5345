#include "services/zdtimercontainer.h"

#include <QMetaMethod>

namespace vz {

namespace {

int methodIndex(const QObject *client, const QByteArray &name)
{
  const QMetaObject *mo = client->metaObject();
  return mo->indexOfMethod(QMetaObject::normalizedSignature(name + "()").constData());
}

} // namespace

double ZDTIMEDMETHOD::COUNTDOWN() const
{
  return m_on ? m_frequency - elapsed() : 0.0;
}

bool ZDTIMEDMETHOD::ISTIMETOSEND()
{
  if (!m_on)
    return false;
  ++m_ticks;
  // A tolerance below a tick's length keeps 0.3 s from needing a fourth tick.
  if (elapsed() + 1e-9 < m_frequency)
    return false;
  m_ticks = 0;
  return true;
}

ZDTIMERCONTAINER::ZDTIMERCONTAINER(QObject *parent) : QObject(parent)
{
  m_timer.setInterval(ZDTIMEDMETHOD::TickMs);
  connect(&m_timer, &QTimer::timeout, this, &ZDTIMERCONTAINER::RECEIVETIMER);
  m_timer.start();
}

ZDTIMERCONTAINER::~ZDTIMERCONTAINER()
{
  m_timer.stop();
}

bool ZDTIMERCONTAINER::REGISTERCLIENT(QObject *client, const QByteArray &methodName,
                                      double frequency, std::optional<bool> onOff)
{
  if (!ISVALIDOBJECT(client))
    return false;
  Entry e;
  e.client = client;
  e.key = client;
  if (!methodName.isEmpty())
    e.method.METHODNAME(methodName);
  if (frequency >= 0.0)
    e.method.TIMERFREQUENCY(frequency);
  if (onOff)
    e.method.ONOFF(*onOff);
  m_entries.append(e);
  connect(client, &QObject::destroyed, this, &ZDTIMERCONTAINER::dropClient, Qt::UniqueConnection);
  return true;
}

void ZDTIMERCONTAINER::dropClient(QObject *client)
{
  m_entries.removeIf([client](const Entry &e) { return e.key == client; });
}

int ZDTIMERCONTAINER::GETOBJECTELEMENT(QObject *client, const QByteArray &methodName) const
{
  for (int i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].key == client && m_entries[i].method.METHODNAME() == methodName)
      return i + 1;
  }
  return 0;
}

bool ZDTIMERCONTAINER::UNREGISTERCLIENT(QObject *client, const QByteArray &methodName)
{
  const int i = GETOBJECTELEMENT(client, methodName);
  if (i == 0)
    return false;
  m_entries.removeAt(i - 1);
  return true;
}

ZDTIMERCONTAINER &ZDTIMERCONTAINER::ENABLETIMER(QObject *client, const QByteArray &methodName,
                                                bool onOff)
{
  if (const int i = GETOBJECTELEMENT(client, methodName))
    m_entries[i - 1].method.ONOFF(onOff);
  return *this;
}

double ZDTIMERCONTAINER::GETCOUNTDOWN(QObject *client, const QByteArray &methodName) const
{
  const int i = GETOBJECTELEMENT(client, methodName);
  return i ? m_entries[i - 1].method.COUNTDOWN() : 0.0;
}

void ZDTIMERCONTAINER::RECEIVETIMER()
{
  for (int i = 0; i < m_entries.size();) {
    if (!m_entries[i].method.ISTIMETOSEND()) {
      ++i;
      continue;
    }
    QObject *client = m_entries[i].client.data();
    const QByteArray name = m_entries[i].method.METHODNAME();
    const int index = client ? methodIndex(client, name) : -1;
    if (index < 0) {
      m_entries.removeAt(i);
      continue;
    }
    // The call may register or drop entries; the position is kept by
    // identity of the entry rather than trusted blindly.
    const QObject *key = m_entries[i].key;
    QPointer<ZDTIMERCONTAINER> self(this);
    client->metaObject()->method(index).invoke(client, Qt::DirectConnection);
    if (!self)
      return;  // the callback dropped the container
    if (i < m_entries.size() && m_entries[i].key == key && m_entries[i].method.METHODNAME() == name)
      ++i;
  }
}

} // namespace vz
