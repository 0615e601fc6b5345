// The optimiser run from the ration problem to the report: the checks and
// their messages, the programme built from the tables, solutions of small
// hand-made rations, and the report against golden files.
#include "optimizer/optimalreport.h"
#include "optimizer/optimalsolution.h"
#include "optimizer/rationmodel.h"
#include "optimizer/simplexsolver.h"
#include "optimizer/vzyroptimizer.h"
#include "pivotpaths.h"
#include "platform/cp1254.h"
#include "rationfixture.h"
#include "scriptedinteraction.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace vz;
using namespace vz::test;

Q_DECLARE_METATYPE(vz::RationProblem)

namespace {

const double NoShadow = std::numeric_limits<double>::quiet_NaN();     // row without a limit
const double Unchecked = std::numeric_limits<double>::infinity();     // dual not unique

const QDateTime FixedClock(QDate(2026, 3, 14), QTime(9, 26, 53));

// Two feeds, dry matter fixed at 10 kg, protein at least 0.8, fibre at most 4:
// barley 6 kg and straw 4 kg, 23 per day; dry matter priced 2.7, fibre -1.
ProblemBuilder base(bool withKmo = true)
{
  ProblemBuilder b;
  b.feed(QStringLiteral("ARPA"), 2.0).feed(QStringLiteral("SAMAN"), 1.0);
  if (withKmo)
    b.nutrient(QStringLiteral("KMO"), QStringLiteral("%"), {80.0, 50.0});
  b.nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), {1.0, 1.0}, 10.0)
      .nutrient(QStringLiteral("HP"), QStringLiteral("Kg"), {0.12, 0.04}, none, 0.8)
      .nutrient(QStringLiteral("NDF"), QStringLiteral("Kg"), {0.2, 0.7}, none, none, 4.0);
  return b;
}

// Adds a feedstuff with its column for the nutrients so far.
void addFeed(ProblemBuilder &b, const QString &name, Opt price, const QList<double> &column, Opt fixed = none,
             Opt lower = none, Opt upper = none)
{
  b.feed(name, price, fixed, lower, upper);
  for (int i = 0; i < column.size() && i < b.p.matrix.size(); ++i)
    b.p.matrix[i].last() = cell(column.at(i), 4);
}

struct Run {
  ScriptedInteraction ui;
  QString currentReport = QStringLiteral("ESKI.TXT");
  std::unique_ptr<VZYR_OPTIMIZER> optimizer;
  QString reportText;

  void go(RationProblem &p, const QString &problemFile)
  {
    ui.showPleaseWait();
    optimizer = std::make_unique<VZYR_OPTIMIZER>(
        p, problemFile, ui, [this](const QString &f) { currentReport = f; }, [] { return FixedClock; });
    QFile f(OptimalReport::reportFileFor(problemFile));
    if (f.open(QIODevice::ReadOnly))
      reportText = cp1254::decode(f.readAll());
  }
};

QString goldenPath(const QString &name)
{
  return qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/optimizer/") + name + QStringLiteral(".TXT");
}

} // namespace

class TestOptimizer : public QObject {
  Q_OBJECT
private slots:
  void stops_data();
  void stops();
  void missingKmoWarnsAndGoesOn();
  void feedWithoutDryMatterIsLeftOut();
  void reportRows();
  void namesComeFromTheRows_data();
  void namesComeFromTheRows();
  void ratioNames_data();
  void ratioNames();
  void marks_data();
  void marks();
  void solutions_data();
  void solutions();
  void sameNamedFeedsKeepTheirAmounts();
  void zeroPricesKeepTheBigMPositive();
  void cancelWritesNothing();
  void writeFailureKeepsCurrentReport();
  void reportLayout();
  void golden_data();
  void golden();
};

void TestOptimizer::stops_data()
{
  QTest::addColumn<RationProblem>("problem");
  QTest::addColumn<int>("outcome");
  QTest::addColumn<QString>("messageStart");

  QTest::newRow("no feedstuffs") << ProblemBuilder().nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), {}, 10.0).done()
                                 << int(VZYR_OPTIMIZER::Outcome::NoPricedFeed) << QStringLiteral("Yem maddelerine fiyat verilmedi...");
  ProblemBuilder unpriced = base();
  unpriced.p.feeds[0][YmPrice] = cell(none, 3);
  unpriced.p.feeds[1][YmPrice] = cell(none, 3);
  QTest::newRow("no price") << unpriced.done() << int(VZYR_OPTIMIZER::Outcome::NoPricedFeed)
                            << QStringLiteral("Yem maddelerine fiyat verilmedi...\n\nNOT:  Vesk_Zyr  2.0  çözümleri   En");
  ProblemBuilder dry = base();
  dry.p.matrix[0] = QStringList{cell(0.0, 4), cell(none, 4)};
  QTest::newRow("no dry matter") << dry.done() << int(VZYR_OPTIMIZER::Outcome::NoFeedLeft)
                                 << QStringLiteral("Hesaplamaya girebilecek yem maddesi kalmadı...");
  ProblemBuilder free = base();
  for (QStringList &row : free.p.nutrients)
    row[BmFixed] = row[BmLower] = row[BmUpper] = cell(none, 4);
  QTest::newRow("no limits") << free.done() << int(VZYR_OPTIMIZER::Outcome::NoLimits)
                             << QStringLiteral("Hiç besin maddesi sınırı verilmedi...\n\nNOT: Bir hesap yürütebilmek için");
}

void TestOptimizer::stops()
{
  QFETCH(RationProblem, problem);
  QFETCH(int, outcome);
  QFETCH(QString, messageStart);
  QTemporaryDir dir;
  Run run;
  run.go(problem, dir.filePath(QStringLiteral("RASYON.RVD")));
  QCOMPARE(int(run.optimizer->outcome()), outcome);
  QCOMPARE(run.ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-"), QStringLiteral("errorbeep")}));
  QCOMPARE(run.ui.shown.size(), 1);
  QCOMPARE(run.ui.shown[0].kind, QStringLiteral("error"));
  QVERIFY2(run.ui.shown[0].text.startsWith(messageStart), qPrintable(run.ui.shown[0].text));
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("RASYON.TXT"))));
  QCOMPARE(run.currentReport, QStringLiteral("ESKI.TXT"));
}

void TestOptimizer::missingKmoWarnsAndGoesOn()
{
  RationProblem p = base(false).done();
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("RASYON.RVD")));
  QCOMPARE(run.optimizer->outcome(), VZYR_OPTIMIZER::Outcome::ReportWritten);
  // The message comes while the please-wait box is still up; the box closes
  // only for the report parameters.
  QCOMPARE(run.ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("errorbeep"), QStringLiteral("pleasewait-"),
                                       QStringLiteral("reportparams"), QStringLiteral("donebeep")}));
  QVERIFY(run.ui.texts(QStringLiteral("error")).value(0).startsWith(QStringLiteral("Besin Maddeleri girişinde Kuru Madde Oranı (KMO, %) girilmedi...")));
  QCOMPARE(run.currentReport, dir.filePath(QStringLiteral("RASYON.TXT")));
}

void TestOptimizer::feedWithoutDryMatterIsLeftOut()
{
  ProblemBuilder b = base();
  addFeed(b, QStringLiteral("MELAS"), 0.5, {0.0, 1.0, 0.5, 0.0}, none, 2.0);
  addFeed(b, QStringLiteral("KEPEK"), 0.9, {0.0, 1.0, 0.3, 0.1});
  RationProblem p = b.done();
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("RASYON.RVD")));
  QCOMPARE(run.optimizer->outcome(), VZYR_OPTIMIZER::Outcome::ReportWritten);
  QCOMPARE(run.ui.events.mid(0, 2), (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
  const QStringList warnings = run.ui.texts(QStringLiteral("warning"));
  QCOMPARE(warnings.size(), 1);
  QVERIFY(warnings[0].contains(QStringLiteral("\n   MELAS  (alt sınırı da dikkate alınmadı)")));
  QVERIFY(warnings[0].contains(QStringLiteral("\n   KEPEK")));
  QVERIFY(!run.reportText.contains(QStringLiteral("MELAS")));
  QVERIFY(!run.reportText.contains(QStringLiteral("KEPEK")));
  QCOMPARE(run.optimizer->solution()->cost, 23.0);
}

void TestOptimizer::reportRows()
{
  ProblemBuilder b;
  b.feed(QStringLiteral("ARPA"), 2.0, 1.0, 0.5, 3.0).feed(QStringLiteral("SAMAN"), 1.0, none, 1.0, 3.0);
  b.nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), {1.0, 1.0}, 10.0, 9.0, 11.0)
      .nutrient(QStringLiteral("HP"), QStringLiteral("Kg"), {0.1, 0.1}, none, 2.0, 5.0)
      .nutrient(QStringLiteral("NDF"), QStringLiteral("Kg"), {0.3, 0.6})
      .nutrient(QStringLiteral("ADF"), QStringLiteral("Kg"), {0.2, 0.4}, none, none, 3.0);
  b.ratio(QStringLiteral("HP"), QStringLiteral("NDF"), none, 0.1, 0.3)
      .ratio(QStringLiteral("HP"), QStringLiteral("YOK"), 1.0)
      .ratio(QStringLiteral("ADF"), QStringLiteral("NDF"), none);
  const RationModel m = RationModel::build(b.done());

  QStringList rows;
  for (const RationReportRow &r : m.rows)
    rows << r.name + QLatin1Char(':') + r.type + QLatin1Char(':') + (r.constraint >= 0 ? QString::number(r.constraint) : QStringLiteral("-"));
  QCOMPARE(rows, (QStringList{
                     QStringLiteral("KMT:Sabit:0"), QStringLiteral("HP:Alt:1"), QStringLiteral("NDF:Yok:-"),
                     QStringLiteral("ADF:Üst:2"), QStringLiteral("HP:Üst:3"),            // the split copy
                     QStringLiteral("HP/NDF:Alt:4"), QStringLiteral("ADF/NDF:Yok:-"),   // ratio without a nutrient: none
                     QStringLiteral("HP/NDF:Üst:5"),                                     // split ratios go last
                     QStringLiteral("ARPA:Sabit:6"), QStringLiteral("SAMAN:Alt:7"), QStringLiteral("SAMAN:Üst:8")}));
  QCOMPARE(m.nutrientRows, 5);
  // HP - 0.1 NDF >= 0 and HP - 0.3 NDF <= 0, in dry-matter terms.
  QCOMPARE(m.constraints[4].coefficients, (std::vector<double>{0.1 - 0.1 * 0.3, 0.1 - 0.1 * 0.6}));
  QCOMPARE(m.constraints[4].limit, 0.0);
  QCOMPARE(int(m.constraints[5].kind), int(LimitKind::Upper));

  // Columns: 2 feeds, a surplus for each of the 3 lower rows, then one basic
  // column per row; artificials for fixed and lower rows, slacks for upper.
  SimplexSolver s;
  QVERIFY(m.loadInto(s));
  QCOMPARE(s.cols(), 2 + 3 + 9);
  QCOMPARE(s.entry(1, 2), -1.0);  // HP's surplus
  QCOMPARE(s.entry(4, 3), -1.0);  // the lower ratio's
  QCOMPARE(s.entry(7, 4), -1.0);  // SAMAN's lower limit's
  QCOMPARE(m.initialBasis().front(), 5);
  QCOMPARE(s.basicColumn(0), 5);
  QCOMPARE(s.basicColumn(8), 13);
}

// The problem's lists of trimmed names may lag behind its rows (an editor
// changed a row and has not rebuilt them yet): the model names its columns and
// rows after the rows themselves.
void TestOptimizer::namesComeFromTheRows_data()
{
  QTest::addColumn<int>("change");
  QTest::addColumn<QStringList>("feedNames");
  QTest::addColumn<QStringList>("rowNames");
  const QStringList feeds{QStringLiteral("ARPA"), QStringLiteral("SAMAN")};
  const QStringList rows{QStringLiteral("KMT"), QStringLiteral("HP"), QStringLiteral("ARPA"), QStringLiteral("SAMAN")};
  QTest::newRow("lists up to date") << 0 << feeds << rows;
  QTest::newRow("feedstuff renamed") << 1 << QStringList{QStringLiteral("MISIR"), QStringLiteral("SAMAN")}
                                     << QStringList{QStringLiteral("KMT"), QStringLiteral("HP"), QStringLiteral("MISIR"), QStringLiteral("SAMAN")};
  QTest::newRow("nutrient renamed") << 2 << feeds
                                    << QStringList{QStringLiteral("KMT"), QStringLiteral("HP2"), QStringLiteral("ARPA"), QStringLiteral("SAMAN")};
  QTest::newRow("lists too short") << 3 << feeds << rows;
}

void TestOptimizer::namesComeFromTheRows()
{
  QFETCH(int, change);
  QFETCH(QStringList, feedNames);
  QFETCH(QStringList, rowNames);
  ProblemBuilder b;
  b.feed(QStringLiteral("ARPA"), 2.0, none, 0.5).feed(QStringLiteral("SAMAN"), 1.0, none, none, 3.0);
  b.nutrient(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), {1.0, 1.0}, 10.0)
      .nutrient(QStringLiteral("HP"), QStringLiteral("Kg"), {0.1, 0.1}, none, 2.0);
  RationProblem p = b.done();
  if (change == 1)
    p.feeds[0][YmName] = rt::PadR(QStringLiteral("MISIR"), 15);
  if (change == 2)
    p.nutrients[1][BmName] = rt::PadR(QStringLiteral("HP2"), 15);
  if (change == 3) {
    p.feedNames.removeLast();
    p.nutrientNames.clear();
  }
  const RationModel m = RationModel::build(p);
  QCOMPARE(m.feedNames, feedNames);
  QStringList names;
  for (const RationReportRow &r : m.rows)
    names << r.name;
  QCOMPARE(names, rowNames);
}

void TestOptimizer::ratioNames_data()
{
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("name");
  QTest::newRow("short") << QStringLiteral("HP") << QStringLiteral("NDF") << QStringLiteral("HP/NDF");
  QTest::newRow("exactly 20") << QStringLiteral("ABCDEFGHIJ") << QStringLiteral("KLMNOPQRS") << QStringLiteral("ABCDEFGHIJ/KLMNOPQRS");
  QTest::newRow("two long names") << QStringLiteral("METIONINSISTIN") << QStringLiteral("TRIPTOFANLIZIN")
                                  << QStringLiteral("METIONINS/TRIPTOFAN");
}

void TestOptimizer::ratioNames()
{
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, name);
  QCOMPARE(RationModel::GETNTRUNCATED(a, b), name);
}

void TestOptimizer::marks_data()
{
  QTest::addColumn<bool>("found");
  QTest::addColumn<QString>("type");
  QTest::addColumn<double>("computed");
  QTest::addColumn<double>("requested");
  QTest::addColumn<bool>("marked");
  QTest::newRow("found: never") << true << QStringLiteral("Sabit") << 3.0 << 5.0 << false;
  QTest::newRow("fixed, off") << false << QStringLiteral("Sabit") << 4.9998 << 5.0 << true;
  QTest::newRow("fixed, equal at 4 decimals") << false << QStringLiteral("Sabit") << 4.99996 << 5.0 << false;
  QTest::newRow("lower, short") << false << QStringLiteral("Alt") << 1.9999 << 2.0 << true;
  QTest::newRow("lower, over") << false << QStringLiteral("Alt") << 2.5 << 2.0 << false;
  QTest::newRow("upper, over") << false << QStringLiteral("Üst") << 3.0001 << 3.0 << true;
  QTest::newRow("upper, under") << false << QStringLiteral("Üst") << 2.0 << 3.0 << false;
}

void TestOptimizer::marks()
{
  QFETCH(bool, found);
  QFETCH(QString, type);
  QFETCH(double, computed);
  QFETCH(double, requested);
  QFETCH(bool, marked);
  RowLimits l;
  (type == QStringLiteral("Sabit") ? l.fixed : type == QStringLiteral("Alt") ? l.lower : l.upper) = requested;
  QCOMPARE(OptimalSolution::ISARETVARMI(found, l, computed, requested),
           marked ? QStringLiteral("      *") : QStringLiteral("       "));
}

void TestOptimizer::solutions_data()
{
  QTest::addColumn<RationProblem>("problem");
  QTest::addColumn<bool>("found");
  QTest::addColumn<QList<double>>("amounts");   // per feed column
  QTest::addColumn<double>("cost");
  QTest::addColumn<QList<double>>("shadows");   // per report row
  QTest::addColumn<QList<double>>("marginals"); // per feed column left out, in order

  QTest::newRow("base") << base().done() << true << QList<double>{6, 4} << 23.0
                        << QList<double>{NoShadow, 2.7, 0, -1} << QList<double>{};
  {
    ProblemBuilder b = base();
    addFeed(b, QStringLiteral("MISIR"), 3.0, {100, 1, 0.09, 0.1});
    QTest::newRow("feed left out") << b.done() << true << QList<double>{6, 4, 0} << 23.0
                                   << QList<double>{NoShadow, 2.7, 0, -1} << QList<double>{-0.4};
  }
  {
    ProblemBuilder b = base();
    b.p.nutrients[3][BmLower] = cell(3.0, 4);
    QTest::newRow("both limits on one nutrient") << b.done() << true << QList<double>{6, 4} << 23.0
                                                 << QList<double>{NoShadow, 2.7, 0, 0, -1} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    b.p.feeds[1][YmUpper] = cell(3.0, 3);
    QTest::newRow("feed upper limit") << b.done() << true << QList<double>{7, 3} << 23.5
                                      << QList<double>{NoShadow, 2.5, 0, 0, -0.5} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    b.ratio(QStringLiteral("HP"), QStringLiteral("NDF"), none, 0.25);
    QTest::newRow("ratio") << b.done() << true << QList<double>{6.585, 3.415} << 2.5 * 6.585 + 2 * 3.415
                           << QList<double>{NoShadow, 2.3293, 0, 0, 2.4390} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    b.p.feeds[1][YmFixed] = cell(11.0, 3);
    QTest::newRow("infeasible") << b.done() << false << QList<double>{} << 0.0 << QList<double>{} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    addFeed(b, QStringLiteral("MISIR"), none, {100, 1, 0.5, 0.0});
    QTest::newRow("unpriced feed dropped") << b.done() << true << QList<double>{6, 4} << 23.0
                                           << QList<double>{NoShadow, 2.7, 0, -1} << QList<double>{};
  }
  QTest::newRow("without KMO") << base(false).done() << true << QList<double>{6, 4} << 16.0
                               << QList<double>{2.4, 0, -2} << QList<double>{};
  {
    ProblemBuilder b = base();
    b.nutrient(QStringLiteral("CA"), QStringLiteral("g"), {0.0, 0.0}, 0.0);
    QTest::newRow("limit no feed can move") << b.done() << true << QList<double>{6, 4} << 23.0
                                            << QList<double>{NoShadow, 2.7, 0, -1, 0} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    b.nutrient(QStringLiteral("NDF2"), QStringLiteral("Kg"), {0.2, 0.7}, none, none, 4.0);
    b.nutrient(QStringLiteral("HP2"), QStringLiteral("Kg"), {0.24, 0.08}, none, 1.76);
    QTest::newRow("degenerate twins") << b.done() << true << QList<double>{6, 4} << 23.0
                                      << QList<double>{NoShadow, 2.7, 0, Unchecked, Unchecked, 0} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    b.p.feeds[0][YmPrice] = cell(20.0, 3);
    b.p.feeds[1][YmPrice] = cell(10.0, 3);
    QTest::newRow("price divisor 10") << b.done() << true << QList<double>{6, 4} << 230.0
                                      << QList<double>{NoShadow, 27, 0, -10} << QList<double>{};
  }
  {
    ProblemBuilder b = base();
    for (QStringList &row : b.p.nutrients)
      row[BmFixed] = row[BmLower] = row[BmUpper] = cell(none, 4);
    b.p.feeds[0][YmFixed] = cell(2.0, 3);
    QTest::newRow("feed limit only") << b.done() << true << QList<double>{2, 0} << 5.0
                                     << QList<double>{NoShadow, NoShadow, NoShadow, NoShadow, 2.5} << QList<double>{-1.0};
  }
}

void TestOptimizer::solutions()
{
  QFETCH(RationProblem, problem);
  QFETCH(bool, found);
  QFETCH(QList<double>, amounts);
  QFETCH(double, cost);
  QFETCH(QList<double>, shadows);
  QFETCH(QList<double>, marginals);

  QTemporaryDir dir;
  Run run;
  run.go(problem, dir.filePath(QStringLiteral("RASYON.RVD")));
  QCOMPARE(run.optimizer->outcome(), VZYR_OPTIMIZER::Outcome::ReportWritten);
  const OptimalSolution &s = *run.optimizer->solution();
  QCOMPARE(s.found, found);
  QCOMPARE(run.ui.events.contains(QStringLiteral("donebeep")), found);
  QCOMPARE(run.reportText.contains(QStringLiteral("Optimum Çözüm Bulundu.")), found);
  if (!found) {
    QVERIFY(run.reportText.contains(QStringLiteral("Optimum Çözüm Bulunamadı.")));
    QVERIFY(run.reportText.contains(QStringLiteral("      *SAMAN")));
    return;
  }
  QCOMPARE(int(s.feeds.size()), amounts.size());
  for (int j = 0; j < amounts.size(); ++j)
    QVERIFY2(std::fabs(s.feeds[j].amount - amounts[j]) < 1e-9, qPrintable(QStringLiteral("feed %1: %2").arg(j).arg(s.feeds[j].amount)));
  QVERIFY2(std::fabs(s.cost - cost) < 1e-6, qPrintable(QString::number(s.cost, 'g', 12)));
  QCOMPARE(int(s.rows.size()), shadows.size());
  for (int i = 0; i < shadows.size(); ++i) {
    if (std::isinf(shadows[i]))
      continue;
    if (std::isnan(shadows[i])) {
      QVERIFY2(!s.rows[i].shadow, qPrintable(QString::number(i)));
      continue;
    }
    QVERIFY2(s.rows[i].shadow && std::fabs(*s.rows[i].shadow - shadows[i]) < 5e-5,
             qPrintable(QStringLiteral("row %1: %2").arg(i).arg(s.rows[i].shadow.value_or(-999))));
  }
  QList<double> left;
  for (const OptimalSolution::Feed &f : s.feeds)
    if (!f.basic)
      left << f.marginal;
  QCOMPARE(left.size(), marginals.size());
  for (int k = 0; k < left.size(); ++k)
    QVERIFY2(std::fabs(left[k] - marginals[k]) < 1e-9, qPrintable(QString::number(left[k])));
}

void TestOptimizer::sameNamedFeedsKeepTheirAmounts()
{
  // Two lots of straw at different prices, each with its own upper limit.
  ProblemBuilder b = base();
  addFeed(b, QStringLiteral("SAMAN"), 0.5, {50, 1, 0.04, 0.7}, none, none, 1.0);
  RationProblem p = b.done();
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("RASYON.RVD")));
  const OptimalSolution &s = *run.optimizer->solution();
  QCOMPARE(s.feeds[1].amount, 3.0);
  QCOMPARE(s.feeds[2].amount, 1.0);
  const QStringList lines = run.reportText.split(QStringLiteral("\r\n"));
  const QStringList feedRows = lines.filter(QStringLiteral("       SAMAN                  Üst"));
  QCOMPARE(feedRows.size(), 1);
  QVERIFY2(feedRows[0].contains(QStringLiteral("      1.000       1.000")), qPrintable(feedRows[0]));
}

void TestOptimizer::zeroPricesKeepTheBigMPositive()
{
  ProblemBuilder b = base();
  b.p.feeds[0][YmPrice] = cell(0.0, 3);
  b.p.feeds[1][YmPrice] = cell(0.0, 3);
  RationProblem p = b.done();
  QVERIFY(RationModel::build(p).bigM > 0.0);
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("RASYON.RVD")));
  const OptimalSolution &s = *run.optimizer->solution();
  QVERIFY(s.found);
  QCOMPARE(s.cost, 0.0);
  QVERIFY(std::fabs(s.totalDryMatter - 10.0) < 1e-9);
  QVERIFY(run.reportText.contains(QStringLiteral("Günlük Maliyet = 0.000 TL/HB")));
}

void TestOptimizer::cancelWritesNothing()
{
  RationProblem p = base().done();
  p.changed.params = true;
  QTemporaryDir dir;
  Run run;
  run.ui.reportParameterAnswers.enqueue(std::nullopt);
  run.go(p, dir.filePath(QStringLiteral("RASYON.RVD")));
  QCOMPARE(run.optimizer->outcome(), VZYR_OPTIMIZER::Outcome::Cancelled);
  QCOMPARE(run.ui.events, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-"), QStringLiteral("reportparams")}));
  QVERIFY(run.ui.shown.isEmpty());
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("RASYON.TXT"))));
  QCOMPARE(run.currentReport, QStringLiteral("ESKI.TXT"));
  run.optimizer->DESTROY_OLDS();
  QVERIFY(!run.optimizer->model());
}

void TestOptimizer::writeFailureKeepsCurrentReport()
{
  RationProblem p = base().done();
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("YOK/RASYON.RVD")));
  QCOMPARE(run.optimizer->outcome(), VZYR_OPTIMIZER::Outcome::WriteFailed);
  QCOMPARE(run.ui.texts(QStringLiteral("error")), QStringList{QStringLiteral("Rapor dosyası oluşturmada hata!\nSonra tekrar deneyin..")});
  QCOMPARE(run.currentReport, QStringLiteral("ESKI.TXT"));
}

void TestOptimizer::reportLayout()
{
  ProblemBuilder b = base();
  b.ratio(QStringLiteral("HP"), QStringLiteral("NDF"), none, 0.25);
  b.p.params = QStringList{QStringLiteral("G"), QStringLiteral("2.700"), QStringLiteral("TL"), QStringLiteral("  Kg")};
  RationProblem p = b.done();
  QTemporaryDir dir;
  Run run;
  run.go(p, dir.filePath(QStringLiteral("Rasyon1.RVD")));
  QCOMPARE(run.currentReport, dir.filePath(QStringLiteral("Rasyon1.TXT")));

  // Every line 100 characters and CR LF, except the two that open the ratio
  // block.
  QVERIFY(run.reportText.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = run.reportText.split(QStringLiteral("\r\n"));
  QStringList shortLines;
  for (const QString &l : lines.mid(0, lines.size() - 1))
    if (l.size() != 100)
      shortLines << l;
  QCOMPARE(shortLines, (QStringList{QString(), QStringLiteral("       Besin Maddesi Oranı:")}));
  QVERIFY(!run.reportText.contains(QLatin1Char('\n') + QStringLiteral("\n")));

  QVERIFY(run.reportText.contains(QStringLiteral("     § DOSYA: Veri Dosyasi..: Rasyon1.RVD ")));
  QVERIFY(run.reportText.contains(QStringLiteral("Rapor Dosyası.: Rasyon1.TXT ")));
  QVERIFY(run.reportText.contains(QStringLiteral("Veri/Rapor Dosyası Dizini: ") + dir.path() + QLatin1Char(' ')));
  QVERIFY(run.reportText.contains(QStringLiteral("2 Hay/Gün")));  // 2.7 animals: two whole ones
  QVERIFY(run.reportText.contains(QStringLiteral("TOPLAM (Kg)")));
  // The file is the report text in code page 1254, nothing else.
  QFile f(dir.filePath(QStringLiteral("Rasyon1.TXT")));
  QVERIFY(f.open(QIODevice::ReadOnly));
  QCOMPARE(f.readAll(), cp1254::encode(run.reportText));
}

void TestOptimizer::golden_data()
{
  QTest::addColumn<RationProblem>("problem");
  QTest::addColumn<QString>("animals");

  {
    ProblemBuilder b = base();
    addFeed(b, QStringLiteral("MISIR"), 3.0, {100, 1, 0.09, 0.1});
    b.ratio(QStringLiteral("HP"), QStringLiteral("NDF"), none, 0.2, 0.3);
    b.p.feeds[1][YmUpper] = cell(5.0, 3);
    b.p.animalDescription = QStringList{QStringLiteral("Hayvan tipi: Süt ineği"), QStringLiteral("Canlı ağırlık: 600 Kg")};
    QTest::newRow("OPTIMAL1") << b.done() << QStringLiteral("5.000");
  }
  {
    // Without "KMO": amounts as entered, nothing as fed; an unpriced feed.
    ProblemBuilder b = base(false);
    addFeed(b, QStringLiteral("KÜSPE"), none, {1, 0.3, 0.4});
    b.nutrient(QStringLiteral("KALSIYUM"), QStringLiteral("g"), {4.0, 3.5});
    QTest::newRow("OPTIMAL2") << b.done() << QStringLiteral("1.000");
  }
  {
    // No feasible ration: the broken limits are marked.
    ProblemBuilder b = base();
    b.p.nutrients[2][BmLower] = cell(2.0, 4);
    b.p.feeds[0][YmLower] = cell(1.0, 3);
    QTest::newRow("OPTIMAL3") << b.done() << QStringLiteral("0.000");
  }
  {
    // Only a feedstuff limit: straw left out at a highest price of exactly 0.
    ProblemBuilder b = base();
    for (QStringList &row : b.p.nutrients)
      row[BmFixed] = row[BmLower] = row[BmUpper] = cell(none, 4);
    b.p.feeds[0][YmFixed] = cell(2.0, 3);
    QTest::newRow("OPTIMAL4") << b.done() << QStringLiteral("1.000");
  }
}

void TestOptimizer::golden()
{
  QFETCH(RationProblem, problem);
  QFETCH(QString, animals);
  const QString name = QString::fromLatin1(QTest::currentDataTag());
  const RationModel model = RationModel::build(problem);
  SimplexSolver solver;
  QVERIFY(model.loadInto(solver));
  solver.solve();
  // The report's problems never stall: the pivots that lead to it are the
  // recorded ones.
  const RecordedPath *recorded = recordedPath(QStringLiteral("golden"), name);
  QVERIFY2(recorded && recorded->ordinary(-1), qPrintable(name));
  const QString differs = recorded->differenceFrom(solver);
  QVERIFY2(differs.isEmpty(), qPrintable(differs));
  const OptimalSolution solution = OptimalSolution::compute(model, solver, rt::Val(animals));
  OptimalReport::Header header;
  header.problemFile = QStringLiteral("/home/vesk/Data/") + name + QStringLiteral(".RVD");
  header.animalDescription = problem.animalDescription;
  header.parameters = {animals, QStringLiteral("TL"), QStringLiteral("Kg")};
  header.now = FixedClock;
  ReportWriter out;
  OptimalReport::compose(out, model, solution, header);
  const QByteArray bytes = cp1254::encode(out.text());

  QFile golden(goldenPath(name));
  if (qEnvironmentVariableIsSet("VZ_WRITE_GOLDEN")) {
    QVERIFY(golden.open(QIODevice::WriteOnly));
    golden.write(bytes);
    return;
  }
  QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
  const QByteArray expected = golden.readAll();
  if (bytes != expected) {
    const QStringList got = cp1254::decode(bytes).split(QStringLiteral("\r\n"));
    const QStringList want = cp1254::decode(expected).split(QStringLiteral("\r\n"));
    QCOMPARE(got, want);
  }
  QCOMPARE(bytes, expected);
}

QTEST_GUILESS_MAIN(TestOptimizer)
#include "tst_optimizer.moc"
