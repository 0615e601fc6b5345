#pragma once
// "Hesap Makinesi" of the entry windows: the command in the settings value
// "VKcalc" when it is set, else the first of gnome-calculator, kcalc,
// mate-calc, galculator and xcalc found on PATH. Started through TKTASK; no
// one waits for it and a failure to start is not reported.
#include <QString>

namespace vz {

class CalculatorLauncher {
public:
  // The command line that would be started; empty when there is none.
  static QString command();
  // Starts it and returns at once; does nothing when there is no command.
  // Never reports anything.
  static void WIN_HESMAK();
};

} // namespace vz
