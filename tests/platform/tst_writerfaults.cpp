// Every writer of a user's file, through its own public call, under every
// fault a user's machine puts on a save. Each row checks the answer (false
// with its reason, or true) and the file on disk: the old one byte for byte,
// or the new one whole. The faults are real (a file-size limit, a full tmpfs,
// a folder the user may not write, a read-only file, a symbolic link) and
// reach the very file the writer replaces: the row without a fault shows
// that the writer does change that file.
#include "../editing/referencefixture.h"
#include "faulttesting.h"

#include "editing/referencemaintenance.h"
#include "editing/referencematrixcopy.h"
#include "platform/fileerror.h"
#include "problem/problemfile.h"
#include "problem/reportwriter.h"
#include "scriptedinteraction.h"
#include "shell/startupsettings.h"
#include "shell/textreportfile.h"
#include "shell/userstable.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

using namespace vz;
using namespace vz::test;

namespace {

enum class Fault {
  None,
  SizeLimit,        // RLIMIT_FSIZE at half the old file's size
  FullDisk,         // a full tmpfs, as root
  UnwritableFolder, // as nobody: the folder takes no new file, the file is writable
  InPlaceSizeLimit, // the same under a file-size limit at the old size
  InPlaceFullDisk,  // the same on a full tmpfs
  ReadOnlyFile,     // 0444 in a writable folder (root too is held to it)
  SymbolicLink,     // the name is a link to the file in another folder
};

// What a writer answered, and its reason where it gives one.
struct Answer {
  bool ok = false;
  QString reason;
};

// `fault` is applied by the writer right before it writes (after it opened
// or read what it works on); false when the fault could not be taken on.
using FaultNow = std::function<bool()>;

// Puts the old file (and whatever the writer reads) into `dir`; answers the
// path of the file the writer replaces.
using SetUp = std::function<QString(const QString &dir)>;
using Run = std::function<Answer(const QString &dir, const QString &file, const FaultNow &fault)>;

struct Writer {
  QString name;
  SetUp setUp;
  Run run;
  // The new file is checked here instead of byte for byte (random salts).
  std::function<bool(const QString &dir)> isWholeNew;
  // The writer refuses a folder it may not add to by its own rule, before the saver.
  bool mayRefuseUnwritableFolder = false;
};

Writer writer(const QString &name, SetUp setUp, Run run)
{
  Writer w;
  w.name = name;
  w.setUp = std::move(setUp);
  w.run = std::move(run);
  return w;
}

QString joined(const ScriptedInteraction &ui)
{
  QStringList texts;
  for (const auto &s : ui.shown)
    if (s.kind == QLatin1String("error") || s.kind == QLatin1String("information")
        || s.kind == QLatin1String("warning"))
      texts.append(s.text);
  return texts.join(QLatin1Char('\n'));
}

// A problem of two feedstuffs and two nutrients, with `ratios` ratio rows.
RationProblem problemWith(int ratios)
{
  RationProblem p;
  p.feeds = {{QStringLiteral("Arpa"), QStringLiteral("5.000"), QString(), QString(), QString()},
             {QStringLiteral("Mısır"), QStringLiteral("6.000"), QString(), QString(), QString()}};
  p.rebuildFeedNames();
  p.nutrients = {{QStringLiteral("KMT"), QStringLiteral("Kg"), QStringLiteral("20.0000"), QString(), QString()},
                 {QStringLiteral("HP"), QStringLiteral("g"), QString(), QStringLiteral("2500.0000"), QString()}};
  p.rebuildNutrientLists();
  p.matrix = {{QStringLiteral("1.0000"), QStringLiteral("1.0000")},
              {QStringLiteral("124.0000"), QStringLiteral("94.0000")}};
  p.params = RationProblem::defaultParams();
  for (int i = 0; i < ratios; ++i)
    p.ratios.append({QStringLiteral("HP"), QStringLiteral("KMT"), QString(), QString::number(100 + i),
                     QString::number(200 + i)});
  p.changed = {true, true, true, true, true, false};
  return p;
}

// Writes a problem file at `path` (readable and writable by everyone, so
// that "nobody" may open it too).
bool makeProblem(const QString &path, int ratios)
{
  QDir().mkpath(QFileInfo(path).absolutePath());
  ProblemFile f;
  RationProblem p = problemWith(ratios);
  return ProblemFile::createNew(path) && f.open(path) && f.PROBDBFUPDATE(p) && setMode(path, 0666);
}

// The open problem with eleven ratio rows more than its file holds, three
// pages more on disk.
Answer withMoreRatios(const QString &path, const FaultNow &fault,
                      const std::function<bool(ProblemFile &, RationProblem &)> &write)
{
  ProblemFile f;
  if (!f.open(path))
    return {false, f.errorString()};
  RationProblem p;
  f.AKTPRODIZOLUSTUR(p);
  p.ratios = problemWith(12).ratios;
  p.changed.ratios = true;
  if (!fault())
    return {};
  const bool ok = write(f, p);
  return {ok, f.errorString()};
}

// Save-as of the problem open from "kaynak" over an older problem file
// `targetName` in "data".
Writer saveAsWriter(const QString &name, const QString &targetName,
                    const std::function<bool(ProblemFile &, const QString &, RationProblem &)> &save)
{
  return writer(
      name,
      [targetName](const QString &dir) {
        makeProblem(dir + QStringLiteral("/kaynak/P.RVD"), 1);
        const QString target = dir + QStringLiteral("/data/") + targetName;
        makeProblem(target, 0);
        return target;
      },
      [save](const QString &dir, const QString &file, const FaultNow &fault) {
        return withMoreRatios(dir + QStringLiteral("/kaynak/P.RVD"), fault,
                              [&](ProblemFile &f, RationProblem &p) { return save(f, file, p); });
      });
}

QString referenceIn(const QString &dir, int records)
{
  QDir().mkpath(dir);
  writeReference(dir, referenceRecords().mid(0, records));
  return QDir(dir).filePath(QStringLiteral("MATKUMAD.DBF"));
}

// The reference matrix window: `edit` changes its copy of the matrix in
// "prog" (true when it did), the window's save writes it.
Writer matrixWindowWriter(const QString &name,
                          const std::function<bool(ReferenceMatrixCopy &, ScriptedInteraction &)> &edit)
{
  return writer(
      name, [](const QString &dir) { return referenceIn(dir + QStringLiteral("/prog"), 6); },
      [edit](const QString &, const QString &file, const FaultNow &fault) {
        ReferenceMatrixCopy copy;
        QString why;
        if (!copy.open(file, &why))
          return Answer{false, why};
        ScriptedInteraction ui;
        if (!edit(copy, ui))
          return Answer{false, QStringLiteral("the edit changed nothing: ") + joined(ui)};
        if (!fault())
          return Answer{};
        const bool ok = copy.save(&why) == ReferenceMatrixCopy::SaveOutcome::Saved;
        return Answer{ok, why + joined(ui)};
      });
}

QList<Writer> writers()
{
  QList<Writer> all;
  all.append(writer(QStringLiteral("problem save"),
              [](const QString &dir) {
                const QString path = dir + QStringLiteral("/data/P.RVD");
                makeProblem(path, 1);
                return path;
              },
              [](const QString &, const QString &file, const FaultNow &fault) {
                return withMoreRatios(file, fault, [](ProblemFile &f, RationProblem &p) { return f.PROBDBFUPDATE(p); });
              }));
  all.append(saveAsWriter(QStringLiteral("save-as"), QStringLiteral("Q1.RVD"),
                          [](ProblemFile &f, const QString &target, RationProblem &p) { return f.saveAs(target, p); }));
  all.append(saveAsWriter(QStringLiteral("save-as older layout"), QStringLiteral("Q1.VVD"),
                          [](ProblemFile &f, const QString &target, RationProblem &p) {
                            return f.CREATE_VSK_DBFFILE(target, &p);
                          }));
  {
    Writer users = writer(QStringLiteral("users table"),
                 [](const QString &dir) {
                   const QString prog = dir + QStringLiteral("/prog");
                   QDir().mkpath(prog);
                   UsersTable(prog).ensure();
                   return UsersTable(prog).path();
                 },
                 [](const QString &dir, const QString &, const FaultNow &fault) {
                   UsersTable::Edit edit;
                   edit.adding = true;
                   edit.loggedOnUserId = UsersTable::defaultUser();
                   edit.currentPassword = UsersTable::defaultPassword();
                   edit.newPassword = edit.retypedPassword = QStringLiteral("YENI1");
                   edit.newName = QStringLiteral("AYSE");
                   if (!fault())
                     return Answer{};
                   const UsersTable::EditResult r = UsersTable(dir + QStringLiteral("/prog")).apply(edit);
                   return Answer{r.done, r.message};
                 });
    users.isWholeNew = [](const QString &dir) {
      const UsersTable table(dir + QStringLiteral("/prog"));
      return table.checkLogOn(QStringLiteral("AYSE"), QStringLiteral("YENI1")).ok
             && table.checkLogOn(UsersTable::defaultUser(), UsersTable::defaultPassword()).ok;
    };
    all.append(users);
  }
  all.append(matrixWindowWriter(QStringLiteral("reference matrix save"),
                                [](ReferenceMatrixCopy &copy, ScriptedInteraction &ui) {
                                  const int added = copy.APPEND();
                                  return copy.ENDEDIT(added, 1, QStringLiteral("Pamuk Tohumu Küspesi"), ui)
                                         == ReferenceMatrixCopy::EditOutcome::Stored;
                                }));
  all.append(matrixWindowWriter(QStringLiteral("column arithmetic"),
                                [](ReferenceMatrixCopy &copy, ScriptedInteraction &ui) {
                                  ui.columnAnswers.enqueue({QStringLiteral("+"), QStringLiteral("10")});
                                  ui.yesNoAnswers.enqueue(true);
                                  return refmaint::COLMATHBM(copy, copy.fieldPosition(QStringLiteral("HP")), ui);
                                }));
  all.append(writer(QStringLiteral("column change"),
              [](const QString &dir) { return referenceIn(dir + QStringLiteral("/prog"), 6); },
              [](const QString &, const QString &file, const FaultNow &fault) {
                refmaint::ColumnEditor editor(file);
                if (!editor.load())
                  return Answer{false, QStringLiteral("not loaded")};
                if (!fault())
                  return Answer{};
                ScriptedInteraction ui;
                editor.PBTAMAM(refmaint::ColumnOperation::Append, QStringLiteral("YENI"), 0, ui);
                return Answer{ui.shown.isEmpty(), joined(ui)};
              }));
  {
    Writer backUp = writer(QStringLiteral("back-up"),
                  [](const QString &dir) {
                    referenceIn(dir + QStringLiteral("/prog"), 6);
                    return referenceIn(dir + QStringLiteral("/yedek"), 3);
                  },
                  [](const QString &dir, const QString &file, const FaultNow &fault) {
                    ScriptedInteraction ui;
                    ui.yesNoAnswers.enqueue(true);  // the copy there is replaced
                    if (!fault())
                      return Answer{};
                    const bool ok =
                        refmaint::backUp(dir + QStringLiteral("/prog"), QFileInfo(file).absolutePath(), ui);
                    return Answer{ok, joined(ui)};
                  });
    backUp.mayRefuseUnwritableFolder = true;
    all.append(backUp);
  }
  {
    Writer settings = writer(QStringLiteral("settings"),
                    [](const QString &dir) {
                      const QString path = dir + QStringLiteral("/config/Tervolu/VKSetings.conf");
                      QDir().mkpath(QFileInfo(path).absolutePath());
                      writeBytes(path, "[General]\nVKpath=/opt/vesk_zyr\nVKldlg=0\nVKlstrt=1\nVKlogo=1\n");
                      return path;
                    },
                    [](const QString &dir, const QString &, const FaultNow &fault) {
                      qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir + QStringLiteral("/config")));
                      if (!fault())
                        return Answer{};
                      QString why;
                      const bool ok = STARTLOGONCONT(true, &why);
                      return Answer{ok, why};
                    });
    all.append(settings);
  }
  all.append(writer(QStringLiteral("report"),
              [](const QString &dir) {
                const QString path = dir + QStringLiteral("/data/P.TXT");
                QDir().mkpath(QFileInfo(path).absolutePath());
                writeBytes(path, QByteArray(2000, 'o'));
                return path;
              },
              [](const QString &, const QString &file, const FaultNow &fault) {
                ReportWriter report;
                for (int i = 0; i < 60; ++i)
                  report.addLine(QStringLiteral("Satır %1: Kuru Şeker Pancarı Posası").arg(i));
                if (!fault())
                  return Answer{};
                const bool ok = report.write(file);
                return Answer{ok, report.errorString()};
              }));
  all.append(writer(QStringLiteral("report editor"),
              [](const QString &dir) {
                const QString path = dir + QStringLiteral("/data/R.TXT");
                QDir().mkpath(QFileInfo(path).absolutePath());
                writeBytes(path, QByteArray(3000, 'o'));
                return path;
              },
              [](const QString &, const QString &file, const FaultNow &fault) {
                if (!fault())
                  return Answer{};
                QString why;
                const bool ok = TextReportFile::write(file, QString(7000, QChar(0x011F)), &why);
                return Answer{ok, why};
              }));
  return all;
}

const Writer &writerNamed(const QString &name)
{
  static const QList<Writer> all = writers();
  for (const Writer &w : all)
    if (w.name == name)
      return w;
  qFatal("no writer of that name");
}

qsizetype pages(qsizetype bytes)
{
  return (bytes + 4095) / 4096;
}

QStringList temporariesIn(const QString &dir)
{
  return QDir(dir).entryList({QStringLiteral("*.vzsave")}, QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestWriterFaults : public QObject {
  Q_OBJECT

  QHash<QString, QByteArray> m_clean;  // each writer's new file, written without a fault

  // The writer's new file as it comes out of a save without a fault.
  QByteArray cleanResult(const Writer &w)
  {
    if (!m_clean.contains(w.name)) {
      QTemporaryDir here;
      const QString file = w.setUp(here.path());
      const ChildAnswer r = inChild([&](QString *text, bool *) {
        const Answer a = w.run(here.path(), file, [] { return true; });
        *text = a.reason;
        return a.ok;
      });
      m_clean.insert(w.name, r.finished && r.ok ? readBytes(file) : QByteArray());
    }
    return m_clean.value(w.name);
  }

private slots:
  void writerUnderFault_data()
  {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<Fault>("fault");
    const QList<QPair<const char *, Fault>> faults{
        {"no fault", Fault::None},
        {"file-size limit", Fault::SizeLimit},
        {"full disk", Fault::FullDisk},
        {"unwritable folder as nobody", Fault::UnwritableFolder},
        {"unwritable folder as nobody, file-size limit", Fault::InPlaceSizeLimit},
        {"unwritable folder as nobody, full disk", Fault::InPlaceFullDisk},
        {"read-only file", Fault::ReadOnlyFile},
        {"symbolic link", Fault::SymbolicLink},
    };
    for (const Writer &w : writers())
      for (const auto &[name, fault] : faults)
        QTest::addRow("%s, %s", qPrintable(w.name), name) << w.name << fault;
  }

  void writerUnderFault()
  {
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    const Writer &w = writerNamed(writer);
    const bool asNobody = fault == Fault::UnwritableFolder || fault == Fault::InPlaceSizeLimit
                          || fault == Fault::InPlaceFullDisk;
    const bool fullDisk = fault == Fault::FullDisk || fault == Fault::InPlaceFullDisk;
    if ((asNobody || fullDisk) && !isRoot())
      QSKIP("switching to nobody and mounting a tmpfs need root");

    const QByteArray expectedNew = cleanResult(w);
    QVERIFY2(!expectedNew.isEmpty(), "the writer fails even without a fault");

    QTemporaryDir base;
    QVERIFY(setMode(base.path(), 0755));
    const QString dir = base.filePath(QStringLiteral("w"));
    QVERIFY(QDir().mkpath(dir));
    std::unique_ptr<SmallTmpfs> fs;
    if (fullDisk) {
      fs = std::make_unique<SmallTmpfs>(dir, 512);
      if (!fs->isMounted())
        QSKIP("a tmpfs could not be mounted here");
    }
    const QString file = w.setUp(dir);
    QVERIFY(QFileInfo::exists(file));
    const QString folder = QFileInfo(file).absolutePath();
    QString realFile = file;
    if (fault == Fault::SymbolicLink) {
      const QString elsewhere = dir + QStringLiteral("/elsewhere");
      QVERIFY(QDir().mkpath(elsewhere));
      realFile = elsewhere + QLatin1Char('/') + QFileInfo(file).fileName();
      QVERIFY(QFile::rename(file, realFile));
      QVERIFY(QFile::link(QDir(folder).relativeFilePath(realFile), file));
    }
    const QByteArray old = readBytes(realFile);
    QVERIFY(!old.isEmpty());
    if (asNobody) {
      QVERIFY(setMode(file, 0666));
      QVERIFY(setMode(folder, 0555));
    }
    if (fullDisk)
      QVERIFY(fillUp(dir));

    const FaultNow applyFault = [&]() {
      switch (fault) {
      case Fault::SizeLimit:
        return limitFileSize(std::max<qint64>(1, old.size() / 2));
      case Fault::InPlaceSizeLimit:
        // At the old size, so that a longer content cannot fit; a content
        // no longer than that gets room for the writer's own small files.
        return becomeNobody() && limitFileSize(old.size() + (expectedNew.size() > old.size() ? 0 : 4096));
      case Fault::UnwritableFolder:
      case Fault::InPlaceFullDisk:
        return becomeNobody();
      case Fault::ReadOnlyFile:
        return setMode(file, 0444);
      default:
        return true;
      }
    };
    const ChildAnswer r = inChild([&](QString *text, bool *skip) {
      bool applied = true;
      const Answer a = w.run(dir, file, [&] { return applied = applyFault(); });
      *skip = !applied;
      *text = a.reason;
      return a.ok;
    });
    if (asNobody)
      QVERIFY(setMode(folder, 0755));
    QVERIFY2(r.finished, "the writer's process did not end normally");
    if (r.skipped)
      QSKIP("the fault could not be taken on here (no switch to nobody)");

    // What must come of it.
    enum class Expect { Written, Refused, Either };
    Expect expect = Expect::Written;
    QString reason;
    switch (fault) {
    case Fault::None:
    case Fault::SymbolicLink:
    case Fault::UnwritableFolder:
      expect = Expect::Written;
      break;
    case Fault::SizeLimit:
      expect = Expect::Refused;
      reason = fileErrorReason(EFBIG);
      break;
    case Fault::FullDisk:
      expect = Expect::Refused;
      reason = fileErrorReason(ENOSPC);
      break;
    case Fault::InPlaceSizeLimit:
      // Reserved up to the old size, a content no longer than that fits.
      expect = expectedNew.size() > old.size() ? Expect::Refused : Expect::Written;
      reason = fileErrorReason(EFBIG);
      break;
    case Fault::InPlaceFullDisk:
      // A full tmpfs still takes what fits in the pages the file has.
      expect = pages(expectedNew.size()) > pages(old.size()) ? Expect::Refused : Expect::Written;
      reason = fileErrorReason(ENOSPC);
      break;
    case Fault::ReadOnlyFile:
      expect = Expect::Refused;
      reason = readOnlyFileReason();
      break;
    }
    if (asNobody && w.mayRefuseUnwritableFolder)
      expect = Expect::Either;

    if (r.ok) {
      QVERIFY2(expect != Expect::Refused, "answered true under a fault that must fail it");
      if (w.isWholeNew)
        QVERIFY2(w.isWholeNew(dir), "the new file is not whole");
      else
        QCOMPARE(readBytes(realFile), expectedNew);
    } else {
      QVERIFY2(expect != Expect::Written, qPrintable(QStringLiteral("refused: ") + r.text));
      QCOMPARE(readBytes(realFile), old);
      QVERIFY2(!r.text.trimmed().isEmpty(), "refused without a reason");
      if (expect == Expect::Refused)
        QVERIFY2(r.text.contains(reason), qPrintable(r.text));
    }
    if (fault == Fault::SymbolicLink)
      QVERIFY(QFileInfo(file).isSymLink());
    if (fault == Fault::ReadOnlyFile) {
      QVERIFY(!QFileInfo(file).permission(QFileDevice::WriteOwner));
      setMode(file, 0644);
    }
    QCOMPARE(temporariesIn(folder), QStringList());
    QCOMPARE(temporariesIn(QFileInfo(realFile).absolutePath()), QStringList());
  }
};

QTEST_GUILESS_MAIN(TestWriterFaults)
#include "tst_writerfaults.moc"
