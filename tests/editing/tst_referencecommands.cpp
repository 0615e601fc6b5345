// Building and extending a problem from the reference matrix, with every
// question answered through the scripted stand-in.
#include "editing/referencecommands.h"
#include "editingfixture.h"
#include "optimizer/vzyroptimizer.h"
#include "referencefixture.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;
using namespace vz::refcommands;

namespace {

using Command = bool (*)(const QString &, RationProblem &, Interaction &);

QStringList row(const char *name, const char *unit = "")
{
  return {rt::PadR(QString::fromUtf8(name), 15), cell(unit), blank11(), blank11(), blank11()};
}

// Nutrients KMT, "HamProtein" (no reference column) and NDF; feedstuffs Arpa,
// Mısır (both in the reference) and Saman (not).
RationProblem handTyped()
{
  RationProblem p;
  p.feeds = {{rt::PadR(QStringLiteral("Arpa"), 15), cell("5.000"), blank11(), blank11(), blank11()},
             {rt::PadR(QStringLiteral("Mısır"), 15), cell("6.000"), blank11(), blank11(), blank11()},
             {rt::PadR(QStringLiteral("Saman"), 15), cell("1.000"), blank11(), blank11(), blank11()}};
  p.nutrients = {row("KMT", "Kg/Kg"), row("HamProtein", "g/Kg"), row("NDF", "Kg/Kg")};
  p.matrix = {{cell("1.0000"), cell("1.0000"), cell("1.0000")},
              {cell("120.0000"), cell("90.0000"), cell("40.0000")},
              {cell("0.2000"), cell("0.1000"), cell("0.7000")}};
  p.params = RationProblem::defaultParams();
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  return p;
}

void picks(ScriptedInteraction &ui, std::initializer_list<QList<int>> answers)
{
  for (const QList<int> &a : answers)
    ui.chooseManyAnswers.enqueue(a);
}

void checkShape(const RationProblem &p)
{
  QCOMPARE(p.feeds.size(), p.feedNames.size());
  QCOMPARE(p.nutrients.size(), p.nutrientNames.size());
  QCOMPARE(p.nutrientUnits.size(), p.nutrientNames.size());
  QCOMPARE(p.matrix.size(), p.nutrients.size());
  for (const QStringList &r : p.matrix)
    QCOMPARE(r.size(), p.feeds.size());
}

} // namespace

class TestReferenceCommands : public QObject {
  Q_OBJECT

private slots:
  void init();

  void missingMatrix_data();
  void missingMatrix();
  void buildAndOptimise();
  void buildKeepsChosenOrderAndKmo();
  void buildAsksBeforeReplacing_data();
  void buildAsksBeforeReplacing();
  void buildCancelledChoiceChangesNothing();
  void moreThan85FeedstuffsRefused_data();
  void moreThan85FeedstuffsRefused();
  void addFeedsPairing_data();
  void addFeedsPairing();
  void addFeedsComparesStoredNames();
  void unnamedAndRepeatedRecordsNamed();
  void lookAlikeNamesKeepTheirOwnValues_data();
  void lookAlikeNamesKeepTheirOwnValues();
  void addFeedsBesideACutName_data();
  void addFeedsBesideACutName();
  void eightyFiveLookAlikes();
  void narrowColumnRefused();
  void addNutrientsPairing_data();
  void addNutrientsPairing();
  void addNutrientsToProblemWithoutNutrients();

private:
  std::unique_ptr<QTemporaryDir> m_owned;
  QString dir() const { return m_owned->path(); }
};

void TestReferenceCommands::init()
{
  m_owned = std::make_unique<QTemporaryDir>();
  QVERIFY(writeReference(dir()));
}

void TestReferenceCommands::missingMatrix_data()
{
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("caption");
  QTest::newRow("build") << 0 << QStringLiteral("Uyarı");
  QTest::newRow("add feedstuffs") << 1 << QStringLiteral("Uyarı");
  QTest::newRow("add nutrients") << 2 << QStringLiteral("Uyarı...");
}

void TestReferenceCommands::missingMatrix()
{
  QFETCH(int, command);
  QFETCH(QString, caption);
  const Command commands[] = {&AMAT_OLUSTUR_GR, &AMAT_YMEKLE_GR, &AMAT_BMEKLE_GR};
  QTemporaryDir empty;
  RationProblem p = handTyped();
  const RationProblem before = p;
  ScriptedInteraction ui;
  picks(ui, {{1}, {1}});
  QVERIFY(!commands[command](empty.path(), p, ui));
  QCOMPARE(ui.shown.size(), 1);
  QCOMPARE(ui.shown.at(0).kind, QStringLiteral("warning"));
  QCOMPARE(ui.shown.at(0).text, QStringLiteral("MATKUMAD.DBF dosyası yok..!"));
  QCOMPARE(ui.shown.at(0).caption, caption);
  QVERIFY(p == before);
  QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("MATKUMAD.DBF"))));  // never created here
}

void TestReferenceCommands::buildAndOptimise()
{
  // HP and NEL chosen; KMO joins them: KMT, KMO, HP, NEL for Arpa, Yonca and Soya.
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{4, 2}, {1, 3, 4}});
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  QCOMPARE(ui.shown.size(), 2);  // the two choices, no question for an empty problem
  QCOMPARE(ui.shown.at(0).caption, QStringLiteral("Besin Maddesi Seçimi"));
  QCOMPARE(ui.shown.at(1).caption, QStringLiteral("Yem Maddesi Seçimi"));
  checkShape(p);
  QCOMPARE(p.nutrientNames, (QStringList{"KMT", "KMO", "HP", "NEL"}));
  QCOMPARE(p.nutrientUnits, (QStringList{"Kg/Kg", "%", "g/Kg", "MCal/Kg"}));
  QCOMPARE(p.nutrients.at(1), row("KMO", "%"));
  QCOMPARE(p.feedNames, (QStringList{"Arpa", "Yonca Kuru Otu Tam Çiçek", "Soya Küspesi"}));
  QCOMPARE(p.feeds.at(1), (QStringList{QStringLiteral("Yonca Kuru Otu "), cell("4.000"), blank11(), blank11(), blank11()}));
  QCOMPARE(p.matrix.at(0), QStringList(3, cell("1.0000")));
  QCOMPARE(p.matrix.at(2), (QStringList{cell("124.0000"), cell("192.0000"), cell("499.0000")}));
  QCOMPARE(p.matrix.at(3), (QStringList{cell("1.8600"), cell("1.2400"), cell("2.1300")}));
  QVERIFY(p.changed.matrix && p.changed.feedNames && p.changed.nutrientNames);
  QVERIFY(!p.changed.feedAmounts);

  // 20 kg of dry matter with at least 3,400 g protein and 36 Mcal NEL.
  p.nutrients[0][BmFixed] = cell("20.0000");
  p.nutrients[2][BmLower] = cell("3400.0000");
  p.nutrients[3][BmLower] = cell("36.0000");
  QString report;
  ScriptedInteraction optUi;
  VZYR_OPTIMIZER run(p, QDir(dir()).filePath(QStringLiteral("YENI.RVD")), optUi,
                     [&](const QString &path) { report = path; });
  QCOMPARE(run.outcome(), VZYR_OPTIMIZER::Outcome::ReportWritten);
  QVERIFY(run.solution()->found);
  QVERIFY(qAbs(run.solution()->totalDryMatter - 20.0) < 0.01);  // amounts are rounded to grams
  double protein = 0, nel = 0;
  const double hp[] = {124, 192, 499}, ne[] = {1.86, 1.24, 2.13};
  for (int j = 0; j < 3; ++j) {
    protein += hp[j] * run.solution()->feeds.at(j).amount;
    nel += ne[j] * run.solution()->feeds.at(j).amount;
  }
  QVERIFY2(protein >= 3400 - 1, qPrintable(QString::number(protein)));
  QVERIFY2(nel >= 36 - 0.01, qPrintable(QString::number(nel)));
  QVERIFY(!report.isEmpty());
  run.DESTROY_OLDS();
}

void TestReferenceCommands::buildKeepsChosenOrderAndKmo()
{
  // KMO chosen by hand stays where the table puts it and comes once; an
  // empty reference cell is an empty matrix cell.
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{6, 1}, {2}});
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  QCOMPARE(p.nutrientNames, (QStringList{"KMT", "KMO", "VITA"}));
  QCOMPARE(p.matrix.at(2), QStringList{blank11()});
}

void TestReferenceCommands::buildAsksBeforeReplacing_data()
{
  QTest::addColumn<bool>("yes");
  QTest::newRow("yes") << true;
  QTest::newRow("no") << false;
}

void TestReferenceCommands::buildAsksBeforeReplacing()
{
  QFETCH(bool, yes);
  RationProblem p = handTyped();
  p.feedAmounts = {cell("2.000"), cell("3.000"), blank11()};
  const RationProblem before = p;
  ScriptedInteraction ui;
  picks(ui, {{2}, {1, 2}});
  ui.yesNoAnswers.enqueue(yes);
  QCOMPARE(AMAT_OLUSTUR_GR(dir(), p, ui), yes);
  const QList<ScriptedInteraction::Shown> questions = [&] {
    QList<ScriptedInteraction::Shown> q;
    for (const auto &s : ui.shown)
      if (s.kind == QLatin1String("yesno"))
        q.append(s);
    return q;
  }();
  QCOMPARE(questions.size(), 1);
  QCOMPARE(questions.at(0).caption, QStringLiteral("Uyarı..."));
  if (!yes) {
    QVERIFY(p == before);
    return;
  }
  checkShape(p);
  QCOMPARE(p.feedNames, (QStringList{"Arpa", "Mısır"}));
  QCOMPARE(p.ratios, before.ratios);  // the ratios are left as they were
  QVERIFY(p.feedAmounts.isEmpty());   // the old amounts belonged to other feedstuffs
  QVERIFY(p.changed.feedAmounts);
}

void TestReferenceCommands::buildCancelledChoiceChangesNothing()
{
  RationProblem p = handTyped();
  const RationProblem before = p;
  ScriptedInteraction ui;
  picks(ui, {{2}});  // the feedstuff choice is cancelled
  QVERIFY(!AMAT_OLUSTUR_GR(dir(), p, ui));
  QVERIFY(p == before);
  QCOMPARE(ui.texts(QStringLiteral("yesno")), QStringList());
}

void TestReferenceCommands::moreThan85FeedstuffsRefused_data()
{
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("chosen");
  QTest::addColumn<bool>("refused");
  QTest::newRow("build 85") << 0 << 85 << false;
  QTest::newRow("build 86") << 0 << 86 << true;
  QTest::newRow("add to 85") << 1 << 82 << false;  // 3 in the problem
  QTest::newRow("add to 86") << 1 << 83 << true;
}

void TestReferenceCommands::moreThan85FeedstuffsRefused()
{
  QFETCH(int, command);
  QFETCH(int, chosen);
  QFETCH(bool, refused);
  QList<DbfRecord> records = referenceRecords().mid(0, 1);
  for (int i = 1; i <= 90; ++i)
    records.append({false, {QStringLiteral("Yem %1").arg(i), cell("1.000"), cell("90.0000"), cell("100.0000")}});
  QVERIFY(writeReference(dir(), records));
  RationProblem p = handTyped();
  p.nutrients[1][BmName] = rt::PadR(QStringLiteral("HP"), 15);
  p.rebuildNutrientLists();
  const RationProblem before = p;
  QList<int> many;
  for (int i = 1; i <= chosen; ++i)
    many.append(i);
  ScriptedInteraction ui;
  if (command == 0)
    picks(ui, {{2}, many});
  else
    picks(ui, {many});
  ui.yesNoAnswers.enqueue(true);
  const bool done = command == 0 ? AMAT_OLUSTUR_GR(dir(), p, ui) : AMAT_YMEKLE_GR(dir(), p, ui);
  QCOMPARE(done, !refused);
  if (refused) {
    QVERIFY(p == before);
    QCOMPARE(ui.texts(QStringLiteral("warning")).size(), 1);
    QVERIFY(ui.texts(QStringLiteral("warning")).at(0).startsWith(
        QStringLiteral("Bir problemde en çok 85 yem maddesi bulunabilir!")));
    QCOMPARE(ui.texts(QStringLiteral("yesno")), QStringList());  // refused at the choice
  } else {
    QCOMPARE(p.feeds.size(), 85);
    checkShape(p);
  }
}

void TestReferenceCommands::addFeedsPairing_data()
{
  QTest::addColumn<QList<NamePairing>>("answers");
  QTest::addColumn<bool>("done");
  QTest::addColumn<QString>("nutrientName");  // of row 2 afterwards
  QTest::addColumn<QString>("proteinCells");  // row 2 of the new columns
  QTest::addColumn<int>("dialogs");
  QTest::addColumn<int>("refusals");
  const QString paired = cell("499.0000") + QLatin1Char('|') + cell("173.0000");
  const QString blank = blank11() + QLatin1Char('|') + blank11();
  QTest::newRow("pair") << QList<NamePairing>{NamePairing::pair(2)} << true << "HP" << paired << 1 << 0;
  QTest::newRow("skip") << QList<NamePairing>{NamePairing::skip()} << true << "HamProtein" << blank << 1 << 0;
  QTest::newRow("cancel") << QList<NamePairing>{NamePairing::cancel()} << false << "HamProtein" << QString() << 1 << 0;
  // NDF is the name of another nutrient of the problem: refused, asked again.
  QTest::newRow("duplicate refused")
      << QList<NamePairing>{NamePairing::pair(3), NamePairing::pair(2)} << true << "HP" << paired << 2 << 1;
  QTest::newRow("duplicate then cancel")
      << QList<NamePairing>{NamePairing::pair(3), NamePairing::cancel()} << false << "HamProtein" << QString() << 2 << 1;
}

void TestReferenceCommands::addFeedsPairing()
{
  QFETCH(QList<NamePairing>, answers);
  QFETCH(bool, done);
  QFETCH(QString, nutrientName);
  QFETCH(QString, proteinCells);
  QFETCH(int, dialogs);
  QFETCH(int, refusals);

  RationProblem p = handTyped();
  p.feedAmounts = {cell("2.000"), blank11(), blank11()};
  const RationProblem before = p;
  ScriptedInteraction ui;
  picks(ui, {{1, 4, 5}});  // Arpa is already there
  ui.yesNoAnswers.enqueue(true);
  for (const NamePairing &a : answers)
    ui.pairingAnswers.enqueue(a);
  QCOMPARE(AMAT_YMEKLE_GR(dir(), p, ui), done);

  const QStringList pairings = ui.texts(QStringLiteral("pairing"));
  QCOMPARE(pairings.size(), dialogs);  // asked once per run, not once per feedstuff
  QCOMPARE(pairings.at(0), QStringLiteral("HamProtein\nKMO\nHP\nNDF\nNEL\nKALSIYUM\nVITA"));
  QCOMPARE(ui.texts(QStringLiteral("warning")).size(), refusals);
  const QStringList yesNo = ui.texts(QStringLiteral("yesno"));
  QCOMPARE(yesNo, QStringList{QStringLiteral("Seçilen yem maddeleri aktif girişlere eklenecek!")});
  if (!done) {
    QVERIFY(p == before);  // "İptal" leaves the problem exactly as it was
    return;
  }
  checkShape(p);
  QCOMPARE(p.feedNames, (QStringList{"Arpa", "Mısır", "Saman", "Soya Küspesi", "Buğday Kepeği"}));
  QCOMPARE(p.feeds.at(4), (QStringList{rt::PadR(QStringLiteral("Buğday Kepeği"), 15), cell("4.500"), blank11(), blank11(), blank11()}));
  QCOMPARE(p.nutrientNames.at(1), nutrientName);
  QCOMPARE(rt::AllTrim(p.nutrients.at(1).at(BmName)), nutrientName);
  QCOMPARE(p.nutrientUnits, before.nutrientUnits);  // pairing leaves the units
  QCOMPARE(p.matrix.at(0).mid(3), QStringList(2, cell("1.0000")));
  QCOMPARE(p.matrix.at(1).mid(3).join(QLatin1Char('|')), proteinCells);
  QCOMPARE(p.matrix.at(2).mid(3), (QStringList{cell("0.1500"), cell("0.4200")}));
  QCOMPARE(p.matrix.at(1).mid(0, 3), before.matrix.at(1).mid(0, 3));
  QVERIFY(p.changed.matrix && p.changed.feedNames);
  // A rename must reach the file with the next save.
  QCOMPARE(p.changed.nutrientNames, nutrientName != QLatin1String("HamProtein"));
  // A manual ration in progress gets blank amounts for the new feedstuffs.
  QCOMPARE(p.feedAmounts, (QStringList{cell("2.000"), blank11(), blank11(), blank11(), blank11()}));
  QVERIFY(p.changed.feedAmounts);
}

void TestReferenceCommands::addFeedsComparesStoredNames()
{
  // Built with a name longer than 15 characters, saved and loaded again (the
  // name list then holds the 15 characters of the table): the one record
  // those characters give is the problem's, so choosing it again appends
  // nothing, and the message says so.
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{2}, {3}});
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  QCOMPARE(p.feedNames, QStringList{QStringLiteral("Yonca Kuru Otu Tam Çiçek")});
  QVERIFY(ui.texts(QStringLiteral("information")).isEmpty());
  for (bool reloaded : {false, true}) {
    if (reloaded)
      p.rebuildFeedNames();
    QCOMPARE(p.feedNames.at(0).size(), reloaded ? 14 : 24);
    ScriptedInteraction again;
    picks(again, {{3}});
    again.yesNoAnswers.enqueue(true);
    QVERIFY(AMAT_YMEKLE_GR(dir(), p, again));
    QCOMPARE(p.feeds.size(), 1);
    checkShape(p);
    const QStringList told = again.texts(QStringLiteral("information"));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.at(0).startsWith(QStringLiteral("Seçilen şu yem maddeleri eklenmedi:\n\nYonca Kuru Otu Tam Çiçek: ")),
             qPrintable(told.at(0)));
    QVERIFY(again.texts(QStringLiteral("pairing")).isEmpty());
  }
}

namespace {

// The fixture and a second record sharing the first 15 characters of
// "Yonca Kuru Otu Tam Çiçek" (HP 192) with its own values (HP 150).
QList<DbfRecord> withLateCut()
{
  QList<DbfRecord> records = referenceRecords();
  records.append({false, {QStringLiteral("Yonca Kuru Otu Geç Biçim"), cell("3.000"), cell("91.0000"),
                          cell("150.0000"), cell("0.5000"), cell("1.1000"), cell("12.0000"), cell("")}});
  return records;
}

QString messageOf(const ScriptedInteraction &ui)
{
  return ui.texts(QStringLiteral("information")).join(QLatin1Char('\n'));
}

} // namespace

void TestReferenceCommands::unnamedAndRepeatedRecordsNamed()
{
  // A record without a name, and a second record of a name already taken,
  // are left out; every chosen record left out is named with its reason.
  QList<DbfRecord> records = withLateCut();
  records.append({false, {QString(), cell("1.000"), cell("90.0000")}});                // 7th feedstuff, record 8
  records.append({false, {QStringLiteral("Mısır"), cell("7.000"), cell("87.0000")}});  // 8th, record 9
  QVERIFY(writeReference(dir(), records));
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{2}, {2, 6, 7, 8}});
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  QCOMPARE(p.feedNames, (QStringList{"Mısır", "Yonca Kuru Otu Geç Biçim"}));
  checkShape(p);
  QCOMPARE(messageOf(ui), QStringLiteral("Seçilen şu yem maddeleri eklenmedi:\n\n"
                                         "(8. kayıt, adsız): kaydın adı yok.\n"
                                         "Mısır: bu adla bir kayıt daha seçildi; ilki alındı."));

  ScriptedInteraction again;
  picks(again, {{1, 2, 7}});
  again.yesNoAnswers.enqueue(true);
  QVERIFY(AMAT_YMEKLE_GR(dir(), p, again));
  QCOMPARE(p.feedNames, (QStringList{"Mısır", "Yonca Kuru Otu Geç Biçim", "Arpa"}));
  checkShape(p);
  QCOMPARE(messageOf(again), QStringLiteral("Seçilen şu yem maddeleri eklenmedi:\n\n"
                                            "Mısır: aktif problemde bu adla bir yem maddesi zaten var.\n"
                                            "(8. kayıt, adsız): kaydın adı yok."));

  // Nothing left to build from: the problem stays as it was, and the user
  // is told why.
  RationProblem empty;
  ScriptedInteraction none;
  picks(none, {{2}, {7}});
  QVERIFY(!AMAT_OLUSTUR_GR(dir(), empty, none));
  QVERIFY(empty == RationProblem());
  QCOMPARE(none.texts(QStringLiteral("information")).size(), 1);
}

void TestReferenceCommands::lookAlikeNamesKeepTheirOwnValues_data()
{
  // Two records equal in their first 15 characters; the problem holds one.
  QTest::addColumn<int>("built");         // record built from: 3 Tam Çiçek, 6 Geç Biçim
  QTest::addColumn<bool>("reloaded");     // the name cut to 15 by the problem file
  QTest::addColumn<QList<NamePairing>>("answers");
  QTest::addColumn<QString>("hp");        // the HP the feedstuff gets
  QTest::addColumn<QString>("name");      // its name afterwards
  QTest::addColumn<int>("dialogs");
  QTest::newRow("late cut, whole name") << 6 << false << QList<NamePairing>{} << "150.0000"
                                        << "Yonca Kuru Otu Geç Biçim" << 0;
  QTest::newRow("full bloom, whole name") << 3 << false << QList<NamePairing>{} << "192.0000"
                                          << "Yonca Kuru Otu Tam Çiçek" << 0;
  QTest::newRow("cut name, late cut picked") << 6 << true << QList<NamePairing>{NamePairing::pair(2)} << "150.0000"
                                             << "Yonca Kuru Otu Geç Biçim" << 1;
  QTest::newRow("cut name, full bloom picked") << 3 << true << QList<NamePairing>{NamePairing::pair(1)}
                                               << "192.0000" << "Yonca Kuru Otu Tam Çiçek" << 1;
  QTest::newRow("cut name, skipped") << 6 << true << QList<NamePairing>{NamePairing::skip()} << ""
                                     << "Yonca Kuru Otu" << 1;
}

void TestReferenceCommands::lookAlikeNamesKeepTheirOwnValues()
{
  QFETCH(int, built);
  QFETCH(bool, reloaded);
  QFETCH(QList<NamePairing>, answers);
  QFETCH(QString, hp);
  QFETCH(QString, name);
  QFETCH(int, dialogs);
  QVERIFY(writeReference(dir(), withLateCut()));
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{1}, {built}});  // KMO only
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  if (reloaded)
    p.rebuildFeedNames();

  ScriptedInteraction add;
  picks(add, {{2}});  // HP
  add.yesNoAnswers.enqueue(true);
  for (const NamePairing &a : answers)
    add.pairingAnswers.enqueue(a);
  QVERIFY(AMAT_BMEKLE_GR(dir(), p, add));
  checkShape(p);
  const QStringList pairings = add.texts(QStringLiteral("pairing"));
  QCOMPARE(pairings.size(), dialogs);
  if (dialogs > 0)  // only the two records the cut name may stand for
    QCOMPARE(pairings.at(0), QStringLiteral("Yonca Kuru Otu\nYonca Kuru Otu Tam Çiçek\nYonca Kuru Otu Geç Biçim"));
  QCOMPARE(p.nutrientNames.last(), QStringLiteral("HP"));
  QCOMPARE(p.matrix.last().at(0), cell(hp.toUtf8().constData()));
  QCOMPARE(p.feedNames.at(0), name);
}

void TestReferenceCommands::addFeedsBesideACutName_data()
{
  // The problem holds "Yonca Kuru Otu" cut from the late cut; the full bloom
  // record is chosen. Which record the cut name is, the user says.
  QTest::addColumn<NamePairing>("answer");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<bool>("told");  // the chosen record named as not added
  QTest::newRow("the problem's is the late cut")
      << NamePairing::pair(2) << QStringList{"Yonca Kuru Otu Geç Biçim", "Yonca Kuru Otu Tam Çiçek"} << false;
  QTest::newRow("the problem's is the full bloom")
      << NamePairing::pair(1) << QStringList{"Yonca Kuru Otu Tam Çiçek"} << true;
  QTest::newRow("skipped") << NamePairing::skip() << QStringList{"Yonca Kuru Otu", "Yonca Kuru Otu Tam Çiçek"}
                           << false;
}

void TestReferenceCommands::addFeedsBesideACutName()
{
  QFETCH(NamePairing, answer);
  QFETCH(QStringList, names);
  QFETCH(bool, told);
  QVERIFY(writeReference(dir(), withLateCut()));
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{2}, {6}});  // HP, the late cut
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  p.rebuildFeedNames();

  ScriptedInteraction add;
  picks(add, {{3}});
  add.yesNoAnswers.enqueue(true);
  add.pairingAnswers.enqueue(answer);
  QVERIFY(AMAT_YMEKLE_GR(dir(), p, add));
  checkShape(p);
  QCOMPARE(add.texts(QStringLiteral("pairing")),
           QStringList{QStringLiteral("Yonca Kuru Otu\nYonca Kuru Otu Tam Çiçek\nYonca Kuru Otu Geç Biçim")});
  QCOMPARE(p.feedNames, names);
  QCOMPARE(messageOf(add).contains(QStringLiteral("Yonca Kuru Otu Tam Çiçek: ")), told);
  const int added = int(names.indexOf(QStringLiteral("Yonca Kuru Otu Tam Çiçek")));
  if (!told)  // the new column holds the full bloom's own values
    QCOMPARE(p.matrix.at(2).at(added), cell("192.0000"));
  QCOMPARE(p.matrix.at(2).at(0), cell("150.0000"));
}

void TestReferenceCommands::eightyFiveLookAlikes()
{
  // "Yem Maddesi No 1" ... "No 85" share their first 15 characters: each is
  // a feedstuff of its own, with its own values, also after the names were
  // cut by the problem file.
  QList<DbfRecord> records = referenceRecords().mid(0, 1);
  QList<int> all;
  for (int i = 1; i <= 85; ++i) {
    records.append({false, {QStringLiteral("Yem Maddesi No %1").arg(i), cell("1.000"), cell("90.0000"),
                            rt::PadL(QStringLiteral("%1.0000").arg(100 + i), 11), cell("0.3000")}});
    all.append(i);
  }
  QVERIFY(writeReference(dir(), records));
  RationProblem p;
  ScriptedInteraction ui;
  picks(ui, {{2}, all});
  QVERIFY(AMAT_OLUSTUR_GR(dir(), p, ui));
  QCOMPARE(p.feeds.size(), 85);
  checkShape(p);
  for (int i = 0; i < 85; ++i) {
    QCOMPARE(p.feedNames.at(i), QStringLiteral("Yem Maddesi No %1").arg(i + 1));
    QCOMPARE(p.matrix.at(2).at(i), rt::PadL(QStringLiteral("%1.0000").arg(101 + i), 11));
  }

  // Cut to "Yem Maddesi No" by the problem file: each feedstuff is asked
  // about, and a record already paired is not offered again.
  p.rebuildFeedNames();
  ScriptedInteraction add;
  picks(add, {{3}});  // NDF
  add.yesNoAnswers.enqueue(true);
  for (int i = 0; i < 85; ++i)
    add.pairingAnswers.enqueue(NamePairing::pair(1));
  QVERIFY(AMAT_BMEKLE_GR(dir(), p, add));
  checkShape(p);
  const QStringList pairings = add.texts(QStringLiteral("pairing"));
  QCOMPARE(pairings.size(), 85);
  QCOMPARE(pairings.at(0).count(QLatin1Char('\n')), 85);
  QCOMPARE(pairings.at(84), QStringLiteral("Yem Maddesi No\nYem Maddesi No 85"));
  QCOMPARE(p.feedNames.at(84), QStringLiteral("Yem Maddesi No 85"));
  QCOMPARE(p.matrix.last(), QStringList(85, cell("0.3000")));
  QVERIFY(add.texts(QStringLiteral("warning")).isEmpty());
}

void TestReferenceCommands::narrowColumnRefused()
{
  // A foreign matrix whose HP column holds 4 characters is refused at open,
  // by name, instead of passing values it would cut.
  QList<DbfField> fields = referenceFields();
  fields[3].length = 4;
  QList<DbfRecord> records = referenceRecords();
  for (DbfRecord &r : records)
    r.values[3] = r.values[3].trimmed().left(4);
  QVERIFY(DbfTable::writeTable(QDir(dir()).filePath(QStringLiteral("MATKUMAD.DBF")), fields, records));
  const Command commands[] = {&AMAT_OLUSTUR_GR, &AMAT_YMEKLE_GR, &AMAT_BMEKLE_GR};
  for (Command command : commands) {
    RationProblem p = handTyped();
    const RationProblem before = p;
    ScriptedInteraction ui;
    picks(ui, {{1}, {1}});
    QVERIFY(!command(dir(), p, ui));
    QVERIFY(p == before);
    const QStringList errors = ui.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).startsWith(QStringLiteral("MATKUMAD.DBF referans matris dosyasını açmada hata!\n\n")),
             qPrintable(errors.at(0)));
    QVERIFY2(errors.at(0).contains(QStringLiteral("\"HP\" kolonu 4 karakter")), qPrintable(errors.at(0)));
  }
}

void TestReferenceCommands::addNutrientsPairing_data()
{
  QTest::addColumn<QList<NamePairing>>("answers");
  QTest::addColumn<bool>("done");
  QTest::addColumn<QString>("feedName");  // of the third feedstuff afterwards
  QTest::addColumn<QString>("newCells");  // its cells in the two new rows
  QTest::addColumn<int>("dialogs");
  QTest::addColumn<int>("refusals");
  const QString paired = cell("1.6000") + QLatin1Char('|') + cell("1.3000");
  const QString blank = blank11() + QLatin1Char('|') + blank11();
  QTest::newRow("pair") << QList<NamePairing>{NamePairing::pair(5)} << true << "Buğday Kepeği" << paired << 1 << 0;
  QTest::newRow("skip") << QList<NamePairing>{NamePairing::skip()} << true << "Saman" << blank << 1 << 0;
  QTest::newRow("cancel") << QList<NamePairing>{NamePairing::cancel()} << false << "Saman" << QString() << 1 << 0;
  // Arpa is another feedstuff of the problem: refused, asked again.
  QTest::newRow("duplicate refused")
      << QList<NamePairing>{NamePairing::pair(1), NamePairing::pair(5)} << true << "Buğday Kepeği" << paired << 2 << 1;
  QTest::newRow("outside the list, then cancel")
      << QList<NamePairing>{NamePairing::pair(9), NamePairing::cancel()} << false << "Saman" << QString() << 1 << 0;
}

void TestReferenceCommands::addNutrientsPairing()
{
  QFETCH(QList<NamePairing>, answers);
  QFETCH(bool, done);
  QFETCH(QString, feedName);
  QFETCH(QString, newCells);
  QFETCH(int, dialogs);
  QFETCH(int, refusals);

  RationProblem p = handTyped();
  const RationProblem before = p;
  ScriptedInteraction ui;
  picks(ui, {{3, 4, 5}});  // NDF is already there
  ui.yesNoAnswers.enqueue(true);
  for (const NamePairing &a : answers)
    ui.pairingAnswers.enqueue(a);
  QCOMPARE(AMAT_BMEKLE_GR(dir(), p, ui), done);
  const QStringList pairings = ui.texts(QStringLiteral("pairing"));
  QCOMPARE(pairings.size(), dialogs);
  QCOMPARE(pairings.at(0),
           QStringLiteral("Saman\nArpa\nMısır\nYonca Kuru Otu Tam Çiçek\nSoya Küspesi\nBuğday Kepeği"));
  QCOMPARE(ui.texts(QStringLiteral("warning")).size(), refusals);
  if (!done) {
    QVERIFY(p == before);
    return;
  }
  checkShape(p);
  QCOMPARE(p.nutrientNames, (QStringList{"KMT", "HamProtein", "NDF", "NEL", "KALSIYUM"}));
  QCOMPARE(p.nutrientUnits.mid(3), (QStringList{"MCal/Kg", "g/Kg"}));
  QCOMPARE(p.nutrients.at(3), row("NEL", "MCal/Kg"));
  QCOMPARE(p.feedNames.at(2), feedName);
  QCOMPARE(rt::AllTrim(p.feeds.at(2).at(YmName)), feedName.left(15));
  QCOMPARE(p.feeds.at(2).at(YmPrice), before.feeds.at(2).at(YmPrice));  // the price stays
  QCOMPARE(p.matrix.at(3).mid(0, 2), (QStringList{cell("1.8600"), cell("2.0100")}));
  QCOMPARE(p.matrix.at(4).mid(0, 2), (QStringList{cell("0.6000"), cell("0.4000")}));
  QCOMPARE(p.matrix.at(3).at(2) + QLatin1Char('|') + p.matrix.at(4).at(2), newCells);
  QVERIFY(p.changed.matrix && p.changed.nutrientNames);
  QCOMPARE(p.changed.feedNames, feedName != QLatin1String("Saman"));
  QVERIFY(!p.changed.feedAmounts);
}

void TestReferenceCommands::addNutrientsToProblemWithoutNutrients()
{
  RationProblem p;
  p.feeds = {{rt::PadR(QStringLiteral("Arpa"), 15), cell("5.000"), blank11(), blank11(), blank11()},
             {rt::PadR(QStringLiteral("Soya Küspesi"), 15), cell("12.000"), blank11(), blank11(), blank11()}};
  p.rebuildFeedNames();
  p.matrix = {QStringList(2, blank11())};  // the single row a problem without nutrients keeps
  ScriptedInteraction ui;
  picks(ui, {{2}});
  ui.yesNoAnswers.enqueue(true);
  QVERIFY(AMAT_BMEKLE_GR(dir(), p, ui));
  checkShape(p);
  QCOMPARE(p.nutrientNames, (QStringList{"KMT", "KMO", "HP"}));
  QCOMPARE(p.nutrientUnits, (QStringList{"Kg/Kg", "%", "g/Kg"}));
  QCOMPARE(p.matrix.at(0), QStringList(2, cell("1.0000")));
  QCOMPARE(p.matrix.at(1), (QStringList{cell("88.0000"), cell("89.0000")}));
  QCOMPARE(p.matrix.at(2), (QStringList{cell("124.0000"), cell("499.0000")}));
  QVERIFY(ui.texts(QStringLiteral("pairing")).isEmpty());

  // A second run choosing HP again appends nothing and forces no KMO.
  ScriptedInteraction again;
  picks(again, {{2}});
  again.yesNoAnswers.enqueue(true);
  const RationProblem once = p;
  QVERIFY(AMAT_BMEKLE_GR(dir(), p, again));
  QCOMPARE(p.nutrients, once.nutrients);
  QCOMPARE(p.matrix, once.matrix);
}

QTEST_GUILESS_MAIN(TestReferenceCommands)
#include "tst_referencecommands.moc"
