#include "rightsle.h"

#include "calendarlogic.h"
#include "dlgpecalendar.h"
#include "platform/rtext.h"
#include "typedcontextmenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
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

// Keys that only move the caret or the focus, or copy: a number lets the
// standard edit have them. Every other key the entry does not take would
// change the text behind its back (undo, redo, word and line deletion).
bool passesNumber(const QKeyEvent *event)
{
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
    return true;
  switch (event->key()) {
  case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
  case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
  case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Return: case Qt::Key_Enter:
  case Qt::Key_Escape:
    return true;
  default:
    return false;
  }
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

void RIGHTSLE::showOutcome(const NUMERICENTRY::Outcome &out)
{
  if (out.beep)
    INVALIDACTION();
  if (out.keepSelection)
    return;
  const QString before = text();
  const bool wasModified = isModified();
  if (out.text != before)
    setText(out.text);
  setModified(wasModified || out.typed || out.text != before);
  setCursorPosition(out.caret);
}

void RIGHTSLE::PROCESSNUM(NUMERICENTRY::Kind kind, int code)
{
  int start = cursorPosition();
  int finish = start;
  if (hasSelectedText()) {
    start = selectionStart();
    finish = selectionEnd();
  }
  showOutcome(m_entry.PROCESSNUM(kind, code, text(), start, finish));
}

void RIGHTSLE::feedNumber(const QString &pasted, int start, int finish)
{
  if (isReadOnly() || pasted.isEmpty())
    return;
  showOutcome(m_entry.feed(text(), start, finish, pasted));
}

void RIGHTSLE::pasteNumber()
{
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int finish = hasSelectedText() ? selectionEnd() : cursorPosition();
  feedNumber(QApplication::clipboard()->text(), start, finish);
}

void RIGHTSLE::cutNumber()
{
  if (!hasSelectedText() || echoMode() != Normal)
    return;
  copy();
  if (!isReadOnly())
    PROCESSNUM(NUMERICENTRY::Kind::KeyDown, NUMERICENTRY::Delete);
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
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) {
      event->matches(QKeySequence::Paste) ? pasteNumber() : cutNumber();
      event->accept();
      return;
    }
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
    } else if (!passesNumber(event)) {
      event->ignore();
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

void RIGHTSLE::mouseReleaseEvent(QMouseEvent *event)
{
  // The middle button pastes the selection of X11 through the entry too.
  if (numeric() && event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
    const int at = cursorPositionAt(event->position().toPoint());
    feedNumber(QApplication::clipboard()->text(QClipboard::Selection), at, at);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void RIGHTSLE::contextMenuEvent(QContextMenuEvent *event)
{
  if (!numeric()) {
    QLineEdit::contextMenuEvent(event);
    return;
  }
  QMenu *menu = typedContextMenu(
      this, [this] { cutNumber(); }, [this] { pasteNumber(); },
      [this] {
        if (!isReadOnly())
          PROCESSNUM(NUMERICENTRY::Kind::KeyDown, NUMERICENTRY::Delete);
      });
  menu->popup(event->globalPos());
}

void RIGHTSLE::dropEvent(QDropEvent *event)
{
  if (!numeric()) {
    QLineEdit::dropEvent(event);
    return;
  }
  if (isReadOnly() || !event->mimeData()->hasText()) {
    event->ignore();
    return;
  }
  const int at = cursorPositionAt(event->position().toPoint());
  const QString before = text();
  feedNumber(event->mimeData()->text(), at, at);
  // A refused drop takes nothing from where it came.
  if (text() != before) {
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
  } else {
    event->ignore();
  }
}

void RIGHTSLE::inputMethodEvent(QInputMethodEvent *event)
{
  if (!numeric()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const QString committed = event->commitString();
  if (!committed.isEmpty()) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int finish = hasSelectedText() ? selectionEnd() : cursorPosition();
    if (committed.size() == 1 && !isReadOnly())
      PROCESSNUM(NUMERICENTRY::Kind::Character, committed.at(0).unicode());
    else
      feedNumber(committed, start, finish);
  }
  event->accept();
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
