#include "scriptedinteraction.h"
#include "problem/numbertext.h"
#include "platform/rtext.h"
#include "problem/rationproblem.h"
#include <algorithm>

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

bool ScriptedInteraction::askYesNoDefaultNo(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("yesno"), caption, text, Icon::Question, true});
  return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
}

Interaction::Answer ScriptedInteraction::askYesNoCancel(const QString &text, const QString &caption)
{
  shown.append({QStringLiteral("yesnocancel"), caption, text});
  return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
}

bool ScriptedInteraction::askYesNoWithIcon(const QString &text, const QString &caption, Icon icon)
{
  shown.append({QStringLiteral("yesno"), caption, text, icon});
  return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
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
  const bool flagBefore = problem.changed.params;
  const ReportParameters preset = ReportParameterRules::presets(problem);
  bool tried = false;
  while (!reportParameterAnswers.isEmpty()) {
    tried = true;
    auto answer = reportParameterAnswers.dequeue();
    if (!answer) {
      ReportParameterRules::cancel(problem, flagBefore);
      return std::nullopt;
    }
    ReportParameters typed = *answer;
    if (typed.animalCount != preset.animalCount)
      typed.animalCount = ReportParameterRules::normaliseAnimalCount(typed.animalCount);
    // Typing in any edit raises the flag, even while the dialog stays open.
    if (!(typed == preset))
      problem.changed.params = true;
    const QString refusal = ReportParameterRules::unitError(typed);
    if (!refusal.isEmpty()) {
      errorMessage(refusal);
      continue;
    }
    ReportParameterRules::confirm(problem, typed);
    return typed;
  }
  if (tried) {
    // Every scripted entry was refused: the user gave up with Cancel.
    ReportParameterRules::cancel(problem, flagBefore);
    return std::nullopt;
  }
  ReportParameterRules::confirm(problem, preset);
  return preset;
}

int ScriptedInteraction::chooseOne(const QString &caption, const QStringList &items)
{
  shown.append({QStringLiteral("chooseone"), caption, items.join(QLatin1Char('\n'))});
  if (chooseOneAnswers.isEmpty())
    return 0;
  const int n = chooseOneAnswers.dequeue();
  return n >= 1 && n <= items.size() ? n : 0;
}

QList<int> ScriptedInteraction::chooseMany(const QString &caption, const QStringList &items,
                                           bool offerSelectAll)
{
  Q_UNUSED(offerSelectAll);
  shown.append({QStringLiteral("choosemany"), caption, items.join(QLatin1Char('\n'))});
  if (chooseManyAnswers.isEmpty())
    return {};
  QList<int> picked;
  for (int n : chooseManyAnswers.dequeue())
    if (n >= 1 && n <= items.size() && !picked.contains(n))
      picked.append(n);
  std::sort(picked.begin(), picked.end());
  return picked;
}

QString ScriptedInteraction::askValue(const QString &prompt, const QString &preset)
{
  shown.append({QStringLiteral("value"), QStringLiteral("Makro BM Yeni Değer Girişi"), prompt});
  while (!valueAnswers.isEmpty()) {
    const std::optional<QString> typed = valueAnswers.dequeue();
    if (!typed || *typed == preset)
      return preset;
    // OK on text that is no number, or too wide: the dialog names it and
    // stays open for the next answer.
    const QString why = signedNumberRefusal(*typed, 4);
    if (!why.isEmpty()) {
      warning(why);
      continue;
    }
    return signedNumberText(*typed, 4);
  }
  return preset;
}

QString ScriptedInteraction::askNewProblemName()
{
  shown.append({QStringLiteral("newname"), QStringLiteral("Yeni..."), QString()});
  return newNameAnswers.isEmpty() ? QString() : newNameAnswers.dequeue().left(65);
}

ColumnOperation ScriptedInteraction::askColumnArithmetic(const QStringList &fieldNames)
{
  const QStringList names = columnArithmeticNames(fieldNames);
  shown.append({QStringLiteral("columnmaths"), QStringLiteral("Kolon Aritmetiği"),
                names.join(QLatin1Char('\n'))});
  while (!columnAnswers.isEmpty()) {
    const ColumnInput in = columnAnswers.dequeue();
    QString text = in.text.trimmed();
    if (in.op.isEmpty() || text.isEmpty())
      return ColumnOperation();
    const QString why = columnOperandRefusal(text, names);
    if (!why.isEmpty()) {
      warning(why);
      continue;  // the dialog stays open
    }
    const QString kind = classifyColumnOperand(text, names);
    // Leaving the combo box turns a number into number text.
    if (kind == QLatin1String("N"))
      text = signedNumberText(text, 4).trimmed();
    if (in.op == QLatin1String("/") && kind == QLatin1String("N") && rt::Val(text) == 0.0) {
      errorMessage(QStringLiteral("Sıfıra bölme yapılamaz!"));
      continue;
    }
    return ColumnOperation{in.op, text, kind};
  }
  return ColumnOperation();
}

void ScriptedInteraction::showAbout() { events.append(QStringLiteral("about")); }

NamePairing ScriptedInteraction::askNamePairing(const QString &name, const QStringList &candidates)
{
  shown.append({QStringLiteral("pairing"), QStringLiteral("Eşleştirme Diyaloğu"),
                (QStringList{name} + candidates).join(QLatin1Char('\n'))});
  while (!pairingAnswers.isEmpty()) {
    const NamePairing a = pairingAnswers.dequeue();
    if (a.kind == NamePairing::Kind::Pair && (a.selected < 1 || a.selected > candidates.size()))
      continue;
    return a;
  }
  return NamePairing::cancel();
}

QStringList ScriptedInteraction::texts(const QString &kind) const
{
  QStringList out;
  for (const Shown &s : shown)
    if (s.kind == kind)
      out.append(s.text);
  return out;
}

LogOnAnswer ScriptedInteraction::logOn(const QString &caption)
{
  shown.append({QStringLiteral("logon"), caption.isEmpty() ? QStringLiteral("Giriş") : caption, QString()});
  return logOnAnswers.isEmpty() ? LogOnAnswer() : logOnAnswers.dequeue();
}

} // namespace vz::test
