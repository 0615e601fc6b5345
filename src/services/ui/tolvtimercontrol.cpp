#include "services/ui/tolvtimercontrol.h"

#include <QMetaMethod>
#include <QPointer>
#include <QVariant>

namespace vz {

TOLVTIMERCONTROL::TOLVTIMERCONTROL(QWidget *owner, const QString &text)
    : QLabel(text, owner), m_timer(new TOLVTIMER(this, 100))
{
  m_timer->setParent(this);
  connect(m_timer, &TOLVTIMER::TICK, this, &TOLVTIMERCONTROL::onTick);
  hide();
}

TOLVTIMERCONTROL::~TOLVTIMERCONTROL()
{
  m_timer->STOP();
}

void TOLVTIMERCONTROL::onTick(int id)
{
  if (id != m_timer->ID())
    return;
  QObject *owner = parent();
  if (!owner)
    return;
  const QMetaObject *mo = owner->metaObject();
  const int index = mo->indexOfMethod(QMetaObject::normalizedSignature("ONTOLVTIMER(QObject*)").constData());
  if (index < 0)
    return;
  const QMetaMethod method = mo->method(index);
  m_timer->STOP();
  bool goOn = true;
  QObject *self = this;
  QPointer<TOLVTIMERCONTROL> alive(this);
  if (method.returnType() == QMetaType::Bool) {
    bool answer = true;
    method.invoke(owner, Qt::DirectConnection, Q_RETURN_ARG(bool, answer), Q_ARG(QObject *, self));
    goOn = answer;
  } else if (method.returnType() == QMetaType::QVariant) {
    QVariant answer;
    method.invoke(owner, Qt::DirectConnection, Q_RETURN_ARG(QVariant, answer), Q_ARG(QObject *, self));
    goOn = answer.typeId() != QMetaType::Bool || answer.toBool();
  } else {
    method.invoke(owner, Qt::DirectConnection, Q_ARG(QObject *, self));
  }
  if (alive && goOn)
    m_timer->START();
}

} // namespace vz
