// Milliseconds to read a reference matrix of the standard 44 columns, as the
// build commands, the reports and the reference-matrix window read it; to
// read it and take every feedstuff's name and cell once; and to step
// through the same table record by record. Reading must grow with the rows:
// goal 8,000 rows in at most 5 x the time of 2,000. Taking every cell too
// must stay under what the read alone took when the matrix held every cell
// as text.
#include "editing/referencematrix.h"
#include "platform/dbftable.h"
#include "platform/rtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vz;

namespace {

QString writeMatrix(const QString &dir, int rows)
{
  const QList<DbfField> fields = KMM_STRCREATE();
  QList<DbfRecord> records;
  DbfRecord units{false, {QStringLiteral("BIRIM")}};
  for (int c = 1; c < fields.size(); ++c)
    units.values.append(QStringLiteral("g/Kg"));
  records.append(units);
  for (int r = 1; r <= rows; ++r) {
    DbfRecord rec{false, {QStringLiteral("Yem Maddesi No %1").arg(r), rt::PadL(QStringLiteral("4.500"), 11)}};
    for (int c = 2; c < fields.size(); ++c)
      rec.values.append(rt::PadL(QStringLiteral("%1.%2").arg(r % 900).arg(c, 4, 10, QLatin1Char('0')), 11));
    records.append(rec);
  }
  const QString path = QDir(dir).filePath(QStringLiteral("MATKUMAD_%1.DBF").arg(rows));
  if (!DbfTable::writeTable(path, fields, records))
    return QString();
  return path;
}

// The best of several runs: a walk of 2,000 records takes a tenth of a
// millisecond, which a single slow spell of the machine would double.
double bestMs(const std::function<void()> &run)
{
  std::vector<double> times;
  for (int i = 0; i < 15; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return *std::min_element(times.begin(), times.end());
}

} // namespace

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  std::printf("%-28s %8s %8s %8s\n", "reference matrix (best of 15)", "2,000", "8,000", "ratio");
  double read[2] = {0, 0};
  double touch[2] = {0, 0};
  double walk[2] = {0, 0};
  const int sizes[2] = {2000, 8000};
  for (int i = 0; i < 2; ++i) {
    const QString path = writeMatrix(dir.path(), sizes[i]);
    if (path.isEmpty()) {
      std::fprintf(stderr, "cannot write the matrix\n");
      return 1;
    }
    read[i] = bestMs([&] {
      ReferenceMatrix m;
      if (!refmatrix::read(path, &m) || m.feedCount() != sizes[i])
        std::fprintf(stderr, "read failed\n");
    });
    // The matrix decodes a text when it is asked for: the read alone would
    // not show what that costs. Here every feedstuff's name, price and
    // nutrient cells are taken once, as building a problem from all of them
    // takes them.
    touch[i] = bestMs([&] {
      ReferenceMatrix m;
      if (!refmatrix::read(path, &m) || m.feedCount() != sizes[i])
        std::fprintf(stderr, "read failed\n");
      const qsizetype columns = m.nutrientColumns().size();
      qsizetype chars = 0;
      for (int n = 0; n < m.feedCount(); ++n) {
        const ReferenceFeed f = m.feed(n);
        chars += f.trimmedName().size() + f.price().size();
        for (qsizetype c = 0; c < columns; ++c)
          chars += f.cell(c).size();
      }
      if (columns != 42 || chars <= qsizetype(sizes[i]) * 11 * (columns + 1))
        std::fprintf(stderr, "touch failed\n");
    });
    walk[i] = bestMs([&] {
      DbfTable t;
      t.open(path, DbfTable::OpenMode::ReadOnly);
      int n = 0;
      for (t.goTop(); !t.eof(); t.skip(1))
        n += t.fieldGet(0).isEmpty() ? 0 : 1;
      if (n != sizes[i] + 1)
        std::fprintf(stderr, "walk failed\n");
    });
  }
  const auto line = [](const char *what, const double v[2]) {
    const double ratio = v[1] / v[0];
    std::printf("%-28s %6.2f ms %6.2f ms %7.2f x%s\n", what, v[0], v[1], ratio, ratio > 5.0 ? "  (over 5 x)" : "");
  };
  line("read (refmatrix::read)", read);
  line("read, every name and cell", touch);
  line("open, goTop, skip to end", walk);
  return 0;
}
