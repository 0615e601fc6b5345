#pragma once
// Starts another program without waiting for it, and answers later whether it
// still runs and what it returned.
//
// The started program belongs to a process-wide table of ours, not to the
// TKTASK object: dropping the object neither kills the program nor loses its
// status, and the table reaps only the children it started (waitpid on their
// own ids, never on "any child"), so other code's child processes are left
// alone. On Linux the process id also stands for the thread id of the first
// thread and for the process handle.
#include <QString>
#include <QStringList>
#include <cstdint>

namespace vz {

class TKTASK {
public:
  // The code the status queries answer while the program still runs.
  static constexpr std::uint32_t STILL_ACTIVE = 259;

  TKTASK();
  ~TKTASK();  // never stops the started program

  // Stores the command; the accessors answer it in upper case, the launch uses
  // it exactly as given (Linux file names are case-sensitive). An empty text
  // is ignored.
  void COMMANDLINE(const QString &commandLine);
  QString COMMANDLINE() const;
  // Stores the program file that LAUNCH1 starts; an empty text is ignored.
  void TASKNAME(const QString &taskName);
  QString TASKNAME() const;
  // Kept for callers that set a console title; a Linux program has none.
  void TITLE(const QString &title);

  // Starts the command line (program and arguments, split as a shell would
  // without expanding anything) and returns at once. A program that cannot be
  // started raises nothing: ERRORTEXT() then holds the system's reason and the
  // process fields are 0. Without a command line nothing happens.
  TKTASK &LAUNCH();
  TKTASK &CREATE();  // LAUNCH
  // Starts the task name as a program file, without arguments.
  TKTASK &LAUNCH1();

  // Status of the last program started: FALSE when nothing was started;
  // STILLRUNNING/RUNNING are TRUE exactly while it runs. ISTASK is TRUE while
  // it runs and after it ended with a code other than 0.
  bool ISTASK();
  bool STILLRUNNING();
  bool RUNNING();
  // STILL_ACTIVE (259) while it runs, then its exit code (128 + the signal
  // number when a signal ended it); 0 when nothing was started.
  std::uint32_t RETURNCODE();

  qint64 TASKID() const;
  qint64 PROCESSID() const;
  qint64 THREADID() const;
  quintptr HANDLE() const;

  // The reason the last start failed; empty after a successful start.
  QString ERRORTEXT() const;

private:
  TKTASK &start(const QString &program, const QStringList &arguments);

  std::uint32_t m_exitCode = 0;
  QString m_taskName;       // as given to TASKNAME, or the command line as given
  bool m_taskNameFromCommand = false;  // then it is answered in upper case
  QString m_commandLine;    // as given; answered in upper case
  QString m_title;
  QString m_errorText;
  qint64 m_pid = 0;
};

// The reason for the calling thread's last error (errno): Turkish for the
// common causes, as fileErrorReason() gives it.
QString LASTPROCERRORASTEXT();

// A Windows language id: sub << 10 | (primary & 0xFFFF); (0, 1) gives 0x400,
// the user's default language. Never fails. The system texts on Linux follow
// the locale instead, so LASTPROCERRORASTEXT has no use for it.
std::uint32_t MAKELANGID(std::uint32_t primary, std::uint32_t sub);

} // namespace vz
