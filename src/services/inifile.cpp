#include "services/inifile.h"

#include "platform/cp1254.h"
#include "platform/fileerror.h"
#include "platform/rtext.h"
#include "platform/savefile.h"
#include "services/latebound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>

namespace vz {

struct INIFILE::Lines {
  QStringList lines;
  QString eol = QStringLiteral("\r\n");
  bool finalEol = true;
  bool exists = false;
};

namespace {

bool isComment(const QString &trimmed)
{
  return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// The section a header line opens, or a null string when it is no header.
QString sectionName(const QString &line)
{
  const QString t = line.trimmed();
  if (!t.startsWith(QLatin1Char('[')))
    return QString();
  const qsizetype close = t.indexOf(QLatin1Char(']'));
  if (close < 0)
    return QString();
  const QString name = t.mid(1, close - 1).trimmed();
  return name.isNull() ? QStringLiteral("") : name;
}

bool isHeader(const QString &line) { return !sectionName(line).isNull(); }

// The key of a "key=value" line, or a null string.
QString keyName(const QString &line)
{
  const QString t = line.trimmed();
  if (t.isEmpty() || isComment(t) || isHeader(line))
    return QString();
  const qsizetype eq = t.indexOf(QLatin1Char('='));
  if (eq <= 0)
    return QString();
  return t.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
  const qsizetype eq = line.indexOf(QLatin1Char('='));
  QString v = rt::AllTrim(line.mid(eq + 1));
  if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// [first, end) line range of a section's body, first = the header; -1 when absent.
std::pair<int, int> findSection(const QStringList &lines, const QString &section)
{
  for (int i = 0; i < lines.size(); ++i) {
    const QString name = sectionName(lines.at(i));
    if (!name.isNull() && sameName(name, section)) {
      int end = i + 1;
      while (end < lines.size() && !isHeader(lines.at(end)))
        ++end;
      return {i, end};
    }
  }
  return {-1, -1};
}

int findKey(const QStringList &lines, std::pair<int, int> range, const QString &key)
{
  for (int i = range.first + 1; i < range.second; ++i) {
    const QString k = keyName(lines.at(i));
    if (!k.isNull() && sameName(k, key))
      return i;
  }
  return -1;
}

bool hasLineBreak(const QString &s) { return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')); }

} // namespace

INIFILE::INIFILE(const QString &fileName) : m_fileName(fileName) {}

QString INIFILE::FILENAME() const { return m_fileName; }

QString INIFILE::FILENAME(const QString &fileName)
{
  m_fileName = fileName;
  return m_fileName;
}

QString INIFILE::resolve(const QString &fileName)
{
  const QString trimmed = rt::AllTrim(fileName);
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tervolu");
  if (trimmed.compare(QLatin1String("WIN"), Qt::CaseInsensitive) == 0)
    return folder + QStringLiteral("/WIN.INI");
  if (!trimmed.contains(QLatin1Char('/')))
    return folder + QLatin1Char('/') + trimmed;
  return trimmed;
}

QString INIFILE::path() const { return resolve(m_fileName); }
QString INIFILE::errorString() const { return m_error; }

bool INIFILE::CREATE()
{
  m_error.clear();
  if (rt::AllTrim(m_fileName).compare(QLatin1String("WIN"), Qt::CaseInsensitive) == 0) {
    m_error = QStringLiteral("WIN adlı dosya oluşturulamaz.");
    return false;
  }
  if (rt::AllTrim(m_fileName).isEmpty()) {
    m_error = QStringLiteral("Dosya adı boş.");
    return false;
  }
  const QString p = path();
  QDir().mkpath(QFileInfo(p).path());
  return writeFileAtomically(p, QByteArray(), &m_error);
}

bool INIFILE::load(Lines &out) const
{
  QFile f(path());
  if (!f.exists())
    return true;
  if (!f.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("%1 açılamadı: %2").arg(QDir::toNativeSeparators(path()), fileErrorReason(f));
    return false;
  }
  const QString text = cp1254::decode(f.readAll());
  out.exists = true;
  out.eol = text.contains(QLatin1String("\r\n")) || !text.contains(QLatin1Char('\n')) ? QStringLiteral("\r\n")
                                                                                      : QStringLiteral("\n");
  out.finalEol = text.isEmpty() || text.endsWith(QLatin1Char('\n'));
  QString body = text;
  if (body.endsWith(QLatin1Char('\n')))
    body.chop(1);
  if (body.endsWith(QLatin1Char('\r')))
    body.chop(1);
  if (!text.isEmpty()) {
    out.lines = body.split(QLatin1Char('\n'));
    for (QString &l : out.lines) {
      if (l.endsWith(QLatin1Char('\r')))
        l.chop(1);
    }
  }
  return true;
}

bool INIFILE::save(const Lines &in)
{
  QString text = in.lines.join(in.eol);
  if (!in.lines.isEmpty() && (in.finalEol || !in.exists))
    text += in.eol;
  bool lossless = true;
  const QByteArray bytes = cp1254::encode(text, &lossless);
  if (!lossless) {
    m_error = QStringLiteral("1254 kod sayfasında olmayan bir karakter var.");
    return false;
  }
  const QString p = path();
  QDir().mkpath(QFileInfo(p).path());
  return writeFileAtomically(p, bytes, &m_error);
}

QString INIFILE::GETSTRING(const QString &section, const QString &key) const
{
  Lines l;
  if (!load(l))
    return QString();
  const auto range = findSection(l.lines, section);
  if (range.first < 0)
    return QString();
  const int i = findKey(l.lines, range, key);
  return i < 0 ? QString() : valueOf(l.lines.at(i));
}

QString INIFILE::GETSTRINGUPPER(const QString &section, const QString &key) const
{
  return GETSTRING(section, key).toUpper();
}

int INIFILE::GETINT(const QString &section, const QString &key) const
{
  const QString v = GETSTRING(section, key);
  qsizetype i = 0;
  bool negative = false;
  if (i < v.size() && (v.at(i) == QLatin1Char('-') || v.at(i) == QLatin1Char('+')))
    negative = v.at(i++) == QLatin1Char('-');
  qint64 n = 0;
  while (i < v.size() && v.at(i).isDigit() && v.at(i).unicode() < 128) {
    n = n * 10 + (v.at(i).unicode() - '0');
    if (n > qint64(INT_MAX) + 1)
      return 0;
    ++i;
  }
  n = negative ? -n : n;
  if (n > INT_MAX || n < INT_MIN)
    return 0;
  return int(n);
}

bool INIFILE::GETLOGIC(const QString &section, const QString &key) const
{
  const QString v = GETSTRINGUPPER(section, key);
  return v == QLatin1String("TRUE") || v == QLatin1String("ON") || v == QLatin1String("YES");
}

QList<QPair<QString, QString>> INIFILE::GETSECTION(const QString &section) const
{
  QList<QPair<QString, QString>> out;
  Lines l;
  if (!load(l))
    return out;
  const auto range = findSection(l.lines, section);
  if (range.first < 0)
    return out;
  QStringList seen;
  for (int i = range.first + 1; i < range.second; ++i) {
    const QString k = keyName(l.lines.at(i));
    if (k.isNull() || seen.contains(k, Qt::CaseInsensitive))
      continue;
    seen.append(k);
    out.append({k, valueOf(l.lines.at(i))});
  }
  return out;
}

bool INIFILE::SETSTRING(const QString &section, const QString &key, const QString &value)
{
  m_error.clear();
  const QString s = section.trimmed();
  const QString k = key.trimmed();
  if (s.isEmpty() || hasLineBreak(s) || s.contains(QLatin1Char(']')) || k.isEmpty() || hasLineBreak(k) ||
      k.contains(QLatin1Char('=')) || k.startsWith(QLatin1Char('[')) || isComment(k) || hasLineBreak(value)) {
    m_error = QStringLiteral("Bölüm, anahtar ya da değer dosyaya yazılamaz: %1 / %2").arg(section, key);
    return false;
  }
  Lines l;
  if (!load(l))
    return false;
  const QString line = k + QLatin1Char('=') + value;
  auto range = findSection(l.lines, s);
  if (range.first < 0) {
    l.lines.append(QLatin1Char('[') + s + QLatin1Char(']'));
    l.lines.append(line);
    return save(l);
  }
  const int i = findKey(l.lines, range, k);
  if (i >= 0) {
    // The key keeps its spelling in the file.
    l.lines[i] = keyName(l.lines.at(i)) + QLatin1Char('=') + value;
    return save(l);
  }
  // After the section's last line that is not blank, so a blank line that
  // separates it from the next section stays where it is.
  int at = range.second;
  while (at - 1 > range.first && l.lines.at(at - 1).trimmed().isEmpty())
    --at;
  l.lines.insert(at, line);
  return save(l);
}

bool INIFILE::SETINT(const QString &section, const QString &key, int value)
{
  return SETSTRING(section, key, QString::number(value));
}

bool INIFILE::SETLOGIC(const QString &section, const QString &key, bool value)
{
  return SETSTRING(section, key, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

bool INIFILE::DELETESECTION(const QString &section)
{
  m_error.clear();
  Lines l;
  if (!load(l))
    return false;
  const auto range = findSection(l.lines, section.trimmed());
  if (range.first < 0)
    return true;
  l.lines.remove(range.first, range.second - range.first);
  return save(l);
}

bool INIFILE::DELETEENTRY(const QString &section, const QString &key)
{
  m_error.clear();
  Lines l;
  if (!load(l))
    return false;
  const auto range = findSection(l.lines, section.trimmed());
  if (range.first < 0)
    return true;
  const int i = findKey(l.lines, range, key.trimmed());
  if (i < 0)
    return true;
  l.lines.removeAt(i);
  return save(l);
}

QVariant INIFILE::SEND(const QString &operation, const QVariantList &args)
{
  using latebound::toInt32;
  using latebound::toLogic;
  using latebound::toText;
  const QString op = operation.trimmed().toUpper();
  const auto n = args.size();

  if (op == QStringLiteral("CREATE"))
    return n == 0 ? QVariant(CREATE()) : QVariant();
  if (op == QStringLiteral("FILENAME") && n == 0)
    return FILENAME();

  // SETINT and SETLOGIC take a number or a flag last; every other argument
  // of every operation is text.
  const bool setInt = op == QStringLiteral("SETINT");
  const bool setLogic = op == QStringLiteral("SETLOGIC");
  const qsizetype texts = (setInt || setLogic) ? n - 1 : n;
  QStringList t;
  for (qsizetype i = 0; i < texts; ++i) {
    const auto a = toText(args.at(i));
    if (!a)
      return {};
    t << *a;
  }

  if (n == 1) {
    if (op == QStringLiteral("FILENAME"))
      return FILENAME(t[0]);
    if (op == QStringLiteral("DELETESECTION"))
      return DELETESECTION(t[0]);
    if (op == QStringLiteral("GETSECTION")) {
      QVariantList pairs;
      for (const auto &[key, value] : GETSECTION(t[0]))
        pairs.append(QVariant(QVariantList{key, value}));
      return pairs;
    }
  } else if (n == 2) {
    if (op == QStringLiteral("GETSTRING"))
      return GETSTRING(t[0], t[1]);
    if (op == QStringLiteral("GETSTRINGUPPER"))
      return GETSTRINGUPPER(t[0], t[1]);
    if (op == QStringLiteral("GETINT"))
      return GETINT(t[0], t[1]);
    if (op == QStringLiteral("GETLOGIC"))
      return GETLOGIC(t[0], t[1]);
    if (op == QStringLiteral("DELETEENTRY"))
      return DELETEENTRY(t[0], t[1]);
  } else if (n == 3) {
    if (op == QStringLiteral("SETSTRING"))
      return SETSTRING(t[0], t[1], t[2]);
    if (setInt)
      if (const auto v = toInt32(args.at(2)))
        return SETINT(t[0], t[1], *v);
    if (setLogic)
      if (const auto v = toLogic(args.at(2)))
        return SETLOGIC(t[0], t[1], *v);
  }
  return {};
}

} // namespace vz
