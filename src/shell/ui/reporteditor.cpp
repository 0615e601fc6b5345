#include "reporteditor.h"

#include "controls/windowicons.h"
#include "padwin.h"
#include "printmodule.h"
#include "problem/appsession.h"
#include "reporteditordialogs.h"
#include "reporteditormenu.h"
#include "reporteditorqtdialogs.h"
#include "editing/calculatorlauncher.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QToolBar>

namespace vz {

ReportEditor::ReportEditor(QMainWindow *mainWindow, QMdiArea *area, Interaction &ui,
                           ReportEditorDialogs *dialogs, QObject *parent)
    : ReportWindowHook(parent), m_mainWindow(mainWindow), m_area(area), m_ui(ui),
      m_dialogs(dialogs)
{
  if (!m_dialogs) {
    m_ownDialogs = std::make_unique<ReportEditorQtDialogs>();
    m_dialogs = m_ownDialogs.get();
  }
}

QPrinter *ReportEditor::printer()
{
  if (!m_printer) {
    QString why;
    const PrintEntries *print = printModule(&why);
    if (!print) {
      m_ui.errorMessage(QStringLiteral("Yazdırma modülü açılamadı; yazdırılamıyor.\n\n%1").arg(why),
                        QStringLiteral("Yazdırma Hatası"));
      return nullptr;
    }
    m_printer.reset(print->newPrinter());
  }
  return m_printer.get();
}

ReportEditor::~ReportEditor()
{
  // Windows that outlive the editor must not call back into it.
  for (PADWIN *pad : windows())
    disconnect(pad, nullptr, this, nullptr);
}

QList<PADWIN *> ReportEditor::windows() const
{
  QList<PADWIN *> list;
  for (QObject *o : m_state.windows())
    list.append(static_cast<PADWIN *>(o));
  return list;
}

PADWIN *ReportEditor::activeWindow() const
{
  if (!m_area)
    return nullptr;
  QMdiSubWindow *sub = m_area->currentSubWindow();
  if (!sub)
    sub = m_area->activeSubWindow();
  return sub ? qobject_cast<PADWIN *>(sub->widget()) : nullptr;
}

QMdiSubWindow *ReportEditor::subWindowOf(PADWIN *pad) const
{
  for (QWidget *w = pad ? pad->parentWidget() : nullptr; w; w = w->parentWidget())
    if (auto *sub = qobject_cast<QMdiSubWindow *>(w))
      return sub;
  return nullptr;
}

void ReportEditor::enterReportMode()
{
  if (m_menu || !m_mainWindow)
    return;
  m_menu = new STANDARDPADMENU(m_mainWindow);
  connect(m_menu, &STANDARDPADMENU::commandChosen, this, &ReportEditor::runCommand);
  QMenuBar *bar = m_mainWindow->menuBar();
  bar->clear();
  for (QMenu *m : m_menu->menus())
    bar->addMenu(m);
  m_hiddenToolBars.clear();
  for (QToolBar *t : m_mainWindow->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)) {
    if (t->isVisibleTo(m_mainWindow) && t != m_menu->toolBar()) {
      t->hide();
      m_hiddenToolBars.append(t);
    }
  }
  m_mainWindow->addToolBar(m_menu->toolBar());
  m_menu->toolBar()->show();
  // The main menu's accelerators sit on the main window itself; while the
  // editor's menu is shown its own keys (F1-F4, Ctrl+X...) must be the only ones.
  m_takenActions.clear();
  for (QAction *a : m_mainWindow->actions()) {
    m_takenActions.append(a);
    m_mainWindow->removeAction(a);
  }
}

void ReportEditor::RETURNTOMAIN()
{
  if (m_menu && m_mainWindow) {
    m_mainWindow->menuBar()->clear();
    m_mainWindow->removeToolBar(m_menu->toolBar());
    m_menu->toolBar()->hide();
  }
  // Often reached from one of the menu's own items or buttons: it goes once
  // that click is over.
  if (m_menu)
    m_menu->deleteLater();
  m_menu = nullptr;
  for (const QPointer<QToolBar> &t : std::as_const(m_hiddenToolBars))
    if (t)
      t->show();
  m_hiddenToolBars.clear();
  if (m_mainWindow) {
    for (const QPointer<QAction> &a : std::as_const(m_takenActions))
      if (a)
        m_mainWindow->addAction(a);
  }
  m_takenActions.clear();
  m_state.reset();
  emit returnedToMain();
}

void ReportEditor::reportPad()
{
  openCurrentReport(AppSession::instance().currentReportFile());
}

void ReportEditor::openCurrentReport(const QString &path)
{
  enterReportMode();
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    newWindow();
    return;
  }
  if (PADWIN *open = findWindow(path)) {
    bringForward(open);
    return;
  }
  newEditWindow(path);
}

PADWIN *ReportEditor::newWindow()
{
  const QString name = m_state.nextUntitledName();
  if (m_state.isFull()) {
    m_ui.information(QStringLiteral("Dinamik hafızayı zorluyorsunuz..."), QStringLiteral("Uyarı..."));
    return nullptr;
  }
  return newEditWindow(name);
}

void ReportEditor::RE_FILEOPEN()
{
  const QString name =
      m_dialogs->openReportFile(m_mainWindow, AppSession::instance().dataDir());
  for (PADWIN *pad : windows()) {
    if (!name.isEmpty() && ReportEditorState::sameFile(pad->CFNAME(), name)) {
      m_ui.information(QStringLiteral("Bu dosya şu anda açık..."), QStringLiteral("Uyarı..."));
      return;
    }
  }
  if (!name.isEmpty())
    openFile(name);
}

PADWIN *ReportEditor::openFile(const QString &path)
{
  if (!ReportEditorState::isReportFileName(path)) {
    m_ui.errorMessage(path + QStringLiteral(" bir Tarnik rapor dosyası değil..."));
    return nullptr;
  }
  if (m_state.isFull()) {
    m_ui.information(QStringLiteral("Dinamik hafızayı zorluyorsunuz..."), QStringLiteral("Uyarı..."));
    return nullptr;
  }
  return newEditWindow(path);
}

void ReportEditor::dropFiles(const QStringList &paths)
{
  for (const QString &path : paths) {
    if (!QFileInfo(path).isFile())
      continue;
    if (PADWIN *open = findWindow(path))
      bringForward(open);
    else
      openFile(path);
  }
}

PADWIN *ReportEditor::findWindow(const QString &path) const
{
  for (PADWIN *pad : windows())
    if (!ReportEditorState::isUntitled(pad->CFNAME()) && ReportEditorState::sameFile(pad->CFNAME(), path))
      return pad;
  return nullptr;
}

void ReportEditor::bringForward(PADWIN *pad)
{
  if (QMdiSubWindow *sub = subWindowOf(pad))
    m_area->setActiveSubWindow(sub);
  // The file may have been written again since (the optimiser rewrites its
  // report): show it as it is now, unless that would drop the user's edits.
  if (pad->LCHANGE()
      && !m_ui.askYesNoDefaultNo(pad->CFNAME()
                            + QStringLiteral(" Dosyasındaki metin değişmiş.\n\nDeğişiklikler bırakılıp "
                                             "dosya diskten yeniden yüklensin mi?"),
                        QStringLiteral("Uyarı..."))) {
    return;
  }
  // Loaded into a scratch window first, so a file that cannot be read now
  // leaves the text on screen as it was.
  PADWIN probe(m_ui, *m_dialogs, [this] { return printer(); });
  probe.setCFNAME(pad->CFNAME());
  QString error;
  if (!probe.load(&error)) {
    m_ui.errorMessage(pad->CFNAME() + QStringLiteral(" dosyası açılamıyor..."),
                      QStringLiteral("Dosya Açma Hatası"));
    return;
  }
  pad->load();
  if (m_menu)
    m_menu->enableItem(STANDARDPADMENU::SaveItem, false);
}

PADWIN *ReportEditor::newEditWindow(const QString &name)
{
  if (!m_area)
    return nullptr;
  auto *pad = new PADWIN(m_ui, *m_dialogs, [this] { return printer(); });
  pad->setCFNAME(name);
  QString error;
  if (!pad->load(&error)) {
    delete pad;
    m_ui.errorMessage(name + QStringLiteral(" dosyası açılamıyor..."), QStringLiteral("Dosya Açma Hatası"));
    if (m_state.count() == 0)
      RETURNTOMAIN();
    return nullptr;
  }
  m_state.add(pad);
  connect(pad, &PADWIN::edited, this, [this] {
    if (m_menu)
      m_menu->enableItem(STANDARDPADMENU::SaveItem, true);
  });
  connect(pad, &PADWIN::closed, this, &ReportEditor::windowClosed);
  connect(pad, &PADWIN::closeAllRequested, this, &ReportEditor::closeAll);
  // A window destroyed without closing (the program ends) just leaves the list.
  connect(pad, &QObject::destroyed, this, [this](QObject *o) { m_state.remove(o); });

  QMdiSubWindow *sub = m_area->addSubWindow(pad);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setProperty("vzReportWindow", true);
  sub->setWindowIcon(IDI_COCPADICON());
  sub->resize(m_area->viewport()->size());
  sub->move(0, 0);
  sub->show();
  m_area->setActiveSubWindow(sub);
  pad->setFocus();
  pad->LCHANGE(false);
  if (m_menu)
    m_menu->enableItem(STANDARDPADMENU::SaveItem, false);
  return pad;
}

void ReportEditor::windowClosed(PADWIN *pad)
{
  if (m_state.remove(pad))
    RETURNTOMAIN();
}

void ReportEditor::closeAll()
{
  if (m_area)
    m_area->closeAllSubWindows();
  // Windows whose close was refused keep the editor open.
  if (m_state.count() == 0 && inReportMode())
    RETURNTOMAIN();
}

bool ReportEditor::queryClose()
{
  for (PADWIN *pad : windows()) {
    if (!pad->LCHANGE())
      continue;
    if (QMdiSubWindow *sub = subWindowOf(pad))
      m_area->setActiveSubWindow(sub);
    if (!pad->QUERYCLOSE())
      return false;
  }
  return true;
}

QList<QMenu *> ReportEditor::reportMenus() const
{
  return m_menu ? m_menu->menus() : QList<QMenu *>();
}

QToolBar *ReportEditor::reportToolBar() const
{
  return m_menu ? m_menu->toolBar() : nullptr;
}

void ReportEditor::FILEPRINTERSETUP()
{
  if (QPrinter *shared = printer())
    m_dialogs->printerSetup(m_mainWindow, *shared);
}

void ReportEditor::RE_CONTEXTHELP()
{
  emit helpTopicRequested(QStringLiteral("Rapor Editörü"));
}

void ReportEditor::runCommand(const QByteArray &event)
{
  PADWIN *pad = activeWindow();
  const QString name = QString::fromUtf8(event);
  if (name == QLatin1String("RE_FILENEW"))
    RE_FILENEW();
  else if (name == QLatin1String("RE_FILEOPEN"))
    RE_FILEOPEN();
  else if (name == QLatin1String("FILEPRINTERSETUP"))
    FILEPRINTERSETUP();
  else if (name == QLatin1String("RE_CONTEXTHELP"))
    RE_CONTEXTHELP();
  else if (name == QLatin1String("CLOSEALL"))
    closeAll();
  else if (name == QLatin1String("WIN_HESMAK"))
    CalculatorLauncher::WIN_HESMAK(m_ui);
  else if (name == QLatin1String("WINDOWCASCADE") || name == QLatin1String("WINDOWTILE")
           || name == QLatin1String("HELPINDEX") || name == QLatin1String("HELPUSINGHELP")
           || name == QLatin1String("KWHAKKINDA"))
    emit mainWindowCommand(event);
  else if (!pad)
    return;
  else if (name == QLatin1String("CLOSE"))
    pad->CLOSE();
  else if (name == QLatin1String("RTFSAVE"))
    pad->RTFSAVE();
  else if (name == QLatin1String("RTFSAVEAS"))
    pad->RTFSAVEAS();
  else if (name == QLatin1String("FILEPRINT"))
    pad->FILEPRINT();
  else if (name == QLatin1String("SETFONT"))
    pad->SETFONT();
  else if (name == QLatin1String("SETMARGINS"))
    pad->SETMARGINS();
  else if (name == QLatin1String("CUT"))
    pad->CUT();
  else if (name == QLatin1String("COPY"))
    pad->COPY();
  else if (name == QLatin1String("PASTE"))
    pad->PASTE();
  else if (name == QLatin1String("SELECTALL"))
    pad->SELECTALL();
  else if (name == QStringLiteral("YAZıM_DÜZENLE_SOL"))
    pad->RTFALIGN(1);
  else if (name == QStringLiteral("YAZıM_DÜZENLE_SAĞ"))
    pad->RTFALIGN(2);
  else if (name == QStringLiteral("YAZıM_DÜZENLE_ORTA"))
    pad->RTFALIGN(3);
}

} // namespace vz
