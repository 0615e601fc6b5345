#pragma once
// Only one copy of the program may run per user: the first copy takes a lock
// file named after the program in the user's runtime folder (the temporary
// folder when there is none) and holds it until the process ends. A lock left
// by a copy that died is taken over; a lock of a live copy never goes stale,
// however long that copy has been running.
#include <QString>
#include <memory>

class QLockFile;

namespace vz {

class SingleCopyLock {
public:
  SingleCopyLock();
  ~SingleCopyLock();
  SingleCopyLock(const SingleCopyLock &) = delete;
  SingleCopyLock &operator=(const SingleCopyLock &) = delete;

  // ISAPPRUNNING: true when another live copy holds the lock named `name`, or
  // when the lock cannot be created at all; false when this object now holds it.
  bool isAppRunning(const QString &name);

  bool holdsLock() const;
  // The lock file for `name` (in the runtime folder, else the temporary folder).
  static QString lockFilePath(const QString &name);

private:
  std::unique_ptr<QLockFile> m_lock;
};

} // namespace vz
