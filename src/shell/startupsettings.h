#pragma once
// The settings the program reads once at start (RSTATUSLAST) from its settings
// key "Software\Tervolu\VKSetings" (through CLASS_HKLM: the user's
// Tervolu/VKSetings.conf). Options are the string "1" (on); anything else,
// or a missing value, is off.
#include <QString>

namespace vz {

struct StartupSettings {
  QString programDir;     // "VKpath", trimmed at both ends; empty = not installed
  QString programDrive;   // programDir up to and including its first ':'; usually empty here
  bool logOnAtStart = false;  // "VKldlg"
  bool tipAtStart = false;    // "VKlstrt"
  bool splashAtStart = false; // "VKlogo"
  unsigned lastTip = 0;       // "VKlatip"; 0 when missing or not a number

  // Reads every value; never fails (missing values give the defaults above).
  static StartupSettings read();
  // Returns false when the program directory is empty.
  bool isInstalled() const { return !programDir.isEmpty(); }
};

// The writers of the "&Başlarken" toggles and of the tip window: each stores
// one value in the settings key ("1"/"0"; the tip number as text of width 2,
// right-aligned) and answers false, with the reason in `why` (when given),
// when the settings could not be written.
// What they store takes effect at the next start.
bool STARTUPTIPCONT(bool on, QString *why = nullptr);     // "VKlstrt"
bool STARTLOGOSHOWCONT(bool on, QString *why = nullptr);  // "VKlogo"
bool STARTLOGONCONT(bool on, QString *why = nullptr);     // "VKldlg"
bool LASTTIPCONT(unsigned n, QString *why = nullptr);     // "VKlatip"

} // namespace vz
