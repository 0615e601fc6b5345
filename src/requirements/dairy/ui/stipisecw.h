#pragma once
// "Sığır Tipi": the first dialog of every dairy estimate. The user picks the
// animal type and, in report mode, the summary or the detailed report. Only
// OK sets NSTIPI; every other way out leaves it 0, which the model reads as a
// cancel.
#include "requirements/dairy/stipisecform.h"

#include <QDialog>

class QRadioButton;
class QPushButton;

namespace vz {

class STIPISECW : public QDialog {
  Q_OBJECT
public:
  STIPISECW(QWidget *owner, int mode);

  // Exported fields.
  int NSTIPI = 0;
  int NRTIPI = 1;
  int NDEST = 0;

  QRadioButton *typeButton(int type) const;  // 1..3
  QRadioButton *summaryButton() const { return m_ozet; }
  QRadioButton *detailButton() const { return m_detay; }
  QPushButton *okButton() const { return m_ok; }

public slots:
  void PBTAMAM();
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

private:
  void syncReportButtons();

  STipiSecForm m_form;
  QRadioButton *m_type[3] = {};
  QRadioButton *m_ozet = nullptr;
  QRadioButton *m_detay = nullptr;
  QPushButton *m_ok = nullptr;
};

} // namespace vz
