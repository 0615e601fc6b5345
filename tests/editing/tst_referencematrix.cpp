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
  void liveRecordsInRecordOrder_data();
  void liveRecordsInRecordOrder();
  void turkishLettersAsStored();
  void nothingPastTheRecord();
  void textsOutliveTheMatrix();
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

void TestReferenceMatrix::liveRecordsInRecordOrder_data()
{
  // The table as stored: each letter a record named by it, '*' marking the
  // record before it deleted ("*A B" is A deleted, then B).
  QTest::addColumn<QString>("table");
  QTest::addColumn<QString>("units");     // the units record's name, empty when none is live
  QTest::addColumn<QString>("feeds");     // the feedstuffs' names in order
  QTest::addColumn<QList<int>>("recNos");  // their physical record numbers
  QTest::newRow("no record") << "" << "" << "" << QList<int>{};
  QTest::newRow("units record only") << "U" << "U" << "" << QList<int>{};
  QTest::newRow("every record deleted") << "*U *A" << "" << "" << QList<int>{};
  QTest::newRow("deleted before the units record") << "*X U A B" << "U" << "AB" << QList<int>{3, 4};
  QTest::newRow("deleted between feedstuffs") << "U A *X *Y B" << "U" << "AB" << QList<int>{2, 5};
  QTest::newRow("deleted at the end") << "U A B *X" << "U" << "AB" << QList<int>{2, 3};
  QTest::newRow("none deleted") << "U A B C" << "U" << "ABC" << QList<int>{2, 3, 4};
}

void TestReferenceMatrix::liveRecordsInRecordOrder()
{
  QFETCH(QString, table);
  QFETCH(QString, units);
  QFETCH(QString, feeds);
  QFETCH(QList<int>, recNos);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  const QList<DbfField> fields = KMM_STRCREATE().mid(0, 4);  // YM_ADI, FIATI, KMO, HP
  QList<DbfRecord> records;
  for (const QString &word : table.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString name = word.right(1);
    // Each cell names its record and its column, so a cell of another
    // record or column shows.
    records.append({word.startsWith(QLatin1Char('*')),
                    {name, rt::PadL(name + QStringLiteral("1"), 11), rt::PadL(name + QStringLiteral("2"), 11),
                     rt::PadL(name + QStringLiteral("3"), 11)}});
  }
  QVERIFY(DbfTable::writeTable(path, fields, records));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));

  QCOMPARE(m.recordCount(), (units.isEmpty() ? 0 : 1) + feeds.size());
  QCOMPARE(m.feedCount(), feeds.size());
  const QStringList wantedUnits = units.isEmpty() ? QStringList(2, QString())
                                                 : QStringList{units + QStringLiteral("2"), units + QStringLiteral("3")};
  QCOMPARE(m.units(), wantedUnits);
  QCOMPARE(m.value(0, 0), units.isEmpty() ? QString() : rt::PadR(units, 25));
  const QList<QStringList> all = m.records();
  QCOMPARE(all.size(), m.recordCount());
  for (int r = 0; r < m.recordCount(); ++r) {
    QCOMPARE(m.record(r), all.at(r));
    QCOMPARE(all.at(r).size(), fields.size());
    for (int f = 0; f < fields.size(); ++f)
      QCOMPARE(m.value(r, f), all.at(r).at(f));
  }
  QStringList trimmed;
  for (int i = 0; i < feeds.size(); ++i) {
    const QString name = feeds.mid(i, 1);
    const ReferenceFeed f = m.feed(i);
    QCOMPARE(f.recNo(), recNos.at(i));
    QCOMPARE(f.name(), rt::PadR(name, 25));
    QCOMPARE(m.feedName(i), f.name());
    QCOMPARE(f.trimmedName(), name);
    QCOMPARE(f.price(), rt::PadL(name + QStringLiteral("1"), 11));
    QCOMPARE(f.cell(0), rt::PadL(name + QStringLiteral("2"), 11));
    QCOMPARE(f.cell(1), rt::PadL(name + QStringLiteral("3"), 11));
    QCOMPARE(m.record(i + 1), (QStringList{f.name(), f.price(), f.cell(0), f.cell(1)}));
    QCOMPARE(m.feedIndex(name), i);
    trimmed.append(name);
  }
  QCOMPARE(m.trimmedFeedNames(), trimmed);
  QCOMPARE(m.feedIndex(QStringLiteral("X")), -1);  // a deleted record is no feedstuff
  QCOMPARE(m.feedIndex(QStringLiteral("U")), -1);  // nor is the units record
  // Past the last feedstuff: nothing, not the record after it on disk.
  const ReferenceFeed past = m.feed(int(feeds.size()));
  QCOMPARE(past.recNo(), 0);
  QVERIFY(past.name().isEmpty() && past.cell(0).isEmpty());
  QVERIFY(m.feedName(int(feeds.size())).isEmpty());
  QVERIFY(m.record(m.recordCount()).isEmpty());
}

void TestReferenceMatrix::turkishLettersAsStored()
{
  // Every letter of code page 1254 above ASCII and an undefined byte
  // (0x81), in names and cells: decoded as stored, and found by name.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  const QString units = QStringLiteral("µg/Kg ‰");
  const QString name = QStringLiteral("  Çiğ Süt Şekeri İç ıöü");
  const QString other = QStringLiteral("ĞÜŞÖÇ\u0081 € „");
  const QString cell = QStringLiteral("ğ ş ı Ğ İ");
  QVERIFY(DbfTable::writeTable(path, KMM_STRCREATE().mid(0, 3),
                               {{false, {QStringLiteral("BIRIM"), QString(), units}},
                                {false, {name, QStringLiteral("5.000"), cell}},
                                {false, {other, QStringLiteral("1.000"), QStringLiteral("Ş")}}}));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));
  QCOMPARE(m.units(), QStringList{units});
  QCOMPARE(m.feed(0).name(), rt::PadR(name, 25));
  QCOMPARE(m.feed(0).trimmedName(), name.trimmed());
  QCOMPARE(m.feed(0).cell(0), rt::PadR(cell, 11));
  QCOMPARE(m.feed(1).cell(0), rt::PadR(QStringLiteral("Ş"), 11));
  QCOMPARE(m.feed(1).trimmedName(), other);
  QCOMPARE(m.trimmedFeedNames(), (QStringList{name.trimmed(), other}));
  QCOMPARE(m.feedIndex(name.trimmed()), 0);
  QCOMPARE(m.feedIndex(other), 1);
  // Names that are not stored: one letter changed, a letter the code page
  // has not (the same letters otherwise), blanks left on.
  QCOMPARE(m.feedIndex(QStringLiteral("Çiğ Süt Şekeri İç iöü")), -1);
  QCOMPARE(m.feedIndex(QStringLiteral("Çiğ Süt Şekeri İç ıöü\u0100")), -1);
  QCOMPARE(m.feedIndex(name), -1);
  QCOMPARE(m.feedIndex(QString()), -1);
}

void TestReferenceMatrix::nothingPastTheRecord()
{
  // A matrix of the name, the price and one nutrient: a cell asked past the
  // record's end is empty, as is any text of a matrix never read.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QVERIFY(DbfTable::writeTable(path, KMM_STRCREATE().mid(0, 3),
                               {{false, {QStringLiteral("BIRIM")}}, {false, {QStringLiteral("Arpa"), QString(), QStringLiteral("88")}}}));
  ReferenceMatrix m;
  QVERIFY(refmatrix::read(path, &m));
  const ReferenceFeed f = m.feed(0);
  QCOMPARE(f.cell(0), rt::PadR(QStringLiteral("88"), 11));
  QVERIFY(f.cell(1).isNull());
  QVERIFY(f.cell(-1).isNull());
  QVERIFY(m.value(1, 3).isNull());
  QVERIFY(m.value(1, -1).isNull());
  QVERIFY(m.value(-1, 0).isNull());
  QVERIFY(m.value(2, 0).isNull());
  QCOMPARE(m.nutrientColumn(QStringLiteral("HP")), -1);

  const ReferenceMatrix none;
  QCOMPARE(none.recordCount(), 0);
  QCOMPARE(none.feedCount(), 0);
  QVERIFY(none.fields().isEmpty());
  QVERIFY(none.value(0, 0).isNull());
  QVERIFY(none.records().isEmpty());
  QCOMPARE(none.feedIndex(QString()), -1);
  QVERIFY(none.feed(0).name().isNull());
  QVERIFY(none.sameRecords(ReferenceMatrix()));
  QVERIFY(!none.sameRecords(m));
  QVERIFY(!m.sameRecords(none));
  QVERIFY(m.sameRecords(m));
}

void TestReferenceMatrix::textsOutliveTheMatrix()
{
  // The texts handed out share what the matrix read: each must stay as it
  // was when the matrix and the feedstuff it came from are gone, and a
  // change of one must not reach another.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MATKUMAD.DBF"));
  QVERIFY(DbfTable::writeTable(path, KMM_STRCREATE().mid(0, 4),
                               {{false, {QStringLiteral("BIRIM")}},
                                {false, {QStringLiteral("Arpa"), QStringLiteral("5.000"), QStringLiteral("88"),
                                         QStringLiteral("124")}}}));
  QString name, first, second;
  QStringList record;
  ReferenceFeed kept;
  {
    ReferenceMatrix m;
    QVERIFY(refmatrix::read(path, &m));
    kept = m.feed(0);
    {
      const ReferenceFeed f = m.feed(0);
      name = f.name();
      first = f.cell(0);
      second = f.cell(1);
    }
    record = m.record(1);
  }
  QCOMPARE(kept.recNo(), 2);
  QCOMPARE(kept.cell(1), rt::PadR(QStringLiteral("124"), 11));
  kept = ReferenceFeed();
  QVERIFY(kept.cell(1).isNull());
  // Grown in place where nothing else shares its memory, a text must not
  // write over the cell behind it.
  first.append(QStringLiteral("xyz"));
  name[0] = QLatin1Char('B');
  QCOMPARE(first, rt::PadR(QStringLiteral("88"), 11) + QStringLiteral("xyz"));
  QCOMPARE(second, rt::PadR(QStringLiteral("124"), 11));
  QCOMPARE(name, rt::PadR(QStringLiteral("Brpa"), 25));
  record[2].append(QLatin1Char('!'));
  QCOMPARE(record, (QStringList{rt::PadR(QStringLiteral("Arpa"), 25), rt::PadR(QStringLiteral("5.000"), 11),
                                rt::PadR(QStringLiteral("88"), 11) + QLatin1Char('!'), rt::PadR(QStringLiteral("124"), 11)}));
  // Every text ends as a QString ends, for the calls that read up to it.
  QCOMPARE(second.utf16()[second.size()], u'\0');
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
