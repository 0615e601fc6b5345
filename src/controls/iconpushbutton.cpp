#include "controls/iconpushbutton.h"

#include "controls/windowicons.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace vz {

ICONPUSHBUTTON::ICONPUSHBUTTON(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
}

QIcon ICONPUSHBUTTON::ICONUP(const QIcon &icon)
{
  m_up = icon;
  if (m_down.isNull())
    m_down = icon;
  update();
  return m_up;
}

QIcon ICONPUSHBUTTON::ICONDOWN(const QIcon &icon)
{
  m_down = icon;
  if (m_up.isNull())
    m_up = icon;
  update();
  return m_down;
}

QIcon ICONPUSHBUTTON::ICONDISABLED(const QIcon &icon)
{
  m_disabled = icon;
  update();
  return m_disabled;
}

int ICONPUSHBUTTON::LEFTICONBORDER(int pixels)
{
  m_leftBorder = qMax(0, pixels);
  updateGeometry();
  return m_leftBorder;
}

QRgb ICONPUSHBUTTON::BUTTONTEXTCOLOR(QRgb colour)
{
  m_textColour = colour;
  return m_textColour;
}

IconButtonGeometry ICONPUSHBUTTON::geometry() const
{
  return IconButtonGeometry::compute(width(), height(), m_leftBorder, hasFocus(), isDown(),
                                     !m_up.isNull());
}

IconButtonGeometry::Icon ICONPUSHBUTTON::shownIcon() const
{
  return IconButtonGeometry::chooseIcon(isDown(), !isEnabled(), !m_up.isNull(), !m_down.isNull(),
                                        !m_disabled.isNull());
}

QSize ICONPUSHBUTTON::sizeHint() const
{
  // Room for the caption beside a square icon of the button's height less 4.
  const QFontMetrics fm(font());
  const int h = qMax(QPushButton::sizeHint().height(), fm.height() + 8);
  const int iconSize = m_up.isNull() ? 0 : h - 4;
  QString caption = text();
  caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  // The caption's rectangle starts up to 6 pixels after the icon and ends 4
  // before the edge; a little air on both sides besides.
  const int w = qMax(m_leftBorder, 4) + iconSize + 6 + fm.horizontalAdvance(caption) + 4 + 8;
  return QSize(qMax(w, 75), h);
}

QSize ICONPUSHBUTTON::minimumSizeHint() const
{
  return sizeHint();
}

void ICONPUSHBUTTON::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  const IconButtonGeometry g = geometry();
  const QPalette &pal = palette();
  const QColor buttonText = pal.color(QPalette::Active, QPalette::ButtonText);

  if (g.outline) {
    p.setPen(buttonText);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
  }
  QStyleOptionButton frame;
  frame.initFrom(this);
  frame.rect = g.frame.toRect();
  frame.state = (frame.state & ~QStyle::State_HasFocus) | QStyle::State_Raised;
  if (g.pushedFrame)
    frame.state = (frame.state & ~QStyle::State_Raised) | QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &frame, &p, this);

  QIcon icon;
  switch (shownIcon()) {
  case IconButtonGeometry::Icon::Up: icon = m_up; break;
  case IconButtonGeometry::Icon::Down: icon = m_down; break;
  case IconButtonGeometry::Icon::Disabled: icon = m_disabled; break;
  case IconButtonGeometry::Icon::None: break;
  }
  if (!icon.isNull() && !g.icon.isEmpty())
    icon.paint(&p, g.icon);

  const QRect textRect = g.text.toRect();
  const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (isEnabled()) {
    p.setPen(m_textColour ? QColor::fromRgb(m_textColour) : buttonText);
    p.drawText(textRect, flags, text());
  } else {
    // Engraved: a light copy one pixel down and right under a shadow copy.
    p.setPen(pal.color(QPalette::Light));
    p.drawText(textRect.translated(1, 1), flags, text());
    p.setPen(pal.color(QPalette::Dark));
    p.drawText(textRect, flags, text());
  }
  if (g.focusRect && !textRect.isEmpty()) {
    // Dotted, in the button text colour, in every style.
    p.setPen(QPen(buttonText, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(textRect.adjusted(0, 0, -1, -1));
  }
}

OKPUSHBUTTON::OKPUSHBUTTON(const QString &caption, QWidget *parent) : ICONPUSHBUTTON(caption, parent)
{
  ICONUP(ICOOKUP());
  ICONDOWN(ICOOKDOWN());
  ICONDISABLED(ICOOKDISABLED());
}

CANCELPUSHBUTTON::CANCELPUSHBUTTON(const QString &caption, QWidget *parent)
    : ICONPUSHBUTTON(caption, parent)
{
  ICONUP(ICOCANCELUP());
  ICONDOWN(ICOCANCELDOWN());
  ICONDISABLED(ICOCANCELDISABLED());
}

NOPUSHBUTTON::NOPUSHBUTTON(const QString &caption, QWidget *parent) : ICONPUSHBUTTON(caption, parent)
{
  ICONUP(ICONOUP());
  ICONDOWN(ICONODOWN());
  ICONDISABLED(ICONODISABLED());
}

HELPPUSHBUTTON::HELPPUSHBUTTON(const QString &caption, QWidget *parent)
    : ICONPUSHBUTTON(caption, parent)
{
  ICONUP(ICOHELPUP());
  ICONDOWN(ICOHELPDOWN());
  ICONDISABLED(ICOHELPDISABLED());
}

} // namespace vz
