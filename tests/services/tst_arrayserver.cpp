#include "services/arrayserver.h"
#include "services/barrayserver.h"
#include "services/filterblock.h"

#include <QTest>

using vz::ARRAYSERVER;
using vz::BARRAYSERVER;
using vz::DbfField;

namespace {

QList<DbfField> mixedStructure()
{
  return {{QStringLiteral("NAME"), QLatin1Char('C'), 5, 0},
          {QStringLiteral("QTY"), QLatin1Char('N'), 6, 2},
          {QStringLiteral("DAY"), QLatin1Char('D'), 8, 0},
          {QStringLiteral("OK"), QLatin1Char('L'), 1, 0}};
}

QList<DbfField> keyValueStructure()
{
  return {{QStringLiteral("KEY"), QLatin1Char('C'), 10, 0}, {QStringLiteral("N"), QLatin1Char('N'), 5, 0}};
}

// Rows {"r1", 1} .. {"rN", N}.
ARRAYSERVER::Rows numberedRows(int n)
{
  ARRAYSERVER::Rows rows;
  for (int i = 1; i <= n; ++i)
    rows.append({QStringLiteral("r%1").arg(i), double(i)});
  return rows;
}

QList<int> column2(const ARRAYSERVER &s)
{
  QList<int> out;
  for (const auto &row : s.DATA())
    out.append(row.at(1).toInt());
  return out;
}

struct Recorder {
  QList<int> notices;
  bool allowMoves = true;
  int attach(ARRAYSERVER &s)
  {
    return s.addClient([this](int n, const QString &) {
      notices.append(n);
      return n == ARRAYSERVER::NoticeIntentToMove ? allowMoves : true;
    });
  }
};

} // namespace

class TestArrayServer : public QObject {
  Q_OBJECT
private slots:
  void emptyServer()
  {
    ARRAYSERVER s(mixedStructure(), {});
    Recorder rec;
    rec.attach(s);
    QVERIFY(s.ISEOF());
    QVERIFY(s.ISBOF());
    QCOMPARE(s.RECCOUNT(), 0);
    QCOMPARE(s.FIELDGET(1), QVariant(QString()));
    QVERIFY(s.GOTOP());
    QVERIFY(rec.notices.isEmpty());
    s.SKIP(1);
    QCOMPARE(rec.notices, QList<int>{ARRAYSERVER::NoticeRecordChanged});
    QVERIFY(s.ISEOF());
  }

  void appendGivesEmptyValuesByType()
  {
    ARRAYSERVER s(mixedStructure(), {});
    Recorder rec;
    rec.attach(s);
    QVERIFY(s.APPEND());
    QCOMPARE(rec.notices, (QList<int>{ARRAYSERVER::NoticeIntentToMove, ARRAYSERVER::NoticeAppended}));
    QVERIFY(!s.ISEOF());
    QCOMPARE(s.DATA().size(), 1);
    const ARRAYSERVER::Row expected{QString(), 0.0, QDate(), false};
    QCOMPARE(s.DATA().first(), expected);
    // The buffer is the new row: a write shows before any commit.
    QCOMPARE(s.FIELDPUT(QStringLiteral("NAME"), QStringLiteral("ab")), QVariant(QStringLiteral("ab")));
    QCOMPARE(s.DATA().first().first(), QVariant(QStringLiteral("ab")));
    QCOMPARE(rec.notices.last(), int(ARRAYSERVER::NoticeFieldPut));
  }

  void appendHasNoRowLimit()
  {
    ARRAYSERVER::Rows rows(65535, ARRAYSERVER::Row{QStringLiteral("x"), 1.0});
    ARRAYSERVER s(keyValueStructure(), rows);
    QVERIFY(s.APPEND());
    QCOMPARE(s.RECCOUNT(), 65536);
  }

  void fieldAccess()
  {
    ARRAYSERVER s(mixedStructure(), {{QStringLiteral("ab   "), 3.5, QDate(2010, 2, 10), true}});
    QCOMPARE(s.FIELDPOS(0), 0);
    QCOMPARE(s.FIELDPOS(5), 0);
    QCOMPARE(s.FIELDPOS(2), 2);
    QCOMPARE(s.FIELDPOS(QStringLiteral("DAY")), 3);
    QCOMPARE(s.FIELDPOS(QStringLiteral("nope")), 0);
    QCOMPARE(s.FIELDGET(9), QVariant());
    QCOMPARE(s.FIELDLEN(9), 0);
    QCOMPARE(s.FIELDNAME(9), QString());
    QCOMPARE(s.FIELDGETFORMATTED(2), QStringLiteral("  3.50"));
    QCOMPARE(s.FIELDGETFORMATTED(4), QStringLiteral("T"));
    // A value of the wrong type is refused and the field keeps its value.
    QCOMPARE(s.FIELDPUT(2, QStringLiteral("12")), QVariant(0.0));
    QCOMPARE(s.FIELDGET(2), QVariant(3.5));
    s.GOTO(2);
    QVERIFY(s.ISEOF());
    QCOMPARE(s.FIELDPUT(1, QStringLiteral("zz")), QVariant(QString()));
    QCOMPARE(s.FIELDGET(1), QVariant(QString()));
  }

  void navigation_data()
  {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("deletedRule");
    QTest::addColumn<QList<int>>("flagged");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("eof");
    QTest::addColumn<bool>("bof");

    const QList<int> none;
    QTest::newRow("goto 0") << 3 << false << none << 2 << "goto" << 0 << 1 << false << true;
    QTest::newRow("goto past end") << 3 << false << none << 2 << "goto" << 4 << 4 << true << false;
    QTest::newRow("skip -5 plain") << 3 << false << none << 2 << "skip" << -5 << 1 << false << true;
    QTest::newRow("skip -5 under deleted rule") << 3 << true << none << 2 << "skip" << -5 << 2 << false << true;
    QTest::newRow("skip past last") << 3 << false << none << 3 << "skip" << 1 << 4 << true << false;
    QTest::newRow("skip over flagged") << 4 << true << QList<int>{2, 3} << 1 << "skip" << 1 << 4 << false << false;
    QTest::newRow("skip back over flagged") << 4 << true << QList<int>{2, 3} << 4 << "skip" << -1 << 1 << false << false;
    QTest::newRow("gotop over flagged") << 4 << true << QList<int>{1, 2} << 4 << "gotop" << 0 << 3 << false << false;
    QTest::newRow("gobottom over flagged") << 4 << true << QList<int>{4} << 1 << "gobottom" << 0 << 3 << false << false;
    QTest::newRow("gotop all flagged") << 3 << true << QList<int>{1, 2, 3} << 1 << "gotop" << 0 << 4 << true << false;
    QTest::newRow("gobottom all flagged") << 3 << true << QList<int>{1, 2, 3} << 1 << "gobottom" << 0 << 4 << true << true;
    QTest::newRow("flags ignored without rule") << 3 << false << QList<int>{1} << 3 << "gotop" << 0 << 1 << false << false;
  }
  void navigation()
  {
    QFETCH(int, rows);
    QFETCH(bool, deletedRule);
    QFETCH(QList<int>, flagged);
    QFETCH(int, start);
    QFETCH(QString, op);
    QFETCH(int, arg);
    QFETCH(int, row);
    QFETCH(bool, eof);
    QFETCH(bool, bof);
    ARRAYSERVER s(keyValueStructure(), numberedRows(rows), deletedRule);
    for (int r : flagged) {
      s.GOTO(r);
      s.DELETE();
    }
    s.GOTO(start);
    if (op == QLatin1String("goto"))
      s.GOTO(arg);
    else if (op == QLatin1String("skip"))
      s.SKIP(arg);
    else if (op == QLatin1String("gotop"))
      s.GOTOP();
    else
      s.GOBOTTOM();
    QCOMPARE(s.RECNO(), row);
    QCOMPARE(s.ISEOF(), eof);
    QCOMPARE(s.ISBOF(), bof);
    if (!eof)
      QCOMPARE(s.FIELDGET(2).toInt(), row);
    else
      QCOMPARE(s.FIELDGET(2), QVariant(0.0));
    // Moving never changes a row's values.
    QList<int> all;
    for (int i = 1; i <= rows; ++i)
      all.append(i);
    QCOMPARE(column2(s), all);
  }

  void skipBackFromEndReturnsToLastVisible()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(3), true);
    s.GOTO(3);
    s.DELETE();
    s.GOTO(2);
    s.SKIP(1);
    QVERIFY(s.ISEOF());
    s.SKIP(-1);
    QCOMPARE(s.RECNO(), 2);
    QVERIFY(!s.ISEOF());
  }

  void bufferIsCommittedByTheNextMove()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(2));
    s.FIELDPUT(1, QStringLiteral("changed"));
    QCOMPARE(s.DATA().at(0).at(0), QVariant(QStringLiteral("r1")));
    s.SKIP(1);
    QCOMPARE(s.DATA().at(0).at(0), QVariant(QStringLiteral("changed")));
  }

  void vetoedSkipKeepsTheEdits()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(2));
    Recorder rec;
    rec.attach(s);
    s.FIELDPUT(1, QStringLiteral("typed"));
    rec.allowMoves = false;
    s.SKIP(1);
    QCOMPARE(s.RECNO(), 1);
    QCOMPARE(s.FIELDGET(1), QVariant(QStringLiteral("typed")));
    rec.allowMoves = true;
    s.SKIP(1);
    QCOMPARE(s.DATA().at(0).at(0), QVariant(QStringLiteral("typed")));

    rec.allowMoves = false;
    QVERIFY(!s.APPEND());
    QCOMPARE(s.RECCOUNT(), 2);
  }

  void skipZeroReloads()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(2));
    Recorder rec;
    rec.attach(s);
    s.SKIP(0);
    QCOMPARE(rec.notices, (QList<int>{2, 3, 3}));
  }

  void deleteRecallAndPack()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(3));
    Recorder rec;
    rec.attach(s);
    s.GOTO(2);
    rec.notices.clear();
    s.DELETE();
    QVERIFY(s.DELETED());
    s.RECALL();
    QVERIFY(!s.DELETED());
    QCOMPARE(rec.notices, QList<int>{ARRAYSERVER::NoticeDeleted});

    // This server's rule: PACK removes the current row, flagged or not.
    s.GOTO(3);
    s.DELETE();
    s.GOTO(2);
    s.PACK();
    QCOMPARE(column2(s), (QList<int>{1, 3}));
    QCOMPARE(s.RECNO(), 2);
    QCOMPARE(s.FIELDGET(2).toInt(), 3);
    QVERIFY(s.DELETED());  // the flag moved up with its row

    ARRAYSERVER one(keyValueStructure(), numberedRows(1));
    one.PACK();
    QCOMPARE(one.RECCOUNT(), 0);
    QVERIFY(one.ISEOF());
    QVERIFY(one.ISBOF());
  }

  void suspensionNeverGoesBelowZero()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(2));
    Recorder rec;
    rec.attach(s);
    s.SUSPENDNOTIFICATION().SUSPENDNOTIFICATION().RESETNOTIFICATION();
    s.DELETE();
    QVERIFY(rec.notices.isEmpty());
    rec.allowMoves = false;
    QVERIFY(s.NOTIFY(ARRAYSERVER::NoticeIntentToMove));  // suspended: never stops
    rec.allowMoves = true;
    s.RESETNOTIFICATION().RESETNOTIFICATION().RESETNOTIFICATION();
    s.SUSPENDNOTIFICATION();
    s.DELETE();
    QVERIFY(rec.notices.isEmpty());
    s.RESETNOTIFICATION();
    s.DELETE();
    QCOMPARE(rec.notices, QList<int>{ARRAYSERVER::NoticeDeleted});
  }

  void filterPassingOneRow()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(5));
    Recorder rec;
    rec.attach(s);
    const bool set = s.SETFILTER([](ARRAYSERVER &server, const ARRAYSERVER::Rows &) {
      return QVariant(server.RECNO() == 3);
    }, QStringLiteral("RECNO() == 3"));
    QVERIFY(set);
    QCOMPARE(s.FILTER(), QStringLiteral("RECNO() == 3"));
    QCOMPARE(s.RECNO(), 3);
    QCOMPARE(rec.notices, (QList<int>{ARRAYSERVER::NoticeIntentToMove, ARRAYSERVER::NoticeWentTop}));
    s.SKIP(1);
    QVERIFY(s.ISEOF());
    s.GOTO(3);
    s.SKIP(-1);
    QCOMPARE(s.RECNO(), 3);
    QVERIFY(s.ISBOF());

    // A non-logic answer hides the row.
    QVERIFY(s.SETFILTER([](ARRAYSERVER &, const ARRAYSERVER::Rows &) { return QVariant(1); }));
    QVERIFY(s.ISEOF());
    QCOMPARE(s.FILTER(), QString());
    QVERIFY(s.CLEARFILTER());
    QCOMPARE(s.RECNO(), 1);
    QVERIFY(!s.ISEOF());
  }

  void filterOnEmptyServerIsNotSet()
  {
    ARRAYSERVER s(keyValueStructure(), {});
    QVERIFY(!s.SETFILTER([](ARRAYSERVER &, const ARRAYSERVER::Rows &) { return QVariant(false); }));
    s.APPEND();
    s.GOTOP();
    QCOMPARE(s.RECNO(), 1);
    QVERIFY(!s.ISEOF());
  }

  void setDeletedMovesToFirstVisible()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(4));
    s.DELETE();
    s.GOTO(2);
    s.DELETE();
    Recorder rec;
    rec.attach(s);
    QVERIFY(s.SETDELETED(true));
    QCOMPARE(s.RECNO(), 3);
    QCOMPARE(rec.notices.last(), int(ARRAYSERVER::NoticeFileChanged));
  }

  void sortIsStableAndMovesFlags()
  {
    ARRAYSERVER s(keyValueStructure(), {{QStringLiteral("b"), 5.0},
                                        {QStringLiteral("a1"), 1.0},
                                        {QStringLiteral("c"), 3.0},
                                        {QStringLiteral("a2"), 1.0}});
    s.DELETE();  // row holding 5
    QVERIFY(s.SORT(QStringLiteral("N")));
    QCOMPARE(column2(s), (QList<int>{1, 1, 3, 5}));
    QCOMPARE(s.DATA().at(0).at(0), QVariant(QStringLiteral("a1")));
    QCOMPARE(s.DATA().at(1).at(0), QVariant(QStringLiteral("a2")));
    s.GOTO(4);
    QVERIFY(s.DELETED());
    QVERIFY(s.SORT(QStringLiteral("nope")));
    QCOMPARE(column2(s), (QList<int>{1, 1, 3, 5}));
  }

  void sortMixedValuesDoesNotBreak()
  {
    // NIL, numbers and texts in one column still give a consistent order.
    ARRAYSERVER s(keyValueStructure(), {{QStringLiteral("x"), QStringLiteral("t")},
                                        {QStringLiteral("y"), 2.0},
                                        {QStringLiteral("z"), QVariant()},
                                        {QStringLiteral("w"), 1.0}});
    s.SORT(2);
    QCOMPARE(s.DATA().at(0).at(0), QVariant(QStringLiteral("z")));
    QCOMPARE(s.DATA().at(1).at(0), QVariant(QStringLiteral("w")));
    QCOMPARE(s.DATA().at(3).at(0), QVariant(QStringLiteral("x")));
  }

  void seek_data()
  {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("deletedRule");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("row");
    QTest::newRow("prefix") << QVariant(QStringLiteral("ab")) << false << true << 2;
    QTest::newRow("empty text matches the first") << QVariant(QString()) << false << true << 1;
    QTest::newRow("first of ties") << QVariant(QStringLiteral("abc")) << false << true << 2;
    QTest::newRow("flagged match skipped to next match") << QVariant(QStringLiteral("abc")) << true << true << 4;
    QTest::newRow("only flagged match") << QVariant(QStringLiteral("zz")) << true << false << 6;
    QTest::newRow("no match") << QVariant(QStringLiteral("q")) << false << false << 6;
    QTest::newRow("case counts") << QVariant(QStringLiteral("AB")) << false << false << 6;
  }
  void seek()
  {
    QFETCH(QVariant, value);
    QFETCH(bool, deletedRule);
    QFETCH(bool, found);
    QFETCH(int, row);
    ARRAYSERVER s(keyValueStructure(), {{QStringLiteral("aa"), 1.0},
                                        {QStringLiteral("abc"), 2.0},
                                        {QStringLiteral("b"), 3.0},
                                        {QStringLiteral("abc"), 4.0},
                                        {QStringLiteral("zz"), 5.0}},
                  deletedRule);
    s.GOTO(2);
    s.DELETE();
    s.GOTO(5);
    s.DELETE();
    QCOMPARE(s.SEEK(value), found);
    QCOMPARE(s.RECNO(), row);
    QCOMPARE(s.ISEOF(), !found);
  }

  void seekWithBlock()
  {
    ARRAYSERVER s(keyValueStructure(), numberedRows(5));
    QVERIFY(s.SEEK([](const ARRAYSERVER::Row &r) { return r.at(1).toInt() > 3; }));
    QCOMPARE(s.RECNO(), 4);
    QVERIFY(!s.SEEK([](const ARRAYSERVER::Row &) { return false; }));
    QVERIFY(s.ISEOF());
  }

  void filterBlockBoundToAServer()
  {
    ARRAYSERVER a(keyValueStructure(), numberedRows(5));
    ARRAYSERVER b(keyValueStructure(), numberedRows(2));
    vz::FILTERBLOCK<ARRAYSERVER> block(&a, [](ARRAYSERVER *s) { return QVariant(s->FIELDGET(2).toInt() * 10); });
    QCOMPARE(block.EVAL(), QVariant(10));  // a non-logic answer passes unchanged
    block.ODB = &b;
    b.GOTO(2);
    QCOMPARE(block.EVAL(), QVariant(20));

    // As a server's filter: rows whose second field is even.
    block.ODB = &a;
    block.BEXPR = [](ARRAYSERVER *s) { return QVariant(s->DATA().at(s->RECNO() - 1).at(1).toInt() % 2 == 0); };
    QVERIFY(a.SETFILTER([&block](ARRAYSERVER &, const ARRAYSERVER::Rows &) { return block.EVAL(); }));
    QCOMPARE(a.RECNO(), 2);
    a.SKIP(1);
    QCOMPARE(a.RECNO(), 4);

    block.DESTROY();
    block.DESTROY();
    QCOMPARE(block.EVAL(), QVariant());
    QVERIFY(block.ODB == nullptr);
  }

  // The grids' table: PACK removes every marked row.
  void gridTable()
  {
    const QList<DbfField> fields{{QStringLiteral("YMADI"), QLatin1Char('C'), 20, 0},
                                 {QStringLiteral("YMFIAT"), QLatin1Char('C'), 11, 0}};
    BARRAYSERVER empty(fields, {}, 0, 1);
    QCOMPARE(empty.LASTREC(), 0);
    empty.GOTOP();
    QVERIFY(empty.ISEOF());

    const QList<QStringList> table{{QStringLiteral("Arpa"), QStringLiteral("      1.000")},
                                   {QStringLiteral("Mısır"), QStringLiteral("      2.000")},
                                   {QStringLiteral("Yulaf"), QStringLiteral("      3.000")}};
    BARRAYSERVER s(fields, BARRAYSERVER::rowsFromTexts(table), 0, 1);
    QCOMPARE(s.FCOUNT(), 2);
    QVERIFY(s.APPEND());
    s.FIELDPUT(1, QStringLiteral("Şeker pancarı"));
    s.COMMIT();
    QCOMPARE(s.textRows().size(), 4);
    QCOMPARE(s.textRows().at(3), (QStringList{QStringLiteral("Şeker pancarı"), QString()}));

    s.GOTO(2);
    s.DELETE();
    s.GOTO(4);
    s.DELETE();
    s.GOTO(1);
    Recorder rec;
    rec.attach(s);
    s.PACK();
    QCOMPARE(rec.notices.last(), int(ARRAYSERVER::NoticeFileChanged));
    QCOMPARE(s.textRows(), (QList<QStringList>{table.at(0), table.at(2)}));
    QCOMPARE(s.RECNO(), 1);
    s.GOTO(2);
    QVERIFY(!s.DELETED());
  }

  void gridPackKeepsPosition()
  {
    const QList<DbfField> fields{{QStringLiteral("A"), QLatin1Char('C'), 5, 0}};
    BARRAYSERVER s(fields, BARRAYSERVER::rowsFromTexts({{QStringLiteral("1")}, {QStringLiteral("2")},
                                                        {QStringLiteral("3")}, {QStringLiteral("4")}}));
    s.GOTO(2);
    s.DELETE();
    s.FIELDPUT(1, QStringLiteral("x"));
    s.GOTO(3);
    s.FIELDPUT(1, QStringLiteral("three"));  // not yet committed
    s.PACK();
    QCOMPARE(s.textRows(), (QList<QStringList>{{QStringLiteral("1")}, {QStringLiteral("three")}, {QStringLiteral("4")}}));
    QCOMPARE(s.RECNO(), 2);
    QCOMPARE(s.FIELDGET(1), QVariant(QStringLiteral("three")));
  }
};

QTEST_GUILESS_MAIN(TestArrayServer)
#include "tst_arrayserver.moc"
