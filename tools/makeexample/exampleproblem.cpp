#include "exampleproblem.h"

#include "platform/rtext.h"

namespace vz::example {

namespace {

struct Feed {
  const char *name;
  double price;  // TL per kg as fed
  double upper;  // kg of dry matter a day, 0 for none
  // per kg of dry matter
  double kmo;       // dry matter, % of the feed as fed
  double nel;       // Mcal
  double hp;        // crude protein, g
  double ndf;       // kg
  double calcium;   // g
  double phosphor;  // g
};

// Composition from the usual feed tables (NRC 2001, INRA), rounded.
const Feed Feeds[] = {
    {"Mısır Silajı", 2.50, 12.0, 35, 1.45, 80, 0.45, 2.5, 2.2},
    {"Yonca Kuru Otu", 9.00, 0, 90, 1.30, 180, 0.45, 14.0, 2.5},
    {"Buğday Samanı", 3.50, 2.0, 91, 0.95, 40, 0.78, 2.8, 0.8},
    {"Arpa", 10.50, 0, 89, 1.90, 125, 0.20, 0.6, 3.9},
    {"Mısır Dane", 11.00, 0, 88, 2.00, 92, 0.10, 0.3, 3.0},
    {"Buğday Kepeği", 9.00, 3.0, 89, 1.60, 170, 0.45, 1.3, 11.8},
    {"Soya Küspesi", 25.00, 0, 89, 2.00, 500, 0.10, 4.0, 7.1},
    {"Ayçiçek Küspesi", 13.00, 4.0, 90, 1.50, 320, 0.40, 4.0, 10.0},
    {"Kireç Taşı", 2.00, 0.3, 99, 0, 0, 0, 380, 0},
    {"Dikalsiyum Fos.", 30.00, 0.2, 97, 0, 0, 0, 230, 185},
};

QString cell(double v, int decimals = 4)
{
  return rt::Str(v, 11, decimals);
}

QString empty()
{
  return rt::Space(11);
}

QStringList nutrient(const char *name, const char *unit, const QString &fixed, const QString &lower,
                     const QString &upper)
{
  return {rt::PadR(QString::fromUtf8(name), 15), rt::PadL(QString::fromUtf8(unit), 11), fixed, lower, upper};
}

} // namespace

RationProblem dairyCow()
{
  RationProblem p;
  QStringList kmt, kmo, nel, hp, ndf, ca, ph;
  for (const Feed &f : Feeds) {
    p.feeds.append({rt::PadR(QString::fromUtf8(f.name), 15), cell(f.price, 3), empty(), empty(),
                    f.upper > 0 ? cell(f.upper, 3) : empty()});
    p.feedAmounts.append(empty());
    kmt.append(cell(1.0));
    kmo.append(cell(f.kmo));
    nel.append(cell(f.nel));
    hp.append(cell(f.hp));
    ndf.append(cell(f.ndf));
    ca.append(cell(f.calcium));
    ph.append(cell(f.phosphor));
  }
  // Daily amounts for a 600 kg cow giving 25 kg of milk with 3.5 % fat: about
  // 20.5 kg of dry matter, 16 % crude protein, 28 % NDF.
  p.nutrients = {
      nutrient("KMT", "Kg/Kg", cell(20.5), empty(), empty()),
      nutrient("KMO", "%", empty(), empty(), empty()),
      nutrient("NEL", "MCal/Kg", empty(), cell(28.5), empty()),
      nutrient("HP", "g/Kg", empty(), cell(3200), empty()),
      nutrient("NDF", "Kg/Kg", empty(), cell(5.7), empty()),
      nutrient("KALSIYUM", "g/Kg", empty(), cell(110), empty()),
      nutrient("FOSFOR", "g/Kg", empty(), cell(68), empty()),
  };
  p.matrix = {kmt, kmo, nel, hp, ndf, ca, ph};
  p.ratios = {{rt::PadR(QStringLiteral("KALSIYUM"), 15), rt::PadR(QStringLiteral("FOSFOR"), 15), empty(), cell(1.5),
               cell(2.5)}};
  p.params = RationProblem::defaultParams();
  p.animalDescription = {QStringLiteral("GEBE & SÜT VEREN İNEK:"), QStringLiteral("CANLI AĞIRLIK (C.A. Kg):600"),
                         QStringLiteral("SÜT ÜRETİMİ (Kg): 25"), QStringLiteral("SÜT YAĞ TESTİ (%): 3.50"),
                         QStringLiteral("GEBELİKTE GÜN SAYISI: 0"), QStringLiteral("LAKTASYON SAYISI: 2")};
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  p.changed.params = p.changed.feedNames = p.changed.nutrientNames = true;
  p.changed.ratios = p.changed.matrix = p.changed.feedAmounts = true;
  return p;
}

} // namespace vz::example
