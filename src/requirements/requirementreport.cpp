#include "requirementreport.h"

#include "platform/rtext.h"
#include "problem/appsession.h"
#include "problem/interaction.h"

namespace vz {

QString RequirementReport::filePath()
{
  return AppSession::instance().dataDir() + QLatin1Char('/') + fileName();
}

QString RequirementReport::writeErrorText()
{
  return QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyiniz..");
}

void RequirementReport::addHeader(const QDateTime &now)
{
  addCentred(QStringLiteral("Vesk_Zyr S 2.0"));
  addCentred(QStringLiteral("OPTİMAL & MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"));
  addCentred(QStringLiteral("Tarih: ") + rt::DToC(now.date()) + QStringLiteral("  Saat: ")
             + now.time().toString(QStringLiteral("hh:mm:ss")));
  addBlank();
}

void RequirementReport::addCentred(const QString &text)
{
  m_writer.addLine(rt::PadC(text, ReportWriter::LineWidth));
}

void RequirementReport::addLeft(const QString &text)
{
  m_writer.addLine(rt::PadR(text, ReportWriter::LineWidth));
}

void RequirementReport::addBlank()
{
  m_writer.addLine(QString());
}

bool RequirementReport::writeAndPublish(const QString &path, Interaction &interaction)
{
  if (!m_writer.write(path)) {
    interaction.errorMessage(writeErrorText());
    return false;
  }
  AppSession::instance().setCurrentReportFile(path);
  return true;
}

} // namespace vz
