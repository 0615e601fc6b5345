#include "liveweightestimateform.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"

namespace vz::beef {

LiveWeightEstimateForm::LiveWeightEstimateForm()
{
  addEdit(QStringLiteral("Beden uzuluğu (cm):"), 0);
  addEdit(QStringLiteral("Göğüs çevresi (cm):"), 0);
}

std::optional<QString> LiveWeightEstimateForm::liveWeightText() const
{
  if (isBlank(SLE_BUZUN) || isBlank(SLE_GCEVRE))
    return std::nullopt;
  // Read as leaving the edits would rewrite them, so a measure typed with a
  // comma and confirmed with Enter counts as shown.
  const double length = rt::Val(SDAYA(text(SLE_BUZUN), 0));
  const double girth = rt::Val(SDAYA(text(SLE_GCEVRE), 0));
  return rt::Str(rt::Round(length * girth * girth / 10850.0, 3), 9, 3);
}

} // namespace vz::beef
