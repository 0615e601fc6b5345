#include "actalert.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

namespace vz {

namespace {
QPointer<ACTALERT> g_slot;
} // namespace

ACTALERT::ACTALERT(QWidget *owner) : NEWDIALOGWINDOW(owner)
{
  // A caption but no system menu: nothing to close it with but the work's end.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(false);
  setWindowTitle(QStringLiteral("İşlem Mesajı"));
  setObjectName(QStringLiteral("ACTALERT"));
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(200, 21));
  m_text = new QLabel(QStringLiteral("İşlemler yürütülüyor. Lütfen bekleyiniz!"), this);
  m_text->setObjectName(QStringLiteral("FixedText1"));
  m_text->setFont(DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 10, true));
  m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  DialogUnits::place(m_text, du, 13, 6, 180, 12);
  // The bold text may be wider than the template allowed for.
  m_text->setMinimumWidth(m_text->sizeHint().width());
  if (m_text->sizeHint().width() + du.x(13) * 2 > width())
    setFixedWidth(m_text->sizeHint().width() + du.x(13) * 2);
}

void AALERT(QWidget *owner)
{
  destroyPleaseWait();
  auto *box = new ACTALERT(owner);
  box->setAttribute(Qt::WA_DeleteOnClose);
  g_slot = box;
  const QRect area = owner ? owner->window()->frameGeometry()
                           : (box->screen() ? box->screen()->availableGeometry() : QRect());
  if (area.isValid())
    box->move(area.center() - QPoint(box->width() / 2, box->height() / 2));
  box->show();
  box->raise();
  // Paint the box before the caller's work holds the event loop.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void destroyPleaseWait()
{
  if (!g_slot)
    return;
  ACTALERT *box = g_slot;
  g_slot = nullptr;
  box->hide();
  box->deleteLater();
}

ACTALERT *pleaseWaitBox() { return g_slot; }

} // namespace vz
