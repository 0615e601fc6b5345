#pragma once
// The please-wait box: a small window without buttons or close box that a long
// task shows before it starts and removes when it ends (on every way
// out). There is one slot for it: showing a second box removes the first, and
// removing it when none is shown does nothing.
#include "controls/newdialogwindow.h"

class QLabel;

namespace vz {

class ACTALERT : public NEWDIALOGWINDOW {
  Q_OBJECT
public:
  explicit ACTALERT(QWidget *owner);

  QLabel *FixedText1() const { return m_text; }

private:
  QLabel *m_text;
};

// Creates the box over `owner`, centred, and lets it paint before returning.
void AALERT(QWidget *owner);
// Removes the box in the slot at once; nothing when the slot is empty.
void destroyPleaseWait();
// The box now shown, or null.
ACTALERT *pleaseWaitBox();

} // namespace vz
