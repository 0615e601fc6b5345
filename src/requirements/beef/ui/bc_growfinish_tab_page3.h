#pragma once
// The environment page ("Çevre şartları") of the beef input dialog.
#include "beefpageview.h"
#include "requirements/beef/beefenvironmentform.h"

namespace vz::beef {

class BC_GROWFINISH_TAB_PAGE3 : public BeefPageView {
  Q_OBJECT
public:
  BC_GROWFINISH_TAB_PAGE3(BeefEnvironmentForm &form, QWidget *parent = nullptr);
};

} // namespace vz::beef
