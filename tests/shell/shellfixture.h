#pragma once
// Shared pieces of the shell tests: a scratch program directory with its Data
// folder, the settings key, scripted file dialogs and a small problem.
#include "problem/appsession.h"
#include "problem/problemfile.h"
#include "problem/rationproblem.h"
#include "services/class_hklm.h"
#include "shell/filecommanddialogs.h"

#include <QDir>
#include <QFile>
#include <QQueue>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace vz::test {

struct ScriptedFileDialogs : FileCommandDialogs {
  QQueue<QString> openAnswers;       // default: Cancel
  QQueue<SaveAsChoice> saveAsAnswers;  // default: Cancel
  QStringList asked;                 // "open <dir>", "saveas <initial> <dir>"

  QString askOpenFile(const QString &dataDir) override
  {
    asked.append(QStringLiteral("open ") + dataDir);
    return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
  }
  SaveAsChoice askSaveAs(const QString &initialFile, const QString &dataDir) override
  {
    asked.append(QStringLiteral("saveas ") + initialFile + QLatin1Char(' ') + dataDir);
    return saveAsAnswers.isEmpty() ? SaveAsChoice() : saveAsAnswers.dequeue();
  }
};

inline void writeSetting(const QString &name, const QString &value)
{
  CLASS_HKLM registry;
  registry.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
  registry.WRITESTRING(QString(), name, value);
}

inline void clearSettings()
{
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QFile::remove(config + QStringLiteral("/Tervolu/VKSetings.conf"));
}

inline QString num(double v, int decimals)
{
  return QString::number(v, 'f', decimals).rightJustified(11);
}

// `feeds` feedstuffs and `nutrients` nutrients with a full matrix.
inline void fillProblem(RationProblem &p, int feeds, int nutrients)
{
  p.feeds.clear();
  p.nutrients.clear();
  p.matrix.clear();
  for (int j = 0; j < feeds; ++j)
    p.feeds.append({QStringLiteral("YEM%1").arg(j + 1).leftJustified(15), num(0.2 + j, 3),
                    QString(11, QLatin1Char(' ')), QString(11, QLatin1Char(' ')), QString(11, QLatin1Char(' '))});
  for (int i = 0; i < nutrients; ++i) {
    p.nutrients.append({(i == 0 ? QStringLiteral("KMT") : QStringLiteral("BM%1").arg(i)).leftJustified(15),
                        QStringLiteral("Kg").rightJustified(11), QString(11, QLatin1Char(' ')),
                        num(i == 0 ? 10 : 1, 4), QString(11, QLatin1Char(' '))});
    QStringList row;
    for (int j = 0; j < feeds; ++j)
      row.append(num(i == 0 ? 1.0 : 0.1 * (j + 1), 4));
    p.matrix.append(row);
  }
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  p.changed.feedNames = p.changed.nutrientNames = p.changed.matrix = true;
}

// Closes whatever problem a previous case left open.
inline void closeSessionProblem()
{
  AppSession &s = AppSession::instance();
  if (ProblemFile *f = s.problemFile()) {
    f->close();
    s.setProblemFile(nullptr);
    delete f;
  }
  s.problem().reset();
  s.setCurrentReportFile(QString());
}

} // namespace vz::test
