#pragma once
// A serial port over QSerialPort: opened by device name, set to 9600 baud,
// 8 data bits, no parity, 1 stop bit and fixed time-outs at every opening,
// with bounded reads and writes, the line settings and time-outs as
// properties, and the text and code of the last failure.
//
// The watcher (ENABLEEVENTS) reports each arrival of characters as the signal
// COMMNOTIFY and, when a receiver was given, as a WM_COMMNOTIFY event posted
// to it; the receiver then READs them on its own thread. The watcher runs on
// the port's own thread, so it can never outlive the object: closing or
// destroying the port stops it first.
//
// Nothing here shows a message: every failure is recorded in ERRORDESC() and
// ERRORCODE() (the QSerialPort error number), which keep the last failure
// until another one replaces it.
#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>

class QSerialPort;

namespace vz {

// Posted to the receiver when characters arrive: wParam 1, lParam 0.
class CommNotifyEvent : public QEvent {
public:
  static constexpr int WM_COMMNOTIFY = 0x0044;
  static QEvent::Type eventType();
  CommNotifyEvent() : QEvent(eventType()) {}
  int wParam() const { return 1; }
  int lParam() const { return 0; }
};

class SERIAL : public QObject {
  Q_OBJECT
public:
  static constexpr std::uint32_t EV_RXCHAR = 0x0001;

  explicit SERIAL(QObject *receiver = nullptr);
  ~SERIAL() override;

  bool OPEN(const QString &portName);
  bool CLOSE();
  // Waits at most READTIMEOUTMULTIPLIER x count + READTIMEOUTCONSTANT ms for
  // `count` bytes and answers those that arrived; fewer than asked are
  // recorded as "Not all bytes requested returned.".
  QByteArray READ(int count = 1);
  // Answers the bytes written; a write not done within the write time-out
  // answers 0.
  qint64 WRITE(const QByteArray &bytes);
  bool FLUSH();

  bool GETPROTOCOL();
  bool SETPROTOCOL();
  bool GETTIMEOUT();
  bool SETTIMEOUT();

  bool ENABLEEVENTS(std::uint32_t mask = EV_RXCHAR);
  bool DISABLEEVENTS();
  bool eventsEnabled() const { return m_eventsEnabled; }

  // Line settings as held by the object; the port sees them at SETPROTOCOL.
  // An assignment stores only accepted values and answers the value held.
  std::uint32_t BAUD() const { return m_line.baud; }
  std::uint32_t BAUD(std::uint32_t baud);
  int BYTESIZE() const { return m_line.byteSize; }
  int BYTESIZE(int bits);         // 7 or 8
  int PARITY() const { return m_line.parity; }
  int PARITY(int parity);         // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int STOPBITS() const { return m_line.stopBits; }
  int STOPBITS(int stopBits);     // 0 one, 1 one and a half, 2 two

  // Time-outs in ms, seen by the port at SETTIMEOUT.
  std::uint32_t READINTERVALTIMEOUT() const { return m_timeouts.readInterval; }
  std::uint32_t READINTERVALTIMEOUT(std::uint32_t v) { return m_timeouts.readInterval = v; }
  std::uint32_t READTIMEOUTMULTIPLIER() const { return m_timeouts.readMultiplier; }
  std::uint32_t READTIMEOUTMULTIPLIER(std::uint32_t v) { return m_timeouts.readMultiplier = v; }
  std::uint32_t READTIMEOUTCONSTANT() const { return m_timeouts.readConstant; }
  std::uint32_t READTIMEOUTCONSTANT(std::uint32_t v) { return m_timeouts.readConstant = v; }
  std::uint32_t WRITETIMEOUTMULTIPLIER() const { return m_timeouts.writeMultiplier; }
  std::uint32_t WRITETIMEOUTMULTIPLIER(std::uint32_t v) { return m_timeouts.writeMultiplier = v; }
  std::uint32_t WRITETIMEOUTCONSTANT() const { return m_timeouts.writeConstant; }
  std::uint32_t WRITETIMEOUTCONSTANT(std::uint32_t v) { return m_timeouts.writeConstant = v; }

  // Queue sizes, taken at the next OPEN.
  std::uint32_t TRANSMITBUFFERSIZE() const { return m_transmitSize; }
  std::uint32_t TRANSMITBUFFERSIZE(std::uint32_t v) { return m_transmitSize = v; }
  std::uint32_t RECEIVEBUFFERSIZE() const { return m_receiveSize; }
  std::uint32_t RECEIVEBUFFERSIZE(std::uint32_t v) { return m_receiveSize = v; }

  QString ERRORCODE() const { return QString::number(m_errorCode); }
  QString ERRORDESC() const { return m_errorDesc; }
  qint64 RECEIVERPENDING() const;
  bool ISOPEN() const { return m_isOpen; }

signals:
  void COMMNOTIFY();

private:
  struct Line {
    std::uint32_t baud = 9600;
    int byteSize = 8;
    int parity = 0;
    int stopBits = 0;
  };
  struct Timeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readMultiplier = 0;
    std::uint32_t readConstant = 0;
    std::uint32_t writeMultiplier = 0;
    std::uint32_t writeConstant = 0;
  };

  void record(const char *text);
  void record(const char *text, int code);
  void onReadyRead();

  QSerialPort *m_port;
  QPointer<QObject> m_receiver;
  Line m_line;
  Timeouts m_timeouts;
  Timeouts m_applied;  // what the port works with since the last SETTIMEOUT
  std::uint32_t m_mask = 0;
  bool m_eventsEnabled = false;
  bool m_isOpen = false;
  std::uint32_t m_transmitSize = 4096;
  std::uint32_t m_receiveSize = 4096;
  int m_errorCode = 0;
  QString m_errorDesc;
};

} // namespace vz
