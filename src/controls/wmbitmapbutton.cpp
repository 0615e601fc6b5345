#include "wmbitmapbutton.h"

#include <QMouseEvent>
#include <QPainter>

namespace vz {

WMBITMAPBUTTON::WMBITMAPBUTTON(QWidget *owner) : QPushButton(owner)
{
  setFocusPolicy(Qt::TabFocus);
}

void WMBITMAPBUTTON::setPictures(const QPixmap &up, const QPixmap &down)
{
  m_up = up;
  m_down_ = down;
  update();
}

void WMBITMAPBUTTON::mousePressEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton) {
    if (m_twoState) {
      if (!m_down)
        m_inState = m_down = true;
    } else {
      m_down = true;
    }
    update();
  }
  QPushButton::mousePressEvent(event);
}

void WMBITMAPBUTTON::mouseReleaseEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton) {
    if (m_twoState && m_inState)
      m_inState = false;
    else
      m_down = false;
    update();
  }
  QPushButton::mouseReleaseEvent(event);
}

void WMBITMAPBUTTON::paintEvent(QPaintEvent *)
{
  // Drawn at the picture's own size from the top left, clipped to the button.
  QPainter p(this);
  const QPixmap &pic = m_down ? m_down_ : m_up;
  p.fillRect(rect(), palette().button());
  if (!pic.isNull())
    p.drawPixmap(0, 0, pic);
  if (hasFocus()) {
    p.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

} // namespace vz
