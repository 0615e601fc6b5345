// The month calendar: its date arithmetic, layout and navigation without a
// display, then the control itself driven by keys and clicks offscreen, the
// calendar dialog and the date context menu.
#include "controls/calendarlogic.h"
#include "controls/dlgpecalendar.h"
#include "controls/pecalendar.h"
#include "platform/rtext.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace vz;

Q_DECLARE_METATYPE(vz::CalendarLogic::Redraw)

namespace {

using Redraw = CalendarLogic::Redraw;

QDate d(int y, int m, int day) { return QDate(y, m, day); }

// A calendar of the dialog's usual size on a given date.
CalendarLogic logicOn(const QDate &date, unsigned firstDay = 2)
{
  return CalendarLogic(250, 140, date, firstDay);
}

// Collects the areas the calendar repaints, to tell a highlight move from a
// full repaint.
class PaintSpy : public QObject {
public:
  explicit PaintSpy(QWidget *w) : m_widget(w) { w->installEventFilter(this); }
  QRegion painted;
  bool fullRepaint() const { return painted.boundingRect().contains(m_widget->rect()); }
  void reset() { painted = QRegion(); }

protected:
  bool eventFilter(QObject *, QEvent *e) override
  {
    if (e->type() == QEvent::Paint)
      painted += static_cast<QPaintEvent *>(e)->region();
    return false;
  }

private:
  QWidget *m_widget;
};

// A calendar in a window of its own, shown offscreen and painted once.
struct CalendarWindow {
  QWidget window;
  PECALENDAR *calendar;
  explicit CalendarWindow(const QDate &date, unsigned firstDay = 2)
  {
    calendar = new PECALENDAR(&window, QSize(250, 140));
    calendar->FIRSTDAYOFTHEWEEK(firstDay);
    calendar->setCURRENTDATE(date);
    window.resize(260, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    calendar->setFocus();
    QCoreApplication::processEvents();
  }
  QPoint centreOf(int row, int column) const { return calendar->cellRect(row, column).center(); }
};

} // namespace

class TestCalendar : public QObject {
  Q_OBJECT
private slots:
  void lastDayOfMonth_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("last");
    QTest::newRow("December: the same year") << d(2026, 12, 5) << d(2026, 12, 31);
    QTest::newRow("31 December") << d(1999, 12, 31) << d(1999, 12, 31);
    QTest::newRow("February 2000: leap") << d(2000, 2, 10) << d(2000, 2, 29);
    QTest::newRow("February 1900: not leap") << d(1900, 2, 1) << d(1900, 2, 28);
    QTest::newRow("February 2024") << d(2024, 2, 29) << d(2024, 2, 29);
    QTest::newRow("April") << d(2025, 4, 30) << d(2025, 4, 30);
    QTest::newRow("January") << d(2025, 1, 1) << d(2025, 1, 31);
  }
  void lastDayOfMonth()
  {
    QFETCH(QDate, date);
    QFETCH(QDate, last);
    QCOMPARE(LASTDAYOFMONTH(date), last);
    QCOMPARE(FIRSTDAYOFMONTH(date), QDate(date.year(), date.month(), 1));
  }

  void leapYear_data()
  {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2004") << 2004 << true;
    QTest::newRow("2005") << 2005 << false;
    QTest::newRow("2100") << 2100 << false;
    QTest::newRow("2400") << 2400 << true;
  }
  void leapYear()
  {
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(ISLEAPYEAR(year), leap);
  }

  void dateDec_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("n");
    QTest::addColumn<QDate>("result");
    QTest::newRow("0 days") << d(2026, 3, 1) << 0 << d(2026, 3, 1);
    QTest::newRow("over a month end") << d(2026, 3, 1) << 1 << d(2026, 2, 28);
    QTest::newRow("over a year end") << d(2026, 1, 1) << 1 << d(2025, 12, 31);
    QTest::newRow("leap day") << d(2024, 3, 1) << 1 << d(2024, 2, 29);
    QTest::newRow("the largest count") << d(2026, 1, 1) << 65535 << d(2026, 1, 1).addDays(-65535);
  }
  void dateDec()
  {
    QFETCH(QDate, date);
    QFETCH(int, n);
    QFETCH(QDate, result);
    QCOMPARE(DATEDEC(date, quint16(n)), result);
  }

  void smallFunctions()
  {
    const CalendarRect r{10, 20, 30, 40};
    for (const QPoint &p : {QPoint(10, 20), QPoint(30, 40), QPoint(10, 40), QPoint(30, 20), QPoint(20, 30)})
      QVERIFY2(POINTINSIDE(r, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint &p : {QPoint(9, 30), QPoint(31, 30), QPoint(20, 19), QPoint(20, 41)})
      QVERIFY(!POINTINSIDE(r, p.x(), p.y()));
    QCOMPARE(GETMONTH(3001), 1);
    QCOMPARE(GETMONTH(3012), 12);
    QCOMPARE(GETMONTH(3000), 0);
    QCOMPARE(GETMONTH(3013), 0);
  }

  // The week's first day comes from the locale and is always one of 1 to 7.
  void firstDayOfWeek_data()
  {
    QTest::addColumn<unsigned>("asked");
    QTest::addColumn<unsigned>("stored");
    const unsigned locale = localeFirstDayOfWeek();
    QTest::newRow("Sunday") << 1u << 1u;
    QTest::newRow("Monday") << 2u << 2u;
    QTest::newRow("Saturday") << 7u << 7u;
    QTest::newRow("0: the locale's") << 0u << locale;
    QTest::newRow("8: the locale's") << 8u << locale;
  }
  void firstDayOfWeek()
  {
    QFETCH(unsigned, asked);
    QFETCH(unsigned, stored);
    QVERIFY(localeFirstDayOfWeek() >= 1 && localeFirstDayOfWeek() <= 7);
    CalendarLogic logic(250, 140, d(2026, 1, 1), asked);
    QCOMPARE(logic.FIRSTDAYOFWEEK(), stored);
    QCOMPARE(logic.FIRSTDAYOFTHEWEEK(asked), stored);
    QCOMPARE(logic.FIRSTDAYOFTHEWEEK(), 1u);
  }

  void geometry_data()
  {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<int>("gridHeight");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("rh");
    QTest::addColumn<int>("lastBand");
    QTest::newRow("250 x 140") << 250 << 140 << 245 << 114 << 35 << 16 << 18;
    QTest::newRow("exact multiples") << 245 << 151 << 245 << 126 << 35 << 18 << 18;
    QTest::newRow("smaller than the header") << 6 << 20 << 0 << 0 << 0 << 0 << 0;
  }
  void geometry()
  {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, gridWidth);
    QFETCH(int, gridHeight);
    QFETCH(int, cw);
    QFETCH(int, rh);
    QFETCH(int, lastBand);
    const CalendarLogic g(width, height, d(2026, 1, 1), 2);
    QCOMPARE(g.gridWidth(), gridWidth);
    QCOMPARE(g.gridHeight(), gridHeight);
    QCOMPARE(g.gridTop(), 25);
    QCOMPARE(g.gridRight(), gridWidth);
    QCOMPARE(g.gridBottom(), 25 + gridHeight);
    QCOMPARE(g.columnPitch(), cw);
    QCOMPARE(g.rowPitch(), rh);
    QCOMPARE(g.bandHeight(6), lastBand);
    QCOMPARE(g.cell(6, 7).bottom, g.gridBottom());
  }

  void cellBoxes()
  {
    const CalendarLogic g = logicOn(d(2026, 1, 1));
    QCOMPARE(g.cell(1, 2), (CalendarRect{35, 41, 70, 57}));
    QCOMPARE(g.dayTextBox(1, 2), (CalendarRect{35, 43, 70, 59}));
    QCOMPARE(g.weekdayTextBox(7), (CalendarRect{210, 26, 245, 42}));
    // The taller last band belongs to the sixth week (August 2026 reaches it
    // with Monday first), and nothing lies below or beside the grid.
    const CalendarLogic august = logicOn(d(2026, 8, 1));
    QCOMPARE(august.dayAt(10, august.gridBottom() - 1), d(2026, 8, 31));
    QCOMPARE(august.dayAt(10, 25 + 6 * 16), d(2026, 8, 31));
    QVERIFY(!august.dayAt(10, august.gridBottom()).isValid());
    QVERIFY(!august.dayAt(august.gridRight(), 50).isValid());
    QVERIFY(!august.dayAt(10, 25).isValid());
  }

  void columns_data()
  {
    QTest::addColumn<unsigned>("firstDay");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("column");
    // 7 December 2026 is a Monday.
    QTest::newRow("Sunday first: Sunday") << 1u << d(2026, 12, 6) << 1;
    QTest::newRow("Sunday first: Monday") << 1u << d(2026, 12, 7) << 2;
    QTest::newRow("Sunday first: Saturday") << 1u << d(2026, 12, 12) << 7;
    QTest::newRow("Monday first: Monday") << 2u << d(2026, 12, 7) << 1;
    QTest::newRow("Monday first: Sunday") << 2u << d(2026, 12, 13) << 7;
    QTest::newRow("Saturday first: Saturday") << 7u << d(2026, 12, 12) << 1;
    QTest::newRow("Saturday first: Friday") << 7u << d(2026, 12, 11) << 7;
  }
  void columns()
  {
    QFETCH(unsigned, firstDay);
    QFETCH(QDate, date);
    QFETCH(int, column);
    const CalendarLogic g = logicOn(date, firstDay);
    QCOMPARE(g.CASTDATE2COLUMN(date), column);
    QCOMPARE(g.CURRENTCOLUMNNUMBER(), column);
    // The column shows that weekday, and the cell gives the date back.
    QCOMPARE(g.weekdayOfColumn(column), date.dayOfWeek() % 7 + 1);
    QCOMPARE(g.CASTROWCOL2DATE(g.CURRENTROWNUMBER(), column), date);
  }

  void rows_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<unsigned>("firstDay");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    // February 2026 begins on a Sunday and has 28 days.
    QTest::newRow("Feb 28 days from column 1: the 1st") << d(2026, 2, 1) << 1u << 1 << 1;
    QTest::newRow("Feb 28 days from column 1: the 28th") << d(2026, 2, 28) << 1u << 4 << 7;
    // August 2026 begins on a Saturday: column 6 with Monday first, 7 with Sunday first.
    QTest::newRow("31 days from column 6: the 31st") << d(2026, 8, 31) << 2u << 6 << 1;
    QTest::newRow("31 days from column 7: the 31st") << d(2026, 8, 31) << 1u << 6 << 2;
    QTest::newRow("the 1st in column 7 is row 1") << d(2026, 8, 1) << 1u << 1 << 7;
    // November 2026 begins on a Sunday, column 7 with Monday first; 30 days.
    QTest::newRow("30 days from column 7: the 30th") << d(2026, 11, 30) << 2u << 6 << 1;
  }
  void rows()
  {
    QFETCH(QDate, date);
    QFETCH(unsigned, firstDay);
    QFETCH(int, row);
    QFETCH(int, column);
    const CalendarLogic g = logicOn(date, firstDay);
    QCOMPARE(g.CURRENTROWNUMBER(), row);
    QCOMPARE(g.CURRENTCOLUMNNUMBER(), column);
    QCOMPARE(g.CASTROWCOL2DATE(row, column), date);
  }

  void navigation_data()
  {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("n");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<Redraw>("redraw");
    const int pgUp = Qt::Key_PageUp, pgDn = Qt::Key_PageDown;
    QTest::newRow("31 Jan, Page Down") << d(2026, 1, 31) << "key" << pgDn << d(2026, 2, 28) << Redraw::Full;
    QTest::newRow("31 Jan leap, Page Down") << d(2024, 1, 31) << "key" << pgDn << d(2024, 2, 29) << Redraw::Full;
    QTest::newRow("31 Mar, Page Up") << d(2026, 3, 31) << "key" << pgUp << d(2026, 2, 28) << Redraw::Full;
    QTest::newRow("Jan, Page Up: Dec before") << d(2026, 1, 17) << "key" << pgUp << d(2025, 12, 17) << Redraw::Full;
    QTest::newRow("Dec, Page Down: Jan after") << d(2026, 12, 17) << "key" << pgDn << d(2027, 1, 17) << Redraw::Full;
    QTest::newRow("Right") << d(2026, 1, 10) << "key" << int(Qt::Key_Right) << d(2026, 1, 11) << Redraw::Highlight;
    QTest::newRow("Left from the 1st") << d(2026, 1, 1) << "key" << int(Qt::Key_Left) << d(2025, 12, 31) << Redraw::Full;
    QTest::newRow("Down") << d(2026, 1, 10) << "key" << int(Qt::Key_Down) << d(2026, 1, 17) << Redraw::Highlight;
    QTest::newRow("Up from the first week") << d(2026, 1, 3) << "key" << int(Qt::Key_Up) << d(2025, 12, 27) << Redraw::Full;
    QTest::newRow("Home") << d(2026, 1, 20) << "key" << int(Qt::Key_Home) << d(2026, 1, 1) << Redraw::Highlight;
    QTest::newRow("End") << d(2026, 2, 3) << "key" << int(Qt::Key_End) << d(2026, 2, 28) << Redraw::Highlight;
    QTest::newRow("End on the last day") << d(2026, 2, 28) << "key" << int(Qt::Key_End) << d(2026, 2, 28) << Redraw::None;
    QTest::newRow("another key") << d(2026, 2, 3) << "key" << int(Qt::Key_A) << d(2026, 2, 3) << Redraw::None;
    QTest::newRow("menu March on 31 Jan") << d(2026, 1, 31) << "menu" << 3003 << d(2026, 3, 31) << Redraw::Full;
    QTest::newRow("menu February on 30 Mar") << d(2026, 3, 30) << "menu" << 3002 << d(2026, 2, 28) << Redraw::Full;
    QTest::newRow("menu February on 30 Mar leap") << d(2028, 3, 30) << "menu" << 3002 << d(2028, 2, 29) << Redraw::Full;
    QTest::newRow("menu: an id beyond") << d(2028, 3, 30) << "menu" << 3013 << d(2028, 3, 30) << Redraw::None;
    QTest::newRow("months +13") << d(2026, 1, 31) << "months" << 13 << d(2027, 2, 28) << Redraw::Full;
    QTest::newRow("months -25") << d(2026, 3, 31) << "months" << -25 << d(2024, 2, 29) << Redraw::Full;
    QTest::newRow("months +12 from 29 Feb") << d(2024, 2, 29) << "months" << 12 << d(2025, 2, 28) << Redraw::Full;
    QTest::newRow("months -12") << d(2026, 1, 15) << "months" << -12 << d(2025, 1, 15) << Redraw::Full;
    QTest::newRow("months +11 from Feb") << d(2026, 2, 15) << "months" << 11 << d(2027, 1, 15) << Redraw::Full;
    QTest::newRow("years +1 from 29 Feb 2004") << d(2004, 2, 29) << "years" << 1 << d(2005, 2, 28) << Redraw::Full;
    QTest::newRow("years +4 from 29 Feb 2004") << d(2004, 2, 29) << "years" << 4 << d(2008, 2, 29) << Redraw::Full;
    QTest::newRow("years -4 from 29 Feb 2004") << d(2004, 2, 29) << "years" << -4 << d(2000, 2, 29) << Redraw::Full;
    QTest::newRow("days +1 over the month end") << d(2026, 1, 31) << "days" << 1 << d(2026, 2, 1) << Redraw::Full;
    QTest::newRow("days -6 in the month") << d(2026, 1, 31) << "days" << -6 << d(2026, 1, 25) << Redraw::Highlight;
    QTest::newRow("assign in the month") << d(2026, 1, 31) << "assign" << 5 << d(2026, 1, 5) << Redraw::Highlight;
    QTest::newRow("assign the same day") << d(2026, 1, 31) << "assign" << 31 << d(2026, 1, 31) << Redraw::None;
  }
  void navigation()
  {
    QFETCH(QDate, from);
    QFETCH(QString, step);
    QFETCH(int, n);
    QFETCH(QDate, to);
    QFETCH(Redraw, redraw);
    CalendarLogic g = logicOn(from);
    Redraw got = Redraw::None;
    if (step == QLatin1String("key"))
      got = g.key(n);
    else if (step == QLatin1String("menu"))
      got = g.monthCommand(n);
    else if (step == QLatin1String("months"))
      got = g.MOVEMONTHS(n);
    else if (step == QLatin1String("years"))
      got = g.MOVEYEARS(n);
    else if (step == QLatin1String("days"))
      got = g.MOVEDAYS(n);
    else
      got = g.setCurrentDate(QDate(from.year(), from.month(), n));
    QCOMPARE(g.CURRENTDATE(), to);
    QCOMPARE(got, redraw);
  }

  void assignOtherMonth()
  {
    CalendarLogic g = logicOn(d(2026, 1, 31));
    QCOMPARE(g.setCurrentDate(d(2026, 2, 1)), Redraw::Full);
    QCOMPARE(g.setCurrentDate(QDate()), Redraw::None);
    QCOMPARE(g.CURRENTDATE(), d(2026, 2, 1));
  }

  void yearText_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::newRow("a year") << "2031" << 2031;
    QTest::newRow("blanks around") << " 1999 " << 1999;
    QTest::newRow("1600: the first year") << "1600" << 1752;
    QTest::newRow("3500: the last year") << "3500" << 2999;
    QTest::newRow("negative") << "-5" << 1752;
    QTest::newRow("huge") << "99999999999999999999" << 0;
    QTest::newRow("abcd: nothing") << "abcd" << 0;
    QTest::newRow("empty: nothing") << "" << 0;
  }
  void yearText()
  {
    QFETCH(QString, text);
    QFETCH(int, year);
    QCOMPARE(CalendarLogic::yearFromText(text), year);
  }

  void dialogOrigin_data()
  {
    QTest::addColumn<QRect>("edit");
    QTest::addColumn<bool>("alignLeft");
    QTest::addColumn<QPoint>("origin");
    const QRect screen(0, 0, 1024, 768);
    QTest::newRow("left end") << QRect(100, 200, 80, 20) << true << QPoint(100, 220);
    QTest::newRow("right end") << QRect(100, 200, 80, 20) << false << QPoint(180, 220);
    QTest::newRow("past the right edge") << QRect(900, 200, 100, 20) << false << QPoint(1024 - 300, 220);
    QTest::newRow("past the bottom: above") << QRect(100, 700, 80, 20) << true << QPoint(100, 700 - 160);
    QTest::newRow("left of the screen") << QRect(-50, 100, 80, 20) << true << QPoint(0, 120);
  }
  void dialogOrigin()
  {
    QFETCH(QRect, edit);
    QFETCH(bool, alignLeft);
    QFETCH(QPoint, origin);
    QCOMPARE(calendarDialogOrigin(edit, alignLeft, QSize(300, 160), QRect(0, 0, 1024, 768)), origin);
  }

  // ---- the control ----

  void keysOnTheControl_data()
  {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("full");
    QTest::newRow("Home") << d(2026, 1, 20) << int(Qt::Key_Home) << d(2026, 1, 1) << false;
    QTest::newRow("End") << d(2026, 1, 20) << int(Qt::Key_End) << d(2026, 1, 31) << false;
    QTest::newRow("Right") << d(2026, 1, 20) << int(Qt::Key_Right) << d(2026, 1, 21) << false;
    QTest::newRow("Up from the first week") << d(2026, 1, 2) << int(Qt::Key_Up) << d(2025, 12, 26) << true;
    QTest::newRow("Left from the 1st") << d(2026, 1, 1) << int(Qt::Key_Left) << d(2025, 12, 31) << true;
    QTest::newRow("Page Down") << d(2026, 1, 31) << int(Qt::Key_PageDown) << d(2026, 2, 28) << true;
  }
  void keysOnTheControl()
  {
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    QFETCH(bool, full);
    CalendarWindow w(from);
    PaintSpy spy(w.calendar);
    const QRect before = w.calendar->cellRect(w.calendar->CURRENTROWNUMBER(), w.calendar->CURRENTCOLUMNNUMBER());
    QTest::keyClick(w.calendar, Qt::Key(key));
    QCOMPARE(w.calendar->CURRENTDATE(), to);
    QTRY_VERIFY(!spy.painted.isEmpty());
    QCOMPARE(spy.fullRepaint(), full);
    if (!full)
      QVERIFY(spy.painted.boundingRect().height() < w.calendar->height() - 25);
    // The new day is highlighted and the day left is plain again, beside
    // their centred numbers.
    const QRect after = w.calendar->cellRect(w.calendar->CURRENTROWNUMBER(), w.calendar->CURRENTCOLUMNNUMBER());
    const QImage image = w.calendar->grab().toImage();
    const QPalette &pal = w.calendar->palette();
    QCOMPARE(image.pixelColor(after.left() + 3, after.center().y()), pal.color(QPalette::Highlight));
    if (before != after)
      QCOMPARE(image.pixelColor(before.left() + 3, before.center().y()), pal.color(QPalette::Button));
  }

  void clicks_data()
  {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QDate>("to");
    // January 2026, Monday first: the 1st (a Thursday) in column 4.
    QTest::newRow("left arrow") << QPoint(12, 13) << d(2025, 12, 20);
    QTest::newRow("right arrow") << QPoint(240, 13) << d(2026, 2, 20);
    QTest::newRow("header beside the labels") << QPoint(30, 13) << d(2026, 1, 20);
    QTest::newRow("weekday row") << QPoint(50, 30) << d(2026, 1, 20);
    QTest::newRow("empty cell before the 1st") << QPoint(10, 50) << d(2026, 1, 20);
    QTest::newRow("the 1st") << QPoint(3 * 35 + 10, 50) << d(2026, 1, 1);
    QTest::newRow("the 31st") << QPoint(5 * 35 + 10, 25 + 5 * 16 + 5) << d(2026, 1, 31);
    QTest::newRow("empty cell after the last") << QPoint(6 * 35 + 10, 25 + 5 * 16 + 5) << d(2026, 1, 20);
    QTest::newRow("beside the grid") << QPoint(247, 50) << d(2026, 1, 20);
  }
  void clicks()
  {
    QFETCH(QPoint, at);
    QFETCH(QDate, to);
    CalendarWindow w(d(2026, 1, 20));
    QTest::mouseClick(w.calendar, Qt::LeftButton, {}, at);
    QCOMPARE(w.calendar->CURRENTDATE(), to);
    QVERIFY(w.calendar->hasFocus());
    QVERIFY(!w.calendar->OYEARSLE());
    QVERIFY(!QApplication::activePopupWidget());
  }

  void monthMenu()
  {
    CalendarWindow w(d(2026, 1, 31));
    const CalendarRect label = w.calendar->monthLabelRect();
    QVERIFY(label.right > label.left);
    QTest::mouseClick(w.calendar, Qt::LeftButton, {}, QPoint(label.left + 2, (label.top + label.bottom) / 2));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    // It opens under the month name.
    QCOMPARE(menu->pos(), w.calendar->mapToGlobal(QPoint(label.left, label.bottom)));
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 12);
    QCOMPARE(items.at(0)->text(), QStringLiteral("Ocak"));
    QCOMPARE(items.at(2)->data().toInt(), 3003);
    items.at(2)->trigger();
    menu->close();
    QCOMPARE(w.calendar->CURRENTDATE(), d(2026, 3, 31));
  }

  void yearEditor_data()
  {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Enter") << "2031" << "enter" << d(2031, 2, 28);
    QTest::newRow("focus lost") << "2028" << "focus" << d(2028, 2, 29);
    QTest::newRow("a click on the calendar") << "2030" << "click" << d(2030, 2, 28);
    QTest::newRow("1600: clamped") << "1600" << "enter" << d(1752, 2, 29);
    QTest::newRow("abcd: ignored") << "abcd" << "enter" << d(2024, 2, 29);
    QTest::newRow("empty: ignored") << "" << "focus" << d(2024, 2, 29);
    QTest::newRow("up arrow key") << "" << "up" << d(2025, 2, 28);
  }
  void yearEditor()
  {
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QDate, to);
    CalendarWindow w(d(2024, 2, 29));
    auto *other = new QLineEdit(&w.window);
    other->move(0, 145);
    other->show();
    QSignalSpy chosen(w.calendar, &PECALENDAR::dateChosen);
    const CalendarRect year = w.calendar->yearLabelRect();
    QTest::mouseClick(w.calendar, Qt::LeftButton, {}, QPoint(year.left + 2, (year.top + year.bottom) / 2));
    QLineEdit *edit = w.calendar->OYEARSLE();
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("2024"));
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(edit->geometry().topLeft(), QPoint(year.left, year.top));
    // Four digits fit inside the edit's frame.
    QVERIFY(edit->contentsRect().width() >= edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    QCOMPARE(w.calendar->yearUpButton()->geometry().left(), edit->geometry().right() + 1);
    if (how == QLatin1String("up")) {
      QTest::keyClick(edit, Qt::Key_Up);
      QCOMPARE(edit->text(), QStringLiteral("2025"));
      QTest::keyClick(edit, Qt::Key_Return);
    } else {
      edit->selectAll();
      QTest::keyClick(edit, Qt::Key_Backspace);
      QTest::keyClicks(edit, typed);
      if (how == QLatin1String("enter"))
        QTest::keyClick(edit, Qt::Key_Return);
      else if (how == QLatin1String("focus"))
        other->setFocus(Qt::TabFocusReason);
      else
        QTest::mouseClick(w.calendar, Qt::LeftButton, {}, QPoint(30, 13));
    }
    QCOMPARE(w.calendar->CURRENTDATE(), to);
    QVERIFY(!w.calendar->OYEARSLE());
    // The Enter that closes the editor chooses no date.
    QCOMPARE(chosen.count(), 0);
    if (how != QLatin1String("focus"))
      QVERIFY(w.calendar->hasFocus());
  }

  void yearSpinner()
  {
    CalendarWindow w(d(2999, 6, 1));
    w.calendar->EDITYEAR();
    QVERIFY(w.calendar->OYEARSLE());
    QTRY_VERIFY(w.calendar->OYEARSLE()->hasFocus());
    QTest::mouseClick(w.calendar->yearUpButton(), Qt::LeftButton);
    QVERIFY(w.calendar->OYEARSLE());
    QCOMPARE(w.calendar->OYEARSLE()->text(), QStringLiteral("2999"));
    QTest::mouseClick(w.calendar->yearDownButton(), Qt::LeftButton);
    QCOMPARE(w.calendar->OYEARSLE()->text(), QStringLiteral("2998"));
    QVERIFY(w.calendar->OYEARSLE()->hasFocus());
    w.calendar->applyYearEditor();
    QCOMPARE(w.calendar->CURRENTDATE(), d(2998, 6, 1));
  }

  void weekdayRow_data()
  {
    QTest::addColumn<unsigned>("firstDay");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Sunday first") << 1u << QStringLiteral("Paz") << QStringLiteral("Cmt");
    QTest::newRow("Monday first") << 2u << QStringLiteral("Pzt") << QStringLiteral("Paz");
  }
  void weekdayRow()
  {
    QFETCH(unsigned, firstDay);
    QFETCH(QString, first);
    QFETCH(QString, last);
    CalendarWindow w(d(2026, 1, 20), firstDay);
    QCOMPARE(w.calendar->weekdayName(1), first);
    QCOMPARE(w.calendar->weekdayName(7), last);
    QSet<QString> names;
    for (int c = 1; c <= 7; ++c)
      names.insert(w.calendar->weekdayName(c));
    QCOMPARE(names.size(), 7);
    // Columns 1 and 7 are red whatever the week's first day.
    const QImage image = w.calendar->grab().toImage();
    auto hasRed = [&](int column) {
      const QRect box = w.calendar->cellRect(0, column);
      for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
          const QColor c = image.pixelColor(x, y);
          if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
            return true;
        }
      return false;
    };
    QVERIFY(hasRed(1));
    QVERIFY(hasRed(7));
    QVERIFY(!hasRed(2));
    QVERIFY(!hasRed(6));
  }

  // ---- the dialog ----

  void dialogChoices_data()
  {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter after Right") << "enter" << d(2026, 5, 11) << int(QDialog::Accepted);
    QTest::newRow("Esc") << "esc" << QDate() << int(QDialog::Rejected);
    QTest::newRow("double click on a day") << "double" << d(2026, 5, 20) << int(QDialog::Accepted);
    QTest::newRow("double click on the weekday row") << "doubleWeekday" << QDate() << -1;
    QTest::newRow("double click on an empty cell") << "doubleEmpty" << QDate() << -1;
    QTest::newRow("close box") << "close" << QDate() << int(QDialog::Rejected);
  }
  void dialogChoices()
  {
    QFETCH(QString, how);
    QFETCH(QDate, selected);
    QFETCH(int, result);
    QWidget owner;
    auto *edit = new QLineEdit(&owner);
    edit->setText(QStringLiteral("10.05.2026"));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    DLGPECALENDAR dialog(&owner, edit, true, 2);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    PECALENDAR *cal = dialog.calendar();
    QCOMPARE(cal->CURRENTDATE(), d(2026, 5, 10));
    QTRY_VERIFY(cal->hasFocus());
    if (how == QLatin1String("enter")) {
      QTest::keyPress(cal, Qt::Key_Right);
      QTest::keyPress(cal, Qt::Key_Return);
      // Acted on when the key comes up.
      QVERIFY(dialog.isVisible());
      QTest::keyRelease(cal, Qt::Key_Return);
    } else if (how == QLatin1String("esc")) {
      QTest::keyPress(cal, Qt::Key_Escape);
    } else if (how == QLatin1String("double")) {
      // May 2026 begins on a Friday: column 5 with Monday first, so the 20th
      // is in row 4, column 3.
      // A real double click: a click, then the double click itself.
      QTest::mouseClick(cal, Qt::LeftButton, {}, cal->cellRect(4, 3).center());
      QCOMPARE(cal->CURRENTDATE(), d(2026, 5, 20));
      QTest::mouseDClick(cal, Qt::LeftButton, {}, cal->cellRect(4, 3).center());
    } else if (how == QLatin1String("doubleEmpty")) {
      QTest::mouseDClick(cal, Qt::LeftButton, {}, cal->cellRect(1, 1).center());
    } else if (how == QLatin1String("doubleWeekday")) {
      QTest::mouseDClick(cal, Qt::LeftButton, {}, cal->cellRect(0, 3).center());
    } else {
      dialog.close();
    }
    if (result < 0) {
      QVERIFY(dialog.isVisible());
      QCOMPARE(finished.count(), 0);
    } else {
      QTRY_COMPARE(finished.count(), 1);
      QCOMPARE(finished.at(0).at(0).toInt(), result);
    }
    QCOMPARE(dialog.DSELECTED(), selected);
  }

  void dialogStart_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("firstDay");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<unsigned>("week");
    QTest::newRow("a date, Monday first") << "29.02.2024" << 2u << d(2024, 2, 29) << 2u;
    QTest::newRow("a date, Sunday first") << "01.01.2000" << 1u << d(2000, 1, 1) << 1u;
    QTest::newRow("empty: today") << "" << 2u << QDate::currentDate() << 2u;
    QTest::newRow("no date: today") << "31.02.2024" << 2u << QDate::currentDate() << 2u;
    QTest::newRow("blank date: today, locale week") << "  .  .    " << 0u << QDate::currentDate() << localeFirstDayOfWeek();
  }
  void dialogStart()
  {
    QFETCH(QString, text);
    QFETCH(unsigned, firstDay);
    QFETCH(QDate, date);
    QFETCH(unsigned, week);
    QLineEdit edit;
    edit.setText(text);
    DLGPECALENDAR dialog(nullptr, &edit, true, firstDay);
    QCOMPARE(dialog.calendar()->CURRENTDATE(), date);
    QCOMPARE(dialog.calendar()->FIRSTDAYOFWEEK(), week);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Calendar"));
    QVERIFY(dialog.DSELECTED().isNull());
  }

  void dialogPlacement_data()
  {
    QTest::addColumn<bool>("alignLeft");
    QTest::addColumn<QPoint>("editAt");
    QTest::newRow("left end") << true << QPoint(100, 100);
    QTest::newRow("right end") << false << QPoint(100, 100);
    QTest::newRow("at the screen's right edge") << false << QPoint(-1, 100);
    QTest::newRow("at the screen's bottom") << true << QPoint(100, -1);
  }
  void dialogPlacement()
  {
    QFETCH(bool, alignLeft);
    QFETCH(QPoint, editAt);
    QWidget owner;
    owner.setWindowFlag(Qt::FramelessWindowHint);
    auto *edit = new QLineEdit(&owner);
    edit->setGeometry(0, 0, 120, 22);
    const QRect screen = owner.screen()->availableGeometry();
    if (editAt.x() < 0)
      editAt.setX(screen.right() - 150);
    if (editAt.y() < 0)
      editAt.setY(screen.bottom() - 30);
    owner.setGeometry(QRect(editAt, QSize(120, 22)));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QRect editRect(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    DLGPECALENDAR dialog(&owner, edit, alignLeft, 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect placed = dialog.frameGeometry();
    QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height())));
    if (editAt == QPoint(100, 100)) {
      QCOMPARE(placed.top(), editRect.bottom() + 1);
      QCOMPARE(placed.left(), alignLeft ? editRect.left() : editRect.right() + 1);
    } else if (editAt.y() > 100) {
      // No room below: it opens above and leaves the edit uncovered.
      QCOMPARE(placed.bottom(), editRect.top() - 1);
    }
  }

  void contextMenu()
  {
    QWidget owner;
    PEDATESLECONTEXTMENU menu(&owner);
    QCOMPARE(menu.title(), QStringLiteral("&File"));
    QCOMPARE(menu.actions().size(), 2);
    QCOMPARE(menu.todayAction()->text(), QStringLiteral("&Today"));
    QCOMPARE(menu.todayAction()->statusTip(), QStringLiteral("Create a new file"));
    QCOMPARE(menu.todayAction()->data().toInt(), 7754);
    QCOMPARE(menu.calendarAction()->text(), QStringLiteral("&Calendar..."));
    QCOMPARE(menu.calendarAction()->statusTip(), QStringLiteral("Open a file"));
    QCOMPARE(menu.calendarAction()->data().toInt(), 7755);
    QCOMPARE(menu.menuAction()->data().toInt(), 7753);
  }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
