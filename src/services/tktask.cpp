#include "services/tktask.h"

#include "platform/fileerror.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace vz {

namespace {

// Every program any TKTASK started, by process id, so that the status stays
// readable after the object that started it is gone.
struct ChildTable {
  struct Status {
    bool ended = false;
    std::uint32_t exitCode = 0;
  };
  std::mutex lock;
  std::map<qint64, Status> children;

  void add(qint64 pid)
  {
    std::lock_guard<std::mutex> guard(lock);
    children[pid] = Status{};
  }

  // Collects the status of one child without blocking; only that child's id
  // is waited for, so nobody else's children are reaped here.
  static void poll(qint64 pid, Status &st)
  {
    if (st.ended)
      return;
    int raw = 0;
    pid_t r;
    do {
      r = ::waitpid(static_cast<pid_t>(pid), &raw, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0)
      return;
    st.ended = true;
    if (r < 0) {
      // Someone else collected it: it has ended, its code is lost.
      st.exitCode = 0;
    } else if (WIFEXITED(raw)) {
      st.exitCode = static_cast<std::uint32_t>(WEXITSTATUS(raw));
    } else if (WIFSIGNALED(raw)) {
      st.exitCode = 128u + static_cast<std::uint32_t>(WTERMSIG(raw));
    }
  }

  // Reaps every ended child, so no zombie waits for a query that never comes.
  void reapAll()
  {
    std::lock_guard<std::mutex> guard(lock);
    for (auto &[pid, st] : children)
      poll(pid, st);
  }

  // {known, status}
  std::pair<bool, Status> status(qint64 pid)
  {
    std::lock_guard<std::mutex> guard(lock);
    auto it = children.find(pid);
    if (it == children.end())
      return {false, Status{}};
    poll(it->first, it->second);
    return {true, it->second};
  }
};

ChildTable &childTable()
{
  static ChildTable table;
  return table;
}

// Splits a command line as a shell would, without expanding anything: blanks
// separate words; '...' and "..." quote ("" inside double quotes is a quote).
QStringList splitCommandLine(const QString &line)
{
  QStringList words;
  QString word;
  bool inWord = false;
  QChar quote;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (!quote.isNull()) {
      if (c == quote) {
        if (quote == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == quote) {
          word += c;
          ++i;
        } else {
          quote = QChar();
        }
      } else {
        word += c;
      }
    } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      quote = c;
      inWord = true;
    } else if (c.isSpace()) {
      if (inWord)
        words.append(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord)
    words.append(word);
  return words;
}

QString errnoText(int code)
{
  return fileErrorReason(code);
}

} // namespace

QString LASTPROCERRORASTEXT()
{
  return errnoText(errno);
}

std::uint32_t MAKELANGID(std::uint32_t primary, std::uint32_t sub)
{
  return (sub << 10) | (primary & 0xFFFFu);
}

TKTASK::TKTASK() = default;
TKTASK::~TKTASK() = default;

void TKTASK::COMMANDLINE(const QString &commandLine)
{
  if (commandLine.isEmpty())
    return;
  m_commandLine = commandLine;
  m_taskName = commandLine;
  m_taskNameFromCommand = true;
}

QString TKTASK::COMMANDLINE() const { return m_commandLine.toUpper(); }

void TKTASK::TASKNAME(const QString &taskName)
{
  if (taskName.isEmpty())
    return;
  m_taskName = taskName;
  m_taskNameFromCommand = false;
}

QString TKTASK::TASKNAME() const { return m_taskNameFromCommand ? m_taskName.toUpper() : m_taskName; }

void TKTASK::TITLE(const QString &title) { m_title = title; }

TKTASK &TKTASK::LAUNCH()
{
  if (m_commandLine.isEmpty())
    return *this;
  QStringList args = splitCommandLine(m_commandLine);
  if (args.isEmpty()) {
    m_errorText = errnoText(ENOENT);
    m_pid = 0;
    m_exitCode = 0;
    return *this;
  }
  const QString program = args.takeFirst();
  return start(program, args);
}

TKTASK &TKTASK::CREATE() { return LAUNCH(); }

TKTASK &TKTASK::LAUNCH1()
{
  if (m_taskName.isEmpty())
    return *this;
  return start(m_taskName, {});
}

TKTASK &TKTASK::start(const QString &program, const QStringList &arguments)
{
  childTable().reapAll();
  m_errorText.clear();

  std::vector<QByteArray> encoded;
  encoded.reserve(arguments.size() + 1);
  encoded.push_back(QFile::encodeName(program));
  for (const QString &a : arguments)
    encoded.push_back(a.toLocal8Bit());
  std::vector<char *> argv;
  for (QByteArray &b : encoded)
    argv.push_back(b.data());
  argv.push_back(nullptr);

  // Its own process group: a Ctrl+C meant for us does not end the program
  // the user started.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attr, 0);
  pid_t pid = 0;
  const int rc = ::posix_spawnp(&pid, argv.front(), nullptr, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);

  if (rc != 0) {
    // A failed start must never look like a running program.
    m_errorText = errnoText(rc);
    m_pid = 0;
    m_exitCode = 0;
    return *this;
  }
  m_pid = pid;
  m_exitCode = 0;
  childTable().add(pid);
  return *this;
}

bool TKTASK::ISTASK()
{
  if (m_pid == 0)
    return false;
  const auto [known, st] = childTable().status(m_pid);
  if (!known)
    return false;
  m_exitCode = st.ended ? st.exitCode : STILL_ACTIVE;
  return m_exitCode != 0;
}

bool TKTASK::STILLRUNNING()
{
  if (m_pid == 0)
    return false;
  const auto [known, st] = childTable().status(m_pid);
  if (!known)
    return false;
  m_exitCode = st.ended ? st.exitCode : STILL_ACTIVE;
  return !st.ended;
}

bool TKTASK::RUNNING() { return STILLRUNNING(); }

std::uint32_t TKTASK::RETURNCODE()
{
  ISTASK();
  return m_exitCode;
}

qint64 TKTASK::TASKID() const { return m_pid; }
qint64 TKTASK::PROCESSID() const { return TASKID(); }
qint64 TKTASK::THREADID() const { return m_pid; }
quintptr TKTASK::HANDLE() const { return static_cast<quintptr>(m_pid); }

QString TKTASK::ERRORTEXT() const { return m_errorText; }

} // namespace vz
