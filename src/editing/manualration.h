#pragma once
// The manual ration: the nutritionist types the daily amount of every
// feedstuff per animal, and the ration's dry matter (KMT), cost, dry-matter
// percentage (KMO) and nutrient totals are worked out against the
// requirements.
//
// Two in-memory tables of number text, counted from 1 as the grids count:
// - the upper table, one row per feedstuff-table row in order: name, amount
//   fed, price, KMO %, KMT fed, then one column per nutrient (content per kg
//   of dry matter), the nutrients "KMO" and "KMT" left out;
// - the lower table, three rows: the results, the requirements and the
//   differences, with the same column numbering, so a column number means the
//   same quantity in both tables.
// Only the amounts travel back into the problem; prices, KMO and nutrient
// values may be edited here for a trial and are dropped on closing.
#include "problem/interaction.h"
#include "problem/rationproblem.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vz {

class ManualRation {
public:
  // 1-based columns of both tables.
  enum Column { ColName = 1, ColAmount, ColPrice, ColKmo, ColKmt, FirstNutrient };
  // 1-based rows of the lower table.
  enum ResultRow { RowResults = 1, RowRequirements, RowDifferences };

  struct Field {
    QString name;  // MATFNAMEYMAD ... MATBMNAME<n>
    int length = 11;
    QString caption;
  };

  // Builds both tables from `problem`. An empty feed amount list is first
  // given one blank entry per feedstuff row (nothing else of the problem
  // changes here). Never fails: a matrix cell that is missing reads blank.
  explicit ManualRation(RationProblem &problem);

  const QList<Field> &upperFields() const { return m_upperFields; }
  const QList<Field> &lowerFields() const { return m_lowerFields; }
  int columnCount() const { return int(m_upperFields.size()); }
  int rowCount() const { return int(m_upper.size()); }

  const QList<QStringList> &upper() const { return m_upper; }
  const QList<QStringList> &lower() const { return m_lower; }
  QString upperCell(int row, int col) const;  // empty outside the table
  QString lowerCell(int row, int col) const;

  // Whether an upper cell takes typing: never the name nor the dry matter
  // fed, which the computation writes.
  static bool isEditable(int col) { return col != ColName && col != ColKmt; }
  // The end of an in-cell edit of the upper table: amount and price become
  // number text with 3 decimals, KMO and nutrient values with 4 decimals.
  // Answers false, changing nothing, for a cell that takes no typing or lies
  // outside the table.
  // Text that is no number, or a number too wide for its cell, is refused
  // too: false, the cell keeps its value and `refusal` gets the message.
  bool ENDEDIT(int row, int col, const QString &typed, QString *refusal = nullptr);

  // Raised by every value put into the upper table (typed or computed);
  // never lowered while the tables live.
  bool amountsChanged() const { return m_amountsChanged; }
  // Set by every computation.
  bool computed() const { return m_computed; }

  // The computation over both tables as they stand.
  void MAN_HESAP();
  // The computation itself, on any pair of tables shaped as above; `kmoColumn`
  // is the 1-based upper column of the dry-matter percentage. Never fails:
  // blank or non-numeric cells count as 0.
  static void compute(QList<QStringList> &upper, QList<QStringList> &lower, int kmoColumn = ColKmo);

  // The amounts handed back: one per feedstuff row, in order, as the table
  // holds them (11-character number text).
  QStringList amounts() const;
  // MYMMIKTARI: the feed amount list becomes amounts() and the
  // feed-amounts-changed flag is raised.
  void MYMMIKTARI();

  // The report. Recomputes first, asks the report parameters through `ui`
  // and writes the report next to `problemFile` with ".TXT"; the written path
  // goes to `setCurrentReport`. Answers false (nothing written) when the
  // dialog was cancelled; true otherwise, also when the write failed or
  // `problemFile` is empty (the failure message was then shown through `ui`). `now` gives the report's date.
  bool MAN_RAPORAL(Interaction &ui, const QString &problemFile,
                   const std::function<void(const QString &)> &setCurrentReport,
                   const std::function<QDateTime()> &now = {});
  // The report parameters last accepted; empty until the first report.
  const ReportParameters &parameters() const { return m_parameters; }

  RationProblem &problem() const { return m_problem; }

private:
  void put(int row, int col, const QString &value);

  RationProblem &m_problem;
  QList<Field> m_upperFields;
  QList<Field> m_lowerFields;
  QList<QStringList> m_upper;
  QList<QStringList> m_lower;
  ReportParameters m_parameters;
  bool m_amountsChanged = false;
  bool m_computed = false;
};

} // namespace vz
