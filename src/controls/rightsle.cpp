#include "rightsle.h"

#include <QAbstractButton>
#include <QApplication>

namespace vz {

RIGHTSLE::RIGHTSLE(QWidget *owner) : QLineEdit(owner) {}

void RIGHTSLE::ENABLE()
{
  setReadOnly(false);
  setEnabled(true);
}

void RIGHTSLE::DISABLE()
{
  setReadOnly(true);
}

void RIGHTSLE::INVALIDACTION()
{
  QApplication::beep();
}

} // namespace vz
