#pragma once
// Every report of the program is plain text in code page 1254: lines padded to
// 100 characters and ended with CR LF, written whole and replacing an older
// file (through a temporary file, so a failure leaves the old one intact).
#include <QString>
#include <QStringList>

namespace vz {

class ReportWriter {
public:
  static constexpr int LineWidth = 100;

  void addLine(const QString &line);  // padded (or cut) to LineWidth
  void addRaw(const QString &text);   // written as given, no padding, no CR LF
  void addFormFeed();                 // a form feed on its own, no CR LF after it
  const QString &text() const { return m_text; }

  // Returns false and sets errorString() when the file cannot be written.
  bool write(const QString &path);
  QString errorString() const { return m_error; }

private:
  QString m_text;
  QString m_error;
};

} // namespace vz
