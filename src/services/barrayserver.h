#pragma once
// The editing windows' in-memory table: the array server with the grids' own
// pack rule (PACK removes every row marked deleted, the rows after them moving
// up). Its rows are lists of texts, one per "C" field; a text is stored as
// written, shorter or longer than its field.
#include "services/arrayserver.h"

namespace vz {

class BARRAYSERVER : public ARRAYSERVER {
public:
  // `structure`: one {name, 'C', length, 0} per field; `rows`: a copy of the
  // caller's table. The two further numbers are accepted for the callers'
  // sake and mean nothing. Never fails.
  BARRAYSERVER(const QList<DbfField> &structure, const Rows &rows, int = 0, int = 1);

  // The caller's table of texts as rows for the constructor.
  static Rows rowsFromTexts(const QList<QStringList> &texts);

  // The rows as texts, in row order, with every committed write.
  QList<QStringList> textRows() const;
};

} // namespace vz
