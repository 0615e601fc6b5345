#include "mdiplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace vz {

QMdiSubWindow *showFillingArea(QMdiArea *area, QWidget *window)
{
  QMdiSubWindow *sub = area->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->resize(area->viewport()->size());
  sub->move(0, 0);
  sub->showNormal();
  area->setActiveSubWindow(sub);
  return sub;
}

void cascadeUsable(QMdiArea *area)
{
  QList<QMdiSubWindow *> windows;
  for (QMdiSubWindow *w : area->subWindowList(QMdiArea::CreationOrder)) {
    if (w->isVisible() && !w->isMinimized())
      windows.append(w);
  }
  if (windows.isEmpty())
    return;
  const QSize view = area->viewport()->size();
  const int step = qMax(area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()), 16);
  const QSize usual(view.width() * 2 / 3, view.height() * 2 / 3);
  QPoint at(0, 0);
  for (QMdiSubWindow *w : windows) {
    if (w->isMaximized())
      w->showNormal();
    const QSize least = w->minimumSize().expandedTo(w->minimumSizeHint());
    const QSize size = usual.expandedTo(least).boundedTo(view.expandedTo(least));
    // Back to the top left once the next step would leave the view.
    if (at.x() + size.width() > view.width() || at.y() + size.height() > view.height())
      at = QPoint(0, 0);
    w->setGeometry(QRect(at, size));
    at += QPoint(step, step);
  }
  area->setActiveSubWindow(windows.last());
}

} // namespace vz
