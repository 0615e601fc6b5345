#include "bc_growfinish_tab_page1.h"

#include "beeficons.h"
#include "ca_tahmin_dwin.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vz::beef {

BC_GROWFINISH_TAB_PAGE1::BC_GROWFINISH_TAB_PAGE1(BeefAnimalForm &form, QWidget *parent)
  : BeefPageView(form,
                 {{BeefAnimalForm::SLE_YAS, {68, 11, 28, 11}, {96, 11, 53, 12}},
                  {BeefAnimalForm::CB_CINSIYET, {68, 29, 28, 11}, {96, 29, 60, 41}},
                  {BeefAnimalForm::SLE_CANAG, {30, 48, 64, 11}, {96, 48, 53, 12}},
                  {BeefAnimalForm::SLE_KONSKOR, {6, 66, 88, 11}, {96, 66, 53, 12}},
                  {BeefAnimalForm::SLE_BSAGIR, {12, 81, 82, 18}, {96, 84, 53, 13}},
                  {BeefAnimalForm::SLE_ICAARTISI, {6, 103, 88, 11}, {96, 103, 53, 12}},
                  {BeefAnimalForm::CB_HEDYAGDUZ, {14, 121, 80, 11}, {96, 121, 96, 37}},
                  {BeefAnimalForm::CB_SIRK, {}, {180, 66, 53, 48}},
                  {BeefAnimalForm::CB_IKILIMEL, {}, {244, 66, 53, 48}},
                  {BeefAnimalForm::CB_UCLUMEL, {}, {308, 66, 53, 48}}},
                 parent),
    m_animal(form)
{
  setWindowIcon(HAYBIL());
  auto *group = new QGroupBox(QStringLiteral("Yetiştirme sistemi:"), this);
  place(group, {172, 7, 196, 81});
  group->lower();
  OCCRB_SAFIRK = new QRadioButton(QStringLiteral("Saf ırk"), this);
  OCCRB_IKILIMELEZ = new QRadioButton(QStringLiteral("İkili melez"), this);
  OCCRB_UCLUMELEZ = new QRadioButton(QStringLiteral("Üçlü melez"), this);
  place(OCCRB_SAFIRK, {184, 18, 50, 11});
  place(OCCRB_IKILIMELEZ, {184, 33, 60, 11});
  place(OCCRB_UCLUMELEZ, {184, 48, 60, 11});
  for (const auto &[x, text] : {std::pair{236, "X"}, std::pair{300, "X"}}) {
    auto *cross = new QLabel(QString::fromLatin1(text), this);
    cross->setAlignment(Qt::AlignCenter);
    place(cross, {x, 66, 8, 12});
  }
  OCCRB_SAFIRK->setChecked(true);
  const QList<std::pair<QRadioButton *, BreedSystem>> systems = {
      {OCCRB_SAFIRK, BreedSystem::Pure},
      {OCCRB_IKILIMELEZ, BreedSystem::TwoWay},
      {OCCRB_UCLUMELEZ, BreedSystem::ThreeWay}};
  for (const auto &[button, system] : systems) {
    connect(button, &QRadioButton::toggled, this, [this, system = system](bool on) {
      if (!on)
        return;
      m_animal.chooseBreedSystem(system);
      refresh();
    });
  }
  OCCPB_CATAH = new QPushButton(QStringLiteral("Canlı ağırlık tahmini"), this);
  OCCPB_CATAH->setAutoDefault(false);
  place(OCCPB_CATAH, {172, 96, 196, 12});
  connect(OCCPB_CATAH, &QPushButton::clicked, this, &BC_GROWFINISH_TAB_PAGE1::PB_CATAH);
  // Tab order follows the template: the radio buttons sit before the breed lists.
  setTabOrder(control(BeefAnimalForm::CB_HEDYAGDUZ), OCCRB_SAFIRK);
  setTabOrder(OCCRB_SAFIRK, OCCRB_IKILIMELEZ);
  setTabOrder(OCCRB_IKILIMELEZ, OCCRB_UCLUMELEZ);
  setTabOrder(OCCRB_UCLUMELEZ, control(BeefAnimalForm::CB_SIRK));
  setTabOrder(control(BeefAnimalForm::CB_SIRK), OCCPB_CATAH);
  setTabOrder(OCCPB_CATAH, control(BeefAnimalForm::CB_IKILIMEL));
  setTabOrder(control(BeefAnimalForm::CB_IKILIMEL), control(BeefAnimalForm::CB_UCLUMEL));
}

void BC_GROWFINISH_TAB_PAGE1::PB_CATAH()
{
  CA_TAHMIN_DWIN estimate(this);
  if (estimate.exec() == QDialog::Accepted) {
    if (const std::optional<QString> weight = estimate.form().liveWeightText()) {
      m_animal.putLiveWeight(*weight);
      refresh();
    }
  }
  if (QWidget *w = control(BeefAnimalForm::SLE_CANAG))
    w->setFocus(Qt::OtherFocusReason);
}

} // namespace vz::beef
