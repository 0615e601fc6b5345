#pragma once
// "Hesap Makinesi" of the entry windows, the manual ration window and the
// report editor: the command in the settings value "VKcalc" when it is set,
// else the first of gnome-calculator, kcalc, mate-calc, galculator and xcalc
// found on PATH. Started through TKTASK; no one waits for it and a failure
// to start is not reported to the user. When there is no calculator at all,
// or the setting names a program that does not exist, the user is told where
// to name one.
#include <QString>

namespace vz {

class Interaction;

class CalculatorLauncher {
public:
  // The command line that would be started; empty when there is none.
  static QString command();
  // Starts it and returns at once. Without a command, or with one whose
  // program does not exist, it shows noCalculatorText() through `ui`; any
  // other failed start is not reported. Answers false when nothing started.
  static bool WIN_HESMAK(Interaction &ui);
  // The message; `command` is the setting's command that named no program.
  static QString noCalculatorText(const QString &command = QString());

private:
  // Whether the first word of `line` is an executable file, by its path or on PATH.
  static bool namesAProgram(const QString &line);
};

} // namespace vz
