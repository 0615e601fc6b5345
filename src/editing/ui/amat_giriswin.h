#pragma once
// "Yem Maddesi & Besin Maddesi Matrisi Yazımı": the feed x nutrient matrix of
// the open problem, one row per nutrient under a read-only label (name and
// unit), one column per feedstuff. Rows and columns are never added or
// removed here. Its changed marker is the problem's matrix-changed flag.
#include "entrywindow.h"

namespace vz {

class AMAT_GIRISWIN : public EntryWindow {
  Q_OBJECT
public:
  // `ui` null: the window's own message boxes and dialogs. A matrix out of
  // step with the name lists shows "Girişte bir hata oluştu!" and the window
  // is not usable (isUsable() false).
  AMAT_GIRISWIN(RationProblem &problem, Interaction *ui = nullptr, QWidget *parent = nullptr);
  static const Layout &layout();

public slots:
  void BMBAGLA();
  void PBSPLIT();
};

} // namespace vz
