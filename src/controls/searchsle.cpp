#include "searchsle.h"

#include "editbuttonpictures.h"

#include <QMouseEvent>

namespace vz {

SEARCHPB::SEARCHPB(QWidget *owner, SEARCHSLE *edit) : WMBITMAPBUTTON(owner), m_edit(edit)
{
  // No tab stop of its own: Tab goes from the edit to the next control.
  setFocusPolicy(Qt::ClickFocus);
  setPictures(magnifierButtonPicture(false), magnifierButtonPicture(true));
  setAccessibleName(QStringLiteral("Ara"));
  setToolTip(QStringLiteral("Ara"));
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (m_edit && !m_edit->isReadOnly())
      m_edit->MOUSEBUTTONDOUBLECLICK();
  });
}

SEARCHSLE::SEARCHSLE(QWidget *owner) : RIGHTSLE(owner), m_button(new SEARCHPB(this, this))
{
  attachCompanionButton(m_button);
}

void SEARCHSLE::MOUSEBUTTONDOUBLECLICK()
{
  emit search(this, text());
}

void SEARCHSLE::mouseDoubleClickEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton) {
    event->accept();
    MOUSEBUTTONDOUBLECLICK();
    return;
  }
  RIGHTSLE::mouseDoubleClickEvent(event);
}

} // namespace vz
