#include "jqfolderdialogwindow.h"
#include "controls/dialogunits.h"
#include "controls/filesle.h"

#include <QLabel>

namespace vz {

JQFOLDERDIALOGWINDOW::JQFOLDERDIALOGWINDOW(QWidget *owner, const QString &fileName) : OkCancelDialog(owner)
{
  setObjectName(QStringLiteral("JQFOLDERDIALOGWINDOW"));
  const DialogUnits du = setUpFrame(QStringLiteral("RM Dosyası (dBF) Yedekle "), DialogUnits::shellDlgFont(), 265, 44);
  auto *label = new QLabel(QStringLiteral("Dizin girişi:"), this);
  label->setObjectName(QStringLiteral("FIXEDTEXT1"));
  DialogUnits::place(label, du, 8, 7, 36, 12);
  SLEYEDDIZ = new PBFILESLE(this);
  SLEYEDDIZ->setObjectName(QStringLiteral("SLEYEDDIZ"));
  DialogUnits::place(SLEYEDDIZ, du, 48, 7, 212, 12);
  label->setBuddy(SLEYEDDIZ);
  SLEYEDDIZ->setAccessibleName(label->text());
  SLEYEDDIZ->NDIALOGTYPE = 2;
  SLEYEDDIZ->SFDIALOGCAPTION = QStringLiteral("RM Dosyasını Yedeklemek İstediğiniz Dizini Seçiniz:");
  SLEYEDDIZ->SDBFNAME = fileName;
  addOkCancel(du, 88, 25, 46, 13, 140, 25, 46, 13);
  chainToOkCancel(SLEYEDDIZ);
  SLEYEDDIZ->setFocus();
}

void JQFOLDERDIALOGWINDOW::PBTAMAM()
{
  SFFTXTVAL = SLEYEDDIZ->text();
  done(1);
}

void JQFOLDERDIALOGWINDOW::PBIPTAL()
{
  done(0);
}

} // namespace vz
