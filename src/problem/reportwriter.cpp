#include "reportwriter.h"

#include "platform/cp1254.h"
#include "platform/savefile.h"

namespace vz {

void ReportWriter::addLine(const QString &line)
{
  m_text += line.left(LineWidth).leftJustified(LineWidth, QLatin1Char(' '));
  m_text += QStringLiteral("\r\n");
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

} // namespace vz
