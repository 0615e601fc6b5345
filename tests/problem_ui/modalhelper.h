#pragma once
// Answers a modal window that the code under test opens: `act` runs on the
// next modal widget to appear (polled from the event loop), so a blocking
// exec() can be driven from the test.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vz::test {

inline void whenModal(std::function<void(QWidget *)> act, int triesLeft = 200)
{
  QTimer::singleShot(10, qApp, [act = std::move(act), triesLeft]() mutable {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      act(modal);
      return;
    }
    if (triesLeft > 0)
      whenModal(std::move(act), triesLeft - 1);
  });
}

} // namespace vz::test

#include <QtTest/qtestkeyboard.h>

namespace vz::test {

// Types `text` into `w` character by character; unlike QTest::keyClicks it
// takes any character, Turkish letters included.
inline void typeText(QWidget *w, const QString &text)
{
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(w, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

} // namespace vz::test
