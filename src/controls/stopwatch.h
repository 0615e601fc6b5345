#pragma once
// The running time of the timer edit: the earlier runs plus the current one,
// read from a monotonic millisecond clock, so a run may cross midnight or a
// clock change and last any time. Runs add up to the millisecond, so ten
// runs of 0.9 s make 9 s, not ten times nothing.
#include <QtGlobal>

namespace vz {

class Stopwatch {
public:
  bool running() const { return m_running; }
  // Only when stopped / only when running; `now` in milliseconds.
  void start(qint64 now);
  void stop(qint64 now);
  void reset();

  // Earlier runs plus the current one: milliseconds, whole seconds, and
  // seconds with their fraction.
  qint64 milliseconds(qint64 now) const;
  qint64 seconds(qint64 now) const;
  double exactSeconds(qint64 now) const;

private:
  bool m_running = false;
  qint64 m_accumulated = 0;  // milliseconds of the earlier runs
  qint64 m_start = 0;
};

} // namespace vz
