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
#include <QGuiApplication>
#include <QScreen>

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

void ShellApp::checkUsersTable(const StartupSettings &settings, Interaction &ui)
{
  QString error;
  if (!UsersTable(settings.programDir).ensure(&error))
    ui.errorMessage(error);
}

bool ShellApp::logOnAtStart(const StartupSettings &settings, Interaction &ui)
{
  if (!settings.logOnAtStart)
    return true;
  const LogOnAnswer answer = ui.logOn();
  if (answer.ok)
    AppSession::instance().setLoggedOnUserId(answer.userId);
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

  checkUsersTable(outcome.settings, ui);
  if (outcome.settings.splashAtStart) {
    // It closes and deletes itself when its timer ends, whatever runs then.
    auto *splash = new SPLASHSCREEN;
    splash->SHOW();
  }

  QtFileCommandDialogs dialogs;
  const std::unique_ptr<STANDARDSHELLWINDOW> window =
      buildMainWindow(outcome, ui, dialogs, [&ui, &dialogs](STANDARDSHELLWINDOW *w) {
        ui.setOwner(w);
        dialogs.setOwner(w);
      });
  window->show();
  if (!logOnAtStart(outcome.settings, ui))
    return 0;
  if (outcome.settings.tipAtStart)
    tipOfTheDayAtStart(window.get(), outcome.settings.lastTip);
  return app.exec();
}

} // namespace vz
