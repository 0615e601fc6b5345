#include "controls/bitmaplistbox.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vz {

namespace {

constexpr int IdRole = Qt::UserRole + 1;

// A dotted frame just inside the rectangle, visible in every style (some
// draw their own focus frame only after keyboard use).
void drawDottedFocus(QPainter *p, const QRect &r, const QColor &colour)
{
  p->save();
  p->setPen(QPen(colour, 1, Qt::DotLine));
  p->setBrush(Qt::NoBrush);
  p->drawRect(r.adjusted(0, 0, -1, -1));
  p->restore();
}

class RowDelegate : public QStyledItemDelegate {
public:
  explicit RowDelegate(BITMAPLISTBOX *list) : QStyledItemDelegate(list), m_list(list) {}

  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
  {
    return QSize(option.rect.width(), m_list->NBITMAPHEIGHT);
  }

  void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
  {
    const BitmapListNode *node = m_list->node(index.data(IdRole).toInt());
    if (!node)
      return;  // its node is gone: nothing to draw
    const bool focused = m_list->hasFocus();
    const bool current = index.row() == m_list->currentRow();
    // A full repaint is either the focus row of a focused list or a plain row.
    const BitmapRowDrawing d = focused && current
        ? BitmapRowDrawing::decide(BitmapRowDrawing::Focus,
                                   BitmapRowDrawing::Selected | BitmapRowDrawing::HasFocus, true,
                                   m_list->mouseButtonDown(), true)
        : BitmapRowDrawing::decide(BitmapRowDrawing::DrawEntire, 0, focused,
                                   m_list->mouseButtonDown(), index.row() == m_list->NACTIVEINDEX);
    if (!d.draw)
      return;

    // Rows in the desktop's window colours; only the empty area is grey.
    const QPalette pal = QApplication::palette(m_list);
    const QColor back = pal.color(d.highlighted ? QPalette::Highlight : QPalette::Base);
    const QColor fore = pal.color(d.highlighted ? QPalette::HighlightedText : QPalette::Text);
    const QRect row = option.rect;
    p->save();
    p->fillRect(row, back);
    p->setPen(fore);
    p->setFont(m_list->font());
    QRect textRect = row.adjusted(m_list->NBITMAPWIDTH + 2, 0, 0, 0);
    if (m_list->MULTILINE) {
      const QStringList lines = node->text.split(QLatin1Char(';'));
      const QFontMetrics fm(m_list->font());
      const int measured = int(lines.size()) * fm.lineSpacing();
      textRect.setTop(centredTextTop(row.top(), row.height(), measured));
      textRect.setHeight(qMax(measured, row.height()));
      p->setClipRect(row);
      p->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, lines.join(QLatin1Char('\n')));
      p->setClipping(false);
    } else {
      p->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, node->text);
    }
    if (d.focusRect)
      drawDottedFocus(p, row, fore);
    const QRect cell(row.topLeft(), QSize(m_list->NBITMAPWIDTH, m_list->NBITMAPHEIGHT));
    switch (node->kind) {
    case BitmapListNode::Bitmap: {
      const QPixmap pm = node->image.value<QPixmap>();
      if (!pm.isNull())
        p->drawPixmap(bitmapListImageRect(cell, pm.size()), pm);
      break;
    }
    case BitmapListNode::Icon: {
      const QIcon icon = node->image.value<QIcon>();
      if (!icon.isNull())
        icon.paint(p, bitmapListIconRect(cell));
      break;
    }
    case BitmapListNode::BitmapFile: {
      const QPixmap pm = m_list->fileImage(node->imageFile);
      if (!pm.isNull())
        p->drawPixmap(bitmapListImageRect(cell, pm.size()), pm);
      break;
    }
    default:
      break;
    }
    p->restore();
  }

private:
  BITMAPLISTBOX *m_list;
};

} // namespace

BITMAPLISTBOX::BITMAPLISTBOX(QWidget *parent) : QListWidget(parent)
{
  setItemDelegate(new RowDelegate(this));
  setUniformItemSizes(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, QColor(192, 192, 192));
  setPalette(pal);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0)
      NACTIVEINDEX = row;
  });
  // Rows coming and going move the current row without a change signal.
  const auto follow = [this] {
    if (currentRow() >= 0)
      NACTIVEINDEX = currentRow();
  };
  connect(model(), &QAbstractItemModel::rowsRemoved, this, follow);
  connect(model(), &QAbstractItemModel::rowsInserted, this, follow);
}

BITMAPLISTBOX::~BITMAPLISTBOX() = default;

int BITMAPLISTBOX::ADDNODE(const QString &text, const QVariant &value, const QVariant &image,
                           int kind, const QString &imageFile, std::optional<int> listPosition)
{
  const int id = m_nodes.add(text, value, image, kind, imageFile);
  auto *item = new QListWidgetItem;
  item->setData(IdRole, id);
  item->setData(Qt::AccessibleTextRole, QString(text).replace(QLatin1Char(';'), QLatin1Char(' ')));
  // A position of -1 (or past the last row) adds at the end, as the list
  // box's own insertion does.
  if (listPosition && *listPosition >= 0 && *listPosition < count())
    insertItem(*listPosition, item);
  else
    addItem(item);
  return id;
}

int BITMAPLISTBOX::idAtRow(int row) const
{
  const QListWidgetItem *it = item(row);
  return it ? it->data(IdRole).toInt() : -1;
}

int BITMAPLISTBOX::rowOfId(int id) const
{
  for (int r = 0; r < count(); ++r) {
    if (idAtRow(r) == id)
      return r;
  }
  return -1;
}

bool BITMAPLISTBOX::REMOVENODE(std::optional<int> id)
{
  const int which = id ? *id : GETACTIVEID();
  if (m_nodes.isEmpty() || !m_nodes.find(which))
    return false;
  if (BONDELETE && BONDELETE(this))
    return false;
  // The row of the node asked for goes, wherever it stands.
  const int row = rowOfId(which);
  m_nodes.remove(which);
  if (row >= 0)
    delete takeItem(row);
  return true;
}

void BITMAPLISTBOX::LISTCLEAR()
{
  const int active = NACTIVEINDEX;
  m_nodes.clear();
  clear();
  NACTIVEINDEX = active;
}

int BITMAPLISTBOX::GETACTIVEID() const
{
  return idAtRow(NACTIVEINDEX);
}

QVariant BITMAPLISTBOX::GETACTIVEVALUE() const
{
  const BitmapListNode *n = m_nodes.find(GETACTIVEID());
  return n ? n->value : QVariant(QString());
}

int BITMAPLISTBOX::GETDROPPEDID() const
{
  return idAtRow(NDROPINDEX);
}

QVariant BITMAPLISTBOX::GETDROPPEDVALUE() const
{
  const BitmapListNode *n = m_nodes.find(GETDROPPEDID());
  return n ? n->value : QVariant(QString());
}

void BITMAPLISTBOX::SETACTIVETEXT(const QString &text)
{
  if (BitmapListNode *n = m_nodes.find(GETACTIVEID())) {
    n->text = text;
    if (QListWidgetItem *it = item(NACTIVEINDEX))
      it->setData(Qt::AccessibleTextRole, QString(text).replace(QLatin1Char(';'), QLatin1Char(' ')));
  }
}

void BITMAPLISTBOX::SETACTIVEVALUE(const QVariant &value)
{
  if (BitmapListNode *n = m_nodes.find(GETACTIVEID()))
    n->value = value;
}

void BITMAPLISTBOX::REFRESH()
{
  doItemsLayout();
  viewport()->update();
}

QPixmap BITMAPLISTBOX::fileImage(const QString &fileName) const
{
  auto it = m_fileImages.constFind(fileName);
  if (it != m_fileImages.constEnd())
    return *it;
  ++m_fileReads;
  QPixmap pm;
  pm.load(fileName);  // a file that does not load draws nothing, and is not read again
  m_fileImages.insert(fileName, pm);
  return pm;
}

void BITMAPLISTBOX::keyPressEvent(QKeyEvent *event)
{
  // The keypad's Delete key removes the row as the other one does.
  if (event->key() == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    REMOVENODE();
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void BITMAPLISTBOX::mousePressEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton)
    m_mouseDown = true;
  QListWidget::mousePressEvent(event);
}

void BITMAPLISTBOX::mouseReleaseEvent(QMouseEvent *event)
{
  if (event->button() == Qt::LeftButton)
    m_mouseDown = false;
  QListWidget::mouseReleaseEvent(event);
}

void BITMAPLISTBOX::mouseDoubleClickEvent(QMouseEvent *event)
{
  // The row the first click made current; the list's own double-click
  // handling is not wanted.
  const BitmapListNode *n = m_nodes.find(idAtRow(currentRow()));
  if (n && BONMOUSEDBLCLK)
    BONMOUSEDBLCLK(this, n->value);
  event->accept();
}

} // namespace vz
