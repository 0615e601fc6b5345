#include "reportwriter.h"

#include "interaction.h"
#include "platform/cp1254.h"
#include "platform/savefile.h"

namespace vz {

void ReportWriter::addLine(const QString &line)
{
  m_text += line.left(LineWidth).leftJustified(LineWidth, QLatin1Char(' '));
  m_text += QStringLiteral("\r\n");
}

void ReportWriter::addBlankLine()
{
  addLine(QString());
}

void ReportWriter::addCentredLine(const QString &text)
{
  const QString cut = text.left(LineWidth);
  const qsizetype left = (LineWidth - cut.size()) / 2;
  addLine(QString(left, QLatin1Char(' ')) + cut);
}

void ReportWriter::addRaw(const QString &text)
{
  m_text += text;
}

void ReportWriter::addFormFeed()
{
  m_text += QChar(0x0C);
}

bool ReportWriter::write(const QString &path)
{
  m_error.clear();
  return writeFileAtomically(path, cp1254::encode(m_text), &m_error);
}

bool ReportWriter::writeReport(const QString &path, Interaction &ui,
                               const std::function<void(const QString &)> &setCurrentReport,
                               const QString &failureText)
{
  if (!write(path)) {
    ui.errorMessage(failureText);
    return false;
  }
  if (setCurrentReport)
    setCurrentReport(path);
  return true;
}

QString ReportWriter::failureMessage()
{
  return QStringLiteral("Rapor dosyası oluşturmada hata!\nSonra tekrar deneyin..");
}

} // namespace vz
