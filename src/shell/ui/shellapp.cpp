#include "shellapp.h"

#include "platform/singlecopy.h"
#include "problem/appsession.h"
#include "shell/startupsettings.h"
#include "shell/userstable.h"
#include "splashscreen.h"
#include "wtipofday.h"
#include "shellinteraction.h"
#include "qtfilecommanddialogs.h"
#include "standardshellwindow.h"
#include "windowplacement.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace vz {

std::unique_ptr<STANDARDSHELLWINDOW> ShellApp::buildMainWindow(
    const ShellStartup::Outcome &outcome, Interaction &ui, FileCommandDialogs &dialogs,
    const std::function<void(STANDARDSHELLWINDOW *)> &adopt)
{
  auto window = std::make_unique<STANDARDSHELLWINDOW>(ui, dialogs, outcome.settings);
  if (adopt)
    adopt(window.get());
  if (!outcome.problemFile.isEmpty())
    window->DOOPENFILE(outcome.problemFile);
  if (QScreen *screen = QGuiApplication::primaryScreen()) {
    const QSize available = screen->availableGeometry().size();
    window->resize(available.width() * 4 / 5, available.height() * 4 / 5);
  }
  JQMOVEWINDOW(window.get(), 3);
  return window;
}

UsersTable::State ShellApp::ensureUsersTable(const QString &programDir, QString *message)
{
  // Converting a table of the Windows program hashes every password, a third
  // of a second each: it runs on its own thread, with a progress window once
  // there is more than one to hash.
  const UsersTable table(programDir);
  if (!table.needsConversion())
    return table.ensure(message);
  QObject window;
  std::unique_ptr<QProgressDialog> progress;
  const auto report = [&window, &progress](int done, int total) {
    QMetaObject::invokeMethod(&window, [&progress, done, total] {
      if (total < 2)
        return;
      if (!progress) {
        progress = std::make_unique<QProgressDialog>();
        progress->setWindowTitle(QStringLiteral("Vesk_Zyr 2.0"));
        progress->setCancelButton(nullptr);
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setMinimumDuration(0);
        progress->setRange(0, total);
        progress->setAccessibleName(QStringLiteral("Kullanıcı tablosu çevriliyor"));
      }
      progress->setLabelText(QStringLiteral("Kullanıcı tablosu yeni biçime çevriliyor:\n"
                                            "%1 / %2 parola şifrelendi.").arg(done).arg(total));
      progress->setValue(done);
    }, Qt::QueuedConnection);
  };
  UsersTable::State state = UsersTable::State::Unusable;
  QEventLoop wait;
  QThread *worker = QThread::create([&] { state = table.ensure(message, report); });
  QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
  worker->start();
  wait.exec();
  worker->wait();
  delete worker;
  return state;
}

namespace {

void tellUsersTable(UsersTable::State state, const QString &message, Interaction &ui)
{
  switch (state) {
  case UsersTable::State::Ready: break;
  case UsersTable::State::NotConverted: ui.warning(message); break;
  case UsersTable::State::Unusable: ui.errorMessage(message); break;
  }
}

} // namespace

void ShellApp::checkUsersTable(const StartupSettings &settings, Interaction &ui)
{
  QString message;
  const UsersTable::State state = ensureUsersTable(settings.programDir, &message);
  tellUsersTable(state, message, ui);
}

ShellApp::UsersTableCheck::UsersTableCheck(const StartupSettings &settings, Interaction &ui) : m_ui(ui)
{
  const UsersTable table(settings.programDir);
  if (table.needsConversion()) {
    checkUsersTable(settings, ui);
    return;
  }
  // Only a first start has a table to write, worth a thread of its own while
  // the window is built; an existing table is read again in finish(), in less
  // time than a thread takes to start.
  const auto policy = QFileInfo::exists(table.path()) ? std::launch::deferred : std::launch::async;
  m_pending = std::async(policy, [dir = settings.programDir] {
    Outcome out;
    out.state = UsersTable(dir).ensure(&out.message);
    return out;
  });
}

ShellApp::UsersTableCheck::~UsersTableCheck()
{
  // A start that ends before finish() still lets the table's writing end;
  // a table only to be read again is left unread.
  if (m_pending.valid() && m_pending.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
    m_pending.wait();
}

void ShellApp::UsersTableCheck::finish()
{
  if (!m_pending.valid())
    return;
  const Outcome out = m_pending.get();
  tellUsersTable(out.state, out.message, m_ui);
}

QString ShellApp::refusedText()
{
  return QStringLiteral("Geçersiz giriş teşebbüsü!\n\nÜç deneme de geçersiz olduğu için Vesk_Zyr 2.0 kapanıyor.");
}

bool ShellApp::logOnAtStart(const StartupSettings &settings, Interaction &ui, QWidget *splash)
{
  if (!settings.logOnAtStart)
    return true;
  if (splash)
    splash->close();
  const LogOnAnswer answer = ui.logOn();
  if (answer.ok)
    AppSession::instance().setLoggedOnUserId(answer.userId);
  else if (answer.refused)
    ui.errorMessage(refusedText());
  return answer.ok;
}

void ShellApp::tipOfTheDayAtStart(STANDARDSHELLWINDOW *window, unsigned lastTip, Interaction *messages)
{
  WTIPOFDAY tip(window, messages);
  tip.setTIP(CREATETIPARRAY());
  tip.setSHOWONSTARTUP(true);
  tip.setLASTTIP(int(std::min(lastTip, 1000u)));
  tip.SHOW();
  if (!tip.SHOWONSTARTUP() && AppSession::instance().startupMarks().tip)
    window->TUYOGOSTER();
  if (!LASTTIPCONT(unsigned(tip.LASTTIP())))
    window->interaction().statusMessage(QStringLiteral("Son gösterilen tüyo numarası kaydedilemedi."));
}

int ShellApp::start(QApplication &app)
{
  // Held until the process ends: the lock is what keeps a second copy out.
  static SingleCopyLock lock;
  ShellStartup::loadQtTranslation();
  ShellInteraction ui;
  const ShellStartup::Outcome outcome = ShellStartup::prepare(ui, lock, app.arguments());
  if (outcome.status != ShellStartup::Status::Run)
    return 1;

  UsersTableCheck usersTable(outcome.settings, ui);
  QPointer<SPLASHSCREEN> splash;
  if (outcome.settings.splashAtStart) {
    usersTable.finish();
    // It closes and deletes itself when its timer ends, whatever runs then.
    splash = new SPLASHSCREEN;
    splash->SHOW();
  }

  QtFileCommandDialogs dialogs;
  const std::unique_ptr<STANDARDSHELLWINDOW> window =
      buildMainWindow(outcome, ui, dialogs, [&ui, &dialogs, &usersTable](STANDARDSHELLWINDOW *w) {
        // Its messages come first and have no owner; the problem file's follow.
        usersTable.finish();
        ui.setOwner(w);
        dialogs.setOwner(w);
      });
  window->show();
  if (qEnvironmentVariableIsSet("VZ_BENCH_QUIT_WHEN_SHOWN")) {
    // For the start-up bench only: the time and memory up to the first shown
    // main window, set against those of a bare Qt window.
    // exit, not quit: quit would close the window and ask "Çıkış".
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
  }
  if (!logOnAtStart(outcome.settings, ui, splash))
    return 0;
  if (outcome.settings.tipAtStart)
    tipOfTheDayAtStart(window.get(), outcome.settings.lastTip);
  return app.exec();
}

} // namespace vz
