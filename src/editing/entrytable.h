#pragma once
// The table behind one entry window: a copy of one table of the open ration
// problem in an in-memory array server (BARRAYSERVER), the end-of-edit rules
// that every typed value passes through, the row commands (append, delete,
// choose a ratio, link nutrients) and the copy-back on closing with the
// rebuilding of the name lists and the raising of the changed flags.
//
// The four kinds: BM nutrients, YM feedstuffs, BMO nutrient ratios and the
// feed x nutrient matrix (AMAT), shown with a label column in front. Rows and
// columns are counted from 1 here, as the grids count them.
//
// While a nutrient or feedstuff table is edited, only the matrix of the
// problem changes at once (its rows and columns follow the grid); the table
// itself, its name lists and the feed amount list are written on copy-back.
#include "problem/rationproblem.h"
#include "services/barrayserver.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace vz {

class Interaction;

enum class EntryKind { Nutrients, Feeds, Ratios, Matrix };

class EntryTable {
public:
  struct Column {
    QString field;
    int length = 0;
    QString caption;
    int width = 17;  // on-screen width in characters
  };

  // Told of every change of the grid's rows, so that a view can follow.
  class Observer {
  public:
    virtual ~Observer() = default;
    virtual void rowAboutToBeAppended(int row) = 0;
    virtual void rowAppended() = 0;
    virtual void rowAboutToBeRemoved(int row) = 0;
    virtual void rowRemoved() = 0;
    virtual void rowChanged(int row) = 0;
  };

  enum class EditOutcome { Stored, RowRemoved, Refused };

  // Copies the kind's table of `problem` in. A matrix whose shape disagrees
  // with the name lists cannot be shown: failed() is then true, after the
  // message "Girişte bir hata oluştu!" was shown through `ui`.
  EntryTable(EntryKind kind, RationProblem &problem, Interaction &ui);
  ~EntryTable();
  EntryTable(const EntryTable &) = delete;
  EntryTable &operator=(const EntryTable &) = delete;

  EntryKind kind() const { return m_kind; }
  bool failed() const { return m_failed; }
  void setObserver(Observer *observer) { m_observer = observer; }

  const QList<Column> &columns() const { return m_columns; }
  int rowCount() const;
  int columnCount() const { return int(m_columns.size()); }
  QString cell(int row, int col) const;  // empty outside the table
  QList<QStringList> rows() const;       // the grid as it stands

  int currentRow() const;  // 0 when the grid has no row
  void setCurrentRow(int row);

  // The window's changed marker: its own for nutrients and feedstuffs, the
  // problem's ratios-changed or matrix-changed flag for the other two.
  bool changed() const;

  // The end of an in-cell edit of (row, col) with the typed text; the caller
  // has already discarded Esc and unmodified edits. Refused (with a message,
  // the cell keeps its value): a name longer than its field, a name that
  // repeats another (trimmed, any letter case), a name with a character
  // outside code page 1254, a name emptied on a row holding other values,
  // text that is no number or a number too wide for 11 characters in a
  // number cell, an edit of the matrix's label column. RowRemoved: the row's
  // last filled cell was emptied and the row went, with its matrix row or
  // column.
  EditOutcome ENDEDIT(int row, int col, const QString &typed);

  // F5: reuses the first row with an empty first field, else appends one;
  // either way that row becomes current. True only when a row was appended.
  // Not offered for the matrix (answers false, changes nothing).
  bool APPEND();
  // Deletes `row` and packs; true when it went. Nutrients and feedstuffs also
  // lose the row's matrix row or column; feedstuffs their manual amount.
  bool DODELETE(int row);
  // F6 with its question; true when the current row went. Nothing happens on
  // an empty grid, on No, or for the matrix.
  bool deleteCurrent();
  // F7 in the ratio grid: numerator and denominator from the nutrient name
  // list; true when a ratio was written.
  bool ORANSEC();
  // Nutrient linking in the matrix grid, in grid column `col` (2 and up);
  // true when cells changed. Refuses with a message an old macro value of
  // zero and a result too wide for 11 characters, changing no cell.
  bool BMBAGLA(int col);

  // Copy-back on closing; answers true when the problem's table was
  // replaced (the nutrient, feedstuff and matrix windows then have the main
  // menu recomputed). Never fails.
  bool QUERYCLOSE();

  // The program-wide counters behind the automatic names "<n>Ymİsimsiz" and
  // "<n>Bmİsimsiz": the last number given.
  static int unnamedFeedCounter();
  static int unnamedNutrientCounter();

  // Texts of the messages this table shows.
  static QString duplicateNameText(const QString &name);
  static QString nameTooLongText(int length);
  static QString numberTooWideText();
  static QString nameRequiredText(const QString &name);
  static QString characterOutsideCodePageText(const QString &character);
  // The first character of `text` that code page 1254 has no code for (the
  // problem file could not keep it); empty when there is none.
  static QString outsideCodePage(const QString &text);
  static QString zeroMacroText();
  static QString linkTooWideText();
  // KMT (the dry matter, 1.0 in every feedstuff) and KMO (its percentage)
  // are no composition values: nutrient linking never offers or scales them.
  static bool isDryMatterName(const QString &name);

private:
  int nameLength() const;
  QString nextAutomaticName();
  bool nameTaken(const QString &name, int exceptRow) const;
  bool rowBlank(int row, int exceptCol = 0) const;
  void put(int row, int col, const QString &value);
  void afterRowRemoved(int row);
  void copyBackNamedTable();

  EntryKind m_kind;
  RationProblem &m_problem;
  Interaction &m_ui;
  QList<Column> m_columns;
  std::unique_ptr<BARRAYSERVER> m_server;
  Observer *m_observer = nullptr;
  bool m_changed = false;
  bool m_failed = false;
};

} // namespace vz
