#include "pecalendar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QToolButton>

namespace vz {

namespace {

const QColor greyPen(128, 128, 128);

QRect toQRect(const CalendarRect &r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// A day number as the calendar writes it: right-aligned in two characters.
QString dayText(int day) { return QStringLiteral("%1").arg(day, 2); }

QLocale calendarLocale() { return QLocale(QLocale::Turkish, QLocale::Turkey); }

} // namespace

PECALENDAR::PECALENDAR(QWidget *owner, const QSize &size)
    : QWidget(owner), m_logic(size.width(), size.height())
{
  const QLocale locale = calendarLocale();
  for (int m = 1; m <= 12; ++m)
    m_monthNames.append(locale.standaloneMonthName(m, QLocale::LongFormat));
  setFixedSize(size);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("Takvim"));
}

QString PECALENDAR::weekdayName(int column) const
{
  // Qt counts Monday 1 ... Sunday 7. The short names, unlike the first
  // letters of the long ones, tell Pazar from Pazartesi and Cuma from Cumartesi.
  const int qtDay = (m_logic.weekdayOfColumn(column) + 5) % 7 + 1;
  return calendarLocale().standaloneDayName(qtDay, QLocale::ShortFormat).left(3);
}

QRect PECALENDAR::cellRect(int row, int column) const { return toQRect(m_logic.cell(row, column)); }

QDate PECALENDAR::setCURRENTDATE(const QDate &d)
{
  const int row = m_logic.CURRENTROWNUMBER();
  const int column = m_logic.CURRENTCOLUMNNUMBER();
  redraw(m_logic.setCurrentDate(d), row, column);
  return d;
}

unsigned PECALENDAR::FIRSTDAYOFTHEWEEK(unsigned n)
{
  const unsigned stored = m_logic.FIRSTDAYOFTHEWEEK(n);
  update();
  return stored;
}

void PECALENDAR::MOVEDAYS(int n)
{
  const int row = m_logic.CURRENTROWNUMBER();
  const int column = m_logic.CURRENTCOLUMNNUMBER();
  redraw(m_logic.MOVEDAYS(n), row, column);
}

void PECALENDAR::MOVEMONTHS(int n) { redraw(m_logic.MOVEMONTHS(n), 0, 0); }

void PECALENDAR::MOVEYEARS(int n) { redraw(m_logic.MOVEYEARS(n), 0, 0); }

void PECALENDAR::monthCommand(int id) { redraw(m_logic.monthCommand(id), 0, 0); }

void PECALENDAR::redraw(CalendarLogic::Redraw how, int oldRow, int oldColumn)
{
  switch (how) {
  case CalendarLogic::Redraw::None:
    break;
  case CalendarLogic::Redraw::Highlight:
    // Only the cell left and the cell entered; the grid lines at their
    // edges come with them.
    update(cellRect(oldRow, oldColumn).adjusted(-1, -1, 2, 2));
    update(cellRect(m_logic.CURRENTROWNUMBER(), m_logic.CURRENTCOLUMNNUMBER()).adjusted(-1, -1, 2, 2));
    break;
  case CalendarLogic::Redraw::Full:
    update();
    break;
  }
}

void PECALENDAR::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  const CalendarLogic &g = m_logic;
  const QPalette &pal = palette();
  const int cw = g.columnPitch();
  const int rh = g.rowPitch();
  p.fillRect(rect(), pal.color(QPalette::Button));

  // The raised header band: light top and left, grey bottom and right.
  const int r = g.gridRight();
  p.setPen(Qt::white);
  p.drawLine(0, 24, 0, 0);
  p.drawLine(0, 0, r, 0);
  p.setPen(greyPen);
  p.drawLine(r, 0, r, 24);
  p.drawLine(r, 24, 0, 24);

  // The grid lines, each a white line with a grey one beside it.
  for (int i = 1; i <= 6; ++i) {
    const int y = CalendarLogic::HeaderHeight + i * rh;
    p.setPen(Qt::white);
    p.drawLine(g.gridLeft(), y, r - 1, y);
    p.setPen(greyPen);
    p.drawLine(g.gridLeft(), y + 1, r - 1, y + 1);
  }
  for (int i = 1; i <= 6; ++i) {
    const int x = i * cw;
    p.setPen(Qt::white);
    p.drawLine(x, g.gridTop(), x, g.gridBottom() - 1);
    p.setPen(greyPen);
    p.drawLine(x + 1, g.gridTop(), x + 1, g.gridBottom() - 1);
  }

  // The month and year, centred in the header; their boxes are where a
  // click opens the month menu and the year editor.
  const QDate first = FIRSTDAYOFMONTH(g.CURRENTDATE());
  const QString monthName = m_monthNames.value(first.month() - 1);
  const QString year = QStringLiteral("%1").arg(first.year(), 4);
  const QString header = monthName + QLatin1Char(' ') + year;
  const QFontMetrics fm(font());
  const int w = fm.horizontalAdvance(header);
  const int h = fm.height();
  const int headerBoxBottom = CalendarLogic::HeaderHeight - 2;
  const int x = (g.controlWidth() >> 1) - (w >> 1);
  const int y = (headerBoxBottom >> 1) - (h >> 1);
  p.save();
  p.setClipRect(QRect(0, 0, g.controlWidth(), headerBoxBottom));
  p.setPen(pal.color(QPalette::WindowText));
  p.drawText(QRect(x, y, w + 1, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header);
  p.restore();
  const int monthRight = x + fm.horizontalAdvance(monthName + QLatin1Char(' '));
  m_monthLabel = {x, y, monthRight, headerBoxBottom};
  m_yearLabel = {monthRight, y, monthRight + fm.horizontalAdvance(year), headerBoxBottom};

  // The weekday row: the first and the last column in red.
  for (int c = 1; c <= 7; ++c) {
    const int left = (c - 1) * g.gridWidth() / 7;
    p.setPen(c == 1 || c == 7 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    p.drawText(QRect(left, 26, cw, rh), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               weekdayName(c));
  }

  // The days of the month, week by week.
  const int days = first.daysInMonth();
  int column = g.CASTDATE2COLUMN(first);
  int row = 1;
  p.setPen(QColor(0, 0, 0));
  for (int d = 1; d <= days; ++d) {
    p.drawText(toQRect(g.dayTextBox(row, column)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               dayText(d));
    if (column == 7) {
      column = 1;
      ++row;
    } else {
      ++column;
    }
  }

  // The two arrows that turn the month.
  p.setPen(Qt::black);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygon({QPoint(10, 13), QPoint(14, 9), QPoint(14, 17)}), Qt::WindingFill);
  p.drawPolygon(QPolygon({QPoint(r - 10, 13), QPoint(r - 14, 9), QPoint(r - 14, 17)}), Qt::WindingFill);

  // The current date, inside its cell's grid lines.
  const int cr = g.CURRENTROWNUMBER();
  const int cc = g.CURRENTCOLUMNNUMBER();
  const CalendarRect cell = g.cell(cr, cc);
  p.fillRect(QRect(QPoint(cell.left + 1, cell.top + 1), QPoint(cell.right - 1, cell.top + rh - 1)),
             pal.color(QPalette::Highlight));
  p.setPen(pal.color(QPalette::HighlightedText));
  p.drawText(toQRect(g.dayTextBox(cr, cc)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             dayText(g.CURRENTDATE().day()));
}

void PECALENDAR::keyPressEvent(QKeyEvent *event)
{
  const int key = event->key();
  if (key == Qt::Key_Escape) {
    event->accept();
    emit closeRequested();
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Acted on when the key comes up, and only when it went down here, so
    // the Enter that closes the year editor chooses nothing.
    m_enterDown = true;
    event->accept();
    return;
  }
  const int row = m_logic.CURRENTROWNUMBER();
  const int column = m_logic.CURRENTCOLUMNNUMBER();
  bool handled = false;
  const CalendarLogic::Redraw how = m_logic.key(key, &handled);
  if (!handled) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  redraw(how, row, column);
}

void PECALENDAR::keyReleaseEvent(QKeyEvent *event)
{
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
    event->accept();
    if (m_enterDown) {
      m_enterDown = false;
      emit dateChosen(CURRENTDATE());
    }
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void PECALENDAR::mousePressEvent(QMouseEvent *event)
{
  // A click on the calendar ends the year editing first.
  applyYearEditor();
  setFocus(Qt::MouseFocusReason);
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;
  const QPoint at = event->position().toPoint();
  if (at.y() <= CalendarLogic::HeaderHeight) {
    switch (m_logic.headerHit(at.x(), at.y(), m_monthLabel, m_yearLabel)) {
    case CalendarLogic::HeaderHit::PreviousMonth: MOVEMONTHS(-1); break;
    case CalendarLogic::HeaderHit::NextMonth: MOVEMONTHS(1); break;
    case CalendarLogic::HeaderHit::MonthLabel: EDITMONTH(); break;
    case CalendarLogic::HeaderHit::YearLabel: EDITYEAR(); break;
    case CalendarLogic::HeaderHit::None: break;
    }
    return;
  }
  const QDate day = m_logic.dayAt(at.x(), at.y());
  if (day.isValid())
    setCURRENTDATE(day);
}

void PECALENDAR::mouseDoubleClickEvent(QMouseEvent *event)
{
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;
  const QPoint at = event->position().toPoint();
  if (at.y() <= CalendarLogic::HeaderHeight + m_logic.rowPitch())
    return;
  // The first click of the double click has normally made that day current
  // already; a double click that arrives alone makes it so too.
  const QDate day = m_logic.dayAt(at.x(), at.y());
  if (day.isValid()) {
    setCURRENTDATE(day);
    emit dateChosen(CURRENTDATE());
  }
}

void PECALENDAR::focusOutEvent(QFocusEvent *event)
{
  m_enterDown = false;
  // Focus passing into the year editor is no loss; any other is.
  if (m_yearEdit && QApplication::focusWidget() != m_yearEdit)
    applyYearEditor();
  QWidget::focusOutEvent(event);
}

void PECALENDAR::EDITMONTH()
{
  auto *menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (int m = 1; m <= 12; ++m) {
    const int id = MonthMenuFirstId + m - 1;
    QAction *action = menu->addAction(m_monthNames.value(m - 1));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { monthCommand(id); });
  }
  menu->popup(mapToGlobal(QPoint(m_monthLabel.left, m_monthLabel.bottom)));
}

void PECALENDAR::EDITYEAR()
{
  if (m_yearEdit)
    return;
  QRect box(QPoint(m_yearLabel.left, m_yearLabel.top), QPoint(m_yearLabel.right, m_yearLabel.bottom));
  auto *edit = new QLineEdit(this);
  // Over the year label, but wide enough to show four digits inside the
  // edit's frame and margins.
  const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
  const int needed = edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * frame + 6;
  box.setWidth(qMax(box.width(), needed));
  edit->setObjectName(QStringLiteral("yearEdit"));
  edit->setAccessibleName(QStringLiteral("Yıl"));
  edit->setGeometry(box);
  edit->setText(QStringLiteral("%1").arg(CURRENTDATE().year(), 4, 10, QLatin1Char('0')));
  edit->installEventFilter(this);
  m_yearEdit = edit;

  // The spinner: 20 by 20 at the edit's right edge, level with its bottom;
  // its arrows never take the focus, so using them does not close the editor.
  const int spinLeft = box.right() + 1;
  const int spinTop = box.bottom() + 1 - 20;
  auto makeArrow = [this](Qt::ArrowType arrow, const QRect &place, int delta, const QString &name) {
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAccessibleName(name);
    connect(button, &QToolButton::clicked, this, [this, delta] { stepYearEditor(delta); });
    button->show();
    return button;
  };
  m_yearUp = makeArrow(Qt::UpArrow, QRect(spinLeft, spinTop, 20, 10), 1, QStringLiteral("Sonraki yıl"));
  m_yearDown = makeArrow(Qt::DownArrow, QRect(spinLeft, spinTop + 10, 20, 10), -1, QStringLiteral("Önceki yıl"));
  // While the year is edited, focus meant for the calendar (a click on the
  // spinner's arrows, say) stays in the edit.
  setFocusProxy(edit);
  edit->show();
  edit->selectAll();
  edit->setFocus(Qt::OtherFocusReason);
}

void PECALENDAR::stepYearEditor(int delta)
{
  if (!m_yearEdit)
    return;
  int year = CalendarLogic::yearFromText(m_yearEdit->text());
  if (year == 0)
    year = qBound(CalendarFirstYear, CURRENTDATE().year(), CalendarLastYear);
  year = qBound(CalendarFirstYear, year + delta, CalendarLastYear);
  m_yearEdit->setText(QString::number(year));
}

void PECALENDAR::applyYearEditor()
{
  if (!m_yearEdit)
    return;
  const int year = CalendarLogic::yearFromText(m_yearEdit->text());
  closeYearEditor();
  // Text that is no number leaves the year as it was.
  if (year != 0)
    MOVEYEARS(year - CURRENTDATE().year());
}

void PECALENDAR::closeYearEditor()
{
  QLineEdit *edit = m_yearEdit;
  m_yearEdit = nullptr;
  const bool hadFocus = edit && edit->hasFocus();
  if (edit)
    edit->removeEventFilter(this);
  setFocusProxy(nullptr);
  // The focus comes back to the calendar before the edit goes, so it never
  // wanders off to another control of the window.
  if (hadFocus)
    setFocus(Qt::OtherFocusReason);
  for (QWidget *w : {static_cast<QWidget *>(edit), static_cast<QWidget *>(m_yearUp.data()),
                     static_cast<QWidget *>(m_yearDown.data())}) {
    if (w) {
      w->hide();
      w->deleteLater();
    }
  }
  m_yearUp = nullptr;
  m_yearDown = nullptr;
}

bool PECALENDAR::eventFilter(QObject *watched, QEvent *event)
{
  if (m_yearEdit && watched == m_yearEdit) {
    if (event->type() == QEvent::FocusOut) {
      applyYearEditor();
      return false;
    }
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent *>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        applyYearEditor();
        return true;
      }
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        stepYearEditor(key == Qt::Key_Up ? 1 : -1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace vz
