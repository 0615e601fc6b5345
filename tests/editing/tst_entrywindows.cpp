#include "editing/ui/amat_giriswin.h"
#include "editing/ui/entrytablemodel.h"
#include "editing/ui/entrywindows.h"
#include "editing/ui/oabs_browser.h"
#include "controls/jqtoolbar.h"
#include "editingfixture.h"
#include "gridtesting.h"
#include "scriptedinteraction.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace vz;
using namespace vz::test;

Q_DECLARE_METATYPE(vz::EntryKind)

namespace {
// A main window of the least kind: a workspace and a tool bar whose "save"
// first closes the entry windows, as the program's main window does.
struct Shell : WorkspaceShell {
  int menuRecomputed = 0;
  Shell() : WorkspaceShell(QSize(900, 600)) {}
  EntryWindow *open(EntryKind kind, RationProblem &p, ScriptedInteraction &ui)
  {
    return EntryWindows::open(kind, area, p, &ui, [this] { ++menuRecomputed; });
  }
};

int subWindows(QMdiArea *area)
{
  int n = 0;
  for (QMdiSubWindow *s : area->subWindowList())
    if (auto *w = qobject_cast<EntryWindow *>(s->widget()); w && !w->isClosed())
      ++n;
  return n;
}
// Stands for the program's main window: the two slots the entry windows
// reach on it without a wiring of their own.
class MainLike : public QMainWindow {
  Q_OBJECT
public:
  QStringList topics;
  int enabling = 0;
public slots:
  void showHelpTopic(const QString &topic) { topics.append(topic); }
  void MI_ENADISABLE() { ++enabling; }
};

} // namespace

class TestEntryWindows : public QObject {
  Q_OBJECT
private slots:
  // Each window on the example problem: edit one cell in the grid, close
  // the window, find the change in the problem with its flag raised.
  void editAndClose_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("menuRecomputed");
    QTest::newRow("nutrients") << EntryKind::Nutrients << 2 << 4 << "1,5" << "     1.5000" << true;
    QTest::newRow("feedstuffs") << EntryKind::Feeds << 0 << 1 << "12,5" << "     12.500" << true;
    QTest::newRow("ratios") << EntryKind::Ratios << 0 << 3 << "0.25" << "     0.2500" << false;
    QTest::newRow("matrix") << EntryKind::Matrix << 3 << 2 << "7" << "     7.0000" << true;
  }
  void editAndClose()
  {
    QFETCH(EntryKind, kind);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, menuRecomputed);
    QTemporaryDir dir;
    RationProblem p;
    QVERIFY(!loadExample(dir, p).isEmpty());
    QVERIFY(!p.ratios.isEmpty());
    const RationProblem before = p;
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(kind, p, ui);
    QVERIFY(w);
    QAbstractItemModelTester tester(w->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!w->browser()->accessibleName().isEmpty());
    typeInto(w->browser(), row, col, typed);
    QCOMPARE(w->model()->data(w->model()->index(row, col)).toString(), stored);
    QCOMPARE(p.feeds, before.feeds);  // tables change only on closing
    QCOMPARE(p.nutrients, before.nutrients);
    w->action(kind == EntryKind::Nutrients ? 28835 : kind == EntryKind::Feeds ? 29050
              : kind == EntryKind::Ratios ? 29180 : 29314)->trigger();
    QCOMPARE(subWindows(shell.area), 0);
    QCOMPARE(shell.menuRecomputed, menuRecomputed ? 1 : 0);
    switch (kind) {
    case EntryKind::Nutrients:
      QCOMPARE(p.nutrients.at(row).at(col), stored);
      QVERIFY(p.changed.nutrientNames);
      break;
    case EntryKind::Feeds:
      QCOMPARE(p.feeds.at(row).at(col), stored);
      QVERIFY(p.changed.feedNames);
      QCOMPARE(p.feedNames, before.feedNames);
      break;
    case EntryKind::Ratios:
      QCOMPARE(p.ratios.at(row).at(col), stored);
      QVERIFY(p.changed.ratios);
      break;
    case EntryKind::Matrix:
      QCOMPARE(p.matrix.at(row).at(col - 1), stored);
      QVERIFY(p.changed.matrix);
      break;
    }
  }

  void escapeAndUntouchedEditorsWriteNothing()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(EntryKind::Feeds, p, ui);
    typeInto(w->browser(), 0, 1, QStringLiteral("99"), Qt::Key_Escape);
    QCOMPARE(w->table().cell(1, 2), num(QStringLiteral("10.000")));
    // An editor opened and left without typing.
    const QModelIndex idx = w->model()->index(1, 1);
    w->browser()->setCurrentIndex(idx);
    w->browser()->edit(idx);
    w->browser()->endEdit();
    QVERIFY(!w->table().changed());
    w->CLOSE();
    QCOMPARE(p, smallProblem());
    QCOMPARE(shell.menuRecomputed, 0);
  }

  void refusedValueKeepsTheEditorOpen_data()
  {
    QTest::addColumn<bool>("realBoxes");
    QTest::addColumn<QString>("typed");
    QTest::newRow("too wide, scripted") << false << QStringLiteral("12345678");
    QTest::newRow("too wide, message boxes") << true << QStringLiteral("12345678");
    QTest::newRow("no number, message boxes") << true << QStringLiteral("12a");
  }
  // Every Enter on a refused value shows the message again; the typed text
  // stays in the open editor until mended or dropped with Escape.
  void refusedValueKeepsTheEditorOpen()
  {
    QFETCH(bool, realBoxes);
    QFETCH(QString, typed);
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction scripted;
    EntryWindow *w = EntryWindows::open(EntryKind::Feeds, shell.area, p, realBoxes ? nullptr : &scripted);
    QVERIFY(w);
    QStringList boxes;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&boxes] {
      if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        boxes.append(box->text());
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    answerer.start(10);
    auto shownCount = [&] { return realBoxes ? boxes.size() : scripted.texts(QStringLiteral("warning")).size(); };

    typeInto(w->browser(), 0, 1, typed);
    QCOMPARE(shownCount(), 1);
    auto *editor = qobject_cast<QLineEdit *>(w->browser()->openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(shownCount(), 2);
    QCOMPARE(qobject_cast<QLineEdit *>(w->browser()->openEditor()), editor);
    QCOMPARE(editor->text(), typed);
    // Mended, it goes in with one Enter.
    editor->setText(QStringLiteral("7,5"));
    editor->setModified(true);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(shownCount(), 2);
    QVERIFY(!w->browser()->openEditor());
    QCOMPARE(w->table().cell(1, 2), num(QStringLiteral("7.500")));
    w->CLOSE();
  }

  void cutAndClearOnANameAsk_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onlyName");
    QTest::addColumn<bool>("yes");
    for (int key : {int(Qt::Key_X), int(Qt::Key_T)}) {
      const QString k = key == Qt::Key_X ? QStringLiteral("Ctrl+X") : QStringLiteral("Ctrl+T");
      QTest::newRow(qPrintable(k + QStringLiteral(", name only, Hayır"))) << key << true << false;
      QTest::newRow(qPrintable(k + QStringLiteral(", name only, Evet"))) << key << true << true;
      QTest::newRow(qPrintable(k + QStringLiteral(", row with values"))) << key << false << true;
    }
  }
  // Cut and Clear on a name cell never delete a row without asking, and
  // never leave a row with values nameless.
  void cutAndClearOnANameAsk()
  {
    QFETCH(int, key);
    QFETCH(bool, onlyName);
    QFETCH(bool, yes);
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(EntryKind::Feeds, p, ui);
    QVERIFY(w->table().APPEND());
    QCOMPARE(w->table().ENDEDIT(4, 1, QStringLiteral("Yalnız")), EntryTable::EditOutcome::Stored);
    const int row = onlyName ? 3 : 0;
    const QString name = onlyName ? QStringLiteral("Yalnız") : w->table().cell(1, 1).trimmed();
    const int rows = w->table().rowCount();
    w->browser()->setCurrentIndex(w->model()->index(row, 0));
    w->browser()->setFocus();
    ui.yesNoAnswers.enqueue(yes);
    QTest::keyClick(w->browser(), Qt::Key(key), Qt::ControlModifier);
    if (onlyName) {
      QCOMPARE(ui.shown.size(), 1);
      QCOMPARE(ui.shown.first().kind, QStringLiteral("yesno"));
      QCOMPARE(ui.shown.first().caption, QStringLiteral("Uyarı..."));
      QCOMPARE(ui.shown.first().text, EntryWindow::nameRemovalQuestion(name));
      QCOMPARE(w->table().rowCount(), yes ? rows - 1 : rows);
      if (!yes)
        QCOMPARE(w->table().cell(4, 1).trimmed(), name);
    } else {
      QCOMPARE(ui.texts(QStringLiteral("yesno")), QStringList());
      QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{EntryTable::nameRequiredText(name)});
      QCOMPARE(w->table().rowCount(), rows);
      QCOMPARE(w->table().cell(1, 1).trimmed(), name);
    }
    w->CLOSE();
  }

  void aTypedCharacterStartsTheEdit()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(EntryKind::Feeds, p, ui);
    w->browser()->setFocus();
    QTRY_VERIFY(w->browser()->hasFocus());
    w->browser()->setCurrentIndex(w->model()->index(2, 1));
    QTest::keyClick(w->browser(), Qt::Key_7);
    auto *editor = qobject_cast<QLineEdit *>(w->browser()->openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(w->table().cell(3, 2), QStringLiteral("      7.000"));
    // A double click on the matrix's label opens no editor.
    w->CLOSE();
    EntryWindow *m = shell.open(EntryKind::Matrix, p, ui);
    const QModelIndex label = m->model()->index(0, 0);
    QTest::mouseDClick(m->browser()->viewport(), Qt::LeftButton, {}, m->browser()->visualRect(label).center());
    QVERIFY(!m->browser()->openEditor() || m->browser()->currentIndex().column() == 1);
  }

  void onlyOneWindowPerKindAndMatrixExcludesTables()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *feeds = shell.open(EntryKind::Feeds, p, ui);
    EntryWindow *ratios = shell.open(EntryKind::Ratios, p, ui);
    QCOMPARE(shell.open(EntryKind::Feeds, p, ui), feeds);
    QCOMPARE(shell.area->activeSubWindow()->widget(), feeds);
    QCOMPARE(subWindows(shell.area), 2);
    QVERIFY(!EntryWindows::create(EntryKind::Feeds, shell.area, p, &ui));

    typeInto(feeds->browser(), 0, 0, QStringLiteral("Arpa Kırması"));
    EntryWindow *matrix = shell.open(EntryKind::Matrix, p, ui);
    QVERIFY(matrix);
    QVERIFY(feeds->isClosed());
    QCOMPARE(p.feedNames.first(), QStringLiteral("Arpa Kırması"));
    QCOMPARE(matrix->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Arpa Kırması"));
    QVERIFY(!ratios->isClosed());
    QCOMPARE(subWindows(shell.area), 2);
    EntryWindow *nutrients = shell.open(EntryKind::Nutrients, p, ui);
    QVERIFY(nutrients && matrix->isClosed());
    QVERIFY(EntryWindows::closeAll(shell.area));
    QCOMPARE(subWindows(shell.area), 0);
  }

  void menusKeysAndContextMenu_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("closeItem");
    QTest::newRow("nutrients") << EntryKind::Nutrients << QList<int>{Qt::Key_F5, Qt::Key_F6} << 28898;
    QTest::newRow("feedstuffs") << EntryKind::Feeds << QList<int>{Qt::Key_F5, Qt::Key_F6} << 29108;
    QTest::newRow("ratios") << EntryKind::Ratios << QList<int>{Qt::Key_F5, Qt::Key_F6, Qt::Key_F7} << 29240;
    QTest::newRow("matrix") << EntryKind::Matrix << QList<int>{} << 29893;
  }
  void menusKeysAndContextMenu()
  {
    QFETCH(EntryKind, kind);
    QFETCH(QList<int>, keys);
    QFETCH(int, closeItem);
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(kind, p, ui);
    QList<int> found;
    for (QAction *a : w->actions())
      for (int k : {int(Qt::Key_F5), int(Qt::Key_F6), int(Qt::Key_F7)})
        if (a->shortcut() == QKeySequence(k))
          found.append(k);
    std::sort(found.begin(), found.end());
    QCOMPARE(found, keys);
    QCOMPARE(w->menuBar()->actions().size(), 4);
    QCOMPARE(w->contextMenu()->title(), QStringLiteral("&Yazım"));
    QVERIFY(w->toolBar()->actions().size() >= 10);
    QCOMPARE(w->action(closeItem)->text(), QStringLiteral("&Kapat..."));
    // The calculator and about items run without a main window around them.
    w->VKHAKKINDA();
    QCOMPARE(ui.events, QStringList{QStringLiteral("about")});
    w->action(closeItem)->trigger();
    QVERIFY(w->isClosed());
  }

  void keysDriveTheGrid()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(EntryKind::Nutrients, p, ui);
    w->browser()->setFocus();
    QTRY_VERIFY(w->browser()->hasFocus());
    w->browser()->setCurrentIndex(w->model()->index(1, 0));
    QTest::keyClick(w->browser(), Qt::Key_F5);
    QCOMPARE(w->model()->rowCount(), 4);
    QCOMPARE(w->browser()->currentIndex().row(), 3);
    ui.yesNoAnswers.enqueue(true);
    QCoreApplication::processEvents();
    QTest::keyClick(w->browser(), Qt::Key_F6);
    QCOMPARE(w->model()->rowCount(), 3);
    QCOMPARE(ui.texts(QStringLiteral("yesno")), QStringList{QStringLiteral("Seçili besin maddesi siliniyor!")});
  }

  void matrixLabelColumnAndFrozenColumn()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    auto *w = qobject_cast<AMAT_GIRISWIN *>(shell.open(EntryKind::Matrix, p, ui));
    QVERIFY(w);
    QCOMPARE(w->browser()->currentIndex().column(), 1);
    w->browser()->setCurrentIndex(w->model()->index(2, 0));
    QCOMPARE(w->browser()->currentIndex().column(), 1);
    QVERIFY(!(w->model()->flags(w->model()->index(0, 0)) & Qt::ItemIsEditable));
    QCOMPARE(w->model()->data(w->model()->index(0, 0)).toString(), QStringLiteral("KMT, Kg/Kg"));
    w->PBSPLIT();
    QVERIFY(w->browser()->isColumnFrozen());
    w->PBSPLIT();
    QVERIFY(!w->browser()->isColumnFrozen());
    // Linking through the window works on the current feedstuff column.
    w->browser()->setCurrentIndex(w->model()->index(1, 2));
    ui.chooseOneAnswers.enqueue(2);
    ui.valueAnswers.enqueue(QStringLiteral("12"));
    ui.chooseManyAnswers.enqueue(QList<int>{1});  // NDF: KMT is not offered
    w->BMBAGLA();
    QCOMPARE(w->table().cell(3, 3), num(QStringLiteral("36.0000")));
  }

  void aMatrixOutOfStepDoesNotOpen()
  {
    RationProblem p = smallProblem();
    p.matrix.removeLast();
    Shell shell;
    ScriptedInteraction ui;
    QVERIFY(!shell.open(EntryKind::Matrix, p, ui));
    QCOMPARE(ui.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(subWindows(shell.area), 0);
  }

  void mainWindowSlotsAreReachedByDefault()
  {
    MainLike main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    main.show();
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryWindow *w = EntryWindows::open(EntryKind::Matrix, area, p, &ui);
    QVERIFY(w);
    w->HELPINDEX();
    w->action(29333)->trigger();  // F2, the window's own topic
    QCOMPARE(main.topics, (QStringList{QStringLiteral("HelpIndex"), QStringLiteral("Aktif Matris Yazımı")}));
    w->model()->setData(w->model()->index(0, 1), QStringLiteral("0,9"));
    QVERIFY(EntryWindows::closeAll(area));
    QCOMPARE(main.enabling, 1);
    QCOMPARE(p.matrix.first().first(), num(QStringLiteral("0.9000")));
  }

  void clipboardCommandsGoThroughTheRules()
  {
    RationProblem p = smallProblem();
    Shell shell;
    ScriptedInteraction ui;
    EntryWindow *w = shell.open(EntryKind::Nutrients, p, ui);
    w->browser()->setCurrentIndex(w->model()->index(1, 3));  // HP, lower limit
    w->COPY();
    w->browser()->setCurrentIndex(w->model()->index(2, 2));  // NDF, fixed
    w->PASTE();
    QCOMPARE(w->table().cell(3, 3), num(QStringLiteral("10.0000")));
    w->CLEAR();
    QCOMPARE(w->table().cell(3, 3), QString());
    w->browser()->setCurrentIndex(w->model()->index(0, 1));  // KMT, unit
    w->CUT();
    QCOMPARE(w->table().cell(1, 2), QString());
    w->browser()->setCurrentIndex(w->model()->index(1, 1));  // HP, unit
    w->PASTE();
    QCOMPARE(w->table().cell(2, 2), num(QStringLiteral("Kg/Kg")));
  }

  // A command of the main tool bar while an entry window is open, even with
  // a value still in the cell editor, gets that window's edits.
  void mainToolbarCommandGetsTheEdits()
  {
    QTemporaryDir dir;
    RationProblem p;
    const QString path = loadExample(dir, p);
    QVERIFY(!path.isEmpty());
    Shell shell;
    ScriptedInteraction ui;
    QToolBar *bar = shell.main.addToolBar(QStringLiteral("Ana"));
    bool saved = false;
    QAction *save = bar->addAction(QStringLiteral("Kaydet"), [&] {
      EntryWindows::closeAll(shell.area);
      ProblemFile f;
      saved = f.open(path) && f.PROBDBFUPDATE(p);
    });
    EntryWindow *w = shell.open(EntryKind::Feeds, p, ui);
    const QModelIndex idx = w->model()->index(2, 1);
    w->browser()->setCurrentIndex(idx);
    w->browser()->edit(idx);
    auto *editor = qobject_cast<QLineEdit *>(w->browser()->openEditor());
    QVERIFY(editor);
    editor->setText(QStringLiteral("4,25"));
    editor->setModified(true);
    QTest::mouseClick(bar->widgetForAction(save), Qt::LeftButton);
    QVERIFY(saved);
    QVERIFY(w == nullptr || subWindows(shell.area) == 0);
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem reloaded;
    f.AKTPRODIZOLUSTUR(reloaded);
    QCOMPARE(reloaded.feeds.at(2).at(1), QStringLiteral("      4.250"));
  }
};

QTEST_MAIN(TestEntryWindows)
#include "tst_entrywindows.moc"
