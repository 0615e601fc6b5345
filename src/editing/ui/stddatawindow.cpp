#include "stddatawindow.h"
#include "celleditdelegate.h"
#include "mdiplacement.h"
#include "controls/jqdatacolumn.h"
#include "controls/jqtoolbar.h"
#include "windowcommands.h"
#include "controls/windowicons.h"
#include "editing/calculatorlauncher.h"
#include "platform/rtext.h"
#include "problem/interaction.h"
#include "problem/ui/qtinteraction.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>

#include <algorithm>

namespace vz {

namespace {

struct Item {
  int id = 0;  // 0: separator
  const char *caption = nullptr;
  const char *event = nullptr;
  const char *description = nullptr;
  QKeySequence key = {};
};

struct Popup {
  int id;
  const char *caption;
  const char *event;
  const char *description;
  QList<Item> items;
};

constexpr int IdTools = 28603;
constexpr int IdForm = 28600;
constexpr int IdTable = 28602;
// Column arithmetic works on the grid's current column: off in the form view
// with "&Araçlar", on the toolbar (Σ) and in the context menu alike.
constexpr int IdColumnMaths = 28607;
constexpr int IdContextColumnMaths = 30834;

QList<Popup> windowMenu()
{
  return {
      {28581, "&Pencere", "WINDOW", "Alt pencereyi düzenle",
       {{28582, "&Küçült", "WINDOWCASCADE", "Referans matris yazım penceresini küçült"},
        {28583, "&Diz...", "WINDOWTILE", "Referans matris yazım penceresini dizili olarak düzenle"},
        {},
        {28585, "Ka&pat", "CLOSE", "Referans matris dosyasını kapat"}}},
      // "&Araçlar" keeps its A; Z is no other pull-down's letter.
      {28586, "Ya&zım", "EDIT", "Yazım işlemleri",
       {{28587, "&Kes\tCtrl+X", "CUT", "Panoya kopyala ve sil", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {28588, "Ko&pyala\tCtrl+C", "COPY", "Panoya kopyala", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {28589, "&Yapıştır\tCtrl+V", "PASTE", "Panodan yapıştır", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {28590, "&Temizle\tCtrl+T", "CLEAR", "Seçili girişi temizle, sil", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {},
        {28592, "Yem Maddesi  &Ekle\tF5", "APPEND", "Yeni yem maddesi ekle", QKeySequence(Qt::Key_F5)},
        {28593, "Yem Maddesi S&il\tF6", "RMDELETE", "Seçili yem maddesini sil", QKeySequence(Qt::Key_F6)},
        {},
        {28595, "&Başa Git\tCtrl+Home", "GOTOP", "İlk yem maddesine git", QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {28596, "&Öncekine Git ", "SKIPPREVIOUS", "Bir önceki yem maddesi ne git"},
        {28597, "Son&rakine Git", "SKIPNEXT", "Bir sonraki yem maddesine git"},
        {28598, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son yem maddesine git", QKeySequence(Qt::CTRL | Qt::Key_End)}}},
      {28599, "&Görünüş", "VIEW", "Görünüş",
       {{IdForm, "&Form\tCtrl+F", "VIEWFORM", "Bir kaydı form olarak göster", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {},
        // Ctrl+T is "&Temizle"'s, the key that acts; shown here too it would
        // promise the table and clear a field instead.
        {IdTable, "&Tablo", "VIEWTABLE", "Kayıtları tablo şeklinde göster"}}},
      {IdTools, "&Araçlar", "_ARAÇLAR", "Muhtelif kolon ve satır işlemleri ",
       {{28604, "&Hesap Makinesi", "WIN_HESMAK", "Hesap makinesini çağır"},
        {},
        {28606, "Kolon &Dondur", "PBSPLIT", "Kolon dondur"},
        {28607, "Kolon &Aritmetiği", "COLMATHBM", "Seçili kolona dörtişlem uygula"},
        {},
        {28609, "&Besin Maddesi Bağla", "BMBAGLA", "Bir satır boyunca bir BM'ye bağlı olarak muhtevaları değiştir"}}},
      {28610, "&Yardım", "HELP", "Yardım",
       {{28611, "&İndeks\tF1", "HELPINDEX", "Yardım indeksi diyaloğunu çağır", QKeySequence(Qt::Key_F1)},
        {28612, "İl&gili Yardım\tF2", "CONTEXTHELP", "İlgili yardımı çağır", QKeySequence(Qt::Key_F2)},
        {28613, "Yardım &Kullanımı\tF3", "HELPUSINGHELP", "Yardım nasıl alınır diyaloğunu çağır", QKeySequence(Qt::Key_F3)},
        {},
        {28615, "&Hakkında...\tF4", "KWHAKKINDA", "Vesk_Zyr 2.0 Hakkında ", QKeySequence(Qt::Key_F4)}}},
  };
}

Popup contextMenuLayout()
{
  return {30824, "&Yazım", "EDIT", "Yem maddelerinin besin maddesi muhtevaları yazımı",
          {{30825, "&Başa Git\tCtrl+Home", "GOTOP", "İlk kayda konumlan"},
           {30826, "&Öncekine Git", "SKIPPREVIOUS", "Önceki kayda konumlan"},
           {30827, "Son&rakine Git", "SKIPNEXT", "Sonraki kayda konumlan"},
           {30828, "&Sona Git\tCtrl+End", "GOBOTTOM", "Son kayda konumlan"},
           {},
           {30830, "Yem Maddesi &Ekle\tF5", "APPEND", "Yeni yem maddesi ekle"},
           {30831, "Yem Maddesi  S&il\tF6", "RMDELETE", "Seçili yem maddesini sil"},
           {},
           {30833, "Kolon &Dondur", "PBSPLIT", "Kolon dondur"},
           {30834, "Kolon &Aritmetiği", "COLMATHBM", "Seçili kolona dörtişlem uygula"},
           {30835, "Besin Maddesi Bağ&la", "BMBAGLA", "Bir satır boyunca bir BM'ye bağlı olarak muhtevaları değiştir"}}};
}

struct Button {
  int image;  // 0: separator
  int itemId;
  const char *tip;
};

QList<Button> toolbarLayout()
{
  return {{3, 28585, "Kapat"},   {0, 0, nullptr},          {101, 28587, "Kes"},
          {31, 28588, "Kopyala"}, {102, 28589, "Yapıştır"}, {69, 28592, "Yem maddesi ekle"},
          {121, 28593, "Yem maddesi sil"}, {0, 0, nullptr},  {129, 28595, "Başa git"},
          {127, 28596, "Bir önceki kayda git"}, {128, 28597, "Sonraki kayda git"}, {130, 28598, "Sona git"},
          {0, 0, nullptr},        {132, IdForm, "Form"},    {131, IdTable, "Tablo"},
          {0, 0, nullptr},        {48, 28604, "Hesap makinesi"}, {107, 28606, "Kolon dondur"},
          {89, 28607, "Kolon aritmetiği"}, {0, 0, nullptr},  {120, 28611, "Yardım indeksi"}};
}

using windowcommands::text;

} // namespace

// ---- model ----

ReferenceMatrixModel::ReferenceMatrixModel(ReferenceMatrixCopy &copy, Interaction &ui, QObject *parent)
    : QAbstractTableModel(parent), m_copy(copy), m_ui(ui)
{
}

int ReferenceMatrixModel::rowCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : m_copy.recordCount();
}

int ReferenceMatrixModel::columnCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : m_copy.fieldCount();
}

QVariant ReferenceMatrixModel::data(const QModelIndex &index, int role) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return QVariant();
  if (role == Qt::DisplayRole || role == Qt::EditRole)
    return rt::RTrim(m_copy.cell(index.row() + 1, index.column() + 1));
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return QVariant();
}

QVariant ReferenceMatrixModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (role != Qt::DisplayRole)
    return QVariant();
  if (orientation == Qt::Horizontal)
    return m_copy.fieldNames().value(section);
  return section + 1;
}

Qt::ItemFlags ReferenceMatrixModel::flags(const QModelIndex &index) const
{
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool ReferenceMatrixModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
  if (role != Qt::EditRole || !index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
    return false;
  if (m_copy.ENDEDIT(index.row() + 1, index.column() + 1, value.toString(), m_ui)
      == ReferenceMatrixCopy::EditOutcome::Refused)
    return false;
  emit dataChanged(index, index);
  return true;
}

void ReferenceMatrixModel::refresh()
{
  beginResetModel();
  endResetModel();
}

// ---- grid ----

ORMAT_BROWSER::ORMAT_BROWSER(QWidget *owner) : OABS_BROWSER(EntryKind::Feeds, owner) {}

void ORMAT_BROWSER::attachReference(ReferenceMatrixModel *model)
{
  setModel(model);
  auto *delegate = static_cast<CellEditDelegate *>(itemDelegate());
  const int charWidth = fontMetrics().averageCharWidth();
  for (int c = 0; c < model->columnCount(); ++c) {
    // The name column is as wide as the 25 characters a name may have.
    auto *column = new JQDATACOLUMN(c == 0 ? 25 : 11);
    column->setCAPTION(model->headerData(c, Qt::Horizontal).toString());
    column->setFieldName(column->CAPTION());
    column->setFieldSpec(FieldSpec{column->CAPTION(), QLatin1Char('C'), c == 0 ? 25 : 11, 0});
    column->attach(this, c);
    delegate->setColumn(c, column);
    // The columns live as long as the grid.
    connect(this, &QObject::destroyed, [column] { delete column; });
    const int title = fontMetrics().horizontalAdvance(column->CAPTION()) + 16;
    // Whole names and whole numbers: the widest text the column holds, and
    // for the number columns the widest number a cell can take.
    int widest = c == 0 ? 0 : fontMetrics().horizontalAdvance(QStringLiteral("-99999.9999")) + 16;
    for (int r = 0; r < model->rowCount(); ++r)
      widest = qMax(widest, fontMetrics().horizontalAdvance(model->index(r, c).data().toString()) + 16);
    setColumnWidth(c, std::max({column->WIDTH() * charWidth + 8, title, widest}));
  }
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex &current) {
            if (current.isValid())
              emit currentRowChanged(current.row() + 1);
          });
}

// ---- window ----

STDDATAWINDOW *STDDATAWINDOW::find(QMdiArea *area)
{
  if (!area)
    return nullptr;
  for (QMdiSubWindow *sub : area->subWindowList()) {
    auto *w = qobject_cast<STDDATAWINDOW *>(sub->widget());
    if (w && !w->m_closed)
      return w;
  }
  return nullptr;
}

STDDATAWINDOW *STDDATAWINDOW::open(QMdiArea *area, const QString &path, Interaction *ui)
{
  if (STDDATAWINDOW *w = find(area)) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
      area->setActiveSubWindow(sub);
    return w;
  }
  auto *w = new STDDATAWINDOW(path, ui);
  if (!w->load()) {
    w->m_ui->errorMessage(refmaint::openFailedText(w->m_copy.openError()));
    delete w;
    return nullptr;
  }
  w->setAttribute(Qt::WA_DeleteOnClose);
  showFillingArea(area, w);
  w->m_grid->setFocus();
  return w;
}

STDDATAWINDOW::STDDATAWINDOW(const QString &path, Interaction *ui) : m_path(path)
{
  if (!ui) {
    m_ownUi = std::make_unique<QtInteraction>(this);
    ui = m_ownUi.get();
  }
  m_ui = ui;
  setObjectName(QStringLiteral("STDDATAWINDOW"));
  setWindowTitle(QStringLiteral("Referans Matris Yazımı"));
  setAccessibleName(windowTitle());
  setWindowIcons(this, VSKTOD());
}

STDDATAWINDOW::~STDDATAWINDOW()
{
  if (m_grid)
    m_grid->setModel(nullptr);
}

bool STDDATAWINDOW::load()
{
  if (!m_copy.open(m_path))
    return false;
  m_views = new QStackedWidget(this);
  m_grid = new ORMAT_BROWSER(m_views);
  m_grid->setAccessibleName(windowTitle());
  m_model = new ReferenceMatrixModel(m_copy, *m_ui, this);
  m_grid->attachReference(m_model);
  m_grid->setRowMover([this](int row) { moveTo(row); });
  m_views->addWidget(m_grid);
  buildForm();
  setCentralWidget(m_views);
  setContentsMargins(2, 2, 2, 2);
  buildMenus();
  connect(m_grid, &OABS_BROWSER::currentRowChanged, this, [this](int row) { showRecord(row); });
  if (m_model->rowCount() > 0)
    m_grid->setCurrentIndex(m_model->index(0, 0));
  m_grid->ENABLECELLCURSOR(true);
  return true;
}

void STDDATAWINDOW::buildMenus()
{
  auto makeAction = [this](const Item &item, QObject *owner) {
    auto *a = new QAction(text(item.caption), owner);
    a->setStatusTip(text(item.description));
    a->setProperty("vzMenuId", item.id);
    const QByteArray event(item.event);
    a->setProperty("vzEvent", event);
    // Arranging the workspace and help on help belong to the main window.
    if (event != "WINDOWCASCADE" && event != "WINDOWTILE" && event != "HELPUSINGHELP") {
      a->setProperty("vzRouted", true);
      connect(a, &QAction::triggered, this,
              [this, event] { QMetaObject::invokeMethod(this, event.constData(), Qt::DirectConnection); });
    }
    return a;
  };
  windowcommands::buildMenuBar(this, windowMenu(), [&](const Item &item) { return makeAction(item, this); },
                               [this](const Popup &popup, QMenu *menu, const Item &item, QAction *a) {
                                 if (popup.id == IdTools)
                                   m_toolsMenu = menu;
                                 m_actions.insert(item.id, a);
                               });
  m_actions.value(IdForm)->setCheckable(true);
  m_actions.value(IdTable)->setCheckable(true);
  m_actions.value(IdTable)->setChecked(true);

  m_toolBar = windowcommands::buildToolBar(this, windowTitle(), toolbarLayout(),
                                           [this](int id) { return m_actions.value(id); });

  // The context menu repeats the window's commands; its keys are the window
  // menu's, shown but not bound twice.
  const Popup context = contextMenuLayout();
  m_contextMenu = new QMenu(text(context.caption), this);
  m_contextMenu->menuAction()->setProperty("vzMenuId", context.id);
  m_contextMenu->menuAction()->setStatusTip(text(context.description));
  for (const Item &item : context.items) {
    if (item.id == 0) {
      m_contextMenu->addSeparator();
      continue;
    }
    QAction *a = makeAction(item, m_contextMenu);
    m_contextMenu->addAction(a);
    m_actions.insert(item.id, a);
  }
  connect(m_grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint &pos) { m_contextMenu->popup(m_grid->viewport()->mapToGlobal(pos)); });
  m_formArea->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_formArea, &QWidget::customContextMenuRequested, this,
          [this](const QPoint &pos) { m_contextMenu->popup(m_formArea->mapToGlobal(pos)); });
}

void STDDATAWINDOW::buildForm()
{
  m_formArea = new QScrollArea(m_views);
  m_formArea->setWidgetResizable(true);
  auto *page = new QWidget(m_formArea);
  auto *layout = new QFormLayout(page);
  layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  const int charWidth = fontMetrics().averageCharWidth();
  for (int f = 1; f <= m_copy.fieldCount(); ++f) {
    const DbfField &field = m_copy.fields().at(f - 1);
    auto *label = new QLabel(field.name, page);
    auto *edit = new QLineEdit(page);
    edit->setObjectName(field.name);
    edit->setMaxLength(field.length);
    // Wide enough for the longest text the field holds, a name of 25
    // characters included.
    int widest = (field.length + 2) * charWidth + 12;
    for (int r = 1; r <= m_copy.recordCount(); ++r)
      widest = qMax(widest, edit->fontMetrics().horizontalAdvance(rt::RTrim(m_copy.cell(r, f))) + 24);
    edit->setFixedWidth(widest);
    edit->setAccessibleName(field.name);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, f] { formEditFinished(f); });
    m_formEdits.append(edit);
  }
  m_formArea->setWidget(page);
  m_views->addWidget(m_formArea);
}

bool STDDATAWINDOW::isFormView() const { return m_views && m_views->currentWidget() == m_formArea; }

int STDDATAWINDOW::currentRecord() const
{
  const QModelIndex i = m_grid ? m_grid->currentIndex() : QModelIndex();
  return i.isValid() ? i.row() + 1 : 0;
}

void STDDATAWINDOW::showRecord(int record)
{
  for (int f = 1; f <= m_formEdits.size(); ++f) {
    QLineEdit *edit = m_formEdits.at(f - 1);
    edit->setText(rt::RTrim(m_copy.cell(record, f)));
    edit->setModified(false);
    edit->setEnabled(record >= 1);
  }
}

void STDDATAWINDOW::formEditFinished(int field)
{
  QLineEdit *edit = m_formEdits.value(field - 1);
  const int record = currentRecord();
  if (!edit || !edit->isModified() || record < 1)
    return;
  edit->setModified(false);
  // The form's twin of the grid's end-of-edit rule; a refusal puts the
  // stored value back.
  m_copy.ENDEDIT(record, field, edit->text(), *m_ui);
  edit->setText(rt::RTrim(m_copy.cell(record, field)));
  m_model->refresh();
  m_grid->setCurrentIndex(m_model->index(record - 1, qMax(0, field - 1)));
}

void STDDATAWINDOW::endEdits()
{
  m_grid->endEdit();
  if (isFormView()) {
    for (int f = 1; f <= m_formEdits.size(); ++f)
      formEditFinished(f);
  }
}

void STDDATAWINDOW::moveTo(int record)
{
  if (record < 1 || record > m_model->rowCount())
    return;
  const QModelIndex i = m_grid->currentIndex();
  m_grid->setCurrentIndex(m_model->index(record - 1, i.isValid() ? i.column() : 0));
  showRecord(record);
}

bool STDDATAWINDOW::askBeforeDeleting()
{
  return m_ui->askYesNo(QStringLiteral("Seçili hücredeki değer silinecek!\n\nSilinmesini istiyor musunuz?"),
                        QStringLiteral("Uyarı"));
}

void STDDATAWINDOW::CUT()
{
  if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
      edit && (edit == m_grid->openEditor() || m_formEdits.contains(edit))) {
    edit->cut();
    return;
  }
  const QModelIndex i = m_grid->currentIndex();
  if (!i.isValid())
    return;
  COPY();
  if (!i.data().toString().trimmed().isEmpty() && askBeforeDeleting())
    m_grid->typeIntoCurrent(QString());
}

void STDDATAWINDOW::COPY()
{
  if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()); edit && m_formEdits.contains(edit)) {
    edit->copy();
    return;
  }
  m_grid->COPY();
}

void STDDATAWINDOW::PASTE()
{
  if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()); edit && m_formEdits.contains(edit)) {
    edit->paste();
    return;
  }
  m_grid->PASTE();
}

void STDDATAWINDOW::CLEAR()
{
  if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
      edit && (edit == m_grid->openEditor() || m_formEdits.contains(edit))) {
    edit->clear();
    edit->setModified(true);
    return;
  }
  const QModelIndex i = m_grid->currentIndex();
  if (i.isValid() && !i.data().toString().trimmed().isEmpty() && askBeforeDeleting())
    m_grid->typeIntoCurrent(QString());
}

void STDDATAWINDOW::APPEND()
{
  endEdits();
  const int record = m_copy.APPEND();
  m_model->refresh();
  m_grid->setCurrentIndex(m_model->index(record - 1, 0));
  showRecord(record);
  // The new record is typed in from its name on.
  if (isFormView() && !m_formEdits.isEmpty())
    m_formEdits.first()->setFocus();
  else
    m_grid->setFocus();
}

void STDDATAWINDOW::RMDELETE()
{
  endEdits();
  const int n = currentRecord();
  if (n <= 1)
    return;
  if (!m_ui->askYesNo(QStringLiteral("Seçili yem maddesi siliniyor!"), QStringLiteral("Uyarı")))
    return;
  const int column = qMax(0, m_grid->currentIndex().column());
  m_copy.removeRecord(n);
  m_model->refresh();
  const int next = qMin(n, m_copy.recordCount());
  m_grid->setCurrentIndex(m_model->index(next - 1, column));
  showRecord(next);
}

void STDDATAWINDOW::GOTOP() { endEdits(); m_grid->GOTOP(); }
void STDDATAWINDOW::SKIPPREVIOUS() { endEdits(); m_grid->SKIPPREVIOUS(); }
void STDDATAWINDOW::SKIPNEXT() { endEdits(); m_grid->SKIPNEXT(); }
void STDDATAWINDOW::GOBOTTOM() { endEdits(); m_grid->GOBOTTOM(); }

void STDDATAWINDOW::VIEWFORM()
{
  m_grid->endEdit();
  m_actions.value(IdTable)->setChecked(false);
  m_actions.value(IdForm)->setChecked(true);
  m_actions.value(IdForm)->setEnabled(false);
  setToolsEnabled(false);
  showRecord(currentRecord());
  m_views->setCurrentWidget(m_formArea);
  if (!m_formEdits.isEmpty())
    m_formEdits.first()->setFocus();
  else
    m_formArea->setFocus();
}

void STDDATAWINDOW::VIEWTABLE()
{
  if (isFormView())
    endEdits();
  m_actions.value(IdForm)->setChecked(false);
  m_actions.value(IdForm)->setEnabled(true);
  m_actions.value(IdTable)->setChecked(true);
  setToolsEnabled(true);
  m_views->setCurrentWidget(m_grid);
  m_grid->setFocus();
}

void STDDATAWINDOW::setToolsEnabled(bool on)
{
  m_toolsMenu->menuAction()->setEnabled(on);
  m_actions.value(IdColumnMaths)->setEnabled(on);
  m_actions.value(IdContextColumnMaths)->setEnabled(on);
}

void STDDATAWINDOW::WIN_HESMAK() { CalculatorLauncher::WIN_HESMAK(*m_ui); }

void STDDATAWINDOW::PBSPLIT()
{
  m_grid->toggleFrozenColumn();
}

void STDDATAWINDOW::COLMATHBM()
{
  endEdits();
  const QModelIndex i = m_grid->currentIndex();
  const int field = i.isValid() ? i.column() + 1 : 1;
  m_grid->setUpdatesEnabled(false);
  const bool changed = refmaint::COLMATHBM(m_copy, field, *m_ui);
  m_grid->setUpdatesEnabled(true);
  if (changed) {
    m_model->refresh();
    m_grid->setCurrentIndex(m_model->index(qMax(0, i.row()), field - 1));
  }
}

void STDDATAWINDOW::BMBAGLA()
{
  endEdits();
  const QModelIndex i = m_grid->currentIndex();
  if (refmaint::BMBAGLA(m_copy, currentRecord(), *m_ui)) {
    m_model->refresh();
    m_grid->setCurrentIndex(m_model->index(qMax(0, i.row()), qMax(0, i.column())));
  }
}

void STDDATAWINDOW::showHelp(const QString &topic)
{
  // The main window holds the help display.
  QWidget *top = window();
  if (top && top != this && top->metaObject()->indexOfMethod("showHelpTopic(QString)") >= 0)
    QMetaObject::invokeMethod(top, "showHelpTopic", Qt::DirectConnection, Q_ARG(QString, topic));
}

void STDDATAWINDOW::HELPINDEX() { showHelp(QStringLiteral("HelpIndex")); }
void STDDATAWINDOW::CONTEXTHELP() { showHelp(QStringLiteral("Kuru Madde Esaslı Referans Matris")); }
void STDDATAWINDOW::KWHAKKINDA() { m_ui->showAbout(); }

void STDDATAWINDOW::CLOSE()
{
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
  else
    close();
}

void STDDATAWINDOW::closeEvent(QCloseEvent *event)
{
  if (m_closed) {
    event->accept();
    return;
  }
  endEdits();
  if (m_copy.changed()) {
    const QString question = QStringLiteral("Referans matris dosyası (") + m_copy.path()
                             + QStringLiteral(") değişmiş.\n\nDeğişiklikleri kaydetmek istiyor musunuz?");
    if (m_ui->askYesNo(question, QStringLiteral("Uyarı..."))) {
      QString why;
      ReferenceMatrixCopy::SaveOutcome outcome = m_copy.save(&why);
      if (outcome == ReferenceMatrixCopy::SaveOutcome::ChangedOnDisk) {
        // Another session saved the file since this window read it: its
        // change is never written over without asking.
        switch (m_ui->askYesNoCancel(refmaint::changedOnDiskText(m_copy.path()), QStringLiteral("Uyarı..."))) {
        case Interaction::Answer::Yes:
          outcome = m_copy.save(&why, true);
          break;
        case Interaction::Answer::No:
          break;  // the window's changes go; the file stays as the other session left it
        case Interaction::Answer::Cancel:
          event->ignore();
          return;
        }
      }
      if (outcome == ReferenceMatrixCopy::SaveOutcome::Failed) {
        // The edits stay on screen, to be saved again or discarded.
        m_ui->errorMessage(refmaint::saveFailedText(why));
        event->ignore();
        return;
      }
    }
  }
  m_closed = true;
  event->accept();
}

} // namespace vz
