#include "splashscreen.h"

#include "controls/dialogunits.h"
#include "controls/windowicons.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace vz {

namespace {

QLabel *colouredText(QWidget *parent, const DialogUnits &du, const char *name, const QString &text,
                     const QFont &font, const QColor &ink, const QColor &paper, QRect at)
{
  auto *label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, paper);
  pal.setColor(QPalette::WindowText, ink);
  label->setPalette(pal);
  label->setAutoFillBackground(true);
  DialogUnits::place(label, du, at.x(), at.y(), at.width(), at.height());
  // Where none of the faces asked for is installed, the fallback may be wider
  // and wrap the text onto a line the box has no room for: step the size down
  // until the whole text shows.
  QFont fitted = font;
  while (label->heightForWidth(label->width()) > label->height() && fitted.pointSizeF() > 6) {
    fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    label->setFont(fitted);
  }
  return label;
}

} // namespace

SPLASHSCREEN::SPLASHSCREEN(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
  setObjectName(QStringLiteral("SPLASHSCREEN"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Never takes the keyboard from the log-on or the main window.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setWindowTitle(QString());
  const QFont font = DialogUnits::shellDlgFont();
  setFont(font);
  const DialogUnits du(font);
  setFixedSize(du.size(398, 184));

  auto *picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("SPLASH_BMP2"));
  picture->setPixmap(QPixmap(QStringLiteral(":/icons/SPLASH_BMP2.png")));
  picture->setScaledContents(true);
  DialogUnits::place(picture, du, 8, 7, 120, 188);

  // Garamond is a narrow book face; where it is missing another serif face
  // of its width keeps the title on two lines.
  QFont title = DialogUnits::makeFont(QStringLiteral("Garamond"), 14, true);
  title.setFamilies({QStringLiteral("Garamond"), QStringLiteral("EB Garamond"), QStringLiteral("Nimbus Roman"),
                     QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  title.setStyleHint(QFont::Serif);
  colouredText(this, du, "FIXEDTEXT101", QStringLiteral("OPTİMAL ve MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"),
               title, Qt::white, Qt::black, {168, 76, 198, 40});
  colouredText(this, du, "FIXEDTEXT102", QStringLiteral("Vesk_Zyr 2.0"),
               DialogUnits::makeFont(QStringLiteral("Arial"), 18, true), Qt::black, QColor(0, 128, 64),
               {192, 40, 120, 21});

  auto *emblem = new QLabel(this);
  emblem->setObjectName(QStringLiteral("VSKMAIN"));
  const DialogUnits &u = du;
  emblem->setPixmap(VSKMAIN().pixmap(u.size(27, 26)));
  emblem->setAlignment(Qt::AlignCenter);
  DialogUnits::place(emblem, du, 232, 136, 27, 26);

  m_timer = new QTimer(this);
  m_timer->setSingleShot(true);
  connect(m_timer, &QTimer::timeout, this, &SPLASHSCREEN::TIMER);
}

void SPLASHSCREEN::SHOW(int waitMs)
{
  show();
  raise();
  m_timer->start(3000);
  QApplication::processEvents();
  // The start waits here; the splash still paints, but nothing typed or
  // clicked meanwhile reaches the program.
  QEventLoop wait;
  QTimer::singleShot(waitMs, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

bool SPLASHSCREEN::timerRunning() const
{
  return m_timer->isActive();
}

void SPLASHSCREEN::TIMER()
{
  close();
}

} // namespace vz
