#include "jqsle.h"
#include "dialogcancel.h"
#include <QKeyEvent>

namespace vz {

JQSLE::JQSLE(QWidget *parent) : QLineEdit(parent)
{
  connect(this, &QLineEdit::textEdited, this, [this] { m_typed = true; });
}

void JQSLE::keyPressEvent(QKeyEvent *event)
{
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (cancelOwningDialog(this)) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void JQSLE::focusInEvent(QFocusEvent *event)
{
  QLineEdit::focusInEvent(event);
  m_typed = false;
  emit focusChanged(true);
}

void JQSLE::focusOutEvent(QFocusEvent *event)
{
  QLineEdit::focusOutEvent(event);
  emit focusChanged(false);
}

} // namespace vz
