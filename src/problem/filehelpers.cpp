#include "filehelpers.h"

#include "appsession.h"
#include "platform/rtext.h"
#include "problemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

qsizetype lastSeparator(const QString &path)
{
  return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

bool isDriveOrRoot(const QString &folder)
{
  static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]?$"));
  if (drive.match(folder).hasMatch())
    return true;
  const QFileInfo info(folder);
  return info.isRoot() || QDir(folder).canonicalPath() == QDir::rootPath();
}

bool isPlainName(const QString &name)
{
  return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
         name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

QString SFILEEXT(const QString &name)
{
  const QString last = rt::AllTrim(name).right(4);
  if (last.size() == 4 && last.startsWith(QLatin1Char('.')))
    return last;
  return QString();
}

QString SFILEBASE(const QString &name)
{
  const QString e = SFILEEXT(name);
  if (e.isEmpty())
    return name;
  return name.left(name.lastIndexOf(e));
}

QString CHRCONT(const QString &name)
{
  QString out = rt::AllTrim(name);
  for (QChar c : QStringLiteral("|:.\\*/<>"))
    out.replace(c, QLatin1Char('_'));
  return out;
}

QString SCHARFROMBASE(const QString &path)
{
  const QString e = SFILEEXT(path);
  const QString base = SFILEBASE(path);
  const qsizetype sep = lastSeparator(base);
  const QString folder = sep < 0 ? QString() : base.left(sep + 1);
  const QString name = sep < 0 ? base : base.mid(sep + 1);
  return folder + CHRCONT(name) + e;
}

void MYSPLITPATH(const QString &path, QString *drive, QString *folder, QString *name, QString *extension)
{
  if (path.isEmpty())
    return;
  QString rest = path;
  QString d;
  if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':')) {
    d = rest.left(2);
    rest = rest.mid(2);
  }
  const qsizetype sep = lastSeparator(rest);
  const QString dir = sep < 0 ? QString() : rest.left(sep + 1);
  QString file = sep < 0 ? rest : rest.mid(sep + 1);
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const QString ext = dot < 0 ? QString() : file.mid(dot);
  if (dot >= 0)
    file = file.left(dot);
  if (drive)
    *drive = d.left(2);
  if (folder)
    *folder = dir.left(255);
  if (name)
    *name = file.left(255);
  if (extension)
    *extension = ext.left(7);
}

bool ISSAMEFILE(const QString &a, const QString &b)
{
  return a.right(4).compare(b.right(4), Qt::CaseInsensitive) == 0 && SFILEBASE(a) == SFILEBASE(b);
}

QString PROBFILEBASE()
{
  const ProblemFile *f = AppSession::instance().problemFile();
  return f ? f->PROBFILEBASE() : QString();
}

QString PROBFILEDIR()
{
  const ProblemFile *f = AppSession::instance().problemFile();
  return f ? f->PROBFILEDIR() : QString();
}

QString PROBFILENAME()
{
  const ProblemFile *f = AppSession::instance().problemFile();
  return f ? f->PROBFILENAME() : QString();
}

bool RFATRIB(const QString &file)
{
  const QByteArray path = QFile::encodeName(file);
  struct stat st;
  if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
    return true;
  if ((st.st_mode & S_IWUSR) == 0)
    ::chmod(path.constData(), (st.st_mode & 07777) | S_IWUSR);
  return true;
}

bool ISDRIVEREADY(const QString &drive)
{
  const QString d = drive.trimmed();
  if (d.isEmpty() || QRegularExpression(QStringLiteral("^[A-Za-z]:[\\\\/]?$")).match(d).hasMatch())
    return false;
  const QFileInfo info(d);
  return info.isDir() && info.isReadable() && info.isExecutable();
}

bool DELETEFILES(const QString &folder, const QString &mask)
{
  if (folder.trimmed().isEmpty() || isDriveOrRoot(folder) || !QFileInfo(folder).isDir())
    return false;
  const QString filter = (mask.isEmpty() || mask == QLatin1String("*.*")) ? QStringLiteral("*") : mask;
  if (filter.contains(QLatin1Char('/')) || filter.contains(QLatin1Char('\\')))
    return false;
  const QDir dir(folder);
  const QStringList names = dir.entryList({filter}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  return DELETEFILES(folder, names);
}

bool DELETEFILES(const QString &folder, const QStringList &names)
{
  if (folder.trimmed().isEmpty() || isDriveOrRoot(folder) || !QFileInfo(folder).isDir())
    return false;
  for (const QString &n : names)
    if (!isPlainName(n))
      return false;
  const QDir dir(folder);
  for (const QString &n : names)
    if (!QFile::remove(dir.filePath(n)))
      return false;
  return true;
}

} // namespace vz
