#include "services/barrayserver.h"

namespace vz {

BARRAYSERVER::BARRAYSERVER(const QList<DbfField> &structure, const Rows &rows, int, int)
    : ARRAYSERVER(structure, rows, false)
{
  setPackRule(PackRule::MarkedRows);
}

ARRAYSERVER::Rows BARRAYSERVER::rowsFromTexts(const QList<QStringList> &texts)
{
  Rows rows;
  rows.reserve(texts.size());
  for (const QStringList &t : texts) {
    Row row;
    row.reserve(t.size());
    for (const QString &s : t)
      row.append(s);
    rows.append(row);
  }
  return rows;
}

QList<QStringList> BARRAYSERVER::textRows() const
{
  QList<QStringList> out;
  out.reserve(DATA().size());
  for (const Row &row : DATA()) {
    QStringList texts;
    texts.reserve(row.size());
    for (const QVariant &v : row)
      texts.append(v.toString());
    out.append(texts);
  }
  return out;
}

} // namespace vz
