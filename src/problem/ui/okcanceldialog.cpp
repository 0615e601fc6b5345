#include "okcanceldialog.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"
#include "controls/windowicons.h"
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace vz {

OkCancelDialog::OkCancelDialog(QWidget *owner) : QDialog(owner) {}

DialogUnits OkCancelDialog::setUpFrame(const QString &caption, const QFont &font, int w, int h)
{
  setWindowTitle(caption);
  setWindowIcons(this, VSKTOD());
  setFont(font);
  const DialogUnits du(font);
  setFixedSize(du.size(w, h));
  return du;
}

void OkCancelDialog::addOkCancel(const DialogUnits &du, int okX, int okY, int okW, int okH,
                                 int cancelX, int cancelY, int cancelW, int cancelH)
{
  m_ok = new QPushButton(QStringLiteral("&Tamam"), this);
  m_ok->setObjectName(QStringLiteral("PBTAMAM"));
  m_ok->setDefault(true);
  placeBesideList(m_ok, du, okX, okY, okW, okH);
  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setAutoDefault(false);
  placeBesideList(m_cancel, du, cancelX, cancelY, cancelW, cancelH);

  connect(m_ok, &QPushButton::clicked, this, &OkCancelDialog::PBTAMAM);
  connect(m_cancel, &QPushButton::clicked, this, &OkCancelDialog::PBIPTAL);
}

void OkCancelDialog::chainToOkCancel(QWidget *lastControl)
{
  setTabOrder(lastControl, m_ok);
  setTabOrder(m_ok, m_cancel);
}

JQLISTBOX *OkCancelDialog::addChoiceList(const DialogUnits &du, const QString &name,
                                         QAbstractItemView::SelectionMode mode,
                                         const QStringList &items, const QString &caption)
{
  auto *list = new JQLISTBOX(this);
  list->setObjectName(name);
  list->setSelectionMode(mode);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setFrameShadow(QFrame::Sunken);
  list->addItems(items);
  list->setAccessibleName(caption);
  DialogUnits::place(list, du, 10, 9, 74, 77);

  // The layout was drawn for short names: a feedstuff of the reference matrix
  // runs to 25 characters and a caption such as "Makro Besin Maddesi Seçimi"
  // is wider than the frame. The list grows until every item shows whole, the
  // frame until its caption does; what stands beside the list moves along.
  int widest = 0;
  for (const QString &item : items)
    widest = qMax(widest, list->fontMetrics().horizontalAdvance(item));
  const int margins = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
                      + 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1)
                      + list->fontMetrics().averageCharWidth();
  const int forItems = widest + margins - list->width();
  const int forCaption = captionWidth(caption) - width();
  m_listGrowth = qMax(0, qMax(forItems, forCaption));
  list->resize(list->width() + m_listGrowth, list->height());
  setFixedSize(width() + m_listGrowth, height());
  return list;
}

void OkCancelDialog::placeBesideList(QWidget *child, const DialogUnits &du, int x, int y, int w, int h)
{
  DialogUnits::place(child, du, x, y, w, h);
  child->move(child->x() + m_listGrowth, child->y());
}

int OkCancelDialog::captionWidth(const QString &caption) const
{
  // The title bar's font is the desktop's, bold on most; its icon and buttons
  // take about a hundred pixels.
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(caption) + 100;
}

} // namespace vz
