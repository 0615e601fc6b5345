#pragma once
// LOGONDIALOG: user name and password, checked against the users table of the
// program directory. OK may be pressed three times; a right pair, or the third
// press, closes the dialog. The caller reads LOGONOK() (and, at start,
// LOGONID()) after it closes. The check runs off the window thread; until it
// answers, the dialog takes no input.
//
//   LOGONDIALOG dialog(mainWindow, QStringLiteral("Geçiş İzni"));
//   dialog.exec();
//   if (!dialog.LOGONOK()) return;
#include "problem/ui/okcanceldialog.h"
#include "passwordedits.h"
#include "shell/logonrule.h"
#include <memory>

class QLabel;

namespace vz {

class Interaction;
class JQSLE;

class LOGONDIALOG : public OkCancelDialog {
  Q_OBJECT
public:
  // `caption` replaces "Giriş" when not empty. The table is that of the
  // session's program directory unless `programDir` is given; the messages go
  // through `messages` (this dialog's own boxes when null).
  LOGONDIALOG(QWidget *owner, const QString &caption = QString(), Interaction *messages = nullptr,
              const QString &programDir = QString());
  ~LOGONDIALOG() override;

  bool LOGONOK() const { return m_rule.LOGONOK(); }
  QString LOGONID() const { return m_rule.LOGONID(); }
  // Closed by the third wrong press (not cancelled).
  bool refused() const { return m_refused; }
  bool isChecking() const { return m_hold->isHeld(); }

  JQSLE *nameEdit() const { return m_name; }
  JQSLE *passwordEdit() const { return m_password; }

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  void settle(const QString &name, const UsersTable::LogOnCheck &check);

  LogOnRule m_rule;
  InputHold *m_hold;
  bool m_refused = false;
  std::unique_ptr<Interaction> m_ownMessages;
  Interaction *m_messages;
  JQSLE *m_name;
  JQSLE *m_password;
};

} // namespace vz
