// The reference matrix the set-up installs: written by tools/makerefmatrix
// from examples/referans_matris.csv, read back by an independent reader, and
// never written over a matrix the user already has.
#include "../platform/dbfreader.h"
#include "editing/referencecommands.h"
#include "editing/referencematrix.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

QString source()
{
  return qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/referans_matris.csv");
}

bool install(const QString &programDir, QString *output = nullptr)
{
  QProcess p;
  p.start(QStringLiteral(VZ_MAKEREFMATRIX_TOOL), {source(), programDir});
  const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (output)
    *output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
  return ok;
}

} // namespace

class TestShippedMatrix : public QObject {
  Q_OBJECT

private slots:
  void readByAnIndependentReader();
  void unitsOfTheRequirementRows_data();
  void unitsOfTheRequirementRows();
  void neverWritesOverAMatrix_data();
  void neverWritesOverAMatrix();
  void buildsAProblem();
};

void TestShippedMatrix::readByAnIndependentReader()
{
  QTemporaryDir dir;
  QString output;
  QVERIFY2(install(dir.path(), &output), qPrintable(output));
  const IndependentTable t = readWithDbfread(dir.filePath(QStringLiteral("MATKUMAD.DBF")));
  QVERIFY2(t.ok, qPrintable(t.error));
  QCOMPARE(t.fieldNames, refmatrix::standardFieldNames());
  QVERIFY(t.records.size() >= 31);  // the units record and at least 30 feedstuffs
  QCOMPARE(t.typed.at(0).at(0).toString(), QStringLiteral("BIRIM"));

  const int kmo = int(t.fieldNames.indexOf(QStringLiteral("KMO")));
  const int hp = int(t.fieldNames.indexOf(QStringLiteral("HP")));
  const int ndf = int(t.fieldNames.indexOf(QStringLiteral("NDF")));
  const int ca = int(t.fieldNames.indexOf(QStringLiteral("KALSIYUM")));
  QStringList names;
  for (int r = 1; r < t.records.size(); ++r) {
    const QStringList &rec = t.records.at(r);
    const QString name = rec.at(0).trimmed();
    QVERIFY(!name.isEmpty());
    QVERIFY2(!names.contains(name), qPrintable(name));
    // Told apart in a problem too, which keeps 15 characters of a name.
    for (const QString &earlier : std::as_const(names))
      QVERIFY2(refcommands::storedName(earlier) != refcommands::storedName(name), qPrintable(name));
    names.append(name);
    // Every feedstuff has a price (3 decimals) and its dry matter (4 decimals).
    QVERIFY2(QRegularExpression(QStringLiteral("^ *\\d+\\.\\d{3}$")).match(rec.at(1)).hasMatch(), qPrintable(name));
    for (int c = 2; c < rec.size(); ++c)
      QVERIFY(rec.at(c).trimmed().isEmpty()
              || QRegularExpression(QStringLiteral("^ *\\d+\\.\\d{4}$")).match(rec.at(c)).hasMatch());
    const double dm = rec.at(kmo).toDouble();
    QVERIFY2(dm >= 15 && dm <= 100, qPrintable(name));
    // Contents per kg of dry matter: fibre as a fraction, protein and
    // minerals in grams (urea is all nitrogen: 2,810 g of crude protein).
    QVERIFY2(rec.at(ndf).toDouble() <= 1.0, qPrintable(name));
    QVERIFY2(rec.at(hp).toDouble() <= 3000.0, qPrintable(name));
    QVERIFY2(rec.at(ca).toDouble() <= 400.0, qPrintable(name));
  }
  // The kinds the set-up promises: forages, grains, by-products, protein meals, minerals.
  for (const char *n : {"Yonca Kuru Otu", "Mısır Silajı", "Buğday Samanı", "Arpa", "Mısır", "Buğday Kepeği",
                        "Kuru Şeker Pancarı Posası", "Soya Küspesi 44", "Pamuk Tohumu Küspesi", "Kireç Taşı",
                        "Dikalsiyum Fosfat", "Tuz"})
    QVERIFY2(names.contains(QString::fromUtf8(n)), n);
}

void TestShippedMatrix::unitsOfTheRequirementRows_data()
{
  QTest::addColumn<QString>("column");
  QTest::addColumn<QString>("unit");
  QTest::addColumn<QString>("feed");
  QTest::addColumn<double>("low");  // a plausible range per kg of DM
  QTest::addColumn<double>("high");
  QTest::newRow("KMO") << "KMO" << "%" << "Mısır Silajı" << 30.0 << 40.0;
  QTest::newRow("HP") << "HP" << "g/Kg" << "Soya Küspesi 44" << 450.0 << 550.0;
  QTest::newRow("RUP") << "RUP" << "g/Kg" << "Mısır" << 30.0 << 60.0;
  QTest::newRow("RDP") << "RDP" << "g/Kg" << "Arpa" << 70.0 << 110.0;
  QTest::newRow("KALSIYUM") << "KALSIYUM" << "g/Kg" << "Kireç Taşı" << 300.0 << 400.0;
  QTest::newRow("FOSFOR") << "FOSFOR" << "g/Kg" << "Dikalsiyum Fosfat" << 150.0 << 220.0;
  QTest::newRow("TSBM") << "TSBM" << "Kg/Kg" << "Mısır" << 0.8 << 0.95;
  QTest::newRow("NDF") << "NDF" << "Kg/Kg" << "Buğday Samanı" << 0.65 << 0.85;
  QTest::newRow("ADF") << "ADF" << "Kg/Kg" << "Yonca Kuru Otu" << 0.25 << 0.45;
  QTest::newRow("NEL") << "NEL" << "MCal/Kg" << "Mısır Silajı" << 1.3 << 1.8;
  QTest::newRow("NEY") << "NEY" << "MCal/Kg" << "Mısır" << 1.9 << 2.4;
  QTest::newRow("NEK") << "NEK" << "MCal/Kg" << "Arpa" << 1.2 << 1.6;
  QTest::newRow("ME_BB") << "ME_BB" << "MCal/Kg" << "Arpa" << 2.8 << 3.3;
  QTest::newRow("SE") << "SE" << "MCal/Kg" << "Arpa" << 3.4 << 4.0;
  QTest::newRow("VITA") << "VITA" << "IU/Kg" << "Arpa" << 0.0 << 0.0;
}

void TestShippedMatrix::unitsOfTheRequirementRows()
{
  QFETCH(QString, column);
  QFETCH(QString, unit);
  QFETCH(QString, feed);
  QFETCH(double, low);
  QFETCH(double, high);
  QTemporaryDir dir;
  QVERIFY(install(dir.path()));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(dir.filePath(QStringLiteral("MATKUMAD.DBF")), &m));
  const int c = m.nutrientColumn(column);
  QVERIFY(c >= 0);
  QCOMPARE(m.units().at(c), unit);
  const int f = m.feedIndex(feed);
  QVERIFY(f >= 0);
  const double value = m.feed(f).cell(c).toDouble();
  QVERIFY2(value >= low && value <= high, qPrintable(QString::number(value)));
}

void TestShippedMatrix::neverWritesOverAMatrix_data()
{
  QTest::addColumn<QString>("existing");
  QTest::newRow("same name") << "MATKUMAD.DBF";
  QTest::newRow("other letter case") << "matkumad.dbf";
}

void TestShippedMatrix::neverWritesOverAMatrix()
{
  QFETCH(QString, existing);
  QTemporaryDir dir;
  const QString path = dir.filePath(existing);
  QVERIFY(DbfTable::writeTable(path, KMM_STRCREATE(),
                               {{false, {QStringLiteral("BIRIM")}}, {false, {QStringLiteral("Kendi Yemim")}}}));
  QFile f(path);
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray before = f.readAll();
  f.close();
  QVERIFY(install(dir.path()));
  QVERIFY(f.open(QIODevice::ReadOnly));
  QCOMPARE(f.readAll(), before);
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{existing});
}

void TestShippedMatrix::buildsAProblem()
{
  // The shipped matrix is what a user builds from: every problem nutrient
  // carries a column name, so adding later asks no pairing question.
  QTemporaryDir dir;
  QVERIFY(install(dir.path()));
  RationProblem p;
  ScriptedInteraction ui;
  ui.chooseManyAnswers.enqueue({2, 16});     // HP, NEL (KMO joins them)
  ui.chooseManyAnswers.enqueue({1, 4, 11});  // three feedstuffs
  QVERIFY(refcommands::AMAT_OLUSTUR_GR(dir.path(), p, ui));
  QCOMPARE(p.nutrientNames, (QStringList{"KMT", "KMO", "HP", "NEL"}));
  QCOMPARE(p.nutrientUnits, (QStringList{"Kg/Kg", "%", "g/Kg", "MCal/Kg"}));
  ui.chooseManyAnswers.enqueue({5});
  ui.yesNoAnswers.enqueue(true);
  QVERIFY(refcommands::AMAT_YMEKLE_GR(dir.path(), p, ui));
  QCOMPARE(p.feeds.size(), 4);
  QVERIFY(ui.texts(QStringLiteral("pairing")).isEmpty());
  for (const QStringList &row : p.matrix)
    for (const QString &cell : row)
      QVERIFY(!cell.trimmed().isEmpty());
}

QTEST_GUILESS_MAIN(TestShippedMatrix)
#include "tst_shippedmatrix.moc"
