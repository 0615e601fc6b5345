#include "newpassworddialog.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"
#include "passwordedits.h"
#include "problem/appsession.h"
#include "problem/ui/qtinteraction.h"
#include "shell/passwordhash.h"

#include <QLabel>
#include <QTimer>

namespace vz {

namespace {

JQSLE *labelledEdit(QWidget *dialog, const DialogUnits &du, const char *labelName, const QString &text,
                    QRect labelRect, const char *editName, const QString &description, QRect editRect)
{
  auto *label = new QLabel(text, dialog);
  label->setObjectName(QLatin1String(labelName));
  DialogUnits::place(label, du, labelRect.x(), labelRect.y(), labelRect.width(), labelRect.height());
  auto *edit = new JQSLE(dialog);
  edit->setObjectName(QLatin1String(editName));
  edit->setStatusTip(description);
  edit->setAccessibleName(text);
  edit->setAccessibleDescription(description);
  DialogUnits::place(edit, du, editRect.x(), editRect.y(), editRect.width(), editRect.height());
  label->setBuddy(edit);
  return edit;
}

QLabel *safePicture(QWidget *dialog, const DialogUnits &du, const char *name, const QString &file)
{
  auto *picture = new QLabel(dialog);
  picture->setObjectName(QLatin1String(name));
  picture->setPixmap(QPixmap(file));
  picture->setScaledContents(true);
  DialogUnits::place(picture, du, 212, 3, 20, 19);
  return picture;
}

} // namespace

NEWPASSWORDDIALOG::NEWPASSWORDDIALOG(QWidget *owner, const QString &caption, bool adding,
                                     Interaction *messages, const QString &programDir)
    : OkCancelDialog(owner),
      m_table(programDir.isEmpty() ? AppSession::instance().programDir() : programDir),
      m_adding(adding),
      m_messages(messages)
{
  setObjectName(QStringLiteral("NEWPASSWORDDIALOG"));
  if (!m_messages) {
    m_ownMessages = std::make_unique<QtInteraction>(this);
    m_messages = m_ownMessages.get();
  }
  const DialogUnits du = setUpFrame(QStringLiteral("Kullanıcı Adı ve Parola Değişimi"),
                                    DialogUnits::shellDlgFont(), 258, 80);
  if (!caption.isEmpty())
    setWindowTitle(caption);

  m_current = labelledEdit(this, du, "THEFIXEDTEXT1", QStringLiteral("Mevcut parolayı gir.....:"),
                           {8, 7, 73, 12}, "CURRENTPASSWORDSLE", QStringLiteral("Aktif parolayı gir"),
                           {84, 7, 75, 11});
  setUpUserEdit(m_current, true, EditCase::AsTyped);
  m_new = labelledEdit(this, du, "THEFIXEDTEXT2", QStringLiteral("Yeni parola gir............:"),
                       {8, 25, 73, 11}, "NEWPASSWORDSLE", QStringLiteral("Yeni kullanıcı parolasını gir"),
                       {84, 25, 111, 11});
  setUpUserEdit(m_new, true, EditCase::Upper);
  m_retype = labelledEdit(this, du, "THEFIXEDTEXT3", QStringLiteral("Yeni parolayı tekrar gir:"),
                          {8, 44, 73, 11}, "RETYPEPASSWORDSLE",
                          QStringLiteral("Yeni kullanıcı parolasını tekrar gir"), {84, 44, 111, 11});
  setUpUserEdit(m_retype, true, EditCase::Upper);
  m_name = labelledEdit(this, du, "FIXEDTEXT3", QStringLiteral("Yeni kullanıcı adı gir....:"),
                        {8, 62, 72, 11}, "SLENEWUSER", QStringLiteral("Yeni kullanıcı adını gir"),
                        {84, 62, 111, 11});
  setUpUserEdit(m_name, false, EditCase::AsTyped);

  addOkCancel(du, 204, 29, 46, 12, 204, 51, 46, 13);
  setTabOrder(m_current, m_new);
  setTabOrder(m_new, m_retype);
  setTabOrder(m_retype, m_name);
  chainToOkCancel(m_name);

  m_locked = safePicture(this, du, "LOCKEDBMP", QStringLiteral(":/icons/LOCKEDBITMAP.png"));
  m_locked->setAccessibleName(QStringLiteral("Kilitli"));
  m_unlocked = safePicture(this, du, "UNLOCKEDBMP", QStringLiteral(":/icons/UNLOCKEDBITMAP.png"));
  m_unlocked->setAccessibleName(QStringLiteral("Açık"));
  m_unlocked->hide();

  // The user whose password authorises the change, as the table holds it now.
  m_table.storedPassword(AppSession::instance().loggedOnUserId(), &m_stored);
  m_pause = new QTimer(this);
  m_pause->setSingleShot(true);
  m_pause->setInterval(PauseMs);
  connect(m_pause, &QTimer::timeout, this, &NEWPASSWORDDIALOG::checkCurrent);
  m_hold = new InputHold(this);
  connect(m_current, &QLineEdit::textChanged, this, &NEWPASSWORDDIALOG::EDITCHANGE);
  m_current->setFocus();
}

NEWPASSWORDDIALOG::~NEWPASSWORDDIALOG() = default;

bool NEWPASSWORDDIALOG::safeIsOpen() const
{
  return !m_unlocked->isHidden();
}

bool NEWPASSWORDDIALOG::isChecking() const
{
  return m_pause->isActive() || m_checking || m_hold->isHeld();
}

void NEWPASSWORDDIALOG::EDITCHANGE()
{
  ++m_typed;
  // Emptying the edit leaves the picture as it was.
  if (m_current->text().isEmpty()) {
    m_pause->stop();
    return;
  }
  m_pause->start();
}

void NEWPASSWORDDIALOG::checkCurrent()
{
  if (m_checking)
    return;  // started again when the running check answers
  m_checking = true;
  const int typed = m_typed;
  const QString text = m_current->text();
  const QString stored = m_stored;
  runOffWindowThread(
      this, [text, stored] { return PasswordHash::matches(text, stored); },
      [this, typed](bool right) {
        m_checking = false;
        if (typed == m_typed)
          showSafe(right);
        else if (!m_pause->isActive() && !m_current->text().isEmpty())
          checkCurrent();  // typed on while it ran: check what the edit holds now
      });
}

void NEWPASSWORDDIALOG::showSafe(bool open)
{
  m_locked->setVisible(!open);
  m_unlocked->setVisible(open);
  if (open && focusWidget() == m_current)
    m_new->setFocus();
}

void NEWPASSWORDDIALOG::PBTAMAM()
{
  if (m_hold->isHeld())
    return;
  UsersTable::Edit edit;
  edit.adding = m_adding;
  edit.loggedOnUserId = AppSession::instance().loggedOnUserId();
  edit.currentPassword = m_current->text();
  edit.newPassword = m_new->text();
  edit.retypedPassword = m_retype->text();
  edit.newName = m_name->text();
  m_hold->hold();
  const UsersTable table = m_table;
  runOffWindowThread(
      this, [table, edit] { return table.apply(edit); },
      [this](const UsersTable::EditResult &result) { finish(result); });
}

void NEWPASSWORDDIALOG::finish(const UsersTable::EditResult &result)
{
  m_hold->release();
  if (result.done) {
    if (!m_adding)
      AppSession::instance().setLoggedOnUserId(result.userId);
    QDialog::done(Accepted);
    return;
  }
  if (!result.message.isEmpty()) {
    if (result.isError)
      m_messages->errorMessage(result.message);
    else
      m_messages->information(result.message, QStringLiteral("Uyarı"));
  }
  switch (result.focus) {
  case UsersTable::Field::CurrentPassword: m_current->setFocus(); break;
  case UsersTable::Field::NewPassword: m_new->setFocus(); break;
  case UsersTable::Field::NewName: m_name->setFocus(); break;
  case UsersTable::Field::None: break;
  }
}

void NEWPASSWORDDIALOG::PBIPTAL()
{
  if (m_hold->isHeld())
    return;  // OK's write may be under way: its answer closes the dialog
  QDialog::done(Rejected);
}

} // namespace vz
