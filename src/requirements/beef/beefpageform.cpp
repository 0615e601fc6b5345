#include "beefpageform.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"

namespace vz::beef {

bool BeefPageForm::isBlank(int field) const
{
  return rt::AllTrim(m_fields.at(field).text).isEmpty();
}

void BeefPageForm::typeText(int field, const QString &text)
{
  Field &f = m_fields[field];
  if (!f.items.isEmpty() && !f.editable)
    return;
  f.text = text;
  if (!f.items.isEmpty())
    f.item = int(f.items.indexOf(text)) + 1;
}

void BeefPageForm::chooseItem(int field, int item)
{
  Field &f = m_fields[field];
  if (item < 1 || item > f.items.size())
    return;
  f.item = item;
  f.text = f.items.at(item - 1);
}

void BeefPageForm::leaveEdit(int field)
{
  Field &f = m_fields[field];
  if (!f.items.isEmpty() && !f.editable)
    return;
  if (!f.blankDefault.isEmpty() && rt::AllTrim(f.text).isEmpty())
    f.text = rt::PadL(f.blankDefault, NumberTextWidth);
  switch (f.rewrite) {
  case Rewrite::None: return;
  case Rewrite::Number: f.text = SDAYA(f.text, f.decimals); break;
  case Rewrite::SignedNumber: f.text = signedNumberText(f.text, f.decimals); break;
  }
  if (!f.items.isEmpty())
    f.item = int(f.items.indexOf(f.text)) + 1;
}

QString BeefPageForm::signedNumberText(const QString &text, int decimals)
{
  const QString trimmed = rt::AllTrim(text);
  const bool negative = trimmed.startsWith(QLatin1Char('-'));
  const QString number = SDAYA(negative ? trimmed.mid(1) : trimmed, decimals);
  if (!negative || rt::AllTrim(number).isEmpty() || rt::Val(number) == 0.0)
    return number;
  const QString withSign = QLatin1Char('-') + rt::AllTrim(number);
  // A sign that no longer fits leaves the cell empty, as a too-wide number does.
  return withSign.size() > NumberTextWidth ? rt::Space(NumberTextWidth)
                                           : rt::PadL(withSign, NumberTextWidth);
}

int BeefPageForm::addEdit(const QString &label, int decimals, Rewrite rewrite,
                          const QString &text)
{
  Field f;
  f.label = label;
  f.text = text;
  f.decimals = decimals;
  f.rewrite = rewrite;
  m_fields.append(f);
  return int(m_fields.size()) - 1;
}

int BeefPageForm::addList(const QString &label, const QStringList &items, int item,
                          bool editable, int decimals, Rewrite rewrite)
{
  Field f;
  f.label = label;
  f.items = items;
  f.item = item;
  f.text = item >= 1 && item <= items.size() ? items.at(item - 1) : QString();
  f.editable = editable;
  f.decimals = decimals;
  f.rewrite = rewrite;
  m_fields.append(f);
  return int(m_fields.size()) - 1;
}

void BeefPageForm::setText(int field, const QString &text)
{
  Field &f = m_fields[field];
  f.text = text;
  if (!f.items.isEmpty())
    f.item = int(f.items.indexOf(text)) + 1;
}

void BeefPageForm::setEnabled(int field, bool enabled)
{
  m_fields[field].enabled = enabled;
}

void BeefPageForm::setBlankDefault(int field, const QString &text)
{
  m_fields[field].blankDefault = text;
}

} // namespace vz::beef
