#pragma once
// "Gebe & Süt Veren İnek": the data of a pregnant and/or lactating cow and her
// feeding state, which enables either the energy-share edit (state 2) or the
// expected-gain edit (state 3). Result 1 on OK with the exported fields set,
// 0 on "&İptal", Escape or close.
#include "dairyinputdialog.h"
#include "requirements/dairy/lactcatleform.h"

class QRadioButton;

namespace vz {

class LACTCATLEDW : public DairyInputDialog {
  Q_OBJECT
public:
  explicit LACTCATLEDW(QWidget *owner);

  // Exported fields.
  double NENECONS = 0.0;
  double NCANAGIR = 0.0;
  double NSUTVERI = 0.0;
  double NSYAGTES = 0.0;
  int NGEBEGUN = 0;
  int NGEBESAY = 0;
  int NYEMTUKE = 0;
  double NENGKARO = 0.0;
  double NISTAGKA = 0.0;

  QRadioButton *feedButton(int state) const;  // 1..3

public slots:
  void PBTAMAM() override;

protected:
  void editEntered(int index) override;

private:
  LactCatleForm &form() const { return static_cast<LactCatleForm &>(baseForm()); }
  void moveFocus(int target);
  QRadioButton *m_feed[3] = {};
};

} // namespace vz
