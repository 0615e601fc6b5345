#include "scriptedinteraction.h"
#include "problem/rationproblem.h"

namespace vz::test {

void ScriptedInteraction::errorMessage(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("error"), caption, text});
}

void ScriptedInteraction::warning(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("warning"), caption, text});
}

void ScriptedInteraction::information(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("information"), caption, text});
}

bool ScriptedInteraction::askYesNo(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("yesno"), caption, text});
  return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
}

Interaction::Answer ScriptedInteraction::askYesNoCancel(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("yesnocancel"), caption, text});
  return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
}

void ScriptedInteraction::showPleaseWait()
{
  events.append(QStringLiteral("pleasewait+"));
  pleaseWaitOpen = 1;
}

void ScriptedInteraction::closePleaseWait()
{
  if (pleaseWaitOpen)
    events.append(QStringLiteral("pleasewait-"));
  pleaseWaitOpen = 0;
}

void ScriptedInteraction::errorBeep() { events.append(QStringLiteral("errorbeep")); }
void ScriptedInteraction::doneBeep() { events.append(QStringLiteral("donebeep")); }

void ScriptedInteraction::statusMessage(const QString &text)
{
  shown.append({QStringLiteral("status"), QString(), text});
}

std::optional<ReportParameters> ScriptedInteraction::askReportParameters(RationProblem &problem)
{
  events.append(QStringLiteral("reportparams"));
  if (!reportParameterAnswers.isEmpty()) {
    auto answer = reportParameterAnswers.dequeue();
    if (!answer) {
      problem.changed.params = false;
      return std::nullopt;
    }
    if (problem.params && problem.params->size() >= ParCount) {
      QStringList &p = *problem.params;
      if (p[ParAnimals] != answer->animalCount || p[ParCurrency] != answer->currency
          || p[ParWeight] != answer->weightUnit)
        problem.changed.params = true;
      if (problem.changed.params) {
        p[ParAnimals] = answer->animalCount;
        p[ParCurrency] = answer->currency;
        p[ParWeight] = answer->weightUnit;
      }
    }
    return answer;
  }
  ReportParameters preset;
  if (problem.params && problem.params->size() >= ParCount) {
    preset.animalCount = problem.params->at(ParAnimals);
    preset.currency = problem.params->at(ParCurrency);
    preset.weightUnit = problem.params->at(ParWeight);
  }
  return preset;
}

QStringList ScriptedInteraction::texts(const QString &kind) const
{
  QStringList out;
  for (const Shown &s : shown)
    if (s.kind == kind)
      out.append(s.text);
  return out;
}

} // namespace vz::test
