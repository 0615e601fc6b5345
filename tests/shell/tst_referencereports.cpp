// The price list and the reference matrix report: compared byte for byte with
// golden files, and their messages when the matrix or the report is missing.
#include "../editing/referencefixture.h"
#include "editing/referencematrix.h"
#include "problem/appsession.h"
#include "scriptedinteraction.h"
#include "shell/referencereports.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The standard 44 columns and 60 feedstuffs with distinct cells, so that
// every block has two pages; one name is longer than 15 characters.
QList<DbfRecord> standardRecords()
{
  const QList<DbfField> fields = KMM_STRCREATE();
  QList<DbfRecord> records;
  DbfRecord units{false, {QStringLiteral("BIRIM"), QString()}};
  for (int c = 2; c < fields.size(); ++c)
    units.values.append(c == 2 ? QStringLiteral("%") : QStringLiteral("g/Kg"));
  records.append(units);
  for (int r = 1; r <= 60; ++r) {
    DbfRecord rec;
    rec.values.append(r == 2 ? QStringLiteral("Yonca Kuru Otu Tam Çiçek") : QStringLiteral("Yem %1").arg(r));
    rec.values.append(r == 3 ? QString() : rt::PadL(QStringLiteral("%1.500").arg(r), 11));
    for (int c = 2; c < fields.size(); ++c)
      rec.values.append(r == 4 ? QString() : rt::PadL(QStringLiteral("%1.%2").arg(r).arg(c, 4, 10, QLatin1Char('0')), 11));
    records.append(rec);
  }
  return records;
}

QStringList reportLines(const QByteArray &text)
{
  return QString::fromLatin1(text).split(QStringLiteral("\r\n"));
}

} // namespace

class TestReferenceReports : public QObject {
  Q_OBJECT

private slots:
  void init();
  void golden_data();
  void golden();
  void blockLayout();
  void headingsStandOverTheirCells_data();
  void headingsStandOverTheirCells();
  void missingMatrix_data();
  void missingMatrix();
  void unwritableReportKeepsCurrentFile();

private:
  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_previous = QStringLiteral("/önceki/rapor.TXT");
};

void TestReferenceReports::init()
{
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Data")));
  AppSession::instance().setProgramDir(m_dir->path());
  AppSession::instance().setCurrentReportFile(m_previous);
}

void TestReferenceReports::golden_data()
{
  QTest::addColumn<bool>("standard");  // the 44-column table, or the small fixture
  QTest::addColumn<bool>("priceList");
  QTest::addColumn<QString>("golden");
  QTest::newRow("price list") << false << true << "fiyat_listesi.txt";
  QTest::newRow("matrix, two blocks") << false << false << "km_referans_kucuk.txt";
  QTest::newRow("matrix, 44 columns, two pages a block") << true << false << "km_referans_44.txt";
}

void TestReferenceReports::golden()
{
  QFETCH(bool, standard);
  QFETCH(bool, priceList);
  QFETCH(QString, golden);
  const QString matrixPath = QDir(m_dir->path()).filePath(QStringLiteral("matkumad.dbf"));
  if (standard)
    QVERIFY(DbfTable::writeTable(matrixPath, KMM_STRCREATE(), standardRecords()));
  else
    QVERIFY(DbfTable::writeTable(matrixPath, referenceFields(), referenceRecords()));

  ScriptedInteraction ui;
  AppSession &s = AppSession::instance();
  QVERIFY(priceList ? ReferenceReports::HMFIATLIST(s, ui) : ReferenceReports::KMMREPORT(s, ui));
  QVERIFY(ui.shown.isEmpty());
  QCOMPARE(ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
  const QString report = QDir(s.dataDir())
                             .filePath(priceList ? QStringLiteral("Yem Maddesi Fiyat Listesi.TXT")
                                                 : QStringLiteral("KM Referans Matris.TXT"));
  QCOMPARE(s.currentReportFile(), report);
  const QByteArray written = readAll(report);

  const QString goldenPath = qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/refmatrix/") + golden;
  if (qEnvironmentVariableIsSet("VZ_UPDATE_GOLDEN")) {
    QFile out(goldenPath);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(written);
  }
  const QByteArray expected = readAll(goldenPath);
  QVERIFY2(!expected.isEmpty(), qPrintable(goldenPath));
  if (written != expected)
    QCOMPARE(reportLines(written), reportLines(expected));  // readable difference
  QCOMPARE(written, expected);

  // Every line is 100 characters (form feeds aside) ended by CR LF.
  for (QString line : reportLines(written)) {
    line.remove(QChar(0x0C));
    if (!line.isEmpty())
      QCOMPARE(line.size(), 100);
  }
  QVERIFY(priceList ? written.endsWith("\r\n") : written.endsWith("\r\n\x0C"));

  // A second run replaces the file and sets it again.
  s.setCurrentReportFile(m_previous);
  QVERIFY(priceList ? ReferenceReports::HMFIATLIST(s, ui) : ReferenceReports::KMMREPORT(s, ui));
  QCOMPARE(readAll(report), expected);
  QCOMPARE(s.currentReportFile(), report);
}

void TestReferenceReports::blockLayout()
{
  // 44 fields: eight blocks (fields 1, 3-7; then six a block; block 8 only VITE).
  ReferenceMatrix m = ReferenceMatrix::fromRecords(KMM_STRCREATE(), {QStringList{QStringLiteral("BIRIM")}});
  const QString text = ReferenceReports::buildMatrixReport(m);
  QCOMPARE(text.count(QChar(0x0C)), 8);
  QVERIFY(text.contains(QStringLiteral("Sayfa  8.1")));
  QVERIFY(!text.contains(QStringLiteral("Sayfa  9.")));
  QVERIFY(!text.contains(QStringLiteral("FIATI")));
  QVERIFY(text.contains(QStringLiteral(" ") + rt::PadL(QStringLiteral("VITE"), 11) + QString(88, QLatin1Char(' ')) + QStringLiteral("\r\n")));

  // Only the name and the price: one block with the names alone.
  m = ReferenceMatrix::fromRecords(KMM_STRCREATE().mid(0, 2),
                                   {QStringList{rt::PadR(QStringLiteral("BIRIM"), 25), QString(11, QLatin1Char(' '))}});
  const QString small = ReferenceReports::buildMatrixReport(m);
  QCOMPARE(small.count(QChar(0x0C)), 1);
  QVERIFY(small.contains(QStringLiteral("  ") + rt::PadR(QStringLiteral("BIRIM"), 25) + QString(73, QLatin1Char(' ')) + QStringLiteral("\r\n")));
}

void TestReferenceReports::headingsStandOverTheirCells_data()
{
  // 1-based columns where a heading ends and where its cells end: in block 1
  // behind the 25-character name, in the blocks after it as they always were.
  QTest::addColumn<int>("block");
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("headingEnd");
  QTest::addColumn<int>("cellEnd");
  const QStringList first{"KMO", "HP", "SHP", "RUP", "RDP"};
  for (int k = 2; k <= 6; ++k)
    QTest::addRow("block 1, slot %d", k) << 1 << first.at(k - 2) << 39 + 12 * (k - 2) << 39 + 12 * (k - 2);
  const QStringList second{"HY", "HS", "ADF", "NDF", "HK", "TSBM"};
  for (int k = 1; k <= 6; ++k)
    QTest::addRow("block 2, slot %d", k) << 2 << second.at(k - 1) << 12 + 12 * (k - 1) << 13 + 12 * (k - 1);
}

void TestReferenceReports::headingsStandOverTheirCells()
{
  QFETCH(int, block);
  QFETCH(QString, field);
  QFETCH(int, headingEnd);
  QFETCH(int, cellEnd);
  const QList<DbfField> fields = KMM_STRCREATE();
  QStringList units{rt::PadR(QStringLiteral("BIRIM"), 25), QString(11, QLatin1Char(' '))};
  QStringList feed{rt::PadR(QStringLiteral("Yonca Kuru Otu Tam Çiçek"), 25), rt::PadL(QStringLiteral("4.000"), 11)};
  for (int i = 2; i < fields.size(); ++i) {
    units.append(rt::PadL(fields.at(i).name.left(5).toLower(), 11));
    feed.append(rt::PadL(QStringLiteral("%1.5000").arg(i), 11));
  }
  const ReferenceMatrix m = ReferenceMatrix::fromRecords(fields, {units, feed});
  const QStringList lines = ReferenceReports::buildMatrixReport(m).split(QStringLiteral("\r\n"));
  const int label = int(lines.indexOf(QRegularExpression(QStringLiteral(" +Sayfa +%1\\.1 *").arg(block))));
  QVERIFY(label > 0);
  const QString heading = lines.at(label + 2);
  const QString row = lines.at(label + 4);  // the feedstuff, behind the units record
  const int at = int(QRegularExpression(QStringLiteral("(?<= )%1(?= |$)").arg(field)).match(heading).capturedStart());
  QVERIFY2(at > 0, qPrintable(heading));
  QCOMPARE(at + int(field.size()), headingEnd);
  int fieldIndex = 0;
  while (m.fields().at(fieldIndex).name != field)
    ++fieldIndex;
  const QString value = feed.at(fieldIndex);
  QCOMPARE(row.mid(cellEnd - 11, 11), value);
  if (block == 1)  // the name heading stands over the names
    QCOMPARE(heading.left(8), QStringLiteral(" YM_ADI "));
}

void TestReferenceReports::missingMatrix_data()
{
  QTest::addColumn<bool>("priceList");
  QTest::addColumn<QString>("caption");
  QTest::newRow("price list") << true << QStringLiteral("Uyarı");
  QTest::newRow("matrix") << false << QStringLiteral("Uyarı...");
}

void TestReferenceReports::missingMatrix()
{
  QFETCH(bool, priceList);
  QFETCH(QString, caption);
  ScriptedInteraction ui;
  AppSession &s = AppSession::instance();
  QVERIFY(!(priceList ? ReferenceReports::HMFIATLIST(s, ui) : ReferenceReports::KMMREPORT(s, ui)));
  QCOMPARE(ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
  QCOMPARE(ui.shown.size(), 1);
  QCOMPARE(ui.shown.at(0).kind, QStringLiteral("warning"));
  QCOMPARE(ui.shown.at(0).text, QStringLiteral("MATKUMAD.DBF dosyası yok..!"));
  QCOMPARE(ui.shown.at(0).caption, caption);
  QCOMPARE(s.currentReportFile(), m_previous);
  QCOMPARE(QDir(s.dataDir()).entryList(QDir::Files), QStringList());
  QVERIFY(!QFile::exists(QDir(m_dir->path()).filePath(QStringLiteral("MATKUMAD.DBF"))));

  // A file of that name that is no table: the open failure.
  QFile bad(QDir(m_dir->path()).filePath(QStringLiteral("MATKUMAD.DBF")));
  QVERIFY(bad.open(QIODevice::WriteOnly));
  bad.write("not a table");
  bad.close();
  ScriptedInteraction ui2;
  QVERIFY(!(priceList ? ReferenceReports::HMFIATLIST(s, ui2) : ReferenceReports::KMMREPORT(s, ui2)));
  // The fixed text, and under it why the file could not be read.
  const QStringList errors = ui2.texts(QStringLiteral("error"));
  QCOMPARE(errors.size(), 1);
  QVERIFY2(errors.at(0).startsWith((priceList ? QStringLiteral("KME Referans matris dosyası açma hatası...")
                                              : QStringLiteral("KME referans matris dosyası açma hatası..."))
                                   + QStringLiteral("\n\nMATKUMAD.DBF bir dBASE tablosu değil")),
           qPrintable(errors.at(0)));
  QCOMPARE(ui2.pleaseWaitOpen, 0);
  QCOMPARE(s.currentReportFile(), m_previous);
}

void TestReferenceReports::unwritableReportKeepsCurrentFile()
{
  // Without a "Data" folder the report cannot be written.
  QVERIFY(QDir(m_dir->path()).rmdir(QStringLiteral("Data")));
  QVERIFY(writeReference(m_dir->path()));
  for (bool priceList : {true, false}) {
    ScriptedInteraction ui;
    AppSession &s = AppSession::instance();
    QVERIFY(!(priceList ? ReferenceReports::HMFIATLIST(s, ui) : ReferenceReports::KMMREPORT(s, ui)));
    QCOMPARE(ui.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyin..")});
    QCOMPARE(ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
    QCOMPARE(s.currentReportFile(), m_previous);
  }
}

QTEST_GUILESS_MAIN(TestReferenceReports)
#include "tst_referencereports.moc"
