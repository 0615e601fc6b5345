#pragma once
// Dialog layouts are given in dialog units, which scale with the dialog's font:
// a horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height. Converting with the font's own metrics
// keeps the proportions of every dialog whatever font the system substitutes.
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace vz {

class DialogUnits {
public:
  explicit DialogUnits(const QFont &font);

  int x(int du) const;
  int y(int du) const;
  QRect rect(int x, int y, int w, int h) const;
  QSize size(int w, int h) const;

  // The template font of most dialogs: 8-point "MS Shell Dlg" (the system
  // substitutes its own sans face where that family is missing).
  static QFont shellDlgFont();
  // A font by family, point size and weight, as the dialogs make them.
  static QFont makeFont(const QString &family, int pointSize, bool bold = false,
                        bool italic = false, bool underline = false);

  // Places `child` at the given dialog-unit rectangle of its parent; never fails.
  static void place(QWidget *child, const DialogUnits &du, int x, int y, int w, int h);

private:
  int m_baseX;
  int m_baseY;
};

} // namespace vz
