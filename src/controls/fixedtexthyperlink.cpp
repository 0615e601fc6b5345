#include "controls/fixedtexthyperlink.h"

#include "controls/hyperlinktarget.h"
#include "problem/interaction.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace vz {

FIXEDTEXTHYPERLINK::FIXEDTEXTHYPERLINK(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
  // Colours and pointer of this control alone, not of every static text.
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
  pal.setColor(QPalette::Window, QColor(255, 255, 255));
  setPalette(pal);
  setAutoFillBackground(true);
  setCursor(Qt::PointingHandCursor);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
}

std::function<bool(const QUrl &)> &FIXEDTEXTHYPERLINK::opener()
{
  static std::function<bool(const QUrl &)> f = [](const QUrl &url) {
    return QDesktopServices::openUrl(url);
  };
  return f;
}

QString FIXEDTEXTHYPERLINK::target() const
{
  return LINK.isEmpty() ? text() : LINK;
}

void FIXEDTEXTHYPERLINK::report(const QString &message)
{
  m_lastError = message;
  emit OPENFAILED(message);
  if (m_interaction)
    m_interaction->warning(message, QStringLiteral("Bağlantı"));
}

bool FIXEDTEXTHYPERLINK::open()
{
  const HyperlinkTarget t = HyperlinkTarget::check(target());
  if (!t.allowed) {
    report(t.message);
    return false;
  }
  if (!opener()(t.url)) {
    report(QStringLiteral("Bağlantı açılamadı:\n%1").arg(t.url.toDisplayString()));
    return false;
  }
  m_lastError.clear();
  return true;
}

void FIXEDTEXTHYPERLINK::mouseDoubleClickEvent(QMouseEvent *event)
{
  // The first press of a double click opened the target already; the
  // double click itself would open it a second time.
  event->accept();
}

void FIXEDTEXTHYPERLINK::mousePressEvent(QMouseEvent *event)
{
  // The target goes out on the press; the label still sees the press after.
  if (event->button() == Qt::LeftButton)
    open();
  QLabel::mousePressEvent(event);
}

} // namespace vz
