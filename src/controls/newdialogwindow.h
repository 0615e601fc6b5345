#pragma once
// a dialog whose controls learn when the mouse pointer enters and leaves them
// (MOUSEENTER / MOUSEEXIT); every event still reaches the base class.
#include "mousetracker.h"
#include <QDialog>

namespace vz {

class NEWDIALOGWINDOW : public QDialog {
  Q_OBJECT
public:
  explicit NEWDIALOGWINDOW(QWidget *parent = nullptr);

  MouseTracker *mouseTracker() const { return m_tracker; }

private:
  MouseTracker *m_tracker;
};

} // namespace vz
