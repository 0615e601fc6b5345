#include "editbuttonpictures.h"

#include <QPainter>

namespace vz {

namespace {

constexpr int Width = 30;
constexpr int Height = 22;

// A button face with its 3-D frame; answers the offset of the picture on it.
int face(QPainter &p, bool down)
{
  const QRect r(0, 0, Width, Height);
  p.fillRect(r, QColor(212, 208, 200));
  const QColor light = down ? QColor(64, 64, 64) : Qt::white;
  const QColor dark = down ? Qt::white : QColor(64, 64, 64);
  p.setPen(light);
  p.drawLine(0, 0, Width - 2, 0);
  p.drawLine(0, 0, 0, Height - 2);
  p.setPen(dark);
  p.drawLine(0, Height - 1, Width - 1, Height - 1);
  p.drawLine(Width - 1, 0, Width - 1, Height - 1);
  return down ? 1 : 0;
}

} // namespace

QPixmap calendarButtonPicture(bool down)
{
  QPixmap pm(Width, Height);
  QPainter p(&pm);
  const int d = face(p, down);
  p.translate(d, d);
  // The leaf, its red head with two rings, and a grid of days.
  const QRect leaf(8, 3, 14, 15);
  p.fillRect(leaf, Qt::white);
  p.fillRect(QRect(leaf.left(), leaf.top(), leaf.width(), 4), QColor(190, 30, 30));
  p.setPen(QColor(60, 60, 60));
  p.drawRect(leaf);
  p.drawLine(11, 2, 11, 4);
  p.drawLine(19, 2, 19, 4);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col)
      p.fillRect(QRect(10 + col * 3, 9 + row * 3, 2, 2), row == 1 && col == 2 ? QColor(30, 90, 170) : QColor(110, 110, 110));
  return pm;
}

QPixmap magnifierButtonPicture(bool down)
{
  QPixmap pm(Width, Height);
  QPainter p(&pm);
  const int d = face(p, down);
  p.translate(d, d);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(200, 225, 250));
  p.drawEllipse(QRectF(9, 3, 10, 10));
  p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(18, 12), QPointF(22, 17));
  return pm;
}

} // namespace vz
