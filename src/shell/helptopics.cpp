#include "helptopics.h"

#include <QHash>

namespace vz {

namespace {

const QHash<QString, QString> &pages()
{
  static const QHash<QString, QString> map{
      {QStringLiteral("HelpIndex"), QStringLiteral("index.html")},
      {QStringLiteral("HelpContents"), QStringLiteral("contents.html")},
      {QStringLiteral("HelpUsinghelp"), QStringLiteral("usinghelp.html")},
      {QStringLiteral("Besin Maddesi Verileri Girişi"), QStringLiteral("besin-maddesi-verileri-girisi.html")},
      {QStringLiteral("Yem Maddesi Verileri Girişi"), QStringLiteral("yem-maddesi-verileri-girisi.html")},
      {QStringLiteral("Besin Maddesi Oranları"), QStringLiteral("besin-maddesi-oranlari.html")},
      {QStringLiteral("Aktif Matris Yazımı"), QStringLiteral("aktif-matris-yazimi.html")},
      {QStringLiteral("Kuru Madde Esaslı Referans Matris"), QStringLiteral("kuru-madde-esasli-referans-matris.html")},
      {QStringLiteral("Rapor Editörü"), QStringLiteral("rapor-editoru.html")},
  };
  return map;
}

} // namespace

const QStringList &HelpTopics::topics()
{
  static const QStringList list{
      QStringLiteral("HelpIndex"), QStringLiteral("HelpContents"), QStringLiteral("HelpUsinghelp"),
      QStringLiteral("Besin Maddesi Verileri Girişi"), QStringLiteral("Yem Maddesi Verileri Girişi"),
      QStringLiteral("Besin Maddesi Oranları"), QStringLiteral("Aktif Matris Yazımı"),
      QStringLiteral("Kuru Madde Esaslı Referans Matris"), QStringLiteral("Rapor Editörü")};
  return list;
}

QString HelpTopics::pagePath(const QString &topic)
{
  return QStringLiteral(":/help/") + pages().value(topic, QStringLiteral("index.html"));
}

} // namespace vz
