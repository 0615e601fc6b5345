#include "dlgpecalendar.h"

#include "dialogunits.h"
#include "pecalendar.h"
#include "windowicons.h"
#include "platform/rtext.h"

#include <QFrame>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace vz {

DLGPECALENDAR::DLGPECALENDAR(QWidget *owner, QLineEdit *edit, bool alignLeft, unsigned firstDayOfWeek)
    : QDialog(owner), m_edit(edit), m_alignLeft(alignLeft)
{
  setWindowTitle(QStringLiteral("Calendar"));
  setWindowIcons(this, VSKTOD());
  setObjectName(QStringLiteral("DLGPECALENDAR"));
  setFont(DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 8));
  setModal(true);
  const DialogUnits du(font());
  setFixedSize(du.size(171, 91));

  // The calendar sits in a sunken frame, as a bordered control with a
  // client edge would.
  auto *frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(2);
  frame->setGeometry(du.rect(2, 2, 165, 86));
  const QRect inside = frame->contentsRect();
  m_calendar = new PECALENDAR(frame, inside.size());
  m_calendar->setObjectName(QStringLiteral("CALENDAR"));
  m_calendar->move(inside.topLeft());
  connect(m_calendar, &PECALENDAR::dateChosen, this, &DLGPECALENDAR::choose);
  connect(m_calendar, &PECALENDAR::closeRequested, this, &QDialog::reject);

  const QDate start = edit ? rt::CToD(edit->text()) : QDate();
  m_calendar->setCURRENTDATE(start.isValid() ? start : QDate::currentDate());
  m_calendar->FIRSTDAYOFTHEWEEK(firstDayOfWeek);
  m_calendar->setFocus(Qt::OtherFocusReason);
  place();
}

void DLGPECALENDAR::choose(const QDate &date)
{
  m_selected = date;
  accept();
}

void DLGPECALENDAR::place()
{
  if (!m_edit)
    return;
  const QRect editRect(m_edit->mapToGlobal(QPoint(0, 0)), m_edit->size());
  QScreen *screen = m_edit->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(editRect.topLeft(), QSize(1 << 20, 1 << 20));
  // Once shown the window frame is known and counts towards the size.
  const QSize outer = isVisible() ? frameGeometry().size() : size();
  move(calendarDialogOrigin(editRect, m_alignLeft, outer, available));
}

void DLGPECALENDAR::showEvent(QShowEvent *event)
{
  QDialog::showEvent(event);
  place();
}

PEDATESLECONTEXTMENU::PEDATESLECONTEXTMENU(QWidget *owner) : QMenu(owner)
{
  setTitle(QStringLiteral("&File"));
  setObjectName(QStringLiteral("FILE"));
  menuAction()->setData(FileId);
  menuAction()->setProperty("helpContext", QStringLiteral("File"));
  auto item = [this](int id, const QString &name, const QString &caption, const QString &description,
                     const QString &help) {
    QAction *action = addAction(caption);
    action->setObjectName(name);
    action->setData(id);
    action->setStatusTip(description);
    action->setProperty("helpContext", help);
    return action;
  };
  m_today = item(TodayId, QStringLiteral("FILENEW"), QStringLiteral("&Today"),
                 QStringLiteral("Create a new file"), QStringLiteral("File_New"));
  m_calendar = item(CalendarId, QStringLiteral("FILEOPEN"), QStringLiteral("&Calendar..."),
                    QStringLiteral("Open a file"), QStringLiteral("File_Open"));
}

} // namespace vz
