#pragma once
// The program's help display: a window of its own over the main window that
// shows the help pages kept in the resources, one per topic, with links
// between them, back and forward buttons, and the main window's help keys.
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace vz {

class HelpWindow : public QWidget {
  Q_OBJECT
public:
  explicit HelpWindow(QWidget *owner = nullptr);

  // Shows the page of `topic` (the index page for an unknown topic) and brings
  // the window up; the first time, centred over its owner.
  void showTopic(const QString &topic);
  QString currentTopicSource() const;
  QTextBrowser *browser() const { return m_browser; }
  QToolButton *backButton() const { return m_back; }
  QToolButton *forwardButton() const { return m_forward; }

private:
  void placeOverOwner();

  QTextBrowser *m_browser;
  QToolButton *m_back;
  QToolButton *m_forward;
  bool m_placed = false;
};

} // namespace vz
