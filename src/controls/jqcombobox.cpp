#include "jqcombobox.h"
#include "dialogcancel.h"
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace vz {

JQCOMBOBOX::JQCOMBOBOX(QWidget *parent) : QComboBox(parent)
{
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Choosing from the list counts as a change of the value, like typing.
  connect(this, &QComboBox::textActivated, this, [this] { m_typed = true; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
}

void JQCOMBOBOX::keyPressEvent(QKeyEvent *event)
{
  const bool listOpen = view() && view()->isVisible();
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !listOpen
      && cancelOwningDialog(this)) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void JQCOMBOBOX::focusInEvent(QFocusEvent *event)
{
  QComboBox::focusInEvent(event);
  if (event->reason() != Qt::PopupFocusReason)
    m_typed = false;
  emit focusChanged(true);
}

void JQCOMBOBOX::focusOutEvent(QFocusEvent *event)
{
  QComboBox::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason)
    emit focusChanged(false);
}

} // namespace vz
