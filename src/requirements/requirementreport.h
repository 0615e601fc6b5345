#pragma once
// The requirement report "KWIB_SBIH.TXT" in the program directory's "Data"
// folder, shared by both models and every animal type; each report replaces
// the previous one. Lines are 100 characters + CR LF (code page 1254 on disk),
// starting with the four-line header block. The text is built in memory and
// written whole through the project's report writer.
#include "problem/reportwriter.h"

#include <QDateTime>
#include <QString>

namespace vz {

class Interaction;

class RequirementReport {
public:
  static QString fileName() { return QStringLiteral("KWIB_SBIH.TXT"); }
  // AppSession's data folder + "/KWIB_SBIH.TXT".
  static QString filePath();
  // "Rapor dosyası oluşturmada hata!" CR CR "Sonra tekrar deneyiniz..".
  static QString writeErrorText();

  // Product line, program title, "Tarih: dd.MM.yyyy  Saat: hh:mm:ss" (centred)
  // and a blank line.
  void addHeader(const QDateTime &now);
  void addCentred(const QString &text);  // PadC(text, 100)
  void addLeft(const QString &text);     // PadR(text, 100)
  void addBlank();                       // 100 blanks
  const QString &text() const { return m_writer.text(); }

  // Writes the whole text to `path`, replacing the file (a failed write leaves
  // the old one intact; a missing folder is not created). On success makes
  // `path` the session's current report file and returns true; on failure
  // shows writeErrorText() through `interaction` (caption "Hata...") and
  // returns false, the current report file unchanged.
  bool writeAndPublish(const QString &path, Interaction &interaction);

private:
  ReportWriter m_writer;
};

} // namespace vz
