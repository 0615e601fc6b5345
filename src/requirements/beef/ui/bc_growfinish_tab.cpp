#include "bc_growfinish_tab.h"

#include "bc_growfinish_tab_page1.h"
#include "bc_growfinish_tab_page2.h"
#include "bc_growfinish_tab_page3.h"
#include "bc_growfinish_tab_page4.h"
#include "beeficons.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"

#include <QPushButton>
#include <QTabWidget>

namespace vz::beef {

BC_GROWFINISH_TAB::BC_GROWFINISH_TAB(QWidget *owner, const QString &caption)
  : QDialog(owner), m_form(caption)
{
  setWindowTitle(m_form.caption());
  setFont(DialogUnits::shellDlgFont());
  setWindowIcons(this, VSKTOD());
  const DialogUnits du(font());
  setFixedSize(du.size(384, 188));

  ODCBC_GROWFINISH_TAB = new QTabWidget(this);
  DialogUnits::place(ODCBC_GROWFINISH_TAB, du, 0, 0, 380, 169);
  OTPBC_GROWFINISH_TAB_PAGE1 = new BC_GROWFINISH_TAB_PAGE1(m_form.animal());
  OTPBC_GROWFINISH_TAB_PAGE2 = new BC_GROWFINISH_TAB_PAGE2(m_form.management());
  OTPBC_GROWFINISH_TAB_PAGE3 = new BC_GROWFINISH_TAB_PAGE3(m_form.environment());
  ODCBC_GROWFINISH_TAB->addTab(OTPBC_GROWFINISH_TAB_PAGE1, HAYBIL(),
                               BeefTabForm::tabCaption(BeefPage::Animal));
  ODCBC_GROWFINISH_TAB->addTab(OTPBC_GROWFINISH_TAB_PAGE2, MENAJER(),
                               BeefTabForm::tabCaption(BeefPage::Management));
  ODCBC_GROWFINISH_TAB->addTab(OTPBC_GROWFINISH_TAB_PAGE3, WFORE(),
                               BeefTabForm::tabCaption(BeefPage::Environment));
  if (BeefReproductionForm *reproduction = m_form.reproduction()) {
    OTPBC_GROWFINISH_TAB_PAGE4 = new BC_GROWFINISH_TAB_PAGE4(*reproduction);
    ODCBC_GROWFINISH_TAB->insertTab(1, OTPBC_GROWFINISH_TAB_PAGE4,
                                    BeefTabForm::tabCaption(BeefPage::Reproduction));
  }
  ODCBC_GROWFINISH_TAB->setCurrentIndex(0);

  OCCPBTAMAM = new QPushButton(QStringLiteral("Tamam"), this);
  OCCPBIPTAL = new QPushButton(QStringLiteral("İptal"), this);
  DialogUnits::place(OCCPBTAMAM, du, 136, 173, 53, 12);
  DialogUnits::place(OCCPBIPTAL, du, 192, 173, 53, 12);
  fitTabsToPages(du);
  OCCPBTAMAM->setDefault(true);
  connect(OCCPBTAMAM, &QPushButton::clicked, this, &BC_GROWFINISH_TAB::PBTAMAM);
  connect(OCCPBIPTAL, &QPushButton::clicked, this, &BC_GROWFINISH_TAB::PBIPTAL);
}

void BC_GROWFINISH_TAB::fitTabsToPages(const DialogUnits &du)
{
  // The tab bar takes more room here than the pages were drawn for: the tabs
  // grow to show every page whole, and the buttons and the dialog with them.
  QTabWidget *tabs = ODCBC_GROWFINISH_TAB;
  for (int i = 0; i < tabs->count(); ++i) {
    QWidget *page = tabs->widget(i);
    const QRect used = page->childrenRect();
    page->setMinimumSize(used.right() + du.x(4), used.bottom() + du.y(4));
  }
  const QSize size = tabs->minimumSizeHint().expandedTo(tabs->size());
  const int grown = size.height() - tabs->height();
  if (grown <= 0 && size.width() <= tabs->width())
    return;
  tabs->resize(size);
  for (QPushButton *button : {OCCPBTAMAM, OCCPBIPTAL})
    button->move(button->x(), button->y() + qMax(grown, 0));
  setFixedSize(qMax(width(), size.width() + du.x(4)), height() + qMax(grown, 0));
}

BC_GROWFINISH_TAB::~BC_GROWFINISH_TAB()
{
  // The pages talk to the form until they are gone; the form is a member
  // and would otherwise die before the base class deletes them.
  delete ODCBC_GROWFINISH_TAB;
}

BeefPageView *BC_GROWFINISH_TAB::view(BeefPage page) const
{
  switch (page) {
  case BeefPage::Animal: return OTPBC_GROWFINISH_TAB_PAGE1;
  case BeefPage::Management: return OTPBC_GROWFINISH_TAB_PAGE2;
  case BeefPage::Environment: return OTPBC_GROWFINISH_TAB_PAGE3;
  case BeefPage::Reproduction: return OTPBC_GROWFINISH_TAB_PAGE4;
  }
  return nullptr;
}

void BC_GROWFINISH_TAB::PBTAMAM()
{
  std::optional<BeefFieldRef> focused;
  for (BeefPage page : m_form.tabs()) {
    if (BeefPageView *v = view(page); v && v->focusedField() >= 0)
      focused = BeefFieldRef{page, v->focusedField()};
  }
  const std::optional<BeefFieldRef> refused = m_form.checkOk(focused);
  for (BeefPage page : m_form.tabs())
    if (BeefPageView *v = view(page))
      v->refresh();
  if (!refused) {
    accept();
    return;
  }
  BeefPageView *v = view(refused->page);
  ODCBC_GROWFINISH_TAB->setCurrentWidget(v);
  if (QWidget *control = v->control(refused->field))
    control->setFocus(Qt::OtherFocusReason);
}

void BC_GROWFINISH_TAB::PBIPTAL()
{
  reject();
}

} // namespace vz::beef
