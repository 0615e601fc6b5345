#pragma once
// Tells the controls of one window when the mouse pointer enters and leaves
// them: whenever the widget under the pointer changes, the one left gets
// MOUSEEXIT() and the one entered MOUSEENTER(), each only when it has a slot
// (or Q_INVOKABLE method) of that name. The exit always goes out first.
#include <QObject>
#include <QPointer>

class QWidget;

namespace vz {

class MouseTracker : public QObject {
  Q_OBJECT
public:
  // Watches `window` and every widget inside it, present and future.
  explicit MouseTracker(QWidget *window);

  // One tracking step with the widget now under the pointer (null: none, or
  // a window that is not the program's). A step started from inside another
  // step's MOUSEENTER/MOUSEEXIT is skipped.
  void track(QWidget *under);
  QWidget *lastControl() const { return m_last; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void watch(QWidget *w);

  QWidget *m_window;
  QPointer<QWidget> m_last;
  bool m_tracking = false;
};

} // namespace vz
