#pragma once
// The main window's interaction: QtInteraction with the shell's own dialogs
// (the log-on against the users table).
#include "problem/ui/qtinteraction.h"

namespace vz {

class ShellInteraction : public QtInteraction {
public:
  using QtInteraction::QtInteraction;
  LogOnAnswer logOn(const QString &caption = QString()) override;
};

} // namespace vz
