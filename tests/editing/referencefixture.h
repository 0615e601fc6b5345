#pragma once
// A small reference matrix for the tests: six columns of the standard layout
// (KMO, HP, NDF, NEL, KALSIYUM, VITA) and five feedstuffs, one of them with
// a name longer than the 15 characters a problem keeps.
#include "editing/referencematrix.h"
#include "platform/dbftable.h"
#include "platform/rtext.h"

#include <QDir>

namespace vz::test {

inline QList<DbfField> referenceFields()
{
  QList<DbfField> f{{QStringLiteral("YM_ADI"), QLatin1Char('C'), 25, 0},
                    {QStringLiteral("FIATI"), QLatin1Char('C'), 11, 0}};
  for (const char *n : {"KMO", "HP", "NDF", "NEL", "KALSIYUM", "VITA"})
    f.append({QString::fromLatin1(n), QLatin1Char('C'), 11, 0});
  return f;
}

inline QString cell(const char *v)
{
  return rt::PadL(QString::fromUtf8(v), 11);
}

inline QList<DbfRecord> referenceRecords()
{
  auto rec = [](const char *name, const char *price, std::initializer_list<const char *> cells) {
    DbfRecord r;
    r.values.append(QString::fromUtf8(name));
    r.values.append(cell(price));
    for (const char *c : cells)
      r.values.append(cell(c));
    return r;
  };
  return {
      rec("BIRIM", "", {"%", "g/Kg", "Kg/Kg", "MCal/Kg", "g/Kg", "IU/Kg"}),
      rec("Arpa", "5.000", {"88.0000", "124.0000", "0.2100", "1.8600", "0.6000", ""}),
      rec("Mısır", "6.000", {"88.0000", "94.0000", "0.1000", "2.0100", "0.4000", ""}),
      rec("Yonca Kuru Otu Tam Çiçek", "4.000", {"90.0000", "192.0000", "0.4200", "1.2400", "14.0000", "50000.0000"}),
      rec("Soya Küspesi", "12.000", {"89.0000", "499.0000", "0.1500", "2.1300", "4.0000", ""}),
      rec("Buğday Kepeği", "4.500", {"89.0000", "173.0000", "0.4200", "1.6000", "1.3000", ""}),
  };
}

// Writes the fixture as "MATKUMAD.DBF" into `dir`; false on failure.
inline bool writeReference(const QString &dir, const QList<DbfRecord> &records = referenceRecords())
{
  return DbfTable::writeTable(QDir(dir).filePath(QStringLiteral("MATKUMAD.DBF")), referenceFields(), records);
}

} // namespace vz::test
