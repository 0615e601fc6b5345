#include "services/serial.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>

#include <algorithm>
#include <array>
#include <limits>

#include <sys/ioctl.h>

namespace vz {

namespace {

constexpr std::uint32_t NoIntervalLimit = 0xFFFFFFFFu;

constexpr std::array<std::uint32_t, 13> kBaudRates = {
    110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 128000, 256000};

// 0 none, 1 odd, 2 even, 3 mark, 4 space, as the line settings number them.
constexpr std::array<QSerialPort::Parity, 5> kParities = {
    QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
    QSerialPort::MarkParity, QSerialPort::SpaceParity};

// 0 one, 1 one and a half, 2 two.
constexpr std::array<QSerialPort::StopBits, 3> kStopBits = {
    QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};

qint64 clampMs(std::uint64_t ms)
{
  return qint64(std::min<std::uint64_t>(ms, std::uint64_t(std::numeric_limits<int>::max())));
}

} // namespace

QEvent::Type CommNotifyEvent::eventType()
{
  static const auto type = QEvent::Type(QEvent::registerEventType(QEvent::User + WM_COMMNOTIFY));
  return type;
}

SERIAL::SERIAL(QObject *receiver) : m_port(new QSerialPort(this)), m_receiver(receiver)
{
  connect(m_port, &QSerialPort::readyRead, this, &SERIAL::onReadyRead);
}

SERIAL::~SERIAL()
{
  DISABLEEVENTS();
  if (m_port->isOpen())
    CLOSE();
}

void SERIAL::record(const char *text)
{
  record(text, int(m_port->error()));
}

void SERIAL::record(const char *text, int code)
{
  m_errorDesc = QString::fromLatin1(text);
  m_errorCode = code;
}

bool SERIAL::OPEN(const QString &portName)
{
  if (m_port->isOpen())
    CLOSE();
  m_isOpen = false;
  m_port->setPortName(portName);
  if (!m_port->open(QIODevice::ReadWrite)) {
    record("CreateFile failed in Open.");
    return false;
  }
  m_port->setReadBufferSize(m_receiveSize);
  if (!FLUSH())
    return false;
  m_timeouts = {NoIntervalLimit, 500, 1000, 0, 1000};
  if (!SETTIMEOUT())
    return false;
  if (!GETPROTOCOL())
    return false;
  m_line.baud = 9600;
  m_line.parity = 0;
  m_line.byteSize = 8;
  m_line.stopBits = 0;
  if (!SETPROTOCOL())
    return false;
  m_isOpen = true;
  return true;
}

bool SERIAL::CLOSE()
{
  if (!m_port->isOpen())
    return false;
  DISABLEEVENTS();
  FLUSH();
  m_port->close();
  if (m_port->isOpen()) {
    record("CloseHandle failed.");
    return false;
  }
  m_isOpen = false;
  return true;
}

bool SERIAL::FLUSH()
{
  if (!m_port->isOpen()) {
    record("PurgeComm failed.", int(QSerialPort::NotOpenError));
    return false;
  }
  if (!m_port->clear(QSerialPort::AllDirections)) {
    record("PurgeComm failed.");
    return false;
  }
  return true;
}

bool SERIAL::GETPROTOCOL()
{
  if (!m_port->isOpen())
    return false;
  const qint32 baud = m_port->baudRate();
  if (baud <= 0) {
    record("GetCommState failed in GetProtocol.");
    return false;
  }
  m_line.baud = std::uint32_t(baud);
  m_line.byteSize = int(m_port->dataBits());
  const auto parity = std::find(kParities.begin(), kParities.end(), m_port->parity());
  m_line.parity = parity == kParities.end() ? 0 : int(parity - kParities.begin());
  const auto stop = std::find(kStopBits.begin(), kStopBits.end(), m_port->stopBits());
  m_line.stopBits = stop == kStopBits.end() ? 0 : int(stop - kStopBits.begin());
  return true;
}

bool SERIAL::SETPROTOCOL()
{
  if (!m_port->isOpen())
    return false;
  const bool ok = m_port->setBaudRate(qint32(m_line.baud))
      && m_port->setDataBits(QSerialPort::DataBits(m_line.byteSize))
      && m_port->setParity(kParities.at(std::size_t(m_line.parity)))
      && m_port->setStopBits(kStopBits.at(std::size_t(m_line.stopBits)));
  if (!ok) {
    record("SetCommState failed in SetProtocol.");
    m_port->clearError();
  }
  return ok;
}

bool SERIAL::GETTIMEOUT()
{
  if (!m_port->isOpen())
    return false;
  m_timeouts = m_applied;
  return true;
}

bool SERIAL::SETTIMEOUT()
{
  if (!m_port->isOpen())
    return false;
  m_applied = m_timeouts;
  return true;
}

std::uint32_t SERIAL::BAUD(std::uint32_t baud)
{
  if (std::find(kBaudRates.begin(), kBaudRates.end(), baud) != kBaudRates.end())
    m_line.baud = baud;
  return m_line.baud;
}

int SERIAL::BYTESIZE(int bits)
{
  if (bits == 7 || bits == 8)
    m_line.byteSize = bits;
  return m_line.byteSize;
}

int SERIAL::PARITY(int parity)
{
  if (parity >= 0 && parity <= 4)
    m_line.parity = parity;
  return m_line.parity;
}

int SERIAL::STOPBITS(int stopBits)
{
  if (stopBits >= 0 && stopBits <= 2)
    m_line.stopBits = stopBits;
  return m_line.stopBits;
}

QByteArray SERIAL::READ(int count)
{
  if (!m_port->isOpen()) {
    record("ReadFile failed in Serial:ReadCommBlock(2).", int(QSerialPort::NotOpenError));
    return {};
  }
  if (count <= 0)
    return {};
  const Timeouts &t = m_applied;
  const bool returnAtOnce = t.readInterval == NoIntervalLimit && t.readMultiplier == 0
      && t.readConstant == 0;
  const bool totalLimit = t.readMultiplier != 0 || t.readConstant != 0;
  const bool intervalLimit = t.readInterval != 0 && t.readInterval != NoIntervalLimit;
  QDeadlineTimer total = totalLimit
      ? QDeadlineTimer(clampMs(std::uint64_t(t.readMultiplier) * std::uint64_t(count) + t.readConstant))
      : QDeadlineTimer(QDeadlineTimer::Forever);

  QByteArray got;
  auto take = [&] { got += m_port->read(count - got.size()); };
  take();
  while (got.size() < count && !returnAtOnce) {
    qint64 wait = total.remainingTime();  // -1: for ever
    if (intervalLimit && !got.isEmpty())
      wait = wait < 0 ? qint64(t.readInterval) : std::min<qint64>(wait, t.readInterval);
    if (wait == 0)
      break;
    if (!m_port->waitForReadyRead(int(std::min<qint64>(wait < 0 ? std::numeric_limits<int>::max() : wait,
                                                       std::numeric_limits<int>::max())))) {
      if (m_port->error() != QSerialPort::TimeoutError && m_port->error() != QSerialPort::NoError) {
        record("ReadFile failed in Serial:ReadCommBlock(1).");
        m_port->clearError();
        take();
        return got;
      }
      m_port->clearError();
      take();
      break;
    }
    take();
  }
  if (!got.isEmpty() && got.size() < count)
    record("Not all bytes requested returned.", int(QSerialPort::TimeoutError));
  return got;
}

qint64 SERIAL::WRITE(const QByteArray &bytes)
{
  if (!m_port->isOpen()) {
    record("WriteFile failed in Serial:Write.", int(QSerialPort::NotOpenError));
    return 0;
  }
  if (m_port->write(bytes) != bytes.size()) {
    record("WriteFile failed in Serial:Write.");
    m_port->clear(QSerialPort::Output);
    m_port->clearError();
    return 0;
  }
  const Timeouts &t = m_applied;
  const bool limited = t.writeMultiplier != 0 || t.writeConstant != 0;
  QDeadlineTimer deadline = limited
      ? QDeadlineTimer(clampMs(std::uint64_t(t.writeMultiplier) * std::uint64_t(bytes.size())
                               + t.writeConstant))
      : QDeadlineTimer(QDeadlineTimer::Forever);
  while (m_port->bytesToWrite() > 0) {
    const qint64 left = deadline.remainingTime();
    if (left == 0 || !m_port->waitForBytesWritten(int(left < 0 ? -1 : left)))
      break;
  }
  qint64 written = bytes.size();
  if (m_port->bytesToWrite() > 0) {
    // Not done in time: the rest is dropped rather than left to go out later.
    m_port->clear(QSerialPort::Output);
    m_port->clearError();
    written = 0;
  }
  if (written != bytes.size())
    record("Error writing to device.", int(QSerialPort::TimeoutError));
  return written;
}

qint64 SERIAL::RECEIVERPENDING() const
{
  if (!m_port->isOpen())
    return 0;
  // What the port object holds already, and what still waits in the driver.
  int waiting = 0;
  if (::ioctl(int(m_port->handle()), FIONREAD, &waiting) != 0)
    waiting = 0;
  return m_port->bytesAvailable() + waiting;
}

bool SERIAL::ENABLEEVENTS(std::uint32_t mask)
{
  if (m_eventsEnabled)
    return false;
  if (!m_port->isOpen()) {
    record("SetCommMask failed!", int(QSerialPort::NotOpenError));
    return false;
  }
  m_mask = mask;
  m_eventsEnabled = true;
  return true;
}

bool SERIAL::DISABLEEVENTS()
{
  m_eventsEnabled = false;
  m_mask = 0;
  return true;
}

void SERIAL::onReadyRead()
{
  if (!m_eventsEnabled || !(m_mask & EV_RXCHAR))
    return;
  emit COMMNOTIFY();
  if (m_receiver)
    QCoreApplication::postEvent(m_receiver, new CommNotifyEvent);
}

} // namespace vz
