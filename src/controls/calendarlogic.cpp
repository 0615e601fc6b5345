#include "calendarlogic.h"

#include <QLocale>
#include <Qt>

namespace vz {

QDate FIRSTDAYOFMONTH(const QDate &d) { return QDate(d.year(), d.month(), 1); }

QDate LASTDAYOFMONTH(const QDate &d)
{
  const QDate next = d.month() == 12 ? QDate(d.year() + 1, 1, 1) : QDate(d.year(), d.month() + 1, 1);
  return DATEDEC(next, 1);
}

QDate DATEDEC(const QDate &d, quint16 n) { return d.addDays(-qint64(n)); }

bool ISLEAPYEAR(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool POINTINSIDE(const CalendarRect &r, int x, int y)
{
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

int GETMONTH(int id)
{
  const int month = id - (MonthMenuFirstId - 1);
  return month >= 1 && month <= 12 ? month : 0;
}

QDate DATE_ADDMONTH(const QDate &date, int months)
{
  if (!date.isValid())
    return {};
  // Counted in months from the start of year 0, so any number of months is
  // one step and the year follows from the month.
  const qint64 index = qint64(date.year()) * 12 + (date.month() - 1) + months;
  const qint64 year = index >= 0 ? index / 12 : (index - 11) / 12;
  const int month = int(index - year * 12) + 1;
  if (year < 1 || year > 9999)
    return {};
  const QDate first(int(year), month, 1);
  return QDate(int(year), month, qMin(date.day(), first.daysInMonth()));
}

unsigned localeFirstDayOfWeek()
{
  // Qt counts Monday 1 ... Sunday 7; the calendar counts Sunday 1 ... Saturday 7.
  const int day = QLocale::system().firstDayOfWeek();
  return day >= 1 && day <= 6 ? unsigned(day + 1) : 1u;
}

QPoint calendarDialogOrigin(const QRect &edit, bool alignLeft, const QSize &dialog,
                            const QRect &available)
{
  int x = alignLeft ? edit.left() : edit.right() + 1;
  int y = edit.bottom() + 1;
  if (y + dialog.height() > available.bottom() + 1 && edit.top() - dialog.height() >= available.top())
    y = edit.top() - dialog.height();
  // Right and bottom first, so a dialog larger than the screen keeps its
  // top-left corner (and its title bar) on it.
  x = qMax(qMin(x, available.right() + 1 - dialog.width()), available.left());
  y = qMax(qMin(y, available.bottom() + 1 - dialog.height()), available.top());
  return {x, y};
}

namespace {

// The runtime's weekday numbering: 1 = Sunday ... 7 = Saturday.
int runtimeWeekday(const QDate &d) { return d.dayOfWeek() % 7 + 1; }

} // namespace

CalendarLogic::CalendarLogic(int width, int height, const QDate &today, unsigned firstDayOfWeek)
    : m_width(width),
      m_height(height),
      m_gridWidth(qMax(0, width) / 7 * 7),
      m_gridHeight(qMax(0, height - HeaderHeight) / 6 * 6),
      m_current(today.isValid() ? today : QDate::currentDate()),
      m_firstDayOfWeek(1)
{
  FIRSTDAYOFTHEWEEK(firstDayOfWeek);
}

CalendarRect CalendarLogic::cell(int row, int column) const
{
  const int cw = columnPitch();
  const int rh = rowPitch();
  const int top = HeaderHeight + row * rh;
  return {(column - 1) * cw, top, column * cw, top + bandHeight(row)};
}

int CalendarLogic::bandHeight(int row) const
{
  return row == 6 ? gridBottom() - (HeaderHeight + 6 * rowPitch()) : rowPitch();
}

CalendarRect CalendarLogic::dayTextBox(int row, int column) const
{
  const CalendarRect c = cell(row, column);
  return {c.left, c.top + 2, c.right, c.top + 2 + rowPitch()};
}

CalendarRect CalendarLogic::weekdayTextBox(int column) const
{
  const CalendarRect c = cell(0, column);
  return {c.left, c.top + 1, c.right, c.bottom + 1};
}

CalendarLogic::Redraw CalendarLogic::setCurrentDate(const QDate &d)
{
  if (!d.isValid() || d == m_current)
    return Redraw::None;
  const bool sameMonth = inShownMonth(d);
  m_current = d;
  return sameMonth ? Redraw::Highlight : Redraw::Full;
}

unsigned CalendarLogic::FIRSTDAYOFTHEWEEK(unsigned n)
{
  m_firstDayOfWeek = n >= 1 && n <= 7 ? n : localeFirstDayOfWeek();
  return m_firstDayOfWeek;
}

int CalendarLogic::CASTDATE2COLUMN(const QDate &d) const
{
  int column = runtimeWeekday(d) - (int(m_firstDayOfWeek) - 1);
  if (column < 1)
    column += 7;
  return column;
}

QDate CalendarLogic::CASTROWCOL2DATE(int row, int column) const
{
  const QDate f = FIRSTDAYOFMONTH(m_current);
  return f.addDays(7 * (row - 1) + (column - CASTDATE2COLUMN(f)));
}

int CalendarLogic::CURRENTROWNUMBER() const
{
  // Both terms are positive, so the integer division is the floor.
  return (m_current.day() + CASTDATE2COLUMN(FIRSTDAYOFMONTH(m_current)) - 2) / 7 + 1;
}

int CalendarLogic::CURRENTCOLUMNNUMBER() const { return CASTDATE2COLUMN(m_current); }

int CalendarLogic::weekdayOfColumn(int column) const
{
  return (int(m_firstDayOfWeek) - 1 + column - 1) % 7 + 1;
}

bool CalendarLogic::inShownMonth(const QDate &d) const
{
  return d.isValid() && d.year() == m_current.year() && d.month() == m_current.month();
}

CalendarLogic::Cell CalendarLogic::cellAt(int x, int y) const
{
  const int cw = columnPitch();
  const int rh = rowPitch();
  if (cw <= 0 || rh <= 0)
    return {-1, 0};
  // Floor division, so a point above the grid never lands in row 0.
  const int dy = y - HeaderHeight;
  const int row = dy >= 0 ? dy / rh : -1;
  return {row, x >= 0 ? x / cw + 1 : 0};
}

QDate CalendarLogic::dayAt(int x, int y) const
{
  if (y <= HeaderHeight || x >= gridRight() || y >= gridBottom())
    return {};
  // The taller last band belongs to row 6, not to a seventh week.
  const Cell c = cellAt(x, y);
  const int row = qMin(c.row, 6);
  if (row <= 0 || c.column <= 0 || c.column > 7)
    return {};
  const QDate d = CASTROWCOL2DATE(row, c.column);
  return inShownMonth(d) ? d : QDate();
}

CalendarLogic::HeaderHit CalendarLogic::headerHit(int x, int y, const CalendarRect &monthLabel,
                                                  const CalendarRect &yearLabel) const
{
  if (y > HeaderHeight)
    return HeaderHit::None;
  if (x < 20)
    return HeaderHit::PreviousMonth;
  if (x > gridRight() - 20)
    return HeaderHit::NextMonth;
  if (POINTINSIDE(monthLabel, x, y))
    return HeaderHit::MonthLabel;
  if (POINTINSIDE(yearLabel, x, y))
    return HeaderHit::YearLabel;
  return HeaderHit::None;
}

CalendarLogic::Redraw CalendarLogic::MOVEDAYS(int n)
{
  return setCurrentDate(m_current.addDays(n));
}

CalendarLogic::Redraw CalendarLogic::MOVEMONTHS(int n)
{
  const QDate target = DATE_ADDMONTH(m_current, n);
  if (!target.isValid())
    return Redraw::None;
  m_current = target;
  return Redraw::Full;
}

CalendarLogic::Redraw CalendarLogic::MOVEYEARS(int n)
{
  return MOVEMONTHS(12 * n);
}

CalendarLogic::Redraw CalendarLogic::monthCommand(int id)
{
  const int month = GETMONTH(id);
  return month ? MOVEMONTHS(month - m_current.month()) : Redraw::None;
}

CalendarLogic::Redraw CalendarLogic::key(int qtKey, bool *handled)
{
  if (handled)
    *handled = true;
  switch (qtKey) {
  case Qt::Key_Right: return MOVEDAYS(1);
  case Qt::Key_Left: return MOVEDAYS(-1);
  case Qt::Key_Up: return MOVEDAYS(-7);
  case Qt::Key_Down: return MOVEDAYS(7);
  case Qt::Key_PageUp: return MOVEMONTHS(-1);
  case Qt::Key_PageDown: return MOVEMONTHS(1);
  case Qt::Key_Home: return setCurrentDate(FIRSTDAYOFMONTH(m_current));
  case Qt::Key_End: return setCurrentDate(LASTDAYOFMONTH(m_current));
  default:
    if (handled)
      *handled = false;
    return Redraw::None;
  }
}

int CalendarLogic::yearFromText(const QString &text)
{
  bool ok = false;
  const qlonglong year = text.trimmed().toLongLong(&ok);
  if (!ok)
    return 0;
  return int(qBound(qlonglong(CalendarFirstYear), year, qlonglong(CalendarLastYear)));
}

} // namespace vz
