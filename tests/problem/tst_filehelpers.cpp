#include "problem/filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;

class TestFileHelpers : public QObject {
  Q_OBJECT

  static void touch(const QString &path)
  {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
  }

private slots:
  void names_data()
  {
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ext with blanks") << "SFILEEXT" << "  a.rvd  " << ".rvd";
    QTest::newRow("ext of jpeg") << "SFILEEXT" << "foto.jpeg" << "";
    QTest::newRow("ext none") << "SFILEEXT" << "README" << "";
    QTest::newRow("base of path") << "SFILEBASE" << "/home/p/Data/ABC.RVD" << "/home/p/Data/ABC";
    QTest::newRow("base windows path") << "SFILEBASE" << "C:\\P\\Data\\ABC.RVD" << "C:\\P\\Data\\ABC";
    QTest::newRow("base without ext") << "SFILEBASE" << "/p/foto.jpeg" << "/p/foto.jpeg";
    QTest::newRow("base of ext inside") << "SFILEBASE" << "a.RVD.RVD" << "a.RVD";
    QTest::newRow("chrcont") << "CHRCONT" << "a.b:c" << "a_b_c";
    QTest::newRow("chrcont trims") << "CHRCONT" << "  rasyon 1  " << "rasyon 1";
    QTest::newRow("chrcont keeps ?") << "CHRCONT" << "ne?" << "ne?";
    QTest::newRow("chrcont all eight") << "CHRCONT" << "|:.\\*/<>" << "________";
    QTest::newRow("scharfrombase windows") << "SCHARFROMBASE" << "C:\\P\\x.y.RVD" << "C:\\P\\x_y.RVD";
    QTest::newRow("scharfrombase linux") << "SCHARFROMBASE" << "/home/a.b/x:y.RVD" << "/home/a.b/x_y.RVD";
    QTest::newRow("scharfrombase bare") << "SCHARFROMBASE" << "x.y" << "x_y";
    QTest::newRow("scharfrombase empty") << "SCHARFROMBASE" << "" << "";
  }
  void names()
  {
    QFETCH(QString, function);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QString got;
    if (function == QLatin1String("SFILEEXT"))
      got = SFILEEXT(input);
    else if (function == QLatin1String("SFILEBASE"))
      got = SFILEBASE(input);
    else if (function == QLatin1String("CHRCONT"))
      got = CHRCONT(input);
    else
      got = SCHARFROMBASE(input);
    QCOMPARE(got, expected);
  }

  void sameFileAndSplit()
  {
    QVERIFY(ISSAMEFILE(QStringLiteral("a.rvd"), QStringLiteral("a.RVD")));
    QVERIFY(!ISSAMEFILE(QStringLiteral("A.RVD"), QStringLiteral("a.RVD")));
    QString drive = QStringLiteral("x"), folder, name, ext;
    MYSPLITPATH(QStringLiteral("C:\\P\\Data\\ABC.RVD"), &drive, &folder, &name, &ext);
    QCOMPARE(drive, QStringLiteral("C:"));
    QCOMPARE(folder, QStringLiteral("\\P\\Data\\"));
    QCOMPARE(name, QStringLiteral("ABC"));
    QCOMPARE(ext, QStringLiteral(".RVD"));
    MYSPLITPATH(QStringLiteral("/home/u/a.b.txt"), &drive, &folder, &name, &ext);
    QCOMPARE(drive, QString());
    QCOMPARE(folder, QStringLiteral("/home/u/"));
    QCOMPARE(name, QStringLiteral("a.b"));
    QCOMPARE(ext, QStringLiteral(".txt"));
    MYSPLITPATH(QString(), &drive, &folder, &name, &ext);  // assigns nothing
    QCOMPARE(name, QStringLiteral("a.b"));
  }

  void readOnlyFileMadeWritable()
  {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RO.RVD"));
    touch(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    QVERIFY(RFATRIB(path));
    QVERIFY(QFile::permissions(path) & QFile::WriteOwner);
    QVERIFY(QFile::permissions(path) & QFile::ReadGroup);
    QVERIFY(RFATRIB(dir.filePath(QStringLiteral("missing"))));
  }

  void drives()
  {
    QTemporaryDir dir;
    QVERIFY(ISDRIVEREADY(dir.path()));
    QVERIFY(!ISDRIVEREADY(QStringLiteral("C:")));
    QVERIFY(!ISDRIVEREADY(QString()));
    QVERIFY(!ISDRIVEREADY(dir.filePath(QStringLiteral("none"))));
  }

  void deleteFilesStaysInsideItsFolder_data()
  {
    QTest::addColumn<QString>("folder");  // "<tmp>" is the scratch folder
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("mask") << "<tmp>" << "*.TXT" << true << QStringList{QStringLiteral("B.RVD"), QStringLiteral("sub")};
    QTest::newRow("every file") << "<tmp>" << "*.*" << true << QStringList{QStringLiteral("sub")};
    QTest::newRow("empty folder text") << "" << "*.*" << false << QStringList{QStringLiteral("A.TXT"), QStringLiteral("B.RVD"), QStringLiteral("C.TXT"), QStringLiteral("sub")};
    QTest::newRow("root") << "/" << "*.*" << false << QStringList{QStringLiteral("A.TXT"), QStringLiteral("B.RVD"), QStringLiteral("C.TXT"), QStringLiteral("sub")};
    QTest::newRow("drive") << "C:" << "*.*" << false << QStringList{QStringLiteral("A.TXT"), QStringLiteral("B.RVD"), QStringLiteral("C.TXT"), QStringLiteral("sub")};
    QTest::newRow("mask leads out") << "<tmp>" << "../*" << false << QStringList{QStringLiteral("A.TXT"), QStringLiteral("B.RVD"), QStringLiteral("C.TXT"), QStringLiteral("sub")};
  }
  void deleteFilesStaysInsideItsFolder()
  {
    QFETCH(QString, folder);
    QFETCH(QString, mask);
    QFETCH(bool, result);
    QFETCH(QStringList, left);
    QTemporaryDir dir;
    for (const char *n : {"A.TXT", "B.RVD", "C.TXT"})
      touch(dir.filePath(QLatin1String(n)));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    touch(dir.filePath(QStringLiteral("sub/D.TXT")));
    folder.replace(QStringLiteral("<tmp>"), dir.path());
    QCOMPARE(DELETEFILES(folder, mask), result);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), left);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("sub/D.TXT"))));
  }

  void deleteNamedFilesStopsAtFirstFailure()
  {
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("A")));
    touch(dir.filePath(QStringLiteral("C")));
    QVERIFY(!DELETEFILES(dir.path(), QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("A"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("C"))));
    QVERIFY(!DELETEFILES(dir.path(), QStringList{QStringLiteral("../C")}));
    QVERIFY(DELETEFILES(dir.path(), QStringList{QStringLiteral("C")}));
  }
};

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_filehelpers.moc"
