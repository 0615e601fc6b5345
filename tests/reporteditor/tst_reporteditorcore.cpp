// The report editor's bookkeeping and its plain-text report files.
#include "editing/calculatorlauncher.h"
#include "scriptedinteraction.h"
#include "shell/reporteditorstate.h"
#include "shell/textreportfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;
using Kind = ReportEditorState::FileKind;
Q_DECLARE_METATYPE(vz::ReportEditorState::FileKind)

class TestReportEditorCore : public QObject {
  Q_OBJECT
private slots:
  void untitledNumberingAndLimit();
  void reportFileNames_data();
  void reportFileNames();
  void saveAsTarget_data();
  void saveAsTarget();
  void sameFileResolvesLinksAndDots();
  void textFileRoundTripIsByteIdentical();
  void textFileErrors();
  void calculatorFromSettingsOrPath();
};

void TestReportEditorCore::untitledNumberingAndLimit()
{
  ReportEditorState state;
  QList<QObject *> windows;
  for (int i = 1; i <= ReportEditorState::MaxWindows; ++i) {
    QCOMPARE(state.nextUntitledName(), QStringLiteral("Adsız") + QString::number(i));
    QVERIFY(!state.isFull());
    windows.append(new QObject(this));
    state.add(windows.last());
  }
  QVERIFY(state.isFull());
  // A refused new window still uses up its number.
  QCOMPARE(state.nextUntitledName(), QStringLiteral("Adsız11"));
  QVERIFY(!state.remove(windows.at(3)));
  QVERIFY(!state.remove(windows.at(3)));  // not listed twice
  QVERIFY(!state.isFull());
  QCOMPARE(state.nextUntitledName(), QStringLiteral("Adsız12"));
  for (int i = 0; i < windows.size(); ++i)
    if (i != 3 && i != windows.size() - 1)
      QVERIFY(!state.remove(windows.at(i)));
  QVERIFY(state.remove(windows.last()));  // the last one empties the list
  state.reset();
  QCOMPARE(state.nextUntitledName(), QStringLiteral("Adsız1"));
}

void TestReportEditorCore::reportFileNames_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("acceptable");
  QTest::addColumn<Kind>("load");
  QTest::addColumn<Kind>("save");
  QTest::newRow("upper txt") << "/d/RAPOR.TXT" << true << Kind::Text << Kind::Text;
  QTest::newRow("lower txt") << "/d/rapor.txt" << true << Kind::Text << Kind::Text;
  QTest::newRow("mixed rtf") << "/d/rapor.RtF" << true << Kind::Rich << Kind::Rich;
  QTest::newRow("four characters") << ".TXT" << true << Kind::Text << Kind::Text;
  QTest::newRow("three characters") << "TXT" << false << Kind::Text << Kind::Text;
  QTest::newRow("doc") << "/d/rapor.doc" << false << Kind::None << Kind::Text;
  QTest::newRow("no dot") << "/d/raporTXT" << false << Kind::Text << Kind::Text;
  QTest::newRow("untitled") << "Adsız3" << false << Kind::None << Kind::None;
}

void TestReportEditorCore::reportFileNames()
{
  QFETCH(QString, name);
  QFETCH(bool, acceptable);
  QFETCH(Kind, load);
  QFETCH(Kind, save);
  QCOMPARE(ReportEditorState::isReportFileName(name), acceptable);
  QCOMPARE(ReportEditorState::loadKind(name), load);
  QCOMPARE(ReportEditorState::saveKind(name), save);
}

void TestReportEditorCore::saveAsTarget_data()
{
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<int>("filter");
  QTest::addColumn<QString>("path");
  QTest::addColumn<Kind>("kind");
  QTest::newRow("no extension, text filter") << "/d/rapor" << 1 << "/d/rapor.TXT" << Kind::Text;
  QTest::newRow("no extension, rich filter") << "/d/rapor" << 2 << "/d/rapor.RTF" << Kind::Rich;
  QTest::newRow("small rtf wins over filter") << "/d/rapor.rtf" << 1 << "/d/rapor.rtf" << Kind::Rich;
  QTest::newRow("txt with rich filter") << "/d/rapor.txt" << 2 << "/d/rapor.txt" << Kind::Text;
  QTest::newRow("other extension is text") << "/d/rapor.lst" << 2 << "/d/rapor.lst" << Kind::Text;
}

void TestReportEditorCore::saveAsTarget()
{
  QFETCH(QString, chosen);
  QFETCH(int, filter);
  QFETCH(QString, path);
  QFETCH(Kind, kind);
  const ReportEditorState::SaveTarget t = ReportEditorState::saveAsTarget(chosen, filter);
  QCOMPARE(t.path, path);
  QCOMPARE(t.kind, kind);
}

void TestReportEditorCore::sameFileResolvesLinksAndDots()
{
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("RAPOR.TXT"));
  QFile f(file);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("x");
  f.close();
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
  QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link.txt"))));
  QVERIFY(ReportEditorState::sameFile(file, dir.filePath(QStringLiteral("sub/../RAPOR.TXT"))));
  QVERIFY(ReportEditorState::sameFile(file, dir.filePath(QStringLiteral("link.txt"))));
  QVERIFY(!ReportEditorState::sameFile(file, dir.filePath(QStringLiteral("rapor.txt"))));
  QVERIFY(ReportEditorState::sameFile(dir.filePath(QStringLiteral("yok.txt")),
                                      dir.filePath(QStringLiteral("sub/../yok.txt"))));
}

void TestReportEditorCore::textFileRoundTripIsByteIdentical()
{
  const QString fixture = QString::fromLocal8Bit(qgetenv("VZ_TEST_DATA"))
                          + QStringLiteral("/reporteditor/matrix100.txt");
  QFile in(fixture);
  QVERIFY(in.open(QIODevice::ReadOnly));
  const QByteArray original = in.readAll();
  QString text;
  QString error;
  QVERIFY2(TextReportFile::read(fixture, &text, &error), qPrintable(error));
  QVERIFY(!text.contains(QLatin1Char('\r')));
  QVERIFY(text.contains(QChar(0x0C)));
  QVERIFY(text.contains(QStringLiteral("AKTİF MATRİS")));
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("copy.txt"));
  QVERIFY(TextReportFile::write(out, text, &error));
  QFile back(out);
  QVERIFY(back.open(QIODevice::ReadOnly));
  QCOMPARE(back.readAll(), original);
}

void TestReportEditorCore::textFileErrors()
{
  QString text = QStringLiteral("kept");
  QString error;
  QVERIFY(!TextReportFile::read(QStringLiteral("/nonexistent/RAPOR.TXT"), &text, &error));
  QVERIFY(!error.isEmpty());
  QCOMPARE(text, QStringLiteral("kept"));
  error.clear();
  QVERIFY(!TextReportFile::write(QStringLiteral("/nonexistent/RAPOR.TXT"), text, &error));
  QVERIFY(!error.isEmpty());
  QVERIFY(TextReportFile::canWrite(QStringLiteral("ışğİŞĞ €")));
  QVERIFY(!TextReportFile::canWrite(QStringLiteral("Ω")));
}

void TestReportEditorCore::calculatorFromSettingsOrPath()
{
  QTemporaryDir bin;
  auto tool = [&](const char *name) {
    QFile f(bin.filePath(QString::fromLatin1(name)));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  tool("xcalc");
  tool("kcalc");
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", bin.path().toLocal8Bit());
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tervolu"),
                     QStringLiteral("VKSetings"));
  settings.remove(QStringLiteral("VKcalc"));
  settings.sync();
  // The first of the known calculators in their order, not in PATH order.
  QCOMPARE(CalculatorLauncher::command(), bin.filePath(QStringLiteral("kcalc")));
  test::ScriptedInteraction ui;
  QVERIFY(CalculatorLauncher::WIN_HESMAK(ui));
  settings.setValue(QStringLiteral("VKcalc"), QStringLiteral("  %1 --hesap ").arg(bin.filePath(QStringLiteral("xcalc"))));
  settings.sync();
  QCOMPARE(CalculatorLauncher::command(), bin.filePath(QStringLiteral("xcalc")) + QStringLiteral(" --hesap"));
  QVERIFY(CalculatorLauncher::WIN_HESMAK(ui));
  QVERIFY(ui.shown.isEmpty());
  settings.remove(QStringLiteral("VKcalc"));
  settings.sync();
  qputenv("PATH", QByteArray());
  QCOMPARE(CalculatorLauncher::command(), QString());
  QVERIFY(!CalculatorLauncher::WIN_HESMAK(ui));
  QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{CalculatorLauncher::noCalculatorText()});
  qputenv("PATH", oldPath);
}

QTEST_GUILESS_MAIN(TestReportEditorCore)
#include "tst_reporteditorcore.moc"
