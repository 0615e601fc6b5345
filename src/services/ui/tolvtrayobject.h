#pragma once
// One icon of a window in the desktop's notification area, with its tooltip
// and the callback message the window gets when the mouse acts on it
// (TRAYMESSAGE(message, reason); 0x8002 by default).
//
// ISVISIBLE() is true only while the desktop really shows the icon: a desktop
// without a notification area (or one that refuses the icon) leaves it false.
// While shown, every change of window, icon, tooltip or message is pushed at
// once; an empty icon clears the shown picture. The desktop side sits behind
// TrayBackend, so the bookkeeping can be driven without a desktop.
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QSystemTrayIcon;

namespace vz {

class TrayBackend {
public:
  struct Entry {
    QWidget *window = nullptr;
    QIcon icon;        // null: no picture
    QString tip;       // at most 63 characters
    quint32 message = 0;
  };
  virtual ~TrayBackend() = default;
  // Each answers whether the desktop took the change.
  virtual bool add(const Entry &entry) = 0;
  virtual bool modify(const Entry &entry) = 0;
  virtual bool remove() = 0;
  // Set by the tray object: called with the QSystemTrayIcon activation reason.
  std::function<void(int reason)> activated;
};

// The desktop's notification area through QSystemTrayIcon.
class QtTrayBackend : public TrayBackend {
public:
  QtTrayBackend();
  ~QtTrayBackend() override;
  bool add(const Entry &entry) override;
  bool modify(const Entry &entry) override;
  bool remove() override;

private:
  std::unique_ptr<QSystemTrayIcon> m_icon;
};

class TOLVTRAYOBJECT : public QObject {
  Q_OBJECT
public:
  static constexpr quint32 DefaultMessage = 0x8002;
  static constexpr int TipLength = 63;

  // Without an icon the window's own icon is taken, without a tooltip the
  // window's title, without a message 0x8002. No icon is shown before SHOW.
  explicit TOLVTRAYOBJECT(QWidget *window, const QIcon &icon = QIcon(),
                          std::optional<QString> tooltip = std::nullopt,
                          std::optional<quint32> message = std::nullopt,
                          std::unique_ptr<TrayBackend> backend = nullptr);
  ~TOLVTRAYOBJECT() override;

  QWidget *WINDOW() const { return m_window.data(); }
  QWidget *WINDOW(QWidget *window);  // none: the icon is removed
  QWidget *OWNER() const { return WINDOW(); }
  QWidget *OWNER(QWidget *window) { return WINDOW(window); }
  QIcon ICON() const { return m_icon; }
  QIcon ICON(const QIcon &icon);     // a null icon clears the picture
  QString TOOLTIP() const { return m_tooltip; }
  QString TOOLTIP(const QString &tooltip);  // shown cut to 63 characters
  quint32 MESSAGE() const { return m_message; }
  quint32 MESSAGE(quint32 message);
  bool ISVISIBLE() const { return m_visible; }

  // Adds the icon, or updates it when shown; answers ISVISIBLE().
  bool SHOW();
  void HIDE();
  void REFRESH();
  // Removes the icon and lets go of the desktop; further calls do nothing.
  void DESTROY();

signals:
  void TRAYMESSAGE(quint32 message, int reason);

private:
  TrayBackend::Entry entry() const;

  std::unique_ptr<TrayBackend> m_backend;
  QPointer<QWidget> m_window;
  QIcon m_icon;
  QString m_tooltip;
  quint32 m_message = DefaultMessage;
  bool m_visible = false;
  bool m_destroyed = false;
};

} // namespace vz
