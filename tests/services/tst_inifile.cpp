#include "services/inifile.h"

#include "platform/cp1254.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <vector>

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

struct ByName {
  const char *row;
  QString name;
  QVariantList args;
  std::function<QVariant(INIFILE &)> typed;
};

QString S(const char *latin1)
{
  return QString::fromLatin1(latin1);
}

QVariant pairs(const QList<QPair<QString, QString>> &list)
{
  QVariantList out;
  for (const auto &[key, value] : list)
    out.append(QVariant(QVariantList{key, value}));
  return out;
}

const std::vector<ByName> &byNameTable()
{
  static const std::vector<ByName> table{
      {"CREATE", S("create"), {}, [](INIFILE &i) { return QVariant(i.CREATE()); }},
      {"DELETEENTRY", S("DeleteEntry"), {S("Genel"), S("Dil")},
       [](INIFILE &i) { return QVariant(i.DELETEENTRY(S("Genel"), S("Dil"))); }},
      {"DELETESECTION", S("DELETESECTION"), {S("Diger")},
       [](INIFILE &i) { return QVariant(i.DELETESECTION(S("Diger"))); }},
      {"FILENAME access", S("FILENAME"), {}, [](INIFILE &i) { return QVariant(i.FILENAME()); }},
      {"FILENAME assign", S("FileName"), {S("other.ini")},
       [](INIFILE &i) { return QVariant(i.FILENAME(S("other.ini"))); }},
      {"GETINT", S("GETINT"), {S("Genel"), S("Sayi")},
       [](INIFILE &i) { return QVariant(i.GETINT(S("Genel"), S("Sayi"))); }},
      {"GETLOGIC", S("getlogic"), {S("Genel"), S("Evet")},
       [](INIFILE &i) { return QVariant(i.GETLOGIC(S("Genel"), S("Evet"))); }},
      {"GETSECTION", S("GetSection"), {S("Diger")}, [](INIFILE &i) { return pairs(i.GETSECTION(S("Diger"))); }},
      {"GETSECTION missing", S("GETSECTION"), {S("Yok")}, [](INIFILE &i) { return pairs(i.GETSECTION(S("Yok"))); }},
      {"GETSTRING", S("GETSTRING"), {S("Genel"), S("Tirnak")},
       [](INIFILE &i) { return QVariant(i.GETSTRING(S("Genel"), S("Tirnak"))); }},
      {"GETSTRINGUPPER", S("GetStringUpper"), {S("Genel"), S("Dil")},
       [](INIFILE &i) { return QVariant(i.GETSTRINGUPPER(S("Genel"), S("Dil"))); }},
      {"SETINT", S("SETINT"), {S("Yeni"), S("n"), -25},
       [](INIFILE &i) { return QVariant(i.SETINT(S("Yeni"), S("n"), -25)); }},
      {"SETLOGIC", S("SetLogic"), {S("Genel"), S("Evet"), false},
       [](INIFILE &i) { return QVariant(i.SETLOGIC(S("Genel"), S("Evet"), false)); }},
      {"SETSTRING", S("setstring"), {S("Genel"), S("Dil"), S("en")},
       [](INIFILE &i) { return QVariant(i.SETSTRING(S("Genel"), S("Dil"), S("en"))); }},
      {"SETSTRING refused", S("SETSTRING"), {S("Genel"), S("a=b"), S("x")},
       [](INIFILE &i) { return QVariant(i.SETSTRING(S("Genel"), S("a=b"), S("x"))); }},
  };
  return table;
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

  void byName_data()
  {
    QTest::addColumn<int>("entry");
    const auto &table = byNameTable();
    for (int i = 0; i < int(table.size()); ++i)
      QTest::newRow(table[std::size_t(i)].row) << i;
  }
  void byName()
  {
    QFETCH(int, entry);
    const ByName &e = byNameTable()[std::size_t(entry)];

    INIFILE typedIni(m_file);
    const QVariant expected = e.typed(typedIni);
    const QByteArray expectedFile = readBytes(m_file);

    QVERIFY(writeBytes(m_file, onDisk(kSample)));
    INIFILE named(m_file);
    const QVariant got = named.SEND(e.name, e.args);
    QVERIFY(got.isValid());
    QCOMPARE(got, expected);
    QCOMPARE(named.FILENAME(), typedIni.FILENAME());
    QCOMPARE(readBytes(m_file), expectedFile);
  }

  // Loose arguments must act exactly as the same arguments in their declared
  // types.
  void conversions_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("loose");
    QTest::addColumn<QVariantList>("declared");
    QTest::newRow("integer as text") << S("SETINT") << QVariantList{S("L"), S("n"), S(" -25 ")}
                                     << QVariantList{S("L"), S("n"), -25};
    QTest::newRow("whole double as integer") << S("SETINT") << QVariantList{S("L"), S("n"), 7.0}
                                             << QVariantList{S("L"), S("n"), 7};
    QTest::newRow("text as number") << S("SETSTRING") << QVariantList{S("L"), 1, 2.5}
                                    << QVariantList{S("L"), S("1"), S("2.5")};
    QTest::newRow("logic as text") << S("SETLOGIC") << QVariantList{S("L"), S("f"), S(" yes ")}
                                   << QVariantList{S("L"), S("f"), true};
    QTest::newRow("logic as .F.") << S("SETLOGIC") << QVariantList{S("L"), S("f"), S(".f.")}
                                  << QVariantList{S("L"), S("f"), false};
    QTest::newRow("logic as number") << S("SETLOGIC") << QVariantList{S("L"), S("f"), 0}
                                     << QVariantList{S("L"), S("f"), false};
  }
  void conversions()
  {
    QFETCH(QString, name);
    QFETCH(QVariantList, loose);
    QFETCH(QVariantList, declared);

    INIFILE viaDeclared(m_file);
    const QVariant expected = viaDeclared.SEND(name, declared);
    QVERIFY(expected.isValid());
    const QByteArray expectedFile = readBytes(m_file);

    QVERIFY(writeBytes(m_file, onDisk(kSample)));
    INIFILE viaLoose(m_file);
    QCOMPARE(viaLoose.SEND(name, loose), expected);
    QCOMPARE(readBytes(m_file), expectedFile);
  }

  void refused_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("unknown") << S("GETFLOAT") << QVariantList{S("Genel"), S("Sayi")};
    QTest::newRow("text is no code") << S("DELETESECTION(\"Genel\")") << QVariantList{};
    QTest::newRow("constructor is not an operation") << S("INIT") << QVariantList{S("x.ini")};
    QTest::newRow("too few") << S("SETSTRING") << QVariantList{S("Genel"), S("Dil")};
    QTest::newRow("too many") << S("DELETESECTION") << QVariantList{S("Genel"), S("Dil")};
    QTest::newRow("argument to CREATE") << S("CREATE") << QVariantList{S("x")};
    QTest::newRow("fraction for integer") << S("SETINT") << QVariantList{S("L"), S("n"), 2.5};
    QTest::newRow("integer out of range") << S("SETINT") << QVariantList{S("L"), S("n"), qint64(1) << 31};
    QTest::newRow("word for logic") << S("SETLOGIC") << QVariantList{S("L"), S("f"), S("maybe")};
    QTest::newRow("logic for text") << S("SETSTRING") << QVariantList{S("L"), S("f"), true};
  }
  void refused()
  {
    QFETCH(QString, name);
    QFETCH(QVariantList, args);
    INIFILE ini(m_file);
    const QByteArray before = readBytes(m_file);
    QVERIFY(!ini.SEND(name, args).isValid());
    QCOMPARE(ini.FILENAME(), m_file);
    QCOMPARE(readBytes(m_file), before);
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
