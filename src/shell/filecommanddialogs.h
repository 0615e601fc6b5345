#pragma once
// The file dialogs the problem file commands ask through (the new-problem name
// is asked through the Interaction). The main window has the Qt ones; tests
// answer with a script.
#include <QString>

namespace vz {

class FileCommandDialogs {
public:
  virtual ~FileCommandDialogs() = default;

  // "Aç...": one ".RVD" file, starting in `dataDir`; empty on Cancel.
  virtual QString askOpenFile(const QString &dataDir) = 0;

  struct SaveAsChoice {
    QString path;         // empty on Cancel
    int filterIndex = 1;  // 1 ".RVD", 2 ".VVD" (the filter selected at the end)
  };
  // "Farklı Kaydet": starting with `initialFile`, in `dataDir`.
  virtual SaveAsChoice askSaveAs(const QString &initialFile, const QString &dataDir) = 0;
};

} // namespace vz
