#include "usersfixture.h"
#include "shellfixture.h"
#include "../problem_ui/modalhelper.h"
#include "controls/jqsle.h"
#include "scriptedinteraction.h"
#include "platform/fileerror.h"
#include "shell/menuids.h"
#include "shell/passwordhash.h"
#include "shell/startupsettings.h"
#include "shell/tipsoftheday.h"
#include "shell/ui/emptyshellmenu.h"
#include "shell/ui/newpassworddialog.h"
#include "shell/ui/shellapp.h"
#include "shell/ui/splashscreen.h"
#include "shell/ui/standardshellwindow.h"
#include "shell/ui/wtipofday.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TstUserWindows : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  QTemporaryDir m_prepared;
  std::unique_ptr<ScriptedInteraction> m_ui;
  std::unique_ptr<ScriptedFileDialogs> m_dialogs;
  std::unique_ptr<STANDARDSHELLWINDOW> m_window;

  AppSession &session() { return AppSession::instance(); }
  QString dir() const { return m_dir->path(); }
  QString setting(const char *name) const
  {
    CLASS_HKLM registry;
    registry.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
    return registry.GETSTRING(QString(), QLatin1String(name));
  }

  void makeWindow(bool tip, bool splash, bool logOn)
  {
    StartupSettings s;
    s.programDir = dir();
    s.tipAtStart = tip;
    s.splashAtStart = splash;
    s.logOnAtStart = logOn;
    m_window = std::make_unique<STANDARDSHELLWINDOW>(*m_ui, *m_dialogs, s);
  }

  std::unique_ptr<NEWPASSWORDDIALOG> passwordDialog(bool adding)
  {
    auto d = std::make_unique<NEWPASSWORDDIALOG>(nullptr, adding ? QStringLiteral("Yeni Kullanıcı Ekle")
                                                                 : QStringLiteral("Ad ve Parola Değiştir"),
                                                 adding, m_ui.get());
    d->show();
    d->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(d.get())); }();
    return d;
  }

  static void type(QWidget *dialog, const QString &text) { typeText(dialog->focusWidget(), text); }
  static void press(QWidget *dialog, Qt::Key key) { QTest::keyClick(dialog->focusWidget(), key); }

  // Every child lies inside its window, and every label shows its whole text.
  static void nothingClipped(QWidget *window)
  {
    for (QWidget *w : window->findChildren<QWidget *>()) {
      if (!w->isVisibleTo(window) || w->parentWidget() != window || w->objectName() == QLatin1String("SPLASH_BMP2"))
        continue;
      QVERIFY2(window->rect().contains(w->geometry()), qPrintable(w->objectName()));
      if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
        const QSize need = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                             : label->sizeHint();
        QVERIFY2(need.width() <= label->width() && need.height() <= label->height(),
                 qPrintable(label->text()));
      }
    }
  }

private slots:
  void initTestCase()
  {
    QVERIFY(writeLegacyTable(m_prepared.path() + QStringLiteral("/KULLANICIID.DBF"),
                             {{QStringLiteral("DAXU"), QStringLiteral("MV83")},
                              {QStringLiteral("AHMET"), QStringLiteral("GIZLI1")}}));
    QVERIFY(UsersTable(m_prepared.path()).ensure() == UsersTable::State::Ready);
  }

  void init()
  {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(m_prepared.path() + QStringLiteral("/KULLANICIID.DBF"),
                        dir() + QStringLiteral("/KULLANICIID.DBF")));
    clearSettings();
    session().setProgramDir(dir());
    session().setLoggedOnUserId(QStringLiteral("DAXU").leftJustified(20));
    m_ui = std::make_unique<ScriptedInteraction>();
    m_dialogs = std::make_unique<ScriptedFileDialogs>();
  }

  void cleanup()
  {
    m_window.reset();
  }

  // ---- the user and password dialog ----

  void safeOpensWhenTheCurrentPasswordIsTyped()
  {
    auto d = passwordDialog(true);
    QCOMPARE(d->windowTitle(), QStringLiteral("Yeni Kullanıcı Ekle"));
    QCOMPARE(d->focusWidget(), d->currentPasswordEdit());
    QVERIFY(!d->safeIsOpen());
    type(d.get(), QStringLiteral("mv8"));
    QTRY_VERIFY(!d->isChecking());
    QVERIFY(!d->safeIsOpen());
    QCOMPARE(d->focusWidget(), d->currentPasswordEdit());
    type(d.get(), QStringLiteral("3"));  // as typed, in lower case
    QTRY_VERIFY(d->safeIsOpen());
    QCOMPARE(d->focusWidget(), d->newPasswordEdit());
    QTest::keyClick(d->currentPasswordEdit(), Qt::Key_Backspace);
    QTRY_VERIFY(!d->isChecking());
    QVERIFY(!d->safeIsOpen());
    nothingClipped(d.get());
  }

  // Every check of the current password is an Argon2id run of a third of a
  // second: none runs on the window thread, a run of keys costs one check
  // once typing pauses, and a key typed while a check runs drops its verdict.
  void safeChecksPerKey_data()
  {
    QTest::addColumn<QStringList>("bursts");  // typed without a pause inside, a pause after each
    QTest::addColumn<bool>("cutIn");          // the last burst typed while the check before runs
    QTest::addColumn<int>("checks");
    QTest::addColumn<bool>("open");
    QTest::newRow("ten keys at once") << QStringList{QStringLiteral("mv83xyzabc")} << false << 1 << false;
    QTest::newRow("right at once") << QStringList{QStringLiteral("MV83")} << false << 1 << true;
    QTest::newRow("a pause after each key") << QStringList{"m", "v", "8", "3"} << false << 4 << true;
    QTest::newRow("a key during the check") << QStringList{"MV83", "X"} << true << 2 << false;
    QTest::newRow("deleted back to right") << QStringList{"MV83X", "<BS>"} << false << 2 << true;
  }

  void safeChecksPerKey()
  {
    QFETCH(QStringList, bursts);
    QFETCH(bool, cutIn);
    QFETCH(int, checks);
    QFETCH(bool, open);
    auto d = passwordDialog(true);
    const int onWindowThread = PasswordHash::computationsOnWindowThread();
    const int before = PasswordHash::computations();
    for (int i = 0; i < bursts.size(); ++i) {
      if (bursts.at(i) == QLatin1String("<BS>"))
        QTest::keyClick(d->currentPasswordEdit(), Qt::Key_Backspace);
      else
        typeText(d->currentPasswordEdit(), bursts.at(i));
      if (cutIn && i + 2 == bursts.size())
        QTRY_VERIFY(PasswordHash::computations() > before || !d->isChecking());  // the check has begun
      else
        QTRY_VERIFY(!d->isChecking());
    }
    QTRY_VERIFY(!d->isChecking());
    QCOMPARE(PasswordHash::computations() - before, checks);
    QCOMPARE(PasswordHash::computationsOnWindowThread(), onWindowThread);
    QCOMPARE(d->safeIsOpen(), open);
    // A verdict dropped for a newer key never moved the focus either.
    QCOMPARE(d->focusWidget() == d->newPasswordEdit(), open);
  }

  void addUserWithKeys()
  {
    auto d = passwordDialog(true);
    type(d.get(), QStringLiteral("MV83"));
    QTRY_COMPARE(d->focusWidget(), d->newPasswordEdit());
    type(d.get(), QStringLiteral("yeni parola"));
    QCOMPARE(d->newPasswordEdit()->text(), QStringLiteral("YENI PAROLA"));
    press(d.get(), Qt::Key_Tab);
    type(d.get(), QStringLiteral("yeni parola  "));
    press(d.get(), Qt::Key_Tab);
    QCOMPARE(d->focusWidget(), d->newUserEdit());
    type(d.get(), QStringLiteral("mehmet"));
    const int onWindowThread = PasswordHash::computationsOnWindowThread();
    press(d.get(), Qt::Key_Return);
    // Keys typed while OK's work runs reach nothing: not the dialog, and not
    // the window below once it has closed.
    QVERIFY(d->isChecking());
    typeText(d->newUserEdit(), QStringLiteral("xy"));
    QTest::keyClick(d->newUserEdit(), Qt::Key_Escape);
    QTRY_VERIFY(!d->isVisible());
    QCOMPARE(d->newUserEdit()->text(), QStringLiteral("mehmet"));
    QCOMPARE(PasswordHash::computationsOnWindowThread(), onWindowThread);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(UsersTable(dir()).checkLogOn(QStringLiteral("MEHMET"), QStringLiteral("YENI PAROLA")).ok);
    QCOMPARE(session().loggedOnUserId(), QStringLiteral("DAXU").leftJustified(20));
  }

  void refusalsKeepTheDialogOpen_data()
  {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");     // how the message is shown; empty: none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("current empty") << "" << "P1" << "MEHMET" << "" << "" << "CURRENTPASSWORDSLE";
    QTest::newRow("retyped differs") << "MV83" << "P2" << "MEHMET" << "error"
                                     << "Yeni parola girişi geçersiz!" << "NEWPASSWORDSLE";
    QTest::newRow("name taken") << "MV83" << "P1" << "ahmet" << "information"
                                << "Aynı isimde bir kullanıcı var!" << "SLENEWUSER";
  }

  void refusalsKeepTheDialogOpen()
  {
    QFETCH(QString, current);
    QFETCH(QString, retyped);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const QByteArray before = fileBytes(UsersTable(dir()).path());
    auto d = passwordDialog(true);
    d->currentPasswordEdit()->setText(current);
    d->newPasswordEdit()->setText(QStringLiteral("P1"));
    d->retypePasswordEdit()->setText(retyped);
    d->newUserEdit()->setText(name);
    d->newUserEdit()->setFocus();
    press(d.get(), Qt::Key_Return);
    QTRY_VERIFY(!d->isChecking());
    QVERIFY(d->isVisible());
    QCOMPARE(d->focusWidget()->objectName(), focus);
    if (kind.isEmpty()) {
      QVERIFY(m_ui->shown.isEmpty());
    } else {
      QCOMPARE(m_ui->shown.size(), 1);
      QCOMPARE(m_ui->shown.at(0).kind, kind);
      QCOMPARE(m_ui->shown.at(0).text, message);
      QCOMPARE(m_ui->shown.at(0).caption, kind == QLatin1String("error") ? QString() : QStringLiteral("Uyarı"));
    }
    QCOMPARE(fileBytes(UsersTable(dir()).path()), before);
    press(d.get(), Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QCOMPARE(fileBytes(UsersTable(dir()).path()), before);
  }

  // Through the menu: a rename makes the renamed user the logged-on one, so
  // a second change in the same run still finds its record.
  void renameThenChangePasswordThroughTheMenu()
  {
    makeWindow(false, false, true);
    whenModal([](QWidget *modal) {
      auto *d = qobject_cast<NEWPASSWORDDIALOG *>(modal);
      QVERIFY(d);
      QCOMPARE(d->windowTitle(), QStringLiteral("Ad ve Parola Değiştir"));
      typeText(d->currentPasswordEdit(), QStringLiteral("MV83"));
      typeText(d->newPasswordEdit(), QStringLiteral("ikinci"));
      typeText(d->retypePasswordEdit(), QStringLiteral("ikinci"));
      typeText(d->newUserEdit(), QStringLiteral("  yeni ad"));
      QTest::keyClick(d->newUserEdit(), Qt::Key_Return);
    });
    m_window->mainMenu()->item(menuid::AdVeParolaDegistir)->trigger();
    QCOMPARE(session().loggedOnUserId(), QStringLiteral("YENI AD").leftJustified(20));
    const UsersTable users(dir());
    QVERIFY(users.checkLogOn(QStringLiteral("yeni ad"), QStringLiteral("IKINCI")).ok);
    QVERIFY(!users.checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).found);

    whenModal([](QWidget *modal) {
      auto *d = qobject_cast<NEWPASSWORDDIALOG *>(modal);
      QVERIFY(d);
      typeText(d->currentPasswordEdit(), QStringLiteral("ikinci"));
      QTRY_VERIFY(d->safeIsOpen());
      typeText(d->newPasswordEdit(), QStringLiteral("ucuncu"));
      typeText(d->retypePasswordEdit(), QStringLiteral("ucuncu"));
      typeText(d->newUserEdit(), QStringLiteral("Yeni Ad"));  // its own name: only the password changes
      QTest::keyClick(d->newUserEdit(), Qt::Key_Return);
    });
    m_window->mainMenu()->item(menuid::AdVeParolaDegistir)->trigger();
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(users.checkLogOn(QStringLiteral("YENI AD"), QStringLiteral("UCUNCU")).ok);
  }

  // ---- the start-up option toggles ----

  void togglesWriteTheirValues_data()
  {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("value");
    QTest::newRow("tip") << int(menuid::TuyoGoster) << "VKlstrt";
    QTest::newRow("splash") << int(menuid::LogoGoster) << "VKlogo";
    QTest::newRow("log-on") << int(menuid::AdVeParolaSor) << "VKldlg";
  }

  void togglesWriteTheirValues()
  {
    QFETCH(int, id);
    QFETCH(QString, value);
    makeWindow(true, true, true);
    EMPTYSHELLMENU *menu = m_window->mainMenu();
    const QByteArray name = value.toLatin1();
    menu->item(id)->trigger();
    QVERIFY(!menu->isChecked(id));
    QCOMPARE(setting(name.constData()), QStringLiteral("0"));
    menu->item(id)->trigger();
    QVERIFY(menu->isChecked(id));
    QCOMPARE(setting(name.constData()), QStringLiteral("1"));
    menu->item(id)->trigger();
    const AppSession::StartupMarks marks = session().startupMarks();
    QCOMPARE(marks.tip, id != menuid::TuyoGoster);
    QCOMPARE(marks.splash, id != menuid::LogoGoster);
    QCOMPARE(marks.logOn, id != menuid::AdVeParolaSor);
    // The user items change at the next start only.
    QVERIFY(menu->item(menuid::YeniKullaniciEkle)->isEnabled());
  }

  void failedWriteTakesTheMarkBack()
  {
    makeWindow(false, true, false);
    // A folder where the settings file should be: nothing can be written.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(QDir().mkpath(config + QStringLiteral("/Tervolu/VKSetings.conf")));
    EMPTYSHELLMENU *menu = m_window->mainMenu();
    menu->item(menuid::LogoGoster)->trigger();
    QVERIFY(QDir().rmdir(config + QStringLiteral("/Tervolu/VKSetings.conf")));
    QVERIFY(menu->isChecked(menuid::LogoGoster));
    QVERIFY(session().startupMarks().splash);
    QCOMPARE(m_ui->texts(QStringLiteral("status")).size(), 1);
  }

  // ---- the tip of the day ----

  void tipNumberWraps_data()
  {
    QTest::addColumn<uint>("last");
    QTest::addColumn<int>("nexts");   // presses of "&Sonraki >"
    QTest::addColumn<int>("shown");   // the tip on screen when closed
    QTest::addColumn<QString>("stored");
    QTest::newRow("first start") << 0u << 4 << 5 << " 5";
    QTest::newRow("after 7") << 7u << 0 << 8 << " 8";
    QTest::newRow("after 43") << 43u << 1 << 44 << "44";  // no wrap while paging
    QTest::newRow("after 44") << 44u << 0 << 1 << " 1";
    QTest::newRow("beyond") << 90u << 0 << 1 << " 1";
  }

  void tipNumberWraps()
  {
    QFETCH(uint, last);
    QFETCH(int, nexts);
    QFETCH(int, shown);
    QFETCH(QString, stored);
    makeWindow(true, false, false);
    QString text;
    whenModal([nexts, &text](QWidget *modal) {
      auto *tip = qobject_cast<WTIPOFDAY *>(modal);
      QVERIFY(tip);
      auto *next = tip->findChild<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
      for (QPushButton *b : tip->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Sonraki >"))
          next = b;
      for (int i = 0; i < nexts; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
      text = tip->currentText();
      QTest::keyClick(tip, Qt::Key_Escape);
    });
    ShellApp::tipOfTheDayAtStart(m_window.get(), last, m_ui.get());
    QCOMPARE(text, TipsOfTheDay::texts().at(shown - 1));
    QCOMPARE(setting("VKlatip"), stored);
    QVERIFY(m_window->mainMenu()->isChecked(menuid::TuyoGoster));
  }

  void clearingShowAtStartSwitchesTheOptionOff()
  {
    makeWindow(true, false, false);
    whenModal([this](QWidget *modal) {
      auto *tip = qobject_cast<WTIPOFDAY *>(modal);
      QVERIFY(tip);
      QCOMPARE(tip->windowTitle(), QStringLiteral("Günün Tüyosu"));
      for (QPushButton *b : tip->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Daha fazla bilgi"))
          QTest::mouseClick(b, Qt::LeftButton);
      QCOMPARE(m_ui->shown.size(), 1);
      QCOMPARE(m_ui->shown.at(0).caption, QStringLiteral("Daha Fazla Bilgi"));
      QVERIFY(tip->isVisible());
      QCheckBox *box = tip->findChild<QCheckBox *>();
      QVERIFY(box->isChecked());
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Space);
      QVERIFY(!box->isChecked());
      QTest::keyClick(box, Qt::Key_Escape);
    });
    ShellApp::tipOfTheDayAtStart(m_window.get(), 2, m_ui.get());
    QVERIFY(!m_window->mainMenu()->isChecked(menuid::TuyoGoster));
    QCOMPARE(setting("VKlstrt"), QStringLiteral("0"));
    QCOMPARE(setting("VKlatip"), QStringLiteral(" 3"));
  }

  void moreInfoCitesNothing()
  {
    const QString text = TipsOfTheDay::moreInfoText();
    QVERIFY(!text.contains(QLatin1Char('"')));
    QCOMPARE(TipsOfTheDay::texts().size(), 44);
    QCOMPARE(CREATETIPARRAY().size(), 44);
    QVERIFY(CREATETIPARRAY().at(43).showMore);
  }

  // ---- the start ----

  void logOnAtStart()
  {
    StartupSettings s;
    s.programDir = dir();
    session().setLoggedOnUserId(QString());
    QPointer<SPLASHSCREEN> splash = new SPLASHSCREEN;
    splash->SHOW(0);
    QVERIFY(ShellApp::logOnAtStart(s, *m_ui, splash));  // option off: nobody asked
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(splash && splash->isVisible());

    // The splash stays on top: it goes before the log-on shows.
    s.logOnAtStart = true;
    m_ui->logOnAnswers.enqueue({false, QStringLiteral("DAXU").leftJustified(20)});
    QVERIFY(!ShellApp::logOnAtStart(s, *m_ui, splash));
    QVERIFY(!splash || !splash->isVisible());
    QVERIFY(session().loggedOnUserId().isEmpty());
    QCOMPARE(m_ui->shown.size(), 1);  // cancelled: the program ends asking nothing
    m_ui->logOnAnswers.enqueue({true, QStringLiteral("AHMET").leftJustified(20)});
    QVERIFY(ShellApp::logOnAtStart(s, *m_ui));
    QCOMPARE(session().loggedOnUserId(), QStringLiteral("AHMET").leftJustified(20));
    QCOMPARE(m_ui->texts(QStringLiteral("logon")).size(), 2);
    QCOMPARE(m_ui->shown.at(0).caption, QStringLiteral("Giriş"));

    // Three wrong presses: told before the program ends.
    m_ui->shown.clear();
    m_ui->logOnAnswers.enqueue({false, QString(), true});
    QVERIFY(!ShellApp::logOnAtStart(s, *m_ui));
    QCOMPARE(m_ui->texts(QStringLiteral("error")), QStringList{ShellApp::refusedText()});
  }

  void usersTableAtStart()
  {
    StartupSettings s;
    s.programDir = dir() + QStringLiteral("/yeni");
    QVERIFY(QDir().mkpath(s.programDir));
    ShellApp::checkUsersTable(s, *m_ui);
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(UsersTable(s.programDir).checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok);

    s.programDir = dir() + QStringLiteral("/yok");
    ShellApp::checkUsersTable(s, *m_ui);
    QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), 1);
  }

  // Step 6 alongside the main window: a new table is made on a worker thread,
  // but its messages wait for finish(), and come once; a table to convert is
  // converted at once, before anything else.
  void usersTableAlongside()
  {
    StartupSettings s;
    s.programDir = dir() + QStringLiteral("/yan");
    QVERIFY(QDir().mkpath(s.programDir));
    // A check never finished says nothing; a finished one tells its error
    // once, however often it is finished.
    const auto toldOnceAtFinish = [&] {
      {
        ShellApp::UsersTableCheck unfinished(s, *m_ui);
      }
      QVERIFY(m_ui->shown.isEmpty());
      {
        ShellApp::UsersTableCheck check(s, *m_ui);
        QVERIFY(m_ui->shown.isEmpty());
        check.finish();
        check.finish();
      }
      QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), 1);
      QCOMPARE(m_ui->shown.size(), 1);
    };
    {
      ShellApp::UsersTableCheck check(s, *m_ui);
      check.finish();
      QVERIFY(m_ui->shown.isEmpty());
      QVERIFY(UsersTable(s.programDir).checkLogOn(QStringLiteral("DAXU"), QStringLiteral("MV83")).ok);
    }

    s.programDir = dir() + QStringLiteral("/yok");
    toldOnceAtFinish();
    if (QTest::currentTestFailed())
      return;

    // An existing table is read again at finish(), on this thread: a sound one
    // says nothing, a broken one is told once, and neither before finish().
    m_ui->shown.clear();
    s.programDir = dir() + QStringLiteral("/yan");
    {
      ShellApp::UsersTableCheck again(s, *m_ui);
      again.finish();
    }
    QVERIFY(m_ui->shown.isEmpty());
    s.programDir = dir() + QStringLiteral("/bozuk");
    QVERIFY(QDir().mkpath(s.programDir));
    {
      QFile broken(s.programDir + QStringLiteral("/KULLANICIID.DBF"));
      QVERIFY(broken.open(QIODevice::WriteOnly));
      broken.write("no table here\n");
    }
    toldOnceAtFinish();
    if (QTest::currentTestFailed())
      return;

    m_ui->shown.clear();
    s.programDir = dir() + QStringLiteral("/eski2");
    QVERIFY(QDir().mkpath(s.programDir));
    const QString table = s.programDir + QStringLiteral("/KULLANICIID.DBF");
    QVERIFY(writeLegacyTable(table, {{QStringLiteral("DAXU"), QStringLiteral("MV83")}}));
    ShellApp::UsersTableCheck check(s, *m_ui);
    QVERIFY(!UsersTable(s.programDir).needsConversion());
    check.finish();
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(!fileBytes(table).contains("MV83"));
  }

  // A table of the Windows program: converting it shows its progress; one
  // that cannot be converted is told once, as a warning, and still serves.
  void plainTableAtStart()
  {
    StartupSettings s;
    s.programDir = dir() + QStringLiteral("/eski");
    QVERIFY(QDir().mkpath(s.programDir));
    const QString table = s.programDir + QStringLiteral("/KULLANICIID.DBF");
    QVERIFY(writeLegacyTable(table, {{QStringLiteral("DAXU"), QStringLiteral("MV83")},
                                     {QStringLiteral("AHMET"), QStringLiteral("GIZLI1")},
                                     {QStringLiteral("AYSE"), QStringLiteral("GIZLI2")}}));
    QVERIFY(QFile::setPermissions(table, QFile::ReadOwner));
    ShellApp::checkUsersTable(s, *m_ui);
    QCOMPARE(m_ui->shown.size(), 1);
    QCOMPARE(m_ui->shown.at(0).kind, QStringLiteral("warning"));
    QVERIFY(m_ui->shown.at(0).text.contains(readOnlyFileReason()));
    QVERIFY(UsersTable(s.programDir).checkLogOn(QStringLiteral("AYSE"), QStringLiteral("GIZLI2")).ok);

    QVERIFY(QFile::setPermissions(table, QFile::ReadOwner | QFile::WriteOwner));
    int shownMaximum = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&shownMaximum] {
      for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<QProgressDialog *>(w); p && p->isVisible())
          shownMaximum = p->maximum();
    });
    watch.start(5);
    m_ui->shown.clear();
    ShellApp::checkUsersTable(s, *m_ui);
    QVERIFY(m_ui->shown.isEmpty());
    QCOMPARE(shownMaximum, 3);
    QVERIFY(!fileBytes(table).contains("GIZLI2"));
  }

  void splashStaysOnTopUntilItsTimer()
  {
    QPointer<SPLASHSCREEN> splash = new SPLASHSCREEN;
    // Timers still run during the wait (the splash paints).
    bool ticked = false;
    QTimer::singleShot(100, splash, [&ticked] { ticked = true; });
    QElapsedTimer clock;
    clock.start();
    splash->SHOW(300);
    QVERIFY(ticked);
    QVERIFY(clock.elapsed() >= 290);
    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(splash->timerRunning());
    QVERIFY(splash->windowTitle().isEmpty());
    nothingClipped(splash);
    splash->TIMER();
    QTRY_VERIFY(splash.isNull());
  }
};

QTEST_MAIN(TstUserWindows)
#include "tst_userwindows.moc"
