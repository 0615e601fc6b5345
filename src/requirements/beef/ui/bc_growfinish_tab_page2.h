#pragma once
// The management page ("Manejman") of the beef input dialog, with the
// grazing switch that enables the pasture block.
#include "beefpageview.h"
#include "requirements/beef/beefmanagementform.h"

class QRadioButton;

namespace vz::beef {

class BC_GROWFINISH_TAB_PAGE2 : public BeefPageView {
  Q_OBJECT
public:
  BC_GROWFINISH_TAB_PAGE2(BeefManagementForm &form, QWidget *parent = nullptr);

  QRadioButton *OCCRB_OMUYOR = nullptr;  // "Otlamıyor"
  QRadioButton *OCCRB_OLUYOR = nullptr;  // "Otluyor"
};

} // namespace vz::beef
