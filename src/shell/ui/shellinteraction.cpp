#include "shellinteraction.h"

#include "logondialog.h"

namespace vz {

LogOnAnswer ShellInteraction::logOn(const QString &caption)
{
  LOGONDIALOG dialog(owner(), caption);
  dialog.exec();
  return {dialog.LOGONOK(), dialog.LOGONID(), dialog.refused()};
}

} // namespace vz
