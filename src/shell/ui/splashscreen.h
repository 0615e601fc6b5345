#pragma once
// SPLASHSCREEN: the program's picture, name and emblem while it starts. It
// stays above every window until its one-shot timer ends it, three seconds
// after it appeared; SHOW returns after two seconds, during which the splash
// keeps painting but the program takes no input.
#include <QDialog>

class QTimer;

namespace vz {

class SPLASHSCREEN : public QDialog {
  Q_OBJECT
public:
  explicit SPLASHSCREEN(QWidget *owner = nullptr);

  // Shows it topmost, starts the timer and waits; `waitMs` is 2,000 at start.
  void SHOW(int waitMs = 2000);
  bool timerRunning() const;

public slots:
  void TIMER();  // closes and destroys the splash

private:
  QTimer *m_timer;
};

} // namespace vz
