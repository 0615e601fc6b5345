#pragma once
// "Hesap Makinesi" of the entry windows, the manual ration window and the
// report editor: the command in the settings value "VKcalc" when it is set,
// else the first of gnome-calculator, kcalc, mate-calc, galculator and xcalc
// found on PATH. Started through TKTASK; no one waits for it and a failure
// to start is not reported to the user. When there is no calculator at all
// the user is told where to name one.
#include <QString>

namespace vz {

class Interaction;

class CalculatorLauncher {
public:
  // The command line that would be started; empty when there is none.
  static QString command();
  // Starts it and returns at once. Without a command it shows
  // noCalculatorText() through `ui` and starts nothing; a failed start is not
  // reported. Answers false when there was no command or it did not start.
  static bool WIN_HESMAK(Interaction &ui);
  static QString noCalculatorText();
};

} // namespace vz
