// The program's start against a bare Qt window (QT_QPA_PLATFORM=offscreen):
// wall time from the start of the process to its end right after the main
// window was shown (VZ_BENCH_QUIT_WHEN_SHOWN), and the peak resident memory.
// Medians of the runs.
//   bench_startup [runs] [program]   (program: another build's vesk_zyr)
// Lines: the first start (no users table yet) and an ordinary start, both
// with splash, tip and log-on off.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
  double ms = 0;
  double mib = 0;
};

Run runOnce(const QString &program, const QStringList &environment)
{
  const QByteArray path = QFile::encodeName(program);
  std::vector<QByteArray> env;
  for (const QString &e : environment)
    env.push_back(e.toLocal8Bit());
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char *> envp;
    for (QByteArray &e : env)
      envp.push_back(e.data());
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(path.constData()), nullptr};
    const int devnull = ::open("/dev/null", O_WRONLY);
    dup2(devnull, 1);
    dup2(devnull, 2);
    execve(path.constData(), argv, envp.data());
    _exit(127);
  }
  int status = 0;
  struct rusage usage = {};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  Run r;
  r.ms = std::chrono::duration<double, std::milli>(end - start).count();
  r.mib = double(usage.ru_maxrss) / 1024.0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    r.ms = -1;
  return r;
}

double median(std::vector<double> v)
{
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const int runs = args.size() > 1 ? std::max(3, args.at(1).toInt()) : 9;
  const QString program = args.size() > 2 ? args.at(2) : QStringLiteral(VZ_PROGRAM);
  QTextStream out(stdout);

  QTemporaryDir scratch;
  const QString home = scratch.path();
  const QString config = home + QStringLiteral("/config");
  const QString runtime = home + QStringLiteral("/run");
  QDir().mkpath(config + QStringLiteral("/Tervolu"));
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString programDir = home + QStringLiteral("/Vesk_Zyr");
  QDir().mkpath(programDir + QStringLiteral("/Data"));
  {
    QFile settings(config + QStringLiteral("/Tervolu/VKSetings.conf"));
    settings.open(QIODevice::WriteOnly);
    settings.write("[General]\nVKpath=" + QFile::encodeName(programDir)
                   + "\nVKldlg=0\nVKlstrt=0\nVKlogo=0\nVKlatip=\" 0\"\n");
  }
  const QStringList environment{
      QStringLiteral("QT_QPA_PLATFORM=offscreen"), QStringLiteral("XDG_CONFIG_HOME=") + config,
      QStringLiteral("XDG_RUNTIME_DIR=") + runtime, QStringLiteral("HOME=") + home,
      QStringLiteral("VZ_BENCH_QUIT_WHEN_SHOWN=1"), QStringLiteral("PATH=/usr/bin:/bin")};
  const QString users = programDir + QStringLiteral("/KULLANICIID.DBF");

  struct Line {
    const char *name;
    bool firstStart;
    std::vector<double> ms, mib, bareMs, bareMib;
  };
  Line lines[] = {{"first start (no users table)", true, {}, {}, {}, {}},
                  {"start, splash and tip off", false, {}, {}, {}, {}}};
  // Interleaved, so that a slow spell of the machine weighs on both sides.
  for (int i = 0; i < runs; ++i) {
    for (Line &line : lines) {
      const Run bare = runOnce(QStringLiteral(VZ_BAREWINDOW), environment);
      if (line.firstStart)
        QFile::remove(users);
      const Run ours = runOnce(program, environment);
      if (ours.ms < 0 || bare.ms < 0) {
        out << "a run failed: " << program << '\n';
        return 1;
      }
      line.ms.push_back(ours.ms);
      line.mib.push_back(ours.mib);
      line.bareMs.push_back(bare.ms);
      line.bareMib.push_back(bare.mib);
    }
  }
  out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
             .arg(QStringLiteral("case"), -30)
             .arg(QStringLiteral("ours ms"), 9)
             .arg(QStringLiteral("bare ms"), 9)
             .arg(QStringLiteral("ratio"), 6)
             .arg(QStringLiteral("ours MiB"), 9)
             .arg(QStringLiteral("bare MiB"), 9)
             .arg(QStringLiteral("ratio"), 6);
  for (const Line &line : lines) {
    const double ms = median(line.ms), bareMs = median(line.bareMs);
    const double mib = median(line.mib), bareMib = median(line.bareMib);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QLatin1String(line.name), -30)
               .arg(ms, 9, 'f', 1)
               .arg(bareMs, 9, 'f', 1)
               .arg(ms / bareMs, 6, 'f', 2)
               .arg(mib, 9, 'f', 1)
               .arg(bareMib, 9, 'f', 1)
               .arg(mib / bareMib, 6, 'f', 2);
  }
  return 0;
}
