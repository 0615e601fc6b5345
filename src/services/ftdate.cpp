#include "services/ftdate.h"

namespace vz {

namespace {

QString digits(int value, int width)
{
  return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// The runtime's day of week: 1 Sunday ... 7 Saturday.
int dow(const QDate &d)
{
  return d.dayOfWeek() % 7 + 1;
}

QDate lastOfMonth(const QDate &d)
{
  return QDate(d.year(), d.month(), d.daysInMonth());
}

// Reads a start text in either of the two forms it is written in.
QDate readStart(const QString &text)
{
  const QString t = text.trimmed();
  QDate d = QDate::fromString(t, QStringLiteral("yyyy.MM.dd"));
  if (!d.isValid())
    d = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
  return d;
}

} // namespace

FT_DATE::Config FT_DATE::CNFG(const QString &start, int firstDayOfWeek)
{
  if (!start.isEmpty())
    return CNFG(readStart(start), firstDayOfWeek);
  return CNFG(QDate(), firstDayOfWeek);
}

FT_DATE::Config FT_DATE::CNFG(const QDate &start, int firstDayOfWeek)
{
  if (start.isValid()) {
    QDate d = start;
    if (d.month() == 2 && d.day() == 29)
      d = QDate(d.year(), 2, 28);
    m_config.start = d.toString(QStringLiteral("yyyy.MM.dd"));
  }
  if (firstDayOfWeek >= 1 && firstDayOfWeek <= 7)
    m_config.firstDayOfWeek = firstDayOfWeek;
  return m_config;
}

QDate FT_DATE::startIn(int year) const
{
  const QDate s = QDate::fromString(m_config.start, QStringLiteral("yyyy.MM.dd"));
  if (!s.isValid())
    return QDate(year, 1, 1);
  return QDate(year, s.month(), s.day());
}

int FT_DATE::DAYTOBOW(const QDate &date) const
{
  if (!date.isValid())
    return -1;
  int d = dow(date) - m_config.firstDayOfWeek;
  return d < 0 ? d + 7 : d;
}

QDate FT_DATE::MADD(const QDate &date, int months, bool endOfMonth)
{
  const QDate d = date.isValid() ? date : QDate::currentDate();
  const qint64 adj = d.day() - 1;
  QDate first = d.addDays(-adj);
  endOfMonth = endOfMonth && d == lastOfMonth(d);
  for (int i = 0; i < (months < 0 ? -months : months); ++i) {
    first = months > 0 ? first.addDays(31) : first.addDays(-1);
    first = first.addDays(1 - first.day());
  }
  const QDate last = lastOfMonth(first);
  if (endOfMonth)
    return last;
  return std::min(first.addDays(adj), last);
}

FT_DATE::Period FT_DATE::YEAR(const QDate &date) const
{
  if (!date.isValid())
    return {};
  QDate first = startIn(date.year());
  // A date before the start's month and day still belongs to the year that
  // began in the calendar year before.
  if (date < first)
    first = startIn(date.year() - 1);
  Period p;
  p.first = first;
  p.last = MADD(first, 12).addDays(-1);
  p.id = digits(p.last.year(), 4);
  return p;
}

int FT_DATE::fiscalMonthIndex(const QDate &date, const QDate &yearFirst) const
{
  int k = 0;
  while (k < 11 && MADD(yearFirst, k + 1) <= date)
    ++k;
  return k;
}

FT_DATE::Period FT_DATE::MONTH(const QDate &date, std::optional<int> month) const
{
  const Period y = YEAR(date);
  if (!y.isValid())
    return {};
  QDate d = date;
  if (month) {
    const int m = (*month < 1 || *month > 12) ? 12 : *month;
    d = MADD(y.first, m - 1);
  }
  const int n = fiscalMonthIndex(d, y.first) + 1;
  Period p;
  p.first = MADD(y.first, n - 1);
  // Measured from the year's first day, so a start on the 31st leaves no gap
  // after a short month.
  p.last = MADD(y.first, n).addDays(-1);
  p.id = y.id + digits(n, 2);
  return p;
}

FT_DATE::Period FT_DATE::QTR(const QDate &date, std::optional<int> quarter) const
{
  const Period y = YEAR(date);
  if (!y.isValid())
    return {};
  QDate d = date;
  if (quarter) {
    const int q = (*quarter < 1 || *quarter > 4) ? 4 : *quarter;
    d = MADD(y.first, 3 * (q - 1));
  }
  const int q = fiscalMonthIndex(d, y.first) / 3;
  Period p;
  p.first = MADD(y.first, 3 * q);
  p.last = MADD(y.first, 3 * q + 3).addDays(-1);
  p.id = y.id + digits(q + 1, 2);
  return p;
}

FT_DATE::Period FT_DATE::WEEK(const QDate &date, std::optional<int> week) const
{
  const Period y = YEAR(date);
  if (!y.isValid())
    return {};
  const QDate w = y.first.addDays(-DAYTOBOW(y.first));
  QDate d = date;
  if (week) {
    const int count = int(w.daysTo(y.last) / 7) + 1;
    const int n = (*week < 1 || *week > count) ? count : *week;
    d = w.addDays(qint64(n - 1) * 7);
  }
  const QDate e = d.addDays(6 - DAYTOBOW(d));
  Period p;
  p.id = y.id + digits(int(w.daysTo(e) / 7) + 1, 2);
  p.first = std::max(e.addDays(-6), y.first);
  p.last = std::min(e, y.last);
  return p;
}

FT_DATE::Period FT_DATE::DAYOFYR(const QDate &date, std::optional<int> dayNumber,
                                 bool accounting) const
{
  Period y = accounting ? ACCTYEAR(date) : YEAR(date);
  if (!y.isValid())
    return {};
  if (dayNumber) {
    const int count = int(y.first.daysTo(y.last)) + 1;
    const int n = (*dayNumber < 1 || *dayNumber > count) ? count : *dayNumber;
    y.day = y.first.addDays(n - 1);
    y.id.clear();
  } else {
    y.id += digits(int(y.first.daysTo(date)) + 1, 3);
  }
  return y;
}

QDate FT_DATE::ACCTADJ(const QDate &date, bool endFlag) const
{
  if (!date.isValid())
    return {};
  const int d = DAYTOBOW(date);
  const int threshold = endFlag ? 2 : 3;
  QDate r = d > threshold ? date.addDays(7 - d) : date.addDays(-d);
  return endFlag ? r.addDays(-1) : r;
}

FT_DATE::Period FT_DATE::ACCTYEAR(const QDate &date) const
{
  Period y = YEAR(date);
  if (!y.isValid())
    return {};
  const QDate first = y.first;
  const QDate last = y.last;
  y.first = ACCTADJ(first);
  y.last = ACCTADJ(last, true);
  // A date the week boundaries moved out belongs to the neighbouring year,
  // reached from this year's own first or last day: a calendar month from
  // the date can skip that year or land in this one again.
  if (date < y.first || date > y.last) {
    y = YEAR(date < y.first ? first.addDays(-1) : last.addDays(1));
    y.first = ACCTADJ(y.first);
    y.last = ACCTADJ(y.last, true);
  }
  return y;
}

FT_DATE::Period FT_DATE::accountingPeriod(const QDate &date, std::optional<int> number,
                                          bool quarters) const
{
  const int periods = quarters ? 4 : 12;
  auto take = [&](const QDate &d, std::optional<int> n) {
    return quarters ? QTR(d, n) : MONTH(d, n);
  };
  Period p = take(date, std::nullopt);
  if (!p.isValid())
    return {};
  // As for the year: the neighbouring period is the one next to this
  // period's own first or last day, and its identifier numbers it.
  if (date < ACCTADJ(p.first))
    p = take(p.first.addDays(-1), std::nullopt);
  else if (date > ACCTADJ(p.last, true))
    p = take(p.last.addDays(1), std::nullopt);
  if (number)
    p = take(p.first, (*number < 1 || *number > periods) ? periods : *number);
  p.first = ACCTADJ(p.first);
  p.last = ACCTADJ(p.last, true);
  return p;
}

FT_DATE::Period FT_DATE::ACCTQTR(const QDate &date, std::optional<int> quarter) const
{
  return accountingPeriod(date, quarter, true);
}

FT_DATE::Period FT_DATE::ACCTMONTH(const QDate &date, std::optional<int> month) const
{
  return accountingPeriod(date, month, false);
}

FT_DATE::Period FT_DATE::ACCTWEEK(const QDate &date, std::optional<int> week) const
{
  const Period y = ACCTYEAR(date);
  if (!y.isValid())
    return {};
  QDate d = date;
  if (week) {
    const int count = int(y.first.daysTo(y.last) / 7) + 1;
    const int n = (*week < 1 || *week > count) ? count : *week;
    d = y.first.addDays(qint64(n - 1) * 7);
  }
  Period p;
  p.id = y.id + digits(int(y.first.daysTo(d) / 7) + 1, 2);
  const QDate e = d.addDays(6 - DAYTOBOW(d));
  p.first = e.addDays(-6);
  p.last = e;
  return p;
}

} // namespace vz
