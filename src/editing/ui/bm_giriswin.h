#pragma once
// "Besin Maddesi Verileri Girişi": the nutrients of the open problem, one
// grid row per nutrient (name, unit, fixed value, lower and upper limit).
#include "entrywindow.h"

namespace vz {

class BM_GIRISWIN : public EntryWindow {
  Q_OBJECT
public:
  // `ui` null: the window's own message boxes. Never fails.
  BM_GIRISWIN(RationProblem &problem, Interaction *ui = nullptr, QWidget *parent = nullptr);
  static const Layout &layout();

public slots:
  void BMDELETE() { deleteCommand(); }
};

} // namespace vz
