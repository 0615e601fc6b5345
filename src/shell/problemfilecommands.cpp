#include "problemfilecommands.h"

#include "filecommanddialogs.h"
#include "platform/savefile.h"
#include "problem/appsession.h"
#include "problem/filehelpers.h"
#include "problem/interaction.h"
#include "problem/problemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vz {

namespace {

bool sameFile(const QString &a, const QString &b)
{
  if (a == b)
    return true;
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

ProblemFileCommands::ProblemFileCommands(AppSession &session, Interaction &ui,
                                         FileCommandDialogs &dialogs, Hooks hooks)
    : m_session(session), m_ui(ui), m_dialogs(dialogs), m_hooks(std::move(hooks))
{
}

QString ProblemFileCommands::defaultCaption()
{
  return QStringLiteral("Vesk_Zyr 2.0 - Optimal & Manuel Sığır Rasyonu Hazırlama Programı");
}

void ProblemFileCommands::vkDefaults(const QString &programDir)
{
  if (!programDir.isEmpty() && QDir::currentPath() != QDir(programDir).absolutePath())
    QDir::setCurrent(programDir);
}

bool ProblemFileCommands::closeWindows()
{
  return !m_hooks.closeProblemWindows || m_hooks.closeProblemWindows();
}

bool ProblemFileCommands::doOpenFile(const QString &f)
{
  if (f.isEmpty())
    return false;
  if (f.size() <= 3 || f.right(4).toUpper() != QLatin1String(".RVD")) {
    m_ui.errorMessage(f + QStringLiteral(" dosyası bir Vesk_Zyr 2.0 veri dosyası değil..."));
    return false;
  }
  if (ProblemFile *open = m_session.problemFile()) {
    if (open->path() == f)
      return false;
    if (!closeWindows() || !askSaveAndClose())
      return false;
  }

  RFATRIB(f);
  if (!QFileInfo(f).isFile()) {
    m_ui.errorMessage(f + QStringLiteral(" dosyası bulunamıyor..."));
    return false;
  }
  auto *file = new ProblemFile;
  if (!file->open(f)) {
    delete file;
    m_ui.errorMessage(f + QStringLiteral(" veri dosyasını açmada hata!"));
    return false;
  }
  m_session.setProblemFile(file);
  file->AKTPRODIZOLUSTUR(m_session.problem());
  m_hooks.problemChanged();
  m_hooks.setCaption(QStringLiteral("Vesk_Zyr 2.0 - ") + f);
  return true;
}

bool ProblemFileCommands::fileOpen()
{
  if (!closeWindows())
    return false;
  const QString chosen = m_dialogs.askOpenFile(m_session.dataDir());
  vkDefaults(m_session.programDir());
  return !chosen.isEmpty() && doOpenFile(chosen);
}

bool ProblemFileCommands::newFile()
{
  if (!closeWindows())
    return false;
  const QString typed = m_ui.askNewProblemName();
  if (typed.trimmed().isEmpty())
    return false;
  const QString path = m_session.dataDir() + QLatin1Char('/') + CHRCONT(typed) + QStringLiteral(".RVD");

  if (ProblemFile *open = m_session.problemFile(); open && sameFile(path, open->path())) {
    m_ui.errorMessage(path + QStringLiteral(" Dosyası şu an açık!\n\n"
                                            "Açık dosyanın yerine yeni dosya oluşturulamaz."));
    return false;
  }
  if (QFileInfo::exists(path)
      && !m_ui.askYesNo(path + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"),
                        QStringLiteral("Uyarı..."))) {
    return false;
  }
  // Replaces an older file only once the new one is complete.
  if (!ProblemFile::createNew(path)) {
    m_ui.statusMessage(QStringLiteral("Dosya Oluşturmada hata..."));
    return false;
  }
  if (!doOpenFile(path))
    return false;

  RationProblem &problem = m_session.problem();
  problem.params = RationProblem::defaultParams();
  problem.changed.params = true;
  m_hooks.problemChanged();
  if (!save())
    return false;
  m_ui.statusMessage(QStringLiteral("Dosya oluşturuldu!"));
  return true;
}

bool ProblemFileCommands::save()
{
  ProblemFile *file = m_session.problemFile();
  if (!file)
    return false;
  RationProblem &problem = m_session.problem();
  bool saved = file->PROBDBFUPDATE(problem);
  if (!saved && !file->changedOnDisk().isEmpty()) {
    // Another session saved the same part since we read it: the user decides
    // whose change stays.
    const QString text = file->path() + QStringLiteral(" Dosyasındaki ") + file->changedOnDisk().join(QStringLiteral(", "))
                         + QStringLiteral(" siz okuduktan sonra başka bir oturumda değiştirilip kaydedilmiş.\n\n"
                                          "Sizin değişiklikleriniz onların üzerine mi yazılsın, yoksa sizinkiler atılıp "
                                          "dosyadakiler mi alınsın?");
    switch (m_ui.askChangedOnDisk(text, QStringLiteral("Uyarı..."))) {
    case Interaction::ChangedOnDisk::WriteOver:
      saved = file->PROBDBFUPDATE(problem, ProblemFile::ChangedOnDisk::WriteOver);
      break;
    case Interaction::ChangedOnDisk::DiscardMine:
      saved = file->PROBDBFUPDATE(problem, ProblemFile::ChangedOnDisk::DiscardMine);
      m_hooks.problemChanged();  // the problem was read again
      break;
    case Interaction::ChangedOnDisk::Cancel:
      return false;
    }
  }
  if (!saved) {
    m_ui.errorMessage(QStringLiteral("Dosyaya kaydetme sırasında hata!\n\n") + file->path()
                      + QStringLiteral("\n") + file->errorString());
    return false;
  }
  return true;
}

bool ProblemFileCommands::saveAs()
{
  ProblemFile *file = m_session.problemFile();
  if (!file || !closeWindows())
    return false;
  const FileCommandDialogs::SaveAsChoice choice = m_dialogs.askSaveAs(file->path(), m_session.dataDir());
  vkDefaults(m_session.programDir());

  const QString cleaned = choice.path.trimmed().isEmpty() ? QString() : SCHARFROMBASE(choice.path);
  if (cleaned.isEmpty()) {
    m_ui.statusMessage(QStringLiteral("Geçerli dosya adı girilmedi..."));
    return true;
  }
  const bool rvd = choice.filterIndex != 2;
  const QString target = SFILEBASE(cleaned) + QStringLiteral("1")
                         + (rvd ? QStringLiteral(".RVD") : QStringLiteral(".VVD"));
  if (sameFile(target, file->path())) {
    m_ui.statusMessage(QStringLiteral("Açık dosyayı kendi üzerine kaydetme teşbbüsü..."));
    return false;
  }
  if (QFileInfo::exists(target)
      && !m_ui.askYesNoWithIcon(target + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"),
                                QStringLiteral("Uyarı..."), Interaction::Icon::Stop)) {
    return false;
  }
  // The open file keeps its own content: a user saving under a new name may
  // want the original as it was.
  if (rvd) {
    if (!file->saveAs(target, m_session.problem())) {
      m_ui.errorMessage(QStringLiteral("Dosyaya kaydetme sırasında hata!\n\n") + file->errorString());
      return false;
    }
    m_ui.statusMessage(QStringLiteral("Dosya başarıyla kaydedildi..."));
    // The changes live on in the target; closing the original must not offer
    // to write them there too.
    const ChangedFlags flags = m_session.problem().changed;
    m_session.problem().changed.clear();
    if (!doOpenFile(target) && m_session.problemFile() == file)
      m_session.problem().changed = flags;
    return true;
  }
  if (!file->CREATE_VSK_DBFFILE(target, &m_session.problem())) {
    m_ui.errorMessage(QStringLiteral("Dosya oluşturmada hata!\n\n") + file->errorString());
    return false;
  }
  m_ui.statusMessage(QStringLiteral("Dosya başarıyla kaydedildi..."));
  return true;
}

bool ProblemFileCommands::askSaveAndClose()
{
  ProblemFile *file = m_session.problemFile();
  if (!file)
    return true;
  if (m_session.problem().changed.any()
      && m_ui.askYesNo(file->path() + QStringLiteral(" Dosyasındaki veriler değişmiş.\n\n"
                                                     "Değişiklikleri kaydetmek istiyor musunuz?"),
                       QStringLiteral("Uyarı..."))
      && !save()) {
    return false;
  }
  file->close();
  m_session.setProblemFile(nullptr);
  delete file;
  m_session.problem().reset();
  m_hooks.setCaption(defaultCaption());
  m_hooks.problemChanged();
  return true;
}

bool ProblemFileCommands::fileClose()
{
  if (!m_session.problemFile())
    return true;
  return closeWindows() && askSaveAndClose();
}

bool ProblemFileCommands::closeForExit()
{
  return fileClose();
}

} // namespace vz
