#include "fileerror.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace vz {

namespace {

// Error numbers that share a reason share a line: the user mends both alike.
struct Reason {
  int err;
  const char *text;
};

constexpr Reason kReasons[] = {
    {ENOENT, "Böyle bir dosya ya da klasör yok"},
    {EACCES, "Erişim izni yok"},
    {EPERM, "Erişim izni yok"},
    {ENOSPC, "Diskte yer kalmadı"},
    {EROFS, "Dosya sistemi salt okunur"},
    {EFBIG, "Dosya çok büyük (dosya boyutu sınırı aşıldı)"},
    {EDQUOT, "Disk kotası aşıldı"},
};

} // namespace

QString fileErrorReason(int err)
{
  for (const Reason &r : kReasons)
    if (r.err == err)
      return QString::fromUtf8(r.text);
  const QString system = QString::fromLocal8Bit(std::strerror(err));
  return system.isEmpty() ? QStringLiteral("Sistem hatası %1").arg(err) : system;
}

QString fileErrorReason(const QFileDevice &file)
{
  // Qt keeps only the text of the system's error, made by qt_error_string;
  // the same text leads back to the number.
  const QString text = file.errorString();
  for (const Reason &r : kReasons)
    if (text == qt_error_string(r.err))
      return QString::fromUtf8(r.text);
  return text;
}

QString readOnlyFileReason()
{
  return QStringLiteral("Dosya salt okunur (yazma izni yok); değiştirilmedi");
}

} // namespace vz
