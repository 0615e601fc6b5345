#include "savelock.h"

#include "savefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

// The lock's byte: far past any data, so it neither meets the sessions'
// flock nor anyone's records.
struct flock lockByte(short type)
{
  struct flock fl = {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = off_t(1) << 40;
  fl.l_len = 1;
  return fl;
}

} // namespace

// An open-file-description write lock on the byte above. A save renames a
// new file over the old, so a waiter that wakes on the replaced file tries
// again on the new one.
SaveLock::SaveLock(const QString &path)
{
  lockOpened(QFile::encodeName(path));
}

SaveLock::SaveLock(const QString &path, int fd, HeldFile held)
{
  const QByteArray name = QFile::encodeName(path);
  // A handle opened read-only takes no write lock: the path is opened then.
  if (fd >= 0 && lockHandle(fd)) {
    if (holdsNamedFile(fd, name, held)) {
      m_fd = fd;
      m_borrowed = true;
      return;
    }
    const struct flock fl = lockByte(F_UNLCK);
    ::fcntl(fd, F_OFD_SETLK, &fl);
  }
  lockOpened(name);
}

void SaveLock::lockOpened(const QByteArray &name)
{
  for (int attempt = 0; attempt < 100; ++attempt) {
    m_fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
      m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
      return;
    if (!lockHandle(m_fd)) {
      ::close(m_fd);
      m_fd = -1;
      return;
    }
    if (holdsNamedFile(m_fd, name))
      return;
    ::close(m_fd);
    m_fd = -1;
  }
}

bool SaveLock::lockHandle(int fd)
{
  const struct flock fl = lockByte(F_WRLCK);
  int rc;
  do
    rc = ::fcntl(fd, F_OFD_SETLKW, &fl);
  while (rc != 0 && errno == EINTR);
  return rc == 0;
}

bool SaveLock::holdsNamedFile(int fd, const QByteArray &name, HeldFile held)
{
  if (!held.known) {
    struct stat st;
    if (::fstat(fd, &st) != 0)
      return false;
    held = {true, st.st_dev, st.st_ino};
  }
  // The path naming the handle's file gives that file's size too; looked
  // at without following a link first, which the save's write asks again.
  struct stat now;
  if (::lstat(name.constData(), &m_status) != 0)
    return false;
  if (S_ISLNK(m_status.st_mode)) {
    if (::stat(name.constData(), &now) != 0)
      return false;
  } else {
    now = m_status;
  }
  if (held.ino == now.st_ino && held.dev == now.st_dev) {
    m_size = qsizetype(now.st_size);
    return true;
  }
  return false;
}

bool SaveLock::readAll(QByteArray *out, int *err) const
{
  return readWholeFile(m_fd, out, err, m_size);
}

void SaveLock::handOver()
{
  if (m_borrowed)
    m_fd = -1;
}

SaveLock::~SaveLock()
{
  if (m_fd < 0)
    return;
  if (m_borrowed) {
    const struct flock fl = lockByte(F_UNLCK);
    ::fcntl(m_fd, F_OFD_SETLK, &fl);
  } else {
    ::close(m_fd);
  }
}

} // namespace vz
