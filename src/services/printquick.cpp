#include "services/printquick.h"

#include "platform/cp1254.h"
#include "services/class_hklm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace vz {

PRINTQUICK::PRINTQUICK()
    : m_buffer(new QTemporaryFile(QDir::temp().filePath(QStringLiteral("Printer-XXXXXX.Buf"))))
{
  if (!m_buffer->open()) {
    m_error = QStringLiteral("The print buffer cannot be created: %1").arg(m_buffer->errorString());
    delete m_buffer;
    m_buffer = nullptr;
  }
}

PRINTQUICK::~PRINTQUICK()
{
  delete m_buffer;  // an unprinted job takes its buffer file with it
}

void PRINTQUICK::MARGIN(int blanks)
{
  m_margin = qBound(0, blanks, 65535);
}

void PRINTQUICK::write(const QByteArray &bytes)
{
  if (m_buffer && m_buffer->write(bytes) != bytes.size() && m_error.isEmpty())
    m_error = QStringLiteral("Writing the print buffer failed: %1").arg(m_buffer->errorString());
}

PRINTQUICK &PRINTQUICK::QQOUT(const QString &text, bool lineEnd)
{
  QByteArray bytes(m_margin, ' ');
  bytes += cp1254::encode(text);
  if (lineEnd)
    bytes += "\r\n";
  write(bytes);
  return *this;
}

PRINTQUICK &PRINTQUICK::QQOUT(double value, bool lineEnd)
{
  return QQOUT(QString::number(value, 'g', 15), lineEnd);
}

PRINTQUICK &PRINTQUICK::SKIPLINES(int lines)
{
  return QQOUT(QString::fromLatin1(QByteArray("\r\n").repeated(qMax(0, lines))));
}

PRINTQUICK &PRINTQUICK::EJECTPAGE(bool carriageReturn)
{
  write(carriageReturn ? QByteArray("\f\r") : QByteArray("\f"));
  return *this;
}

PRINTQUICK &PRINTQUICK::RESETPRINTER()
{
  write(QByteArray("\x1b" "E"));
  return *this;
}

QString PRINTQUICK::bufferFileName() const
{
  return m_buffer ? m_buffer->fileName() : QString();
}

PRINTQUICK::Target PRINTQUICK::resolvePort(const QString &port)
{
  const QString name = port.trimmed();
  CLASS_HKLM settings;
  const QString value =
      settings.GETSTRING(QString::fromLatin1(PortsKey), name.toUpper()).trimmed();
  if (!value.isEmpty())
    return {value.startsWith(QLatin1Char('/')), value};
  static const QRegularExpression lpt(QStringLiteral("^LPT([1-9])$"),
                                      QRegularExpression::CaseInsensitiveOption);
  const auto m = lpt.match(name);
  if (m.hasMatch())
    return {true, QStringLiteral("/dev/lp%1").arg(m.captured(1).toInt() - 1)};
  return {true, name};
}

bool PRINTQUICK::PRINTIT(const QString &port, bool eject)
{
  if (!m_buffer) {
    if (m_error.isEmpty())
      m_error = QStringLiteral("This print job has already been printed.");
    return false;
  }
  if (eject)
    EJECTPAGE();
  const QString failedWrite = m_error;
  m_buffer->flush();
  m_buffer->close();
  const Target target = resolvePort(port);
  bool ok = false;
  if (!failedWrite.isEmpty())
    m_error = failedWrite;  // a half-written job is not sent
  else if (target.name.isEmpty())
    m_error = QStringLiteral("No printer port is named.");
  else
    ok = target.isDevice ? copyToDevice(target.name) : sendToQueue(target.name);
  delete m_buffer;
  m_buffer = nullptr;
  if (ok)
    m_error.clear();
  return ok;
}

bool PRINTQUICK::copyToDevice(const QString &device)
{
  QFile in(m_buffer->fileName());
  if (!in.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("The print buffer cannot be read: %1").arg(in.errorString());
    return false;
  }
  const QByteArray bytes = in.readAll();
  QFile out(device);
  // Append, so that a device is never truncated and a file standing in for a
  // port is never emptied of an earlier job.
  if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
    m_error = QStringLiteral("The printer port %1 cannot be opened: %2").arg(device, out.errorString());
    return false;
  }
  if (out.write(bytes) != bytes.size()) {
    m_error = QStringLiteral("The printer port %1 did not take the whole job: %2")
                  .arg(device, out.errorString());
    return false;
  }
  return true;
}

bool PRINTQUICK::sendToQueue(const QString &queue)
{
  QProcess lp;
  lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), queue, QStringLiteral("-o"),
                                  QStringLiteral("raw"), m_buffer->fileName()});
  if (!lp.waitForStarted(5000)) {
    m_error = QStringLiteral("The print command lp cannot be started: %1").arg(lp.errorString());
    return false;
  }
  if (!lp.waitForFinished(30000)) {
    lp.kill();
    lp.waitForFinished(1000);
    m_error = QStringLiteral("The print command lp did not finish.");
    return false;
  }
  if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
    const QString why = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    m_error = QStringLiteral("The print queue %1 refused the job%2").arg(
        queue, why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
    return false;
  }
  return true;
}

} // namespace vz
