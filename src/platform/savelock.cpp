#include "savelock.h"

#include "savefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

// An open-file-description write lock on a byte far past any data, so it
// neither meets the sessions' flock nor anyone's records. A save renames a new
// file over the old, so a waiter that wakes on the replaced file tries again on
// the new one.
SaveLock::SaveLock(const QString &path)
{
  const QByteArray name = QFile::encodeName(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    m_fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
      m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
      return;
    struct flock fl = {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(1) << 40;
    fl.l_len = 1;
    int rc;
    do
      rc = ::fcntl(m_fd, F_OFD_SETLKW, &fl);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
      ::close(m_fd);
      m_fd = -1;
      return;
    }
    struct stat held, now;
    if (::fstat(m_fd, &held) == 0 && ::stat(name.constData(), &now) == 0 && held.st_ino == now.st_ino
        && held.st_dev == now.st_dev) {
      m_size = qsizetype(held.st_size);
      return;
    }
    ::close(m_fd);
    m_fd = -1;
  }
}

bool SaveLock::readAll(QByteArray *out, int *err) const
{
  return readWholeFile(m_fd, out, err, m_size);
}

SaveLock::~SaveLock()
{
  if (m_fd >= 0)
    ::close(m_fd);
}

} // namespace vz
