#include "beefreproductionform.h"

#include "breedtable.h"
#include "platform/rtext.h"

namespace vz::beef {

namespace {

QString padded(const QString &text)
{
  return rt::PadL(text, 11);
}

} // namespace

BeefReproductionForm::BeefReproductionForm(const QString &caption, const BeefAnimalPage &animal)
  : m_lactating(caption == QStringLiteral("Süt Veren İnek"))
{
  addEdit(QStringLiteral("Gebelikte süre (gün):"), 0);
  addEdit(QStringLiteral("Süt verim süresi (gün):"), 0);
  addEdit(QStringLiteral("Laktasyon sayısı (yıl):"), 0);
  addEdit(QStringLiteral("Pik süt verimi (kg/gün):"), 2);
  addEdit(QStringLiteral("Pik verim zamanı (hafta):"), 0);
  addEdit(QStringLiteral("Laktasyon süresi (hafta):"), 0);
  addEdit(QStringLiteral("Süt yağı (%):"), 2);
  addEdit(QStringLiteral("Süt protein oranı (%):"), 2);
  addEdit(QStringLiteral("Süt yağsız kuru madde oranı (SNF,%):"), 2);
  addEdit(QStringLiteral("Damızlıkta kullanma yaşı (ay):"), 0);
  addEdit(QStringLiteral("Buzağılama aralığı (ay):"), 2);
  addEdit(QStringLiteral("Buzağı doğum ağırlığı (kg):"), 2);

  if (m_lactating) {
    setText(SLE_SUTYAGI, padded(QStringLiteral("4.01")));
    setText(SLE_SUTPPROTEINI, padded(QStringLiteral("3.4")));
    setText(SLE_SUTSNF, padded(QStringLiteral("8.3")));
  }
  double birthWeight = 0.0;
  double peakMilk = 0.0;
  if (reproductionStartValues(animal.breedSystem, animal.firstBreedItem, animal.secondBreedItem,
                              animal.thirdBreedItem, &birthWeight, &peakMilk)) {
    setText(SLE_BEKBUZDOGAG, padded(QString::number(birthWeight, 'f', 0)));
    if (m_lactating)
      setText(SLE_PIKSUTVERIMI, padded(QString::number(peakMilk, 'f', 1)));
  }
  if (caption == QStringLiteral("Kurudaki İnek") || caption == QStringLiteral("Damızlık Düve")) {
    const QList<std::pair<Field, const char *>> zeros = {
        {SLE_SUTVERIMSURESI, "0"}, {SLE_LAKSAYISI, "0"},   {SLE_PIKSUTVERIMI, "0.00"},
        {SLE_PIKVERIMZAMANI, "0"}, {SLE_LAKSURESI, "0"},   {SLE_SUTYAGI, "0.00"},
        {SLE_SUTPPROTEINI, "0.00"}, {SLE_SUTSNF, "0.00"}};
    for (const auto &[field, zero] : zeros) {
      setText(field, padded(QString::fromLatin1(zero)));
      setEnabled(field, false);
    }
  }
}

BeefReproductionPage BeefReproductionForm::page() const
{
  BeefReproductionPage p;
  p.daysPregnant = text(SLE_GEBELIKSURESI);
  p.daysInMilk = text(SLE_SUTVERIMSURESI);
  p.lactationNumber = text(SLE_LAKSAYISI);
  p.peakMilk = text(SLE_PIKSUTVERIMI);
  p.peakWeek = text(SLE_PIKVERIMZAMANI);
  p.lactationLength = text(SLE_LAKSURESI);
  p.milkFat = text(SLE_SUTYAGI);
  p.milkProtein = text(SLE_SUTPPROTEINI);
  p.milkSnf = text(SLE_SUTSNF);
  p.breedingAge = text(SLE_DKULYASI);
  p.calvingInterval = text(SLE_BUZAGARALIGI);
  p.calfBirthWeight = text(SLE_BEKBUZDOGAG);
  return p;
}

} // namespace vz::beef
