#include "bc_growfinish_tab_page2.h"

#include <QGroupBox>
#include <QRadioButton>

namespace vz::beef {

BC_GROWFINISH_TAB_PAGE2::BC_GROWFINISH_TAB_PAGE2(BeefManagementForm &form, QWidget *parent)
  : BeefPageView(form,
                 {{BeefManagementForm::CB_ADDITIVE, {136, 3, 46, 19}, {184, 7, 80, 48}},
                  {BeefManagementForm::CB_ARZDUR, {40, 44, 54, 12}, {96, 44, 56, 42}},
                  {BeefManagementForm::SLE_GUSIZE, {8, 62, 94, 11}, {104, 62, 48, 13}},
                  {BeefManagementForm::SLE_IPM, {8, 81, 94, 11}, {104, 81, 48, 12}},
                  {BeefManagementForm::SLE_OTLAK_TDNMUH, {8, 99, 94, 13}, {104, 99, 48, 13}},
                  {BeefManagementForm::CB_DNEY, {166, 66, 72, 18}, {240, 70, 64, 42}},
                  {BeefManagementForm::CB_DNEV, {166, 92, 72, 18}, {240, 92, 64, 44}},
                  {BeefManagementForm::CB_MVERIM, {166, 114, 72, 18}, {240, 114, 64, 37}},
                  {BeefManagementForm::SLE_OTSURE, {8, 118, 94, 13}, {104, 118, 48, 11}},
                  {BeefManagementForm::CB_RTSBMO, {166, 44, 72, 18}, {240, 48, 62, 46}},
                  {BeefManagementForm::SLE_NOANI, {8, 132, 94, 13}, {104, 132, 48, 13}}},
                 parent)
{
  auto *grazingGroup = new QGroupBox(QStringLiteral("Merada otluyor mu?"), this);
  place(grazingGroup, {4, 3, 128, 26});
  grazingGroup->lower();
  auto *pastureGroup = new QGroupBox(QStringLiteral("Otlak bilgileri:"), this);
  place(pastureGroup, {4, 33, 156, 118});
  pastureGroup->lower();
  OCCRB_OMUYOR = new QRadioButton(QStringLiteral("Otlamıyor"), this);
  OCCRB_OLUYOR = new QRadioButton(QStringLiteral("Otluyor"), this);
  place(OCCRB_OMUYOR, {16, 14, 52, 11});
  place(OCCRB_OLUYOR, {76, 14, 44, 11});
  OCCRB_OMUYOR->setChecked(form.grazing() == false);
  OCCRB_OLUYOR->setChecked(form.grazing());
  connect(OCCRB_OLUYOR, &QRadioButton::toggled, this, [this, &form](bool on) {
    form.setGrazing(on);
    refresh();
  });
  setTabOrder(control(BeefManagementForm::CB_ADDITIVE), OCCRB_OMUYOR);
  setTabOrder(OCCRB_OMUYOR, OCCRB_OLUYOR);
  setTabOrder(OCCRB_OLUYOR, control(BeefManagementForm::CB_ARZDUR));
}

} // namespace vz::beef
