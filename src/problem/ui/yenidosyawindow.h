#pragma once
// "Yeni...": asks for the name of a new problem file. The caller reads CDOSYA:
// the name as typed on OK, empty on Cancel (and on OK with an empty edit).
#include <QDialog>

class QLabel;
class QPushButton;

namespace vz {

class JQSLE;

class YENIDOSYAWINDOW : public QDialog {
  Q_OBJECT
public:
  explicit YENIDOSYAWINDOW(QWidget *owner = nullptr);

  QString CDOSYA() const { return m_cDosya; }
  JQSLE *DOSYAADILINE() const { return m_edit; }
  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  void PBTAMAM();
  void PBIPTAL();
  // Escape and the close box end the dialog as "&İptal" does.
  void reject() override { PBIPTAL(); }

private:
  QLabel *m_label;
  JQSLE *m_edit;
  QPushButton *m_ok;
  QPushButton *m_cancel;
  QString m_cDosya;
};

} // namespace vz
