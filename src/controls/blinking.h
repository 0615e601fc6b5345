#pragma once
// A text and an edit that blink from their creation on: a timer of the
// control makes its text vanish and come back by turns. Only the look
// changes: the control stays visible, keeps its place in the layout and its
// focus, and a control whose blinking stops shows its text again.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vz {

// The blinking both controls share.
class Blinker : public QObject {
  Q_OBJECT
public:
  static constexpr int DefaultPeriod = 333;
  static constexpr int ShortestPeriod = 200;

  explicit Blinker(QWidget *target);

  // A period other than 0 becomes the interval; on starts (or restarts) at
  // the interval, never faster than ShortestPeriod, with the text shown;
  // off stops and shows the text.
  void blinking(bool on, int period);

  int interval() const { return m_interval; }
  bool isBlinking() const { return m_timer.isActive(); }
  bool blankPhase() const { return m_hidden; }

private:
  void tick();
  void setBlank(bool blank);

  QWidget *m_target;
  QTimer m_timer;
  int m_interval = DefaultPeriod;
  bool m_hidden = false;
  bool m_ownPalette = false;  // whether the target had a palette of its own
  QPalette m_normal;
};

class BLINKINGFIXEDTEXT : public QLabel {
  Q_OBJECT
public:
  explicit BLINKINGFIXEDTEXT(const QString &text = QString(), QWidget *owner = nullptr);

  BLINKINGFIXEDTEXT *BLINKING(bool on = false, int period = 0);
  int interval() const { return m_blinker.interval(); }
  bool isBlinking() const { return m_blinker.isBlinking(); }
  bool blankPhase() const { return m_blinker.blankPhase(); }

private:
  Blinker m_blinker;
};

class BLINKINGSLE : public QLineEdit {
  Q_OBJECT
public:
  explicit BLINKINGSLE(QWidget *owner = nullptr);

  BLINKINGSLE *BLINKING(bool on = false, int period = 0);
  int interval() const { return m_blinker.interval(); }
  bool isBlinking() const { return m_blinker.isBlinking(); }
  bool blankPhase() const { return m_blinker.blankPhase(); }

private:
  Blinker m_blinker;
};

} // namespace vz
