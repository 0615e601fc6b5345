#include "savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

QString reason(int err)
{
  return QString::fromLocal8Bit(std::strerror(err));
}

bool fail(QString *error, int err)
{
  if (error)
    *error = reason(err);
  return false;
}

// Writes every byte, retrying short writes; a short write on a full disk or
// over the file-size limit comes back as an error on the next call.
bool writeAll(int fd, const QByteArray &content, int *err)
{
  const char *p = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n < 0) {
      if (errno == EINTR)
        continue;
      *err = errno;
      return false;
    }
    if (n == 0) {
      *err = ENOSPC;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

// A write past the file-size limit raises SIGXFSZ, which would end the
// program; we want the EFBIG instead.
void ignoreFileSizeSignal()
{
  static const bool done = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
  }();
  (void)done;
}

// A save killed between creating its temporary file and renaming it leaves
// "NAME.XXXXXX" behind; only names of exactly that shape are taken.
void removeStaleTemporaries(const QString &dir, const QString &name)
{
  const QRegularExpression shape(QStringLiteral("^") + QRegularExpression::escape(name)
                                 + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
  const QStringList found = QDir(dir).entryList({name + QStringLiteral(".??????")},
                                                QDir::Files | QDir::Hidden | QDir::System);
  for (const QString &f : found)
    if (shape.match(f).hasMatch())
      QFile::remove(dir + QLatin1Char('/') + f);
}

bool writeInPlace(const QByteArray &target, const QByteArray &content, QString *error)
{
  const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
  if (fd < 0)
    return fail(error, errno);
  int err = 0;
  bool ok = writeAll(fd, content, &err);
  if (ok && ::ftruncate(fd, off_t(content.size())) != 0) {
    err = errno;
    ok = false;
  }
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  return ok || fail(error, err);
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error)
{
  ignoreFileSizeSignal();
  const QFileInfo info(path);
  const QString dir = info.absolutePath();
  const QByteArray target = QFile::encodeName(info.absoluteFilePath());
  removeStaleTemporaries(dir, info.fileName());

  QByteArray pattern = target + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    const int err = errno;
    // A shared folder may let the user change its files but not add new ones.
    if ((err == EACCES || err == EPERM) && info.exists() && info.isWritable())
      return writeInPlace(target, content, error);
    return fail(error, err);
  }
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);

  int err = 0;
  bool ok = writeAll(fd, content, &err);
  if (ok) {
    // Keep the permissions of the file being replaced, or the usual ones for
    // a new file.
    struct stat st;
    mode_t mode;
    if (::stat(target.constData(), &st) == 0) {
      mode = st.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
  }
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (ok && ::rename(pattern.constData(), target.constData()) != 0) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(pattern.constData());
    return fail(error, err);
  }
  // The rename itself lives in the folder; sync it too where the folder allows.
  const int dfd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

} // namespace vz
