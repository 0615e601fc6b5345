#pragma once
// The single-line edit of the program's dialogs: Escape cancels the dialog that
// holds it (its `PBIPTAL`), and the dialog learns when the edit gains or loses
// the focus so that it can normalise what was typed.
#include <QLineEdit>

namespace vz {

class JQSLE : public QLineEdit {
  Q_OBJECT
public:
  explicit JQSLE(QWidget *parent = nullptr);

  // True when the user typed since the edit last gained the focus (or since
  // the last clearTypedSinceFocus()); programmatic setText() does not count.
  bool typedSinceFocus() const { return m_typed; }
  void clearTypedSinceFocus() { m_typed = false; }

signals:
  void focusChanged(bool gained);  // EDITFOCUSCHANGE

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  bool m_typed = false;
};

} // namespace vz
