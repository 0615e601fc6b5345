#pragma once
// A module of the program's own, kept in a file beside the program and
// loaded on first use: code that only some sessions need (the sound device,
// the print system) stays out of every start.
#include <QString>
#include <QtGlobal>

namespace vz {

class ProgramModule {
public:
  // `fileName` in the program's folder, whose entry point is `entryName`.
  ProgramModule(const char *fileName, const char *entryName);

  // The module's file: the one in the program's own folder unless set.
  QString path() const;
  // Another module file (an empty path: the program's own again); the next
  // use loads it. A module loaded before stays loaded: what it made may
  // still be held.
  void setPath(const QString &path);
  // The entry point, the module loaded on the first call; null when the
  // file is missing or is no module of ours. `error`, when given, says why.
  // Tried once: a missing module stays missing for the rest of the run.
  QFunctionPointer entry(QString *error = nullptr);

private:
  const char *m_fileName;
  const char *m_entryName;
  QString m_path;  // empty: the program's own
  bool m_tried = false;
  QFunctionPointer m_entry = nullptr;
  QString m_error;
};

} // namespace vz
