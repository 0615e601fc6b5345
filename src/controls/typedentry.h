#pragma once
// What a key does to the text of a typed edit (ODI_SLE), worked out apart from
// the widget so that every key sequence can be checked without a display.
//
// Numeric entry: an optional "-", an integer part grouped by "," every three
// digits and at most `decimals` digits after a ".". Date entry: the picture
// "  .  .    " whose blanks the digits overwrite, with single keys stepping the
// date. A key that the text cannot hold is refused: the edit beeps and keeps
// its text, so no typed digit ever pushes another one out silently.
#include "calendarlogic.h"  // DATE_ADDMONTH

#include <QDate>
#include <QString>

namespace vz {

class TypedEntry {
public:
  enum class Mode { Plain, Numeric, Date };
  enum class Key { Character, Backspace, Delete };

  // The outcome of one key. NotTaken: the key is not the entry's (plain
  // mode), the edit handles it as usual. Changed: `text` and `caret` are the
  // new text and caret, with no selection. Ignored: swallowed, nothing
  // changes (a full stop typed into a date). Refused: nothing changes and the
  // edit beeps.
  struct Step {
    enum Outcome { NotTaken, Changed, Ignored, Refused };
    Outcome outcome = NotTaken;
    QString text;
    int caret = 0;
  };

  static QString datePicture() { return QStringLiteral("  .  .    "); }

  // Mode from the edit's type letter: "N" numeric, "D" date, else plain.
  static Mode modeOf(const QString &type);

  explicit TypedEntry(Mode mode = Mode::Numeric) : m_mode(mode) {}

  Mode mode() const { return m_mode; }
  void setMode(Mode mode) { m_mode = mode; }

  // total digits and decimals; with decimals, one of the total is the point.
  bool SETLEN(int total = 10, int decimals = 0);
  int decimals() const { return m_decimals; }
  int integerDigits() const { return m_integerDigits; }
  int length() const { return m_length; }

  // The last numeric text without its grouping commas.
  bool SETBUFFER(const QString &text);
  QString buffer() const { return m_buffer; }

  // A caret position of `shown` (with ",") turned into one of the buffer
  // (without), or back: back, the caret stands after the position-th
  // character that is not a grouping ",".
  static int SETPOS(const QString &shown, int position, bool toBuffer);

  // One key on `text` with the selection [start, finish) (equal: no
  // selection, caret at start). `c` is the character typed (Key::Character
  // only); `today` is what "*" writes in a date.
  Step press(const QString &text, int start, int finish, Key key, QChar c = QChar(),
             const QDate &today = QDate::currentDate());

  // A run of characters typed one after the other (pasted text, an input
  // method's text): refused as a whole when any of them is refused.
  Step feed(const QString &text, int start, int finish, const QString &typed,
            const QDate &today = QDate::currentDate());

private:
  Step numeric(QString text, int start, int finish, Key key, QChar c);
  Step date(QString text, int start, int finish, Key key, QChar c, const QDate &today) const;

  Mode m_mode;
  quint16 m_decimals = 0;
  quint16 m_integerDigits = 0;
  QString m_buffer;
  quint16 m_length = 0;
};

} // namespace vz
