#pragma once
// The management page ("Manejman"): grazing and the pasture, the growth
// promotant and the four diet settings. The pasture block is enabled only
// while "Otluyor" is pressed; disabling it keeps what was typed.
#include "beefinputs.h"
#include "beefpageform.h"

namespace vz::beef {

class BeefManagementForm : public BeefPageForm {
public:
  // In tab order.
  enum Field {
    CB_ADDITIVE, CB_ARZDUR, SLE_GUSIZE, SLE_IPM, SLE_OTLAK_TDNMUH, CB_DNEY, CB_DNEV,
    CB_MVERIM, SLE_OTSURE, CB_RTSBMO, SLE_NOANI
  };

  BeefManagementForm();

  bool grazing() const { return m_grazing; }
  // "Otluyor" (true) or "Otlamıyor" (false) was pressed.
  void setGrazing(bool grazing);

  // The page as the model reads it. Never fails.
  BeefManagementPage page() const;

private:
  bool m_grazing = false;
};

} // namespace vz::beef
