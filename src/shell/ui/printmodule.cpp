#include "printmodule.h"

#include "platform/programmodule.h"

namespace vz {

namespace {

ProgramModule &module()
{
  static ProgramModule printing(VZ_PRINT_MODULE_NAME, PrintEntriesName);
  return printing;
}

} // namespace

QString printModulePath()
{
  return module().path();
}

void setPrintModulePath(const QString &path)
{
  module().setPath(path);
}

const PrintEntries *printModule(QString *error)
{
  const auto entry = reinterpret_cast<PrintEntriesEntry>(module().entry(error));
  return entry ? entry() : nullptr;
}

} // namespace vz
