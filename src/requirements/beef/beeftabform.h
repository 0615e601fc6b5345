#pragma once
// The tabbed input dialog (BC_GROWFINISH_TAB) without widgets: the pages of
// the chosen animal type and the check that "Tamam" runs before the dialog
// may close.
//
// "Tamam" first rewrites the focused field as leaving it would (so "-10" and
// "12,5" count as shown), then walks the pages in this order and stops at the
// first refused field: the animal page (age, live weight, mature weight,
// desired gain), the reproduction page (the lactating cow's nine lactation
// and pregnancy fields, then breeding age, calving interval and calf birth
// weight for every type that has the page; a refusal in the second list wins
// over one in the first), the pasture fields while grazing, then wind speed,
// the two temperatures and the hair length. A field is refused when it is
// blank; the weights, the lactating cow's peak week and peak milk, and the
// grazing animals and days also when they are 0, since the equations divide
// by them; the days pregnant also beyond 282.
#include "beefanimalform.h"
#include "beefenvironmentform.h"
#include "beefinputs.h"
#include "beefmanagementform.h"
#include "beefreproductionform.h"

#include <QList>
#include <memory>
#include <optional>

namespace vz::beef {

enum class BeefPage { Animal = 1, Management = 2, Environment = 3, Reproduction = 4 };

struct BeefFieldRef {
  BeefPage page = BeefPage::Animal;
  int field = 0;
  bool operator==(const BeefFieldRef &) const = default;
};

class BeefTabForm {
public:
  // `caption` as the type dialog gave it; the dialog shows it trimmed.
  explicit BeefTabForm(const QString &caption);

  QString caption() const { return m_caption; }
  bool hasReproductionPage() const { return m_reproduction != nullptr; }
  // The tabs in the order shown: animal, (reproduction,) management, environment.
  QList<BeefPage> tabs() const;
  static QString tabCaption(BeefPage page);

  BeefAnimalForm &animal() { return m_animal; }
  BeefManagementForm &management() { return m_management; }
  BeefEnvironmentForm &environment() { return m_environment; }
  BeefReproductionForm *reproduction() { return m_reproduction.get(); }
  // The page's form; null for the reproduction page of a type without it.
  BeefPageForm *page(BeefPage page);

  // "Tamam" with the focus in `focused` (nullopt: no field). Returns the
  // field whose tab must be selected and which must get the focus, or
  // nullopt when the dialog may close with result 1.
  std::optional<BeefFieldRef> checkOk(std::optional<BeefFieldRef> focused);

  // The pages as the model reads them. Never fails.
  BeefInputPages pages() const;

private:
  bool refused(BeefPageForm &page, int field, bool positive) const;

  QString m_caption;
  BeefAnimalForm m_animal;
  BeefManagementForm m_management;
  BeefEnvironmentForm m_environment;
  std::unique_ptr<BeefReproductionForm> m_reproduction;
};

} // namespace vz::beef
