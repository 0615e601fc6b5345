#include "services/class_hkcr.h"
#include "services/class_hkcu.h"
#include "services/class_hklm.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include <functional>
#include <vector>

using vz::CLASS_HKCU;
using vz::CLASS_HKLM;
using vz::CLASS_REGISTRY;

namespace {
const QString kSettingsKey = QStringLiteral("Software\\Tervolu\\VKSetings");

QString configHome()
{
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The state the by-name tests start from: two values and one sub key under
// the working sub key, and a status that no operation of the fixture sets.
void seed()
{
  QDir(configHome()).removeRecursively();
  QDir().mkpath(configHome());
  CLASS_REGISTRY reg;
  reg.WORKING_SUBKEY(kSettingsKey);
  reg.WRITESTRING(QString(), QStringLiteral("Dir"), QStringLiteral("/opt/vz  "));
  reg.WRITEINT(QString(), QStringLiteral("Count"), 7);
  reg.CREATEKEY(QStringLiteral("Sub"));
}

CLASS_REGISTRY &prepared(CLASS_REGISTRY &reg)
{
  reg.WORKING_SUBKEY(kSettingsKey);
  reg.LASTERROR(1234);
  return reg;
}

// Everything an operation can change: the object's fields and the key's
// values and sub keys as a fresh object reads them.
QString snapshot(const CLASS_REGISTRY &reg)
{
  QString out = reg.WORKING_SUBKEY() + QLatin1Char('|') + QString::number(reg.HKEY()) + QLatin1Char('|')
                + QString::number(reg.LASTERROR());
  CLASS_REGISTRY reader;
  reader.WORKING_SUBKEY(kSettingsKey);
  for (const QString &name : reader.GET_VALUENAMES(QString()))
    out += QLatin1Char('|') + name + QLatin1Char('=') + reader.GETSTRING(QString(), name) + QLatin1Char('/')
           + QString::number(reader.GETINT(QString(), name));
  out += QLatin1Char('|') + reader.GET_SUBKEY_VALUENAMES(QString()).join(QLatin1Char(','));
  return out;
}

struct ByName {
  const char *row;
  QString name;
  QVariantList args;
  std::function<QVariant(CLASS_REGISTRY &)> typed;
};

const std::vector<ByName> &byNameTable()
{
  using R = CLASS_REGISTRY;
  static const std::vector<ByName> table{
      {"WORKING_SUBKEY access", QStringLiteral("WORKING_SUBKEY"), {}, [](R &r) { return QVariant(r.WORKING_SUBKEY()); }},
      {"WORKING_SUBKEY assign", QStringLiteral("working_subkey"), {QStringLiteral(" \\\\A\\B\\ ")},
       [](R &r) { return QVariant(r.WORKING_SUBKEY(QStringLiteral(" \\\\A\\B\\ "))); }},
      {"HKEY access", QStringLiteral("HKEY"), {}, [](R &r) { return QVariant::fromValue(r.HKEY()); }},
      {"HKEY assign", QStringLiteral("Hkey"), {R::HKEY_CURRENT_USER},
       [](R &r) { return QVariant::fromValue(r.HKEY(R::HKEY_CURRENT_USER)); }},
      {"LASTERROR access", QStringLiteral("LastError"), {}, [](R &r) { return QVariant(r.LASTERROR()); }},
      {"LASTERROR assign", QStringLiteral("LASTERROR"), {87}, [](R &r) { return QVariant(r.LASTERROR(87)); }},
      {"BUILD_FULL_SUBKEY", QStringLiteral("build_full_subkey"), {QStringLiteral("\\Sub\\")},
       [](R &r) { return QVariant(r.BUILD_FULL_SUBKEY(QStringLiteral("\\Sub\\"))); }},
      {"GETSTRING", QStringLiteral("GetString"), {QString(), QStringLiteral("Dir")},
       [](R &r) { return QVariant(r.GETSTRING(QString(), QStringLiteral("Dir"))); }},
      {"GETSTRING missing", QStringLiteral("GETSTRING"), {QString(), QStringLiteral("None")},
       [](R &r) { return QVariant(r.GETSTRING(QString(), QStringLiteral("None"))); }},
      {"GETINT", QStringLiteral("getint"), {QString(), QStringLiteral("Count")},
       [](R &r) { return QVariant(r.GETINT(QString(), QStringLiteral("Count"))); }},
      {"CREATEKEY", QStringLiteral("CREATEKEY"), {QStringLiteral("New")},
       [](R &r) { return QVariant(r.CREATEKEY(QStringLiteral("New"))); }},
      {"CREATESUBKEY", QStringLiteral("CreateSubKey"), {QStringLiteral("New")},
       [](R &r) { return QVariant(r.CREATESUBKEY(QStringLiteral("New"))); }},
      {"WRITESTRING", QStringLiteral("WRITESTRING"), {QString(), QStringLiteral("Dir"), QStringLiteral("/srv")},
       [](R &r) { return QVariant(r.WRITESTRING(QString(), QStringLiteral("Dir"), QStringLiteral("/srv"))); }},
      {"WRITEINT", QStringLiteral("WriteInt"), {QString(), QStringLiteral("Count"), -1},
       [](R &r) { return QVariant(r.WRITEINT(QString(), QStringLiteral("Count"), -1)); }},
      {"GET_SUBKEY_VALUENAMES", QStringLiteral("get_subkey_valuenames"), {QString()},
       [](R &r) { return QVariant(r.GET_SUBKEY_VALUENAMES(QString())); }},
      {"GET_VALUENAMES", QStringLiteral("GET_VALUENAMES"), {QString()},
       [](R &r) { return QVariant(r.GET_VALUENAMES(QString())); }},
      {"DELETEVALUE", QStringLiteral("DELETEVALUE"), {QString(), QStringLiteral("Dir")},
       [](R &r) { return QVariant(r.DELETEVALUE(QString(), QStringLiteral("Dir"))); }},
      {"DELETEVALUENAME missing", QStringLiteral("DeleteValueName"), {QString(), QStringLiteral("None")},
       [](R &r) { return QVariant(r.DELETEVALUENAME(QString(), QStringLiteral("None"))); }},
      {"DELETESUBKEY", QStringLiteral("DELETESUBKEY"), {QStringLiteral("Sub")},
       [](R &r) { return QVariant(r.DELETESUBKEY(QStringLiteral("Sub"))); }},
      {"FLUSH", QStringLiteral("flush"), {}, [](R &r) { return QVariant(r.FLUSH()); }},
  };
  return table;
}
} // namespace

class TestRegistry : public QObject {
  Q_OBJECT
private slots:
  void init()
  {
    // Each case starts from an empty settings folder of its own.
    QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    QDir(configHome()).removeRecursively();
    QDir().mkpath(configHome());
  }

  void normalisation_data()
  {
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("stored");
    QTest::newRow("blanks and double backslashes") << QStringLiteral("  \\\\Software\\Tervolu\\\\  ")
                                                   << QStringLiteral("Software\\Tervolu");
    QTest::newRow("inner backslash stays") << QStringLiteral("A\\B") << QStringLiteral("A\\B");
    QTest::newRow("lone backslash") << QStringLiteral("\\") << QStringLiteral("\\");
    QTest::newRow("two backslashes") << QStringLiteral("\\\\") << QStringLiteral("\\");
    QTest::newRow("blanks") << QStringLiteral("   ") << QString();
  }
  void normalisation()
  {
    QFETCH(QString, working);
    QFETCH(QString, stored);
    CLASS_HKLM reg;
    QCOMPARE(reg.WORKING_SUBKEY(working), stored);
    QCOMPARE(reg.WORKING_SUBKEY(), stored);
  }

  void fullSubKey_data()
  {
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("full");
    QTest::newRow("empty arg") << QStringLiteral("W\\K") << QString() << QStringLiteral("W\\K");
    QTest::newRow("lone backslash arg") << QStringLiteral("W\\K") << QStringLiteral("\\") << QStringLiteral("W\\K");
    QTest::newRow("arg with outer backslashes") << QStringLiteral("W") << QStringLiteral("\\S\\") << QStringLiteral("W\\S");
    QTest::newRow("no working key") << QString() << QStringLiteral("  S\\T  ") << QStringLiteral("S\\T");
    QTest::newRow("working lone backslash") << QStringLiteral("\\") << QString() << QStringLiteral("\\");
  }
  void fullSubKey()
  {
    QFETCH(QString, working);
    QFETCH(QString, arg);
    QFETCH(QString, full);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(working);
    QCOMPARE(reg.BUILD_FULL_SUBKEY(arg), full);
  }

  void rootsAreFixed()
  {
    CLASS_HKCU hkcu;
    QCOMPARE(hkcu.HKEY(CLASS_REGISTRY::HKEY_LOCAL_MACHINE), CLASS_REGISTRY::HKEY_CURRENT_USER);
    CLASS_REGISTRY base;
    QCOMPARE(base.HKEY(CLASS_REGISTRY::HKEY_USERS), CLASS_REGISTRY::HKEY_USERS);
    QCOMPARE(base.HKEY(CLASS_REGISTRY::HKEY_PERFORMANCE_DATA), CLASS_REGISTRY::HKEY_LOCAL_MACHINE);
    QCOMPARE(base.HKEY(42), CLASS_REGISTRY::HKEY_LOCAL_MACHINE);
  }

  // The shell writes and reads its options exactly this way, and the set-up
  // script reads the same file through QSettings.
  void settingsKeyIsTheProgramsOwnFile()
  {
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(kSettingsKey);
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("VKpath"), QStringLiteral("/opt/Vesk_Zyr")), 0);
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("VKlatip"), QStringLiteral("12")), 0);

    const QString file = configHome() + QStringLiteral("/Tervolu/VKSetings.conf");
    QVERIFY(QFile::exists(file));
    QSettings direct(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tervolu"), QStringLiteral("VKSetings"));
    QCOMPARE(direct.fileName(), file);
    QCOMPARE(direct.value(QStringLiteral("VKpath")).toString(), QStringLiteral("/opt/Vesk_Zyr"));

    CLASS_HKLM again;
    again.WORKING_SUBKEY(kSettingsKey);
    QCOMPARE(again.GETSTRING(QString(), QStringLiteral("VKlatip")), QStringLiteral("12"));
    QCOMPARE(again.LASTERROR(), 0);
  }

  void valuesRoundTrip_data()
  {
    QTest::addColumn<QString>("text");
    QTest::newRow("turkish") << QStringLiteral("Şeker pancarı küspesi İĞÜ");
    QTest::newRow("comma") << QStringLiteral("a, b, c");
    QTest::newRow("looks like a number") << QStringLiteral("42");
    QTest::newRow("looks like a dword") << QStringLiteral("dword:0000002a");
    QTest::newRow("our escape") << QStringLiteral("sz:x");
    QTest::newRow("at sign") << QStringLiteral("@Variant(x)");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Vesk_Zyr\\Data");
    QTest::newRow("empty") << QString();
  }
  void valuesRoundTrip()
  {
    QFETCH(QString, text);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    QCOMPARE(reg.WRITESTRING(QStringLiteral("Deeper\\Still"), QStringLiteral("v"), text), 0);
    QCOMPARE(reg.GETSTRING(QStringLiteral("Deeper\\Still"), QStringLiteral("v")), text);
    // A string stays a string: reading it as a number gives 0 and status 0.
    QCOMPARE(reg.GETINT(QStringLiteral("Deeper\\Still"), QStringLiteral("v")), 0);
    QCOMPARE(reg.LASTERROR(), 0);
  }

  void numbersKeepTheirType_data()
  {
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << 0;
    QTest::newRow("positive") << 123456;
    QTest::newRow("all bits set") << -1;
    QTest::newRow("lowest") << int(0x80000000);
  }
  void numbersKeepTheirType()
  {
    QFETCH(int, value);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    QCOMPARE(reg.WRITEINT(QString(), QStringLiteral("n"), value), 0);
    QCOMPARE(reg.GETINT(QString(), QStringLiteral("n")), value);
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("n")), QString());
    QCOMPARE(reg.LASTERROR(), 0);
  }

  void missingThingsSetTheStatus_data()
  {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("missing file") << QStringLiteral("Software\\Nobody\\Nothing") << QStringLiteral("x");
    QTest::newRow("missing group") << QStringLiteral("Software\\Test\\App\\Nope") << QStringLiteral("x");
    QTest::newRow("missing value") << QStringLiteral("Software\\Test\\App") << QStringLiteral("absent");
    QTest::newRow("folder key") << QStringLiteral("Software\\Test") << QStringLiteral("x");
  }
  void missingThingsSetTheStatus()
  {
    QFETCH(QString, key);
    QFETCH(QString, value);
    CLASS_HKLM writer;
    QCOMPARE(writer.WRITESTRING(QStringLiteral("Software\\Test\\App"), QStringLiteral("present"), QStringLiteral("1")), 0);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(key);
    QCOMPARE(reg.GETSTRING(QString(), value), QString());
    QCOMPARE(reg.LASTERROR(), CLASS_REGISTRY::ERROR_FILE_NOT_FOUND);
    QCOMPARE(reg.GETINT(QString(), value), 0);
    QCOMPARE(reg.LASTERROR(), CLASS_REGISTRY::ERROR_FILE_NOT_FOUND);
  }

  void longStringsAreCutOnWriteAndReadWhole()
  {
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    const QString text(3000, QLatin1Char('x'));
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("long"), text), 0);
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("long")), text.left(2046));

    // A longer value put there by another program still comes back whole.
    QSettings direct(configHome() + QStringLiteral("/Test/App.conf"), QSettings::NativeFormat);
    direct.setValue(QStringLiteral("longer"), QString(5000, QLatin1Char('y')));
    direct.sync();
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("longer")), QString(5000, QLatin1Char('y')));
  }

  void trailingBlanksAreDropped()
  {
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    reg.WRITESTRING(QString(), QStringLiteral("b"), QStringLiteral("  padded   "));
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("b")), QStringLiteral("  padded"));
  }

  void twoRootsDoNotCollide()
  {
    CLASS_HKLM machine;
    CLASS_HKCU user;
    machine.WORKING_SUBKEY(kSettingsKey);
    user.WORKING_SUBKEY(kSettingsKey);
    QCOMPARE(machine.WRITESTRING(QString(), QStringLiteral("VKlogo"), QStringLiteral("1")), 0);
    QCOMPARE(user.WRITESTRING(QString(), QStringLiteral("VKlogo"), QStringLiteral("0")), 0);
    QCOMPARE(machine.GETSTRING(QString(), QStringLiteral("VKlogo")), QStringLiteral("1"));
    QCOMPARE(user.GETSTRING(QString(), QStringLiteral("VKlogo")), QStringLiteral("0"));
    QVERIFY(QFile::exists(configHome() + QStringLiteral("/HKEY_CURRENT_USER/Tervolu/VKSetings.conf")));

    vz::CLASS_HKCR classes;
    classes.WORKING_SUBKEY(QStringLiteral(".RVD"));
    QCOMPARE(classes.WRITESTRING(QString(), QString(), QStringLiteral("VeskZyr.Problem")), 0);
    QCOMPARE(classes.GETSTRING(QString(), QString()), QStringLiteral("VeskZyr.Problem"));
    QVERIFY(QFile::exists(configHome() + QStringLiteral("/HKEY_CLASSES_ROOT/.RVD.conf")));

    // The machine's own listing does not show the other roots' folders.
    CLASS_HKLM software;
    software.WORKING_SUBKEY(QStringLiteral("Software"));
    QCOMPARE(software.GET_SUBKEY_VALUENAMES(QString()), QStringList{QStringLiteral("Tervolu")});
  }

  void subKeysAreListedCreatedAndDeleted()
  {
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QString()), QStringList());
    QCOMPARE(reg.LASTERROR(), CLASS_REGISTRY::ERROR_FILE_NOT_FOUND);

    QCOMPARE(reg.CREATEKEY(QString()), 0);
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QString()), QStringList());
    QCOMPARE(reg.LASTERROR(), 0);

    reg.WRITESTRING(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    reg.WRITESTRING(QStringLiteral("B\\C"), QStringLiteral("y"), QStringLiteral("2"));
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QString()), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QStringLiteral("B")), QStringList{QStringLiteral("C")});

    // Like the registry: a key with sub keys is not deleted.
    QCOMPARE(reg.DELETESUBKEY(QStringLiteral("B")), CLASS_REGISTRY::ERROR_ACCESS_DENIED);
    QCOMPARE(reg.GETSTRING(QStringLiteral("B\\C"), QStringLiteral("y")), QStringLiteral("2"));
    QCOMPARE(reg.DELETESUBKEY(QStringLiteral("B\\C")), 0);
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QString()), QStringList{QStringLiteral("A")});

    QCOMPARE(reg.DELETEVALUE(QStringLiteral("A"), QStringLiteral("x")), 0);
    QCOMPARE(reg.DELETEVALUENAME(QStringLiteral("A"), QStringLiteral("x")), CLASS_REGISTRY::ERROR_FILE_NOT_FOUND);

    CLASS_HKLM org;
    org.WORKING_SUBKEY(QStringLiteral("Software\\Test"));
    QCOMPARE(org.GET_SUBKEY_VALUENAMES(QString()), QStringList{QStringLiteral("App")});
    QCOMPARE(org.DELETESUBKEY(QStringLiteral("App")), 0);
    QVERIFY(!QFile::exists(configHome() + QStringLiteral("/Test/App.conf")));
  }

  void otherShapesKeepTheirPathAsFolders()
  {
    CLASS_HKCU reg;
    reg.WORKING_SUBKEY(QStringLiteral("Control Panel\\Desktop"));
    QCOMPARE(reg.WRITEINT(QStringLiteral("Colors"), QStringLiteral("n"), 7), 0);
    QVERIFY(QFile::exists(configHome() + QStringLiteral("/HKEY_CURRENT_USER/Control Panel/Desktop/Colors.conf")));
    QCOMPARE(reg.GET_SUBKEY_VALUENAMES(QString()), QStringList{QStringLiteral("Colors")});
    QCOMPARE(reg.GETINT(QStringLiteral("Colors"), QStringLiteral("n")), 7);
  }

  void pathsNeverLeaveTheRoot_data()
  {
    QTest::addColumn<QString>("key");
    QTest::newRow("dot dot") << QStringLiteral("Software\\..\\..\\etc");
    QTest::newRow("empty part") << QStringLiteral("Software\\A\\\\B");
    QTest::newRow("slash") << QStringLiteral("Software\\A/B\\C");
  }
  void pathsNeverLeaveTheRoot()
  {
    QFETCH(QString, key);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(key);
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("v"), QStringLiteral("1")), CLASS_REGISTRY::ERROR_BAD_PATHNAME);
    QCOMPARE(reg.LASTERROR(), CLASS_REGISTRY::ERROR_BAD_PATHNAME);
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("v")), QString());
  }

  void unwritableFileIsReported()
  {
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\App"));
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("v"), QStringLiteral("1")), 0);
    const QString file = configHome() + QStringLiteral("/Test/App.conf");
    QFile::setPermissions(file, QFile::ReadOwner);
    if (QFileInfo(file).isWritable())
      QSKIP("running with privileges that ignore file permissions");
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("v"), QStringLiteral("2")), CLASS_REGISTRY::ERROR_ACCESS_DENIED);
    QCOMPARE(reg.GETSTRING(QString(), QStringLiteral("v")), QStringLiteral("1"));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  }

  // A write that fails part way (here a file size limit, as a full disk
  // would) is answered as a fault and leaves the settings file as it was.
  void failedWriteKeepsTheSettingsFile_data()
  {
    QTest::addColumn<bool>("remove");
    QTest::newRow("new value") << false;
    QTest::newRow("value removed") << true;
  }
  void failedWriteKeepsTheSettingsFile()
  {
    QFETCH(bool, remove);
    CLASS_HKLM reg;
    reg.WORKING_SUBKEY(QStringLiteral("Software\\Test\\Full"));
    const QString longText(CLASS_REGISTRY::MaxStringLength, QLatin1Char('x'));
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("a"), longText), 0);
    QCOMPARE(reg.WRITESTRING(QString(), QStringLiteral("b"), longText), 0);
    const QString file = configHome() + QStringLiteral("/Test/Full.conf");
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray before = in.readAll();
    in.close();

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    struct rlimit low = saved;
    low.rlim_cur = rlim_t(before.size() / 2);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &low) == 0);
    const std::int32_t status = remove ? reg.DELETEVALUE(QString(), QStringLiteral("a"))
                                       : reg.WRITESTRING(QString(), QStringLiteral("c"), longText);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(status, CLASS_REGISTRY::ERROR_WRITE_FAULT);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), before);
    CLASS_HKLM again;
    again.WORKING_SUBKEY(QStringLiteral("Software\\Test\\Full"));
    QCOMPARE(again.GETSTRING(QString(), QStringLiteral("a")), longText);
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

    seed();
    CLASS_REGISTRY typedReg;
    const QVariant expected = e.typed(prepared(typedReg));
    const QString expectedState = snapshot(typedReg);

    seed();
    CLASS_REGISTRY named;
    const QVariant got = prepared(named).SEND(e.name, e.args);
    QVERIFY(got.isValid());
    QCOMPARE(got, expected);
    QCOMPARE(snapshot(named), expectedState);
  }

  // Loose arguments must act exactly as the same arguments in their declared
  // types.
  void conversions_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("loose");
    QTest::addColumn<QVariantList>("declared");
    QTest::newRow("integer as text") << QStringLiteral("WRITEINT")
                                     << QVariantList{QString(), QStringLiteral("Count"), QStringLiteral(" -12 ")}
                                     << QVariantList{QString(), QStringLiteral("Count"), -12};
    QTest::newRow("leading zero stays decimal") << QStringLiteral("LASTERROR") << QVariantList{QStringLiteral("010")}
                                                << QVariantList{10};
    QTest::newRow("whole double as integer") << QStringLiteral("LASTERROR") << QVariantList{5.0} << QVariantList{5};
    QTest::newRow("text as number") << QStringLiteral("WRITESTRING")
                                    << QVariantList{QString(), 42, 2.5}
                                    << QVariantList{QString(), QStringLiteral("42"), QStringLiteral("2.5")};
    QTest::newRow("root by name") << QStringLiteral("HKEY") << QVariantList{QStringLiteral(" hkey_users ")}
                                  << QVariantList{CLASS_REGISTRY::HKEY_USERS};
    QTest::newRow("root as hex text") << QStringLiteral("HKEY") << QVariantList{QStringLiteral("0x80000001")}
                                      << QVariantList{CLASS_REGISTRY::HKEY_CURRENT_USER};
    QTest::newRow("root as signed 32 bits") << QStringLiteral("HKEY") << QVariantList{qint32(-2147483647)}
                                            << QVariantList{CLASS_REGISTRY::HKEY_CURRENT_USER};
    QTest::newRow("no root still converts") << QStringLiteral("HKEY") << QVariantList{QStringLiteral("12")}
                                            << QVariantList{CLASS_REGISTRY::HKEY_LOCAL_MACHINE};
  }
  void conversions()
  {
    QFETCH(QString, name);
    QFETCH(QVariantList, loose);
    QFETCH(QVariantList, declared);

    seed();
    CLASS_REGISTRY viaDeclared;
    const QVariant expected = prepared(viaDeclared).SEND(name, declared);
    const QString expectedState = snapshot(viaDeclared);
    QVERIFY(expected.isValid());

    seed();
    CLASS_REGISTRY viaLoose;
    QCOMPARE(prepared(viaLoose).SEND(name, loose), expected);
    QCOMPARE(snapshot(viaLoose), expectedState);
  }

  void refused_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("unknown") << QStringLiteral("GETDWORD") << QVariantList{QString(), QStringLiteral("Count")};
    QTest::newRow("text is no code") << QStringLiteral("DELETESUBKEY(\"Sub\")") << QVariantList{};
    QTest::newRow("empty name") << QString() << QVariantList{};
    QTest::newRow("too few") << QStringLiteral("WRITESTRING") << QVariantList{QString(), QStringLiteral("Dir")};
    QTest::newRow("too many") << QStringLiteral("DELETESUBKEY") << QVariantList{QStringLiteral("Sub"), 1};
    QTest::newRow("argument to FLUSH") << QStringLiteral("FLUSH") << QVariantList{0};
    QTest::newRow("fraction for integer") << QStringLiteral("WRITEINT") << QVariantList{QString(), QStringLiteral("Count"), 2.5};
    QTest::newRow("word for integer") << QStringLiteral("LASTERROR") << QVariantList{QStringLiteral("five")};
    QTest::newRow("integer out of range") << QStringLiteral("LASTERROR") << QVariantList{qint64(1) << 32};
    QTest::newRow("logic for text") << QStringLiteral("DELETESUBKEY") << QVariantList{true};
    QTest::newRow("unknown root name") << QStringLiteral("HKEY") << QVariantList{QStringLiteral("HKEY_NOWHERE")};
  }
  void refused()
  {
    QFETCH(QString, name);
    QFETCH(QVariantList, args);
    seed();
    CLASS_REGISTRY reg;
    prepared(reg);
    const QString before = snapshot(reg);
    QVERIFY(!reg.SEND(name, args).isValid());
    QCOMPARE(snapshot(reg), before);
  }

  void fixedRootIgnoresItsArgument_data()
  {
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("none") << QVariantList{};
    QTest::newRow("another root") << QVariantList{CLASS_REGISTRY::HKEY_LOCAL_MACHINE};
    QTest::newRow("not a root at all") << QVariantList{QStringLiteral("nonsense")};
  }
  void fixedRootIgnoresItsArgument()
  {
    QFETCH(QVariantList, args);
    CLASS_HKCU reg;
    QCOMPARE(reg.SEND(QStringLiteral("HKEY"), args), QVariant::fromValue(CLASS_REGISTRY::HKEY_CURRENT_USER));
    QCOMPARE(reg.HKEY(), CLASS_REGISTRY::HKEY_CURRENT_USER);
  }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
