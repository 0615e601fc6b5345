// What both requirement models share: the value cells of requirement rows,
// the description lines and the report header block.
#include "requirements/requirementreport.h"
#include "requirements/requirementrowsbuilder.h"

#include <QtTest>
#include <limits>

using namespace vz;

class TestRequirementRows : public QObject {
  Q_OBJECT

private slots:
  void cell_data();
  void cell();
  void rowColumns();
  void descLineKeepsTheSign();
  void headerBlock();
};

void TestRequirementRows::cell_data()
{
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("expected");

  QTest::newRow("Str keeps 2 decimals, SDAYA pads to 4") << 17.456 << 5 << 2 << "    17.4600";
  QTest::newRow("no decimals") << 834.6 << 5 << 0 << "   835.0000";
  QTest::newRow("width leaves no room for the decimal") << 49400.0 << 5 << 1 << " 49400.0000";
  QTest::newRow("whole part too wide: empty cell") << 123456.0 << 5 << 1 << "           ";
  QTest::newRow("negative requirement handed over as 0") << -128.4 << 5 << 0 << "     0.0000";
  QTest::newRow("negative with decimals") << -0.61 << 6 << 3 << "     0.0000";
  QTest::newRow("not a number handed over as 0")
      << std::numeric_limits<double>::quiet_NaN() << 5 << 2 << "     0.0000";
}

void TestRequirementRows::cell()
{
  QFETCH(double, value);
  QFETCH(int, width);
  QFETCH(int, decimals);
  QFETCH(QString, expected);
  QCOMPARE(RequirementRowsBuilder::cell(value, width, decimals), expected);
}

void TestRequirementRows::rowColumns()
{
  RequirementRowsBuilder b;
  b.addFixed(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), 6.66, 5, 2);
  b.addBlank(QStringLiteral("KMO"), QStringLiteral("%"));
  b.addLower(QStringLiteral("KALSIYUM"), QStringLiteral("g/Kg"), 23.94, 5, 1);
  const RequirementRows &r = b.rows();
  QCOMPARE(r.size(), 3);
  const QString blank(11, QLatin1Char(' '));
  QCOMPARE(r.at(0).toList(), (QStringList{QStringLiteral("KMT            "),
                                          QStringLiteral("      Kg/Kg"),
                                          QStringLiteral("     6.6600"), blank, blank}));
  QCOMPARE(r.at(1).toList(), (QStringList{QStringLiteral("KMO            "),
                                          QStringLiteral("          %"), blank, blank, blank}));
  QCOMPARE(r.at(2).toList(), (QStringList{QStringLiteral("KALSIYUM       "),
                                          QStringLiteral("       g/Kg"), blank,
                                          QStringLiteral("    23.9000"), blank}));
}

void TestRequirementRows::descLineKeepsTheSign()
{
  QCOMPARE(RequirementRowsBuilder::descLine(QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): "),
                                            -0.612, 6, 3),
           QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): -0.612"));
  QCOMPARE(RequirementRowsBuilder::descLine(QStringLiteral("CANLI AĞIRLIK (C.A. Kg):"), 600, 5, 0),
           QStringLiteral("CANLI AĞIRLIK (C.A. Kg):600"));
}

void TestRequirementRows::headerBlock()
{
  RequirementReport r;
  r.addHeader(QDateTime(QDate(2026, 12, 1), QTime(23, 59, 7)));
  const QStringList lines = r.text().split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 5);  // four lines and the empty rest after the last CR LF
  QVERIFY(lines.last().isEmpty());
  QCOMPARE(lines.at(0), QString(43, QLatin1Char(' ')) + QStringLiteral("Vesk_Zyr S 2.0")
                            + QString(43, QLatin1Char(' ')));
  QCOMPARE(lines.at(1).trimmed(),
           QStringLiteral("OPTİMAL & MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"));
  QCOMPARE(lines.at(1).indexOf(QLatin1Char('O')), (100 - 49) / 2);
  QCOMPARE(lines.at(2).trimmed(), QStringLiteral("Tarih: 01.12.2026  Saat: 23:59:07"));
  QCOMPARE(lines.at(3), QString(100, QLatin1Char(' ')));
  for (int i = 0; i < 4; ++i)
    QCOMPARE(lines.at(i).size(), 100);
}

QTEST_APPLESS_MAIN(TestRequirementRows)
#include "tst_requirementrows.moc"
