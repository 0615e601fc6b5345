#pragma once
// One periodic timer of an owner object with an id that is unique in the run
// (the first is 2032, then 2033, ...; ids are plain integers, never reused and
// never wrapped). It survives a change of owner or interval by stopping and
// starting again, and it stops when its owner is destroyed.
//
// Each tick is reported as TICK(id) on the owner's thread.
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace vz {

class TOLVTIMER : public QObject {
  Q_OBJECT
public:
  static constexpr int FirstId = 2032;

  explicit TOLVTIMER(QObject *owner, int intervalMs = 1000);
  ~TOLVTIMER() override;

  int ID() const { return m_id; }
  bool RUNNING() const { return m_running; }
  QObject *OWNER() const { return m_owner.data(); }
  int INTERVAL() const { return m_interval; }

  // A null owner changes nothing; a running timer restarts on the new owner.
  QObject *OWNER(QObject *owner);
  // A negative interval changes nothing; a running timer restarts with the
  // new one.
  int INTERVAL(int intervalMs);

  // True only when this call started the timer: false when it already runs
  // or has no owner.
  bool START();
  void STOP();

signals:
  void TICK(int id);

private:
  QPointer<QObject> m_owner;
  int m_id = 0;
  int m_interval = 1000;
  bool m_running = false;
  QTimer m_timer;
};

} // namespace vz
