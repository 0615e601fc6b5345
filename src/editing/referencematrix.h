#pragma once
// The reference matrix "MATKUMAD.DBF" in the program directory: the dry-matter
// based composition table from which problems are built and extended. Field 1
// `YM_ADI` (C25) is the feedstuff name, field 2 `FIATI` (C11) the price, every
// further field (C11) one nutrient named by its field name. The first record
// is the units record ("BIRIM"): its nutrient cells hold the units as free
// text. The feedstuffs are the records after it, in record order.
#include "platform/dbftable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace vz {

class Interaction;
class ReferenceMatrix;
struct ReferenceRecords;

namespace refmatrix {
bool read(const QString &path, ReferenceMatrix *out, QString *error);
}

// One feedstuff record of the reference matrix, as stored, decoded whole
// when taken from the matrix: its texts share one block, so that taking
// every cell of a record costs one allocation, not one a cell. It stays
// valid after the matrix is gone.
class ReferenceFeed {
public:
  ReferenceFeed();
  ~ReferenceFeed();
  ReferenceFeed(const ReferenceFeed &);
  ReferenceFeed &operator=(const ReferenceFeed &);

  int recNo() const { return m_recNo; }  // physical record number in the table
  QString name() const;     // YM_ADI at full width (25)
  QString price() const;    // FIATI at full width (11)
  QString trimmedName() const;  // blanks removed at both ends
  // The cell of nutrient column `column` (0-based), at full width (11); an
  // empty text past the record's end.
  QString cell(qsizetype column) const;

private:
  friend class ReferenceMatrix;
  ReferenceFeed(std::shared_ptr<const ReferenceRecords> records, int row);
  QString field(qsizetype field) const;

  std::shared_ptr<const ReferenceRecords> m_records;  // for the fields' places
  int m_recNo = 0;
  QString m_text;  // every field in turn, each followed by its end mark
};

// The whole table as read: fields, the units record and the feedstuffs. The
// records are held as the file stores them, one byte a character, and each
// text is decoded when asked for: a matrix of thousands of feedstuffs holds
// hundreds of thousands of cells, and a text object for each held several
// times the file's size, more than the caches keep. Copies share the
// records.
class ReferenceMatrix {
public:
  ReferenceMatrix();
  ~ReferenceMatrix();
  ReferenceMatrix(const ReferenceMatrix &);
  ReferenceMatrix &operator=(const ReferenceMatrix &);
  ReferenceMatrix(ReferenceMatrix &&) noexcept;
  ReferenceMatrix &operator=(ReferenceMatrix &&) noexcept;

  // A matrix of `records` (the units record first) as a table of `fields`
  // would store them: each text cut or padded to its field, a missing one
  // blank.
  static ReferenceMatrix fromRecords(const QList<DbfField> &fields, const QList<QStringList> &records);

  QString path() const { return m_path; }
  const QList<DbfField> &fields() const;  // in file order

  // The live records, the units record first, in record order.
  int recordCount() const;
  // Field `field` (0-based) of live record `record` (0-based) at full width;
  // an empty text outside the table.
  QString value(int record, int field) const;
  QStringList record(int record) const;
  // Every live record at once, their texts sharing one block of memory.
  QList<QStringList> records() const;
  // True when `other` holds the same live records, byte for byte as stored,
  // in records of the same layout (the fields' names are not compared).
  bool sameRecords(const ReferenceMatrix &other) const;

  // The feedstuffs: the live records after the first.
  int feedCount() const;
  ReferenceFeed feed(int index) const;
  // The name of feedstuff `index` at full width, without decoding the rest
  // of its record.
  QString feedName(int index) const;

  QStringList fieldNames() const;
  // The nutrient columns: the field names from the third on, in field order.
  QStringList nutrientColumns() const;
  // The unit of each nutrient column (the units record's cell, trimmed).
  QStringList units() const;
  // Position of the nutrient column named exactly `name` (0-based among
  // nutrientColumns()), -1 when none.
  int nutrientColumn(const QString &name) const;
  // The first feedstuff whose trimmed name equals `name` exactly, -1 when none.
  int feedIndex(const QString &trimmedName) const;
  QStringList trimmedFeedNames() const;

private:
  friend bool refmatrix::read(const QString &, ReferenceMatrix *, QString *);
  QString m_path;
  std::shared_ptr<const ReferenceRecords> m_records;  // null for a matrix never read
};

namespace refmatrix {

inline constexpr char FileName[] = "MATKUMAD.DBF";
inline constexpr char UnitsName[] = "BIRIM";
inline constexpr int NameWidth = 25;
inline constexpr int CellWidth = 11;

// The 42 standard nutrient columns in their order (`KMO` ... `VITE`).
QStringList standardNutrientColumns();
// `YM_ADI`, `FIATI` and the 42 standard nutrient columns.
QStringList standardFieldNames();

// The file in `programDir` named "MATKUMAD.DBF" whatever its letter case (the
// exact spelling first); empty when there is none.
QString locate(const QString &programDir);
// Where a new reference matrix goes: programDir + "/MATKUMAD.DBF".
QString defaultPath(const QString &programDir);

// Why a table with column `field` of `width` characters is not opened.
QString narrowColumnText(const QString &field, int width);

// `text`, and under it `why` when there is a reason to give.
QString withReason(const QString &text, const QString &why);

// "MATKUMAD.DBF dosyası yok..!"
QString missingText();
// "Referans matris dosyası (MATKUMAD.DBF) oluşturulamadı!"
QString createFailedText();

// Reads the table in record order (deleted records hidden). False and
// `error` set when it cannot be opened, or when its price or a nutrient
// column is narrower than the 11 characters of a cell (narrowColumnText()).
bool read(const QString &path, ReferenceMatrix *out, QString *error = nullptr);

} // namespace refmatrix

// The 44 field descriptors of a new reference matrix: {name, 'C', length, 0}.
QList<DbfField> KMM_STRCREATE();

// Creates "MATKUMAD.DBF" in `programDir` with the units record "BIRIM" (every
// other cell blank), written whole through a temporary file. A reference
// matrix already there (whatever its letter case) is kept as it is, and
// counts as success. On failure shows createFailedText() as an error through
// `ui` and returns false.
bool RMAT_CREATE(const QString &programDir, Interaction &ui, QString *createdPath = nullptr);

} // namespace vz
