#pragma once
// The small modal dialog in which a date edit lets the user pick a date, and
// the context menu of the date edits.
#include <QDate>
#include <QDialog>
#include <QMenu>

class QLineEdit;

namespace vz {

class PECALENDAR;

// One month calendar, opened directly below a date edit on the edit's date
// (or today). Enter or a double click on a day keep the date in DSELECTED and
// accept; Esc and the close box leave DSELECTED null.
class DLGPECALENDAR : public QDialog {
  Q_OBJECT
public:
  // Opens below `edit` (at its left end when alignLeft, else at its right
  // end), on the date the edit's text holds, or today; the calendar's week
  // starts on firstDayOfWeek (1 = Sunday ... 7 = Saturday; anything else:
  // the locale's). The dialog stays inside the screen the edit is on.
  DLGPECALENDAR(QWidget *owner, QLineEdit *edit, bool alignLeft, unsigned firstDayOfWeek);

  QDate DSELECTED() const { return m_selected; }  // null unless the user chose a date
  PECALENDAR *calendar() const { return m_calendar; }

protected:
  void showEvent(QShowEvent *event) override;

private:
  void place();
  void choose(const QDate &date);

  PECALENDAR *m_calendar = nullptr;
  QLineEdit *m_edit;
  bool m_alignLeft;
  QDate m_selected;
};

// The context menu of the date edits: "&Today" and "&Calendar...". The edit
// that owns it acts on the two actions.
class PEDATESLECONTEXTMENU : public QMenu {
  Q_OBJECT
public:
  explicit PEDATESLECONTEXTMENU(QWidget *owner);

  QAction *todayAction() const { return m_today; }        // id 7754 "&Today"
  QAction *calendarAction() const { return m_calendar; }  // id 7755 "&Calendar..."

  // The command ids the actions carry as their data.
  static constexpr int FileId = 7753;
  static constexpr int TodayId = 7754;
  static constexpr int CalendarId = 7755;

private:
  QAction *m_today;
  QAction *m_calendar;
};

} // namespace vz
