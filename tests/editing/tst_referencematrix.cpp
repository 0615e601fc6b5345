#include "../platform/dbfreader.h"
#include "editing/referencematrix.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;

class TestReferenceMatrix : public QObject {
  Q_OBJECT

private slots:
  void standardLayout();
  void createWritesTheUnitsRecord();
  void createKeepsAnExistingMatrix();
  void createFailureIsReported();
  void locateWhateverTheCase_data();
  void locateWhateverTheCase();
  void readsUnitsAndFeedstuffs();
};

void TestReferenceMatrix::standardLayout()
{
  const QList<DbfField> f = KMM_STRCREATE();
  QCOMPARE(f.size(), 44);
  QCOMPARE(f.at(0).name, QStringLiteral("YM_ADI"));
  QCOMPARE(f.at(0).length, 25);
  QCOMPARE(f.at(1).name, QStringLiteral("FIATI"));
  QCOMPARE(f.at(2).name, QStringLiteral("KMO"));
  QCOMPARE(f.at(17).name, QStringLiteral("NEL"));
  QCOMPARE(f.at(19).name, QStringLiteral("KALSIYUM"));
  QCOMPARE(f.at(43).name, QStringLiteral("VITE"));
  for (int i = 0; i < f.size(); ++i) {
    QCOMPARE(f.at(i).type, QLatin1Char('C'));
    QCOMPARE(f.at(i).decimals, 0);
    if (i > 0)
      QCOMPARE(f.at(i).length, 11);
  }
  QVERIFY(DbfTable::checkFields(f));
  QCOMPARE(refmatrix::standardFieldNames().size(), 44);
}

void TestReferenceMatrix::createWritesTheUnitsRecord()
{
  QTemporaryDir dir;
  ScriptedInteraction ui;
  QString created;
  QVERIFY(RMAT_CREATE(dir.path(), ui, &created));
  QVERIFY(ui.shown.isEmpty());
  QCOMPARE(created, dir.filePath(QStringLiteral("MATKUMAD.DBF")));

  const IndependentTable t = readWithDbfread(created);
  QVERIFY2(t.ok, qPrintable(t.error));
  QCOMPARE(t.fieldNames, refmatrix::standardFieldNames());
  for (const QJsonArray &spec : t.fieldSpecs)
    QCOMPARE(spec.at(1).toString(), QStringLiteral("C"));
  QCOMPARE(t.records.size(), 1);
  QCOMPARE(t.records.at(0).at(0), QStringLiteral("BIRIM").leftJustified(25));
  for (int i = 1; i < 44; ++i)
    QCOMPARE(t.records.at(0).at(i), QString(11, QLatin1Char(' ')));

  ReferenceMatrix m;
  QVERIFY(refmatrix::read(created, &m));
  QCOMPARE(m.nutrientColumns(), refmatrix::standardNutrientColumns());
  QVERIFY(m.feeds.isEmpty());  // a new matrix holds no feedstuff
  QCOMPARE(m.units(), QStringList(42, QString()));
}

void TestReferenceMatrix::createKeepsAnExistingMatrix()
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("matkumad.dbf"));
  QList<DbfField> fields = KMM_STRCREATE();
  DbfRecord units{false, {QStringLiteral("BIRIM")}};
  DbfRecord feed{false, {QStringLiteral("Arpa"), QStringLiteral("5.000")}};
  QVERIFY(DbfTable::writeTable(path, fields, {units, feed}));
  ScriptedInteraction ui;
  QString created;
  QVERIFY(RMAT_CREATE(dir.path(), ui, &created));
  QCOMPARE(created, path);
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("MATKUMAD.DBF"))));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));
  QCOMPARE(m.feeds.size(), 1);
}

void TestReferenceMatrix::createFailureIsReported()
{
  // A program directory that is no folder at all: nothing can be created in
  // it, whatever rights the tests run with.
  QTemporaryDir dir;
  const QString notAFolder = dir.filePath(QStringLiteral("plain"));
  {
    QFile f(notAFolder);
    QVERIFY(f.open(QIODevice::WriteOnly));
  }
  ScriptedInteraction ui;
  QVERIFY(!RMAT_CREATE(notAFolder, ui));
  QCOMPARE(ui.texts(QStringLiteral("error")),
           QStringList{QStringLiteral("Referans matris dosyası (MATKUMAD.DBF) oluşturulamadı!")});
  QCOMPARE(ui.shown.at(0).caption, QString());
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plain")});
}

void TestReferenceMatrix::locateWhateverTheCase_data()
{
  QTest::addColumn<QStringList>("files");
  QTest::addColumn<QString>("expected");
  QTest::newRow("exact") << QStringList{QStringLiteral("MATKUMAD.DBF")} << QStringLiteral("MATKUMAD.DBF");
  QTest::newRow("lower") << QStringList{QStringLiteral("matkumad.dbf")} << QStringLiteral("matkumad.dbf");
  QTest::newRow("mixed") << QStringList{QStringLiteral("MatKumad.Dbf")} << QStringLiteral("MatKumad.Dbf");
  QTest::newRow("exact wins") << QStringList{QStringLiteral("matkumad.dbf"), QStringLiteral("MATKUMAD.DBF")}
                              << QStringLiteral("MATKUMAD.DBF");
  QTest::newRow("none") << QStringList{QStringLiteral("MATKUMAD.DBF.bak"), QStringLiteral("MATKUMA.DBF")}
                        << QString();
}

void TestReferenceMatrix::locateWhateverTheCase()
{
  QFETCH(QStringList, files);
  QFETCH(QString, expected);
  QTemporaryDir dir;
  for (const QString &f : files) {
    QFile file(dir.filePath(f));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  QDir().mkdir(dir.filePath(QStringLiteral("Data")));
  const QString found = refmatrix::locate(dir.path());
  QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected));
}

void TestReferenceMatrix::readsUnitsAndFeedstuffs()
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QList<DbfField> fields = KMM_STRCREATE().mid(0, 4);  // YM_ADI, FIATI, KMO, HP
  fields.append({QStringLiteral("KMO2"), QLatin1Char('C'), 11, 0});
  const QList<DbfRecord> records{
      {false, {QStringLiteral("BIRIM"), QString(), QStringLiteral("  %  "), QStringLiteral("g/Kg")}},
      {false, {QStringLiteral(" Arpa"), QStringLiteral("      5.500"), QStringLiteral("    89.0000"),
               QStringLiteral("   124.0000")}},
      {true, {QStringLiteral("Silinmiş")}},
      {false, {QStringLiteral("Arpa"), QStringLiteral("      9.000")}},
  };
  QVERIFY(DbfTable::writeTable(path, fields, records));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));
  QCOMPARE(m.nutrientColumns(), (QStringList{QStringLiteral("KMO"), QStringLiteral("HP"), QStringLiteral("KMO2")}));
  QCOMPARE(m.units(), (QStringList{QStringLiteral("%"), QStringLiteral("g/Kg"), QString()}));
  QCOMPARE(m.feeds.size(), 2);  // the deleted record is not seen
  QCOMPARE(m.feeds.at(0).recNo, 2);
  QCOMPARE(m.feeds.at(1).recNo, 4);
  QCOMPARE(m.feeds.at(0).name, QStringLiteral(" Arpa").leftJustified(25));
  QCOMPARE(m.feeds.at(0).price, QStringLiteral("      5.500"));
  QCOMPARE(m.feeds.at(0).cells.at(1), QStringLiteral("   124.0000"));
  QCOMPARE(m.feedIndex(QStringLiteral("Arpa")), 0);  // the first of two equal names
  QCOMPARE(m.nutrientColumn(QStringLiteral("KMO")), 0);
  QCOMPARE(m.nutrientColumn(QStringLiteral("KM")), -1);  // whole names only
  QCOMPARE(m.records.size(), 3);

  QString error;
  QVERIFY(!refmatrix::read(dir.filePath(QStringLiteral("YOK.DBF")), &m, &error));
  QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestReferenceMatrix)
#include "tst_referencematrix.moc"
