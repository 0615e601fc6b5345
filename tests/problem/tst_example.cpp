#include "exampleproblem.h"
#include "platform/rtext.h"
#include "problem/problemfile.h"
#include "requirements/dairy/nutreqestimate.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;

namespace {
QString shipped()
{
  return qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/") + QLatin1String(example::FileName);
}

QByteArray withoutDate(QByteArray b)
{
  if (b.size() > 4)
    b[1] = b[2] = b[3] = 0;
  return b;
}
} // namespace

class TestExample : public QObject {
  Q_OBJECT
private slots:
  void shippedExampleLoads()
  {
    ProblemFile f;
    QVERIFY2(f.open(shipped()), qPrintable(f.errorString()));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    QString error;
    RationProblem expected = example::dairyCow(&error);
    QCOMPARE(error, QString());
    expected.changed.clear();
    QCOMPARE(p, expected);
    QCOMPARE(p.feeds.size(), 10);
    QCOMPARE(p.nutrientNames.first(), QStringLiteral("KMT"));
    QVERIFY(p.nutrientNames.contains(QStringLiteral("KMO")));
    for (const QString &c : p.matrix.first())
      QCOMPARE(c, QStringLiteral("     1.0000"));
  }

  // The limits are what the program itself estimates for the cow the
  // example names, not figures of their own: the dairy model, its dialogs
  // answered for that cow, gives the same rows and description.
  void shippedExampleDescribesItsCow()
  {
    ProblemFile f;
    QVERIFY2(f.open(shipped()), qPrintable(f.errorString()));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);

    struct Cow : DairyInputProvider {
      STipiSecResult askType(int) override { return {2, 1}; }
      std::optional<GrowCatleInput> askGrowing() override { return std::nullopt; }
      std::optional<LactCatleInput> askCow() override
      {
        LactCatleInput in;
        in.NENECONS = 1.00;
        in.NCANAGIR = 600;
        in.NSUTVERI = 25;
        in.NSYAGTES = 3.5;
        in.NGEBESAY = 2;
        in.NYEMTUKE = 1;
        return in;
      }
      std::optional<MatBulInput> askBull() override { return std::nullopt; }
    } cow;
    test::ScriptedInteraction ui;
    const ReportClock clock;
    const NUTREQESTIMATE estimate(EstimatorOwner{ui, clock}, cow, 1);
    QVERIFY(estimate.LDDEG);
    QCOMPARE(p.animalDescription, estimate.AANIDESC);
    int matched = 0;
    for (const QStringList &row : std::as_const(p.nutrients)) {
      for (const RequirementRow &req : estimate.ABMREQM) {
        if (req.name.trimmed() == row.value(0).trimmed()) {
          QCOMPARE(row, req.toList());
          ++matched;
        }
      }
    }
    QCOMPARE(matched, p.nutrients.size());
    // The figures a nutritionist checks first.
    const auto value = [&p](const char *name, int column) {
      for (const QStringList &row : std::as_const(p.nutrients))
        if (row.value(0).trimmed() == QLatin1String(name))
          return rt::Val(row.value(column));
      return -1.0;
    };
    QCOMPARE(value("KMT", 2), 17.95);
    QCOMPARE(value("NEL", 3), 27.87);
    QCOMPARE(value("HP", 3), 2705.0);
  }

  void shippedExampleIsWhatTheGeneratorWrites()
  {
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(example::FileName));
    QVERIFY(ProblemFile::createNew(path));
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p = example::dairyCow();
    QVERIFY(f.PROBDBFUPDATE(p));
    QFile a(path), b(shipped());
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(withoutDate(a.readAll()), withoutDate(b.readAll()));
  }

  void setupRecordsTheProgramDirectory()
  {
    QTemporaryDir dir;
    const QString programDir = dir.filePath(QStringLiteral("Vesk_Zyr"));
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tervolu"), QStringLiteral("VKSetings"));
    settings.setValue(QStringLiteral("VKlogo"), QStringLiteral("0"));  // a choice made earlier is kept
    settings.sync();
    QCOMPARE(QProcess::execute(QStringLiteral(VZ_SETUP_TOOL), {programDir, shipped()}), 0);
    settings.sync();
    QCOMPARE(settings.value(QStringLiteral("VKpath")).toString(), programDir);
    QCOMPARE(settings.value(QStringLiteral("VKlogo")).toString(), QStringLiteral("0"));
    QCOMPARE(settings.value(QStringLiteral("VKldlg")).toString(), QStringLiteral("0"));
    QCOMPARE(settings.value(QStringLiteral("VKlstrt")).toString(), QStringLiteral("1"));
    QVERIFY(settings.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QVERIFY(settings.fileName().endsWith(QStringLiteral("Tervolu/VKSetings.conf")));
    const QString copied = programDir + QStringLiteral("/Data/") + QLatin1String(example::FileName);
    QVERIFY(QFile::exists(copied));
    QVERIFY(QFileInfo(programDir + QStringLiteral("/Data")).isWritable());
    ProblemFile f;
    QVERIFY(f.open(copied));
  }
};

QTEST_GUILESS_MAIN(TestExample)
#include "tst_example.moc"
