#include "savelock.h"

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
        && held.st_dev == now.st_dev)
      return;
    ::close(m_fd);
    m_fd = -1;
  }
}

bool SaveLock::readAll(QByteArray *out, int *err) const
{
  struct stat st;
  if (::fstat(m_fd, &st) != 0) {
    *err = errno;
    return false;
  }
  // One byte more than the size: a read that comes back short has met the
  // end, and a file that grew meanwhile is still read whole.
  out->resize(qsizetype(st.st_size) + 1);
  qsizetype got = 0;
  for (;;) {
    const ssize_t n = ::pread(m_fd, out->data() + got, size_t(out->size() - got), off_t(got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      *err = errno;
      return false;
    }
    got += n;
    if (n == 0 || got < out->size())
      break;
    out->resize(got + 4096);
  }
  out->truncate(got);
  return true;
}

SaveLock::~SaveLock()
{
  if (m_fd >= 0)
    ::close(m_fd);
}

} // namespace vz
