#include "savefile.h"

#include <QSaveFile>

namespace vz {

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error)
{
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error)
      *error = file.errorString();
    return false;
  }
  if (file.write(content) != content.size()) {
    if (error)
      *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error)
      *error = file.errorString();
    return false;
  }
  return true;
}

} // namespace vz
