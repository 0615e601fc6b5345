#pragma once
// An invisible control that owns a window timer (100 ms) and turns each tick
// into a call of ONTOLVTIMER(QObject *control) on its owner window, a slot or
// Q_INVOKABLE of the owner. The timer is stopped while the owner's handler
// runs, so a handler that shows a dialog gets no further ticks; an answer of
// false stops the ticks, true or no answer (a void or non-logic handler) lets
// them go on. A tick while the owner has no such method is ignored.
#include "services/tolvtimer.h"

#include <QLabel>

namespace vz {

class TOLVTIMERCONTROL : public QLabel {
  Q_OBJECT
public:
  explicit TOLVTIMERCONTROL(QWidget *owner, const QString &text = QString());
  ~TOLVTIMERCONTROL() override;

  bool RUNNING() const { return m_timer->RUNNING(); }
  bool START() { return m_timer->START(); }
  void STOP() { m_timer->STOP(); }
  TOLVTIMER *TIMER() const { return m_timer; }

  // One tick of the timer with the given id; ticks of other timers are not
  // this control's.
  void onTick(int id);

private:
  TOLVTIMER *m_timer;
};

} // namespace vz
