#include <QAbstractItemView>
#include "shellfixture.h"
#include "scriptedinteraction.h"
#include "shell/helptopics.h"
#include "shell/menuenabling.h"
#include "shell/menuids.h"
#include "shell/ui/emptyshellmenu.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/shellapp.h"
#include "shell/ui/qtfilecommanddialogs.h"
#include "platform/singlecopy.h"
#include "shell/ui/standardshellwindow.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

// A child window with a menu of its own, like the editing windows: one item
// it carries itself (KWHAKKINDA) and two it leaves to the main window.
class MenuChild : public QMainWindow {
  Q_OBJECT
public:
  int aboutRuns = 0;
  bool copyBackOnClose = false;
  MenuChild()
  {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Pencere"));
    for (const char *event : {"KWHAKKINDA", "HELPINDEX", "WINDOWCASCADE"}) {
      QAction *a = menu->addAction(QString::fromLatin1(event));
      a->setProperty("vzEvent", QByteArray(event));
    }
  }
public slots:
  void KWHAKKINDA() { ++aboutRuns; }
protected:
  void closeEvent(QCloseEvent *e) override
  {
    // The editing windows hand their copy back when they close.
    if (copyBackOnClose)
      AppSession::instance().problem().changed.feedNames = true;
    e->accept();
  }
};

QStringList menuTitles(QMenuBar *bar)
{
  QStringList titles;
  for (QAction *a : bar->actions())
    titles.append(a->text());
  return titles;
}

} // namespace

class TstShellWindow : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  ScriptedInteraction *m_ui = nullptr;
  ScriptedFileDialogs *m_dialogs = nullptr;
  STANDARDSHELLWINDOW *m_window = nullptr;

  QString example() const { return m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.RVD"); }
  AppSession &session() { return AppSession::instance(); }
  bool enabled(int id) const { return m_window->mainMenu()->item(id)->isEnabled(); }

  void makeWindow(const StartupSettings &settings = StartupSettings())
  {
    delete m_window;
    m_window = new STANDARDSHELLWINDOW(*m_ui, *m_dialogs, settings);
    m_window->resize(900, 640);
  }

private slots:
  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    QFile::remove(example());
    QVERIFY(QFile::copy(qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD"), example()));
    QFile::setPermissions(example(), QFile::permissions(example()) | QFileDevice::WriteOwner);
    closeSessionProblem();
    session().setProgramDir(m_dir.path());
    m_ui = new ScriptedInteraction;
    m_dialogs = new ScriptedFileDialogs;
    makeWindow();
  }

  void cleanup()
  {
    // Leave without the exit questions.
    closeSessionProblem();
    delete m_window;
    m_window = nullptr;
    delete m_dialogs;
    delete m_ui;
  }

  void startsWithProblemItemsOff()
  {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vesk_Zyr 2.0 - Optimal & Manuel Sığır Rasyonu Hazırlama Programı"));
    QCOMPARE(menuTitles(m_window->menuBar()),
             (QStringList{QStringLiteral("&Dosya"), QStringLiteral("Veri &Giriş"), QStringLiteral("&Çözüm"),
                          QStringLiteral("&Sonuç"), QStringLiteral("Referans &Matris"), QStringLiteral("&Yardım")}));
    for (int id : MenuEnabling::problemItems())
      QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
    using namespace menuid;
    for (int id : {Yeni, Ac, Cikis, EditordeGozlem, YmFiyatlari, ReferansMatrisRaporu, RmMatrisYazimi, Indeks, Hakkinda})
      QVERIFY2(enabled(id), qPrintable(QString::number(id)));
    QVERIFY(!m_window->clock()->text().isEmpty());
  }

  void startupOptionMarks_data()
  {
    QTest::addColumn<bool>("logOn");
    QTest::addColumn<bool>("tip");
    QTest::addColumn<bool>("splash");
    QTest::newRow("all off") << false << false << false;
    QTest::newRow("splash only") << false << false << true;
    QTest::newRow("log-on and tip") << true << true << false;
  }

  void startupOptionMarks()
  {
    QFETCH(bool, logOn);
    QFETCH(bool, tip);
    QFETCH(bool, splash);
    StartupSettings s;
    s.programDir = m_dir.path();
    s.logOnAtStart = logOn;
    s.tipAtStart = tip;
    s.splashAtStart = splash;
    makeWindow(s);
    EMPTYSHELLMENU *menu = m_window->mainMenu();
    using namespace menuid;
    QCOMPARE(menu->isChecked(TuyoGoster), tip);
    QCOMPARE(menu->isChecked(LogoGoster), splash);
    QCOMPARE(menu->isChecked(AdVeParolaSor), logOn);
    QCOMPARE(enabled(YeniKullaniciEkle), logOn);
    QCOMPARE(enabled(AdVeParolaDegistir), logOn);
    QVERIFY(menu->isChecked(12345));  // an id the menu does not hold reads as checked
  }

  void openedFileShowsInCaptionAndMenu()
  {
    QVERIFY(m_window->DOOPENFILE(example()));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vesk_Zyr 2.0 - ") + example());
    const QMap<int, bool> expected = MenuEnabling::compute(session().problem(), true);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
      QCOMPARE(enabled(it.key()), it.value());
    QVERIFY(enabled(menuid::Optimal));

    m_window->routeEvent("FILECLOSE");
    QVERIFY(!session().isProblemOpen());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vesk_Zyr 2.0 - Optimal & Manuel Sığır Rasyonu Hazırlama Programı"));
    for (int id : MenuEnabling::problemItems())
      QVERIFY(!enabled(id));
  }

  void commandLineFile_data()
  {
    QTest::addColumn<QString>("file");     // relative to the program directory
    QTest::addColumn<bool>("opened");
    QTest::newRow("quoted problem file") << QStringLiteral("Data/ORNEK_SUT_INEGI.RVD") << true;
    QTest::newRow("not a problem file") << QStringLiteral("Data/ORNEK.TXT") << false;
  }

  void commandLineFile()
  {
    QFETCH(QString, file);
    QFETCH(bool, opened);
    clearSettings();
    writeSetting(QStringLiteral("VKpath"), m_dir.path());
    writeSetting(QStringLiteral("VKlogo"), QStringLiteral("1"));
    const QString path = m_dir.path() + QLatin1Char('/') + file;
    SingleCopyLock lock;
    const ShellStartup::Outcome outcome = ShellStartup::prepare(
        *m_ui, lock, {QStringLiteral("vesk_zyr"), QLatin1Char('"') + path + QLatin1Char('"')});
    QCOMPARE(outcome.status, ShellStartup::Status::Run);
    STANDARDSHELLWINDOW *adopted = nullptr;
    const auto window = ShellApp::buildMainWindow(outcome, *m_ui, *m_dialogs,
                                                  [&](STANDARDSHELLWINDOW *w) { adopted = w; });
    QCOMPARE(adopted, window.get());
    QVERIFY(!window->isVisible());
    QCOMPARE(session().isProblemOpen(), opened);
    QCOMPARE(window->windowTitle(), opened ? QStringLiteral("Vesk_Zyr 2.0 - ") + path
                                           : QStringLiteral("Vesk_Zyr 2.0 - Optimal & Manuel Sığır Rasyonu Hazırlama Programı"));
    QCOMPARE(m_ui->texts(QStringLiteral("error")),
             opened ? QStringList() : QStringList{path + QStringLiteral(" dosyası bir Vesk_Zyr 2.0 veri dosyası değil...")});
    QVERIFY(window->mainMenu()->isChecked(menuid::LogoGoster));
    QCOMPARE(window->mainMenu()->item(menuid::Optimal)->isEnabled(), opened);
  }

  void ctrlYIsNewFile()
  {
    QVERIFY(m_window->DOOPENFILE(example()));
    QVERIFY(enabled(menuid::YemMaddesi));
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_ui->texts(QStringLiteral("newname")).size(), 1);
  }

  void optimalOnExample()
  {
    m_window->show();
    QVERIFY(m_window->DOOPENFILE(example()));
    const QString shots = qEnvironmentVariable("VZ_SCREENSHOT_DIR");
    if (!shots.isEmpty())
      m_window->grab().save(shots + QStringLiteral("/shell-main.png"));
    const QString report = m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.TXT");
    QFile::remove(report);
    m_window->routeEvent("KW_OPT_COZUM");
    QVERIFY(QFileInfo::exists(report));
    QCOMPARE(session().currentReportFile(), report);
    QCOMPARE(m_ui->events.value(0), QStringLiteral("pleasewait+"));
    QCOMPARE(m_ui->pleaseWaitOpen, 0);
    QCOMPARE(m_ui->texts(QStringLiteral("error")), QStringList());

    // "&Editörde Gözlem" opens it in a report window.
    m_window->routeEvent("REPORTPAD");
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);

    if (!shots.isEmpty())
      m_window->grab().save(shots + QStringLiteral("/shell-report.png"));
  }

  void activeMatrixReportTakesEditsStillInAWindow()
  {
    m_window->show();
    QVERIFY(m_window->DOOPENFILE(example()));
    // A nutrient renamed in its window but not copied back yet must reach the report.
    m_window->routeEvent("BM_GIRIS");
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    auto *view = m_window->mdiArea()->subWindowList().first()->findChild<QAbstractItemView *>();
    QVERIFY(view);
    QAbstractItemModel *model = view->model();
    int nameRow = -1;
    for (int r = 0; r < model->rowCount() && nameRow < 0; ++r)
      if (model->data(model->index(r, 0)).toString().trimmed() == QStringLiteral("NDF"))
        nameRow = r;
    QVERIFY(nameRow >= 0);
    QVERIFY(model->setData(model->index(nameRow, 0), QStringLiteral("LIF"), Qt::EditRole));

    const QString report = m_dir.path() + QStringLiteral("/Data/ORNEK_SUT_INEGI.TXT");
    QFile::remove(report);
    m_window->routeEvent("AMATREPORT");
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 0);
    QVERIFY(QFileInfo::exists(report));
    QCOMPARE(session().currentReportFile(), report);
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("LIF"));
    QVERIFY(!text.contains("NDF "));
    QCOMPARE(m_ui->pleaseWaitOpen, 0);
  }

  void childMenuAndRouting()
  {
    m_window->show();
    auto *child = new MenuChild;
    m_window->showChildWindow(child);
    m_window->mdiArea()->setActiveSubWindow(m_window->mdiArea()->subWindowList().constFirst());
    QCOMPARE(menuTitles(m_window->menuBar()), QStringList{QStringLiteral("&Pencere")});
    QCOMPARE(m_window->mdiArea()->subWindowList().constFirst()->pos(), QPoint(0, 0));

    // The child carries its own about box; help falls through to the main window.
    m_window->routeEvent("KWHAKKINDA");
    QCOMPARE(child->aboutRuns, 1);
    QVERIFY(!m_ui->events.contains(QStringLiteral("about")));
    QAction *help = child->menuBar()->actions().constFirst()->menu()->actions().at(1);
    help->trigger();
    QVERIFY(m_window->helpDisplay()->isVisible());
    QCOMPARE(m_window->helpDisplay()->browser()->documentTitle(), QStringLiteral("Yardım İndeksi"));

    // Closing the child brings the main menu back.
    QVERIFY(m_window->closeProblemWindows());
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QCOMPARE(menuTitles(m_window->menuBar()).value(0), QStringLiteral("&Dosya"));
    m_window->routeEvent("KWHAKKINDA");
    QVERIFY(m_ui->events.contains(QStringLiteral("about")));
  }

  void entryWindowShowsItsMenu()
  {
    m_window->show();
    QVERIFY(m_window->DOOPENFILE(example()));
    m_window->routeEvent("YM_GIRIS");
    const QList<QMdiSubWindow *> subs = m_window->mdiArea()->subWindowList();
    QCOMPARE(subs.size(), 1);
    auto *entry = qobject_cast<QMainWindow *>(subs.constFirst()->widget());
    QVERIFY(entry);
    QCOMPARE(subs.constFirst()->pos(), QPoint(0, 0));
    QCOMPARE(menuTitles(m_window->menuBar()), menuTitles(qobject_cast<QMenuBar *>(entry->menuWidget())));
    const QString shots = qEnvironmentVariable("VZ_SCREENSHOT_DIR");
    if (!shots.isEmpty())
      m_window->grab().save(shots + QStringLiteral("/shell-entry.png"));

    // Closing the problem closes the window first, then the main menu is back.
    m_ui->yesNoAnswers.enqueue(false);
    m_window->routeEvent("FILECLOSE");
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!session().isProblemOpen());
    QCOMPARE(menuTitles(m_window->menuBar()).value(0), QStringLiteral("&Dosya"));
  }

  void manualRationClosesEntryWindows()
  {
    m_window->show();
    QVERIFY(m_window->DOOPENFILE(example()));
    m_window->routeEvent("BM_GIRIS");
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    m_window->routeEvent("KW_MANUEL_COZUM");
    const QList<QMdiSubWindow *> subs = m_window->mdiArea()->subWindowList();
    QCOMPARE(subs.size(), 1);
    QCOMPARE(subs.constFirst()->widget()->metaObject()->className(), "vz::KW_MANWIN");
    auto *manual = qobject_cast<QMainWindow *>(subs.constFirst()->widget());
    QCOMPARE(menuTitles(m_window->menuBar()), menuTitles(qobject_cast<QMenuBar *>(manual->menuWidget())));
  }

  void fileCommandsCloseEditingWindowsFirst()
  {
    QVERIFY(m_window->DOOPENFILE(example()));
    auto *child = new MenuChild;
    child->copyBackOnClose = true;
    m_window->showChildWindow(child);
    m_ui->yesNoAnswers.enqueue(false);
    m_window->routeEvent("FILECLOSE");
    // The window handed its copy back before the question, so it was asked.
    QCOMPARE(m_ui->texts(QStringLiteral("yesno")).size(), 1);
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!session().isProblemOpen());
  }

  void exitQuestions()
  {
    QVERIFY(m_window->DOOPENFILE(example()));
    // No to the exit question: nothing changes.
    m_ui->yesNoAnswers.enqueue(false);
    QVERIFY(!m_window->QUERYCLOSE());
    QVERIFY(session().isProblemOpen());
    QCOMPARE(m_ui->shown.constFirst().caption, QStringLiteral("Çıkış"));

    // A save that fails keeps the program and its problem.
    fillProblem(session().problem(), ProblemFile::MaxFeeds + 1, 2);
    m_ui->yesNoAnswers.enqueue(true);
    m_ui->yesNoAnswers.enqueue(true);
    QVERIFY(!m_window->QUERYCLOSE());
    QVERIFY(session().isProblemOpen());
    QCOMPARE(m_ui->texts(QStringLiteral("error")).size(), 1);

    // Yes, then No to saving: the program may end, the problem is closed.
    m_ui->yesNoAnswers.enqueue(true);
    m_ui->yesNoAnswers.enqueue(false);
    QVERIFY(m_window->QUERYCLOSE());
    QVERIFY(!session().isProblemOpen());
  }

  void helpTopics_data()
  {
    QTest::addColumn<QString>("topic");
    for (const QString &t : HelpTopics::topics())
      QTest::newRow(qPrintable(t)) << t;
  }

  void helpTopics()
  {
    QFETCH(QString, topic);
    QFile page(HelpTopics::pagePath(topic));
    QVERIFY2(page.exists(), qPrintable(page.fileName()));
    m_window->showHelpTopic(topic);
    QVERIFY(!m_window->helpDisplay()->browser()->documentTitle().isEmpty());
    QVERIFY(m_window->helpDisplay()->browser()->toPlainText().size() > 100);
  }

  void helpOnHelpThenIndex()
  {
    m_window->routeEvent("HELPUSINGHELP");
    HelpWindow *help = m_window->helpDisplay();
    QCOMPARE(help->browser()->documentTitle(), QStringLiteral("Yardım Kullanımı"));
    m_window->routeEvent("HELPINDEX");
    // The one help window, made on first use, keeps its pages' history.
    QCOMPARE(m_window->helpDisplay(), help);
    QCOMPARE(help->browser()->documentTitle(), QStringLiteral("Yardım İndeksi"));
    QVERIFY(help->backButton()->isEnabled());
  }

  void problemFileFilter_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("upper") << QStringLiteral("B.RVD") << true;
    QTest::newRow("lower") << QStringLiteral("a.rvd") << true;
    QTest::newRow("mixed") << QStringLiteral("c.rVd") << true;
    QTest::newRow("report") << QStringLiteral("c.TXT") << false;
    QTest::newRow("longer extension") << QStringLiteral("c.RVDX") << false;
  }

  void problemFileFilter()
  {
    QFETCH(QString, name);
    QFETCH(bool, listed);
    const QString filter = QtFileCommandDialogs::anyCaseFilter(QStringLiteral("Vesk_Zyr Veri Dosyası(*.RVD)"),
                                                               QStringLiteral("rvd"));
    QFileDialog dialog(nullptr, QStringLiteral("Aç..."), m_dir.path());
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(filter);
    // The user sees the description as written; the patterns take any case.
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->itemText(0), QStringLiteral("Vesk_Zyr Veri Dosyası(*.RVD)"));
    const QStringList patterns =
        filter.mid(filter.lastIndexOf(QLatin1Char('(')) + 1).chopped(1).split(QLatin1Char(' '));
    // File names on this system are case-sensitive, so is the match.
    bool matched = false;
    for (const QString &pattern : patterns)
      matched = matched || QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch();
    QCOMPARE(matched, listed);
  }

  void droppedFilesOpenAsReports()
  {
    const QString text = m_dir.path() + QStringLiteral("/Data/NOT.TXT");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Rapor\r\n");
    f.close();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(m_dir.path() + QStringLiteral("/YOK.TXT"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &drop);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
  }
};

QTEST_MAIN(TstShellWindow)
#include "tst_shellwindow.moc"
