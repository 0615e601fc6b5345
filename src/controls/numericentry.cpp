#include "numericentry.h"

#include <QRegularExpression>

#include <utility>

namespace vz {

namespace {

bool isDigit(int code)
{
  return code >= '0' && code <= '9';
}

// The caret stands in the blanks (or on the sign) in front of the number.
bool inLead(const QString &whole, int at)
{
  for (int i = 0; i < at; ++i)
    if (whole.at(i) != QLatin1Char(' ') && whole.at(i) != QLatin1Char('-'))
      return false;
  return true;
}

// A key or text refused: the text, the selection and the value stay as they
// were, and the edit beeps.
NUMERICENTRY::Outcome refusal(const QString &text, int caret)
{
  NUMERICENTRY::Outcome out;
  out.text = text;
  out.caret = qBound(0, caret, int(text.size()));
  out.value = FIELDSPEC::numberOf(text);
  out.beep = true;
  out.keepSelection = true;
  return out;
}

} // namespace

NUMERICENTRY::NUMERICENTRY(const FIELDSPEC &spec) : m_spec(spec) {}

QString NUMERICENTRY::SETFIELD(const QString &text, int sign) const
{
  QString plain = text;
  plain.remove(QLatin1Char(','));
  return m_spec.TRANSFORM(FIELDSPEC::numberOf(plain) * sign);
}

NUMERICENTRY::Outcome NUMERICENTRY::PROCESSNUM(Kind kind, int code, const QString &text, int start, int finish)
{
  const QChar s = separator();
  // A comma is the decimal point here as in every number the program takes.
  if (kind == Kind::Character && code == ',')
    code = s.unicode();
  const int d = qMax(0, m_spec.DECIMALS());
  const QString zeros(d, QLatin1Char('0'));
  const bool keyDown = kind == Kind::KeyDown;
  const bool navigation = code == End || code == Home || code == Left || code == Right;
  if (start > finish)
    std::swap(start, finish);
  start = qBound(0, start, int(text.size()));
  finish = qBound(0, finish, int(text.size()));
  // The width the number may fill: the formatted width once a value is
  // shown, the field's own before that, so an edit that starts empty still
  // takes its digits.
  const int width = qMax(int(text.size()), m_spec.LENGTH());

  Outcome out;
  QString t = text;
  int pos = start;
  bool absorbed = false;

  // A selection: the whole text starts a new number, a part of it is cut.
  if (start != finish && !m_replaceAll) {
    if (start == 0 && finish == text.size())
      m_replaceAll = true;
    else {
      t.remove(start, finish - start);
      pos = finish;  // right-aligned: what stood after the cut stays in place
    }
    absorbed = code == Backspace || code == Delete || !keyDown;
  }

  // Moving the caret ends the replacement and starts from the separator.
  if ((navigation || code == Tab) && (m_replaceAll || start != finish)) {
    t = text;
    m_replaceAll = false;
    const int at = t.indexOf(s);
    start = pos = d > 0 ? (at >= 0 ? at : int(t.size())) : finish;
  }

  const int at = t.indexOf(s);
  bool inFraction = d > 0 && at >= 0 && at + 1 <= start;
  QString whole;
  QString fraction;
  if (d > 0 && at >= 0) {
    whole = t.left(at);
    fraction = t.mid(at + 1);
  } else if (d > 0) {
    // A text without the separator (set from outside) keeps its digits.
    whole = t.trimmed().isEmpty() ? QStringLiteral("0") : t;
  } else {
    whole = t;
  }
  int k = inFraction ? start - int(whole.size()) : 0;
  const QString minus = m_pendingMinus ? QStringLiteral("-") : QString();

  if (m_replaceAll) {
    bool changed = true;
    if (code == s.unicode()) {
      if (inFraction)
        changed = false;
      else {
        inFraction = true;
        whole = QStringLiteral("0");
        fraction = zeros;
      }
    } else if (code == '-') {
      m_pendingMinus = true;
      whole = QStringLiteral("0");
      fraction = zeros;
    } else if (isDigit(code) || keyDown) {
      // A digit starts the new number; Backspace clears it to zero.
      whole = QChar(code);
      fraction = zeros;
      out.typed = isDigit(code);
    } else {
      // Any other character would wipe the value: it is refused instead.
      return refusal(text, start);
    }
    if (changed) {
      t = SETFIELD(whole + s + fraction);
      m_replaceAll = false;
      const int sep = t.indexOf(s);
      pos = d == 0 || sep < 0 ? int(t.size()) : (inFraction ? sep + 1 : sep);
    }
  } else if (keyDown && (code == Backspace || code == Delete)) {
    if (!absorbed) {
      if (inFraction) {
        --k;
        const int digit = qMax(k, 1) - 1;
        if (digit < fraction.size())
          fraction.remove(digit, 1);
        --pos;
      } else if (start >= 1 && start <= whole.size()) {
        whole.remove(start - 1, 1);
      }
      t = SETFIELD(whole + s + fraction.left(d));
      if (FIELDSPEC::numberOf(t) == 0) {
        const int sep = t.indexOf(s);
        pos = d > 0 && sep >= 0 ? sep : int(t.size());
      }
    }
  } else if (navigation) {
    // The caret is moved by the edit itself.
  } else if (code == '-') {
    if (!t.contains(QLatin1Char('-')))
      t = SETFIELD(QStringLiteral("-") + whole + s + fraction.left(d));
  } else if (code == '+') {
    if (t.contains(QLatin1Char('-')))
      t = SETFIELD(whole + s + fraction.left(d), -1);
  } else if (code == s.unicode()) {
    if (!inFraction && d > 0)
      ++pos;
  } else if (isDigit(code) && inFraction) {
    const QChar c(code);
    fraction = k == 1 ? c + fraction : fraction.left(k - 1) + c;
    t = SETFIELD(minus + whole + s + fraction.left(d));
    m_pendingMinus = false;
    if (!absorbed)
      ++pos;
    out.typed = true;
  } else if (isDigit(code)) {
    int insertAt = qBound(0, start, int(whole.size()));
    // In the blanks in front of the number the digit joins its first digit.
    if (inLead(whole, insertAt)) {
      while (insertAt < whole.size() && inLead(whole, insertAt + 1))
        ++insertAt;
      pos = insertAt;
    }
    const QString tail = d > 0 ? s + fraction.left(d) : QString();
    if ((whole.trimmed() + tail).size() < width) {
      whole.insert(insertAt, QChar(code));
      out.typed = true;
    } else {
      out.beep = true;
    }
    t = SETFIELD(minus + (whole + tail).right(width));
    m_pendingMinus = false;
  }

  // The field's own text of the number; a number the field cannot show whole
  // is refused and the old text stays.
  const double value = FIELDSPEC::numberOf(t);
  if (!m_spec.holds(value))
    return refusal(text, start);
  out.text = m_spec.TRANSFORM(value);
  out.value = value;
  out.caret = qBound(0, pos, int(out.text.size()));
  return out;
}

NUMERICENTRY::Outcome NUMERICENTRY::feed(const QString &text, int start, int finish, const QString &pasted)
{
  const Outcome refused = refusal(text, qMin(start, finish));

  static const QRegularExpression plainNumber(QStringLiteral("^([-+]?)\\s*(\\d*)(?:[.,](\\d*))?$"));
  const QRegularExpressionMatch m = plainNumber.match(pasted.trimmed());
  const int d = qMax(0, m_spec.DECIMALS());
  if (!m.hasMatch() || (m.captured(2) + m.captured(3)).isEmpty() || m.capturedLength(3) > d)
    return refused;

  const bool replaceAll = m_replaceAll;
  const bool pendingMinus = m_pendingMinus;
  const auto refuse = [&] {
    m_replaceAll = replaceAll;
    m_pendingMinus = pendingMinus;
    return refused;
  };
  Outcome out;
  QString shown = text;
  for (const QChar c : pasted.trimmed()) {
    if (c.isSpace())
      continue;
    // Typed, a digit behind the last decimal falls away; pasted, it would
    // change the number without a word.
    const int sep = int(shown.indexOf(separator()));
    const bool pastTheEnd = !m_replaceAll && d > 0 && sep >= 0 && start == finish && start > sep
        && start >= shown.size();
    if (pastTheEnd && c.isDigit())
      return refuse();
    out = PROCESSNUM(Kind::Character, c.unicode(), shown, start, finish);
    if (out.beep)
      return refuse();
    shown = out.text;
    start = finish = out.caret;
  }
  out.typed = true;
  return out;
}

} // namespace vz
