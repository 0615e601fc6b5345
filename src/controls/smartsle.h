#pragma once
// A single-line edit for forms filled in field after field: the first
// character typed replaces whatever the edit showed, and Enter passes the
// focus, with the whole text selected, to the control that follows in the
// owner's order when that control is a smart edit as well.
#include <QLineEdit>
#include <QList>
#include <QPointer>

namespace vz {

class SMARTSLE : public QLineEdit {
  Q_OBJECT
public:
  explicit SMARTSLE(QWidget *owner = nullptr);

  // True once the first typed character has emptied the edit; never reset.
  bool LEMPTIED = false;

  // The owner's controls in their order. Without it, the order is that of the
  // owner's child widgets that take the focus by Tab.
  void setControlOrder(const QList<QWidget *> &controls);
  QList<QWidget *> controlOrder() const;

  // Focus to the next control of the order (after the last comes the first)
  // when that control is a smart edit; any other control keeps the focus here.
  SMARTSLE *NEXTSLE();

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;

private:
  void emptyOnce();
  SMARTSLE *nextSmartEdit() const;

  bool m_ownOrder = false;
  QList<QPointer<QWidget>> m_controls;
};

} // namespace vz
