#include "services/arrayserver.h"

#include "../platform/dbfreader.h"
#include "platform/cp1254.h"
#include "platform/dbftable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using vz::ARRAYSERVER;
using vz::DbfField;

namespace {

QList<DbfField> exampleStructure()
{
  return {{QStringLiteral("NAME"), QLatin1Char('C'), 5, 0},
          {QStringLiteral("QTY"), QLatin1Char('N'), 6, 2},
          {QStringLiteral("DAY"), QLatin1Char('D'), 8, 0},
          {QStringLiteral("OK"), QLatin1Char('L'), 1, 0}};
}

QList<DbfField> wideStructure()
{
  return {{QStringLiteral("NAME"), QLatin1Char('C'), 14, 0},
          {QStringLiteral("QTY"), QLatin1Char('N'), 8, 2},
          {QStringLiteral("DAY"), QLatin1Char('D'), 8, 0},
          {QStringLiteral("OK"), QLatin1Char('L'), 1, 0}};
}

QByteArray readBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Awkward values every format must bring back unchanged.
ARRAYSERVER::Rows awkwardRows(bool withLineBreak)
{
  ARRAYSERVER::Rows rows{
      {QStringLiteral("Şeker ğüİıÇö"), 3.5, QDate(2010, 2, 10), true},
      {QStringLiteral("a,b|c;d"), -12.25, QDate(1999, 12, 31), false},
      {QStringLiteral("say \"hi\""), 0.0, QDate(), true},
      {QStringLiteral("  lead"), 99999.99, QDate(2024, 2, 29), false},
      {QString(), 0.0, QDate(), false},
  };
  if (withLineBreak)
    rows.append({QStringLiteral("iki\r\nsatır"), 1.0, QDate(2000, 1, 1), true});
  // The server keeps text fields at their width after a text import.
  for (auto &r : rows)
    r[0] = r[0].toString().leftJustified(14, QLatin1Char(' '));
  return rows;
}

} // namespace

class TestArrayServerIo : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;

  QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
  void exportLayouts_data()
  {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("delimited") << QStringLiteral("delimited") << QByteArray("ab   ,  3.50,20100210,T\r\n");
    QTest::newRow("sdf") << QStringLiteral("sdf") << QByteArray("ab     3.5020100210T\r\n");
  }
  void exportLayouts()
  {
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    ARRAYSERVER s(exampleStructure(), {{QStringLiteral("ab"), 3.5, QDate(2010, 2, 10), true}});
    const QString file = path(format + QStringLiteral(".txt"));
    // An older, longer file is replaced whole.
    QVERIFY(writeBytes(file, QByteArray(200, 'x')));
    QVERIFY(format == QLatin1String("sdf") ? s.COPYSDF(file) : s.COPYDELIMITED(file));
    QCOMPARE(readBytes(file), bytes);
  }

  void delimitedImport_data()
  {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ARRAYSERVER::Rows>("rows");
    const QVariant blank = QDate();
    QTest::newRow("empty field and logic") << QByteArray("xy,7,,Y\r\n")
                                           << ARRAYSERVER::Rows{{QStringLiteral("xy   "), 7.0, blank, true}};
    QTest::newRow("missing fields") << QByteArray("xy\r\n") << ARRAYSERVER::Rows{{QStringLiteral("xy   "), 0.0, blank, false}};
    QTest::newRow("empty lines skipped, no final line end")
        << QByteArray("\r\na,1\r\n\r\nb,2") << ARRAYSERVER::Rows{{QStringLiteral("a    "), 1.0, blank, false},
                                                                 {QStringLiteral("b    "), 2.0, blank, false}};
    QTest::newRow("quoted fields of older files")
        << QByteArray("\"ab\",\"3.5\",\"20100210\",\"T\"\r\n")
        << ARRAYSERVER::Rows{{QStringLiteral("ab   "), 3.5, QDate(2010, 2, 10), true}};
    QTest::newRow("dates typed day first") << QByteArray("d,1,10.02.2010,t\n")
                                           << ARRAYSERVER::Rows{{QStringLiteral("d    "), 1.0, QDate(2010, 2, 10), true}};
    QTest::newRow("more fields than the structure")
        << QByteArray("a,1,20100210,T,extra,more\r\n")
        << ARRAYSERVER::Rows{{QStringLiteral("a    "), 1.0, QDate(2010, 2, 10), true}};
    QTest::newRow("code page 1254") << QByteArray("\xDE\xFD\xF0,1\r\n")
                                    << ARRAYSERVER::Rows{{QStringLiteral("Şığ  "), 1.0, blank, false}};
  }
  void delimitedImport()
  {
    QFETCH(QByteArray, text);
    QFETCH(ARRAYSERVER::Rows, rows);
    const QString file = path(QStringLiteral("in.txt"));
    QVERIFY(writeBytes(file, text));
    ARRAYSERVER s(exampleStructure(), {});
    QVERIFY2(s.APPENDDELIMITED(file), qPrintable(s.errorString()));
    QCOMPARE(s.DATA(), rows);
  }

  void sdfImportFillsShortLines()
  {
    const QString file = path(QStringLiteral("short.sdf"));
    QVERIFY(writeBytes(file, QByteArray("  ab   3.5\r\n\r\nxy     1.0020100210T\r\n")));
    ARRAYSERVER s(exampleStructure(), {});
    QVERIFY(s.APPENDSDF(file));
    const ARRAYSERVER::Rows expected{{QStringLiteral("  ab "), 3.5, QDate(), false},
                                     {QStringLiteral("xy   "), 1.0, QDate(2010, 2, 10), true}};
    QCOMPARE(s.DATA(), expected);
  }

  void roundTrip_data()
  {
    QTest::addColumn<QString>("format");
    QTest::newRow("delimited") << QStringLiteral("delimited");
    QTest::newRow("delimited with semicolons") << QStringLiteral("semicolon");
    QTest::newRow("sdf") << QStringLiteral("sdf");
    QTest::newRow("dbf") << QStringLiteral("dbf");
  }
  void roundTrip()
  {
    QFETCH(QString, format);
    const bool sdf = format == QLatin1String("sdf");
    const ARRAYSERVER::Rows rows = awkwardRows(!sdf);
    ARRAYSERVER out(wideStructure(), rows);
    out.GOTO(2);
    out.DELETE();  // exports write deleted rows too
    ARRAYSERVER in(wideStructure(), {});
    const QString file = path(QStringLiteral("round.") + format);
    QFile::remove(file);
    if (format == QLatin1String("delimited")) {
      QVERIFY2(out.COPYDELIMITED(file), qPrintable(out.errorString()));
      QVERIFY(in.APPENDDELIMITED(file));
    } else if (format == QLatin1String("semicolon")) {
      QVERIFY2(out.COPYDELIMITED(file, QLatin1Char(';')), qPrintable(out.errorString()));
      QVERIFY(in.APPENDDELIMITED(file, QLatin1Char(';')));
    } else if (sdf) {
      QVERIFY2(out.COPYSDF(file), qPrintable(out.errorString()));
      QVERIFY(in.APPENDSDF(file));
    } else {
      QVERIFY2(out.COPYDB(file), qPrintable(out.errorString()));
      QVERIFY2(in.APPENDDB(file), qPrintable(in.errorString()));
    }
    QCOMPARE(in.DATA(), rows);
    // The server stands on the last row, and the buffer is that row.
    QCOMPARE(in.RECNO(), rows.size());
    in.FIELDPUT(2, 5.0);
    QCOMPARE(in.DATA().last().at(1), QVariant(5.0));
  }

  void dbfExportIsReadByAnIndependentReader()
  {
    const QString file = path(QStringLiteral("new.dbf"));
    QFile::remove(file);
    ARRAYSERVER s(exampleStructure(), {{QStringLiteral("Şık"), 3.5, QDate(2010, 2, 10), true},
                                       {QStringLiteral("b"), -1.0, QDate(), false}});
    s.GOTO(2);
    s.DELETE();
    QVERIFY2(s.COPYDB(file), qPrintable(s.errorString()));
    const auto t = vz::test::readWithDbfread(file);
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.fieldNames, (QStringList{QStringLiteral("NAME"), QStringLiteral("QTY"), QStringLiteral("DAY"), QStringLiteral("OK")}));
    QCOMPARE(t.records.size(), 2);
    QCOMPARE(t.records.at(0), (QStringList{QStringLiteral("Şık  "), QStringLiteral("  3.50"), QStringLiteral("20100210"), QStringLiteral("T")}));
    QCOMPARE(t.records.at(1).at(1), QStringLiteral(" -1.00"));

    // A second copy adds after the records already there.
    QVERIFY(s.COPYDB(file));
    QCOMPARE(vz::test::readWithDbfread(file).records.size(), 4);
  }

  void dbfImportMatchesByName()
  {
    const QString file = path(QStringLiteral("partial.dbf"));
    const QList<DbfField> tableFields{{QStringLiteral("OK"), QLatin1Char('L'), 1, 0},
                                      {QStringLiteral("NAME"), QLatin1Char('C'), 5, 0},
                                      {QStringLiteral("OTHER"), QLatin1Char('C'), 3, 0}};
    QVERIFY(vz::DbfTable::writeTable(file, tableFields,
                                     {{false, {QStringLiteral("T"), QStringLiteral("abc  "), QStringLiteral("zzz")}},
                                      {true, {QStringLiteral("F"), QStringLiteral("gone "), QStringLiteral("zzz")}}}));
    ARRAYSERVER s(exampleStructure(), {});
    QVERIFY2(s.APPENDDB(file), qPrintable(s.errorString()));
    const ARRAYSERVER::Rows expected{{QStringLiteral("abc  "), QVariant(), QVariant(), true}};
    QCOMPARE(s.DATA(), expected);
  }

  void failuresAreReported_data()
  {
    QTest::addColumn<QString>("what");
    QTest::newRow("number too wide for delimited") << QStringLiteral("wide-delimited");
    QTest::newRow("number too wide for sdf") << QStringLiteral("wide-sdf");
    QTest::newRow("number too wide for dbf") << QStringLiteral("wide-dbf");
    QTest::newRow("text outside the code page") << QStringLiteral("codepage");
    QTest::newRow("line break in sdf") << QStringLiteral("linebreak-sdf");
    QTest::newRow("text longer than its field") << QStringLiteral("long-text");
    QTest::newRow("folder missing") << QStringLiteral("nofolder");
  }
  void failuresAreReported()
  {
    QFETCH(QString, what);
    ARRAYSERVER::Rows rows{{QStringLiteral("ok"), 1.0, QDate(), true}};
    if (what.startsWith(QLatin1String("wide")))
      rows.append({QStringLiteral("big"), 1234567.0, QDate(), false});
    if (what == QLatin1String("codepage"))
      rows.append({QStringLiteral("\u0416"), 1.0, QDate(), false});
    if (what == QLatin1String("linebreak-sdf"))
      rows.append({QStringLiteral("a\nb"), 1.0, QDate(), false});
    if (what == QLatin1String("long-text"))
      rows.append({QStringLiteral("toolong"), 1.0, QDate(), false});
    ARRAYSERVER s(exampleStructure(), rows);
    QString file = path(QStringLiteral("keep.out"));
    const QByteArray old("old content\r\n");
    QVERIFY(writeBytes(file, old));
    if (what == QLatin1String("nofolder"))
      file = path(QStringLiteral("no/such/folder/x.txt"));
    bool ok = true;
    if (what.endsWith(QLatin1String("sdf")))
      ok = s.COPYSDF(file);
    else if (what.endsWith(QLatin1String("dbf"))) {
      file = path(QStringLiteral("wide.dbf"));
      QFile::remove(file);
      ok = s.COPYDB(file);
      QVERIFY(!QFile::exists(file));
    } else
      ok = s.COPYDELIMITED(file);
    QVERIFY(!ok);
    QVERIFY(!s.errorString().isEmpty());
    if (file.endsWith(QLatin1String("keep.out")))
      QCOMPARE(readBytes(file), old);
  }

  void importFailures()
  {
    ARRAYSERVER s(exampleStructure(), {});
    QVERIFY(!s.APPENDDELIMITED(path(QStringLiteral("missing.txt"))));
    QVERIFY(!s.errorString().isEmpty());
    QVERIFY(!s.APPENDSDF(path(QStringLiteral("missing.txt"))));
    QVERIFY(!s.APPENDDB(path(QStringLiteral("missing.dbf"))));
    const QString empty = path(QStringLiteral("empty.txt"));
    QVERIFY(writeBytes(empty, QByteArray()));
    QVERIFY(s.APPENDDELIMITED(empty));
    QVERIFY(s.ISEOF());
    QVERIFY(s.ISBOF());
    QCOMPARE(s.RECCOUNT(), 0);
  }

  void longLinesHaveNoLimit()
  {
    const QList<DbfField> fields{{QStringLiteral("M"), QLatin1Char('M'), 10, 0}, {QStringLiteral("N"), QLatin1Char('N'), 3, 0}};
    const QString longText(5000, QLatin1Char('k'));
    ARRAYSERVER out(fields, {{longText, 7.0}});
    const QString file = path(QStringLiteral("long.txt"));
    QVERIFY(out.COPYDELIMITED(file));
    ARRAYSERVER in(fields, {});
    QVERIFY(in.APPENDDELIMITED(file));
    QCOMPARE(in.DATA(), out.DATA());
  }

  void transfersSendOnlyTwoNotices()
  {
    const QString file = path(QStringLiteral("n.txt"));
    QVERIFY(writeBytes(file, QByteArray("a,1\r\nb,2\r\n")));
    ARRAYSERVER s(exampleStructure(), {{QStringLiteral("first"), 0.0, QDate(), false}});
    QList<int> notices;
    s.addClient([&](int n, const QString &) {
      notices.append(n);
      return false;  // a veto does not stop an import
    });
    s.FIELDPUT(1, QStringLiteral("typed"));
    notices.clear();
    QVERIFY(s.APPENDDELIMITED(file));
    QCOMPARE(notices, (QList<int>{ARRAYSERVER::NoticeIntentToMove, ARRAYSERVER::NoticeFileChanged}));
    QCOMPARE(s.RECCOUNT(), 3);
    QCOMPARE(s.DATA().first().first(), QVariant(QStringLiteral("typed")));
    // Notices flow again afterwards.
    s.DELETE();
    QCOMPARE(notices.last(), int(ARRAYSERVER::NoticeDeleted));
  }

  void conversions()
  {
    ARRAYSERVER s(exampleStructure(), {});
    bool ok = false;
    QCOMPARE(s.USUAL2STRING(3.5, 2, &ok), QStringLiteral("  3.50"));
    QVERIFY(ok);
    s.USUAL2STRING(1234567.0, 2, &ok);
    QVERIFY(!ok);
    // Decimals give way before the whole part does.
    QCOMPARE(s.USUAL2STRING(12345.0, 2, &ok), QStringLiteral(" 12345"));
    QVERIFY(ok);
    QCOMPARE(s.USUAL2STRING(QDate(2010, 2, 10), 3), QStringLiteral("20100210"));
    QCOMPARE(s.STRING2USUAL(QStringLiteral("20100210"), 3), QVariant(QDate(2010, 2, 10)));
    QCOMPARE(s.STRING2USUAL(QStringLiteral("        "), 3), QVariant(QDate()));
    QCOMPARE(s.STRING2USUAL(QStringLiteral("12abc"), 2), QVariant(12.0));
    QCOMPARE(s.STRING2USUAL(QStringLiteral("1"), 4), QVariant(false));
    QCOMPARE(s.STRING2USUAL(QStringLiteral("x"), 9), QVariant());
  }
};

QTEST_GUILESS_MAIN(TestArrayServerIo)
#include "tst_arrayserverio.moc"
