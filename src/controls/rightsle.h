#pragma once
// The edit that the date, file-name, search and timer edits build on. Its
// field specification decides how it takes input: a numeric field ("N") is
// typed right-aligned, calculator style (NUMERICENTRY); a date field ("D")
// steps a day with the keypad's plus and minus and offers the calendar on a
// double click and through commands 7754 (today) and 7755 (calendar); any
// other field, or none, is a plain edit. A number takes pasted and dropped
// text only as the keys it is made of, and no editing shortcut (undo, cut,
// word deletion) changes it behind the entry's back. It may own a small companion button
// at its right end, kept here so every subclass finds it in one place.
#include "fieldspec.h"
#include "numericentry.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>


namespace vz {

class RIGHTSLE : public QLineEdit {
  Q_OBJECT
public:
  static constexpr int TodayCommand = 7754;
  static constexpr int CalendarCommand = 7755;
  static constexpr int ButtonWidth = 30;

  explicit RIGHTSLE(QWidget *owner = nullptr);

  // The button a subclass placed beside the edit; null when none.
  QAbstractButton *companionButton() const { return m_companion; }

  // The field shown; a null one (the default) makes a plain edit.
  void setFIELDSPEC(const FIELDSPEC &spec);
  const FIELDSPEC &fieldSpec() const { return m_entry.fieldSpec(); }

  // The text read as the field's value (a number, a date, or the text), and
  // a value written in the field's own form.
  QVariant VALUE() const;
  void setVALUE(const QVariant &value);

  // Read-only and greyed, and back. ENABLE lifts only the read-only state
  // that DISABLE set: an edit made read-only by its owner stays so.
  void ENABLE();
  void DISABLE();

  // The system's simple beep, for a key the edit refuses.
  virtual void INVALIDACTION();

  // The field's text of the number in `text` times `sign`.
  QString SETFIELD(const QString &text, int sign = 1) const;
  // The value as whole digits, padded with zeros to the text's length.
  QString ZEROPAD() const;

  // Where the calendar opens: at the edit's left end (true) or right end.
  bool LALIGNCALENDARLEFT = true;
  // The calendar's first day of the week, 1 = Sunday ... 7 = Saturday.
  unsigned FIRSTDAYOFTHEWEEK;

  // Date field: one day on (plus) or back; nothing on a text that is no date.
  void CALKEYDOWN(bool plus);
  // Date field: the calendar dialog; a chosen date becomes the value.
  void SHOWCALENDAR();
  // The date commands (TodayCommand, CalendarCommand); answers whether the
  // command was taken.
  bool COMMAND(int id);

  // The replace-all state of the numeric entry, for the edits built on it.
  const NUMERICENTRY &numericEntry() const { return m_entry; }

protected:
  void setCompanionButton(QAbstractButton *button) { m_companion = button; }
  // A companion button inside the edit at its right end, the text kept
  // clear of it; it follows the edit's size.
  void attachCompanionButton(QAbstractButton *button);

  void keyPressEvent(QKeyEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;

private:
  bool numeric() const { return fieldSpec().type() == QLatin1Char('N'); }
  void PROCESSNUM(NUMERICENTRY::Kind kind, int code);
  // Text from the clipboard, a drop or the input method into a number.
  void feedNumber(const QString &pasted, int start, int finish);
  void pasteNumber();
  void cutNumber();
  void showOutcome(const NUMERICENTRY::Outcome &out);
  void placeCompanion();

  QPointer<QAbstractButton> m_companion;
  bool m_attached = false;
  bool m_readOnlyByDisable = false;
  NUMERICENTRY m_entry;
};

} // namespace vz
