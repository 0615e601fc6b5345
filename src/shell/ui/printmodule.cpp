#include "printmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vz {

namespace {

struct PrintModule {
  QString path;  // empty: the program's own
  bool tried = false;
  const PrintEntries *entries = nullptr;
  QString error;
};

PrintModule &printModuleState()
{
  static PrintModule module;
  return module;
}

} // namespace

QString printModulePath()
{
  const QString &set = printModuleState().path;
  return set.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VZ_PRINT_MODULE_NAME))
                       : set;
}

void setPrintModulePath(const QString &path)
{
  // A module loaded before stays loaded: printers it made may still be held.
  printModuleState() = PrintModule{path, false, nullptr, QString()};
}

const PrintEntries *printModule(QString *error)
{
  PrintModule &module = printModuleState();
  if (!module.tried) {
    // Tried once: a missing module stays missing for the rest of the run.
    module.tried = true;
    QLibrary library(printModulePath());
    const auto entry = reinterpret_cast<PrintEntriesEntry>(library.resolve(PrintEntriesName));
    module.entries = entry ? entry() : nullptr;
    if (!module.entries)
      module.error = library.errorString();
  }
  if (error)
    *error = module.error;
  return module.entries;
}

} // namespace vz
