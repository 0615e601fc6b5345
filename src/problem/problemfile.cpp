#include "problemfile.h"

#include "filehelpers.h"
#include "numbertext.h"
#include "platform/cp1254.h"
#include "platform/rtext.h"

#include <QFile>
#include <QFileInfo>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vz {

namespace {

enum Field {
  FYmAdi = 0, FYmFiat, FYmSabit, FYmAltLim, FYmUstLim, FYmManMik,
  FBmAdi, FBmBirim, FBmSabit, FBmAltLim, FBmUstLim,
  FBmAdiA, FBmAdiB, FOSabit, FOAltLim, FOUstLim,
  FYmBmat, FieldCount
};

QString tr(const char *utf8)
{
  return QString::fromUtf8(utf8);
}

QString blankCell()
{
  return QString(NumberTextWidth, QLatin1Char(' '));
}

// The writers walk the live records the way the table's navigation does:
// deleted records are passed over and stay as they are. Fields are named in
// problem-file order and stored where the table holds them.
class Cursor {
public:
  Cursor(DbfTable::Image &image, const QList<int> &at, QString *error) : m_image(image), m_at(at), m_error(error)
  {
    // Where each field of the problem file lies, looked up once, not at
    // each of the two thousand texts a save stores.
    for (int field = 0; field < FieldCount; ++field) {
      const int f = at.at(field);
      const DbfField &def = image.fields.at(f);
      m_slots[field] = {image.offsets.at(f), def.length, def.type == QLatin1Char('C')};
    }
    m_records = image.records.data();
    // Mostly no record is deleted: the live records are then every record,
    // in order, and are listed only otherwise.
    m_count = image.count();
    int n = 0;
    while (n < m_count && !image.deleted(n))
      ++n;
    if (n == m_count)
      return;
    m_listed = true;
    m_live.reserve(m_count + 1);
    for (int i = 0; i < m_count; ++i)
      if (!image.deleted(i))
        m_live.append(i);
  }
  // "go to the first record, or append one to an empty file"
  void start()
  {
    m_pos = 0;
    if (liveCount() == 0)
      appendBlank();
  }
  bool eof() const { return m_pos >= liveCount(); }
  // The first text the table refuses stops every later one.
  void put(int field, QStringView value) { put(recordBytes(), field, value); }
  // The record the cursor stands on, for the puts of one row: where it
  // lies is found once for them all.
  char *recordBytes() const { return m_records + qsizetype(record()) * m_image.recordLength; }
  void put(char *recordAt, int field, QStringView value)
  {
    if (!m_ok)
      return;
    const Slot &def = m_slots[field];
    // A save stores some two thousand names, numbers and blanks: a short
    // text in a character field is stored here, as Image::put() stores it,
    // without a call for each. Anything else, and a text the code page
    // refuses, goes to Image::put(), which also names the refused text.
    // The text goes straight into the record: should the code page refuse
    // it, the save stops and the image is dropped, so what was half stored
    // there is never written. The texts of an opened file fill their fields,
    // which then take no blanks.
    const qsizetype len = std::min<qsizetype>(value.size(), def.length);
    if (def.character && len <= ShortText) {
      char *at = recordAt + def.offset;
#ifdef __SSE2__
      // A name or a number text of plain ASCII: its first eight and its
      // last eight characters, which overlap, narrowed together.
      if (len >= 8 && len <= 16) {
        const QChar *in = value.data();
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + len - 8));
        const __m128i high = _mm_and_si128(_mm_or_si128(head, tail), _mm_set1_epi16(short(0xFF80)));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) == 0xFFFF) {
          const __m128i bytes = _mm_packus_epi16(head, tail);
          _mm_storel_epi64(reinterpret_cast<__m128i *>(at), bytes);
          _mm_storel_epi64(reinterpret_cast<__m128i *>(at + len - 8), _mm_srli_si128(bytes, 8));
          if (len < def.length)
            std::memset(at + len, ' ', size_t(def.length - len));
          return;
        }
      }
#endif
      if (cp1254::encodeInto(value.first(len), at)) {
        if (len < def.length)
          std::memset(at + len, ' ', size_t(def.length - len));
        return;
      }
    }
    m_ok = m_image.put(record(), m_at.at(field), value, m_error);
  }
  // `fields` fields from `first` on as put() of nothing leaves each: blanks
  // of its width. Most records past a short list are blanked so, and where
  // the table holds the fields side by side as character fields, as ours
  // does, that is one run of blanks.
  void blank(int first, int fields)
  {
    if (!m_ok)
      return;
    const int from = m_at.at(first);
    int end = m_image.offsets.at(from);
    for (int f = first; f < first + fields; ++f) {
      const int k = m_at.at(f);
      const DbfField &def = m_image.fields.at(k);
      if (def.type != QLatin1Char('C') || m_image.offsets.at(k) != end) {
        for (int g = first; g < first + fields; ++g)
          put(g, QStringView());
        return;
      }
      end += def.length;
    }
    char *at = m_image.records.data() + qsizetype(record()) * m_image.recordLength;
    std::memset(at + m_image.offsets.at(from), ' ', size_t(end - m_image.offsets.at(from)));
  }
  // Where `length` bytes of code page 1254 go into the field, the rest of
  // it blanked already: for a writer that encodes straight into the record.
  // Null where the field takes no such bytes (then put() the text), and
  // after a refused text. What is written there and then not kept is put()
  // over whole.
  char *room(int field, qsizetype length)
  {
    const int f = m_at.at(field);
    const DbfField &def = m_image.fields.at(f);
    if (!m_ok || def.type != QLatin1Char('C') || def.length < length)
      return nullptr;
    char *at = m_image.records.data() + qsizetype(record()) * m_image.recordLength + m_image.offsets.at(f);
    std::memset(at + length, ' ', size_t(def.length - length));
    return at;
  }
  void skip() { ++m_pos; }
  void appendBlank()
  {
    m_image.appendBlank();
    m_records = m_image.records.data();
    if (m_listed)
      m_live.append(m_image.count() - 1);
    else
      ++m_count;
  }
  bool ok() const { return m_ok; }

private:
  static constexpr qsizetype ShortText = 32;
  struct Slot {
    int offset;
    int length;
    bool character;
  };

  DbfTable::Image &m_image;
  const QList<int> &m_at;
  QString *m_error;
  int record() const { return m_listed ? m_live.at(m_pos) : m_pos; }  // where the cursor stands
  qsizetype liveCount() const { return m_listed ? m_live.size() : m_count; }

  Slot m_slots[FieldCount];
  char *m_records;  // the image's, again after each record added
  QList<int> m_live;  // the live records, when some record is deleted
  bool m_listed = false;
  int m_count = 0;  // of the records, when none is deleted
  int m_pos = 0;
  bool m_ok = true;
};

// `rowCount` rows of `fieldCount` fields from `firstField` on; `cell(i, f)`
// gives field f of row i.
template <typename Cell>
bool writeList(DbfTable::Image &image, const QList<int> &at, QString *error, qsizetype rowCount, int firstField,
               int fieldCount, const Cell &cell)
{
  Cursor c(image, at, error);
  c.start();
  for (qsizetype i = 0; i < rowCount; ++i) {
    char *const record = c.recordBytes();
    for (int f = 0; f < fieldCount; ++f)
      c.put(record, firstField + f, cell(i, f));
    c.skip();
    if (c.eof() && i < rowCount - 1)
      c.appendBlank();
  }
  while (!c.eof()) {
    c.blank(firstField, fieldCount);
    c.skip();
  }
  return c.ok();
}

bool writeList(DbfTable::Image &image, const QList<int> &at, QString *error, const QList<QStringList> &rows,
               int firstField, int fieldCount)
{
  return writeList(image, at, error, rows.size(), firstField, fieldCount, [&rows](qsizetype i, int f) {
    const QStringList &row = rows.at(i);
    return f < row.size() ? QStringView(row.at(f)) : QStringView();
  });
}

// Where the table holds each field of the problem file, by name; false and
// `error` when one is missing.
bool fieldMap(const QList<DbfField> &fields, QList<int> *at, QString *error)
{
  static const QList<DbfField> wanted = ProblemFile::problemFields();
  at->clear();
  at->reserve(wanted.size());
  for (const DbfField &f : wanted) {
    // A file of ours holds each field where the list has it, spelt as it is:
    // looked at there first, every field by every name only otherwise.
    const int k = int(at->size());
    if (k < fields.size() && fields.at(k).name == f.name) {
      at->append(k);
      continue;
    }
    int i = 0;
    while (i < fields.size() && fields.at(i).name.compare(f.name, Qt::CaseInsensitive) != 0)
      ++i;
    if (i == fields.size()) {
      if (error)
        *error = QString::fromUtf8("%1 alanı dosyada yok.").arg(f.name);
      return false;
    }
    at->append(i);
  }
  return true;
}

// Every byte a blank: the first one, and each the same as the one before
// (one library compare, not a loop by the byte, over a matrix field). A
// name or a number, 8 to 16 bytes, is two words that overlap, without a call:
// an opened file asks it of most of its fields.
bool isBlank(QByteArrayView bytes)
{
  const qsizetype n = bytes.size();
  if (n >= 8 && n <= 16) {
    constexpr std::uint64_t blanks = 0x2020202020202020u;
    std::uint64_t head, tail;
    std::memcpy(&head, bytes.data(), sizeof head);
    std::memcpy(&tail, bytes.data() + n - 8, sizeof tail);
    return head == blanks && tail == blanks;
  }
  return n == 0 || (bytes.front() == ' ' && std::memcmp(bytes.data(), bytes.data() + 1, size_t(n - 1)) == 0);
}

bool sameBytes(QByteArrayView a, QByteArrayView b)
{
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), size_t(a.size())) == 0;
}

// Whether one part holds the same in two images of a problem file: its
// fields in every live record, in order, up to the last record with
// something in them; a record that one image lacks counts as blank. That is
// what another session's save of the part changes. Compared where the bytes
// lie, a large problem's matrix in a few microseconds.
bool samePart(const DbfTable::Image &a, const QList<int> &atA, const DbfTable::Image &b, const QList<int> &atB,
              ProblemFile::Part part)
{
  static constexpr int first[] = {FYmAdi, FYmManMik, FBmAdi, FBmAdiA, FYmBmat};
  static constexpr int count[] = {YmColumns, 1, BmColumns, BmoColumns, 1};
  const int from = first[int(part)];
  const int to = from + count[int(part)];
  auto nextLive = [](const DbfTable::Image &image, int n) {
    while (n < image.count() && image.deleted(n))
      ++n;
    return n;
  };
  for (int i = nextLive(a, 0), j = nextLive(b, 0);; i = nextLive(a, i + 1), j = nextLive(b, j + 1)) {
    const bool inA = i < a.count();
    const bool inB = j < b.count();
    if (!inA && !inB)
      return true;
    for (int f = from; f < to; ++f) {
      if (inA && inB ? !sameBytes(a.field(i, atA.at(f)), b.field(j, atB.at(f)))
                     : !isBlank(inA ? a.field(i, atA.at(f)) : b.field(j, atB.at(f))))
        return false;
    }
  }
}

// Whether two images of a problem file hold the same bytes where they hold
// the same fields: then every part is the same in both, whatever
// samePart() would find field by field. The usual save finds the file as
// this session read it, and one compare of the whole records costs far less
// than one per field.
bool sameImage(const DbfTable::Image &a, const QList<int> &atA, const DbfTable::Image &b, const QList<int> &atB)
{
  if (a.recordLength != b.recordLength || a.offsets != b.offsets || atA != atB || a.fields.size() != b.fields.size())
    return false;
  for (qsizetype f = 0; f < a.fields.size(); ++f)
    if (a.fields.at(f).length != b.fields.at(f).length)
      return false;
  return a.records == b.records;
}

// As QStringView::trimmed(): an opened file trims every name and unit, each
// a few letters and many blanks, which are passed four at a time here.
QStringView trimmedText(QStringView text)
{
  constexpr std::uint64_t fourBlanks = 0x0020002000200020u;
  const char16_t *begin = text.utf16(), *end = begin + text.size();
  std::uint64_t four;
  while (end - begin >= 4 && (std::memcpy(&four, end - 4, sizeof four), four == fourBlanks))
    end -= 4;
  while (end > begin && QChar::isSpace(end[-1]))
    --end;
  while (end - begin >= 4 && (std::memcpy(&four, begin, sizeof four), four == fourBlanks))
    begin += 4;
  while (begin < end && QChar::isSpace(*begin))
    ++begin;
  return QStringView(begin, end);
}

using Commas = QVarLengthArray<qsizetype, 1024>;

// Where each "," of a stored matrix row lies, appended to `out`. Written
// through a pointer into room for one at every byte, which is cut back
// after: an append that checks for room at every "," cost more than the
// search.
void commasOf(QByteArrayView text, Commas &out)
{
  const char *begin = text.data();
  const qsizetype size = text.size();
  const qsizetype from = out.size();
  // Grown by halves again, not to each row's need: a large matrix would be
  // copied over at every row.
  if (out.capacity() < from + size)
    out.reserve(std::max(from + size, out.capacity() + out.capacity() / 2));
  out.resize(from + size);
  qsizetype *put = out.data() + from;
  qsizetype i = 0;
#ifdef __SSE2__
  // Sixteen bytes tested at once; each "," is a bit of the mask.
  const __m128i comma = _mm_set1_epi8(',');
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(begin + i));
    for (unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, comma))); mask != 0; mask &= mask - 1)
      *put++ = i + std::countr_zero(mask);
  }
#endif
  for (; i < size; ++i)
    if (begin[i] == ',')
      *put++ = i;
  out.resize(put - out.data());
}

// Which parts the raised flags name, in the order of ProblemFile::Part.
std::array<bool, ProblemFile::PartCount> partsOf(const ChangedFlags &flags)
{
  return {flags.feedNames, flags.feedAmounts, flags.nutrientNames, flags.ratios, flags.matrix || flags.params};
}

// A "," would split an entry in two on reload.
QString entry(const QString &text)
{
  return QString(text).replace(QLatin1Char(','), QLatin1Char(';'));
}

QString parameterRow(const RationProblem &p)
{
  const QStringList params = p.params.value_or(RationProblem::defaultParams());
  QString row;
  for (int i = 0; i < ParCount; ++i)
    row += entry(params.value(i)) + QLatin1Char(',');
  for (const QString &line : p.animalDescription)
    row += entry(line) + QLatin1Char(',');
  return row;
}

// Into `text`, which keeps its room from row to row; each cell is copied
// where it goes, not appended.
void matrixRowText(const QStringList &row, int cells, QString &text)
{
  static constexpr char16_t blank[] = u"           ";
  static_assert(std::size(blank) - 1 == NumberTextWidth);
  qsizetype length = cells;  // the ","s
  for (int j = 0; j < cells; ++j)
    length += j < row.size() ? row.at(j).size() : NumberTextWidth;
  text.resize(length);
  char16_t *out = reinterpret_cast<char16_t *>(text.data());
  for (int j = 0; j < cells; ++j) {
    const QStringView cell = j < row.size() ? QStringView(row.at(j)) : QStringView(blank, NumberTextWidth);
    // Number text has its one width: a copy of fixed length is two moves.
    if (cell.size() == NumberTextWidth)
      std::memcpy(out, cell.utf16(), sizeof(blank) - sizeof(char16_t));
    else
      std::copy(cell.utf16(), cell.utf16() + cell.size(), out);
    out += cell.size();
    *out++ = u',';
  }
}

// A row as the file gave it and no edit has touched since: its cells lie one
// after another in the one block they were read into (cp1254::TextBlock), 11
// characters each and the end mark where the "," was. Such a row goes into
// code page 1254 as one run, each end mark then made a "," again, instead of
// cell by cell. False, nothing to be trusted at `out`, for any other row.
bool encodeReadRow(const QStringList &row, int cells, char *out)
{
  static_assert(ProblemFile::MatrixCellWidth == NumberTextWidth + 1);
  if (cells == 0 || row.size() < cells)
    return false;
  const QString *cell = row.constData();
  const QArrayData *block = cell[0].data_ptr().d;
  const char16_t *first = cell[0].data_ptr().ptr;
  // One allocation holds every cell, so what lies between them is its too.
  if (!block)
    return false;
  for (int j = 0; j < cells; ++j) {
    const QString::DataPointer &held = cell[j].data_ptr();
    if (held.d != block || held.size != NumberTextWidth
        || held.ptr != first + qsizetype(j) * ProblemFile::MatrixCellWidth)
      return false;
  }
  const qsizetype length = qsizetype(cells) * ProblemFile::MatrixCellWidth - 1;
  qsizetype done = 0;
#ifdef __SSE2__
  // Four cells (48 characters) at a time while they are plain ASCII, the
  // "," put in by the fixed places they take in those 48 bytes, not one by
  // one after.
  const unsigned char *const places = cp1254::TextBlock::CommaPlaces;
  static_assert(cp1254::TextBlock::CellWidth == ProblemFile::MatrixCellWidth);
  const __m128i high = _mm_set1_epi16(short(0xFF80));
  const __m128i comma = _mm_set1_epi8(',');
  for (; done + 48 <= length; done += 48) {
    const __m128i *in = reinterpret_cast<const __m128i *>(first + done);
    __m128i chars[6];
    for (int k = 0; k < 6; ++k)
      chars[k] = _mm_loadu_si128(in + k);
    const __m128i any = _mm_or_si128(_mm_or_si128(_mm_or_si128(chars[0], chars[1]), _mm_or_si128(chars[2], chars[3])),
                                     _mm_or_si128(chars[4], chars[5]));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(any, high), _mm_setzero_si128())) != 0xFFFF)
      break;
    for (int k = 0; k < 3; ++k) {
      const __m128i place = _mm_load_si128(reinterpret_cast<const __m128i *>(places) + k);
      const __m128i bytes = _mm_packus_epi16(chars[2 * k], chars[2 * k + 1]);
      _mm_storeu_si128(reinterpret_cast<__m128i *>(out + done) + k,
                       _mm_or_si128(_mm_andnot_si128(place, bytes), _mm_and_si128(place, comma)));
    }
  }
#endif
  if (!cp1254::encodeInto(QStringView(first + done, length - done), out + done))
    return false;
  for (qsizetype at = done + NumberTextWidth; at <= length; at += ProblemFile::MatrixCellWidth)
    out[at] = ',';
  return true;
}

// A matrix row of number text, as matrixRowText() gives it, straight into
// code page 1254 at `out` (room for `cells` cells of MatrixCellWidth): no
// text of the row is made. Plain ASCII goes as two runs of eight characters
// that overlap. False for a cell of another width or a character without a
// code; the row is then stored the long way, which names that character.
bool encodeNumberRow(const QStringList &row, int cells, char *out)
{
  static_assert(NumberTextWidth == 11 && ProblemFile::MatrixCellWidth == NumberTextWidth + 1);
  for (int j = 0; j < cells; ++j, out += ProblemFile::MatrixCellWidth) {
    out[NumberTextWidth] = ',';
    if (j >= row.size()) {
      std::memset(out, ' ', NumberTextWidth);
      continue;
    }
    const QString &cell = row.at(j);
    if (cell.size() != NumberTextWidth)
      return false;
#ifdef __SSE2__
    const QChar *in = cell.constData();
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 3));
    const __m128i high = _mm_and_si128(_mm_or_si128(head, tail), _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) == 0xFFFF) {
      const __m128i bytes = _mm_packus_epi16(head, tail);
      _mm_storel_epi64(reinterpret_cast<__m128i *>(out), bytes);
      _mm_storel_epi64(reinterpret_cast<__m128i *>(out + 3), _mm_srli_si128(bytes, 8));
      continue;
    }
#endif
    if (!cp1254::encodeInto(cell, out))
      return false;
  }
  return true;
}

} // namespace

QList<DbfField> ProblemFile::problemFields()
{
  auto c = [](const char *name, int width) { return DbfField{QString::fromLatin1(name), QLatin1Char('C'), width, 0}; };
  return {c("YMADI", 15),  c("YMFIAT", 11),   c("YMSABIT", 11),  c("YMALTLIM", 11), c("YMUSTLIM", 11),
          c("YMMANMIK", 11), c("BMADI", 15),  c("BMBIRIM", 11),  c("BMSABIT", 11),  c("BMALTLIM", 11),
          c("BMUSTLIM", 11), c("BMADIA", 15), c("BMADIB", 15),   c("OSABIT", 11),   c("OALTLIM", 11),
          c("OUSTLIM", 11),  c("YMBMAT", MatrixFieldWidth)};
}

QList<DbfField> ProblemFile::olderLayoutFields()
{
  QList<DbfField> f = problemFields();
  f.removeAt(FYmManMik);
  return f;
}

ProblemFile::ProblemFile() = default;

ProblemFile::~ProblemFile() = default;

bool ProblemFile::createNew(const QString &path, QString *error)
{
  return DbfTable::create(path, problemFields(), error);
}

bool ProblemFile::open(const QString &path)
{
  close();
  m_error.clear();
  if (!m_table.open(path, DbfTable::OpenMode::Shared)) {
    m_error = m_table.errorString();
    return false;
  }
  // Reading by position below relies on every field being where we expect it;
  // a table from elsewhere may order them differently, so check by name.
  static const QList<DbfField> want = problemFields();
  const QList<DbfField> &have = m_table.fields();
  for (int i = 0; i < want.size(); ++i) {
    // A file of ours holds each field where the list has it, spelt as it is.
    const int at = i < have.size() && have.at(i).name == want.at(i).name ? i : m_table.fieldIndex(want.at(i).name);
    if (at < 0 || have.at(at).type != QLatin1Char('C')) {
      m_error = tr("%1 bir Vesk_Zyr 2.0 problem dosyası değil: \"%2\" alanı yok.")
                    .arg(QFileInfo(path).fileName(), want.at(i).name);
      m_table.close();
      return false;
    }
  }
  m_path = path;
  return true;
}

void ProblemFile::close()
{
  m_table.close();
  m_hasRead = false;
  std::fill(std::begin(m_read), std::end(m_read), Snapshot());
  m_conflicts.clear();
  m_path.clear();
}

bool ProblemFile::isOpen() const
{
  return m_table.isOpen();
}

QString ProblemFile::path() const
{
  return m_path;
}

QString ProblemFile::errorString() const
{
  return m_error;
}

QString ProblemFile::PROBFILEBASE() const
{
  return isOpen() ? SFILEBASE(m_path) : QString();
}

QString ProblemFile::PROBFILEDIR() const
{
  if (!isOpen())
    return QString();
  const qsizetype sep = m_path.lastIndexOf(QLatin1Char('/'));
  return sep < 0 ? QString() : m_path.left(sep);
}

QString ProblemFile::PROBFILENAME() const
{
  if (!isOpen())
    return QString();
  QString name = QFileInfo(m_path).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

const DbfTable &ProblemFile::table() const
{
  return m_table;
}

void ProblemFile::GET_PARM_ADESC(RationProblem &problem, const QStringList &row)
{
  if (row.size() < ParCount) {
    // A damaged row cannot fill the four parameters; keep what a new problem has.
    problem.params = RationProblem::defaultParams();
    problem.animalDescription.clear();
    return;
  }
  problem.params = row.mid(0, ParCount);
  problem.animalDescription = row.mid(ParCount);
}

void ProblemFile::AKTPRODIZOLUSTUR(RationProblem &problem)
{
  if (!isOpen())
    return;
  problem.reset();
  const DbfTable::Image image = m_table.image();
  QList<int> at;  // our field order -> the table's
  fieldMap(image.fields, &at, nullptr);  // open() made sure of every field
  for (Snapshot &part : m_read)
    part = {image, at};
  m_hasRead = true;

  // A name is blank when every byte is: no other byte decodes to a blank.
  // What each live record holds is found first, so that every text of the
  // file can share one block of memory (cp1254::TextBlock), about twice the
  // file's size, which stays while any of its texts does.
  using cp1254::TextBlock;
  struct Held {
    int record;
    bool feed, nutrient, ratio, matrixRow;
    qsizetype commasFrom, commaCount;  // its matrix row's in `commas`
    qsizetype cells;  // of a matrix row that looks like number text, else -1
  };
  QVarLengthArray<Held, 128> held;
  Commas commas;  // of every matrix row, one row after another
  QVarLengthArray<bool, 128> matrixHeld;  // whether each record holds a matrix text
  {
    // Room for the rows of number text there are, made once: grown row by
    // row, what is found so far would be copied over several times.
    // Each record's is looked at once: a blank matrix text is compared
    // whole.
    matrixHeld.resize(image.count());
    qsizetype rows = 0;
    for (int n = 0; n < image.count(); ++n) {
      matrixHeld[n] = !image.deleted(n) && !isBlank(image.field(n, at.at(FYmBmat)));
      rows += matrixHeld[n];
    }
    commas.reserve(rows * (MaxFeeds + 1) + image.fields.at(at.at(FYmBmat)).length);
  }
  qsizetype chars = 0;
  qsizetype count = 0;
  qsizetype feedRows = 0, nutrientRows = 0, ratioRows = 0, matrixRows = 0;
  for (int n = 0; n < image.count(); ++n) {
    if (image.deleted(n))
      continue;
    auto bytes = [&](int f) { return image.field(n, at.at(f)); };
    auto roomOf = [&](int from, int fields) {
      qsizetype room = 0;
      for (int f = from; f < from + fields; ++f)
        room += TextBlock::room(bytes(f).size());
      return room;
    };
    Held h{n, !isBlank(bytes(FYmAdi)), !isBlank(bytes(FBmAdi)), !isBlank(bytes(FBmAdiA)) && !isBlank(bytes(FBmAdiB)),
           matrixHeld[n], commas.size(), 0, -1};
    if (!h.feed && !h.nutrient && !h.ratio && !h.matrixRow)
      continue;
    // A matrix row's cells are the texts before each ","; every "," gives
    // its place to the end mark of the cell before it. A row whose last ","
    // closes a whole number of cells is mostly number text, and is then cut
    // at fixed places as it is decoded, with no search for its ",": room is
    // kept for a text at every byte, should it prove otherwise.
    qsizetype rowEnd = 0;  // past its last ","
    if (h.matrixRow) {
      const QByteArrayView text = bytes(FYmBmat);
      const void *last = ::memrchr(text.data(), ',', size_t(text.size()));
      rowEnd = last ? static_cast<const char *>(last) - text.data() + 1 : 0;
      if (rowEnd > 0 && rowEnd % TextBlock::CellWidth == 0)
        h.cells = rowEnd / TextBlock::CellWidth;
      else
        commasOf(text, commas);
    }
    h.commaCount = h.cells >= 0 ? rowEnd : commas.size() - h.commasFrom;
    // Trimmed names and units take at most the room of their field.
    chars += (h.feed ? roomOf(FYmAdi, YmColumns + 1) + roomOf(FYmAdi, 1) : 0)
             + (h.nutrient ? roomOf(FBmAdi, BmColumns) + roomOf(FBmAdi, 2) : 0)
             + (h.ratio ? roomOf(FBmAdiA, BmoColumns) : 0) + (h.commaCount > 0 ? rowEnd : 0);
    count += (h.feed ? YmColumns + 2 : 0) + (h.nutrient ? BmColumns + 2 : 0) + (h.ratio ? BmoColumns : 0) + h.commaCount;
    feedRows += h.feed;
    nutrientRows += h.nutrient;
    ratioRows += h.ratio;
    matrixRows += h.matrixRow;
    held.append(h);
  }

  problem.feeds.reserve(feedRows);
  problem.feedNames.reserve(feedRows);
  problem.feedAmounts.reserve(feedRows);
  problem.nutrients.reserve(nutrientRows);
  problem.nutrientNames.reserve(nutrientRows);
  problem.nutrientUnits.reserve(nutrientRows);
  problem.ratios.reserve(ratioRows);
  QList<QStringList> rows;
  rows.reserve(matrixRows);
  TextBlock block(chars, count);
  // Each list's rows are made one after another, not a record's rows of
  // every list in turn: the rows of one kind then lie side by side, are let
  // go of together when the problem goes, and the next problem's rows take
  // that room again as it was, which the allocator finds at once.
  for (int kind = 0; kind < 4; ++kind) {
    for (const Held &h : std::as_const(held)) {
      auto bytes = [&](int f) { return image.field(h.record, at.at(f)); };
      // Lists are made at their size and filled in place, not appended to.
      auto texts = [&](int from, int fields) {
        constexpr int MostFields = 5;
        static_assert(YmColumns <= MostFields && BmColumns <= MostFields && BmoColumns <= MostFields);
        QByteArrayView views[MostFields];
        for (int f = from; f < from + fields; ++f)
          views[f - from] = bytes(f);
        QStringList row(fields);
        block.add(views, fields, row.data());
        return row;
      };
      if (kind == 0 && h.feed) {
        QStringList row = texts(FYmAdi, YmColumns);
        problem.feedNames.append(block.add(trimmedText(row.at(YmName))));
        problem.feeds.append(std::move(row));
        problem.feedAmounts.append(block.add(bytes(FYmManMik)));
      } else if (kind == 1 && h.nutrient) {
        QStringList row = texts(FBmAdi, BmColumns);
        problem.nutrientNames.append(block.add(trimmedText(row.at(BmName))));
        problem.nutrientUnits.append(block.add(trimmedText(row.at(BmUnit))));
        problem.nutrients.append(std::move(row));
      } else if (kind == 2 && h.ratio) {
        problem.ratios.append(texts(FBmAdiA, BmoColumns));
      } else if (kind == 3 && h.matrixRow) {
        QStringList row;
        if (h.cells < 0) {
          row = block.addSplit(bytes(FYmBmat), commas.constData() + h.commasFrom, h.commaCount);
        } else if (!block.addCells(bytes(FYmBmat).first(h.cells * TextBlock::CellWidth), h.cells, &row)) {
          Commas split;
          commasOf(bytes(FYmBmat), split);
          row = block.addSplit(bytes(FYmBmat), split.constData(), split.size());
        }
        rows.append(std::move(row));
      }
    }
  }

  const int feeds = int(problem.feeds.size());
  const int nutrients = int(problem.nutrients.size());
  // The writer stores the parameter row as the last non-empty matrix text.
  // The count rule alone misses it when the rows happen to number the
  // nutrients: with no feedstuffs every matrix row is empty and never read
  // back, and a number-text cell is 11 wide where a parameter code is not.
  bool hasParameterRow = false;
  if (!rows.isEmpty()) {
    if (rows.size() != nutrients || feeds == 0)
      hasParameterRow = true;
    else if (rows.last().value(0).size() != NumberTextWidth)
      hasParameterRow = true;
  }
  if (hasParameterRow)
    GET_PARM_ADESC(problem, rows.takeLast());
  else
    problem.params = RationProblem::defaultParams();

  if (nutrients > 0 && feeds == 0) {
    if (!rows.isEmpty())
      problem.changed.matrix = true;
    problem.matrix = QList<QStringList>(nutrients);
  } else if (nutrients == 0 && feeds > 0) {
    problem.matrix = {QStringList(feeds, rt::PadL(QStringLiteral("1.0000"), NumberTextWidth))};
    problem.nutrients.append({rt::PadR(QStringLiteral("KMT"), 15), rt::PadL(QStringLiteral("Kg/Kg"), NumberTextWidth),
                              blankCell(), blankCell(), blankCell()});
    problem.rebuildNutrientLists();
    problem.changed.matrix = true;
    problem.changed.nutrientNames = true;
  } else if (nutrients == 0) {
    if (!rows.isEmpty())
      problem.changed.matrix = true;
    problem.matrix.clear();
  } else {
    // Rows and cells must match the tables, or the editors and the optimiser
    // would read past them: pad with empty cells, cut the surplus.
    bool mended = rows.size() != nutrients;
    rows.resize(nutrients);
    for (QStringList &row : rows) {
      if (row.size() != feeds) {
        mended = true;
        while (row.size() < feeds)
          row.append(blankCell());
        row = row.mid(0, feeds);
      }
    }
    problem.matrix = std::move(rows);
    if (mended)
      problem.changed.matrix = true;
  }
}

bool ProblemFile::YMKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error)
{
  if (!writeList(image, at, error, problem.feeds, FYmAdi, YmColumns))
    return false;
  problem.changed.feedNames = false;
  return true;
}

bool ProblemFile::YMMIKKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error)
{
  const QStringList &amounts = problem.feedAmounts;
  if (!writeList(image, at, error, amounts.size(), FYmManMik, 1,
                 [&amounts](qsizetype i, int) { return QStringView(amounts.at(i)); }))
    return false;
  problem.changed.feedAmounts = false;
  return true;
}

bool ProblemFile::BMKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error)
{
  if (!writeList(image, at, error, problem.nutrients, FBmAdi, BmColumns))
    return false;
  problem.changed.nutrientNames = false;
  return true;
}

bool ProblemFile::BMOKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error)
{
  if (!writeList(image, at, error, problem.ratios, FBmAdiA, BmoColumns))
    return false;
  problem.changed.ratios = false;
  return true;
}

bool ProblemFile::MATRIXKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error)
{
  Cursor c(image, at, error);
  c.start();
  // The cell count comes from the first row; a problem without rows has none.
  const int cells = problem.matrix.isEmpty() ? 0 : int(problem.matrix.first().size());
  const qsizetype length = qsizetype(cells) * MatrixCellWidth;
  QString text;
  for (const QStringList &row : std::as_const(problem.matrix)) {
    // Number text is encoded where the record holds the row.
    char *out = c.room(FYmBmat, length);
    if (!out || !(encodeReadRow(row, cells, out) || encodeNumberRow(row, cells, out))) {
      matrixRowText(row, cells, text);
      c.put(FYmBmat, text);
    }
    c.skip();
    if (c.eof())
      c.appendBlank();  // always a record ready for the parameter row
  }
  c.put(FYmBmat, parameterRow(problem));
  c.skip();
  while (!c.eof()) {
    c.put(FYmBmat, QStringView());
    c.skip();
  }
  if (!c.ok())
    return false;
  problem.changed.matrix = false;
  problem.changed.params = false;
  return true;
}

bool ProblemFile::PROBDBFUPDATE(RationProblem &problem, ChangedOnDisk onChanged)
{
  return writeProblem(problem, QString(), onChanged);
}

QStringList ProblemFile::changedOnDisk() const
{
  static const char *const names[] = {"yem maddeleri", "yem miktarları", "besin maddeleri", "besin maddesi oranları",
                                      "matris ve problem parametreleri"};
  QStringList out;
  for (const Part part : m_conflicts)
    out.append(tr(names[int(part)]));
  return out;
}

bool ProblemFile::writeProblem(RationProblem &problem, const QString &target, ChangedOnDisk onChanged)
{
  m_error.clear();
  m_conflicts.clear();
  if (!isOpen()) {
    m_error = tr("Açık problem dosyası yok.");
    return false;
  }
  const ChangedFlags flags = problem.changed;
  if (!flags.any() && target.isEmpty())
    return true;

  const bool writesMatrix = flags.matrix || flags.params;
  if (writesMatrix) {
    const qsizetype cells = problem.matrix.isEmpty() ? 0 : problem.matrix.first().size();
    const qsizetype feeds = std::max(qsizetype(problem.feeds.size()), cells);
    if (feeds > MaxFeeds) {
      m_error = tr("Problemde %1 yem maddesi var; bir problem dosyası en çok %2 yem maddesi alabilir. "
                   "Dosyaya hiçbir şey yazılmadı.").arg(feeds).arg(MaxFeeds);
      return false;
    }
    const qsizetype len = parameterRow(problem).size();
    if (len > MatrixFieldWidth) {
      m_error = tr("Problem parametreleri ve hayvan tanımı %1 karakter tutuyor; en çok %2 karakter saklanabilir. "
                   "Dosyaya hiçbir şey yazılmadı.").arg(len).arg(MatrixFieldWidth);
      return false;
    }
  }

  // Work on copies so that a refused or failed write leaves the problem, its
  // flags and the file as they were.
  RationProblem work = problem;
  if (writesMatrix && !work.params)
    work.params = RationProblem::defaultParams();
  // A save into the open file looks for its own parts changed by another
  // session since they were read; a copy elsewhere overwrites nobody's work.
  const ChangedOnDisk policy = target.isEmpty() && m_hasRead ? onChanged : ChangedOnDisk::WriteOver;
  const DbfTable::ImageEdit edit = [&](DbfTable::Image &image, QString *error) {
    return applyFlagged(image, work, flags, policy, error);
  };
  if (!m_table.rewriteImageFromDisk(edit, target)) {
    if (!m_conflicts.isEmpty())
      m_error = tr("%1 dosyasındaki %2 başka bir oturumda değiştirilmiş.").arg(m_path, changedOnDisk().join(tr(", ")));
    else
      m_error = tr("%1 dosyasına kaydedilemedi: %2").arg(target.isEmpty() ? m_path : target, m_table.errorString());
    if (!m_table.isOpen())
      m_path.clear();
    return false;
  }
  if (!target.isEmpty())
    return true;  // the open file keeps its raised flags
  if (policy == ChangedOnDisk::DiscardMine && !m_conflicts.isEmpty()) {
    // The other session's parts replace ours: the problem is read again.
    AKTPRODIZOLUSTUR(problem);
    m_conflicts.clear();
    return true;
  }
  // What this session wrote is what it compares the file with next time;
  // the table holds those bytes now.
  Snapshot now{m_table.image(), {}};
  fieldMap(now.image.fields, &now.at, nullptr);
  const std::array<bool, PartCount> written = partsOf(flags);
  for (int p = 0; p < PartCount; ++p)
    if (written[p])
      m_read[p] = now;
  problem.changed = work.changed;
  if (writesMatrix)
    problem.params = work.params;
  return true;
}

bool ProblemFile::applyFlagged(DbfTable::Image &image, RationProblem &work, const ChangedFlags flags,
                               const ChangedOnDisk policy, QString *error)
{
  // The writers address fields in problem-file order; a table from elsewhere
  // may hold them in another order. Fields the problem file does not know
  // keep what they hold (new records get blanks there).
  QList<int> at;
  if (!fieldMap(image.fields, &at, error))
    return false;
  const std::array<bool, PartCount> part = partsOf(flags);
  // Another session may have saved since we read: the parts whose flag is
  // down are taken from the file as it is now, as in-place writers would.
  // A part we write that it changed is looked at again below.
  bool changedSinceRead[PartCount] = {};
  bool anyChanged = false;
  // The parts' snapshots mostly share one image: it is compared whole once.
  const Snapshot *sameAsFile = nullptr;
  for (int p = 0; p < PartCount; ++p) {
    if (!part[p] || policy == ChangedOnDisk::WriteOver)
      continue;
    const Snapshot &read = m_read[p];
    const bool shared = sameAsFile && sameAsFile->image.records.isSharedWith(read.image.records)
                        && sameAsFile->image.offsets == read.image.offsets && sameAsFile->at == read.at;
    if (shared || sameImage(image, at, read.image, read.at)) {
      sameAsFile = &read;
      continue;
    }
    if (!samePart(image, at, read.image, read.at, Part(p))) {
      changedSinceRead[p] = true;
      anyChanged = true;
    }
  }
  // The file as it is, to compare with what we write and to start again
  // without the parts that keep the other session's change; shared until the
  // first write, so copied only when another session changed a part of ours.
  const DbfTable::Image before = anyChanged ? image : DbfTable::Image();
  auto writeParts = [&](const QList<Part> &skipped) {
    auto wanted = [&](Part p) { return part[int(p)] && !skipped.contains(p); };
    if (wanted(Part::Feeds) && !YMKAYDI(image, at, work, error))
      return false;
    if (wanted(Part::FeedAmounts) && !YMMIKKAYDI(image, at, work, error))
      return false;
    if (wanted(Part::Nutrients) && !BMKAYDI(image, at, work, error))
      return false;
    if (wanted(Part::Matrix) && !MATRIXKAYDI(image, at, work, error))
      return false;
    if (wanted(Part::Ratios) && !BMOKAYDI(image, at, work, error))
      return false;
    return true;
  };
  if (!writeParts({}))
    return false;
  // Changed on disk since we read it, and not to what we write now.
  for (int p = 0; p < PartCount; ++p)
    if (changedSinceRead[p] && !samePart(before, at, image, at, Part(p)))
      m_conflicts.append(Part(p));
  if (m_conflicts.isEmpty())
    return true;
  if (policy == ChangedOnDisk::Ask) {
    *error = tr("Başka bir oturumda değiştirilmiş.");
    return false;
  }
  // DiscardMine: the other session's parts stay as they are on disk.
  image.records = before.records;
  return writeParts(m_conflicts);
}

bool ProblemFile::saveAs(const QString &target, const RationProblem &problem)
{
  RationProblem copy = problem;
  return writeProblem(copy, target);
}

bool ProblemFile::CREATE_VSK_DBFFILE(const QString &target, const RationProblem *problem)
{
  m_error.clear();
  if (!isOpen()) {
    m_error = tr("Açık problem dosyası yok.");
    return false;
  }
  DbfTable::Image image = m_table.image();
  if (problem && problem->changed.any()) {
    // The export shows the problem as it is now, unsaved changes included,
    // without saving them into the open file.
    RationProblem work = *problem;
    if ((work.changed.matrix || work.changed.params) && !work.params)
      work.params = RationProblem::defaultParams();
    QString why;
    if (!applyFlagged(image, work, work.changed, ChangedOnDisk::WriteOver, &why)) {
      m_error = why;
      return false;
    }
  }
  const QList<DbfRecord> records = image.decoded();
  const QList<DbfField> fields = olderLayoutFields();
  QList<int> at;
  for (const DbfField &f : fields)
    at.append(m_table.fieldIndex(f.name));
  QList<DbfRecord> out;
  for (const DbfRecord &r : std::as_const(records)) {
    if (r.deleted)
      continue;
    DbfRecord o;
    for (int i : at)
      o.values.append(r.values.at(i));
    out.append(o);
  }
  QString why;
  if (!DbfTable::writeTable(target, fields, out, &why)) {
    m_error = why;
    return false;
  }
  return true;
}

} // namespace vz
