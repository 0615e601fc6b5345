#pragma once
// The one way the benches time a piece of work called over and over.
#include <chrono>
#include <functional>

namespace vz::bench {

// Microseconds per call, over at least `seconds` of repeated calls; a call
// should take far longer than reading the clock.
inline double timePerCall(const std::function<void()> &call, double seconds)
{
  using Clock = std::chrono::steady_clock;
  long calls = 0;
  const auto start = Clock::now();
  double elapsed = 0.0;
  do {
    call();
    ++calls;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < seconds);
  return elapsed / double(calls) * 1e6;
}

} // namespace vz::bench
