// Random sequences of edits in the four entry windows, through the grids and
// through the tables behind them, then save and reload: the problem must stay
// whole and come back as it was edited.
#include "editing/ui/entrytablemodel.h"
#include "editing/ui/entrywindows.h"
#include "editing/ui/oabs_browser.h"
#include "editingfixture.h"
#include "scriptedinteraction.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace vz;
using namespace vz::test;

namespace {

const EntryKind Kinds[] = {EntryKind::Nutrients, EntryKind::Feeds, EntryKind::Ratios, EntryKind::Matrix};

// Each cell as the problem file gives it back: names 15 wide, the rest 11.
QList<QStringList> asStored(const QList<QStringList> &rows, int nameColumns)
{
  QList<QStringList> out;
  for (const QStringList &row : rows) {
    QStringList r;
    for (qsizetype c = 0; c < row.size(); ++c)
      r.append(rt::PadR(row.at(c), c < nameColumns ? 15 : 11));
    out.append(r);
  }
  return out;
}

struct Editor {
  QRandomGenerator rng;
  RationProblem &p;
  ScriptedInteraction &ui;
  QMdiArea *area;
  int steps = 0;

  int pick(int n) { return n <= 0 ? 0 : int(rng.bounded(n)); }

  QString numberText()
  {
    static const QStringList values = {"12,5", "0.25", "", "abc", "123456789012", "7", "1000", "0,001", " 3 "};
    return values.at(pick(int(values.size())));
  }
  QString nameText(EntryKind kind)
  {
    switch (pick(6)) {
    case 0: return QString();
    case 1: return QStringLiteral("Çok Uzun Bir Yem Adı");
    case 2: return kind == EntryKind::Feeds ? p.feedNames.value(0).toLower() : p.nutrientNames.value(0).toLower();
    default: return QStringLiteral("Ad%1").arg(pick(40));
    }
  }
  QString valueFor(EntryKind kind, int col)
  {
    if ((kind == EntryKind::Feeds || kind == EntryKind::Nutrients) && col == 1)
      return nameText(kind);
    if (kind == EntryKind::Nutrients && col == 2) {
      static const QStringList units = {"kg", "", "g/Kg", "%"};
      return units.at(pick(4));
    }
    return numberText();
  }

  // Types through the grid's own editor, or straight into the model or the
  // table behind it.
  void type(EntryWindow *w, int row, int col, const QString &text)
  {
    switch (pick(3)) {
    case 0: {
      OABS_BROWSER *grid = w->browser();
      const QModelIndex idx = grid->model()->index(row - 1, col - 1);
      grid->setCurrentIndex(idx);
      grid->edit(idx);
      auto *editor = qobject_cast<QLineEdit *>(grid->openEditor());
      if (!editor)
        return;  // the label column
      editor->setText(text);
      editor->setModified(true);
      QTest::keyClick(editor, Qt::Key_Return);
      QCoreApplication::processEvents();
      break;
    }
    case 1: w->model()->setData(w->model()->index(row - 1, col - 1), text); break;
    default: w->table().ENDEDIT(row, col, text); break;
    }
  }

  void step()
  {
    ++steps;
    const EntryKind kind = Kinds[pick(4)];
    // As the main menu offers them: the matrix and ratio windows need two
    // feedstuffs and two nutrients.
    if ((kind == EntryKind::Matrix || kind == EntryKind::Ratios)
        && (p.feedNames.size() < 2 || p.nutrientNames.size() < 2))
      return;
    EntryWindow *w = EntryWindows::open(kind, area, p, &ui);
    QVERIFY2(w, qPrintable(QStringLiteral("window %1 did not open: matrix %2 x %3, nutrients %4/%5, feeds %6/%7")
                               .arg(int(kind)).arg(p.matrix.size()).arg(p.matrix.value(0).size())
                               .arg(p.nutrients.size()).arg(p.nutrientNames.size())
                               .arg(p.feeds.size()).arg(p.feedNames.size())));
    if (qEnvironmentVariableIsSet("VZ_TRACE"))
      qDebug() << steps << int(kind) << p.nutrients.size() << p.feeds.size() << p.matrix.size() << p.matrix.value(0).size();
    EntryTable &t = w->table();
    const int op = pick(10);
    // Rows are taken away only while a table keeps two, so that the problem
    // stays one the menu lets the matrix window open on.
    const bool mayRemove = t.rowCount() > 2;
    if (op == 0 || op == 9 || (t.rowCount() == 0 && kind != EntryKind::Matrix)) {
      if (pick(2))
        w->APPEND();
      else
        t.APPEND();
      return;
    }
    if (t.rowCount() == 0)
      return;
    const int row = 1 + pick(t.rowCount());
    if (op <= 5) {
      if (kind == EntryKind::Ratios) {
        const int col = 1 + pick(5);
        if (col <= 2) {  // ratio names are typed in pairs: a half-named ratio is not kept by the file
          type(w, row, 1, p.nutrientNames.value(pick(int(p.nutrientNames.size())), QStringLiteral("HP")));
          type(w, row, 2, QStringLiteral("Oran%1").arg(pick(9)));
        } else {
          type(w, row, col, numberText());
        }
        return;
      }
      const int col = kind == EntryKind::Matrix ? 2 + pick(t.columnCount() - 1) : 1 + pick(5);
      QString value = valueFor(kind, col);
      // Emptying the last filled cell removes the row.
      if (!mayRemove && value.trimmed().isEmpty())
        value = QStringLiteral("5");
      if (col <= t.columnCount())
        type(w, row, col, value);
      return;
    }
    if (op == 6 && kind != EntryKind::Matrix && mayRemove) {
      w->browser()->setCurrentIndex(w->model()->index(row - 1, 0));
      ui.yesNoAnswers.enqueue(pick(3) == 1);
      const char *command = kind == EntryKind::Nutrients ? "BMDELETE" : kind == EntryKind::Feeds ? "YMDELETE" : "BMODELETE";
      QMetaObject::invokeMethod(w, command);
      return;
    }
    if (op == 7) {
      if (kind == EntryKind::Ratios) {
        ui.chooseOneAnswers.enqueue(pick(int(p.nutrientNames.size()) + 1));
        ui.chooseOneAnswers.enqueue(pick(int(p.nutrientNames.size())));
        QMetaObject::invokeMethod(w, "ORANSEC");
      } else if (kind == EntryKind::Matrix && t.columnCount() > 1) {
        w->browser()->setCurrentIndex(w->model()->index(row - 1, 1 + pick(t.columnCount() - 1)));
        ui.chooseOneAnswers.enqueue(1 + pick(t.rowCount()));
        ui.valueAnswers.enqueue(numberText());
        ui.chooseManyAnswers.enqueue(QList<int>{1 + pick(t.rowCount() - 1), 1 + pick(t.rowCount() - 1)});
        QMetaObject::invokeMethod(w, "BMBAGLA");
      } else if (kind != EntryKind::Matrix && mayRemove) {
        for (int c = 5; c >= 1 && row <= t.rowCount(); --c)  // empty a whole row
          type(w, row, c, QString());
      }
      ui.chooseOneAnswers.clear();
      ui.valueAnswers.clear();
      ui.chooseManyAnswers.clear();
      return;
    }
    if (op == 8)
      w->CLOSE();
  }
};

} // namespace

class TestEditingInvariant : public QObject {
  Q_OBJECT
private slots:
  void randomEdits_data()
  {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 1234u, 2026u, 31337u})
      QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
  }
  void randomEdits()
  {
    QFETCH(quint32, seed);
    QTemporaryDir dir;
    RationProblem p;
    const QString path = loadExample(dir, p);
    QVERIFY(!path.isEmpty());
    const RationProblem start = p;
    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(900, 600);
    main.show();
    ScriptedInteraction ui;
    Editor ed{QRandomGenerator(seed), p, ui, area};
    for (int i = 0; i < 200; ++i) {
      ed.step();
      if (QTest::currentTestFailed())
        QFAIL(qPrintable(QStringLiteral("step %1").arg(i)));
    }
    QVERIFY(EntryWindows::closeAll(area));
    // The sequence did edit every part (a quiet run would prove nothing).
    QVERIFY(p.feeds != start.feeds && p.nutrients != start.nutrients);
    QVERIFY(p.ratios != start.ratios && p.matrix != start.matrix);
    QVERIFY(!ui.texts(QStringLiteral("warning")).isEmpty());

    // The tables, their lists and the matrix are in step.
    QCOMPARE(p.feedNames.size(), p.feeds.size());
    QCOMPARE(p.nutrientNames.size(), p.nutrients.size());
    QCOMPARE(p.nutrientUnits.size(), p.nutrients.size());
    QVERIFY(p.feedAmounts.isEmpty() || p.feedAmounts.size() == p.feeds.size());
    QVERIFY(!p.nutrients.isEmpty());
    QCOMPARE(p.matrix.size(), p.nutrients.size());
    for (const QStringList &row : std::as_const(p.matrix))
      QCOMPARE(row.size(), p.feeds.size());
    for (const QStringList *names : {&p.feedNames, &p.nutrientNames}) {
      QSet<QString> seen;
      for (const QString &n : *names) {
        QVERIFY(!n.trimmed().isEmpty());
        QVERIFY2(!seen.contains(rt::Upper(n.trimmed())), qPrintable(n));
        seen.insert(rt::Upper(n.trimmed()));
      }
    }
    // Every part that changed has its flag raised.
    if (p.feeds != start.feeds)
      QVERIFY(p.changed.feedNames);
    if (p.nutrients != start.nutrients)
      QVERIFY(p.changed.nutrientNames);
    if (p.ratios != start.ratios)
      QVERIFY(p.changed.ratios);
    if (p.matrix != start.matrix)
      QVERIFY(p.changed.matrix);
    if (p.feedAmounts != start.feedAmounts)
      QVERIFY(p.changed.feedAmounts);

    // Saved and read back, the problem is the one edited.
    RationProblem edited = p;
    {
      ProblemFile f;
      QVERIFY(f.open(path));
      QVERIFY2(f.PROBDBFUPDATE(p), qPrintable(f.errorString()));
    }
    ProblemFile f;
    QVERIFY(f.open(path));
    RationProblem back;
    f.AKTPRODIZOLUSTUR(back);
    QCOMPARE(back.feeds, asStored(edited.feeds, 1));
    QCOMPARE(back.nutrients, asStored(edited.nutrients, 1));
    QCOMPARE(back.ratios, asStored(edited.ratios, 2));
    QCOMPARE(back.matrix, edited.matrix);
    // The file keeps an amount for every feedstuff: an empty list reads back
    // as blank amounts.
    QStringList amounts;
    for (const QString &a : std::as_const(edited.feedAmounts))
      amounts.append(rt::PadR(a, 11));
    if (amounts.isEmpty())
      amounts = QStringList(edited.feeds.size(), blank11());
    QCOMPARE(back.feedAmounts, amounts);
    QCOMPARE(back.feedNames, edited.feedNames);
    QCOMPARE(back.nutrientNames, edited.nutrientNames);
    QCOMPARE(back.nutrientUnits, edited.nutrientUnits);
    QVERIFY(ed.steps > 0);
  }
};

QTEST_MAIN(TestEditingInvariant)
#include "tst_editinginvariant.moc"
