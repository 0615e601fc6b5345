#pragma once
// The reference matrix as the maintenance window edits it: the whole table is
// read into memory, every edit, append, delete, column arithmetic and
// nutrient linking changes only this copy, and the file is replaced (whole,
// through a temporary file) only when the user saves on closing. Records and
// fields are counted from 1, as the window counts them; record 1 is the units
// record.
#include "editing/referencematrix.h"
#include "platform/dbftable.h"
#include "problem/interaction.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vz {

class ReferenceMatrixCopy {
public:
  enum class EditOutcome { Stored, Refused };

  // Reads `path`; false (and `error` set) when it cannot be read.
  bool open(const QString &path, QString *error = nullptr);
  // Why the last open() failed (a column too narrow for its values, a file
  // that is no table); empty after a successful one.
  QString openError() const { return m_openError; }
  bool isOpen() const { return m_open; }
  QString path() const { return m_path; }

  const QList<DbfField> &fields() const { return m_fields; }
  QStringList fieldNames() const;
  int fieldCount() const { return int(m_fields.size()); }
  int recordCount() const { return int(m_records.size()); }
  QString cell(int record, int field) const;  // empty outside the table
  int fieldPosition(const QString &name) const;  // 1-based, 0 when none (whole name)

  // The end of an edit of (record, field) with the typed text, in the grid or
  // the form: the units record keeps "BIRIM" as its name and its units as
  // typed; from record 2 on the price becomes number text with 3 decimals and
  // every nutrient cell number text with 4, a name is kept as typed. Refused
  // with a message through `ui` (the cell keeps its value): a text longer
  // than its field, a number too wide for its cell, a character the file
  // cannot hold.
  EditOutcome ENDEDIT(int record, int field, const QString &typed, Interaction &ui);

  // F5: a blank record at the end; answers its number.
  int APPEND();
  // Removes `record` (never the units record); false when nothing went.
  bool removeRecord(int record);

  // Raised by every change; never lowered while the copy lives, except by save().
  bool changed() const { return m_changed; }
  void markChanged() { m_changed = true; }

  // Replaces the file with the copy (atomically), holding the file's save
  // lock so that no other session's save falls between the check and the
  // write. When the file changed on disk since the copy was read (another
  // session saved it, or added a column), nothing is written and the answer
  // is ChangedOnDisk, unless `writeOver` (the user chose to write over it).
  // Failed, `error` set: it could not be read or written (the file then is
  // as it was).
  enum class SaveOutcome { Saved, ChangedOnDisk, Failed };
  SaveOutcome save(QString *error = nullptr, bool writeOver = false);

  // The arithmetic of the column commands; nullopt for an unknown operator.
  static std::optional<double> MPRODUCT(const QString &op, double a, double b);

  // Column arithmetic on `field` (2 and up) with the dialog's answer; every
  // filled cell from record 2 on is rewritten with 4 decimals. Nothing is
  // divided by zero: a typed 0 with "/" is refused, and a cell whose column
  // operand reads as zero keeps its value (counted in `skipped`). A result
  // wider than 11 characters refuses the whole command (`tooWide`). Answers
  // true when the copy changed.
  struct MathResult {
    bool changed = false;
    bool tooWide = false;
    bool divideByZero = false;  // "/" with a typed zero
    int skipped = 0;            // cells left because their divisor was zero
  };
  MathResult applyColumnMaths(int field, const ColumnOperation &op);

  // Nutrient linking in `record`: each filled cell of the fields `linked`
  // (1-based field positions) is scaled by new/old of the macro field, then
  // the macro cell gets `newValue`. Refused, nothing changed: an old value
  // of zero, a result wider than 11 characters.
  enum class LinkOutcome { Changed, ZeroMacro, TooWide };
  LinkOutcome linkNutrients(int record, int macroField, const QString &newValue, const QList<int> &linked);

private:
  bool valid(int record, int field) const;

  QString m_path;
  bool m_open = false;
  QList<DbfField> m_fields;
  QList<QStringList> m_records;  // every field at full width
  // The file as it was when the copy was read or last saved: a save that
  // finds it otherwise on disk asks first.
  ReferenceMatrix m_disk;
  bool m_changed = false;
  QString m_openError;
};

namespace refmaint {

// The messages of the window's commands.
// "Referans matris dosyası açma hatası!", with the reason under it when given.
QString openFailedText(const QString &why = QString());
QString zeroDivisorText();           // "/" with a typed zero
QString skippedCellsText(int count); // cells left because their divisor was zero
QString columnTooWideText();         // a result of column arithmetic that fits no cell
QString saveFailedText(const QString &why);
// The question when the file changed on disk since the window read it:
// Evet writes over it, Hayır discards the window's changes, İptal goes back.
QString changedOnDiskText(const QString &path);

// Column arithmetic ("Kolon &Aritmetiği") with its dialog and question; `field`
// is the current grid column (1-based). True when the copy changed.
bool COLMATHBM(ReferenceMatrixCopy &copy, int field, Interaction &ui);
// Nutrient linking ("&Besin Maddesi Bağla") in `record`. True when the copy changed.
bool BMBAGLA(ReferenceMatrixCopy &copy, int record, Interaction &ui);

} // namespace refmaint
} // namespace vz
