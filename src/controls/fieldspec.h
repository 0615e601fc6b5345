#pragma once
// What an edit knows of the field it shows: its type letter, width and
// decimals (the table field descriptor), how a value is written into the
// edit (TRANSFORM) and how the edit's text is read back as a value. An edit
// without a field specification holds a null one.
#include "platform/dbftable.h"

#include <QVariant>

namespace vz {

class FIELDSPEC {
public:
  FIELDSPEC() = default;  // no field: the edit takes its input as typed
  explicit FIELDSPEC(const DbfField &field) : m_field(field) {}
  FIELDSPEC(QChar type, int length, int decimals = 0);

  // A date field: dd.MM.yyyy, ten characters on screen.
  static FIELDSPEC DATEFS();

  bool isNull() const { return m_field.type.isNull(); }
  QChar type() const { return m_field.type; }
  int LENGTH() const { return m_field.length; }
  int DECIMALS() const { return m_field.decimals; }
  const DbfField &field() const { return m_field; }

  // The value as the edit shows it: a number right-aligned in the field's
  // width with its decimals, a date as dd.MM.yyyy ("  .  .    " when empty),
  // anything else as its text.
  QString TRANSFORM(const QVariant &value) const;
  // The edit's text read back: a number, a date (null when it names no day)
  // or the text itself.
  QVariant VALUE(const QString &text) const;
  // Whether TRANSFORM shows this number whole: every decimal kept and no
  // overflow stars.
  bool holds(double value) const;

  // The number in a typed text: blanks, then an optional sign, blanks again,
  // then digits with "," grouping and one "." ("-   75" is -75, "1,234.50"
  // 1234.5); the first other character ends it; no digit at all gives 0.
  static double numberOf(const QString &text);

private:
  DbfField m_field;
};

} // namespace vz
