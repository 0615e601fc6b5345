#pragma once
// "Sayfa Marjı": the left and right margin of a report window's text, in
// inches from the left end of its 10-inch line. It always opens with 0 and 7.
#include <QDialog>

class QLineEdit;

namespace vz {

class MARGINDIALOG : public QDialog {
  Q_OBJECT
public:
  explicit MARGINDIALOG(QWidget *owner);

  QLineEdit *ODCSLELM() const { return m_left; }
  QLineEdit *ODCSLERM() const { return m_right; }

public slots:
  void PBOK() { accept(); }
  void PBCANCEL() { reject(); }

private:
  QLineEdit *m_left;
  QLineEdit *m_right;
};

} // namespace vz
