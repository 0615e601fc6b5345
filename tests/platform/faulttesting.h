#pragma once
// Faults as a user's machine puts them on a save, made real rather than
// imitated: a file-size limit, a full disk (a small tmpfs, mounted as root),
// a folder the user may not write (the save runs as "nobody"). Saves under a
// fault run in a child process, so a limit or a lost root never reaches the
// test itself.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <cerrno>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vz::test {

constexpr uid_t NobodyId = 65534;

inline bool isRoot()
{
  return ::geteuid() == 0;
}

inline QByteArray readBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline bool setMode(const QString &path, mode_t mode)
{
  return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// A small tmpfs at `dir` for as long as the object lives.
class SmallTmpfs
{
public:
  SmallTmpfs(const QString &dir, int kib) : m_dir(dir)
  {
    QDir().mkpath(dir);
    m_mounted = isRoot()
                && QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1k,mode=0755").arg(kib), QStringLiteral("tmpfs"), dir})
                       == 0;
  }
  ~SmallTmpfs()
  {
    if (m_mounted)
      QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir});
  }
  SmallTmpfs(const SmallTmpfs &) = delete;
  SmallTmpfs &operator=(const SmallTmpfs &) = delete;
  bool isMounted() const { return m_mounted; }

private:
  QString m_dir;
  bool m_mounted = false;
};

// Writes a file into `dir` until its file system takes no byte more.
inline bool fillUp(const QString &dir)
{
  QFile fill(QDir(dir).filePath(QStringLiteral("fill")));
  if (!fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return false;
  for (const qsizetype block : {qsizetype(4096), qsizetype(1)}) {
    const QByteArray bytes(block, 'f');
    while (fill.write(bytes) == block) {
    }
  }
  return true;
}

// The faults a save is put under in the child, just before it writes.
inline bool becomeNobody()
{
  return ::setgroups(0, nullptr) == 0 && ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0;
}

inline bool limitFileSize(qint64 bytes)
{
  struct rlimit low;
  if (::getrlimit(RLIMIT_FSIZE, &low) != 0)
    return false;
  low.rlim_cur = rlim_t(bytes);
  return ::setrlimit(RLIMIT_FSIZE, &low) == 0;
}

// What a piece of work run in a child answered: its result and its text;
// `skipped` when the child could not take on the fault (e.g. become nobody).
struct ChildAnswer {
  bool finished = false;  // the child ended normally and answered
  bool skipped = false;
  bool ok = false;
  QString text;
};

// The work answers its result and a text; it returns nullopt-like "skip" by
// setting `*skip`. The child ends with _exit, leaving the parent's state.
inline ChildAnswer inChild(const std::function<bool(QString *text, bool *skip)> &work)
{
  ChildAnswer answer;
  int fds[2];
  if (::pipe(fds) != 0)
    return answer;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return answer;
  }
  if (child == 0) {
    ::close(fds[0]);
    QString text;
    bool skip = false;
    const bool ok = work(&text, &skip);
    QByteArray out(1, skip ? 's' : ok ? '1' : '0');
    out += text.toUtf8();
    const char *p = out.constData();
    qsizetype left = out.size();
    while (left > 0) {
      const ssize_t n = ::write(fds[1], p, size_t(left));
      if (n <= 0)
        break;
      p += n;
      left -= n;
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  QByteArray in;
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buf, sizeof buf);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    in.append(buf, n);
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || in.isEmpty())
    return answer;
  answer.finished = true;
  answer.skipped = in.at(0) == 's';
  answer.ok = in.at(0) == '1';
  answer.text = QString::fromUtf8(in.mid(1));
  return answer;
}

} // namespace vz::test
