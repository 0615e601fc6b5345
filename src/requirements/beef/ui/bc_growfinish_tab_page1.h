#pragma once
// The animal page ("Hayvan tanımı") of the beef input dialog, with the
// breeding-system radio buttons and the live-weight estimate.
#include "beefpageview.h"
#include "requirements/beef/beefanimalform.h"

class QRadioButton;
class QPushButton;

namespace vz::beef {

class BC_GROWFINISH_TAB_PAGE1 : public BeefPageView {
  Q_OBJECT
public:
  BC_GROWFINISH_TAB_PAGE1(BeefAnimalForm &form, QWidget *parent = nullptr);

  QRadioButton *OCCRB_SAFIRK = nullptr;
  QRadioButton *OCCRB_IKILIMELEZ = nullptr;
  QRadioButton *OCCRB_UCLUMELEZ = nullptr;
  QPushButton *OCCPB_CATAH = nullptr;

public slots:
  // "Canlı ağırlık tahmini": the estimate dialog; its result goes into the
  // live weight, which then gets the focus.
  void PB_CATAH();

private:
  BeefAnimalForm &m_animal;
};

} // namespace vz::beef
