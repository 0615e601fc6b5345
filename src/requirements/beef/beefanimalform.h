#pragma once
// The animal page ("Hayvan tanımı"): age, sex, live weight, condition score,
// mature or finishing end weight, desired gain, target fat level and the
// breed as a pure breed or a two- or three-way cross. Only a growing animal
// chooses its sex and fat level; every other type shows the sex of its kind
// ("İnek" for a cow, "Düve" for a heifer, "Boğa" for a bull) and keeps
// "Yağlı, %28", both locked.
#include "beefinputs.h"
#include "beefpageform.h"

namespace vz::beef {

class BeefAnimalForm : public BeefPageForm {
public:
  // In tab order.
  enum Field {
    SLE_YAS, CB_CINSIYET, SLE_CANAG, SLE_KONSKOR, SLE_BSAGIR, SLE_ICAARTISI,
    CB_HEDYAGDUZ, CB_SIRK, CB_IKILIMEL, CB_UCLUMEL
  };

  // `caption` is the animal type's caption as the type dialog gave it.
  explicit BeefAnimalForm(const QString &caption);

  BreedSystem breedSystem() const { return m_breedSystem; }
  // A breeding-system radio button was pressed: the breed lists it uses are
  // enabled, the others disabled (keeping their choice).
  void chooseBreedSystem(BreedSystem system);

  // The live-weight estimate was accepted: its text goes into the live
  // weight, to be rewritten when the focus leaves it.
  void putLiveWeight(const QString &text);

  // The page as the model reads it. Never fails.
  BeefAnimalPage page() const;

private:
  // The item the locked sex list shows for a type other than "Genç/Besi".
  static int lockedSexItem(const QString &type);

  BreedSystem m_breedSystem = BreedSystem::Pure;
};

} // namespace vz::beef
