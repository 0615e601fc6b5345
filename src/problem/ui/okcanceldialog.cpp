#include "okcanceldialog.h"
#include "controls/dialogunits.h"
#include "controls/jqlistbox.h"
#include "controls/windowicons.h"
#include <QPushButton>

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
  DialogUnits::place(m_ok, du, okX, okY, okW, okH);
  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setAutoDefault(false);
  DialogUnits::place(m_cancel, du, cancelX, cancelY, cancelW, cancelH);

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
  return list;
}

} // namespace vz
