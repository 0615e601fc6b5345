#include "mergefixture.h"

#include "requirements/beef/beefinputprovider.h"
#include "requirements/beef/nr_beef_catle.h"
#include "requirements/dairy/dairyinputprovider.h"
#include "requirements/dairy/nutreqestimate.h"
#include "requirements/reportclock.h"
#include "shell/requirementcommands.h"
#include "shell/requirementmerge.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

Q_DECLARE_METATYPE(vz::RationProblem)

namespace {

const QStringList Description = {QStringLiteral("CANLI AĞIRLIK (C.A. Kg): 600"),
                                 QStringLiteral("SÜT ÜRETİMİ (Kg): 30")};

// What a model hands over: "HP" meets the problem's "HP"; "Hp" (case) and
// "SE" (a prefix of "SELENYUM") meet nothing; "LIZIN" is not in the problem.
RequirementRows estimateRows()
{
  return {req(QStringLiteral("KMT"), QStringLiteral("Kg/Kg"), cell(18.5), blank()),
          req(QStringLiteral("KMO"), QStringLiteral("%"), blank(), blank()),
          req(QStringLiteral("HP"), QStringLiteral("Kg"), blank(), cell(2.6)),
          req(QStringLiteral("Hp"), QStringLiteral("Kg"), blank(), cell(9.9)),
          req(QStringLiteral("SE"), QStringLiteral("mg"), blank(), cell(0.3)),
          req(QStringLiteral("NEL"), QStringLiteral("Mcal"), blank(), cell(31)),
          req(QStringLiteral("LIZIN"), QStringLiteral("g"), blank(), cell(100))};
}

RequirementEstimate completedEstimate()
{
  RequirementEstimate e;
  e.LDDEG = true;
  e.ABMREQM = estimateRows();
  e.AANIDESC = Description;
  return e;
}

// Six nutrients (none with a value unless `withValues`), three feedstuffs with
// manual amounts, one ratio and an older description.
RationProblem fullProblem(bool withValues)
{
  RationProblem p;
  p.feeds = {ym(QStringLiteral("ARPA"), 3.2), ym(QStringLiteral("MISIR"), 3.5), ym(QStringLiteral("YONCA KURU"), 2.1)};
  p.nutrients = {bm(QStringLiteral("KMT"), QStringLiteral("Kg/Kg")),
                 bm(QStringLiteral("KMO"), QStringLiteral("%")),
                 bm(QStringLiteral("HP"), QStringLiteral("%"), blank(), withValues ? cell(2) : blank()),
                 bm(QStringLiteral("SELENYUM"), QStringLiteral("mg")),
                 bm(QStringLiteral("NEL"), QStringLiteral("Mcal"), blank(), blank(), withValues ? cell(40) : blank()),
                 bm(QStringLiteral("ÖZEL BM"), QStringLiteral("g"))};
  p.matrix = {{cell(1), cell(1), cell(1)},
              {cell(88), cell(89), cell(91)},
              {cell(11.5), cell(9), cell(17)},
              {cell(0.1), cell(0.05), cell(0.3)},
              {cell(1.9), cell(2), cell(1.3)},
              {blank(), cell(4), blank()}};
  p.ratios = {{QStringLiteral("HP").leftJustified(15), QStringLiteral("NEL").leftJustified(15), blank(), cell(0.1), blank()}};
  p.feedAmounts = {cell(2, 3), cell(5, 3), blank()};
  p = settled(p);
  p.params = QStringList{QStringLiteral("G"), QStringLiteral("5.000"), QStringLiteral("TL"), QStringLiteral("Kg")};
  p.animalDescription = {QStringLiteral("ESKİ TANIM: 1")};
  return p;
}

// fullProblem after a merge by name: rows 0, 1, 2 and 4 replaced, their
// units in the unit list; the names, the matrix and the rest unchanged.
RationProblem mergedByName(bool withValues)
{
  RationProblem p = fullProblem(withValues);
  const RequirementRows r = estimateRows();
  p.nutrients[0] = r.at(0).toList();
  p.nutrients[1] = r.at(1).toList();
  p.nutrients[2] = r.at(2).toList();
  p.nutrients[4] = r.at(5).toList();
  p.nutrientUnits[2] = QStringLiteral("Kg");
  p.animalDescription = Description;
  p.changed.params = p.changed.nutrientNames = true;
  return p;
}

// A whole replacement: the estimate's rows are the nutrients; the feedstuffs
// of `before` stay, with "1.0000" under "KMT" and `carried` rows kept by name.
RationProblem replacedWhole(const RationProblem &before, const QMap<QString, QStringList> &carried = {})
{
  RationProblem p = before;
  p.nutrients.clear();
  p.matrix.clear();
  for (const RequirementRow &r : estimateRows()) {
    p.nutrients.append(r.toList());
    const QString name = r.name.trimmed();
    if (carried.contains(name))
      p.matrix.append(carried.value(name));
    else
      p.matrix.append(QStringList(before.feeds.size(), name == QLatin1String("KMT") ? cell(1) : blank()));
  }
  p.rebuildNutrientLists();
  p.animalDescription = Description;
  p.changed.params = p.changed.nutrientNames = p.changed.feedNames = true;
  return p;
}

void compareProblems(const RationProblem &actual, const RationProblem &expected)
{
  QCOMPARE(actual.nutrients, expected.nutrients);
  QCOMPARE(actual.nutrientNames, expected.nutrientNames);
  QCOMPARE(actual.nutrientUnits, expected.nutrientUnits);
  QCOMPARE(actual.feeds, expected.feeds);
  QCOMPARE(actual.feedNames, expected.feedNames);
  QCOMPARE(actual.feedAmounts, expected.feedAmounts);
  QCOMPARE(actual.matrix, expected.matrix);
  QCOMPARE(actual.ratios, expected.ratios);
  QCOMPARE(actual.params, expected.params);
  QCOMPARE(actual.animalDescription, expected.animalDescription);
  QVERIFY(actual.changed == expected.changed);
  QVERIFY(actual == expected);
}

class ScriptedDairy : public DairyInputProvider {
public:
  STipiSecResult type;
  std::optional<LactCatleInput> cow;
  QStringList shown;
  STipiSecResult askType(int) override
  {
    shown.append(QStringLiteral("STIPISECW"));
    return type;
  }
  std::optional<GrowCatleInput> askGrowing() override { return std::nullopt; }
  std::optional<LactCatleInput> askCow() override
  {
    shown.append(QStringLiteral("LACTCATLEDW"));
    return cow;
  }
  std::optional<MatBulInput> askBull() override { return std::nullopt; }
};

class ScriptedBeef : public beef::BeefInputProvider {
public:
  std::optional<beef::BeefTypeChoice> type;
  std::optional<beef::BeefInputPages> pages;
  std::optional<beef::BeefTypeChoice> askAnimalType() override { return type; }
  std::optional<beef::BeefInputPages> askInputs(const beef::BeefTypeChoice &) override { return pages; }
};

LactCatleInput milkingCow()
{
  LactCatleInput in;
  in.NENECONS = 1.00;
  in.NCANAGIR = 600;
  in.NSUTVERI = 30;
  in.NSYAGTES = 3.5;
  in.NGEBESAY = 2;
  in.NYEMTUKE = 1;
  return in;
}

// A growing bull calf of 350 kg gaining 1.2 kg a day.
beef::BeefInputPages growingBull()
{
  beef::BeefInputPages p;
  p.animal.age = QStringLiteral("12");
  p.animal.liveWeight = QStringLiteral("350");
  p.animal.matureWeight = QStringLiteral("550");
  p.animal.dailyGain = QStringLiteral("1.2");
  return p;
}

QString examplePath()
{
  return qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD");
}

} // namespace

class TestRequirementMerge : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { OpenProblem::close(); }

  void merge_data()
  {
    QTest::addColumn<RationProblem>("before");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<RationProblem>("expected");

    using O = RequirementMerge::Outcome;
    QTest::newRow("by name, no values: no question")
        << fullProblem(false) << QList<bool>{} << int(O::MergedByName) << false << mergedByName(false);
    QTest::newRow("by name, values: Yes replaces")
        << fullProblem(true) << QList<bool>{true} << int(O::MergedByName) << true << mergedByName(true);
    QTest::newRow("by name, values: No changes nothing")
        << fullProblem(true) << QList<bool>{false} << int(O::Declined) << true << fullProblem(true);

    RationProblem strangers = fullProblem(false);
    strangers.nutrients = {bm(QStringLiteral("KMTX"), QStringLiteral("Kg")), bm(QStringLiteral("SELENYUM"), QStringLiteral("mg"))};
    strangers.matrix = strangers.matrix.mid(0, 2);
    strangers = settled(strangers);
    RationProblem strangersAfter = strangers;
    strangersAfter.animalDescription = Description;
    strangersAfter.changed.params = strangersAfter.changed.nutrientNames = true;
    QTest::newRow("by name, none meets: description only")
        << strangers << QList<bool>{} << int(O::MergedByName) << false << strangersAfter;

    RationProblem empty;
    empty.params = RationProblem::defaultParams();
    QTest::newRow("whole, new empty problem")
        << empty << QList<bool>{} << int(O::ReplacedWhole) << false << replacedWhole(empty);

    // As after opening a file with feedstuffs and no nutrients.
    RationProblem onlyKmt = fullProblem(false);
    onlyKmt.nutrients = onlyKmt.nutrients.mid(0, 1);
    onlyKmt.matrix = onlyKmt.matrix.mid(0, 1);
    onlyKmt.ratios.clear();
    onlyKmt = settled(onlyKmt);
    QTest::newRow("whole, only KMT: feedstuffs kept")
        << onlyKmt << QList<bool>{} << int(O::ReplacedWhole) << false << replacedWhole(onlyKmt);

    RationProblem onlyHp = onlyKmt;
    onlyHp.nutrients = {bm(QStringLiteral("HP"), QStringLiteral("%"), blank(), cell(2))};
    onlyHp.matrix = {{cell(11.5), cell(9), cell(17)}};
    onlyHp = settled(onlyHp);
    QTest::newRow("whole, one nutrient: its composition kept")
        << onlyHp << QList<bool>{} << int(O::ReplacedWhole) << false
        << replacedWhole(onlyHp, {{QStringLiteral("HP"), onlyHp.matrix.first()}});
  }

  void merge()
  {
    QFETCH(RationProblem, before);
    QFETCH(QList<bool>, answers);
    QFETCH(int, outcome);
    QFETCH(bool, asked);
    QFETCH(RationProblem, expected);

    ScriptedInteraction ui;
    for (bool a : answers)
      ui.yesNoAnswers.enqueue(a);
    RationProblem p = before;
    const RequirementMerge::Outcome got = RequirementMerge::merge(p, estimateRows(), Description, ui);
    QCOMPARE(int(got), outcome);
    compareProblems(p, expected);
    QCOMPARE(ui.texts(QStringLiteral("yesno")).size(), asked ? 1 : 0);
    if (asked) {
      QCOMPARE(ui.shown.first().caption, QStringLiteral("Uyarı"));
      QCOMPARE(ui.shown.first().text,
               QStringLiteral("Yeni sığır Besin Maddesi (BM) ihtiyaç tahmin hesapları yürüttünüz...\n"
                              "Mevcut ihtiyaçlarla ikame edilsin mi?\n\n"
                              "NOT: Sadece aynı tip hayvan ve standart BM isimleri için geçerlidir."));
    }
  }

  void rowsCommand_data()
  {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<bool>("windowsClose");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("changed");

    using O = RequirementCommands::RowsOutcome;
    QTest::newRow("merged") << true << true << true << true << int(O::MergedByName) << true;
    QTest::newRow("no problem open") << false << true << true << true << int(O::NoProblem) << false;
    QTest::newRow("estimate cancelled") << true << false << true << true << int(O::NotCompleted) << false;
    QTest::newRow("a window stays open") << true << true << false << true << int(O::WindowsStayedOpen) << false;
    QTest::newRow("No to the question") << true << true << true << false << int(O::Declined) << false;
  }

  void rowsCommand()
  {
    QFETCH(bool, open);
    QFETCH(bool, completed);
    QFETCH(bool, windowsClose);
    QFETCH(bool, answer);
    QFETCH(int, outcome);
    QFETCH(bool, changed);

    QTemporaryDir dir;
    std::unique_ptr<OpenProblem> file;
    if (open) {
      file = std::make_unique<OpenProblem>(dir, QStringLiteral("SUT.RVD"), fullProblem(true));
      QVERIFY(file->ok());
    }
    AppSession &s = AppSession::instance();
    const RationProblem before = s.problem();

    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(answer);
    FakeEstimator model;
    model.answer = completed ? completedEstimate() : RequirementEstimate();
    QStringList calls;
    RequirementCommands::Hooks hooks;
    hooks.closeProblemWindows = [&] {
      calls.append(QStringLiteral("close"));
      return windowsClose;
    };
    hooks.problemChanged = [&] { calls.append(QStringLiteral("MI_ENADISABLE")); };

    const auto got = RequirementCommands::estimateRows(s, ui, model.factory(ui), hooks);
    QCOMPARE(int(got), outcome);
    if (!open) {
      QVERIFY(model.modes.isEmpty());
      QVERIFY(calls.isEmpty());
      return;
    }
    // The box is gone before the model's first dialog.
    QCOMPARE(model.modes, QList<int>{1});
    QCOMPARE(model.eventsAtStart, (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
    QVERIFY(!model.boxOpenAtStart);
    QCOMPARE(ui.pleaseWaitOpen, 0);

    QStringList expectedCalls;
    if (completed)
      expectedCalls << QStringLiteral("close");
    if (changed)
      expectedCalls << QStringLiteral("MI_ENADISABLE");
    QCOMPARE(calls, expectedCalls);
    if (changed)
      compareProblems(s.problem(), mergedByName(true));
    else
      compareProblems(s.problem(), before);
    QCOMPARE(ui.texts(QStringLiteral("warning")),
             windowsClose ? QStringList() : QStringList{RequirementCommands::windowsStayedOpenText()});
  }

  // A window still open holds the requirements as they were typed; its copy-
  // back must come before the merge, and the question must see what it wrote.
  void windowsCopyBackBeforeMerge()
  {
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("SUT.RVD"), fullProblem(false));
    QVERIFY(file.ok());
    AppSession &s = AppSession::instance();
    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(true);
    FakeEstimator model;
    model.answer = completedEstimate();
    RequirementCommands::Hooks hooks;
    hooks.closeProblemWindows = [&] {
      s.problem().nutrients[4][BmLower] = cell(99);   // "NEL", which the estimate names
      s.problem().nutrients[3][BmLower] = cell(0.2);  // "SELENYUM", which it does not
      return true;
    };
    int menu = 0;
    hooks.problemChanged = [&] { ++menu; };
    QCOMPARE(RequirementCommands::estimateRows(s, ui, model.factory(ui), hooks),
             RequirementCommands::RowsOutcome::MergedByName);
    QCOMPARE(ui.texts(QStringLiteral("yesno")).size(), 1);
    QCOMPARE(s.problem().nutrients.at(4), estimateRows().at(5).toList());
    QCOMPARE(s.problem().nutrients.at(3).at(BmLower), cell(0.2));
    QCOMPARE(menu, 1);
  }

  void reportCommand_data()
  {
    QTest::addColumn<bool>("open");
    QTest::newRow("problem open") << true;
    QTest::newRow("no problem open") << false;
  }

  void reportCommand()
  {
    QFETCH(bool, open);
    QTemporaryDir dir;
    std::unique_ptr<OpenProblem> file;
    if (open)
      file = std::make_unique<OpenProblem>(dir, QStringLiteral("SUT.RVD"), fullProblem(true));
    AppSession &s = AppSession::instance();
    const RationProblem before = s.problem();
    ScriptedInteraction ui;
    FakeEstimator model;
    model.answer = completedEstimate();
    RequirementCommands::estimateReport(ui, model.factory(ui));
    QCOMPARE(model.modes, QList<int>{2});
    QVERIFY(!model.boxOpenAtStart);
    QCOMPARE(model.eventsAtStart.size(), 2);
    QVERIFY(ui.shown.isEmpty());
    QVERIFY(s.problem() == before);
  }

  void mergeSaveReload_data()
  {
    QTest::addColumn<RationProblem>("before");
    QTest::newRow("by name") << fullProblem(true);
    RationProblem onlyKmt = fullProblem(false);
    onlyKmt.nutrients = onlyKmt.nutrients.mid(0, 1);
    onlyKmt.matrix = onlyKmt.matrix.mid(0, 1);
    onlyKmt.ratios.clear();
    QTest::newRow("whole, feedstuffs kept") << settled(onlyKmt);
    RationProblem empty;
    QTest::newRow("whole, empty problem") << empty;
  }

  void mergeSaveReload()
  {
    QFETCH(RationProblem, before);
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("KAYIT.RVD"), before);
    QVERIFY(file.ok());
    AppSession &s = AppSession::instance();
    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(true);
    FakeEstimator model;
    model.answer = completedEstimate();
    RequirementCommands::estimateRows(s, ui, model.factory(ui), {});
    QVERIFY(s.problem().changed.any());
    QVERIFY2(s.problemFile()->PROBDBFUPDATE(s.problem()), qPrintable(s.problemFile()->errorString()));
    QVERIFY(!s.problem().changed.any());

    RationProblem merged = s.problem();
    OpenProblem::close();
    const RationProblem back = reload(file.path());
    compareProblems(back, merged);
    QCOMPARE(back.animalDescription, Description);
  }

  // The models themselves, their dialogs answered from a script, merged into
  // the shipped example.
  void modelRowsOnExample_data()
  {
    QTest::addColumn<bool>("dairy");
    QTest::newRow("dairy cow") << true;
    QTest::newRow("beef growing bull") << false;
  }

  void modelRowsOnExample()
  {
    QFETCH(bool, dairy);
    QVERIFY(QFile::exists(examplePath()));
    QTemporaryDir dir;
    const RationProblem example = reload(examplePath());
    QVERIFY(example.nutrients.size() >= 2);
    OpenProblem file(dir, QStringLiteral("ORNEK_SUT_INEGI.RVD"), example);
    QVERIFY(file.ok());
    AppSession &s = AppSession::instance();

    const ReportClock clock(QDateTime(QDate(2026, 3, 14), QTime(9, 30)));
    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(true);  // the example holds requirements already
    ScriptedDairy dairyDialogs;
    dairyDialogs.type = {2, 1};
    dairyDialogs.cow = milkingCow();
    ScriptedBeef beefDialogs;
    beefDialogs.type = beef::BeefTypeChoice{};
    beefDialogs.pages = growingBull();
    int menu = 0;
    RequirementCommands::Hooks hooks;
    hooks.problemChanged = [&] { ++menu; };
    const auto factory = dairy ? RequirementCommands::dairyEstimator(ui, dairyDialogs, clock)
                               : RequirementCommands::beefEstimator(ui, beefDialogs, clock);
    const auto got = RequirementCommands::estimateRows(s, ui, factory, hooks);
    QCOMPARE(got, RequirementCommands::RowsOutcome::MergedByName);
    if (dairy)
      QCOMPARE(dairyDialogs.shown, (QStringList{QStringLiteral("STIPISECW"), QStringLiteral("LACTCATLEDW")}));
    QCOMPARE(ui.events.mid(0, 2), (QStringList{QStringLiteral("pleasewait+"), QStringLiteral("pleasewait-")}));
    QCOMPARE(ui.texts(QStringLiteral("yesno")).size(), 1);
    QCOMPARE(menu, 1);

    // The same animal once more, straight from the model.
    ScriptedInteraction quiet;
    RequirementEstimate reference;
    if (dairy) {
      ScriptedDairy again = dairyDialogs;
      reference = NUTREQESTIMATE(EstimatorOwner{quiet, clock}, again, 1);
    } else {
      ScriptedBeef again = beefDialogs;
      reference = beef::NR_BEEF_CATLE(EstimatorOwner{quiet, clock}, again, 1);
    }
    QVERIFY(reference.LDDEG);

    const RationProblem &p = s.problem();
    QCOMPARE(p.nutrients.first(), reference.ABMREQM.first().toList());  // "KMT" with its intake
    int replaced = 0;
    for (int i = 0; i < example.nutrients.size(); ++i) {
      const QString name = example.nutrients.at(i).at(BmName).trimmed();
      QStringList expected = example.nutrients.at(i);
      for (const RequirementRow &r : reference.ABMREQM)
        if (r.name.trimmed() == name) {
          expected = r.toList();
          ++replaced;
          break;
        }
      QCOMPARE(p.nutrients.at(i), expected);
    }
    QVERIFY(replaced >= 3);
    QCOMPARE(p.nutrientNames, example.nutrientNames);
    QCOMPARE(p.matrix, example.matrix);
    QCOMPARE(p.feeds, example.feeds);
    QCOMPARE(p.animalDescription, reference.AANIDESC);
    QVERIFY(!p.animalDescription.isEmpty());
    QVERIFY(p.changed.params && p.changed.nutrientNames);
    QVERIFY(!p.changed.matrix && !p.changed.feedNames);
  }

  void cancelledAtFirstDialog_data()
  {
    QTest::addColumn<bool>("dairy");
    QTest::newRow("dairy") << true;
    QTest::newRow("beef") << false;
  }

  void cancelledAtFirstDialog()
  {
    QFETCH(bool, dairy);
    QTemporaryDir dir;
    OpenProblem file(dir, QStringLiteral("SUT.RVD"), fullProblem(true));
    AppSession &s = AppSession::instance();
    const RationProblem before = s.problem();
    const ReportClock clock(QDateTime(QDate(2026, 3, 14), QTime(9, 30)));
    ScriptedInteraction ui;
    ScriptedDairy dairyDialogs;  // type 0: cancelled
    ScriptedBeef beefDialogs;    // no type: cancelled
    int menu = 0;
    RequirementCommands::Hooks hooks;
    hooks.problemChanged = [&] { ++menu; };
    const auto factory = dairy ? RequirementCommands::dairyEstimator(ui, dairyDialogs, clock)
                               : RequirementCommands::beefEstimator(ui, beefDialogs, clock);
    QCOMPARE(RequirementCommands::estimateRows(s, ui, factory, hooks),
             RequirementCommands::RowsOutcome::NotCompleted);
    QVERIFY(s.problem() == before);
    QCOMPARE(menu, 0);
    QVERIFY(ui.shown.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestRequirementMerge)
#include "tst_requirementmerge.moc"
