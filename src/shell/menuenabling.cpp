#include "menuenabling.h"

#include "menuids.h"
#include "problem/rationproblem.h"

namespace vz {

const QList<int> &MenuEnabling::problemItems()
{
  using namespace menuid;
  static const QList<int> items{Kapat, Kaydet, FarkliKaydet, YemMaddesi, BesinMaddesi,
                                SutSigiri, BesiSigiri, SecerekOlustur, BesinMaddesiEkle,
                                YemMaddesiEkle, MatrisYazimi, BesinMaddesiOrani, Optimal,
                                Manuel, AktifMatris};
  return items;
}

QMap<int, bool> MenuEnabling::compute(const RationProblem &problem, bool problemOpen)
{
  using namespace menuid;
  QMap<int, bool> state;
  for (int id : problemItems())
    state.insert(id, false);
  if (!problemOpen)
    return state;

  const qsizetype rows = problem.matrix.size();
  const qsizetype columns = rows > 0 ? problem.matrix.first().size() : 0;
  const bool fullMatrix = rows >= 2 && columns >= 2;
  const qsizetype feeds = problem.feedNames.size();
  const qsizetype nutrients = problem.nutrientNames.size();

  for (int id : {Kapat, Kaydet, FarkliKaydet, BesinMaddesi, YemMaddesi, SutSigiri, BesiSigiri})
    state[id] = true;
  state[SecerekOlustur] = !fullMatrix;
  state[BesinMaddesiEkle] = feeds >= 1;
  state[YemMaddesiEkle] = nutrients >= 1;
  state[MatrisYazimi] = feeds >= 2 && nutrients >= 2;
  state[BesinMaddesiOrani] = feeds >= 2 && nutrients >= 2;
  state[Optimal] = fullMatrix;
  state[Manuel] = fullMatrix;
  state[AktifMatris] = fullMatrix;
  return state;
}

} // namespace vz
