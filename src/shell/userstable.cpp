#include "userstable.h"

#include "passwordhash.h"
#include "platform/dbftable.h"
#include "platform/fileerror.h"
#include "platform/savelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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

QString cannotOpen(const QString &path, const QString &why)
{
  return QStringLiteral("Kullanıcı tablosu açılamadı:\n%1\n%2").arg(QDir::toNativeSeparators(path), why);
}

bool readTable(const QString &path, Table *table, QString *error)
{
  DbfTable dbf;
  if (!dbf.open(path, DbfTable::OpenMode::ReadOnly)) {
    if (error)
      *error = cannotOpen(path, dbf.errorString());
    return false;
  }
  table->fields = dbf.fields();
  table->records = dbf.allRecords();
  table->name = dbf.fieldIndex(NameField);
  table->password = dbf.fieldIndex(PasswordField);
  dbf.close();
  QString why;
  if (table->name < 0 || table->password < 0 || table->fields.at(table->name).type != QLatin1Char('C')
      || table->fields.at(table->password).type != QLatin1Char('C'))
    why = QStringLiteral("Tabloda kullanıcı adı ve parola alanları yok.");
  else if (table->fields.at(table->name).length < UsersTable::NameWidth)
    why = QStringLiteral("Tablonun kullanıcı adı alanı %1 karakter; bu program %2 karakterlik kullanıcı adları saklar.")
              .arg(table->fields.at(table->name).length)
              .arg(UsersTable::NameWidth);
  else if (table->fields.at(table->password).length < PasswordHash::MaxPasswordLength)
    why = QStringLiteral("Tablonun parola alanı %1 karakter; bu program %2 karakterlik parolalar saklar.")
              .arg(table->fields.at(table->password).length)
              .arg(PasswordHash::MaxPasswordLength);
  if (why.isEmpty())
    return true;
  if (error)
    *error = cannotOpen(path, why);
  return false;
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
  const QString missing = PasswordHash::unavailable();
  if (!missing.isEmpty())
    return QStringLiteral("Parola şifrelenemedi: ") + missing;
  return QStringLiteral("Parola şifrelenemedi (bellek yetersiz).");
}

// The passwords the table still holds in plain text, as the Windows program
// kept them.
int plainPasswords(const Table &table)
{
  int plain = 0;
  for (const DbfRecord &r : table.records)
    plain += PasswordHash::isHash(r.values.at(table.password)) ? 0 : 1;
  return plain;
}

// A plain password, or a password field too narrow for a hash.
bool needsConversion(const Table &table)
{
  return table.fields.at(table.password).length < UsersTable::PasswordWidth || plainPasswords(table) > 0;
}

// Hashes every plain password, those of deleted records too, so that no
// plain password is left in the file once it is written.
bool hashPlainPasswords(Table &table, const UsersTable::Progress &progress, QString *error)
{
  table.fields[table.password].length = std::max(table.fields.at(table.password).length, UsersTable::PasswordWidth);
  const int total = plainPasswords(table);
  int done = 0;
  if (progress)
    progress(done, total);
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
    if (progress)
      progress(++done, total);
  }
  return true;
}

// Why the file cannot be rewritten by this user, in plain words; empty when
// it can be tried. A file without write permission stays as it is, also where
// its folder would let it be replaced.
QString unwritableReason(const QString &path)
{
  const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (!(QFile::permissions(path) & writable))
    return readOnlyFileReason();
  if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
    return fileErrorReason(errno);
  return QString();
}

enum class Step { Write, Keep, Fail };

// Applies `change` to the table as it is on disk now, holding the table's
// save lock from the read to the rename, so that a change another session
// wrote meanwhile is the one this change builds on.
bool changeOnDisk(const QString &path, const std::function<Step(Table &, QString *)> &change, QString *error)
{
  const SaveLock lock(path);
  Table table;
  if (!readTable(path, &table, error))
    return false;
  switch (change(table, error)) {
  case Step::Keep: return true;
  case Step::Fail: return false;
  case Step::Write: break;
  }
  return writeTable(path, table, error);
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

UsersTable::State UsersTable::ensure(QString *message, const Progress &progress) const
{
  const QString file = path();
  if (!QFileInfo::exists(file)) {
    Table table;
    table.fields = {{NameField, QLatin1Char('C'), NameWidth, 0},
                    {PasswordField, QLatin1Char('C'), PasswordWidth, 0}};
    table.records.append({false, {defaultUser(), PasswordHash::defaultHash()}});
    QString why;
    if (!writeTable(file, table, &why)) {
      if (message)
        *message = QStringLiteral("Kullanıcı tablosu oluşturulamadı:\n%1").arg(why);
      return State::Unusable;
    }
    return State::Ready;
  }

  Table table;
  if (!readTable(file, &table, message))
    return State::Unusable;
  if (!vz::needsConversion(table))
    return State::Ready;
  QString why = unwritableReason(file);
  if (why.isEmpty()) {
    const auto convert = [&progress](Table &onDisk, QString *error) {
      if (!vz::needsConversion(onDisk))
        return Step::Keep;  // another session converted it meanwhile
      return hashPlainPasswords(onDisk, progress, error) ? Step::Write : Step::Fail;
    };
    if (changeOnDisk(file, convert, &why))
      return State::Ready;
  }
  if (message)
    *message = QStringLiteral("Kullanıcı tablosu Windows programının biçiminde (parolalar açık yazılı) ve "
                              "şifreli biçime çevrilemedi:\n%1\n%2\n\n"
                              "Kullanıcılar yine de giriş yapabilir. Tablo, yazılabildiği ilk başlangıçta çevrilecek.")
                   .arg(QDir::toNativeSeparators(file), why);
  return State::NotConverted;
}

bool UsersTable::needsConversion() const
{
  Table table;
  return readTable(path(), &table, nullptr) && vz::needsConversion(table);
}

UsersTable::LogOnCheck UsersTable::checkLogOn(const QString &name, const QString &password) const
{
  LogOnCheck check;
  Table table;
  if (!readTable(path(), &table, &check.error))
    return check;
  // Without the hashing library no password can be checked: nobody gets in,
  // and the user is told why rather than that the password is wrong.
  const QString missing = PasswordHash::unavailable();
  if (!missing.isEmpty()) {
    check.error = QStringLiteral("Parolalar denetlenemiyor: ") + missing;
    return check;
  }
  const int row = findUser(table, name);
  if (row < 0) {
    PasswordHash::checkNobody(password);
    return check;
  }
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
  if (edit.currentPassword.isEmpty())
    return refuse(QString(), Field::CurrentPassword);

  // What needs no table is checked before the lock; its verdict is given in
  // the dialog's order, after the current password's.
  EditResult later;
  const auto asTyped = [](const QString &s) {
    QString t = s.toUpper().left(PasswordHash::MaxPasswordLength);
    while (t.endsWith(QLatin1Char(' ')))
      t.chop(1);
    return t;
  };
  const QString name = comparableName(edit.newName);
  if (edit.newPassword.trimmed().isEmpty()) {
    later.message = QStringLiteral("Yeni parola girmeniz gerekir!");
    later.focus = Field::NewPassword;
  } else if (asTyped(edit.newPassword) != asTyped(edit.retypedPassword)) {
    later.message = QStringLiteral("Yeni parola girişi geçersiz!");
    later.focus = Field::NewPassword;
  } else if (name.isEmpty()) {
    later.message = QStringLiteral("Yeni kullanıcı ismi girilmedi!");
    later.focus = Field::NewName;
    later.isError = false;
  }
  // Hashed before the lock, so another session waits only for the check.
  const QString hash = later.focus == Field::None ? PasswordHash::make(edit.newPassword) : QString();
  if (later.focus == Field::None && hash.isEmpty())
    return refuse(hashError(), Field::None);

  const auto change = [&](Table &table, QString *) {
    const int own = findUser(table, edit.loggedOnUserId);
    const QString stored = own >= 0 ? table.records.at(own).values.at(table.password) : QString();
    if (!PasswordHash::matches(edit.currentPassword, stored)) {
      refuse(QStringLiteral("Mevcut parola girişi geçersiz!"), Field::CurrentPassword);
      return Step::Keep;
    }
    if (later.focus != Field::None) {
      refuse(later.message, later.focus, later.isError);
      return Step::Keep;
    }
    const int holder = findUser(table, name);
    if (holder >= 0 && (edit.adding || holder != own)) {
      refuse(QStringLiteral("Aynı isimde bir kullanıcı var!"), Field::NewName, false);
      return Step::Keep;
    }
    int row = own;
    if (edit.adding) {
      DbfRecord record;
      for (int i = 0; i < table.fields.size(); ++i)
        record.values.append(QString());
      table.records.append(record);
      row = int(table.records.size()) - 1;
    }
    table.records[row].values[table.name] = name;
    table.records[row].values[table.password] = hash;
    // A rewrite never carries a plain password on, should the start have
    // failed to convert one.
    if (!hashPlainPasswords(table, {}, &result.message)) {
      result.focus = Field::None;
      return Step::Fail;
    }
    result.done = true;
    return Step::Write;
  };
  QString error;
  if (!changeOnDisk(path(), change, &error)) {
    result.done = false;
    return refuse(result.message.isEmpty() ? error : result.message, Field::None);
  }
  if (!result.done)
    return result;
  result.userId = name.leftJustified(NameWidth);
  return result;
}

} // namespace vz
