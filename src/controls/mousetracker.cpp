#include "mousetracker.h"
#include <QApplication>
#include <QChildEvent>
#include <QCursor>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace vz {

namespace {

void sendIfAble(QWidget *w, const char *signature, const char *name)
{
  if (w && w->metaObject()->indexOfMethod(signature) >= 0)
    QMetaObject::invokeMethod(w, name, Qt::DirectConnection);
}

} // namespace

MouseTracker::MouseTracker(QWidget *window) : QObject(window), m_window(window)
{
  watch(window);
}

void MouseTracker::watch(QWidget *w)
{
  w->installEventFilter(this);
  w->setMouseTracking(true);
  for (QObject *child : w->children())
    if (child->isWidgetType())
      watch(static_cast<QWidget *>(child));
}

void MouseTracker::track(QWidget *under)
{
  if (m_tracking)
    return;
  m_tracking = true;
  if (under != m_last) {
    QPointer<QWidget> left = m_last;
    m_last = under;
    sendIfAble(left, "MOUSEEXIT()", "MOUSEEXIT");
    sendIfAble(m_last, "MOUSEENTER()", "MOUSEENTER");
  }
  m_tracking = false;
}

bool MouseTracker::eventFilter(QObject *watched, QEvent *event)
{
  switch (event->type()) {
  case QEvent::ChildAdded: {
    QObject *child = static_cast<QChildEvent *>(event)->child();
    if (child->isWidgetType())
      watch(static_cast<QWidget *>(child));
    break;
  }
  case QEvent::MouseMove:
  case QEvent::Enter:
  case QEvent::Leave:
  case QEvent::HoverMove:
    track(QApplication::widgetAt(QCursor::pos()));
    break;
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}

} // namespace vz
