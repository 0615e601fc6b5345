#include "referencemaintenance.h"
#include "editing/referencematrix.h"
#include "platform/fileerror.h"
#include "platform/savefile.h"
#include "problem/interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace vz::refmaint {

namespace {

const QString CR2 = QStringLiteral("\r\r");

QString info() { return QStringLiteral("Bilgi..."); }

// The same file, whatever path text names it: an existing file by its
// canonical path, a new one by its folder's canonical path and its name.
QString canonicalOf(const QString &path)
{
  const QFileInfo fi(path);
  if (fi.exists())
    return fi.canonicalFilePath();
  const QString folder = QFileInfo(fi.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? fi.absoluteFilePath() : QDir(folder).filePath(fi.fileName());
}

} // namespace

QString createsEmptyText(const QString &path)
{
  return QDir::toNativeSeparators(path) + QStringLiteral(" bulunamadı.") + CR2
         + QStringLiteral("Yalnız birim kaydını (BIRIM) taşıyan boş bir referans matris oluşturulacak.");
}

bool logOnGranted(Interaction &ui)
{
  return ui.logOn(QStringLiteral("Geçiş İzni")).ok;
}

QString ensureReferenceMatrix(const QString &programDir, Interaction &ui)
{
  const QString found = refmatrix::locate(programDir);
  if (!found.isEmpty())
    return found;
  ui.information(createsEmptyText(refmatrix::defaultPath(programDir)), info());
  QString created;
  if (!RMAT_CREATE(programDir, ui, &created))
    return QString();
  return created.isEmpty() ? refmatrix::locate(programDir) : created;
}

// ---- nutrient columns ----

bool validColumnName(const QString &name)
{
  if (name.isEmpty() || name.size() > 10)
    return false;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name.at(i).unicode();
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    const bool digit = c >= u'0' && c <= u'9';
    if (i == 0 ? !letter : !(letter || digit || c == u'_'))
      return false;
  }
  return true;
}

ColumnEditor::ColumnEditor(QString path, TableWriter writer) : m_path(std::move(path)), m_writer(std::move(writer))
{
  if (!m_writer)
    m_writer = [](const QString &p, const QList<DbfField> &f, const QList<DbfRecord> &r, QString *e) {
      return DbfTable::writeTable(p, f, r, e);
    };
}

bool ColumnEditor::load()
{
  ReferenceMatrix m;
  m_loaded = refmatrix::read(m_path, &m);
  m_names = m_loaded ? m.fieldNames() : QStringList();
  return m_loaded;
}

QString ColumnEditor::deleteQuestion(const QString &path, const QString &field)
{
  return path + QLatin1Char('\r') + field + QStringLiteral(" besin maddesi silinecek.") + CR2
         + QStringLiteral("Silinmesini gerçekten istiyor musunuz?");
}

ColumnEditor::Result ColumnEditor::PBTAMAM(ColumnOperation op, const QString &typed, int selected, Interaction &ui)
{
  auto refuse = [&ui](const QString &text) {
    ui.information(text, info());
    return Result::StayOpen;
  };
  // Without the file there is nothing to offer: said once, and the dialog goes.
  if (!m_loaded) {
    ui.information(QStringLiteral("Referans matris dosyası açma hatası!"), info());
    return Result::Close;
  }
  const bool hasSelection = selected >= 1 && selected <= m_names.size();
  const QString selectedName = hasSelection ? m_names.at(selected - 1) : QString();
  auto present = [this](const QString &name) {
    for (const QString &n : std::as_const(m_names))
      if (n.compare(name, Qt::CaseInsensitive) == 0)
        return true;
    return false;
  };
  auto checkName = [&](QString *why) {
    if (typed.isEmpty()) {
      *why = QStringLiteral("Yeni Besin Maddesi adı girilmedi.");
      return false;
    }
    if (!validColumnName(typed)) {
      *why = typed + QStringLiteral(" geçerli bir besin maddesi adı değil.") + CR2
             + QStringLiteral("NOT: Ad bir harfle (A-Z) başlamalı, sonra harf, rakam ya da \"_\" "
                              "gelmeli; en çok 10 karakter olmalı.");
      return false;
    }
    if (present(typed)) {
      *why = typed + QStringLiteral(" Besin maddesi RM dosyasında mevcut.");
      return false;
    }
    return true;
  };
  QString why;
  switch (op) {
  case ColumnOperation::Append:
    if (!checkName(&why))
      return refuse(why);
    replace(op, typed.toUpper(), 0, ui);
    return Result::Close;
  case ColumnOperation::Insert:
    if (!hasSelection)
      return refuse(QStringLiteral("Önüne girilecek BM seçimi yapılmadı."));
    if (typed.isEmpty())
      return refuse(QStringLiteral("Yeni Besin Maddesi adı girilmedi."));
    if (selectedName == QLatin1String("YM_ADI") || selectedName == QLatin1String("FIATI")
        || selectedName == QLatin1String("KMO"))
      return refuse(QStringLiteral("Standart BM alanı önüne girmeye teşebbüs ettiniz.") + CR2
                    + QStringLiteral("NOT: Gerçek BM önüne girmelisiniz."));
    if (!checkName(&why))
      return refuse(why);
    replace(op, typed.toUpper(), selected, ui);
    return Result::Close;
  case ColumnOperation::Delete:
    if (!hasSelection)
      return refuse(QStringLiteral("Silinecek BM seçimi yapılmadı."));
    if (refmatrix::standardFieldNames().contains(selectedName, Qt::CaseInsensitive))
      return refuse(QStringLiteral("Standart besin maddesini silmeye teşebbüs ettiniz.") + CR2
                    + QStringLiteral("NOT: Sadece, sonradan eklenen/girilen besin maddesini silebilirsiniz."));
    if (ui.askYesNo(deleteQuestion(m_path, selectedName), QStringLiteral("Önemli Uyarı...")))
      replace(op, QString(), selected, ui);
    return Result::Close;
  }
  return Result::Close;
}

bool ColumnEditor::replace(ColumnOperation op, const QString &name, int position, Interaction &ui)
{
  // Another session may change the file too: the read, the change and the
  // write go under the file's save lock, and the change is applied to what
  // the file holds at that moment.
  QString failure;
  const bool ok = DbfTable::withSaveLock(m_path, [&] {
    ReferenceMatrix m;
    if (!refmatrix::read(m_path, &m)) {
      failure = QStringLiteral("Mevcut RM dosyası açılamıyor");
      return false;
    }
    QList<DbfField> fields = m.fields();
    const DbfField added{name, QLatin1Char('C'), refmatrix::CellWidth, 0};
    if (op != ColumnOperation::Delete && m.fieldNames().contains(name, Qt::CaseInsensitive)) {
      failure = name + QStringLiteral(" Besin maddesi RM dosyasında mevcut.");
      return false;
    }
    if (op == ColumnOperation::Append) {
      fields.append(added);
    } else {
      const int at = int(m.fieldNames().indexOf(m_names.value(position - 1)));
      if (at < 0) {
        failure = QStringLiteral("Mevcut RM dosyası açılamıyor");
        return false;
      }
      if (op == ColumnOperation::Insert)
        fields.insert(at, added);
      else
        fields.removeAt(at);
    }
    // The records keep their order; fields are matched by name, so a new
    // column starts blank (its unit too) and a deleted one is dropped.
    QHash<QString, int> oldPos;
    for (int i = 0; i < m.fields().size(); ++i)
      oldPos.insert(m.fields().at(i).name, i);
    QList<DbfRecord> records;
    records.reserve(m.recordCount());
    for (const QStringList &r : m.records()) {
      DbfRecord out;
      for (const DbfField &f : std::as_const(fields)) {
        const int i = oldPos.value(f.name, -1);
        out.values.append(i >= 0 ? r.value(i) : QString(f.length, QLatin1Char(' ')));
      }
      records.append(out);
    }
    QString error;
    if (!m_writer(m_path, fields, records, &error)) {
      failure = QStringLiteral("Yeni dosya oluşturulamıyor.") + CR2 + error;
      return false;
    }
    return true;
  });
  if (!ok)
    ui.information(failure, info());
  return ok;
}

// ---- back-up ----

QString folderNotReadyText(const QString &folder)
{
  return folder + QStringLiteral(" klasörü hazır değil!") + CR2 + QStringLiteral("Hazırlayıp tekrar deneyiniz.");
}

QString notAFolderText(const QString &target)
{
  return target + QStringLiteral(" bir klasör değil!") + CR2
         + QStringLiteral("Yedek, var olan bir klasöre RM dosyasının adıyla alınır.");
}

bool backUp(const QString &programDir, const QString &typedTarget, Interaction &ui)
{
  QString target = typedTarget.trimmed();
  if (target.isEmpty())
    return false;
  target = QDir::fromNativeSeparators(target);
  if (!QDir::isAbsolutePath(target)) {
    ui.errorMessage(folderNotReadyText(target));
    return false;
  }
  // The target is a folder: typed alone, or as the folder chooser gives it,
  // followed by the matrix's name. Anything else (a folder that does not
  // exist, any other file) is refused: the copy would become a file of that
  // name, or take the place of one.
  const QFileInfo typed(target);
  QString folder;
  if (typed.isDir())
    folder = target;
  else if (typed.fileName().compare(QLatin1String(refmatrix::FileName), Qt::CaseInsensitive) == 0
           && (!typed.exists() || typed.isFile()))
    folder = typed.absolutePath();
  else if (typed.exists()) {
    ui.errorMessage(notAFolderText(QDir::toNativeSeparators(target)));
    return false;
  } else
    folder = target;
  const QFileInfo folderInfo(folder);
  if (!folderInfo.isDir() || !folderInfo.isWritable()) {
    ui.errorMessage(folderNotReadyText(QDir::toNativeSeparators(folderInfo.absoluteFilePath())));
    return false;
  }
  QString source = refmatrix::locate(programDir);
  const QString sourceName = source.isEmpty() ? refmatrix::defaultPath(programDir) : source;
  const QString copyPath = QDir(folder).filePath(QFileInfo(sourceName).fileName());
  // Another spelling of the name in the program directory would also be
  // taken for the reference matrix.
  const bool programFolder = canonicalOf(folder) == canonicalOf(programDir);
  if (programFolder || canonicalOf(copyPath) == canonicalOf(sourceName)) {
    ui.statusMessage(QStringLiteral("Farklı bir sürücü/klasör seçilmedi..."));
    return false;
  }
  // Nothing to copy: said before any question about the old copy.
  if (source.isEmpty()) {
    ui.statusMessage(QStringLiteral("Seçili RM dosyası bulunamadı..."));
    return false;
  }
  if (QFileInfo::exists(copyPath)) {
    if (!ui.askYesNoWithIcon(QDir::toNativeSeparators(copyPath) + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"),
                             QStringLiteral("Uyarı..."), Interaction::Icon::Stop))
      return false;
  }
  QFile in(source);
  QString error;
  bool ok = in.open(QIODevice::ReadOnly);
  if (ok) {
    const QByteArray content = in.readAll();
    ok = in.error() == QFileDevice::NoError && writeFileAtomically(copyPath, content, &error);
  } else {
    error = fileErrorReason(in);
  }
  if (!ok) {
    ui.errorMessage(QStringLiteral("Dosya kopyalama hatası!") + CR2 + error);
    return false;
  }
  // A copy readable by whom the matrix is readable by, no more and no less.
  QFile::setPermissions(copyPath, QFileInfo(source).permissions());
  ui.statusMessage(QStringLiteral("Seçili RM'ye ait dosya başarıyla yedeklendi..."));
  return true;
}

} // namespace vz::refmaint
