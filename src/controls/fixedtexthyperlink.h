#pragma once
// A text that acts as a link: blue on white, a hand pointer over it, and a
// left click opens its target, the LINK text or, without one, its caption; a
// double click opens it once, as a click does. Only web pages (http, https)
// and mail addresses (mailto) are opened, through the desktop; anything else,
// an empty target, or a desktop that cannot open it is reported: OPENFAILED
// with the message, and a warning to the user when an interaction was given.
#include <QLabel>
#include <QUrl>

#include <functional>

namespace vz {

class Interaction;

class FIXEDTEXTHYPERLINK : public QLabel {
  Q_OBJECT
public:
  explicit FIXEDTEXTHYPERLINK(const QString &caption, QWidget *parent = nullptr);

  QString LINK;  // opened instead of the caption when not empty

  QString target() const;
  // Opens the target; false when it was refused or could not be opened.
  bool open();
  QString lastError() const { return m_lastError; }
  void setInteraction(Interaction *interaction) { m_interaction = interaction; }

  // What opens an allowed address; QDesktopServices::openUrl unless a test
  // puts a stand-in here.
  static std::function<bool(const QUrl &)> &opener();

  // Sent by the mouse-tracking windows; the hand pointer is this control's
  // own, so there is nothing to switch.
  Q_INVOKABLE void MOUSEENTER() {}
  Q_INVOKABLE void MOUSEEXIT() {}

signals:
  void OPENFAILED(const QString &message);

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  void report(const QString &message);

  QString m_lastError;
  Interaction *m_interaction = nullptr;
};

} // namespace vz
