#include "jqlistbox.h"
#include "dialogcancel.h"
#include <QKeyEvent>

namespace vz {

JQLISTBOX::JQLISTBOX(QWidget *parent) : QListWidget(parent) {}

void JQLISTBOX::keyPressEvent(QKeyEvent *event)
{
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
      && cancelOwningDialog(this)) {
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

} // namespace vz
