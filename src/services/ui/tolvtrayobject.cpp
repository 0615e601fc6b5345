#include "services/ui/tolvtrayobject.h"

#include <QSystemTrayIcon>

namespace vz {

QtTrayBackend::QtTrayBackend() = default;
QtTrayBackend::~QtTrayBackend() = default;

bool QtTrayBackend::add(const Entry &entry)
{
  if (!QSystemTrayIcon::isSystemTrayAvailable())
    return false;
  if (!m_icon) {
    m_icon = std::make_unique<QSystemTrayIcon>();
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                       if (activated)
                         activated(int(reason));
                     });
  }
  m_icon->setIcon(entry.icon);
  m_icon->setToolTip(entry.tip);
  m_icon->show();
  return m_icon->isVisible();
}

bool QtTrayBackend::modify(const Entry &entry)
{
  if (!m_icon || !m_icon->isVisible())
    return false;
  m_icon->setIcon(entry.icon);
  m_icon->setToolTip(entry.tip);
  return true;
}

bool QtTrayBackend::remove()
{
  if (!m_icon)
    return false;
  m_icon->hide();
  m_icon.reset();
  return true;
}

TOLVTRAYOBJECT::TOLVTRAYOBJECT(QWidget *window, const QIcon &icon,
                               std::optional<QString> tooltip, std::optional<quint32> message,
                               std::unique_ptr<TrayBackend> backend)
    : m_backend(backend ? std::move(backend) : std::make_unique<QtTrayBackend>())
{
  m_backend->activated = [this](int reason) { emit TRAYMESSAGE(m_message, reason); };
  if (!window)
    return;
  WINDOW(window);
  ICON(icon.isNull() ? window->windowIcon() : icon);
  TOOLTIP(tooltip ? *tooltip : window->windowTitle());
  MESSAGE(message ? *message : DefaultMessage);
}

TOLVTRAYOBJECT::~TOLVTRAYOBJECT()
{
  DESTROY();
}

TrayBackend::Entry TOLVTRAYOBJECT::entry() const
{
  TrayBackend::Entry e;
  e.window = m_window.data();
  e.icon = m_icon;
  e.tip = m_tooltip.left(TipLength);
  e.message = m_message;
  return e;
}

QWidget *TOLVTRAYOBJECT::WINDOW(QWidget *window)
{
  if (m_destroyed)
    return m_window.data();
  if (!window)
    HIDE();
  m_window = window;
  REFRESH();
  return m_window.data();
}

QIcon TOLVTRAYOBJECT::ICON(const QIcon &icon)
{
  if (m_destroyed)
    return m_icon;
  m_icon = icon;
  REFRESH();
  return m_icon;
}

QString TOLVTRAYOBJECT::TOOLTIP(const QString &tooltip)
{
  if (m_destroyed)
    return m_tooltip;
  m_tooltip = tooltip;
  REFRESH();
  return m_tooltip;
}

quint32 TOLVTRAYOBJECT::MESSAGE(quint32 message)
{
  if (m_destroyed)
    return m_message;
  m_message = message;
  REFRESH();
  return m_message;
}

bool TOLVTRAYOBJECT::SHOW()
{
  if (m_destroyed)
    return false;
  if (m_visible) {
    // A desktop that lost the icon (its panel restarted) gets it added anew.
    if (!m_backend->modify(entry()))
      m_visible = m_backend->add(entry());
  } else {
    m_visible = m_backend->add(entry());
  }
  return m_visible;
}

void TOLVTRAYOBJECT::HIDE()
{
  if (!m_visible)
    return;
  m_backend->remove();
  m_visible = false;
}

void TOLVTRAYOBJECT::REFRESH()
{
  if (m_visible)
    SHOW();
}

void TOLVTRAYOBJECT::DESTROY()
{
  if (m_destroyed)
    return;
  HIDE();
  m_destroyed = true;
  m_backend->activated = nullptr;
}

} // namespace vz
