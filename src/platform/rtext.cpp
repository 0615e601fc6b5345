#include "rtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace vz::rt {

QString PadR(const QString &s, int len, QChar fill)
{
  if (len <= 0)
    return QString();
  if (s.size() >= len)
    return s.left(len);
  return s + QString(len - s.size(), fill);
}

QString PadL(const QString &s, int len, QChar fill)
{
  if (len <= 0)
    return QString();
  if (s.size() >= len)
    return s.left(len);
  return QString(len - s.size(), fill) + s;
}

QString PadC(const QString &s, int len, QChar fill)
{
  if (len <= 0)
    return QString();
  if (s.size() >= len)
    return s.left(len);
  const int free = len - int(s.size());
  const int left = free / 2;
  return QString(left, fill) + s + QString(free - left, fill);
}

QString AllTrim(const QString &s)
{
  const QStringView t = AllTrimView(s);
  return t.size() == s.size() ? s : t.toString();
}

QStringView AllTrimView(QStringView s)
{
  const char16_t *const begin = s.utf16();
  const char16_t *end = begin + s.size();
  while (end > begin && end[-1] == u' ')
    --end;
  const char16_t *const from = SkipBlanks(begin, end);
  return s.sliced(from - begin, end - from);
}

QString RTrim(const QString &s)
{
  qsizetype n = s.size();
  while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
    --n;
  return s.left(n);
}

QString LTrim(const QString &s)
{
  qsizetype i = 0;
  while (i < s.size() && s.at(i) == QLatin1Char(' '))
    ++i;
  return s.mid(i);
}

QString SubStr(const QString &s, int start, int count)
{
  const int n = int(s.size());
  int from;  // 0-based
  if (start < 0) {
    from = n + start;
    if (from < 0)
      from = 0;
  } else {
    from = start > 0 ? start - 1 : 0;  // the runtime reads 0 as 1
  }
  if (from >= n)
    return QString();
  if (count < 0)
    return s.mid(from);
  return s.mid(from, count);
}

int At(const QString &needle, const QString &hay)
{
  if (needle.isEmpty())
    return 0;
  return int(hay.indexOf(needle)) + 1;
}

QString StrTran(const QString &s, const QString &from, const QString &to)
{
  if (from.isEmpty())
    return s;
  QString out = s;
  return out.replace(from, to);
}

QString Upper(const QString &s)
{
  QString out;
  out.reserve(s.size());
  for (QChar c : s) {
    if (c == QLatin1Char('i'))
      out.append(QChar(0x0130));
    else if (c == QChar(0x0131))
      out.append(QLatin1Char('I'));
    else
      out.append(c.toUpper());
  }
  return out;
}

QString Replicate(const QString &s, int count)
{
  return count > 0 ? s.repeated(count) : QString();
}

QString Space(int count)
{
  return count > 0 ? QString(count, QLatin1Char(' ')) : QString();
}

namespace {

// Val's reading of a run of more digits than a double holds exactly.
double ofLongText(const char16_t *start, qsizetype length, bool negative)
{
  // The run is ASCII by construction; narrow it for from_chars.
  std::string narrow(std::size_t(length), ' ');
  for (std::size_t k = 0; k < narrow.size(); ++k)
    narrow[k] = char(start[k]);
  double v = 0.0;
  const auto [last, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || last != narrow.data() + narrow.size())
    return 0.0;  // beyond a double's range either way
  return negative ? -v : v;
}

} // namespace

double Val(QStringView s)
{
  const char16_t *const end = s.utf16() + s.size();
  const char16_t *p = SkipBlanks(s.utf16(), end);
  bool negative = false;
  if (p < end && (*p == u'-' || *p == u'+'))
    negative = *p++ == u'-';
  const char16_t *const start = p;
  // Number text has a few digits on each side of the point: gather them as a
  // whole number on the way, counting those after the point.
  std::uint64_t mantissa = 0;
  unsigned digit = 0;
  while (p < end && (digit = unsigned(*p) - u'0') <= 9) {
    mantissa = mantissa * 10 + digit;
    ++p;
  }
  qsizetype digits = p - start;
  qsizetype fraction = 0;
  if (p < end && *p == u'.') {
    const char16_t *const point = ++p;
    while (p < end && (digit = unsigned(*p) - u'0') <= 9) {
      mantissa = mantissa * 10 + digit;
      ++p;
    }
    fraction = p - point;
    digits += fraction;
  }
  if (digits == 0)
    return 0.0;
  // Both the whole number and the power of ten are exact doubles, so the one
  // division rounds the decimal value correctly, as the full conversion does.
  static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (digits <= 19 && mantissa <= (std::uint64_t(1) << 53) && fraction <= 22) {
    const double v = double(mantissa) / powers[fraction];
    return negative ? -v : v;
  }
  return ofLongText(start, p - start, negative);
}

double Round(double value, int decimals)
{
  if (!std::isfinite(value))
    return value;
  const double scale = std::pow(10.0, decimals);
  const double a = std::fabs(value) * scale;
  // A nudge of a few units in the last place so that 2.675 (stored as
  // 2.67499999...) rounds as the decimal text reads.
  const double r = std::floor(a + 0.5 + a * 1e-14);
  const double out = r / scale;
  return value < 0 ? -out : out;
}

namespace {

// Digits of |value| rounded half away from zero to `decimals` places, with the
// point inserted; empty when the value is not finite or too large to print.
QString absoluteText(double value, int decimals, bool *negative)
{
  const double a = std::fabs(value);
  const double scale = std::pow(10.0, decimals);
  const double scaled = a * scale;
  if (!std::isfinite(scaled) || scaled >= 1e18)
    return QString();
  const double r = std::floor(scaled + 0.5 + scaled * 1e-14);
  QString digits = QString::number(static_cast<qulonglong>(r));
  *negative = value < 0 && r > 0;  // never "-0"
  if (decimals > 0) {
    if (digits.size() <= decimals)
      digits = QString(decimals + 1 - digits.size(), QLatin1Char('0')) + digits;
    digits.insert(digits.size() - decimals, QLatin1Char('.'));
  }
  return digits;
}

} // namespace

QString Str(double value, int length, int decimals)
{
  if (length <= 0)
    return QString();
  if (decimals < 0)
    decimals = 0;
  for (int d = decimals; d >= 0; --d) {
    bool negative = false;
    QString text = absoluteText(value, d, &negative);
    if (text.isEmpty())
      continue;  // too many decimals to hold: try fewer
    if (negative)
      text.prepend(QLatin1Char('-'));
    if (text.size() <= length)
      return PadL(text, length);
  }
  return QString(length, QLatin1Char('*'));
}

QString DToC(const QDate &d)
{
  if (!d.isValid())
    return QStringLiteral("  .  .    ");
  return d.toString(QStringLiteral("dd.MM.yyyy"));
}

namespace {
// A part of a date is digits only, possibly padded with blanks; anything else
// makes the whole date unreadable.
int datePart(const QString &part)
{
  const QString t = part.trimmed();
  if (t.isEmpty())
    return -1;
  for (QChar c : t)
    if (!c.isDigit() || c.unicode() > 127)
      return -1;
  return t.toInt();
}
} // namespace

QDate CToD(const QString &text)
{
  const QStringList parts = text.split(QLatin1Char('.'));
  if (parts.size() != 3 || parts[2].trimmed().size() != 4)
    return {};
  const int d = datePart(parts[0]), m = datePart(parts[1]), y = datePart(parts[2]);
  if (d < 0 || m < 0 || y < 0)
    return {};
  return QDate(y, m, d);  // invalid (null-tested by callers) when no such day
}

QDate SToD(const QString &text)
{
  if (text.size() != 8)
    return {};
  const int y = datePart(text.left(4)), m = datePart(text.mid(4, 2)), d = datePart(text.mid(6, 2));
  if (d < 0 || m < 0 || y < 0)
    return {};
  return QDate(y, m, d);
}

bool FuzzyEqual(double a, double b)
{
  return std::fabs(a - b) < FloatDelta * std::max(1.0, std::max(std::fabs(a), std::fabs(b)));
}

} // namespace vz::rt
