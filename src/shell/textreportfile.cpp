#include "textreportfile.h"

#include "platform/cp1254.h"
#include "platform/fileerror.h"
#include "platform/savefile.h"

#include <QFile>

namespace vz {

bool TextReportFile::read(const QString &path, QString *text, QString *error)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error = fileErrorReason(file);
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error)
      *error = fileErrorReason(file);
    return false;
  }
  if (text)
    *text = fromDisk(bytes);
  return true;
}

bool TextReportFile::write(const QString &path, const QString &text, QString *error)
{
  return writeFileAtomically(path, toDisk(text), error);
}

bool TextReportFile::canWrite(const QString &text)
{
  return cp1254::canEncode(text);
}

QString TextReportFile::fromDisk(const QByteArray &bytes)
{
  QString text = cp1254::decode(bytes);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

QByteArray TextReportFile::toDisk(const QString &text)
{
  QString crlf;
  crlf.reserve(text.size() + text.size() / 50);
  for (QChar c : text) {
    if (c == QLatin1Char('\n'))
      crlf += QLatin1String("\r\n");
    else
      crlf += c;
  }
  return cp1254::encode(crlf);
}

} // namespace vz
