#include "vzyroptimizer.h"

#include "optimalreport.h"
#include "platform/rtext.h"
#include "problem/interaction.h"
#include "problem/rationproblem.h"
#include "problem/reportwriter.h"

namespace vz {

namespace {

QString noPriceText()
{
  return QStringLiteral(
      "Yem maddelerine fiyat verilmedi...\n\nNOT:  Vesk_Zyr  2.0  çözümleri   En  Düşük  Maliyetli  olarak  \n"
      "yürütmektedir.  Bir  çözüm  elde  edebilmek  için,   en  az  iki \nyem  maddesine  fiyat  verilmelidir.  "
      "Fiyat  verilmeyen  diğer\nyem maddeleri ise hesaplamaya girmez ve sonuç raporunda \nyer almazlar.");
}

QString noKmoText()
{
  return QStringLiteral(
      "Besin Maddeleri girişinde Kuru Madde Oranı (KMO, %) girilmedi...\n\nNOT: Günde verilecek yem maddesi "
      "miktarlarının hesaplanması için\nbu oran gerekli.Şimdisadece KM için bir çözüm elde edilecek.\n"
      "Günlük verilecek miktarlar ayrıca hesaplanmalıdır.");
}

QString noLimitsText()
{
  return QStringLiteral(
      "Hiç besin maddesi sınırı verilmedi...\n\nNOT: Bir hesap yürütebilmek için, en az iki adet besin maddesi "
      "sınırı\nverilmelidir. Sınır verilmeyen diğer besin maddeleri ise, raporda yer\nalsalar da, hesaplamada "
      "dikkate alınmazlar.");
}

QString noFeedLeftText()
{
  return QStringLiteral(
      "Hesaplamaya girebilecek yem maddesi kalmadı...\n\nNOT: Fiyat verilen yem maddelerinin hiçbirinde Kuru "
      "Madde Oranı (KMO, %)\nverilmemiş. Bir çözüm elde edebilmek için, en az bir yem maddesine\n"
      "fiyat ve KMO verilmelidir.");
}

QString zeroKmoText(const QList<RationModel::DroppedFeed> &dropped)
{
  QString text = QStringLiteral("Kuru Madde Oranı (KMO, %) sıfır olan yem maddeleri hesaplamaya girmez:\n");
  for (const RationModel::DroppedFeed &f : dropped) {
    text += QStringLiteral("\n   ") + f.name;
    if (f.droppedLimits.contains(QStringLiteral("Sabit")))
      text += QStringLiteral("  (sabit miktarı da dikkate alınmadı)");
    else if (f.droppedLimits.contains(QStringLiteral("Alt")))
      text += QStringLiteral("  (alt sınırı da dikkate alınmadı)");
  }
  return text;
}

} // namespace

VZYR_OPTIMIZER::VZYR_OPTIMIZER(RationProblem &problem, const QString &problemFile, Interaction &ui,
                               CurrentReportSetter setCurrentReportFile, Clock clock)
    : m_problem(problem),
      m_problemFile(problemFile),
      m_ui(ui),
      m_setCurrentReport(std::move(setCurrentReportFile)),
      m_clock(std::move(clock))
{
  run();
}

void VZYR_OPTIMIZER::DESTROY_OLDS()
{
  m_model.reset();
  m_solver.reset();
  m_solution.reset();
}

void VZYR_OPTIMIZER::run()
{
  m_model = std::make_unique<RationModel>(RationModel::build(m_problem));
  const RationModel &model = *m_model;

  auto stop = [this](Outcome outcome, const QString &text) {
    m_ui.closePleaseWait();
    m_ui.errorBeep();
    m_ui.errorMessage(text);
    m_outcome = outcome;
  };

  if (model.stop() == RationModel::Stop::NoPricedFeed) {
    stop(Outcome::NoPricedFeed, noPriceText());
    return;
  }
  if (model.stop() == RationModel::Stop::NoFeedLeft) {
    stop(Outcome::NoFeedLeft, noFeedLeftText());
    return;
  }
  if (!model.zeroKmoFeeds.isEmpty()) {
    m_ui.closePleaseWait();
    m_ui.warning(zeroKmoText(model.zeroKmoFeeds));
  }
  if (model.kmoRow < 0) {
    // The run goes on after this one, so the please-wait box stays.
    m_ui.errorBeep();
    m_ui.errorMessage(noKmoText());
  }
  if (model.stop() == RationModel::Stop::NoLimits) {
    stop(Outcome::NoLimits, noLimitsText());
    return;
  }

  m_solver = std::make_unique<SimplexSolver>();
  model.loadInto(*m_solver);
  m_solver->solve();
  SONUCDOSYA();
}

bool VZYR_OPTIMIZER::PARMGIR(ReportParameters &parameters)
{
  m_ui.closePleaseWait();
  const std::optional<ReportParameters> answer = m_ui.askReportParameters(m_problem);
  if (!answer)
    return false;
  parameters = *answer;
  return true;
}

void VZYR_OPTIMIZER::SONUCDOSYA()
{
  OptimalReport::Header header;
  if (!PARMGIR(header.parameters)) {
    m_outcome = Outcome::Cancelled;
    return;
  }
  header.problemFile = m_problemFile;
  header.animalDescription = m_problem.animalDescription;
  header.now = m_clock ? m_clock() : QDateTime::currentDateTime();

  m_solution = std::make_unique<OptimalSolution>(
      OptimalSolution::compute(*m_model, *m_solver, rt::Val(header.parameters.animalCount)));
  ReportWriter out;
  OptimalReport::compose(out, *m_model, *m_solution, header);
  if (m_solution->found)
    m_ui.doneBeep();

  const QString path = OptimalReport::reportFileFor(m_problemFile);
  if (out.writeReport(path, m_ui, m_setCurrentReport, ReportWriter::failureMessage())) {
    m_reportFile = path;
    m_outcome = Outcome::ReportWritten;
  } else {
    m_outcome = Outcome::WriteFailed;
  }
}

} // namespace vz
