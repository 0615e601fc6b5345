#include "usersfixture.h"
#include "../problem_ui/modalhelper.h"
#include "controls/jqsle.h"
#include "problem/appsession.h"
#include "scriptedinteraction.h"
#include "shell/passwordhash.h"
#include "shell/ui/logondialog.h"
#include "shell/ui/shellinteraction.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TstLogOnDialog : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  ScriptedInteraction m_messages;

  // Types into the edit that has the focus, as the user would.
  static void type(QWidget *dialog, const QString &text)
  {
    typeText(dialog->focusWidget(), text);
  }
  static void press(QWidget *dialog, Qt::Key key)
  {
    QTest::keyClick(dialog->focusWidget(), key);
  }

  std::unique_ptr<LOGONDIALOG> shown(const QString &caption = QString())
  {
    auto dialog = std::make_unique<LOGONDIALOG>(nullptr, caption, &m_messages, m_dir->path());
    dialog->show();
    dialog->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();
    return dialog;
  }

private slots:
  void init()
  {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(writeLegacyTable(m_dir->path() + QStringLiteral("/KULLANICIID.DBF"),
                             {{QStringLiteral("DAXU"), QStringLiteral("MV83")}}));
    QVERIFY(UsersTable(m_dir->path()).ensure() == UsersTable::State::Ready);
    m_messages.shown.clear();
  }

  void rightPairTypedInLowerCase()
  {
    auto dialog = shown();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Giriş"));
    QCOMPARE(dialog->focusWidget(), dialog->nameEdit());
    type(dialog.get(), QStringLiteral(" daxu"));
    press(dialog.get(), Qt::Key_Tab);
    type(dialog.get(), QStringLiteral("mv83 "));
    QCOMPARE(dialog->passwordEdit()->text(), QStringLiteral("MV83 "));
    QCOMPARE(dialog->passwordEdit()->echoMode(), QLineEdit::Password);
    press(dialog.get(), Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), 1);
    QVERIFY(dialog->LOGONOK());
    QCOMPARE(dialog->LOGONID(), QStringLiteral("DAXU").leftJustified(20));
    QVERIFY(m_messages.shown.isEmpty());
  }

  void threeFailuresCloseTheDialog()
  {
    auto dialog = shown();
    for (int i = 1; i <= 3; ++i) {
      type(dialog.get(), QStringLiteral("DAXU"));
      press(dialog.get(), Qt::Key_Tab);
      type(dialog.get(), QStringLiteral("YANLIS"));
      press(dialog.get(), Qt::Key_Return);
      QTRY_VERIFY(!dialog->isChecking());
      if (i < 3) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_messages.texts(QStringLiteral("error")).size(), i);
        QVERIFY(dialog->nameEdit()->text().isEmpty());
        QVERIFY(dialog->passwordEdit()->text().isEmpty());
        QCOMPARE(dialog->focusWidget(), dialog->nameEdit());
      }
    }
    QVERIFY(!dialog->isVisible());
    QVERIFY(!dialog->LOGONOK());
    QVERIFY(dialog->refused());  // its caller tells what follows
    QCOMPARE(m_messages.texts(QStringLiteral("error")),
             QStringList(2, QStringLiteral("Geçersiz giriş teşebbüsü!")));
  }

  // The check is one Argon2id run: it never runs on the window thread, and
  // what is typed while it runs reaches no window, neither this dialog nor
  // the one below it once this one has closed.
  void checkLeavesTheWindowThreadFree_data()
  {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("granted");
    QTest::newRow("right") << "MV83" << true;
    QTest::newRow("wrong") << "YANLIS" << false;
  }

  void checkLeavesTheWindowThreadFree()
  {
    QFETCH(QString, password);
    QFETCH(bool, granted);
    auto dialog = shown();
    type(dialog.get(), QStringLiteral("DAXU"));
    press(dialog.get(), Qt::Key_Tab);
    type(dialog.get(), password);
    const int onWindowThread = PasswordHash::computationsOnWindowThread();
    const int all = PasswordHash::computations();
    press(dialog.get(), Qt::Key_Return);
    QVERIFY(dialog->isChecking());
    QVERIFY(dialog->isVisible());
    typeText(dialog->passwordEdit(), QStringLiteral("AB"));
    QTest::keyClick(dialog->nameEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dialog->cancelButton(), Qt::Key_Escape);
    QTRY_VERIFY(!dialog->isChecking());
    QCOMPARE(PasswordHash::computations() - all, 1);
    QCOMPARE(PasswordHash::computationsOnWindowThread(), onWindowThread);
    QCOMPARE(dialog->isVisible(), !granted);
    QCOMPARE(dialog->LOGONOK(), granted);
    if (granted)
      QCOMPARE(dialog->passwordEdit()->text(), password);  // nothing typed into it meanwhile
  }

  void escapeAndCancel_data()
  {
    QTest::addColumn<bool>("escape");
    QTest::newRow("escape in the password") << true;
    QTest::newRow("cancel button") << false;
  }

  void escapeAndCancel()
  {
    QFETCH(bool, escape);
    auto dialog = shown(QStringLiteral("Geçiş İzni"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Geçiş İzni"));
    type(dialog.get(), QStringLiteral("DAXU"));
    press(dialog.get(), Qt::Key_Tab);
    type(dialog.get(), QStringLiteral("YANLIS"));
    press(dialog.get(), Qt::Key_Return);  // found, wrong password
    QTRY_VERIFY(!dialog->isChecking());
    if (escape) {
      press(dialog.get(), Qt::Key_Tab);
      press(dialog.get(), Qt::Key_Escape);
    } else {
      QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), 0);
    QVERIFY(!dialog->LOGONOK());
    QVERIFY(dialog->LOGONID().isEmpty());
  }

  void editsTakeTwentyCharacters()
  {
    auto dialog = shown();
    type(dialog.get(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(dialog->nameEdit()->text().size(), 20);
    press(dialog.get(), Qt::Key_Tab);
    type(dialog.get(), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(dialog->passwordEdit()->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
  }

  void labelsNameTheirEdits()
  {
    auto dialog = shown();
    QCOMPARE(dialog->nameEdit()->accessibleName(), QStringLiteral("Kullanıcı adı:"));
    QVERIFY(!dialog->passwordEdit()->accessibleName().isEmpty());
    for (QWidget *w : dialog->findChildren<QWidget *>())
      QVERIFY2(dialog->rect().contains(w->geometry()), qPrintable(w->objectName()));
  }

  // The way the other commands ask: through the shell's interaction.
  void shellInteractionShowsTheDialog()
  {
    AppSession::instance().setProgramDir(m_dir->path());
    QWidget owner;
    ShellInteraction ui(&owner);
    whenModal([&owner](QWidget *modal) {
      auto *dialog = qobject_cast<LOGONDIALOG *>(modal);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Geçiş İzni"));
      QCOMPARE(dialog->parentWidget(), &owner);
      typeText(dialog->nameEdit(), QStringLiteral("DAXU"));
      typeText(dialog->passwordEdit(), QStringLiteral("MV83"));
      QTest::keyClick(dialog->passwordEdit(), Qt::Key_Return);
    });
    const LogOnAnswer answer = ui.logOn(QStringLiteral("Geçiş İzni"));
    QVERIFY(answer.ok);
    QCOMPARE(answer.userId, QStringLiteral("DAXU").leftJustified(20));
  }
};

QTEST_MAIN(TstLogOnDialog)
#include "tst_logondialog.moc"
