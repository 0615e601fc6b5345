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

// The data-server notices sent to the listeners of a table.
enum DbfNotice {
  NoticeFieldChange = -1,  // a field of the current record was written
  NoticeClose = 1,
  NoticeIntentToMove = 2,
  NoticeRecordChange = 3,  // the current record is another one now
  NoticeDelete = 6,        // the current record was marked deleted (or recalled)
  NoticeAppend = 7,
  NoticeFileChange = 10,   // the contents changed as a whole (pack, zap, append-from)
};

struct DbfField {
  QString name;      // up to 10 characters, stored upper case
  QChar type;        // 'C', 'N', 'D', 'L' ('M' is refused)
  int length = 0;    // C up to 65535 (Clipper), N up to 20, D 8, L 1
  int decimals = 0;  // N only
};

// One record as stored: the delete mark and the field texts at full width.
struct DbfRecord {
  bool deleted = false;
  QStringList values;
  bool operator==(const DbfRecord &) const = default;
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

  // Writes a whole table (header, records, deleted ones included as marked) to
  // `path` through a temporary file renamed over it, so the old file stays
  // whole on failure. Values are cut or padded to their field; returns false
  // and sets `error` on a refused field list, a text outside code page 1254 or
  // a write error.
  static bool writeTable(const QString &path, const QList<DbfField> &fields,
                         const QList<DbfRecord> &records, QString *error = nullptr);

  // Checks a field list as create() does; returns false and sets `error`.
  static bool checkFields(const QList<DbfField> &fields, QString *error = nullptr);

  // Returns false and sets errorString() when the file is missing, locked by
  // another user in a conflicting mode, not a dBASE table, truncated, or its
  // header disagrees with its fields. Shared and ReadOnly take a shared
  // advisory lock (flock), Exclusive an exclusive one. The records are read
  // once here; a change another user makes later is seen after reopening.
  bool open(const QString &path, OpenMode mode = OpenMode::Shared);
  void close();
  bool isOpen() const;
  QString fileName() const;
  QString errorString() const;

  const QList<DbfField> &fields() const;
  int fieldCount() const;
  int fieldIndex(const QString &name) const;  // 0-based, -1 when absent; case-insensitive

  // Every physical record, deleted ones included (the current record's
  // pending changes too). Empty when the table is not open.
  QList<DbfRecord> allRecords() const;

  // Replaces the whole file with `records` (written as writeTable() does) and
  // reopens it in the same mode with its lock; the position goes to the top.
  // Returns false and sets errorString() on failure; the table then stays on
  // the old file, or is closed when even reopening failed.
  bool rewrite(const QList<DbfRecord> &records);

  // For a table other sessions may hold shared: while holding a lock that
  // serialises such saves, reads the file as it is on disk now, lets `edit`
  // change its records (given in the disk file's field order; `edit` returns
  // false and sets its error to cancel) and writes the result atomically, to
  // `target` when given, else over the table's own file, which is then
  // reopened and relocked as rewrite() does. Returns false and sets
  // errorString() on failure; nothing is written then.
  using DiskEdit = std::function<bool(const QList<DbfField> &fields, QList<DbfRecord> &records, QString *error)>;
  bool rewriteFromDisk(const DiskEdit &edit, const QString &target = QString());

  // For a table file that sessions read whole and rewrite (no session keeps
  // it open): runs `work` (its read of the file, its change and its write)
  // while holding the lock that serialises every save of `path`, so that
  // no other session's save falls between the read and the write. Answers
  // what `work` answers.
  static bool withSaveLock(const QString &path, const std::function<bool()> &work);

  // The records of a table as stored, for readers and writers of whole
  // fields that need not turn every field into text and back: `records`
  // holds them one after another, `recordLength` bytes each, the delete mark
  // ('*' or ' ') first and then every field at its offset, in code page 1254.
  struct Image {
    QList<DbfField> fields;
    QList<int> offsets;  // of each field inside a record
    int recordLength = 0;
    QByteArray records;

    int count() const { return recordLength > 0 ? int(records.size() / recordLength) : 0; }
    bool deleted(int n) const { return records.at(qsizetype(n) * recordLength) == '*'; }  // n from 0
    QByteArrayView field(int n, int f) const
    {
      return QByteArrayView(records.constData() + qsizetype(n) * recordLength + offsets.at(f), fields.at(f).length);
    }
    // Stores `value` in field `f` of record `n` as the table stores it (cut
    // or padded to the field); false and `error` set for a text outside code
    // page 1254, nothing stored then.
    bool put(int n, int f, QStringView value, QString *error);
    void appendBlank();  // a live record of blanks
    QList<DbfRecord> decoded() const;  // every record as text
  };
  // The open table's records (the current record's pending changes too);
  // an empty image when the table is not open.
  Image image() const;
  // rewriteFromDisk for an edit of the stored records: only the fields the
  // edit reads or writes are turned into text or back, and the table is
  // reopened on the bytes just written instead of reading them again.
  using ImageEdit = std::function<bool(Image &image, QString *error)>;
  bool rewriteImageFromDisk(const ImageEdit &edit, const QString &target = QString());

  QDate lastUpdate() const;  // the header's date

  // Navigation over the records that are not deleted. Record numbers are the
  // physical 1-based numbers of the file.
  int recordCount() const;      // physical count, deleted included (the header's count)
  int liveRecordCount() const;  // records not deleted
  int recNo() const;            // 0 when the table is empty / at EOF past the end
  // Navigation calls return false only when the table is not open or a
  // pending change of the record left could not be written.
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
  // Padded or cut to the field's width ('N' right-aligned); false (nothing
  // written) at EOF, on a read-only table, or for a text outside code page 1254.
  bool fieldPut(int index, const QString &value);
  bool fieldPut(const QString &name, const QString &value);
  double numberGet(int index) const;
  bool numberPut(int index, double value);  // false when the value does not fit
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
  // appended, deleted, closed): the DbfNotice codes.
  using Listener = std::function<void(int notice)>;
  int addListener(Listener l);
  void removeListener(int id);

private:
  // `written`: the file's bytes as just written, to take instead of reading
  // them back; `fd`: the new file's handle when the save kept it open (taken
  // over, closed on failure), else the path is opened.
  bool reopenReplaced(const QString &path, QByteArray written = QByteArray(), int fd = -1);
  bool goEnd(bool top);
  // Marks ('*') or recalls (' ') the current record; `noRecordText` when there is none.
  bool setDeletedFlag(char flag, const QString &noRecordText);

  struct Impl;
  std::unique_ptr<Impl> d;
};

} // namespace vz
