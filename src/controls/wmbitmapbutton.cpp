#include "wmbitmapbutton.h"

#include <QPainter>

namespace vz {

WMBITMAPBUTTON::WMBITMAPBUTTON(QWidget *owner) : QPushButton(owner)
{
  setFocusPolicy(Qt::TabFocus);
  // Owner-drawn: never the dialog's default button, Enter is not its key.
  setAutoDefault(false);
  setDefault(false);
  connect(this, &QAbstractButton::pressed, this, [this] { setState(true); });
  connect(this, &QAbstractButton::released, this, [this] { setState(false); });
}

void WMBITMAPBUTTON::setPictures(const QPixmap &up, const QPixmap &down)
{
  m_up = up;
  m_downPicture = down;
  update();
}

void WMBITMAPBUTTON::setState(bool pressed)
{
  if (m_twoState) {
    if (pressed) {
      if (!m_down)
        m_inState = m_down = true;
    } else if (m_inState) {
      m_inState = false;  // the latching click ends; the button stays down
    } else {
      m_down = false;
    }
  } else {
    m_down = pressed;
  }
  update();
}

void WMBITMAPBUTTON::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  p.fillRect(rect(), palette().button());
  const QPixmap &picture = m_down ? m_downPicture : m_up;
  if (!picture.isNull())
    p.drawPixmap(0, 0, picture);
}

} // namespace vz
