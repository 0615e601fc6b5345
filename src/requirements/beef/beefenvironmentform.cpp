#include "beefenvironmentform.h"

#include "platform/rtext.h"

namespace vz::beef {

BeefEnvironmentForm::BeefEnvironmentForm()
{
  const auto padded = [](const char *text) { return rt::PadL(QString::fromLatin1(text), 11); };
  addEdit(QStringLiteral("Rüzgar hızı (km/sa):"), 0, Rewrite::Number, padded("1"));
  addEdit(QStringLiteral("Çevre sıcaklığı (°C):"), 0, Rewrite::SignedNumber, padded("20"));
  addEdit(QStringLiteral("Önceki ayın sıcaklık ortalaması (°C):"), 0, Rewrite::SignedNumber,
          padded("20"));
  addList(QStringLiteral("Sıcaklık stresi var mı?"),
          {QStringLiteral("Normal"), QStringLiteral("Yüzeysel hızlı soluma"),
           QStringLiteral("Ağız açık soluma")},
          1);
  addList(QStringLiteral("Gece serinliyor mu?"), {QStringLiteral("Hayır"), QStringLiteral("Evet")},
          1);
  addList(QStringLiteral("Zemindeki çamur miktarı:"),
          {QStringLiteral("Yok"), QStringLiteral("Hafif(10-20cm)"), QStringLiteral("Çok(30-60cm)")},
          1);
  addList(QStringLiteral("Deri ve kılların durumu:"),
          {QStringLiteral("Kuru"), QStringLiteral("Aşağı kısımları biraz çamurlu"),
           QStringLiteral("Üzeri ıslak ve keçeleşmiş"), QStringLiteral("Üzeri ıslak ve çamurla kaplı")},
          1);
  addList(QStringLiteral("Deri kalınlığı:"),
          {QStringLiteral("İnce"), QStringLiteral("Orta"), QStringLiteral("Kalın")}, 1);
  addList(QStringLiteral("Efektif kıl uzunluğu (cm):"), {padded("0.6"), padded("1.3")}, 1, true, 1,
          Rewrite::Number);
}

BeefEnvironmentPage BeefEnvironmentForm::page() const
{
  BeefEnvironmentPage p;
  p.windSpeed = text(SLE_RUZGHIZI);
  p.temperature = text(SLE_CEVSIC);
  p.previousMonthTemperature = text(SLE_ONCEASO);
  p.heatStressItem = item(CB_SSIT);
  p.nightCoolingText = text(CB_GECESERIN);
  p.mudItem = item(CB_ZEMCAMMIK);
  p.hideConditionItem = item(CB_DERIKILDUR);
  p.hideThicknessItem = item(CB_DERKAL);
  p.hairLength = text(CB_EFEKKILUZ);
  return p;
}

} // namespace vz::beef
