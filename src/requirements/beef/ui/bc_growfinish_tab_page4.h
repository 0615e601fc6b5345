#pragma once
// The reproduction and lactation page ("Tanım devamı...") of the beef input
// dialog, for lactating and dry cows and breeding heifers.
#include "beefpageview.h"
#include "requirements/beef/beefreproductionform.h"

namespace vz::beef {

class BC_GROWFINISH_TAB_PAGE4 : public BeefPageView {
  Q_OBJECT
public:
  BC_GROWFINISH_TAB_PAGE4(BeefReproductionForm &form, QWidget *parent = nullptr);
};

} // namespace vz::beef
