#include "shellapp.h"

#include "platform/singlecopy.h"
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

int ShellApp::start(QApplication &app)
{
  // Held until the process ends: the lock is what keeps a second copy out.
  static SingleCopyLock lock;
  ShellInteraction ui;
  const ShellStartup::Outcome outcome = ShellStartup::prepare(ui, lock, app.arguments());
  if (outcome.status != ShellStartup::Status::Run)
    return 1;

  QtFileCommandDialogs dialogs;
  const std::unique_ptr<STANDARDSHELLWINDOW> window =
      buildMainWindow(outcome, ui, dialogs, [&ui, &dialogs](STANDARDSHELLWINDOW *w) {
        ui.setOwner(w);
        dialogs.setOwner(w);
      });
  window->show();
  // The log-on and the tip of the day join here; their options are read and
  // shown as check marks already.
  return app.exec();
}

} // namespace vz
