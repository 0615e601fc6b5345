#include "matbulform.h"

namespace vz {

MatBulForm::MatBulForm()
{
  addEdit({0.95, 1.05, true, 0.0, 2}, QStringLiteral("1.00"));
  addEdit({500.0, 1400.0, true, 0.0, 2});
}

std::optional<MatBulInput> MatBulForm::accept(int focusedEdit, int *refocus)
{
  const int bad = checkAllForOk(focusedEdit);
  if (refocus)
    *refocus = bad;
  if (bad >= 0)
    return std::nullopt;
  MatBulInput in;
  in.NENECONS = value(SLEEY);
  in.NCANAGIR = value(SLECA);
  return in;
}

} // namespace vz
