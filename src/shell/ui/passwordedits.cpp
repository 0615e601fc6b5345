#include "passwordedits.h"

#include "shell/passwordhash.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QValidator>

namespace vz {

namespace {

class UpperCaseValidator : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString &input, int &) const override
  {
    input = input.toUpper();
    return Acceptable;
  }
};

} // namespace

void setUpUserEdit(QLineEdit *edit, bool masked, EditCase letterCase)
{
  edit->setMaxLength(PasswordHash::MaxPasswordLength);
  if (masked)
    edit->setEchoMode(QLineEdit::Password);
  if (letterCase == EditCase::Upper)
    edit->setValidator(new UpperCaseValidator(edit));
}

void InputHold::hold()
{
  if (m_held)
    return;
  m_held = true;
  qApp->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InputHold::release()
{
  if (!m_held)
    return;
  m_held = false;
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputHold::eventFilter(QObject *, QEvent *event)
{
  switch (event->type()) {
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
  case QEvent::ShortcutOverride:
  case QEvent::Shortcut:
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::Wheel:
  case QEvent::Close:
    event->ignore();
    return true;
  default:
    return false;
  }
}

} // namespace vz
