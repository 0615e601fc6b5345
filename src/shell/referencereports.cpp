#include "referencereports.h"

#include "activematrixreport.h"
#include "editing/referencematrix.h"
#include "platform/rtext.h"
#include "problem/appsession.h"
#include "problem/interaction.h"
#include "problem/reportwriter.h"

#include <QDir>

namespace vz {

namespace {

constexpr int Slots = 6;
constexpr int CellWidth = 11;
constexpr int FirstNameWidth = 15;  // the price list's name column
// The name heading of block 1 spans the rows' two leading blanks less the
// heading's one and the 25-character name, so every nutrient heading ends
// where its cells end.
constexpr int MatrixNameHeadingWidth = 1 + refmatrix::NameWidth;
// A page is full once the counter passes this line; the header leaves it at 6.
constexpr int LastRowLine = 58;
constexpr int HeaderLines = 6;

QString blanks(int n)
{
  return QString(n, QLatin1Char(' '));
}

QString pageLabel(int block, int page)
{
  return blanks(65) + QStringLiteral("Sayfa ") + rt::PadL(QString::number(block), 2) + QLatin1Char('.')
         + QString::number(page);
}

using Builder = QString (*)(const ReferenceMatrix &);

// The steps both reports share: the reference matrix read, the text written
// whole, the current report file set; a message on every failure, each after
// the please-wait box is gone.
bool runReport(AppSession &session, Interaction &ui, const QString &fileName,
               const QString &missingCaption, const QString &openError, Builder build)
{
  PleaseWait wait(ui);
  const QString path = refmatrix::locate(session.programDir());
  if (path.isEmpty()) {
    wait.close();
    ui.warning(refmatrix::missingText(), missingCaption);
    return false;
  }
  ReferenceMatrix m;
  QString why;
  if (!refmatrix::read(path, &m, &why)) {
    wait.close();
    ui.errorMessage(refmatrix::withReason(openError, why));
    return false;
  }
  ReportWriter out;
  out.addRaw(build(m));
  const QString target = QDir(session.dataDir()).filePath(fileName);
  const bool written = out.write(target);
  wait.close();
  if (!written) {
    ui.errorMessage(ActiveMatrixReport::failureText());
    return false;
  }
  session.setCurrentReportFile(target);
  return true;
}

} // namespace

QString ReferenceReports::buildPriceList(const ReferenceMatrix &m)
{
  ReportWriter out;
  out.addLine(blanks(10) + QStringLiteral("Vesk_Zyr 2.0 YEM MADDESİ FİYATLARI"));
  out.addBlankLine();
  out.addLine(blanks(10) + QStringLiteral("YEM MADDESİ ADI") + blanks(4) + QStringLiteral("FİYATI"));
  out.addLine(blanks(5) + QString(40, QLatin1Char('-')));
  out.addBlankLine();
  for (int r = 0; r < m.recordCount(); ++r)
    out.addLine(blanks(10) + rt::PadR(m.value(r, 0), FirstNameWidth) + QLatin1Char(' ')
                + rt::PadL(m.value(r, 1), CellWidth));
  return out.text();
}

QString ReferenceReports::buildMatrixReport(const ReferenceMatrix &m)
{
  ReportWriter out;
  const int fieldCount = int(m.fields().size());
  // Each block prints a few columns of every record: the records are
  // decoded once for all the blocks.
  const QList<QStringList> records = m.records();
  int column = 1;  // the last field (1-based) placed in a block
  for (int block = 1; column < fieldCount; ++block) {
    const bool first = block == 1;
    QList<int> slotFields;  // 0-based field per slot, -1 for an empty slot
    int k = 0;
    if (first) {
      slotFields.append(0);
      column = 2;  // the price is never printed
      k = 1;
    }
    for (; k < Slots; ++k) {
      ++column;
      slotFields.append(column <= fieldCount ? column - 1 : -1);
    }

    QString heading;
    for (int s = 0; s < Slots; ++s) {
      const int f = slotFields.at(s);
      const QString name = f >= 0 ? m.fields().at(f).name : QString();
      heading += QLatin1Char(' ');
      heading += first && s == 0 ? rt::PadR(name, MatrixNameHeadingWidth) : rt::PadL(name, CellWidth);
    }

    int page = 0;
    int line = 99;
    for (const QStringList &record : records) {
      if (line > LastRowLine) {
        ++page;
        if (page > 1) {
          out.addFormFeed();
          out.addBlankLine();
        }
        out.addBlankLine();
        if (first) {
          out.addCentredLine(QStringLiteral("Vesk_Zyr S 2.0 KURU MADDE TEMEL MATRİS'i"));
          out.addBlankLine();
        }
        out.addLine(pageLabel(block, page));
        out.addBlankLine();
        out.addLine(heading);
        line = HeaderLines;
      }
      QStringList cells;
      for (int f : std::as_const(slotFields))
        cells.append(f >= 0 ? record.value(f) : blanks(CellWidth));
      out.addLine(QStringLiteral("  ") + cells.join(QLatin1Char(' ')));
      ++line;
    }
    out.addFormFeed();
  }
  return out.text();
}

bool ReferenceReports::HMFIATLIST(AppSession &session, Interaction &ui)
{
  return runReport(session, ui, priceListFileName(), QStringLiteral("Uyarı"),
                   QStringLiteral("KME Referans matris dosyası açma hatası..."), &buildPriceList);
}

bool ReferenceReports::KMMREPORT(AppSession &session, Interaction &ui)
{
  return runReport(session, ui, matrixFileName(), QStringLiteral("Uyarı..."),
                   QStringLiteral("KME referans matris dosyası açma hatası..."), &buildMatrixReport);
}

} // namespace vz
