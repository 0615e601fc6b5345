// Sets up a program directory for the user who runs it:
//   vz_setup <program directory> <example problem file>
// makes the directory and its Data folder (writable for this user), copies the
// example problem into Data unless a file of that name is there already, and
// records the directory in the program's settings. Start-up options a user
// already chose are kept.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    err << "usage: vz_setup <program directory> <example problem file>\n";
    return 2;
  }
  const QString programDir = QDir::cleanPath(QFileInfo(args.at(1)).absoluteFilePath());
  const QString example = args.at(2);
  const QString data = programDir + QStringLiteral("/Data");
  if (!QDir().mkpath(data)) {
    err << "cannot create " << data << '\n';
    return 1;
  }
  for (const QString &dir : {programDir, data}) {
    QFile::Permissions p = QFile::permissions(dir);
    if (!QFile::setPermissions(dir, p | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
      err << "cannot make " << dir << " writable\n";
      return 1;
    }
  }
  const QString target = data + QLatin1Char('/') + QFileInfo(example).fileName();
  if (!QFileInfo::exists(target)) {
    if (!QFile::copy(example, target)) {
      err << "cannot copy " << example << " to " << target << '\n';
      return 1;
    }
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  }

  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tervolu"),
                     QStringLiteral("VKSetings"));
  settings.setValue(QStringLiteral("VKpath"), programDir);
  const struct {
    const char *key;
    const char *value;
  } defaults[] = {{"VKldlg", "0"}, {"VKlstrt", "1"}, {"VKlogo", "1"}, {"VKlatip", " 0"}};
  for (const auto &d : defaults)
    if (!settings.contains(QLatin1String(d.key)))
      settings.setValue(QLatin1String(d.key), QLatin1String(d.value));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    err << "cannot write the settings file " << settings.fileName() << '\n';
    return 1;
  }
  out << "program directory: " << programDir << '\n'
      << "example problem:   " << target << '\n'
      << "settings:          " << settings.fileName() << '\n';
  return 0;
}
