#pragma once
// The runtime's text functions, with the runtime's semantics, for the places
// where the program's texts must come out character for character as they
// always did. Positions count from 1, as in the runtime.
#include <QDate>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>

namespace vz::rt {

QString PadR(const QString &s, int len, QChar fill = QLatin1Char(' '));  // cut or fill on the right
QString PadL(const QString &s, int len, QChar fill = QLatin1Char(' '));  // cut on the right, fill on the left
QString PadC(const QString &s, int len, QChar fill = QLatin1Char(' '));  // centred; the odd fill goes right
QString AllTrim(const QString &s);                                       // blanks only, both ends
QStringView AllTrimView(QStringView s);                                  // the same, without a copy
QString RTrim(const QString &s);
QString LTrim(const QString &s);
QString SubStr(const QString &s, int start, int count = -1);  // start < 0 counts from the end
int At(const QString &needle, const QString &hay);            // 0 when absent
QString StrTran(const QString &s, const QString &from, const QString &to);
QString Upper(const QString &s);                              // Turkish-aware (i -> İ, ı -> I)
QString Replicate(const QString &s, int count);
QString Space(int count);

// Leading blanks skipped, then an optional sign, digits and one '.'; stops at
// the first other character; "" or garbage gives 0, and so does a number
// beyond the range of a double. Reads the text where it lies: the optimiser
// reads every cell of a problem through it.
double Val(QStringView s);
inline double Val(const QString &s) { return Val(QStringView(s)); }
// Where the blanks at the start of a text end (`end` when it is all blanks);
// number text is mostly blanks, so they are passed four at a time. Inline:
// the optimiser's set-up asks it of every cell.
inline const char16_t *SkipBlanks(const char16_t *p, const char16_t *end)
{
  constexpr std::uint64_t fourBlanks = 0x0020002000200020u;
  while (end - p >= 4) {
    std::uint64_t four;
    std::memcpy(&four, p, sizeof four);
    if (four != fourBlanks)
      break;
    p += 4;
  }
  while (p < end && *p == u' ')
    ++p;
  return p;
}

// Str(value, length, decimals): right-aligned in `length`; rounds half away
// from zero; when the width leaves room for fewer decimals than asked the
// value is rounded to the decimals that fit ("550.0" for Str(550, 5, 3)); only
// a value whose whole part, sign included, does not fit gives `length`
// asterisks. Never prints "-0".
QString Str(double value, int length, int decimals = 0);

// The runtime's Round: half away from zero at `decimals` places.
double Round(double value, int decimals);

QString DToC(const QDate &d);  // dd.MM.yyyy; a null date gives "  .  .    "
// dd.MM.yyyy back to a date (blanks around the parts allowed, a two-digit
// year is not read); anything that names no real day gives the null date.
QDate CToD(const QString &text);
// yyyymmdd to a date; anything that names no real day gives the null date.
QDate SToD(const QString &text);

// The runtime's float comparison tolerance (SetFloatDelta).
constexpr double FloatDelta = 1e-12;
bool FuzzyEqual(double a, double b);  // |a - b| within FloatDelta, relative above 1

} // namespace vz::rt
