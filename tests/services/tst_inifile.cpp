#include "services/inifile.h"

#include "platform/cp1254.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using vz::INIFILE;

namespace {

QByteArray readBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QByteArray kSample =
    "; ayarlar\r\n"
    "[Genel]\r\n"
    "Dil = tr  \r\n"
    "; yorum satırı kalır\r\n"
    "Sayi=-25\r\n"
    "Bos=   \r\n"
    "Evet= yes \r\n"
    "Tirnak=\"  a b  \"\r\n"
    "\r\n"
    "[Diger]\r\n"
    "a=1\r\n"
    "b=2\r\n"
    "c=3\r\n";

// The sample as the file holds it: code page 1254.
QByteArray onDisk(const QByteArray &utf8)
{
  return vz::cp1254::encode(QString::fromUtf8(utf8));
}

} // namespace

class TestIniFile : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  QString m_file;

private slots:
  void init()
  {
    m_file = m_dir.filePath(QStringLiteral("test.ini"));
    QVERIFY(writeBytes(m_file, onDisk(kSample)));
  }

  void reads_data()
  {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("trimmed") << "Genel" << "Dil" << "tr";
    QTest::newRow("any case") << "GENEL" << "dil" << "tr";
    QTest::newRow("blanks only") << "Genel" << "Bos" << "";
    QTest::newRow("missing key") << "Genel" << "Yok" << "";
    QTest::newRow("missing section") << "Yok" << "Dil" << "";
    QTest::newRow("quotes removed") << "Genel" << "Tirnak" << "  a b  ";
    QTest::newRow("comment is no key") << "Genel" << "; yorum satırı kalır" << "";
  }
  void reads()
  {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    INIFILE ini(m_file);
    QCOMPARE(ini.GETSTRING(section, key), value);
  }

  void typedReads()
  {
    INIFILE ini(m_file);
    QCOMPARE(ini.GETINT(QStringLiteral("Genel"), QStringLiteral("Sayi")), -25);
    QCOMPARE(ini.GETINT(QStringLiteral("Genel"), QStringLiteral("Yok")), 0);
    QVERIFY(ini.GETLOGIC(QStringLiteral("Genel"), QStringLiteral("Evet")));
    QCOMPARE(ini.GETSTRINGUPPER(QStringLiteral("Genel"), QStringLiteral("Evet")), QStringLiteral("YES"));
    QVERIFY(ini.SETSTRING(QStringLiteral("L"), QStringLiteral("one"), QStringLiteral("1")));
    QVERIFY(ini.SETSTRING(QStringLiteral("L"), QStringLiteral("y"), QStringLiteral("Y")));
    QVERIFY(!ini.GETLOGIC(QStringLiteral("L"), QStringLiteral("one")));
    QVERIFY(!ini.GETLOGIC(QStringLiteral("L"), QStringLiteral("y")));
    QVERIFY(ini.SETLOGIC(QStringLiteral("L"), QStringLiteral("f"), false));
    QCOMPARE(ini.GETSTRING(QStringLiteral("L"), QStringLiteral("f")), QStringLiteral("FALSE"));
    QVERIFY(!ini.GETLOGIC(QStringLiteral("L"), QStringLiteral("f")));
    QVERIFY(ini.SETINT(QStringLiteral("L"), QStringLiteral("n"), -25));
    QCOMPARE(ini.GETSTRING(QStringLiteral("L"), QStringLiteral("n")), QStringLiteral("-25"));
    QCOMPARE(ini.GETINT(QStringLiteral("L"), QStringLiteral("n")), -25);
    QVERIFY(ini.SETSTRING(QStringLiteral("L"), QStringLiteral("big"), QStringLiteral("2147483648")));
    QCOMPARE(ini.GETINT(QStringLiteral("L"), QStringLiteral("big")), 0);
  }

  void sectionListsKeysInOrder()
  {
    INIFILE ini(m_file);
    const QList<QPair<QString, QString>> expected{{QStringLiteral("a"), QStringLiteral("1")},
                                                  {QStringLiteral("b"), QStringLiteral("2")},
                                                  {QStringLiteral("c"), QStringLiteral("3")}};
    QCOMPARE(ini.GETSECTION(QStringLiteral("Diger")), expected);
    QVERIFY(ini.DELETESECTION(QStringLiteral("Diger")));
    QVERIFY(ini.GETSECTION(QStringLiteral("Diger")).isEmpty());
  }

  // Editing one value touches its line only.
  void editsInPlace_data()
  {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("expected");
    QByteArray changed = kSample;
    changed.replace("Dil = tr  \r\n", "Dil=en\r\n");
    QTest::newRow("change a value") << "change" << changed;
    QByteArray added = kSample;
    added.replace("Tirnak=\"  a b  \"\r\n", "Tirnak=\"  a b  \"\r\nYeni=Şeker\r\n");
    QTest::newRow("add a key to a section") << "add" << added;
    QTest::newRow("add a section") << "section" << kSample + "[Üçüncü]\r\nk=v\r\n";
    QByteArray removed = kSample;
    removed.replace("Sayi=-25\r\n", "");
    QTest::newRow("delete an entry") << "delete" << removed;
    QByteArray noSection = kSample;
    noSection.truncate(noSection.indexOf("[Diger]"));
    QTest::newRow("delete a section") << "delsection" << noSection;
  }
  void editsInPlace()
  {
    QFETCH(QString, op);
    QFETCH(QByteArray, expected);
    INIFILE ini(m_file);
    if (op == QLatin1String("change"))
      QVERIFY(ini.SETSTRING(QStringLiteral("genel"), QStringLiteral("DIL"), QStringLiteral("en")));
    else if (op == QLatin1String("add"))
      QVERIFY(ini.SETSTRING(QStringLiteral("Genel"), QStringLiteral("Yeni"), QStringLiteral("Şeker")));
    else if (op == QLatin1String("section"))
      QVERIFY(ini.SETSTRING(QStringLiteral("Üçüncü"), QStringLiteral("k"), QStringLiteral("v")));
    else if (op == QLatin1String("delete"))
      QVERIFY(ini.DELETEENTRY(QStringLiteral("Genel"), QStringLiteral("Sayi")));
    else
      QVERIFY(ini.DELETESECTION(QStringLiteral("Diger")));
    QCOMPARE(readBytes(m_file), onDisk(expected));
  }

  void unsafeNamesAndValuesAreRefused_data()
  {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("line break in value") << "Genel" << "k" << "a\r\n[Kotu]";
    QTest::newRow("equals in key") << "Genel" << "a=b" << "v";
    QTest::newRow("bracket in section") << "Ge]nel" << "k" << "v";
    QTest::newRow("empty key") << "Genel" << "" << "v";
  }
  void unsafeNamesAndValuesAreRefused()
  {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    INIFILE ini(m_file);
    QVERIFY(!ini.SETSTRING(section, key, value));
    QVERIFY(!ini.errorString().isEmpty());
    QCOMPARE(readBytes(m_file), onDisk(kSample));
  }

  void bareNamesStayInOurFolder()
  {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tervolu");
    QCOMPARE(INIFILE::resolve(QStringLiteral("WIN")), folder + QStringLiteral("/WIN.INI"));
    QCOMPARE(INIFILE::resolve(QStringLiteral(" win ")), folder + QStringLiteral("/WIN.INI"));
    QCOMPARE(INIFILE::resolve(QStringLiteral("vz.ini")), folder + QStringLiteral("/vz.ini"));
    QCOMPARE(INIFILE::resolve(QStringLiteral("C:\\WINDOWS\\system.ini")),
             folder + QStringLiteral("/C:\\WINDOWS\\system.ini"));
    QCOMPARE(INIFILE::resolve(m_file), m_file);

    QFile::remove(folder + QStringLiteral("/WIN.INI"));
    INIFILE win(QStringLiteral(" Win "));
    QVERIFY(!win.CREATE());
    QVERIFY(!QFile::exists(folder + QStringLiteral("/WIN.INI")));
    // Writing to it goes to our own folder.
    QVERIFY(win.SETSTRING(QStringLiteral("windows"), QStringLiteral("x"), QStringLiteral("1")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/WIN.INI")));
    QCOMPARE(INIFILE(QStringLiteral("WIN")).GETINT(QStringLiteral("windows"), QStringLiteral("x")), 1);
  }

  void createEmptiesAFile()
  {
    INIFILE ini(m_file);
    QVERIFY(ini.CREATE());
    QCOMPARE(readBytes(m_file), QByteArray());
    QCOMPARE(ini.GETSTRING(QStringLiteral("Genel"), QStringLiteral("Dil")), QString());
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
