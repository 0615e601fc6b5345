#include "controls/iconbuttongeometry.h"

namespace vz {

IconButtonGeometry::Icon IconButtonGeometry::chooseIcon(bool pressed, bool disabled, bool hasUp,
                                                        bool hasDown, bool hasDisabled)
{
  if (!hasUp && !hasDown)
    return Icon::None;
  if (pressed)
    return hasDown ? Icon::Down : Icon::Up;
  if (disabled && hasDisabled)
    return Icon::Disabled;
  return hasUp ? Icon::Up : Icon::Down;
}

IconButtonGeometry IconButtonGeometry::compute(int width, int height, int leftIconBorder,
                                               bool focused, bool pressed, bool hasIcon)
{
  IconButtonGeometry g;
  width = qMax(0, width);
  height = qMax(0, height);
  EdgeRect r{0, 0, width, height};
  if (pressed || focused) {
    g.outline = true;
    r.left += 1;
    r.top += 1;
  } else {
    r.right += 1;
    r.bottom += 1;
  }
  g.pushedFrame = pressed;
  g.frame = r;

  const int iconSize = hasIcon ? qMax(0, height - 4) : 0;
  if (iconSize > 0)
    g.icon = QRect(leftIconBorder, 2, iconSize, iconSize);

  EdgeRect t = r;
  t.top += 2;
  t.bottom -= 3;
  t.right -= 4;
  t.left += iconSize + 4;
  if (pressed) {
    t.top += 1;
    t.left += 1;
  }
  t.right = qMax(t.right, t.left);
  t.bottom = qMax(t.bottom, t.top);
  g.text = t;
  g.focusRect = focused;
  return g;
}

} // namespace vz
