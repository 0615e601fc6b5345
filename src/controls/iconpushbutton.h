#pragma once
// A push button that paints itself: a 3-D frame, an icon at its left edge
// that follows the button's state (up, pressed, disabled) and its caption
// centred in the rest, with a focus rectangle while it has the focus. The
// four ready-made buttons carry the program's OK, Cancel, No and Help icons.
#include "controls/iconbuttongeometry.h"

#include <QIcon>
#include <QPushButton>

namespace vz {

class ICONPUSHBUTTON : public QPushButton {
  Q_OBJECT
public:
  explicit ICONPUSHBUTTON(const QString &caption, QWidget *parent = nullptr);

  // Setting the up icon while no down icon is set makes it the down icon too,
  // and the other way round.
  QIcon ICONUP(const QIcon &icon);
  QIcon ICONDOWN(const QIcon &icon);
  QIcon ICONDISABLED(const QIcon &icon);
  QIcon ICONUP() const { return m_up; }
  QIcon ICONDOWN() const { return m_down; }
  QIcon ICONDISABLED() const { return m_disabled; }
  int LEFTICONBORDER(int pixels);
  int LEFTICONBORDER() const { return m_leftBorder; }
  // 0 stands for the desktop's button text colour (so pure black is that).
  QRgb BUTTONTEXTCOLOR(QRgb colour);
  QRgb BUTTONTEXTCOLOR() const { return m_textColour; }

  void ENABLE() { setEnabled(true); }
  void DISABLE() { setEnabled(false); }

  // The icon and rectangles the next paint uses.
  IconButtonGeometry geometry() const;
  IconButtonGeometry::Icon shownIcon() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QIcon m_up;
  QIcon m_down;
  QIcon m_disabled;
  int m_leftBorder = 4;
  QRgb m_textColour = 0;
};

class OKPUSHBUTTON : public ICONPUSHBUTTON {
  Q_OBJECT
public:
  explicit OKPUSHBUTTON(const QString &caption, QWidget *parent = nullptr);
};

class CANCELPUSHBUTTON : public ICONPUSHBUTTON {
  Q_OBJECT
public:
  explicit CANCELPUSHBUTTON(const QString &caption, QWidget *parent = nullptr);
};

class NOPUSHBUTTON : public ICONPUSHBUTTON {
  Q_OBJECT
public:
  explicit NOPUSHBUTTON(const QString &caption, QWidget *parent = nullptr);
};

class HELPPUSHBUTTON : public ICONPUSHBUTTON {
  Q_OBJECT
public:
  explicit HELPPUSHBUTTON(const QString &caption, QWidget *parent = nullptr);
};

} // namespace vz
