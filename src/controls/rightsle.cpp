#include "rightsle.h"

#include "calendarlogic.h"
#include "dlgpecalendar.h"
#include "platform/rtext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

namespace vz {

namespace {

// The key of a key press as the numeric entry counts it; 0 for a key the
// entry does not take as a key-down.
int keyDownCode(int key)
{
  switch (key) {
  case Qt::Key_Backspace:
    return NUMERICENTRY::Backspace;
  case Qt::Key_Delete:
    return NUMERICENTRY::Delete;
  case Qt::Key_Home:
    return NUMERICENTRY::Home;
  case Qt::Key_End:
    return NUMERICENTRY::End;
  case Qt::Key_Left:
    return NUMERICENTRY::Left;
  case Qt::Key_Right:
    return NUMERICENTRY::Right;
  default:
    return 0;
  }
}

// The character a key types, when it types one (shortcuts type none).
QChar typedCharacter(const QKeyEvent *event)
{
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return QChar();
  const QString text = event->text();
  if (text.size() != 1 || !text.at(0).isPrint())
    return QChar();
  // The keypad's decimal key types the separator whatever the keyboard
  // layout writes on it.
  if ((event->modifiers() & Qt::KeypadModifier)
      && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period))
    return NUMERICENTRY::separator();
  return text.at(0);
}

} // namespace

RIGHTSLE::RIGHTSLE(QWidget *owner) : QLineEdit(owner), FIRSTDAYOFTHEWEEK(localeFirstDayOfWeek()) {}

void RIGHTSLE::setFIELDSPEC(const FIELDSPEC &spec)
{
  m_entry.setFieldSpec(spec);
  m_entry.raiseReplaceAll();
  setAlignment(spec.type() == QLatin1Char('N') ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

QVariant RIGHTSLE::VALUE() const
{
  if (fieldSpec().isNull())
    return text();
  return fieldSpec().VALUE(text());
}

void RIGHTSLE::setVALUE(const QVariant &value)
{
  setText(fieldSpec().isNull() ? value.toString() : fieldSpec().TRANSFORM(value));
}

void RIGHTSLE::ENABLE()
{
  if (m_readOnlyByDisable) {
    setReadOnly(false);
    m_readOnlyByDisable = false;
  }
  setEnabled(true);
}

void RIGHTSLE::DISABLE()
{
  if (!isReadOnly()) {
    setReadOnly(true);
    m_readOnlyByDisable = true;
  }
  setEnabled(false);
}

void RIGHTSLE::INVALIDACTION()
{
  QApplication::beep();
}

QString RIGHTSLE::SETFIELD(const QString &text, int sign) const
{
  return m_entry.SETFIELD(text, sign);
}

QString RIGHTSLE::ZEROPAD() const
{
  const QVariant v = VALUE();
  const double number = v.typeId() == QMetaType::QString ? FIELDSPEC::numberOf(v.toString()) : v.toDouble();
  const int width = qMax(1, int(text().size()));
  const QString digits = rt::AllTrim(rt::Str(qAbs(number), width, 0));
  if (number <= -0.5)
    return QLatin1Char('-') + digits.rightJustified(width - 1, QLatin1Char('0'));
  return digits.rightJustified(width, QLatin1Char('0'));
}

void RIGHTSLE::CALKEYDOWN(bool plus)
{
  if (fieldSpec().type() != QLatin1Char('D'))
    return;
  const QDate date = rt::CToD(text());
  if (!date.isValid())
    return;
  setText(rt::DToC(date.addDays(plus ? 1 : -1)));
  setModified(true);
}

bool RIGHTSLE::COMMAND(int id)
{
  if (fieldSpec().type() != QLatin1Char('D'))
    return false;
  if (id == CalendarCommand) {
    if (!isReadOnly())
      SHOWCALENDAR();
    return true;
  }
  if (id == TodayCommand) {
    // A read-only date is only to be looked at.
    if (!isReadOnly()) {
      setVALUE(QDate::currentDate());
      setModified(true);
    }
    return true;
  }
  return false;
}

void RIGHTSLE::SHOWCALENDAR()
{
  if (fieldSpec().type() != QLatin1Char('D'))
    return;
  // The dialog runs its own event loop: the owner window, and this edit with
  // it, may be closed meanwhile.
  QPointer<RIGHTSLE> self(this);
  QPointer<DLGPECALENDAR> dialog =
      new DLGPECALENDAR(parentWidget() ? parentWidget() : this, this, LALIGNCALENDARLEFT, FIRSTDAYOFTHEWEEK);
  dialog->exec();
  if (!dialog || !self) {
    delete dialog.data();
    return;
  }
  const QDate chosen = dialog->DSELECTED();
  delete dialog.data();
  if (chosen.isValid()) {
    setVALUE(chosen);
    setModified(true);
  }
  setFocus(Qt::OtherFocusReason);
}

void RIGHTSLE::PROCESSNUM(NUMERICENTRY::Kind kind, int code)
{
  int start = cursorPosition();
  int finish = start;
  if (hasSelectedText()) {
    start = selectionStart();
    finish = selectionEnd();
  }
  const QString before = text();
  const NUMERICENTRY::Outcome out = m_entry.PROCESSNUM(kind, code, before, start, finish);
  if (out.beep)
    INVALIDACTION();
  const bool wasModified = isModified();
  if (out.text != before)
    setText(out.text);
  setModified(wasModified || out.typed || out.text != before);
  setCursorPosition(out.caret);
}

void RIGHTSLE::keyPressEvent(QKeyEvent *event)
{
  const QChar type = fieldSpec().type();
  if (type == QLatin1Char('D')) {
    const bool plus = event->key() == Qt::Key_Plus;
    const bool minus = event->key() == Qt::Key_Minus;
    if ((plus || minus) && (event->modifiers() & Qt::KeypadModifier)) {
      if (!isReadOnly())
        CALKEYDOWN(plus);
      // The keypad also types its sign, which a text that is no date refuses.
      if (!rt::CToD(text()).isValid())
        INVALIDACTION();
      event->accept();
      return;
    }
    const QChar c = typedCharacter(event);
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
      if (!rt::CToD(text()).isValid())
        INVALIDACTION();
      event->accept();
      return;
    }
  } else if (type == QLatin1Char('N')) {
    if (const int code = keyDownCode(event->key())) {
      // A read-only number is only looked at: the caret moves, nothing else.
      if (!isReadOnly())
        PROCESSNUM(NUMERICENTRY::Kind::KeyDown, code);
      if (code == NUMERICENTRY::Backspace || code == NUMERICENTRY::Delete) {
        event->accept();
        return;
      }
    } else if (const QChar c = typedCharacter(event); !c.isNull()) {
      if (!isReadOnly())
        PROCESSNUM(NUMERICENTRY::Kind::Character, c.unicode());
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void RIGHTSLE::mouseDoubleClickEvent(QMouseEvent *event)
{
  const QChar type = fieldSpec().type();
  if (type == QLatin1Char('D')) {
    if (event->button() == Qt::LeftButton && !isReadOnly())
      SHOWCALENDAR();
    event->accept();
    return;
  }
  if (type == QLatin1Char('N') && event->button() == Qt::LeftButton) {
    setFocus(Qt::MouseFocusReason);
    selectAll();
    m_entry.raiseReplaceAll();
    event->accept();
    return;
  }
  QLineEdit::mouseDoubleClickEvent(event);
}

void RIGHTSLE::attachCompanionButton(QAbstractButton *button)
{
  m_companion = button;
  m_attached = true;
  button->setParent(this);
  button->setCursor(Qt::ArrowCursor);
  placeCompanion();
  button->show();
}

void RIGHTSLE::placeCompanion()
{
  if (!m_attached || !m_companion)
    return;
  // The button covers the edit's last 30 pixels, frame included, so edit
  // and button read as one control; the text stops short of it.
  m_companion->setGeometry(width() - ButtonWidth, 0, ButtonWidth, height());
  setTextMargins(0, 0, ButtonWidth, 0);
}

void RIGHTSLE::resizeEvent(QResizeEvent *event)
{
  QLineEdit::resizeEvent(event);
  placeCompanion();
}

} // namespace vz
