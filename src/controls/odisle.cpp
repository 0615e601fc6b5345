#include "odisle.h"

#include "typedcontextmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vz {

ODI_SLE::ODI_SLE(QWidget *owner, const QString &type) : QLineEdit(owner)
{
  setFocusPolicy(Qt::StrongFocus);
  SLE_TYPE(type);
}

void ODI_SLE::SLE_TYPE(const QString &type)
{
  m_type = type;
  m_entry.setMode(TypedEntry::modeOf(type));
  // Dropped text would pass by the entry's rules.
  setAcceptDrops(!typed());
  if (m_entry.mode() == TypedEntry::Mode::Date && text().isEmpty())
    setText(TypedEntry::datePicture());
}

void ODI_SLE::apply(const TypedEntry::Step &step)
{
  switch (step.outcome) {
  case TypedEntry::Step::Changed: {
    const bool differs = step.text != text();
    setText(step.text);
    setCursorPosition(step.caret);
    if (differs) {
      setModified(true);
      emit textEdited(step.text);
    }
    break;
  }
  case TypedEntry::Step::Refused:
    QApplication::beep();
    break;
  case TypedEntry::Step::Ignored:
  case TypedEntry::Step::NotTaken:
    break;
  }
}

void ODI_SLE::pressKey(TypedEntry::Key key, QChar c)
{
  int start = cursorPosition();
  int finish = start;
  if (hasSelectedText()) {
    start = selectionStart();
    finish = selectionEnd();
  }
  apply(m_entry.press(text(), start, finish, key, c));
}

void ODI_SLE::pasteTyped()
{
  if (isReadOnly())
    return;
  const QString pasted = QApplication::clipboard()->text();
  if (pasted.isEmpty())
    return;
  int start = cursorPosition();
  int finish = start;
  if (hasSelectedText()) {
    start = selectionStart();
    finish = selectionEnd();
  }
  apply(m_entry.feed(text(), start, finish, pasted));
}

void ODI_SLE::cutTyped()
{
  if (!hasSelectedText() || echoMode() != Normal)
    return;
  copy();
  if (!isReadOnly())
    pressKey(TypedEntry::Key::Delete);
}

void ODI_SLE::keyPressEvent(QKeyEvent *event)
{
  if (!typed()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) {
    event->matches(QKeySequence::Paste) ? pasteTyped() : cutTyped();
    event->accept();
    return;
  }
  switch (event->key()) {
  case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
  case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
  case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Return: case Qt::Key_Enter:
  case Qt::Key_Escape:
    QLineEdit::keyPressEvent(event);
    return;
  default:
    break;
  }
  if (isReadOnly()) {
    event->ignore();
    return;
  }
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
    // Word and line deletions would cut through the picture or the grouping.
    if (mods == Qt::NoModifier)
      pressKey(event->key() == Qt::Key_Delete ? TypedEntry::Key::Delete : TypedEntry::Key::Backspace);
    event->accept();
    return;
  }
  const QString typedText = event->text();
  if (!typedText.isEmpty() && typedText.at(0).isPrint()
      && !(mods & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))) {
    if (typedText.size() == 1)
      pressKey(TypedEntry::Key::Character, typedText.at(0));
    else
      apply(m_entry.feed(text(), hasSelectedText() ? selectionStart() : cursorPosition(),
                         hasSelectedText() ? selectionEnd() : cursorPosition(), typedText));
    event->accept();
    return;
  }
  // Undo, redo and the other editing shortcuts would restore or change the
  // text behind the entry's back; such keys go on to the window.
  event->ignore();
}

void ODI_SLE::inputMethodEvent(QInputMethodEvent *event)
{
  if (!typed()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const QString committed = event->commitString();
  if (!committed.isEmpty() && !isReadOnly()) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int finish = hasSelectedText() ? selectionEnd() : cursorPosition();
    apply(m_entry.feed(text(), start, finish, committed));
  }
  event->accept();
}

void ODI_SLE::mouseReleaseEvent(QMouseEvent *event)
{
  // The middle button pastes the selection of X11 through the entry too.
  if (typed() && event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
    if (!isReadOnly()) {
      const int at = cursorPositionAt(event->position().toPoint());
      apply(m_entry.feed(text(), at, at, QApplication::clipboard()->text(QClipboard::Selection)));
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void ODI_SLE::contextMenuEvent(QContextMenuEvent *event)
{
  if (!typed()) {
    QLineEdit::contextMenuEvent(event);
    return;
  }
  QMenu *menu = typedContextMenu(
      this, [this] { cutTyped(); }, [this] { pasteTyped(); },
      [this] { pressKey(TypedEntry::Key::Delete); });
  menu->popup(event->globalPos());
}

} // namespace vz
