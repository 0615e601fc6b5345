#include "entrywindows.h"
#include "mdiplacement.h"
#include "amat_giriswin.h"
#include "bm_giriswin.h"
#include "bmo_giriswin.h"
#include "ym_giriswin.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vz {

EntryWindow *EntryWindows::find(QMdiArea *area, EntryKind kind)
{
  if (!area)
    return nullptr;
  for (QMdiSubWindow *sub : area->subWindowList()) {
    auto *w = qobject_cast<EntryWindow *>(sub->widget());
    if (w && !w->isClosed() && w->kind() == kind)
      return w;
  }
  return nullptr;
}

EntryWindow *EntryWindows::create(EntryKind kind, QMdiArea *area, RationProblem &problem, Interaction *ui,
                                  std::function<void()> menuState)
{
  if (EntryWindow *open = find(area, kind)) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(open->parentWidget()))
      area->setActiveSubWindow(sub);
    return nullptr;
  }
  QList<EntryKind> rivals;
  if (kind == EntryKind::Matrix)
    rivals = {EntryKind::Nutrients, EntryKind::Feeds};
  else if (kind != EntryKind::Ratios)
    rivals = {EntryKind::Matrix};
  for (EntryKind r : rivals) {
    if (EntryWindow *w = find(area, r)) {
      if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
        sub->close();
      else
        w->close();
    }
  }

  EntryWindow *window = nullptr;
  switch (kind) {
  case EntryKind::Nutrients: window = new BM_GIRISWIN(problem, ui); break;
  case EntryKind::Feeds: window = new YM_GIRISWIN(problem, ui); break;
  case EntryKind::Ratios: window = new BMO_GIRISWIN(problem, ui); break;
  case EntryKind::Matrix: window = new AMAT_GIRISWIN(problem, ui); break;
  }
  if (!window->isUsable()) {
    delete window;
    return nullptr;
  }
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (menuState) {
    QObject::connect(window, &EntryWindow::menuStateChanged, window, std::move(menuState));
  } else if (area) {
    QWidget *top = area->window();
    QObject::connect(window, &EntryWindow::menuStateChanged, top, [top] {
      if (top->metaObject()->indexOfMethod("MI_ENADISABLE()") >= 0)
        QMetaObject::invokeMethod(top, "MI_ENADISABLE", Qt::DirectConnection);
    });
  }
  return window;
}

EntryWindow *EntryWindows::open(EntryKind kind, QMdiArea *area, RationProblem &problem, Interaction *ui,
                                std::function<void()> menuState)
{
  EntryWindow *window = create(kind, area, problem, ui, std::move(menuState));
  if (!window)
    return find(area, kind);
  showFillingArea(area, window);
  return window;
}

bool EntryWindows::closeAll(QMdiArea *area)
{
  if (!area)
    return true;
  bool allClosed = true;
  for (QMdiSubWindow *sub : area->subWindowList()) {
    auto *w = qobject_cast<EntryWindow *>(sub->widget());
    if (!w || w->isClosed())
      continue;
    sub->setAttribute(Qt::WA_DeleteOnClose);
    allClosed = sub->close() && allClosed;
  }
  return allClosed;
}

} // namespace vz
