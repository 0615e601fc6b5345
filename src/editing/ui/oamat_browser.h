#pragma once
// The matrix grid: numbers to 4 decimals; the label column never keeps the focus.
#include "oabs_browser.h"

namespace vz {

class OAMAT_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit OAMAT_BROWSER(QWidget *owner);
};

} // namespace vz
