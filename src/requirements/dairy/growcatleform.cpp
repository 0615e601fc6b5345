#include "growcatleform.h"

namespace vz {

GrowCatleForm::GrowCatleForm()
{
  addEdit({0.95, 1.05, true, 0.0, 2}, QStringLiteral("1.00"));
  addEdit({100.0, 800.0, true, 0.0, 2});
  addEdit({400.0, 1000.0, true, 0.0, 2});
}

void GrowCatleForm::selectClass(int sizeClass)
{
  if (sizeClass >= 1 && sizeClass <= 4)
    m_class = sizeClass;
}

std::optional<GrowCatleInput> GrowCatleForm::accept(int focusedEdit, int *refocus)
{
  const int bad = checkAllForOk(focusedEdit);
  if (refocus)
    *refocus = bad;
  if (bad >= 0)
    return std::nullopt;
  GrowCatleInput in;
  in.NENECONS = value(SLEENKONS);
  in.NCANAGIR = value(SLECANAG);
  in.NBEKCAAR = value(SLEBAGKAZ);
  in.NCESTYPE = m_class;
  return in;
}

} // namespace vz
