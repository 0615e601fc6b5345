#include "shellfixture.h"
#include "platform/singlecopy.h"
#include "scriptedinteraction.h"
#include "shell/jqmovewindow.h"
#include "shell/menuenabling.h"
#include "shell/menuids.h"
#include "problem/problemfile.h"
#include "shell/problemfilecommands.h"
#include "shell/shellstartup.h"
#include "shell/startupsettings.h"

#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

using namespace vz;
using namespace vz::test;

namespace {

QByteArray bytesOf(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The owner's lines as QLockFile writes them: process id, program, host.
QByteArray expectedOwner()
{
  return QByteArray::number(QCoreApplication::applicationPid()) + '\n'
         + QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) + '\n'
         + QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

class TstShellCore : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  ScriptedInteraction *m_ui = nullptr;
  ScriptedFileDialogs *m_dialogs = nullptr;
  ProblemFileCommands *m_files = nullptr;
  int m_changes = 0;
  QString m_caption;

  QString data(const QString &name) const { return m_dir.path() + QStringLiteral("/Data/") + name; }
  AppSession &session() { return AppSession::instance(); }
  bool open() { return session().isProblemOpen(); }
  QString openPath() { return open() ? session().problemFile()->path() : QString(); }

  // Opens a new problem file "name.RVD" in the Data folder holding a small problem, saved.
  void makeProblemFile(const QString &name, int feeds = 2, int nutrients = 2)
  {
    m_ui->newNameAnswers.enqueue(name);
    QVERIFY(m_files->newFile());
    fillProblem(session().problem(), feeds, nutrients);
    QVERIFY(m_files->save());
  }

private slots:
  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    closeSessionProblem();
    session().setProgramDir(m_dir.path());
    m_ui = new ScriptedInteraction;
    m_dialogs = new ScriptedFileDialogs;
    m_changes = 0;
    m_caption.clear();
    ProblemFileCommands::Hooks hooks;
    hooks.problemChanged = [this] { ++m_changes; };
    hooks.setCaption = [this](const QString &c) { m_caption = c; };
    m_files = new ProblemFileCommands(session(), *m_ui, *m_dialogs, hooks);
  }

  void cleanup()
  {
    closeSessionProblem();
    delete m_files;
    delete m_dialogs;
    delete m_ui;
    QDir(m_dir.path() + QStringLiteral("/Data")).removeRecursively();
  }

  // ---- menu enabling ----

  void menuEnabling_data()
  {
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("feeds");
    QTest::addColumn<int>("nutrients");
    QTest::addColumn<int>("matrixRows");
    QTest::addColumn<int>("matrixColumns");
    QTest::addColumn<QList<int>>("enabled");
    using namespace menuid;
    const QList<int> always{Kapat, Kaydet, FarkliKaydet, YemMaddesi, BesinMaddesi, SutSigiri, BesiSigiri};
    QTest::newRow("no problem") << false << 2 << 2 << 2 << 2 << QList<int>();
    QTest::newRow("new empty problem") << true << 0 << 0 << 0 << 0 << (always + QList<int>{SecerekOlustur});
    QTest::newRow("one feed, no nutrient")
        << true << 1 << 0 << 0 << 0 << (always + QList<int>{SecerekOlustur, BesinMaddesiEkle});
    QTest::newRow("2 x 2") << true << 2 << 2 << 2 << 2
                           << (always + QList<int>{BesinMaddesiEkle, YemMaddesiEkle, MatrisYazimi,
                                                   BesinMaddesiOrani, Optimal, Manuel, AktifMatris});
    QTest::newRow("3 rows x 1 column") << true << 1 << 3 << 3 << 1
                                       << (always + QList<int>{SecerekOlustur, BesinMaddesiEkle, YemMaddesiEkle});
    QTest::newRow("1 x 2 after deleting rows")
        << true << 2 << 1 << 1 << 2
        << (always + QList<int>{SecerekOlustur, BesinMaddesiEkle, YemMaddesiEkle});
  }

  void menuEnabling()
  {
    QFETCH(bool, open);
    QFETCH(int, feeds);
    QFETCH(int, nutrients);
    QFETCH(int, matrixRows);
    QFETCH(int, matrixColumns);
    QFETCH(QList<int>, enabled);
    RationProblem p;
    for (int j = 0; j < feeds; ++j)
      p.feedNames.append(QStringLiteral("Y%1").arg(j));
    for (int i = 0; i < nutrients; ++i)
      p.nutrientNames.append(QStringLiteral("B%1").arg(i));
    for (int i = 0; i < matrixRows; ++i)
      p.matrix.append(QStringList(matrixColumns, num(1, 4)));

    const QMap<int, bool> state = MenuEnabling::compute(p, open);
    QCOMPARE(state.keys().size(), 15);
    for (int id : MenuEnabling::problemItems())
      QVERIFY2(state.value(id) == enabled.contains(id), qPrintable(QString::number(id)));
  }

  // ---- window placement ----

  void jqMoveWindow_data()
  {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("mode 1 top left") << QSize(800, 600) << QSize(800, 600) << 1 << 0 << 0 << QPoint(0, 0);
    QTest::newRow("mode 1 offset capped") << QSize(700, 600) << QSize(400, 300) << 1 << 500 << 20 << QPoint(300, 20);
    QTest::newRow("mode 1 negative offsets count by size") << QSize(700, 600) << QSize(400, 300) << 1 << -50 << -20 << QPoint(50, 20);
    QTest::newRow("mode 2 top right") << QSize(700, 600) << QSize(400, 300) << 2 << 10 << 0 << QPoint(290, 0);
    QTest::newRow("mode 3 centred") << QSize(701, 601) << QSize(400, 300) << 3 << 0 << 0 << QPoint(150, 150);
    QTest::newRow("mode 4 bottom right") << QSize(700, 600) << QSize(400, 300) << 4 << 0 << 10 << QPoint(300, 290);
    QTest::newRow("mode 5 bottom left") << QSize(700, 600) << QSize(400, 300) << 5 << 0 << 0 << QPoint(0, 300);
    QTest::newRow("no mode: top at a seventh") << QSize(700, 1000) << QSize(400, 300) << 0 << 0 << 0 << QPoint(150, 100);
    QTest::newRow("no mode, y negative moves down") << QSize(700, 1000) << QSize(400, 300) << 0 << 0 << -30 << QPoint(150, 130);
    QTest::newRow("window larger than area") << QSize(300, 200) << QSize(400, 300) << 4 << 50 << 50 << QPoint(0, 0);
  }

  void jqMoveWindow()
  {
    QFETCH(QSize, area);
    QFETCH(QSize, window);
    QFETCH(int, mode);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QPoint, expected);
    QCOMPARE(jqMoveWindowPosition(area, window, mode, x, y), expected);
  }

  // ---- settings and start-up ----

  void startupSettings_data()
  {
    QTest::addColumn<QStringList>("values");  // name=value pairs
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("programDrive");
    QTest::addColumn<QList<bool>>("options");  // log-on, tip, splash
    QTest::addColumn<int>("lastTip");
    QTest::newRow("nothing set") << QStringList() << QString() << QString() << QList<bool>{false, false, false} << 0;
    QTest::newRow("blank path is missing") << QStringList{QStringLiteral("VKpath=   ")} << QString() << QString()
                                           << QList<bool>{false, false, false} << 0;
    QTest::newRow("path trimmed, options")
        << QStringList{QStringLiteral("VKpath=  /opt/vz  "), QStringLiteral("VKldlg=0"), QStringLiteral("VKlogo=1"),
                       QStringLiteral("VKlatip= 7")}
        << QStringLiteral("/opt/vz") << QString() << QList<bool>{false, false, true} << 7;
    QTest::newRow("drive letter")
        << QStringList{QStringLiteral("VKpath=C:\\VESK"), QStringLiteral("VKldlg=1"), QStringLiteral("VKlstrt=1"),
                       QStringLiteral("VKlatip=abc")}
        << QStringLiteral("C:\\VESK") << QStringLiteral("C:") << QList<bool>{true, true, false} << 0;
  }

  void startupSettings()
  {
    QFETCH(QStringList, values);
    QFETCH(QString, programDir);
    QFETCH(QString, programDrive);
    QFETCH(QList<bool>, options);
    QFETCH(int, lastTip);
    clearSettings();
    for (const QString &v : values)
      writeSetting(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
    const StartupSettings s = StartupSettings::read();
    QCOMPARE(s.programDir, programDir);
    QCOMPARE(s.programDrive, programDrive);
    if (!programDir.isEmpty()) {
      QCOMPARE(QList<bool>({s.logOnAtStart, s.tipAtStart, s.splashAtStart}), options);
      QCOMPARE(int(s.lastTip), lastTip);
    }
  }

  // A file named on the command line is found in the folder the program was
  // started in, though the program then works in its own folder.
  void commandLinePathFromTheStartFolder_data()
  {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");  // relative to the start folder
    QTest::newRow("relative") << QStringLiteral("rel.RVD") << QStringLiteral("rel.RVD");
    QTest::newRow("relative in a subfolder") << QStringLiteral("./alt/../a%2b%3.RVD") << QStringLiteral("a%2b%3.RVD");
    QTest::newRow("quoted") << QStringLiteral("\"iki ad.RVD\"") << QStringLiteral("iki ad.RVD");
  }

  void commandLinePathFromTheStartFolder()
  {
    QFETCH(QString, given);
    QFETCH(QString, expected);
    clearSettings();
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    const QString startPath = QDir::currentPath();
    writeSetting(QStringLiteral("VKpath"), m_dir.path());
    SingleCopyLock lock;
    const auto out = ShellStartup::prepare(*m_ui, lock, {QStringLiteral("vesk_zyr"), given});
    QCOMPARE(out.status, ShellStartup::Status::Run);
    QCOMPARE(out.problemFile, startPath + QLatin1Char('/') + expected);
  }

  void startWithoutProgramDirEnds()
  {
    clearSettings();
    SingleCopyLock lock;
    const auto out = ShellStartup::prepare(*m_ui, lock, {QStringLiteral("vesk_zyr")});
    QCOMPARE(out.status, ShellStartup::Status::NotInstalled);
    QCOMPARE(m_ui->texts(QStringLiteral("error")), QStringList{ShellStartup::notInstalledText()});
    QVERIFY(ShellStartup::notInstalledText().contains(QStringLiteral("scripts/setup-and-run.sh")));
  }

  void secondCopyRefused()
  {
    clearSettings();
    writeSetting(QStringLiteral("VKpath"), m_dir.path());
    const QString before = QDir::currentPath();
    {
      SingleCopyLock first;
      const auto one = ShellStartup::prepare(*m_ui, first, {QStringLiteral("vesk_zyr")});
      QCOMPARE(one.status, ShellStartup::Status::Run);
      QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
      QCOMPARE(session().programDir(), m_dir.path());

      SingleCopyLock second;
      QCOMPARE(ShellStartup::prepare(*m_ui, second, {}).status, ShellStartup::Status::AlreadyRunning);
      QCOMPARE(m_ui->texts(QStringLiteral("error")),
               QStringList{QStringLiteral("Vesk_Zyr 2.0 hazır yüklü...\nGörev çubuğunda olabilir!")});

      // A copy that has been running for a while still holds the program.
      const QString lockFile = SingleCopyLock::lockFilePath(QStringLiteral("Vesk_Zyr"));
      QFile f(lockFile);
      QVERIFY(f.open(QIODevice::ReadWrite));
      QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
      f.close();
      SingleCopyLock later;
      QVERIFY(later.isAppRunning(QStringLiteral("Vesk_Zyr")));
    }
    // Once the first copy has gone, a new start runs.
    SingleCopyLock next;
    QVERIFY(!next.isAppRunning(QStringLiteral("Vesk_Zyr")));
    QDir::setCurrent(before);
  }

  // Another process: a live copy keeps this one out, and once it is killed
  // (no clean-up of its own) its lock is free though its file is left.
  void lockOfAnotherProcess()
  {
    const QString name = QStringLiteral("Vesk_Zyr_other");
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VZ_HOLD_LOCK"), name);
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(), QStringList());
    QByteArray said;
    while (!said.contains("lock held")) {
      QVERIFY2(other.waitForReadyRead(10000), said.constData());
      said += other.readAllStandardOutput();
    }
    const QString path = SingleCopyLock::lockFilePath(name);
    SingleCopyLock here;
    QVERIFY(here.isAppRunning(name));
    QVERIFY(!here.holdsLock());
    // A copy of an earlier version, which took a QLockFile, keeps out too.
    QLockFile earlier(path);
    earlier.setStaleLockTime(0);
    QVERIFY(!earlier.tryLock(0));
    other.kill();
    QVERIFY(other.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(path));
    // Once the copy is gone, the earlier version takes over, and holds ours.
    QVERIFY(earlier.tryLock(0));
    QVERIFY(here.isAppRunning(name));
    earlier.unlock();
    QVERIFY(!here.isAppRunning(name));
    QVERIFY(here.holdsLock());
  }

  // The lock file names its owner, whatever an earlier owner left in it.
  void lockFileNamesOwnerWhole_data()
  {
    QTest::addColumn<QByteArray>("before");
    const QByteArray owner = expectedOwner();
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("longer owner") << QByteArray("123456789\nanother-program\na-much-longer-host-name.example\n");
    QTest::newRow("shorter owner") << QByteArray("7\nvz\nh\n");
    QTest::newRow("same length") << QByteArray(owner.size(), 'x');
  }

  void lockFileNamesOwnerWhole()
  {
    QFETCH(QByteArray, before);
    const QString name = QStringLiteral("Vesk_Zyr_owner");
    const QString path = SingleCopyLock::lockFilePath(name);
    QFile::remove(path);
    if (!before.isNull()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QCOMPARE(f.write(before), before.size());
    }
    {
      SingleCopyLock lock;
      QVERIFY(!lock.isAppRunning(name));
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), expectedOwner());
      // What a copy of an earlier version reads there: a live owner.
      QLockFile earlier(path);
      earlier.setStaleLockTime(0);
      QVERIFY(!earlier.tryLock(0));
      qint64 pid = 0;
      QString host, program;
      QVERIFY(earlier.getLockInfo(&pid, &host, &program));
      QCOMPARE(pid, QCoreApplication::applicationPid());
      QCOMPARE(host, QSysInfo::machineHostName());
    }
    QFile::remove(path);
  }

  void commandLineArgument_data()
  {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    const QString prog = QStringLiteral("/usr/bin/vesk_zyr");
    QTest::newRow("none") << QStringList{prog} << QString();
    QTest::newRow("quoted path") << QStringList{prog, QStringLiteral("\"/d/a b.RVD\"")} << QStringLiteral("/d/a b.RVD");
    QTest::newRow("plain path") << QStringList{prog, QStringLiteral("/d/x.RVD")} << QStringLiteral("/d/x.RVD");
    QTest::newRow("taken literally") << QStringList{prog, QStringLiteral("\"$(rm -rf x)+Upper(a).RVD\"")}
                                     << QStringLiteral("$(rm -rf x)+Upper(a).RVD");
    QTest::newRow("several arguments") << QStringList{prog, QStringLiteral("a.RVD"), QStringLiteral("b.RVD")} << QString();
  }

  void commandLineArgument()
  {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(ShellStartup::problemFileArgument(arguments), expected);
  }

  // ---- new ----

  void newFile_data()
  {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::newRow("blank inside kept") << QStringLiteral("  rasyon 1 ") << QStringLiteral("rasyon 1.RVD");
    QTest::newRow("point") << QStringLiteral("a.b") << QStringLiteral("a_b.RVD");
    QTest::newRow("extension typed") << QStringLiteral("x.RVD") << QStringLiteral("x_RVD.RVD");
    QTest::newRow("folder typed") << QStringLiteral("../etc/x") << QStringLiteral("___etc_x.RVD");
  }

  void newFile()
  {
    QFETCH(QString, typed);
    QFETCH(QString, file);
    m_ui->newNameAnswers.enqueue(typed);
    QVERIFY(m_files->newFile());
    QCOMPARE(openPath(), data(file));
    QVERIFY(QFileInfo::exists(data(file)));
    QCOMPARE(m_caption, QStringLiteral("Vesk_Zyr 2.0 - ") + data(file));
    const RationProblem &p = session().problem();
    QVERIFY(p.feeds.isEmpty() && p.nutrients.isEmpty() && p.matrix.isEmpty());
    QCOMPARE(p.params, std::optional<QStringList>(RationProblem::defaultParams()));
    QVERIFY(!p.changed.any());
    QCOMPARE(m_ui->texts(QStringLiteral("status")), QStringList{QStringLiteral("Dosya oluşturuldu!")});

    // Read back from disk: the parameter row is there.
    ProblemFile again;
    QVERIFY(again.open(data(file)));
    RationProblem loaded;
    again.AKTPRODIZOLUSTUR(loaded);
    QCOMPARE(loaded.params, std::optional<QStringList>(RationProblem::defaultParams()));
  }

  void newFileCancelled()
  {
    QVERIFY(!m_files->newFile());
    QVERIFY(!open());
    QVERIFY(m_ui->shown.size() == 1);  // only the name dialog
  }

  void newFileOverExisting_data()
  {
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps the file") << false;
    QTest::newRow("Yes replaces it") << true;
  }

  void newFileOverExisting()
  {
    QFETCH(bool, answer);
    makeProblemFile(QStringLiteral("ESKI"));
    makeProblemFile(QStringLiteral("DIGER"));
    m_ui->shown.clear();
    m_ui->newNameAnswers.enqueue(QStringLiteral("ESKI"));
    m_ui->yesNoAnswers.enqueue(answer);
    QCOMPARE(m_files->newFile(), answer);
    QCOMPARE(m_ui->texts(QStringLiteral("yesno")).value(0),
             data(QStringLiteral("ESKI.RVD")) + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"));
    QCOMPARE(openPath(), data(answer ? QStringLiteral("ESKI.RVD") : QStringLiteral("DIGER.RVD")));
    QCOMPARE(session().problem().feeds.size(), answer ? 0 : 2);
  }

  void newFileNamedAsOpenFileRefused()
  {
    makeProblemFile(QStringLiteral("ACIK"));
    const QByteArray before = [&] { QFile f(data(QStringLiteral("ACIK.RVD"))); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    m_ui->shown.clear();
    m_ui->newNameAnswers.enqueue(QStringLiteral("ACIK"));
    QVERIFY(!m_files->newFile());
    QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), 1);
    QVERIFY(m_ui->texts(QStringLiteral("yesno")).isEmpty());
    QCOMPARE(openPath(), data(QStringLiteral("ACIK.RVD")));
    QCOMPARE(session().problem().feeds.size(), 2);
    QFile f(data(QStringLiteral("ACIK.RVD")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
  }

  // ---- open ----

  void openFile_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("message");  // %1 = the name
    QTest::newRow("lower-case extension") << QStringLiteral("kucuk.rvd") << true << QString();
    QTest::newRow("mixed-case extension") << QStringLiteral("karma.RvD") << true << QString();
    QTest::newRow("not a problem file") << QStringLiteral("rapor.TXT") << false
                                        << QStringLiteral("%1 dosyası bir Vesk_Zyr 2.0 veri dosyası değil...");
    QTest::newRow("ends in .RV") << QStringLiteral("x.RV") << false
                                 << QStringLiteral("%1 dosyası bir Vesk_Zyr 2.0 veri dosyası değil...");
    QTest::newRow("missing") << QStringLiteral("yok.RVD") << false << QStringLiteral("%1 dosyası bulunamıyor...");
    QTest::newRow("not a table") << QStringLiteral("bozuk.RVD") << false
                                 << QStringLiteral("%1 veri dosyasını açmada hata!");
    // Names holding "%" are shown as they are.
    QTest::newRow("missing, % in the name") << QStringLiteral("a%2b%3.RVD") << false
                                            << QStringLiteral("%1 dosyası bulunamıyor...");
    QTest::newRow("not a problem file, % in the name") << QStringLiteral("a%1b.TXT") << false
                                                       << QStringLiteral("%1 dosyası bir Vesk_Zyr 2.0 veri dosyası değil...");
    QTest::newRow("not a table, % in the name") << QStringLiteral("bozuk%1%2.RVD") << false
                                                << QStringLiteral("%1 veri dosyasını açmada hata!");
    QTest::newRow("opened, % in the name") << QStringLiteral("yuzde%1%2.RVD") << true << QString();
  }

  void openFile()
  {
    QFETCH(QString, name);
    QFETCH(bool, opened);
    QFETCH(QString, message);
    if (opened)
      QVERIFY(ProblemFile::createNew(data(name)));
    if (name.startsWith(QLatin1String("bozuk"))) {
      QFile f(data(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("not a dBASE table");
    }
    m_dialogs->openAnswers.enqueue(data(name));
    QCOMPARE(m_files->fileOpen(), opened);
    QCOMPARE(open(), opened);
    QCOMPARE(m_ui->texts(QStringLiteral("error")),
             message.isEmpty() ? QStringList() : QStringList{message.arg(data(name))});
    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("open ") + session().dataDir()});
    QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
    if (opened)
      QCOMPARE(m_caption, QStringLiteral("Vesk_Zyr 2.0 - ") + data(name));
  }

  void openFileNotAProblemKeepsOpenOne()
  {
    makeProblemFile(QStringLiteral("KALAN"));
    QVERIFY(!m_files->doOpenFile(data(QStringLiteral("a.TXT"))));
    QCOMPARE(openPath(), data(QStringLiteral("KALAN.RVD")));
  }

  void openMissingFileClosesOpenOne()
  {
    makeProblemFile(QStringLiteral("ONCEKI"));
    QVERIFY(!m_files->doOpenFile(data(QStringLiteral("YOK.RVD"))));
    QVERIFY(!open());
    QVERIFY(session().problem().feeds.isEmpty());
  }

  void openSameFileAgain()
  {
    makeProblemFile(QStringLiteral("AYNI"));
    session().problem().changed.feedAmounts = true;
    m_ui->shown.clear();
    // The same spelling: nothing happens, nothing is asked.
    QVERIFY(!m_files->doOpenFile(data(QStringLiteral("AYNI.RVD"))));
    QVERIFY(m_ui->shown.isEmpty());
    QVERIFY(session().problem().changed.feedAmounts);
    // Another spelling of the same file: closed with the question, opened again.
    const QString other = m_dir.path() + QStringLiteral("/Data/./AYNI.RVD");
    QVERIFY(m_files->doOpenFile(other));
    QCOMPARE(m_ui->texts(QStringLiteral("yesno")).size(), 1);
    QCOMPARE(openPath(), other);
  }

  // ---- close and save ----

  void closeQuestion_data()
  {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("savedFeeds");
    QTest::newRow("nothing changed: no question") << false << true << 2;
    QTest::newRow("changed, Yes saves") << true << true << 3;
    QTest::newRow("changed, No still closes") << true << false << 2;
  }

  void closeQuestion()
  {
    QFETCH(bool, changed);
    QFETCH(bool, answer);
    QFETCH(int, savedFeeds);
    makeProblemFile(QStringLiteral("KAPAT"));
    if (changed) {
      fillProblem(session().problem(), 3, 2);
      session().problem().changed.params = false;
    }
    m_ui->shown.clear();
    m_ui->yesNoAnswers.enqueue(answer);
    const int changesBefore = m_changes;
    QVERIFY(m_files->fileClose());
    QCOMPARE(m_ui->texts(QStringLiteral("yesno")),
             changed ? QStringList{data(QStringLiteral("KAPAT.RVD"))
                                   + QStringLiteral(" Dosyasındaki veriler değişmiş.\n\nDeğişiklikleri kaydetmek istiyor musunuz?")}
                     : QStringList());
    QVERIFY(!open());
    QCOMPARE(session().problem(), RationProblem());
    QCOMPARE(m_caption, ProblemFileCommands::defaultCaption());
    QVERIFY(m_changes > changesBefore);

    ProblemFile again;
    QVERIFY(again.open(data(QStringLiteral("KAPAT.RVD"))));
    RationProblem loaded;
    again.AKTPRODIZOLUSTUR(loaded);
    QCOMPARE(loaded.feeds.size(), savedFeeds);
  }

  void failedSaveKeepsProblem()
  {
    makeProblemFile(QStringLiteral("COK"));
    // More feedstuffs than a matrix row can hold: the file refuses the save.
    fillProblem(session().problem(), ProblemFile::MaxFeeds + 1, 2);
    m_ui->shown.clear();
    m_ui->yesNoAnswers.enqueue(true);
    QVERIFY(!m_files->fileClose());
    QVERIFY(open());
    QCOMPARE(session().problem().feeds.size(), ProblemFile::MaxFeeds + 1);
    QVERIFY(session().problem().changed.any());
    QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), 1);
    QVERIFY(m_ui->texts(QStringLiteral("error")).constFirst().startsWith(QStringLiteral("Dosyaya kaydetme sırasında hata!")));

    // Quitting the same way keeps it too.
    m_ui->yesNoAnswers.enqueue(true);
    QVERIFY(!m_files->closeForExit());
    QVERIFY(open());
    // Answering No lets it go.
    m_ui->yesNoAnswers.enqueue(false);
    QVERIFY(m_files->closeForExit());
    QVERIFY(!open());
  }

  void closeRunsWindowsFirst()
  {
    // An editing window hands its copy back when it closes, so the question
    // sees the change.
    ProblemFileCommands::Hooks hooks;
    hooks.problemChanged = [] {};
    hooks.setCaption = [](const QString &) {};
    bool refuse = true;
    hooks.closeProblemWindows = [&] {
      if (refuse)
        return false;
      session().problem().changed.feedNames = true;
      return true;
    };
    ProblemFileCommands files(session(), *m_ui, *m_dialogs, hooks);
    makeProblemFile(QStringLiteral("PENCERE"));
    m_ui->shown.clear();
    QVERIFY(!files.fileClose());
    QVERIFY(open());
    refuse = false;
    m_ui->yesNoAnswers.enqueue(false);
    QVERIFY(files.fileClose());
    QCOMPARE(m_ui->texts(QStringLiteral("yesno")).size(), 1);
  }

  // Another session (another user's copy of the program) saved the open
  // problem's file since it was opened. Its change of a part we changed too is
  // never overwritten silently: the save asks, and each answer keeps exactly
  // one side's change; a part only one side changed is merged without asking.
  void saveAfterAnotherSessionSaved_data()
  {
    QTest::addColumn<bool>("samePart");
    QTest::addColumn<int>("answer");  // yes: write over, no: discard mine, cancel
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<double>("priceOnDisk");
    QTest::addColumn<double>("priceShown");
    QTest::addColumn<double>("lowerOnDisk");  // the other session's nutrient change
    using A = Interaction::Answer;
    QTest::newRow("other part: merged") << false << int(A::Cancel) << false << true << 5.5 << 5.5 << 3.0;
    QTest::newRow("same part: write over") << true << int(A::Yes) << true << true << 5.5 << 5.5 << 3.0;
    QTest::newRow("same part: discard mine") << true << int(A::No) << true << true << 7.75 << 7.75 << 3.0;
    QTest::newRow("same part: cancel") << true << int(A::Cancel) << true << false << 7.75 << 5.5 << 3.0;
  }
  void saveAfterAnotherSessionSaved()
  {
    QFETCH(bool, samePart);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QFETCH(double, priceOnDisk);
    QFETCH(double, priceShown);
    QFETCH(double, lowerOnDisk);
    makeProblemFile(QStringLiteral("IKI"));
    const QString path = openPath();
    {
      ProblemFile other;
      QVERIFY(other.open(path));
      RationProblem p;
      other.AKTPRODIZOLUSTUR(p);
      if (samePart)
        p.feeds[0][YmPrice] = num(7.75, 3);
      p.nutrients[1][BmLower] = num(3, 4);
      p.changed.feedNames = samePart;
      p.changed.nutrientNames = true;
      QVERIFY2(other.PROBDBFUPDATE(p), qPrintable(other.errorString()));
    }
    RationProblem &mine = session().problem();
    mine.feeds[0][YmPrice] = num(5.5, 3);
    mine.changed.feedNames = true;
    const int changesBefore = m_changes;
    m_ui->yesNoCancelAnswers.enqueue(Interaction::Answer(answer));
    QCOMPARE(m_files->save(), saved);
    const QStringList questions = m_ui->texts(QStringLiteral("yesnocancel"));
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
      QCOMPARE(questions.first(), path + QStringLiteral(" Dosyasındaki yem maddeleri siz okuduktan sonra başka bir "
                                                        "oturumda değiştirilip kaydedilmiş.\n\nSizin değişiklikleriniz "
                                                        "onların üzerine mi yazılsın, yoksa sizinkiler atılıp "
                                                        "dosyadakiler mi alınsın?"));
      QCOMPARE(m_ui->shown.last().caption, QStringLiteral("Uyarı..."));
    }
    QVERIFY(m_ui->texts(QStringLiteral("error")).isEmpty());
    QCOMPARE(mine.feeds[0][YmPrice].trimmed().toDouble(), priceShown);
    QCOMPARE(mine.changed.any(), !saved);
    QCOMPARE(m_changes > changesBefore, answer == int(Interaction::Answer::No) && asked);
    ProblemFile check;
    QVERIFY(check.open(path));
    RationProblem onDisk;
    check.AKTPRODIZOLUSTUR(onDisk);
    QCOMPARE(onDisk.feeds[0][YmPrice].trimmed().toDouble(), priceOnDisk);
    QCOMPARE(onDisk.nutrients[1][BmLower].trimmed().toDouble(), lowerOnDisk);
  }

  // ---- save as ----

  void saveAs_data()
  {
    QTest::addColumn<QString>("chosen");   // in the Data folder
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("existing");    // the target is there already
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("target");   // empty: nothing written
    QTest::addColumn<QString>("openAfter");
    QTest::addColumn<QString>("status");
    const QString ok = QStringLiteral("Dosya başarıyla kaydedildi...");
    QTest::newRow("rvd") << QStringLiteral("ABC.RVD") << 1 << false << false << QStringLiteral("ABC1.RVD")
                         << QStringLiteral("ABC1.RVD") << ok;
    QTest::newRow("typed extension does not count") << QStringLiteral("ABC.VVD") << 1 << false << false
                                                   << QStringLiteral("ABC1.RVD") << QStringLiteral("ABC1.RVD") << ok;
    QTest::newRow("vvd") << QStringLiteral("ABC") << 2 << false << false << QStringLiteral("ABC1.VVD")
                         << QStringLiteral("KAYNAK.RVD") << ok;
    QTest::newRow("existing, No") << QStringLiteral("ABC.RVD") << 1 << true << false << QString()
                                  << QStringLiteral("KAYNAK.RVD") << QString();
    QTest::newRow("existing, Yes") << QStringLiteral("ABC.RVD") << 1 << true << true << QStringLiteral("ABC1.RVD")
                                   << QStringLiteral("ABC1.RVD") << ok;
    QTest::newRow("onto the open file") << QStringLiteral("KAYNAK.RVD") << 1 << false << false << QString()
                                        << QStringLiteral("KAYNA1.RVD") << QStringLiteral("Açık dosyayı kendi üzerine kaydetme teşbbüsü...");
    QTest::newRow("cancelled") << QString() << 1 << false << false << QString() << QStringLiteral("KAYNAK.RVD")
                               << QStringLiteral("Geçerli dosya adı girilmedi...");
  }

  void saveAs()
  {
    QFETCH(QString, chosen);
    QFETCH(int, filter);
    QFETCH(bool, existing);
    QFETCH(bool, answer);
    QFETCH(QString, target);
    QFETCH(QString, openAfter);
    QFETCH(QString, status);
    // "onto the open file": the open file is KAYNA1.RVD, and KAYNAK.RVD + "1"... is
    // not it; so that row opens KAYNA1 and chooses KAYNA.RVD.
    const bool ontoItself = status.startsWith(QStringLiteral("Açık"));
    makeProblemFile(ontoItself ? QStringLiteral("KAYNA1") : QStringLiteral("KAYNAK"));
    if (ontoItself)
      chosen = QStringLiteral("KAYNA.RVD");
    fillProblem(session().problem(), 3, 2);  // an unsaved change goes to the target only
    session().problem().changed.params = false;
    const QString original = data(ontoItself ? QStringLiteral("KAYNA1.RVD") : QStringLiteral("KAYNAK.RVD"));
    const QByteArray originalBytes = bytesOf(original);
    if (existing) {
      QFile f(data(QStringLiteral("ABC1.RVD")));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("older");
    }
    m_ui->shown.clear();
    m_ui->yesNoAnswers.enqueue(answer);
    m_dialogs->saveAsAnswers.enqueue({chosen.isEmpty() ? QString() : data(chosen), filter});
    m_files->saveAs();
    QCOMPARE(m_dialogs->asked.constLast(), QStringLiteral("saveas ") + data(ontoItself ? QStringLiteral("KAYNA1.RVD") : QStringLiteral("KAYNAK.RVD")) + QLatin1Char(' ') + session().dataDir());
    QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
    QCOMPARE(openPath(), data(openAfter));
    QCOMPARE(m_ui->texts(QStringLiteral("status")), status.isEmpty() ? QStringList() : QStringList{status});
    QCOMPARE(m_ui->texts(QStringLiteral("error")), QStringList());
    if (existing)
      QCOMPARE(m_ui->shown.constFirst().text,
               data(QStringLiteral("ABC1.RVD")) + QStringLiteral(" Dosyası mevcut!\n\nÜzerine yazılsın mı?"));
    if (target.isEmpty())
      return;
    // The written copy holds the problem as it stood, change included; the
    // original keeps its own content, and after a ".VVD" export the open
    // problem still has its change to save.
    QCOMPARE(bytesOf(original), originalBytes);
    QCOMPARE(session().problem().changed.any(), target.endsWith(QLatin1String(".VVD")));
    ProblemFile copy;
    RationProblem loaded;
    if (target.endsWith(QLatin1String(".RVD"))) {
      QVERIFY(copy.open(data(target)));
      copy.AKTPRODIZOLUSTUR(loaded);
      QCOMPARE(loaded.feeds.size(), 3);
    } else {
      DbfTable vvd;
      QVERIFY(vvd.open(data(target), DbfTable::OpenMode::ReadOnly));
      QCOMPARE(vvd.fieldCount(), 16);
      QCOMPARE(vvd.liveRecordCount(), 3);
    }
  }

  void saveAsOntoItselfThroughLink()
  {
    makeProblemFile(QStringLiteral("HEDEF1"));
    // A link named after the would-be target: writing through it would
    // overwrite the open file.
    QVERIFY(QFile::link(data(QStringLiteral("HEDEF1.RVD")), data(QStringLiteral("BAG1.RVD"))));
    const QByteArray before = [&] { QFile f(data(QStringLiteral("HEDEF1.RVD"))); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    m_dialogs->saveAsAnswers.enqueue({data(QStringLiteral("BAG.RVD")), 1});
    m_ui->yesNoAnswers.enqueue(true);
    QVERIFY(!m_files->saveAs());
    QCOMPARE(m_ui->texts(QStringLiteral("status")).constLast(),
             QStringLiteral("Açık dosyayı kendi üzerine kaydetme teşbbüsü..."));
    QCOMPARE(openPath(), data(QStringLiteral("HEDEF1.RVD")));
    QFile f(data(QStringLiteral("HEDEF1.RVD")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
  }
};

int main(int argc, char *argv[])
{
  QCoreApplication app(argc, argv);
  // The other copy of lockOfAnotherProcess: takes the lock and keeps it
  // until it is killed.
  const QString held = qEnvironmentVariable("VZ_HOLD_LOCK");
  if (!held.isEmpty()) {
    SingleCopyLock lock;
    if (lock.isAppRunning(held))
      return 1;
    std::fputs("lock held\n", stdout);
    std::fflush(stdout);
    for (;;)
      ::pause();
  }
  TstShellCore test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "tst_shellcore.moc"
