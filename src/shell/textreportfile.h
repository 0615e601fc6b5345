#pragma once
// Reports as plain text on disk: code page 1254, lines ended with CR LF, form
// feeds between pages. In memory a line ends with '\n' alone (a text document
// would split CR LF into two paragraphs), so a report read and written back
// unchanged comes out byte for byte as it was.
#include <QByteArray>
#include <QString>

namespace vz {

class TextReportFile {
public:
  // Returns false and sets `error` when the file cannot be read; the whole
  // file is read, whatever its size.
  static bool read(const QString &path, QString *text, QString *error = nullptr);
  // Returns false and sets `error` when the file cannot be written; an older
  // file is replaced only when every byte was written. Characters with no
  // code in 1254 are written as '?': check canWrite() first.
  static bool write(const QString &path, const QString &text, QString *error = nullptr);
  // True when every character of `text` has a code in 1254.
  static bool canWrite(const QString &text);

  static QString fromDisk(const QByteArray &bytes);
  static QByteArray toDisk(const QString &text);
};

} // namespace vz
