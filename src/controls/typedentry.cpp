#include "typedentry.h"

#include "platform/rtext.h"

#include <utility>

namespace vz {

TypedEntry::Mode TypedEntry::modeOf(const QString &type)
{
  if (type == QLatin1String("N"))
    return Mode::Numeric;
  if (type == QLatin1String("D"))
    return Mode::Date;
  return Mode::Plain;
}

bool TypedEntry::SETLEN(int total, int decimals)
{
  m_integerDigits = quint16(qMax(0, total));
  m_decimals = quint16(qMax(0, decimals));
  m_length = quint16(qMax(0, total));
  if (m_decimals != 0)
    m_integerDigits = quint16(qMax(0, total - (m_decimals + 1)));
  return true;
}

bool TypedEntry::SETBUFFER(const QString &text)
{
  m_buffer = text;
  m_buffer.remove(QLatin1Char(','));
  return true;
}

int TypedEntry::SETPOS(const QString &shown, int position, bool toBuffer)
{
  if (toBuffer) {
    const int p = qBound(0, position, int(shown.size()));
    return p - int(shown.left(p).count(QLatin1Char(',')));
  }
  if (position <= 0)
    return 0;
  int kept = 0;
  for (int i = 0; i < shown.size(); ++i) {
    if (shown.at(i) != QLatin1Char(',') && ++kept == position)
      return i + 1;
  }
  return int(shown.size());
}

namespace {

bool isAsciiDigit(QChar c)
{
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The numeric text regrouped; `cut` tells whether digits beyond the integer
// or decimal places had to go.
QString regroup(QString text, int integerDigits, int decimals, bool *cut)
{
  QString sign;
  if (text.startsWith(QLatin1Char('-'))) {
    sign = QStringLiteral("-");
    text.remove(0, 1);
  }
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  QString whole = point >= 0 ? text.left(point) : text;
  whole.remove(QLatin1Char(','));
  QString fraction = point >= 0 ? text.mid(point + 1) : QString();
  *cut = whole.size() > integerDigits || fraction.size() > decimals;
  whole.truncate(integerDigits);
  fraction.truncate(decimals);
  QString grouped;
  while (whole.size() > 3) {
    grouped.prepend(QLatin1Char(',') + whole.right(3));
    whole.chop(3);
  }
  QString result = sign + whole + grouped;
  if (point >= 0)
    result += QLatin1Char('.') + fraction;
  return result;
}

bool datePictureShape(const QString &text)
{
  return text.size() == 10 && text.at(2) == QLatin1Char('.') && text.at(5) == QLatin1Char('.');
}

} // namespace

TypedEntry::Step TypedEntry::press(const QString &text, int start, int finish, Key key, QChar c,
                                   const QDate &today)
{
  if (start > finish)
    std::swap(start, finish);
  start = qBound(0, start, int(text.size()));
  finish = qBound(0, finish, int(text.size()));
  switch (m_mode) {
  case Mode::Numeric:
    return numeric(text, start, finish, key, c);
  case Mode::Date:
    return date(text, start, finish, key, c, today);
  case Mode::Plain:
    break;
  }
  return {};
}

TypedEntry::Step TypedEntry::feed(const QString &text, int start, int finish, const QString &typed,
                                  const QDate &today)
{
  QString run = typed.trimmed();
  // Pasted numbers may come grouped ("1,234.50"); a "," is only a decimal
  // point when the text has no "." of its own.
  if (m_mode == Mode::Numeric && run.contains(QLatin1Char('.')))
    run.remove(QLatin1Char(','));
  const QString keptBuffer = m_buffer;
  Step state{Step::Ignored, text, start};
  bool changed = false;
  for (QChar c : run) {
    const Step s = press(state.text, start, finish, Key::Character, c, today);
    if (s.outcome == Step::NotTaken)
      return s;
    if (s.outcome == Step::Refused) {
      m_buffer = keptBuffer;
      return s;
    }
    if (s.outcome == Step::Changed) {
      state.text = s.text;
      state.caret = s.caret;
      start = finish = s.caret;
      changed = true;
    }
  }
  if (changed)
    state.outcome = Step::Changed;
  return state;
}

TypedEntry::Step TypedEntry::numeric(QString text, int start, int finish, Key key, QChar c)
{
  enum class Action { None, Minus, Plus, Clear, Insert };
  Action action = Action::None;
  if (key == Key::Character) {
    if (c == QLatin1Char('-'))
      action = Action::Minus;
    else if (c == QLatin1Char('+'))
      action = Action::Plus;
    else if (c == QLatin1Char(' '))
      action = Action::Clear;
    else if (isAsciiDigit(c) || (m_decimals != 0 && (c == QLatin1Char('.') || c == QLatin1Char(','))))
      action = Action::Insert;
    else
      return {Step::Refused, {}, 0};
  }
  bool wasCut = false;
  regroup(text, m_integerDigits, m_decimals, &wasCut);

  if (start != finish) {
    text.remove(start, finish - start);
  } else if (key != Key::Character) {
    const int p = key == Key::Delete ? start + 1 : start;
    if (p > 0) {
      text.remove(p - 1, 1);
      start = p - 1;
    }
  }
  int bufferPos = SETPOS(text, start, true);

  switch (action) {
  case Action::Minus:
    if (!text.startsWith(QLatin1Char('-'))) {
      text.prepend(QLatin1Char('-'));
      ++bufferPos;
    }
    break;
  case Action::Plus:
    if (text.startsWith(QLatin1Char('-'))) {
      text.remove(0, 1);
      if (bufferPos > 0)
        --bufferPos;
    }
    break;
  case Action::Clear:
    text.clear();
    bufferPos = 0;
    break;
  case Action::Insert: {
    const QChar ch = c == QLatin1Char(',') ? QLatin1Char('.') : c;
    // A digit typed in front of the sign goes behind it.
    if (bufferPos == 0 && text.startsWith(QLatin1Char('-'))) {
      bufferPos = 1;
      start = 1;
    }
    if (!(ch == QLatin1Char('.') && text.contains(QLatin1Char('.')))) {
      text.insert(start, ch);
      ++bufferPos;
    }
    if (ch == QLatin1Char('.')) {
      start = int(text.indexOf(QLatin1Char('.'))) + 1;
      bufferPos = SETPOS(text, start, true);
    }
    break;
  }
  case Action::None:
    break;
  }

  bool cut = false;
  const QString shown = regroup(text, m_integerDigits, m_decimals, &cut);
  // A key that would push digits out of a number that fitted is refused;
  // a text that never fitted (set by program) is cut as it is rebuilt.
  if (cut && !wasCut)
    return {Step::Refused, {}, 0};
  SETBUFFER(shown);
  int caret = SETPOS(shown, bufferPos, false);
  // Delete steps over a grouping "," it could not remove, so the next
  // Delete takes the digit behind it.
  if (key == Key::Delete && finish == start)
    while (caret < shown.size() && shown.at(caret) == QLatin1Char(','))
      ++caret;
  return {Step::Changed, shown, caret};
}

TypedEntry::Step TypedEntry::date(QString text, int start, int finish, Key key, QChar c,
                                  const QDate &today) const
{
  const QString picture = datePicture();
  if (!datePictureShape(text)) {
    text = picture;
    start = qMin(start, 10);
    finish = qMin(finish, 10);
  }

  if (key == Key::Backspace || key == Key::Delete) {
    if (start != finish)
      return {Step::Changed, text, start};
    if (key == Key::Backspace) {
      if (start > 0 && text.at(start - 1) == QLatin1Char('.'))
        --start;
      if (start > 0) {
        text[start - 1] = QLatin1Char(' ');
        --start;
      }
    } else {
      text.remove(start, 1);
      text += QLatin1Char(' ');
      text.remove(QLatin1Char('.'));
      text.truncate(8);
      text = text.left(2) + QLatin1Char('.') + text.mid(2, 2) + QLatin1Char('.') + text.mid(4);
    }
    return {Step::Changed, text, start};
  }

  if (isAsciiDigit(c)) {
    if (start >= 10)
      return {Step::Refused, {}, 0};
    for (int i = start; i < finish; ++i)
      text[i] = picture.at(i);
    // A digit never takes the place of a full stop.
    if (picture.at(start) == QLatin1Char('.'))
      ++start;
    text[start] = c;
    int caret = start + 1;
    while (caret < 10 && picture.at(caret) == QLatin1Char('.'))
      ++caret;
    return {Step::Changed, text, caret};
  }

  if (c == QLatin1Char('.'))
    return {Step::Ignored, {}, 0};
  if (!QStringLiteral("+-dDmMyY* ").contains(c))
    return {Step::Refused, {}, 0};

  QDate result;
  if (c == QLatin1Char('*')) {
    result = today;
  } else if (c != QLatin1Char(' ')) {
    const QDate shown = rt::CToD(text);
    if (!shown.isValid())
      return {Step::Refused, {}, 0};
    switch (c.unicode()) {
    case '+': case 'D': result = shown.addDays(1); break;
    case '-': case 'd': result = shown.addDays(-1); break;
    case 'M': result = DATE_ADDMONTH(shown, 1); break;
    case 'm': result = DATE_ADDMONTH(shown, -1); break;
    case 'Y': result = DATE_ADDMONTH(shown, 12); break;
    default: result = DATE_ADDMONTH(shown, -12); break;
    }
    if (!result.isValid() || result.year() < 1 || result.year() > 9999)
      return {Step::Refused, {}, 0};
  }
  return {Step::Changed, rt::DToC(result), start};
}

} // namespace vz
