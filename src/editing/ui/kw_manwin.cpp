#include "kw_manwin.h"
#include "mdiplacement.h"
#include "windowcommands.h"
#include "entrywindow.h"
#include "entrywindows.h"
#include "manualrationmodel.h"
#include "mmat_browser.h"
#include "mres_browser.h"
#include "controls/jqtoolbar.h"
#include "controls/windowicons.h"
#include "editing/calculatorlauncher.h"
#include "problem/appsession.h"
#include "problem/interaction.h"
#include "problem/problemfile.h"
#include "problem/ui/qtinteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace vz {

namespace {

using windowcommands::text;

struct Item {
  int id;  // 0: separator
  const char *caption;
  const char *event;
  const char *description;
  QKeySequence key = QKeySequence();
};

struct Popup {
  int id;
  const char *caption;
  const char *description;
  QList<Item> items;
};

const QList<Popup> &menuLayout()
{
  static const QList<Popup> menu = {
      {12525, "&Pencere", "Pencereyi düzenle",
       {{12526, "&Küçült", "WINDOWCASCADE", "Pencereyi küçük olarak düzenle"},
        {12527, "&Diz...", "WINDOWTILE", "Pencereyi dizili düzenle"},
        {0, nullptr, nullptr, nullptr},
        {12529, "Ka&pat", "CLOSE", nullptr}}},
      {12530, "Ya&zım", "Yazım işlemleri",
       {{12531, "&Kes\tCtrl+X", "CUT", "Kes ve panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {12532, "Ko&pyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {32011, "&Yapıştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {0, nullptr, nullptr, nullptr},
        {12535, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda konumlan ", QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {12536, "&Önceki", "SKIPPREVIOUS", "Önceki kayda git"},
        {12537, "Son&raki", "SKIPNEXT", "Sonraki kayda git"},
        {12538, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda git", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
      {12539, "&Araçlar", nullptr,
       {{12540, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır"},
        {0, nullptr, nullptr, nullptr},
        {12542, "He&sapla", "MAN_HESAP", nullptr},
        {KW_MANWIN::AutoComputeId, "&Otomatik Hesapla", "OHESAP_AC_KAPA", "Otomatik hesaplamayı aç kapa"},
        {0, nullptr, nullptr, nullptr},
        {12545, "&Rapor Al", "MAN_RAPORAL", nullptr},
        {0, nullptr, nullptr, nullptr},
        {12547, "Kolon &Dondur", "PBSPLIT", nullptr}}},
      {12548, "&Yardım", nullptr,
       {{12549, "&İndeks\tF1", "HELPINDEX", "Index of help", QKeySequence(Qt::Key_F1)},
        {12550, "il&gili Yardım", "CONTEXTHELP", "İlgili yardım"},
        {12551, "&Yardım Al", "HELPUSINGHELP", "How to use help"},
        {0, nullptr, nullptr, nullptr},
        {12553, "&Hakkında...", "KWHAKKINDA", "Tarnik 1.0 Hakkında"}}}};
  return menu;
}

struct Button {
  int image;  // 0: separator
  int itemId;
  const char *tip;
};

const QList<Button> &toolbarLayout()
{
  static const QList<Button> buttons = {
      {3, 12529, "Pencereyi kapat"}, {0, 0, nullptr},
      {101, 12531, "Kes"}, {31, 12532, "Kopyala"}, {102, 32011, "Yapıştır"}, {0, 0, nullptr},
      {129, 12535, "Başa git"}, {127, 12536, "Öceki kayıt"}, {128, 12537, "Sonraki kayıt"},
      {130, 12538, "Sona git"}, {0, 0, nullptr},
      {48, 12540, "Hesap makinesi"}, {89, 12542, "Hesapla"}, {112, 12545, "Rapor al"},
      {107, 12547, "Kolon dondur"}, {0, 0, nullptr},
      {120, 12549, "Yardım"}};
  return buttons;
}

} // namespace

KW_MANWIN::KW_MANWIN(RationProblem &problem, Interaction *ui, QWidget *parent) : QMainWindow(parent)
{
  if (!ui) {
    m_ownUi = std::make_unique<QtInteraction>(this);
    ui = m_ownUi.get();
  }
  m_ui = ui;
  const QString caption = QStringLiteral("Manuel Hesap Penceresi");
  setObjectName(QStringLiteral("KW_MANWIN"));
  setWindowTitle(caption);
  setAccessibleName(caption);
  setWindowIcons(this, VSKMAIN());

  m_ration = std::make_unique<ManualRation>(problem);
  m_upperModel = new ManualRationModel(*m_ration, ManualRationModel::Pane::Upper, this);
  m_lowerModel = new ManualRationModel(*m_ration, ManualRationModel::Pane::Lower, this);
  connect(m_upperModel, &ManualRationModel::refused, this, [this](const QString &message) { m_ui->warning(message); });

  auto *central = new QWidget(this);
  auto *layout = new QVBoxLayout(central);
  layout->setContentsMargins(EntryWindow::GridMargin, EntryWindow::GridMargin, EntryWindow::GridMargin,
                             EntryWindow::GridMargin);

  auto *upperPane = new QWidget(central);
  upperPane->setObjectName(QStringLiteral("SF_AMATRIS"));
  upperPane->setAccessibleName(QStringLiteral("Besin Maddesi & Yem Maddesi Matrisi"));
  auto *upperLayout = new QVBoxLayout(upperPane);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  m_upper = new MMAT_BROWSER(upperPane);
  m_upper->setAccessibleName(QStringLiteral("Yem Maddesi & Besin Maddesi Matrisi Yazımı"));
  m_upper->attach(m_upperModel);
  upperLayout->addWidget(m_upper);

  auto *lowerPane = new QWidget(central);
  lowerPane->setObjectName(QStringLiteral("SF_HESMAT"));
  lowerPane->setAccessibleName(QStringLiteral("Hesap Sonuçları"));
  auto *lowerLayout = new QVBoxLayout(lowerPane);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  m_lower = new MRES_BROWSER(lowerPane);
  m_lower->setAccessibleName(QStringLiteral("Hesap Sonuçları"));
  m_lower->attach(m_lowerModel);
  lowerLayout->addWidget(m_lower);
  m_upper->setRowMover([this](int row) { moveTo(row); });
  // The lower grid's figures can be copied too, when it has the focus.
  m_upper->setCopyCompanion(m_lower);

  // The panes share the height as the window's template shares it.
  layout->addWidget(upperPane, 181);
  layout->addWidget(lowerPane, 63);
  setCentralWidget(central);

  buildMenu();

  connect(m_upperModel, &ManualRationModel::committed, this, [this] {
    if (ISOTO_OPEN())
      OTO_HESAP();
  });

  POSTINIT();
}

KW_MANWIN::~KW_MANWIN()
{
  // The views and models go before the ration they show.
  m_upper->setModel(nullptr);
  m_lower->setModel(nullptr);
  delete m_upperModel;
  delete m_lowerModel;
}

void KW_MANWIN::buildMenu()
{
  auto *bar = new QMenuBar(this);
  for (const Popup &popup : menuLayout()) {
    QMenu *menu = windowcommands::addPopup(bar, popup);
    for (const Item &item : popup.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      auto *a = new QAction(text(item.caption), this);
      a->setStatusTip(text(item.description));
      a->setProperty("vzMenuId", item.id);
      const QByteArray event(item.event);
      a->setProperty("vzEvent", event);
      if (item.id == AutoComputeId) {
        // The check mark is the switch; Qt sets and clears it on each choice.
        a->setCheckable(true);
        a->setChecked(false);
        a->setProperty("vzRouted", true);
      } else if (metaObject()->indexOfMethod(QByteArray(event + "()").constData()) >= 0) {
        a->setProperty("vzRouted", true);
        connect(a, &QAction::triggered, this,
                [this, event] { QMetaObject::invokeMethod(this, event.constData(), Qt::DirectConnection); });
      }
      windowcommands::addCommand(this, menu, a, item.key);
      m_actions.insert(item.id, a);
    }
  }
  setMenuBar(bar);

  m_toolBar = windowcommands::buildToolBar(this, windowTitle(), toolbarLayout(),
                                           [this](int id) { return action(id); });
}

void KW_MANWIN::POSTINIT()
{
  m_upper->ENABLECELLCURSOR(true);
  m_lower->ENABLECELLCURSOR(true);
  if (m_upperModel->rowCount() > 0)
    m_upper->setCurrentIndex(m_upperModel->index(0, ManualRation::ColAmount - 1));
  if (m_lowerModel->rowCount() > 0)
    m_lower->setCurrentIndex(m_lowerModel->index(0, ManualRation::ColAmount - 1));
  setFocusProxy(m_upper);
  m_upper->setFocus();
}

bool KW_MANWIN::isOffered(const RationProblem &problem)
{
  return problem.matrix.size() >= 2 && problem.matrix.first().size() >= 2;
}

KW_MANWIN *KW_MANWIN::find(QMdiArea *area)
{
  if (!area)
    return nullptr;
  for (QMdiSubWindow *sub : area->subWindowList()) {
    auto *w = qobject_cast<KW_MANWIN *>(sub->widget());
    if (w && !w->isClosed())
      return w;
  }
  return nullptr;
}

KW_MANWIN *KW_MANWIN::create(QMdiArea *area, RationProblem &problem, Interaction *ui)
{
  if (KW_MANWIN *open = find(area)) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(open->parentWidget()))
      area->setActiveSubWindow(sub);
    return nullptr;
  }
  // Their copy-back would change the feedstuff rows under the amounts.
  for (EntryKind rival : {EntryKind::Feeds, EntryKind::Matrix}) {
    if (EntryWindow *w = EntryWindows::find(area, rival)) {
      if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
        sub->close();
      else
        w->close();
    }
  }
  if (!isOffered(problem))
    return nullptr;
  auto *window = new KW_MANWIN(problem, ui);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (area) {
    // And the other way round: a feedstuff or matrix window opened beside
    // this one closes it, with its copy-back, before anything is edited there.
    connect(area, &QMdiArea::subWindowActivated, window, [window](QMdiSubWindow *sub) {
      auto *entry = sub ? qobject_cast<EntryWindow *>(sub->widget()) : nullptr;
      if (entry && !entry->isClosed() && !window->isClosed()
          && (entry->kind() == EntryKind::Feeds || entry->kind() == EntryKind::Matrix))
        window->CLOSE();
    });
  }
  return window;
}

KW_MANWIN *KW_MANWIN::open(QMdiArea *area, RationProblem &problem, Interaction *ui)
{
  KW_MANWIN *window = create(area, problem, ui);
  if (!window)
    return find(area);
  showFillingArea(area, window);
  return window;
}

bool KW_MANWIN::closeIn(QMdiArea *area)
{
  if (KW_MANWIN *w = find(area))
    w->CLOSE();
  return find(area) == nullptr;
}

int KW_MANWIN::FINDKMONUM(const QAbstractItemModel *grid)
{
  if (!grid)
    return 0;
  for (int c = 0; c < grid->columnCount(); ++c) {
    if (grid->headerData(c, Qt::Horizontal).toString().startsWith(QLatin1String("KMO")))
      return c + 1;
  }
  return 0;
}

QString KW_MANWIN::FINDACTCOLNAME(const QAbstractItemModel *grid, int n)
{
  return grid ? grid->headerData(n - 1, Qt::Horizontal).toString() : QString();
}

bool KW_MANWIN::ISOTO_OPEN() const
{
  const QAction *a = action(AutoComputeId);
  return a && a->isChecked();
}

void KW_MANWIN::OHESAP_AC_KAPA()
{
  if (QAction *a = action(AutoComputeId))
    a->setChecked(!a->isChecked());
}

void KW_MANWIN::MAN_HESAP()
{
  m_upper->endEdit();
  // The computation resets no model, so both grids keep their selected cell.
  m_ration->MAN_HESAP();
  m_upperModel->refresh();
  m_lowerModel->refresh();
  m_upper->setFocus();
}

void KW_MANWIN::OTO_HESAP()
{
  m_ration->MAN_HESAP();
  m_upperModel->refresh();
  m_lowerModel->refresh();
}

bool KW_MANWIN::MAN_RAPORAL()
{
  m_upper->endEdit();
  const QModelIndex upperAt = m_upper->currentIndex();
  const QModelIndex lowerAt = m_lower->currentIndex();

  QString problemFile;
  if (m_context.problemFile)
    problemFile = m_context.problemFile();
  else if (const ProblemFile *file = AppSession::instance().problemFile())
    problemFile = file->path();
  auto setCurrent = m_context.setCurrentReport
                        ? m_context.setCurrentReport
                        : std::function<void(const QString &)>(
                              [](const QString &path) { AppSession::instance().setCurrentReportFile(path); });

  const bool answered = m_ration->MAN_RAPORAL(*m_ui, problemFile, setCurrent, m_context.clock);
  m_upperModel->refresh();
  m_lowerModel->refresh();
  if (upperAt.isValid())
    m_upper->setCurrentIndex(upperAt);
  if (lowerAt.isValid())
    m_lower->setCurrentIndex(lowerAt);
  m_upper->setFocus();
  return answered;
}

void KW_MANWIN::PBSPLIT()
{
  PBSPLIT1();
  PBSPLIT2();
}

void KW_MANWIN::PBSPLIT1() { m_upper->toggleFrozenColumn(); }

void KW_MANWIN::PBSPLIT2() { m_lower->toggleFrozenColumn(); }

void KW_MANWIN::WIN_HESMAK() { CalculatorLauncher::WIN_HESMAK(*m_ui); }

void KW_MANWIN::KWHAKKINDA() { m_ui->showAbout(); }

void KW_MANWIN::HELPINDEX()
{
  // The main window holds the help display.
  QWidget *top = window();
  if (top && top != this && top->metaObject()->indexOfMethod("showHelpTopic(QString)") >= 0)
    QMetaObject::invokeMethod(top, "showHelpTopic", Qt::DirectConnection, Q_ARG(QString, QStringLiteral("HelpIndex")));
}

void KW_MANWIN::CLOSE()
{
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
  else
    close();
}

void KW_MANWIN::MYMMIKTARI()
{
  m_ration->MYMMIKTARI();
  emit amountsCopiedBack();
}

void KW_MANWIN::closeEvent(QCloseEvent *event)
{
  if (!m_closed) {
    m_closed = true;
    m_upper->endEdit();
    if (m_ration->amountsChanged())
      MYMMIKTARI();
  }
  event->accept();
}

void KW_MANWIN::moveTo(int row)
{
  if (row < 1 || row > m_upperModel->rowCount())
    return;
  const QModelIndex i = m_upper->currentIndex();
  const int col = i.isValid() && i.column() > 0 ? i.column() : ManualRation::ColAmount - 1;
  m_upper->setCurrentIndex(m_upperModel->index(row - 1, col));
}

void KW_MANWIN::GOTOP() { m_upper->GOTOP(); }
void KW_MANWIN::SKIPPREVIOUS() { m_upper->SKIPPREVIOUS(); }
void KW_MANWIN::SKIPNEXT() { m_upper->SKIPNEXT(); }
void KW_MANWIN::GOBOTTOM() { m_upper->GOBOTTOM(); }
void KW_MANWIN::CUT() { m_upper->CUT(); }
void KW_MANWIN::COPY() { m_upper->COPY(); }
void KW_MANWIN::PASTE() { m_upper->PASTE(); }

} // namespace vz
