#pragma once
// A small problem for the manual ration tests: three feedstuffs and the
// nutrients KMT, KMO, HP (no unit), NDF (%) and ENE with only an upper limit.
#include "platform/rtext.h"
#include "problem/rationproblem.h"

namespace vz::test {

inline QString num(const char *t) { return rt::PadL(QString::fromLatin1(t), 11); }
inline QString blank11() { return QString(11, QLatin1Char(' ')); }
inline QString name15(const QString &n) { return rt::PadR(n, 15); }

inline RationProblem manualProblem()
{
  RationProblem p;
  p.feeds = {{name15(QStringLiteral("Arpa")), num("0.500"), blank11(), blank11(), blank11()},
             {name15(QStringLiteral("Mısır Silajı")), num("0.120"), blank11(), blank11(), blank11()},
             {name15(QStringLiteral("Yonca Kuru Otu")), num("0.300"), blank11(), blank11(), blank11()}};
  p.nutrients = {{name15(QStringLiteral("KMT")), num("Kg/Kg"), num("12.0000"), blank11(), blank11()},
                 {name15(QStringLiteral("KMO")), num("%"), blank11(), num("50.0000"), blank11()},
                 {name15(QStringLiteral("HP")), blank11(), blank11(), num("1.5000"), blank11()},
                 {name15(QStringLiteral("NDF")), num("%"), blank11(), num("30.0000"), num("45.0000")},
                 {name15(QStringLiteral("ENE")), num("Mcal/Kg"), blank11(), blank11(), num("2.0000")}};
  p.matrix = {{num("1.0000"), num("1.0000"), num("1.0000")},
              {num("85.0000"), num("30.0000"), num("90.0000")},
              {num("0.1200"), num("0.0800"), num("0.1800")},
              {num("20.0000"), num("45.0000"), num("42.0000")},
              {num("1.8000"), num("1.5000"), num("1.3000")}};
  p.params = RationProblem::defaultParams();
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  return p;
}

} // namespace vz::test
