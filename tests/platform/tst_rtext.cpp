#include "platform/rtext.h"

#include <QTest>

#include <cstring>
#include <random>

using namespace vz::rt;

namespace {

// The runtime's reading as the program had it: the number's characters
// gathered one by one, then the text converted.
double referenceVal(const QString &s)
{
  qsizetype i = 0;
  while (i < s.size() && s.at(i) == QLatin1Char(' '))
    ++i;
  QString digits;
  if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
    digits.append(s.at(i++));
  bool point = false;
  bool any = false;
  for (; i < s.size(); ++i) {
    const QChar c = s.at(i);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digits.append(c);
      any = true;
    } else if (c == QLatin1Char('.') && !point) {
      digits.append(c);
      point = true;
    } else {
      break;
    }
  }
  if (!any)
    return 0.0;
  bool ok = false;
  const double v = digits.toDouble(&ok);
  return ok ? v : 0.0;
}

} // namespace

class TestRText : public QObject {
  Q_OBJECT
private slots:
  void padding_data()
  {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("len");
    QTest::addColumn<QString>("expected");
    QTest::newRow("padr fill") << "R" << "ab" << 5 << "ab   ";
    QTest::newRow("padr cut") << "R" << "abcdef" << 3 << "abc";
    QTest::newRow("padl fill") << "L" << "ab" << 5 << "   ab";
    QTest::newRow("padl cut keeps left") << "L" << "abcdef" << 3 << "abc";
    QTest::newRow("padc even") << "C" << "ab" << 6 << "  ab  ";
    QTest::newRow("padc odd blank right") << "C" << "ab" << 5 << " ab  ";
    QTest::newRow("padc 100") << "C" << "Vesk_Zyr S 2.0" << 100
                              << QString(43, QLatin1Char(' ')) + QStringLiteral("Vesk_Zyr S 2.0") + QString(43, QLatin1Char(' '));
    QTest::newRow("zero len") << "R" << "abc" << 0 << "";
  }
  void padding()
  {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, len);
    QFETCH(QString, expected);
    const QString got = kind == QLatin1String("R") ? PadR(text, len) : kind == QLatin1String("L") ? PadL(text, len) : PadC(text, len);
    QCOMPARE(got, expected);
  }

  void trimmingAndSearch()
  {
    QCOMPARE(AllTrim(QStringLiteral("  a b \t ")), QStringLiteral("a b \t"));  // blanks only
    QCOMPARE(RTrim(QStringLiteral(" a  ")), QStringLiteral(" a"));
    QCOMPARE(LTrim(QStringLiteral(" a  ")), QStringLiteral("a  "));
    QCOMPARE(At(QStringLiteral("c"), QStringLiteral("abcabc")), 3);
    QCOMPARE(At(QStringLiteral("x"), QStringLiteral("abc")), 0);
    QCOMPARE(At(QString(), QStringLiteral("abc")), 0);
    QCOMPARE(StrTran(QStringLiteral("a,b,c"), QStringLiteral(","), QStringLiteral(";")), QStringLiteral("a;b;c"));
    QCOMPARE(Replicate(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    QCOMPARE(Space(3), QStringLiteral("   "));
  }

  void subStr_data()
  {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("middle") << 2 << 3 << "bcd";
    QTest::newRow("to end") << 4 << -1 << "def";
    QTest::newRow("zero reads as one") << 0 << 2 << "ab";
    QTest::newRow("from end") << -2 << -1 << "ef";
    QTest::newRow("past end") << 9 << 2 << "";
    QTest::newRow("count too long") << 5 << 10 << "ef";
  }
  void subStr()
  {
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(SubStr(QStringLiteral("abcdef"), start, count), expected);
  }

  void upperIsTurkish()
  {
    QCOMPARE(Upper(QStringLiteral("ığüşiöç abc")), QStringLiteral("IĞÜŞİÖÇ ABC"));
  }

  // Val reads the cell where it lies; its results must stay those of the
  // runtime's reading, which gathered the number's characters one by one and
  // converted the text: referenceVal below. Both columns are compared bit for
  // bit, so a -0 or the last place of a long fraction counts.
  void val_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "  12.5" << 12.5;
    QTest::newRow("number text") << "     0.1250" << 0.125;
    QTest::newRow("price text") << "    123.456" << 123.456;
    QTest::newRow("negative") << "-3.25" << -3.25;
    QTest::newRow("plus sign") << "+3.25" << 3.25;
    QTest::newRow("sign after blanks") << "    -0.5000" << -0.5;
    QTest::newRow("blank after sign stops") << "- 5" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("minus zero") << "    -0.0000" << -0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("sign and point") << "-." << 0.0;
    QTest::newRow("point last") << "1." << 1.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("signed point first") << "-.5" << -0.5;
    QTest::newRow("leading zeros") << "00007.2500" << 7.25;
    QTest::newRow("stops at garbage") << "7.5kg" << 7.5;
    QTest::newRow("exponent not read") << "1e5" << 1.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma stops") << "3,5" << 3.0;
    QTest::newRow("comma first") << ",5" << 0.0;
    QTest::newRow("tab is no blank") << "\t5" << 0.0;
    QTest::newRow("blanks inside stop") << "1 000" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks") << "           " << 0.0;
    QTest::newRow("garbage") << "abc" << 0.0;
    QTest::newRow("arabic digit") << QString::fromUtf8("٣") << 0.0;
    QTest::newRow("fullwidth digit") << QString::fromUtf8("１") << 0.0;
    QTest::newRow("15 digits") << "123456789.012345" << 123456789.012345;
    QTest::newRow("2^53") << "9007199254740992" << 9007199254740992.0;
    QTest::newRow("2^53 + 1 rounds") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("19 digits") << "1234567890123456789" << 1234567890123456789.0;
    QTest::newRow("20 digits") << "12345678901234567890" << 12345678901234567890.0;
    QTest::newRow("2^64, past a 64-bit whole") << "18446744073709551616" << 18446744073709551616.0;
    QTest::newRow("2^64 as a fraction") << "0.18446744073709551617" << 0.18446744073709551617;
    QTest::newRow("22 decimals") << "0.1234567890123456789012" << 0.1234567890123456789012;
    QTest::newRow("23 decimals") << "0.12345678901234567890123" << 0.12345678901234567890123;
    QTest::newRow("long fraction") << "3.14159265358979323846264338327950288" << 3.14159265358979323846;
    QTest::newRow("too long to hold") << QStringLiteral("1") + QString(400, QLatin1Char('0')) << 0.0;
    QTest::newRow("too long negative") << QStringLiteral("-9") + QString(400, QLatin1Char('9')) << 0.0;
    QTest::newRow("too small to hold") << QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1") << 0.0;
    QTest::newRow("smallest normal") << QStringLiteral("0.") + QString(307, QLatin1Char('0')) + QStringLiteral("22250738585072014")
                                     << 2.2250738585072014e-308;
  }
  void val()
  {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double got = Val(text);
    const double reference = referenceVal(text);
    QVERIFY2(std::memcmp(&got, &reference, sizeof got) == 0,
             qPrintable(QStringLiteral("%1 against %2").arg(got, 0, 'g', 17).arg(reference, 0, 'g', 17)));
    QVERIFY2(std::memcmp(&got, &expected, sizeof got) == 0, qPrintable(QString::number(got, 'g', 17)));
  }

  // Texts of the characters Val meets, in every order and length a cell
  // could hold, read both ways.
  void valMatchesTheReferenceOnAnyText()
  {
    std::mt19937 rng(35u);
    const QString alphabet = QStringLiteral("  +-..0123456789000,e");
    int checked = 0;
    for (int k = 0; k < 200000; ++k) {
      QString text;
      const int length = int(rng() % 26);
      for (int i = 0; i < length; ++i)
        text.append(alphabet.at(int(rng() % alphabet.size())));
      const double got = Val(text);
      const double reference = referenceVal(text);
      if (std::memcmp(&got, &reference, sizeof got) != 0)
        QFAIL(qPrintable(QStringLiteral("\"%1\": %2 against %3").arg(text).arg(got, 0, 'g', 17).arg(reference, 0, 'g', 17)));
      ++checked;
    }
    QCOMPARE(checked, 200000);
  }

  void str_data()
  {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("four decimals") << 3.14159 << 11 << 4 << "     3.1416";
    QTest::newRow("fewer decimals fit") << 550.0 << 5 << 3 << "550.0";
    QTest::newRow("no point fits") << 45600.0 << 5 << 1 << "45600";
    QTest::newRow("whole too wide") << 123456.0 << 5 << 0 << "*****";
    QTest::newRow("sign counts") << -10000.0 << 5 << 0 << "*****";
    QTest::newRow("rounds up to too wide") << 99999.6 << 5 << 1 << "*****";
    QTest::newRow("decimals past what a double holds") << 1.96875 << 10 << 18 << "1.96875000";
    QTest::newRow("negative fits") << -9999.0 << 5 << 0 << "-9999";
    QTest::newRow("half away up") << 2.5 << 3 << 0 << "  3";
    QTest::newRow("half away down") << -2.5 << 3 << 0 << " -3";
    QTest::newRow("decimal half") << 2.675 << 6 << 2 << "  2.68";
    QTest::newRow("no minus zero") << -0.00001 << 8 << 2 << "    0.00";
    QTest::newRow("small leading zero") << 0.05 << 6 << 3 << " 0.050";
    QTest::newRow("zero decimals") << 7.0 << 4 << 0 << "   7";
  }
  void str()
  {
    QFETCH(double, value);
    QFETCH(int, length);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(Str(value, length, decimals), expected);
  }

  void roundAndDates()
  {
    QCOMPARE(Round(1.005, 2), 1.01);
    QCOMPARE(Round(-1.25, 1), -1.3);
    QCOMPARE(DToC(QDate(2024, 3, 7)), QStringLiteral("07.03.2024"));
    QCOMPARE(DToC(QDate()), QStringLiteral("  .  .    "));
  }

  void readDates_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("packed");  // yyyymmdd rather than dd.MM.yyyy
    QTest::addColumn<QDate>("expected");
    QTest::newRow("day") << "07.03.2024" << false << QDate(2024, 3, 7);
    QTest::newRow("blank picture") << "  .  .    " << false << QDate();
    QTest::newRow("half typed") << "15.03.20  " << false << QDate();
    QTest::newRow("no such day") << "31.02.2024" << false << QDate();
    QTest::newRow("leap day") << "29.02.2000" << false << QDate(2000, 2, 29);
    QTest::newRow("not a leap day") << "29.02.1900" << false << QDate();
    QTest::newRow("letters") << "0a.03.2024" << false << QDate();
    QTest::newRow("packed") << "20100315" << true << QDate(2010, 3, 15);
    QTest::newRow("packed no such day") << "20100231" << true << QDate();
    QTest::newRow("packed short") << "201003" << true << QDate();
  }
  void readDates()
  {
    QFETCH(QString, text);
    QFETCH(bool, packed);
    QFETCH(QDate, expected);
    const QDate got = packed ? SToD(text) : CToD(text);
    QCOMPARE(got.isValid(), expected.isValid());
    if (expected.isValid())
      QCOMPARE(got, expected);
  }

  void fuzzy()
  {
    QVERIFY(FuzzyEqual(0.1 + 0.2, 0.3));
    QVERIFY(!FuzzyEqual(0.3, 0.3001));
  }
};

QTEST_GUILESS_MAIN(TestRText)
#include "tst_rtext.moc"
