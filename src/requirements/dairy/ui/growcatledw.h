#pragma once
// "Büyüyen Genç Sığır": energy factor, live weight, expected daily gain and
// the sex and frame class of a growing animal. Ends with result 1 on OK (the
// exported fields then hold the values) and 0 on "&İptal", Escape or close.
#include "dairyinputdialog.h"
#include "requirements/dairy/growcatleform.h"

class QRadioButton;

namespace vz {

class GROWCATLEDW : public DairyInputDialog {
  Q_OBJECT
public:
  explicit GROWCATLEDW(QWidget *owner);

  // Exported fields.
  int NCESTYPE = 0;
  double NBEKCAAR = 0.0;
  double NENECONS = 0.0;
  double NCANAGIR = 0.0;

  QRadioButton *classButton(int sizeClass) const;  // 1..4

public slots:
  void PBTAMAM() override;

private:
  GrowCatleForm &form() const { return static_cast<GrowCatleForm &>(baseForm()); }
  QRadioButton *m_class[4] = {};
};

} // namespace vz
