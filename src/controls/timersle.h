#pragma once
// An edit that shows a running clock or stopwatch. STYLE picks what it shows
// on every tick: 0 the time of day, 1 the running whole seconds, 2 whole
// minutes, 3 minutes with hundredths; any other style leaves the text alone.
// START and STOP may alternate, the runs adding up until RESET.
#include "rightsle.h"
#include "stopwatch.h"

#include <QTime>
#include <QTimer>
#include <functional>

namespace vz {

class TIMERSLE : public RIGHTSLE {
  Q_OBJECT
public:
  explicit TIMERSLE(QWidget *owner = nullptr);

  void setSTYLE(int style) { m_style = style; }
  int STYLE() const { return m_style; }
  // Milliseconds between ticks; a running timer keeps its interval until the
  // next START.
  void setINTERVAL(int milliseconds) { m_interval = milliseconds; }
  int INTERVAL() const { return m_interval; }

  bool running() const { return m_watch.running(); }
  void START();
  void STOP();
  void RESET();  // stops, and the running time and the text go back to 0
  void TIMER();  // one tick: the text by the style

  // The clocks read: a monotonic millisecond count and the time of day.
  // Tests put their own here; empty functions restore the system's.
  void setClock(std::function<qint64()> milliseconds, std::function<QTime()> timeOfDay = {});

private:
  qint64 now() const;

  QTimer m_timer;
  Stopwatch m_watch;
  int m_style = 1;
  int m_interval = 500;
  std::function<qint64()> m_milliseconds;
  std::function<QTime()> m_timeOfDay;
};

} // namespace vz
