#pragma once
// A push button drawn from two pictures, one released and one pressed, that
// may latch (two-state: one click presses it, the next releases it).
#include <QPixmap>
#include <QPushButton>

namespace vz {

class WMBITMAPBUTTON : public QPushButton {
  Q_OBJECT
public:
  explicit WMBITMAPBUTTON(QWidget *owner = nullptr);

  bool LDOWN() const { return m_down; }
  bool LTWOSTATE() const { return m_twoState; }
  void setLTWOSTATE(bool on) { m_twoState = on; }
  void setPictures(const QPixmap &up, const QPixmap &down);
  QPixmap pictureUp() const { return m_up; }
  QPixmap pictureDown() const { return m_down_; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  bool m_down = false;
  bool m_twoState = false;
  bool m_inState = false;  // the press that latched the button is still held
  QPixmap m_up;
  QPixmap m_down_;
};

} // namespace vz
