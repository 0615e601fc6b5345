#pragma once
// Every file the program reads or writes (problem tables, reports, the
// reference matrix) is Windows code page 1254 (Turkish). These conversions use
// our own 256-entry table so that every byte round-trips, whatever codecs the
// Qt build carries.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vz::cp1254 {

// Never fails: every byte has a character (the seven undefined bytes map to
// the C1 control of the same value, so they come back unchanged).
QString decode(QByteArrayView bytes);
// The same into `out`, which takes bytes.size() characters.
void decodeInto(QByteArrayView bytes, char16_t *out);

// A character with no code in 1254 becomes '?'; `lossless` (when given) is set
// to false in that case.
QByteArray encode(QStringView text, bool *lossless = nullptr);
// The same into `out`, which takes text.size() bytes; false when a
// character became '?'.
bool encodeInto(QStringView text, char *out);

// True when every character of `text` has a code in 1254.
bool canEncode(QStringView text);

// The `length` characters of `block` from `from` as a text that shares
// `block`'s memory instead of copying it; the character after them must be
// the end mark ('\0') that every QString carries. For the fields of a record
// decoded together: each taken costs a reference, not an allocation.
QString sharedPart(const QString &block, qsizetype from, qsizetype length);

// Many short texts decoded into one block of memory: a large table holds
// thousands of fields, and one allocation each (and one release each when they
// go) cost more than reading the file. Each text is an ordinary QString that
// shares the block; changing one copies it out first, and the block goes
// with the last text that shares it.
class TextBlock {
public:
  // Room for at most `texts` texts of `chars` characters in all, each
  // counted with one more for the end mark that every QString carries (see
  // room()).
  TextBlock(qsizetype chars, qsizetype texts);
  ~TextBlock();
  TextBlock(const TextBlock &) = delete;
  TextBlock &operator=(const TextBlock &) = delete;

  static constexpr qsizetype room(qsizetype length) { return length + 1; }

  // The next text of the block: `bytes` decoded, or a copy of `text`. Adding
  // past the room or the count given is a programming error.
  QString add(QByteArrayView bytes);
  QString add(QStringView text);
  // The `count` fields' texts, each decoded as add() decodes it, into `out`,
  // whose texts are null: a record's fields of one part in one call.
  void add(const QByteArrayView *fields, qsizetype count, QString *out);
  // `bytes` cut into `count` texts at the separators that `ends` gives the
  // places of (rising, the last one the end of what is taken), all decoded
  // in one pass: each separator's room takes the end mark of the text before
  // it. Each text counts as one added. The list is made at its size with
  // the texts in it, not of empty texts that are then replaced.
  QStringList addSplit(QByteArrayView bytes, const qsizetype *ends, qsizetype count);
  // `bytes` as `count` cells of CellWidth bytes, each eleven characters and
  // a "," (a row of number text), into `out`: every byte looked at once, no
  // separator searched for. False, nothing added, for bytes of another
  // shape (a "," elsewhere, one missing) or outside ASCII; then addSplit().
  static constexpr qsizetype CellWidth = 12;
  // Four cells of such a row (48 bytes): 0xFF where a "," stands, else 0.
  alignas(16) static constexpr unsigned char CommaPlaces[4 * CellWidth] = {
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0,
      0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0,
      0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF};
  bool addCells(QByteArrayView bytes, qsizetype count, QStringList *out);

private:
  QString take(qsizetype length);

  QString m_block;
  char16_t *m_free = nullptr;  // where the next text goes
  qsizetype m_left = 0;
  qsizetype m_texts = 0;  // references to the block taken for texts not yet added
};

// Lets go of many texts at once, before the lists that hold them go: each
// text of a block holds a reference to it, and a list letting go of its
// texts one by one makes a locked instruction of each. The texts handed here
// that share one block with the first such text are counted instead, and
// let go of in one when this object goes; that first text keeps its own
// reference till then, so the block never goes early. Other texts, and
// lists that another list shares, are left as they are.
class TextRelease {
public:
  TextRelease() = default;
  ~TextRelease();
  TextRelease(const TextRelease &) = delete;
  TextRelease &operator=(const TextRelease &) = delete;

  void add(QStringList &texts);
  void add(QList<QStringList> &lists);

private:
  QArrayData *m_block = nullptr;
  int m_count = 0;
};

} // namespace vz::cp1254
