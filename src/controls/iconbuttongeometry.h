#pragma once
// Where an icon push button draws its frame, icon and caption, and which of
// its three icons it shows: plain arithmetic on the button's size and state,
// kept apart from the painting so that it can be checked case by case.
//
// Rectangles are edges {left, top, right, bottom}, right and bottom just
// outside, as the frame drawing counts them.
#include <QRect>

namespace vz {

struct EdgeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  QRect toRect() const { return QRect(left, top, qMax(0, right - left), qMax(0, bottom - top)); }
  bool operator==(const EdgeRect &) const = default;
};

struct IconButtonGeometry {
  enum class Icon { None, Up, Down, Disabled };

  // The outline in the text colour along the top and left (focused or
  // pressed), the frame rectangle and whether it is drawn pushed.
  bool outline = false;
  bool pushedFrame = false;
  EdgeRect frame;
  QRect icon;        // empty when no icon is shown
  EdgeRect text;     // the caption's rectangle (and the focus rectangle's)
  bool focusRect = false;

  // The up icon stands for the down one and the other way round, so a
  // button with either shows an icon; the disabled one only when disabled.
  static Icon chooseIcon(bool pressed, bool disabled, bool hasUp, bool hasDown, bool hasDisabled);

  // A button smaller than its icon gets an icon of no size and a text
  // rectangle of no width, never a negative one.
  static IconButtonGeometry compute(int width, int height, int leftIconBorder, bool focused,
                                    bool pressed, bool hasIcon);
};

} // namespace vz
