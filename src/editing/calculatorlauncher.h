#pragma once
// "Hesap Makinesi" of the entry windows, the manual ration window and the
// report editor: the command in the settings value "VKcalc" when it is set,
// else the first of gnome-calculator, kcalc, mate-calc, galculator and xcalc
// found on PATH. Started through TKTASK; no one waits for it and a failure
// to start is not reported to the user.
#include <QString>

namespace vz {

class CalculatorLauncher {
public:
  // The command line that would be started; empty when there is none.
  static QString command();
  // Starts it and returns at once; does nothing when there is no command.
  // Never reports anything; answers false when there was no command or it
  // did not start.
  static bool WIN_HESMAK();
};

} // namespace vz
