#include "controls/hyperlinktarget.h"

#include <QRegularExpression>

namespace vz {

HyperlinkTarget HyperlinkTarget::check(const QString &target)
{
  HyperlinkTarget r;
  const QString t = target.trimmed();
  if (t.isEmpty()) {
    r.message = QStringLiteral("Bağlantının açılacak bir adresi yok.");
    return r;
  }
  static const QRegularExpression mail(QStringLiteral("^[^\\s@:/]+@[^\\s@:/]+\\.[^\\s@:/]+$"));
  QString text = t;
  if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
    text.prepend(QLatin1String("http://"));
  else if (mail.match(text).hasMatch())
    text.prepend(QLatin1String("mailto:"));
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
      && !url.host().isEmpty();
  const bool mailto = scheme == QLatin1String("mailto") && !url.path().isEmpty();
  if (!url.isValid() || !(web || mailto)) {
    r.message = QStringLiteral("Bu bağlantı açılamaz; yalnızca web sayfaları (http, https) ve "
                               "e-posta adresleri (mailto) açılır:\n%1").arg(t);
    return r;
  }
  r.allowed = true;
  r.url = url;
  return r;
}

} // namespace vz
