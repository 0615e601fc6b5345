#pragma once
// a window bound to a data server whose controls learn when the mouse pointer enters and leaves them
// (MOUSEENTER / MOUSEEXIT); every event still reaches the base class.
#include "mousetracker.h"
#include <QWidget>

namespace vz {

class NEWDATAWINDOW : public QWidget {
  Q_OBJECT
public:
  explicit NEWDATAWINDOW(QWidget *parent = nullptr);

  MouseTracker *mouseTracker() const { return m_tracker; }

private:
  MouseTracker *m_tracker;
};

} // namespace vz
