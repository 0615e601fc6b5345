#include "services/wildseek.h"

#include "platform/dbftable.h"

#include <QTemporaryDir>
#include <QTest>

using vz::WILDMATCH;
using vz::WILDPOS;

class TestWildSeek : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

private slots:
  void match_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("one character") << "ABC" << "A?C" << true;
    QTest::newRow("trailing star") << "ABC" << "A*" << true;
    QTest::newRow("case counts") << "ABC" << "a*" << false;
    QTest::newRow("empty text, lone star") << "" << "*" << true;
    QTest::newRow("empty text, lone question mark") << "" << "?" << false;
    QTest::newRow("star matching nothing") << "AB" << "A*B" << true;
    QTest::newRow("star needs the rest") << "A" << "A*B" << false;
    QTest::newRow("double star") << "AB" << "A**B" << true;
    QTest::newRow("double star, longer") << "AxyzB" << "A**B" << true;
    QTest::newRow("no wildcard, equal") << "ABC" << "ABC" << true;
    QTest::newRow("no wildcard, prefix only") << "ABCD" << "ABC" << false;
    QTest::newRow("padded key, final star") << "SMITH     " << "SM*" << true;
    QTest::newRow("padded key, no final star") << "SMITH     " << "SM?TH" << false;
    QTest::newRow("padded key covered") << "SMITH     " << "SM?TH*" << true;
    QTest::newRow("star must retry later") << "abcabd" << "*abd" << true;
    QTest::newRow("several stars") << "Şeker pancarı küspesi" << "Ş*p?n*sİ" << false;
    QTest::newRow("turkish letters") << "Şeker pancarı küspesi" << "Ş*p?n*si" << true;
    QTest::newRow("question marks at end") << "ABC" << "ABC?" << false;
    QTest::newRow("star then question") << "ABC" << "*?" << true;
  }
  void match()
  {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(WILDMATCH(text, pattern), matches);
  }

  // A recursive matcher would try every way to share this text among the
  // stars and never finish; the answer must simply come.
  void manyStarsAreNotExponential()
  {
    const QString text = QString(60, QLatin1Char('a'));
    QVERIFY(!WILDMATCH(text, QStringLiteral("a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b")));
    QVERIFY(WILDMATCH(text + QLatin1Char('b'), QStringLiteral("a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b")));
  }

  void position_data()
  {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("pos");
    QTest::newRow("question") << "AB?D" << 3;
    QTest::newRow("star first of two") << "A*B?" << 2;
    QTest::newRow("none") << "ABC" << 0;
    QTest::newRow("leading star") << "*X" << 1;
  }
  void position()
  {
    QFETCH(QString, pattern);
    QFETCH(int, pos);
    QCOMPARE(WILDPOS(pattern), pos);
  }

  void seekOnATable_data()
  {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("key");
    QTest::newRow("prefix and star") << "SM*" << true << "SMALL     ";
    QTest::newRow("inside the prefix range") << "SMI*" << true << "SMITH     ";
    QTest::newRow("question mark") << "SM?TH*" << true << "SMITH     ";
    QTest::newRow("blanks not covered") << "SM?TH" << false << QString();
    QTest::newRow("leading star scans all") << "*ONES*" << true << "JONES     ";
    QTest::newRow("prefix no key has") << "XY*" << false << QString();
    QTest::newRow("no wildcard is a plain seek") << "JONES" << true << "JONES     ";
  }
  void seekOnATable()
  {
    QFETCH(QString, pattern);
    QFETCH(bool, found);
    QFETCH(QString, key);
    const QString path = m_dir.filePath(QStringLiteral("names.dbf"));
    const QList<vz::DbfField> fields{{QStringLiteral("NAME"), QLatin1Char('C'), 10, 0}};
    QList<vz::DbfRecord> records;
    for (const char *n : {"SMITH", "JONES", "SMALL", "ADAMS", "SMYTHE"})
      records.append({false, {QString::fromLatin1(n).leftJustified(10, QLatin1Char(' '))}});
    QVERIFY(vz::DbfTable::writeTable(path, fields, records));
    vz::DbfTable table;
    QVERIFY(table.open(path, vz::DbfTable::OpenMode::ReadOnly));
    QVERIFY(table.setIndex(QStringLiteral("NAME")));
    QCOMPARE(vz::WILDSEEK(table, pattern), found);
    if (found)
      QCOMPARE(table.fieldGet(0), key);
  }

  void seekNeedsAnOpenTable()
  {
    vz::DbfTable table;
    QVERIFY(!vz::WILDSEEK(table, QStringLiteral("A*")));
  }
};

QTEST_GUILESS_MAIN(TestWildSeek)
#include "tst_wildseek.moc"
