#pragma once
// dBASE III tables (the runtime's DBSERVER/DBFILESPEC with the DBFNTX driver).
// Character fields longer than 255 follow the Clipper rule: the length's high
// byte sits in the decimals byte. Text is always code page 1254. Records marked
// deleted are hidden from every read, from the navigation and from appendFrom,
// and are kept as they are on a rewrite.
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vz {

struct DbfField {
  QString name;      // up to 10 characters, stored upper case
  QChar type;        // 'C', 'N', 'D', 'L' ('M' is refused)
  int length = 0;    // C up to 65535 (Clipper), N up to 20, D 8, L 1
  int decimals = 0;  // N only
};

class DbfTable {
public:
  enum class OpenMode { Shared, Exclusive, ReadOnly };

  DbfTable();
  ~DbfTable();
  DbfTable(const DbfTable &) = delete;
  DbfTable &operator=(const DbfTable &) = delete;

  // Creates (or replaces) an empty table; returns false and sets errorString()
  // on a refused field list or a write error. Does not open it.
  static bool create(const QString &path, const QList<DbfField> &fields, QString *error = nullptr);

  // Returns false and sets errorString() when the file is missing, locked by
  // another user in a conflicting mode, not a dBASE table, truncated, or its
  // header disagrees with its fields.
  bool open(const QString &path, OpenMode mode = OpenMode::Shared);
  void close();
  bool isOpen() const;
  QString fileName() const;
  QString errorString() const;

  const QList<DbfField> &fields() const;
  int fieldCount() const;
  int fieldIndex(const QString &name) const;  // 0-based, -1 when absent; case-insensitive

  // Navigation over the records that are not deleted. Record numbers are the
  // physical 1-based numbers of the file.
  int recordCount() const;      // physical count, deleted included (the header's count)
  int liveRecordCount() const;  // records not deleted
  int recNo() const;            // 0 when the table is empty / at EOF past the end
  bool goTop();
  bool goBottom();
  bool goTo(int recNo);
  bool skip(int n = 1);
  bool bof() const;
  bool eof() const;

  // Field access on the current record, by 0-based position or by name. Text is
  // returned at full width (trailing blanks kept) for 'C'; 'N' as its stored
  // text; 'D' as yyyyMMdd; 'L' as "T"/"F"/"?" .
  QString fieldGet(int index) const;
  QString fieldGet(const QString &name) const;
  bool fieldPut(int index, const QString &value);  // padded or cut to the field's width
  bool fieldPut(const QString &name, const QString &value);
  double numberGet(int index) const;
  bool numberPut(int index, double value);
  QDate dateGet(int index) const;
  bool datePut(int index, const QDate &value);

  bool append();  // blank record, becomes current
  bool deleteRecord();  // marks the current record
  bool recall();
  bool isDeleted() const;
  bool pack();  // exclusive only
  bool zap();   // exclusive only
  bool commit();  // writes the header (count, date) and flushes

  // Appends every live record of `other` by field name (fields the target lacks
  // are ignored, missing ones stay blank). Returns the number appended or -1.
  int appendFrom(const QString &otherPath);

  // A simple index on one field (kept in memory; rebuilt on change).
  bool setIndex(const QString &fieldName);  // empty name: natural order
  bool seek(const QString &key, bool softSeek = false);  // exact or prefix (key shorter than field)
  bool found() const;
  QString currentKey() const;

  // Change notices to the objects that use the table (record moved, changed,
  // appended, deleted, closed). Codes as the data-server protocol numbers them.
  using Listener = std::function<void(int notice)>;
  int addListener(Listener l);
  void removeListener(int id);

private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

} // namespace vz
