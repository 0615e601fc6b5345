#include "toolbarpictures.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vz {

namespace {

QPixmap blank()
{
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  return pm;
}

void page(QPainter &p, const QRectF &r)
{
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRect(r);
}

void arrow(QPainter &p, bool left, bool bar)
{
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 170));
  QPolygonF tri = left ? QPolygonF({QPointF(12, 3), QPointF(12, 13), QPointF(5, 8)})
                       : QPolygonF({QPointF(4, 3), QPointF(4, 13), QPointF(11, 8)});
  p.drawPolygon(tri);
  if (bar)
    p.drawRect(left ? QRectF(2, 3, 2, 10) : QRectF(12, 3, 2, 10));
}

void lines(QPainter &p, int align)
{
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  const int widths[] = {12, 8, 12, 6};
  for (int i = 0; i < 4; ++i) {
    const int w = widths[i];
    const double x = align == 0 ? 2 : align == 1 ? (16 - w) / 2.0 : 14 - w;
    p.drawLine(QPointF(x, 3 + i * 3.3), QPointF(x + w, 3 + i * 3.3));
  }
}

void glyph(QPainter &p, const QString &text, const QColor &colour)
{
  QFont f = p.font();
  f.setPixelSize(text.size() > 2 ? 7 : 12);
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void questionMark(QPainter &p, const QColor &colour)
{
  QPainterPath hook;
  hook.moveTo(5.4, 5.6);
  hook.arcTo(QRectF(5.4, 3.4, 5.2, 4.4), 180, -260);
  hook.lineTo(8, 9.4);
  p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(8, 12), 1.15, 1.15);
}

} // namespace

QIcon toolbarPicture(int number, bool *drawn)
{
  if (drawn)
    *drawn = true;
  QPixmap pm = blank();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (number) {
  case 100:  // new
    page(p, QRectF(3.5, 1.5, 9, 13));
    break;
  case 2:  // open
    p.setPen(QColor(120, 90, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 5.5, 13, 8));
    p.drawRect(QRectF(1.5, 3.5, 5, 2));
    break;
  case 3:  // close
    p.setPen(QPen(QColor(190, 30, 30), 2.5));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    break;
  case 4:  // save
    p.setPen(QColor(20, 40, 90));
    p.setBrush(QColor(60, 100, 190));
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 5, 4));
    break;
  case 5:  // print
    page(p, QRectF(4.5, 1.5, 7, 6));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(1.5, 7.5, 13, 6));
    break;
  case 12: glyph(p, QStringLiteral("A"), QColor(30, 30, 30)); break;
  case 21: lines(p, 0); break;
  case 22: lines(p, 1); break;
  case 23: lines(p, 2); break;
  case 31:  // copy
    page(p, QRectF(1.5, 1.5, 8, 10));
    page(p, QRectF(6.5, 4.5, 8, 10));
    break;
  case 101:  // cut
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(4, 2), QPointF(10, 11));
    p.drawLine(QPointF(12, 2), QPointF(6, 11));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 10, 4, 4));
    p.drawEllipse(QRectF(10, 10, 4, 4));
    break;
  case 102:  // paste
    p.setPen(QColor(90, 60, 20));
    p.setBrush(QColor(200, 150, 80));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    page(p, QRectF(6.5, 6.5, 8, 8));
    break;
  case 41: glyph(p, QStringLiteral("∞"), QColor(30, 90, 170)); break;
  case 48:  // calculator
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(5, 3, 6, 3));
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        p.fillRect(QRectF(5 + c * 2.2, 7.5 + r * 2.2, 1.5, 1.5), QColor(40, 40, 40));
    break;
  case 69: glyph(p, QStringLiteral("+"), QColor(0, 130, 40)); break;
  case 121: glyph(p, QStringLiteral("−"), QColor(190, 30, 30)); break;
  case 81: glyph(p, QStringLiteral("✓"), QColor(0, 110, 40)); break;
  case 89: glyph(p, QStringLiteral("Σ"), QColor(30, 90, 170)); break;  // compute the ration's sums
  case 107:  // freeze column
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(170, 210, 250));
    p.drawRect(QRectF(1.5, 1.5, 5, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 1.5, 8, 13));
    break;
  case 120:  // help: a question mark drawn, not written, for the main window's
             // tool bar has it at every start, and writing it would load a
             // bold face of the font for this one character
    questionMark(p, QColor(20, 70, 190));
    break;
  case 127: arrow(p, true, false); break;
  case 128: arrow(p, false, false); break;
  case 129: arrow(p, true, true); break;
  case 130: arrow(p, false, true); break;
  case 131:  // table
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));
    p.drawLine(QPointF(1.5, 10), QPointF(14.5, 10));
    p.drawLine(QPointF(6, 2.5), QPointF(6, 13.5));
    p.drawLine(QPointF(10.5, 2.5), QPointF(10.5, 13.5));
    break;
  case 132:  // form
    page(p, QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(3, 4, 4, 2), QColor(60, 60, 60));
    p.fillRect(QRectF(8, 4, 5, 2), QColor(150, 190, 240));
    p.fillRect(QRectF(3, 9, 4, 2), QColor(60, 60, 60));
    p.fillRect(QRectF(8, 9, 5, 2), QColor(150, 190, 240));
    break;
  case 112:  // report: a written page with its figures
    page(p, QRectF(2.5, 1.5, 11, 13));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(4.5, 4.5 + i * 2), QPointF(11.5 - (i % 2) * 3, 4.5 + i * 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    p.drawRect(QRectF(4.5, 10.5, 2, 3));
    p.drawRect(QRectF(7.5, 9, 2, 4.5));
    p.setBrush(QColor(0, 130, 40));
    p.drawRect(QRectF(10.5, 11.5, 1.5, 2));
    break;
  default:
    if (drawn)
      *drawn = false;
    glyph(p, QString::number(number), QColor(60, 60, 60));
    break;
  }
  p.end();
  return QIcon(pm);
}

} // namespace vz
