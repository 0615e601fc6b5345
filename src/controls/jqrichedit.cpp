#include "jqrichedit.h"
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>

namespace vz {

namespace {

bool hasEffect(const QTextCharFormat &f, int effect)
{
  switch (effect) {
  case JQRICHEDIT::Bold: return f.fontWeight() >= QFont::Bold;
  case JQRICHEDIT::Italic: return f.fontItalic();
  case JQRICHEDIT::Underline: return f.fontUnderline();
  }
  return false;
}

} // namespace

JQRICHEDIT::JQRICHEDIT(QWidget *parent) : QTextEdit(parent)
{
  setAcceptRichText(true);
}

bool JQRICHEDIT::hasPasteData(const QMimeData *source)
{
  if (!source || source->formats().isEmpty())
    return false;
  return (source->hasText() && !source->text().isEmpty()) || source->hasHtml() || source->hasImage();
}

bool JQRICHEDIT::canInsertFromMimeData(const QMimeData *source) const
{
  return hasPasteData(source) && QTextEdit::canInsertFromMimeData(source);
}

void JQRICHEDIT::insertFromMimeData(const QMimeData *source)
{
  if (!hasPasteData(source))
    return;
  QTextEdit::insertFromMimeData(source);
}

void JQRICHEDIT::PASTE()
{
  if (isReadOnly() || !hasPasteData(QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard)))
    return;
  paste();
}

void JQRICHEDIT::keyPressEvent(QKeyEvent *event)
{
  if (event->key() == Qt::Key_Escape) {
    QWidget *owner = m_owner;
    if (!owner) {
      for (QWidget *w = parentWidget(); w && !owner; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow *>(w) || w->isWindow())
          owner = w;
    }
    if (owner) {
      owner->close();
      event->accept();
      return;
    }
  }
  if (event == QKeySequence::Paste) {
    // Checked here, before Qt's text control looks at the clipboard.
    PASTE();
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void JQRICHEDIT::mouseReleaseEvent(QMouseEvent *event)
{
  // The middle button pastes the selection clipboard where the desktop has
  // one; an empty one is left alone.
  if (event->button() == Qt::MiddleButton) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection() || !hasPasteData(clipboard->mimeData(QClipboard::Selection))) {
      event->accept();
      return;
    }
  }
  QTextEdit::mouseReleaseEvent(event);
}

void JQRICHEDIT::contextMenuEvent(QContextMenuEvent *event)
{
  if (m_contextMenu) {
    m_contextMenu->exec(event->globalPos());
    return;
  }
  QTextEdit::contextMenuEvent(event);
}

void JQRICHEDIT::SETEFFECT(int effect)
{
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection())
    cursor.select(QTextCursor::WordUnderCursor);
  if (!cursor.hasSelection()) {
    // Nothing to change but the format of what is typed next.
    QTextCharFormat f = currentCharFormat();
    const bool on = !hasEffect(f, effect);
    if (effect == Bold) f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    if (effect == Italic) f.setFontItalic(on);
    if (effect == Underline) f.setFontUnderline(on);
    setCurrentCharFormat(f);
    return;
  }
  // Look at every character of the selection: the toggle acts only when the
  // effect is uniformly on or uniformly off.
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  bool anyOn = false;
  bool anyOff = false;
  QTextCursor probe(document());
  for (int pos = start; pos < end; ++pos) {
    probe.setPosition(pos + 1);
    if (document()->characterAt(pos) == QChar::ParagraphSeparator)
      continue;
    (hasEffect(probe.charFormat(), effect) ? anyOn : anyOff) = true;
  }
  if (anyOn && anyOff)
    return;
  QTextCharFormat change;
  if (effect == Bold) change.setFontWeight(anyOn ? QFont::Normal : QFont::Bold);
  if (effect == Italic) change.setFontItalic(!anyOn);
  if (effect == Underline) change.setFontUnderline(!anyOn);
  cursor.mergeCharFormat(change);
}

} // namespace vz
