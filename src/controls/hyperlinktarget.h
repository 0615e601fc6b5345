#pragma once
// Which targets a hyperlink text may hand to the desktop: web pages (http,
// https) and mail addresses (mailto) only, never a program, a command or a
// local file. A bare "www." address is taken as a web page and a bare mail
// address as mailto.
#include <QString>
#include <QUrl>

namespace vz {

struct HyperlinkTarget {
  bool allowed = false;
  QUrl url;          // what is opened, when allowed
  QString message;   // why not, in the words shown to the user

  static HyperlinkTarget check(const QString &target);
};

} // namespace vz
