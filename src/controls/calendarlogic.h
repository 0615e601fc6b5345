#pragma once
// The month calendar without its window: the date arithmetic, the fixed
// layout worked out once from the control's size, the mapping between dates,
// cells and points, and how the current date moves by keys and commands.
// The widget asks it what to do and only paints; tests drive it directly.
#include <QDate>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace vz {

// A rectangle by its four edges, all of them inside (unlike QRect, whose
// right and bottom stop one pixel short of left + width and top + height).
struct CalendarRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const CalendarRect &, const CalendarRect &) = default;
};

QDate FIRSTDAYOFMONTH(const QDate &d);
QDate LASTDAYOFMONTH(const QDate &d);
// The date n days before d.
QDate DATEDEC(const QDate &d, quint16 n);
bool ISLEAPYEAR(int year);
// `date` moved by `months` whole months; a day the target month lacks becomes
// that month's last day (31 January + 1 -> 28 or 29 February). The empty date,
// and a result outside the years 1 to 9999, give the empty date.
QDate DATE_ADDMONTH(const QDate &date, int months);
// Every edge counts as inside.
bool POINTINSIDE(const CalendarRect &r, int x, int y);
// The month (1 to 12) of a month-menu command id 3001 to 3012; 0 for any other id.
int GETMONTH(int id);

// The first command id of the month menu (January); December is 3012.
constexpr int MonthMenuFirstId = 3001;

// The first day of the week of the system locale, 1 = Sunday ... 7 = Saturday.
unsigned localeFirstDayOfWeek();

// Where the calendar dialog opens for an edit at `edit` (screen pixels): its
// top edge on the edit's bottom edge, its left edge at the edit's left end
// (alignLeft) or right end. A dialog that would run off the bottom of
// `available` opens above the edit instead; it is then kept inside
// `available` as far as its size allows.
QPoint calendarDialogOrigin(const QRect &edit, bool alignLeft, const QSize &dialog,
                            const QRect &available);

// The years the year editor and its spinner accept.
constexpr int CalendarFirstYear = 1752;
constexpr int CalendarLastYear = 2999;

class CalendarLogic {
public:
  // What a change of the current date needs on screen.
  enum class Redraw {
    None,       // nothing changed
    Highlight,  // the highlight moved within the month shown: two cells
    Full,       // another month: the whole control
  };

  enum class HeaderHit { None, PreviousMonth, NextMonth, MonthLabel, YearLabel };

  struct Cell {
    int row = 0;     // 0 is the weekday row, 1 to 6 the weeks
    int column = 0;  // 1 to 7
  };

  static constexpr int HeaderHeight = 25;

  // The layout is fixed from the control's size; a first day of the week
  // outside 1 to 7 takes the locale's.
  CalendarLogic(int width, int height, const QDate &today = QDate::currentDate(),
                unsigned firstDayOfWeek = 0);

  int controlWidth() const { return m_width; }
  int controlHeight() const { return m_height; }
  int gridLeft() const { return 0; }
  int gridTop() const { return HeaderHeight; }
  int gridWidth() const { return m_gridWidth; }
  int gridHeight() const { return m_gridHeight; }
  int gridRight() const { return m_gridWidth; }
  int gridBottom() const { return HeaderHeight + m_gridHeight; }
  int columnPitch() const { return m_gridWidth / 7; }  // cw
  int rowPitch() const { return m_gridHeight / 7; }    // rh
  // Row band r (0 to 6), column c (1 to 7); row 6 reaches the grid bottom.
  CalendarRect cell(int row, int column) const;
  // The height of row band r as drawn: rh, or more for the last band.
  int bandHeight(int row) const;
  // Where a day number is written: the cell moved 2 pixels down, rh high.
  CalendarRect dayTextBox(int row, int column) const;
  // Where a weekday name is written: the row-0 cell moved 1 pixel down.
  CalendarRect weekdayTextBox(int column) const;

  QDate CURRENTDATE() const { return m_current; }
  // Moves to d; Highlight when d lies in the month shown. A null date is refused.
  Redraw setCurrentDate(const QDate &d);

  unsigned FIRSTDAYOFWEEK() const { return m_firstDayOfWeek; }
  // Stores n; anything outside 1 to 7 takes the locale's day. Returns what
  // was stored. Nothing needs repainting beyond the caller's own choice.
  unsigned FIRSTDAYOFTHEWEEK(unsigned n = 1);

  int CASTDATE2COLUMN(const QDate &d) const;
  QDate CASTROWCOL2DATE(int row, int column) const;
  int CURRENTROWNUMBER() const;
  int CURRENTCOLUMNNUMBER() const;
  // The weekday (1 = Sunday ... 7 = Saturday) shown in a column.
  int weekdayOfColumn(int column) const;

  bool inShownMonth(const QDate &d) const;

  // The row and column of a point below the header; the row is negative
  // above the grid.
  Cell cellAt(int x, int y) const;
  // The day under a point in the month shown; null for the header, the
  // weekday row, an empty cell or a point beside the grid.
  QDate dayAt(int x, int y) const;
  // What a click in the header band hits, given the label rectangles of the
  // last paint.
  HeaderHit headerHit(int x, int y, const CalendarRect &monthLabel,
                      const CalendarRect &yearLabel) const;

  Redraw MOVEDAYS(int n);
  // Real month arithmetic; a day the target month lacks becomes its last day.
  Redraw MOVEMONTHS(int n);
  // 29 February becomes 28 February in a year that is not a leap year.
  Redraw MOVEYEARS(int n);
  // The month-menu command: moves within the year shown to the chosen month.
  Redraw monthCommand(int id);

  // The navigation keys (Qt key codes): Right, Left, Up, Down, Page Up,
  // Page Down, Home, End. handled is false for every other key.
  Redraw key(int qtKey, bool *handled = nullptr);

  // The year a year-editor text asks for: a number is clamped to the years
  // the editor accepts; text that is no number gives 0 (nothing to apply).
  static int yearFromText(const QString &text);

private:
  int m_width;
  int m_height;
  int m_gridWidth;
  int m_gridHeight;
  QDate m_current;
  unsigned m_firstDayOfWeek;
};

} // namespace vz
