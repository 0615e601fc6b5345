// The manual ration's tables, its computation, the amounts it hands back and
// its report.
#include "manualfixture.h"

#include "editing/manualration.h"
#include "editing/manualrationreport.h"
#include "platform/cp1254.h"
#include "problem/reportwriter.h"
#include "scriptedinteraction.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

// A table row: the first text as it stands, the others as number text.
QStringList cells(std::initializer_list<const char *> texts)
{
  QStringList out;
  for (const char *t : texts)
    out.append(out.isEmpty() ? QString::fromUtf8(t) : rt::PadL(QString::fromLatin1(t), 11));
  return out;
}

QList<QStringList> lowerTable(std::initializer_list<const char *> needs, int width)
{
  QStringList r1(width, blank11()), r2(width, blank11()), r3(width, blank11());
  r1[0] = QStringLiteral("Hesap Sonuçları:");
  r2[0] = QStringLiteral("BM İhtiyaçları:");
  r3[0] = QStringLiteral("Farklar:");
  int k = 1;
  for (const char *n : needs)
    r2[k++] = rt::PadL(QString::fromLatin1(n), 11);
  return {r1, r2, r3};
}

QDateTime fixedClock() { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)); }

} // namespace

class TestManualRation : public QObject {
  Q_OBJECT
private slots:
  void tablesFromProblem();
  void storedAmountsShown();
  void endEditRules_data();
  void endEditRules();
  void computation_data();
  void computation();
  void amountsHandedBackPerFeedRow();
  void reportGolden();
  void reportFeedLineForHerd();
  void reportCancelled();
  void reportWriteFailure_data();
  void reportWriteFailure();
};

void TestManualRation::tablesFromProblem()
{
  RationProblem p = manualProblem();
  ManualRation m(p);

  QStringList captions;
  for (const ManualRation::Field &f : m.upperFields())
    captions.append(f.caption);
  QCOMPARE(captions, (QStringList{QStringLiteral("YM Adı"), QStringLiteral("YM Miktarı"),
                                  QStringLiteral(" YM Fiyatı "), QStringLiteral("KMO,%"),
                                  QStringLiteral("KMT, Kg/Kg"), QStringLiteral("HP"), QStringLiteral("NDF, %"),
                                  QStringLiteral("ENE, Mcal/Kg")}));
  QCOMPARE(m.lowerFields().at(5).name, QStringLiteral("MATBMNAME1"));
  QCOMPARE(m.lowerFields().at(4).caption, QStringLiteral("Toplam KMT, Kg"));
  QCOMPARE(m.lowerFields().size(), m.upperFields().size());

  // An empty amount list gets one blank entry per feedstuff, and no flag.
  QCOMPARE(p.feedAmounts, QStringList(3, blank11()));
  QVERIFY(!p.changed.any());

  QCOMPARE(m.rowCount(), 3);
  QCOMPARE(m.upper().at(1), (QStringList{name15(QStringLiteral("Mısır Silajı")), blank11(), num("0.120"),
                                         num("30.0000"), blank11(), num("0.0800"), num("45.0000"),
                                         num("1.5000")}));
  QCOMPARE(m.lower().at(0).mid(0, 3),
           (QStringList{QStringLiteral("Hesap Sonuçları:"), QStringLiteral("    -->    "), blank11()}));
  // KMO lower limit, KMT fixed value, then lower limits; an upper limit alone
  // is no requirement.
  QCOMPARE(m.lower().at(1), (QStringList{QStringLiteral("BM İhtiyaçları:"), QStringLiteral("    -->    "),
                                         blank11(), num("50.0000"), num("12.0000"), num("1.5000"),
                                         num("30.0000"), blank11()}));
  QCOMPARE(m.lower().at(2).mid(0, 3), (QStringList{QStringLiteral("Farklar:"), QStringLiteral("    -->   "), blank11()}));
}

void TestManualRation::storedAmountsShown()
{
  RationProblem p = manualProblem();
  p.feedAmounts = {QStringLiteral(" 2.5   "), QStringLiteral("           ")};  // one short
  p.nutrients.removeAt(1);  // no KMO
  p.matrix.removeAt(1);
  ManualRation m(p);
  QCOMPARE(m.upperCell(1, ManualRation::ColAmount), rt::PadL(QStringLiteral("2.5"), 11));
  QCOMPARE(m.upperCell(2, ManualRation::ColAmount), blank11());
  QCOMPARE(m.upperCell(3, ManualRation::ColAmount), blank11());
  QCOMPARE(m.upperCell(1, ManualRation::ColKmo), blank11());
  QCOMPARE(m.lowerCell(ManualRation::RowRequirements, ManualRation::ColKmo), blank11());
  QCOMPARE(p.feedAmounts.size(), 2);  // an existing list is not resized on opening
}

void TestManualRation::endEditRules_data()
{
  QTest::addColumn<int>("col");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("stored");
  QTest::addColumn<QString>("cell");
  QTest::addColumn<QString>("refusal");
  QTest::newRow("amount 12,5") << 2 << QStringLiteral("12,5") << true << num("12.500") << QString();
  QTest::newRow("price") << 3 << QStringLiteral("0.25") << true << num("0.250") << QString();
  QTest::newRow("kmo 4 decimals") << 4 << QStringLiteral("85") << true << num("85.0000") << QString();
  QTest::newRow("nutrient") << 6 << QStringLiteral(".3") << true << num("0.3000") << QString();
  QTest::newRow("amount emptied") << 2 << QString() << true << blank11() << QString();
  QTest::newRow("name read-only") << 1 << QStringLiteral("X") << false << name15(QStringLiteral("Arpa")) << QString();
  QTest::newRow("dry matter read-only") << 5 << QStringLiteral("3") << false << blank11() << QString();
  // The same refusals as in the entry windows: the cell keeps its value.
  QTest::newRow("amount too wide") << 2 << QStringLiteral("12345678") << false << blank11()
                                   << QStringLiteral("Sayı 11 karakterden uzun olamaz!");
  QTest::newRow("price negative") << 3 << QStringLiteral("-5") << false << num("0.500")
                                   << QStringLiteral("%1 kolonuna yazılan \"-5\" negatif olamaz!\n\nEski değer korunuyor.");
}

void TestManualRation::endEditRules()
{
  QFETCH(int, col);
  QFETCH(QString, typed);
  QFETCH(bool, stored);
  QFETCH(QString, cell);
  QFETCH(QString, refusal);
  RationProblem p = manualProblem();
  ManualRation m(p);
  QString why;
  QCOMPARE(m.ENDEDIT(1, col, typed, &why), stored);
  QCOMPARE(m.upperCell(1, col), cell);
  QCOMPARE(why, refusal.contains(QLatin1String("%1")) ? refusal.arg(m.upperFields().at(col - 1).caption.trimmed()) : refusal);
  QCOMPARE(m.amountsChanged(), stored);
}

void TestManualRation::computation_data()
{
  QTest::addColumn<QList<QStringList>>("upper");
  QTest::addColumn<QList<QStringList>>("lower");
  QTest::addColumn<QStringList>("dryMatter");
  QTest::addColumn<QStringList>("results");      // lower row 1 from column 2
  QTest::addColumn<QStringList>("differences");  // lower row 3 from column 3

  // Columns: name, amount, price, KMO, KMT, nutrient A, nutrient B.
  QTest::newRow("every amount blank")
      << QList<QStringList>{cells({"Arpa", "", "0.500", "85.0000", "", "2.0000", "3.0000"}),
                            cells({"Saman", "", "0.100", "90.0000", "", "1.0000", ""})}
      << lowerTable({"    -->    ", "", "50.0000", "12.0000", "1.5000", ""}, 7)
      << QStringList{num("0.0000"), num("0.0000")}
      << QStringList{num("0.0000"), num("0.0000"), num("0.0000"), num("0.0000"), num("0.0000"), num("0.0000")}
      << QStringList{blank11(), blank11(), num("-12.0000"), num("-1.5000"), blank11()};

  QTest::newRow("one feedstuff")
      << QList<QStringList>{cells({"Arpa", "10.000", "0.500", "85.0000", "", "2.5000", ""})}
      << lowerTable({"    -->    ", "", "", "10.0000", "", ""}, 7)
      << QStringList{num("8.5000")}
      << QStringList{num("10.0000"), num("5.0000"), num("85.0000"), num("8.5000"), num("21.2500"), num("0.0000")}
      << QStringList{blank11(), blank11(), num("-1.5000"), blank11(), blank11()};

  QTest::newRow("price without amount adds nothing")
      << QList<QStringList>{cells({"Arpa", "10.000", "0.500", "85.0000", "", "2.5000", ""}),
                            cells({"Küspe", "", "3.000", "90.0000", "", "40.0000", ""})}
      << lowerTable({"    -->    ", "", "", "", "", ""}, 7)
      << QStringList{num("8.5000"), num("0.0000")}
      << QStringList{num("10.0000"), num("5.0000"), num("85.0000"), num("8.5000"), num("21.2500"), num("0.0000")}
      << QStringList{blank11(), blank11(), blank11(), blank11(), blank11()};

  // 0.1 - 0.3 is -0.19999... in binary: the shortfall still reads -0.2000.
  QTest::newRow("shortfall keeps its last digit")
      << QList<QStringList>{cells({"Arpa", "1.000", "", "10.0000", "", "1.0000", "4.0000"})}
      << lowerTable({"    -->    ", "", "", "", "0.3000", "0.2000"}, 7)
      << QStringList{num("0.1000")}
      << QStringList{num("1.0000"), num("0.0000"), num("10.0000"), num("0.1000"), num("0.1000"), num("0.4000")}
      << QStringList{blank11(), blank11(), blank11(), num("-0.2000"), num("0.2000")};
}

void TestManualRation::computation()
{
  QFETCH(QList<QStringList>, upper);
  QFETCH(QList<QStringList>, lower);
  QFETCH(QStringList, dryMatter);
  QFETCH(QStringList, results);
  QFETCH(QStringList, differences);

  ManualRation::compute(upper, lower);
  QStringList dry;
  for (const QStringList &r : upper)
    dry.append(r.at(ManualRation::ColKmt - 1));
  QCOMPARE(dry, dryMatter);
  QCOMPARE(lower.at(0).mid(1), results);
  QCOMPARE(lower.at(2).mid(2), differences);
  QCOMPARE(lower.at(1).at(1), QStringLiteral("    -->    "));  // the arrow stays
}

void TestManualRation::amountsHandedBackPerFeedRow()
{
  RationProblem p = manualProblem();
  p.feeds[1][YmName] = QString(15, QLatin1Char(' '));  // a row never named
  ManualRation m(p);
  QVERIFY(m.ENDEDIT(2, ManualRation::ColAmount, QStringLiteral("4")));
  QVERIFY(m.ENDEDIT(3, ManualRation::ColAmount, QStringLiteral("1,5")));
  m.MYMMIKTARI();
  QCOMPARE(p.feedAmounts, (QStringList{blank11(), num("4.000"), num("1.500")}));
  QVERIFY(p.changed.feedAmounts);

  // A computation alone marks the amounts for copy-back.
  RationProblem q = manualProblem();
  ManualRation n(q);
  QVERIFY(!n.amountsChanged());
  n.MAN_HESAP();
  QVERIFY(n.amountsChanged());
  QVERIFY(n.computed());
}

void TestManualRation::reportGolden()
{
  RationProblem p = manualProblem();
  p.animalDescription = {QStringLiteral("Hayvan Tipi: Süt İneği"), QStringLiteral("Canlı Ağırlık: 600 Kg")};
  ManualRation m(p);
  QVERIFY(m.ENDEDIT(1, ManualRation::ColAmount, QStringLiteral("6")));
  QVERIFY(m.ENDEDIT(2, ManualRation::ColAmount, QStringLiteral("20")));
  QVERIFY(m.ENDEDIT(3, ManualRation::ColAmount, QStringLiteral("0")));  // typed zero is listed

  QTemporaryDir dir;
  const QString problemFile = dir.filePath(QStringLiteral("INEK.RVD"));
  ScriptedInteraction ui;
  ui.reportParameterAnswers.enqueue(ReportParameters{QStringLiteral("25.600"), QStringLiteral("TL"), QStringLiteral("Kg")});
  QString current;
  QVERIFY(m.MAN_RAPORAL(ui, problemFile, [&](const QString &f) { current = f; }, fixedClock));
  QCOMPARE(current, dir.filePath(QStringLiteral("INEK.TXT")));
  QVERIFY(ui.shown.isEmpty());

  // The temporary folder differs from run to run: the golden file is the
  // same report composed for a problem file in a fixed folder.
  ManualRationReport::Header header{QStringLiteral("/veri/INEK.RVD"), p.animalDescription, m.parameters(), fixedClock()};
  ReportWriter fixed;
  ManualRationReport::compose(fixed, m, header);
  QVERIFY(fixed.write(dir.filePath(QStringLiteral("golden.TXT"))));
  QFile fixedFile(dir.filePath(QStringLiteral("golden.TXT")));
  QVERIFY(fixedFile.open(QIODevice::ReadOnly));
  const QByteArray bytes = fixedFile.readAll();
  const QString goldenPath = qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/manual/manual_report.txt");
  if (qEnvironmentVariableIsSet("VZ_WRITE_GOLDEN")) {
    QFile out(goldenPath);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
  }
  QFile golden(goldenPath);
  QVERIFY(golden.open(QIODevice::ReadOnly));
  const QByteArray expected = golden.readAll();
  if (bytes != expected)
    QCOMPARE(cp1254::decode(bytes).split(QStringLiteral("\r\n")), cp1254::decode(expected).split(QStringLiteral("\r\n")));
  QCOMPARE(bytes, expected);

  // The file the command wrote differs only in the two lines naming files.
  QFile written(current);
  QVERIFY(written.open(QIODevice::ReadOnly));
  QStringList got = cp1254::decode(written.readAll()).split(QStringLiteral("\r\n"));
  QStringList want = cp1254::decode(expected).split(QStringLiteral("\r\n"));
  QCOMPARE(got.size(), want.size());
  QCOMPARE(got.at(5), rt::PadR(QStringLiteral("     § DOSYA: Veri Dosyasi..: ") + problemFile, 100));
  QCOMPARE(got.at(6), rt::PadR(QStringLiteral("              Rapor Dosyası.: ") + current, 100));
  got.remove(5, 2);
  want.remove(5, 2);
  QCOMPARE(got, want);
}

void TestManualRation::reportFeedLineForHerd()
{
  RationProblem p = manualProblem();
  ManualRation m(p);
  QVERIFY(m.ENDEDIT(1, ManualRation::ColAmount, QStringLiteral("10")));
  m.MAN_HESAP();
  ReportWriter out;
  ManualRationReport::Header h{QStringLiteral("/veri/A.RVD"), {}, {QStringLiteral("20.000"), QStringLiteral("TL"), QStringLiteral("Kg")}, fixedClock()};
  ManualRationReport::compose(out, m, h);
  const QStringList lines = out.text().split(QStringLiteral("\r\n"));
  const QString sp(QLatin1Char(' '));
  QVERIFY(lines.contains(rt::PadR(QString(10, QLatin1Char(' ')) + rt::PadR(QStringLiteral("Arpa"), 20) + sp
                                      + rt::PadL(QStringLiteral("0.500"), 10) + sp + num("8.5000") + sp
                                      + num("100.0000") + sp + num("200.0000"),
                                  100)));
  QVERIFY(lines.at(13).contains(rt::PadC(QStringLiteral("20 Hay/Gün"), 12)));
  // No description lines: the heading is followed by the blank line.
  QCOMPARE(lines.at(8).trimmed(), QStringLiteral("§ HAYVAN TANIMI:"));
  QCOMPARE(lines.at(9), QString(100, QLatin1Char(' ')));
  for (const QString &l : lines.mid(0, lines.size() - 1))
    QCOMPARE(l.size(), 100);
}

void TestManualRation::reportCancelled()
{
  RationProblem p = manualProblem();
  const QStringList paramsBefore = *p.params;
  ManualRation m(p);
  QTemporaryDir dir;
  ScriptedInteraction ui;
  ui.reportParameterAnswers.enqueue(std::nullopt);
  QString current = QStringLiteral("before");
  QVERIFY(!m.MAN_RAPORAL(ui, dir.filePath(QStringLiteral("A.RVD")), [&](const QString &f) { current = f; }, fixedClock));
  QCOMPARE(current, QStringLiteral("before"));
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("A.TXT"))));
  QCOMPARE(m.parameters(), ReportParameters());
  QCOMPARE(*p.params, paramsBefore);
}

void TestManualRation::reportWriteFailure_data()
{
  QTest::addColumn<QString>("problemFile");  // under the temporary folder; empty: none
  QTest::newRow("folder missing") << QStringLiteral("yok/A.RVD");
  QTest::newRow("no problem file") << QString();
}

void TestManualRation::reportWriteFailure()
{
  QFETCH(QString, problemFile);
  RationProblem p = manualProblem();
  ManualRation m(p);
  QTemporaryDir dir;
  ScriptedInteraction ui;
  QString current = QStringLiteral("before");
  const QString path = problemFile.isEmpty() ? QString() : dir.filePath(problemFile);
  QVERIFY(m.MAN_RAPORAL(ui, path, [&](const QString &f) { current = f; }, fixedClock));
  QCOMPARE(current, QStringLiteral("before"));
  QCOMPARE(ui.texts(QStringLiteral("error")),
           QStringList{QStringLiteral("Rapor dosyası oluşturmada hata!\nSonra tekrar deneyin..")});
  QVERIFY(!QFile::exists(QStringLiteral(".TXT")));
}

QTEST_GUILESS_MAIN(TestManualRation)
#include "tst_manualration.moc"
