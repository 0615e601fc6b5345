#pragma once
// The reproduction and lactation page ("Tanım devamı..."), which only the
// lactating cow, the dry cow and the breeding heifer get. A lactating cow
// starts with the usual milk composition and the first breed's peak milk; a
// dry cow or heifer has the eight lactation fields set to zero and locked.
#include "beefinputs.h"
#include "beefpageform.h"

namespace vz::beef {

class BeefReproductionForm : public BeefPageForm {
public:
  // In tab order.
  enum Field {
    SLE_GEBELIKSURESI, SLE_SUTVERIMSURESI, SLE_LAKSAYISI, SLE_PIKSUTVERIMI,
    SLE_PIKVERIMZAMANI, SLE_LAKSURESI, SLE_SUTYAGI, SLE_SUTPPROTEINI, SLE_SUTSNF,
    SLE_DKULYASI, SLE_BUZAGARALIGI, SLE_BEKBUZDOGAG
  };

  // `caption` is the trimmed type caption; `animal` is the animal page as it
  // stands when this page is built (its breed gives the starting calf birth
  // weight and peak milk).
  BeefReproductionForm(const QString &caption, const BeefAnimalPage &animal);

  bool isLactating() const { return m_lactating; }

  // The page as the model reads it. Never fails.
  BeefReproductionPage page() const;

private:
  bool m_lactating = false;
};

} // namespace vz::beef
