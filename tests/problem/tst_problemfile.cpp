#include "../platform/dbfreader.h"
#include "platform/rtext.h"
#include "problem/filehelpers.h"
#include "problem/problemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace vz;
using vz::rt::PadL;
using vz::rt::PadR;

namespace {

const QStringList FieldNames = {
    QStringLiteral("YMADI"),  QStringLiteral("YMFIAT"),  QStringLiteral("YMSABIT"), QStringLiteral("YMALTLIM"),
    QStringLiteral("YMUSTLIM"), QStringLiteral("YMMANMIK"), QStringLiteral("BMADI"), QStringLiteral("BMBIRIM"),
    QStringLiteral("BMSABIT"), QStringLiteral("BMALTLIM"), QStringLiteral("BMUSTLIM"), QStringLiteral("BMADIA"),
    QStringLiteral("BMADIB"), QStringLiteral("OSABIT"),  QStringLiteral("OALTLIM"), QStringLiteral("OUSTLIM"),
    QStringLiteral("YMBMAT")};

QString num(double v, int decimals = 4)
{
  return rt::Str(v, 11, decimals);
}

QString blank()
{
  return QString(11, QLatin1Char(' '));
}

// One record given as "FIELD=value" pairs; a leading "*" marks it deleted.
DbfRecord rec(const QStringList &pairs)
{
  DbfRecord r;
  r.values = QStringList(FieldNames.size());
  for (const QString &p : pairs) {
    if (p == QLatin1String("*")) {
      r.deleted = true;
      continue;
    }
    const qsizetype eq = p.indexOf(QLatin1Char('='));
    r.values[FieldNames.indexOf(p.left(eq))] = p.mid(eq + 1);
  }
  return r;
}

QString matrixText(const QStringList &cells)
{
  QString s;
  for (const QString &c : cells)
    s += c + QLatin1Char(',');
  return s;
}

RationProblem sampleProblem(int feeds = 3, int nutrients = 2)
{
  RationProblem p;
  for (int j = 0; j < feeds; ++j)
    p.feeds.append({PadR(QStringLiteral("Yem %1").arg(j + 1), 15), num(1.5 + j, 3), blank(), num(0.1, 3), num(9 + j, 3)});
  for (int i = 0; i < nutrients; ++i)
    p.nutrients.append({PadR(QStringLiteral("BM%1").arg(i + 1), 15), PadL(QStringLiteral("g/Kg"), 11), blank(), num(10 * i), blank()});
  p.ratios.append({PadR(QStringLiteral("BM1"), 15), PadR(QStringLiteral("BM2"), 15), blank(), num(1.2), num(2.5)});
  for (int i = 0; i < nutrients; ++i) {
    QStringList row;
    for (int j = 0; j < feeds; ++j)
      row.append(num(i * 10 + j + 0.25));
    p.matrix.append(row);
  }
  for (int j = 0; j < feeds; ++j)
    p.feedAmounts.append(num(j + 1, 3));
  p.params = QStringList{QStringLiteral("G"), QStringLiteral("12.000"), QStringLiteral("TL"), QStringLiteral("Kg")};
  p.animalDescription = {QStringLiteral("GEBE & SÜT VEREN İNEK:"), QStringLiteral("CANLI AĞIRLIK (Kg): 600")};
  p.rebuildFeedNames();
  p.rebuildNutrientLists();
  return p;
}

ChangedFlags allRaised()
{
  ChangedFlags f;
  f.params = f.feedNames = f.nutrientNames = f.ratios = f.matrix = f.feedAmounts = true;
  return f;
}

QByteArray bytesOf(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProblemFile : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  int m_n = 0;

  QString newPath() { return m_dir.filePath(QStringLiteral("P%1.RVD").arg(++m_n)); }

  QString writeFile(const QList<DbfRecord> &records)
  {
    const QString path = newPath();
    QString error;
    if (!DbfTable::writeTable(path, ProblemFile::problemFields(), records, &error))
      qWarning("%s", qPrintable(error));
    return path;
  }

  // Saves `p` (every flag raised) into a fresh file and returns its path.
  QString saveFresh(RationProblem p)
  {
    const QString path = newPath();
    ProblemFile::createNew(path);
    ProblemFile f;
    if (!f.open(path))
      return QString();
    p.changed = allRaised();
    if (!f.PROBDBFUPDATE(p))
      qWarning("%s", qPrintable(f.errorString()));
    return path;
  }

  // Two sessions holding one file, each having read it.
  static bool openTwoSessions(const QString &path, ProblemFile &a, RationProblem &pa, ProblemFile &b, RationProblem &pb)
  {
    if (!a.open(path) || !b.open(path))
      return false;
    a.AKTPRODIZOLUSTUR(pa);
    b.AKTPRODIZOLUSTUR(pb);
    return true;
  }
  static RationProblem load(const QString &path)
  {
    ProblemFile f;
    RationProblem p;
    if (f.open(path))
      f.AKTPRODIZOLUSTUR(p);
    return p;
  }

private slots:
  void loadingFollowsTheRecordRule()
  {
    const QString paramRow = QStringLiteral("G,1.000,TL,Kg,");
    // Three feedstuffs; records 1 and 2 have a blank BMADI, record 3 a nutrient;
    // one ratio lacks its denominator; a deleted record holds a fourth feedstuff.
    const QString path = writeFile({
        rec({QStringLiteral("YMADI=Arpa"), QStringLiteral("BMADIA=KMT"), QStringLiteral("YMBMAT=") + matrixText({num(1), num(1), num(1)})}),
        rec({QStringLiteral("*"), QStringLiteral("YMADI=Silinmiş")}),
        rec({QStringLiteral("YMADI=Mısır"), QStringLiteral("YMBMAT=") + paramRow}),
        rec({QStringLiteral("YMADI=Saman"), QStringLiteral("BMADI=KMT"), QStringLiteral("BMBIRIM=      Kg/Kg")}),
    });
    const RationProblem p = load(path);
    QCOMPARE(p.feedNames, (QStringList{QStringLiteral("Arpa"), QStringLiteral("Mısır"), QStringLiteral("Saman")}));
    QCOMPARE(p.feeds.at(0).at(YmName), PadR(QStringLiteral("Arpa"), 15));  // as stored, full width
    QCOMPARE(p.feedAmounts.size(), 3);
    QCOMPARE(p.nutrientNames, QStringList{QStringLiteral("KMT")});
    QCOMPARE(p.nutrientUnits, QStringList{QStringLiteral("Kg/Kg")});
    QVERIFY(p.ratios.isEmpty());
    QCOMPARE(p.matrix, (QList<QStringList>{{num(1), num(1), num(1)}}));
    QCOMPARE(p.params, RationProblem::defaultParams());
    QVERIFY(!p.changed.any());
  }

  // A stored matrix row is cut at each ",", whatever its cells hold: number
  // text, cells of other widths that end where number text would, letters
  // outside ASCII, empty cells, a "," missing.
  void matrixRowsAreCutAtEachComma_data()
  {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("cells");
    const QString a = num(1.25), b = num(2.5);
    QTest::newRow("number text") << matrixText({a, b, a, b, a}) << QStringList{a, b, a, b, a};
    QTest::newRow("two cells as wide as two of number text")
        << QStringLiteral("abcd,efghijklmnopqrs,") << QStringList{QStringLiteral("abcd"), QStringLiteral("efghijklmnopqrs")};
    const QString turkish = PadL(QStringLiteral("2.5ş"), 11);
    QTest::newRow("a Turkish letter in the first four cells") << matrixText({a, turkish, a, b, a}) << QStringList{a, turkish, a, b, a};
    QTest::newRow("a Turkish letter after them") << matrixText({a, b, a, b, turkish}) << QStringList{a, b, a, b, turkish};
    QTest::newRow("empty cells") << QStringLiteral(",,,,,,,,,,,,") << QStringList(12);
    QTest::newRow("a comma missing after the fourth cell")
        << a + ',' + b + ',' + a + ',' + b + ' ' + a + ',' + b + ','
        << QStringList{a, b, a, b + ' ' + a, b};
    QTest::newRow("a comma inside a cell") << QStringLiteral("12345,78901,") + matrixText({a})
                                           << QStringList{QStringLiteral("12345"), QStringLiteral("78901"), a};
  }
  void matrixRowsAreCutAtEachComma()
  {
    QFETCH(QString, stored);
    QFETCH(QStringList, cells);
    QList<DbfRecord> records;
    for (qsizetype j = 0; j < cells.size(); ++j)
      records.append(rec({QStringLiteral("YMADI=Yem %1").arg(j + 1)}));
    records[0].values[FieldNames.indexOf(QStringLiteral("BMADI"))] = QStringLiteral("KMT");
    records[0].values[FieldNames.indexOf(QStringLiteral("YMBMAT"))] = stored;
    records[1].values[FieldNames.indexOf(QStringLiteral("YMBMAT"))] = QStringLiteral("G,1.000,TL,Kg,");
    const RationProblem p = load(writeFile(records));
    QCOMPARE(p.matrix, QList<QStringList>{cells});
    QVERIFY(!p.changed.matrix);
  }

  void loadingCompletesTheProblem_data()
  {
    QTest::addColumn<QList<DbfRecord>>("records");
    QTest::addColumn<QList<QStringList>>("matrix");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QStringList>("description");
    QTest::addColumn<QStringList>("nutrients");
    QTest::addColumn<bool>("matrixChanged");
    QTest::addColumn<bool>("nutrientsChanged");
    const QStringList def = RationProblem::defaultParams();
    const QString m24 = matrixText({num(1), num(2)});

    QTest::newRow("new file saved once") << QList<DbfRecord>{rec({QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})}
                                         << QList<QStringList>{} << def << QStringList{} << QStringList{} << false << false;
    QTest::newRow("2 nutrients 2 feeds with description")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + m24}),
                            rec({QStringLiteral("YMADI=B"), QStringLiteral("BMADI=Y"), QStringLiteral("YMBMAT=") + m24}),
                            rec({QStringLiteral("YMBMAT=G,5.000,EUR,Kg,TİPİ: BOĞA,YAŞ: 3,")})}
        << QList<QStringList>{{num(1), num(2)}, {num(1), num(2)}}
        << QStringList{QStringLiteral("G"), QStringLiteral("5.000"), QStringLiteral("EUR"), QStringLiteral("Kg")}
        << QStringList{QStringLiteral("TİPİ: BOĞA"), QStringLiteral("YAŞ: 3")} << QStringList{QStringLiteral("X"), QStringLiteral("Y")}
        << false << false;
    QTest::newRow("feedstuffs only get KMT")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A")}), rec({QStringLiteral("YMADI=B"), QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})}
        << QList<QStringList>{{num(1), num(1)}} << def << QStringList{} << QStringList{QStringLiteral("KMT")} << true << true;
    QTest::newRow("one nutrient no feed keeps its parameters")
        << QList<DbfRecord>{rec({QStringLiteral("BMADI=KMT"), QStringLiteral("YMBMAT=G,3.000,TL,Kg,")})}
        << QList<QStringList>{{}} << QStringList{QStringLiteral("G"), QStringLiteral("3.000"), QStringLiteral("TL"), QStringLiteral("Kg")}
        << QStringList{} << QStringList{QStringLiteral("KMT")} << false << false;
    QTest::newRow("nutrients no feed no parameter row")
        << QList<DbfRecord>{rec({QStringLiteral("BMADI=X")}), rec({QStringLiteral("BMADI=Y")})}
        << QList<QStringList>{{}, {}} << def << QStringList{} << QStringList{QStringLiteral("X"), QStringLiteral("Y")} << false << false;
    QTest::newRow("short parameter row gives defaults")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(4)})}),
                            rec({QStringLiteral("YMBMAT=G,2.000,")})}
        << QList<QStringList>{{num(4)}} << def << QStringList{} << QStringList{QStringLiteral("X")} << false << false;
    QTest::newRow("short and long rows mended")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(1)})}),
                            rec({QStringLiteral("YMADI=B"), QStringLiteral("BMADI=Y"), QStringLiteral("YMBMAT=") + matrixText({num(1), num(2), num(3)})}),
                            rec({QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})}
        << QList<QStringList>{{num(1), blank()}, {num(1), num(2)}} << def << QStringList{}
        << QStringList{QStringLiteral("X"), QStringLiteral("Y")} << true << false;
    QTest::newRow("missing row mended")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(7)})}),
                            rec({QStringLiteral("BMADI=Y"), QStringLiteral("YMBMAT=G,1.000,TL,Kg,")}),
                            rec({QStringLiteral("BMADI=Z")})}
        << QList<QStringList>{{num(7)}, {blank()}, {blank()}} << def << QStringList{}
        << QStringList{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")} << true << false;
    QTest::newRow("surplus rows cut")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(7)})}),
                            rec({QStringLiteral("YMBMAT=") + matrixText({num(8)})}), rec({QStringLiteral("YMBMAT=") + matrixText({num(9)})}),
                            rec({QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})}
        << QList<QStringList>{{num(7)}} << def << QStringList{} << QStringList{QStringLiteral("X")} << true << false;
    // Cells are split at every ",", wherever number text would put it.
    QTest::newRow("cells of other widths")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"),
                                 QStringLiteral("YMBMAT=") + matrixText({QStringLiteral("ab"), QStringLiteral("cdefghij"), num(3),
                                                                         QStringLiteral("123456789012"), QString()})}),
                            rec({QStringLiteral("YMADI=B")}), rec({QStringLiteral("YMADI=C")}), rec({QStringLiteral("YMADI=D")}),
                            rec({QStringLiteral("YMADI=E"), QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})}
        << QList<QStringList>{{QStringLiteral("ab"), QStringLiteral("cdefghij"), num(3), QStringLiteral("123456789012"), QString()}}
        << def << QStringList{} << QStringList{QStringLiteral("X")} << false << false;
    QTest::newRow("parameter row lost, rows equal nutrients")
        << QList<DbfRecord>{rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(7)})})}
        << QList<QStringList>{{num(7)}} << def << QStringList{} << QStringList{QStringLiteral("X")} << false << false;
  }
  void loadingCompletesTheProblem()
  {
    QFETCH(QList<DbfRecord>, records);
    QFETCH(QList<QStringList>, matrix);
    QFETCH(QStringList, params);
    QFETCH(QStringList, description);
    QFETCH(QStringList, nutrients);
    QFETCH(bool, matrixChanged);
    QFETCH(bool, nutrientsChanged);
    const RationProblem p = load(writeFile(records));
    QCOMPARE(p.matrix, matrix);
    QCOMPARE(p.params, params);
    QCOMPARE(p.animalDescription, description);
    QCOMPARE(p.nutrientNames, nutrients);
    QCOMPARE(p.matrix.size(), p.nutrients.size());
    QCOMPARE(p.changed.matrix, matrixChanged);
    QCOMPARE(p.changed.nutrientNames, nutrientsChanged);
    QCOMPARE(p.feedAmounts.size(), p.feeds.size());
  }

  void badFilesOpenNothing_data()
  {
    QTest::addColumn<int>("kind");
    QTest::newRow("not a table") << 0;
    QTest::newRow("truncated") << 1;
    QTest::newRow("lacks a field") << 2;
    QTest::newRow("missing") << 3;
  }
  void badFilesOpenNothing()
  {
    QFETCH(int, kind);
    QString path = newPath();
    if (kind == 0) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("merhaba");
    } else if (kind == 1) {
      path = saveFresh(sampleProblem());
      QByteArray b = bytesOf(path);
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(b.left(b.size() - 500));
    } else if (kind == 2) {
      QList<DbfField> fields = ProblemFile::problemFields();
      fields.removeAt(3);
      QVERIFY(DbfTable::create(path, fields));
    }
    ProblemFile f;
    QVERIFY(!f.open(path));
    QVERIFY(!f.isOpen());
    QVERIFY(!f.errorString().isEmpty());
    QVERIFY(f.PROBFILEBASE().isEmpty());
    RationProblem p = sampleProblem();
    f.AKTPRODIZOLUSTUR(p);  // nothing open: nothing happens
    QCOMPARE(p, sampleProblem());
  }

  void saveThenLoadGivesTheSameProblem_data()
  {
    QTest::addColumn<int>("feeds");
    QTest::addColumn<int>("nutrients");
    QTest::newRow("3x2") << 3 << 2;
    QTest::newRow("85 feedstuffs") << 85 << 4;
    QTest::newRow("nutrients only") << 0 << 3;
    QTest::newRow("one nutrient only") << 0 << 1;
    QTest::newRow("empty") << 0 << 0;
  }
  void saveThenLoadGivesTheSameProblem()
  {
    QFETCH(int, feeds);
    QFETCH(int, nutrients);
    RationProblem p = sampleProblem(feeds, nutrients);
    if (nutrients < 2)
      p.ratios.clear();
    const QString path = saveFresh(p);
    RationProblem back = load(path);
    QCOMPARE(back, p);

    // The independent reader sees the record rule.
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.fieldNames, FieldNames);
    QCOMPARE(ind.fieldSpecs.last().at(2).toInt(), 1020);
    const int records = std::max({feeds, nutrients + 1, int(p.ratios.size())});
    QCOMPARE(ind.records.size(), records);
    for (int n = 0; n < records; ++n) {
      const QStringList &r = ind.records.at(n);
      QCOMPARE(r.at(0), n < feeds ? p.feeds.at(n).at(0) : PadR(QString(), 15));
      QCOMPARE(r.at(1), n < feeds ? p.feeds.at(n).at(1) : blank());
      QCOMPARE(r.at(5), n < feeds ? p.feedAmounts.at(n) : blank());
      QCOMPARE(r.at(6), n < nutrients ? p.nutrients.at(n).at(0) : PadR(QString(), 15));
      QCOMPARE(r.at(7), n < nutrients ? p.nutrients.at(n).at(1) : blank());
      QCOMPARE(r.at(11), n < p.ratios.size() ? p.ratios.at(n).at(0) : PadR(QString(), 15));
      QString mat;
      if (n < nutrients)
        mat = matrixText(p.matrix.at(n));
      else if (n == nutrients)
        mat = QStringLiteral("G,12.000,TL,Kg,GEBE & SÜT VEREN İNEK:,CANLI AĞIRLIK (Kg): 600,");
      QCOMPARE(r.at(16), PadR(mat, 1020));
    }
  }

  // A problem table from elsewhere may hold the fields in another order, or
  // fields of its own: the problem's are found by name, and a save keeps the
  // table's own layout.
  void fieldsAreFoundByName_data()
  {
    QTest::addColumn<int>("layout");
    QTest::newRow("fields in reverse order") << 0;
    QTest::newRow("a field of its own first") << 1;
  }
  void fieldsAreFoundByName()
  {
    QFETCH(int, layout);
    QList<DbfField> fields = ProblemFile::problemFields();
    if (layout == 0)
      std::reverse(fields.begin(), fields.end());
    else
      fields.prepend(DbfField{QStringLiteral("NOT"), QLatin1Char('C'), 5, 0});
    const QString path = newPath();
    QVERIFY(DbfTable::create(path, fields));
    {
      ProblemFile f;
      QVERIFY2(f.open(path), qPrintable(f.errorString()));
      RationProblem p = sampleProblem();
      p.changed = allRaised();
      QVERIFY2(f.PROBDBFUPDATE(p), qPrintable(f.errorString()));
    }
    QCOMPARE(load(path), sampleProblem());
    DbfTable t;
    QVERIFY(t.open(path, DbfTable::OpenMode::ReadOnly));
    QStringList names;
    for (const DbfField &f : t.fields())
      names.append(f.name);
    QStringList expected;
    for (const DbfField &f : std::as_const(fields))
      expected.append(f.name);
    QCOMPARE(names, expected);
  }

  void onlyFlaggedFieldsChange_data()
  {
    QTest::addColumn<int>("part");  // 0 feeds, 1 amounts, 2 nutrients, 3 ratios, 4 matrix, 5 params, 6 no ratios
    QTest::addColumn<QList<int>>("fields");
    QTest::newRow("feedstuffs") << 0 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("amounts") << 1 << QList<int>{5};
    QTest::newRow("nutrients") << 2 << QList<int>{6, 7, 8, 9, 10};
    QTest::newRow("ratios") << 3 << QList<int>{11, 12, 13, 14, 15};
    QTest::newRow("ratios removed") << 6 << QList<int>{11, 12, 13, 14, 15};
    QTest::newRow("matrix") << 4 << QList<int>{16};
    QTest::newRow("parameters") << 5 << QList<int>{16};
  }
  void onlyFlaggedFieldsChange()
  {
    QFETCH(int, part);
    QFETCH(QList<int>, fields);
    const QString path = saveFresh(sampleProblem(5, 3));
    const auto before = test::readWithDbfread(path);
    QVERIFY2(before.ok, qPrintable(before.error));

    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    switch (part) {
    case 0: p.feeds.resize(3); p.feeds[0][YmPrice] = num(99, 3); p.changed.feedNames = true; break;
    case 1: p.feedAmounts[4] = num(7, 3); p.changed.feedAmounts = true; break;
    case 2: p.nutrients[1][BmLower] = num(5); p.changed.nutrientNames = true; break;
    case 3: p.ratios.append(p.ratios.first()); p.changed.ratios = true; break;
    case 4: p.matrix[2][4] = num(0.5); p.changed.matrix = true; break;
    case 5: p.animalDescription.clear(); p.changed.params = true; break;
    case 6: p.ratios.clear(); p.changed.ratios = true; break;
    }
    QVERIFY2(f.PROBDBFUPDATE(p), qPrintable(f.errorString()));
    QVERIFY(!p.changed.any());
    f.close();

    const auto after = test::readWithDbfread(path);
    QVERIFY2(after.ok, qPrintable(after.error));
    QCOMPARE(after.records.size(), before.records.size());  // the file never shrinks
    bool anyChanged = false;
    for (int n = 0; n < before.records.size(); ++n)
      for (int c = 0; c < FieldNames.size(); ++c) {
        const bool same = after.records.at(n).at(c) == before.records.at(n).at(c);
        if (!fields.contains(c))
          QVERIFY2(same, qPrintable(QStringLiteral("record %1 field %2 changed").arg(n + 1).arg(FieldNames.at(c))));
        anyChanged |= !same;
      }
    QVERIFY(anyChanged);
    if (part == 0) {  // shrunk from 5 to 3: records 4 and 5 blank in the feedstuff fields
      QCOMPARE(after.records.at(3).at(0), PadR(QString(), 15));
      QCOMPARE(after.records.at(4).at(4), blank());
      QCOMPARE(after.records.at(4).at(5), before.records.at(4).at(5));
    }
    if (part == 6) {  // the one ratio's record blank in the ratio fields, and only there
      QCOMPARE(after.records.at(0).at(11), PadR(QString(), 15));
      QCOMPARE(after.records.at(0).at(15), blank());
    }
    if (part == 0)
      QCOMPARE(load(path).feeds, p.feeds);  // matrix columns were not deleted here
    else
      QCOMPARE(load(path), p);
  }

  void newProblemSavesOneRecord()
  {
    const QString path = newPath();
    QString error;
    QVERIFY2(ProblemFile::createNew(path, &error), qPrintable(error));
    ProblemFile f;
    QVERIFY(f.open(path));
    QCOMPARE(f.table().recordCount(), 0);
    RationProblem p;
    p.params = RationProblem::defaultParams();
    p.changed.params = true;
    QVERIFY(f.PROBDBFUPDATE(p));
    QVERIFY(!p.changed.any());
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.records.size(), 1);
    QCOMPARE(ind.records.at(0).at(16), PadR(QStringLiteral("G,1.000,TL,Kg,"), 1020));
    for (int c = 0; c < 16; ++c)
      QVERIFY(ind.records.at(0).at(c).trimmed().isEmpty());

    // Absent parameters with the matrix flag raised are stored as the defaults.
    RationProblem q;
    q.changed.matrix = true;
    QVERIFY(f.PROBDBFUPDATE(q));
    QCOMPARE(q.params, RationProblem::defaultParams());
  }

  void matrixRowsTakeTheirWidth()
  {
    // 4 nutrients, 2 feedstuffs, over a file that had 7 records.
    RationProblem big = sampleProblem(2, 6);
    const QString path = saveFresh(big);
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p = sampleProblem(2, 4);
    p.animalDescription.clear();
    p.changed.matrix = true;
    QVERIFY(f.PROBDBFUPDATE(p));
    const auto ind = test::readWithDbfread(path);
    QVERIFY(ind.ok);
    QCOMPARE(ind.records.size(), 7);
    for (int n = 0; n < 4; ++n)
      QCOMPARE(rt::RTrim(ind.records.at(n).at(16)).size(), 24);
    QCOMPARE(ind.typed.at(4).at(16).toString(), QStringLiteral("G,12.000,TL,Kg,"));
    QCOMPARE(ind.typed.at(5).at(16).toString(), QString());
    QCOMPARE(ind.typed.at(6).at(16).toString(), QString());
  }

  // A matrix row is stored as its cells, each followed by ",", as many as
  // the first row has: number text, and any other cell as it is. What the
  // independent reader finds is what the row was.
  void matrixCellsAreStoredAsTheyAre_data()
  {
    QTest::addColumn<QStringList>("row");     // the second row, of three cells in the first
    QTest::addColumn<QString>("stored");
    const QString a = num(1.25), b = num(2.5), c = num(3.75);
    QTest::newRow("number text") << QStringList{a, b, c} << a + ',' + b + ',' + c + ',';
    QTest::newRow("a Turkish letter in number text")
        << QStringList{a, PadL(QStringLiteral("2,5ş"), 11), c} << a + ',' + PadL(QStringLiteral("2,5ş"), 11) + ',' + c + ',';
    QTest::newRow("narrower and empty cells") << QStringList{a, QStringLiteral("2.5"), QString()} << a + QStringLiteral(",2.5,,");
    QTest::newRow("a wider cell") << QStringList{a, QStringLiteral("12345678.1234"), c}
                                  << a + QStringLiteral(",12345678.1234,") + c + ',';
    QTest::newRow("cells missing") << QStringList{a} << a + ',' + blank() + ',' + blank() + ',';
    QTest::newRow("cells over") << QStringList{a, b, c, a} << a + ',' + b + ',' + c + ',';
  }
  void matrixCellsAreStoredAsTheyAre()
  {
    QFETCH(QStringList, row);
    QFETCH(QString, stored);
    RationProblem p = sampleProblem(3, 2);
    p.matrix[1] = row;
    const QString path = saveFresh(p);
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    QCOMPARE(ind.records.at(0).at(16), PadR(matrixText(p.matrix.at(0)), 1020));
    QCOMPARE(ind.records.at(1).at(16), PadR(stored, 1020));
  }

  // An opened problem saved again: each matrix row goes to the file as the
  // problem holds it now, whether it is the row as read or an edit moved,
  // changed or dropped some of its cells; a cell the code page lacks still
  // stops the save.
  void loadedMatrixIsSavedAsItIsNow_data()
  {
    QTest::addColumn<int>("edit");
    QTest::newRow("as read") << 0;
    QTest::newRow("a cell changed") << 1;
    QTest::newRow("two cells swapped") << 2;
    QTest::newRow("two rows swapped") << 3;
    QTest::newRow("a narrower cell") << 4;
    QTest::newRow("the last cell dropped") << 5;
    QTest::newRow("a row of another read") << 6;
    QTest::newRow("a cell outside code page 1254") << 7;
    QTest::newRow("as read, a Turkish letter in a cell") << 8;
  }
  void loadedMatrixIsSavedAsItIsNow()
  {
    QFETCH(int, edit);
    RationProblem saved = sampleProblem(9, 3);
    if (edit == 8)
      saved.matrix[2][5] = PadL(QStringLiteral("2.5ş"), 11);
    const QString path = saveFresh(saved);
    const QString other = saveFresh(sampleProblem(9, 4));
    const RationProblem elsewhere = load(other);
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    QList<QStringList> expected = p.matrix;
    switch (edit) {
    case 1:
      p.matrix[1][2] = num(7.5);
      break;
    case 2:
      p.matrix[0].swapItemsAt(0, 8);
      break;
    case 3:
      p.matrix.swapItemsAt(0, 2);
      break;
    case 4:
      p.matrix[2][0] = QStringLiteral("2.5");
      break;
    case 5:
      p.matrix[1].removeLast();
      break;
    case 6:
      p.matrix[1] = elsewhere.matrix.at(3);
      break;
    case 7:
      p.matrix[2][3] = PadL(QStringLiteral("0.5Ж"), 11);
      break;
    }
    if (edit != 5)
      expected = p.matrix;
    else
      expected[1][8] = blank();
    const QByteArray before = bytesOf(path);
    p.changed.matrix = true;
    if (edit == 7) {
      QVERIFY(!f.PROBDBFUPDATE(p));
      QVERIFY2(f.errorString().contains(QStringLiteral("\"0.5Ж\"")), qPrintable(f.errorString()));
      QCOMPARE(bytesOf(path), before);
      return;
    }
    QVERIFY2(f.PROBDBFUPDATE(p), qPrintable(f.errorString()));
    const auto ind = test::readWithDbfread(path);
    QVERIFY2(ind.ok, qPrintable(ind.error));
    for (int n = 0; n < 3; ++n)
      QCOMPARE(ind.records.at(n).at(16), PadR(matrixText(expected.at(n)), 1020));
    QCOMPARE(load(path).matrix, expected);
  }

  void refusedSavesWriteNothing_data()
  {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("named");  // what the message names
    QTest::newRow("86 feedstuffs") << 0 << QStringLiteral("86");
    QTest::newRow("parameter row too long") << 1 << QStringLiteral("1020");
    QTest::newRow("text outside code page 1254") << 2 << QStringLiteral("\"Ячмень\"");
    QTest::newRow("matrix cell outside code page 1254") << 3 << QStringLiteral("\"0.5Ж\"");
    QTest::newRow("number-wide matrix cell outside code page 1254") << 4 << QStringLiteral("\"0.5Ж\"");
  }
  void refusedSavesWriteNothing()
  {
    QFETCH(int, kind);
    QFETCH(QString, named);
    const QString path = saveFresh(sampleProblem());
    const QByteArray before = bytesOf(path);
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p = sampleProblem(kind == 0 ? 86 : 3, 2);
    if (kind == 1)
      p.animalDescription.append(QString(1000, QLatin1Char('x')));
    if (kind == 2)
      p.feeds[0][YmName] = QStringLiteral("Ячмень");
    if (kind == 3)
      p.matrix[1][2] = QStringLiteral("     0.5Ж");
    if (kind == 4)
      p.matrix[1][2] = PadL(QStringLiteral("0.5Ж"), 11);
    p.changed = allRaised();
    QVERIFY(!f.PROBDBFUPDATE(p));
    QVERIFY2(f.errorString().contains(named), qPrintable(f.errorString()));
    QCOMPARE(p.changed, allRaised());
    QCOMPARE(bytesOf(path), before);
    QVERIFY(f.isOpen());
  }

  void failedWriteIsReported()
  {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/P.RVD");
    QVERIFY(ProblemFile::createNew(path));
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p = sampleProblem();
    QVERIFY(QDir(folder).removeRecursively());  // nowhere left to write the new file
    p.changed = allRaised();
    QVERIFY(!f.PROBDBFUPDATE(p));
    QVERIFY(!f.errorString().isEmpty());
    QCOMPARE(p.changed, allRaised());
    QVERIFY(!f.CREATE_VSK_DBFFILE(folder + QStringLiteral("/P1.VVD")));
    QVERIFY(!f.saveAs(folder + QStringLiteral("/P1.RVD"), p));
  }

  void cleanProblemWritesNothing()
  {
    const QString path = saveFresh(sampleProblem());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(1);
    file.write("\x01\x01\x01", 3);  // an old date that a write would renew
    file.close();
    const QByteArray before = bytesOf(path);
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    QVERIFY(f.PROBDBFUPDATE(p));
    f.close();
    QCOMPARE(bytesOf(path), before);
  }

  void commasAreStoredAsSemicolons()
  {
    RationProblem p = sampleProblem();
    p.animalDescription = {QStringLiteral("IRK: Holstein, siyah-beyaz")};
    p.params->replace(ParCurrency, QStringLiteral("T,L"));
    const RationProblem back = load(saveFresh(p));
    QCOMPARE(back.animalDescription, QStringList{QStringLiteral("IRK: Holstein; siyah-beyaz")});
    QCOMPARE(back.params->at(ParCurrency), QStringLiteral("T;L"));
    QCOMPARE(back.params->at(ParWeight), QStringLiteral("Kg"));
  }

  void longNamesAreCut()
  {
    RationProblem p = sampleProblem();
    p.feeds[0][YmName] = QStringLiteral("Yirmi karakterli ad.");
    const RationProblem back = load(saveFresh(p));
    QCOMPARE(back.feeds.at(0).at(YmName), QStringLiteral("Yirmi karakterl"));
  }

  void deletedRecordsSurviveASave()
  {
    const QString path = writeFile({rec({QStringLiteral("YMADI=A"), QStringLiteral("BMADI=X"), QStringLiteral("YMBMAT=") + matrixText({num(1)})}),
                                    rec({QStringLiteral("*"), QStringLiteral("YMADI=Eski"), QStringLiteral("YMBMAT=eski")}),
                                    rec({QStringLiteral("YMBMAT=G,1.000,TL,Kg,")})});
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    p.feeds.append({QStringLiteral("B"), blank(), blank(), blank(), blank()});
    p.matrix[0].append(num(2));
    p.changed.feedNames = p.changed.matrix = true;
    QVERIFY(f.PROBDBFUPDATE(p));
    const auto ind = test::readWithDbfread(path);
    QVERIFY(ind.ok);
    QCOMPARE(ind.deleted.size(), 1);
    QCOMPARE(ind.deleted.at(0).at(0).trimmed(), QStringLiteral("Eski"));
    QCOMPARE(ind.deleted.at(0).at(16).trimmed(), QStringLiteral("eski"));
    QCOMPARE(ind.records.size(), 2);
    QCOMPARE(ind.records.at(1).at(0).trimmed(), QStringLiteral("B"));
    QCOMPARE(load(path).feedNames, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  }

  void saveKeepsTheTableLocked()
  {
    const QString path = saveFresh(sampleProblem());
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    p.changed.ratios = true;
    QVERIFY(f.PROBDBFUPDATE(p));
    DbfTable other;
    QVERIFY(!other.open(path, DbfTable::OpenMode::Exclusive));
    f.close();
    QVERIFY(other.open(path, DbfTable::OpenMode::Exclusive));
    ProblemFile g;
    QVERIFY(!g.open(path));  // taken exclusively by someone else
    QVERIFY(!g.errorString().isEmpty());
  }

  void olderLayoutExport()
  {
    const QString path = saveFresh(sampleProblem(4, 3));
    ProblemFile f;
    QVERIFY(f.open(path));
    const QString vvd = m_dir.filePath(QStringLiteral("EXPORT1.VVD"));
    QVERIFY2(f.CREATE_VSK_DBFFILE(vvd), qPrintable(f.errorString()));
    const auto rvd = test::readWithDbfread(path);
    const auto old = test::readWithDbfread(vvd);
    QVERIFY2(old.ok, qPrintable(old.error));
    QStringList names = FieldNames;
    names.removeAt(5);
    QCOMPARE(old.fieldNames, names);
    QCOMPARE(old.records.size(), rvd.records.size());
    for (int n = 0; n < rvd.records.size(); ++n) {
      QStringList expected = rvd.records.at(n);
      expected.removeAt(5);
      QCOMPARE(old.records.at(n), expected);
    }
    QVERIFY(!f.CREATE_VSK_DBFFILE(m_dir.filePath(QStringLiteral("no/such/folder/X.VVD"))));
    QVERIFY(!f.errorString().isEmpty());

    const QString copy = m_dir.filePath(QStringLiteral("COPY1.RVD"));
    QVERIFY(f.saveAs(copy, RationProblem()));
    QCOMPARE(bytesOf(copy), bytesOf(path));
  }

  void fileNamesOfTheOpenProblem()
  {
    const QString path = m_dir.filePath(QStringLiteral("rasyon 1.x.RVD"));
    QVERIFY(ProblemFile::createNew(path));
    ProblemFile f;
    QVERIFY(f.open(path));
    QCOMPARE(f.PROBFILEBASE(), m_dir.filePath(QStringLiteral("rasyon 1.x")));
    QCOMPARE(f.PROBFILEDIR(), m_dir.path());
    QCOMPARE(f.PROBFILENAME(), QStringLiteral("rasyon 1.x"));
    QCOMPARE(f.path(), path);
  }

  // Two sessions hold one problem file shared and save in turn: each save
  // starts from the file as it is on disk then, so a part one session did not
  // change keeps what the other saved. A part both changed is not written
  // over silently: the save stops and names it, unless told to write over it
  // or to keep the other session's part.
  void twoSessionsOnOneFile_data()
  {
    QTest::addColumn<bool>("samePart");
    QTest::addColumn<QString>("bPrice");  // what b types into a's part; empty: b changes a nutrient
    QTest::addColumn<int>("onChanged");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<double>("priceOnDisk");
    QTest::addColumn<double>("priceInB");
    using C = ProblemFile::ChangedOnDisk;
    QTest::newRow("different parts") << false << QString() << int(C::Ask) << true << 7.25 << 1.5;
    QTest::newRow("same part: asked") << true << QStringLiteral("9.50") << int(C::Ask) << false << 7.25 << 9.5;
    QTest::newRow("same part: write over") << true << QStringLiteral("9.50") << int(C::WriteOver) << true << 9.5 << 9.5;
    QTest::newRow("same part: discard mine") << true << QStringLiteral("9.50") << int(C::DiscardMine) << true << 7.25 << 7.25;
    QTest::newRow("same part, same change") << true << QStringLiteral("7.25") << int(C::Ask) << true << 7.25 << 7.25;
  }

  void twoSessionsOnOneFile()
  {
    QFETCH(bool, samePart);
    QFETCH(QString, bPrice);
    QFETCH(int, onChanged);
    QFETCH(bool, saved);
    QFETCH(double, priceOnDisk);
    QFETCH(double, priceInB);
    const QString path = saveFresh(sampleProblem());
    ProblemFile a, b;
    RationProblem pa, pb;
    QVERIFY(openTwoSessions(path, a, pa, b, pb));
    pa.feeds[0][YmPrice] = QStringLiteral("7.25");
    pa.changed.feedNames = true;
    QVERIFY2(a.PROBDBFUPDATE(pa), qPrintable(a.errorString()));
    pb.nutrients[0][BmLower] = QStringLiteral("12.5");
    pb.changed.nutrientNames = true;
    if (samePart) {
      pb.feeds[0][YmPrice] = bPrice;
      pb.changed.feedNames = true;
    }
    const QByteArray before = bytesOf(path);
    QCOMPARE(b.PROBDBFUPDATE(pb, ProblemFile::ChangedOnDisk(onChanged)), saved);
    if (saved) {
      QVERIFY(b.changedOnDisk().isEmpty());
      QVERIFY(!pb.changed.any());
    } else {
      QCOMPARE(b.changedOnDisk(), QStringList{QStringLiteral("yem maddeleri")});
      QVERIFY(b.errorString().contains(QStringLiteral("yem maddeleri")));
      QCOMPARE(bytesOf(path), before);
      QVERIFY(pb.changed.feedNames && pb.changed.nutrientNames);
    }
    QCOMPARE(pb.feeds[0][YmPrice].trimmed().toDouble(), priceInB);
    a.close();
    b.close();
    const RationProblem pc = load(path);
    QCOMPARE(pc.feeds[0][YmPrice].trimmed().toDouble(), priceOnDisk);
    // b's other change is written whatever happens to the part in question,
    // unless the save stopped.
    QCOMPARE(pc.nutrients[0][BmLower].trimmed().toDouble(), saved ? 12.5 : 0.0);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + QStringLiteral(".*")}, QDir::Files),
             QStringList());
  }

  // Another session's save that adds records (more nutrients than the file
  // had rows) leaves this session's feedstuffs as they were: the blanks of
  // the new records are no change to them, and its save of them goes through.
  void recordsAddedElsewhereAreNoChange()
  {
    const QString path = saveFresh(sampleProblem(3, 2));
    ProblemFile a, b;
    RationProblem pa, pb;
    QVERIFY(openTwoSessions(path, a, pa, b, pb));
    for (int i = 3; i <= 7; ++i) {
      pa.nutrients.append({PadR(QStringLiteral("BM%1").arg(i), 15), PadL(QStringLiteral("g"), 11), blank(), blank(), blank()});
      pa.matrix.append({num(1), num(2), num(3)});
    }
    pa.rebuildNutrientLists();
    pa.changed.nutrientNames = pa.changed.matrix = true;
    QVERIFY2(a.PROBDBFUPDATE(pa), qPrintable(a.errorString()));
    pb.feeds[0][YmPrice] = num(4, 3);
    pb.changed.feedNames = true;
    QVERIFY2(b.PROBDBFUPDATE(pb), qPrintable(b.errorString()));
    a.close();
    b.close();
    const RationProblem pc = load(path);
    QCOMPARE(pc.feeds.at(0).at(YmPrice), num(4, 3));
    QCOMPARE(pc.nutrients.size(), 7);
    QCOMPARE(pc.matrix, pa.matrix);
  }

  // A session that saved a part reads its own save as the part it last read:
  // its next save of that part asks nothing, while another session's later
  // save of it is still caught.
  void ownSavesAreNotTakenForAnotherSession()
  {
    const QString path = saveFresh(sampleProblem());
    ProblemFile a, b;
    RationProblem pa, pb;
    QVERIFY(openTwoSessions(path, a, pa, b, pb));
    for (const QString &price : {QStringLiteral("2.00"), QStringLiteral("3.00")}) {
      pa.matrix[1][1] = price;
      pa.changed.matrix = true;
      QVERIFY2(a.PROBDBFUPDATE(pa), qPrintable(a.errorString()));
    }
    pb.ratios[0][BmoLower] = QStringLiteral("1.1");
    pb.changed.ratios = true;
    QVERIFY2(b.PROBDBFUPDATE(pb), qPrintable(b.errorString()));  // another part: merged
    pb.matrix[0][0] = QStringLiteral("5.00");
    pb.changed.matrix = true;
    QVERIFY(!b.PROBDBFUPDATE(pb));  // a's matrix since b read it
    QCOMPARE(b.changedOnDisk(), QStringList{QStringLiteral("matris ve problem parametreleri")});
    pa.matrix[1][1] = QStringLiteral("4.00");
    pa.changed.matrix = true;
    QVERIFY2(a.PROBDBFUPDATE(pa), qPrintable(a.errorString()));  // b wrote no matrix
  }

  // Two programs save their own parts of one file at the same moment, round
  // after round. Each save reads the file, changes its part and renames the
  // new file over the old one; only the save lock keeps the other program's
  // save from falling between that read and that rename, which would bring
  // back the part as it was before and lose the other's change.
  void concurrentSaversLoseNothing()
  {
    const QString path = saveFresh(sampleProblem());
    int toChild[2], toParent[2];
    QVERIFY(::pipe(toChild) == 0 && ::pipe(toParent) == 0);
    constexpr int Rounds = 40;
    // Both sides ready (or both done) before either goes on.
    auto meet = [](int out, int in) {
      char c = 'x';
      return ::write(out, &c, 1) == 1 && ::read(in, &c, 1) == 1;
    };
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      int failed = 0;
      ProblemFile f;
      RationProblem p;
      if (!f.open(path))
        ::_exit(2);
      f.AKTPRODIZOLUSTUR(p);
      for (int round = 1; round <= Rounds; ++round) {
        if (!meet(toParent[1], toChild[0]))
          ::_exit(3);
        p.nutrients[0][BmLower] = num(round);
        p.changed.nutrientNames = true;
        failed += f.PROBDBFUPDATE(p) ? 0 : 1;
        if (!meet(toParent[1], toChild[0]))
          ::_exit(3);
      }
      ::_exit(failed == 0 ? 0 : 1);
    }
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem p;
    f.AKTPRODIZOLUSTUR(p);
    QStringList lost;
    for (int round = 1; round <= Rounds; ++round) {
      QVERIFY(meet(toChild[1], toParent[0]));
      p.feeds[0][YmPrice] = num(round, 3);
      p.changed.feedNames = true;
      if (!f.PROBDBFUPDATE(p))
        lost.append(QStringLiteral("round %1: %2").arg(round).arg(f.errorString()));
      QVERIFY(meet(toChild[1], toParent[0]));
      const RationProblem onDisk = load(path);
      if (onDisk.feeds.value(0).value(YmPrice) != num(round, 3) || onDisk.nutrients.value(0).value(BmLower) != num(round))
        lost.append(QStringLiteral("round %1: price %2, lower limit %3")
                        .arg(round)
                        .arg(onDisk.feeds.value(0).value(YmPrice).trimmed(), onDisk.nutrients.value(0).value(BmLower).trimmed()));
    }
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]})
      ::close(fd);
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "a save of the other program failed");
  }
};

QTEST_GUILESS_MAIN(TestProblemFile)
#include "tst_problemfile.moc"
