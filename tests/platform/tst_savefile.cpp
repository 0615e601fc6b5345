// The saver's promise, under real faults: a failed save leaves the old file
// byte for byte, on the ordinary path and on the in-place path alike; a save
// removes nothing but its own stale temporaries; a read-only file stays so;
// a link stays a link. And the Turkish reasons it gives.
#include "faulttesting.h"
#include "platform/fileerror.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>

using namespace vz;
using namespace vz::test;

namespace {

QStringList everyFile(const QString &dir)
{
  QStringList all = QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  all.sort();
  return all;
}

// The name a save of `name` gives its temporary, with `random` for the six
// letters the save draws.
QString temporaryOf(const QString &name, const QString &random)
{
  return QLatin1Char('.') + name + QLatin1Char('.') + random + QStringLiteral(".vzsave");
}

mode_t modeOf(const QString &path)
{
  struct stat st;
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

class TestSaveFile : public QObject {
  Q_OBJECT

private slots:
  // ---- what a save removes ----

  // Files beside the target are the user's, whatever their names look like;
  // only a temporary of our own shape that no save holds is removed.
  void siblingsSurviveASave_data()
  {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("siblings");
    QTest::newRow("problem") << QStringLiteral("P.RVD")
                             << QStringList{QStringLiteral("P.RVD.backup"), QStringLiteral("P.RVD.yedek1"),
                                            QStringLiteral("P.RVD.202612"), QStringLiteral("P.RVD.a1B2c3"),
                                            QStringLiteral(".P.RVD.a1B2c3"), QStringLiteral("P.RVD.a1B2c3.vzsave"),
                                            QStringLiteral("Q.RVD.a1B2c3")};
    QTest::newRow("reference matrix") << QStringLiteral("MATKUMAD.DBF")
                                      << QStringList{QStringLiteral("MATKUMAD.DBF.backup"),
                                                     QStringLiteral("MATKUMAD.DBF.eski01")};
    QTest::newRow("users table") << QStringLiteral("KULLANICIID.DBF")
                                 << QStringList{QStringLiteral("KULLANICIID.DBF.eski01"),
                                                temporaryOf(QStringLiteral("KULLANICIID.DBF"), QStringLiteral("a1B2c"))};
    QTest::newRow("another file's temporary") << QStringLiteral("P.RVD")
                                              << QStringList{temporaryOf(QStringLiteral("Q.RVD"), QStringLiteral("a1B2c3"))};
  }

  void siblingsSurviveASave()
  {
    QFETCH(QString, target);
    QFETCH(QStringList, siblings);
    QTemporaryDir here;
    const QString path = here.filePath(target);
    QVERIFY(writeBytes(path, "old"));
    for (const QString &s : std::as_const(siblings))
      QVERIFY(writeBytes(here.filePath(s), "the user's own " + s.toUtf8()));
    const QString stale = temporaryOf(target, QStringLiteral("x9Y8z7"));
    QVERIFY(writeBytes(here.filePath(stale), "left by a killed save"));

    QString why;
    QVERIFY2(writeFileAtomically(path, "new", &why), qPrintable(why));
    QCOMPARE(readBytes(path), QByteArray("new"));
    QStringList expected = siblings;
    expected.append(target);
    expected.sort();
    QCOMPARE(everyFile(here.path()), expected);
    for (const QString &s : std::as_const(siblings))
      QCOMPARE(readBytes(here.filePath(s)), "the user's own " + s.toUtf8());
  }

  // Something of our temporaries' shape that is not a plain file (a link to
  // a user's file, a folder) is left alone, and so is the file a link names.
  void onlyPlainTemporariesAreRemoved()
  {
    QTemporaryDir here;
    const QString path = here.filePath(QStringLiteral("P.RVD"));
    QVERIFY(writeBytes(path, "old"));
    QVERIFY(writeBytes(here.filePath(QStringLiteral("precious")), "keep me"));
    const QString link = here.filePath(temporaryOf(QStringLiteral("P.RVD"), QStringLiteral("l1n2k3")));
    QVERIFY(QFile::link(QStringLiteral("precious"), link));
    QVERIFY(QDir(here.path()).mkdir(temporaryOf(QStringLiteral("P.RVD"), QStringLiteral("d1r2e3"))));
    QVERIFY(writeFileAtomically(path, "new"));
    QCOMPARE(everyFile(here.path()),
             (QStringList{temporaryOf(QStringLiteral("P.RVD"), QStringLiteral("d1r2e3")),
                          temporaryOf(QStringLiteral("P.RVD"), QStringLiteral("l1n2k3")), QStringLiteral("P.RVD"),
                          QStringLiteral("precious")}));
    QCOMPARE(readBytes(here.filePath(QStringLiteral("precious"))), QByteArray("keep me"));
  }

  // A temporary that another save holds (its lock taken) is that save's work
  // in progress: the clean-up of a second save must not take it.
  void aHeldTemporaryIsLeftToItsSave()
  {
    QTemporaryDir here;
    const QString path = here.filePath(QStringLiteral("P.RVD"));
    QVERIFY(writeBytes(path, "old"));
    const QString held = here.filePath(temporaryOf(QStringLiteral("P.RVD"), QStringLiteral("h0LdMe")));
    QVERIFY(writeBytes(held, "half written"));
    const int fd = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY(::flock(fd, LOCK_EX) == 0);
    const bool ok = writeFileAtomically(path, "new");
    ::close(fd);
    QVERIFY(ok);
    QCOMPARE(readBytes(held), QByteArray("half written"));
    QVERIFY(writeFileAtomically(path, "newer"));
    QVERIFY(!QFileInfo::exists(held));  // no one holds it now: it is stale
  }

  // Two sessions saving one file at once: every save of both succeeds (none
  // loses its temporary to the other's clean-up) and the file is always one
  // of the two contents, whole.
  void twoSessionsSavingAtOnce()
  {
    QTemporaryDir here;
    const QString path = here.filePath(QStringLiteral("P.RVD"));
    QVERIFY(writeBytes(path, "old"));
    const QByteArray a(256 * 1024, 'a');
    const QByteArray b(200 * 1024, 'b');
    // Each session ends with the number of its saves that failed or that
    // read back a cut file.
    const auto session = [&](const QByteArray &content) {
      const pid_t pid = ::fork();
      if (pid == 0) {
        int failed = 0;
        for (int i = 0; i < 150; ++i) {
          const bool saved = writeFileAtomically(path, content);
          const qsizetype now = readBytes(path).size();
          failed += !saved || (now != a.size() && now != b.size());
        }
        ::_exit(std::min(failed, 100));
      }
      return pid;
    };
    const pid_t first = session(a);
    const pid_t second = session(b);
    QVERIFY(first > 0 && second > 0);
    for (const pid_t pid : {first, second}) {
      int status = 0;
      QVERIFY(::waitpid(pid, &status, 0) == pid);
      QVERIFY(WIFEXITED(status));
      QCOMPARE(WEXITSTATUS(status), 0);
    }
    const QByteArray end = readBytes(path);
    QVERIFY(end == a || end == b);
    QCOMPARE(everyFile(here.path()), QStringList{QStringLiteral("P.RVD")});
  }

  // ---- the ordinary path under faults ----

  // A file-size limit fails the save with its reason and leaves the old
  // file as it was, whatever the size.
  void fileSizeLimitKeepsTheOldFile_data()
  {
    QTest::addColumn<int>("size");
    QTest::newRow("1 KiB") << 1024;
    QTest::newRow("12 KiB") << 12 * 1024;
    QTest::newRow("100 KiB") << 100 * 1024;
  }

  void fileSizeLimitKeepsTheOldFile()
  {
    QFETCH(int, size);
    QTemporaryDir here;
    const QString path = here.filePath(QStringLiteral("P.RVD"));
    const QByteArray old(300, 'o');
    QVERIFY(writeBytes(path, old));
    const ChildAnswer r = inChild([&](QString *why, bool *) {
      limitFileSize(size / 2);
      return writeFileAtomically(path, QByteArray(size, 'n'), why);
    });
    QVERIFY(r.finished);
    QVERIFY(!r.ok);
    QCOMPARE(r.text, fileErrorReason(EFBIG));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(everyFile(here.path()), QStringList{QStringLiteral("P.RVD")});
  }

  void fullDiskKeepsTheOldFile()
  {
    if (!isRoot())
      QSKIP("mounting a small tmpfs needs root");
    QTemporaryDir here;
    const QString mnt = here.filePath(QStringLiteral("mnt"));
    SmallTmpfs fs(mnt, 64);
    if (!fs.isMounted())
      QSKIP("a tmpfs could not be mounted here");
    const QString path = mnt + QStringLiteral("/P.RVD");
    const QByteArray old(8 * 1024, 'o');
    QVERIFY(writeBytes(path, old));
    QVERIFY(fillUp(mnt));
    for (const int size : {1024, 12 * 1024, 100 * 1024}) {
      QString why;
      QVERIFY(!writeFileAtomically(path, QByteArray(size, 'n'), &why));
      QCOMPARE(why, fileErrorReason(ENOSPC));
      QCOMPARE(readBytes(path), old);
    }
    QCOMPARE(everyFile(mnt), (QStringList{QStringLiteral("P.RVD"), QStringLiteral("fill")}));
  }

  // ---- the in-place path: a folder that takes no new files ----

  // The save runs as "nobody" in a folder nobody may add to, on a file
  // nobody may write: it is written in place.
  void unwritableFolderIsWrittenInPlace_data()
  {
    QTest::addColumn<int>("size");
    QTest::newRow("shorter") << 100;
    QTest::newRow("longer") << 9000;
    QTest::newRow("emptied") << 0;
  }

  void unwritableFolderIsWrittenInPlace()
  {
    QFETCH(int, size);
    if (!isRoot())
      QSKIP("the save runs as nobody, which needs root to switch to");
    QTemporaryDir here;
    QVERIFY(setMode(here.path(), 0755));
    const QString path = here.filePath(QStringLiteral("P.RVD"));
    QVERIFY(writeBytes(path, QByteArray(5000, 'o')));
    QVERIFY(setMode(path, 0666));
    QVERIFY(setMode(here.path(), 0555));
    const ChildAnswer r = inChild([&](QString *why, bool *skip) {
      if (!becomeNobody()) {
        *skip = true;
        return false;
      }
      return writeFileAtomically(path, QByteArray(size, 'n'), why);
    });
    QVERIFY(setMode(here.path(), 0755));
    QVERIFY(r.finished);
    if (r.skipped)
      QSKIP("could not become nobody");
    QVERIFY2(r.ok, qPrintable(r.text));
    QCOMPARE(readBytes(path), QByteArray(size, 'n'));
    QCOMPARE(modeOf(path), mode_t(0666));
    QCOMPARE(everyFile(here.path()), QStringList{QStringLiteral("P.RVD")});
  }

  // The same in-place save under a file-size limit and on a full disk: the
  // new size is reserved before a byte changes, so the save fails with its
  // reason and the file keeps its old bytes and length. On a full disk a
  // shorter content needs no new room and is written.
  void inPlaceFaultKeepsTheOldFile_data()
  {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::addColumn<bool>("written");
    QTest::newRow("size limit, longer") << QStringLiteral("limit") << 8000 << 12000 << false;
    QTest::newRow("size limit, far longer") << QStringLiteral("limit") << 300 << 100 * 1024 << false;
    QTest::newRow("size limit, shorter") << QStringLiteral("limit") << 8000 << 1000 << true;
    QTest::newRow("full disk, longer") << QStringLiteral("full") << 8000 << 30000 << false;
    QTest::newRow("full disk, far longer") << QStringLiteral("full") << 300 << 100 * 1024 << false;
    QTest::newRow("full disk, shorter") << QStringLiteral("full") << 8000 << 1000 << true;
  }

  void inPlaceFaultKeepsTheOldFile()
  {
    QFETCH(QString, fault);
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    QFETCH(bool, written);
    if (!isRoot())
      QSKIP("the save runs as nobody, which needs root to switch to (and to mount a tmpfs)");
    QTemporaryDir here;
    QVERIFY(setMode(here.path(), 0755));
    const QString folder = here.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(folder));
    std::unique_ptr<SmallTmpfs> fs;
    if (fault == QLatin1String("full")) {
      fs = std::make_unique<SmallTmpfs>(folder, 64);
      if (!fs->isMounted())
        QSKIP("a tmpfs could not be mounted here");
    }
    const QString path = folder + QStringLiteral("/P.RVD");
    QByteArray old(oldSize, 'o');
    for (int i = 0; i < oldSize; i += 97)
      old[i] = char('A' + i % 26);
    QVERIFY(writeBytes(path, old));
    QVERIFY(setMode(path, 0666));
    if (fault == QLatin1String("full"))
      QVERIFY(fillUp(folder));
    QVERIFY(setMode(folder, 0555));
    const ChildAnswer r = inChild([&](QString *why, bool *skip) {
      if (!becomeNobody()) {
        *skip = true;
        return false;
      }
      if (fault == QLatin1String("limit"))
        limitFileSize(oldSize + (newSize - oldSize) / 2);
      return writeFileAtomically(path, QByteArray(newSize, 'n'), why);
    });
    QVERIFY(setMode(folder, 0755));
    QVERIFY(r.finished);
    if (r.skipped)
      QSKIP("could not become nobody");
    QCOMPARE(r.ok, written);
    if (written) {
      QCOMPARE(readBytes(path), QByteArray(newSize, 'n'));
    } else {
      QCOMPARE(r.text, fileErrorReason(fault == QLatin1String("limit") ? EFBIG : ENOSPC));
      QCOMPARE(readBytes(path), old);
    }
    QVERIFY(!everyFile(folder).join(QLatin1Char(' ')).contains(QLatin1String("vzsave")));
  }

  // ---- a read-only file stays read-only ----

  void readOnlyFileIsRefused_data()
  {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("asNobody");
    QTest::newRow("0444") << 0444 << false;
    QTest::newRow("0400") << 0400 << false;
    QTest::newRow("0555") << 0555 << false;
    QTest::newRow("0644, someone else's") << 0644 << true;
  }

  void readOnlyFileIsRefused()
  {
    QFETCH(int, mode);
    QFETCH(bool, asNobody);
    if (asNobody && !isRoot())
      QSKIP("switching to nobody needs root");
    QTemporaryDir here;
    QVERIFY(setMode(here.path(), 0777));  // the folder would let a rename replace it
    const QString path = here.filePath(QStringLiteral("KULLANICIID.DBF"));
    QVERIFY(writeBytes(path, "old"));
    QVERIFY(setMode(path, mode_t(mode)));
    const ChildAnswer r = inChild([&](QString *why, bool *skip) {
      if (asNobody && !becomeNobody()) {
        *skip = true;
        return false;
      }
      return writeFileAtomically(path, "new", why);
    });
    QVERIFY(r.finished);
    if (r.skipped)
      QSKIP("could not become nobody");
    QVERIFY(!r.ok);
    QCOMPARE(r.text, readOnlyFileReason());
    QCOMPARE(readBytes(path), QByteArray("old"));
    QCOMPARE(modeOf(path), mode_t(mode));
    QCOMPARE(everyFile(here.path()), QStringList{QStringLiteral("KULLANICIID.DBF")});
  }

  // A disk mounted read-only is no read-only file: the reason says which.
  void readOnlyFileSystemGivesItsReason()
  {
    if (!isRoot())
      QSKIP("mounting a tmpfs needs root");
    QTemporaryDir here;
    const QString mnt = here.filePath(QStringLiteral("mnt"));
    SmallTmpfs fs(mnt, 64);
    if (!fs.isMounted())
      QSKIP("a tmpfs could not be mounted here");
    const QString path = mnt + QStringLiteral("/P.RVD");
    QVERIFY(writeBytes(path, "old"));
    QCOMPARE(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), mnt}), 0);
    QString why;
    QVERIFY(!writeFileAtomically(path, "new", &why));
    QCOMPARE(why, fileErrorReason(EROFS));
    QCOMPARE(readBytes(path), QByteArray("old"));
  }

  // ---- symbolic links ----

  // A save through a link writes the file at the end of the links, with its
  // permission bits, and leaves every link as it was.
  void linkIsFollowed_data()
  {
    QTest::addColumn<QStringList>("links");  // from the saved name on: each link's text
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("absolute") << QStringList{QStringLiteral("@/real/P.RVD")} << true;
    QTest::newRow("relative") << QStringList{QStringLiteral("../real/P.RVD")} << true;
    QTest::newRow("chain of two") << QStringList{QStringLiteral("hop.RVD"), QStringLiteral("../real/P.RVD")} << true;
    QTest::newRow("to a file not yet there") << QStringList{QStringLiteral("../real/P.RVD")} << false;
  }

  void linkIsFollowed()
  {
    QFETCH(QStringList, links);
    QFETCH(bool, targetExists);
    QTemporaryDir here;
    QVERIFY(QDir(here.path()).mkdir(QStringLiteral("data")));
    QVERIFY(QDir(here.path()).mkdir(QStringLiteral("real")));
    const QString real = here.filePath(QStringLiteral("real/P.RVD"));
    if (targetExists) {
      QVERIFY(writeBytes(real, "old"));
      QVERIFY(setMode(real, 0640));
    }
    // Each link lives in "data"; its text leads to the next one, the last to the real file.
    QStringList names{here.filePath(QStringLiteral("data/P.RVD"))};
    for (qsizetype i = 0; i < links.size(); ++i) {
      QString text = links.at(i);
      if (text.startsWith(QLatin1Char('@')))
        text = here.path() + text.mid(1);
      QVERIFY(QFile::link(text, names.last()));
      links[i] = text;
      if (i + 1 < links.size())
        names.append(here.filePath(QStringLiteral("data/") + text));
    }
    QString why;
    QVERIFY2(writeFileAtomically(names.first(), "new", &why), qPrintable(why));
    QCOMPARE(readBytes(real), QByteArray("new"));
    if (targetExists)
      QCOMPARE(modeOf(real), mode_t(0640));
    for (qsizetype i = 0; i < names.size(); ++i) {
      QVERIFY(QFileInfo(names.at(i)).isSymLink());
      char text[4096];
      const ssize_t n = ::readlink(QFile::encodeName(names.at(i)).constData(), text, sizeof text);
      QCOMPARE(QString::fromLocal8Bit(text, n), links.at(i));
    }
    QCOMPARE(everyFile(here.filePath(QStringLiteral("real"))), QStringList{QStringLiteral("P.RVD")});
  }

  void linkLoopIsRefused()
  {
    QTemporaryDir here;
    const QString a = here.filePath(QStringLiteral("A.RVD"));
    QVERIFY(QFile::link(QStringLiteral("B.RVD"), a));
    QVERIFY(QFile::link(QStringLiteral("A.RVD"), here.filePath(QStringLiteral("B.RVD"))));
    QString why;
    QVERIFY(!writeFileAtomically(a, "new", &why));
    QCOMPARE(why, fileErrorReason(ELOOP));
    QCOMPARE(everyFile(here.path()), (QStringList{QStringLiteral("A.RVD"), QStringLiteral("B.RVD")}));
  }

  // ---- the reasons ----

  void reasonsAreTurkish_data()
  {
    QTest::addColumn<int>("err");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such file or folder") << int(ENOENT) << QStringLiteral("Böyle bir dosya ya da klasör yok");
    QTest::newRow("permission denied") << int(EACCES) << QStringLiteral("Erişim izni yok");
    QTest::newRow("operation not permitted") << int(EPERM) << QStringLiteral("Erişim izni yok");
    QTest::newRow("no space left") << int(ENOSPC) << QStringLiteral("Diskte yer kalmadı");
    QTest::newRow("read-only file system") << int(EROFS) << QStringLiteral("Dosya sistemi salt okunur");
    QTest::newRow("file too large") << int(EFBIG) << QStringLiteral("Dosya çok büyük (dosya boyutu sınırı aşıldı)");
    QTest::newRow("quota exceeded") << int(EDQUOT) << QStringLiteral("Disk kotası aşıldı");
    QTest::newRow("anything else: the system's text") << int(EIO) << QString::fromLocal8Bit(std::strerror(EIO));
  }

  void reasonsAreTurkish()
  {
    QFETCH(int, err);
    QFETCH(QString, reason);
    QCOMPARE(fileErrorReason(err), reason);
    // A file operation Qt reports carries only the system's text; it leads
    // to the same reason.
    struct Failed : QFile {
      explicit Failed(int e) { setErrorString(qt_error_string(e)); }
    };
    QCOMPARE(fileErrorReason(Failed(err)), reason);
  }

  void reasonOfARealFailure()
  {
    QTemporaryDir here;
    QFile missing(here.filePath(QStringLiteral("yok/P.RVD")));
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    QCOMPARE(fileErrorReason(missing), fileErrorReason(ENOENT));
    QString why;
    QVERIFY(!writeFileAtomically(missing.fileName(), "new", &why));
    QCOMPARE(why, fileErrorReason(ENOENT));
  }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
