#pragma once
// "Sığır Tipi": the first dialog of every dairy estimate. The user picks the
// animal type and, in report mode, the summary or the detailed report. Only
// OK sets NSTIPI; every other way out leaves it 0, which the model reads as a
// cancel.
#include "requirements/dairy/stipisecform.h"

#include "problem/ui/okcanceldialog.h"

class QLabel;
class QRadioButton;

namespace vz {

class STIPISECW : public OkCancelDialog {
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
  // The picture of the chosen type, and the resource each type shows.
  QLabel *picture() const { return m_picture; }
  static QString typePicture(int type);

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  void syncReportButtons();
  void showTypePicture();

  STipiSecForm m_form;
  QRadioButton *m_type[3] = {};
  QRadioButton *m_ozet = nullptr;
  QRadioButton *m_detay = nullptr;
  QLabel *m_picture = nullptr;
};

} // namespace vz
