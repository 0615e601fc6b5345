#pragma once
// The program's help: one HTML page of our own per topic, kept in the
// resources under ":/help". Topics keep the names the windows ask for
// ("HelpIndex", "HelpContents", "Rapor Editörü", ...).
#include <QString>
#include <QStringList>

namespace vz {

class HelpTopics {
public:
  static const QStringList &topics();
  // The resource path of the topic's page; the index page for an unknown topic.
  static QString pagePath(const QString &topic);
  static QString helpOnHelpTopic() { return QStringLiteral("HelpUsinghelp"); }
};

} // namespace vz
