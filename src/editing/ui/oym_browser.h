#pragma once
// The feedstuff grid: numbers to 3 decimals, names <n>Ymİsimsiz, a matrix column per row.
#include "oabs_browser.h"

namespace vz {

class OYM_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit OYM_BROWSER(QWidget *owner);
};

} // namespace vz
