// Keeping the reference matrix: the window's copy with its end-of-edit rules,
// column arithmetic and nutrient linking, the nutrient column changes read
// back with an independent reader, and the back-up copy.
#include "../platform/dbfreader.h"
#include "editing/referencemaintenance.h"
#include "editing/entrytable.h"
#include "editing/referencematrixcopy.h"
#include "problem/numbertext.h"
#include "referencefixture.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

QByteArray bytesOf(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString c11(const char *v) { return cell(v); }

} // namespace

class TstReferenceMaintenance : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString path() const { return QDir(m_dir.path()).filePath(QStringLiteral("MATKUMAD.DBF")); }

private slots:
  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QVERIFY(writeReference(m_dir.path()));
  }

  void endOfEdit_data()
  {
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // trimmed on the right; "!" refused
    QTest::newRow("units name stays BIRIM") << 1 << 1 << QStringLiteral("Arpa") << QStringLiteral("BIRIM");
    QTest::newRow("units name emptied") << 1 << 1 << QString() << QStringLiteral("BIRIM");
    QTest::newRow("unit as typed") << 1 << 4 << QStringLiteral("g/gün") << QStringLiteral("g/gün");
    QTest::newRow("unit too long") << 1 << 4 << QStringLiteral("123456789012") << QStringLiteral("!");
    QTest::newRow("price 3 decimals") << 2 << 2 << QStringLiteral("0,9") << QStringLiteral("      0.900");
    QTest::newRow("nutrient 4 decimals") << 3 << 4 << QStringLiteral("3") << QStringLiteral("     3.0000");
    QTest::newRow("cell emptied") << 3 << 4 << QStringLiteral("   ") << QString();
    QTest::newRow("name as typed") << 2 << 1 << QStringLiteral(" Arpa ezme") << QStringLiteral(" Arpa ezme");
    QTest::newRow("name too long") << 2 << 1 << QString(26, QLatin1Char('x')) << QStringLiteral("!");
    QTest::newRow("number too wide refused") << 2 << 3 << QStringLiteral("123456789") << QStringLiteral("!");
    QTest::newRow("no number refused") << 2 << 3 << QStringLiteral("12a") << QStringLiteral("!");
  }

  void endOfEdit()
  {
    QFETCH(int, record);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    const QString before = copy.cell(record, field);
    ScriptedInteraction ui;
    const auto outcome = copy.ENDEDIT(record, field, typed, ui);
    if (stored == QLatin1String("!")) {
      QCOMPARE(outcome, ReferenceMatrixCopy::EditOutcome::Refused);
      QCOMPARE(copy.cell(record, field), before);
      QCOMPARE(ui.texts(QStringLiteral("warning")).size(), 1);
    } else {
      QCOMPARE(outcome, ReferenceMatrixCopy::EditOutcome::Stored);
      QCOMPARE(copy.cell(record, field).size(), copy.fields().at(field - 1).length);
      QCOMPARE(rt::RTrim(copy.cell(record, field)), stored);
    }
  }

  void discardLeavesFileSaveKeepsEdits()
  {
    const QByteArray original = bytesOf(path());
    ScriptedInteraction ui;
    {
      ReferenceMatrixCopy copy;
      QVERIFY(copy.open(path()));
      copy.ENDEDIT(2, 2, QStringLiteral("7"), ui);
      copy.APPEND();
      QVERIFY(copy.removeRecord(3));
      QVERIFY(!copy.removeRecord(1));
      QVERIFY(copy.changed());
    }  // never saved: "Hayır"
    QCOMPARE(bytesOf(path()), original);

    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    copy.ENDEDIT(2, 2, QStringLiteral("7"), ui);
    const int added = copy.APPEND();
    copy.ENDEDIT(added, 1, QStringLiteral("Pamuk Tohumu"), ui);
    copy.ENDEDIT(added, 4, QStringLiteral("23"), ui);
    QCOMPARE(copy.save(), ReferenceMatrixCopy::SaveOutcome::Saved);
    QVERIFY(!copy.changed());
    const IndependentTable t = readWithDbfread(path());
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.records.size(), 7);
    QCOMPARE(t.records.at(1).at(1), c11("7.000"));
    QCOMPARE(t.records.at(6).at(0).trimmed(), QStringLiteral("Pamuk Tohumu"));
    QCOMPARE(t.records.at(6).at(3), c11("23.0000"));
    QCOMPARE(t.records.at(0).at(0).trimmed(), QStringLiteral("BIRIM"));
  }

  // Column NEL (field 6) operated on; the operand column NDF (field 5) is
  // emptied in record 3 and zero in record 4, VITA (field 8) is empty but for
  // record 4.
  void columnArithmetic_data()
  {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected");  // NEL of records 2..6, trimmed; "=" unchanged
    QTest::addColumn<int>("skipped");
    const auto N = QStringLiteral("N");
    const auto A = QStringLiteral("A");
    QTest::newRow("+ number") << "+" << "10" << N
                              << QStringList{"11.8600", "12.0100", "11.2400", "12.1300", "11.6000"} << 0;
    QTest::newRow("- number") << "-" << "1" << N
                              << QStringList{"0.8600", "1.0100", "0.2400", "1.1300", "0.6000"} << 0;
    QTest::newRow("* number") << "*" << "2" << N
                              << QStringList{"3.7200", "4.0200", "2.4800", "4.2600", "3.2000"} << 0;
    QTest::newRow("/ number") << "/" << "2" << N
                              << QStringList{"0.9300", "1.0050", "0.6200", "1.0650", "0.8000"} << 0;
    QTest::newRow("+ column with zeros") << "+" << "NDF" << A
                                         << QStringList{"2.0700", "2.0100", "1.2400", "2.2800", "2.0200"} << 0;
    QTest::newRow("- column with zeros") << "-" << "NDF" << A
                                         << QStringList{"1.6500", "2.0100", "1.2400", "1.9800", "1.1800"} << 0;
    QTest::newRow("* column with zeros") << "*" << "NDF" << A
                                         << QStringList{"0.3906", "0.0000", "0.0000", "0.3195", "0.6720"} << 0;
    QTest::newRow("/ column with zeros") << "/" << "NDF" << A
                                         << QStringList{"8.8571", "=", "=", "14.2000", "3.8095"} << 2;
    QTest::newRow("/ by empty column") << "/" << "VITA" << A
                                       << QStringList{"=", "=", "0.6200", "=", "="} << 4;
    QTest::newRow("+ minus five keeps its sign") << "+" << "-5" << N
                                                 << QStringList{"-3.1400", "-2.9900", "-3.7600", "-2.8700", "-3.4000"} << 0;
    QTest::newRow("- minus five") << "-" << "-5" << N
                                  << QStringList{"6.8600", "7.0100", "6.2400", "7.1300", "6.6000"} << 0;
  }

  void columnArithmetic()
  {
    QFETCH(QString, op);
    QFETCH(QString, value);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    QFETCH(int, skipped);
    QList<DbfRecord> recs = referenceRecords();
    recs[2].values[4] = cell("");
    recs[3].values[4] = cell("0.0000");
    recs[3].values[7] = cell("2.0000");  // VITA: filled in record 4 only
    QVERIFY(writeReference(m_dir.path(), recs));
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    ScriptedInteraction ui;
    ui.columnAnswers.enqueue({op, value});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::COLMATHBM(copy, 6, ui));
    QCOMPARE(ui.shown.at(1).text,
             QStringLiteral("Seçili referans matrise (NEL=NEL%1%2) işlemi uygulanacak\n\nYaptığınız işlemden emin misiniz?")
                 .arg(op, type == QLatin1String("N") ? signedNumberText(value, 4).trimmed() : value));
    QCOMPARE(copy.cell(1, 6), recs[0].values[5]);  // units untouched
    for (int r = 2; r <= 6; ++r) {
      const QString want = expected.at(r - 2);
      if (want == QLatin1String("="))
        QCOMPARE(copy.cell(r, 6), recs[r - 1].values[5]);
      else
        QCOMPARE(copy.cell(r, 6), rt::PadL(want, 11));
    }
    const QStringList infos = ui.texts(QStringLiteral("information"));
    if (skipped)
      QCOMPARE(infos, QStringList{refmaint::skippedCellsText(skipped)});
    else
      QVERIFY(infos.isEmpty());
  }

  void columnArithmeticRefusals()
  {
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    ScriptedInteraction ui;
    // The name column.
    QVERIFY(!refmaint::COLMATHBM(copy, 1, ui));
    QCOMPARE(ui.texts(QStringLiteral("warning")),
             QStringList{QStringLiteral("Aritmetik için önce sayısal bir kolon seçiniz!")});
    QVERIFY(ui.texts(QStringLiteral("columnmaths")).isEmpty());
    // A column with itself.
    ui.columnAnswers.enqueue({QStringLiteral("-"), QStringLiteral("HP")});
    QVERIFY(!refmaint::COLMATHBM(copy, 4, ui));
    QCOMPARE(ui.texts(QStringLiteral("status")), QStringList{QStringLiteral("Farklı bir besin maddesi seçilmedi...")});
    // Divided by a typed zero: the dialog refuses it, and the copy would too.
    ui.columnAnswers.enqueue({QStringLiteral("/"), QStringLiteral("0")});
    QVERIFY(!refmaint::COLMATHBM(copy, 4, ui));
    QCOMPARE(ui.texts(QStringLiteral("error")), QStringList{QStringLiteral("Sıfıra bölme yapılamaz!")});
    const ColumnOperation zero{QStringLiteral("/"), QStringLiteral("0.0000"), QStringLiteral("N")};
    QVERIFY(copy.applyColumnMaths(4, zero).divideByZero);
    // A result wider than a cell: said so, and nothing is written.
    ui.columnAnswers.enqueue({QStringLiteral("*"), QStringLiteral("100000")});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(!refmaint::COLMATHBM(copy, 4, ui));
    QCOMPARE(copy.cell(5, 4), cell("499.0000"));
    QCOMPARE(ui.texts(QStringLiteral("warning")).last(), refmaint::columnTooWideText());
    // Answered No.
    ui.columnAnswers.enqueue({QStringLiteral("+"), QStringLiteral("1")});
    ui.yesNoAnswers.enqueue(false);
    QVERIFY(!refmaint::COLMATHBM(copy, 4, ui));
    QVERIFY(!copy.changed());
    // The price column gets 4 decimals.
    ui.columnAnswers.enqueue({QStringLiteral("*"), QStringLiteral("2")});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::COLMATHBM(copy, 2, ui));
    QCOMPARE(copy.cell(2, 2), cell("10.0000"));
  }

  // Column arithmetic keeps what was typed: the sign of a number, a column
  // whose name holds digits; text that is no number, or a number too wide,
  // is named and changes nothing.
  void columnArithmeticOperands_data()
  {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("nel");      // NEL of record 2 afterwards, trimmed
    QTest::addColumn<QString>("warning");  // the dialog's refusal, empty for none
    const QString unchanged = QStringLiteral("1.8600");
    const QString hint = QStringLiteral("\n\nBir sayı yazınız ya da listeden bir besin maddesi seçiniz.");
    QTest::newRow("minus five") << "*" << "-5" << "-9.3000" << "";
    QTest::newRow("column B12 typed") << "+" << "B12" << "3.8600" << "";
    QTest::newRow("letter O for zero") << "+" << "1O" << unchanged << QStringLiteral("\"1O\" bir sayı değil!") + hint;
    QTest::newRow("eight integer digits") << "+" << "99999999" << unchanged << "Sayı 11 karakterden uzun olamaz!";
    QTest::newRow("seven integer digits") << "+" << "1234567" << unchanged << "Sayı 11 karakterden uzun olamaz!";
  }

  void columnArithmeticOperands()
  {
    QFETCH(QString, op);
    QFETCH(QString, typed);
    QFETCH(QString, nel);
    QFETCH(QString, warning);
    // A matrix with a column named "B12" (2.0000 in record 2).
    QList<DbfField> fields = referenceFields();
    fields.append({QStringLiteral("B12"), QLatin1Char('C'), 11, 0});
    QList<DbfRecord> recs = referenceRecords();
    for (DbfRecord &r : recs)
      r.values.append(cell(&r == &recs.first() ? "g" : "2.0000"));
    QVERIFY(DbfTable::writeTable(path(), fields, recs));
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    ScriptedInteraction ui;
    ui.columnAnswers.enqueue({op, typed});
    ui.yesNoAnswers.enqueue(true);
    QCOMPARE(refmaint::COLMATHBM(copy, 6, ui), warning.isEmpty());
    QCOMPARE(copy.cell(2, 6), rt::PadL(nel, 11));
    QCOMPARE(ui.texts(QStringLiteral("warning")), warning.isEmpty() ? QStringList() : QStringList{warning});
    if (warning.isEmpty())
      QVERIFY(ui.texts(QStringLiteral("yesno")).first().startsWith(
          QStringLiteral("Seçili referans matrise (NEL=NEL") + op
          + (typed == QLatin1String("B12") ? typed : signedNumberText(typed, 4).trimmed()) + QLatin1Char(')')));
  }

  // Wide columns of a foreign matrix can overflow a double: such a result
  // is refused like a too-wide one, never written as "inf".
  void columnArithmeticNeverWritesInfinity()
  {
    QList<DbfField> fields = referenceFields().mid(0, 2);
    fields.append({QStringLiteral("GENIS1"), QLatin1Char('C'), 220, 0});
    fields.append({QStringLiteral("GENIS2"), QLatin1Char('C'), 220, 0});
    const QString huge = QStringLiteral("1") + QString(200, QLatin1Char('0'));
    QList<DbfRecord> recs{{false, {QStringLiteral("BIRIM"), QString(), QString(), QString()}},
                          {false, {QStringLiteral("Arpa"), cell("5.000"), huge, huge}}};
    QVERIFY(DbfTable::writeTable(path(), fields, recs));
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    ScriptedInteraction ui;
    ui.columnAnswers.enqueue({QStringLiteral("*"), QStringLiteral("GENIS2")});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(!refmaint::COLMATHBM(copy, 3, ui));
    QCOMPARE(rt::AllTrim(copy.cell(2, 3)), huge);
    QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{refmaint::columnTooWideText()});
    QVERIFY(!copy.changed());
  }

  void nutrientLinking()
  {
    QList<DbfRecord> recs = referenceRecords();
    recs[1].values[3] = cell("10.0000");  // HP
    recs[1].values[4] = cell("20.0000");  // NDF
    recs[1].values[5] = cell("");         // NEL empty
    QVERIFY(writeReference(m_dir.path(), recs));
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(path()));
    ScriptedInteraction ui;
    QVERIFY(!refmaint::BMBAGLA(copy, 1, ui));
    QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{QStringLiteral("Bir yem maddesi seçilmedi...")});

    // "Tümünü Seç": every nutrient offered is scaled, and the dry-matter
    // percentage KMO is never offered.
    ui.chooseOneAnswers.enqueue(2);  // HP among KMO, HP, NDF, NEL, KALSIYUM, VITA
    ui.valueAnswers.enqueue(QStringLiteral("12"));
    ui.chooseManyAnswers.enqueue({1, 2, 3, 4, 5});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::BMBAGLA(copy, 2, ui));
    QCOMPARE(ui.texts(QStringLiteral("choosemany")), QStringList{QStringLiteral("NDF\nNEL\nKALSIYUM\nVITA")});
    QCOMPARE(copy.cell(2, 3), cell("88.0000"));  // KMO
    QCOMPARE(copy.cell(2, 5), cell("24.0000"));
    QCOMPARE(copy.cell(2, 6), cell(""));
    QCOMPARE(copy.cell(2, 7), cell("0.7200"));
    QCOMPARE(copy.cell(2, 4), cell("12.0000"));

    // A new value below zero keeps its sign.
    ui.chooseOneAnswers.enqueue(2);
    ui.valueAnswers.enqueue(QStringLiteral("-6"));
    ui.chooseManyAnswers.enqueue({1});
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::BMBAGLA(copy, 2, ui));
    QCOMPARE(copy.cell(2, 4), cell("-6.0000"));
    QCOMPARE(copy.cell(2, 5), cell("-12.0000"));

    // A zero macro value is refused at once: no value is asked.
    copy.ENDEDIT(3, 4, QStringLiteral("0"), ui);
    ui.chooseOneAnswers.enqueue(2);
    const qsizetype asked = ui.texts(QStringLiteral("value")).size();
    const QString kmo = copy.cell(3, 3);
    QVERIFY(!refmaint::BMBAGLA(copy, 3, ui));
    QCOMPARE(ui.texts(QStringLiteral("warning")).last(), EntryTable::zeroMacroText());
    QCOMPARE(ui.texts(QStringLiteral("value")).size(), asked);
    QCOMPARE(copy.cell(3, 3), kmo);
  }

  // Two sessions on one file: a save never writes over a change another
  // session saved since the copy was read; it says so, and writes over it
  // only when told to.
  void saveSeesChangeOnDisk()
  {
    using Outcome = ReferenceMatrixCopy::SaveOutcome;
    ScriptedInteraction ui;
    ReferenceMatrixCopy mine;
    ReferenceMatrixCopy theirs;
    QVERIFY(mine.open(path()));
    QVERIFY(theirs.open(path()));
    theirs.ENDEDIT(2, 4, QStringLiteral("130"), ui);
    QCOMPARE(theirs.save(), Outcome::Saved);
    mine.ENDEDIT(3, 4, QStringLiteral("95"), ui);
    const QByteArray afterTheirs = bytesOf(path());
    QCOMPARE(mine.save(), Outcome::ChangedOnDisk);
    QCOMPARE(bytesOf(path()), afterTheirs);
    QVERIFY(mine.changed());
    QCOMPARE(mine.save(nullptr, true), Outcome::Saved);
    ReferenceMatrixCopy reread;
    QVERIFY(reread.open(path()));
    QCOMPARE(reread.cell(3, 4), cell("95.0000"));
    QCOMPARE(reread.cell(2, 4), cell("124.0000"));  // written over, as chosen
    // Saved again with nothing new on disk: no question.
    mine.ENDEDIT(4, 4, QStringLiteral("190"), ui);
    QCOMPARE(mine.save(), Outcome::Saved);
    // A column another session added is a change on disk too.
    refmaint::ColumnEditor editor(path());
    QVERIFY(editor.load());
    QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("YENI"), 0, ui),
             refmaint::ColumnEditor::Result::Close);
    mine.ENDEDIT(5, 4, QStringLiteral("400"), ui);
    const QByteArray withColumn = bytesOf(path());
    QCOMPARE(mine.save(), Outcome::ChangedOnDisk);
    QCOMPARE(bytesOf(path()), withColumn);
  }

  // What another session saved is seen whatever it changed in the live
  // records, down to one letter; a record that is not live (deleted, or
  // dropped when deleted) is no change.
  void saveComparesTheLiveRecords_data()
  {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("deletedAtStart");  // a deleted record behind "Arpa" when the copy is read
    QTest::addColumn<bool>("asked");
    QTest::newRow("nothing") << "none" << false << false;
    QTest::newRow("a Turkish letter") << "turkish" << false << true;
    QTest::newRow("the first letter of a name") << "first" << false << true;
    QTest::newRow("a unit") << "unit" << false << true;
    QTest::newRow("the last character of the last cell") << "last" << false << true;
    QTest::newRow("a record marked deleted") << "delete" << false << true;
    QTest::newRow("a record appended") << "append" << false << true;
    QTest::newRow("a deleted record appended") << "appendDeleted" << false << false;
    QTest::newRow("nothing, with a deleted record") << "none" << true << false;
    QTest::newRow("the deleted record dropped") << "drop" << true << false;
    QTest::newRow("the deleted record recalled") << "recall" << true << true;
  }

  void saveComparesTheLiveRecords()
  {
    QFETCH(QString, change);
    QFETCH(bool, deletedAtStart);
    QFETCH(bool, asked);
    QList<DbfRecord> records = referenceRecords();
    const DbfRecord deleted{true, {QStringLiteral("Silinmiş"), cell("1.000")}};
    if (deletedAtStart) {
      records.insert(2, deleted);
      QVERIFY(writeReference(m_dir.path(), records));
    }
    ReferenceMatrixCopy mine;
    QVERIFY(mine.open(path()));
    ScriptedInteraction ui;
    QCOMPARE(mine.ENDEDIT(3, 4, QStringLiteral("95"), ui), ReferenceMatrixCopy::EditOutcome::Stored);

    // The other session's save.
    const int last = int(records.size()) - 1;
    if (change == QLatin1String("turkish"))
      records[deletedAtStart ? 3 : 2].values[0] = QStringLiteral("Misir");  // was "Mısır"
    else if (change == QLatin1String("first"))
      records[1].values[0] = QStringLiteral("arpa");
    else if (change == QLatin1String("unit"))
      records[0].values[3] = QStringLiteral("g/kg");
    else if (change == QLatin1String("last"))
      records[last].values[7] = cell("1");
    else if (change == QLatin1String("delete"))
      records[4].deleted = true;
    else if (change == QLatin1String("append"))
      records.append({false, {QStringLiteral("Yulaf"), cell("5.500")}});
    else if (change == QLatin1String("appendDeleted"))
      records.append({true, {QStringLiteral("Yulaf"), cell("5.500")}});
    else if (change == QLatin1String("drop"))
      records.removeAt(2);
    else if (change == QLatin1String("recall"))
      records[2].deleted = false;
    QVERIFY(writeReference(m_dir.path(), records));
    const QByteArray theirs = bytesOf(path());

    using Outcome = ReferenceMatrixCopy::SaveOutcome;
    QCOMPARE(mine.save(), asked ? Outcome::ChangedOnDisk : Outcome::Saved);
    if (asked) {
      QCOMPARE(bytesOf(path()), theirs);
      QVERIFY(mine.changed());
    } else {
      ReferenceMatrixCopy reread;
      QVERIFY(reread.open(path()));
      QCOMPARE(reread.recordCount(), 6);  // a deleted record is not written back
      QCOMPARE(reread.cell(3, 4), cell("95.0000"));
    }
    // After its own save the copy knows the file as saved: no question,
    // unless the other change is still there to be written over.
    mine.ENDEDIT(4, 4, QStringLiteral("190"), ui);
    QCOMPARE(mine.save(), asked ? Outcome::ChangedOnDisk : Outcome::Saved);
  }

  // The column dialog of a file it cannot read says so once, on its first
  // "&Tamam", and closes.
  void columnEditorWithoutFileClosesAtOnce()
  {
    QFile f(path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("no table");
    f.close();
    refmaint::ColumnEditor editor(path());
    QVERIFY(!editor.load());
    ScriptedInteraction ui;
    QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("YENI"), 0, ui),
             refmaint::ColumnEditor::Result::Close);
    QCOMPARE(ui.texts(QStringLiteral("information")), QStringList{QStringLiteral("Referans matris dosyası açma hatası!")});
  }

  void columns_data()
  {
    QTest::addColumn<int>("op");  // refmaint::ColumnOperation
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("message");  // refusal shown (dialog stays open), empty otherwise
    QTest::addColumn<QStringList>("fields");  // after, from the 7th field on; empty: unchanged
    const int add = int(refmaint::ColumnOperation::Append);
    const int ins = int(refmaint::ColumnOperation::Insert);
    const int del = int(refmaint::ColumnOperation::Delete);
    QTest::newRow("append VIT (VITA's start)") << add << "VIT" << 0 << false << QString()
                                                << QStringList{"KALSIYUM", "VITA", "VIT"};
    QTest::newRow("append lower case") << add << "vit_b12" << 0 << false << QString()
                                       << QStringList{"KALSIYUM", "VITA", "VIT_B12"};
    QTest::newRow("append empty") << add << "" << 0 << false << "Yeni Besin Maddesi adı girilmedi." << QStringList();
    QTest::newRow("append existing, other case") << add << "vita" << 0 << false
                                                 << "vita Besin maddesi RM dosyasında mevcut." << QStringList();
    QTest::newRow("append digit first") << add << "1ABC" << 0 << false << "!" << QStringList();
    QTest::newRow("append Turkish letter") << add << "ÇINKO2" << 0 << false << "!" << QStringList();
    QTest::newRow("append blank inside") << add << "A B" << 0 << false << "!" << QStringList();
    QTest::newRow("insert before HP") << ins << "YENI" << 4 << false << QString()
                                      << QStringList{"NEL", "KALSIYUM", "VITA"};
    QTest::newRow("insert nothing selected") << ins << "YENI" << 0 << false
                                             << "Önüne girilecek BM seçimi yapılmadı." << QStringList();
    QTest::newRow("insert before KMO") << ins << "YENI" << 3 << false
                                       << "Standart BM alanı önüne girmeye teşebbüs ettiniz.\r\rNOT: Gerçek BM önüne girmelisiniz."
                                       << QStringList();
    QTest::newRow("insert before FIATI") << ins << "YENI" << 2 << false << "!" << QStringList();
    QTest::newRow("delete standard HP") << del << "" << 4 << true
                                        << "Standart besin maddesini silmeye teşebbüs ettiniz.\r\rNOT: Sadece, sonradan eklenen/girilen besin maddesini silebilirsiniz."
                                        << QStringList();
    QTest::newRow("delete nothing selected") << del << "" << 0 << true << "Silinecek BM seçimi yapılmadı."
                                             << QStringList();
  }

  void columns()
  {
    QFETCH(int, op);
    QFETCH(QString, typed);
    QFETCH(int, selected);
    QFETCH(bool, yes);
    QFETCH(QString, message);
    QFETCH(QStringList, fields);
    const QByteArray before = bytesOf(path());
    refmaint::ColumnEditor editor(path());
    QVERIFY(editor.load());
    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(yes);
    const auto result = editor.PBTAMAM(refmaint::ColumnOperation(op), typed, selected, ui);
    if (!message.isEmpty()) {
      QCOMPARE(result, refmaint::ColumnEditor::Result::StayOpen);
      const QStringList infos = ui.texts(QStringLiteral("information"));
      QCOMPARE(infos.size(), 1);
      if (message != QLatin1String("!"))
        QCOMPARE(infos.first(), message);
      QCOMPARE(bytesOf(path()), before);
      return;
    }
    QCOMPARE(result, refmaint::ColumnEditor::Result::Close);
    const IndependentTable t = readWithDbfread(path());
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.fieldNames.mid(6), fields);
    QCOMPARE(t.records.size(), referenceRecords().size());
    if (op == int(refmaint::ColumnOperation::Insert)) {
      QCOMPARE(t.fieldNames.at(3), typed);
      QCOMPARE(t.fieldNames.at(4), QStringLiteral("HP"));
      QCOMPARE(t.fieldSpecs.at(3).at(2).toInt(), 11);
    }
    const int added = t.fieldNames.indexOf(typed.toUpper());
    QVERIFY(added >= 0);
    for (int r = 0; r < t.records.size(); ++r) {
      QCOMPARE(t.records.at(r).at(added), QString(11, QLatin1Char(' ')));  // the units record too
      QCOMPARE(t.records.at(r).at(0), referenceRecords().at(r).values.at(0).leftJustified(25));
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("MATKUMAD.DBF")});
  }

  void addedColumnDeletedAgain()
  {
    ScriptedInteraction ui;
    {
      refmaint::ColumnEditor editor(path());
      QVERIFY(editor.load());
      editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("VIT"), 0, ui);
    }
    refmaint::ColumnEditor editor(path());
    QVERIFY(editor.load());
    const int pos = int(editor.names().indexOf(QStringLiteral("VIT"))) + 1;
    QVERIFY(pos > 0);
    // No: nothing changes, the dialog closes.
    const QByteArray before = bytesOf(path());
    ui.yesNoAnswers.enqueue(false);
    QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Delete, QString(), pos, ui),
             refmaint::ColumnEditor::Result::Close);
    QCOMPARE(ui.shown.last().caption, QStringLiteral("Önemli Uyarı..."));
    QCOMPARE(ui.shown.last().text, refmaint::ColumnEditor::deleteQuestion(path(), QStringLiteral("VIT")));
    QCOMPARE(bytesOf(path()), before);
    ui.yesNoAnswers.enqueue(true);
    QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Delete, QString(), pos, ui),
             refmaint::ColumnEditor::Result::Close);
    const IndependentTable t = readWithDbfread(path());
    QVERIFY2(t.ok, qPrintable(t.error));
    QVERIFY(!t.fieldNames.contains(QStringLiteral("VIT")));
    QVERIFY(t.fieldNames.contains(QStringLiteral("VITA")));
  }

  void failedReplaceLeavesFileAsItWas()
  {
    const QByteArray before = bytesOf(path());
    // Dies half way through writing the new table.
    auto halfWriter = [](const QString &p, const QList<DbfField> &f, const QList<DbfRecord> &r, QString *e) {
      QTemporaryDir scratch;
      const QString full = scratch.filePath(QStringLiteral("x.dbf"));
      if (!DbfTable::writeTable(full, f, r, e))
        return false;
      QFile in(full);
      in.open(QIODevice::ReadOnly);
      const QByteArray content = in.readAll();
      QSaveFile out(p);
      out.open(QIODevice::WriteOnly);
      out.write(content.left(content.size() / 2));
      out.cancelWriting();
      if (e)
        *e = QStringLiteral("yazma kesildi");
      return false;
    };
    refmaint::ColumnEditor editor(path(), halfWriter);
    QVERIFY(editor.load());
    ScriptedInteraction ui;
    QCOMPARE(editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("YENI"), 0, ui),
             refmaint::ColumnEditor::Result::Close);
    QVERIFY(ui.texts(QStringLiteral("information")).first().startsWith(QStringLiteral("Yeni dosya oluşturulamıyor.")));
    QCOMPARE(bytesOf(path()), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("MATKUMAD.DBF")});
  }

  void backUp()
  {
    QTemporaryDir target;
    ScriptedInteraction ui;
    const QString copyPath = target.filePath(QStringLiteral("MATKUMAD.DBF"));
    QVERIFY(refmaint::backUp(m_dir.path(), copyPath, ui));
    QCOMPARE(bytesOf(copyPath), bytesOf(path()));
    QCOMPARE(ui.texts(QStringLiteral("status")).last(), QStringLiteral("Seçili RM'ye ait dosya başarıyla yedeklendi..."));

    // An existing copy: No keeps it, Yes replaces it.
    QFile::remove(copyPath);
    QFile old(copyPath);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("eski");
    old.close();
    ui.yesNoAnswers.enqueue(false);
    QVERIFY(!refmaint::backUp(m_dir.path(), copyPath, ui));
    QCOMPARE(ui.shown.last().text, copyPath + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"));
    QCOMPARE(ui.shown.last().icon, Interaction::Icon::Stop);
    QCOMPARE(bytesOf(copyPath), QByteArray("eski"));
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::backUp(m_dir.path(), target.path(), ui));  // the folder alone
    QCOMPARE(bytesOf(copyPath), bytesOf(path()));
    QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("MATKUMAD.DBF")});
  }

  void backUpRefusals_data()
  {
    QTest::addColumn<QString>("target");  // "%p" the program directory, "%t" a temporary folder
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("onto itself") << "%p/MATKUMAD.DBF" << "status" << "Farklı bir sürücü/klasör seçilmedi...";
    QTest::newRow("onto itself, other path") << "%p/./../%n/matkumad.dbf" << "status" << "Farklı bir sürücü/klasör seçilmedi...";
    QTest::newRow("missing folder") << "%t/yok/MATKUMAD.DBF" << "error" << "%t/yok klasörü hazır değil!\r\rHazırlayıp tekrar deneyiniz.";
    QTest::newRow("relative path") << "yedek/MATKUMAD.DBF" << "error" << "yedek/MATKUMAD.DBF klasörü hazır değil!\r\rHazırlayıp tekrar deneyiniz.";
    QTest::newRow("folder that does not exist") << "%t/yok" << "error" << "%t/yok klasörü hazır değil!\r\rHazırlayıp tekrar deneyiniz.";
    QTest::newRow("a regular file") << "%f" << "error"
                                    << "%f bir klasör değil!\r\rYedek, var olan bir klasöre RM dosyasının adıyla alınır.";
    QTest::newRow("cancelled") << "" << "" << "";
  }

  void backUpRefusals()
  {
    QFETCH(QString, target);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    // The program directory's file named in lower case counts as itself too.
    QVERIFY(QFile::rename(path(), QDir(m_dir.path()).filePath(QStringLiteral("matkumad.dbf"))));
    QTemporaryDir temp;
    // A file of the user's that a back-up must never take the place of.
    const QString userFile = temp.filePath(QStringLiteral("notlar.txt"));
    QFile notes(userFile);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("notlar");
    notes.close();
    auto fill = [&](QString s) {
      return s.replace(QLatin1String("%p"), m_dir.path())
          .replace(QLatin1String("%n"), QFileInfo(m_dir.path()).fileName())
          .replace(QLatin1String("%f"), userFile)
          .replace(QLatin1String("%t"), temp.path());
    };
    ScriptedInteraction ui;
    const QByteArray before = bytesOf(QDir(m_dir.path()).filePath(QStringLiteral("matkumad.dbf")));
    QVERIFY(!refmaint::backUp(m_dir.path(), fill(target), ui));
    if (kind.isEmpty()) {
      QVERIFY(ui.shown.isEmpty());
    } else {
      QCOMPARE(ui.shown.size(), 1);
      QCOMPARE(ui.shown.first().kind, kind);
      QCOMPARE(ui.shown.first().text, fill(text));
    }
    QCOMPARE(bytesOf(QDir(m_dir.path()).filePath(QStringLiteral("matkumad.dbf"))), before);
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("notlar.txt")});
    QCOMPARE(bytesOf(userFile), QByteArray("notlar"));
  }

  void backUpWithoutSource()
  {
    QVERIFY(QFile::remove(path()));
    QTemporaryDir target;
    // An old copy there: nothing is asked about it, since nothing would be copied.
    const QString oldCopy = target.filePath(QStringLiteral("MATKUMAD.DBF"));
    QFile old(oldCopy);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("eski");
    old.close();
    ScriptedInteraction ui;
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(!refmaint::backUp(m_dir.path(), target.path(), ui));
    QCOMPARE(ui.shown.size(), 1);
    QCOMPARE(ui.texts(QStringLiteral("status")), QStringList{QStringLiteral("Seçili RM dosyası bulunamadı...")});
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(bytesOf(oldCopy), QByteArray("eski"));
  }

  // The copy is readable by whom the matrix is readable by: its permission
  // bits, not the target's or the usual ones of a new file.
  void backUpKeepsPermissions()
  {
    const auto bits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path(), bits));
    QTemporaryDir target;
    const QString copyPath = target.filePath(QStringLiteral("MATKUMAD.DBF"));
    ScriptedInteraction ui;
    QVERIFY(refmaint::backUp(m_dir.path(), target.path(), ui));
    QCOMPARE(QFileInfo(copyPath).permissions().toInt() & 0x7777, QFileInfo(path()).permissions().toInt() & 0x7777);
    // An old copy open to all is replaced by one as closed as the matrix.
    QVERIFY(QFile::setPermissions(copyPath, bits | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::WriteGroup));
    ui.yesNoAnswers.enqueue(true);
    QVERIFY(refmaint::backUp(m_dir.path(), copyPath, ui));
    QCOMPARE(QFileInfo(copyPath).permissions().toInt() & 0x7777, QFileInfo(path()).permissions().toInt() & 0x7777);
  }

  void openingSteps()
  {
    ScriptedInteraction ui;
    QVERIFY(!refmaint::logOnGranted(ui));
    QCOMPARE(ui.shown.last().kind, QStringLiteral("logon"));
    QCOMPARE(ui.shown.last().caption, QStringLiteral("Geçiş İzni"));
    ui.logOnAnswers.enqueue({true, QStringLiteral("ali")});
    QVERIFY(refmaint::logOnGranted(ui));
    QVERIFY(QFile::remove(path()));
    const QString created = refmaint::ensureReferenceMatrix(m_dir.path(), ui);
    QCOMPARE(QFileInfo(created).fileName(), QStringLiteral("MATKUMAD.DBF"));
    ReferenceMatrixCopy copy;
    QVERIFY(copy.open(created));
    QCOMPARE(copy.recordCount(), 1);
    QCOMPARE(copy.fieldCount(), 44);
    QCOMPARE(rt::RTrim(copy.cell(1, 1)), QStringLiteral("BIRIM"));
  }
};

QTEST_GUILESS_MAIN(TstReferenceMaintenance)
#include "tst_referencemaintenance.moc"
