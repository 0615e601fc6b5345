#pragma once
// Every report of the program is plain text in code page 1254: lines padded to
// 100 characters and ended with CR LF, written whole and replacing an older
// file (through a temporary file, so a failure leaves the old one intact).
#include <QString>
#include <QStringList>
#include <functional>

namespace vz {

class Interaction;

class ReportWriter {
public:
  static constexpr int LineWidth = 100;

  void addLine(const QString &line);  // padded (or cut) to LineWidth
  void addBlankLine();                // LineWidth blanks
  void addCentredLine(const QString &text);  // centred in LineWidth (the odd blank goes right)
  void addRaw(const QString &text);   // written as given, no padding, no CR LF
  void addFormFeed();                 // a form feed on its own, no CR LF after it
  const QString &text() const { return m_text; }

  // Returns false and sets errorString() when the file cannot be written.
  bool write(const QString &path);
  QString errorString() const { return m_error; }

  // Writes the report and, on success, hands its path to `setCurrentReport`
  // (the current report file); on failure shows `failureText` as an error
  // and leaves the current report file alone. Returns false on failure.
  bool writeReport(const QString &path, Interaction &ui,
                   const std::function<void(const QString &)> &setCurrentReport,
                   const QString &failureText);
  // "Rapor dosyası oluşturmada hata!" LF "Sonra tekrar deneyin.."
  static QString failureMessage();

private:
  QString m_text;
  QString m_error;
};

} // namespace vz
