#include "grparmgir_win.h"
#include "messages.h"
#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "problem/interaction.h"
#include "problem/rationproblem.h"
#include <QLabel>

namespace vz {

GRPARMGIR_WIN::GRPARMGIR_WIN(QWidget *owner, RationProblem &problem)
    : OkCancelDialog(owner), m_problem(problem), m_flagBefore(problem.changed.params)
{
  const DialogUnits du =
      setUpFrame(QStringLiteral("Parametre Giriş"), DialogUnits::shellDlgFont(), 161, 63);

  auto label = [&](const QString &name, const QString &text, int x, int y, int w, int h) {
    auto *l = new QLabel(text, this);
    l->setObjectName(name);
    DialogUnits::place(l, du, x, y, w, h);
    return l;
  };
  auto edit = [&](const QString &name, QLabel *buddy, int x, int y, int w, int h) {
    auto *e = new JQSLE(this);
    e->setObjectName(name);
    DialogUnits::place(e, du, x, y, w, h);
    buddy->setBuddy(e);
    e->setAccessibleName(buddy->text());
    return e;
  };
  QLabel *l1 = label(QStringLiteral("FIXEDTEXT1"), QStringLiteral("Hayvan sayısı:"), 8, 7, 48, 12);
  m_animals = edit(QStringLiteral("HAYSAY"), l1, 60, 7, 40, 11);
  QLabel *l3 = label(QStringLiteral("FIXEDTEXT3"), QStringLiteral("Para birimi......:"), 8, 25, 48, 13);
  m_currency = edit(QStringLiteral("PARABIRIM"), l3, 60, 25, 40, 11);
  QLabel *l2 = label(QStringLiteral("FIXEDTEXT2"), QStringLiteral("Ağırlık birimi....:"), 8, 44, 48, 11);
  m_weight = edit(QStringLiteral("AGIRBIRIM"), l2, 60, 44, 40, 11);

  addOkCancel(du, 108, 14, 46, 13, 108, 36, 46, 13);

  setTabOrder(m_animals, m_currency);
  setTabOrder(m_currency, m_weight);
  chainToOkCancel(m_weight);

  // The presets do not count as a change.
  const ReportParameters preset = ReportParameterRules::presets(problem);
  m_animals->setText(preset.animalCount);
  m_currency->setText(preset.currency);
  m_weight->setText(preset.weightUnit);
  m_animals->setFocus();

  for (JQSLE *e : {m_animals, m_currency, m_weight})
    connect(e, &QLineEdit::textEdited, this, [this] { m_problem.changed.params = true; });
  connect(m_animals, &QLineEdit::textEdited, this, [this] { m_animalsPending = true; });
  connect(m_animals, &JQSLE::focusChanged, this, [this](bool gained) {
    if (!gained)
      normaliseAnimalsIfTyped();
  });
}

void GRPARMGIR_WIN::normaliseAnimalsIfTyped()
{
  if (!m_animalsPending)
    return;
  m_animalsPending = false;
  m_animals->setText(ReportParameterRules::normaliseAnimalCount(m_animals->text()));
}

void GRPARMGIR_WIN::PBTAMAM()
{
  // Enter confirms with the focus still in an edit: normalise as leaving it would.
  normaliseAnimalsIfTyped();
  const ReportParameters answer{m_animals->text(), m_currency->text(), m_weight->text()};
  const QString refusal = ReportParameterRules::unitError(answer);
  if (!refusal.isEmpty()) {
    ERRMESS(this, QString(), refusal);
    (answer.currency.contains(QLatin1Char(',')) ? m_currency : m_weight)->setFocus();
    return;
  }
  m_chaysax = answer.animalCount;
  m_cpbirix = answer.currency;
  m_cabirix = answer.weightUnit;
  ReportParameterRules::confirm(m_problem, answer);
  QDialog::done(1);
}

void GRPARMGIR_WIN::PBIPTAL()
{
  ReportParameterRules::cancel(m_problem, m_flagBefore);
  QDialog::done(0);
}

} // namespace vz
