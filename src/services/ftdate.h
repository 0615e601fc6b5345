#pragma once
// Calendar arithmetic for a fiscal calendar: which fiscal year, quarter, month,
// week or day of the year a date falls in, with the first and last day of that
// period, and the same for accounting periods, whose boundaries are moved to
// whole weeks.
//
// The fiscal year begins on the configured month and day (1 January by
// default) and is numbered by the calendar year in which it ends. A date is
// placed by comparing its month and day with the start's, so a year that
// begins on 15 April holds 10 April of the following calendar year, not the
// days before the 15th of its own start month.
//
// No date format of the program is read or changed. An invalid (empty) date
// handed to a period operation gives an invalid Period (empty identifier,
// null days), never a crash.
#include <QDate>
#include <QString>
#include <optional>

namespace vz {

class FT_DATE {
public:
  // {identifier, first day, last day}. DAYOFYR with a day number answers the
  // day it names in `day` instead of an identifier.
  struct Period {
    QString id;
    QDate first;
    QDate last;
    QDate day;
    bool isValid() const { return first.isValid() && last.isValid(); }
  };
  struct Config {
    QString start = QStringLiteral("1980.01.01");  // only month and day count
    int firstDayOfWeek = 1;                        // 1 Sunday ... 7 Saturday
  };

  FT_DATE() = default;

  // The start is "yyyy.mm.dd" or the program's own "dd.mm.yyyy"; a text that
  // is no valid date leaves the start as it was, and 29 February becomes 28
  // February. A first day of week outside 1-7 is ignored. Answers a copy of
  // the configuration after the change.
  Config CNFG(const QString &start = QString(), int firstDayOfWeek = 0);
  Config CNFG(const QDate &start, int firstDayOfWeek = 0);
  Config config() const { return m_config; }

  // The overloads without a date work on today; the ones taking a plain number
  // take it as the period number for today, as the original calls allowed.
  Period YEAR(const QDate &date) const;
  Period YEAR() const { return YEAR(QDate::currentDate()); }
  // Without a period number the period is the one that holds the date; a
  // number outside its range becomes the last period (quarter 7 is the
  // fourth, month 0 the twelfth).
  Period QTR(const QDate &date, std::optional<int> quarter = std::nullopt) const;
  Period QTR(int quarter) const { return QTR(QDate::currentDate(), quarter); }
  Period QTR() const { return QTR(QDate::currentDate()); }
  Period MONTH(const QDate &date, std::optional<int> month = std::nullopt) const;
  Period MONTH(int month) const { return MONTH(QDate::currentDate(), month); }
  Period MONTH() const { return MONTH(QDate::currentDate()); }
  Period WEEK(const QDate &date, std::optional<int> week = std::nullopt) const;
  Period WEEK(int week) const { return WEEK(QDate::currentDate(), week); }
  Period WEEK() const { return WEEK(QDate::currentDate()); }
  // Without a day number the identifier tells the date's day in the year;
  // with one, `day` is the day of that number (a number outside the year
  // gives its last day). `accounting` counts in the accounting year.
  Period DAYOFYR(const QDate &date, std::optional<int> dayNumber = std::nullopt,
                 bool accounting = false) const;
  Period DAYOFYR(int dayNumber, bool accounting = false) const
  { return DAYOFYR(QDate::currentDate(), dayNumber, accounting); }
  Period DAYOFYR(bool accounting) const
  { return DAYOFYR(QDate::currentDate(), std::nullopt, accounting); }

  Period ACCTYEAR(const QDate &date) const;
  Period ACCTYEAR() const { return ACCTYEAR(QDate::currentDate()); }
  Period ACCTQTR(const QDate &date, std::optional<int> quarter = std::nullopt) const;
  Period ACCTQTR(int quarter) const { return ACCTQTR(QDate::currentDate(), quarter); }
  Period ACCTMONTH(const QDate &date, std::optional<int> month = std::nullopt) const;
  Period ACCTMONTH(int month) const { return ACCTMONTH(QDate::currentDate(), month); }
  Period ACCTWEEK(const QDate &date, std::optional<int> week = std::nullopt) const;
  Period ACCTWEEK(int week) const { return ACCTWEEK(QDate::currentDate(), week); }

  // The date moved to a week boundary: a period start to the first day of a
  // week, a period end (endFlag) to the last day of one.
  QDate ACCTADJ(const QDate &date, bool endFlag = false) const;
  // Days since the first day of the date's week, 0 to 6 (-1 for an invalid date).
  int DAYTOBOW(const QDate &date) const;
  // The date moved by whole months, the day cut to the month's length; with
  // the end-of-month flag a month's last day stays its month's last day. An
  // invalid date is taken as today.
  static QDate MADD(const QDate &date, int months = 0, bool endOfMonth = false);

private:
  QDate startIn(int year) const;
  int fiscalMonthIndex(const QDate &date, const QDate &yearFirst) const;  // 0..11
  Period accountingPeriod(const QDate &date, std::optional<int> number, bool quarters) const;

  Config m_config;
};

} // namespace vz
