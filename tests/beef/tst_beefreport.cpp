// The four beef requirement reports as report mode writes them: golden files
// compared byte for byte under a fixed clock, the line layout, and the
// contract's outcomes around the file.
#include "beefscenarios.h"
#include "scriptedinteraction.h"

#include "platform/cp1254.h"
#include "platform/rtext.h"
#include "problem/appsession.h"
#include "requirements/beef/beefreport.h"
#include "requirements/beef/nr_beef_catle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;
using namespace vz::beef;
using namespace beeftest;

namespace {

const QDateTime kClock(QDate(2026, 3, 14), QTime(9, 26, 53));

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString goldenPath(const QString &name)
{
  return qEnvironmentVariable("VZ_TEST_DATA") + QStringLiteral("/beef/") + name
         + QStringLiteral(".txt");
}

} // namespace

class TestBeefReport : public QObject {
  Q_OBJECT

private slots:
  void init();
  void goldenReports_data();
  void goldenReports();
  void lineCounts_data();
  void lineCounts();
  void requirementLineColumns();
  void wideDailyVitaminTakesSevenColumns();
  void missingDataFolderReportsTheError();
  void cancelWritesNothing();

private:
  std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBeefReport::init()
{
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Data")));
  AppSession::instance().setProgramDir(m_dir->path());
  AppSession::instance().setCurrentReportFile(QStringLiteral("previous.TXT"));
}

void TestBeefReport::goldenReports_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QString>("golden");
  QTest::newRow("growing bull grazing in the cold") << quint32(GrowFinish) << QStringLiteral("growfinish");
  QTest::newRow("pregnant lactating cow") << quint32(LactatingCow) << QStringLiteral("lactatingcow");
  QTest::newRow("open dry cow") << quint32(DryCow) << QStringLiteral("drycow");
  QTest::newRow("pregnant heifer") << quint32(BreedingHeifer) << QStringLiteral("heifer");
  QTest::newRow("breeding bull") << quint32(BreedingBull) << QStringLiteral("bull");
}

void TestBeefReport::goldenReports()
{
  QFETCH(quint32, type);
  QFETCH(QString, golden);
  test::ScriptedInteraction ui;
  ReportClock clock(kClock);
  ScriptedBeefDialogs dialogs;
  dialogs.type = typeChoice(type);
  dialogs.pages = scenario(type);
  NR_BEEF_CATLE model({ui, clock}, dialogs, 2);

  const QString path = m_dir->path() + QStringLiteral("/Data/KWIB_SBIH.TXT");
  QVERIFY(!model.LDDEG);
  QVERIFY(model.ABMREQM.isEmpty());
  QVERIFY(ui.shown.isEmpty());
  QCOMPARE(AppSession::instance().currentReportFile(), path);
  const QByteArray written = readAll(path);
  if (qEnvironmentVariableIsSet("VZ_UPDATE_GOLDEN")) {
    QFile out(goldenPath(golden));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(written);
  }
  const QByteArray expected = readAll(goldenPath(golden));
  QVERIFY2(!expected.isEmpty(), qPrintable(goldenPath(golden)));
  if (written != expected) {
    // A readable difference: the first line that differs.
    const QStringList a = cp1254::decode(written).split(QStringLiteral("\r\n"));
    const QStringList b = cp1254::decode(expected).split(QStringLiteral("\r\n"));
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
      QCOMPARE(a.at(i), b.at(i));
    QCOMPARE(a.size(), b.size());
  }
  QCOMPARE(written, expected);
}

void TestBeefReport::lineCounts_data()
{
  QTest::addColumn<quint32>("type");
  QTest::addColumn<QString>("daysPregnant");
  QTest::addColumn<int>("lines");
  QTest::addColumn<QString>("typeLine");
  QTest::newRow("growing") << quint32(GrowFinish) << QString() << 35 << QStringLiteral("GENÇ & BESİ SIĞIRI");
  QTest::newRow("lactating, open") << quint32(LactatingCow) << QStringLiteral("0") << 39 << QStringLiteral("SÜT VEREN INEK");
  QTest::newRow("lactating, pregnant") << quint32(LactatingCow) << QStringLiteral("120") << 40 << QStringLiteral("GEBE & SÜT VEREN INEK");
  QTest::newRow("dry, open") << quint32(DryCow) << QStringLiteral("0") << 39 << QStringLiteral("KURUDAKİ İNEK");
  QTest::newRow("dry, pregnant") << quint32(DryCow) << QStringLiteral("120") << 40 << QStringLiteral("GEBE & KURUDAKİ İNEK");
  QTest::newRow("heifer, open") << quint32(BreedingHeifer) << QString() << 35 << QStringLiteral("DAMIZLIK DÜVE");
  QTest::newRow("heifer, pregnant") << quint32(BreedingHeifer) << QStringLiteral("150") << 36 << QStringLiteral("GEBE DAMIZLIK DÜVE");
  QTest::newRow("bull") << quint32(BreedingBull) << QString() << 34 << QStringLiteral("DAMIZLIK BOĞA");
}

void TestBeefReport::lineCounts()
{
  QFETCH(quint32, type);
  QFETCH(QString, daysPregnant);
  QFETCH(int, lines);
  QFETCH(QString, typeLine);
  test::ScriptedInteraction ui;
  ReportClock clock(kClock);
  ScriptedBeefDialogs dialogs;
  dialogs.type = typeChoice(type);
  BeefInputPages pages = scenario(type);
  if (pages.reproduction)
    pages.reproduction->daysPregnant = daysPregnant;
  dialogs.pages = pages;
  NR_BEEF_CATLE model({ui, clock}, dialogs, 0);

  const QByteArray bytes = readAll(RequirementReport::filePath());
  QCOMPARE(bytes.size(), lines * 102);
  QVERIFY(bytes.endsWith("\r\n"));
  const QStringList text = cp1254::decode(bytes).split(QStringLiteral("\r\n"));
  QCOMPARE(text.size(), lines + 1);  // the last CR LF leaves an empty tail
  for (int i = 0; i < lines; ++i)
    QCOMPARE(text.at(i).size(), 100);
  QCOMPARE(rt::RTrim(text.at(4)), QStringLiteral("     TİPİ: ") + typeLine);
  const bool pregnancyLine = text.join(QLatin1Char('\n')).contains(QStringLiteral("BEKLENEN GEBELİK"));
  QCOMPARE(pregnancyLine, rt::Val(daysPregnant) > 0);
  // Every report ends with the rumen pH, which is 6.27 whenever the animal eats.
  QCOMPARE(rt::RTrim(text.at(lines - 1)).right(5), QStringLiteral(" 6.27"));
}

void TestBeefReport::requirementLineColumns()
{
  // Label in columns 6-50, value right-aligned in 51-55, unit from 56.
  const QString dmi = requirementLine(QStringLiteral("KURU MADDE TÜKETİMİ (KMT):"), 8.5, 5, 2,
                                      QStringLiteral(" Kg/Gün"));
  QCOMPARE(dmi.mid(50, 5), QStringLiteral(" 8.50"));
  QCOMPARE(dmi.mid(55), QStringLiteral(" Kg/Gün"));
  const QString tdn = requirementLine(
      QStringLiteral("TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):"), 10.25, 5, 2,
      QStringLiteral(" Kg/Gün"));
  QCOMPARE(tdn.mid(5, 47), QStringLiteral("TOPLAM SİNDİRİLEBİLİR BESİN MADDELERİ (TSBM):10"));
  // Three decimals do not fit five columns: one remains.
  QCOMPARE(rt::Str(550, 5, 3), QStringLiteral("550.0"));
}

void TestBeefReport::wideDailyVitaminTakesSevenColumns()
{
  QCOMPARE(dailyFigure(46800.4, 0), QStringLiteral("46800"));
  QCOMPARE(dailyFigure(107200.0, 0), QStringLiteral(" 107200"));
  QCOMPARE(dailyFigure(1234567.0, 0), QStringLiteral("1234567"));

  // The pregnant lactating cow of the golden file needs the wide field.
  test::ScriptedInteraction ui;
  ReportClock clock(kClock);
  ScriptedBeefDialogs dialogs;
  dialogs.type = typeChoice(LactatingCow);
  dialogs.pages = scenario(LactatingCow);
  NR_BEEF_CATLE model({ui, clock}, dialogs, 2);
  const double vitA = model.fields().AVITMIN.at(11).amount * model.fields().NDMI;
  QVERIFY2(vitA >= 100000.0, qPrintable(QString::number(vitA)));
  const QStringList lines = model.reportText().split(QStringLiteral("\r\n"));
  const QString line = lines.at(34);
  QVERIFY(line.startsWith(QStringLiteral("     VİTAMİN A (VITA):")));
  QVERIFY(!line.contains(QLatin1Char('*')));
  QCOMPARE(line.mid(50, 7), rt::Str(vitA, 7, 0));
  QCOMPARE(line.mid(57, 7), QStringLiteral(" IU/Gün"));
  QCOMPARE(line.size(), 100);
}

void TestBeefReport::missingDataFolderReportsTheError()
{
  QVERIFY(QDir(m_dir->path()).rmdir(QStringLiteral("Data")));
  test::ScriptedInteraction ui;
  ReportClock clock(kClock);
  ScriptedBeefDialogs dialogs;
  dialogs.type = typeChoice(BreedingBull);
  dialogs.pages = scenario(BreedingBull);
  NR_BEEF_CATLE model({ui, clock}, dialogs);
  QVERIFY(!model.LDDEG);
  QCOMPARE(ui.texts(QStringLiteral("error")),
           QStringList{QStringLiteral("Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyiniz..")});
  QCOMPARE(AppSession::instance().currentReportFile(), QStringLiteral("previous.TXT"));
  QVERIFY(!QDir(m_dir->path()).exists(QStringLiteral("Data")));
}

void TestBeefReport::cancelWritesNothing()
{
  for (bool cancelType : {true, false}) {
    test::ScriptedInteraction ui;
    ReportClock clock(kClock);
    ScriptedBeefDialogs dialogs;
    if (!cancelType)
      dialogs.type = typeChoice(GrowFinish);
    NR_BEEF_CATLE model({ui, clock}, dialogs, 2);
    QVERIFY(!QFile::exists(RequirementReport::filePath()));
    QCOMPARE(AppSession::instance().currentReportFile(), QStringLiteral("previous.TXT"));
    QVERIFY(ui.shown.isEmpty());
  }
}

QTEST_GUILESS_MAIN(TestBeefReport)
#include "tst_beefreport.moc"
