#pragma once
// A date edit with a calendar button at its right end and the Today /
// Calendar context menu. It starts empty; its calendar week starts on
// Sunday.
#include "rightsle.h"
#include "wmbitmapbutton.h"

namespace vz {

class DATESLE;
class PEDATESLECONTEXTMENU;

// The calendar button of DATESLE (id 10101): opens the calendar unless the
// edit is read-only.
class DATEPB : public WMBITMAPBUTTON {
  Q_OBJECT
public:
  static constexpr int Id = 10101;
  DATEPB(QWidget *owner, DATESLE *edit);
  DATESLE *edit() const { return m_edit; }

private:
  DATESLE *m_edit;
};

class DATESLE : public RIGHTSLE {
  Q_OBJECT
public:
  explicit DATESLE(QWidget *owner = nullptr);

  DATEPB *button() const { return m_button; }
  PEDATESLECONTEXTMENU *contextMenu() const { return m_menu; }

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;

private:
  DATEPB *m_button;
  PEDATESLECONTEXTMENU *m_menu;
};

} // namespace vz
