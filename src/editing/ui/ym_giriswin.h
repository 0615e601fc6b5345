#pragma once
// "Yem Maddesi Verileri Girişi": the feedstuffs of the open problem, one grid
// row per feedstuff (name, price, fixed amount, lower and upper limit).
#include "entrywindow.h"

namespace vz {

class YM_GIRISWIN : public EntryWindow {
  Q_OBJECT
public:
  // `ui` null: the window's own message boxes. Never fails.
  YM_GIRISWIN(RationProblem &problem, Interaction *ui = nullptr, QWidget *parent = nullptr);
  static const Layout &layout();

public slots:
  void YMDELETE() { deleteCommand(); }
};

} // namespace vz
