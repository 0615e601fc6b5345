#include "mdiplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

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

} // namespace vz
