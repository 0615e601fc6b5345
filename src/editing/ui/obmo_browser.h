#pragma once
// The ratio grid: numbers to 4 decimals, unnamed ratios named Bmİsmi-I and Bmİsmi-II.
#include "oabs_browser.h"

namespace vz {

class OBMO_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit OBMO_BROWSER(QWidget *owner);
};

} // namespace vz
