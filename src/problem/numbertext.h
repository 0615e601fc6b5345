#pragma once
// Number text: every number of the ration problem, the grids, the requirement
// rows and the reference matrix is text of 11 characters, right-aligned, '.' as
// decimal point, with a fixed number of decimals; 11 blanks mean an empty cell.
#include <QList>
#include <QString>
#include <QVariant>

namespace vz {

constexpr int NumberTextWidth = 11;

// Turns typed text into number text (signs and letters dropped, ',' read as
// '.', the fraction cut or filled to `decimals`). With 0 decimals the integer
// part is kept. A result wider than 11 characters gives 11 blanks.
QString SDAYA(const QString &text, int decimals);

// Why text typed into a number cell of the column captioned `column` cannot
// be stored there with `decimals` decimals: it is negative (no number cell
// holds one), no number (letters, a "+", a second point, blanks inside) or too
// wide for 11 characters. Empty when it
// can, blank text included (it empties the cell). "," counts as the point and
// blanks around are fine, so "450,5" is taken.
QString numberInputRefusal(const QString &typed, int decimals, const QString &column);
// The message for a number too wide for its cell.
QString numberTooWideMessage();

// For a value that may be below zero (an operand of the column arithmetic, a
// new macro value): why `typed` cannot be read as a number of `decimals`
// decimals, naming the text ("\"1O\" bir sayı değil!"), or the too-wide
// message; empty when it can, blank text included. One leading "-" is a
// sign; "," counts as the point.
QString signedNumberRefusal(const QString &typed, int decimals);
// Such a value as number text, its sign kept ("-5" gives "    -5.0000");
// 11 blanks for blank text or text that signedNumberRefusal() refuses.
QString signedNumberText(const QString &typed, int decimals);

// Rounds half up with a tolerance of 1e-10 on the half; negative values are cut
// toward zero.
double MROUND(double value, int decimals);

bool FLOATEQUAL(double a, double b, int decimals);

// 1-based position of the first largest / smallest element, 0 when empty.
int AMAX(const QList<double> &a);
int AMIN(const QList<double> &a);
int AMAX(const QStringList &a);  // texts compared as the runtime compares texts
int AMIN(const QStringList &a);

// Lengths down the first elements: a matrix of 3 rows of 5 cells gives {3, 5},
// {{}, {}} gives {2, 0}, an empty matrix {}.
QList<int> ADIMENS(const QList<QStringList> &a);
QList<int> ADIMENS(const QStringList &a);

// A copy of `a` without its element at the 1-based position `n`; `a` itself is
// unchanged. A position outside 1..size gives an unchanged copy.
template <typename T>
QList<T> AKILL(const QList<T> &a, int n)
{
  QList<T> copy = a;
  if (n >= 1 && n <= copy.size())
    copy.removeAt(n - 1);
  return copy;
}

} // namespace vz
