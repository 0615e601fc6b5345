#include "controls/bitmaplistnodes.h"

#include <cmath>

namespace vz {

namespace {
int floorHalf(int v)
{
  return int(std::floor(v / 2.0));
}
} // namespace

int BitmapListNodes::add(const QString &text, const QVariant &value, const QVariant &image,
                         int kind, const QString &imageFile)
{
  BitmapListNode n;
  n.id = ++m_lastId;
  n.text = text;
  n.value = value;
  n.image = image;
  n.kind = kind;
  n.imageFile = imageFile;
  m_nodes.append(n);
  return n.id;
}

int BitmapListNodes::seek(int id) const
{
  qsizetype lo = 0;
  qsizetype hi = m_nodes.size() - 1;
  while (lo <= hi) {
    const qsizetype mid = lo + (hi - lo) / 2;
    const int at = m_nodes[mid].id;
    if (at == id)
      return int(mid + 1);
    if (at < id)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return 0;
}

const BitmapListNode *BitmapListNodes::find(int id) const
{
  const int pos = seek(id);
  return pos ? &m_nodes[pos - 1] : nullptr;
}

BitmapListNode *BitmapListNodes::find(int id)
{
  const int pos = seek(id);
  return pos ? &m_nodes[pos - 1] : nullptr;
}

int BitmapListNodes::idOfValue(const QVariant &value) const
{
  for (const BitmapListNode &n : m_nodes) {
    if (n.value == value)
      return n.id;
  }
  return 0;
}

bool BitmapListNodes::remove(int id)
{
  const int pos = seek(id);
  if (!pos)
    return false;
  m_nodes.removeAt(pos - 1);
  return true;
}

BitmapRowDrawing BitmapRowDrawing::decide(int action, int state, bool controlHasFocus,
                                          bool mouseButtonDown, bool rowIsActive)
{
  BitmapRowDrawing d;
  switch (action) {
  case DrawEntire:
    d.draw = true;
    d.highlighted = !controlHasFocus && rowIsActive;
    break;
  case Select:
    d.draw = state == 0 && mouseButtonDown;
    break;
  case Focus:
    if (state == 0) {
      d.draw = true;
      d.highlighted = !controlHasFocus;
    } else if (state == HasFocus) {
      d.draw = true;
      d.highlighted = true;
      d.focusRect = true;
    } else if (state == (Selected | HasFocus)) {
      d.draw = true;
      d.focusRect = true;
      d.becomesActive = true;
    }
    break;
  default:
    d.result = 1;
    break;
  }
  return d;
}

QRect bitmapListIconRect(const QRect &cell, int iconSize)
{
  const int size = qMax(0, qMin(iconSize, qMin(cell.width(), cell.height())));
  return QRect(cell.left() + floorHalf(cell.width() - size), cell.top() + floorHalf(cell.height() - size),
               size, size);
}

QRect bitmapListImageRect(const QRect &cell, const QSize &imageSize)
{
  if (imageSize.isEmpty() || cell.isEmpty())
    return QRect(cell.topLeft(), QSize(0, 0));
  QSize s = imageSize;
  if (s.width() > cell.width() || s.height() > cell.height())
    s = s.scaled(cell.size(), Qt::KeepAspectRatio);
  return QRect(cell.topLeft(), s);
}

int centredTextTop(int rectTop, int rectHeight, int measuredHeight)
{
  return rectTop + floorHalf(rectHeight - measuredHeight);
}

} // namespace vz
