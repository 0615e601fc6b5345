#pragma once
// The rules of the animal and report type dialog (STIPISECW): the growing
// animal and the summary report are preselected; in rows mode (1) the report
// choice is withheld; in report mode as the menu asks for it (2) the bull
// forces the summary, because a bull has no protein detail. No call fails;
// an unknown type number is ignored.
#include "dairyinputs.h"

namespace vz {

class STipiSecForm {
public:
  enum Type { Growing = 1, Cow = 2, Bull = 3 };

  explicit STipiSecForm(int mode);

  int NDEST() const { return m_mode; }
  int selectedType() const { return m_type; }
  bool detailedSelected() const { return m_detailed; }
  bool reportChoiceEnabled() const { return m_reportEnabled; }

  // A type radio button was clicked (and is now selected).
  void clickType(int type);
  // "Özet" (false) or "Detaylı" (true) was clicked; ignored while disabled.
  void chooseDetailed(bool detailed);

  // OK: NSTIPI from the selected type, NRTIPI 2 when "Detaylı" is selected.
  STipiSecResult accept() const;

private:
  int m_mode;
  int m_type = Growing;
  bool m_detailed = false;
  bool m_reportEnabled = true;
};

} // namespace vz
