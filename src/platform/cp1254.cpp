#include "cp1254.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vz::cp1254 {

namespace {

// 0x80-0x9F differ from Latin-1; so do the six Turkish letters. An undefined
// byte keeps the C1 control of its own value, so it survives a round trip.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

constexpr std::array<char16_t, 256> makeTable()
{
  std::array<char16_t, 256> t{};
  for (int i = 0; i < 256; ++i)
    t[i] = char16_t(i);
  for (int i = 0; i < 32; ++i)
    t[0x80 + i] = High[i];
  t[0xD0] = 0x011E;  // Ğ
  t[0xDD] = 0x0130;  // İ
  t[0xDE] = 0x015E;  // Ş
  t[0xF0] = 0x011F;  // ğ
  t[0xFD] = 0x0131;  // ı
  t[0xFE] = 0x015F;  // ş
  return t;
}

constexpr std::array<char16_t, 256> Table = makeTable();

int byteFor(char16_t c)
{
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF && Table[c] == c))
    return c;
  for (int i = 0x80; i < 256; ++i)
    if (Table[i] == c)
      return i;
  return -1;
}

// Most stored text is plain ASCII, which widens and narrows unchanged, many
// characters at a time as one vector: sixteen where the machine has SSE2
// (every x86-64 does), else eight. Fields are short (a number text is 11
// bytes), too short for the compiler's own loop vectors, so the last part
// of a text of eight or more goes as one more vector that overlaps the one
// before; what follows the first character outside ASCII goes one by one.
using Bytes8 = unsigned char __attribute__((vector_size(8)));
using Chars8 = unsigned short __attribute__((vector_size(16)));
static_assert(sizeof(Chars8) == 8 * sizeof(char16_t));
constexpr std::uint64_t HighBytes = 0x8080808080808080ULL;
constexpr std::uint64_t HighChars = 0xFF80FF80FF80FF80ULL;

// Eight bytes at `in` widened to `out`; false, nothing written, when one is
// outside ASCII.
inline bool widen8(const unsigned char *in, char16_t *out)
{
  std::uint64_t word;
  std::memcpy(&word, in, sizeof word);
  if (word & HighBytes)
    return false;
  Bytes8 narrow;
  std::memcpy(&narrow, &word, sizeof narrow);
  const Chars8 wide = __builtin_convertvector(narrow, Chars8);
  std::memcpy(out, &wide, sizeof wide);
  return true;
}

inline bool narrow8(const char16_t *in, char *out)
{
  std::uint64_t words[2];
  std::memcpy(words, in, sizeof words);
  if ((words[0] | words[1]) & HighChars)
    return false;
  Chars8 wide;
  std::memcpy(&wide, words, sizeof wide);
  const Bytes8 narrow = __builtin_convertvector(wide, Bytes8);
  std::memcpy(out, &narrow, sizeof narrow);
  return true;
}

#ifdef __SSE2__
inline bool widen16(const unsigned char *in, char16_t *out)
{
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
  if (_mm_movemask_epi8(bytes) != 0)
    return false;
  const __m128i zero = _mm_setzero_si128();
  _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(bytes, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(bytes, zero));
  return true;
}

inline bool narrow16(const char16_t *in, char *out)
{
  const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
  const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
  const __m128i high = _mm_and_si128(_mm_or_si128(lo, hi), _mm_set1_epi16(short(0xFF80)));
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) != 0xFFFF)
    return false;
  _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(lo, hi));
  return true;
}

// A text of eight to sixteen (a name, a number text): its first eight and
// its last eight, which overlap, tested together and moved together.
inline bool widenShort(const unsigned char *in, char16_t *out, qsizetype n)
{
  const __m128i head = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(in));
  const __m128i tail = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(in + n - 8));
  if (_mm_movemask_epi8(_mm_unpacklo_epi64(head, tail)) != 0)
    return false;
  const __m128i zero = _mm_setzero_si128();
  _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(head, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i *>(out + n - 8), _mm_unpacklo_epi8(tail, zero));
  return true;
}

inline bool narrowShort(const char16_t *in, char *out, qsizetype n)
{
  const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
  const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + n - 8));
  const __m128i high = _mm_and_si128(_mm_or_si128(head, tail), _mm_set1_epi16(short(0xFF80)));
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) != 0xFFFF)
    return false;
  const __m128i bytes = _mm_packus_epi16(head, tail);
  _mm_storel_epi64(reinterpret_cast<__m128i *>(out), bytes);
  _mm_storel_epi64(reinterpret_cast<__m128i *>(out + n - 8), _mm_srli_si128(bytes, 8));
  return true;
}
#endif

// The ASCII run at the start of `n` characters, moved by `wide` (sixteen)
// and `eight`; returns how many were moved: all `n`, or fewer when one
// outside ASCII stopped it (the rest is then the caller's, from there).
template <typename In, typename Out, typename Wide, typename Eight>
qsizetype moveAscii(const In *in, Out *out, qsizetype n, const Wide &wide, const Eight &eight)
{
  qsizetype i = 0;
#ifdef __SSE2__
  for (; i + 16 <= n; i += 16)
    if (!wide(in + i, out + i))
      return i;
  if (i == n)
    return n;
  // The rest inside the last sixteen, which the ones before were.
  if (n >= 16)
    return wide(in + n - 16, out + n - 16) ? n : i;
#else
  (void)wide;
#endif
  for (; i + 8 <= n; i += 8)
    if (!eight(in + i, out + i))
      return i;
  if (i < n && n >= 8 && eight(in + n - 8, out + n - 8))
    return n;
  return i;
}

} // namespace

void decodeInto(QByteArrayView bytes, char16_t *out)
{
  const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
  const qsizetype n = bytes.size();
#ifdef __SSE2__
  qsizetype i = n >= 8 && n < 16 ? (widenShort(in, out, n) ? n : 0) : moveAscii(in, out, n, widen16, widen8);
#else
  qsizetype i = moveAscii(in, out, n, widen8, widen8);
#endif
  for (; i < n; ++i)
    out[i] = Table[in[i]];
}

QString decode(QByteArrayView bytes)
{
  QString out(bytes.size(), Qt::Uninitialized);
  decodeInto(bytes, reinterpret_cast<char16_t *>(out.data()));
  return out;
}

QString sharedPart(const QString &block, qsizetype from, qsizetype length)
{
  Q_ASSERT(block.data_ptr().isMutable() && from >= 0 && from + length < block.size()
           && block.at(from + length) == QChar(u'\0'));
  // A copy of the block's pointer holds one more reference to it.
  QString::DataPointer part = block.data_ptr();
  part.ptr += from;
  part.size = length;
  return QString(std::move(part));
}

TextBlock::TextBlock(qsizetype chars, qsizetype texts) : m_block(chars, Qt::Uninitialized), m_left(chars), m_texts(texts)
{
  // Taken before any text shares the block: data() would copy it after.
  m_free = reinterpret_cast<char16_t *>(m_block.data());
  // The texts' references, counted in at once rather than one at a time:
  // each is a locked instruction, and a table has thousands of texts.
  if (texts > 0)
    m_block.data_ptr().d_ptr()->ref_.fetchAndAddRelaxed(int(texts));
}

TextBlock::~TextBlock()
{
  // The block's own reference stays until m_block goes, so this never frees.
  if (m_texts > 0)
    m_block.data_ptr().d_ptr()->ref_.fetchAndSubRelaxed(int(m_texts));
}

inline QString TextBlock::take(qsizetype length)
{
  Q_ASSERT(room(length) <= m_left && m_texts > 0);
  // Holds one of the references counted in by the constructor.
  QString::DataPointer text(m_block.data_ptr().d_ptr(), m_free, length);
  m_free[length] = u'\0';  // as every QString ends
  m_free += room(length);
  m_left -= room(length);
  --m_texts;
  return QString(std::move(text));
}

QString TextBlock::add(QByteArrayView bytes)
{
  Q_ASSERT(room(bytes.size()) <= m_left && m_texts > 0);
  // Most fields are a name or a number text of plain ASCII: taken here,
  // without the call.
  const qsizetype n = bytes.size();
#ifdef __SSE2__
  if (!(n >= 8 && n < 16 && widenShort(reinterpret_cast<const unsigned char *>(bytes.data()), m_free, n)))
#endif
    decodeInto(bytes, m_free);
  return take(n);
}

void TextBlock::add(const QByteArrayView *fields, qsizetype count, QString *out)
{
  Q_ASSERT(count <= m_texts);
  auto *const header = m_block.data_ptr().d_ptr();
  for (qsizetype k = 0; k < count; ++k) {
    const QByteArrayView bytes = fields[k];
    const qsizetype n = bytes.size();
    Q_ASSERT(room(n) <= m_left && out[k].isNull());
#ifdef __SSE2__
    if (!(n >= 8 && n < 16 && widenShort(reinterpret_cast<const unsigned char *>(bytes.data()), m_free, n)))
#endif
      decodeInto(bytes, m_free);
    m_free[n] = u'\0';
    // Holds one of the references counted in by the constructor.
    out[k].data_ptr() = QString::DataPointer(header, m_free, n);
    m_free += room(n);
    m_left -= room(n);
  }
  m_texts -= count;
}

QStringList TextBlock::addSplit(QByteArrayView bytes, const qsizetype *ends, qsizetype count)
{
  if (count == 0)
    return QStringList();
  const qsizetype length = ends[count - 1] + 1;
  Q_ASSERT(length <= bytes.size() && length <= m_left && count <= m_texts);
  decodeInto(bytes.first(length), m_free);
  QArrayDataPointer<QString> list(QTypedArrayData<QString>::allocate(count));
  QString *const out = list.data();
  auto *const header = m_block.data_ptr().d_ptr();
  qsizetype from = 0;
  for (qsizetype i = 0; i < count; ++i) {
    m_free[ends[i]] = u'\0';
    // Each holds one of the references counted in by the constructor.
    new (out + i) QString(QString::DataPointer(header, m_free + from, ends[i] - from));
    from = ends[i] + 1;
  }
  list.size = count;
  m_free += length;
  m_left -= length;
  m_texts -= count;
  return QStringList(std::move(list));
}

bool TextBlock::addCells(QByteArrayView bytes, qsizetype count, QStringList *out)
{
  const qsizetype length = count * CellWidth;
  Q_ASSERT(bytes.size() == length && length <= m_left && count <= m_texts);
  const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
  char16_t *const to = m_free;
  qsizetype i = 0;
#ifdef __SSE2__
  // Four cells (48 bytes) at a time: each "," must stand at its fixed place
  // and nowhere else, where it becomes the end mark of its cell.
  const unsigned char *const places = CommaPlaces;
  static_assert(CellWidth == 12);
  const __m128i comma = _mm_set1_epi8(',');
  const __m128i zero = _mm_setzero_si128();
  for (; i + 48 <= length; i += 48) {
    __m128i chunk[3], place[3];
    int wrong = 0;
    for (int k = 0; k < 3; ++k) {
      chunk[k] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i) + k);
      place[k] = _mm_load_si128(reinterpret_cast<const __m128i *>(places) + k);
      wrong |= _mm_movemask_epi8(chunk[k])
               | (_mm_movemask_epi8(_mm_cmpeq_epi8(chunk[k], comma)) ^ _mm_movemask_epi8(place[k]));
    }
    if (wrong != 0)
      return false;
    for (int k = 0; k < 3; ++k) {
      const __m128i text = _mm_andnot_si128(place[k], chunk[k]);
      _mm_storeu_si128(reinterpret_cast<__m128i *>(to + i + 16 * k), _mm_unpacklo_epi8(text, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i *>(to + i + 16 * k + 8), _mm_unpackhi_epi8(text, zero));
    }
  }
#endif
  for (; i < length; ++i) {
    const bool place = i % CellWidth == CellWidth - 1;
    if ((in[i] == ',') != place)
      return false;
    to[i] = place ? u'\0' : Table[in[i]];
  }
  QArrayDataPointer<QString> list(QTypedArrayData<QString>::allocate(count));
  QString *const text = list.data();
  auto *const header = m_block.data_ptr().d_ptr();
  for (qsizetype j = 0; j < count; ++j) {
    // Each holds one of the references counted in by the constructor.
    new (text + j) QString(QString::DataPointer(header, to + j * CellWidth, CellWidth - 1));
  }
  list.size = count;
  m_free += length;
  m_left -= length;
  m_texts -= count;
  *out = QStringList(std::move(list));
  return true;
}

QString TextBlock::add(QStringView text)
{
  Q_ASSERT(room(text.size()) <= m_left && m_texts > 0);
  std::copy(text.utf16(), text.utf16() + text.size(), m_free);
  return take(text.size());
}

TextRelease::~TextRelease()
{
  // A release, as every letting go of a reference is: whoever lets go of
  // the block last sees what was written to it.
  if (m_count > 0)
    m_block->ref_.fetchAndSubRelease(m_count);
}

void TextRelease::add(QStringList &texts)
{
  // Only a list no other shares: its texts are nobody else's to look at
  // (and going through them then copies nothing).
  if (!texts.isDetached())
    return;
  // Once the block is known, a list of its texts alone (as most are) is
  // counted and then emptied where it stands: its going frees its memory and
  // passes no text again. A list is its one array of texts, so the array's
  // count is reached through the list itself.
  if (m_block) {
    static_assert(std::is_standard_layout_v<QStringList> && sizeof(QStringList) == sizeof(QArrayDataPointer<QString>));
    auto &array = *reinterpret_cast<QArrayDataPointer<QString> *>(&texts);
    const QString *const text = array.data();
    qsizetype ofBlock = 0, i = 0;
    // Four at a time: a matrix row holds some eighty.
    for (; i + 4 <= array.size; i += 4)
      ofBlock += qsizetype(text[i].data_ptr().d == m_block) + qsizetype(text[i + 1].data_ptr().d == m_block)
                 + qsizetype(text[i + 2].data_ptr().d == m_block) + qsizetype(text[i + 3].data_ptr().d == m_block);
    for (; i < array.size; ++i)
      ofBlock += text[i].data_ptr().d == m_block;
    if (ofBlock == array.size) {
      m_count += int(ofBlock);
      array.size = 0;
      return;
    }
  }
  for (QString &text : texts) {
    auto &held = text.data_ptr();
    if (!held.d)
      continue;
    if (held.d == m_block) {
      // Its reference is counted here; the text itself lets go of nothing.
      held.d = nullptr;
      ++m_count;
    } else if (!m_block && held.d->isShared()) {
      m_block = held.d;  // the first text of a shared block keeps its reference
    }
  }
}

void TextRelease::add(QList<QStringList> &lists)
{
  if (!lists.isDetached())
    return;
  for (QStringList &texts : lists)
    add(texts);
}

bool encodeInto(QStringView text, char *out)
{
  const char16_t *in = text.utf16();
  const qsizetype n = text.size();
#ifdef __SSE2__
  qsizetype i = n >= 8 && n < 16 ? (narrowShort(in, out, n) ? n : 0) : moveAscii(in, out, n, narrow16, narrow8);
#else
  qsizetype i = moveAscii(in, out, n, narrow8, narrow8);
#endif
  bool ok = true;
  for (; i < n; ++i) {
    const int b = byteFor(in[i]);
    ok = ok && b >= 0;
    out[i] = b < 0 ? '?' : static_cast<char>(b);
  }
  return ok;
}

QByteArray encode(QStringView text, bool *lossless)
{
  QByteArray out(text.size(), Qt::Uninitialized);
  const bool ok = encodeInto(text, out.data());
  if (lossless)
    *lossless = ok;
  return out;
}

bool canEncode(QStringView text)
{
  for (QChar c : text)
    if (byteFor(c.unicode()) < 0)
      return false;
  return true;
}

} // namespace vz::cp1254
