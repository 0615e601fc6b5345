#include "fieldspec.h"

#include "platform/rtext.h"

namespace vz {

FIELDSPEC::FIELDSPEC(QChar type, int length, int decimals)
{
  m_field.type = type;
  m_field.length = length;
  m_field.decimals = decimals;
}

FIELDSPEC FIELDSPEC::DATEFS()
{
  return FIELDSPEC(QLatin1Char('D'), 8);
}

QString FIELDSPEC::TRANSFORM(const QVariant &value) const
{
  if (m_field.type == QLatin1Char('N'))
    return rt::Str(value.typeId() == QMetaType::QString ? numberOf(value.toString()) : value.toDouble(),
                   m_field.length, m_field.decimals);
  if (m_field.type == QLatin1Char('D'))
    return rt::DToC(value.typeId() == QMetaType::QString ? rt::CToD(value.toString()) : value.toDate());
  return value.toString();
}

QVariant FIELDSPEC::VALUE(const QString &text) const
{
  if (m_field.type == QLatin1Char('N'))
    return numberOf(text);
  if (m_field.type == QLatin1Char('D'))
    return rt::CToD(text);
  return text;
}

bool FIELDSPEC::holds(double value) const
{
  const QString shown = TRANSFORM(value);
  if (shown.contains(QLatin1Char('*')))
    return false;
  if (m_field.decimals <= 0)
    return !shown.contains(QLatin1Char('.'));
  return shown.indexOf(QLatin1Char('.')) == shown.size() - m_field.decimals - 1;
}

double FIELDSPEC::numberOf(const QString &text)
{
  const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && isBlank(text.at(i)))
    ++i;
  bool negative = false;
  if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
    negative = text.at(i) == QLatin1Char('-');
    ++i;
    // The entry writes its sign in front of a right-aligned number, so
    // blanks may stand between the two.
    while (i < n && isBlank(text.at(i)))
      ++i;
  }
  QString digits;
  bool point = false;
  bool any = false;
  for (; i < n; ++i) {
    const QChar c = text.at(i);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digits.append(c);
      any = true;
    }
    else if (c == QLatin1Char(',') && !point)
      continue;
    else if (c == QLatin1Char('.') && !point) {
      digits.append(c);
      point = true;
    } else
      break;
  }
  if (!any)
    return 0.0;
  bool ok = false;
  const double v = digits.toDouble(&ok);
  if (!ok)
    return 0.0;
  return negative ? -v : v;
}

} // namespace vz
