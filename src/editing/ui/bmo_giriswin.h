#pragma once
// "Besin Maddesi Oran Verileri Girişi": the nutrient ratios of the open
// problem (numerator and denominator nutrient, fixed value, lower and upper
// limit). Its changed marker is the problem's ratios-changed flag.
#include "entrywindow.h"

namespace vz {

class BMO_GIRISWIN : public EntryWindow {
  Q_OBJECT
public:
  // `ui` null: the window's own message boxes and choice dialogs. Never fails.
  BMO_GIRISWIN(RationProblem &problem, Interaction *ui = nullptr, QWidget *parent = nullptr);
  static const Layout &layout();

public slots:
  void BMODELETE() { deleteCommand(); }
  void ORANSEC();
};

} // namespace vz
