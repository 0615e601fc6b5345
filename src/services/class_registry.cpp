#include "services/class_registry.h"

#include "platform/fileerror.h"
#include "platform/savefile.h"
#include "services/latebound.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <functional>
#include <optional>

namespace vz {

namespace {

// The registry's unnamed (default) value needs a key name in the file.
const QString kDefaultValueKey = QStringLiteral("@");
const QString kDwordPrefix = QStringLiteral("dword:");
const QString kStringPrefix = QStringLiteral("sz:");

// Where one full key lives: a folder that holds sub keys only, or a file
// (with a group inside it) that holds values.
struct Location {
  enum Kind { Folder, File } kind = Folder;
  QString file;    // File: the settings file
  QString group;   // File: the group inside it ("" = the file's top level)
  QString folder;  // Folder, and File keys whose sub keys are files
  bool subKeysAreGroups = false;
  std::int32_t status = CLASS_REGISTRY::ERROR_SUCCESS;
};

Location locate(CLASS_REGISTRY::RootKey root, const QString &fullKey)
{
  Location loc;
  const QString base = CLASS_REGISTRY::rootFolder(root);
  if (fullKey.isEmpty() || fullKey == QLatin1String("\\")) {
    loc.folder = base;
    return loc;
  }
  const QStringList parts = fullKey.split(QLatin1Char('\\'));
  for (const QString &p : parts) {
    // A path must never climb out of its root folder or name nothing.
    if (p.isEmpty() || p == QLatin1String(".") || p == QLatin1String("..") || p.contains(QLatin1Char('/'))) {
      loc.status = CLASS_REGISTRY::ERROR_BAD_PATHNAME;
      return loc;
    }
  }
  if (parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0) {
    if (parts.size() == 1) {
      loc.folder = base;
      return loc;
    }
    if (parts.size() == 2) {
      loc.folder = base + QLatin1Char('/') + parts.at(1);
      return loc;
    }
    loc.kind = Location::File;
    loc.file = base + QLatin1Char('/') + parts.at(1) + QLatin1Char('/') + parts.at(2) + QStringLiteral(".conf");
    loc.group = parts.mid(3).join(QLatin1Char('/'));
    loc.subKeysAreGroups = true;
    return loc;
  }
  loc.kind = Location::File;
  loc.folder = base + QLatin1Char('/') + parts.join(QLatin1Char('/'));
  loc.file = loc.folder + QStringLiteral(".conf");
  return loc;
}

std::int32_t settingsStatus(const QSettings &s)
{
  switch (s.status()) {
  case QSettings::NoError: return CLASS_REGISTRY::ERROR_SUCCESS;
  case QSettings::AccessError: return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
  case QSettings::FormatError: return CLASS_REGISTRY::ERROR_REGISTRY_CORRUPT;
  }
  return CLASS_REGISTRY::ERROR_BADDB;
}

bool groupExists(QSettings &s, const QString &group)
{
  if (group.isEmpty())
    return true;
  const int cut = group.lastIndexOf(QLatin1Char('/'));
  if (cut >= 0)
    s.beginGroup(group.left(cut));
  const bool found = s.childGroups().contains(group.mid(cut + 1));
  if (cut >= 0)
    s.endGroup();
  return found;
}

// Whether the key exists, as RegOpenKeyEx would answer.
std::int32_t openStatus(const Location &loc)
{
  if (loc.status != CLASS_REGISTRY::ERROR_SUCCESS)
    return loc.status;
  if (loc.kind == Location::Folder)
    return QFileInfo(loc.folder).isDir() ? CLASS_REGISTRY::ERROR_SUCCESS : CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
  if (!loc.subKeysAreGroups)
    return QFileInfo::exists(loc.file) || QFileInfo(loc.folder).isDir() ? CLASS_REGISTRY::ERROR_SUCCESS
                                                                        : CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
  if (!QFileInfo::exists(loc.file))
    return CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
  QSettings s(loc.file, QSettings::NativeFormat);
  if (s.status() != QSettings::NoError)
    return settingsStatus(s);
  return groupExists(s, loc.group) ? CLASS_REGISTRY::ERROR_SUCCESS : CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
}

// Qt's own settings writer can answer success with a cut file when a write
// fails (a full disk renamed a 2 KiB remnant over a 3 KiB settings file). So
// a change is made on a scratch copy, read back and compared with what was
// meant, and only then put in place by the one atomic writer: a failure
// leaves the settings file as it was and is answered as a write fault.
// `why` (when given) gets the file system's reason where a write was refused.
std::int32_t changeSettings(const QString &file, const QString &group,
                            const std::function<void(QSettings &)> &change, QString *why = nullptr)
{
  {
    QSettings real(file, QSettings::NativeFormat);
    if (!real.isWritable()) {
      if (why) {
        const QFileInfo info(file);
        *why = info.exists() && !info.isWritable() ? readOnlyFileReason() : fileErrorReason(EACCES);
      }
      return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
    }
  }
  QByteArray before;
  if (QFile in(file); in.exists()) {
    if (!in.open(QIODevice::ReadOnly)) {
      if (why)
        *why = fileErrorReason(in);
      return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
    }
    before = in.readAll();
  }
  const QTemporaryDir scratchDir;
  const QString scratch = scratchDir.filePath(QStringLiteral("settings.ini"));
  if (!scratchDir.isValid() || !writeFileAtomically(scratch, before, why))
    return CLASS_REGISTRY::ERROR_WRITE_FAULT;
  QMap<QString, QVariant> meant;
  {
    QSettings s(scratch, QSettings::NativeFormat);
    if (s.status() != QSettings::NoError)
      return settingsStatus(s);
    if (!group.isEmpty())
      s.beginGroup(group);
    change(s);
    if (!group.isEmpty())
      s.endGroup();
    for (const QString &key : s.allKeys())
      meant.insert(key, s.value(key));
    s.sync();
    if (s.status() != QSettings::NoError)
      return settingsStatus(s);
  }
  QMap<QString, QVariant> written;
  {
    const QSettings back(scratch, QSettings::NativeFormat);
    for (const QString &key : back.allKeys())
      written.insert(key, back.value(key));
    if (back.status() != QSettings::NoError || written != meant)
      return CLASS_REGISTRY::ERROR_WRITE_FAULT;
  }
  QFile done(scratch);
  if (!done.open(QIODevice::ReadOnly) || !writeFileAtomically(file, done.readAll(), why))
    return CLASS_REGISTRY::ERROR_WRITE_FAULT;
  return CLASS_REGISTRY::ERROR_SUCCESS;
}

QString valueKey(const QString &valueName)
{
  return valueName.isEmpty() ? kDefaultValueKey : valueName;
}

bool validValueName(const QString &valueName)
{
  // QSettings takes both slashes as group separators.
  return !valueName.contains(QLatin1Char('/')) && !valueName.contains(QLatin1Char('\\'));
}

struct StoredValue {
  bool isDword = false;
  QString text;
  std::uint32_t dword = 0;
};

StoredValue decodeValue(const QVariant &v)
{
  StoredValue out;
  const QString raw = v.typeId() == QMetaType::QStringList ? v.toStringList().join(QLatin1Char(',')) : v.toString();
  if (raw.startsWith(kDwordPrefix) && raw.size() == kDwordPrefix.size() + 8) {
    bool ok = false;
    const uint n = raw.mid(kDwordPrefix.size()).toUInt(&ok, 16);
    if (ok) {
      out.isDword = true;
      out.dword = n;
      return out;
    }
  }
  out.text = raw.startsWith(kStringPrefix) ? raw.mid(kStringPrefix.size()) : raw;
  return out;
}

QString encodeString(const QString &text)
{
  if (text.startsWith(kDwordPrefix) || text.startsWith(kStringPrefix))
    return kStringPrefix + text;
  return text;
}

QString encodeDword(std::uint32_t n)
{
  return kDwordPrefix + QStringLiteral("%1").arg(n, 8, 16, QLatin1Char('0'));
}

// Makes the file (and its folders) of a key that holds values.
std::int32_t ensureKey(const Location &loc)
{
  if (loc.status != CLASS_REGISTRY::ERROR_SUCCESS)
    return loc.status;
  if (loc.kind == Location::Folder)
    return QDir().mkpath(loc.folder) ? CLASS_REGISTRY::ERROR_SUCCESS : CLASS_REGISTRY::ERROR_ACCESS_DENIED;
  if (!QDir().mkpath(QFileInfo(loc.file).path()))
    return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
  if (!QFileInfo::exists(loc.file) && !writeFileAtomically(loc.file, QByteArray()))
    return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
  return CLASS_REGISTRY::ERROR_SUCCESS;
}

// Reads one value of an existing key; nullopt with `status` set otherwise.
std::optional<StoredValue> readValue(const Location &loc, const QString &valueName, std::int32_t &status)
{
  status = openStatus(loc);
  if (status != CLASS_REGISTRY::ERROR_SUCCESS)
    return std::nullopt;
  if (loc.kind == Location::Folder || !validValueName(valueName) || !QFileInfo::exists(loc.file)) {
    status = CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
    return std::nullopt;
  }
  QSettings s(loc.file, QSettings::NativeFormat);
  if (!loc.group.isEmpty())
    s.beginGroup(loc.group);
  const QString key = valueKey(valueName);
  if (!s.contains(key)) {
    status = CLASS_REGISTRY::ERROR_FILE_NOT_FOUND;
    return std::nullopt;
  }
  status = CLASS_REGISTRY::ERROR_SUCCESS;
  return decodeValue(s.value(key));
}

std::int32_t writeValue(const Location &loc, const QString &valueName, const QString &stored,
                        QString *why)
{
  if (loc.status != CLASS_REGISTRY::ERROR_SUCCESS)
    return loc.status;
  if (loc.kind == Location::Folder)
    return CLASS_REGISTRY::ERROR_ACCESS_DENIED;
  if (!validValueName(valueName))
    return CLASS_REGISTRY::ERROR_INVALID_PARAMETER;
  const std::int32_t made = ensureKey(loc);
  if (made != CLASS_REGISTRY::ERROR_SUCCESS)
    return made;
  return changeSettings(
      loc.file, loc.group, [&](QSettings &s) { s.setValue(valueKey(valueName), stored); }, why);
}

QStringList folderEntries(const QString &folder)
{
  QDir dir(folder);
  QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  const QStringList files = dir.entryList({QStringLiteral("*.conf")}, QDir::Files);
  for (const QString &f : files) {
    const QString name = f.left(f.size() - 5);
    if (!names.contains(name))
      names.append(name);
  }
  names.sort(Qt::CaseInsensitive);
  return names;
}

} // namespace

CLASS_REGISTRY::CLASS_REGISTRY() = default;
CLASS_REGISTRY::~CLASS_REGISTRY() = default;

QString CLASS_REGISTRY::normaliseSubKey(const QString &subKey)
{
  // Only blanks count: tabs and line breaks are part of a key name.
  QString s = subKey;
  while (!s.isEmpty() && s.front() == QLatin1Char(' '))
    s.remove(0, 1);
  while (!s.isEmpty() && s.back() == QLatin1Char(' '))
    s.chop(1);
  while (s.size() > 1 && s.endsWith(QLatin1Char('\\')))
    s.chop(1);
  while (s.size() > 1 && s.startsWith(QLatin1Char('\\')))
    s.remove(0, 1);
  return s;
}

QString CLASS_REGISTRY::WORKING_SUBKEY() const { return m_workingSubKey; }

QString CLASS_REGISTRY::WORKING_SUBKEY(const QString &subKey)
{
  m_workingSubKey = normaliseSubKey(subKey);
  return m_workingSubKey;
}

CLASS_REGISTRY::RootKey CLASS_REGISTRY::HKEY() const { return m_root; }

CLASS_REGISTRY::RootKey CLASS_REGISTRY::HKEY(RootKey root)
{
  switch (root) {
  case HKEY_CLASSES_ROOT:
  case HKEY_CURRENT_USER:
  case HKEY_LOCAL_MACHINE:
  case HKEY_USERS:
  case HKEY_CURRENT_CONFIG:
  case HKEY_DYN_DATA:
    m_root = root;
    break;
  default:
    m_root = HKEY_LOCAL_MACHINE;
  }
  return m_root;
}

std::int32_t CLASS_REGISTRY::LASTERROR() const { return m_lastError; }
QString CLASS_REGISTRY::LASTERRORTEXT() const { return m_lastErrorText; }
std::int32_t CLASS_REGISTRY::LASTERROR(std::int32_t status) { return m_lastError = status; }

QString CLASS_REGISTRY::BUILD_FULL_SUBKEY(const QString &subKey) const
{
  QString arg = normaliseSubKey(subKey);
  if (arg == QLatin1String("\\"))
    arg.clear();
  if (arg.isEmpty())
    return m_workingSubKey;
  if (m_workingSubKey.trimmed().isEmpty())
    return arg;
  return m_workingSubKey + QLatin1Char('\\') + arg;
}

QString CLASS_REGISTRY::rootName(RootKey root)
{
  switch (root) {
  case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
  case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
  case HKEY_USERS: return QStringLiteral("HKEY_USERS");
  case HKEY_CURRENT_CONFIG: return QStringLiteral("HKEY_CURRENT_CONFIG");
  case HKEY_DYN_DATA: return QStringLiteral("HKEY_DYN_DATA");
  default: return QStringLiteral("HKEY_LOCAL_MACHINE");
  }
}

QString CLASS_REGISTRY::rootFolder(RootKey root)
{
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (root == HKEY_LOCAL_MACHINE)
    return config;
  return config + QLatin1Char('/') + rootName(root);
}

QString CLASS_REGISTRY::GETSTRING(const QString &subKey, const QString &valueName)
{
  std::int32_t status = ERROR_SUCCESS;
  const auto v = readValue(locate(m_root, BUILD_FULL_SUBKEY(subKey)), valueName, status);
  m_lastError = status;
  if (!v || v->isDword)
    return QString();
  QString text = v->text;
  while (!text.isEmpty() && text.back() == QLatin1Char(' '))
    text.chop(1);
  return text;
}

std::int32_t CLASS_REGISTRY::GETINT(const QString &subKey, const QString &valueName)
{
  std::int32_t status = ERROR_SUCCESS;
  const auto v = readValue(locate(m_root, BUILD_FULL_SUBKEY(subKey)), valueName, status);
  m_lastError = status;
  if (!v || !v->isDword)
    return 0;
  return static_cast<std::int32_t>(v->dword);
}

std::int32_t CLASS_REGISTRY::CREATEKEY(const QString &subKey)
{
  return m_lastError = ensureKey(locate(m_root, BUILD_FULL_SUBKEY(subKey)));
}

std::int32_t CLASS_REGISTRY::CREATESUBKEY(const QString &subKey) { return CREATEKEY(subKey); }

std::int32_t CLASS_REGISTRY::WRITESTRING(const QString &subKey, const QString &valueName, const QString &value)
{
  const QString text = value.left(MaxStringLength);
  m_lastErrorText.clear();
  return m_lastError = writeValue(locate(m_root, BUILD_FULL_SUBKEY(subKey)), valueName, encodeString(text),
                                  &m_lastErrorText);
}

std::int32_t CLASS_REGISTRY::WRITEINT(const QString &subKey, const QString &valueName, std::int32_t value)
{
  m_lastErrorText.clear();
  return m_lastError = writeValue(locate(m_root, BUILD_FULL_SUBKEY(subKey)), valueName,
                                  encodeDword(static_cast<std::uint32_t>(value)), &m_lastErrorText);
}

QStringList CLASS_REGISTRY::GET_SUBKEY_VALUENAMES(const QString &subKey)
{
  const Location loc = locate(m_root, BUILD_FULL_SUBKEY(subKey));
  m_lastError = openStatus(loc);
  if (m_lastError != ERROR_SUCCESS)
    return {};
  if (!loc.subKeysAreGroups) {
    QStringList names = folderEntries(loc.folder);
    // The machine root's folder also holds the other roots' folders.
    if (m_root == HKEY_LOCAL_MACHINE && loc.folder == rootFolder(m_root)) {
      for (RootKey r = HKEY_CLASSES_ROOT; r <= HKEY_DYN_DATA; ++r) {
        if (r != HKEY_LOCAL_MACHINE)
          names.removeAll(rootName(r));
      }
    }
    return names;
  }
  QSettings s(loc.file, QSettings::NativeFormat);
  if (!loc.group.isEmpty())
    s.beginGroup(loc.group);
  return s.childGroups();
}

QStringList CLASS_REGISTRY::GET_VALUENAMES(const QString &subKey)
{
  const Location loc = locate(m_root, BUILD_FULL_SUBKEY(subKey));
  m_lastError = openStatus(loc);
  if (m_lastError != ERROR_SUCCESS || loc.kind == Location::Folder || !QFileInfo::exists(loc.file))
    return {};
  QSettings s(loc.file, QSettings::NativeFormat);
  if (!loc.group.isEmpty())
    s.beginGroup(loc.group);
  QStringList names = s.childKeys();
  for (QString &n : names) {
    if (n == kDefaultValueKey)
      n.clear();
  }
  return names;
}

std::int32_t CLASS_REGISTRY::DELETEVALUE(const QString &subKey, const QString &valueName)
{
  const Location loc = locate(m_root, BUILD_FULL_SUBKEY(subKey));
  std::int32_t status = ERROR_SUCCESS;
  if (!readValue(loc, valueName, status))
    return m_lastError = status;
  return m_lastError = changeSettings(loc.file, loc.group,
                                      [&](QSettings &s) { s.remove(valueKey(valueName)); });
}

std::int32_t CLASS_REGISTRY::DELETEVALUENAME(const QString &subKey, const QString &valueName)
{
  return DELETEVALUE(subKey, valueName);
}

std::int32_t CLASS_REGISTRY::DELETESUBKEY(const QString &subKey)
{
  const Location loc = locate(m_root, BUILD_FULL_SUBKEY(subKey));
  m_lastError = openStatus(loc);
  if (m_lastError != ERROR_SUCCESS)
    return m_lastError;
  if (!GET_SUBKEY_VALUENAMES(subKey).isEmpty() || m_lastError != ERROR_SUCCESS)
    return m_lastError = ERROR_ACCESS_DENIED;
  if (loc.kind == Location::Folder) {
    if (loc.folder == rootFolder(m_root))
      return m_lastError = ERROR_ACCESS_DENIED;
    return m_lastError = QDir().rmdir(loc.folder) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
  }
  if (!loc.group.isEmpty()) {
    return m_lastError = changeSettings(loc.file, QString(), [&](QSettings &s) { s.remove(loc.group); });
  }
  if (QFileInfo::exists(loc.file) && !QFile::remove(loc.file))
    return m_lastError = ERROR_ACCESS_DENIED;
  if (!loc.subKeysAreGroups && QFileInfo(loc.folder).isDir() && !QDir().rmdir(loc.folder))
    return m_lastError = ERROR_ACCESS_DENIED;
  return m_lastError = ERROR_SUCCESS;
}

std::int32_t CLASS_REGISTRY::FLUSH()
{
  // Every write above has already been synced to its file.
  return m_lastError = ERROR_SUCCESS;
}

} // namespace vz

namespace vz {

namespace {

std::optional<CLASS_REGISTRY::RootKey> toRootKey(const QVariant &v)
{
  if (v.typeId() == QMetaType::QString) {
    const QString name = v.toString().trimmed().toUpper();
    for (CLASS_REGISTRY::RootKey r = CLASS_REGISTRY::HKEY_CLASSES_ROOT;
         r <= CLASS_REGISTRY::HKEY_DYN_DATA; ++r) {
      if (r != CLASS_REGISTRY::HKEY_PERFORMANCE_DATA && CLASS_REGISTRY::rootName(r) == name)
        return r;
    }
  }
  // A handle is pointer-sized; callers that hold it in a signed 32-bit
  // integer pass the same bits as a negative number.
  const auto n = latebound::toWhole(v, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::uint32_t>::max());
  if (!n)
    return std::nullopt;
  return static_cast<CLASS_REGISTRY::RootKey>(*n);
}

using Texts = std::optional<QString>;

} // namespace

QVariant CLASS_REGISTRY::SEND(const QString &operation, const QVariantList &args)
{
  using latebound::toInt32;
  using latebound::toText;
  const QString op = operation.trimmed().toUpper();
  const auto n = args.size();
  const auto text = [&](qsizetype i) { return toText(args.at(i)); };

  if (op == QStringLiteral("WORKING_SUBKEY")) {
    if (n == 0)
      return WORKING_SUBKEY();
    if (n == 1)
      if (const Texts a = text(0))
        return WORKING_SUBKEY(*a);
    return {};
  }
  if (op == QStringLiteral("HKEY")) {
    if (n == 0)
      return QVariant::fromValue(HKEY());
    if (n == 1) {
      if (rootIsFixed())
        return QVariant::fromValue(HKEY());
      if (const auto r = toRootKey(args.at(0)))
        return QVariant::fromValue(HKEY(*r));
    }
    return {};
  }
  if (op == QStringLiteral("LASTERROR")) {
    if (n == 0)
      return LASTERROR();
    if (n == 1)
      if (const auto v = toInt32(args.at(0)))
        return LASTERROR(*v);
    return {};
  }
  if (op == QStringLiteral("FLUSH"))
    return n == 0 ? QVariant(FLUSH()) : QVariant();

  // The remaining operations take texts only, save WRITEINT's last argument.
  const bool writeInt = op == QStringLiteral("WRITEINT");
  QStringList t;
  for (qsizetype i = 0; i < n; ++i) {
    if (writeInt && i == 2)
      break;
    const Texts a = text(i);
    if (!a)
      return {};
    t << *a;
  }
  if (n == 1) {
    if (op == QStringLiteral("BUILD_FULL_SUBKEY"))
      return BUILD_FULL_SUBKEY(t[0]);
    if (op == QStringLiteral("CREATEKEY"))
      return CREATEKEY(t[0]);
    if (op == QStringLiteral("CREATESUBKEY"))
      return CREATESUBKEY(t[0]);
    if (op == QStringLiteral("GET_SUBKEY_VALUENAMES"))
      return GET_SUBKEY_VALUENAMES(t[0]);
    if (op == QStringLiteral("GET_VALUENAMES"))
      return GET_VALUENAMES(t[0]);
    if (op == QStringLiteral("DELETESUBKEY"))
      return DELETESUBKEY(t[0]);
  } else if (n == 2) {
    if (op == QStringLiteral("GETSTRING"))
      return GETSTRING(t[0], t[1]);
    if (op == QStringLiteral("GETINT"))
      return GETINT(t[0], t[1]);
    if (op == QStringLiteral("DELETEVALUE"))
      return DELETEVALUE(t[0], t[1]);
    if (op == QStringLiteral("DELETEVALUENAME"))
      return DELETEVALUENAME(t[0], t[1]);
  } else if (n == 3) {
    if (op == QStringLiteral("WRITESTRING"))
      return WRITESTRING(t[0], t[1], t[2]);
    if (writeInt)
      if (const auto v = toInt32(args.at(2)))
        return WRITEINT(t[0], t[1], *v);
  }
  return {};
}

} // namespace vz
