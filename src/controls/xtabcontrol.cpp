#include "xtabcontrol.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QTabBar>

namespace vz {

XTABCONTROL::XTABCONTROL(QWidget *owner) : QTabWidget(owner)
{
  tabBar()->installEventFilter(this);
}

int XTABCONTROL::APPENDTAB(const QString &name, const QString &caption, QWidget *page, const QIcon &image)
{
  if (page && !name.isEmpty())
    page->setObjectName(name);
  return addTab(page, image, caption);
}

XTABCONTROL *XTABCONTROL::PREVENTSELECTION(int n)
{
  if (n >= 0 && n < m_selectable.size())
    m_selectable[n] = false;
  return this;
}

XTABCONTROL *XTABCONTROL::ALLOWSELECTION(int n)
{
  if (n >= 0 && n < m_selectable.size())
    m_selectable[n] = true;
  return this;
}

bool XTABCONTROL::isSelectable(int n) const
{
  return n >= 0 && n < m_selectable.size() && m_selectable.at(n);
}

void XTABCONTROL::tabInserted(int index)
{
  // Every tab has its flag, however it was added, so the flags follow the
  // tabs when some are inserted or removed.
  m_selectable.insert(qBound(0, index, int(m_selectable.size())), true);
  QTabWidget::tabInserted(index);
}

void XTABCONTROL::tabRemoved(int index)
{
  if (index >= 0 && index < m_selectable.size())
    m_selectable.removeAt(index);
  QTabWidget::tabRemoved(index);
}

bool XTABCONTROL::eventFilter(QObject *watched, QEvent *event)
{
  if (watched != tabBar())
    return QTabWidget::eventFilter(watched, event);
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick: {
    // A double click presses the tab again.
    auto *mouse = static_cast<QMouseEvent *>(event);
    const int tab = tabBar()->tabAt(mouse->position().toPoint());
    if (tab >= 0 && !isSelectable(tab))
      return true;
    break;
  }
  case QEvent::KeyPress: {
    // Tab and Shift+Tab move the focus on; Esc and Enter go on to the
    // dialog, to cancel or accept it. No key switches tabs.
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Tab: case Qt::Key_Backtab:
    case Qt::Key_Escape: case Qt::Key_Return: case Qt::Key_Enter:
      break;
    default:
      return true;
    }
    break;
  }
  case QEvent::Wheel:
    return true;
  case QEvent::Shortcut: {
    // A tab's mnemonic selects it like a click.
    auto *shortcut = static_cast<QShortcutEvent *>(event);
    for (int i = 0; i < count(); ++i)
      if (!isSelectable(i) && QKeySequence::mnemonic(tabText(i)) == shortcut->key())
        return true;
    break;
  }
  default:
    break;
  }
  return QTabWidget::eventFilter(watched, event);
}

void XTABCONTROL::keyPressEvent(QKeyEvent *event)
{
  // Ctrl+Tab and Ctrl+PageUp/PageDown from a page would switch tabs.
  event->ignore();
}

} // namespace vz
