#include "singlecopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
  const int fd = ::open(QFile::encodeName(lockFilePath(name)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0)
    return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return true;
  }
  m_fd = fd;
  // The lock is all that counts here. The owner is still written, unsynced,
  // in the form QLockFile reads, for a copy of an earlier version judges the
  // lock by it: it keeps out while this copy runs and takes over once it has
  // gone (an empty file would keep it out for good).
  const QString program = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
  const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' + QFile::encodeName(program)
                           + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
  // Written over the last owner and only then cut to length, so the file is
  // never seen empty; one of the same length (the usual case) is not cut at
  // all. A file cut to nothing and written again is, on ext4, pushed to disk
  // when closed, which cost every start a flush.
  bool told = ::pwrite(fd, owner.constData(), size_t(owner.size()), 0) == owner.size();
  struct stat written;
  if (told && (::fstat(fd, &written) != 0 || written.st_size != owner.size()))
    told = ::ftruncate(fd, owner.size()) == 0;
  Q_UNUSED(told);  // the lock holds all the same
  return false;
}

bool SingleCopyLock::holdsLock() const
{
  return m_fd >= 0;
}

} // namespace vz
