#include "services/fileobject.h"

#include "platform/cp1254.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

FILEOBJECT::FILEOBJECT(const QString &file) : m_path(QFileInfo(file).absoluteFilePath()) {}

FILEOBJECT::~FILEOBJECT()
{
  if (m_open)
    ::close(m_fd);
}

QString FILEOBJECT::FULLPATH() const { return m_path; }
bool FILEOBJECT::EXISTS() const { return QFileInfo::exists(m_path); }

quint32 FILEOBJECT::updateErr(int err)
{
  if (err == ENOSPC)
    m_errorCode = DiskFull;
  else
    m_errorCode = quint32(err);
  return m_errorCode;
}

qintptr FILEOBJECT::OPEN(int mode)
{
  if (m_open)
    CLOSE();
  int flags = O_CLOEXEC;
  switch (mode & 3) {
  case FO_WRITE: flags |= O_WRONLY; break;
  case FO_READWRITE: flags |= O_RDWR; break;
  default: flags |= O_RDONLY; break;
  }
  const QByteArray name = QFile::encodeName(m_path);
  int fd;
  do {
    fd = ::open(name.constData(), flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    updateErr(errno);
    m_fd = -1;
    return NoHandle;
  }
  updateErr(0);
  m_fd = fd;
  m_open = true;
  return m_fd;
}

qintptr FILEOBJECT::CREATE(int attributes)
{
  if (m_open)
    CLOSE();
  const mode_t perms = (attributes & FC_READONLY) ? 0444 : 0666;
  const QByteArray name = QFile::encodeName(m_path);
  int fd;
  do {
    fd = ::open(name.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, perms);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    updateErr(errno);
    m_fd = -1;
    return NoHandle;
  }
  updateErr(0);
  m_fd = fd;
  m_open = true;
  return m_fd;
}

quint32 FILEOBJECT::CLOSE()
{
  if (!m_open)
    return updateErr(EBADF);
  m_open = false;
  return updateErr(::close(m_fd) == 0 ? 0 : errno);
}

quint32 FILEOBJECT::COMMIT()
{
  if (!m_open)
    return updateErr(EBADF);
  return updateErr(::fsync(m_fd) == 0 ? 0 : errno);
}

qint64 FILEOBJECT::READ(QByteArray &buffer, qint64 count)
{
  if (count < 0)
    count = buffer.size();
  if (!m_open) {
    updateErr(EBADF);
    return 0;
  }
  if (count > 0 && ISEOF()) {
    m_errorCode = EofReached;
    return 0;
  }
  QByteArray data(count, '\0');
  qint64 done = 0;
  while (done < count) {
    const ssize_t n = ::read(m_fd, data.data() + done, size_t(count - done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      updateErr(errno);
      data.truncate(done);
      buffer = data;
      return done;
    }
    if (n == 0)
      break;
    done += n;
  }
  data.truncate(done);
  buffer = data;
  updateErr(0);
  return done;
}

qint64 FILEOBJECT::READTEXT(QString &buffer, qint64 count)
{
  QByteArray bytes;
  const qint64 n = READ(bytes, count);
  buffer = cp1254::decode(bytes);
  return n;
}

QString FILEOBJECT::READSTR(qint64 count)
{
  QString text;
  READTEXT(text, count);
  return text;
}

QString FILEOBJECT::GETS(qint64 maxLength)
{
  if (!m_open) {
    updateErr(EBADF);
    return QString();
  }
  if (ISEOF()) {
    m_errorCode = EofReached;
    return QString();
  }
  QByteArray line;
  char chunk[512];
  const off_t start = ::lseek(m_fd, 0, SEEK_CUR);
  qint64 consumed = 0;
  bool ended = false;
  while (!ended) {
    const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      updateErr(errno);
      return cp1254::decode(line);
    }
    if (n == 0)
      break;
    for (ssize_t i = 0; i < n; ++i) {
      if (maxLength >= 0 && line.size() >= maxLength) {
        ended = true;
        break;
      }
      ++consumed;
      if (chunk[i] == '\n') {
        ended = true;
        break;
      }
      line.append(chunk[i]);
    }
  }
  // Stand right after what the line took.
  ::lseek(m_fd, start + consumed, SEEK_SET);
  if (line.endsWith('\r'))
    line.chop(1);
  updateErr(0);
  return cp1254::decode(line);
}

qint64 FILEOBJECT::writeBytes(const QByteArray &bytes)
{
  if (!m_open) {
    updateErr(EBADF);
    return 0;
  }
  qint64 done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0) {
      updateErr(n < 0 ? errno : ENOSPC);
      return done;
    }
    done += n;
  }
  updateErr(0);
  return done;
}

qint64 FILEOBJECT::PUTS(const QString &line)
{
  return writeBytes(cp1254::encode(line) + QByteArray("\r\n"));
}

qint64 FILEOBJECT::WRITE(const QByteArray &data, qint64 count)
{
  return writeBytes(count < 0 ? data : data.left(count));
}

qint64 FILEOBJECT::WRITELINE(const QString &line, qint64 count)
{
  const QByteArray bytes = cp1254::encode(line);
  return writeBytes((count < 0 ? bytes : bytes.left(count)) + QByteArray("\r\n"));
}

qint64 FILEOBJECT::WRITETEXT(const QString &text, qint64 count)
{
  const QByteArray bytes = cp1254::encode(text);
  return writeBytes(count < 0 ? bytes : bytes.left(count));
}

qint64 FILEOBJECT::SEEK(qint64 offset, int origin)
{
  if (!m_open) {
    updateErr(EBADF);
    return 0;
  }
  const int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  const off_t pos = ::lseek(m_fd, off_t(offset), whence);
  if (pos < 0) {
    updateErr(errno);
    return TELL();
  }
  updateErr(0);
  return pos;
}

qint64 FILEOBJECT::GOTOP() { return SEEK(0, 0); }
qint64 FILEOBJECT::GOBOTTOM() { return SEEK(0, 2); }

FILEOBJECT &FILEOBJECT::REWIND()
{
  SEEK(0, 0);
  return *this;
}

qint64 FILEOBJECT::TELL() const
{
  if (!m_open)
    return 0;
  const off_t pos = ::lseek(m_fd, 0, SEEK_CUR);
  return pos < 0 ? 0 : pos;
}

qint64 FILEOBJECT::POSITION() const { return TELL(); }

bool FILEOBJECT::ISEOF() const
{
  if (!m_open)
    return true;
  struct stat st;
  if (::fstat(m_fd, &st) != 0)
    return true;
  return TELL() >= st.st_size;
}

qint64 FILEOBJECT::LINECOUNT()
{
  if (!m_open)
    return 0;
  qint64 count = 0;
  GOTOP();
  while (!ISEOF()) {
    GETS();
    ++count;
    if (m_errorCode != 0)
      break;
  }
  return count;
}

qintptr FILEOBJECT::FILEHANDLE() const { return m_fd; }
quint32 FILEOBJECT::ERRORCODE() const { return m_errorCode; }
bool FILEOBJECT::ERROR() const { return m_errorCode != 0; }

QString FILEOBJECT::ERRSTRING() const
{
  if (m_errorCode == DiskFull)
    return QStringLiteral("Disk Full");
  if (m_errorCode == EofReached)
    return QStringLiteral("EOF was already reached when a read was tried");
  return QString::fromLocal8Bit(std::strerror(int(m_errorCode)));
}

} // namespace vz
