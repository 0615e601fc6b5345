#include "logondialog.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "passwordedits.h"
#include "problem/appsession.h"
#include "problem/ui/qtinteraction.h"

#include <QLabel>

namespace vz {

LOGONDIALOG::LOGONDIALOG(QWidget *owner, const QString &caption, Interaction *messages,
                         const QString &programDir)
    : OkCancelDialog(owner),
      m_rule(programDir.isEmpty() ? AppSession::instance().programDir() : programDir),
      m_messages(messages)
{
  setObjectName(QStringLiteral("LOGONDIALOG"));
  if (!m_messages) {
    m_ownMessages = std::make_unique<QtInteraction>(this);
    m_messages = m_ownMessages.get();
  }
  const DialogUnits du = setUpFrame(caption.isEmpty() ? QStringLiteral("Giriş") : caption,
                                    DialogUnits::shellDlgFont(), 177, 43);

  auto *nameLabel = new QLabel(QStringLiteral("Kullanıcı adı:"), this);
  nameLabel->setObjectName(QStringLiteral("THEFIXEDTEXT1"));
  DialogUnits::place(nameLabel, du, 8, 7, 43, 11);
  m_name = new JQSLE(this);
  m_name->setObjectName(QStringLiteral("NAME"));
  setUpUserEdit(m_name, false, EditCase::AsTyped);
  DialogUnits::place(m_name, du, 52, 7, 64, 11);
  nameLabel->setBuddy(m_name);
  m_name->setAccessibleName(nameLabel->text());

  auto *passwordLabel = new QLabel(QStringLiteral("Parola.........:"), this);
  passwordLabel->setObjectName(QStringLiteral("THEFIXEDTEXT2"));
  DialogUnits::place(passwordLabel, du, 8, 25, 44, 11);
  m_password = new JQSLE(this);
  m_password->setObjectName(QStringLiteral("PASSWORD"));
  setUpUserEdit(m_password, true, EditCase::Upper);
  DialogUnits::place(m_password, du, 52, 25, 64, 11);
  passwordLabel->setBuddy(m_password);
  m_password->setAccessibleName(QStringLiteral("Parola:"));

  m_hold = new InputHold(this);
  addOkCancel(du, 124, 7, 46, 12, 124, 25, 46, 13);
  chainToOkCancel(m_password);
  m_name->setFocus();
}

LOGONDIALOG::~LOGONDIALOG() = default;

void LOGONDIALOG::PBTAMAM()
{
  if (m_hold->isHeld())
    return;
  const QString name = m_name->text();
  const QString password = m_password->text();
  const UsersTable table = m_rule.table();
  m_hold->hold();
  runOffWindowThread(
      this, [table, name, password] { return table.checkLogOn(name, password); },
      [this, name](const UsersTable::LogOnCheck &check) { settle(name, check); });
}

void LOGONDIALOG::settle(const QString &name, const UsersTable::LogOnCheck &check)
{
  m_hold->release();
  const LogOnRule::Press press = m_rule.settle(name, check);
  if (press.outcome != LogOnRule::Outcome::TryAgain) {
    m_refused = press.outcome == LogOnRule::Outcome::Refused;
    QDialog::done(1);
    return;
  }
  if (!press.message.isEmpty())
    m_messages->errorMessage(press.message);
  m_name->clear();
  m_password->clear();
  m_name->setFocus();
}

void LOGONDIALOG::PBIPTAL()
{
  if (m_hold->isHeld())
    return;
  m_rule.cancel();
  QDialog::done(0);
}

} // namespace vz
