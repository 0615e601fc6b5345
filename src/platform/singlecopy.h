#pragma once
// Only one copy of the program may run per user: the first copy takes a lock
// on a file named after the program in the user's runtime folder (the
// temporary folder when there is none) and holds it until the process ends.
// The lock is the system's advisory lock on the open file, which goes with the
// process however it ends: a copy that died leaves the file, never the lock,
// and a lock of a live copy never goes stale, however long it has been running.
// The file names its owner as QLockFile does, which earlier versions read.
#include <QString>

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
  int m_fd = -1;
};

} // namespace vz
