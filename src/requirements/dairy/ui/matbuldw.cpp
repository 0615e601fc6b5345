#include "matbuldw.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"

#include <QLabel>
#include <QPushButton>

namespace vz {

MATBULDW::MATBULDW(QWidget *owner)
  : DairyInputDialog(owner, std::make_unique<MatBulForm>(), QStringLiteral("Ergin Boğa"))
{
  const DialogUnits du = fixSize(213, 61);

  addGroupBox(QStringLiteral("GROUPBOX1"), QStringLiteral("Veri giriş"), du, 6, 3, 147, 52);
  QLabel *l1 = addEnergyLabel(QStringLiteral("FIXEDTEXT1"), du, 13, 14, 95, 19);
  QLabel *l2 = addLabel(QStringLiteral("FIXEDTEXT2"), QStringLiteral("Canlı ağırlık (500-1400 Kg)...:"),
                        du, 12, 38, 94, 13);
  JQSLE *energy = addEdit(QStringLiteral("SLEEY"), l1, du, 106, 19, 40, 11);
  JQSLE *weight = addEdit(QStringLiteral("SLECA"), l2, du, 106, 35, 40, 11);
  addOkCancel(du, 160, 18, 46, 12, 160, 36, 46, 13);
  setTabOrder(energy, weight);
  setTabOrder(weight, okButton());
  energy->setFocus();
}

void MATBULDW::PBTAMAM()
{
  const std::optional<MatBulInput> in = acceptEdits(form());
  if (!in)
    return;
  NENECONS = in->NENECONS;
  NCANAGIR = in->NCANAGIR;
  QDialog::done(1);
}

} // namespace vz
