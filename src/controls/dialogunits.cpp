#include "dialogunits.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
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

namespace {

// How wide `child` must be to show its whole text in the font it has now; 0
// for a widget without a one-line text.
int textWidthNeeded(const QWidget *child)
{
  if (auto *label = qobject_cast<const QLabel *>(child)) {
    if (label->wordWrap() || label->text().isEmpty())
      return 0;
    return label->sizeHint().width();
  }
  if (qobject_cast<const QCheckBox *>(child) || qobject_cast<const QRadioButton *>(child))
    return child->sizeHint().width();
  if (auto *box = qobject_cast<const QGroupBox *>(child))
    return box->title().isEmpty() ? 0 : box->minimumSizeHint().width();
  return 0;
}

} // namespace

void DialogUnits::place(QWidget *child, const DialogUnits &du, int x0, int y0, int w, int h)
{
  QRect r = du.rect(x0, y0, w, h);
  // The system's font may be wider than the one the layout was drawn for: a
  // text never gets less room than it needs (a right-aligned label grows
  // leftwards, a centred one both ways).
  const int need = textWidthNeeded(child);
  if (need > r.width()) {
    const auto *label = qobject_cast<const QLabel *>(child);
    const Qt::Alignment align = label ? label->alignment() : Qt::AlignLeft;
    if (align & Qt::AlignRight)
      r.setLeft(qMax(0, r.right() + 1 - need));
    else if (align & Qt::AlignHCenter)
      r.setLeft(qMax(0, r.left() - (need - r.width() + 1) / 2));
    if (r.width() < need)
      r.setWidth(need);
  }
  child->setGeometry(r);
}

} // namespace vz
