#include "beefmanagementform.h"

namespace vz::beef {

BeefManagementForm::BeefManagementForm()
{
  const QStringList dietValues = {QStringLiteral("120"), QStringLiteral("110"),
                                  QStringLiteral("100"), QStringLiteral("90 "),
                                  QStringLiteral("80 ")};
  addList(QStringLiteral("Gelişme destekleyici:"),
          {QStringLiteral("Yok"), QStringLiteral("İyonofor"), QStringLiteral("İmplant"),
           QStringLiteral("İyonofor+İmplant")},
          1);
  addList(QStringLiteral("Arazi durumu:"),
          {QStringLiteral("Düz     "), QStringLiteral("Engebeli"), QStringLiteral("Tepelik ")}, 1);
  addEdit(QStringLiteral("Otlak birimi alanı (ha):"), 2);
  addEdit(QStringLiteral("Otlak KM kitlesi (kg/ha):"), 1);
  addEdit(QStringLiteral("Otlak TSBM oranıı (%):"), 2);
  addList(QStringLiteral("NEy düzeltme oranı (%):"), dietValues, 3, true);
  addList(QStringLiteral("NEv düzeltme oranı (%):"), dietValues, 3, true);
  addList(QStringLiteral("Mikrobiyal verim (%TSBM):"),
          {QStringLiteral("13.0"), QStringLiteral("10.0"), QStringLiteral("7.8")}, 1);
  addEdit(QStringLiteral("Otlama süresi (gün):"), 0);
  addList(QStringLiteral("Rasyon TSBM oranı (%):"),
          {QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("70"),
           QStringLiteral("80"), QStringLiteral("90")},
          3, true);
  addEdit(QStringLiteral("Otlayan hayvan sayısı:"), 0);
  setGrazing(false);
}

void BeefManagementForm::setGrazing(bool grazing)
{
  m_grazing = grazing;
  for (int f : {CB_ARZDUR, SLE_GUSIZE, SLE_IPM, SLE_OTLAK_TDNMUH, SLE_OTSURE, SLE_NOANI})
    setEnabled(f, grazing);
}

BeefManagementPage BeefManagementForm::page() const
{
  BeefManagementPage p;
  p.grazing = m_grazing;
  p.terrainItem = item(CB_ARZDUR);
  p.pastureArea = text(SLE_GUSIZE);
  p.pastureMass = text(SLE_IPM);
  p.pastureTdn = text(SLE_OTLAK_TDNMUH);
  p.grazingDays = text(SLE_OTSURE);
  p.grazingAnimals = text(SLE_NOANI);
  p.additiveItem = item(CB_ADDITIVE);
  p.dietNem = text(CB_DNEY);
  p.dietNeg = text(CB_DNEV);
  p.dietTdn = text(CB_RTSBMO);
  p.microbialYield = text(CB_MVERIM);
  return p;
}

} // namespace vz::beef
