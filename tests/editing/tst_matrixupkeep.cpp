#include "editing/matrixupkeep.h"
#include "editingfixture.h"

#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {
QList<QStringList> matrixOf(int rows, int cols)
{
  QList<QStringList> m;
  for (int i = 0; i < rows; ++i) {
    QStringList r;
    for (int j = 0; j < cols; ++j)
      r.append(num(QStringLiteral("%1.0000").arg(i * 10 + j)));
    m.append(r);
  }
  return m;
}
QList<int> shape(const QList<QStringList> &m)
{
  QList<int> s{int(m.size())};
  for (const QStringList &r : m)
    s.append(int(r.size()));
  return s;
}
} // namespace

class TestMatrixUpkeep : public QObject {
  Q_OBJECT
private slots:
  void shapes_data()
  {
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("nutrientNames");
    QTest::addColumn<int>("feedNames");
    QTest::addColumn<QList<int>>("expectedShape");
    QTest::addColumn<bool>("flag");
    QTest::newRow("addcol beyond adds one") << "ADDMATCOL" << 5 << 3 << 3 << 3 << 3 << QList<int>{3, 4, 4, 4} << true;
    QTest::newRow("addcol inside keeps shape") << "ADDMATCOL" << 2 << 3 << 3 << 3 << 3 << QList<int>{3, 3, 3, 3} << true;
    QTest::newRow("addrow inside keeps shape") << "ADDMATROW" << 2 << 3 << 3 << 3 << 3 << QList<int>{3, 3, 3, 3} << true;
    QTest::newRow("addcol empty, 2 nutrients") << "ADDMATCOL" << 1 << 0 << 0 << 2 << 0 << QList<int>{2, 1, 1} << true;
    QTest::newRow("addcol empty, no nutrient") << "ADDMATCOL" << 1 << 0 << 0 << 0 << 0 << QList<int>{1, 1} << true;
    QTest::newRow("addrow empty, 3 feeds") << "ADDMATROW" << 1 << 0 << 0 << 0 << 3 << QList<int>{1, 3} << true;
    QTest::newRow("addrow empty, no feed") << "ADDMATROW" << 1 << 0 << 0 << 0 << 0 << QList<int>{1, 0} << true;
    QTest::newRow("addrow beyond") << "ADDMATROW" << 4 << 3 << 5 << 3 << 5 << QList<int>{4, 5, 5, 5, 5} << true;
    QTest::newRow("delcol 2") << "DELMATCOL" << 2 << 3 << 3 << 3 << 3 << QList<int>{3, 2, 2, 2} << true;
    QTest::newRow("delcol beyond") << "DELMATCOL" << 4 << 3 << 3 << 3 << 3 << QList<int>{3, 3, 3, 3} << false;
    QTest::newRow("delrow beyond") << "DELMATROW" << 3 << 2 << 2 << 2 << 2 << QList<int>{2, 2, 2} << false;
    QTest::newRow("delrow last") << "DELMATROW" << 1 << 1 << 2 << 1 << 2 << QList<int>{0} << true;
  }
  void shapes()
  {
    QFETCH(QString, op);
    QFETCH(int, n);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, nutrientNames);
    QFETCH(int, feedNames);
    QFETCH(QList<int>, expectedShape);
    QFETCH(bool, flag);
    RationProblem p;
    p.matrix = matrixOf(rows, cols);
    for (int i = 0; i < nutrientNames; ++i)
      p.nutrientNames.append(QStringLiteral("B%1").arg(i));
    for (int i = 0; i < feedNames; ++i)
      p.feedNames.append(QStringLiteral("Y%1").arg(i));
    if (op == QLatin1String("ADDMATCOL"))
      ADDMATCOL(p, n);
    else if (op == QLatin1String("ADDMATROW"))
      ADDMATROW(p, n);
    else if (op == QLatin1String("DELMATCOL"))
      DELMATCOL(p, n);
    else
      DELMATROW(p, n);
    QCOMPARE(shape(p.matrix), expectedShape);
    QCOMPARE(p.changed.matrix, flag);
    for (const QStringList &r : p.matrix)
      for (const QString &c : r)
        QCOMPARE(c.size(), 11);
  }

  void deletingAColumnKeepsTheOthersInOrder()
  {
    RationProblem p;
    p.matrix = matrixOf(3, 3);
    DELMATCOL(p, 2);
    QCOMPARE(p.matrix.at(1), (QStringList{num(QStringLiteral("10.0000")), num(QStringLiteral("12.0000"))}));
    DELMATROW(p, 1);
    QCOMPARE(p.matrix.first().first(), num(QStringLiteral("10.0000")));
  }

  void newCellsAreBlankEvenInTheKmtRow()
  {
    RationProblem p = smallProblem();
    ADDMATCOL(p, 4);
    QCOMPARE(p.matrix.first().last(), blank11());
  }

  void fittingAddsAndDropsOnlyWhatBelongsToNoRow()
  {
    RationProblem p = smallProblem();
    p.matrix.first().removeLast();
    p.matrix.append(QStringList(3, blank11()));
    QVERIFY(fitMatrixToTables(p));
    QCOMPARE(shape(p.matrix), (QList<int>{3, 3, 3, 3}));
    QCOMPARE(p.matrix.at(2).at(2), num(QStringLiteral("45.0000")));
    p.changed.clear();
    QVERIFY(!fitMatrixToTables(p));
    QVERIFY(!p.changed.matrix);
  }
};

QTEST_GUILESS_MAIN(TestMatrixUpkeep)
#include "tst_matrixupkeep.moc"
