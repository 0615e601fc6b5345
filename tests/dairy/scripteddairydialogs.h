#pragma once
// Answers the dairy model's dialogs from a script and records which were shown.
#include "requirements/dairy/dairyinputprovider.h"

#include <QStringList>

namespace vz::test {

class ScriptedDairyDialogs : public DairyInputProvider {
public:
  STipiSecResult type;  // NSTIPI 0: the type dialog is cancelled
  std::optional<GrowCatleInput> growing;
  std::optional<LactCatleInput> cow;
  std::optional<MatBulInput> bull;
  QStringList shown;
  int modeSeen = -999;

  STipiSecResult askType(int mode) override
  {
    shown.append(QStringLiteral("STIPISECW"));
    modeSeen = mode;
    return type;
  }
  std::optional<GrowCatleInput> askGrowing() override
  {
    shown.append(QStringLiteral("GROWCATLEDW"));
    return growing;
  }
  std::optional<LactCatleInput> askCow() override
  {
    shown.append(QStringLiteral("LACTCATLEDW"));
    return cow;
  }
  std::optional<MatBulInput> askBull() override
  {
    shown.append(QStringLiteral("MATBULDW"));
    return bull;
  }
};

} // namespace vz::test
