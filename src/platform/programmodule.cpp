#include "programmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vz {

ProgramModule::ProgramModule(const char *fileName, const char *entryName)
    : m_fileName(fileName), m_entryName(entryName)
{
}

QString ProgramModule::path() const
{
  return m_path.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(m_fileName))
                          : m_path;
}

void ProgramModule::setPath(const QString &path)
{
  m_path = path;
  m_tried = false;
  m_entry = nullptr;
  m_error.clear();
}

QFunctionPointer ProgramModule::entry(QString *error)
{
  if (!m_tried) {
    m_tried = true;
    QLibrary library(path());
    m_entry = library.resolve(m_entryName);
    if (!m_entry)
      m_error = library.errorString();
  }
  if (error)
    *error = m_error;
  return m_entry;
}

} // namespace vz
