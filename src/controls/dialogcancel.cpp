#include "dialogcancel.h"
#include <QDialog>
#include <QMetaObject>
#include <QWidget>

namespace vz {

bool cancelOwningDialog(QWidget *control)
{
  for (QWidget *w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (w->metaObject()->indexOfMethod("PBIPTAL()") >= 0)
      return QMetaObject::invokeMethod(w, "PBIPTAL", Qt::DirectConnection);
    if (auto *dialog = qobject_cast<QDialog *>(w)) {
      dialog->reject();
      return true;
    }
    if (w->isWindow())
      break;
  }
  return false;
}

} // namespace vz
