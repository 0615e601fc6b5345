#include "wintipofday.h"
#include "dialogunits.h"
#include "tipserver.h"
#include "windowicons.h"
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vz {

WINTIPOFDAY::WINTIPOFDAY(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Günün Tüyosu"));
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(240, 172));

  const QFont fontA = DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 8);
  const QFont fontB = DialogUnits::makeFont(QStringLiteral("Arial"), 12, true);
  const QFont fontC = DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 10);
  auto white = [](QWidget *w, const QColor &text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
  };

  m_backdrop = new QLabel(this);
  m_backdrop->setFrameShape(QFrame::Box);
  m_backdrop->setFont(fontA);
  white(m_backdrop, Qt::black);
  DialogUnits::place(m_backdrop, du, 8, 7, 226, 128);

  m_bulb = new QLabel(this);
  m_bulb->setPixmap(LIGHTBULB());
  m_bulb->setScaledContents(true);
  white(m_bulb, Qt::black);
  DialogUnits::place(m_bulb, du, 13, 12, 32, 29);

  m_heading = new QLabel(QStringLiteral("Biliyor muydunuz?"), this);
  m_heading->setFont(fontB);
  white(m_heading, QColor(0, 128, 0));
  DialogUnits::place(m_heading, du, 52, 18, 116, 12);

  m_text = new QPlainTextEdit(this);
  m_text->setReadOnly(true);
  m_text->setFrameShape(QFrame::NoFrame);
  m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_text->setFont(fontC);
  white(m_text, QColor(0, 0, 255));
  m_text->setAccessibleName(QStringLiteral("Biliyor muydunuz?"));
  DialogUnits::place(m_text, du, 13, 43, 217, 74);

  m_more = new QPushButton(QStringLiteral("&Daha fazla bilgi"), this);
  m_more->setFont(fontA);
  m_more->setToolTip(QStringLiteral("Bu tüyo hakkında daha fazla bilgi"));
  m_more->setAutoDefault(false);
  DialogUnits::place(m_more, du, 90, 119, 60, 12);

  m_showOnStartup = new QCheckBox(QStringLiteral("Başlarken göster"), this);
  m_showOnStartup->setFont(fontA);
  m_showOnStartup->setToolTip(QStringLiteral("Program başladığında günün tüyosunu göster"));
  DialogUnits::place(m_showOnStartup, du, 6, 141, 67, 11);

  m_previous = new QPushButton(QStringLiteral("< &Önceki"), this);
  m_previous->setFont(fontA);
  m_previous->setToolTip(QStringLiteral("Önceki tüyoyu gör"));
  m_previous->setAutoDefault(false);
  DialogUnits::place(m_previous, du, 73, 153, 48, 13);

  m_next = new QPushButton(QStringLiteral("&Sonraki >"), this);
  m_next->setFont(fontA);
  m_next->setToolTip(QStringLiteral("Sonraki tüyoyu gör"));
  m_next->setAutoDefault(false);
  DialogUnits::place(m_next, du, 122, 153, 46, 13);

  m_close = new QPushButton(QStringLiteral("&Kapat"), this);
  m_close->setFont(fontA);
  m_close->setToolTip(QStringLiteral("Günün tüyosunu kapat"));
  m_close->setDefault(true);
  DialogUnits::place(m_close, du, 186, 153, 47, 13);

  // Tab order as the controls stand in the template.
  setTabOrder(m_more, m_showOnStartup);
  setTabOrder(m_showOnStartup, m_previous);
  setTabOrder(m_previous, m_next);
  setTabOrder(m_next, m_close);

  connect(m_next, &QPushButton::clicked, this, &WINTIPOFDAY::PBNEXT);
  connect(m_previous, &QPushButton::clicked, this, &WINTIPOFDAY::PBPREVIOUS);
  connect(m_more, &QPushButton::clicked, this, &WINTIPOFDAY::PBMORE);
  connect(m_close, &QPushButton::clicked, this, &WINTIPOFDAY::PBCLOSE);
}

WINTIPOFDAY::~WINTIPOFDAY() = default;

void WINTIPOFDAY::setTIP(const QList<TipRow> &rows)
{
  m_rows = rows;
  m_server = nullptr;
}

void WINTIPOFDAY::setTIP(TipServer *server)
{
  m_rows.clear();
  m_server = server;
}

int WINTIPOFDAY::tipCount() const
{
  return m_server ? m_server->recordCount() : int(m_rows.size());
}

bool WINTIPOFDAY::SHOWONSTARTUP() const { return m_showOnStartup->isChecked(); }

bool WINTIPOFDAY::setSHOWONSTARTUP(bool on)
{
  m_showOnStartup->setChecked(on);
  return on;
}

void WINTIPOFDAY::NEXTTIP()
{
  if (m_server) {
    if (m_lastTip > 0) {
      m_server->goTo(m_lastTip);
      m_server->skip(1);
      if (m_server->eof())
        m_server->goTop();
    } else {
      m_server->goTop();
    }
    m_lastTip = m_server->recNo();
  } else if (!m_rows.isEmpty()) {
    ++m_lastTip;
    if (m_lastTip > m_rows.size())
      m_lastTip = 1;
  }
  LOADTIP();
}

void WINTIPOFDAY::PREVIOUSTIP()
{
  if (m_server) {
    m_server->skip(-1);
    m_lastTip = m_server->recNo();
  } else if (!m_rows.isEmpty()) {
    --m_lastTip;
    if (m_lastTip < 1)
      m_lastTip = 1;
  }
  LOADTIP();
}

void WINTIPOFDAY::LOADTIP()
{
  const int count = tipCount();
  const int n = m_lastTip;
  // Without a tip to load the controls stay as they are.
  if (count == 0 || n < 1 || n > count)
    return;
  if (m_server) {
    m_heading->setText(m_server->fieldGet(QStringLiteral("HEADING")).toString());
    m_text->setPlainText(m_server->fieldGet(QStringLiteral("TIPTEXT")).toString());
    m_more->setVisible(m_server->fieldGet(QStringLiteral("SHOWMORE")).toBool());
  } else {
    const TipRow &row = m_rows.at(n - 1);
    m_heading->setText(row.heading);
    m_text->setPlainText(row.text);
    m_more->setVisible(row.showMore);
  }
  // Enabling first, focus after: a disabled button must not keep the focus.
  m_next->setEnabled(n != count);
  m_previous->setEnabled(n != 1);
  if (n == count && n != 1)
    m_previous->setFocus();
  if (n == 1 && n != count)
    m_next->setFocus();
}

bool WINTIPOFDAY::prepareShow()
{
  if (tipCount() == 0)
    return false;
  NEXTTIP();
  m_close->setFocus();
  return true;
}

int WINTIPOFDAY::SHOW()
{
  if (!prepareShow())
    return 0;
  return exec();
}

QString WINTIPOFDAY::currentHeading() const { return m_heading->text(); }
QString WINTIPOFDAY::currentText() const { return m_text->toPlainText(); }

void WINTIPOFDAY::done(int r)
{
  if (m_closeServer && m_server) {
    m_server->close();
    m_server = nullptr;
  }
  QDialog::done(r);
}

} // namespace vz
