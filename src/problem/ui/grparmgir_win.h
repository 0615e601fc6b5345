#pragma once
// "Parametre Giriş": the report parameters (animal count, currency unit,
// weight unit) of the open problem, confirmed or changed just before a ration
// report is written. Typing raises the problem's parameters-changed flag; OK
// stores the three values while that flag is raised; Cancel (also Escape and
// the close box) puts the flag back to what it was before the dialog and
// changes nothing. RESULT is 1 for OK and 0 for Cancel.
#include "okcanceldialog.h"


namespace vz {

class JQSLE;
class RationProblem;

class GRPARMGIR_WIN : public OkCancelDialog {
  Q_OBJECT
public:
  GRPARMGIR_WIN(QWidget *owner, RationProblem &problem);

  int RESULT() const { return result(); }
  QString CHAYSAX() const { return m_chaysax; }
  QString CPBIRIX() const { return m_cpbirix; }
  QString CABIRIX() const { return m_cabirix; }

  JQSLE *HAYSAY() const { return m_animals; }
  JQSLE *PARABIRIM() const { return m_currency; }
  JQSLE *AGIRBIRIM() const { return m_weight; }

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  void normaliseAnimalsIfTyped();

  RationProblem &m_problem;
  bool m_flagBefore;
  JQSLE *m_animals;
  JQSLE *m_currency;
  JQSLE *m_weight;
  QString m_chaysax;
  QString m_cpbirix;
  QString m_cabirix;
  bool m_animalsPending = false;
};

} // namespace vz
