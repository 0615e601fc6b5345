#include "../platform/dbfreader.h"
#include "editing/referencecommands.h"
#include "editing/referencemaintenance.h"
#include "editing/referencematrix.h"
#include "editing/referencematrixcopy.h"
#include "platform/rtext.h"
#include "problem/problemfile.h"
#include "problem/rationproblem.h"
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
  void turkishColumnNameThroughEveryWriter();
  void emptyMatrixGetsItsUnitsRecord();
  void narrowColumnRefusedAtOpen_data();
  void narrowColumnRefusedAtOpen();
};

namespace {

QByteArray fileBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The field descriptors of a table, as stored.
QByteArray descriptors(const QString &path)
{
  const QByteArray all = fileBytes(path);
  const int headerLen = quint8(all.at(8)) | quint8(all.at(9)) << 8;
  return all.mid(32, headerLen - 32);
}

// "ÇİNKO" in code page 1254, as an older program stored the zinc column.
const QByteArray TurkishZinc("\xC7\xDDNKO");

} // namespace

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
  QCOMPARE(m.feedCount(), 0);  // a new matrix holds no feedstuff
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
  QCOMPARE(m.feedCount(), 1);
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
  QCOMPARE(m.feedCount(), 2);  // the deleted record is not seen
  QCOMPARE(m.feed(0).recNo(), 2);
  QCOMPARE(m.feed(1).recNo(), 4);
  QCOMPARE(m.feed(0).name(), QStringLiteral(" Arpa").leftJustified(25));
  QCOMPARE(m.feed(0).price(), QStringLiteral("      5.500"));
  QCOMPARE(m.feed(0).cell(1), QStringLiteral("   124.0000"));
  QCOMPARE(m.feedIndex(QStringLiteral("Arpa")), 0);  // the first of two equal names
  QCOMPARE(m.nutrientColumn(QStringLiteral("KMO")), 0);
  QCOMPARE(m.nutrientColumn(QStringLiteral("KM")), -1);  // whole names only
  QCOMPARE(m.recordCount(), 3);

  QString error;
  QVERIFY(!refmatrix::read(dir.filePath(QStringLiteral("YOK.DBF")), &m, &error));
  QVERIFY(!error.isEmpty());
}

void TestReferenceMatrix::turkishColumnNameThroughEveryWriter()
{
  // An older matrix whose zinc column is named "ÇİNKO": opened, saved, given
  // a new column, built into a problem that is saved; the name stays the
  // same bytes on every way, and an independent reader reads it.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QList<DbfField> fields = KMM_STRCREATE().mid(0, 3);  // YM_ADI, FIATI, KMO
  fields.append({QStringLiteral("XXNKO"), QLatin1Char('C'), 11, 0});
  QVERIFY(DbfTable::writeTable(path, fields,
                               {{false, {QStringLiteral("BIRIM"), QString(), QStringLiteral("%"), QStringLiteral("mg/Kg")}},
                                {false, {QStringLiteral("Arpa"), QStringLiteral("5.000"), QStringLiteral("    88.0000"),
                                         QStringLiteral("    30.0000")}}}));
  QByteArray bytes = fileBytes(path);
  bytes.replace("XXNKO", TurkishZinc);
  {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  const QByteArray before = descriptors(path);
  const QString zinc = QStringLiteral("ÇİNKO");

  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));
  QCOMPARE(m.nutrientColumns(), (QStringList{QStringLiteral("KMO"), zinc}));

  // The window's copy: an edit and a save.
  ReferenceMatrixCopy copy;
  QVERIFY(copy.open(path));
  ScriptedInteraction ui;
  QCOMPARE(copy.ENDEDIT(2, 4, QStringLiteral("31"), ui), ReferenceMatrixCopy::EditOutcome::Stored);
  QString error;
  QVERIFY2(copy.save(&error) == ReferenceMatrixCopy::SaveOutcome::Saved, qPrintable(error));
  QCOMPARE(descriptors(path), before);

  // A column added behind it.
  refmaint::ColumnEditor editor(path);
  QVERIFY(editor.load());
  QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("VITK"), 0, ui),
           refmaint::ColumnEditor::Result::Close);
  QVERIFY2(ui.texts(QStringLiteral("information")).isEmpty(), qPrintable(ui.texts(QStringLiteral("information")).join('|')));
  QVERIFY(descriptors(path).startsWith(before.left(4 * 32)));
  const IndependentTable t = readWithDbfread(path);
  QVERIFY2(t.ok, qPrintable(t.error));
  QCOMPARE(t.fieldNames, (QStringList{"YM_ADI", "FIATI", "KMO", zinc, "VITK"}));
  QCOMPARE(t.records.at(1).at(3), QStringLiteral("    31.0000"));

  // A problem built with it is saved and read back with the name.
  RationProblem problem;
  ScriptedInteraction build;
  build.chooseManyAnswers.enqueue({2});
  build.chooseManyAnswers.enqueue({1});
  QVERIFY(refcommands::AMAT_OLUSTUR_GR(dir.path(), problem, build));
  QCOMPARE(problem.nutrientNames, (QStringList{"KMT", "KMO", zinc}));
  const QString rvd = dir.filePath(QStringLiteral("ZINC.RVD"));
  QVERIFY(ProblemFile::createNew(rvd));
  ProblemFile file;
  QVERIFY2(file.open(rvd), qPrintable(file.errorString()));
  QVERIFY2(file.PROBDBFUPDATE(problem), qPrintable(file.errorString()));
  RationProblem loaded;
  file.AKTPRODIZOLUSTUR(loaded);
  QCOMPARE(loaded.nutrientNames, (QStringList{"KMT", "KMO", zinc}));
  QCOMPARE(loaded.matrix.at(2).at(0), QStringLiteral("    31.0000"));
}

void TestReferenceMatrix::emptyMatrixGetsItsUnitsRecord()
{
  // A matrix with no record at all: the window's first new record is a
  // feedstuff behind the units record, not the units record renamed.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QVERIFY(DbfTable::writeTable(path, KMM_STRCREATE().mid(0, 4), {}));
  ReferenceMatrixCopy copy;
  QVERIFY(copy.open(path));
  QCOMPARE(copy.recordCount(), 1);
  QCOMPARE(copy.cell(1, 1), rt::PadR(QStringLiteral("BIRIM"), 25));
  QVERIFY(!copy.changed());
  QCOMPARE(copy.APPEND(), 2);
  ScriptedInteraction ui;
  QCOMPARE(copy.ENDEDIT(2, 1, QStringLiteral("Arpa"), ui), ReferenceMatrixCopy::EditOutcome::Stored);
  QCOMPARE(copy.ENDEDIT(2, 4, QStringLiteral("124"), ui), ReferenceMatrixCopy::EditOutcome::Stored);
  QCOMPARE(copy.save(), ReferenceMatrixCopy::SaveOutcome::Saved);
  const IndependentTable t = readWithDbfread(path);
  QVERIFY2(t.ok, qPrintable(t.error));
  QCOMPARE(t.records.size(), 2);
  QCOMPARE(t.records.at(0).at(0).trimmed(), QStringLiteral("BIRIM"));
  QCOMPARE(t.records.at(1).at(0).trimmed(), QStringLiteral("Arpa"));
  QCOMPARE(t.records.at(1).at(3), QStringLiteral("   124.0000"));
}

void TestReferenceMatrix::narrowColumnRefusedAtOpen_data()
{
  QTest::addColumn<int>("field");   // 0-based
  QTest::addColumn<int>("width");
  QTest::addColumn<bool>("refused");
  QTest::newRow("nutrient of 4") << 3 << 4 << true;
  QTest::newRow("nutrient of 10") << 3 << 10 << true;
  QTest::newRow("price of 8") << 1 << 8 << true;
  QTest::newRow("nutrient of 12") << 3 << 12 << false;
  QTest::newRow("name of 20") << 0 << 20 << false;  // a longer name is refused when typed
}

void TestReferenceMatrix::narrowColumnRefusedAtOpen()
{
  QFETCH(int, field);
  QFETCH(int, width);
  QFETCH(bool, refused);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QList<DbfField> fields = KMM_STRCREATE().mid(0, 4);  // YM_ADI, FIATI, KMO, HP
  fields[field].length = width;
  QVERIFY(DbfTable::writeTable(path, fields, {{false, {QStringLiteral("BIRIM")}}, {false, {QStringLiteral("Arpa")}}}));
  const QByteArray old = fileBytes(path);
  ReferenceMatrix m;
  QString error;
  QCOMPARE(refmatrix::read(path, &m, &error), !refused);
  ReferenceMatrixCopy copy;
  QCOMPARE(copy.open(path), !refused);
  if (refused) {
    QCOMPARE(error, refmatrix::narrowColumnText(fields.at(field).name, width));
    QVERIFY(error.contains(QLatin1Char('"') + fields.at(field).name + QLatin1Char('"')));
    QCOMPARE(copy.openError(), error);
    QCOMPARE(refmaint::openFailedText(copy.openError()),
             QStringLiteral("Referans matris dosyası açma hatası!\n\n") + error);
  }
  QCOMPARE(fileBytes(path), old);
}

QTEST_GUILESS_MAIN(TestReferenceMatrix)
#include "tst_referencematrix.moc"
