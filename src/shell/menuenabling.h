#pragma once
// Which problem commands of the main menu are open, derived from the ration
// problem alone (MI_ENADISABLE). Data entry needs an open problem; the matrix
// and ratio windows need two feedstuffs and two nutrients; the optimiser, the
// manual ration and the active-matrix report need a matrix of at least 2 x 2;
// building from the reference matrix is offered while the matrix is smaller.
#include <QList>
#include <QMap>

namespace vz {

class RationProblem;

class MenuEnabling {
public:
  // The fifteen problem items; every other item of the main menu is left alone.
  static const QList<int> &problemItems();

  // Enabled state of each problem item; all false when no problem is open.
  // Never fails; two calls on the same problem give the same map.
  static QMap<int, bool> compute(const RationProblem &problem, bool problemOpen);
};

} // namespace vz
