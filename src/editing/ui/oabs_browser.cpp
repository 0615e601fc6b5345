#include "oabs_browser.h"
#include "celleditdelegate.h"
#include "oamat_browser.h"
#include "obm_browser.h"
#include "obmo_browser.h"
#include "oym_browser.h"
#include "entrytablemodel.h"
#include "controls/jqdatacolumn.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

namespace vz {

OABS_BROWSER::OABS_BROWSER(EntryKind kind, QWidget *owner)
    : QTableView(owner), m_kind(kind), m_delegate(new CellEditDelegate(this))
{
  setItemDelegate(m_delegate);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                  | QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

OABS_BROWSER::~OABS_BROWSER() = default;

OABS_BROWSER *OABS_BROWSER::create(EntryKind kind, QWidget *owner)
{
  switch (kind) {
  case EntryKind::Nutrients: return new OBM_BROWSER(owner);
  case EntryKind::Feeds: return new OYM_BROWSER(owner);
  case EntryKind::Ratios: return new OBMO_BROWSER(owner);
  case EntryKind::Matrix: break;
  }
  return new OAMAT_BROWSER(owner);
}

void OABS_BROWSER::attach(EntryTableModel *model)
{
  m_model = model;
  setModel(model);
  const EntryTable &table = model->table();
  m_columns.clear();
  for (int c = 0; c < table.columnCount(); ++c) {
    const EntryTable::Column &spec = table.columns().at(c);
    auto column = std::make_shared<JQDATACOLUMN>(spec.width);
    column->setWIDTH(spec.width);
    column->setCAPTION(spec.caption);
    column->setFieldName(spec.field);
    // Names are held to what the problem file keeps of them.
    const bool name = c == 0 && m_kind != EntryKind::Matrix;
    const bool ratioName = m_kind == EntryKind::Ratios && c < 2;
    column->setFieldSpec(FieldSpec{spec.field, QLatin1Char('C'),
                                   name || ratioName ? 15 : spec.length, 0});
    column->attach(this, c);
    m_delegate->setColumn(c, column.get());
    m_columns.append(column);
    setColumnWidth(c, columnWidthFor(spec.width, spec.caption));
  }
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex &current) {
            if (current.isValid())
              emit currentRowChanged(current.row() + 1);
          });
}

int OABS_BROWSER::columnWidthFor(int chars, const QString &caption) const
{
  QFont bold = horizontalHeader()->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int captionWidth = 0;
  for (const QString &line : caption.split(QLatin1Char('\n')))
    captionWidth = qMax(captionWidth, metrics.horizontalAdvance(line));
  const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 4;
  return qMax(chars * fontMetrics().averageCharWidth() + 8, captionWidth + margin);
}

JQDATACOLUMN *OABS_BROWSER::column(int section) const
{
  return section >= 0 && section < m_columns.size() ? m_columns.at(section).get() : nullptr;
}

void OABS_BROWSER::ENABLECELLCURSOR(bool on)
{
  setUpdatesEnabled(false);
  setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
  const QModelIndex current = currentIndex();
  if (current.isValid())
    selectionModel()->select(current, on ? QItemSelectionModel::SelectionFlags(QItemSelectionModel::ClearAndSelect)
                                         : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  setFocus();
  setUpdatesEnabled(true);
}

QWidget *OABS_BROWSER::openEditor() const
{
  if (QWidget *editor = m_delegate->openEditor())
    return editor;
  return m_frozenDelegate ? m_frozenDelegate->openEditor() : nullptr;
}

void OABS_BROWSER::endEdit()
{
  if (m_frozenDelegate) {
    if (QWidget *editor = m_frozenDelegate->openEditor()) {
      emit m_frozenDelegate->commitData(editor);
      if (QWidget *still = m_frozenDelegate->openEditor())
        emit m_frozenDelegate->closeEditor(still, QAbstractItemDelegate::NoHint);
    }
  }
  if (QWidget *editor = m_delegate->openEditor()) {
    commitData(editor);
    // The commit may have removed the row and the editor with it.
    if (QWidget *still = m_delegate->openEditor())
      closeEditor(still, QAbstractItemDelegate::NoHint);
  }
}

void OABS_BROWSER::cancelEdit()
{
  if (m_frozenDelegate)
    if (QWidget *editor = m_frozenDelegate->openEditor())
      emit m_frozenDelegate->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
  if (QWidget *editor = m_delegate->openEditor())
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void OABS_BROWSER::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
  QTableView::currentChanged(current, previous);
  // The matrix's label column can be looked at but never edited.
  if (m_kind == EntryKind::Matrix && current.isValid() && current.column() == 0
      && model()->columnCount() > 1) {
    const QModelIndex next = model()->index(current.row(), 1);
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
  }
}

bool OABS_BROWSER::toggleFrozenColumn()
{
  if (m_frozen) {
    endEdit();
    delete m_frozen;  // its delegate with it
    m_frozen = nullptr;
    m_frozenDelegate = nullptr;
    return false;
  }
  if (!model())
    return false;
  m_frozen = new QTableView(this);
  m_frozen->setAccessibleName(accessibleName());
  m_frozen->setModel(model());
  m_frozen->setSelectionModel(selectionModel());
  m_frozenDelegate = new CellEditDelegate(m_frozen);
  m_frozenDelegate->setColumn(0, m_delegate->column(0));
  m_frozen->setItemDelegate(m_frozenDelegate);
  m_frozen->setFocusPolicy(Qt::NoFocus);
  m_frozen->verticalHeader()->hide();
  m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_frozen->setVerticalScrollMode(verticalScrollMode());
  m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
  m_frozen->setEditTriggers(editTriggers());
  for (int c = 1; c < model()->columnCount(); ++c)
    m_frozen->setColumnHidden(c, true);
  m_frozen->setColumnWidth(0, columnWidth(0));
  m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
  viewport()->stackUnder(m_frozen);
  connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(horizontalHeader(), &QHeaderView::sectionResized, m_frozen,
          [this](int section, int, int size) {
            if (m_frozen && section == 0) {
              m_frozen->setColumnWidth(0, size);
              placeFrozen();
            }
          });
  placeFrozen();
  m_frozen->show();
  return true;
}

void OABS_BROWSER::placeFrozen()
{
  if (!m_frozen)
    return;
  m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                        viewport()->height() + horizontalHeader()->height());
  m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void OABS_BROWSER::resizeEvent(QResizeEvent *event)
{
  QTableView::resizeEvent(event);
  placeFrozen();
}

void OABS_BROWSER::updateGeometries()
{
  QTableView::updateGeometries();
  placeFrozen();
}

void OABS_BROWSER::scrollTo(const QModelIndex &index, ScrollHint hint)
{
  // While the first column is frozen, a cell behind it is scrolled into view.
  if (m_frozen && index.column() > 0) {
    const int left = visualRect(index).left();
    if (left < columnWidth(0))
      horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - columnWidth(0));
  }
  QTableView::scrollTo(index, hint);
}

void OABS_BROWSER::moveToRow(int row)
{
  if (m_rowMover) {
    m_rowMover(row);
    return;
  }
  if (!model() || row < 1 || row > model()->rowCount())
    return;
  const QModelIndex i = currentIndex();
  setCurrentIndex(model()->index(row - 1, i.isValid() ? i.column() : 0));
}

void OABS_BROWSER::GOTOP()
{
  endEdit();
  moveToRow(1);
}

void OABS_BROWSER::SKIPPREVIOUS()
{
  endEdit();
  const QModelIndex i = currentIndex();
  moveToRow(i.isValid() ? qMax(1, i.row()) : 1);
}

void OABS_BROWSER::SKIPNEXT()
{
  endEdit();
  const QModelIndex i = currentIndex();
  moveToRow(i.isValid() ? qMin(model()->rowCount(), i.row() + 2) : 1);
}

void OABS_BROWSER::GOBOTTOM()
{
  endEdit();
  moveToRow(model() ? model()->rowCount() : 0);
}

void OABS_BROWSER::typeIntoCurrent(const QString &value)
{
  const QModelIndex i = currentIndex();
  if (i.isValid() && (model()->flags(i) & Qt::ItemIsEditable))
    model()->setData(i, value, Qt::EditRole);
}

void OABS_BROWSER::CUT()
{
  if (auto *edit = qobject_cast<QLineEdit *>(openEditor())) {
    edit->cut();
    return;
  }
  COPY();
  typeIntoCurrent(QString());
}

void OABS_BROWSER::COPY()
{
  if (auto *edit = qobject_cast<QLineEdit *>(openEditor())) {
    edit->copy();
    return;
  }
  const bool companion = m_copyCompanion && m_copyCompanion->hasFocus();
  const QModelIndex i = companion ? m_copyCompanion->currentIndex() : currentIndex();
  if (i.isValid())
    QApplication::clipboard()->setText(i.data().toString());
}

void OABS_BROWSER::PASTE()
{
  if (auto *edit = qobject_cast<QLineEdit *>(openEditor())) {
    edit->paste();
    return;
  }
  typeIntoCurrent(QApplication::clipboard()->text());
}

void OABS_BROWSER::CLEAR()
{
  if (auto *edit = qobject_cast<QLineEdit *>(openEditor())) {
    edit->clear();
    edit->setModified(true);
    return;
  }
  typeIntoCurrent(QString());
}

} // namespace vz
