// The manual ration window on screen (offscreen): typing, computing, the
// automatic computation, the report command and the copy-back on closing.
#include "manualfixture.h"
#include "gridtesting.h"

#include "editing/ui/entrywindow.h"
#include "editing/ui/entrywindows.h"
#include "editing/ui/kw_manwin.h"
#include "editing/ui/manualrationmodel.h"
#include "editing/ui/mmat_browser.h"
#include "editing/ui/mres_browser.h"
#include "problem/problemfile.h"
#include "scriptedinteraction.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

struct Shell : WorkspaceShell {
  Shell() : WorkspaceShell(QSize(1000, 700)) {}
};

QString lowerCell(KW_MANWIN *w, int row, int col)
{
  return w->lowerGrid()->model()->index(row - 1, col - 1).data().toString();
}

QString loadExample(const QTemporaryDir &dir, ProblemFile &file, RationProblem &problem)
{
  const QString source = qEnvironmentVariable("VZ_SOURCE_DIR") + QStringLiteral("/examples/ORNEK_SUT_INEGI.RVD");
  const QString path = dir.filePath(QStringLiteral("ORNEK_SUT_INEGI.RVD"));
  if (!QFile::copy(source, path))
    return QString();
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  if (!file.open(path))
    return QString();
  file.AKTPRODIZOLUSTUR(problem);
  return path;
}

} // namespace

class TestKwManWin : public QObject {
  Q_OBJECT
private slots:
  void exampleAmountsTypedComputedSavedReloaded();
  void automaticComputation();
  void nameColumnNeverFocusedAndFrozenColumns();
  void trialValuesDroppedOnClosing();
  void reportCommand();
  void oneWindowAndNoFeedWindowBeside();
  void menuKeysAndAbout();
  void gridCommandsAndCopyFromEitherGrid();
};

void TestKwManWin::exampleAmountsTypedComputedSavedReloaded()
{
  QTemporaryDir dir;
  ProblemFile file;
  RationProblem problem;
  const QString path = loadExample(dir, file, problem);
  QVERIFY(!path.isEmpty());
  QVERIFY(KW_MANWIN::isOffered(problem));
  const int feeds = int(problem.feeds.size());
  QVERIFY(feeds >= 2);
  problem.changed.clear();

  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  QAbstractItemModelTester upperTester(w->upperGrid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
  QAbstractItemModelTester lowerTester(w->lowerGrid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
  QCOMPARE(w->upperGrid()->model()->rowCount(), feeds);
  QCOMPARE(w->upperGrid()->currentIndex().column(), 1);  // the amounts
  QCOMPARE(KW_MANWIN::FINDKMONUM(w->upperGrid()->model()), 4);
  QVERIFY(!w->upperGrid()->accessibleName().isEmpty());
  QVERIFY(!w->lowerGrid()->accessibleName().isEmpty());

  typeInto(w->upperGrid(), 0, 1, QStringLiteral("6,5"));
  typeInto(w->upperGrid(), 1, 1, QStringLiteral("12"));
  QCOMPARE(w->upperGrid()->model()->index(0, 1).data().toString(), num("6.500"));
  QCOMPARE(lowerCell(w, 1, 2), QStringLiteral("    -->    "));  // automatic computation is off

  w->action(12542)->trigger();  // "&Hesapla"
  QCOMPARE(lowerCell(w, 1, 2), num("18.5000"));
  // The dry matter fed is the amount times the feedstuff's KMO.
  const double kmo = rt::Val(w->upperGrid()->model()->index(0, 3).data().toString());
  QCOMPARE(w->upperGrid()->model()->index(0, 4).data().toString(), rt::PadL(rt::Str(kmo / 100 * 6.5, 11, 4), 11));

  QVERIFY(KW_MANWIN::closeIn(shell.area));
  QVERIFY(!KW_MANWIN::find(shell.area));
  QVERIFY(problem.changed.feedAmounts);
  QCOMPARE(problem.feedAmounts.size(), feeds);
  QCOMPARE(problem.feedAmounts.at(0), num("6.500"));
  QCOMPARE(problem.feedAmounts.at(1), num("12.000"));

  QVERIFY2(file.PROBDBFUPDATE(problem), qPrintable(file.errorString()));
  QVERIFY(!problem.changed.any());
  file.close();
  ProblemFile again;
  QVERIFY(again.open(path));
  RationProblem reloaded;
  again.AKTPRODIZOLUSTUR(reloaded);
  QCOMPARE(reloaded.feedAmounts.mid(0, 2), (QStringList{num("6.500"), num("12.000")}));
}

void TestKwManWin::automaticComputation()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  QAction *automatic = w->action(KW_MANWIN::AutoComputeId);
  QVERIFY(automatic->isCheckable());
  QVERIFY(!automatic->isChecked());
  QVERIFY(!w->ISOTO_OPEN());

  automatic->trigger();  // chosen from the menu
  QVERIFY(w->ISOTO_OPEN());
  typeInto(w->upperGrid(), 0, 1, QStringLiteral("10"));
  QCOMPARE(lowerCell(w, 1, 2), num("10.0000"));
  QCOMPARE(lowerCell(w, 1, 5), num("8.5000"));

  // Esc discards the edit and computes nothing.
  typeInto(w->upperGrid(), 1, 1, QStringLiteral("5"), Qt::Key_Escape);
  QCOMPARE(w->upperGrid()->model()->index(1, 1).data().toString(), blank11());
  QCOMPARE(lowerCell(w, 1, 2), num("10.0000"));

  w->OHESAP_AC_KAPA();
  QVERIFY(!automatic->isChecked());
  typeInto(w->upperGrid(), 1, 1, QStringLiteral("5"));
  QCOMPARE(lowerCell(w, 1, 2), num("10.0000"));
  // "&Hesapla" leaves the selected cells where they were and the focus in
  // the upper grid.
  w->upperGrid()->setCurrentIndex(w->upperGrid()->model()->index(2, 3));
  w->lowerGrid()->setCurrentIndex(w->lowerGrid()->model()->index(1, 5));
  w->lowerGrid()->setFocus();
  w->MAN_HESAP();
  QCOMPARE(lowerCell(w, 1, 2), num("15.0000"));
  QCOMPARE(w->upperGrid()->currentIndex(), w->upperGrid()->model()->index(2, 3));
  QCOMPARE(w->lowerGrid()->currentIndex(), w->lowerGrid()->model()->index(1, 5));
  QVERIFY(w->upperGrid()->hasFocus());
}

void TestKwManWin::nameColumnNeverFocusedAndFrozenColumns()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  MMAT_BROWSER *grid = w->upperGrid();
  grid->setCurrentIndex(grid->model()->index(2, 0));
  QCOMPARE(grid->currentIndex(), grid->model()->index(2, 1));
  QVERIFY(!(grid->model()->flags(grid->model()->index(0, 4)) & Qt::ItemIsEditable));
  QVERIFY(!(w->lowerGrid()->model()->flags(w->lowerGrid()->model()->index(0, 1)) & Qt::ItemIsEditable));

  w->action(12547)->trigger();  // "Kolon &Dondur"
  QVERIFY(grid->isColumnFrozen());
  QVERIFY(w->lowerGrid()->isColumnFrozen());
  w->PBSPLIT();
  QVERIFY(!grid->isColumnFrozen());
  QVERIFY(!w->lowerGrid()->isColumnFrozen());
  // Closed while frozen: the copy-back runs and nothing is left behind.
  w->PBSPLIT();
  typeInto(grid, 0, 1, QStringLiteral("1"));
  QVERIFY(KW_MANWIN::closeIn(shell.area));
  QCOMPARE(problem.feedAmounts.first(), num("1.000"));
}

void TestKwManWin::trialValuesDroppedOnClosing()
{
  RationProblem problem = manualProblem();
  const RationProblem before = problem;
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  typeInto(w->upperGrid(), 0, 2, QStringLiteral("9"));   // price
  typeInto(w->upperGrid(), 0, 5, QStringLiteral("7"));   // a nutrient value
  QVERIFY(KW_MANWIN::closeIn(shell.area));
  QCOMPARE(problem.feeds, before.feeds);
  QCOMPARE(problem.matrix, before.matrix);
  // Closing without a computation or an amount still hands the list back.
  QCOMPARE(problem.feedAmounts, QStringList(3, blank11()));

  // Opened and closed untouched: the amount list exists, no flag is raised.
  RationProblem untouched = manualProblem();
  QVERIFY(KW_MANWIN::open(shell.area, untouched, &ui));
  QVERIFY(KW_MANWIN::closeIn(shell.area));
  QCOMPARE(untouched.feedAmounts, QStringList(3, blank11()));
  QVERIFY(!untouched.changed.feedAmounts);
}

void TestKwManWin::reportCommand()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  QTemporaryDir dir;
  QString current;
  w->setReportContext({[&dir] { return dir.filePath(QStringLiteral("A.RVD")); },
                       [&current](const QString &f) { current = f; }, {}});
  typeInto(w->upperGrid(), 0, 1, QStringLiteral("10"));
  w->upperGrid()->setCurrentIndex(w->upperGrid()->model()->index(2, 3));

  ui.reportParameterAnswers.enqueue(std::nullopt);
  QVERIFY(!w->MAN_RAPORAL());
  QVERIFY(current.isEmpty());
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("A.TXT"))));

  ui.reportParameterAnswers.enqueue(ReportParameters{QStringLiteral("20.000"), QStringLiteral("TL"), QStringLiteral("Kg")});
  w->action(12545)->trigger();  // "&Rapor Al"
  QCOMPARE(current, dir.filePath(QStringLiteral("A.TXT")));
  QVERIFY(QFile::exists(current));
  QCOMPARE(w->ration().parameters().animalCount, num("20.000"));
  // The report computed first and left the selected cell where it was.
  QCOMPARE(lowerCell(w, 1, 3), num("5.0000"));
  QCOMPARE(w->upperGrid()->currentIndex(), w->upperGrid()->model()->index(2, 3));

  // A later cancel keeps the parameters last accepted.
  ui.reportParameterAnswers.enqueue(std::nullopt);
  QVERIFY(!w->MAN_RAPORAL());
  QCOMPARE(w->ration().parameters().animalCount, num("20.000"));
}

void TestKwManWin::oneWindowAndNoFeedWindowBeside()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  EntryWindow *feeds = EntryWindows::open(EntryKind::Feeds, shell.area, problem, &ui, [] {});
  QVERIFY(feeds);
  // A fourth feedstuff typed in the feedstuff window.
  feeds->APPEND();
  typeInto(feeds->browser(), 3, 0, QStringLiteral("Küspe"));

  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  QVERIFY(!EntryWindows::find(shell.area, EntryKind::Feeds));
  QCOMPARE(problem.feeds.size(), 4);
  QCOMPARE(w->upperGrid()->model()->rowCount(), 4);
  QCOMPARE(KW_MANWIN::open(shell.area, problem, &ui), w);  // the same window
  int open = 0;
  for (QMdiSubWindow *s : shell.area->subWindowList())
    open += qobject_cast<KW_MANWIN *>(s->widget()) ? 1 : 0;
  QCOMPARE(open, 1);
  typeInto(w->upperGrid(), 3, 1, QStringLiteral("2"));
  QVERIFY(KW_MANWIN::closeIn(shell.area));
  QCOMPARE(problem.feedAmounts, (QStringList{blank11(), blank11(), blank11(), num("2.000")}));

  // A matrix window opened beside it closes it first, with the copy-back.
  w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  typeInto(w->upperGrid(), 0, 1, QStringLiteral("3"));
  problem.changed.clear();
  QVERIFY(EntryWindows::open(EntryKind::Matrix, shell.area, problem, &ui, [] {}));
  QCoreApplication::processEvents();
  QVERIFY(!KW_MANWIN::find(shell.area));
  QVERIFY(problem.changed.feedAmounts);
  QCOMPARE(problem.feedAmounts.first(), num("3.000"));
  QVERIFY(EntryWindows::closeAll(shell.area));

  // A matrix smaller than 2 x 2 offers no manual ration.
  RationProblem small = manualProblem();
  small.matrix = {{num("1.0000"), num("1.0000"), num("1.0000")}};
  QVERIFY(!KW_MANWIN::isOffered(small));
  QVERIFY(!KW_MANWIN::open(shell.area, small, &ui));
}

void TestKwManWin::menuKeysAndAbout()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  QCOMPARE(w->windowTitle(), QStringLiteral("Manuel Hesap Penceresi"));
  QCOMPARE(w->action(12535)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Home));
  QCOMPARE(w->action(12549)->shortcut(), QKeySequence(Qt::Key_F1));
  QCOMPARE(w->action(12545)->text(), QStringLiteral("&Rapor Al"));
  QCOMPARE(w->action(12526)->property("vzEvent").toByteArray(), QByteArrayLiteral("WINDOWCASCADE"));
  QVERIFY(!w->action(12526)->property("vzRouted").toBool());  // the main window's
  QVERIFY(w->action(12553)->property("vzRouted").toBool());
  w->action(12553)->trigger();
  QCOMPARE(ui.events.count(QStringLiteral("about")), 1);

  w->GOBOTTOM();
  QCOMPARE(w->upperGrid()->currentIndex().row(), 2);
  w->upperGrid()->setFocus();
  QTest::keyClick(w->upperGrid(), Qt::Key_Home, Qt::ControlModifier);
  QCOMPARE(w->upperGrid()->currentIndex().row(), 0);
}

void TestKwManWin::gridCommandsAndCopyFromEitherGrid()
{
  RationProblem problem = manualProblem();
  Shell shell;
  ScriptedInteraction ui;
  KW_MANWIN *w = KW_MANWIN::open(shell.area, problem, &ui);
  QVERIFY(w);
  const int amountCol = ManualRation::ColAmount - 1;
  // The row moves keep the cursor in the amount column.
  w->upperGrid()->setCurrentIndex(w->upperGrid()->model()->index(0, amountCol + 1));
  w->SKIPNEXT();
  QCOMPARE(w->upperGrid()->currentIndex().row(), 1);
  w->SKIPNEXT();
  w->SKIPNEXT();  // stays on the last row
  QCOMPARE(w->upperGrid()->currentIndex().row(), 2);
  w->SKIPPREVIOUS();
  QCOMPARE(w->upperGrid()->currentIndex().row(), 1);
  w->GOTOP();
  QCOMPARE(w->upperGrid()->currentIndex().row(), 0);
  w->SKIPPREVIOUS();  // stays on the first row
  QCOMPARE(w->upperGrid()->currentIndex().row(), 0);

  // COPY takes the upper grid's cell, or the lower grid's while it has the focus.
  typeInto(w->upperGrid(), 0, amountCol, QStringLiteral("2.5"));
  w->upperGrid()->setFocus();
  QTRY_VERIFY(w->upperGrid()->hasFocus());
  w->upperGrid()->setCurrentIndex(w->upperGrid()->model()->index(0, amountCol));
  const QString upperText = w->upperGrid()->currentIndex().data().toString();
  QVERIFY(!upperText.trimmed().isEmpty());
  QApplication::clipboard()->clear();
  w->COPY();
  QCOMPARE(QApplication::clipboard()->text(), upperText);
  const QModelIndex lowerAt = w->lowerGrid()->model()->index(0, 1);
  w->lowerGrid()->setCurrentIndex(lowerAt);
  w->lowerGrid()->setFocus();
  QTRY_VERIFY(w->lowerGrid()->hasFocus());
  const QString lowerText = lowerAt.data().toString();
  QVERIFY(lowerText != upperText);
  w->COPY();
  QCOMPARE(QApplication::clipboard()->text(), lowerText);
}

QTEST_MAIN(TestKwManWin)
#include "tst_kw_manwin.moc"
