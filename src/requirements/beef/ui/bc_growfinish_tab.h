#pragma once
// The beef input dialog: the pages of the chosen animal type as tabs under
// the type's caption. "Tamam" closes it with result 1 only when every
// required field holds a usable value; otherwise the field's tab comes to the
// front with the focus in it. "İptal", Escape and the close box end with 0
// and check nothing.
#include "requirements/beef/beeftabform.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace vz {
class DialogUnits;
}

namespace vz::beef {

class BeefPageView;
class BC_GROWFINISH_TAB_PAGE1;
class BC_GROWFINISH_TAB_PAGE2;
class BC_GROWFINISH_TAB_PAGE3;
class BC_GROWFINISH_TAB_PAGE4;

class BC_GROWFINISH_TAB : public QDialog {
  Q_OBJECT
public:
  BC_GROWFINISH_TAB(QWidget *owner, const QString &caption);
  ~BC_GROWFINISH_TAB() override;

  BeefTabForm &form() { return m_form; }
  // The view of a page; null for the reproduction page of a type without it.
  BeefPageView *view(BeefPage page) const;

  QTabWidget *ODCBC_GROWFINISH_TAB = nullptr;
  BC_GROWFINISH_TAB_PAGE1 *OTPBC_GROWFINISH_TAB_PAGE1 = nullptr;
  BC_GROWFINISH_TAB_PAGE4 *OTPBC_GROWFINISH_TAB_PAGE4 = nullptr;
  BC_GROWFINISH_TAB_PAGE2 *OTPBC_GROWFINISH_TAB_PAGE2 = nullptr;
  BC_GROWFINISH_TAB_PAGE3 *OTPBC_GROWFINISH_TAB_PAGE3 = nullptr;
  QPushButton *OCCPBTAMAM = nullptr;
  QPushButton *OCCPBIPTAL = nullptr;

public slots:
  void PBTAMAM();
  void PBIPTAL();

private:
  void fitTabsToPages(const DialogUnits &du);

  BeefTabForm m_form;
};

} // namespace vz::beef
