#include "breedtable.h"

namespace vz::beef {

namespace {

struct RawBreed {
  const char16_t *name;
  double nem;
  int birthWeight;
  double peakMilk;
};

constexpr RawBreed kBreeds[] = {
    {u"Angus", 1.00, 31, 8.0},         {u"Braford", 0.95, 36, 7.0},
    {u"Brahman", 0.90, 31, 8.0},       {u"Brangus", 0.95, 33, 8.0},
    {u"Esmer", 1.20, 39, 12.0},        {u"Şarole", 1.00, 39, 9.0},
    {u"Cianina", 1.00, 41, 6.0},       {u"Devon", 1.00, 32, 8.0},
    {u"Galloway", 1.00, 36, 8.0},      {u"Gelbvieh", 1.10, 39, 11.5},
    {u"Hereford", 1.00, 36, 7.0},      {u"Holstein", 1.20, 43, 15.0},
    {u"Jersey", 1.20, 31, 12.0},       {u"Limuzin", 1.00, 37, 9.0},
    {u"Longhorn", 1.00, 33, 5.0},      {u"Mayine Anjou", 1.00, 40, 9.0},
    {u"Nellore", 0.90, 32, 7.0},       {u"Piedmontese", 1.00, 38, 7.0},
    {u"Pinzgauer", 1.00, 38, 11.0},    {u"Polled Here", 1.00, 33, 7.0},
    {u"Red Poll", 1.00, 36, 10.0},     {u"Sahiwal", 0.90, 38, 8.0},
    {u"Salers", 1.00, 35, 9.0},        {u"S.Getrudis", 0.95, 33, 8.0},
    {u"Shorthorn", 1.00, 37, 8.5},     {u"Simental", 1.20, 39, 12.0},
    {u"South Devon", 1.00, 33, 8.0},   {u"Tarentaise", 1.00, 33, 9.0},
    {u"Yerli Kara", 1.20, 18, 5.0},    {u"Boz Irk", 1.20, 22, 8.0},
    {u"Doğu A.K.", 1.20, 19, 8.0},     {u"Güney A.K.", 1.20, 20, 10.0},
    {u"Y.Güney S.", 1.20, 18, 5.0},
};

bool isHolstein(const BreedRow &row)
{
  return row.name == QStringLiteral("Holstein");
}

// The rows the breeding system reads; false when one of them is missing.
bool pickRows(const QList<BreedRow> &table, BreedSystem system, int first, int second,
              int third, const BreedRow **a, const BreedRow **b, const BreedRow **c)
{
  auto row = [&table](int item) -> const BreedRow * {
    return item >= 1 && item <= table.size() ? &table.at(item - 1) : nullptr;
  };
  *a = row(first);
  *b = system == BreedSystem::Pure ? nullptr : row(second);
  *c = system == BreedSystem::ThreeWay ? row(third) : nullptr;
  if (!*a)
    return false;
  if (system != BreedSystem::Pure && !*b)
    return false;
  if (system == BreedSystem::ThreeWay && !*c)
    return false;
  return true;
}

} // namespace

QList<BreedRow> BMR_AMULTIPLIERS()
{
  QList<BreedRow> table;
  table.reserve(std::size(kBreeds));
  for (const RawBreed &b : kBreeds)
    table.append({QString::fromUtf16(b.name), b.nem, b.birthWeight, b.peakMilk});
  return table;
}

double MELEZ_DOGAG(double first, double second)
{
  return (first + second) / 2.0 + (first - second) / 10.0;
}

bool breedInputs(BreedSystem system, int firstItem, int secondItem, int thirdItem,
                 BreedInputs *out)
{
  const QList<BreedRow> table = BMR_AMULTIPLIERS();
  const BreedRow *a = nullptr, *b = nullptr, *c = nullptr;
  if (!pickRows(table, system, firstItem, secondItem, thirdItem, &a, &b, &c))
    return false;
  const QString join = QStringLiteral(" X ");
  switch (system) {
  case BreedSystem::Pure:
    out->nemMultiplier = a->nemMultiplier;
    out->text = a->name;
    out->dmiMultiplier = isHolstein(*a) ? 1.08 : 1.0;
    break;
  case BreedSystem::TwoWay:
    out->nemMultiplier = (a->nemMultiplier + b->nemMultiplier) / 2.0;
    out->text = a->name + join + b->name;
    out->dmiMultiplier = isHolstein(*a) || isHolstein(*b) ? 1.04 : 1.0;
    break;
  case BreedSystem::ThreeWay:
    // The first breed is half the animal, the other two a quarter each; only
    // the first is looked at for Holstein blood.
    out->nemMultiplier = (a->nemMultiplier + (b->nemMultiplier + c->nemMultiplier) / 2.0) / 2.0;
    out->text = a->name + join + b->name + join + c->name;
    out->dmiMultiplier = isHolstein(*a) ? 1.04 : 1.0;
    break;
  }
  return true;
}

bool reproductionStartValues(BreedSystem system, int firstItem, int secondItem,
                             int thirdItem, double *birthWeight, double *peakMilk)
{
  const QList<BreedRow> table = BMR_AMULTIPLIERS();
  const BreedRow *a = nullptr, *b = nullptr, *c = nullptr;
  if (!pickRows(table, system, firstItem, secondItem, thirdItem, &a, &b, &c))
    return false;
  switch (system) {
  case BreedSystem::Pure:
    *birthWeight = a->birthWeight;
    *peakMilk = a->peakMilk;
    break;
  case BreedSystem::TwoWay:
    *birthWeight = MELEZ_DOGAG(a->birthWeight, b->birthWeight);
    *peakMilk = (a->peakMilk + b->peakMilk) / 2.0;
    break;
  case BreedSystem::ThreeWay:
    *birthWeight = MELEZ_DOGAG(a->birthWeight, MELEZ_DOGAG(b->birthWeight, c->birthWeight));
    *peakMilk = (a->peakMilk + (b->peakMilk + c->peakMilk) / 2.0) / 2.0;
    break;
  }
  return true;
}

} // namespace vz::beef
