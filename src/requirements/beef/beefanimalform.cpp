#include "beefanimalform.h"

#include "breedtable.h"
#include "platform/rtext.h"

namespace vz::beef {

namespace {

QStringList breedNames()
{
  QStringList names;
  for (const BreedRow &row : BMR_AMULTIPLIERS())
    names.append(row.name);
  return names;
}

} // namespace

BeefAnimalForm::BeefAnimalForm(const QString &caption)
{
  const QString breedLabel = QStringLiteral("Yetiştirme sistemi:");
  addEdit(QStringLiteral("Yaş (ay):"), 0);
  addList(QStringLiteral("Cinsiyet:"),
          {QStringLiteral("Boğa"), QStringLiteral("Öküz"), QStringLiteral("Düve"),
           QStringLiteral("İnek"), QStringLiteral("Diğer")},
          1);
  addEdit(QStringLiteral("Canlı ağırlık (kg):"), 3);
  addEdit(QStringLiteral("Kondüsyon skoru (1-9):"), 0, Rewrite::Number,
          rt::PadL(QStringLiteral("5"), 11));
  setBlankDefault(SLE_KONSKOR, QStringLiteral("5"));
  addEdit(QStringLiteral("Ergin ağırlık/Besi sonu ağırlığı (kg):"), 0);
  addEdit(QStringLiteral("İstenen CA artışı (kg/gün):"), 3);
  addList(QStringLiteral("Hedef yağlılık düzeyi:"),
          {QStringLiteral("Yağlı, %28"), QStringLiteral("Az yağlı, %27"),
           QStringLiteral("Çok az yağlı, %25")},
          1);
  const QStringList breeds = breedNames();
  addList(breedLabel, breeds, 1);
  addList(breedLabel, breeds, 1);
  addList(breedLabel, breeds, 1);
  chooseBreedSystem(BreedSystem::Pure);
  if (caption != QStringLiteral("Genç/Besi")) {
    // The other types are of one sex each: the locked list shows it. The
    // model counts the bull's maintenance surplus by type and item, so a cow
    // shown as "İnek" is computed as she was when the list read "Boğa".
    chooseItem(CB_CINSIYET, lockedSexItem(rt::AllTrim(caption)));
    setEnabled(CB_CINSIYET, false);
    setEnabled(CB_HEDYAGDUZ, false);
  }
}

int BeefAnimalForm::lockedSexItem(const QString &type)
{
  if (type == QStringLiteral("Süt Veren İnek") || type == QStringLiteral("Kurudaki İnek"))
    return 4;  // "İnek"
  if (type == QStringLiteral("Damızlık Düve"))
    return 3;  // "Düve"
  return 1;    // "Boğa"
}

void BeefAnimalForm::chooseBreedSystem(BreedSystem system)
{
  m_breedSystem = system;
  setEnabled(CB_SIRK, true);
  setEnabled(CB_IKILIMEL, system != BreedSystem::Pure);
  setEnabled(CB_UCLUMEL, system == BreedSystem::ThreeWay);
}

void BeefAnimalForm::putLiveWeight(const QString &text)
{
  setText(SLE_CANAG, text);
}

BeefAnimalPage BeefAnimalForm::page() const
{
  BeefAnimalPage p;
  p.age = text(SLE_YAS);
  p.sexItem = item(CB_CINSIYET);
  p.sexText = text(CB_CINSIYET);
  p.liveWeight = text(SLE_CANAG);
  p.conditionScore = text(SLE_KONSKOR);
  p.matureWeight = text(SLE_BSAGIR);
  p.dailyGain = text(SLE_ICAARTISI);
  p.fatLevelItem = item(CB_HEDYAGDUZ);
  p.breedSystem = m_breedSystem;
  p.firstBreedItem = item(CB_SIRK);
  p.secondBreedItem = item(CB_IKILIMEL);
  p.thirdBreedItem = item(CB_UCLUMEL);
  return p;
}

} // namespace vz::beef
