// The beef model as the shell runs it: scripted dialogs in, requirement rows
// and description lines out; the inputs the equations cannot take; the
// faults the rows and descriptions must not have.
#include "requirements/beef/beefinputreader.h"
#include "requirements/beef/beefrows.h"
#include "requirements/beef/nr_beef_catle.h"
#include "scriptedinteraction.h"

#include "platform/rtext.h"
#include "problem/numbertext.h"

#include "problem/appsession.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace vz;
using namespace vz::beef;

namespace {

using PageEdit = std::function<void(BeefInputPages &)>;
using FieldRead = std::function<double(const BeefFields &)>;

const QStringList kTypeCaptions = {
    QStringLiteral("Genç/Besi"), QStringLiteral("Süt Veren İnek "), QStringLiteral("Kurudaki İnek"),
    QStringLiteral("Damızlık Düve"), QStringLiteral("Damızlık Boğa")};

BeefTypeChoice typeChoice(quint32 type)
{
  return {type, kTypeCaptions.at(int(type) - 1)};
}

// A complete, plausible set of pages for each type, as a user fills them.
BeefInputPages pagesFor(quint32 type)
{
  BeefInputPages p;
  p.animal.age = QStringLiteral("12");
  p.animal.liveWeight = QStringLiteral("350");
  p.animal.matureWeight = QStringLiteral("600");
  p.animal.dailyGain = QStringLiteral("1.2");
  if (type == LactatingCow || type == DryCow || type == BreedingHeifer) {
    BeefReproductionPage r;
    r.breedingAge = QStringLiteral("15");
    r.calvingInterval = QStringLiteral("12");
    r.calfBirthWeight = QStringLiteral("31");
    if (type == LactatingCow) {
      p.animal.age = QStringLiteral("60");
      p.animal.liveWeight = QStringLiteral("500");
      p.animal.dailyGain = QStringLiteral("0");
      r.daysPregnant = QStringLiteral("0");
      r.daysInMilk = QStringLiteral("63");
      r.lactationNumber = QStringLiteral("3");
      r.peakMilk = QStringLiteral("8.0");
      r.peakWeek = QStringLiteral("8");
      r.lactationLength = QStringLiteral("30");
      r.milkFat = QStringLiteral("4.01");
      r.milkProtein = QStringLiteral("3.4");
      r.milkSnf = QStringLiteral("8.3");
    } else {
      if (type == DryCow) {
        p.animal.age = QStringLiteral("60");
        p.animal.liveWeight = QStringLiteral("500");
        p.animal.dailyGain = QStringLiteral("0");
      } else {
        p.animal.age = QStringLiteral("18");
        p.animal.liveWeight = QStringLiteral("380");
        p.animal.dailyGain = QStringLiteral("0.5");
      }
      r.daysPregnant = QStringLiteral("150");
      r.daysInMilk = r.lactationNumber = r.peakWeek = r.lactationLength = QStringLiteral("0");
      r.peakMilk = r.milkFat = r.milkProtein = r.milkSnf = QStringLiteral("0.00");
    }
    p.reproduction = r;
  }
  if (type == BreedingBull) {
    p.animal.age = QStringLiteral("30");
    p.animal.liveWeight = QStringLiteral("700");
    p.animal.matureWeight = QStringLiteral("1000");
    p.animal.dailyGain = QStringLiteral("0.4");
  }
  if (type != GrowFinish) {
    // The locked sex list shows the type's own sex.
    p.animal.sexItem = type == BreedingBull ? 1 : type == BreedingHeifer ? 3 : 4;
    p.animal.sexText = QStringList{QStringLiteral("Boğa"), QStringLiteral("Öküz"), QStringLiteral("Düve"),
                                   QStringLiteral("İnek")}.at(p.animal.sexItem - 1);
    p.animal.fatLevelItem = 1;
  }
  return p;
}

class ScriptedBeefDialogs : public BeefInputProvider {
public:
  std::optional<BeefTypeChoice> type;
  std::optional<BeefInputPages> pages;
  int typeAsked = 0;
  int inputsAsked = 0;
  QString captionAsked;

  std::optional<BeefTypeChoice> askAnimalType() override
  {
    ++typeAsked;
    return type;
  }
  std::optional<BeefInputPages> askInputs(const BeefTypeChoice &t) override
  {
    ++inputsAsked;
    captionAsked = t.caption;
    return pages;
  }
};

struct Run {
  test::ScriptedInteraction interaction;
  ReportClock clock{QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))};
  ScriptedBeefDialogs dialogs;

  Run(quint32 type, const BeefInputPages &pages)
  {
    dialogs.type = typeChoice(type);
    dialogs.pages = pages;
  }
  std::unique_ptr<NR_BEEF_CATLE> estimate(int mode = 1)
  {
    return std::make_unique<NR_BEEF_CATLE>(EstimatorOwner{interaction, clock}, dialogs, mode);
  }
};

std::unique_ptr<NR_BEEF_CATLE> rowsFor(quint32 type, const BeefInputPages &pages)
{
  Run run(type, pages);
  return run.estimate(1);
}

const RequirementRow *rowNamed(const RequirementRows &rows, const QString &name)
{
  for (const RequirementRow &r : rows)
    if (rt::AllTrim(r.name) == name)
      return &r;
  return nullptr;
}

QString cell(double value, int width, int decimals)
{
  return SDAYA(rt::Str(value, width, decimals), 4);
}

} // namespace

Q_DECLARE_METATYPE(PageEdit)
Q_DECLARE_METATYPE(FieldRead)

class TestBeefModel : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void outcomes_data();
  void outcomes();
  void readsInputs_data();
  void readsInputs();
  void methodsByType_data();
  void methodsByType();
  void rowSets_data();
  void rowSets();
  void rowCells_data();
  void rowCells();
  void descriptionLines_data();
  void descriptionLines();
  void unusableInputsEndSilently_data();
  void unusableInputsEndSilently();
  void negativeRequirementEntersAsZero();
  void vitaminRowsAreDailyAmounts();
  void lateGestationPast282Days();
  void coldStressAtMinusTen();
};

// ---- the contract's outcomes ---------------------------------------------

// Report mode writes its file into the program directory's Data folder.
void TestBeefModel::initTestCase()
{
  static QTemporaryDir programDir;
  QVERIFY(QDir(programDir.path()).mkpath(QStringLiteral("Data")));
  AppSession::instance().setProgramDir(programDir.path());
}

void TestBeefModel::outcomes_data()
{
  QTest::addColumn<bool>("cancelType");
  QTest::addColumn<bool>("cancelInputs");
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("rows");
  QTest::addColumn<int>("inputsAsked");
  QTest::newRow("type dialog cancelled") << true << false << 1 << false << 0;
  QTest::newRow("input dialog cancelled") << false << true << 1 << false << 1;
  QTest::newRow("rows mode") << false << false << 1 << true << 1;
  QTest::newRow("mode 2 is no rows mode") << false << false << 2 << false << 1;
  QTest::newRow("mode 0 is no rows mode") << false << false << 0 << false << 1;
}

void TestBeefModel::outcomes()
{
  QFETCH(bool, cancelType);
  QFETCH(bool, cancelInputs);
  QFETCH(int, mode);
  QFETCH(bool, rows);
  QFETCH(int, inputsAsked);
  Run run(GrowFinish, pagesFor(GrowFinish));
  if (cancelType)
    run.dialogs.type.reset();
  if (cancelInputs)
    run.dialogs.pages.reset();
  const auto m = run.estimate(mode);
  QCOMPARE(m->LDDEG, rows);
  QCOMPARE(m->ABMREQM.isEmpty(), !rows);
  QCOMPARE(m->AANIDESC.isEmpty(), !rows);
  QCOMPARE(run.dialogs.typeAsked, 1);
  QCOMPARE(run.dialogs.inputsAsked, inputsAsked);
  QVERIFY(run.interaction.shown.isEmpty());  // cancels end without a word
}

// ---- reading the pages -----------------------------------------------------

void TestBeefModel::readsInputs_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<PageEdit>("edit");
  QTest::addColumn<FieldRead>("field");
  QTest::addColumn<double>("expected");
  const PageEdit none = [](BeefInputPages &) {};
  auto row = [](const char *name, quint32 type, PageEdit edit, FieldRead field, double expected) {
    QTest::newRow(name) << type << edit << field << expected;
  };
  row("age 8 months is 240 days", GrowFinish, [](BeefInputPages &p) { p.animal.age = QStringLiteral("8"); },
      [](const BeefFields &f) { return double(f.NAGEDAYS); }, 240);
  row("a fraction of a day is cut", GrowFinish, [](BeefInputPages &p) { p.animal.age = QStringLiteral("8.05"); },
      [](const BeefFields &f) { return double(f.NAGEDAYS); }, 241);
  row("live weight 400 shrinks to 384", GrowFinish, [](BeefInputPages &p) { p.animal.liveWeight = QStringLiteral("400"); },
      [](const BeefFields &f) { return f.NSBW; }, 384);
  row("bull's final weight is 0.6 of 1000", BreedingBull, none,
      [](const BeefFields &f) { return f.NFINALSBW; }, 600);
  row("others' final weight is 0.96 of 1000", GrowFinish, [](BeefInputPages &p) { p.animal.matureWeight = QStringLiteral("1000"); },
      [](const BeefFields &f) { return f.NFINALSBW; }, 960);
  row("growing bull: sex multiplier 1.15", GrowFinish, none,
      [](const BeefFields &f) { return f.NSEXNEMMULT; }, 1.15);
  row("growing heifer: 1.0", GrowFinish, [](BeefInputPages &p) { p.animal.sexItem = 3; },
      [](const BeefFields &f) { return f.NSEXNEMMULT; }, 1.0);
  row("breeding bull: 1.15", BreedingBull, none, [](const BeefFields &f) { return f.NSEXNEMMULT; }, 1.15);
  row("cow: 1.0", DryCow, none, [](const BeefFields &f) { return f.NSEXNEMMULT; }, 1.0);
  row("cow shown as Boğa: 1.0", DryCow, [](BeefInputPages &p) { p.animal.sexItem = 1; },
      [](const BeefFields &f) { return f.NSEXNEMMULT; }, 1.0);
  row("fat level 2: reference weight 462", GrowFinish, [](BeefInputPages &p) { p.animal.fatLevelItem = 2; },
      [](const BeefFields &f) { return f.NSRW; }, 462);
  row("fat level 3: 25 %", GrowFinish, [](BeefInputPages &p) { p.animal.fatLevelItem = 3; },
      [](const BeefFields &f) { return f.NBODYFATPCT; }, 25);
  row("pure Holstein eats 1.08", GrowFinish, [](BeefInputPages &p) { p.animal.firstBreedItem = 12; },
      [](const BeefFields &f) { return f.NDMIBREEDMULT; }, 1.08);
  row("Holstein second in a two-way cross: 1.04", GrowFinish,
      [](BeefInputPages &p) { p.animal.breedSystem = BreedSystem::TwoWay; p.animal.secondBreedItem = 12; },
      [](const BeefFields &f) { return f.NDMIBREEDMULT; }, 1.04);
  row("Holstein second in a three-way cross: 1.0", GrowFinish,
      [](BeefInputPages &p) { p.animal.breedSystem = BreedSystem::ThreeWay; p.animal.secondBreedItem = 12; },
      [](const BeefFields &f) { return f.NDMIBREEDMULT; }, 1.0);
  row("29 C ignores heat stress", GrowFinish,
      [](BeefInputPages &p) { p.environment.temperature = QStringLiteral("29"); p.environment.heatStressItem = 3; },
      [](const BeefFields &f) { return f.LHEATSTRESS ? f.NHEATSTRESSMULT : 0.0; }, 0.0);
  row("30 C open-mouth panting: 1.18", GrowFinish,
      [](BeefInputPages &p) { p.environment.temperature = QStringLiteral("30"); p.environment.heatStressItem = 3; },
      [](const BeefFields &f) { return f.LHEATSTRESS ? f.NHEATSTRESSMULT : 0.0; }, 1.18);
  row("30 C fast breathing: 1.07", GrowFinish,
      [](BeefInputPages &p) { p.environment.temperature = QStringLiteral("30"); p.environment.heatStressItem = 2; },
      [](const BeefFields &f) { return f.LHEATSTRESS ? f.NHEATSTRESSMULT : 0.0; }, 1.07);
  row("night cooling \"Evet\"", GrowFinish, [](BeefInputPages &p) { p.environment.nightCoolingText = QStringLiteral(" Evet "); },
      [](const BeefFields &f) { return double(f.LNIGHTCOOLING); }, 1);
  row("night cooling \"Hayır\"", GrowFinish, none, [](const BeefFields &f) { return double(f.LNIGHTCOOLING); }, 0);
  row("fresh management page: NEy 1.00", GrowFinish, none, [](const BeefFields &f) { return f.NNEYADJ; }, 1.0);
  row("fresh management page: NEv 1.00", GrowFinish, none, [](const BeefFields &f) { return f.NNEVADJ; }, 1.0);
  row("fresh management page: TDN 0.70", GrowFinish, none, [](const BeefFields &f) { return f.NDIETTDN; }, 0.70);
  row("fresh management page: microbes 0.13", GrowFinish, none, [](const BeefFields &f) { return f.NMICROBIALEFF; }, 0.13);
  row("typed NEy 95", GrowFinish, [](BeefInputPages &p) { p.management.dietNem = QStringLiteral("95"); },
      [](const BeefFields &f) { return f.NNEYADJ; }, 0.95);
  row("ionophore and implant", GrowFinish, [](BeefInputPages &p) { p.management.additiveItem = 4; },
      [](const BeefFields &f) { return double(f.LIONOPHORE) + 2.0 * double(f.LIMPLANT); }, 3);
  row("implant only", GrowFinish, [](BeefInputPages &p) { p.management.additiveItem = 3; },
      [](const BeefFields &f) { return double(f.LIONOPHORE) + 2.0 * double(f.LIMPLANT); }, 2);
  row("not grazing: no forage allowance", GrowFinish,
      [](BeefInputPages &p) { p.management.pastureArea = QStringLiteral("10"); p.management.pastureMass = QStringLiteral("900"); },
      [](const BeefFields &f) { return f.NFORAGEALLOWANCE + f.NPASTUREMASST + f.NPASTUREAREA + double(f.LGRAZING); }, 0);
  row("grazing 40 head 60 days on 10 ha of 900 kg", GrowFinish,
      [](BeefInputPages &p) {
        p.management.grazing = true;
        p.management.pastureArea = QStringLiteral("10");
        p.management.pastureMass = QStringLiteral("900");
        p.management.pastureTdn = QStringLiteral("60");
        p.management.grazingDays = QStringLiteral("60");
        p.management.grazingAnimals = QStringLiteral("40");
      },
      [](const BeefFields &f) { return f.NFORAGEALLOWANCE; }, 3.75);
  row("fresh environment page: hide thickness 0.8", GrowFinish, none,
      [](const BeefFields &f) { return f.NHIDETHICKNESS; }, 0.8);
  row("fresh environment page: hair 0.6 cm", GrowFinish, none, [](const BeefFields &f) { return f.NHAIRLENGTH; }, 0.6);
  row("typed terrain while not grazing is never read", GrowFinish,
      [](BeefInputPages &p) { p.management.terrainItem = 0; },
      [](const BeefFields &f) { return f.NTERRAINFACTOR; }, 0);
  row("mud \"Çok\": 0.7", GrowFinish, [](BeefInputPages &p) { p.environment.mudItem = 3; },
      [](const BeefFields &f) { return f.NMUDDMIMULT; }, 0.7);
  row("hide wet and muddy: 0.2", GrowFinish, [](BeefInputPages &p) { p.environment.hideConditionItem = 4; },
      [](const BeefFields &f) { return f.NHIDECONDITION; }, 0.2);
  row("60 days in milk are 8 whole weeks", LactatingCow,
      [](BeefInputPages &p) { p.reproduction->daysInMilk = QStringLiteral("60"); },
      [](const BeefFields &f) { return double(f.NMILKWEEKS); }, 8);
  row("growing animal: no days pregnant", GrowFinish, none,
      [](const BeefFields &f) { return double(f.NDAYSPREGNANT) + f.NPEAKMILK + f.NBIRTHWEIGHT; }, 0);
}

void TestBeefModel::readsInputs()
{
  QFETCH(quint32, type);
  QFETCH(PageEdit, edit);
  QFETCH(FieldRead, field);
  QFETCH(double, expected);
  BeefInputPages pages = pagesFor(type);
  edit(pages);
  BeefFields f;
  QVERIFY(readBeefInputs(typeChoice(type), pages, f));
  QVERIFY2(qAbs(field(f) - expected) < 1e-12, qPrintable(QString::number(field(f), 'g', 15)));
}

// ---- which methods run -------------------------------------------------------

void TestBeefModel::methodsByType_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QString>("daysPregnant");
  QTest::addColumn<bool>("lactation");
  QTest::addColumn<bool>("pregnancy");
  QTest::newRow("lactating, open") << quint32(LactatingCow) << QStringLiteral("0") << true << false;
  QTest::newRow("lactating, day 120") << quint32(LactatingCow) << QStringLiteral("120") << true << true;
  QTest::newRow("dry, open") << quint32(DryCow) << QStringLiteral("0") << false << false;
  QTest::newRow("dry, day 120") << quint32(DryCow) << QStringLiteral("120") << false << true;
  QTest::newRow("heifer, open") << quint32(BreedingHeifer) << QStringLiteral("") << false << false;
  QTest::newRow("heifer, day 120") << quint32(BreedingHeifer) << QStringLiteral("120") << false << true;
  QTest::newRow("growing") << quint32(GrowFinish) << QString() << false << false;
  QTest::newRow("bull") << quint32(BreedingBull) << QString() << false << false;
}

void TestBeefModel::methodsByType()
{
  QFETCH(quint32, type);
  QFETCH(QString, daysPregnant);
  QFETCH(bool, lactation);
  QFETCH(bool, pregnancy);
  BeefInputPages pages = pagesFor(type);
  if (pages.reproduction)
    pages.reproduction->daysPregnant = daysPregnant;
  const auto m = rowsFor(type, pages);
  QVERIFY(m->LDDEG);
  const BeefFields &f = m->fields();
  QCOMPARE(f.NMILKYIELD > 0.0, lactation);
  QCOMPARE(f.NPREGGAIN > 0.0, pregnancy);
  QCOMPARE(f.NMPPREG > 0.0, pregnancy);
  QCOMPARE(f.NNEMPREG > 0.0, pregnancy);
  QCOMPARE(f.AVITMIN.size(), 13);
  QVERIFY(f.NDMI > 0.0);
  QVERIFY(f.NNETOTAL > 0.0);
  // The totals come after maintenance: cows and heifers add gain, milk and
  // pregnancy to it; growing animals and bulls keep the maintenance total.
  const double maintenance = f.NNEMBASE + f.NNEMACT + f.NNEMCOLD;
  const double added = type == LactatingCow ? f.NNELREQ + f.NNEGREQ + f.NNEMPREG
                       : type == DryCow || type == BreedingHeifer ? f.NNEGREQ + f.NNEMPREG
                                                                   : 0.0;
  QVERIFY(qAbs(f.NNETOTAL - (maintenance + added)) < 1e-9);
}

// ---- rows --------------------------------------------------------------------

void TestBeefModel::rowSets_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QStringList>("names");
  const QStringList growing = {"KMT", "KMO", "NEY", "NEK", "ME_BB", "SE", "TSBM", "HP", "RDP", "RUP", "ENDF",
                               "KALSIYUM", "FOSFOR", "MAGNEZYUM", "POTASYUM", "SODYUM", "SULFUR", "VITA", "VITD"};
  const QStringList cow = {"KMT", "KMO", "NEY", "ME_BB", "SE", "TSBM", "HP", "RUP", "RDP", "ENDF",
                           "KALSIYUM", "FOSFOR", "MAGNEZYUM", "POTASYUM", "SODYUM", "SULFUR", "VITA", "VITD"};
  QTest::newRow("growing and finishing") << quint32(GrowFinish) << growing;
  QTest::newRow("lactating cow") << quint32(LactatingCow) << cow;
  QTest::newRow("dry cow") << quint32(DryCow) << cow;
  QTest::newRow("breeding heifer") << quint32(BreedingHeifer) << cow;
  QTest::newRow("breeding bull") << quint32(BreedingBull) << growing;
}

void TestBeefModel::rowSets()
{
  QFETCH(quint32, type);
  QFETCH(QStringList, names);
  const auto m = rowsFor(type, pagesFor(type));
  QVERIFY(m->LDDEG);
  const BeefFields &f = m->fields();
  QCOMPARE(m->ABMREQM.size(), names.size());
  const QHash<QString, QString> units = {
      {"KMT", "Kg/Kg"}, {"KMO", "%"}, {"NEY", "MCal/Kg"}, {"NEK", "MCal/Kg"}, {"ME_BB", "MCal/Kg"},
      {"SE", "MCal/Kg"}, {"TSBM", "Kg/Kg"}, {"HP", "g/Kg"}, {"RDP", "g/Kg"}, {"RUP", "g/Kg"},
      {"ENDF", "Kg/Kg"}, {"KALSIYUM", "g/Kg"}, {"FOSFOR", "g/Kg"}, {"MAGNEZYUM", "g/Kg"},
      {"POTASYUM", "g/Kg"}, {"SODYUM", "g/Kg"}, {"SULFUR", "g/Kg"}, {"VITA", "IU/Kg"}, {"VITD", "IU/Kg"}};
  const QString blank(11, QLatin1Char(' '));
  for (int i = 0; i < names.size(); ++i) {
    const RequirementRow &r = m->ABMREQM.at(i);
    QCOMPARE(r.name, rt::PadR(names.at(i), 15));
    QCOMPARE(r.unit, rt::PadL(units.value(names.at(i)), 11));
    QCOMPARE(r.upper, blank);
    if (names.at(i) == QStringLiteral("KMT")) {
      QCOMPARE(r.fixed, cell(f.NDMI, 5, 2));
      QCOMPARE(r.lower, blank);
    } else if (names.at(i) == QStringLiteral("KMO")) {
      QCOMPARE(r.fixed, blank);
      QCOMPARE(r.lower, blank);
    } else {
      QCOMPARE(r.fixed, blank);
      QVERIFY2(r.lower != blank, qPrintable(names.at(i)));
      QCOMPARE(r.lower.size(), 11);
    }
  }
  // Spot values with their own widths and decimals.
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("NEY"))->lower, cell(f.NNETOTAL, 5, 2));
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("ME_BB"))->lower, cell(f.NMEINTAKE, 6, 2));
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("HP"))->lower, cell(f.NHPREQ, 5, 0));
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("KALSIYUM"))->lower, cell(f.NKALSIYUMREQ, 5, 1));
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("MAGNEZYUM"))->lower, cell(f.AVITMIN.at(0).amount, 6, 0));
  if (type == GrowFinish || type == BreedingBull)
    QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("NEK"))->lower, cell(f.NNEGREQ, 5, 2));
}

void TestBeefModel::rowCells_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("fixed");
  QTest::addColumn<QString>("lower");
  const QString blank(11, QLatin1Char(' '));
  QTest::newRow("intake 9.876 kg") << "KMT" << "     9.8800" << blank;
  QTest::newRow("magnesium 17.6 g keeps no decimals") << "MAGNEZYUM" << blank << "    18.0000";
  QTest::newRow("sodium 0.4 g") << "SODYUM" << blank << "     0.0000";
  QTest::newRow("energy too wide for its width") << "NEY" << blank << blank;
  QTest::newRow("calcium 35.28 g") << "KALSIYUM" << blank << "    35.3000";
}

void TestBeefModel::rowCells()
{
  QFETCH(QString, name);
  QFETCH(QString, fixed);
  QFETCH(QString, lower);
  BeefFields f;
  f.NANIMALTYPE = GrowFinish;
  f.NDMI = 9.876;
  f.NNETOTAL = 123456.0;
  f.NKALSIYUMREQ = 35.28;
  f.AVITMIN = VitMinTable(13, VitMinRow{QStringLiteral("g/Kg"), 0.0});
  f.AVITMIN[0].amount = 17.6;
  f.AVITMIN[2].amount = 0.4;
  for (const RequirementRows &rows : {growingRows(f), cowRows(f)}) {
    const RequirementRow *r = rowNamed(rows, name);
    QVERIFY(r);
    QCOMPARE(r->fixed, fixed);
    QCOMPARE(r->lower, lower);
  }
}

// ---- description lines ---------------------------------------------------------

void TestBeefModel::descriptionLines_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<PageEdit>("edit");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("growing bull")
      << quint32(GrowFinish)
      << PageEdit([](BeefInputPages &p) { p.animal.fatLevelItem = 2; })
      << QStringList{QStringLiteral("TİPİ: GENÇ & BESİ SIĞIRI"), QStringLiteral("CİNSİYET: Boğa"),
                     QStringLiteral("CANLI AĞIRLIK (Kg): 350"),
                     QStringLiteral("CANLI AĞIRLIK ARTIŞI (Kg/Gün): 1.200"),
                     QStringLiteral("HEDEF BESİ SONU & ERGİN AĞIRLIK (Kg): 600.0"),
                     QStringLiteral("HEDEF YAĞLANMA DÜZEYİ (%): 27"), QStringLiteral("GENOTİPİ: Angus")};
  QTest::newRow("dry cow, two-way cross, 412.6 kg")
      << quint32(DryCow)
      << PageEdit([](BeefInputPages &p) {
           p.animal.liveWeight = QStringLiteral("412.6");
           p.animal.breedSystem = BreedSystem::TwoWay;
           p.animal.secondBreedItem = 11;
         })
      << QStringList{QStringLiteral("TİPİ: GEBE & SÜT VEREN & KURUDAKİ İNEK"),
                     QStringLiteral("CANLI AĞIRLIK (Kg): 413"),
                     QStringLiteral("ERGİN CANLI AĞIRLIK (Kg): 600.0"),
                     QStringLiteral("BUZAĞI DOĞUM AĞIRLIĞI (Kg): 31.00"),
                     QStringLiteral("BUZAĞILAMA YAŞI (Ay): 60.00"),
                     QStringLiteral("BUZAĞILAMA ARALIĞI (Ay): 12"),
                     QStringLiteral("PİK SÜT VERİMİ (Kg): 0.000"),
                     QStringLiteral("PİK VERİM ZAMANI (Hafta): 0.000"),
                     QStringLiteral("SÜT YAĞI (%): 0.000"), QStringLiteral("SÜT PROTEİNİ (%): 0.000"),
                     QStringLiteral("SÜT KM ORANI (%): 0.000"), QStringLiteral("GENOTİPİ: Angus X Hereford")};
  // The calving-age line carries the age of the animal page, not the gain.
  QTest::newRow("lactating cow: age in months on the calving-age line")
      << quint32(LactatingCow) << PageEdit([](BeefInputPages &p) { p.animal.dailyGain = QStringLiteral("0.3"); })
      << QStringList{QStringLiteral("TİPİ: GEBE & SÜT VEREN & KURUDAKİ İNEK"),
                     QStringLiteral("CANLI AĞIRLIK (Kg): 500"),
                     QStringLiteral("ERGİN CANLI AĞIRLIK (Kg): 600.0"),
                     QStringLiteral("BUZAĞI DOĞUM AĞIRLIĞI (Kg): 31.00"),
                     QStringLiteral("BUZAĞILAMA YAŞI (Ay): 60.00"),
                     QStringLiteral("BUZAĞILAMA ARALIĞI (Ay): 12"),
                     QStringLiteral("PİK SÜT VERİMİ (Kg): 8.000"),
                     QStringLiteral("PİK VERİM ZAMANI (Hafta): 8.000"),
                     QStringLiteral("SÜT YAĞI (%): 4.010"), QStringLiteral("SÜT PROTEİNİ (%): 3.400"),
                     QStringLiteral("SÜT KM ORANI (%): 8.300"), QStringLiteral("GENOTİPİ: Angus")};
  QTest::newRow("breeding heifer")
      << quint32(BreedingHeifer) << PageEdit([](BeefInputPages &) {})
      << QStringList{QStringLiteral("TİPİ: GEBE DAMIZLIK DÜVE"), QStringLiteral("CANLI AĞIRLIK (Kg): 380"),
                     QStringLiteral("CANLI AĞIRLIK ARTIŞI (Kg/Gün): 0.500"),
                     QStringLiteral("BUZAĞI DOĞUM AĞIRLIĞI (Kg): 31.00"),
                     QStringLiteral("DAMIZLIKTA KULLANMA YAŞI (Ay): 15.00"),
                     QStringLiteral("ERGİN AĞIRLIK (Kg): 600.0"), QStringLiteral("GENOTİPİ: Angus")};
  QTest::newRow("breeding bull")
      << quint32(BreedingBull) << PageEdit([](BeefInputPages &) {})
      << QStringList{QStringLiteral("TİPİ: DAMIZLIK BOĞA"), QStringLiteral("CANLI AĞIRLIK (Kg): 700"),
                     QStringLiteral("CANLI AĞIRLIK ARTIŞI (Kg/Gün): 0.400"),
                     QStringLiteral("ERGİN AĞIRLIK (Kg): 1000"), QStringLiteral("GENOTİPİ: Angus")};
}

void TestBeefModel::descriptionLines()
{
  QFETCH(quint32, type);
  QFETCH(PageEdit, edit);
  QFETCH(QStringList, lines);
  BeefInputPages pages = pagesFor(type);
  edit(pages);
  const auto m = rowsFor(type, pages);
  QVERIFY(m->LDDEG);
  QCOMPARE(m->AANIDESC, lines);
}

// ---- inputs the equations cannot take ------------------------------------------

void TestBeefModel::unusableInputsEndSilently_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<PageEdit>("edit");
  auto grazing = [](BeefInputPages &p) {
    p.management.grazing = true;
    p.management.pastureArea = QStringLiteral("10");
    p.management.pastureMass = QStringLiteral("900");
    p.management.pastureTdn = QStringLiteral("60");
    p.management.grazingDays = QStringLiteral("60");
    p.management.grazingAnimals = QStringLiteral("40");
  };
  QTest::newRow("typed breed, pure") << quint32(GrowFinish)
                                     << PageEdit([](BeefInputPages &p) { p.animal.firstBreedItem = 0; });
  QTest::newRow("typed second breed, two-way") << quint32(GrowFinish) << PageEdit([](BeefInputPages &p) {
    p.animal.breedSystem = BreedSystem::TwoWay;
    p.animal.secondBreedItem = 0;
  });
  QTest::newRow("typed third breed, three-way") << quint32(DryCow) << PageEdit([](BeefInputPages &p) {
    p.animal.breedSystem = BreedSystem::ThreeWay;
    p.animal.thirdBreedItem = 0;
  });
  QTest::newRow("typed terrain while grazing") << quint32(GrowFinish) << PageEdit([grazing](BeefInputPages &p) {
    grazing(p);
    p.management.terrainItem = 0;
  });
  QTest::newRow("typed mud") << quint32(GrowFinish) << PageEdit([](BeefInputPages &p) { p.environment.mudItem = 0; });
  QTest::newRow("typed target fat level") << quint32(GrowFinish)
                                          << PageEdit([](BeefInputPages &p) { p.animal.fatLevelItem = 0; });
  QTest::newRow("live weight 0") << quint32(GrowFinish)
                                 << PageEdit([](BeefInputPages &p) { p.animal.liveWeight = QStringLiteral("0"); });
  QTest::newRow("live weight not a number") << quint32(BreedingBull)
                                            << PageEdit([](BeefInputPages &p) { p.animal.liveWeight = QStringLiteral("abc"); });
  QTest::newRow("mature weight 0, cow") << quint32(DryCow)
                                        << PageEdit([](BeefInputPages &p) { p.animal.matureWeight = QStringLiteral("0"); });
  QTest::newRow("mature weight 0, bull") << quint32(BreedingBull)
                                         << PageEdit([](BeefInputPages &p) { p.animal.matureWeight = QStringLiteral("0"); });
  QTest::newRow("negative gain") << quint32(GrowFinish)
                                 << PageEdit([](BeefInputPages &p) { p.animal.dailyGain = QStringLiteral("-0.5"); });
  QTest::newRow("peak week 0") << quint32(LactatingCow)
                               << PageEdit([](BeefInputPages &p) { p.reproduction->peakWeek = QStringLiteral("0"); });
  QTest::newRow("peak week below one") << quint32(LactatingCow)
                                       << PageEdit([](BeefInputPages &p) { p.reproduction->peakWeek = QStringLiteral("0.5"); });
  QTest::newRow("peak milk 0") << quint32(LactatingCow)
                               << PageEdit([](BeefInputPages &p) { p.reproduction->peakMilk = QStringLiteral("0.00"); });
  QTest::newRow("no grazing animals") << quint32(GrowFinish) << PageEdit([grazing](BeefInputPages &p) {
    grazing(p);
    p.management.grazingAnimals = QStringLiteral("0");
  });
  QTest::newRow("no grazing days") << quint32(BreedingHeifer) << PageEdit([grazing](BeefInputPages &p) {
    grazing(p);
    p.management.grazingDays = QStringLiteral("0");
  });
}

void TestBeefModel::unusableInputsEndSilently()
{
  QFETCH(quint32, type);
  QFETCH(PageEdit, edit);
  BeefInputPages pages = pagesFor(type);
  {
    const auto fine = rowsFor(type, pages);
    QVERIFY(fine->LDDEG);  // the fixture itself is usable
  }
  edit(pages);
  Run run(type, pages);
  const auto m = run.estimate(1);
  QCOMPARE(run.dialogs.inputsAsked, 1);
  QVERIFY(!m->LDDEG);
  QVERIFY(m->ABMREQM.isEmpty());
  QVERIFY(m->AANIDESC.isEmpty());
  QVERIFY(run.interaction.shown.isEmpty());
}

// ---- faults the rows must not have --------------------------------------------

void TestBeefModel::negativeRequirementEntersAsZero()
{
  // A dry open cow gaining nothing: the microbes supply more protein than she
  // needs, so the undegradable protein comes out negative.
  BeefInputPages pages = pagesFor(DryCow);
  pages.reproduction->daysPregnant = QStringLiteral("0");
  const auto m = rowsFor(DryCow, pages);
  QVERIFY(m->LDDEG);
  QVERIFY(m->fields().NRUPREQ < -10.0);
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("RUP"))->lower, QStringLiteral("     0.0000"));
  // The computed sign stays in the model for the reports.
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("HP"))->lower, cell(m->fields().NHPREQ, 5, 0));
}

void TestBeefModel::vitaminRowsAreDailyAmounts()
{
  const auto m = rowsFor(GrowFinish, pagesFor(GrowFinish));
  const BeefFields &f = m->fields();
  QCOMPARE(f.AVITMIN.at(11).amount, 2200.0);  // the table stays per kg DM
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("VITA"))->lower, cell(2200.0 * f.NDMI, 6, 0));
  QCOMPARE(rowNamed(m->ABMREQM, QStringLiteral("VITD"))->lower, cell(275.0 * f.NDMI, 6, 0));
  QVERIFY(rt::Val(rowNamed(m->ABMREQM, QStringLiteral("VITA"))->lower) > 2200.0);
}

void TestBeefModel::lateGestationPast282Days()
{
  auto calcium = [](const QString &days) {
    BeefInputPages pages = pagesFor(DryCow);
    pages.reproduction->daysPregnant = days;
    const auto m = rowsFor(DryCow, pages);
    return m->fields().NKALSIYUMREQ;
  };
  const double open = calcium(QStringLiteral("0"));
  const double term = 31.0 * ((13.7 / 90.0) / 0.5);
  QVERIFY(qAbs(calcium(QStringLiteral("282")) - (open + term)) < 1e-9);
  QVERIFY(qAbs(calcium(QStringLiteral("290")) - (open + term)) < 1e-9);
}

void TestBeefModel::coldStressAtMinusTen()
{
  // A wet coat in a 15 km/h wind: comfortable at 20 °C, cold at -10 °C.
  BeefInputPages mild = pagesFor(GrowFinish);
  mild.environment.windSpeed = QStringLiteral("15");
  mild.environment.hideConditionItem = 3;
  BeefInputPages cold = mild;
  cold.environment.temperature = QStringLiteral("-10");
  const auto m20 = rowsFor(GrowFinish, mild);
  const auto m10 = rowsFor(GrowFinish, cold);
  const BeefFields &a = m20->fields(), &b = m10->fields();
  QCOMPARE(a.NMECOLD, 0.0);
  QVERIFY(b.NMECOLD > 0.0);
  QVERIFY(b.NNEMCOLD > 0.0);
  QCOMPARE(b.NTEMPDMIMULT, 1.07);
  QVERIFY(b.NNETOTAL > a.NNETOTAL + 1.0);
  QVERIFY(rt::Val(rowNamed(m10->ABMREQM, QStringLiteral("NEY"))->lower)
          > rt::Val(rowNamed(m20->ABMREQM, QStringLiteral("NEY"))->lower));
}

QTEST_GUILESS_MAIN(TestBeefModel)
#include "tst_beefmodel.moc"
