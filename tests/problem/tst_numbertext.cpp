#include "problem/numbertext.h"

#include <QTest>

using namespace vz;

namespace {
// "n blanks then text", as the cases are usually told.
QString nt(int blanks, const char *text)
{
  return QString(blanks, QLatin1Char(' ')) + QLatin1String(text);
}
} // namespace

class TestNumberText : public QObject {
  Q_OBJECT
private slots:
  void sdaya_data()
  {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12") << "12" << 4 << nt(4, "12.0000");
    QTest::newRow("comma with blanks") << " 3,5 " << 4 << nt(5, "3.5000");
    QTest::newRow("0.125") << "0.125" << 4 << nt(5, "0.1250");
    QTest::newRow(".5") << ".5" << 4 << nt(5, "0.5000");
    QTest::newRow("007") << "007" << 4 << nt(5, "7.0000");
    QTest::newRow("000") << "000" << 4 << nt(5, "0.0000");
    QTest::newRow("cut not rounded") << "1.23456" << 4 << nt(5, "1.2345");
    QTest::newRow("comma is point") << "1,234.5" << 4 << nt(5, "1.2345");
    QTest::newRow("sign dropped") << "-5" << 4 << nt(5, "5.0000");
    QTest::newRow("-2,5") << "-2,5" << 4 << nt(5, "2.5000");
    QTest::newRow("letters") << "abc" << 4 << nt(11, "");
    QTest::newRow("three decimals") << "1" << 3 << nt(6, "1.000");
    QTest::newRow("0 dec keeps whole part") << "12.5" << 0 << nt(9, "12");
    QTest::newRow("0 dec plain") << "7" << 0 << nt(10, "7");
    QTest::newRow("0 dec zero") << "0" << 0 << nt(10, "0");
    QTest::newRow("0 dec fraction only") << ".5" << 0 << nt(10, "0");
    QTest::newRow("lone point 4") << "." << 4 << nt(5, "0.0000");
    QTest::newRow("lone point 0") << "." << 0 << nt(11, "");
    QTest::newRow("empty") << "" << 4 << nt(11, "");
    QTest::newRow("blanks") << "     " << 0 << nt(11, "");
    QTest::newRow("asterisks") << "*****" << 4 << nt(11, "");
    QTest::newRow("fits exactly") << "123456" << 4 << nt(0, "123456.0000");
    QTest::newRow("too wide") << "12345678" << 4 << nt(11, "");
    QTest::newRow("number text again") << "     3.5000" << 4 << nt(5, "3.5000");
  }
  void sdaya()
  {
    QFETCH(QString, typed);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    const QString got = SDAYA(typed, decimals);
    QCOMPARE(got, expected);
    QCOMPARE(got.size(), NumberTextWidth);
  }

  void mround_data()
  {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("half up") << 2.5 << 0 << 3.0;
    QTest::newRow("just short of half") << 2.4999999999999 << 0 << 3.0;
    QTest::newRow("below half") << 2.49 << 0 << 2.0;
    QTest::newRow("negative cut") << -2.5 << 0 << -2.0;
    QTest::newRow("0.12345") << 0.12345 << 4 << 0.1235;
    QTest::newRow("-0.12346") << -0.12346 << 4 << -0.1234;
  }
  void mround()
  {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(MROUND(value, decimals), expected);
  }

  void floatEqual_data()
  {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("expected");
    QTest::newRow("within") << 1.00004 << 1.00001 << 4 << true;
    QTest::newRow("apart") << 1.0004 << 1.0001 << 4 << false;
    QTest::newRow("rounding apart") << 0.00005 << 0.00004 << 4 << false;
    QTest::newRow("zero decimals") << 2.4 << 2.0 << 0 << true;
  }
  void floatEqual()
  {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, decimals);
    QFETCH(bool, expected);
    QCOMPARE(FLOATEQUAL(a, b, decimals), expected);
  }

  void arrayHelpers()
  {
    QCOMPARE(AMAX(QList<double>{3, 7, 7, 1}), 2);
    QCOMPARE(AMIN(QList<double>{3, 1, 1}), 2);
    QCOMPARE(AMAX(QList<double>{}), 0);
    QCOMPARE(AMIN(QList<double>{5}), 1);
    QCOMPARE(AMAX(QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}), 2);

    QCOMPARE(ADIMENS(QList<QStringList>(3, QStringList(5))), (QList<int>{3, 5}));
    QCOMPARE(ADIMENS(QList<QStringList>(2)), (QList<int>{2, 0}));
    QCOMPARE(ADIMENS(QStringList{QStringLiteral("7"), QStringLiteral("8")}), (QList<int>{2}));
    QCOMPARE(ADIMENS(QList<QStringList>()), QList<int>());

    const QStringList three{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QCOMPARE(AKILL(three, 2), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    QCOMPARE(three.size(), 3);
    QCOMPARE(AKILL(three, 4), three);
  }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
