#include "dairyeditform.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"

namespace vz {

int DairyEditForm::addEdit(const Rule &rule, const QString &text)
{
  Edit e;
  e.rule = rule;
  e.text = text;
  m_edits.append(e);
  return int(m_edits.size()) - 1;
}

void DairyEditForm::typeText(int edit, const QString &text)
{
  Edit &e = m_edits[edit];
  e.text = text;
  e.changed = true;
}

void DairyEditForm::setText(int edit, const QString &text)
{
  m_edits[edit].text = text;
}

void DairyEditForm::setEnabled(int edit, bool enabled)
{
  m_edits[edit].enabled = enabled;
}

bool DairyEditForm::isBlank(int edit) const
{
  return m_edits.at(edit).text.trimmed().isEmpty();
}

double DairyEditForm::typedValue(const QString &text)
{
  QString t = text;
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  return rt::Val(t);
}

double DairyEditForm::value(int edit) const
{
  return typedValue(m_edits.at(edit).text);
}

bool DairyEditForm::checkText(const QString &text, const Rule &rule, QString *out)
{
  const double v = typedValue(text);
  if (v < rule.lower)
    return false;
  QString t = text;
  if (rule.hasUpper) {
    if (v > rule.upper)
      return false;
  } else if (v > rule.clampAbove) {
    t = rt::AllTrim(rt::Str(rule.clampAbove, 11, 0));
  }
  if (out)
    *out = SDAYA(t, rule.decimals);
  return true;
}

bool DairyEditForm::runLeaveStep(int edit)
{
  Edit &e = m_edits[edit];
  if (e.text.trimmed().isEmpty())
    return true;
  QString normalised;
  if (!checkText(e.text, e.rule, &normalised))
    return false;
  e.text = normalised;
  e.changed = false;
  return true;
}

bool DairyEditForm::leaveEdit(int edit)
{
  if (!m_edits.at(edit).changed)
    return true;
  return runLeaveStep(edit);
}

int DairyEditForm::checkAllForOk(int focusedEdit)
{
  if (focusedEdit >= 0 && focusedEdit < editCount() && m_edits.at(focusedEdit).enabled
      && !runLeaveStep(focusedEdit))
    return focusedEdit;
  for (int i = 0; i < editCount(); ++i) {
    if (m_edits.at(i).enabled && !runLeaveStep(i))
      return i;
  }
  return -1;
}

} // namespace vz
