// The report editor with its windows, run headless against scripted dialogs
// and questions: opening, numbering, saving as text and rich text, the close
// and exit questions, the menu swap, and printing.
#include "controls/jqrichedit.h"
#include "problem/appsession.h"
#include "scriptedinteraction.h"
#include "shell/textreportfile.h"
#include "shell/ui/padwin.h"
#include "shell/ui/printmodule.h"
#include "shell/ui/reporteditor.h"
#include "shell/ui/reporteditordialogs.h"
#include "shell/ui/reporteditormenu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QQueue>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>

using namespace vz;
using Answer = Interaction::Answer;

namespace {

class ScriptedDialogs : public ReportEditorDialogs {
public:
  QQueue<QString> openAnswers;          // empty queue: cancelled
  QQueue<SaveChoice> saveAnswers;       // empty queue: cancelled
  QQueue<std::optional<Margins>> marginAnswers;
  QStringList calls;
  QString lastProposedName;

  QString openReportFile(QWidget *, const QString &) override
  {
    calls << QStringLiteral("open");
    return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
  }
  SaveChoice saveReportFile(QWidget *, const QString &proposed, const QString &) override
  {
    calls << QStringLiteral("save");
    lastProposedName = proposed;
    return saveAnswers.isEmpty() ? SaveChoice() : saveAnswers.dequeue();
  }
  std::optional<std::pair<QFont, QColor>> fontAnswer;  // nullopt: cancelled
  bool chooseFont(QWidget *, QFont &font, QColor &colour) override
  {
    calls << QStringLiteral("font");
    if (!fontAnswer)
      return false;
    font = fontAnswer->first;
    colour = fontAnswer->second;
    return true;
  }
  std::optional<Margins> askMargins(QWidget *) override
  {
    calls << QStringLiteral("margins");
    return marginAnswers.isEmpty() ? std::nullopt : marginAnswers.dequeue();
  }
  QList<QPrinter *> printsAsked;    // the printer of each print dialog
  QList<QPrinter *> setUpsAsked;    // and of each printer set-up
  bool askPrint(QWidget *, QPrinter &printer) override
  {
    printsAsked << &printer;
    return false;
  }
  void printerSetup(QWidget *, QPrinter &printer) override { setUpsAsked << &printer; }
};

QByteArray readAll(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

void flushDeletes()
{
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types at the start of the text's given line, as the user would.
void typeAtLine(PADWIN *pad, int line, const QString &text)
{
  QTextCursor c(pad->document()->findBlockByNumber(line));
  pad->ODCRICHEDIT->setTextCursor(c);
  pad->ODCRICHEDIT->insertPlainText(text);
}

} // namespace

class TestReportEditor : public QObject {
  Q_OBJECT
private slots:
  void initTestCase();
  void init();
  void cleanup();

  void unchangedReportSavesByteIdentical();
  void largeReportOpensWhole();
  void reportPadNumbersUntitledWindowsAndLimitsThem();
  void lastWindowClosedReturnsToMainMenu();
  void closeQuestion_data();
  void closeQuestion();
  void failedOrCancelledSaveKeepsWindow_data();
  void failedOrCancelledSaveKeepsWindow();
  void untitledSaveProposesItsName();
  void optimiserReportEditedSavedAsRtfAndReopened();
  void saveAsAsksBeforeOverwriting();
  void textSaveWarnsOfCharactersOutsideCodePage();
  void openRefusesWrongNamesAndOpenFiles();
  void unreadableFilesAreReportedAndNotOpened_data();
  void unreadableFilesAreReportedAndNotOpened();
  void dropBringsOpenFileForwardAndReloads();
  void exitAsksEveryChangedWindow();
  void marginsAlignmentAndClipboard();
  void pasteTakesOnlyWhatTheClipboardHolds_data();
  void pasteTakesOnlyWhatTheClipboardHolds();
  void escapeClosesThroughTheCloseQuestion();
  void agreedCloseIsNotAskedAgain();
  void fontAndMenuCommandsReachTheirOwners();
  void rulerNumbersInches_data();
  void rulerNumbersInches();
  void printsPagesHoldingTheReport();
  void printingGoesThroughPrintModule_data();
  void printingGoesThroughPrintModule();
  void printModuleBesideProgram();

private:
  PADWIN *openCopyOfFixture(const QString &name = QStringLiteral("RAPOR.TXT"));

  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_data;
  std::unique_ptr<QMainWindow> m_main;
  QMdiArea *m_area = nullptr;
  std::unique_ptr<test::ScriptedInteraction> m_ui;
  std::unique_ptr<ScriptedDialogs> m_dialogs;
  ReportEditor *m_editor = nullptr;
};

void TestReportEditor::initTestCase()
{
  // The program finds the module in its own folder; a test is elsewhere.
  setPrintModulePath(QStringLiteral(VZ_PRINT_MODULE_FILE));
}

void TestReportEditor::init()
{
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Data")));
  AppSession::instance().setProgramDir(m_dir->path());
  AppSession::instance().setCurrentReportFile(QString());
  m_data = AppSession::instance().dataDir();
  m_main = std::make_unique<QMainWindow>();
  m_area = new QMdiArea(m_main.get());
  m_main->setCentralWidget(m_area);
  m_main->resize(1000, 700);
  m_main->show();
  m_ui = std::make_unique<test::ScriptedInteraction>();
  m_dialogs = std::make_unique<ScriptedDialogs>();
  m_editor = new ReportEditor(m_main.get(), m_area, *m_ui, m_dialogs.get(), m_main.get());
}

void TestReportEditor::cleanup()
{
  m_main.reset();
  flushDeletes();
  m_editor = nullptr;
  m_dialogs.reset();
  m_ui.reset();
  m_dir.reset();
}

PADWIN *TestReportEditor::openCopyOfFixture(const QString &name)
{
  const QString path = QDir(m_data).filePath(name);
  QFile::remove(path);
  if (!QFile::copy(QString::fromLocal8Bit(qgetenv("VZ_TEST_DATA")) + QStringLiteral("/reporteditor/matrix100.txt"),
                   path))
    return nullptr;
  return m_editor->openFile(path);
}

void TestReportEditor::unchangedReportSavesByteIdentical()
{
  PADWIN *pad = openCopyOfFixture();
  QVERIFY(pad);
  const QString path = pad->CFNAME();
  const QByteArray original = readAll(path);
  QVERIFY(!pad->LCHANGE());
  QVERIFY(pad->plainText().contains(QChar(0x0C)));
  QVERIFY(pad->RTFSAVE());
  QCOMPARE(readAll(path), original);
  QCOMPARE(m_ui->texts(QStringLiteral("status")), QStringList{QStringLiteral("Dosya başarıyla kaydedildi!")});
}

void TestReportEditor::largeReportOpensWhole()
{
  // A reference matrix report runs far beyond 64 KB.
  QString text;
  for (int i = 0; i < 3000; ++i)
    text += QStringLiteral("%1 Şeker Pancarı Posası").arg(i, 6).leftJustified(100) + QLatin1Char('\n');
  text += QStringLiteral("son\u00A0satır\n");  // a no-break space stays one
  const QString path = QDir(m_data).filePath(QStringLiteral("KM Referans Matris.TXT"));
  QVERIFY(TextReportFile::write(path, text));
  PADWIN *pad = m_editor->openFile(path);
  QVERIFY(pad);
  QCOMPARE(pad->plainText().size(), text.size());
  QCOMPARE(pad->plainText(), text);
  QVERIFY(pad->RTFSAVE());
  QString back;
  QVERIFY(TextReportFile::read(path, &back));
  QCOMPARE(back, text);
}

void TestReportEditor::reportPadNumbersUntitledWindowsAndLimitsThem()
{
  // No report written yet: the editor opens with an untitled window.
  m_editor->reportPad();
  QVERIFY(m_editor->inReportMode());
  QStringList titles;
  for (QAction *a : m_main->menuBar()->actions())
    titles << a->text();
  QCOMPARE(titles, (QStringList{QStringLiteral("&Dosya"), QStringLiteral("Ya&zım"), QStringLiteral("&Pencere"),
                                QStringLiteral("&Araçlar"), QStringLiteral("&Yardım")}));
  QVERIFY(!m_editor->menu()->item(STANDARDPADMENU::SaveItem)->isEnabled());
  for (int i = 2; i <= 10; ++i)
    QVERIFY(m_editor->newWindow());
  QStringList names;
  for (PADWIN *pad : m_editor->windows())
    names << pad->CFNAME();
  QCOMPARE(names.first(), QStringLiteral("Adsız1"));
  QCOMPARE(names.last(), QStringLiteral("Adsız10"));
  QCOMPARE(m_editor->windows().last()->windowTitle(), QStringLiteral("Adsız10"));

  QVERIFY(!m_editor->newWindow());
  QCOMPARE(m_ui->shown.last().text, QStringLiteral("Dinamik hafızayı zorluyorsunuz..."));
  QCOMPARE(m_ui->shown.last().caption, QStringLiteral("Uyarı..."));
  QCOMPARE(m_editor->windows().size(), 10);

  m_editor->windows().at(3)->CLOSE();  // unchanged: no question
  flushDeletes();
  QCOMPARE(m_editor->windows().size(), 9);
  QCOMPARE(m_editor->newWindow()->CFNAME(), QStringLiteral("Adsız12"));
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")), QStringList());
}

void TestReportEditor::lastWindowClosedReturnsToMainMenu()
{
  QSignalSpy back(m_editor, &ReportEditor::returnedToMain);
  auto *mainBar = new QToolBar(m_main.get());
  m_main->addToolBar(mainBar);
  mainBar->show();
  QVERIFY(mainBar->isVisible());
  auto *exitKey = new QAction(QStringLiteral("&Çıkış"), m_main.get());
  exitKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  m_main->addAction(exitKey);
  m_editor->reportPad();
  m_editor->newWindow();
  QVERIFY(!mainBar->isVisible());
  QVERIFY(!m_main->actions().contains(exitKey));  // Ctrl+X cuts in the editor
  // A changed window whose close is cancelled keeps the editor open.
  typeAtLine(m_editor->windows().first(), 0, QStringLiteral("x"));
  QVERIFY(m_editor->menu()->item(STANDARDPADMENU::SaveItem)->isEnabled());
  m_editor->runCommand("CLOSEALL");
  flushDeletes();
  QCOMPARE(m_editor->windows().size(), 1);
  QVERIFY(m_editor->inReportMode());
  QCOMPARE(back.count(), 0);

  m_ui->yesNoCancelAnswers << Answer::No;
  m_editor->runCommand("CLOSEALL");
  flushDeletes();
  QCOMPARE(back.count(), 1);
  QVERIFY(!m_editor->inReportMode());
  QVERIFY(m_main->menuBar()->actions().isEmpty());
  QVERIFY(mainBar->isVisible());
  QVERIFY(m_main->actions().contains(exitKey));
  // Numbering starts again.
  m_editor->reportPad();
  QCOMPARE(m_editor->windows().first()->CFNAME(), QStringLiteral("Adsız1"));
}

void TestReportEditor::closeQuestion_data()
{
  QTest::addColumn<Answer>("answer");
  QTest::addColumn<bool>("staysOpen");
  QTest::addColumn<bool>("saved");
  QTest::newRow("yes saves and closes") << Answer::Yes << false << true;
  QTest::newRow("no closes without saving") << Answer::No << false << false;
  QTest::newRow("cancel keeps window and text") << Answer::Cancel << true << false;
}

void TestReportEditor::closeQuestion()
{
  QFETCH(Answer, answer);
  QFETCH(bool, staysOpen);
  QFETCH(bool, saved);
  PADWIN *pad = openCopyOfFixture();
  QVERIFY(pad);
  const QString path = pad->CFNAME();
  const QByteArray original = readAll(path);
  typeAtLine(pad, 2, QStringLiteral("Z"));
  QVERIFY(pad->LCHANGE());
  m_ui->yesNoCancelAnswers << answer;
  pad->CLOSE();
  flushDeletes();
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")),
           QStringList{path + QStringLiteral(" Dosyasındaki metin değişmiş.\n\nDeğişiklikleri kaydetmek istiyor musunuz?")});
  QCOMPARE(m_ui->shown.first().caption, QStringLiteral("Uyarı..."));
  QCOMPARE(m_editor->windows().size(), staysOpen ? 1 : 0);
  if (staysOpen) {
    QVERIFY(pad->LCHANGE());
    QVERIFY(pad->plainText().split(QLatin1Char('\n')).at(2).startsWith(QLatin1Char('Z')));
  }
  const QByteArray now = readAll(path);
  QCOMPARE(now != original, saved);
  if (saved)
    QVERIFY(now.split('\n').at(2).startsWith('Z'));
}

void TestReportEditor::failedOrCancelledSaveKeepsWindow_data()
{
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<bool>("reported");
  QTest::newRow("save dialog cancelled") << QString() << false;
  QTest::newRow("write fails") << QStringLiteral("/nonexistent/folder/rapor") << true;
}

void TestReportEditor::failedOrCancelledSaveKeepsWindow()
{
  QFETCH(QString, chosen);
  QFETCH(bool, reported);
  PADWIN *pad = m_editor->newWindow();
  QVERIFY(pad);
  typeAtLine(pad, 0, QStringLiteral("metin"));
  m_ui->yesNoCancelAnswers << Answer::Yes;
  if (!chosen.isEmpty())
    m_dialogs->saveAnswers << ReportEditorDialogs::SaveChoice{chosen, 1};
  pad->CLOSE();
  flushDeletes();
  QCOMPARE(m_editor->windows().size(), 1);
  QVERIFY(pad->LCHANGE());
  QCOMPARE(pad->CFNAME(), QStringLiteral("Adsız1"));
  QCOMPARE(pad->windowTitle(), QStringLiteral("Adsız1"));
  QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), reported ? 1 : 0);
  QVERIFY(m_ui->texts(QStringLiteral("status")).isEmpty());
}

void TestReportEditor::untitledSaveProposesItsName()
{
  PADWIN *pad = m_editor->newWindow();
  typeAtLine(pad, 0, QStringLiteral("not"));
  m_dialogs->saveAnswers << ReportEditorDialogs::SaveChoice{QDir(m_data).filePath(QStringLiteral("not")), 1};
  QVERIFY(pad->RTFSAVE());
  QCOMPARE(m_dialogs->lastProposedName, QStringLiteral("Adsız1"));
  const QString path = QDir(m_data).filePath(QStringLiteral("not.TXT"));
  QCOMPARE(pad->CFNAME(), path);
  QCOMPARE(readAll(path), QByteArray("not"));
  QVERIFY(!pad->LCHANGE());
}

void TestReportEditor::optimiserReportEditedSavedAsRtfAndReopened()
{
  // The optimiser wrote its report and made it the current report file.
  const QString report = QDir(m_data).filePath(QStringLiteral("INEK.TXT"));
  QVERIFY(TextReportFile::write(report, QStringLiteral("OPTİMAL ÇÖZÜM\n  Arpa        2.500 Kg\n  Mısır       4.000 Kg\n")));
  AppSession::instance().setCurrentReportFile(report);
  m_editor->reportPad();
  PADWIN *pad = m_editor->windows().value(0);
  QVERIFY(pad);
  QCOMPARE(pad->windowTitle(), report);
  QVERIFY(!m_editor->menu()->item(STANDARDPADMENU::SaveItem)->isEnabled());

  typeAtLine(pad, 2, QStringLiteral("*"));
  QVERIFY(m_editor->menu()->item(STANDARDPADMENU::SaveItem)->isEnabled());
  m_dialogs->saveAnswers << ReportEditorDialogs::SaveChoice{QDir(m_data).filePath(QStringLiteral("inek")), 2};
  m_editor->runCommand("RTFSAVEAS");
  const QString rtf = QDir(m_data).filePath(QStringLiteral("inek.RTF"));
  QCOMPARE(pad->CFNAME(), rtf);
  QCOMPARE(pad->windowTitle(), rtf);
  QVERIFY(readAll(rtf).startsWith("{\\rtf1"));
  QVERIFY(m_ui->texts(QStringLiteral("status")).isEmpty());  // rich text shows no message
  m_editor->runCommand("CLOSE");
  flushDeletes();
  QVERIFY(!m_editor->inReportMode());
  QVERIFY(m_ui->texts(QStringLiteral("yesnocancel")).isEmpty());

  PADWIN *again = m_editor->openFile(rtf);
  QVERIFY(again);
  QCOMPARE(again->plainText().split(QLatin1Char('\n')).at(2), QStringLiteral("*  Mısır       4.000 Kg"));
  QVERIFY(!again->LCHANGE());
  QVERIFY(!readAll(report).contains('*'));

  // Later saves keep to rich text, without the text file's status message.
  typeAtLine(again, 0, QStringLiteral("#"));
  m_editor->runCommand("RTFSAVE");
  QVERIFY(!again->LCHANGE());
  QVERIFY(readAll(rtf).startsWith("{\\rtf1"));
  QVERIFY(readAll(rtf).contains("#OPT"));
  QVERIFY(m_ui->texts(QStringLiteral("status")).isEmpty());
}

void TestReportEditor::saveAsAsksBeforeOverwriting()
{
  PADWIN *pad = openCopyOfFixture();
  typeAtLine(pad, 0, QStringLiteral("x"));
  const QString other = QDir(m_data).filePath(QStringLiteral("ESKI.TXT"));
  writeAll(other, "eski");
  m_dialogs->saveAnswers << ReportEditorDialogs::SaveChoice{other, 1};
  m_ui->yesNoAnswers << false;
  QVERIFY(!pad->RTFSAVEAS());
  QCOMPARE(m_ui->texts(QStringLiteral("yesno")),
           QStringList{other + QStringLiteral(" Dosyası mevcut.\n\nÜzerine yazılmasını istiyor musunuz?")});
  QCOMPARE(readAll(other), QByteArray("eski"));
  QVERIFY(pad->LCHANGE());
  QVERIFY(pad->CFNAME() != other);

  m_dialogs->saveAnswers << ReportEditorDialogs::SaveChoice{other, 1};
  m_ui->yesNoAnswers << true;
  QVERIFY(pad->RTFSAVEAS());
  QVERIFY(readAll(other).startsWith("x"));
  QCOMPARE(pad->CFNAME(), other);
}

void TestReportEditor::textSaveWarnsOfCharactersOutsideCodePage()
{
  PADWIN *pad = openCopyOfFixture();
  const QByteArray original = readAll(pad->CFNAME());
  typeAtLine(pad, 0, QStringLiteral("Ω"));
  m_ui->yesNoAnswers << false;
  QVERIFY(!pad->RTFSAVE());
  QCOMPARE(m_ui->texts(QStringLiteral("yesno")).size(), 1);
  QCOMPARE(readAll(pad->CFNAME()), original);
  QVERIFY(pad->LCHANGE());
  m_ui->yesNoAnswers << true;
  QVERIFY(pad->RTFSAVE());
  QVERIFY(readAll(pad->CFNAME()).startsWith('?'));
  QVERIFY(!pad->LCHANGE());
}

void TestReportEditor::openRefusesWrongNamesAndOpenFiles()
{
  QVERIFY(!m_editor->openFile(QStringLiteral("TXT")));
  QVERIFY(!m_editor->openFile(QStringLiteral("/d/rapor.doc")));
  QCOMPARE(m_ui->texts(QStringLiteral("error")),
           (QStringList{QStringLiteral("TXT bir Tarnik rapor dosyası değil..."),
                        QStringLiteral("/d/rapor.doc bir Tarnik rapor dosyası değil...")}));
  PADWIN *pad = openCopyOfFixture(QStringLiteral("rapor.txt"));
  QVERIFY(pad);
  QVERIFY(QDir(m_data).mkdir(QStringLiteral("alt")));
  m_dialogs->openAnswers << QDir(m_data).filePath(QStringLiteral("alt/../rapor.txt"));
  m_editor->runCommand("RE_FILEOPEN");
  QCOMPARE(m_ui->texts(QStringLiteral("information")), QStringList{QStringLiteral("Bu dosya şu anda açık...")});
  QCOMPARE(m_editor->windows().size(), 1);
  m_editor->runCommand("RE_FILEOPEN");  // cancelled: nothing happens
  QCOMPARE(m_editor->windows().size(), 1);
  QCOMPARE(m_dialogs->calls, (QStringList{QStringLiteral("open"), QStringLiteral("open")}));
}

void TestReportEditor::unreadableFilesAreReportedAndNotOpened_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("content");
  QTest::newRow("empty text") << "BOS.TXT" << QByteArray();
  QTest::newRow("rich text that is none") << "BOZUK.RTF" << QByteArray("not rich text");
}

void TestReportEditor::unreadableFilesAreReportedAndNotOpened()
{
  QFETCH(QString, name);
  QFETCH(QByteArray, content);
  const QString path = QDir(m_data).filePath(name);
  writeAll(path, content);
  QSignalSpy back(m_editor, &ReportEditor::returnedToMain);
  m_editor->dropFiles({path});
  QCOMPARE(m_editor->windows().size(), 0);
  QCOMPARE(m_area->subWindowList().size(), 0);
  QCOMPARE(m_ui->shown.size(), 1);
  QCOMPARE(m_ui->shown.first().caption, QStringLiteral("Dosya Açma Hatası"));
  QCOMPARE(m_ui->shown.first().text, path + QStringLiteral(" dosyası açılamıyor..."));
  QCOMPARE(back.count(), 1);  // the main menu is shown again
  QCOMPARE(readAll(path), content);
}

void TestReportEditor::dropBringsOpenFileForwardAndReloads()
{
  PADWIN *pad = openCopyOfFixture();
  const QString path = pad->CFNAME();
  QVERIFY(TextReportFile::write(path, QStringLiteral("yeni rapor\n")));
  m_editor->dropFiles({path, QDir(m_data).filePath(QStringLiteral("YOK.TXT"))});
  QCOMPARE(m_editor->windows().size(), 1);
  QCOMPARE(pad->plainText(), QStringLiteral("yeni rapor\n"));
  QVERIFY(!pad->LCHANGE());
  QVERIFY(m_ui->shown.isEmpty());

  typeAtLine(pad, 0, QStringLiteral("benim "));
  QVERIFY(TextReportFile::write(path, QStringLiteral("üçüncü\n")));
  m_ui->yesNoAnswers << false;
  m_editor->dropFiles({path});
  QCOMPARE(pad->plainText(), QStringLiteral("benim yeni rapor\n"));
  // One Enter must not throw the edits away.
  QCOMPARE(m_ui->shown.size(), 1);
  QVERIFY(m_ui->shown.last().defaultNo);
  QVERIFY(pad->LCHANGE());
  m_ui->yesNoAnswers << true;
  m_editor->openCurrentReport(path);
  QCOMPARE(pad->plainText(), QStringLiteral("üçüncü\n"));
  QVERIFY(!pad->LCHANGE());
  QCOMPARE(m_editor->windows().size(), 1);
}

void TestReportEditor::exitAsksEveryChangedWindow()
{
  PADWIN *a = m_editor->newWindow();
  PADWIN *unchanged = m_editor->newWindow();
  PADWIN *c = m_editor->newWindow();
  Q_UNUSED(unchanged);
  typeAtLine(a, 0, QStringLiteral("a"));
  typeAtLine(c, 0, QStringLiteral("c"));
  m_ui->yesNoCancelAnswers << Answer::No << Answer::Cancel;
  QVERIFY(!m_editor->queryClose());
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")).size(), 2);
  QVERIFY(m_ui->texts(QStringLiteral("yesnocancel")).at(1).startsWith(QStringLiteral("Adsız3 Dosyasındaki")));
  m_ui->yesNoCancelAnswers << Answer::No << Answer::No;
  QVERIFY(m_editor->queryClose());
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")).size(), 4);
}


void TestReportEditor::marginsAlignmentAndClipboard()
{
  PADWIN *pad = openCopyOfFixture();
  pad->ODCRICHEDIT->setTextCursor(QTextCursor(pad->document()->findBlockByNumber(1)));
  m_dialogs->marginAnswers << ReportEditorDialogs::Margins{QStringLiteral("1"), QStringLiteral("6")};
  m_editor->runCommand("SETMARGINS");
  const QTextBlockFormat f = pad->document()->findBlockByNumber(1).blockFormat();
  QCOMPARE(qRound(f.leftMargin() * 15), 1440);
  QCOMPARE(qRound(f.rightMargin() * 15), 5760);
  QCOMPARE(pad->NLEFTMARGIN, 1440);
  QCOMPARE(pad->NRIGHTMARGIN, 8640);
  QVERIFY(pad->LCHANGE());
  m_editor->runCommand("SETMARGINS");  // cancelled
  QCOMPARE(pad->NLEFTMARGIN, 1440);

  m_editor->runCommand("YAZıM_DÜZENLE_ORTA");
  QCOMPARE(pad->document()->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
           Qt::AlignHCenter);
  m_editor->runCommand("YAZıM_DÜZENLE_SAĞ");
  QVERIFY(pad->document()->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignRight);

  // The same commands from the text control's context menu.
  pad->LCHANGE(false);
  QMenu *context = pad->ODCRICHEDIT->contextMenu();
  QVERIFY(context);
  auto action = [context](const QString &caption) -> QAction * {
    for (QAction *a : context->actions())
      if (a->text() == caption)
        return a;
    return nullptr;
  };
  QVERIFY(action(QStringLiteral("&Tümünü Seç")) && action(QStringLiteral("&Kes\tCtrl+X")));
  action(QStringLiteral("&Tümünü Seç"))->trigger();
  action(QStringLiteral("&Kes\tCtrl+X"))->trigger();
  QVERIFY(pad->plainText().isEmpty());
  QVERIFY(pad->LCHANGE());
  m_editor->runCommand("PASTE");
  QVERIFY(pad->plainText().contains(QStringLiteral("AKTİF MATRİS RAPORU")));
  m_ui->yesNoCancelAnswers << Answer::No;
  action(QStringLiteral("K&apat..."))->trigger();
  flushDeletes();
  QCOMPARE(m_editor->windows().size(), 0);
}

void TestReportEditor::pasteTakesOnlyWhatTheClipboardHolds_data()
{
  QTest::addColumn<QString>("route");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<bool>("pastes");
  const QStringList routes{QStringLiteral("Ctrl+V"), QStringLiteral("Shift+Insert"), QStringLiteral("menu"),
                           QStringLiteral("context menu"), QStringLiteral("middle button")};
  const QStringList states{QStringLiteral("cleared"), QStringLiteral("no data"), QStringLiteral("empty text"),
                           QStringLiteral("other data"), QStringLiteral("text")};
  for (const QString &route : routes) {
    for (const QString &state : states) {
      // Without a selection clipboard (as here) the middle button pastes nothing.
      const bool pastes = state == QLatin1String("text") && route != QLatin1String("middle button");
      QTest::newRow(qPrintable(route + QStringLiteral(", ") + state)) << route << state << pastes;
    }
  }
}

// The clipboard is empty right after a desktop session starts; pasting then
// must do nothing by any route, and paste as ever once it holds text.
void TestReportEditor::pasteTakesOnlyWhatTheClipboardHolds()
{
  QFETCH(QString, route);
  QFETCH(QString, clipboard);
  QFETCH(bool, pastes);
  PADWIN *pad = openCopyOfFixture();
  QVERIFY(pad);
  QClipboard *board = QApplication::clipboard();
  board->clear();
  if (clipboard == QLatin1String("no data")) {
    board->setMimeData(new QMimeData);
  } else if (clipboard == QLatin1String("empty text")) {
    board->setText(QString());
  } else if (clipboard == QLatin1String("other data")) {
    auto *data = new QMimeData;
    data->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02"));
    board->setMimeData(data);
  } else if (clipboard == QLatin1String("text")) {
    board->setText(QStringLiteral("EKLENEN"));
  }
  const QString before = pad->plainText();
  JQRICHEDIT *edit = pad->ODCRICHEDIT;
  edit->setFocus();
  edit->moveCursor(QTextCursor::Start);
  pad->LCHANGE(false);

  if (route == QLatin1String("Ctrl+V")) {
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  } else if (route == QLatin1String("Shift+Insert")) {
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  } else if (route == QLatin1String("menu")) {
    m_editor->runCommand("PASTE");  // what the menu item and its tool button send
  } else if (route == QLatin1String("context menu")) {
    QAction *paste = nullptr;
    for (QAction *a : edit->contextMenu()->actions())
      if (a->text().startsWith(QStringLiteral("&Yapıştır")))
        paste = a;
    QVERIFY(paste);
    paste->trigger();
  } else {
    QTest::mouseClick(edit->viewport(), Qt::MiddleButton, {}, QPoint(20, 20));
  }
  QCOMPARE(pad->plainText().startsWith(QStringLiteral("EKLENEN")), pastes);
  if (!pastes) {
    QCOMPARE(pad->plainText(), before);
    QVERIFY(!pad->LCHANGE());
  }
  pad->LCHANGE(false);
  board->clear();
}

void TestReportEditor::escapeClosesThroughTheCloseQuestion()
{
  PADWIN *pad = openCopyOfFixture();
  typeAtLine(pad, 0, QStringLiteral("x"));
  QTest::keyClick(pad->ODCRICHEDIT, Qt::Key_Escape);  // answered Cancel
  flushDeletes();
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")).size(), 1);
  QCOMPARE(m_editor->windows().size(), 1);
  m_ui->yesNoCancelAnswers << Answer::No;
  QTest::keyClick(pad->ODCRICHEDIT, Qt::Key_Escape);
  flushDeletes();
  QCOMPARE(m_editor->windows().size(), 0);
}

// A closed window lives on until its deferred deletion. A key that still
// reaches it must not ask again: the question's event loop would run that
// deletion under the window (a crash found by random input).
void TestReportEditor::agreedCloseIsNotAskedAgain()
{
  PADWIN *pad = openCopyOfFixture();
  QVERIFY(pad);
  QPointer<PADWIN> alive(pad);
  typeAtLine(pad, 0, QStringLiteral("x"));
  m_ui->yesNoCancelAnswers << Answer::No;
  QTest::keyClick(pad->ODCRICHEDIT, Qt::Key_Escape);
  QVERIFY(alive);
  QTest::keyClick(pad->ODCRICHEDIT, Qt::Key_Escape);
  pad->CLOSE();
  QCOMPARE(m_ui->texts(QStringLiteral("yesnocancel")).size(), 1);
  flushDeletes();
  QVERIFY(!alive);
  QCOMPARE(m_editor->windows().size(), 0);
}

void TestReportEditor::fontAndMenuCommandsReachTheirOwners()
{
  m_editor->reportPad();
  PADWIN *pad = m_editor->windows().first();
  pad->ODCRICHEDIT->insertPlainText(QStringLiteral("Kuru madde"));
  pad->LCHANGE(false);
  pad->ODCRICHEDIT->selectAll();
  m_editor->runCommand("SETFONT");  // cancelled: nothing changes
  QVERIFY(!pad->LCHANGE());
  QFont arial(QStringLiteral("Arial"), 14);
  arial.setBold(true);
  m_dialogs->fontAnswer = std::make_pair(arial, QColor(Qt::red));
  m_editor->runCommand("SETFONT");
  QTextCursor c(pad->document());
  c.setPosition(3);
  QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
  QVERIFY(c.charFormat().fontWeight() >= QFont::Bold);
  QCOMPARE(c.charFormat().foreground().color(), QColor(Qt::red));
  QVERIFY(pad->LCHANGE());

  QSignalSpy mainCommands(m_editor, &ReportEditor::mainWindowCommand);
  QSignalSpy help(m_editor, &ReportEditor::helpTopicRequested);
  m_editor->menu()->item(30268)->trigger();  // "&İndeks"
  m_editor->menu()->item(30264)->trigger();  // "&Diz..."
  m_editor->menu()->item(30269)->trigger();  // "İ&lgili Yardım"
  QCOMPARE(mainCommands.count(), 2);
  QCOMPARE(mainCommands.at(0).at(0).toByteArray(), QByteArray("HELPINDEX"));
  QCOMPARE(mainCommands.at(1).at(0).toByteArray(), QByteArray("WINDOWTILE"));
  QCOMPARE(help.count(), 1);
  QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("Rapor Editörü"));
  QCOMPARE(m_editor->menu()->item(30268)->shortcut(), QKeySequence(Qt::Key_F1));
  QCOMPARE(m_editor->menu()->item(30256)->statusTip(), QStringLiteral("Panoya kopyala ve sil"));
}

void TestReportEditor::rulerNumbersInches_data()
{
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("lastX");
  QTest::newRow("narrow") << 48 << 0 << 0;
  QTest::newRow("one number") << 49 << 1 << 96;
  QTest::newRow("1000 pixels") << 1000 << 10 << 960;
}

void TestReportEditor::rulerNumbersInches()
{
  QFETCH(int, width);
  QFETCH(int, count);
  QFETCH(int, lastX);
  const auto marks = PADWIN::rulerInchNumbers(width);
  QCOMPARE(marks.size(), count);
  if (count) {
    QCOMPARE(marks.last().first, lastX);
    QCOMPARE(marks.last().second, QString::number(count));
  }
}

void TestReportEditor::printsPagesHoldingTheReport()
{
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty())
    QSKIP("pdftotext (poppler-utils) is not installed");
  PADWIN *pad = openCopyOfFixture();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = QDir(m_dir->path()).filePath(QStringLiteral("rapor.pdf"));
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  pad->printTo(printer);
  QProcess p;
  p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(p.exitCode(), 0);
  const QString got = QString::fromUtf8(p.readAllStandardOutput());
  // One page per report page: form feeds start pages, the last ends none.
  const QStringList pages = got.split(QChar(0x0C), Qt::SkipEmptyParts);
  QCOMPARE(pages.size(), 3);
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  auto normal = [](QString s) { return s.replace(blanks, QStringLiteral(" ")).trimmed(); };
  QStringList printed;
  for (const QString &l : got.split(QLatin1Char('\n')))
    printed << normal(l);
  // Every row comes out whole on one line: the 100 columns were not wrapped.
  const QStringList lines = pad->plainText().split(QLatin1Char('\n'));
  int rows = 0;
  for (const QString &l : lines) {
    const QString want = normal(QString(l).remove(QChar(0x0C)));
    if (want.isEmpty())
      continue;
    QVERIFY2(printed.contains(want), qPrintable(want));
    ++rows;
  }
  QCOMPARE(rows, 3 * 56);
  for (int n = 1; n <= 3; ++n)
    QVERIFY(pages.at(n - 1).contains(QStringLiteral("Sayfa %1").arg(n)));
}

// The printer and the print dialogs come from the print module, loaded on
// the first print: without it the user is told why and nothing else happens.
void TestReportEditor::printingGoesThroughPrintModule_data()
{
  QTest::addColumn<QString>("file");  // in the scratch folder unless absolute
  QTest::addColumn<bool>("loads");
  QTest::newRow("the build's module") << QStringLiteral(VZ_PRINT_MODULE_FILE) << true;
  QTest::newRow("missing") << QStringLiteral("vz_print.so") << false;
  QTest::newRow("a library without the entry point")
      << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6") << false;
}

void TestReportEditor::printingGoesThroughPrintModule()
{
  QFETCH(QString, file);
  QFETCH(bool, loads);
  const QString path = QFileInfo(file).isAbsolute() ? file : m_dir->filePath(file);
  setPrintModulePath(path);
  QCOMPARE(printModulePath(), path);
  PADWIN *pad = openCopyOfFixture();
  QVERIFY(pad);
  // Opening a report asks the print system nothing.
  QVERIFY(m_dialogs->printsAsked.isEmpty());
  m_editor->runCommand("FILEPRINT");
  m_editor->runCommand("FILEPRINTERSETUP");
  m_editor->runCommand("FILEPRINT");
  const QStringList errors = m_ui->texts(QStringLiteral("error"));
  if (loads) {
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    // One printer, shared by every print and the set-up.
    QCOMPARE(m_dialogs->printsAsked.size(), 2);
    QVERIFY(m_dialogs->printsAsked.at(0));
    QCOMPARE(m_dialogs->printsAsked.at(1), m_dialogs->printsAsked.at(0));
    QCOMPARE(m_dialogs->setUpsAsked, QList<QPrinter *>{m_dialogs->printsAsked.at(0)});
  } else {
    QVERIFY(m_dialogs->printsAsked.isEmpty());
    QVERIFY(m_dialogs->setUpsAsked.isEmpty());
    QCOMPARE(errors.size(), 3);
    for (const QString &error : errors)
      QVERIFY2(error.startsWith(QStringLiteral("Yazdırma modülü açılamadı")), qPrintable(error));
    // The window goes on as it was.
    QVERIFY(!pad->LCHANGE());
    QCOMPARE(m_editor->windows().size(), 1);
  }
  setPrintModulePath(QStringLiteral(VZ_PRINT_MODULE_FILE));
}

// The program looks for the module in its own folder: the build puts it there.
void TestReportEditor::printModuleBesideProgram()
{
  const QFileInfo module(QStringLiteral(VZ_PRINT_MODULE_FILE));
  const QFileInfo program(QStringLiteral(VZ_PROGRAM_FILE));
  QVERIFY(module.exists());
  QCOMPARE(module.absolutePath(), program.absolutePath());
  setPrintModulePath(QString());
  QCOMPARE(QFileInfo(printModulePath()).fileName(), module.fileName());
  setPrintModulePath(QStringLiteral(VZ_PRINT_MODULE_FILE));
}

QTEST_MAIN(TestReportEditor)
#include "tst_reporteditor.moc"
