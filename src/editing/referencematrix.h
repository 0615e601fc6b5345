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

namespace vz {

class Interaction;

// One feedstuff record of the reference matrix, as stored.
struct ReferenceFeed {
  int recNo = 0;       // physical record number in the table
  QString name;        // YM_ADI at full width (25)
  QString price;       // FIATI at full width (11)
  // The whole record, name and price first: the same list as the matrix's
  // record, for a copy of the nutrient cells would double what a matrix of
  // thousands of feedstuffs holds.
  QStringList record;

  QString trimmedName() const;  // blanks removed at both ends
  // The cell of nutrient column `column` (0-based), at full width (11); an
  // empty text past the record's end.
  QString cell(qsizetype column) const { return column >= 0 ? record.value(column + 2) : QString(); }
};

// The whole table as read: fields, the units record and the feedstuffs.
struct ReferenceMatrix {
  QString path;
  QList<DbfField> fields;       // in file order
  QStringList unitsRecord;      // every field of the first record at full width; empty when the table has none
  QList<ReferenceFeed> feeds;   // the records after the first
  QList<QStringList> records;   // every live record at full width, the units record first

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
