#include "services/wildseek.h"

#include "platform/dbftable.h"

namespace vz {

int WILDPOS(const QString &pattern)
{
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern.at(i) == QLatin1Char('*') || pattern.at(i) == QLatin1Char('?'))
      return int(i + 1);
  }
  return 0;
}

bool WILDMATCH(const QString &text, const QString &pattern)
{
  // Greedy matching that remembers only the last star: on a mismatch the
  // star takes one more character and the rest is tried again from there.
  // Earlier stars never need revisiting, so the work stays polynomial.
  qsizetype t = 0;
  qsizetype p = 0;
  qsizetype starP = -1;
  qsizetype starT = 0;
  const qsizetype tn = text.size();
  const qsizetype pn = pattern.size();
  while (t < tn) {
    if (p < pn && pattern.at(p) == QLatin1Char('*')) {
      while (p < pn && pattern.at(p) == QLatin1Char('*'))
        ++p;
      if (p == pn)
        return true;
      starP = p;
      starT = t;
    } else if (p < pn && (pattern.at(p) == QLatin1Char('?') || pattern.at(p) == text.at(t))) {
      ++p;
      ++t;
    } else if (starP >= 0) {
      p = starP;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pn && pattern.at(p) == QLatin1Char('*'))
    ++p;
  return p == pn;
}

bool WILDSEEK(DbfTable &table, const QString &value)
{
  if (!table.isOpen())
    return false;
  const int w = WILDPOS(value);
  if (w == 0)
    return table.seek(value);

  const QString prefix = value.left(w - 1);
  bool moved = false;
  if (w == 1) {
    moved = table.goTop() && !table.eof();
  } else {
    moved = table.seek(prefix);
  }
  if (!moved)
    return false;

  QString key = table.currentKey();
  while (!table.eof() && key.startsWith(prefix)) {
    if (WILDMATCH(key, value))
      return true;
    if (!table.skip(1))
      return false;
    if (table.eof())
      return false;
    key = table.currentKey();
  }
  return false;
}

} // namespace vz
