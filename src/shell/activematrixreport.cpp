#include "activematrixreport.h"

#include "platform/rtext.h"
#include "problem/appsession.h"
#include "problem/interaction.h"
#include "problem/numbertext.h"
#include "problem/problemfile.h"
#include "problem/reportwriter.h"

namespace vz {

namespace {

constexpr int FirstBlockSlots = 5;  // the first slot holds the nutrient names
constexpr int BlockSlots = 6;
constexpr int NameWidth = 15;
// A page is full once the counter passes this line; the header leaves it at 6.
constexpr int LastRowLine = 58;
constexpr int HeaderLines = 6;

QString pageLabel(int block, int page)
{
  return QStringLiteral("Sayfa ") + rt::PadL(QString::number(block), 2) + QLatin1Char('.')
         + QString::number(page);
}

QString blanks(int n)
{
  return QString(n, QLatin1Char(' '));
}

} // namespace

QString ActiveMatrixReport::build(const QStringList &feedNames, const QStringList &nutrientNames,
                                  const QList<QStringList> &matrix, const QString &problemName)
{
  ReportWriter out;
  const int feeds = int(feedNames.size());

  auto heading = [&](int feed) {  // feed is 0-based
    return feed < feeds ? rt::PadL(feedNames.at(feed).trimmed(), NumberTextWidth) : blanks(NumberTextWidth);
  };
  auto cell = [&](int nutrient, int feed) {
    if (feed >= feeds || nutrient >= matrix.size() || feed >= matrix.at(nutrient).size())
      return blanks(NumberTextWidth);
    return rt::PadL(matrix.at(nutrient).at(feed), NumberTextWidth);
  };

  int placed = 0;
  for (int block = 1; placed < feeds; ++block) {
    const bool first = block == 1;
    QList<int> slotFeeds;
    for (int k = 0; k < (first ? FirstBlockSlots : BlockSlots); ++k)
      slotFeeds.append(placed++);

    QString headingLine = QStringLiteral("  ");
    if (first)
      headingLine += rt::PadR(QStringLiteral("Besin Maddesi"), NameWidth);
    for (int k = 0; k < slotFeeds.size(); ++k) {
      if (first || k > 0)
        headingLine += QLatin1Char(' ');
      headingLine += heading(slotFeeds.at(k));
    }

    int page = 0;
    int line = 99;
    for (int i = 0; i < nutrientNames.size(); ++i) {
      if (line > LastRowLine) {
        ++page;
        if (page > 1)
          out.addFormFeed();
        out.addBlankLine();
        if (first) {
          out.addCentredLine(QStringLiteral("Vesk_Zyr S 2.0"));
          out.addLine(QStringLiteral("  ") + problemName + QStringLiteral(".RVD MATRİSİ"));
          out.addLine(blanks(23) + pageLabel(block, page));
        } else {
          out.addLine(blanks(65) + pageLabel(block, page));
        }
        out.addBlankLine();
        if (page == 1)
          out.addLine(headingLine);
        else
          out.addBlankLine();
        line = HeaderLines;
      }
      QString row = QStringLiteral("  ");
      if (first)
        row += rt::PadR(nutrientNames.at(i), NameWidth);
      for (int feed : std::as_const(slotFeeds))
        row += QLatin1Char(' ') + cell(i, feed);
      out.addLine(row);
      ++line;
    }
    out.addFormFeed();
  }
  return out.text();
}

QString ActiveMatrixReport::reportPath(const AppSession &session)
{
  const ProblemFile *file = session.problemFile();
  if (!file || !file->isOpen())
    return QString();
  return file->PROBFILEBASE() + QStringLiteral(".TXT");
}

bool ActiveMatrixReport::AMATREPORT(AppSession &session, Interaction &ui)
{
  const QString path = reportPath(session);
  if (path.isEmpty())
    return false;

  PleaseWait wait(ui);
  const RationProblem &p = session.problem();
  ReportWriter out;
  out.addRaw(build(p.feedNames, p.nutrientNames, p.matrix, session.problemFile()->PROBFILENAME()));
  const bool written = out.write(path);
  wait.close();
  if (!written) {
    ui.errorMessage(failureText());
    return false;
  }
  session.setCurrentReportFile(path);
  return true;
}

QString ActiveMatrixReport::failureText()
{
  return QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyin..");
}

} // namespace vz
