#pragma once
// Periodic calls without a window: a container ticks every 100 ms and, on each
// tick, sends every registration that has become due its method (a slot or
// Q_INVOKABLE without arguments, named as text) on its client object.
//
// Each container has its own timer and its own registrations: its ticks go to
// itself only, and a dropped container stops its timer. A registration counts
// the ticks it has seen while it is on; TIMERFREQUENCY is in seconds, so the
// default 1.0 makes the method due on every tenth tick. A client's
// registrations go with it when it is destroyed, so a new object that comes
// to live at the same address starts with none of them; registrations whose
// client lacks the method are dropped when they fall due.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

namespace vz {

class ZDTIMEDMETHOD {
public:
  static constexpr int TickMs = 100;

  QByteArray METHODNAME() const { return m_method; }
  void METHODNAME(const QByteArray &name) { m_method = name; }
  double TIMERFREQUENCY() const { return m_frequency; }
  void TIMERFREQUENCY(double seconds) { m_frequency = seconds; }
  bool ONOFF() const { return m_on; }
  void ONOFF(bool on) { m_on = on; }

  // Seconds still to go while on; 0 while off.
  double COUNTDOWN() const;
  // Counts one tick when on; true (and the count starts again) once the
  // counted time has reached the frequency.
  bool ISTIMETOSEND();

  double elapsed() const { return m_ticks * (TickMs / 1000.0); }

private:
  QByteArray m_method = QByteArrayLiteral("ZDTIMEREVENT");
  double m_frequency = 1.0;
  bool m_on = true;
  qint64 m_ticks = 0;  // whole ticks, so ten of 0.1 s make exactly 1.0
};

class ZDTIMERCONTAINER : public QObject {
  Q_OBJECT
public:
  explicit ZDTIMERCONTAINER(QObject *parent = nullptr);
  ~ZDTIMERCONTAINER() override;

  // Arguments left empty (an empty name, a frequency below 0, no switch) keep
  // the registration's defaults. False, and nothing added, without a client.
  bool REGISTERCLIENT(QObject *client, const QByteArray &methodName = QByteArray(),
                      double frequency = -1.0, std::optional<bool> onOff = std::nullopt);
  bool UNREGISTERCLIENT(QObject *client, const QByteArray &methodName);
  bool UNREGISTERCLIENT(QObject *client, const ZDTIMEDMETHOD &method)
  { return UNREGISTERCLIENT(client, method.METHODNAME()); }
  ZDTIMERCONTAINER &ENABLETIMER(QObject *client, const QByteArray &methodName, bool onOff);
  double GETCOUNTDOWN(QObject *client, const QByteArray &methodName) const;
  // 1-based position of the first registration of (client, method); 0 for none.
  int GETOBJECTELEMENT(QObject *client, const QByteArray &methodName) const;
  int count() const { return int(m_entries.size()); }

  // One tick; the container's own timer calls it every 100 ms.
  void RECEIVETIMER();
  bool isTicking() const { return m_timer.isActive(); }

  static bool ISVALIDOBJECT(const QObject *value) { return value != nullptr; }

private slots:
  void dropClient(QObject *client);

private:
  struct Entry {
    QPointer<QObject> client;
    const QObject *key = nullptr;  // identity, also after the client is gone
    ZDTIMEDMETHOD method;
  };
  QList<Entry> m_entries;
  QTimer m_timer;
};

} // namespace vz
