#pragma once
// "Makro BM Yeni Değer Girişi": one new nutrient value under the caller's
// prompt, preset with the current value. The caller reads CTXTVAL: the preset
// on Cancel, otherwise the edit's text, which is number text with 4 decimals
// (or 11 blanks) once it was typed in.
#include <QDialog>

class QLabel;
class QPushButton;

namespace vz {

class JQSLE;

class MBM_WIND : public QDialog {
  Q_OBJECT
public:
  MBM_WIND(QWidget *owner, const QString &prompt, const QString &value);

  QString CTXTVAL() const { return m_ctxtval; }
  JQSLE *MBM_EDIT() const { return m_edit; }
  QLabel *FIXEDTEXT1() const { return m_label; }
  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  void PBTAMAM();
  void PBIPTAL();
  // Escape and the close box end the dialog as "&İptal" does.
  void reject() override { PBIPTAL(); }

private:
  void normaliseIfTyped();

  QLabel *m_label;
  JQSLE *m_edit;
  QPushButton *m_ok;
  QPushButton *m_cancel;
  QString m_ctxtval;
  bool m_pending = false;  // typed, not yet normalised
};

} // namespace vz
