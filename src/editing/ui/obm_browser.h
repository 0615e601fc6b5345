#pragma once
// The nutrient grid: units right-aligned, numbers to 4 decimals, names <n>Bmİsimsiz, a matrix row per row.
#include "oabs_browser.h"

namespace vz {

class OBM_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit OBM_BROWSER(QWidget *owner);
};

} // namespace vz
