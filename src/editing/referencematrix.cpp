#include "referencematrix.h"

#include "platform/rtext.h"
#include "problem/interaction.h"

#include <QDir>
#include <QFileInfo>

namespace vz {

QString ReferenceFeed::trimmedName() const
{
  return rt::AllTrim(name);
}

QStringList ReferenceMatrix::fieldNames() const
{
  QStringList out;
  for (const DbfField &f : fields)
    out.append(f.name);
  return out;
}

QStringList ReferenceMatrix::nutrientColumns() const
{
  return fieldNames().mid(2);
}

QStringList ReferenceMatrix::units() const
{
  QStringList out;
  for (int i = 2; i < fields.size(); ++i)
    out.append(i < unitsRecord.size() ? rt::AllTrim(unitsRecord.at(i)) : QString());
  return out;
}

int ReferenceMatrix::nutrientColumn(const QString &name) const
{
  for (int i = 2; i < fields.size(); ++i)
    if (fields.at(i).name == name)
      return i - 2;
  return -1;
}

int ReferenceMatrix::feedIndex(const QString &trimmedName) const
{
  for (int i = 0; i < feeds.size(); ++i)
    if (feeds.at(i).trimmedName() == trimmedName)
      return i;
  return -1;
}

QStringList ReferenceMatrix::trimmedFeedNames() const
{
  QStringList out;
  for (const ReferenceFeed &f : feeds)
    out.append(f.trimmedName());
  return out;
}

namespace refmatrix {

QStringList standardNutrientColumns()
{
  return {QStringLiteral("KMO"),       QStringLiteral("HP"),        QStringLiteral("SHP"),
          QStringLiteral("RUP"),       QStringLiteral("RDP"),       QStringLiteral("HY"),
          QStringLiteral("HS"),        QStringLiteral("ADF"),       QStringLiteral("NDF"),
          QStringLiteral("HK"),        QStringLiteral("TSBM"),      QStringLiteral("SE"),
          QStringLiteral("ME_BB"),     QStringLiteral("NEY"),       QStringLiteral("NEK"),
          QStringLiteral("NEL"),       QStringLiteral("NB"),        QStringLiteral("KALSIYUM"),
          QStringLiteral("FOSFOR"),    QStringLiteral("FFOSFOR"),   QStringLiteral("SODYUM"),
          QStringLiteral("KLOR"),      QStringLiteral("POTASYUM"),  QStringLiteral("MAGNEZYUM"),
          QStringLiteral("SULFUR"),    QStringLiteral("COBALT"),    QStringLiteral("BAKIR"),
          QStringLiteral("DEMIR"),     QStringLiteral("MANGAN"),    QStringLiteral("SELENYUM"),
          QStringLiteral("IYOT"),      QStringLiteral("CINKO"),     QStringLiteral("LIZIN"),
          QStringLiteral("METIONIN"),  QStringLiteral("METSISTIN"), QStringLiteral("TRIPTOFAN"),
          QStringLiteral("TRIONIN"),   QStringLiteral("ARGININ"),   QStringLiteral("LINASIT"),
          QStringLiteral("VITA"),      QStringLiteral("VITD"),      QStringLiteral("VITE")};
}

QStringList standardFieldNames()
{
  return QStringList{QStringLiteral("YM_ADI"), QStringLiteral("FIATI")} + standardNutrientColumns();
}

QString locate(const QString &programDir)
{
  if (programDir.isEmpty())
    return QString();
  const QDir dir(programDir);
  const QString exact = dir.filePath(QLatin1String(FileName));
  if (QFileInfo(exact).isFile())
    return exact;
  // Sorted, so the choice among several spellings does not depend on the disk.
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString &e : entries)
    if (e.compare(QLatin1String(FileName), Qt::CaseInsensitive) == 0)
      return dir.filePath(e);
  return QString();
}

QString defaultPath(const QString &programDir)
{
  return QDir(programDir).filePath(QLatin1String(FileName));
}

QString withReason(const QString &text, const QString &why)
{
  return why.isEmpty() ? text : text + QStringLiteral("\n\n") + why;
}

QString missingText()
{
  return QStringLiteral("MATKUMAD.DBF dosyası yok..!");
}

QString createFailedText()
{
  return QStringLiteral("Referans matris dosyası (MATKUMAD.DBF) oluşturulamadı!");
}

QString narrowColumnText(const QString &field, int width)
{
  return QStringLiteral("Referans matrisin \"%1\" kolonu %2 karakter genişliğinde; değerler için en az %3 "
                        "karakter gerekir. Değerler kesilmesin diye dosya açılmadı.")
      .arg(field)
      .arg(width)
      .arg(CellWidth);
}

bool read(const QString &path, ReferenceMatrix *out, QString *error)
{
  DbfTable table;
  if (!table.open(path, DbfTable::OpenMode::Shared)) {
    if (error)
      *error = table.errorString();
    return false;
  }
  ReferenceMatrix m;
  m.path = path;
  m.fields = table.fields();
  // A price or nutrient cell holds number text of 11 characters: a narrower
  // column of a foreign table would cut every value written into it.
  for (int i = 1; i < m.fields.size(); ++i) {
    if (m.fields.at(i).length < CellWidth) {
      if (error)
        *error = narrowColumnText(m.fields.at(i).name, m.fields.at(i).length);
      return false;
    }
  }
  // One pass over the records as read; deleted ones are hidden. Each
  // record's list is handed on, not copied: a copy counts a reference in
  // the list, which in a matrix of thousands of records is no longer in the
  // cache by then.
  QList<DbfRecord> all = table.allRecords();
  table.close();
  m.records.reserve(all.size());
  m.feeds.reserve(all.size());
  for (int n = 0; n < all.size(); ++n) {
    DbfRecord &r = all[n];
    if (r.deleted)
      continue;
    if (m.records.isEmpty()) {
      m.unitsRecord = r.values;
    } else {
      ReferenceFeed f;
      f.recNo = n + 1;
      f.name = r.values.value(0);
      f.price = r.values.value(1);
      f.record = r.values;
      m.feeds.append(std::move(f));
    }
    m.records.append(std::move(r.values));
  }
  if (out)
    *out = std::move(m);
  return true;
}

} // namespace refmatrix

QList<DbfField> KMM_STRCREATE()
{
  QList<DbfField> fields{{QStringLiteral("YM_ADI"), QLatin1Char('C'), refmatrix::NameWidth, 0},
                         {QStringLiteral("FIATI"), QLatin1Char('C'), refmatrix::CellWidth, 0}};
  for (const QString &name : refmatrix::standardNutrientColumns())
    fields.append({name, QLatin1Char('C'), refmatrix::CellWidth, 0});
  return fields;
}

bool RMAT_CREATE(const QString &programDir, Interaction &ui, QString *createdPath)
{
  const QString existing = refmatrix::locate(programDir);
  if (!existing.isEmpty()) {
    if (createdPath)
      *createdPath = existing;
    return true;
  }
  const QList<DbfField> fields = KMM_STRCREATE();
  DbfRecord units;
  units.values.append(QLatin1String(refmatrix::UnitsName));
  for (int i = 1; i < fields.size(); ++i)
    units.values.append(QString());
  const QString path = refmatrix::defaultPath(programDir);
  if (programDir.isEmpty() || !DbfTable::writeTable(path, fields, {units})) {
    ui.errorMessage(refmatrix::createFailedText());
    return false;
  }
  if (createdPath)
    *createdPath = path;
  return true;
}

} // namespace vz
