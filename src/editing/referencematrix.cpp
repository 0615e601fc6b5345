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

QString missingText()
{
  return QStringLiteral("MATKUMAD.DBF dosyası yok..!");
}

QString createFailedText()
{
  return QStringLiteral("Referans matris dosyası (MATKUMAD.DBF) oluşturulamadı!");
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
  const int n = table.fieldCount();
  table.goTop();
  bool first = true;
  while (!table.eof()) {
    QStringList values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
      values.append(table.fieldGet(i));
    if (first) {
      m.unitsRecord = values;
      first = false;
    } else {
      ReferenceFeed f;
      f.recNo = table.recNo();
      f.name = n > 0 ? values.at(0) : QString();
      f.price = n > 1 ? values.at(1) : QString();
      f.cells = values.mid(2);
      m.feeds.append(f);
    }
    m.records.append(values);
    table.skip(1);
  }
  table.close();
  if (out)
    *out = m;
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
