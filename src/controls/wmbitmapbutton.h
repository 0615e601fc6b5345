#pragma once
// A push button drawn from two pictures, one released and one pressed, that
// may latch (two-state: one click presses it, the next releases it). The
// pictures are drawn at their own size from the top left corner, clipped to
// the button; the button owns them.
#include <QPixmap>
#include <QPushButton>

namespace vz {

class WMBITMAPBUTTON : public QPushButton {
  Q_OBJECT
public:
  explicit WMBITMAPBUTTON(QWidget *owner = nullptr);

  // Drawn pressed.
  bool LDOWN() const { return m_down; }
  bool LTWOSTATE() const { return m_twoState; }
  void setLTWOSTATE(bool on) { m_twoState = on; }
  // Two-state: the press that latched the button is still held.
  bool LINSTATE() const { return m_inState; }

  void setPictures(const QPixmap &up, const QPixmap &down);
  QPixmap pictureUp() const { return m_up; }
  QPixmap pictureDown() const { return m_downPicture; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  // The button's pressed state changed (mouse, keyboard, or the mouse
  // leaving and re-entering while held).
  void setState(bool pressed);

  bool m_down = false;
  bool m_twoState = false;
  bool m_inState = false;
  QPixmap m_up;
  QPixmap m_downPicture;
};

} // namespace vz
