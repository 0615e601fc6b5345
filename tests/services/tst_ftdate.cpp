#include "services/ftdate.h"

#include <QTest>

using vz::FT_DATE;
using Period = FT_DATE::Period;

Q_DECLARE_METATYPE(Period)

namespace {

QDate d(int y, int m, int day) { return QDate(y, m, day); }

Period period(const char *id, QDate first, QDate last)
{
  Period p;
  p.id = QString::fromLatin1(id);
  p.first = first;
  p.last = last;
  return p;
}

// Runs one named operation of the calendar with an optional period number.
Period run(const FT_DATE &cal, const QString &op, const QDate &date, int number)
{
  const std::optional<int> n = number < 0 ? std::nullopt : std::optional<int>(number);
  if (op == QLatin1String("YEAR")) return cal.YEAR(date);
  if (op == QLatin1String("QTR")) return cal.QTR(date, n);
  if (op == QLatin1String("MONTH")) return cal.MONTH(date, n);
  if (op == QLatin1String("WEEK")) return cal.WEEK(date, n);
  if (op == QLatin1String("ACCTYEAR")) return cal.ACCTYEAR(date);
  if (op == QLatin1String("ACCTQTR")) return cal.ACCTQTR(date, n);
  if (op == QLatin1String("ACCTMONTH")) return cal.ACCTMONTH(date, n);
  if (op == QLatin1String("ACCTWEEK")) return cal.ACCTWEEK(date, n);
  if (op == QLatin1String("DAYOFYR")) return cal.DAYOFYR(date, n);
  return {};
}

} // namespace

class TestFtDate : public QObject {
  Q_OBJECT
private slots:
  // Periods of one date under three configurations: the default (1 January,
  // Sunday), a start on 1 April, and a start in the middle of a month, where
  // only comparing the day as well as the month gives the right year.
  void periods_data()
  {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("firstDow");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<Period>("expected");
    const QString def;
    QTest::newRow("default YEAR") << def << 0 << "YEAR" << d(2009, 5, 15) << -1
                                  << period("2009", d(2009, 1, 1), d(2009, 12, 31));
    QTest::newRow("default MONTH") << def << 0 << "MONTH" << d(2009, 5, 15) << -1
                                   << period("200905", d(2009, 5, 1), d(2009, 5, 31));
    QTest::newRow("default QTR") << def << 0 << "QTR" << d(2009, 5, 15) << -1
                                 << period("200902", d(2009, 4, 1), d(2009, 6, 30));
    // 15 May 2009 is a Friday; the year's first week runs Thu 1 Jan - Sat 3 Jan.
    QTest::newRow("default WEEK") << def << 0 << "WEEK" << d(2009, 5, 15) << -1
                                  << period("200920", d(2009, 5, 10), d(2009, 5, 16));
    QTest::newRow("default first WEEK short") << def << 0 << "WEEK" << d(2009, 1, 2) << -1
                                              << period("200901", d(2009, 1, 1), d(2009, 1, 3));
    QTest::newRow("WEEK 99 is the last") << def << 0 << "WEEK" << d(2009, 5, 15) << 99
                                         << period("200953", d(2009, 12, 27), d(2009, 12, 31));
    QTest::newRow("QTR 7 is the fourth") << def << 0 << "QTR" << d(2009, 5, 15) << 7
                                         << period("200904", d(2009, 10, 1), d(2009, 12, 31));
    QTest::newRow("MONTH 0 is the twelfth") << def << 0 << "MONTH" << d(2009, 5, 15) << 0
                                            << period("200912", d(2009, 12, 1), d(2009, 12, 31));

    const QString april = QStringLiteral("2000.04.01");
    QTest::newRow("April YEAR") << april << 0 << "YEAR" << d(2010, 3, 15) << -1
                                << period("2010", d(2009, 4, 1), d(2010, 3, 31));
    QTest::newRow("April MONTH") << april << 0 << "MONTH" << d(2010, 1, 15) << -1
                                 << period("201010", d(2010, 1, 1), d(2010, 1, 31));
    QTest::newRow("April QTR") << april << 0 << "QTR" << d(2009, 5, 15) << -1
                               << period("201001", d(2009, 4, 1), d(2009, 6, 30));
    QTest::newRow("April in dd.mm.yyyy") << QStringLiteral("01.04.1999") << 0 << "YEAR"
                                         << d(2010, 3, 15) << -1
                                         << period("2010", d(2009, 4, 1), d(2010, 3, 31));

    const QString mid = QStringLiteral("2000.04.15");
    QTest::newRow("15th: day before start is last year") << mid << 0 << "YEAR" << d(2010, 4, 10) << -1
        << period("2010", d(2009, 4, 15), d(2010, 4, 14));
    QTest::newRow("15th: start day opens the year") << mid << 0 << "YEAR" << d(2010, 4, 15) << -1
        << period("2011", d(2010, 4, 15), d(2011, 4, 14));
    QTest::newRow("15th: MONTH before the 15th") << mid << 0 << "MONTH" << d(2009, 5, 10) << -1
        << period("201001", d(2009, 4, 15), d(2009, 5, 14));
    QTest::newRow("15th: MONTH from the 15th") << mid << 0 << "MONTH" << d(2009, 5, 15) << -1
        << period("201002", d(2009, 5, 15), d(2009, 6, 14));
    QTest::newRow("15th: last MONTH") << mid << 0 << "MONTH" << d(2010, 4, 14) << -1
        << period("201012", d(2010, 3, 15), d(2010, 4, 14));
    QTest::newRow("15th: QTR") << mid << 0 << "QTR" << d(2009, 7, 10) << -1
        << period("201001", d(2009, 4, 15), d(2009, 7, 14));
    QTest::newRow("15th: second QTR") << mid << 0 << "QTR" << d(2009, 7, 15) << -1
        << period("201002", d(2009, 7, 15), d(2009, 10, 14));
    // Weeks from Monday: 15 Apr 2009 is a Wednesday.
    QTest::newRow("15th: first WEEK, Monday weeks") << mid << 2 << "WEEK" << d(2009, 4, 16) << -1
        << period("201001", d(2009, 4, 15), d(2009, 4, 19));
    QTest::newRow("15th: WEEK in April next year") << mid << 2 << "WEEK" << d(2010, 4, 10) << -1
        << period("201052", d(2010, 4, 5), d(2010, 4, 11));

    const QString end = QStringLiteral("2000.01.31");
    QTest::newRow("31st: February month") << end << 0 << "MONTH" << d(2009, 3, 1) << -1
        << period("201002", d(2009, 2, 28), d(2009, 3, 30));
    QTest::newRow("31st: March month") << end << 0 << "MONTH" << d(2009, 3, 31) << -1
        << period("201003", d(2009, 3, 31), d(2009, 4, 29));

    // Accounting periods start on a week's first day (Sunday here).
    QTest::newRow("ACCTYEAR 2009") << def << 0 << "ACCTYEAR" << d(2009, 5, 15) << -1
        << period("2009", d(2009, 1, 4), d(2010, 1, 2));
    QTest::newRow("ACCTYEAR before its start") << def << 0 << "ACCTYEAR" << d(2009, 1, 2) << -1
        << period("2008", d(2007, 12, 30), d(2009, 1, 3));
    QTest::newRow("ACCTMONTH May") << def << 0 << "ACCTMONTH" << d(2009, 5, 15) << -1
        << period("200905", d(2009, 5, 3), d(2009, 5, 30));
    QTest::newRow("ACCTMONTH moved back a month") << def << 0 << "ACCTMONTH" << d(2009, 5, 1) << -1
        << period("200904", d(2009, 3, 29), d(2009, 5, 2));
    QTest::newRow("ACCTQTR second") << def << 0 << "ACCTQTR" << d(2009, 5, 15) << -1
        << period("200902", d(2009, 3, 29), d(2009, 6, 27));
    QTest::newRow("ACCTWEEK") << def << 0 << "ACCTWEEK" << d(2009, 5, 15) << -1
        << period("200919", d(2009, 5, 10), d(2009, 5, 16));
    QTest::newRow("DAYOFYR") << def << 0 << "DAYOFYR" << d(2009, 5, 15) << -1
        << period("2009135", d(2009, 1, 1), d(2009, 12, 31));
    // A start on the 31st: 29 February 2008 (a Friday) lies before the week
    // its own month starts in, so it closes the month before.
    QTest::newRow("31st: ACCTMONTH of 29 February") << end << 0 << "ACCTMONTH" << d(2008, 2, 29) << -1
        << period("200901", d(2008, 2, 3), d(2008, 3, 1));
    QTest::newRow("31st: ACCTMONTH numbered") << end << 0 << "ACCTMONTH" << d(2008, 2, 29) << 2
        << period("200902", d(2008, 3, 2), d(2008, 3, 29));
    QTest::newRow("31st: ACCTYEAR before its start") << end << 0 << "ACCTYEAR" << d(2008, 1, 31) << -1
        << period("2008", d(2007, 1, 28), d(2008, 2, 2));
  }
  void periods()
  {
    QFETCH(QString, start);
    QFETCH(int, firstDow);
    QFETCH(QString, op);
    QFETCH(QDate, date);
    QFETCH(int, number);
    QFETCH(Period, expected);
    FT_DATE cal;
    cal.CNFG(start, firstDow);
    const Period got = run(cal, op, date, number);
    QCOMPARE(got.id, expected.id);
    QCOMPARE(got.first, expected.first);
    QCOMPARE(got.last, expected.last);
  }

  // Months and quarters, fiscal and accounting, for years starting on any
  // day of a month, the 29th to the 31st included, over two leap years:
  // every date lies in its own period, each period follows the one before it
  // without a gap or an overlap and carries the next number, the numbered
  // form gives the same period, and the periods of a year tile that year.
  void periodsTile_data()
  {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("firstDow");
    for (const char *start : {"2000.01.01", "2000.01.28", "2000.01.29", "2000.01.30", "2000.01.31",
                              "2000.03.31", "2000.08.30", "2000.12.29"})
      for (int dow : {1, 2})
        QTest::addRow("%s, week from %s", start, dow == 1 ? "Sunday" : "Monday")
            << QString::fromLatin1(start) << dow;
  }
  void periodsTile()
  {
    QFETCH(QString, start);
    QFETCH(int, firstDow);
    FT_DATE cal;
    cal.CNFG(start, firstDow);
    for (const char *op : {"MONTH", "QTR", "ACCTMONTH", "ACCTQTR"}) {
      const QString name = QString::fromLatin1(op);
      const bool accounting = name.startsWith(QLatin1String("ACCT"));
      const int count = name.endsWith(QLatin1String("QTR")) ? 4 : 12;
      auto take = [&](const QDate &date, int n = -1) { return run(cal, name, date, n); };
      Period before;
      for (QDate date = d(2007, 1, 1); date <= d(2013, 12, 31); date = date.addDays(1)) {
        const Period p = take(date);
        const QString at = QStringLiteral("%1 %2: %3 %4-%5")
                               .arg(name, date.toString(Qt::ISODate), p.id, p.first.toString(Qt::ISODate),
                                    p.last.toString(Qt::ISODate));
        QVERIFY2(p.first <= date && date <= p.last, qPrintable(at));
        if (before.isValid()) {
          if (before.id == p.id) {
            QVERIFY2(before.first == p.first && before.last == p.last, qPrintable(at));
          } else {
            QVERIFY2(before.last == date.addDays(-1) && p.first == date, qPrintable(at));
            const int year = before.id.left(4).toInt();
            const int n = before.id.mid(4).toInt();
            const QString next = n == count ? QStringLiteral("%1%2").arg(year + 1).arg(1, 2, 10, QLatin1Char('0'))
                                            : QStringLiteral("%1%2").arg(year).arg(n + 1, 2, 10, QLatin1Char('0'));
            QVERIFY2(p.id == next, qPrintable(at));
          }
        }
        const Period numbered = take(date, p.id.mid(4).toInt());
        QVERIFY2(numbered.id == p.id && numbered.first == p.first && numbered.last == p.last, qPrintable(at));
        const Period year = accounting ? cal.ACCTYEAR(date) : cal.YEAR(date);
        QVERIFY2(year.id == p.id.left(4), qPrintable(at));
        QVERIFY2(year.first <= date && date <= year.last, qPrintable(at));
        QVERIFY2(take(date, 1).first == year.first && take(date, count).last == year.last, qPrintable(at));
        before = p;
      }
    }
  }

  void dayOfYearWithDayNumber()
  {
    FT_DATE cal;
    const Period p = cal.DAYOFYR(d(2009, 5, 15), 400);
    QCOMPARE(p.day, d(2009, 12, 31));
    QCOMPARE(cal.DAYOFYR(d(2009, 5, 15), 32).day, d(2009, 2, 1));
    QCOMPARE(p.first, d(2009, 1, 1));
  }

  void configuration()
  {
    FT_DATE cal;
    QCOMPARE(cal.config().start, QStringLiteral("1980.01.01"));
    QCOMPARE(cal.config().firstDayOfWeek, 1);
    QCOMPARE(cal.CNFG(QStringLiteral("2008.02.29")).start, QStringLiteral("2008.02.28"));
    QCOMPARE(cal.CNFG(QStringLiteral("2009.02.30")).start, QStringLiteral("2008.02.28"));
    QCOMPARE(cal.CNFG(QStringLiteral("kırk")).start, QStringLiteral("2008.02.28"));
    QCOMPARE(cal.CNFG(QString(), 0).firstDayOfWeek, 1);
    QCOMPARE(cal.CNFG(QString(), 8).firstDayOfWeek, 1);
    QCOMPARE(cal.CNFG(QString(), 2).firstDayOfWeek, 2);
    QCOMPARE(cal.DAYTOBOW(d(2009, 5, 17)), 6);  // Sunday
    QCOMPARE(cal.DAYTOBOW(d(2009, 5, 18)), 0);  // Monday
  }

  void monthArithmetic_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("months");
    QTest::addColumn<bool>("endOfMonth");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("31 Jan + 1") << d(2009, 1, 31) << 1 << false << d(2009, 2, 28);
    QTest::newRow("31 Jan + 1 leap") << d(2008, 1, 31) << 1 << false << d(2008, 2, 29);
    QTest::newRow("28 Feb + 1 end") << d(2009, 2, 28) << 1 << true << d(2009, 3, 31);
    QTest::newRow("28 Feb + 1") << d(2009, 2, 28) << 1 << false << d(2009, 3, 28);
    QTest::newRow("30 Apr + 1 end") << d(2009, 4, 30) << 1 << true << d(2009, 5, 31);
    QTest::newRow("30 Apr + 1") << d(2009, 4, 30) << 1 << false << d(2009, 5, 30);
    QTest::newRow("15 Mar - 2") << d(2009, 3, 15) << -2 << false << d(2009, 1, 15);
    QTest::newRow("0 months") << d(2009, 3, 15) << 0 << false << d(2009, 3, 15);
    QTest::newRow("end flag not at month end") << d(2009, 3, 15) << 1 << true << d(2009, 4, 15);
    QTest::newRow("across the year") << d(2009, 11, 30) << 3 << false << d(2010, 2, 28);
  }
  void monthArithmetic()
  {
    QFETCH(QDate, date);
    QFETCH(int, months);
    QFETCH(bool, endOfMonth);
    QFETCH(QDate, expected);
    QCOMPARE(FT_DATE::MADD(date, months, endOfMonth), expected);
  }

  void weekBoundaries_data()
  {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("end");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("Thursday start forward") << d(2009, 1, 1) << false << d(2009, 1, 4);
    QTest::newRow("Wednesday start back") << d(2009, 4, 1) << false << d(2009, 3, 29);
    QTest::newRow("Wednesday end forward") << d(2009, 4, 1) << true << d(2009, 4, 4);
    QTest::newRow("Tuesday end back") << d(2009, 3, 31) << true << d(2009, 3, 28);
  }
  void weekBoundaries()
  {
    QFETCH(QDate, date);
    QFETCH(bool, end);
    QFETCH(QDate, expected);
    FT_DATE cal;
    QCOMPARE(cal.ACCTADJ(date, end), expected);
  }

  void emptyDateGivesInvalidResult()
  {
    FT_DATE cal;
    cal.CNFG(QStringLiteral("2000.04.15"));
    const QDate none;
    for (const char *op : {"YEAR", "QTR", "MONTH", "WEEK", "ACCTYEAR", "ACCTQTR", "ACCTMONTH",
                           "ACCTWEEK", "DAYOFYR"}) {
      const Period p = run(cal, QString::fromLatin1(op), none, -1);
      QVERIFY2(!p.isValid() && p.id.isEmpty(), op);
      QVERIFY2(!run(cal, QString::fromLatin1(op), none, 2).isValid(), op);
    }
    QVERIFY(!cal.ACCTADJ(none).isValid());
    QCOMPARE(cal.DAYTOBOW(none), -1);
    QCOMPARE(FT_DATE::MADD(none), QDate::currentDate());
  }

  void todayByDefault()
  {
    FT_DATE cal;
    QCOMPARE(cal.YEAR().id, QString::number(QDate::currentDate().year()));
    QCOMPARE(cal.MONTH(3).first, QDate(QDate::currentDate().year(), 3, 1));
  }
};

QTEST_GUILESS_MAIN(TestFtDate)
#include "tst_ftdate.moc"
