#include "referencematrix.h"

#include "platform/cp1254.h"
#include "platform/rtext.h"
#include "problem/interaction.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace vz {

// The records of a matrix as the table stores them.
struct ReferenceRecords {
  DbfTable::Image image;  // every record, deleted ones too, in code page 1254
  QList<int> live;        // the place in `image` of each live record, in record order

  bool has(int row, qsizetype field) const
  {
    return row >= 0 && row < live.size() && field >= 0 && field < image.fields.size();
  }
  QByteArrayView bytes(int row, qsizetype field) const { return image.field(live.at(row), int(field)); }
  QString text(int row, qsizetype field) const { return has(row, field) ? cp1254::decode(bytes(row, field)) : QString(); }
};

namespace {

// `bytes` without the blanks at both ends: the bytes of the trimmed text, as
// every blank is one byte.
QByteArrayView trimmedBytes(QByteArrayView bytes)
{
  qsizetype from = 0, to = bytes.size();
  while (to > from && bytes.at(to - 1) == ' ')
    --to;
  while (from < to && bytes.at(from) == ' ')
    ++from;
  return bytes.sliced(from, to - from);
}

const QList<DbfField> &noFields()
{
  static const QList<DbfField> none;
  return none;
}

// Live record `row` decoded field by field into one text, each field
// followed by the end mark every QString carries, so that each can be
// handed out sharing it (fieldStart()).
QString decodeRecord(const ReferenceRecords &records, int row)
{
  const DbfTable::Image &image = records.image;
  const qsizetype count = image.fields.size();
  QString text(image.recordLength - 1 + count, Qt::Uninitialized);
  char16_t *out = reinterpret_cast<char16_t *>(text.data());
  for (qsizetype f = 0; f < count; ++f) {
    const QByteArrayView bytes = records.bytes(row, f);
    cp1254::decodeInto(bytes, out);
    out += bytes.size();
    *out++ = u'\0';
  }
  return text;
}

// Where field `f` starts in a decodeRecord() text: behind the fields before
// it and their end marks (the fields lie one after another from the delete
// mark on, as a table stores them).
qsizetype fieldStart(const DbfTable::Image &image, qsizetype f)
{
  return image.offsets.at(f) - 1 + f;
}

} // namespace

ReferenceFeed::ReferenceFeed() = default;
ReferenceFeed::~ReferenceFeed() = default;
ReferenceFeed::ReferenceFeed(const ReferenceFeed &) = default;
ReferenceFeed &ReferenceFeed::operator=(const ReferenceFeed &) = default;

ReferenceFeed::ReferenceFeed(std::shared_ptr<const ReferenceRecords> records, int row)
    : m_records(std::move(records)), m_recNo(m_records->live.at(row) + 1), m_text(decodeRecord(*m_records, row))
{
}

QString ReferenceFeed::field(qsizetype f) const
{
  if (!m_records || f < 0 || f >= m_records->image.fields.size())
    return QString();
  const DbfTable::Image &image = m_records->image;
  return cp1254::sharedPart(m_text, fieldStart(image, f), image.fields.at(f).length);
}

QString ReferenceFeed::name() const
{
  return field(0);
}

QString ReferenceFeed::price() const
{
  return field(1);
}

QString ReferenceFeed::trimmedName() const
{
  return rt::AllTrim(field(0));
}

QString ReferenceFeed::cell(qsizetype column) const
{
  return column >= 0 ? field(column + 2) : QString();
}

ReferenceMatrix::ReferenceMatrix() = default;
ReferenceMatrix::~ReferenceMatrix() = default;
ReferenceMatrix::ReferenceMatrix(const ReferenceMatrix &) = default;
ReferenceMatrix &ReferenceMatrix::operator=(const ReferenceMatrix &) = default;
ReferenceMatrix::ReferenceMatrix(ReferenceMatrix &&) noexcept = default;
ReferenceMatrix &ReferenceMatrix::operator=(ReferenceMatrix &&) noexcept = default;

ReferenceMatrix ReferenceMatrix::fromRecords(const QList<DbfField> &fields, const QList<QStringList> &records)
{
  auto stored = std::make_shared<ReferenceRecords>();
  DbfTable::Image &image = stored->image;
  image.fields = fields;
  image.recordLength = 1;
  for (const DbfField &f : fields) {
    image.offsets.append(image.recordLength);
    image.recordLength += f.length;
  }
  for (int n = 0; n < records.size(); ++n) {
    image.appendBlank();
    const QStringList &r = records.at(n);
    for (int f = 0; f < fields.size() && f < r.size(); ++f)
      image.put(n, f, r.at(f), nullptr);  // a text the file cannot hold stays blank
    stored->live.append(n);
  }
  ReferenceMatrix m;
  m.m_records = std::move(stored);
  return m;
}

const QList<DbfField> &ReferenceMatrix::fields() const
{
  return m_records ? m_records->image.fields : noFields();
}

int ReferenceMatrix::recordCount() const
{
  return m_records ? int(m_records->live.size()) : 0;
}

QString ReferenceMatrix::value(int record, int field) const
{
  return m_records ? m_records->text(record, field) : QString();
}

QStringList ReferenceMatrix::record(int record) const
{
  QStringList out;
  if (record < 0 || record >= recordCount())
    return out;
  const DbfTable::Image &image = m_records->image;
  const QString text = decodeRecord(*m_records, record);
  out.reserve(image.fields.size());
  for (qsizetype f = 0; f < image.fields.size(); ++f)
    out.append(cp1254::sharedPart(text, fieldStart(image, f), image.fields.at(f).length));
  return out;
}

QList<QStringList> ReferenceMatrix::records() const
{
  QList<QStringList> out;
  const int count = recordCount();
  if (count == 0)
    return out;
  // One block for every text, as a table's records are read whole: one
  // allocation apiece would cost more than the decoding.
  const QList<DbfField> &fs = fields();
  qsizetype roomPerRecord = 0;
  for (const DbfField &f : fs)
    roomPerRecord += cp1254::TextBlock::room(f.length);
  cp1254::TextBlock block(roomPerRecord * count, fs.size() * count);
  out.reserve(count);
  for (int r = 0; r < count; ++r) {
    QStringList values(fs.size());
    QString *value = values.data();
    for (qsizetype f = 0; f < fs.size(); ++f)
      value[f] = block.add(m_records->bytes(r, f));
    out.append(std::move(values));
  }
  return out;
}

bool ReferenceMatrix::sameRecords(const ReferenceMatrix &other) const
{
  const int count = recordCount();
  if (count != other.recordCount())
    return false;
  if (count == 0)
    return fields().size() == other.fields().size();
  const DbfTable::Image &a = m_records->image;
  const DbfTable::Image &b = other.m_records->image;
  if (a.recordLength != b.recordLength || a.offsets != b.offsets)
    return false;
  // The delete mark of a live record is not compared: it says nothing of
  // the record's text.
  const qsizetype length = a.recordLength - 1;
  for (int r = 0; r < count; ++r) {
    const char *x = a.records.constData() + qsizetype(m_records->live.at(r)) * a.recordLength + 1;
    const char *y = b.records.constData() + qsizetype(other.m_records->live.at(r)) * b.recordLength + 1;
    if (std::memcmp(x, y, size_t(length)) != 0)
      return false;
  }
  return true;
}

int ReferenceMatrix::feedCount() const
{
  return std::max(0, recordCount() - 1);
}

ReferenceFeed ReferenceMatrix::feed(int index) const
{
  return index >= 0 && index < feedCount() ? ReferenceFeed(m_records, index + 1) : ReferenceFeed();
}

QString ReferenceMatrix::feedName(int index) const
{
  return index >= 0 && index < feedCount() ? value(index + 1, 0) : QString();
}

QStringList ReferenceMatrix::fieldNames() const
{
  QStringList out;
  for (const DbfField &f : fields())
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
  for (int i = 2; i < fields().size(); ++i)
    out.append(rt::AllTrim(value(0, i)));
  return out;
}

int ReferenceMatrix::nutrientColumn(const QString &name) const
{
  const QList<DbfField> &fs = fields();
  for (int i = 2; i < fs.size(); ++i)
    if (fs.at(i).name == name)
      return i - 2;
  return -1;
}

int ReferenceMatrix::feedIndex(const QString &trimmedName) const
{
  // Compared as stored: every character of a cell has its one byte in code
  // page 1254, so a name without one is in no cell, and the search decodes
  // nothing.
  bool lossless = true;
  const QByteArray wanted = cp1254::encode(trimmedName, &lossless);
  if (!lossless || fields().isEmpty())
    return -1;
  for (int i = 0; i < feedCount(); ++i)
    if (trimmedBytes(m_records->bytes(i + 1, 0)) == QByteArrayView(wanted))
      return i;
  return -1;
}

QStringList ReferenceMatrix::trimmedFeedNames() const
{
  QStringList out;
  out.reserve(feedCount());
  for (int i = 0; i < feedCount(); ++i)
    out.append(m_records->has(i + 1, 0) ? cp1254::decode(trimmedBytes(m_records->bytes(i + 1, 0))) : QString());
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
  auto stored = std::make_shared<ReferenceRecords>();
  // The records as the file holds them, shared with the table, not copied.
  stored->image = table.image();
  table.close();
  const QList<DbfField> &fields = stored->image.fields;
  // A price or nutrient cell holds number text of 11 characters: a narrower
  // column of a foreign table would cut every value written into it.
  for (int i = 1; i < fields.size(); ++i) {
    if (fields.at(i).length < CellWidth) {
      if (error)
        *error = narrowColumnText(fields.at(i).name, fields.at(i).length);
      return false;
    }
  }
  // Deleted records are hidden.
  const int count = stored->image.count();
  stored->live.reserve(count);
  for (int n = 0; n < count; ++n)
    if (!stored->image.deleted(n))
      stored->live.append(n);
  if (out) {
    out->m_path = path;
    out->m_records = std::move(stored);
  }
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
