#pragma once
// The editable combo box of the column arithmetic dialog. Escape with the list
// closed cancels the owning dialog, as in the program's edits and lists;
// Escape with the list open only closes the list.
#include <QComboBox>

namespace vz {

class JQCOMBOBOX : public QComboBox {
  Q_OBJECT
public:
  explicit JQCOMBOBOX(QWidget *parent = nullptr);

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
