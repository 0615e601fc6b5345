#pragma once
// The calculator-style entry of a numeric field: the number stays
// right-aligned in the field's width, digits grow it to the left of a caret
// that stands before the decimal separator, the separator (typed as "." or
// ",") moves the caret into the fraction, "-" and "+" set the sign. The
// widget hands every key, and every pasted or dropped text, here with its
// text and selection and shows what comes back, so the rules run without a
// display.
#include "fieldspec.h"

#include <QString>

namespace vz {

class NUMERICENTRY {
public:
  enum class Kind { KeyDown, Character };
  // Key codes of the keys the entry takes as key-downs.
  enum Code : int {
    Backspace = 8,
    Tab = 9,
    End = 0x23,
    Home = 0x24,
    Left = 0x25,
    Right = 0x27,
    Delete = 0x2E,
  };

  struct Outcome {
    QString text;      // the field's formatted text
    int caret = 0;     // the empty selection after the key
    double value = 0;  // the text read as a number
    bool beep = false; // the key was refused
    bool typed = false; // a digit went into the number
    bool keepSelection = false; // refused: text and selection stay as they were
  };

  explicit NUMERICENTRY(const FIELDSPEC &spec = FIELDSPEC());

  void setFieldSpec(const FIELDSPEC &spec) { m_spec = spec; }
  const FIELDSPEC &fieldSpec() const { return m_spec; }

  // While raised, the next character starts a new number.
  bool replaceAll() const { return m_replaceAll; }
  void raiseReplaceAll() { m_replaceAll = true; }
  // Raised by "-" typed over the whole number: the next digit is negative.
  bool pendingMinus() const { return m_pendingMinus; }

  static constexpr QChar separator() { return QLatin1Char('.'); }

  // One key on the edit's text with the selection [start, finish).
  Outcome PROCESSNUM(Kind kind, int code, const QString &text, int start, int finish);

  // Pasted or dropped text at the selection [start, finish), taken as the
  // keys it is made of. It must be a number written plainly (a sign, digits,
  // one separator, no more decimals than the field has); when it is not, or
  // a key of it is refused, nothing changes and the outcome beeps.
  Outcome feed(const QString &text, int start, int finish, const QString &pasted);

  // The field's text of the number in `text` times `sign`.
  QString SETFIELD(const QString &text, int sign = 1) const;

private:
  FIELDSPEC m_spec;
  bool m_replaceAll = true;
  bool m_pendingMinus = false;
};

} // namespace vz
