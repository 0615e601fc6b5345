#include "dbftable.h"

#include "cp1254.h"
#include "fileerror.h"
#include "rtext.h"
#include "savefile.h"
#include "savelock.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QVarLengthArray>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz {

namespace {

constexpr int HeaderSize = 32;
constexpr int DescriptorSize = 32;
constexpr char HeaderEnd = 0x0D;
constexpr char FileEnd = 0x1A;
constexpr unsigned char Version = 0x03;         // dBASE III without memo
constexpr unsigned char LanguageDriver = 0xCA;  // Windows Turkish

// The date a write stamps into the header, from the C library's local time,
// which reads the time zone once: QDate::currentDate() looks at the zone's
// file again at every call, which cost a save more than its header.
QDate today()
{
  const time_t now = time(nullptr);
  struct tm local;
  if (!localtime_r(&now, &local))
    return QDate::currentDate();
  return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

quint16 get16(const char *p)
{
  return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

quint32 get32(const char *p)
{
  return quint32(quint8(p[0])) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16) |
         (quint32(quint8(p[3])) << 24);
}

void put16(char *p, quint32 v)
{
  p[0] = char(v & 0xFF);
  p[1] = char((v >> 8) & 0xFF);
}

void put32(char *p, quint32 v)
{
  for (int i = 0; i < 4; ++i)
    p[i] = char((v >> (8 * i)) & 0xFF);
}

QString tr(const char *utf8)
{
  return QString::fromUtf8(utf8);
}

int recordLengthOf(const QList<DbfField> &fields)
{
  int n = 1;
  for (const DbfField &f : fields)
    n += f.length;
  return n;
}

QByteArray headerBytes(const QList<DbfField> &fields, quint32 count, const QDate &date)
{
  const int headerLen = HeaderSize + DescriptorSize * int(fields.size()) + 1;
  QByteArray h(headerLen, '\0');
  char *p = h.data();
  p[0] = char(Version);
  p[1] = char(std::clamp(date.year() - 1900, 0, 255));
  p[2] = char(date.month());
  p[3] = char(date.day());
  put32(p + 4, count);
  put16(p + 8, quint32(headerLen));
  put16(p + 10, quint32(recordLengthOf(fields)));
  p[29] = char(LanguageDriver);
  for (int i = 0; i < fields.size(); ++i) {
    const DbfField &f = fields.at(i);
    char *d = p + HeaderSize + DescriptorSize * i;
    // Written as the name is held, byte for byte in code page 1254: a table
    // from an older program may carry Turkish letters ("ÇİNKO"). At most
    // ten, straight into the descriptor.
    cp1254::encodeInto(QStringView(f.name).first(std::min<qsizetype>(f.name.size(), 10)), d);
    d[11] = char(f.type.toLatin1());
    if (f.type == QLatin1Char('C')) {
      // Clipper: the length's high byte lives in the decimals byte.
      d[16] = char(f.length & 0xFF);
      d[17] = char((f.length >> 8) & 0xFF);
    } else {
      d[16] = char(f.length);
      d[17] = char(f.decimals);
    }
  }
  p[headerLen - 1] = HeaderEnd;
  return h;
}

// Names the word that holds the first character with no code (a matrix row
// is many cells in one field), never the table's field name.
QString unencodableText(QStringView value)
{
  qsizetype bad = 0;
  while (bad < value.size() && cp1254::canEncode(value.sliced(bad, 1)))
    ++bad;
  auto apart = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char(','); };
  qsizetype from = std::min(bad, value.size()), to = from;
  while (from > 0 && !apart(value.at(from - 1)))
    --from;
  while (to < value.size() && !apart(value.at(to)))
    ++to;
  return tr("\"%1\" metninde Türkçe kod sayfasında (1254) olmayan bir karakter var.")
      .arg(value.sliced(from, to - from).toString());
}

// The stored form of `value` in field `f`: cut or padded to its width.
bool encodeValue(const DbfField &f, const QString &value, QByteArray *out, QString *error)
{
  QString text;
  const QChar t = f.type;
  if (t == QLatin1Char('N') || t == QLatin1Char('F')) {
    text = value.size() > f.length ? value.left(f.length) : rt::PadL(value, f.length);
  } else if (t == QLatin1Char('L')) {
    const QString v = value.trimmed().toUpper();
    if (v.isEmpty())
      text = QStringLiteral(" ");
    else if (v == QLatin1String("T") || v == QLatin1String("Y") || v == QLatin1String(".T."))
      text = QStringLiteral("T");
    else if (v == QLatin1String("F") || v == QLatin1String("N") || v == QLatin1String(".F."))
      text = QStringLiteral("F");
    else
      text = QStringLiteral("?");
  } else {
    text = rt::PadR(value, f.length);
  }
  bool lossless = true;
  *out = cp1254::encode(text, &lossless);
  if (!lossless) {
    if (error)
      *error = unencodableText(value);
    return false;
  }
  return true;
}

// A stored field name: a letter first, then letters, digits or "_", at most
// 10 bytes. Letters of code page 1254 count, so that a table whose names carry
// Turkish letters can be written again; what a user may type is narrower and
// is checked where the name is typed.
bool validName(const QString &name)
{
  if (name.isEmpty() || name.size() > 10 || !cp1254::canEncode(name))
    return false;
  for (int i = 0; i < name.size(); ++i) {
    const QChar c = name.at(i);
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!(c.isLetter() || (i > 0 && (digit || c == QLatin1Char('_')))))
      return false;
  }
  return true;
}

// dBASE upper-cases the letters a-z of a new name; any other byte is kept.
QString upperAscii(QString name)
{
  for (QChar &c : name)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
      c = QChar(c.unicode() - 'a' + 'A');
  return name;
}

QList<DbfField> normalised(QList<DbfField> fields)
{
  for (DbfField &f : fields) {
    f.name = upperAscii(f.name);
    f.type = f.type.toUpper();
    if (f.type == QLatin1Char('D'))
      f.length = 8;
    if (f.type == QLatin1Char('L'))
      f.length = 1;
    if (f.type != QLatin1Char('N') && f.type != QLatin1Char('F'))
      f.decimals = 0;
  }
  return fields;
}

// The stored form of `records`, appended to `out`; false on a text outside
// code page 1254.
bool encodeRecords(const QList<DbfField> &fields, const QList<DbfRecord> &records, QByteArray *out, QString *error)
{
  out->reserve(out->size() + qsizetype(records.size()) * recordLengthOf(fields) + 1);
  for (const DbfRecord &r : records) {
    out->append(r.deleted ? '*' : ' ');
    for (int i = 0; i < fields.size(); ++i) {
      QByteArray bytes;
      if (!encodeValue(fields.at(i), r.values.value(i), &bytes, error))
        return false;
      out->append(bytes);
    }
  }
  return true;
}

QByteArray buildFile(const QList<DbfField> &fields, const QList<DbfRecord> &records, QString *error)
{
  QByteArray out = headerBytes(fields, quint32(records.size()), today());
  if (!encodeRecords(fields, records, &out, error))
    return QByteArray();
  out.append(FileEnd);
  return out;
}

bool writeContent(const QString &path, const QList<DbfField> &fields, const QList<DbfRecord> &records,
                  QString *error);

} // namespace

struct DbfTable::Impl {
  // The table's own handle, held as the system gives it: a table is read
  // whole and written a record at a time, where a buffered device only adds
  // its calls (a look at the file and a seek at every open).
  int fd = -1;
  HeldFile held;  // which file the handle holds, once looked at
  QString openedPath;  // as given; the file may have been taken by its handle
  OpenMode mode = OpenMode::Shared;
  QString error;
  QList<DbfField> fields;
  QList<int> offsets;  // of each field inside a record, after the delete mark
  int headerLen = 0;
  int recordLen = 0;
  QDate lastUpdate;
  QByteArray data;  // every record, as on disk
  int count = 0;
  int recno = 0;  // physical, 1-based; count + 1 is the phantom record at EOF
  bool bof = true;
  bool eof = true;
  bool dirty = false;        // the current record differs from the file
  bool unsynced = false;     // written since the last sync
  bool headerDirty = false;  // count or date to write
  // index
  int indexField = -1;
  bool indexStale = true;
  QList<QPair<QByteArray, int>> keys;  // sorted (key, recno) of live records
  QList<int> keyPos;                   // recno -> its place in keys, -1 for a deleted record
  bool found = false;
  QMap<int, Listener> listeners;
  int nextListener = 1;

  Impl() = default;
  ~Impl() { closeFile(); }
  Impl(const Impl &) = delete;
  Impl &operator=(const Impl &) = delete;

  bool isOpen() const { return fd >= 0; }
  void closeFile()  // drops the lock
  {
    if (fd >= 0)
      ::close(fd);
    fd = -1;
    held = {};
  }

  char *rec(int n) { return data.data() + qsizetype(n - 1) * recordLen; }
  const char *rec(int n) const { return data.constData() + qsizetype(n - 1) * recordLen; }
  bool deleted(int n) const { return rec(n)[0] == '*'; }
  bool onRecord() const { return recno >= 1 && recno <= count; }

  void notify(int code)
  {
    const auto copy = listeners;
    for (const Listener &l : copy)
      l(code);
  }

  bool fail(const QString &text)
  {
    error = text;
    return false;
  }

  bool writeAt(qint64 pos, const char *bytes, qint64 len)
  {
    unsynced = true;
    while (len > 0) {
      const ssize_t n = ::pwrite(fd, bytes, size_t(len), off_t(pos));
      if (n < 0 && errno == EINTR)
        continue;
      if (n <= 0)
        return fail(tr("Tabloya yazılamadı: %1").arg(fileErrorReason(n < 0 ? errno : ENOSPC)));
      bytes += n;
      pos += n;
      len -= n;
    }
    return true;
  }

  bool flush()
  {
    if (!dirty)
      return true;
    if (!writeAt(headerLen + qint64(recno - 1) * recordLen, rec(recno), recordLen))
      return false;
    dirty = false;
    headerDirty = true;
    return true;
  }

  bool writeHeaderCount()
  {
    char buf[8];
    const QDate date = today();
    buf[0] = char(Version);
    buf[1] = char(std::clamp(date.year() - 1900, 0, 255));
    buf[2] = char(date.month());
    buf[3] = char(date.day());
    put32(buf + 4, quint32(count));
    if (!writeAt(1, buf + 1, 7))
      return false;
    lastUpdate = date;
    headerDirty = false;
    return true;
  }

  void rebuildIndex()
  {
    keys.clear();
    keyPos.clear();
    if (indexField < 0)
      return;
    const int off = offsets.at(indexField);
    const int len = fields.at(indexField).length;
    for (int n = 1; n <= count; ++n)
      if (!deleted(n))
        keys.append({QByteArray(rec(n) + off, len), n});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    keyPos = QList<int>(count + 1, -1);
    for (int i = 0; i < keys.size(); ++i)
      keyPos[keys.at(i).second] = i;
    indexStale = false;
  }

  // Navigation in the current order without listing it, so that a step costs
  // the same at the ten-thousandth record as at the first. In natural order a
  // step passes over the deleted records between two live ones.
  int nextLive(int from) const  // first live record at or after `from`; 0 when none
  {
    for (int n = std::max(from, 1); n <= count; ++n)
      if (!deleted(n))
        return n;
    return 0;
  }
  int previousLive(int from) const  // last live record at or before `from`; 0 when none
  {
    for (int n = std::min(from, count); n >= 1; --n)
      if (!deleted(n))
        return n;
    return 0;
  }
  void freshIndex()
  {
    if (indexField >= 0 && indexStale)
      rebuildIndex();
  }
  int firstInOrder()  // 0 when no record is live
  {
    freshIndex();
    if (indexField >= 0)
      return keys.isEmpty() ? 0 : keys.first().second;
    return nextLive(1);
  }
  int lastInOrder()
  {
    freshIndex();
    if (indexField >= 0)
      return keys.isEmpty() ? 0 : keys.last().second;
    return previousLive(count);
  }

  void toPhantom()
  {
    recno = count + 1;
    eof = true;
  }

  // Takes `all` over: the records stay in its buffer.
  bool parse(QByteArray all, const QString &path)
  {
    // Named only in a refusal.
    const auto name = [&path] { return QFileInfo(path).fileName(); };
    if (all.size() < HeaderSize)
      return fail(tr("%1 bir dBASE tablosu değil (dosya çok kısa).").arg(name()));
    const char *p = all.constData();
    const quint8 version = quint8(p[0]);
    if (version != 0x03 && version != 0x83 && version != 0x8B)
      return fail(tr("%1 bir dBASE tablosu değil.").arg(name()));
    const quint32 cnt = get32(p + 4);
    headerLen = get16(p + 8);
    recordLen = get16(p + 10);
    if (headerLen < HeaderSize + DescriptorSize + 1 || headerLen > all.size())
      return fail(tr("%1 bir dBASE tablosu değil (başlık bozuk).").arg(name()));
    const int y = quint8(p[1]), m = quint8(p[2]), d = quint8(p[3]);
    lastUpdate = QDate(1900 + y, m, d);
    // The field descriptors, up to the header's end mark. A session reads
    // the same table again and again (open, every save, the reopen after
    // it): the fields of the last descriptors this thread read are taken
    // again when the bytes are the same, not decoded name by name.
    int end = HeaderSize;
    while (end + DescriptorSize <= headerLen && p[end] != HeaderEnd)
      end += DescriptorSize;
    const QByteArrayView descriptors(p + HeaderSize, end - HeaderSize);
    struct Layout {
      QByteArray descriptors;
      QList<DbfField> fields;
      QList<int> offsets;
      int recordEnd = 0;  // where the fields end, after the delete mark
    };
    thread_local Layout last;
    int off = 1;
    if (!descriptors.isEmpty() && descriptors == QByteArrayView(last.descriptors)) {
      fields = last.fields;
      offsets = last.offsets;
      off = last.recordEnd;
    } else {
      fields.clear();
      offsets.clear();
      for (int at = HeaderSize; at + DescriptorSize <= headerLen && p[at] != HeaderEnd; at += DescriptorSize) {
        const char *dsc = p + at;
        DbfField f;
        f.name = cp1254::decode(QByteArrayView(dsc, qsizetype(strnlen(dsc, 11)))).trimmed();
        f.type = QChar::fromLatin1(dsc[11]).toUpper();
        const int lo = quint8(dsc[16]), hi = quint8(dsc[17]);
        if (f.type == QLatin1Char('C')) {
          f.length = lo + 256 * hi;
        } else if (f.type == QLatin1Char('N') || f.type == QLatin1Char('F') || f.type == QLatin1Char('D') ||
                   f.type == QLatin1Char('L')) {
          f.length = lo;
          f.decimals = hi;
        } else {
          return fail(tr("%1: \"%2\" alanının türü (%3) desteklenmiyor.").arg(name(), f.name, QString(f.type)));
        }
        if (f.length <= 0 || f.name.isEmpty())
          return fail(tr("%1 bir dBASE tablosu değil (alan tanımı bozuk).").arg(name()));
        // A width we would not write back the same would make the table
        // unreadable at the first save; refuse it now instead.
        if ((f.type == QLatin1Char('D') && f.length != 8) || (f.type == QLatin1Char('L') && f.length != 1))
          return fail(tr("%1: \"%2\" alanının genişliği (%3) desteklenmiyor; tablo açılmadı.")
                          .arg(name(), f.name, QString::number(f.length)));
        fields.append(f);
        offsets.append(off);
        off += f.length;
      }
      last = {descriptors.toByteArray(), fields, offsets, off};
    }
    if (fields.isEmpty())
      return fail(tr("%1 bir dBASE tablosu değil (alan yok).").arg(name()));
    if (off != recordLen)
      return fail(tr("%1: kayıt uzunluğu (%2) alanların toplamıyla (%3) uyuşmuyor.").arg(name(), QString::number(recordLen), QString::number(off)));
    if (qint64(headerLen) + qint64(cnt) * recordLen > all.size())
      return fail(tr("%1 eksik: başlıktaki %2 kayıt dosyada yok (dosya kesilmiş).").arg(name(), QString::number(cnt)));
    count = int(cnt);
    all.truncate(headerLen + qsizetype(count) * recordLen);
    all.remove(0, headerLen);  // moves the start, copies nothing
    data = std::move(all);
    return true;
  }

  bool lock()
  {
    const int op = (mode == OpenMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    if (::flock(fd, op) != 0) {
      if (errno == EWOULDBLOCK)
        return fail(tr("%1 başka bir kullanıcı tarafından kullanılıyor.").arg(QFileInfo(openedPath).fileName()));
      return fail(tr("%1 kilitlenemedi: %2").arg(QFileInfo(openedPath).fileName(), fileErrorReason(errno)));
    }
    return true;
  }

  // `written`: the file's bytes when they are known already; `handle`: the
  // file's handle when one is open already, which this then owns.
  bool openFile(const QString &path, QByteArray written = QByteArray(), int handle = -1)
  {
    openedPath = path;
    fd = handle;
    if (fd < 0) {
      // Never made here: a missing table is an error, asked about only then.
      const QByteArray name = QFile::encodeName(path);
      do
        fd = ::open(name.constData(), (mode == OpenMode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
      while (fd < 0 && errno == EINTR);
      if (fd < 0) {
        const int err = errno;
        if (!QFileInfo::exists(path))
          return fail(tr("%1 bulunamıyor.").arg(path));
        return fail(tr("%1 açılamadı: %2").arg(path, fileErrorReason(err)));
      }
    }
    if (!lock()) {
      closeFile();
      return false;
    }
    if (written.isEmpty()) {
      // The look at the file that gives its size also tells a folder (which
      // opens for reading) and names the file a save's lock will find.
      struct stat st;
      const bool looked = ::fstat(fd, &st) == 0;
      if (!looked || S_ISDIR(st.st_mode)) {
        const int err = looked ? EISDIR : errno;
        closeFile();
        return fail(tr("%1 açılamadı: %2").arg(path, fileErrorReason(err)));
      }
      held = {true, st.st_dev, st.st_ino};
      int err = 0;
      if (!readWholeFile(fd, &written, &err, qsizetype(st.st_size))) {
        closeFile();
        return fail(tr("%1 okunamadı: %2").arg(path, fileErrorReason(err)));
      }
    }
    if (!parse(std::move(written), path)) {
      closeFile();
      return false;
    }
    return true;
  }
};

DbfTable::DbfTable() : d(std::make_unique<Impl>()) {}

DbfTable::~DbfTable()
{
  close();
}

bool DbfTable::checkFields(const QList<DbfField> &in, QString *error)
{
  auto refuse = [error](const QString &text) {
    if (error)
      *error = text;
    return false;
  };
  if (in.isEmpty())
    return refuse(tr("Tablonun alanı yok."));
  const QList<DbfField> fields = normalised(in);
  QStringList seen;
  for (const DbfField &f : fields) {
    if (!validName(f.name))
      return refuse(tr("Geçersiz alan adı: \"%1\".").arg(f.name));
    if (seen.contains(f.name, Qt::CaseInsensitive))
      return refuse(tr("\"%1\" alanı iki kez tanımlanmış.").arg(f.name));
    seen.append(f.name);
    const QChar t = f.type;
    if (t == QLatin1Char('M'))
      return refuse(tr("\"%1\": not (M) alanları desteklenmiyor.").arg(f.name));
    if (t == QLatin1Char('C')) {
      if (f.length < 1 || f.length > 65535)
        return refuse(tr("\"%1\": karakter alanının genişliği 1 ile 65535 arasında olmalı.").arg(f.name));
    } else if (t == QLatin1Char('N') || t == QLatin1Char('F')) {
      if (f.length < 1 || f.length > 20 || f.decimals < 0 || (f.decimals > 0 && f.decimals > f.length - 2))
        return refuse(tr("\"%1\": sayı alanının genişliği ya da ondalığı geçersiz.").arg(f.name));
    } else if (t != QLatin1Char('D') && t != QLatin1Char('L')) {
      return refuse(tr("\"%1\": alan türü (%2) desteklenmiyor.").arg(f.name, QString(t)));
    }
  }
  if (recordLengthOf(fields) > 65535)
    return refuse(tr("Kayıt uzunluğu 65535'i aşıyor."));
  return true;
}

bool DbfTable::create(const QString &path, const QList<DbfField> &fields, QString *error)
{
  return writeTable(path, fields, {}, error);
}

bool DbfTable::writeTable(const QString &path, const QList<DbfField> &in, const QList<DbfRecord> &records,
                          QString *error)
{
  if (!checkFields(in, error))
    return false;
  return writeContent(path, normalised(in), records, error);
}

namespace {

// Writes without checking the field list: a table opened from elsewhere may
// carry names we would not create, and must still be rewritable.
bool writeContent(const QString &path, const QList<DbfField> &fields, const QList<DbfRecord> &records, QString *error)
{
  QString why;
  const QByteArray content = buildFile(fields, records, &why);
  if (content.isEmpty()) {
    if (error)
      *error = why;
    return false;
  }
  if (!writeFileAtomically(path, content, &why)) {
    if (error)
      *error = tr("%1 yazılamadı: %2").arg(path, why);
    return false;
  }
  return true;
}

} // namespace

bool DbfTable::open(const QString &path, OpenMode mode)
{
  close();
  d->error.clear();
  d->mode = mode;
  if (!d->openFile(path))
    return false;
  d->indexField = -1;
  d->indexStale = true;
  d->dirty = d->headerDirty = false;
  goTop();
  return true;
}

void DbfTable::close()
{
  if (!d->isOpen())
    return;
  commit();
  d->notify(NoticeClose);
  d->closeFile();  // drops the lock
  d->fields.clear();
  d->offsets.clear();
  d->data.clear();
  d->count = 0;
  d->recno = 0;
  d->bof = d->eof = true;
  d->keys.clear();
  d->keyPos.clear();
  d->indexField = -1;
}

bool DbfTable::isOpen() const
{
  return d->isOpen();
}

QString DbfTable::fileName() const
{
  return d->openedPath;
}

QString DbfTable::errorString() const
{
  return d->error;
}

const QList<DbfField> &DbfTable::fields() const
{
  return d->fields;
}

int DbfTable::fieldCount() const
{
  return int(d->fields.size());
}

int DbfTable::fieldIndex(const QString &name) const
{
  const QString n = name.trimmed();
  // Callers mostly spell the name as stored: the exact pass is the cheap one.
  for (int i = 0; i < d->fields.size(); ++i)
    if (d->fields.at(i).name == n)
      return i;
  for (int i = 0; i < d->fields.size(); ++i)
    if (d->fields.at(i).name.compare(n, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

QList<DbfRecord> DbfTable::allRecords() const
{
  QList<DbfRecord> out;
  if (!isOpen())
    return out;
  // Every text of the table shares one block: a reference matrix of some
  // thousands of records holds hundreds of thousands of cells, and one
  // allocation apiece made the read grow faster than the table.
  const qsizetype fieldCount = d->fields.size();
  qsizetype roomPerRecord = 0;
  for (const DbfField &f : std::as_const(d->fields))
    roomPerRecord += cp1254::TextBlock::room(f.length);
  cp1254::TextBlock block(roomPerRecord * d->count, fieldCount * d->count);
  out.reserve(d->count);
  for (int n = 1; n <= d->count; ++n) {
    DbfRecord r;
    r.deleted = d->deleted(n);
    r.values.resize(fieldCount);
    QString *value = r.values.data();
    for (qsizetype i = 0; i < fieldCount; ++i)
      value[i] = block.add(QByteArrayView(d->rec(n) + d->offsets.at(i), d->fields.at(i).length));
    out.append(std::move(r));
  }
  return out;
}

bool DbfTable::rewriteFromDisk(const DiskEdit &edit, const QString &target)
{
  return rewriteImageFromDisk(
      [&edit](Image &image, QString *error) {
        QList<DbfRecord> records = image.decoded();
        if (!edit(image.fields, records, error))
          return false;
        image.records.clear();
        return encodeRecords(image.fields, records, &image.records, error);
      },
      target);
}

bool DbfTable::rewriteImageFromDisk(const ImageEdit &edit, const QString &target)
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (target.isEmpty() && d->mode == OpenMode::ReadOnly)
    return d->fail(tr("Tablo salt okunur açıldı."));
  if (!commit())
    return false;
  const QString path = d->openedPath;
  // Taken on the table's own handle while it still holds the named file.
  SaveLock lock(path, d->fd, d->held);

  // Read without flock: our own exclusive lock would refuse a second one.
  // The lock holds the file the path names now; read through it.
  Impl disk;
  QByteArray all;
  if (lock.isHeld()) {
    int err = 0;
    if (!lock.readAll(&all, &err))
      return d->fail(tr("%1 okunamadı: %2").arg(path, fileErrorReason(err)));
  } else {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
      return d->fail(tr("%1 okunamadı: %2").arg(path, fileErrorReason(in)));
    all = in.readAll();
  }
  if (!disk.parse(std::move(all), path))
    return d->fail(disk.error);
  Image image{disk.fields, disk.offsets, disk.recordLen, std::move(disk.data)};
  QString why;
  if (!edit(image, &why))
    return d->fail(why);
  // The header goes where the old one was read, in the same buffer.
  const quint32 count = quint32(image.count());
  QByteArray content = std::move(image.records);
  content.prepend(headerBytes(image.fields, count, today()));
  content.append(FileEnd);
  const QString out = target.isEmpty() ? path : target;
  // The table goes on with the handle of the file just written, not a new
  // open of its path.
  int replaced = -1;
  // The lock looked at the path just now: the write need not again.
  const struct stat *known = target.isEmpty() && lock.isHeld() ? &lock.pathStatus() : nullptr;
  if (!writeFileAtomically(out, content, &why, target.isEmpty() ? &replaced : nullptr, known))
    return d->fail(tr("%1 yazılamadı: %2").arg(out, why));
  if (!target.isEmpty())
    return true;
  // The old handle closes once the new file is open and locked; the save
  // lock, when it is on that handle, goes with it.
  lock.handOver();
  return reopenReplaced(path, std::move(content), replaced);
}

DbfTable::Image DbfTable::image() const
{
  if (!isOpen())
    return {};
  return {d->fields, d->offsets, d->recordLen, d->data};
}

bool DbfTable::Image::put(int n, int f, QStringView value, QString *error)
{
  const DbfField &field = fields.at(f);
  char *at = records.data() + qsizetype(n) * recordLength + offsets.at(f);
  if (field.type == QLatin1Char('C')) {
    // Cut or padded on the right; encoded aside first, so that a refused
    // text leaves the field as it was. A save blanks many fields.
    const qsizetype len = std::min<qsizetype>(value.size(), field.length);
    if (len == 0) {
      std::memset(at, ' ', size_t(field.length));
      return true;
    }
    QVarLengthArray<char, 1024> bytes(len);
    if (!cp1254::encodeInto(value.first(len), bytes.data())) {
      if (error)
        *error = unencodableText(value);
      return false;
    }
    std::memcpy(at, bytes.constData(), size_t(len));
    std::memset(at + len, ' ', size_t(field.length - len));
    return true;
  }
  QByteArray bytes;
  if (!encodeValue(field, value.toString(), &bytes, error))
    return false;
  std::memcpy(at, bytes.constData(), size_t(bytes.size()));
  return true;
}

void DbfTable::Image::appendBlank()
{
  records.append(QByteArray(recordLength, ' '));
}

QList<DbfRecord> DbfTable::Image::decoded() const
{
  QList<DbfRecord> out;
  out.reserve(count());
  for (int n = 0; n < count(); ++n) {
    DbfRecord r;
    r.deleted = deleted(n);
    for (int i = 0; i < fields.size(); ++i)
      r.values.append(cp1254::decode(field(n, i)));
    out.append(r);
  }
  return out;
}

bool DbfTable::withSaveLock(const QString &path, const std::function<bool()> &work)
{
  SaveLock lock(path);
  return work();
}

bool DbfTable::rewrite(const QList<DbfRecord> &records)
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode == OpenMode::ReadOnly)
    return d->fail(tr("Tablo salt okunur açıldı."));
  const QString path = d->openedPath;
  QString why;
  if (!writeContent(path, d->fields, records, &why))
    return d->fail(why);
  return reopenReplaced(path);
}

bool DbfTable::reopenReplaced(const QString &path, QByteArray written, int fd)
{
  // The new file is another inode: open and lock it before letting the old go,
  // so that no one slips in between.
  auto fresh = std::make_unique<Impl>();
  fresh->mode = d->mode;
  fresh->listeners = d->listeners;
  fresh->nextListener = d->nextListener;
  const int indexField = d->indexField;
  if (!fresh->openFile(path, std::move(written), fd)) {
    close();
    d->error = fresh->error;
    return false;
  }
  d->closeFile();
  d = std::move(fresh);
  d->indexField = indexField;
  d->indexStale = true;
  goTop();
  d->notify(NoticeFileChange);
  return true;
}

QDate DbfTable::lastUpdate() const
{
  return d->lastUpdate;
}

int DbfTable::recordCount() const
{
  return d->count;
}

int DbfTable::liveRecordCount() const
{
  int n = 0;
  for (int i = 1; i <= d->count; ++i)
    if (!d->deleted(i))
      ++n;
  return n;
}

int DbfTable::recNo() const
{
  return d->onRecord() && !d->eof ? d->recno : 0;
}

bool DbfTable::goTop()
{
  return goEnd(true);
}

bool DbfTable::goBottom()
{
  return goEnd(false);
}

bool DbfTable::goEnd(bool top)
{
  if (!isOpen() || !d->flush())
    return false;
  d->notify(NoticeIntentToMove);
  const int n = top ? d->firstInOrder() : d->lastInOrder();
  d->bof = false;
  d->eof = false;
  if (n == 0) {
    d->toPhantom();
    d->bof = true;
  } else {
    d->recno = n;
  }
  d->notify(NoticeRecordChange);
  return true;
}

bool DbfTable::goTo(int recNo)
{
  if (!isOpen() || !d->flush())
    return false;
  d->notify(NoticeIntentToMove);
  d->bof = false;
  d->eof = false;
  if (recNo >= 1 && recNo <= d->count)
    d->recno = recNo;
  else
    d->toPhantom();
  d->notify(NoticeRecordChange);
  return true;
}

bool DbfTable::skip(int n)
{
  if (!isOpen() || !d->flush())
    return false;
  if (n == 0)
    return true;
  d->notify(NoticeIntentToMove);
  const int first = d->firstInOrder();
  d->bof = false;
  if (first == 0) {
    d->toPhantom();
    d->bof = true;
    d->notify(NoticeRecordChange);
    return true;
  }
  int target = 0;  // the record reached; 0 past the end, -1 before the start
  if (d->indexField >= 0) {
    const qsizetype size = d->keys.size();
    qsizetype pos;
    if (d->eof) {
      pos = size;
    } else {
      pos = d->keyPos.value(d->recno, -1);
      if (pos < 0)  // standing on a hidden (deleted) record
        pos = n > 0 ? -1 : 0;
    }
    const qsizetype at = pos + n;
    target = at >= size ? 0 : at < 0 ? -1 : d->keys.at(at).second;
  } else {
    // A deleted record stands between its live neighbours: the first step
    // from it reaches the next (or the previous) live one.
    int at = d->eof ? d->count + 1 : d->recno;
    for (int steps = n; steps > 0 && at != 0; --steps)
      at = d->nextLive(at + 1);
    for (int steps = -n; steps > 0 && at != -1; --steps) {
      at = d->previousLive(at - 1);
      if (at == 0)
        at = -1;
    }
    target = at;
  }
  d->eof = false;
  if (target == 0) {
    d->toPhantom();
  } else if (target < 0) {
    d->recno = first;
    d->bof = true;
  } else {
    d->recno = target;
  }
  d->notify(NoticeRecordChange);
  return true;
}

bool DbfTable::bof() const
{
  return d->bof;
}

bool DbfTable::eof() const
{
  return d->eof;
}

QString DbfTable::fieldGet(int index) const
{
  if (index < 0 || index >= d->fields.size())
    return QString();
  const DbfField &f = d->fields.at(index);
  if (!d->onRecord() || d->eof)
    return f.type == QLatin1Char('L') ? QStringLiteral("?") : QString(f.length, QLatin1Char(' '));
  const QString raw = cp1254::decode(QByteArrayView(d->rec(d->recno) + d->offsets.at(index), f.length));
  if (f.type == QLatin1Char('L')) {
    const QChar c = raw.isEmpty() ? QLatin1Char(' ') : raw.at(0).toUpper();
    if (c == QLatin1Char('T') || c == QLatin1Char('Y'))
      return QStringLiteral("T");
    if (c == QLatin1Char('F') || c == QLatin1Char('N'))
      return QStringLiteral("F");
    return QStringLiteral("?");
  }
  return raw;
}

QString DbfTable::fieldGet(const QString &name) const
{
  return fieldGet(fieldIndex(name));
}

bool DbfTable::fieldPut(int index, const QString &value)
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (index < 0 || index >= d->fields.size())
    return d->fail(tr("Tabloda böyle bir alan yok."));
  if (d->mode == OpenMode::ReadOnly)
    return d->fail(tr("Tablo salt okunur açıldı."));
  if (!d->onRecord() || d->eof)
    return d->fail(tr("Dosya sonunda alan yazılamaz."));
  QByteArray bytes;
  if (!encodeValue(d->fields.at(index), value, &bytes, &d->error))
    return false;
  std::memcpy(d->rec(d->recno) + d->offsets.at(index), bytes.constData(), size_t(bytes.size()));
  d->dirty = true;
  if (index == d->indexField)
    d->indexStale = true;
  d->notify(NoticeFieldChange);
  return true;
}

bool DbfTable::fieldPut(const QString &name, const QString &value)
{
  const int i = fieldIndex(name);
  if (i < 0)
    return d->fail(tr("Tabloda \"%1\" alanı yok.").arg(name));
  return fieldPut(i, value);
}

double DbfTable::numberGet(int index) const
{
  return rt::Val(fieldGet(index));
}

bool DbfTable::numberPut(int index, double value)
{
  if (index < 0 || index >= d->fields.size())
    return d->fail(tr("Tabloda böyle bir alan yok."));
  const DbfField &f = d->fields.at(index);
  const QString text = rt::Str(value, f.length, f.decimals);
  if (text.contains(QLatin1Char('*')))
    return d->fail(tr("%1 değeri \"%2\" alanına sığmıyor.").arg(QString::number(value), f.name));
  return fieldPut(index, text);
}

QDate DbfTable::dateGet(int index) const
{
  return QDate::fromString(fieldGet(index), QStringLiteral("yyyyMMdd"));
}

bool DbfTable::datePut(int index, const QDate &value)
{
  return fieldPut(index, value.isValid() ? value.toString(QStringLiteral("yyyyMMdd")) : QString());
}

bool DbfTable::append()
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode == OpenMode::ReadOnly)
    return d->fail(tr("Tablo salt okunur açıldı."));
  if (!d->flush())
    return false;
  d->notify(NoticeIntentToMove);
  QByteArray blank(d->recordLen, ' ');
  for (int i = 0; i < d->fields.size(); ++i)
    if (d->fields.at(i).type == QLatin1Char('L'))
      blank[d->offsets.at(i)] = '?';
  const qint64 pos = d->headerLen + qint64(d->count) * d->recordLen;
  QByteArray bytes = blank;
  bytes.append(FileEnd);
  if (!d->writeAt(pos, bytes.constData(), bytes.size()))
    return false;
  d->data.append(blank);
  ++d->count;
  if (!d->writeHeaderCount()) {
    d->data.chop(d->recordLen);
    --d->count;
    return false;
  }
  d->recno = d->count;
  d->bof = d->eof = false;
  d->indexStale = true;
  d->notify(NoticeAppend);
  return true;
}

bool DbfTable::setDeletedFlag(char flag, const QString &noRecordText)
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode == OpenMode::ReadOnly)
    return d->fail(tr("Tablo salt okunur açıldı."));
  if (!d->onRecord() || d->eof)
    return d->fail(noRecordText);
  d->rec(d->recno)[0] = flag;
  d->dirty = true;
  d->indexStale = true;
  if (!d->flush())
    return false;
  d->notify(NoticeDelete);
  return true;
}

bool DbfTable::deleteRecord()
{
  return setDeletedFlag('*', tr("Silinecek kayıt yok."));
}

bool DbfTable::recall()
{
  return setDeletedFlag(' ', tr("Geri alınacak kayıt yok."));
}

bool DbfTable::isDeleted() const
{
  return d->onRecord() && !d->eof && d->deleted(d->recno);
}

bool DbfTable::pack()
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode != OpenMode::Exclusive)
    return d->fail(tr("Sıkıştırma için tablo özel (exclusive) açılmalı."));
  if (!d->flush())
    return false;
  QList<DbfRecord> kept;
  for (const DbfRecord &r : allRecords())
    if (!r.deleted)
      kept.append(r);
  return rewrite(kept);
}

bool DbfTable::zap()
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode != OpenMode::Exclusive)
    return d->fail(tr("Boşaltma için tablo özel (exclusive) açılmalı."));
  return rewrite({});
}

bool DbfTable::commit()
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (d->mode == OpenMode::ReadOnly)
    return true;
  if (!d->flush())
    return false;
  if (d->headerDirty && !d->writeHeaderCount())
    return false;
  // A table nothing was written to since its last sync has nothing to sync.
  if (d->unsynced && ::fsync(d->fd) != 0)
    return d->fail(tr("Tablo diske yazılamadı: %1").arg(fileErrorReason(errno)));
  d->unsynced = false;
  return true;
}

int DbfTable::appendFrom(const QString &otherPath)
{
  if (!isOpen()) {
    d->fail(tr("Tablo açık değil."));
    return -1;
  }
  if (d->mode == OpenMode::ReadOnly) {
    d->fail(tr("Tablo salt okunur açıldı."));
    return -1;
  }
  if (!d->flush())
    return -1;
  DbfTable other;
  if (!other.open(otherPath, OpenMode::ReadOnly)) {
    d->error = other.errorString();
    return -1;
  }
  QList<int> map;  // our field -> other field, -1 when it has none
  for (const DbfField &f : std::as_const(d->fields))
    map.append(other.fieldIndex(f.name));
  QByteArray added;
  int n = 0;
  for (const DbfRecord &r : other.allRecords()) {
    if (r.deleted)
      continue;
    QByteArray rec(1, ' ');
    for (int i = 0; i < d->fields.size(); ++i) {
      QByteArray bytes;
      const QString v = map.at(i) >= 0 ? r.values.at(map.at(i)) : QString();
      if (!encodeValue(d->fields.at(i), v, &bytes, &d->error))
        return -1;
      rec.append(bytes);
    }
    added.append(rec);
    ++n;
  }
  if (n == 0)
    return 0;
  QByteArray bytes = added;
  bytes.append(FileEnd);
  // Records first, count last: a failure leaves the header on the old records.
  if (!d->writeAt(d->headerLen + qint64(d->count) * d->recordLen, bytes.constData(), bytes.size()))
    return -1;
  d->data.append(added);
  d->count += n;
  if (!d->writeHeaderCount()) {
    d->count -= n;
    d->data.chop(added.size());
    return -1;
  }
  d->indexStale = true;
  goBottom();
  d->notify(NoticeFileChange);
  return n;
}

bool DbfTable::setIndex(const QString &fieldName)
{
  if (!isOpen())
    return d->fail(tr("Tablo açık değil."));
  if (fieldName.trimmed().isEmpty()) {
    d->indexField = -1;
  } else {
    const int i = fieldIndex(fieldName);
    if (i < 0)
      return d->fail(tr("Tabloda \"%1\" alanı yok.").arg(fieldName));
    d->indexField = i;
  }
  d->indexStale = true;
  return goTop();
}

bool DbfTable::seek(const QString &key, bool softSeek)
{
  d->found = false;
  if (!isOpen() || d->indexField < 0 || !d->flush())
    return d->fail(tr("Arama için tabloda bir sıra (indeks) yok."));
  if (d->indexStale)
    d->rebuildIndex();
  d->notify(NoticeIntentToMove);
  const int width = d->fields.at(d->indexField).length;
  QByteArray k = cp1254::encode(key.left(width));
  const auto it = std::lower_bound(d->keys.cbegin(), d->keys.cend(), k,
                                   [](const auto &e, const QByteArray &v) { return e.first.left(v.size()) < v; });
  d->bof = false;
  d->eof = false;
  if (it != d->keys.cend() && it->first.startsWith(k)) {
    d->found = true;
    d->recno = it->second;
  } else if (softSeek && it != d->keys.cend()) {
    d->recno = it->second;
  } else {
    d->toPhantom();
  }
  d->notify(NoticeRecordChange);
  return d->found;
}

bool DbfTable::found() const
{
  return d->found;
}

QString DbfTable::currentKey() const
{
  return d->indexField < 0 ? QString() : fieldGet(d->indexField);
}

int DbfTable::addListener(Listener l)
{
  const int id = d->nextListener++;
  d->listeners.insert(id, std::move(l));
  return id;
}

void DbfTable::removeListener(int id)
{
  d->listeners.remove(id);
}

} // namespace vz
