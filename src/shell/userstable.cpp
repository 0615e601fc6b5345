#include "userstable.h"

#include "passwordhash.h"
#include "platform/dbftable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vz {

namespace {

const QString TableName = QStringLiteral("KULLANICIID.DBF");
const QString StaleIndexName = QStringLiteral("KULLIDX.NTX");
const QString NameField = QStringLiteral("KULL_ID");
const QString PasswordField = QStringLiteral("PASSWORD");

// The file of that name in `dir`, whatever its case; empty when none.
QString findAnyCase(const QString &dir, const QString &name)
{
  const QDir folder(dir);
  for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0)
      return folder.filePath(entry);
  }
  return QString();
}

struct Table {
  QList<DbfField> fields;
  QList<DbfRecord> records;
  int name = -1;
  int password = -1;
};

bool readTable(const QString &path, Table *table, QString *error)
{
  DbfTable dbf;
  if (!dbf.open(path, DbfTable::OpenMode::ReadOnly)) {
    if (error)
      *error = QStringLiteral("Kullanıcı tablosu açılamadı:\n%1\n%2").arg(QDir::toNativeSeparators(path), dbf.errorString());
    return false;
  }
  table->fields = dbf.fields();
  table->records = dbf.allRecords();
  table->name = dbf.fieldIndex(NameField);
  table->password = dbf.fieldIndex(PasswordField);
  dbf.close();
  if (table->name < 0 || table->password < 0 || table->fields.at(table->name).type != QLatin1Char('C')
      || table->fields.at(table->password).type != QLatin1Char('C')) {
    if (error)
      *error = QStringLiteral("Kullanıcı tablosu açılamadı:\n%1\nKULL_ID ve PASSWORD alanları yok.")
                   .arg(QDir::toNativeSeparators(path));
    return false;
  }
  return true;
}

bool writeTable(const QString &path, const Table &table, QString *error)
{
  QString why;
  if (!DbfTable::writeTable(path, table.fields, table.records, &why)) {
    if (error)
      *error = QStringLiteral("Kullanıcı tablosu yazılamadı:\n%1").arg(why);
    return false;
  }
  // An index of an older version would describe records that are gone.
  const QString stale = findAnyCase(QFileInfo(path).absolutePath(), StaleIndexName);
  if (!stale.isEmpty())
    QFile::remove(stale);
  return true;
}

// The live record of the user named `name` (compared whole); -1 when none.
int findUser(const Table &table, const QString &name)
{
  const QString wanted = UsersTable::comparableName(name);
  if (wanted.isEmpty())
    return -1;
  for (int i = 0; i < table.records.size(); ++i) {
    const DbfRecord &r = table.records.at(i);
    if (!r.deleted && UsersTable::comparableName(r.values.at(table.name)) == wanted)
      return i;
  }
  return -1;
}

QString hashError()
{
  return QStringLiteral("Parola şifrelenemedi (bellek yetersiz).");
}

} // namespace

UsersTable::UsersTable(const QString &programDir) : m_dir(programDir) {}

QString UsersTable::path() const
{
  const QString found = findAnyCase(m_dir, TableName);
  return found.isEmpty() ? QDir(m_dir).filePath(TableName) : found;
}

QString UsersTable::comparableName(const QString &typed)
{
  return typed.trimmed().toUpper().left(NameWidth).trimmed();
}

bool UsersTable::ensure(QString *error) const
{
  const QString file = path();
  if (!QFileInfo::exists(file)) {
    Table table;
    table.fields = {{NameField, QLatin1Char('C'), NameWidth, 0},
                    {PasswordField, QLatin1Char('C'), PasswordWidth, 0}};
    table.name = 0;
    table.password = 1;
    const QString hash = PasswordHash::make(defaultPassword());
    if (hash.isEmpty()) {
      if (error)
        *error = hashError();
      return false;
    }
    table.records.append({false, {defaultUser(), hash}});
    if (!writeTable(file, table, error)) {
      if (error)
        *error = QStringLiteral("Kullanıcı tablosu oluşturulamadı:\n%1").arg(*error);
      return false;
    }
    return true;
  }

  Table table;
  if (!readTable(file, &table, error))
    return false;
  bool plain = table.fields.at(table.password).length < PasswordWidth;
  for (const DbfRecord &r : std::as_const(table.records))
    plain = plain || !PasswordHash::isHash(r.values.at(table.password));
  if (!plain)
    return true;

  // An older table: every password, those of deleted records too, becomes
  // its hash in one rewrite, so no plain password is left in the file.
  table.fields[table.password].length = PasswordWidth;
  for (DbfRecord &r : table.records) {
    QString &stored = r.values[table.password];
    if (PasswordHash::isHash(stored))
      continue;
    stored = PasswordHash::make(stored);
    if (stored.isEmpty()) {
      if (error)
        *error = hashError();
      return false;
    }
  }
  return writeTable(file, table, error);
}

UsersTable::LogOnCheck UsersTable::checkLogOn(const QString &name, const QString &password) const
{
  LogOnCheck check;
  Table table;
  if (!readTable(path(), &table, &check.error))
    return check;
  const int row = findUser(table, name);
  if (row < 0)
    return check;
  check.found = true;
  check.userId = table.records.at(row).values.at(table.name).leftJustified(NameWidth, QLatin1Char(' '), true);
  check.ok = PasswordHash::matches(password, table.records.at(row).values.at(table.password));
  return check;
}

bool UsersTable::storedPassword(const QString &userId, QString *stored, QString *error) const
{
  stored->clear();
  Table table;
  if (!readTable(path(), &table, error))
    return false;
  const int row = findUser(table, userId);
  if (row >= 0)
    *stored = table.records.at(row).values.at(table.password).trimmed();
  return true;
}

UsersTable::EditResult UsersTable::apply(const Edit &edit) const
{
  EditResult result;
  const auto refuse = [&result](const QString &message, Field focus, bool isError = true) {
    result.message = message;
    result.focus = focus;
    result.isError = isError;
    return result;
  };

  Table table;
  QString error;
  if (!readTable(path(), &table, &error))
    return refuse(error, Field::None);
  const int own = findUser(table, edit.loggedOnUserId);
  const QString stored = own >= 0 ? table.records.at(own).values.at(table.password) : QString();

  if (edit.currentPassword.isEmpty())
    return refuse(QString(), Field::CurrentPassword);
  if (!PasswordHash::matches(edit.currentPassword, stored))
    return refuse(QStringLiteral("Mevcut parola girişi geçersiz!"), Field::CurrentPassword);
  if (edit.newPassword.trimmed().isEmpty())
    return refuse(QStringLiteral("Yeni parola girmeniz gerekir!"), Field::NewPassword);
  const auto asTyped = [](const QString &s) {
    QString t = s.toUpper().left(PasswordHash::MaxPasswordLength);
    while (t.endsWith(QLatin1Char(' ')))
      t.chop(1);
    return t;
  };
  if (asTyped(edit.newPassword) != asTyped(edit.retypedPassword))
    return refuse(QStringLiteral("Yeni parola girişi geçersiz!"), Field::NewPassword);
  const QString name = comparableName(edit.newName);
  if (name.isEmpty())
    return refuse(QStringLiteral("Yeni kullanıcı ismi girilmedi!"), Field::NewName, false);
  const int holder = findUser(table, name);
  if (holder >= 0 && (edit.adding || holder != own))
    return refuse(QStringLiteral("Aynı isimde bir kullanıcı var!"), Field::NewName, false);

  const QString hash = PasswordHash::make(edit.newPassword);
  if (hash.isEmpty())
    return refuse(hashError(), Field::None);
  int row = own;
  if (edit.adding) {
    DbfRecord record;
    for (int i = 0; i < table.fields.size(); ++i)
      record.values.append(QString());
    table.records.append(record);
    row = int(table.records.size()) - 1;
  }
  table.fields[table.password].length = std::max(table.fields.at(table.password).length, PasswordWidth);
  table.records[row].values[table.name] = name;
  table.records[row].values[table.password] = hash;
  // A rewrite never carries a plain password on, should the start have
  // failed to convert one.
  for (DbfRecord &r : table.records) {
    QString &stored = r.values[table.password];
    if (!PasswordHash::isHash(stored))
      stored = PasswordHash::make(stored);
    if (stored.isEmpty())
      return refuse(hashError(), Field::None);
  }
  if (!writeTable(path(), table, &error))
    return refuse(error, Field::None);
  result.done = true;
  result.userId = name.leftJustified(NameWidth);
  return result;
}

} // namespace vz
