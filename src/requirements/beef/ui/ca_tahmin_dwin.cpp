#include "ca_tahmin_dwin.h"

#include "beefpageview.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"

#include <QPushButton>

namespace vz::beef {

CA_TAHMIN_DWIN::CA_TAHMIN_DWIN(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Canlı Ağırlık Tahmini"));
  setFont(DialogUnits::shellDlgFont());
  setWindowIcons(this, VSKTOD());
  const DialogUnits du(font());
  setFixedSize(du.size(197, 44));
  m_view = new BeefPageView(m_form,
                            {{LiveWeightEstimateForm::SLE_BUZUN, {4, 7, 74, 11}, {80, 7, 53, 12}},
                             {LiveWeightEstimateForm::SLE_GCEVRE, {4, 25, 74, 13}, {80, 25, 53, 13}}},
                            this);
  m_view->setGeometry(0, 0, du.x(140), du.y(44));
  OCCPB_TAMAM = new QPushButton(QStringLiteral("Tamam"), this);
  OCCPB_IPTAL = new QPushButton(QStringLiteral("İptal"), this);
  DialogUnits::place(OCCPB_TAMAM, du, 144, 3, 48, 13);
  DialogUnits::place(OCCPB_IPTAL, du, 144, 18, 48, 12);
  OCCPB_TAMAM->setDefault(true);
  connect(OCCPB_TAMAM, &QPushButton::clicked, this, &CA_TAHMIN_DWIN::PB_TAMAM);
  connect(OCCPB_IPTAL, &QPushButton::clicked, this, &CA_TAHMIN_DWIN::PBIPTAL);
}

CA_TAHMIN_DWIN::~CA_TAHMIN_DWIN()
{
  delete m_view;  // before the form it works on
}

void CA_TAHMIN_DWIN::PB_TAMAM()
{
  // Enter leaves the focus in the edit: rewrite it as leaving it would.
  const int focused = m_view->focusedField();
  if (focused >= 0) {
    m_form.leaveEdit(focused);
    m_view->refresh();
  }
  accept();
}

void CA_TAHMIN_DWIN::PBIPTAL()
{
  reject();
}

} // namespace vz::beef
