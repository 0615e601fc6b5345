#include "windowplacement.h"

#include "shell/jqmovewindow.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

namespace vz {

QPoint JQMOVEWINDOW(QWidget *window, int mode, int x, int y)
{
  if (!window)
    return {};
  QSize area;
  QPoint origin;
  if (auto *sub = qobject_cast<QMdiSubWindow *>(window); sub && sub->mdiArea()) {
    area = sub->mdiArea()->viewport()->size();
  } else if (window->parentWidget() && !window->isWindow()) {
    area = window->parentWidget()->contentsRect().size();
  } else {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (window->parentWidget() && window->isWindow()) {
      const QWidget *owner = window->parentWidget()->window();
      area = owner->frameGeometry().size();
      origin = owner->frameGeometry().topLeft();
    } else {
      area = available.size();
      origin = available.topLeft();
    }
  }
  const QPoint pos = origin + jqMoveWindowPosition(area, window->frameGeometry().size(), mode, x, y);
  window->move(pos);
  return pos;
}

QSize FULLWINSIZE()
{
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(0, 0);
}

} // namespace vz
