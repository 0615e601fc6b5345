#include "shellstartup.h"

#include "platform/singlecopy.h"
#include "problem/appsession.h"
#include "problem/interaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vz {

QString ShellStartup::alreadyRunningText()
{
  return QStringLiteral("Vesk_Zyr 2.0 hazır yüklü...\nGörev çubuğunda olabilir!");
}

QString ShellStartup::notInstalledText()
{
  return QStringLiteral("Program tam kurulu değil!\n\n"
                        "Önce CD/Flaş Disk'ten scripts/setup-and-run.sh ile programı kurunuz.");
}

QString ShellStartup::problemFileArgument(const QStringList &arguments)
{
  if (arguments.size() != 2)
    return QString();
  QString name = arguments.at(1).trimmed();
  if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
    name = name.mid(1, name.size() - 2);
  return name;
}

bool ShellStartup::loadQtTranslation()
{
  // Number text never goes through a locale (the program writes it with "."
  // itself), so the default locale speaks only in Qt's own texts: the file
  // dialogs name the types of files by it ("bilinmeyen", not "unknown").
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  auto *translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

ShellStartup::Outcome ShellStartup::prepare(Interaction &ui, SingleCopyLock &lock,
                                            const QStringList &arguments)
{
  Outcome out;
  if (lock.isAppRunning(QStringLiteral("Vesk_Zyr"))) {
    ui.errorMessage(alreadyRunningText());
    out.status = Status::AlreadyRunning;
    return out;
  }

  // A file named relative to the folder the user started us in must be
  // found there, not in the program folder we change to below.
  const QDir startDir = QDir::current();
  out.settings = StartupSettings::read();
  if (!out.settings.isInstalled()) {
    ui.errorMessage(notInstalledText());
    out.status = Status::NotInstalled;
    return out;
  }
  QDir::setCurrent(out.settings.programDir);

  AppSession &session = AppSession::instance();
  session.setProgramDir(out.settings.programDir);
  session.problem().reset();

  out.problemFile = problemFileArgument(arguments);
  if (!out.problemFile.isEmpty() && QDir::isRelativePath(out.problemFile))
    out.problemFile = QDir::cleanPath(startDir.absoluteFilePath(out.problemFile));
  return out;
}

} // namespace vz
