#pragma once
// The owner-drawn month calendar: a raised header with the month and year
// between two arrows, a weekday row and six week rows with the current date
// highlighted. Its layout is fixed from the size it is created with. Keys,
// clicks, the month menu and the year editor move the current date; the
// chosen date and the close requests go to the owner through signals.
#include "calendarlogic.h"

#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

namespace vz {

class PECALENDAR : public QWidget {
  Q_OBJECT
public:
  // The layout comes from `size`, which the control keeps; the current date
  // is today, the first day of the week the locale's.
  PECALENDAR(QWidget *owner, const QSize &size);

  const CalendarLogic &logic() const { return m_logic; }

  QDate CURRENTDATE() const { return m_logic.CURRENTDATE(); }
  // Moves to d: within the month shown only the highlight moves, otherwise
  // the whole control is repainted. A null date changes nothing. Returns d.
  QDate setCURRENTDATE(const QDate &d);

  unsigned FIRSTDAYOFWEEK() const { return m_logic.FIRSTDAYOFWEEK(); }
  // Outside 1 to 7 the locale's first day is taken. Repaints.
  unsigned FIRSTDAYOFTHEWEEK(unsigned n = 1);

  int CURRENTROWNUMBER() const { return m_logic.CURRENTROWNUMBER(); }
  int CURRENTCOLUMNNUMBER() const { return m_logic.CURRENTCOLUMNNUMBER(); }

  void MOVEDAYS(int n);
  void MOVEMONTHS(int n);
  void MOVEYEARS(int n);

  // The month menu under the month name, and the year editor over the year.
  void EDITMONTH();
  void EDITYEAR();
  // The edit of the open year editor; null while it is closed.
  QLineEdit *OYEARSLE() const { return m_yearEdit; }
  // The spinner's arrows beside it (null while closed).
  QToolButton *yearUpButton() const { return m_yearUp; }
  QToolButton *yearDownButton() const { return m_yearDown; }
  // Applies the open year editor and closes it; nothing when it is closed.
  void applyYearEditor();

  // The month and year labels of the header as last painted.
  CalendarRect monthLabelRect() const { return m_monthLabel; }
  CalendarRect yearLabelRect() const { return m_yearLabel; }
  // The cell (row, column) in widget pixels, right and bottom edges excluded.
  QRect cellRect(int row, int column) const;

  // The 12 month names, January first, and the 7 weekday names shown in
  // columns 1 to 7.
  const QStringList &monthNames() const { return m_monthNames; }
  QString weekdayName(int column) const;

  QSize sizeHint() const override { return size(); }

signals:
  // The user chose this date (Enter, or a double click on a day); the owner
  // keeps it and closes.
  void dateChosen(const QDate &date);
  // Esc: the owner closes without a date.
  void closeRequested();

public slots:
  // A month-menu command id, 3001 (January) to 3012 (December).
  void monthCommand(int id);

protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void redraw(CalendarLogic::Redraw how, int oldRow, int oldColumn);
  void stepYearEditor(int delta);
  void closeYearEditor();

  CalendarLogic m_logic;
  QStringList m_monthNames;
  CalendarRect m_monthLabel;
  CalendarRect m_yearLabel;
  QPointer<QLineEdit> m_yearEdit;
  QPointer<QToolButton> m_yearUp;
  QPointer<QToolButton> m_yearDown;
  bool m_enterDown = false;
};

} // namespace vz
