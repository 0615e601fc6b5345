#include "services/printquick.h"

#include "platform/cp1254.h"
#include "platform/fileerror.h"
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
    m_error = QStringLiteral("Yazdırma ara dosyası oluşturulamadı: %1").arg(fileErrorReason(*m_buffer));
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
    m_error = QStringLiteral("Yazdırma ara dosyasına yazılamadı: %1").arg(fileErrorReason(*m_buffer));
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

namespace {

QString &deviceFolder()
{
  static QString folder = QStringLiteral("/dev");
  return folder;
}

} // namespace

void PRINTQUICK::setDeviceFolder(const QString &folder)
{
  deviceFolder() = folder.isEmpty() ? QStringLiteral("/dev") : folder;
}

PRINTQUICK::Target PRINTQUICK::resolvePort(const QString &port)
{
  const QString name = port.trimmed();
  CLASS_HKLM settings;
  const QString value =
      settings.GETSTRING(QString::fromLatin1(PortsKey), name.toUpper()).trimmed();
  if (!value.isEmpty())
    return {value.startsWith(QLatin1Char('/')), value, false, QString()};
  // The other names of the first printer and serial port.
  if (name.compare(QLatin1String("PRN"), Qt::CaseInsensitive) == 0)
    return resolvePort(QStringLiteral("LPT1"));
  if (name.compare(QLatin1String("AUX"), Qt::CaseInsensitive) == 0)
    return resolvePort(QStringLiteral("COM1"));
  static const QRegularExpression numbered(QStringLiteral("^(LPT|COM)([1-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
  const auto m = numbered.match(name);
  if (m.hasMatch()) {
    const bool parallel = m.captured(1).compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0;
    const int n = m.captured(2).toInt() - 1;
    const QString device = (parallel ? QStringLiteral("/lp%1") : QStringLiteral("/ttyS%1")).arg(n);
    return {true, deviceFolder() + device, true, QString()};
  }
  if (name.startsWith(QLatin1Char('/')))
    return {true, name, false, QString()};
  Target unknown;
  unknown.error = name.isEmpty()
      ? QStringLiteral("Yazıcı kapısı adı verilmedi.")
      : QStringLiteral("\"%1\" bilinen bir yazıcı kapısı değil; LPT1-LPT9, PRN, COM1-COM9, AUX "
                       "ya da bir aygıt yolu (/dev/...) verilmelidir.").arg(name);
  return unknown;
}

bool PRINTQUICK::PRINTIT(const QString &port, bool eject)
{
  if (!m_buffer) {
    if (m_error.isEmpty())
      m_error = QStringLiteral("Bu yazdırma işi zaten yazdırıldı.");
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
    m_error = target.error;
  else
    ok = target.isDevice ? copyToDevice(target) : sendToQueue(target.name);
  delete m_buffer;
  m_buffer = nullptr;
  if (ok)
    m_error.clear();
  return ok;
}

bool PRINTQUICK::copyToDevice(const Target &device)
{
  QFile in(m_buffer->fileName());
  if (!in.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("Yazdırma ara dosyası okunamadı: %1").arg(fileErrorReason(in));
    return false;
  }
  const QByteArray bytes = in.readAll();
  QFile out(device.name);
  // Append, so that a device is never truncated and a file standing in for a
  // port is never emptied of an earlier job; the device of a port name is
  // never made a file.
  QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
  if (device.mustExist)
    mode |= QIODevice::ExistingOnly;
  if (!out.open(mode)) {
    m_error = device.mustExist && !QFile::exists(device.name)
        ? QStringLiteral("Yazıcı kapısının aygıtı %1 bu bilgisayarda yok.").arg(device.name)
        : QStringLiteral("Yazıcı kapısı %1 açılamadı: %2").arg(device.name, fileErrorReason(out));
    return false;
  }
  if (out.write(bytes) != bytes.size()) {
    m_error = QStringLiteral("Yazıcı kapısı %1 işin tamamını almadı: %2").arg(device.name, fileErrorReason(out));
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
    m_error = QStringLiteral("Yazdırma komutu lp başlatılamadı: %1").arg(lp.errorString());
    return false;
  }
  if (!lp.waitForFinished(30000)) {
    lp.kill();
    lp.waitForFinished(1000);
    m_error = QStringLiteral("Yazdırma komutu lp bitmedi.");
    return false;
  }
  if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
    const QString why = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    m_error = QStringLiteral("Yazdırma kuyruğu %1 işi kabul etmedi%2").arg(
        queue, why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
    return false;
  }
  return true;
}

} // namespace vz
