#include "services/arrayserver.h"

#include "platform/cp1254.h"
#include "platform/fileerror.h"
#include "platform/rtext.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace vz {

// Notices stay suspended for exactly the span of one internal step, also when
// that step leaves early.
class ARRAYSERVER::SuspendGuard {
public:
  explicit SuspendGuard(ARRAYSERVER &s) : m_s(s) { m_s.SUSPENDNOTIFICATION(); }
  ~SuspendGuard() { m_s.RESETNOTIFICATION(); }
  SuspendGuard(const SuspendGuard &) = delete;
  SuspendGuard &operator=(const SuspendGuard &) = delete;

private:
  ARRAYSERVER &m_s;
};

namespace {

bool isNumber(const QVariant &v)
{
  switch (v.typeId()) {
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Double:
  case QMetaType::Float:
  case QMetaType::Short:
  case QMetaType::UShort:
  case QMetaType::Long:
  case QMetaType::ULong:
    return true;
  default:
    return false;
  }
}

bool isText(const QVariant &v) { return v.typeId() == QMetaType::QString; }
bool isDate(const QVariant &v) { return v.typeId() == QMetaType::QDate; }
bool isLogic(const QVariant &v) { return v.typeId() == QMetaType::Bool; }

// Ranks the kinds of value so that values of different kinds still order
// consistently (NIL first).
int kindRank(const QVariant &v)
{
  if (!v.isValid())
    return 0;
  if (isLogic(v))
    return 1;
  if (isNumber(v))
    return 2;
  if (isDate(v))
    return 3;
  if (isText(v))
    return 4;
  return 5;
}

// A strict weak ordering over values: within a kind the runtime's order, a
// blank date before every date.
bool valueLess(const QVariant &a, const QVariant &b)
{
  const int ra = kindRank(a);
  const int rb = kindRank(b);
  if (ra != rb)
    return ra < rb;
  switch (ra) {
  case 1: return !a.toBool() && b.toBool();
  case 2: return a.toDouble() < b.toDouble();
  case 3: {
    const QDate da = a.toDate();
    const QDate db = b.toDate();
    if (!da.isValid() || !db.isValid())
      return !da.isValid() && db.isValid();
    return da < db;
  }
  case 4: return a.toString() < b.toString();
  default: return false;
  }
}

// The runtime's non-exact equality of a row's first field with a sought value.
bool seekMatches(const QVariant &field, const QVariant &sought)
{
  if (isText(sought))
    return isText(field) && field.toString().startsWith(sought.toString());
  if (isNumber(sought))
    return isNumber(field) && field.toDouble() == sought.toDouble();
  if (isDate(sought))
    return isDate(field) && field.toDate() == sought.toDate();
  if (isLogic(sought))
    return isLogic(field) && field.toBool() == sought.toBool();
  return !sought.isValid() && !field.isValid();
}

QString dateDigits(const QDate &d)
{
  return d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")) : QString(8, QLatin1Char(' '));
}

QDate dateFromText(const QString &text)
{
  const QString t = text.trimmed();
  if (t.isEmpty())
    return QDate();
  for (const QString &fmt : {QStringLiteral("yyyyMMdd"), QStringLiteral("dd.MM.yyyy"), QStringLiteral("dd/MM/yyyy"),
                             QStringLiteral("yyyy-MM-dd")}) {
    const QDate d = QDate::fromString(t, fmt);
    if (d.isValid())
      return d;
  }
  return QDate();
}

QString trimBlanks(const QString &s) { return rt::AllTrim(s); }

bool readWholeFile(const QString &path, QString &text, QString &error)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("%1 açılamadı: %2").arg(QDir::toNativeSeparators(path), fileErrorReason(f));
    return false;
  }
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    error = QStringLiteral("%1 okunamadı: %2").arg(QDir::toNativeSeparators(path), fileErrorReason(f));
    return false;
  }
  text = cp1254::decode(bytes);
  return true;
}

// Lines split at CR LF, LF or a lone CR.
QStringList splitLines(const QString &text)
{
  QStringList lines;
  QString line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      lines.append(line);
      line.clear();
      if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
        ++i;
    } else {
      line += c;
    }
  }
  if (!line.isEmpty())
    lines.append(line);
  return lines;
}

// One record of delimited text: fields split at the separator; a field that
// starts (after blanks) with a double quote runs to its closing quote, with ""
// standing for one quote, and may hold separators and line breaks. Unquoted
// fields are trimmed of blanks. `pos` moves past the record's line end.
QStringList parseDelimitedRecord(const QString &text, qsizetype &pos, QChar sep, bool &emptyLine)
{
  QStringList fields;
  const qsizetype n = text.size();
  emptyLine = true;
  for (;;) {
    QString field;
    qsizetype p = pos;
    while (p < n && text.at(p) == QLatin1Char(' '))
      ++p;
    if (p < n && text.at(p) == QLatin1Char('"')) {
      emptyLine = false;
      ++p;
      while (p < n) {
        const QChar c = text.at(p);
        if (c == QLatin1Char('"')) {
          if (p + 1 < n && text.at(p + 1) == QLatin1Char('"')) {
            field += c;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        field += c;
        ++p;
      }
      // Whatever stands between the closing quote and the separator belongs
      // to the field as well: nothing typed is dropped.
      QString tail;
      while (p < n && text.at(p) != sep && text.at(p) != QLatin1Char('\r') && text.at(p) != QLatin1Char('\n'))
        tail += text.at(p++);
      field += rt::RTrim(tail);
    } else {
      p = pos;
      while (p < n && text.at(p) != sep && text.at(p) != QLatin1Char('\r') && text.at(p) != QLatin1Char('\n'))
        field += text.at(p++);
      if (!field.isEmpty())
        emptyLine = false;
      field = trimBlanks(field);
    }
    fields.append(field);
    if (p < n && text.at(p) == sep) {
      emptyLine = false;
      pos = p + 1;
      continue;
    }
    // End of the record: step over its line end.
    if (p < n && text.at(p) == QLatin1Char('\r'))
      ++p;
    if (p < n && text.at(p) == QLatin1Char('\n'))
      ++p;
    pos = p;
    return fields;
  }
}

} // namespace

// ---------------------------------------------------------------- creation

ARRAYSERVER::ARRAYSERVER(const QList<DbfField> &structure, const Rows &rows, bool deletedRule)
    : m_structure(structure), m_rows(rows), m_deletedRule(deletedRule)
{
  for (Row &r : m_rows) {
    while (r.size() < m_structure.size())
      r.append(QVariant());
  }
  for (int i = 1; i <= FCOUNT(); ++i)
    m_defaults.append(DEFAULTVALUE(i));
  m_deleted = QList<bool>(m_rows.size(), false);
  m_current = 1;
  if (!m_rows.isEmpty()) {
    m_buffer = m_rows.first();
    m_eof = m_bof = false;
  } else {
    m_eof = m_bof = true;
  }
}

ARRAYSERVER::~ARRAYSERVER() = default;

void ARRAYSERVER::setPackRule(PackRule rule) { m_packRule = rule; }

// ------------------------------------------------------- position, counts

bool ARRAYSERVER::ISEOF() const { return m_eof; }
bool ARRAYSERVER::ISBOF() const { return m_bof; }
int ARRAYSERVER::RECNO() const { return m_current; }

int ARRAYSERVER::RECNO(int row)
{
  GOTO(row);
  return m_current;
}

int ARRAYSERVER::RECCOUNT() const { return int(m_rows.size()); }
int ARRAYSERVER::LASTREC() const { return int(m_rows.size()); }
int ARRAYSERVER::FCOUNT() const { return int(m_structure.size()); }
const ARRAYSERVER::Rows &ARRAYSERVER::DATA() const { return m_rows; }
const QList<DbfField> &ARRAYSERVER::DBSTRUCT() const { return m_structure; }
QString ARRAYSERVER::errorString() const { return m_error; }

bool ARRAYSERVER::atEnd() const { return m_current < 1 || m_current > m_rows.size(); }

bool ARRAYSERVER::rulesInForce() const { return m_deletedRule || m_filterActive; }

bool ARRAYSERVER::hidden(int row)
{
  if (row < 1 || row > m_rows.size())
    return false;
  if (m_deletedRule && m_deleted.at(row - 1))
    return true;
  if (!m_filterActive || !m_filter)
    return false;
  // The filter sees the row under test as the current row; the buffer stays
  // the row the move started from.
  const int saved = m_current;
  m_current = row;
  const QVariant answer = m_filter(*this, m_rows);
  m_current = saved;
  return !(isLogic(answer) && answer.toBool());
}

void ARRAYSERVER::commitBuffer()
{
  if (atEnd())
    return;
  m_rows[m_current - 1] = m_buffer;
  m_bufferIsRow = true;
}

void ARRAYSERVER::loadCopy()
{
  if (atEnd())
    return;
  m_buffer = m_rows.at(m_current - 1);
  m_bufferIsRow = false;
}

void ARRAYSERVER::makeBufferTheRow()
{
  if (atEnd())
    return;
  m_buffer = m_rows.at(m_current - 1);
  m_bufferIsRow = true;
}

// ------------------------------------------------------------------- moves

void ARRAYSERVER::goForward(int n)
{
  const int count = RECCOUNT();
  if (!rulesInForce()) {
    m_current += n;
    if (m_current > count) {
      m_current = count + 1;
      m_eof = true;
    }
    return;
  }
  for (int i = 0; i < n; ++i) {
    ++m_current;
    while (m_current <= count && hidden(m_current))
      ++m_current;
    if (m_current > count) {
      m_current = count + 1;
      m_eof = true;
      return;
    }
  }
}

void ARRAYSERVER::goBackward(int n)
{
  n = std::abs(n);
  const int count = RECCOUNT();
  if (!rulesInForce()) {
    m_current -= n;
    if (m_current < 1) {
      m_current = 1;
      m_bof = true;
    }
    return;
  }
  const int start = m_current;
  for (int i = 0; i < n; ++i) {
    --m_current;
    while (m_current > 0 && hidden(m_current))
      --m_current;
    if (m_current <= 0) {
      // Ran past the top: back to where the move began (or the next visible
      // row after it).
      m_current = start;
      if (start > count) {
        m_eof = true;
      } else if (hidden(start)) {
        if (start < count) {
          SuspendGuard quiet(*this);
          goForward(1);
        } else {
          m_current = count + 1;
          m_eof = true;
        }
      }
      m_bof = true;
      return;
    }
  }
}

bool ARRAYSERVER::GOTOP()
{
  if (m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return true;
  commitBuffer();
  m_current = 1;
  m_eof = m_bof = false;
  if (hidden(m_current)) {
    SuspendGuard quiet(*this);
    goForward(1);
  }
  loadCopy();
  NOTIFY(NoticeWentTop);
  return true;
}

bool ARRAYSERVER::GOBOTTOM()
{
  if (m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return true;
  commitBuffer();
  m_current = RECCOUNT();
  m_eof = m_bof = false;
  if (hidden(m_current)) {
    SuspendGuard quiet(*this);
    goBackward(1);
  }
  loadCopy();
  NOTIFY(NoticeWentBottom);
  return true;
}

bool ARRAYSERVER::SKIP(int n)
{
  if (!m_rows.isEmpty() && NOTIFY(NoticeIntentToMove)) {
    commitBuffer();
    m_eof = m_bof = false;
    if (n == 0)
      REFRESH();
    else if (n > 0)
      goForward(n);
    else
      goBackward(n);
    loadCopy();
  }
  // A refused move keeps the buffer as it is: the user's uncommitted writes
  // are not thrown away because a client said no.
  NOTIFY(NoticeRecordChanged);
  return true;
}

bool ARRAYSERVER::GOTO(int row)
{
  if (m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return true;
  commitBuffer();
  if (row < 1) {
    // The server stands on row 1, so it is not at the end either.
    m_current = 1;
    m_bof = true;
    m_eof = false;
    loadCopy();
  } else if (row > RECCOUNT()) {
    m_current = RECCOUNT() + 1;
    m_eof = true;
  } else {
    m_current = row;
    m_eof = m_bof = false;
    loadCopy();
  }
  NOTIFY(NoticeRecordChanged);
  return true;
}

bool ARRAYSERVER::REFRESH()
{
  if (!atEnd()) {
    makeBufferTheRow();
    NOTIFY(NoticeRecordChanged);
  }
  return true;
}

// ------------------------------------------------------------------ fields

int ARRAYSERVER::FIELDPOS(int field) const { return field >= 1 && field <= FCOUNT() ? field : 0; }

int ARRAYSERVER::FIELDPOS(const QString &field) const
{
  for (int i = 0; i < FCOUNT(); ++i) {
    if (m_structure.at(i).name == field)
      return i + 1;
  }
  // A field symbol names its field in any case.
  for (int i = 0; i < FCOUNT(); ++i) {
    if (m_structure.at(i).name.compare(field, Qt::CaseInsensitive) == 0)
      return i + 1;
  }
  return 0;
}

QString ARRAYSERVER::typeOf(int field) const
{
  const int p = FIELDPOS(field);
  return p ? QString(m_structure.at(p - 1).type.toUpper()) : QString();
}

QVariant ARRAYSERVER::FIELDGET(int field) const
{
  const int p = FIELDPOS(field);
  if (p > 0 && !atEnd() && p <= m_buffer.size())
    return m_buffer.at(p - 1);
  return DEFAULTVALUE(p);
}

QVariant ARRAYSERVER::FIELDGET(const QString &field) const { return FIELDGET(FIELDPOS(field)); }

QString ARRAYSERVER::FIELDGETFORMATTED(int field) const
{
  const int p = FIELDPOS(field);
  const QVariant v = FIELDGET(p);
  if (!p || !v.isValid())
    return QString();
  const DbfField &f = m_structure.at(p - 1);
  const QString t = typeOf(p);
  if (t == QLatin1String("N"))
    return rt::Str(v.toDouble(), f.length, f.decimals);
  if (t == QLatin1String("D"))
    return rt::DToC(v.toDate());
  if (t == QLatin1String("L"))
    return v.toBool() ? QStringLiteral("T") : QStringLiteral("F");
  return v.toString();
}

QString ARRAYSERVER::FIELDGETFORMATTED(const QString &field) const { return FIELDGETFORMATTED(FIELDPOS(field)); }

QVariant ARRAYSERVER::FIELDPUT(int field, const QVariant &value)
{
  const int p = FIELDPOS(field);
  if (p == 0 || atEnd())
    return DEFAULTVALUE(p);
  // A field takes values of its own type only.
  const QString t = typeOf(p);
  QVariant stored;
  if ((t == QLatin1String("C") || t == QLatin1String("M")) && isText(value))
    stored = value;
  else if (t == QLatin1String("N") && isNumber(value))
    stored = value.toDouble();
  else if (t == QLatin1String("D") && isDate(value))
    stored = value;
  else if (t == QLatin1String("L") && isLogic(value))
    stored = value;
  else
    return DEFAULTVALUE(p);
  m_buffer[p - 1] = stored;
  if (m_bufferIsRow)
    m_rows[m_current - 1][p - 1] = stored;
  NOTIFY(NoticeFieldPut, m_structure.at(p - 1).name.toUpper());
  return stored;
}

QVariant ARRAYSERVER::FIELDPUT(const QString &field, const QVariant &value)
{
  return FIELDPUT(FIELDPOS(field), value);
}

int ARRAYSERVER::FIELDLEN(int field) const
{
  const int p = FIELDPOS(field);
  return p ? m_structure.at(p - 1).length : 0;
}

int ARRAYSERVER::FIELDLEN(const QString &field) const { return FIELDLEN(FIELDPOS(field)); }

QString ARRAYSERVER::FIELDNAME(int field) const
{
  const int p = FIELDPOS(field);
  return p ? m_structure.at(p - 1).name : QString();
}

QString ARRAYSERVER::FIELDNAME(const QString &field) const { return FIELDNAME(FIELDPOS(field)); }

QVariant ARRAYSERVER::DEFAULTVALUE(int field) const
{
  const QString t = typeOf(field);
  if (t == QLatin1String("C") || t == QLatin1String("M"))
    return QString();
  if (t == QLatin1String("N"))
    return 0.0;
  if (t == QLatin1String("D"))
    return QDate();
  if (t == QLatin1String("L"))
    return false;
  return QVariant();
}

ARRAYSERVER::Row ARRAYSERVER::EMPTYROW() const
{
  Row row;
  for (int i = 1; i <= FCOUNT(); ++i) {
    if (typeOf(i) == QLatin1String("C"))
      row.append(QString(m_structure.at(i - 1).length, QLatin1Char(' ')));
    else
      row.append(DEFAULTVALUE(i));
  }
  return row;
}

// -------------------------------------------------------------------- rows

bool ARRAYSERVER::APPEND()
{
  if (!NOTIFY(NoticeIntentToMove))
    return false;
  commitBuffer();
  m_rows.append(m_defaults);
  m_deleted.append(false);
  m_current = RECCOUNT();
  makeBufferTheRow();
  m_eof = m_bof = false;
  NOTIFY(NoticeAppended);
  return true;
}

bool ARRAYSERVER::DELETE()
{
  if (!atEnd()) {
    m_deleted[m_current - 1] = true;
    NOTIFY(NoticeDeleted);
  }
  return true;
}

bool ARRAYSERVER::RECALL()
{
  if (!atEnd())
    m_deleted[m_current - 1] = false;
  return true;
}

bool ARRAYSERVER::RECALLALL()
{
  std::fill(m_deleted.begin(), m_deleted.end(), false);
  return true;
}

bool ARRAYSERVER::DELETED() const { return !atEnd() && m_deleted.at(m_current - 1); }

bool ARRAYSERVER::PACK()
{
  if (m_packRule == PackRule::CurrentRow) {
    if (atEnd())
      return true;
    m_rows.removeAt(m_current - 1);
    m_deleted.removeAt(m_current - 1);
    const int count = RECCOUNT();
    if (m_current > count) {
      m_current = count;
      if (count == 0)
        m_eof = m_bof = true;
      else
        m_eof = m_bof = false;
    } else {
      m_eof = m_bof = false;
    }
  } else {
    // The grids' rule: every marked row goes; the server stays on the row it
    // stood on, or the next one that is kept.
    const bool wasAtEnd = atEnd();
    commitBuffer();
    int target = 0;
    int kept = 0;
    Rows rows;
    QList<bool> flags;
    for (int r = 1; r <= RECCOUNT(); ++r) {
      if (m_deleted.at(r - 1))
        continue;
      rows.append(m_rows.at(r - 1));
      flags.append(false);
      ++kept;
      if (!target && r >= m_current)
        target = kept;
    }
    m_rows = rows;
    m_deleted = flags;
    const int count = RECCOUNT();
    if (count == 0) {
      m_current = 0;
      m_eof = m_bof = true;
    } else if (wasAtEnd) {
      m_current = count + 1;
      m_eof = true;
      m_bof = false;
    } else {
      m_current = target ? target : count;
      m_eof = m_bof = false;
    }
  }
  if (atEnd())
    m_bufferIsRow = false;
  REFRESH();
  NOTIFY(NoticeFileChanged);
  return true;
}

bool ARRAYSERVER::COMMIT()
{
  commitBuffer();
  return true;
}

bool ARRAYSERVER::CLOSE()
{
  COMMIT();
  NOTIFY(NoticeClosed);
  return true;
}

// ----------------------------------------------------------------- notices

bool ARRAYSERVER::NOTIFY(int notice, const QString &description)
{
  if (m_suspended != 0)
    return true;
  bool goOn = true;
  // A client may remove itself (or others) while being told.
  const auto clients = m_clients;
  for (const auto &[id, client] : clients) {
    if (client && !client(notice, description))
      goOn = false;
  }
  return notice == NoticeIntentToMove ? goOn : true;
}

ARRAYSERVER &ARRAYSERVER::SUSPENDNOTIFICATION()
{
  ++m_suspended;
  return *this;
}

ARRAYSERVER &ARRAYSERVER::RESETNOTIFICATION()
{
  if (m_suspended > 0)
    --m_suspended;
  return *this;
}

int ARRAYSERVER::addClient(Client client)
{
  const int id = m_nextClientId++;
  m_clients.emplace(id, std::move(client));
  return id;
}

void ARRAYSERVER::removeClient(int id) { m_clients.erase(id); }

// ----------------------------------------------------- filter, sort, seek

bool ARRAYSERVER::SETDELETED() const { return m_deletedRule; }

bool ARRAYSERVER::SETDELETED(bool rule)
{
  m_deletedRule = rule;
  GOTOP();
  NOTIFY(NoticeFileChanged);
  return m_deletedRule;
}

void ARRAYSERVER::repositionOnFirstVisible()
{
  m_current = 1;
  m_eof = m_bof = false;
  if (hidden(1))
    goForward(1);
  loadCopy();
}

bool ARRAYSERVER::SETFILTER(const FilterBlock &block, const QString &text)
{
  if (!block || m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return m_filterActive;
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    m_filter = block;
    m_filterText = text;
    m_filterActive = true;
    repositionOnFirstVisible();
  }
  NOTIFY(NoticeWentTop);
  return true;
}

QString ARRAYSERVER::FILTER() const { return m_filterText; }

QString ARRAYSERVER::FILTER(const FilterBlock &block)
{
  SETFILTER(block, QString());
  return m_filterText;
}

bool ARRAYSERVER::CLEARFILTER()
{
  if (m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return !m_filterActive;
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    m_filter = nullptr;
    m_filterText.clear();
    m_filterActive = false;
    repositionOnFirstVisible();
  }
  NOTIFY(NoticeWentTop);
  return true;
}

bool ARRAYSERVER::SORT(int field)
{
  if (m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return true;
  const int p = FIELDPOS(field);
  if (p == 0)
    return true;
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return valueLess(m_rows.at(a).value(p - 1), m_rows.at(b).value(p - 1));
    });
    Rows rows;
    QList<bool> flags;
    rows.reserve(order.size());
    flags.reserve(order.size());
    for (int i : order) {
      rows.append(m_rows.at(i));
      flags.append(m_deleted.at(i));
    }
    m_rows = rows;
    m_deleted = flags;
    repositionOnFirstVisible();
  }
  NOTIFY(NoticeWentTop);
  return true;
}

bool ARRAYSERVER::SORT(const QString &field) { return SORT(FIELDPOS(field)); }

bool ARRAYSERVER::SEEK(const QVariant &value)
{
  return SEEK(SeekBlock([&value](const Row &row) { return seekMatches(row.value(0), value); }));
}

bool ARRAYSERVER::SEEK(const SeekBlock &block)
{
  if (!block || m_rows.isEmpty() || !NOTIFY(NoticeIntentToMove))
    return !atEnd();
  commitBuffer();
  int found = 0;
  for (int r = 1; r <= RECCOUNT() && !found; ++r) {
    // Only a row that passes the test and may be shown counts as found.
    if (block(m_rows.at(r - 1)) && !hidden(r))
      found = r;
  }
  if (found) {
    m_current = found;
    m_eof = m_bof = false;
    loadCopy();
  } else {
    m_current = RECCOUNT() + 1;
    m_eof = true;
    m_bufferIsRow = false;
  }
  NOTIFY(NoticeRecordChanged);
  return !atEnd();
}

// --------------------------------------------------- value and text forms

QString ARRAYSERVER::USUAL2STRING(const QVariant &value, int field, bool *ok) const
{
  if (ok)
    *ok = true;
  const int p = FIELDPOS(field);
  if (!p)
    return QString();
  const DbfField &f = m_structure.at(p - 1);
  const QString t = typeOf(p);
  auto fail = [ok]() {
    if (ok)
      *ok = false;
    return QString();
  };
  if (t == QLatin1String("C")) {
    if (value.isValid() && !isText(value))
      return fail();
    // Only blanks may be cut: cutting typed text would lose it.
    if (rt::RTrim(value.toString()).size() > f.length) {
      if (ok)
        *ok = false;
    }
    return rt::PadR(value.toString(), f.length);
  }
  if (t == QLatin1String("N")) {
    if (!value.isValid())
      return QString(f.length, QLatin1Char(' '));
    if (!isNumber(value))
      return fail();
    const QString s = rt::Str(value.toDouble(), f.length, f.decimals);
    // A number wider than its field is an error, never a row of asterisks.
    if (s.contains(QLatin1Char('*')))
      return fail();
    return s;
  }
  if (t == QLatin1String("D")) {
    if (value.isValid() && !isDate(value))
      return fail();
    return dateDigits(value.toDate());
  }
  if (t == QLatin1String("L")) {
    if (!value.isValid())
      return QStringLiteral(" ");
    if (!isLogic(value))
      return fail();
    return value.toBool() ? QStringLiteral("T") : QStringLiteral("F");
  }
  if (t == QLatin1String("M")) {
    if (value.isValid() && !isText(value))
      return fail();
    return value.toString();
  }
  return QString();
}

QVariant ARRAYSERVER::STRING2USUAL(const QString &text, int field) const
{
  const int p = FIELDPOS(field);
  if (!p)
    return QVariant();
  const DbfField &f = m_structure.at(p - 1);
  const QString t = typeOf(p);
  if (t == QLatin1String("C"))
    return rt::PadR(text, f.length);
  if (t == QLatin1String("N"))
    return rt::Val(text);
  if (t == QLatin1String("D"))
    return dateFromText(text);
  if (t == QLatin1String("L")) {
    const QString s = trimBlanks(text);
    return s == QLatin1String("Y") || s == QLatin1String("y") || s == QLatin1String("T") || s == QLatin1String("t");
  }
  if (t == QLatin1String("M"))
    return text;
  return QVariant();
}

// ------------------------------------------------------- import and export

bool ARRAYSERVER::failWith(const QString &message)
{
  m_error = message;
  return false;
}

void ARRAYSERVER::addImportedRow(const Row &row)
{
  Row r = row;
  while (r.size() < FCOUNT())
    r.append(QVariant());
  m_rows.append(r);
  m_deleted.append(false);
}

void ARRAYSERVER::endImport()
{
  if (m_rows.isEmpty())
    return;
  m_current = RECCOUNT();
  m_eof = m_bof = false;
  makeBufferTheRow();
}

bool ARRAYSERVER::APPENDDELIMITED(const QString &path, QChar separator)
{
  m_error.clear();
  QString text;
  if (!readWholeFile(path, text, m_error))
    return false;
  if (text.isEmpty())
    return true;
  NOTIFY(NoticeIntentToMove);
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    qsizetype pos = 0;
    while (pos < text.size()) {
      bool emptyLine = false;
      const QStringList fields = parseDelimitedRecord(text, pos, separator, emptyLine);
      if (emptyLine)
        continue;
      Row row = EMPTYROW();
      // Text after the structure's last field has no place and is left out.
      for (int i = 0; i < fields.size() && i < FCOUNT(); ++i)
        row[i] = STRING2USUAL(fields.at(i), i + 1);
      addImportedRow(row);
    }
    endImport();
  }
  NOTIFY(NoticeFileChanged);
  return true;
}

bool ARRAYSERVER::APPENDSDF(const QString &path)
{
  m_error.clear();
  QString text;
  if (!readWholeFile(path, text, m_error))
    return false;
  if (text.isEmpty())
    return true;
  NOTIFY(NoticeIntentToMove);
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    for (const QString &line : splitLines(text)) {
      if (line.isEmpty())
        continue;
      Row row = EMPTYROW();
      qsizetype pos = 0;
      for (int i = 1; i <= FCOUNT(); ++i) {
        if (trimBlanks(line.mid(pos)).isEmpty())
          break;
        const QString t = typeOf(i);
        const int width = t == QLatin1String("D") ? 8 : t == QLatin1String("L") ? 1 : FIELDLEN(i);
        const QString slice = line.mid(pos, width);
        pos += width;
        // A text field keeps its leading blanks: they are part of the value.
        row[i - 1] = STRING2USUAL(t == QLatin1String("C") ? slice : trimBlanks(slice), i);
      }
      addImportedRow(row);
    }
    endImport();
  }
  NOTIFY(NoticeFileChanged);
  return true;
}

bool ARRAYSERVER::COPYDELIMITED(const QString &path, QChar separator)
{
  m_error.clear();
  QString out;
  for (int r = 0; r < RECCOUNT(); ++r) {
    for (int i = 1; i <= FCOUNT(); ++i) {
      bool ok = true;
      QString s = USUAL2STRING(m_rows.at(r).value(i - 1), i, &ok);
      if (!ok)
        return failWith(QStringLiteral("%1. satırın %2 alanı yazılamıyor: değer alana sığmıyor ya da türü uymuyor.")
                            .arg(r + 1)
                            .arg(FIELDNAME(i)));
      const QString trimmed = trimBlanks(s);
      // Leading blanks are part of a text, but only padding in a number.
      const bool isTextField = typeOf(i) == QLatin1String("C") || typeOf(i) == QLatin1String("M");
      const bool needsQuotes = s.contains(separator) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\r')) ||
                               s.contains(QLatin1Char('\n')) ||
                               (isTextField && !trimmed.isEmpty() && s.front() == QLatin1Char(' ')) ||
                               (typeOf(i) == QLatin1String("M") && !trimmed.isEmpty() && s.back() == QLatin1Char(' '));
      if (needsQuotes) {
        s.replace(QLatin1String("\""), QLatin1String("\"\""));
        s = QLatin1Char('"') + s + QLatin1Char('"');
      }
      if (i > 1)
        out += separator;
      out += s;
    }
    out += QLatin1String("\r\n");
  }
  return writeTextExport(path, out);
}

bool ARRAYSERVER::writeTextExport(const QString &path, const QString &text)
{
  bool lossless = true;
  const QByteArray bytes = cp1254::encode(text, &lossless);
  if (!lossless)
    return failWith(QStringLiteral("%1 yazılamadı: 1254 kod sayfasında olmayan bir karakter var.")
                        .arg(QDir::toNativeSeparators(path)));
  NOTIFY(NoticeIntentToMove);
  bool written = false;
  {
    SuspendGuard quiet(*this);
    written = writeFileAtomically(path, bytes, &m_error);
  }
  NOTIFY(NoticeFileChanged);
  return written;
}

bool ARRAYSERVER::COPYSDF(const QString &path)
{
  m_error.clear();
  QString out;
  for (int r = 0; r < RECCOUNT(); ++r) {
    for (int i = 1; i <= FCOUNT(); ++i) {
      bool ok = true;
      const QString s = USUAL2STRING(m_rows.at(r).value(i - 1), i, &ok);
      if (!ok)
        return failWith(QStringLiteral("%1. satırın %2 alanı yazılamıyor: değer alana sığmıyor ya da türü uymuyor.")
                            .arg(r + 1)
                            .arg(FIELDNAME(i)));
      // A line break would split the record in two when it is read back.
      if (s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')))
        return failWith(QStringLiteral("%1. satırın %2 alanı satır sonu içeriyor; sabit genişlikli metne yazılamaz.")
                            .arg(r + 1)
                            .arg(FIELDNAME(i)));
      out += s;
    }
    out += QLatin1String("\r\n");
  }
  return writeTextExport(path, out);
}

bool ARRAYSERVER::APPENDDB(DbfTable &table)
{
  m_error.clear();
  if (!table.isOpen())
    return failWith(QStringLiteral("Tablo açık değil."));
  NOTIFY(NoticeIntentToMove);
  {
    SuspendGuard quiet(*this);
    commitBuffer();
    // Where each structure field comes from in the table (-1: it lacks it).
    QList<int> source;
    for (const DbfField &f : m_structure)
      source.append(table.fieldIndex(f.name));
    table.goTop();
    while (!table.eof()) {
      Row row;
      for (int i = 0; i < FCOUNT(); ++i) {
        const int k = source.at(i);
        if (k < 0) {
          row.append(QVariant());
          continue;
        }
        const QChar type = table.fields().at(k).type.toUpper();
        if (type == QLatin1Char('N'))
          row.append(table.numberGet(k));
        else if (type == QLatin1Char('D'))
          row.append(table.dateGet(k));
        else if (type == QLatin1Char('L'))
          row.append(table.fieldGet(k) == QLatin1String("T"));
        else
          row.append(table.fieldGet(k));
      }
      addImportedRow(row);
      if (!table.skip(1))
        break;
    }
    endImport();
  }
  NOTIFY(NoticeFileChanged);
  return true;
}

bool ARRAYSERVER::APPENDDB(const QString &path)
{
  m_error.clear();
  DbfTable table;
  if (!table.open(path, DbfTable::OpenMode::ReadOnly))
    return failWith(table.errorString());
  const bool ok = APPENDDB(table);
  table.close();
  return ok;
}

namespace {

// The rows as records of `fields`, each value in the table's own text form;
// false (with `error`) when a value does not fit or has another type.
bool rowsAsRecords(const ARRAYSERVER &server, const QList<DbfField> &fields, QList<DbfRecord> &records,
                   QString &error)
{
  QList<int> source;
  for (const DbfField &f : fields)
    source.append(server.FIELDPOS(f.name));
  for (int r = 0; r < server.RECCOUNT(); ++r) {
    DbfRecord rec;
    const ARRAYSERVER::Row &row = server.DATA().at(r);
    for (int k = 0; k < fields.size(); ++k) {
      const DbfField &f = fields.at(k);
      const QChar type = f.type.toUpper();
      const int p = source.at(k);
      const QVariant v = p ? row.value(p - 1) : QVariant();
      QString text;
      bool ok = true;
      if (!v.isValid()) {
        text = QString(f.length, QLatin1Char(' '));
      } else if (type == QLatin1Char('N')) {
        ok = isNumber(v);
        if (ok) {
          text = rt::Str(v.toDouble(), f.length, f.decimals);
          ok = !text.contains(QLatin1Char('*'));
        }
      } else if (type == QLatin1Char('D')) {
        ok = isDate(v);
        text = dateDigits(v.toDate());
      } else if (type == QLatin1Char('L')) {
        ok = isLogic(v);
        text = v.toBool() ? QStringLiteral("T") : QStringLiteral("F");
      } else {
        ok = isText(v) && rt::RTrim(v.toString()).size() <= f.length;
        text = rt::PadR(v.toString(), f.length);
      }
      if (!ok) {
        error = QStringLiteral("%1. satırın %2 alanı tabloya yazılamıyor: değer alana sığmıyor ya da türü uymuyor.")
                    .arg(r + 1)
                    .arg(f.name);
        return false;
      }
      rec.values.append(text);
    }
    records.append(rec);
  }
  return true;
}

} // namespace

bool ARRAYSERVER::COPYDB(DbfTable &table)
{
  m_error.clear();
  if (!table.isOpen())
    return failWith(QStringLiteral("Tablo açık değil."));
  QList<DbfRecord> records = table.allRecords();
  QList<DbfRecord> added;
  if (!rowsAsRecords(*this, table.fields(), added, m_error))
    return false;
  records.append(added);
  NOTIFY(NoticeIntentToMove);
  bool ok = false;
  {
    SuspendGuard quiet(*this);
    ok = table.rewrite(records);
    if (!ok)
      m_error = table.errorString();
  }
  NOTIFY(NoticeFileChanged);
  return ok;
}

bool ARRAYSERVER::COPYDB(const QString &path)
{
  m_error.clear();
  if (QFileInfo::exists(path)) {
    DbfTable table;
    if (!table.open(path, DbfTable::OpenMode::Exclusive))
      return failWith(table.errorString());
    const bool ok = COPYDB(table);
    table.close();
    return ok;
  }
  QList<DbfField> fields;
  for (const DbfField &f : m_structure) {
    if (f.type.toUpper() == QLatin1Char('M'))
      return failWith(QStringLiteral("%1 alanı not alanı; dBASE tablosuna yazılamaz.").arg(f.name));
    DbfField g = f;
    g.type = f.type.toUpper();
    if (g.type == QLatin1Char('D'))
      g.length = 8;
    else if (g.type == QLatin1Char('L'))
      g.length = 1;
    fields.append(g);
  }
  if (!DbfTable::checkFields(fields, &m_error))
    return false;
  QList<DbfRecord> records;
  if (!rowsAsRecords(*this, fields, records, m_error))
    return false;
  NOTIFY(NoticeIntentToMove);
  bool ok = false;
  {
    SuspendGuard quiet(*this);
    ok = DbfTable::writeTable(path, fields, records, &m_error);
  }
  NOTIFY(NoticeFileChanged);
  return ok;
}

} // namespace vz
