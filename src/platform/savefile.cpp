#include "savefile.h"

#include "fileerror.h"

#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

// The mark of our temporary files: a leading dot, the target's name, six
// random letters or digits and this suffix. No user names a file so, so the
// clean-up can never take a user's "P.RVD.backup" or "P.RVD.202612".
constexpr char kSuffix[] = ".vzsave";
constexpr qsizetype kSuffixLength = sizeof(kSuffix) - 1;
constexpr qsizetype kRandomLength = 6;

bool fail(QString *error, int err)
{
  if (error)
    *error = fileErrorReason(err);
  return false;
}

QByteArray folderOf(const QByteArray &path)
{
  const qsizetype slash = path.lastIndexOf('/');
  return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
  return path.mid(path.lastIndexOf('/') + 1);
}

bool sameFile(int fd, const QByteArray &path)
{
  struct stat held, named;
  return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
         && held.st_ino == named.st_ino;
}

// Writes every byte from `at` on, retrying short writes; a short write on a
// full disk or over the file-size limit comes back as an error on the next
// call.
bool writeAll(int fd, const QByteArray &content, int *err)
{
  const char *p = content.constData();
  qsizetype left = content.size();
  off_t at = 0;
  while (left > 0) {
    const ssize_t n = ::pwrite(fd, p, size_t(left), at);
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
    at += n;
  }
  return true;
}

// Sets the file's bytes to `content` and its length to match, and syncs.
bool replaceContent(int fd, const QByteArray &content, int *err)
{
  if (!writeAll(fd, content, err))
    return false;
  if (::ftruncate(fd, off_t(content.size())) != 0 || ::fsync(fd) != 0) {
    *err = errno;
    return false;
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

// Follows symbolic links to the file they end at, which need not exist yet:
// a save through a link writes the linked file and leaves the link alone.
// `end` gets that file's status, as stat() gives it, and `endErr` 0, or the
// errno of a file that is not there.
// `known`, when given, is the first lstat() of `path`, taken by the caller.
bool followLinks(QByteArray *path, struct stat *end, int *endErr, int *err, const struct stat *known)
{
  for (int hops = 0; hops < 40; ++hops) {
    struct stat &st = *end;
    if (hops == 0 && known) {
      st = *known;
    } else if (::lstat(path->constData(), &st) != 0) {
      *endErr = errno;
      return true;
    }
    *endErr = 0;
    if (!S_ISLNK(st.st_mode))
      return true;
    QByteArray to(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink(path->constData(), to.data(), size_t(to.size()));
    if (n < 0 || n == to.size()) {
      *err = n < 0 ? errno : ENAMETOOLONG;
      return false;
    }
    to.truncate(n);
    *path = to.startsWith('/') ? to : folderOf(*path) + '/' + to;
  }
  *err = ELOOP;
  return false;
}

// A temporary file of ours beside the target, locked from its creation until
// it is renamed or removed, so that no other save's clean-up takes it.
class Temporary
{
public:
  ~Temporary()
  {
    if (m_fd < 0)
      return;
    if (!m_renamed)
      ::unlink(m_path.constData());
    ::close(m_fd);
  }

  bool create(const QByteArray &dir, const QByteArray &name, int *err)
  {
    for (int attempt = 0; attempt < 100; ++attempt) {
      QByteArray path = dir + "/." + name + '.' + QByteArray(kRandomLength, 'X') + kSuffix;
      const int fd = ::mkostemps(path.data(), int(kSuffixLength), O_CLOEXEC);
      if (fd < 0) {
        *err = errno;
        return false;
      }
      // Where the file system keeps no locks, no clean-up can lock the file
      // either, and so none removes it.
      while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
      }
      // A clean-up may have taken the file between its creation and our
      // lock: then it is gone, and another name is tried.
      if (sameFile(fd, path)) {
        m_fd = fd;
        m_path = path;
        return true;
      }
      ::close(fd);
    }
    *err = EEXIST;
    return false;
  }

  int fd() const { return m_fd; }

  // The handle of the file it was renamed to, now the caller's to close.
  int release()
  {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
  }

  // Renames the temporary over `target`; it is no longer ours then, but it
  // stays locked until this object ends.
  bool renameTo(const QByteArray &target, int *err)
  {
    if (::rename(m_path.constData(), target.constData()) != 0) {
      *err = errno;
      return false;
    }
    m_renamed = true;
    return true;
  }

private:
  int m_fd = -1;
  QByteArray m_path;
  bool m_renamed = false;
};

// Removes temporaries of `name` that no save holds: those a killed save left.
// Only names of our own shape are looked at, only regular files are taken,
// and only one this clean-up could lock.
void removeStaleTemporaries(const QByteArray &dir, const QByteArray &name)
{
  DIR *folder = ::opendir(dir.constData());
  if (!folder)
    return;
  const QByteArray prefix = '.' + name + '.';
  while (const dirent *e = ::readdir(folder)) {
    const QByteArray entry(e->d_name);
    if (entry.size() != prefix.size() + kRandomLength + kSuffixLength || !entry.startsWith(prefix)
        || !entry.endsWith(kSuffix))
      continue;
    bool random = true;
    for (qsizetype i = prefix.size(); i < prefix.size() + kRandomLength; ++i)
      random = random && std::isalnum(static_cast<unsigned char>(entry.at(i)));
    if (!random)
      continue;
    const QByteArray path = dir + '/' + entry;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
      continue;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, path))
      ::unlink(path.constData());
    ::close(fd);
  }
  ::closedir(folder);
}

// The file itself takes the new content: its new size is reserved before
// the first byte changes, so a file-size limit or a full disk fails the save
// cleanly, and should a write fail after that, the old bytes and length go
// back.
bool writeInPlace(const QByteArray &target, const QByteArray &content, QString *error)
{
  const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0)
    return fail(error, errno);
  int err = 0;
  QByteArray old;
  if (!readWholeFile(fd, &old, &err)) {
    ::close(fd);
    return fail(error, err);
  }
  if (!content.isEmpty()) {
    err = ::posix_fallocate(fd, 0, off_t(content.size()));
    if (err != 0) {
      // Where the file system cannot reserve, the C library writes zeros
      // past the end, and may have grown the file before it failed.
      struct stat st;
      if (::fstat(fd, &st) == 0 && st.st_size != off_t(old.size()))
        (void)::ftruncate(fd, off_t(old.size()));
      ::close(fd);
      return fail(error, err);
    }
  }
  if (replaceContent(fd, content, &err)) {
    ::close(fd);
    return true;
  }
  int backErr = 0;
  const bool restored = replaceContent(fd, old, &backErr);
  ::close(fd);
  if (error) {
    *error = fileErrorReason(err);
    if (!restored)
      *error += QStringLiteral("; eski içerik de geri yazılamadı: ") + fileErrorReason(backErr);
  }
  return false;
}

} // namespace

bool readWholeFile(int fd, QByteArray *out, int *err, qsizetype size)
{
  struct stat st;
  if (size < 0 && ::fstat(fd, &st) != 0) {
    *err = errno;
    return false;
  }
  // One byte more than the size: a read that comes back short has met the
  // end, and a file that grew meanwhile is still read whole.
  out->resize((size < 0 ? qsizetype(st.st_size) : size) + 1);
  qsizetype got = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, out->data() + got, size_t(out->size() - got), off_t(got));
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

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error)
{
  return writeFileAtomically(path, content, error, nullptr);
}

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error, int *replaced)
{
  return writeFileAtomically(path, content, error, replaced, nullptr);
}

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error, int *replaced,
                         const struct stat *known)
{
  if (replaced)
    *replaced = -1;
  ignoreFileSizeSignal();
  QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
  int err = 0;
  // The status of the file the links end at, which is no link: what stat()
  // would give, without asking again.
  struct stat old;
  int oldErr = 0;
  if (!followLinks(&target, &old, &oldErr, &err, known))
    return fail(error, err);
  const QByteArray dir = folderOf(target);

  const bool exists = oldErr == 0;
  if (!exists && oldErr != ENOENT)
    return fail(error, oldErr);
  if (exists) {
    if (S_ISDIR(old.st_mode))
      return fail(error, EISDIR);
    // A file without write permission stays as it is, even where its folder
    // would let a rename replace it; root, who may write anything, is held to
    // the permission bits.
    const bool noWriteBits = (old.st_mode & 0222) == 0;
    if (noWriteBits || ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0) {
      if (!noWriteBits && errno != EACCES && errno != EPERM)
        return fail(error, errno);  // a read-only file system, say
      if (error)
        *error = readOnlyFileReason();
      return false;
    }
  }
  removeStaleTemporaries(dir, nameOf(target));

  Temporary temporary;
  if (!temporary.create(dir, nameOf(target), &err)) {
    // A shared folder may let the user change its files but not add new ones.
    if ((err == EACCES || err == EPERM) && exists)
      return writeInPlace(target, content, error);
    return fail(error, err);
  }
  // Keep the permissions of the file being replaced, or the usual ones for a
  // new file.
  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (!writeAll(temporary.fd(), content, &err))
    return fail(error, err);
  (void)::fchmod(temporary.fd(), mode);
  if (::fsync(temporary.fd()) != 0)
    return fail(error, errno);
  if (!temporary.renameTo(target, &err))
    return fail(error, err);
  // The rename itself lives in the folder; sync it too where the folder allows.
  const int dfd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  if (replaced)
    *replaced = temporary.release();
  return true;
}

} // namespace vz
