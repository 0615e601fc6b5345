#include "beeficons.h"

#include <QPainter>
#include <QPainterPath>

namespace vz::beef {

namespace {

QPixmap canvas()
{
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  return pm;
}

QIcon animalIcon()
{
  QPixmap pm = canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(80, 50, 30), 1));
  p.setBrush(QColor(150, 100, 60));
  p.drawEllipse(QRectF(3, 4, 10, 9));
  p.drawLine(QPointF(4, 5), QPointF(1, 2));
  p.drawLine(QPointF(12, 5), QPointF(15, 2));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(5.5, 7, 1.5, 1.5));
  p.drawEllipse(QRectF(9, 7, 1.5, 1.5));
  return QIcon(pm);
}

QIcon managementIcon()
{
  QPixmap pm = canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 110, 40), 1.5));
  for (int x = 2; x <= 14; x += 3)
    p.drawLine(QPointF(x, 15), QPointF(x + 1, 6));
  p.setPen(QPen(QColor(120, 80, 20), 1.5));
  p.drawLine(QPointF(1, 8), QPointF(15, 8));
  return QIcon(pm);
}

QIcon weatherIcon()
{
  QPixmap pm = canvas();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 190, 30));
  p.drawEllipse(QRectF(1, 1, 8, 8));
  p.setBrush(QColor(200, 210, 225));
  p.drawEllipse(QRectF(4, 7, 7, 6));
  p.drawEllipse(QRectF(8, 6, 7, 7));
  p.drawRect(QRectF(6, 10, 8, 3));
  return QIcon(pm);
}

} // namespace

HAYBIL::HAYBIL() : QIcon(animalIcon()) {}
MENAJER::MENAJER() : QIcon(managementIcon()) {}
WFORE::WFORE() : QIcon(weatherIcon()) {}

QPixmap beefCowPicture(const QSize &size)
{
  QPixmap pm(size);
  pm.fill(QColor(225, 240, 215));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / 120.0, size.height() / 100.0);
  p.setPen(QPen(QColor(60, 40, 25), 1.5));
  p.setBrush(QColor(120, 70, 40));
  p.drawRoundedRect(QRectF(20, 35, 65, 32), 12, 12);  // body
  p.drawEllipse(QRectF(80, 28, 24, 20));               // head
  for (int x : {28, 40, 66, 76})
    p.drawRect(QRectF(x, 62, 6, 22));                  // legs
  p.drawLine(QPointF(20, 42), QPointF(12, 60));        // tail
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(95, 34, 3, 3));
  p.setPen(QPen(QColor(60, 120, 40), 2));
  p.drawLine(QPointF(0, 86), QPointF(120, 86));        // grass
  return pm;
}

} // namespace vz::beef
