#include "datesle.h"

#include "dlgpecalendar.h"
#include "editbuttonpictures.h"

#include <QContextMenuEvent>
#include <QDate>

namespace vz {

DATEPB::DATEPB(QWidget *owner, DATESLE *edit) : WMBITMAPBUTTON(owner), m_edit(edit)
{
  setPictures(calendarButtonPicture(false), calendarButtonPicture(true));
  setAccessibleName(QStringLiteral("Takvim"));
  setToolTip(QStringLiteral("Takvim"));
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (m_edit && !m_edit->isReadOnly())
      m_edit->COMMAND(RIGHTSLE::CalendarCommand);
  });
}

DATESLE::DATESLE(QWidget *owner)
    : RIGHTSLE(owner), m_button(new DATEPB(this, this)), m_menu(new PEDATESLECONTEXTMENU(this))
{
  attachCompanionButton(m_button);
  setFIELDSPEC(FIELDSPEC::DATEFS());
  connect(m_menu->todayAction(), &QAction::triggered, this, [this] { COMMAND(TodayCommand); });
  connect(m_menu->calendarAction(), &QAction::triggered, this, [this] { COMMAND(CalendarCommand); });
  setVALUE(QDate());
  FIRSTDAYOFTHEWEEK = 1;
}

void DATESLE::contextMenuEvent(QContextMenuEvent *event)
{
  m_menu->popup(event->globalPos());
  event->accept();
}

} // namespace vz
