#include "windowicons.h"
#include <QFile>
#include <QWidget>

namespace vz {

QIcon resourceIcon(const QString &name)
{
  const QString path = QStringLiteral(":/icons/") + name + QStringLiteral(".png");
  if (!QFile::exists(path))
    return QIcon();
  return QIcon(path);
}

void setWindowIcons(QWidget *window, const QIcon &icon)
{
  if (window)
    window->setWindowIcon(icon);
}

LIGHTBULB::LIGHTBULB() : QPixmap(QStringLiteral(":/icons/LIGHTBULB.png")) {}

BITMAPFROMDISK::BITMAPFROMDISK(const QString &fileName)
{
  load(fileName);
}

} // namespace vz
