#include "beefminerals.h"

#include "platform/rtext.h"

namespace vz::beef {

namespace {

struct MineralConstants {
  double maintenance;  // g per kg SBW
  double growth;       // g per g of net protein gained
  double milk;         // g per kg of milk
  double gestation;    // g per kg of calf birth weight over the last 90 days
  double absorption;
};

double factorial(const BeefFields &f, const MineralConstants &c)
{
  const double base = c.maintenance * (f.NSBW / c.absorption);
  const double gestation = inLateGestation(f.NDAYSPREGNANT)
                               ? f.NBIRTHWEIGHT * ((c.gestation / 90.0) / c.absorption)
                               : 0.0;
  switch (f.NANIMALTYPE) {
  case GrowFinish:
    return base + f.NNPGROWTH * (c.growth / c.absorption);
  case LactatingCow:
    return base + f.NLACTMILK * (c.milk / c.absorption) + gestation;
  case DryCow:
  case BreedingHeifer:
    return base + gestation;
  default:
    return base;
  }
}

// Daily grams from a share (%) of the intake.
double sharedGrams(double percent, double dmi)
{
  return rt::Round(percent / 100.0 * dmi * 1000.0, 2);
}

struct VitMinSpec {
  const char16_t *unit;
  double lactating;
  double other;
  double pregnancy;
  bool shareOfIntake;
};

constexpr VitMinSpec kVitMin[] = {
    {u"g/Kg", 0.20, 0.10, 0.12, true},      // magnesium
    {u"g/Kg", 0.7, 0.6, 0.6, true},         // potassium
    {u"g/Kg", 0.10, 0.06, 0.06, true},      // sodium
    {u"g/Kg", 0.15, 0.15, 0.15, true},      // sulphur
    {u"mg/kg", 0.1, 0.1, 0.1, false},       // cobalt
    {u"mg/kg", 10, 10, 10, false},          // copper
    {u"mg/kg", 0.5, 0.5, 0.5, false},       // iodine
    {u"mg/kg", 50, 50, 50, false},          // iron
    {u"mg/kg", 40, 20, 40, false},          // manganese
    {u"mg/kg", 0.1, 0.1, 0.1, false},       // selenium
    {u"mg/kg", 30, 30, 30, false},          // zinc
    {u"IU/Kg", 3900, 2200, 2800, false},    // vitamin A
    {u"IU/Kg", 275, 275, 275, false},       // vitamin D
};

} // namespace

bool inLateGestation(quint32 daysPregnant)
{
  const quint32 daysLeft = daysPregnant >= 282 ? 0 : 282 - daysPregnant;
  return daysLeft <= 90;
}

void MIN_REQUIRS_CA(BeefFields &f)
{
  f.NKALSIYUMREQ = factorial(f, {0.0154, 0.071, 1.23, 13.7, 0.5});
}

void MIN_REQUIRS_P(BeefFields &f)
{
  f.NFOSFORREQ = factorial(f, {0.016, 0.045, 0.95, 7.6, 0.68});
}

VitMinTable VMIN_REQUIRS(const BeefFields &f)
{
  VitMinTable table;
  table.reserve(std::size(kVitMin));
  const bool pregnant = f.NDAYSPREGNANT >= 90;
  for (const VitMinSpec &s : kVitMin) {
    VitMinRow row;
    row.unit = QString::fromUtf16(s.unit);
    const double base = f.NANIMALTYPE == LactatingCow ? s.lactating : s.other;
    row.amount = s.shareOfIntake ? sharedGrams(base, f.NDMI) : base;
    if (pregnant)
      row.amount += s.shareOfIntake ? sharedGrams(s.pregnancy, f.NDMI) : s.pregnancy;
    table.append(row);
  }
  return table;
}

} // namespace vz::beef
