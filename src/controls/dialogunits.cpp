#include "dialogunits.h"
#include <QFontMetrics>
#include <QWidget>

namespace vz {

DialogUnits::DialogUnits(const QFont &font)
{
  const QFontMetrics fm(font);
  // The classic average: the width of the 52 Latin letters over 52, rounded.
  const int letters = fm.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = qMax(1, (letters / 26 + 1) / 2);
  m_baseY = qMax(1, fm.height());
}

int DialogUnits::x(int du) const { return (du * m_baseX + 2) / 4; }
int DialogUnits::y(int du) const { return (du * m_baseY + 4) / 8; }

QRect DialogUnits::rect(int x0, int y0, int w, int h) const
{
  return QRect(x(x0), y(y0), x(w), y(h));
}

QSize DialogUnits::size(int w, int h) const { return QSize(x(w), y(h)); }

QFont DialogUnits::shellDlgFont() { return makeFont(QStringLiteral("MS Shell Dlg"), 8); }

QFont DialogUnits::makeFont(const QString &family, int pointSize, bool bold, bool italic,
                            bool underline)
{
  QFont f(family, pointSize);
  f.setStyleHint(QFont::SansSerif);
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  return f;
}

void DialogUnits::place(QWidget *child, const DialogUnits &du, int x0, int y0, int w, int h)
{
  child->setGeometry(du.rect(x0, y0, w, h));
}

} // namespace vz
