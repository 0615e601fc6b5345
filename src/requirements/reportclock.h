#pragma once
// The date and time printed in a requirement report's header. The program
// uses the system clock; tests fix it so that reports compare byte for byte.
#include <QDateTime>
#include <optional>

namespace vz {

class ReportClock {
public:
  ReportClock() = default;                       // the system clock
  explicit ReportClock(const QDateTime &fixed);  // always answers `fixed`

  // Local date and time; never fails.
  QDateTime now() const;

private:
  std::optional<QDateTime> m_fixed;
};

} // namespace vz
