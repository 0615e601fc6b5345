#include "reporteditorstate.h"

#include <QDir>
#include <QFileInfo>

namespace vz {

QString ReportEditorState::nextUntitledName()
{
  ++m_counter;
  return untitledName(m_counter);
}

void ReportEditorState::add(QObject *window)
{
  if (window && !m_windows.contains(window))
    m_windows.append(window);
}

bool ReportEditorState::remove(QObject *window)
{
  if (!m_windows.removeOne(window))
    return false;
  return m_windows.isEmpty();
}

void ReportEditorState::reset()
{
  m_windows.clear();
  m_counter = 0;
}

QString ReportEditorState::untitledName(int counter)
{
  return QStringLiteral("Adsız") + QString::number(counter);
}

bool ReportEditorState::isUntitled(const QString &name)
{
  return name.startsWith(QStringLiteral("Adsız"));
}

bool ReportEditorState::isReportFileName(const QString &name)
{
  if (name.size() <= 3)
    return false;
  const QString ext = name.right(4).toUpper();
  return ext == QLatin1String(".RTF") || ext == QLatin1String(".TXT");
}

ReportEditorState::FileKind ReportEditorState::loadKind(const QString &name)
{
  if (isUntitled(name))
    return FileKind::None;
  const QString tail = name.right(3).toUpper();
  if (tail == QLatin1String("RTF"))
    return FileKind::Rich;
  if (tail == QLatin1String("TXT"))
    return FileKind::Text;
  return FileKind::None;
}

ReportEditorState::FileKind ReportEditorState::saveKind(const QString &name)
{
  if (isUntitled(name))
    return FileKind::None;
  return name.right(3).toUpper() == QLatin1String("RTF") ? FileKind::Rich : FileKind::Text;
}

QString ReportEditorState::fileExtension(const QString &name)
{
  const QString tail = name.right(4);
  return tail.startsWith(QLatin1Char('.')) ? tail : QString();
}

ReportEditorState::SaveTarget ReportEditorState::saveAsTarget(const QString &chosen, int filterIndex)
{
  SaveTarget target;
  target.path = chosen;
  QString ext = fileExtension(chosen);
  if (ext.isEmpty()) {
    ext = filterIndex == 2 ? QStringLiteral(".RTF") : QStringLiteral(".TXT");
    target.path += ext;
  }
  target.kind = ext.compare(QLatin1String(".RTF"), Qt::CaseInsensitive) == 0 ? FileKind::Rich
                                                                             : FileKind::Text;
  return target;
}

bool ReportEditorState::sameFile(const QString &a, const QString &b)
{
  if (a.isEmpty() || b.isEmpty())
    return false;
  const QFileInfo fa(a);
  const QFileInfo fb(b);
  const QString ca = fa.canonicalFilePath();
  const QString cb = fb.canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty())
    return ca == cb;
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

} // namespace vz
