#include "singlecopy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vz {

SingleCopyLock::SingleCopyLock() = default;

SingleCopyLock::~SingleCopyLock()
{
  // The file stays: removing it would let a copy that opened it just before
  // lock a file no longer in the folder while a third copy creates a new one.
  if (m_fd >= 0)
    ::close(m_fd);
}

QString SingleCopyLock::lockFilePath(const QString &name)
{
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty() || !QDir().mkpath(dir))
    dir = QDir::tempPath();
  return QDir(dir).filePath(name + QStringLiteral(".lock"));
}

bool SingleCopyLock::isAppRunning(const QString &name)
{
  if (holdsLock())
    return false;
  // Nothing is written to the file, so nothing waits for the disk: the lock
  // is all that counts.
  const int fd = ::open(QFile::encodeName(lockFilePath(name)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0)
    return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return true;
  }
  m_fd = fd;
  return false;
}

bool SingleCopyLock::holdsLock() const
{
  return m_fd >= 0;
}

} // namespace vz
