#pragma once
// The edits of the log-on and password dialogs: at most 20 characters (what
// the users table compares), the password edits masked, and some of them
// turning what is typed or pasted into upper case. And what keeps those
// dialogs answering while a password is checked: one Argon2id run takes a
// third of a second and 64 MiB, so it never runs on the window thread.
#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

class QLineEdit;

namespace vz {

enum class EditCase { AsTyped, Upper };

void setUpUserEdit(QLineEdit *edit, bool masked, EditCase letterCase);

// Runs `work` on a pool thread and hands its result to `done` on the window
// thread, unless `owner` is gone by then (a dialog closed meanwhile).
template <typename Work, typename Done>
void runOffWindowThread(QObject *owner, Work work, Done done)
{
  const QPointer<QObject> guard(owner);
  QThreadPool::globalInstance()->start([guard, work, done] {
    auto result = work();
    if (QCoreApplication *app = QCoreApplication::instance())
      QMetaObject::invokeMethod(
          app, [guard, done, result] { if (guard) done(result); }, Qt::QueuedConnection);
  });
}

// While a dialog's OK waits for its check, the keys and clicks made meanwhile
// are dropped: they were meant for the dialog, and must neither change it
// under the check nor reach the window below once it has closed.
class InputHold : public QObject {
public:
  explicit InputHold(QObject *parent) : QObject(parent) {}
  ~InputHold() override { release(); }
  void hold();
  void release();
  bool isHeld() const { return m_held; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool m_held = false;
};

} // namespace vz
