#include "singlecopy.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace vz {

SingleCopyLock::SingleCopyLock() = default;

SingleCopyLock::~SingleCopyLock() = default;

QString SingleCopyLock::lockFilePath(const QString &name)
{
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty() || !QDir().mkpath(dir))
    dir = QDir::tempPath();
  return QDir(dir).filePath(name + QStringLiteral(".lock"));
}

bool SingleCopyLock::isAppRunning(const QString &name)
{
  if (holdsLock())
    return false;
  auto lock = std::make_unique<QLockFile>(lockFilePath(name));
  // A running copy may hold the lock for days; only a dead owner frees it.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0))
    return true;
  m_lock = std::move(lock);
  return false;
}

bool SingleCopyLock::holdsLock() const
{
  return m_lock && m_lock->isLocked();
}

} // namespace vz
