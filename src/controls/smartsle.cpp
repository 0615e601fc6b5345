#include "smartsle.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace vz {

SMARTSLE::SMARTSLE(QWidget *owner) : QLineEdit(owner) {}

void SMARTSLE::setControlOrder(const QList<QWidget *> &controls)
{
  m_ownOrder = true;
  m_controls.clear();
  for (QWidget *w : controls)
    m_controls.append(w);
}

QList<QWidget *> SMARTSLE::controlOrder() const
{
  QList<QWidget *> controls;
  if (m_ownOrder) {
    for (const QPointer<QWidget> &w : m_controls)
      controls.append(w.data());  // a control gone since keeps its place
    return controls;
  }
  if (QWidget *owner = parentWidget()) {
    for (QObject *child : owner->children()) {
      auto *w = qobject_cast<QWidget *>(child);
      if (w && !w->isWindow() && (w->focusPolicy() & Qt::TabFocus))
        controls.append(w);
    }
  }
  return controls;
}

SMARTSLE *SMARTSLE::nextSmartEdit() const
{
  const QList<QWidget *> controls = controlOrder();
  const qsizetype n = controls.indexOf(const_cast<SMARTSLE *>(this));
  if (n < 0)
    return nullptr;
  return qobject_cast<SMARTSLE *>(controls.at(n + 1 < controls.size() ? n + 1 : 0));
}

SMARTSLE *SMARTSLE::NEXTSLE()
{
  if (SMARTSLE *next = nextSmartEdit()) {
    next->selectAll();
    next->setFocus(Qt::TabFocusReason);
  }
  return this;
}

void SMARTSLE::emptyOnce()
{
  if (!LEMPTIED && !isReadOnly()) {
    LEMPTIED = true;
    clear();
  }
}

void SMARTSLE::keyPressEvent(QKeyEvent *event)
{
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    QLineEdit::keyPressEvent(event);
    // Taken when the focus moves on, so a dialog's default button does not
    // fire in the middle of the form.
    if (nextSmartEdit()) {
      NEXTSLE();
      event->accept();
    }
    return;
  }
  // Only a key that types a character replaces the text: shortcuts such as
  // Ctrl+C or Ctrl+V and keys without a character leave it alone.
  const QString typed = event->text();
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (!typed.isEmpty() && typed.at(0).isPrint()
      && !(mods & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)))
    emptyOnce();
  QLineEdit::keyPressEvent(event);
}

void SMARTSLE::inputMethodEvent(QInputMethodEvent *event)
{
  if (!event->commitString().isEmpty())
    emptyOnce();
  QLineEdit::inputMethodEvent(event);
}

} // namespace vz
