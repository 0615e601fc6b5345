#pragma once
// "Ergin Boğa": energy factor and live weight of a mature bull. Result 1 on
// OK with the exported fields set, 0 on "&İptal", Escape or close.
#include "dairyinputdialog.h"
#include "requirements/dairy/matbulform.h"

namespace vz {

class MATBULDW : public DairyInputDialog {
  Q_OBJECT
public:
  explicit MATBULDW(QWidget *owner);

  // Exported fields.
  double NENECONS = 0.0;
  double NCANAGIR = 0.0;

public slots:
  void PBTAMAM() override;

private:
  MatBulForm &form() const { return static_cast<MatBulForm &>(baseForm()); }
};

} // namespace vz
