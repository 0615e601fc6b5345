#include "standardshellwindow.h"

#include "controls/windowicons.h"
#include "editing/referencecommands.h"
#include "editing/referencemaintenance.h"
#include "editing/referencematrix.h"
#include "editing/ui/bm_man_win.h"
#include "editing/ui/jqfolderdialogwindow.h"
#include "editing/ui/stddatawindow.h"
#include "editing/ui/entrywindows.h"
#include "editing/ui/mdiplacement.h"
#include "editing/ui/kw_manwin.h"
#include "emptyshellmenu.h"
#include "helpwindow.h"
#include "problem/appsession.h"
#include "optimizer/vzyroptimizer.h"
#include "problem/interaction.h"
#include "problem/problemfile.h"
#include "reporteditor.h"
#include "reporteditormenu.h"
#include "padwin.h"
#include "reportwindowhook.h"
#include "shell/helptopics.h"
#include "shell/jqmovewindow.h"
#include "shell/menuenabling.h"
#include "shell/menuids.h"
#include "shell/problemfilecommands.h"
#include "shell/activematrixreport.h"
#include "shell/referencereports.h"
#include "shell/requirementcommands.h"
#include "shell/startupsettings.h"
#include "newpassworddialog.h"
#include "requirements/dairy/ui/dairyrun.h"
#include "requirements/beef/ui/beefestimatecommand.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

namespace vz {

namespace {

// True when `object` has a method of that name taking no arguments.
bool hasEventMethod(const QObject *object, const QByteArray &event)
{
  if (!object || event.isEmpty())
    return false;
  return object->metaObject()->indexOfMethod(QByteArray(event + "()").constData()) >= 0;
}

bool invokeEvent(QObject *object, const QByteArray &event)
{
  if (!hasEventMethod(object, event))
    return false;
  const QMetaObject *meta = object->metaObject();
  const QMetaMethod method = meta->method(meta->indexOfMethod(QByteArray(event + "()").constData()));
  return method.invoke(object, Qt::DirectConnection);
}

} // namespace

STANDARDSHELLWINDOW::STANDARDSHELLWINDOW(Interaction &ui, FileCommandDialogs &dialogs,
                                         const StartupSettings &settings, QWidget *parent)
    : QMainWindow(parent), m_ui(ui), m_dialogs(dialogs)
{
  setObjectName(QStringLiteral("STANDARDSHELLWINDOW"));
  ProblemFileCommands::Hooks hooks;
  hooks.problemChanged = [this] { MI_ENADISABLE(); };
  hooks.setCaption = [this](const QString &caption) { setWindowTitle(caption); };
  hooks.closeProblemWindows = [this] { return closeProblemWindows(); };
  m_files = std::make_unique<ProblemFileCommands>(AppSession::instance(), ui, dialogs, std::move(hooks));

  m_mdi = new QMdiArea(this);
  m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdi);
  connect(m_mdi, &QMdiArea::subWindowActivated, this, &STANDARDSHELLWINDOW::childActivated);

  setAcceptDrops(true);

  m_clock = new QLabel(this);
  m_clock->setAccessibleName(QStringLiteral("Saat"));
  statusBar()->addPermanentWidget(m_clock);
  auto *tick = new QTimer(this);
  const auto showTime = [this] { m_clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); };
  connect(tick, &QTimer::timeout, this, showTime);
  showTime();
  tick->start(1000);

  m_menu = new EMPTYSHELLMENU(this);
  connect(m_menu, &EMPTYSHELLMENU::commandChosen, this, [this](const QByteArray &event) { routeEvent(event); });
  addToolBar(Qt::TopToolBarArea, m_menu->toolBar());
  showMenus(m_menu->menus());

  auto *editor = new ReportEditor(this, m_mdi, ui, nullptr, this);
  connect(editor, &ReportEditor::returnedToMain, this, &STANDARDSHELLWINDOW::restoreMainMenu);
  connect(editor, &ReportEditor::mainWindowCommand, this,
          [this](const QByteArray &event) { invokeEvent(this, event); });
  connect(editor, &ReportEditor::helpTopicRequested, this, &STANDARDSHELLWINDOW::showHelpTopic);
  m_reportHook = editor;

  setWindowIcons(this, VSKMAIN());
  setWindowTitle(ProblemFileCommands::defaultCaption());
  POSTINIT(settings);
}

STANDARDSHELLWINDOW::~STANDARDSHELLWINDOW()
{
  // The workspace outlives the menu bar while the window is taken apart.
  disconnect(m_mdi, nullptr, this, nullptr);
}

void STANDARDSHELLWINDOW::POSTINIT(const StartupSettings &settings)
{
  using namespace menuid;
  AppSession::instance().setStartupMarks({settings.tipAtStart, settings.splashAtStart, settings.logOnAtStart});
  if (settings.tipAtStart)
    m_menu->item(TuyoGoster)->setChecked(true);
  if (settings.splashAtStart)
    m_menu->item(LogoGoster)->setChecked(true);
  if (settings.logOnAtStart) {
    m_menu->item(AdVeParolaSor)->setChecked(true);
  } else {
    m_menu->enableItem(YeniKullaniciEkle, false);
    m_menu->enableItem(AdVeParolaDegistir, false);
  }
}

bool STANDARDSHELLWINDOW::routeEvent(const QByteArray &event)
{
  if (QMdiSubWindow *active = m_mdi->activeSubWindow()) {
    if (invokeEvent(active->widget(), event))
      return true;
  }
  if (invokeEvent(this, event))
    return true;
  if (invokeEvent(m_reportHook, event))
    return true;
  // Commands still to come (the reference matrix) reach no one yet.
  return false;
}

QMdiSubWindow *STANDARDSHELLWINDOW::showChildWindow(QWidget *child)
{
  QMdiSubWindow *window = m_mdi->addSubWindow(child);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->resize(m_mdi->viewport()->size());
  window->move(jqMoveWindowPosition(m_mdi->viewport()->size(), window->size(), 1));
  window->showNormal();
  return window;
}

bool STANDARDSHELLWINDOW::isReportWindow(QMdiSubWindow *window) const
{
  return window->property("vzReportWindow").toBool()
         || (window->widget() && window->widget()->property("vzReportWindow").toBool());
}

bool STANDARDSHELLWINDOW::closeProblemWindows()
{
  for (QMdiSubWindow *window : m_mdi->subWindowList()) {
    if (isReportWindow(window))
      continue;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->close())
      return false;
  }
  return true;
}

bool STANDARDSHELLWINDOW::closeProblemWindowsFor(int item)
{
  // The windows' copies decide whether the command still applies: the menu's
  // rule is asked again once they are back in the problem.
  if (!closeProblemWindows())
    return false;
  MI_ENADISABLE();
  return AppSession::instance().isProblemOpen() && m_menu->item(item) && m_menu->item(item)->isEnabled();
}

void STANDARDSHELLWINDOW::showMenus(const QList<QMenu *> &menus)
{
  QMenuBar *bar = menuBar();
  for (QAction *action : bar->actions())
    bar->removeAction(action);
  for (QMenu *menu : menus)
    bar->addMenu(menu);
}

void STANDARDSHELLWINDOW::restoreMainMenu()
{
  showLiveMenu();
  MI_ENADISABLE();
}

void STANDARDSHELLWINDOW::routeChildMenu(QMenu *menu)
{
  for (QAction *action : menu->actions()) {
    if (action->menu()) {
      routeChildMenu(action->menu());
      continue;
    }
    const QByteArray event = EMPTYSHELLMENU::eventName(action);
    if (event.isEmpty() || action->property("vzRouted").toBool())
      continue;
    action->setProperty("vzRouted", true);
    connect(action, &QAction::triggered, this, [this, event] { routeEvent(event); });
  }
}

void STANDARDSHELLWINDOW::childActivated(QMdiSubWindow *)
{
  showLiveMenu();
}

QMenuBar *STANDARDSHELLWINDOW::ownMenuBar(QMdiSubWindow *window)
{
  if (!window)
    return nullptr;
  auto *childMain = qobject_cast<QMainWindow *>(window->widget());
  return childMain ? qobject_cast<QMenuBar *>(childMain->menuWidget()) : nullptr;
}

void STANDARDSHELLWINDOW::showLiveMenu()
{
  // The one place that decides which keys are live. A window-wide key stays
  // live while its action shows in a visible menu bar or tool bar of this
  // window, so exactly one menu and one tool bar may show at a time: the
  // active child's own (its keys are bound to the child, the tool bar is
  // inside it), else the report editor's while it has report windows, else
  // the main menu's.
  if (m_closing)
    return;
  // Each frame's "Close" (Ctrl+F4) is bound window-wide by Qt: with two
  // child windows the key would be bound twice. It belongs to the frame
  // holding the focus.
  for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
    if (QMenu *system = sub->systemMenu()) {
      for (QAction *action : system->actions())
        if (!action->shortcut().isEmpty())
          action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
  }
  QMdiSubWindow *active = m_mdi->activeSubWindow();
  QMenuBar *childBar = ownMenuBar(active);
  QList<QMenu *> menus;
  QToolBar *liveBar = nullptr;
  if (childBar) {
    childBar->hide();
    for (QAction *action : childBar->actions()) {
      if (QMenu *menu = action->menu()) {
        routeChildMenu(menu);
        menus.append(menu);
      }
    }
    m_menuChild = active;
  } else {
    m_menuChild.clear();
    menus = m_reportHook ? m_reportHook->reportMenus() : QList<QMenu *>();
    if (!menus.isEmpty()) {
      liveBar = m_reportHook->reportToolBar();
    } else {
      menus = m_menu->menus();
      liveBar = m_menu->toolBar();
    }
  }
  QList<QToolBar *> bars{m_menu->toolBar()};
  if (m_reportHook && m_reportHook->reportToolBar())
    bars.append(m_reportHook->reportToolBar());
  for (QToolBar *bar : bars) {
    if (bar != liveBar)
      bar->hide();
  }
  if (liveBar) {
    if (toolBarArea(liveBar) == Qt::NoToolBarArea)
      addToolBar(Qt::TopToolBarArea, liveBar);
    liveBar->show();
  }
  QList<QMenu *> shown;
  for (QAction *action : menuBar()->actions())
    if (action->menu())
      shown.append(action->menu());
  if (shown != menus)
    showMenus(menus);
}

void STANDARDSHELLWINDOW::setReportWindowHook(ReportWindowHook *hook)
{
  if (!hook || hook == m_reportHook)
    return;
  delete m_reportHook;
  m_reportHook = hook;
  hook->setParent(this);
}

// ---- problem file commands ----

bool STANDARDSHELLWINDOW::DOOPENFILE(const QString &fileName)
{
  return m_files->doOpenFile(fileName);
}

void STANDARDSHELLWINDOW::YENIDOSYAGIR()
{
  m_files->newFile();
}

bool STANDARDSHELLWINDOW::FILEOPEN()
{
  m_files->fileOpen();
  return true;
}

void STANDARDSHELLWINDOW::FILECLOSE()
{
  m_files->fileClose();
}

void STANDARDSHELLWINDOW::KAYDET()
{
  if (closeProblemWindows())
    m_files->save();
}

bool STANDARDSHELLWINDOW::FKAYDET()
{
  return m_files->saveAs();
}

void STANDARDSHELLWINDOW::FILEEXIT()
{
  close();
}

bool STANDARDSHELLWINDOW::QUERYCLOSE()
{
  if (!m_ui.askYesNo(QStringLiteral("Vesk_Zyr 2.0'dan çıkmak istediğinizden emin misiniz?"),
                     QStringLiteral("Çıkış")))
    return false;
  if (m_reportHook && !m_reportHook->queryClose())
    return false;
  if (!closeProblemWindows())
    return false;
  return m_files->closeForExit();
}

void STANDARDSHELLWINDOW::closeEvent(QCloseEvent *event)
{
  if (m_closing || QUERYCLOSE()) {
    m_closing = true;
    if (m_help)
      m_help->close();
    event->accept();
  } else {
    event->ignore();
  }
}

void STANDARDSHELLWINDOW::MI_ENADISABLE()
{
  AppSession &session = AppSession::instance();
  const bool open = session.isProblemOpen();
  const QMap<int, bool> state = MenuEnabling::compute(session.problem(), open);
  for (auto it = state.cbegin(); it != state.cend(); ++it)
    m_menu->enableItem(it.key(), it.value());
  if (!open) {
    setWindowTitle(ProblemFileCommands::defaultCaption());
    session.problem().reset();
  }
}

// ---- child windows ----

void STANDARDSHELLWINDOW::openEntryWindow(EntryKind kind)
{
  // The window copies its table when it opens: only an open problem has one.
  if (!AppSession::instance().isProblemOpen())
    return;
  EntryWindows::open(kind, m_mdi, AppSession::instance().problem(), &m_ui, [this] { MI_ENADISABLE(); });
}

void STANDARDSHELLWINDOW::BM_GIRIS() { openEntryWindow(EntryKind::Nutrients); }
void STANDARDSHELLWINDOW::YM_GIRIS() { openEntryWindow(EntryKind::Feeds); }
void STANDARDSHELLWINDOW::AMAT_GIRIS() { openEntryWindow(EntryKind::Matrix); }
void STANDARDSHELLWINDOW::BMO_GIRIS() { openEntryWindow(EntryKind::Ratios); }

void STANDARDSHELLWINDOW::KW_MANUEL_COZUM()
{
  // The manual ration window works on the whole problem: no other window may
  // hold a copy of a table meanwhile.
  if (closeProblemWindowsFor(menuid::Manuel))
    KW_MANWIN::open(m_mdi, AppSession::instance().problem(), &m_ui);
}

void STANDARDSHELLWINDOW::KW_OPT_COZUM()
{
  AppSession &session = AppSession::instance();
  // The optimiser reads the whole problem: every table an editing window holds
  // must be back in it first.
  if (!closeProblemWindowsFor(menuid::Optimal) || !session.problemFile())
    return;
  {
    PleaseWait wait(m_ui);
    VZYR_OPTIMIZER optimizer(session.problem(), session.problemFile()->path(), m_ui,
                             [&session](const QString &report) { session.setCurrentReportFile(report); });
    optimizer.DESTROY_OLDS();
  }
  MI_ENADISABLE();
}

void STANDARDSHELLWINDOW::NRESTOFDC1()
{
  RequirementCommands::Hooks hooks{[this] { return closeProblemWindows(); }, [this] { MI_ENADISABLE(); }};
  RequirementCommands::estimateRows(AppSession::instance(), m_ui,
                                    [this](int mode) { return runDairyEstimate(this, m_ui, mode); }, hooks);
}

void STANDARDSHELLWINDOW::NRESTOFBC1()
{
  RequirementCommands::Hooks hooks{[this] { return closeProblemWindows(); }, [this] { MI_ENADISABLE(); }};
  RequirementCommands::estimateRows(AppSession::instance(), m_ui,
                                    [this](int mode) { return beef::runBeefEstimate(this, m_ui, mode); }, hooks);
}

void STANDARDSHELLWINDOW::NRESTOFDC2()
{
  RequirementCommands::estimateReport(m_ui, [this](int mode) { return runDairyEstimate(this, m_ui, mode); });
}

void STANDARDSHELLWINDOW::NRESTOFBC2()
{
  RequirementCommands::estimateReport(m_ui, [this](int mode) { return beef::runBeefEstimate(this, m_ui, mode); });
}

void STANDARDSHELLWINDOW::AMATREPORT()
{
  // The report prints the whole matrix: the editing windows' copies go back first.
  if (!closeProblemWindowsFor(menuid::AktifMatris))
    return;
  ActiveMatrixReport::AMATREPORT(AppSession::instance(), m_ui);
}

namespace {

using ReferenceCommand = bool (*)(const QString &, RationProblem &, Interaction &);

// The editing windows hold copies of the tables these commands change: they
// go back (and close) first. The menu is recomputed whatever the command did.
void runReferenceCommand(STANDARDSHELLWINDOW *window, Interaction &ui, ReferenceCommand command)
{
  AppSession &session = AppSession::instance();
  if (session.isProblemOpen() && window->closeProblemWindows())
    command(session.programDir(), session.problem(), ui);
  window->MI_ENADISABLE();
}

} // namespace

void STANDARDSHELLWINDOW::AMAT_OLUSTUR() { runReferenceCommand(this, m_ui, &refcommands::AMAT_OLUSTUR_GR); }
void STANDARDSHELLWINDOW::AMAT_YMEKLE() { runReferenceCommand(this, m_ui, &refcommands::AMAT_YMEKLE_GR); }
void STANDARDSHELLWINDOW::AMAT_BMEKLE() { runReferenceCommand(this, m_ui, &refcommands::AMAT_BMEKLE_GR); }

void STANDARDSHELLWINDOW::HMFIATLIST()
{
  ReferenceReports::HMFIATLIST(AppSession::instance(), m_ui);
}

void STANDARDSHELLWINDOW::KMMREPORT()
{
  ReferenceReports::KMMREPORT(AppSession::instance(), m_ui);
}

void STANDARDSHELLWINDOW::RM_YAZIM()
{
  if (!refmaint::logOnGranted(m_ui))
    return;
  const QString path = refmaint::ensureReferenceMatrix(AppSession::instance().programDir(), m_ui);
  if (!path.isEmpty())
    STDDATAWINDOW::open(m_mdi, path, &m_ui);
}

void STANDARDSHELLWINDOW::RM_BMEKLESIL()
{
  if (!refmaint::logOnGranted(m_ui))
    return;
  const QString path = refmaint::ensureReferenceMatrix(AppSession::instance().programDir(), m_ui);
  if (path.isEmpty())
    return;
  // The window's copy would be written over the changed columns at its "Evet".
  if (STDDATAWINDOW *open = STDDATAWINDOW::find(m_mdi)) {
    m_ui.information(QStringLiteral("Referans matris yazım penceresi açıkken besin maddesi eklenemez ya da "
                                    "silinemez.\n\nÖnce pencereyi kapatınız."),
                     QStringLiteral("Bilgi..."));
    if (auto *sub = qobject_cast<QMdiSubWindow *>(open->parentWidget()))
      m_mdi->setActiveSubWindow(sub);
    return;
  }
  BM_MAN_WIN dialog(this, path, m_ui);
  dialog.exec();
}

void STANDARDSHELLWINDOW::RM_YEDEKLE()
{
  if (!refmaint::logOnGranted(m_ui))
    return;
  JQFOLDERDIALOGWINDOW dialog(this, QString::fromLatin1(refmatrix::FileName));
  dialog.exec();
  refmaint::backUp(AppSession::instance().programDir(), dialog.SFFTXTVAL, m_ui);
}

void STANDARDSHELLWINDOW::REPORTPAD()
{
  if (m_reportHook)
    m_reportHook->reportPad();
  showLiveMenu();
}

void STANDARDSHELLWINDOW::WINDOWCASCADE() { cascadeUsable(m_mdi); }
void STANDARDSHELLWINDOW::WINDOWTILE() { m_mdi->tileSubWindows(); }

void STANDARDSHELLWINDOW::WINDOWICON()
{
  // Minimised windows line up along the bottom of the workspace.
  const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
  int x = 0;
  for (QMdiSubWindow *w : windows) {
    if (!w->isMinimized())
      continue;
    w->move(x, m_mdi->viewport()->height() - w->height());
    x += w->width();
  }
}

// ---- help and about ----

void STANDARDSHELLWINDOW::HELPOPEN()
{
  // Made on the first help asked for, not with the main window: its pictures
  // and page browser are a seventh of a start's work, for a window many
  // sessions never open.
  if (!m_help)
    m_help = new HelpWindow(this);
}

void STANDARDSHELLWINDOW::showHelpTopic(const QString &topic)
{
  HELPOPEN();
  m_help->showTopic(topic);
}

void STANDARDSHELLWINDOW::HELPINDEX() { showHelpTopic(QStringLiteral("HelpIndex")); }
void STANDARDSHELLWINDOW::HELPCONTENTS() { showHelpTopic(QStringLiteral("HelpContents")); }
void STANDARDSHELLWINDOW::HELPUSINGHELP() { showHelpTopic(HelpTopics::helpOnHelpTopic()); }

void STANDARDSHELLWINDOW::KWHAKKINDA()
{
  m_ui.showAbout();
}

// ---- start-up options and users ----

void STANDARDSHELLWINDOW::toggleStartupOption(int id, bool AppSession::StartupMarks::*mark,
                                              bool (*writer)(bool, QString *))
{
  AppSession &session = AppSession::instance();
  AppSession::StartupMarks marks = session.startupMarks();
  const bool on = !(marks.*mark);
  QString why;
  if (writer(on, &why)) {
    marks.*mark = on;
    session.setStartupMarks(marks);
  } else if (why.isEmpty()) {
    m_ui.statusMessage(QStringLiteral("Başlangıç ayarı kaydedilemedi; seçenek değişmedi."));
  } else {
    m_ui.statusMessage(QStringLiteral("Başlangıç ayarı kaydedilemedi (%1); seçenek değişmedi.").arg(why));
  }
  // The menu has flipped a checkable item already: it shows what is stored.
  m_menu->item(id)->setChecked(marks.*mark);
}

void STANDARDSHELLWINDOW::TUYOGOSTER()
{
  toggleStartupOption(menuid::TuyoGoster, &AppSession::StartupMarks::tip, STARTUPTIPCONT);
}

void STANDARDSHELLWINDOW::LOGOGOSTER()
{
  toggleStartupOption(menuid::LogoGoster, &AppSession::StartupMarks::splash, STARTLOGOSHOWCONT);
}

void STANDARDSHELLWINDOW::ADPAROLASOR()
{
  toggleStartupOption(menuid::AdVeParolaSor, &AppSession::StartupMarks::logOn, STARTLOGONCONT);
}

void STANDARDSHELLWINDOW::ADDNEWUSER()
{
  NEWPASSWORDDIALOG dialog(this, QStringLiteral("Yeni Kullanıcı Ekle"), true, &m_ui);
  dialog.exec();
}

void STANDARDSHELLWINDOW::CHANGEUANDP()
{
  NEWPASSWORDDIALOG dialog(this, QStringLiteral("Ad ve Parola Değiştir"), false, &m_ui);
  dialog.exec();
}

// ---- dropped files ----

void STANDARDSHELLWINDOW::dragEnterEvent(QDragEnterEvent *event)
{
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

void STANDARDSHELLWINDOW::dropEvent(QDropEvent *event)
{
  QStringList paths;
  for (const QUrl &url : event->mimeData()->urls()) {
    if (url.isLocalFile())
      paths.append(url.toLocalFile());
  }
  if (paths.isEmpty())
    return;
  event->acceptProposedAction();
  m_reportHook->dropFiles(paths);
}

} // namespace vz
