#pragma once
// The program's help display: a window of its own that shows the help pages
// kept in the resources, one per topic, with links between them.
#include <QWidget>

class QTextBrowser;

namespace vz {

class HelpWindow : public QWidget {
  Q_OBJECT
public:
  explicit HelpWindow(QWidget *owner = nullptr);

  // Shows the page of `topic` (the index page for an unknown topic) and brings
  // the window up.
  void showTopic(const QString &topic);
  QString currentTopicSource() const;
  QTextBrowser *browser() const { return m_browser; }

private:
  QTextBrowser *m_browser;
};

} // namespace vz
