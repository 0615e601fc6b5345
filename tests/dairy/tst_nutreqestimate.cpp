// The dairy model as its callers see it: the outcomes of the estimator
// contract, the requirement rows and description lines, and the report file
// compared byte for byte with golden files under a fixed clock.
#include "dairyscenarios.h"
#include "scripteddairydialogs.h"
#include "scriptedinteraction.h"

#include "platform/cp1254.h"
#include "problem/appsession.h"
#include "requirements/dairy/nutreqestimate.h"
#include "requirements/requirementreport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using vz::test::ScriptedDairyDialogs;
using vz::test::ScriptedInteraction;

namespace {

const QDateTime FixedNow(QDate(2026, 3, 7), QTime(9, 5, 3));

enum class Animal { Growing, Cow, UnderfedCow, Bull };

ScriptedDairyDialogs dialogsFor(Animal a, int reportType = 1)
{
  ScriptedDairyDialogs d;
  d.type.NRTIPI = reportType;
  switch (a) {
  case Animal::Growing:
    d.type.NSTIPI = 1;
    d.growing = test::growingHeifer();
    break;
  case Animal::Cow:
    d.type.NSTIPI = 2;
    d.cow = test::milkingCow();
    break;
  case Animal::UnderfedCow:
    d.type.NSTIPI = 2;
    d.cow = test::underfedCow();
    break;
  case Animal::Bull:
    d.type.NSTIPI = 3;
    d.bull = test::matureBull();
    break;
  }
  return d;
}

QByteArray readAll(const QString &path)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return f.readAll();
}

QStringList reportLines(const QByteArray &bytes)
{
  QStringList lines = cp1254::decode(bytes).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();
  return lines;
}

} // namespace

class TestNutReqEstimate : public QObject {
  Q_OBJECT

private slots:
  void init();
  void outcomes_data();
  void outcomes();
  void onlyModeOneGivesRows_data();
  void onlyModeOneGivesRows();
  void rows_data();
  void rows();
  void rowCells();
  void descriptionLines_data();
  void descriptionLines();
  void goldenReports_data();
  void goldenReports();
  void reportLayout();
  void secondReportReplacesFirst();
  void missingDataFolderShowsErrorOnce();

private:
  QTemporaryDir m_dir;
  QString m_report;
};

void TestNutReqEstimate::init()
{
  QVERIFY(m_dir.isValid());
  QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
  AppSession::instance().setProgramDir(m_dir.path());
  AppSession::instance().setCurrentReportFile(QStringLiteral("/old/report.TXT"));
  m_report = m_dir.path() + QStringLiteral("/Data/KWIB_SBIH.TXT");
  QFile::remove(m_report);
}

void TestNutReqEstimate::outcomes_data()
{
  QTest::addColumn<int>("animal");
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("cut");  // what goes wrong in the script
  QTest::addColumn<bool>("lddeg");
  QTest::addColumn<bool>("reportWritten");
  QTest::addColumn<QStringList>("dialogs");

  const QStringList typeOnly{QStringLiteral("STIPISECW")};
  const QStringList growing{QStringLiteral("STIPISECW"), QStringLiteral("GROWCATLEDW")};
  const QStringList cow{QStringLiteral("STIPISECW"), QStringLiteral("LACTCATLEDW")};
  const QStringList bull{QStringLiteral("STIPISECW"), QStringLiteral("MATBULDW")};
  const int g = int(Animal::Growing), c = int(Animal::Cow), b = int(Animal::Bull);

  QTest::newRow("type cancelled, rows") << g << 1 << "type" << false << false << typeOnly;
  QTest::newRow("type cancelled, report") << c << 2 << "type" << false << false << typeOnly;
  QTest::newRow("growing input cancelled") << g << 1 << "input" << false << false << growing;
  QTest::newRow("cow input cancelled") << c << 2 << "input" << false << false << cow;
  QTest::newRow("bull input cancelled") << b << 1 << "input" << false << false << bull;
  QTest::newRow("growing gain empty") << g << 1 << "gain" << false << false << growing;
  QTest::newRow("growing weight empty") << g << 2 << "weight" << false << false << growing;
  QTest::newRow("cow lactations empty") << c << 1 << "lactation" << false << false << cow;
  QTest::newRow("cow weight empty") << c << 2 << "weight" << false << false << cow;
  QTest::newRow("bull weight empty") << b << 2 << "weight" << false << false << bull;
  QTest::newRow("bull energy factor empty") << b << 1 << "energy" << false << false << bull;
  QTest::newRow("negative weight ends like an empty one") << g << 1 << "negative" << false
                                                          << false << growing;
  QTest::newRow("growing, rows") << g << 1 << "" << true << false << growing;
  QTest::newRow("cow, rows") << c << 1 << "" << true << false << cow;
  QTest::newRow("bull, rows") << b << 1 << "" << true << false << bull;
  QTest::newRow("growing, report") << g << 2 << "" << false << true << growing;
  QTest::newRow("cow, report") << c << 2 << "" << false << true << cow;
  QTest::newRow("bull, report") << b << 2 << "" << false << true << bull;
}

void TestNutReqEstimate::outcomes()
{
  QFETCH(int, animal);
  QFETCH(int, mode);
  QFETCH(QString, cut);
  QFETCH(bool, lddeg);
  QFETCH(bool, reportWritten);
  QFETCH(QStringList, dialogs);

  // An older report must survive every run that writes none.
  QFile old(m_report);
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();

  ScriptedDairyDialogs d = dialogsFor(Animal(animal));
  if (cut == QLatin1String("type"))
    d.type.NSTIPI = 0;
  if (cut == QLatin1String("input")) {
    d.growing.reset();
    d.cow.reset();
    d.bull.reset();
  }
  if (cut == QLatin1String("gain"))
    d.growing->NBEKCAAR = 0;
  if (cut == QLatin1String("lactation"))
    d.cow->NGEBESAY = 0;
  if (cut == QLatin1String("energy"))
    d.bull->NENECONS = 0;
  if (cut == QLatin1String("weight") || cut == QLatin1String("negative")) {
    const double w = cut == QLatin1String("weight") ? 0.0 : -450.0;
    if (d.growing)
      d.growing->NCANAGIR = w;
    if (d.cow)
      d.cow->NCANAGIR = w;
    if (d.bull)
      d.bull->NCANAGIR = w;
  }

  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, mode);

  QCOMPARE(d.shown, dialogs);
  QCOMPARE(d.modeSeen, mode);
  QCOMPARE(model.LDDEG, lddeg);
  QCOMPARE(model.ABMREQM.isEmpty(), !lddeg);
  QCOMPARE(model.AANIDESC.isEmpty(), !lddeg);
  QVERIFY(ui.shown.isEmpty());
  QVERIFY(ui.events.isEmpty());
  if (reportWritten) {
    QVERIFY(readAll(m_report).startsWith(cp1254::encode(QStringLiteral("     "))));
    QCOMPARE(AppSession::instance().currentReportFile(), m_report);
  } else {
    QCOMPARE(readAll(m_report), QByteArray("old"));
    QCOMPARE(AppSession::instance().currentReportFile(), QStringLiteral("/old/report.TXT"));
  }
}

void TestNutReqEstimate::onlyModeOneGivesRows_data()
{
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("rows");
  QTest::newRow("1") << 1 << true;
  QTest::newRow("2") << 2 << false;
  QTest::newRow("0") << 0 << false;
  QTest::newRow("none") << int(RequirementEstimate::ReportMode) << false;
  QTest::newRow("7") << 7 << false;
}

void TestNutReqEstimate::onlyModeOneGivesRows()
{
  QFETCH(int, mode);
  QFETCH(bool, rows);
  ScriptedDairyDialogs d = dialogsFor(Animal::Bull);
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, mode);
  QCOMPARE(model.LDDEG, rows);
  QCOMPARE(QFile::exists(m_report), !rows);
}

void TestNutReqEstimate::rows_data()
{
  QTest::addColumn<int>("animal");
  QTest::addColumn<QStringList>("names");

  const QStringList tail{QStringLiteral("TSBM"), QStringLiteral("HP"), QStringLiteral("RUP"),
                         QStringLiteral("RDP"), QStringLiteral("NDF"), QStringLiteral("ADF"),
                         QStringLiteral("KALSIYUM"), QStringLiteral("FOSFOR"),
                         QStringLiteral("VITA"), QStringLiteral("VITD")};
  QStringList cow{QStringLiteral("KMT"), QStringLiteral("KMO"), QStringLiteral("NEL"),
                  QStringLiteral("ME_BB"), QStringLiteral("SE")};
  QStringList growBull{QStringLiteral("KMT"), QStringLiteral("KMO"), QStringLiteral("NEY"),
                       QStringLiteral("NEK"), QStringLiteral("ME_BB"), QStringLiteral("SE")};
  QTest::newRow("cow: 15 rows") << int(Animal::Cow) << (cow + tail);
  QTest::newRow("growing animal: 16 rows") << int(Animal::Growing) << (growBull + tail);
  QTest::newRow("bull: 16 rows") << int(Animal::Bull) << (growBull + tail);
}

void TestNutReqEstimate::rows()
{
  QFETCH(int, animal);
  QFETCH(QStringList, names);

  ScriptedDairyDialogs d = dialogsFor(Animal(animal));
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, 1);
  QVERIFY(model.LDDEG);
  QVERIFY(!QFile::exists(m_report));

  const QHash<QString, QString> units{
      {QStringLiteral("KMT"), QStringLiteral("Kg/Kg")}, {QStringLiteral("KMO"), QStringLiteral("%")},
      {QStringLiteral("NEL"), QStringLiteral("MCal/Kg")}, {QStringLiteral("NEY"), QStringLiteral("MCal/Kg")},
      {QStringLiteral("NEK"), QStringLiteral("MCal/Kg")}, {QStringLiteral("ME_BB"), QStringLiteral("MCal/Kg")},
      {QStringLiteral("SE"), QStringLiteral("MCal/Kg")}, {QStringLiteral("TSBM"), QStringLiteral("Kg/Kg")},
      {QStringLiteral("HP"), QStringLiteral("g/Kg")}, {QStringLiteral("RUP"), QStringLiteral("g/Kg")},
      {QStringLiteral("RDP"), QStringLiteral("g/Kg")}, {QStringLiteral("NDF"), QStringLiteral("Kg/Kg")},
      {QStringLiteral("ADF"), QStringLiteral("Kg/Kg")}, {QStringLiteral("KALSIYUM"), QStringLiteral("g/Kg")},
      {QStringLiteral("FOSFOR"), QStringLiteral("g/Kg")}, {QStringLiteral("VITA"), QStringLiteral("IU/Kg")},
      {QStringLiteral("VITD"), QStringLiteral("IU/Kg")}};
  const QString blank(11, QLatin1Char(' '));

  QCOMPARE(model.ABMREQM.size(), names.size());
  for (int i = 0; i < names.size(); ++i) {
    const RequirementRow &row = model.ABMREQM.at(i);
    QCOMPARE(row.toList().size(), 5);
    QCOMPARE(row.name, names.at(i).leftJustified(15));
    QCOMPARE(row.unit, units.value(names.at(i)).rightJustified(11));
    QCOMPARE(row.upper, blank);
    QCOMPARE(row.fixed.size(), 11);
    QCOMPARE(row.lower.size(), 11);
    if (names.at(i) == QLatin1String("KMT")) {
      QVERIFY(row.fixed != blank);
      QCOMPARE(row.lower, blank);
    } else if (names.at(i) == QLatin1String("KMO")) {
      QCOMPARE(row.fixed, blank);
      QCOMPARE(row.lower, blank);
    } else {
      QCOMPARE(row.fixed, blank);
      QVERIFY2(row.lower != blank, qPrintable(names.at(i)));
      QVERIFY(row.lower.trimmed().contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d{4}$"))));
    }
  }
}

void TestNutReqEstimate::rowCells()
{
  // The cells of the worked cow: Str's decimals kept, padded to four by SDAYA.
  ScriptedDairyDialogs d = dialogsFor(Animal::Cow);
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, 1);
  const RequirementRows &r = model.ABMREQM;
  QCOMPARE(r.at(0).fixed, QStringLiteral("    19.5800"));  // KMT, Str 5,2
  QCOMPARE(r.at(2).lower, QStringLiteral("    31.3100"));  // NEL 31.305 → 31.31 (single precision)
  QCOMPARE(r.at(11).lower, QStringLiteral("   115.8000"));  // KALSIYUM, Str 5,1
  QCOMPARE(r.at(13).lower, QStringLiteral(" 45600.0000"));  // VITA 45600 in Str 5,1 keeps no decimal
  QCOMPARE(r.at(13).lower.size(), 11);

  // The heaviest bull the dialog admits still fits every Str width.
  ScriptedDairyDialogs big = dialogsFor(Animal::Bull);
  big.bull->NCANAGIR = 1400;
  NUTREQESTIMATE heavy({ui, clock}, big, 1);
  QCOMPARE(heavy.ABMREQM.size(), 16);
  QCOMPARE(heavy.ABMREQM.at(14).name.trimmed(), QStringLiteral("VITA"));
  QCOMPARE(heavy.ABMREQM.at(14).lower, QStringLiteral("59360.0000").rightJustified(11));
}

void TestNutReqEstimate::descriptionLines_data()
{
  QTest::addColumn<int>("animal");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("cow") << int(Animal::Cow)
                       << QStringList{QStringLiteral("GEBE & SÜT VEREN İNEK:"),
                                      QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.): 1.00"),
                                      QStringLiteral("CANLI AĞIRLIK (C.A. Kg):600"),
                                      QStringLiteral("SÜT ÜRETİMİ (Kg): 30"),
                                      QStringLiteral("SÜT YAĞ TESTİ (%): 3.50"),
                                      QStringLiteral("GEBELİKTE GÜN SAYISI: 0"),
                                      QStringLiteral("LAKTASYON SAYISI: 2"),
                                      QStringLiteral("YEMDE NEL/IHTİYAÇ NEL ORANI: 1.00"),
                                      QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): 0.000")};
  QTest::newRow("cow losing weight keeps the sign")
      << int(Animal::UnderfedCow)
      << QStringList{QStringLiteral("GEBE & SÜT VEREN İNEK:"),
                     QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.): 1.00"),
                     QStringLiteral("CANLI AĞIRLIK (C.A. Kg):650"),
                     QStringLiteral("SÜT ÜRETİMİ (Kg): 25"),
                     QStringLiteral("SÜT YAĞ TESTİ (%): 4.00"),
                     QStringLiteral("GEBELİKTE GÜN SAYISI: 0"),
                     QStringLiteral("LAKTASYON SAYISI: 1"),
                     QStringLiteral("YEMDE NEL/IHTİYAÇ NEL ORANI: 0.90"),
                     QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg): -0.625")};
  QTest::newRow("growing animal") << int(Animal::Growing)
                                  << QStringList{QStringLiteral("GENÇ SIGIR:"),
                                                 QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.): 1.00"),
                                                 QStringLiteral("CANLI AĞIRLIK (C.A. Kg): 300"),
                                                 QStringLiteral("GÜNLÜK CANLI AĞIRLIK ARTIŞI (g): 700"),
                                                 QStringLiteral("DİŞİ BÜYÜK IRK")};
  QTest::newRow("bull") << int(Animal::Bull)
                        << QStringList{QStringLiteral("ERGİN BOĞA:"),
                                       QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.): 1.00"),
                                       QStringLiteral("CANLI AĞIRLIK (C.A. Kg): 800"),
                                       QStringLiteral("GÜNLÜK CANLI AĞIRLIK ARTIŞI (g): 0")};
}

void TestNutReqEstimate::descriptionLines()
{
  QFETCH(int, animal);
  QFETCH(QStringList, lines);
  ScriptedDairyDialogs d = dialogsFor(Animal(animal));
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, 1);
  QCOMPARE(model.AANIDESC, lines);
}

void TestNutReqEstimate::goldenReports_data()
{
  QTest::addColumn<int>("animal");
  QTest::addColumn<int>("reportType");
  QTest::addColumn<QString>("golden");
  QTest::addColumn<int>("lineCount");

  QTest::newRow("growing, summary") << int(Animal::Growing) << 1 << "growing_summary.txt" << 26;
  QTest::newRow("growing, detailed") << int(Animal::Growing) << 2 << "growing_detailed.txt" << 26 + 59;
  QTest::newRow("cow, summary") << int(Animal::Cow) << 1 << "cow_summary.txt" << 29;
  QTest::newRow("cow, detailed") << int(Animal::Cow) << 2 << "cow_detailed.txt" << 29 + 59;
  QTest::newRow("cow losing weight") << int(Animal::UnderfedCow) << 1 << "cow_underfed.txt" << 29;
  QTest::newRow("cow losing weight, detailed")
      << int(Animal::UnderfedCow) << 2 << "cow_underfed_detailed.txt" << 29 + 59;
  QTest::newRow("bull") << int(Animal::Bull) << 1 << "bull.txt" << 26;
  QTest::newRow("bull never has the detail") << int(Animal::Bull) << 2 << "bull.txt" << 26;
}

void TestNutReqEstimate::goldenReports()
{
  QFETCH(int, animal);
  QFETCH(int, reportType);
  QFETCH(QString, golden);
  QFETCH(int, lineCount);

  ScriptedDairyDialogs d = dialogsFor(Animal(animal), reportType);
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, 2);
  QVERIFY(!model.LDDEG);
  const QByteArray written = readAll(m_report);

  const QString goldenPath =
      qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/dairy/") + golden;
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

  QVERIFY(written.endsWith("\r\n"));
  QCOMPARE(written.size(), lineCount * 102);
  const QStringList lines = reportLines(written);
  QCOMPARE(lines.size(), lineCount);
  for (const QString &line : lines)
    QCOMPARE(line.size(), 100);
}

void TestNutReqEstimate::reportLayout()
{
  // Column positions (counted from 1) the report's readers rely on.
  auto run = [this](Animal a, int reportType) {
    ScriptedDairyDialogs d = dialogsFor(a, reportType);
    ScriptedInteraction ui;
    const ReportClock clock(FixedNow);
    NUTREQESTIMATE model({ui, clock}, d, 2);
    return reportLines(readAll(m_report));
  };
  auto cols = [](const QString &line, int from, int to) { return line.mid(from - 1, to - from + 1); };
  const QString blankLine(100, QLatin1Char(' '));
  const QString endLine = QString(49, QLatin1Char(' ')) + QStringLiteral("<>") + QString(49, QLatin1Char(' '));

  // growing animal, detailed: 26 report lines, then the 59 detail lines
  const QStringList g = run(Animal::Growing, 2);
  QCOMPARE(g.at(0).indexOf(QStringLiteral("Vesk_Zyr S 2.0")), (100 - 14) / 2);
  QCOMPARE(g.at(1).trimmed(), QStringLiteral("OPTİMAL & MANUEL SIĞIR RASYONU HAZIRLAMA PROGRAMI"));
  QCOMPARE(g.at(2).trimmed(), QStringLiteral("Tarih: 07.03.2026  Saat: 09:05:03"));
  QCOMPARE(g.at(3), blankLine);
  QCOMPARE(g.at(4), QStringLiteral("     GENÇ SIGIR - GÜNLÜK BESİN MADDESİ İHTİYAÇLARI:").leftJustified(100));
  QCOMPARE(g.at(6).trimmed(), QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.):  1.00"));
  QCOMPARE(g.at(7).trimmed(), QStringLiteral("CANLI AĞIRLIK (C.A.,Kg):  300"));
  QCOMPARE(g.at(8).trimmed(), QStringLiteral("GÜNLÜK CANLI AĞIRLIK ARTIŞI (g):  700"));
  QCOMPARE(g.at(9).trimmed(), QStringLiteral("DİŞİ BÜYÜK IRK"));
  QVERIFY(g.at(11).startsWith(QStringLiteral("     KURU MADDE TÜKETİMİ (KMT):")));
  QCOMPARE(cols(g.at(11), 51, 55), QStringLiteral(" 6.66"));
  QCOMPARE(cols(g.at(11), 56, 67), QStringLiteral(" Kg & %C.A. "));
  QCOMPARE(cols(g.at(11), 68, 72), QStringLiteral(" 2.22"));
  QVERIFY(g.at(17).startsWith(QStringLiteral("     HAM PROTEİN (HP):")));
  QCOMPARE(cols(g.at(17), 51, 55), QStringLiteral("  799"));
  QCOMPARE(cols(g.at(17), 65, 69), QStringLiteral("12.00"));
  QVERIFY(g.at(25).startsWith(QStringLiteral("     RUP/PT:")));
  QCOMPARE(cols(g.at(25), 60, 64), QStringLiteral(" %PT "));
  QVERIFY(cols(g.at(25), 65, 69).contains(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d$"))));
  QCOMPARE(cols(g.at(25), 70, 100), QString(31, QLatin1Char(' ')));
  QCOMPARE(g.at(26), blankLine);
  QCOMPARE(cols(g.at(26 + 3), 6, 33), QStringLiteral("EMİLEN YAŞAMA PAYI PROTEİNİ:"));
  QCOMPARE(cols(g.at(26 + 3), 56, 62), QStringLiteral("   80 g"));
  QCOMPARE(cols(g.at(26 + 5), 56, 62), QStringLiteral("    0 g"));  // no milk protein
  QCOMPARE(cols(g.at(26 + 45), 57, 63), QStringLiteral("%  0.00"));  // nor its share
  QCOMPARE(g.last(), endLine);

  // cow, detailed: 29 report lines, then the detail
  const QStringList c = run(Animal::Cow, 2);
  QCOMPARE(c.at(6).trimmed(), QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.)  1.00"));
  QCOMPARE(c.at(13).trimmed(), QStringLiteral("LAKTASYONDA AĞIRLIK DEĞİŞİMİ (Kg):  0.000"));
  QCOMPARE(c.at(14), blankLine);
  QVERIFY(c.at(15).startsWith(QStringLiteral("     KURU MADDE TÜKETİMİ (KMT):")));
  QCOMPARE(cols(c.at(15), 51, 55), QStringLiteral("19.58"));
  QCOMPARE(cols(c.at(15), 68, 72), QStringLiteral(" 3.26"));
  QVERIFY(c.at(16).startsWith(QStringLiteral("     NET ENERJİ LAKTASYON (NEL):")));
  QCOMPARE(cols(c.at(16), 51, 55), QStringLiteral("31.31"));
  QCOMPARE(cols(c.at(16), 72, 76), QStringLiteral(" 1.60"));
  QCOMPARE(cols(c.at(19), 6, 50), QStringLiteral("TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):"));
  QVERIFY(c.at(28).startsWith(QStringLiteral("     RUP/PT:")));
  QCOMPARE(c.at(29), blankLine);

  // the worked protein cow's figures as the detail prints them
  const QStringList detail = c.mid(29);
  QCOMPARE(detail.size(), 59);
  QCOMPARE(detail.at(58), endLine);
  QCOMPARE(detail.at(57), blankLine);
  for (int line : {1, 11, 22, 32, 38, 43, 51})
    QCOMPARE(detail.at(line - 1), blankLine);
  QCOMPARE(cols(detail.at(9), 6, 40), QStringLiteral("EMİLEN İHTİYAÇ (Required) PROTEİNİ:"));
  QCOMPARE(cols(detail.at(20), 56, 57), QStringLiteral("% "));
  QCOMPARE(cols(detail.at(43), 57, 58), QStringLiteral("% "));
  QCOMPARE(cols(detail.at(9), 61, 62), QStringLiteral(" g"));

  // a weight loss prints its sign inside the amount's five characters
  const QStringList u = run(Animal::UnderfedCow, 2);
  QCOMPARE(cols(u.at(29 + 7), 56, 62), QStringLiteral(" -160 g"));
  QCOMPARE(cols(u.at(29 + 40), 56, 62), QStringLiteral(" -160 g"));
  QVERIFY(cols(u.at(29 + 45), 59, 63).startsWith(QLatin1Char('-')));

  // bull: 26 lines ending with a blank line and "<>"
  const QStringList b = run(Animal::Bull, 1);
  QCOMPARE(b.size(), 26);
  QCOMPARE(b.at(6).trimmed(), QStringLiteral("ENERJİ KONSANTRASYONU (Yed./NRC Tah.)  1.00"));
  QCOMPARE(b.at(7).trimmed(), QStringLiteral("CANLI AĞIRLIK (C.A.,Kg):  800"));
  QCOMPARE(b.at(8), blankLine);
  QCOMPARE(cols(b.at(9), 51, 55), QStringLiteral("11.23"));
  QCOMPARE(cols(b.at(11), 51, 55), QStringLiteral(" 0.00"));  // NEK of a bull
  QCOMPARE(b.at(24), blankLine);
  QCOMPARE(b.at(25), endLine);
}

void TestNutReqEstimate::secondReportReplacesFirst()
{
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  {
    ScriptedDairyDialogs d = dialogsFor(Animal::Cow, 2);
    NUTREQESTIMATE first({ui, clock}, d, 2);
  }
  const qint64 longSize = QFileInfo(m_report).size();
  ScriptedDairyDialogs d = dialogsFor(Animal::Bull);
  NUTREQESTIMATE second({ui, clock}, d, 2);
  QCOMPARE(readAll(m_report).size(), 26 * 102);
  QVERIFY(longSize > 26 * 102);
  QCOMPARE(AppSession::instance().currentReportFile(), m_report);
}

void TestNutReqEstimate::missingDataFolderShowsErrorOnce()
{
  QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("Data")));
  ScriptedDairyDialogs d = dialogsFor(Animal::Growing);
  ScriptedInteraction ui;
  const ReportClock clock(FixedNow);
  NUTREQESTIMATE model({ui, clock}, d, 2);
  QVERIFY(!model.LDDEG);
  QVERIFY(!model.reportWritten());
  QCOMPARE(ui.shown.size(), 1);
  QCOMPARE(ui.shown.at(0).kind, QStringLiteral("error"));
  QVERIFY(ui.shown.at(0).caption.isEmpty());  // the default "Hata..."
  QCOMPARE(ui.shown.at(0).text,
           QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyiniz.."));
  QCOMPARE(AppSession::instance().currentReportFile(), QStringLiteral("/old/report.TXT"));
  QVERIFY(!QDir(m_dir.path()).exists(QStringLiteral("Data")));
}

QTEST_GUILESS_MAIN(TestNutReqEstimate)
#include "tst_nutreqestimate.moc"
