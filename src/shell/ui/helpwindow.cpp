#include "helpwindow.h"

#include "controls/windowicons.h"
#include "shell/helptopics.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vz {

namespace {

QToolButton *navigationButton(QWidget *parent, QStyle::StandardPixmap picture, const QString &text,
                              const QString &tip)
{
  auto *button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(picture, nullptr, parent));
  button->setText(text);
  button->setToolTip(tip);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setEnabled(false);
  return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
  setWindowTitle(QStringLiteral("Vesk_Zyr 2.0 Yardım"));
  setWindowIcons(this, VSKTOD());
  m_browser = new QTextBrowser(this);
  m_browser->setAccessibleName(QStringLiteral("Yardım"));
  m_browser->setOpenExternalLinks(false);
  m_back = navigationButton(this, QStyle::SP_ArrowBack, QStringLiteral("&Geri"),
                            QStringLiteral("Önceki sayfaya dön"));
  m_forward = navigationButton(this, QStyle::SP_ArrowForward, QStringLiteral("İ&leri"),
                               QStringLiteral("Sonraki sayfaya git"));
  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);

  auto *buttons = new QHBoxLayout;
  buttons->setContentsMargins(4, 2, 4, 2);
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addStretch();
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(buttons);
  layout->addWidget(m_browser);

  // The help keys answer here as in the main window; Escape puts help away.
  const struct {
    Qt::Key key;
    QString topic;
  } keys[] = {{Qt::Key_F1, QStringLiteral("HelpIndex")},
              {Qt::Key_F2, QStringLiteral("HelpContents")},
              {Qt::Key_F3, HelpTopics::helpOnHelpTopic()}};
  for (const auto &k : keys) {
    const QString topic = k.topic;
    connect(new QShortcut(QKeySequence(k.key), this), &QShortcut::activated, this,
            [this, topic] { showTopic(topic); });
  }
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  resize(640, 520);
}

void HelpWindow::placeOverOwner()
{
  m_placed = true;
  QWidget *owner = parentWidget();
  if (!owner || !owner->isVisible())
    return;
  const QRect over = owner->window()->frameGeometry();
  const QSize size = this->size().boundedTo(over.size());
  resize(size);
  move(over.center() - QPoint(size.width() / 2, size.height() / 2));
}

void HelpWindow::showTopic(const QString &topic)
{
  m_browser->setSource(QUrl(QStringLiteral("qrc") + HelpTopics::pagePath(topic)));
  if (!m_placed)
    placeOverOwner();
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentTopicSource() const
{
  return m_browser->source().toString();
}

} // namespace vz
