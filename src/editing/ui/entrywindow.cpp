#include "entrywindow.h"
#include "entrytablemodel.h"
#include "oabs_browser.h"
#include "controls/jqtoolbar.h"
#include "windowcommands.h"
#include "controls/windowicons.h"
#include "editing/calculatorlauncher.h"
#include "problem/interaction.h"
#include "problem/ui/qtinteraction.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace vz {

namespace {
using windowcommands::text;
} // namespace

EntryWindow::EntryWindow(EntryKind kind, RationProblem &problem, Interaction *ui, const Layout &layout,
                         QWidget *parent)
    : QMainWindow(parent), m_helpTopic(text(layout.helpTopic))
{
  if (!ui) {
    m_ownUi = std::make_unique<QtInteraction>(this);
    ui = m_ownUi.get();
  }
  m_ui = ui;
  setWindowTitle(text(layout.caption));
  setAccessibleName(text(layout.caption));
  setWindowIcons(this, VSKTOD());

  m_table = std::make_unique<EntryTable>(kind, problem, *m_ui);
  m_browser = OABS_BROWSER::create(kind, this);
  m_browser->setAccessibleName(text(layout.caption));
  m_model = new EntryTableModel(*m_table, this);
  m_browser->attach(m_model);
  m_browser->setRowMover([this](int row) { moveTo(row); });
  setCentralWidget(m_browser);
  setContentsMargins(GridMargin, GridMargin, GridMargin, GridMargin);

  // Window menu with its keys.
  windowcommands::buildMenuBar(
      this, layout.menu, [this](const Item &item) { return makeAction(item, this); },
      [](const Popup &, QMenu *, const Item &, QAction *) {});
  m_toolBar = windowcommands::buildToolBar(this, text(layout.caption), layout.toolbar,
                                           [this](int id) { return action(id); });

  // Context menu: its items repeat the window's commands; the keys are the
  // window menu's, so they are shown but not bound twice.
  m_contextMenu = new QMenu(text(layout.contextMenu.caption), this);
  m_contextMenu->menuAction()->setProperty("vzMenuId", layout.contextMenu.id);
  m_contextMenu->menuAction()->setStatusTip(text(layout.contextMenu.description));
  for (const Item &item : layout.contextMenu.items) {
    if (item.id == 0) {
      m_contextMenu->addSeparator();
      continue;
    }
    m_contextMenu->addAction(makeAction(item, m_contextMenu));
  }
  connect(m_browser, &QWidget::customContextMenuRequested, this,
          [this](const QPoint &pos) { m_contextMenu->popup(m_browser->viewport()->mapToGlobal(pos)); });

  connect(m_browser, &OABS_BROWSER::currentRowChanged, this, [this](int row) { m_table->setCurrentRow(row); });
  if (m_model->rowCount() > 0)
    m_browser->setCurrentIndex(m_model->index(0, kind == EntryKind::Matrix && m_model->columnCount() > 1 ? 1 : 0));
  m_browser->ENABLECELLCURSOR(true);
}

EntryWindow::~EntryWindow()
{
  // The model goes before the table it observes.
  m_browser->setModel(nullptr);
  delete m_model;
  m_model = nullptr;
}

EntryKind EntryWindow::kind() const { return m_table->kind(); }

bool EntryWindow::isUsable() const { return !m_table->failed(); }

QAction *EntryWindow::action(int id) const { return m_actions.value(id); }

QAction *EntryWindow::makeAction(const Item &item, QObject *owner)
{
  auto *a = new QAction(text(item.caption), owner);
  a->setStatusTip(text(item.description));
  a->setProperty("vzMenuId", item.id);
  QByteArray event(item.event);
  // The context menus' "&Kapat..." carries an event no window implements;
  // here it closes the window, as its caption says.
  if (event.endsWith("WCLOSE"))
    event = "CLOSE";
  a->setProperty("vzEvent", event);
  // Arranging the workspace and help on help belong to the main window; the
  // rest is this window's (looked up when chosen, so the subclass's own
  // commands are found too).
  if (event != "WINDOWCASCADE" && event != "WINDOWTILE" && event != "HELPUSINGHELP") {
    a->setProperty("vzRouted", true);
    connect(a, &QAction::triggered, this, [this, event] {
      if (metaObject()->indexOfMethod(QByteArray(event + "()").constData()) >= 0)
        QMetaObject::invokeMethod(this, event.constData(), Qt::DirectConnection);
    });
  }
  m_actions.insert(item.id, a);
  return a;
}

int EntryWindow::currentColumn() const
{
  const QModelIndex i = m_browser->currentIndex();
  return i.isValid() ? i.column() + 1 : 0;
}

void EntryWindow::moveTo(int row)
{
  if (row < 1 || row > m_model->rowCount())
    return;
  int col = qMax(0, currentColumn() - 1);
  if (kind() == EntryKind::Matrix && col == 0 && m_model->columnCount() > 1)
    col = 1;
  m_browser->setCurrentIndex(m_model->index(row - 1, col));
  m_table->setCurrentRow(row);
}

void EntryWindow::APPEND()
{
  m_browser->endEdit();
  if (kind() == EntryKind::Matrix)
    return;
  m_table->APPEND();
  moveTo(m_table->currentRow());
  m_browser->setFocus();
}

void EntryWindow::deleteCommand()
{
  m_browser->endEdit();
  const QModelIndex current = m_browser->currentIndex();
  if (current.isValid())
    m_table->setCurrentRow(current.row() + 1);
  if (m_table->deleteCurrent())
    moveTo(qMin(current.row() + 1, m_model->rowCount()));
}

void EntryWindow::CLOSE()
{
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
  else
    close();
}

void EntryWindow::closeEvent(QCloseEvent *event)
{
  if (!m_closed) {
    m_closed = true;
    m_browser->endEdit();
    const bool written = m_table->QUERYCLOSE();
    if (written && kind() != EntryKind::Ratios)
      emit menuStateChanged();
  }
  event->accept();
}

void EntryWindow::GOTOP() { m_browser->GOTOP(); }
void EntryWindow::SKIPPREVIOUS() { m_browser->SKIPPREVIOUS(); }
void EntryWindow::SKIPNEXT() { m_browser->SKIPNEXT(); }
void EntryWindow::GOBOTTOM() { m_browser->GOBOTTOM(); }
bool EntryWindow::mayEmptyCurrentName()
{
  // Emptying the name of a nutrient or feedstuff row that holds nothing else
  // deletes the row with its matrix row or column: asked first. On a row
  // with values the table refuses the empty name with its own message.
  if (m_browser->openEditor() || (kind() != EntryKind::Nutrients && kind() != EntryKind::Feeds))
    return true;
  const QModelIndex current = m_browser->currentIndex();
  if (!current.isValid() || current.column() != 0)
    return true;
  const int row = current.row() + 1;
  const QString name = m_table->cell(row, 1).trimmed();
  if (name.isEmpty())
    return true;
  for (int c = 2; c <= m_table->columnCount(); ++c)
    if (!m_table->cell(row, c).trimmed().isEmpty())
      return true;
  return m_ui->askYesNo(nameRemovalQuestion(name), QStringLiteral("Uyarı..."));
}

QString EntryWindow::nameRemovalQuestion(const QString &name)
{
  return QStringLiteral("\"%1\" adı silinince satırı da silinecek!\n\nDevam edilsin mi?").arg(name);
}

void EntryWindow::CUT()
{
  if (mayEmptyCurrentName())
    m_browser->CUT();
}

void EntryWindow::COPY() { m_browser->COPY(); }

void EntryWindow::PASTE()
{
  // An empty clipboard pastes nothing, rather than emptying the cell.
  if (!m_browser->openEditor() && QApplication::clipboard()->text().isEmpty())
    return;
  m_browser->PASTE();
}

void EntryWindow::CLEAR()
{
  if (mayEmptyCurrentName())
    m_browser->CLEAR();
}

void EntryWindow::WIN_HESMAK() { CalculatorLauncher::WIN_HESMAK(*m_ui); }

void EntryWindow::VKHAKKINDA() { m_ui->showAbout(); }

void EntryWindow::showHelp(const QString &topic)
{
  // The main window holds the help display.
  QWidget *top = window();
  if (top && top != this
      && top->metaObject()->indexOfMethod("showHelpTopic(QString)") >= 0)
    QMetaObject::invokeMethod(top, "showHelpTopic", Qt::DirectConnection, Q_ARG(QString, topic));
}

void EntryWindow::HELPINDEX() { showHelp(QStringLiteral("HelpIndex")); }

void EntryWindow::CONTEXTHELP() { showHelp(m_helpTopic); }

} // namespace vz
