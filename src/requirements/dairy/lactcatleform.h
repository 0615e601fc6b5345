#pragma once
// The rules of the cow dialog (LACTCATLEDW): eight number edits with their
// ranges, the feeding state that enables at most one of the ratio and gain
// edits (a disabled one holds blanks), the focus steering away from an edit the
// state does not use, and the two warnings of OK.
#include "dairyeditform.h"
#include "dairyinputs.h"

#include <QString>
#include <optional>

namespace vz {

class LactCatleForm : public DairyEditForm {
public:
  enum Edit {
    SLEENECONS, SLECANAG, SLESUTVER, SLESYAGTEST, SLEGEBGUN, SLEGEBSAY, SLEENIHKAROR, SLEISTAGKAZ
  };
  // Where the focus goes: an edit (0..7), the first feeding-state button, or
  // nowhere new.
  static constexpr int FocusUnchanged = -1;
  static constexpr int FocusRadioButton1 = -2;

  LactCatleForm();

  int feedState() const { return m_state; }
  // A feeding-state button (1..3) was clicked; returns where the focus goes.
  int clickFeedState(int state);
  // An edit gained the focus; returns where the focus must move on to.
  int enterEdit(int edit) const;

  struct Outcome {
    bool close = false;
    LactCatleInput values;  // copied from the edits even when the dialog stays
    QString warning;        // shown (caption "Uyarı...") when not empty
    int focus = FocusUnchanged;
  };
  // OK with the focus in `focusedEdit` (-1: none).
  Outcome accept(int focusedEdit);

private:
  int m_state = 1;
};

} // namespace vz
