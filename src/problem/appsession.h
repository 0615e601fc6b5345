#pragma once
// What the whole program shares while it runs: the program directory (from the
// settings), the one open ration problem and its file, and the current report
// file (the last report written, which "Editörde Gözlem" opens).
#include "rationproblem.h"
#include <QString>

namespace vz {

class ProblemFile;

class AppSession {
public:
  static AppSession &instance();

  QString programDir() const { return m_programDir; }
  void setProgramDir(const QString &dir) { m_programDir = dir; }
  QString dataDir() const;  // programDir + "/Data"

  RationProblem &problem() { return m_problem; }

  // The open problem file; null when no problem is open.
  ProblemFile *problemFile() const { return m_file; }
  void setProblemFile(ProblemFile *file) { m_file = file; }
  bool isProblemOpen() const { return m_file != nullptr; }

  QString currentReportFile() const { return m_currentReport; }
  void setCurrentReportFile(const QString &path) { m_currentReport = path; }

  // The three start-up options as the "&Başlarken" toggles stand now (set from
  // the settings at start; what a toggle stores takes effect at the next start).
  struct StartupMarks {
    bool tip = false;     // "&Tüyo Göster"
    bool splash = false;  // "&Logo Göster"
    bool logOn = false;   // "Ad ve &Parola Sor"
  };
  StartupMarks startupMarks() const { return m_marks; }
  void setStartupMarks(const StartupMarks &marks) { m_marks = marks; }

  // KULL_ID of the user who logged on at start (20 characters, as stored);
  // empty when the run began without a log-on.
  QString loggedOnUserId() const { return m_userId; }
  void setLoggedOnUserId(const QString &id) { m_userId = id; }

private:
  QString m_programDir;
  RationProblem m_problem;
  ProblemFile *m_file = nullptr;
  QString m_currentReport;
  StartupMarks m_marks;
  QString m_userId;
};

} // namespace vz
