#include "numbertext.h"

#include "platform/rtext.h"

#include <cmath>

namespace vz {

namespace {

QString blanks()
{
  return QString(NumberTextWidth, QLatin1Char(' '));
}

bool hasDigit(const QString &s)
{
  for (QChar c : s)
    if (c.isDigit())
      return true;
  return false;
}

// Digits with at most one decimal point ("." or ","), at least one digit.
bool isPlainNumber(const QString &s)
{
  bool point = false;
  bool digit = false;
  for (QChar c : s) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
      digit = true;
    else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !point)
      point = true;
    else
      return false;
  }
  return digit;
}

template <typename List, typename Better>
int bestPosition(const List &a, Better better)
{
  if (a.isEmpty())
    return 0;
  int best = 0;
  for (int i = 1; i < a.size(); ++i)
    if (better(a.at(i), a.at(best)))
      best = i;
  return best + 1;
}

} // namespace

QString SDAYA(const QString &text, int decimals)
{
  if (decimals < 0)
    decimals = 0;
  const QString trimmed = rt::AllTrim(text);
  if (trimmed.isEmpty())
    return blanks();

  QString kept;
  for (QChar c : trimmed) {
    if (c == QLatin1Char(','))
      c = QLatin1Char('.');
    if (c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
      kept.append(c);
  }
  if (kept.isEmpty())
    return blanks();

  qsizetype lead = 0;
  while (lead < kept.size() && kept.at(lead) == QLatin1Char('0'))
    ++lead;
  kept = kept.mid(lead);
  if (kept.isEmpty())
    kept = QStringLiteral("0");

  const qsizetype point = kept.indexOf(QLatin1Char('.'));
  const QString whole = point < 0 ? kept : kept.left(point);
  QString result;
  if (decimals > 0) {
    QString fraction = point < 0 ? QString() : kept.mid(point + 1);
    fraction.remove(QLatin1Char('.'));
    fraction = rt::PadR(fraction, decimals, QLatin1Char('0'));  // cut, never rounded
    result = whole + QLatin1Char('.') + fraction;
    if (result.startsWith(QLatin1Char('.')))
      result.prepend(QLatin1Char('0'));
  } else {
    // With no decimals the whole part is the value: reading "12.5" as 125
    // would multiply what was typed by ten. A lone point holds no number.
    if (whole.isEmpty())
      return hasDigit(kept) ? rt::PadL(QStringLiteral("0"), NumberTextWidth) : blanks();
    result = whole;
  }
  if (result.size() > NumberTextWidth)
    return blanks();
  return rt::PadL(result, NumberTextWidth);
}

QString numberTooWideMessage()
{
  return QStringLiteral("Sayı 11 karakterden uzun olamaz!");
}

QString numberInputRefusal(const QString &typed, int decimals, const QString &column)
{
  const QString trimmed = typed.trimmed();
  if (trimmed.isEmpty())
    return QString();
  if (!isPlainNumber(trimmed)) {
    // A number with a minus is a number: the user is told what is wrong with it.
    const bool negative = trimmed.startsWith(QLatin1Char('-')) && isPlainNumber(trimmed.mid(1).trimmed());
    return (negative ? QStringLiteral("%1 kolonuna yazılan \"%2\" negatif olamaz!\n\nEski değer korunuyor.")
                     : QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor."))
        .arg(rt::AllTrim(column), trimmed);
  }
  if (rt::AllTrim(SDAYA(trimmed, decimals)).isEmpty())
    return numberTooWideMessage();
  return QString();
}

namespace {

// The digits of a signed number without its sign, and whether it had one.
QString unsignedPart(const QString &trimmed, bool *negative)
{
  *negative = trimmed.startsWith(QLatin1Char('-'));
  return *negative ? trimmed.mid(1) : trimmed;
}

} // namespace

QString signedNumberRefusal(const QString &typed, int decimals)
{
  const QString trimmed = typed.trimmed();
  if (trimmed.isEmpty())
    return QString();
  bool negative = false;
  const QString body = unsignedPart(trimmed, &negative);
  if (!isPlainNumber(body))
    return QStringLiteral("\"%1\" bir sayı değil!").arg(trimmed);
  const QString digits = rt::AllTrim(SDAYA(body, decimals));
  if (digits.isEmpty() || digits.size() + (negative ? 1 : 0) > NumberTextWidth)
    return numberTooWideMessage();
  return QString();
}

QString signedNumberText(const QString &typed, int decimals)
{
  const QString trimmed = typed.trimmed();
  if (trimmed.isEmpty() || !signedNumberRefusal(trimmed, decimals).isEmpty())
    return blanks();
  bool negative = false;
  const QString digits = rt::AllTrim(SDAYA(unsignedPart(trimmed, &negative), decimals));
  // "-0" is no value below zero.
  if (!negative || rt::Val(digits) == 0.0)
    return rt::PadL(digits, NumberTextWidth);
  return rt::PadL(QLatin1Char('-') + digits, NumberTextWidth);
}

double MROUND(double value, int decimals)
{
  const double scale = std::pow(10.0, decimals);
  double x = value * scale;
  const double f = x - std::trunc(x);
  x -= f;
  if (f - 0.5 > 0 || std::fabs(f - 0.5) < 1e-10)
    x += 1;
  return x / scale;
}

bool FLOATEQUAL(double a, double b, int decimals)
{
  if (decimals < 0)
    decimals = 0;
  const double e = rt::Round(1.0 / std::pow(10.0, decimals), decimals);
  const double diff = rt::Round(std::fabs(rt::Round(a, decimals) - rt::Round(b, decimals)), decimals);
  return diff < e;
}

int AMAX(const QList<double> &a)
{
  return bestPosition(a, [](double x, double best) { return x > best; });
}

int AMIN(const QList<double> &a)
{
  return bestPosition(a, [](double x, double best) { return x < best; });
}

int AMAX(const QStringList &a)
{
  return bestPosition(a, [](const QString &x, const QString &best) { return QString::compare(x, best) > 0; });
}

int AMIN(const QStringList &a)
{
  return bestPosition(a, [](const QString &x, const QString &best) { return QString::compare(x, best) < 0; });
}

QList<int> ADIMENS(const QList<QStringList> &a)
{
  if (a.isEmpty())
    return {};
  return {int(a.size()), int(a.first().size())};
}

QList<int> ADIMENS(const QStringList &a)
{
  if (a.isEmpty())
    return {};
  return {int(a.size())};
}

} // namespace vz
