#pragma once
// NEWPASSWORDDIALOG: adds a user ("Yeni Kullanıcı &Ekle") or gives the
// logged-on user a new name and password ("Ad ve &Parola Değiştir"). Either
// needs the logged-on user's current password; a closed safe turns into an
// open one once it is typed right. Nothing is written until every check has
// passed; after a rename the session's logged-on user is the new name.
//
// Each check of a password is an Argon2id run of a third of a second: the
// safe's check runs off the window thread once typing pauses (a newer key
// drops an older check's verdict), and OK's checks and write run there too,
// with the dialog holding its input until they answer.
#include "problem/ui/okcanceldialog.h"
#include "passwordedits.h"
#include "shell/userstable.h"
#include <memory>

class QLabel;
class QTimer;

namespace vz {

class Interaction;
class JQSLE;

class NEWPASSWORDDIALOG : public OkCancelDialog {
  Q_OBJECT
public:
  // `caption` replaces the dialog's own; `adding` chooses the command. The
  // table is that of the session's program directory unless `programDir` is
  // given; messages go through `messages` (the dialog's own boxes when null).
  NEWPASSWORDDIALOG(QWidget *owner, const QString &caption, bool adding,
                    Interaction *messages = nullptr, const QString &programDir = QString());
  ~NEWPASSWORDDIALOG() override;

  JQSLE *currentPasswordEdit() const { return m_current; }
  JQSLE *newPasswordEdit() const { return m_new; }
  JQSLE *retypePasswordEdit() const { return m_retype; }
  JQSLE *newUserEdit() const { return m_name; }
  bool safeIsOpen() const;
  // True while a check of the safe waits for a pause in typing or runs, and
  // while OK's work runs.
  bool isChecking() const;

  // How long typing must pause before the safe's check starts.
  static constexpr int PauseMs = 250;

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  void EDITCHANGE();
  void checkCurrent();
  void showSafe(bool open);
  void finish(const UsersTable::EditResult &result);

  UsersTable m_table;
  bool m_adding;
  QString m_stored;  // the logged-on user's password hash as the dialog found it
  std::unique_ptr<Interaction> m_ownMessages;
  Interaction *m_messages;
  JQSLE *m_current;
  JQSLE *m_new;
  JQSLE *m_retype;
  JQSLE *m_name;
  QLabel *m_locked;
  QLabel *m_unlocked;
  QTimer *m_pause;
  InputHold *m_hold;
  int m_typed = 0;  // counts the changes of the current password
  bool m_checking = false;
};

} // namespace vz
