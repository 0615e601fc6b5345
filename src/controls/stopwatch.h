#pragma once
// The running time of the timer edit: whole seconds of the earlier runs plus
// the current one, read from a monotonic millisecond clock, so a run may
// cross midnight or a clock change and last any time.
#include <QtGlobal>

namespace vz {

class Stopwatch {
public:
  bool running() const { return m_running; }
  // Only when stopped / only when running; `now` in milliseconds.
  void start(qint64 now);
  void stop(qint64 now);
  void reset();

  // Whole seconds of the earlier runs.
  qint64 accumulated() const { return m_accumulated; }
  // Earlier runs plus the current one: whole seconds, and seconds with
  // their fraction.
  qint64 seconds(qint64 now) const;
  double exactSeconds(qint64 now) const;

private:
  bool m_running = false;
  qint64 m_accumulated = 0;
  qint64 m_start = 0;
};

} // namespace vz
