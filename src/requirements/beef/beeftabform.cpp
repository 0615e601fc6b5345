#include "beeftabform.h"

#include "platform/rtext.h"

namespace vz::beef {

BeefTabForm::BeefTabForm(const QString &caption)
  : m_caption(rt::AllTrim(caption)), m_animal(caption)
{
  if (m_caption == QStringLiteral("Süt Veren İnek") || m_caption == QStringLiteral("Kurudaki İnek")
      || m_caption == QStringLiteral("Damızlık Düve"))
    m_reproduction = std::make_unique<BeefReproductionForm>(m_caption, m_animal.page());
}

QList<BeefPage> BeefTabForm::tabs() const
{
  if (m_reproduction)
    return {BeefPage::Animal, BeefPage::Reproduction, BeefPage::Management, BeefPage::Environment};
  return {BeefPage::Animal, BeefPage::Management, BeefPage::Environment};
}

QString BeefTabForm::tabCaption(BeefPage page)
{
  switch (page) {
  case BeefPage::Animal: return QStringLiteral("Hayvan tanımı");
  case BeefPage::Management: return QStringLiteral("Manejman");
  case BeefPage::Environment: return QStringLiteral("Çevre şartları");
  case BeefPage::Reproduction: return QStringLiteral("Tanım devamı...");
  }
  return QString();
}

BeefPageForm *BeefTabForm::page(BeefPage page)
{
  switch (page) {
  case BeefPage::Animal: return &m_animal;
  case BeefPage::Management: return &m_management;
  case BeefPage::Environment: return &m_environment;
  case BeefPage::Reproduction: return m_reproduction.get();
  }
  return nullptr;
}

bool BeefTabForm::refused(BeefPageForm &page, int field, bool positive) const
{
  if (page.isBlank(field))
    return true;
  return positive && !(rt::Val(page.text(field)) > 0.0);
}

std::optional<BeefFieldRef> BeefTabForm::checkOk(std::optional<BeefFieldRef> focused)
{
  if (focused) {
    if (BeefPageForm *p = page(focused->page); p && focused->field >= 0
                                                && focused->field < p->fieldCount())
      p->leaveEdit(focused->field);
  }

  using A = BeefAnimalForm;
  const QList<std::pair<int, bool>> animalFields = {
      {A::SLE_YAS, false}, {A::SLE_CANAG, true}, {A::SLE_BSAGIR, true}, {A::SLE_ICAARTISI, false}};
  for (const auto &[field, positive] : animalFields)
    if (refused(m_animal, field, positive))
      return BeefFieldRef{BeefPage::Animal, field};

  if (m_reproduction) {
    using R = BeefReproductionForm;
    BeefReproductionForm &r = *m_reproduction;
    std::optional<int> remembered;
    // Past 282 days the calf is due; the days left to calving would go negative.
    const bool overdue = !r.isBlank(R::SLE_GEBELIKSURESI)
                         && rt::Val(r.text(R::SLE_GEBELIKSURESI)) > 282.0;
    if (r.isLactating()) {
      const QList<std::pair<int, bool>> lactation = {
          {R::SLE_GEBELIKSURESI, false}, {R::SLE_SUTVERIMSURESI, false}, {R::SLE_LAKSAYISI, false},
          {R::SLE_PIKSUTVERIMI, true},   {R::SLE_PIKVERIMZAMANI, true},  {R::SLE_LAKSURESI, false},
          {R::SLE_SUTYAGI, false},       {R::SLE_SUTPPROTEINI, false},   {R::SLE_SUTSNF, false}};
      for (const auto &[field, positive] : lactation) {
        if (refused(r, field, positive) || (field == R::SLE_GEBELIKSURESI && overdue)) {
          remembered = field;
          break;
        }
      }
    } else if (overdue) {
      remembered = R::SLE_GEBELIKSURESI;
    }
    for (int field : {R::SLE_DKULYASI, R::SLE_BUZAGARALIGI, R::SLE_BEKBUZDOGAG}) {
      if (refused(r, field, false)) {
        remembered = field;
        break;
      }
    }
    if (remembered)
      return BeefFieldRef{BeefPage::Reproduction, *remembered};
  }

  if (m_management.grazing()) {
    using M = BeefManagementForm;
    const QList<std::pair<int, bool>> pasture = {{M::SLE_GUSIZE, false},
                                                 {M::SLE_IPM, false},
                                                 {M::SLE_OTLAK_TDNMUH, false},
                                                 {M::SLE_OTSURE, true},
                                                 {M::SLE_NOANI, true}};
    for (const auto &[field, positive] : pasture)
      if (refused(m_management, field, positive))
        return BeefFieldRef{BeefPage::Management, field};
  }

  using E = BeefEnvironmentForm;
  for (int field : {E::SLE_RUZGHIZI, E::SLE_CEVSIC, E::SLE_ONCEASO, E::CB_EFEKKILUZ})
    if (refused(m_environment, field, false))
      return BeefFieldRef{BeefPage::Environment, field};
  return std::nullopt;
}

BeefInputPages BeefTabForm::pages() const
{
  BeefInputPages p;
  p.animal = m_animal.page();
  if (m_reproduction)
    p.reproduction = m_reproduction->page();
  p.management = m_management.page();
  p.environment = m_environment.page();
  return p;
}

} // namespace vz::beef
