#include "passwordedits.h"

#include "shell/passwordhash.h"

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

} // namespace vz
