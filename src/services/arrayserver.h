#pragma once
// A data server over a table held in memory: a structure (one descriptor per
// field) and rows of values, with a current-row pointer, a record buffer
// through which fields are read and written, deleted flags, a deleted rule
// and a filter that hide rows from the moves, sorting, seeking, import and
// export (dBASE tables, delimited text, fixed-width SDF text), and notices to
// its clients about every change.
//
// Values are QVariants: QString for "C" and "M" fields, double for "N", QDate
// for "D" (a null QDate is the blank date), bool for "L", an invalid QVariant
// for NIL. Rows are numbered from 1; the end position is row count + 1.
//
// The record buffer: a move loads it as a copy of the new current row, and
// FIELDPUT writes the buffer; the next move (or COMMIT) stores it into the
// row. After APPEND, REFRESH or a commit the buffer *is* the row, so a write
// shows in DATA() at once.
//
// The grids' table (BARRAYSERVER) is this same server with another pack rule.
// No operation throws or shows anything.
#include "platform/dbftable.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <map>

namespace vz {

class ARRAYSERVER {
public:
  using Row = QVariantList;
  using Rows = QList<QVariantList>;

  // Server notices, numbered as the data-server protocol numbers them.
  enum Notice {
    NoticeFieldPut = -1,
    NoticeClosed = 0,
    NoticeIntentToMove = 2,  // a client answering false stops the operation
    NoticeRecordChanged = 3,
    NoticeWentBottom = 4,
    NoticeWentTop = 5,
    NoticeDeleted = 6,
    NoticeAppended = 7,
    NoticeFileChanged = 10,
  };
  // A client is told of every notice while notices are not suspended; its
  // answer counts for NoticeIntentToMove only (false stops the move).
  using Client = std::function<bool(int notice, const QString &description)>;
  // A filter: called with the server standing on the row under test (RECNO())
  // and the rows; the row is shown only when it answers the logic value true.
  using FilterBlock = std::function<QVariant(ARRAYSERVER &server, const Rows &rows)>;
  // A seek test, called with one row at a time.
  using SeekBlock = std::function<bool(const Row &row)>;

  // Which rows PACK removes: the current row (this server), or every row whose
  // deleted flag is set (the grids' table).
  enum class PackRule { CurrentRow, MarkedRows };

  // Builds the server over the structure and the rows (taken as they are; a
  // row shorter than the structure is filled with NIL). `deletedRule` is the
  // deleted rule at creation. Never fails.
  ARRAYSERVER(const QList<DbfField> &structure, const Rows &rows, bool deletedRule = false);
  virtual ~ARRAYSERVER();
  ARRAYSERVER(const ARRAYSERVER &) = delete;
  ARRAYSERVER &operator=(const ARRAYSERVER &) = delete;

  // Position and counts. ISEOF/ISBOF are the protocol's EOF and BOF (EOF is a
  // C macro).
  bool ISEOF() const;
  bool ISBOF() const;
  int RECNO() const;
  int RECNO(int row);  // GOTO(row); answers the current row number
  int RECCOUNT() const;
  int LASTREC() const;
  int FCOUNT() const;
  const Rows &DATA() const;  // every row as committed, in row order
  const QList<DbfField> &DBSTRUCT() const;

  // Moves. Each answers true; a client's veto of the intent to move leaves
  // the server where it was (SKIP keeps the buffer's uncommitted writes).
  bool GOTOP();
  bool GOBOTTOM();
  bool SKIP(int n = 1);
  bool GOTO(int row);
  bool REFRESH();

  // Fields, by 1-based position or by exact name. A field not in the
  // structure answers position 0, NIL, length 0 and the empty name.
  int FIELDPOS(int field) const;
  int FIELDPOS(const QString &field) const;
  QVariant FIELDGET(int field) const;
  QVariant FIELDGET(const QString &field) const;
  QString FIELDGETFORMATTED(int field) const;
  QString FIELDGETFORMATTED(const QString &field) const;
  // Writes the value into the buffer and answers it; stores nothing and
  // answers the field's empty value at the end position, for an unknown field
  // or for a value of another type than the field's.
  QVariant FIELDPUT(int field, const QVariant &value);
  QVariant FIELDPUT(const QString &field, const QVariant &value);
  int FIELDLEN(int field) const;
  int FIELDLEN(const QString &field) const;
  QString FIELDNAME(int field) const;
  QString FIELDNAME(const QString &field) const;
  QVariant DEFAULTVALUE(int field) const;  // "" / 0 / blank date / false; NIL otherwise
  Row EMPTYROW() const;                    // as DEFAULTVALUE, but "C" fields full of blanks

  // Rows. APPEND answers false only when a client vetoed it.
  bool APPEND();
  bool DELETE();
  bool RECALL();
  bool RECALLALL();
  bool DELETED() const;
  bool PACK();
  bool COMMIT();
  bool CLOSE();  // commits and tells the clients; the rows stay

  // Notices. NOTIFY answers the clients' answer (true when suspended).
  bool NOTIFY(int notice, const QString &description = QString());
  ARRAYSERVER &SUSPENDNOTIFICATION();
  ARRAYSERVER &RESETNOTIFICATION();  // never goes below zero
  int addClient(Client client);      // answers an id for removeClient
  void removeClient(int id);

  // Deleted rule: setting it goes to the first visible row and tells the
  // clients the file changed.
  bool SETDELETED() const;
  bool SETDELETED(bool rule);

  // Filter. A filter is a C++ callable; a text is kept only as its label and
  // is never evaluated. Nothing changes on an empty server or after a veto.
  bool SETFILTER(const FilterBlock &block, const QString &text = QString());  // true when a filter is active
  QString FILTER() const;
  QString FILTER(const FilterBlock &block);  // SETFILTER(block); answers the filter text
  bool CLEARFILTER();                        // true when no filter is active

  // Sorts the rows (and their deleted flags) by one field, rows with equal
  // values keeping their order, then stands on the first visible row.
  bool SORT(int field);
  bool SORT(const QString &field);

  // Stands on the first visible row whose first field matches the value (a
  // text matches the texts it begins; other values must be equal) or that
  // the block accepts; answers true exactly when it found one, and otherwise
  // stands at the end position.
  bool SEEK(const QVariant &value);
  bool SEEK(const SeekBlock &block);

  // Import and export. Imports add rows at the end and stand on the last row;
  // exports write every row as committed (deleted and filtered ones too).
  // Each answers false and sets errorString() when the file cannot be opened,
  // read or written, or a value does not fit its field; an export never
  // leaves a half-written file. Text files are code page 1254.
  bool APPENDDB(DbfTable &table);  // every live record; leaves the table at its end
  bool APPENDDB(const QString &path);
  bool COPYDB(DbfTable &table);    // adds the rows to the open table
  bool COPYDB(const QString &path);  // adds to an existing table or creates one
  // Delimited text: a field holding the separator, a quote, a line break or
  // leading blanks is written in double quotes (inner quotes doubled) and
  // read back whole; lines may be of any length.
  bool APPENDDELIMITED(const QString &path, QChar separator = QLatin1Char(','));
  bool COPYDELIMITED(const QString &path, QChar separator = QLatin1Char(','));
  // Fixed-width text: every field at its own width, nothing between them.
  bool APPENDSDF(const QString &path);
  bool COPYSDF(const QString &path);

  // Value to text for the text formats; `ok` false when the value does not
  // fit its field (a number too wide) or has another type than the field.
  QString USUAL2STRING(const QVariant &value, int field, bool *ok = nullptr) const;
  // Text to value; dates read as yyyyMMdd (what the exports write) or
  // dd.MM.yyyy, blanks giving the blank date.
  QVariant STRING2USUAL(const QString &text, int field) const;

  QString errorString() const;

protected:
  void setPackRule(PackRule rule);

private:
  class SuspendGuard;

  bool atEnd() const;
  bool hidden(int row);
  bool rulesInForce() const;
  void commitBuffer();
  void loadCopy();
  void makeBufferTheRow();
  void goForward(int n);
  void goBackward(int n);
  void repositionOnFirstVisible();
  void addImportedRow(const Row &row);
  void endImport();
  bool failWith(const QString &message);
  // Writes an export's text in code page 1254, whole or not at all.
  bool writeTextExport(const QString &path, const QString &text);
  QString typeOf(int field) const;

  QList<DbfField> m_structure;
  Rows m_rows;
  QList<bool> m_deleted;
  Row m_defaults;
  Row m_buffer;
  bool m_bufferIsRow = false;
  int m_current = 1;
  bool m_eof = true;
  bool m_bof = true;
  bool m_deletedRule = false;
  int m_suspended = 0;
  FilterBlock m_filter;
  QString m_filterText;
  bool m_filterActive = false;
  PackRule m_packRule = PackRule::CurrentRow;
  std::map<int, Client> m_clients;
  int m_nextClientId = 1;
  QString m_error;
};

} // namespace vz
