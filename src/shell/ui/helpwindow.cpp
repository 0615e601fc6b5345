#include "helpwindow.h"

#include "controls/windowicons.h"
#include "shell/helptopics.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vz {

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
  setWindowTitle(QStringLiteral("Vesk_Zyr 2.0 Yardım"));
  setWindowIcons(this, VSKTOD());
  m_browser = new QTextBrowser(this);
  m_browser->setAccessibleName(QStringLiteral("Yardım"));
  m_browser->setOpenExternalLinks(false);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_browser);
  resize(640, 520);
}

void HelpWindow::showTopic(const QString &topic)
{
  m_browser->setSource(QUrl(QStringLiteral("qrc") + HelpTopics::pagePath(topic)));
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentTopicSource() const
{
  return m_browser->source().toString();
}

} // namespace vz
