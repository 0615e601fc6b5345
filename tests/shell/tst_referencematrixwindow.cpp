// The reference matrix commands of the main window and the window they open,
// driven with real key events: the log-on, edits discarded and saved, the
// keys of the window, the column dialog refused beside it, the back-up dialog.
#include "../editing/referencefixture.h"
#include "../platform/dbfreader.h"
#include "../problem_ui/modalhelper.h"
#include "controls/filesle.h"
#include "editing/calculatorlauncher.h"
#include "services/class_hklm.h"
#include "editing/ui/bm_man_win.h"
#include "editing/ui/jqfolderdialogwindow.h"
#include "editing/ui/stddatawindow.h"
#include "scriptedinteraction.h"
#include "shellfixture.h"
#include "shell/ui/standardshellwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

namespace {

QByteArray bytesOf(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

LogOnAnswer granted() { return {true, QStringLiteral("ali")}; }

} // namespace

class TstReferenceMatrixWindow : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  ScriptedInteraction *m_ui = nullptr;
  ScriptedFileDialogs *m_dialogs = nullptr;
  STANDARDSHELLWINDOW *m_window = nullptr;

  QString path() const { return QDir(m_dir.path()).filePath(QStringLiteral("MATKUMAD.DBF")); }

  STDDATAWINDOW *openMatrixWindow()
  {
    m_ui->logOnAnswers.enqueue(granted());
    m_window->routeEvent("RM_YAZIM");
    QApplication::processEvents();
    return STDDATAWINDOW::find(m_window->mdiArea());
  }

  // Types into a grid cell as a user does and ends with Enter.
  void typeCell(STDDATAWINDOW *w, int row, int col, const QString &text)
  {
    ORMAT_BROWSER *grid = w->browser();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, col));
    // F2 is the window's help key here: the editor opens as a double click opens it.
    grid->edit(grid->currentIndex());
    auto *editor = qobject_cast<QLineEdit *>(grid->openEditor());
    QVERIFY(editor);
    editor->selectAll();
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
  }

private slots:
  void init()
  {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path() + QStringLiteral("/Data"));
    QVERIFY(writeReference(m_dir.path()));
    closeSessionProblem();
    AppSession::instance().setProgramDir(m_dir.path());
    m_ui = new ScriptedInteraction;
    m_dialogs = new ScriptedFileDialogs;
    m_window = new STANDARDSHELLWINDOW(*m_ui, *m_dialogs, StartupSettings());
    m_window->resize(900, 640);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
  }

  void cleanup()
  {
    if (STDDATAWINDOW *w = STDDATAWINDOW::find(m_window->mdiArea())) {
      m_ui->yesNoAnswers.clear();
      m_ui->yesNoAnswers.enqueue(false);
      w->CLOSE();
    }
    delete m_window;
    m_window = nullptr;
    delete m_dialogs;
    delete m_ui;
    FILESLE::setChooser({});
  }

  void refusedLogOnDoesNothing()
  {
    QVERIFY(QFile::remove(path()));
    for (const char *event : {"RM_YAZIM", "RM_BMEKLESIL", "RM_YEDEKLE"}) {
      m_window->routeEvent(event);
      QCOMPARE(m_ui->shown.last().kind, QStringLiteral("logon"));
      QCOMPARE(m_ui->shown.last().caption, QStringLiteral("Geçiş İzni"));
    }
    QCOMPARE(m_ui->shown.size(), 3);
    QVERIFY(!QFile::exists(path()));
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
  }

  void missingFileIsCreatedAndShown()
  {
    QVERIFY(QFile::remove(path()));
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    QCOMPARE(w->browser()->model()->rowCount(), 1);
    QCOMPARE(w->browser()->model()->columnCount(), 44);
    QCOMPARE(w->browser()->model()->index(0, 0).data().toString(), QStringLiteral("BIRIM"));
    // A second "&Matris Yazımı" brings the same window forward.
    QCOMPARE(openMatrixWindow(), w);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
  }

  void openFailureIsReported()
  {
    QFile f(path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("no table");
    f.close();
    QVERIFY(!openMatrixWindow());
    // The fixed text, and under it why the file could not be read.
    const QStringList errors = m_ui->texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).startsWith(QStringLiteral("Referans matris dosyası açma hatası!\n\nMATKUMAD.DBF bir dBASE tablosu değil")),
             qPrintable(errors.at(0)));
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
  }

  void narrowColumnIsRefusedByName()
  {
    // A foreign matrix whose HP column is 4 characters wide: typed values
    // would be cut, so the window does not open and names the column.
    QList<DbfField> fields = referenceFields();
    fields[3].length = 4;
    QVERIFY(DbfTable::writeTable(path(), fields, {{false, {QStringLiteral("BIRIM")}}}));
    const QByteArray before = bytesOf(path());
    QVERIFY(!openMatrixWindow());
    QCOMPARE(m_ui->texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Referans matris dosyası açma hatası!\n\n")
                         + refmatrix::narrowColumnText(QStringLiteral("HP"), 4)});
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QCOMPARE(bytesOf(path()), before);
  }

  void editThenDiscardThenSave()
  {
    const QByteArray original = bytesOf(path());
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    typeCell(w, 0, 0, QStringLiteral("Arpa"));  // the units record keeps its name
    QCOMPARE(w->browser()->model()->index(0, 0).data().toString(), QStringLiteral("BIRIM"));
    typeCell(w, 1, 1, QStringLiteral("12,5"));
    QCOMPARE(w->browser()->model()->index(1, 1).data().toString(), QStringLiteral("     12.500"));
    typeCell(w, 1, 3, QStringLiteral("12x"));  // no number: refused, the editor stays
    QCOMPARE(m_ui->texts(QStringLiteral("warning")).size(), 1);
    QVERIFY(w->browser()->openEditor());
    QTest::keyClick(w->browser()->openEditor(), Qt::Key_Escape);
    QTest::keyClick(w->browser(), Qt::Key_F5);
    QCOMPARE(w->browser()->model()->rowCount(), 7);
    m_ui->yesNoAnswers.enqueue(false);  // "Hayır"
    w->CLOSE();
    QApplication::processEvents();
    QVERIFY(m_ui->shown.last().text.startsWith(QStringLiteral("Referans matris dosyası (") + path()));
    QCOMPARE(bytesOf(path()), original);

    w = openMatrixWindow();
    QVERIFY(w);
    typeCell(w, 2, 3, QStringLiteral("3"));
    m_ui->yesNoAnswers.enqueue(true);  // "Evet"
    w->CLOSE();
    QApplication::processEvents();
    const IndependentTable t = readWithDbfread(path());
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.records.at(2).at(3), QStringLiteral("     3.0000"));
    QCOMPARE(t.records.size(), 6);
  }

  void closingWithoutChangeAsksNothing()
  {
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    const int shown = int(m_ui->shown.size());
    w->CLOSE();
    QApplication::processEvents();
    QCOMPARE(m_ui->shown.size(), shown);
  }

  void windowKeys()
  {
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    ORMAT_BROWSER *grid = w->browser();
    grid->setFocus();
    // F6 on the units record: nothing asked, nothing deleted.
    grid->setCurrentIndex(grid->model()->index(0, 2));
    const int shown = int(m_ui->shown.size());
    QTest::keyClick(grid, Qt::Key_F6);
    QCOMPARE(m_ui->shown.size(), shown);
    QCOMPARE(grid->model()->rowCount(), 6);
    // F6 on the last record: No keeps it, Yes deletes it.
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w->currentRecord(), 6);
    m_ui->yesNoAnswers.enqueue(false);
    QTest::keyClick(grid, Qt::Key_F6);
    QCOMPARE(m_ui->shown.last().text, QStringLiteral("Seçili yem maddesi siliniyor!"));
    QCOMPARE(grid->model()->rowCount(), 6);
    m_ui->yesNoAnswers.enqueue(true);
    QTest::keyClick(grid, Qt::Key_F6);
    QCOMPARE(grid->model()->rowCount(), 5);
    QCOMPARE(w->currentRecord(), 5);
    // Ctrl+T is "&Temizle": it asks before emptying the cell, and never
    // switches the view.
    grid->setCurrentIndex(grid->model()->index(2, 3));
    m_ui->yesNoAnswers.enqueue(false);
    QTest::keyClick(grid, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!grid->model()->index(2, 3).data().toString().isEmpty());
    m_ui->yesNoAnswers.enqueue(true);
    QTest::keyClick(grid, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(grid->model()->index(2, 3).data().toString().isEmpty());
    QVERIFY(!w->isFormView());
    // Ctrl+F: the form view, with "&Araçlar" off until the grid returns.
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(w->isFormView());
    QVERIFY(!w->action(28600)->isEnabled());
    QLineEdit *price = w->formEdit(2);
    QVERIFY(price);
    price->setFocus();
    price->selectAll();
    typeText(price, QStringLiteral("7"));
    QTest::keyClick(price, Qt::Key_Tab);
    QCOMPARE(w->copy().cell(3, 2), QStringLiteral("      7.000"));
    w->action(28602)->trigger();
    QVERIFY(!w->isFormView());
    QVERIFY(w->action(28600)->isEnabled());
    // F2 shows the window's own help topic.
    QVERIFY(w->action(28612));
    // The main window shows the window's own menu while it is active.
    QStringList titles;
    for (QAction *a : m_window->menuBar()->actions())
      titles.append(a->text());
    QCOMPARE(titles, (QStringList{"&Pencere", "Y&azım", "&Görünüş", "&Araçlar", "&Yardım"}));
  }

  // The tools menu's frozen name column and calculator, reached the way a
  // user reaches them in this window (its own actions).
  void frozenColumnAndCalculator()
  {
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    ORMAT_BROWSER *grid = w->browser();
    QVERIFY(!grid->isColumnFrozen());
    w->action(28606)->trigger();
    QVERIFY(grid->isColumnFrozen());
    // The frozen copy shows the names beside the scrolled grid.
    QVERIFY(grid->frozenView()->isVisible());
    QCOMPARE(grid->frozenView()->model(), grid->model());
    w->action(28606)->trigger();
    QVERIFY(!grid->isColumnFrozen());

    CLASS_HKLM settings;
    settings.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
    settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), QStringLiteral("/bin/true"));
    const int shown = int(m_ui->shown.size());
    w->action(28604)->trigger();
    QCOMPARE(m_ui->shown.size(), shown);
    // No calculator anywhere: the user is told which setting names one.
    settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), QString());
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    w->action(28604)->trigger();
    qputenv("PATH", path);
    QCOMPARE(m_ui->texts(QStringLiteral("warning")), QStringList{CalculatorLauncher::noCalculatorText()});
  }

  void columnArithmeticInWindow()
  {
    STDDATAWINDOW *w = openMatrixWindow();
    QVERIFY(w);
    w->browser()->setCurrentIndex(w->browser()->model()->index(1, 3));  // HP
    m_ui->columnAnswers.enqueue({QStringLiteral("+"), QStringLiteral("10")});
    m_ui->yesNoAnswers.enqueue(true);
    w->action(28607)->trigger();
    QCOMPARE(w->browser()->model()->index(1, 3).data().toString(), QStringLiteral("   134.0000"));
    QVERIFY(w->lChanged());
  }

  void columnDialogRefusedBesideWindowAndWorksAlone()
  {
    QVERIFY(openMatrixWindow());
    m_ui->logOnAnswers.enqueue(granted());
    m_window->routeEvent("RM_BMEKLESIL");
    QVERIFY(m_ui->texts(QStringLiteral("information")).last().startsWith(
        QStringLiteral("Referans matris yazım penceresi açıkken")));
    STDDATAWINDOW::find(m_window->mdiArea())->CLOSE();
    QApplication::processEvents();

    m_ui->logOnAnswers.enqueue(granted());
    bool seen = false;
    whenModal([&](QWidget *modal) {
      auto *d = qobject_cast<BM_MAN_WIN *>(modal);
      QVERIFY(d);
      seen = true;
      QCOMPARE(d->windowTitle(), QStringLiteral("Referans Matris: Besin maddesi ekle-sil"));
      QVERIFY(!d->LBBMAD->isEnabled());
      typeText(d->SLEBMNAME, QStringLiteral("VIT_B12345X"));  // an eleventh character does not go in
      QCOMPARE(d->SLEBMNAME->text(), QStringLiteral("VIT_B12345"));
      QTest::mouseClick(d->PBTAMAM_, Qt::LeftButton);
    });
    m_window->routeEvent("RM_BMEKLESIL");
    QVERIFY(seen);
    const IndependentTable t = readWithDbfread(path());
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.fieldNames.last(), QStringLiteral("VIT_B12345"));
  }

  void backUpThroughDialog()
  {
    QTemporaryDir target;
    FILESLE::setChooser([&](FILESLE *, int type, const QString &, const QString &) {
      return type == 2 ? target.path() : QString();
    });
    m_ui->logOnAnswers.enqueue(granted());
    bool seen = false;
    whenModal([&](QWidget *modal) {
      auto *d = qobject_cast<JQFOLDERDIALOGWINDOW *>(modal);
      QVERIFY(d);
      seen = true;
      QTest::mouseClick(d->SLEYEDDIZ->button(), Qt::LeftButton);
      QCOMPARE(d->SLEYEDDIZ->text(), QDir(target.path()).filePath(QStringLiteral("MATKUMAD.DBF")));
      QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    m_window->routeEvent("RM_YEDEKLE");
    QVERIFY(seen);
    QCOMPARE(bytesOf(QDir(target.path()).filePath(QStringLiteral("MATKUMAD.DBF"))), bytesOf(path()));
    QCOMPARE(m_ui->texts(QStringLiteral("status")).last(), QStringLiteral("Seçili RM'ye ait dosya başarıyla yedeklendi..."));

    // A read-only edit opens no chooser, on the button or a double click.
    JQFOLDERDIALOGWINDOW d(m_window, QStringLiteral("MATKUMAD.DBF"));
    d.show();
    d.SLEYEDDIZ->DISABLE();
    QTest::mouseDClick(d.SLEYEDDIZ, Qt::LeftButton);
    QTest::mouseClick(d.SLEYEDDIZ->button(), Qt::LeftButton);
    QVERIFY(d.SLEYEDDIZ->text().isEmpty());
  }
};

QTEST_MAIN(TstReferenceMatrixWindow)
#include "tst_referencematrixwindow.moc"
