#include "jqmovewindow.h"

#include <cstdlib>
#include <algorithm>

namespace vz {

QPoint jqMoveWindowPosition(const QSize &area, const QSize &window, int mode, int x, int y)
{
  const int fx = std::max(0, area.width() - window.width());
  const int fy = std::max(0, area.height() - window.height());
  const int cx = std::min(std::abs(x), fx);
  const int cy = std::min(std::abs(y), fy);
  switch (mode) {
  case 1:
    return {cx, cy};
  case 2:
    return {fx - cx, cy};
  case 3:
    return {fx / 2, fy / 2};
  case 4:
    return {fx - cx, fy - cy};
  case 5:
    return {cx, fy - cy};
  default: {
    const int fromBottom = (6 * fy) / 7;
    int top = fy - fromBottom;
    if (y < 0)
      top += std::abs(y);
    return {fx / 2 + cx, top};
  }
  }
}

} // namespace vz
