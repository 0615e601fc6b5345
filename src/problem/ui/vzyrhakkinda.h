#pragma once
// "Hakkında...": the program's name, its credits and its terms of use.
#include <QDialog>

class QLabel;
class QPushButton;

namespace vz {

class VZYRHAKKINDA : public QDialog {
  Q_OBJECT
public:
  explicit VZYRHAKKINDA(QWidget *owner = nullptr);

  static QString termsText();
  QLabel *termsLabel() const { return m_terms; }
  QPushButton *okButton() const { return m_ok; }

public slots:
  void PBTAMAM() { QDialog::done(1); }

private:
  QLabel *m_terms;
  QPushButton *m_ok;
};

} // namespace vz
