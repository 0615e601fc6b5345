#include "editing/calculatorlauncher.h"
#include "editing/entrytable.h"
#include "editingfixture.h"
#include "scriptedinteraction.h"
#include "services/class_hklm.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vz;
using namespace vz::test;

Q_DECLARE_METATYPE(vz::EntryKind)

namespace {
template <typename T, typename Q>
void fill(Q &queue, std::initializer_list<T> values)
{
  queue.clear();
  for (const T &v : values)
    queue.enqueue(v);
}
QString feedName(int n) { return QString::number(n) + QStringLiteral("Ymİsimsiz"); }
} // namespace

class TestEntryTable : public QObject {
  Q_OBJECT
private slots:
  // What a typed value becomes in each grid.
  void typedValues_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("feed price 12,5") << EntryKind::Feeds << 1 << 2 << "12,5" << "     12.500";
    QTest::newRow("feed price with blanks around") << EntryKind::Feeds << 1 << 2 << "  450,5 " << "    450.500";
    QTest::newRow("feed name as typed") << EntryKind::Feeds << 1 << 1 << " Buğday " << " Buğday ";
    QTest::newRow("feed name with euro and Turkish letters") << EntryKind::Feeds << 1 << 1 << "Çğış€" << "Çğış€";
    QTest::newRow("nutrient fixed 1,5") << EntryKind::Nutrients << 2 << 3 << "1,5" << "     1.5000";
    QTest::newRow("nutrient lower .25") << EntryKind::Nutrients << 2 << 4 << "0.25" << "     0.2500";
    QTest::newRow("nutrient unit kg") << EntryKind::Nutrients << 2 << 2 << " kg" << "         kg";
    QTest::newRow("ratio fixed") << EntryKind::Ratios << 1 << 3 << "1.5" << "     1.5000";
    QTest::newRow("ratio limit emptied") << EntryKind::Ratios << 1 << 4 << "" << "           ";
    QTest::newRow("ratio name as typed") << EntryKind::Ratios << 1 << 2 << "NDF" << "NDF";
    QTest::newRow("matrix 3") << EntryKind::Matrix << 2 << 3 << "3" << "     3.0000";
    QTest::newRow("matrix leading zeros") << EntryKind::Matrix << 3 << 2 << "007,25" << "     7.2500";
  }
  void typedValues()
  {
    QFETCH(EntryKind, kind);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(kind, p, ui);
    QCOMPARE(t.ENDEDIT(row, col, typed), EntryTable::EditOutcome::Stored);
    QCOMPARE(t.cell(row, col), stored);
    QVERIFY(t.changed());
    QVERIFY(ui.shown.isEmpty());
  }

  // Refused values leave the cell as it was and say why.
  void refusals_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("feed name repeats") << EntryKind::Feeds << 1 << 1 << " mısır " << EntryTable::duplicateNameText(QStringLiteral("mısır"));
    QTest::newRow("feed name of 16") << EntryKind::Feeds << 1 << 1 << "Yonca Kuru Otu 1" << EntryTable::nameTooLongText(15);
    QTest::newRow("nutrient name repeats") << EntryKind::Nutrients << 3 << 1 << "hp" << EntryTable::duplicateNameText(QStringLiteral("hp"));
    QTest::newRow("feed price too wide") << EntryKind::Feeds << 2 << 2 << "123456789012" << EntryTable::numberTooWideText();
    QTest::newRow("nutrient limit too wide") << EntryKind::Nutrients << 1 << 5 << "1234567,5" << EntryTable::numberTooWideText();
    QTest::newRow("matrix too wide") << EntryKind::Matrix << 2 << 2 << "99999999" << EntryTable::numberTooWideText();
    QTest::newRow("ratio too wide") << EntryKind::Ratios << 1 << 5 << "1234567.1" << EntryTable::numberTooWideText();
    QTest::newRow("feed name outside code page") << EntryKind::Feeds << 1 << 1 << "Arpa✓2" << EntryTable::characterOutsideCodePageText(QStringLiteral("✓"));
    QTest::newRow("nutrient name outside code page") << EntryKind::Nutrients << 1 << 1 << "Ca→P" << EntryTable::characterOutsideCodePageText(QStringLiteral("→"));
    QTest::newRow("ratio name outside code page") << EntryKind::Ratios << 1 << 1 << "Ω" << EntryTable::characterOutsideCodePageText(QStringLiteral("Ω"));
    // Text that is no number never becomes another number or an empty cell.
    QTest::newRow("feed limit letters") << EntryKind::Feeds << 1 << 4 << "abc" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Alt Sınır"), QStringLiteral("abc"));
    QTest::newRow("feed price negative") << EntryKind::Feeds << 1 << 2 << "-5" << QStringLiteral("%1 kolonuna yazılan \"%2\" negatif olamaz!\n\nEski değer korunuyor.").arg(QStringLiteral("Fiyatı"), QStringLiteral("-5"));
    QTest::newRow("nutrient lower negative") << EntryKind::Nutrients << 1 << 4 << " -150,5 " << QStringLiteral("%1 kolonuna yazılan \"%2\" negatif olamaz!\n\nEski değer korunuyor.").arg(QStringLiteral("Alt Sınır"), QStringLiteral("-150,5"));
    QTest::newRow("feed price with a plus") << EntryKind::Feeds << 1 << 2 << "+5" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Fiyatı"), QStringLiteral("+5"));
    QTest::newRow("minus before letters") << EntryKind::Matrix << 2 << 2 << "-x" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Arpa"), QStringLiteral("-x"));
    QTest::newRow("feed price with letters inside") << EntryKind::Feeds << 2 << 2 << "x1y2,5" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Fiyatı"), QStringLiteral("x1y2,5"));
    QTest::newRow("nutrient lower two points") << EntryKind::Nutrients << 1 << 4 << "1.2.3" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Alt Sınır"), QStringLiteral("1.2.3"));
    QTest::newRow("ratio lone point") << EntryKind::Ratios << 1 << 3 << " . " << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Sabit"), QStringLiteral("."));
    QTest::newRow("matrix blank inside") << EntryKind::Matrix << 2 << 2 << "1 5" << QStringLiteral("%1 kolonuna yazılan \"%2\" bir sayı değil!\n\nEski değer korunuyor.").arg(QStringLiteral("Arpa"), QStringLiteral("1 5"));
  }
  void refusals()
  {
    QFETCH(EntryKind, kind);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    RationProblem p = smallProblem();
    const RationProblem before = p;
    ScriptedInteraction ui;
    EntryTable t(kind, p, ui);
    const QString old = t.cell(row, col);
    QCOMPARE(t.ENDEDIT(row, col, typed), EntryTable::EditOutcome::Refused);
    QCOMPARE(t.cell(row, col), old);
    QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{message});
    QVERIFY(!t.changed());
    QVERIFY(!t.QUERYCLOSE());
    QCOMPARE(p, before);
  }

  void unnamedRowsAreNumberedAcrossWindows()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    const int first = EntryTable::unnamedFeedCounter() + 1;
    {
      EntryTable t(EntryKind::Feeds, p, ui);
      QVERIFY(t.APPEND());
      QCOMPARE(t.ENDEDIT(4, 2, QStringLiteral("12,5")), EntryTable::EditOutcome::Stored);
      QCOMPARE(t.cell(4, 1), feedName(first));
      QCOMPARE(t.cell(4, 2), QStringLiteral("     12.500"));
      // The new row got its matrix column, blank in every nutrient row.
      QCOMPARE(p.matrix.first().size(), 4);
      QCOMPARE(p.matrix.first().last(), blank11());
      QVERIFY(p.changed.matrix);
      t.QUERYCLOSE();
    }
    EntryTable again(EntryKind::Feeds, p, ui);
    QVERIFY(again.APPEND());
    again.ENDEDIT(5, 3, QStringLiteral("1"));
    QCOMPARE(again.cell(5, 1), feedName(first + 1));
    // Emptying a name whose row still has values is refused: the row keeps
    // the name the user knows it by, and no number is used up.
    QCOMPARE(again.ENDEDIT(1, 1, QString()), EntryTable::EditOutcome::Refused);
    QCOMPARE(again.cell(1, 1), QStringLiteral("Arpa           "));
    QCOMPARE(ui.texts(QStringLiteral("warning")).last(), EntryTable::nameRequiredText(QStringLiteral("Arpa")));
    QCOMPARE(EntryTable::unnamedFeedCounter(), first + 1);

    EntryTable nutrients(EntryKind::Nutrients, p, ui);
    const QString name = nutrients.cell(3, 1);
    const int n = EntryTable::unnamedNutrientCounter();
    QCOMPARE(nutrients.ENDEDIT(3, 1, QStringLiteral("   ")), EntryTable::EditOutcome::Refused);
    QCOMPARE(nutrients.cell(3, 1), name);
    QCOMPARE(EntryTable::unnamedNutrientCounter(), n);
  }

  void automaticNamesSkipNamesTakenByHand()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Feeds, p, ui);
    const int next = EntryTable::unnamedFeedCounter() + 1;
    QCOMPARE(t.ENDEDIT(3, 1, feedName(next)), EntryTable::EditOutcome::Stored);
    t.APPEND();
    t.ENDEDIT(4, 2, QStringLiteral("1"));
    QCOMPARE(t.cell(4, 1), feedName(next + 1));
  }

  // Emptying the last filled cell of a row removes the row and its matrix
  // row or column at once; emptying one cell of a named row only empties it.
  void emptiedRows_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::newRow("feedstuff") << EntryKind::Feeds;
    QTest::newRow("nutrient") << EntryKind::Nutrients;
  }
  void emptiedRows()
  {
    QFETCH(EntryKind, kind);
    const bool feeds = kind == EntryKind::Feeds;
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(kind, p, ui);
    // Row 2: empty every cell; the last one takes the row.
    for (int c = 2; c <= 5; ++c)
      QCOMPARE(t.ENDEDIT(2, c, QString()), EntryTable::EditOutcome::Stored);
    QCOMPARE(t.cell(2, 1).trimmed().isEmpty(), false);
    QCOMPARE(t.ENDEDIT(2, 1, QString()), EntryTable::EditOutcome::RowRemoved);
    QCOMPARE(t.rowCount(), 2);
    if (feeds) {
      QCOMPARE(p.matrix.first().size(), 2);
      QCOMPARE(p.matrix.at(2), (QStringList{num(QStringLiteral("20.0000")), num(QStringLiteral("45.0000"))}));
      QCOMPARE(p.feedAmounts, (QStringList{num(QStringLiteral("2.000")), blank11()}));
      QVERIFY(p.changed.feedAmounts);
    } else {
      QCOMPARE(p.matrix.size(), 2);
      QCOMPARE(p.matrix.at(1).at(2), num(QStringLiteral("45.0000")));
    }
    QVERIFY(p.changed.matrix);
    // A number emptied in a named row: the cell only.
    p.changed.clear();
    QCOMPARE(t.ENDEDIT(1, 3, QString()), EntryTable::EditOutcome::Stored);
    QCOMPARE(t.cell(1, 3), QString());
    QVERIFY(!p.changed.matrix);
    QCOMPARE(t.rowCount(), 2);
  }

  void appendReusesTheFirstRowWithoutName()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Nutrients, p, ui);
    QVERIFY(t.APPEND());
    QCOMPARE(t.currentRow(), 4);
    t.setCurrentRow(1);
    QVERIFY(!t.APPEND());
    QCOMPARE(t.currentRow(), 4);
    QCOMPARE(t.rowCount(), 4);
    EntryTable empty(EntryKind::Ratios, p, ui);
    RationProblem none;
    EntryTable fresh(EntryKind::Ratios, none, ui);
    QVERIFY(fresh.APPEND());
    QCOMPARE(fresh.rowCount(), 1);
  }

  void deleteAsksAndKeepsTheMatrixInStep_data()
  {
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QString>("question");
    QTest::newRow("feedstuff") << EntryKind::Feeds << "Seçili Yem Maddesi Siliniyor!";
    QTest::newRow("nutrient") << EntryKind::Nutrients << "Seçili besin maddesi siliniyor!";
    QTest::newRow("ratio") << EntryKind::Ratios << "Seçili Besin Maddesi Oranı Siliniyor!";
  }
  void deleteAsksAndKeepsTheMatrixInStep()
  {
    QFETCH(EntryKind, kind);
    QFETCH(QString, question);
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(kind, p, ui);
    t.setCurrentRow(1);
    fill<bool>(ui.yesNoAnswers, {false});
    QVERIFY(!t.deleteCurrent());
    QCOMPARE(p, smallProblem());
    fill<bool>(ui.yesNoAnswers, {true});
    QVERIFY(t.deleteCurrent());
    QCOMPARE(ui.texts(QStringLiteral("yesno")), (QStringList{question, question}));
    QCOMPARE(ui.shown.last().caption, QStringLiteral("Uyarı"));
    if (kind == EntryKind::Feeds) {
      QCOMPARE(p.matrix.first().size(), 2);
      QCOMPARE(p.feedAmounts.size(), 2);
    } else if (kind == EntryKind::Nutrients) {
      QCOMPARE(p.matrix.size(), 2);
      QCOMPARE(p.matrix.first().first(), num(QStringLiteral("12.0000")));
    } else {
      QCOMPARE(p.matrix, smallProblem().matrix);
      QVERIFY(p.changed.ratios);
    }
    QVERIFY(t.QUERYCLOSE());
    // F6 on an empty grid asks nothing.
    RationProblem none;
    EntryTable empty(kind, none, ui);
    const auto asked = ui.shown.size();
    QVERIFY(!empty.deleteCurrent());
    QCOMPARE(ui.shown.size(), asked);
  }

  void copyBackOfNamedTables()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    {
      EntryTable t(EntryKind::Feeds, p, ui);
      QVERIFY(!t.QUERYCLOSE());  // nothing edited: nothing written
    }
    QCOMPARE(p, smallProblem());
    const QStringList *names = &p.feedNames;
    {
      EntryTable t(EntryKind::Feeds, p, ui);
      t.ENDEDIT(1, 1, QStringLiteral("Arpa Ezmesi"));
      t.APPEND();
      t.ENDEDIT(4, 1, QStringLiteral("Soya Küspesi"));
      t.APPEND();  // left blank: dropped
      QCOMPARE(t.rowCount(), 5);
      QVERIFY(t.QUERYCLOSE());
    }
    QCOMPARE(&p.feedNames, names);
    QCOMPARE(p.feedNames, (QStringList{QStringLiteral("Arpa Ezmesi"), QStringLiteral("Mısır"),
                                       QStringLiteral("Yonca"), QStringLiteral("Soya Küspesi")}));
    QCOMPARE(p.feeds.size(), 4);
    QCOMPARE(p.feeds.at(3).at(0), QStringLiteral("Soya Küspesi"));
    QCOMPARE(p.matrix.first().size(), 4);
    QCOMPARE(p.feedAmounts.size(), 4);
    QCOMPARE(p.feedAmounts.last(), blank11());
    QVERIFY(p.changed.feedNames && p.changed.matrix && p.changed.feedAmounts);
    QVERIFY(!p.changed.nutrientNames);

    // An empty amount list stays empty.
    RationProblem q = smallProblem();
    q.feedAmounts.clear();
    {
      EntryTable t(EntryKind::Feeds, q, ui);
      t.APPEND();
      t.ENDEDIT(4, 2, QStringLiteral("5"));
      t.setCurrentRow(1);
      fill<bool>(ui.yesNoAnswers, {true});
      t.deleteCurrent();
      t.QUERYCLOSE();
    }
    QVERIFY(q.feedAmounts.isEmpty());
    QVERIFY(!q.changed.feedAmounts);
    QCOMPARE(q.feeds.size(), 3);
    QCOMPARE(q.matrix.first().size(), 3);

    // Nutrients: the lists follow, the unit list parallel to the names.
    {
      EntryTable t(EntryKind::Nutrients, p, ui);
      t.APPEND();
      t.ENDEDIT(4, 2, QStringLiteral("Mcal"));
      QVERIFY(t.QUERYCLOSE());
    }
    QCOMPARE(p.nutrientNames.size(), 4);
    QCOMPARE(p.nutrientUnits, (QStringList{QStringLiteral("Kg/Kg"), QString(), QStringLiteral("%"), QStringLiteral("Mcal")}));
    QCOMPARE(p.matrix.size(), 4);
    QVERIFY(p.changed.nutrientNames);
  }

  void ratioWindowWritesBackWhileTheFlagIsRaised()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    {
      EntryTable t(EntryKind::Ratios, p, ui);
      QVERIFY(!t.QUERYCLOSE());
    }
    p.changed.ratios = true;  // raised by an earlier window
    p.ratios.append(QStringList(5, QString()));  // a blank row is not kept
    {
      EntryTable t(EntryKind::Ratios, p, ui);
      QVERIFY(t.QUERYCLOSE());
    }
    QCOMPARE(p.ratios, smallProblem().ratios);
  }

  void unnamedRatiosGetPlaceholderNames()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Ratios, p, ui);
    QVERIFY(t.APPEND());
    t.ENDEDIT(2, 3, QStringLiteral("1.5"));
    QCOMPARE(t.cell(2, 1), QStringLiteral("Bmİsmi-I"));
    QCOMPARE(t.cell(2, 2), QStringLiteral("Bmİsmi-II"));
    QCOMPARE(t.cell(2, 3), num(QStringLiteral("1.5000")));
    QVERIFY(t.APPEND());
    t.ENDEDIT(3, 1, QStringLiteral("HP"));
    QCOMPARE(t.cell(3, 2), QString());
    t.ENDEDIT(3, 4, QStringLiteral("2"));
    QCOMPARE(t.cell(3, 1), QStringLiteral("HP"));
    QCOMPARE(t.cell(3, 2), QString());
    QVERIFY(p.changed.ratios);
    QCOMPARE(p.matrix, smallProblem().matrix);
  }

  void chooseRatio()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Ratios, p, ui);
    fill<int>(ui.chooseOneAnswers, {2, 1});  // HP, then KMT of {KMT, NDF}
    QVERIFY(t.ORANSEC());
    QCOMPARE(t.rowCount(), 2);
    QCOMPARE(t.cell(2, 1), rt::PadR(QStringLiteral("HP"), 15));
    QCOMPARE(t.cell(2, 2), rt::PadR(QStringLiteral("KMT"), 15));
    QCOMPARE(ui.shown.at(1).text, QStringLiteral("KMT\nNDF"));
    QVERIFY(p.changed.ratios);
    QCOMPARE(p.nutrientNames.size(), 3);

    // A row without numerator is filled in and keeps its limit.
    t.APPEND();
    t.ENDEDIT(3, 4, QStringLiteral("2"));
    t.ENDEDIT(3, 1, QString());
    fill<int>(ui.chooseOneAnswers, {3, 1});
    QVERIFY(t.ORANSEC());
    QCOMPARE(t.rowCount(), 3);
    QCOMPARE(t.cell(3, 1), rt::PadR(QStringLiteral("NDF"), 15));
    QCOMPARE(t.cell(3, 4), num(QStringLiteral("2.0000")));

    // Cancel in either dialog writes nothing.
    p.changed.ratios = false;
    fill<int>(ui.chooseOneAnswers, {1, 0});
    QVERIFY(!t.ORANSEC());
    QVERIFY(!p.changed.ratios);
    RationProblem none;
    const auto shownBefore = ui.shown.size();
    EntryTable empty(EntryKind::Ratios, none, ui);
    QVERIFY(!empty.ORANSEC());
    QCOMPARE(ui.shown.size(), shownBefore);
  }

  void linkNutrients_data()
  {
    QTest::addColumn<QString>("macroOld");
    QTest::addColumn<QString>("linkedOld");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("macroNew");
    QTest::addColumn<QString>("linkedNew");
    QTest::addColumn<QString>("warning");
    QTest::newRow("10 to 12 scales 20") << "10.0000" << "20.0000" << "12" << "12.0000" << "24.0000" << "";
    QTest::newRow("empty linked cell") << "10.0000" << "" << "12" << "12.0000" << "0.0000" << "";
    QTest::newRow("old zero refused") << "0.0000" << "20.0000" << "12" << "0.0000" << "20.0000"
                                      << EntryTable::zeroMacroText();
    QTest::newRow("too wide refused") << "0.0001" << "9000.0000" << "9000" << "0.0001" << "9000.0000"
                                      << EntryTable::linkTooWideText();
    QTest::newRow("empty macro") << "" << "20.0000" << "12" << "" << "20.0000" << "Seçilen makro besin maddesi boş!";
  }
  void linkNutrients()
  {
    QFETCH(QString, macroOld);
    QFETCH(QString, linkedOld);
    QFETCH(QString, typed);
    QFETCH(QString, macroNew);
    QFETCH(QString, linkedNew);
    QFETCH(QString, warning);
    RationProblem p = smallProblem();
    p.matrix[1][1] = num(macroOld);  // HP of Mısır
    p.matrix[2][1] = num(linkedOld);  // NDF of Mısır
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Matrix, p, ui);
    fill<int>(ui.chooseOneAnswers, {2});
    fill<std::optional<QString>>(ui.valueAnswers, {typed});
    // "Tümünü Seç": every nutrient offered, and KMT is never among them.
    fill<QList<int>>(ui.chooseManyAnswers, {{1, 2}});
    QCOMPARE(t.BMBAGLA(3), warning.isEmpty());
    if (warning.isEmpty())
      QCOMPARE(ui.texts(QStringLiteral("choosemany")), QStringList{QStringLiteral("NDF")});
    QCOMPARE(t.cell(1, 3), num(QStringLiteral("1.0000")));  // the dry matter is no composition value
    QCOMPARE(t.cell(2, 3), num(macroNew));
    QCOMPARE(t.cell(3, 3), num(linkedNew));
    QCOMPARE(t.cell(3, 2), num(QStringLiteral("20.0000")));  // other feedstuffs untouched
    QCOMPARE(ui.texts(QStringLiteral("warning")), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(p.changed.matrix, warning.isEmpty());
    // A zero or empty starting value is refused right after the nutrient is
    // chosen, before any value or linked nutrient is asked.
    if (rt::AllTrim(macroOld).isEmpty() || rt::Val(macroOld) == 0.0) {
      QCOMPARE(ui.shown.size(), 2);
      QCOMPARE(ui.shown.first().kind, QStringLiteral("chooseone"));
    }
  }

  void linkPromptAndCancel()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    EntryTable t(EntryKind::Matrix, p, ui);
    fill<int>(ui.chooseOneAnswers, {2});
    fill<std::optional<QString>>(ui.valueAnswers, {std::nullopt});  // cancel keeps the old value
    QVERIFY(!t.BMBAGLA(2));
    QCOMPARE(ui.shown.at(1).kind, QStringLiteral("value"));
    QVERIFY(ui.shown.at(1).text.contains(QStringLiteral("Arpa->HP Değerini Giriniz:")));
    QVERIFY(!p.changed.matrix);
  }

  void matrixGridAndCopyBack()
  {
    RationProblem p = smallProblem();
    ScriptedInteraction ui;
    {
      EntryTable t(EntryKind::Matrix, p, ui);
      QCOMPARE(t.columnCount(), 4);
      QCOMPARE(t.columns().at(2).caption, QStringLiteral("Mısır"));
      QCOMPARE(t.cell(1, 1), QStringLiteral("KMT, Kg/Kg"));
      QCOMPARE(t.cell(2, 1), QStringLiteral("HP"));
      QCOMPARE(t.ENDEDIT(1, 1, QStringLiteral("x")), EntryTable::EditOutcome::Refused);
      QVERIFY(!t.QUERYCLOSE());
      t.ENDEDIT(2, 4, QStringLiteral("3"));
      QVERIFY(t.QUERYCLOSE());
    }
    RationProblem expected = smallProblem();
    expected.matrix[1][2] = num(QStringLiteral("3.0000"));
    expected.changed.matrix = true;
    QCOMPARE(p, expected);

    // A matrix out of step with the names is not shown.
    p.matrix.removeLast();
    EntryTable broken(EntryKind::Matrix, p, ui);
    QVERIFY(broken.failed());
    QCOMPARE(ui.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Girişte bir hata oluştu!\r\rSonra tekrar deneyin!")});
  }

  void calculatorCommand()
  {
    CLASS_HKLM settings;
    settings.WORKING_SUBKEY(QStringLiteral("Software\\Tervolu\\VKSetings"));
    settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), QStringLiteral("/bin/true --x"));
    QCOMPARE(CalculatorLauncher::command(), QStringLiteral("/bin/true --x"));
    ScriptedInteraction ui;
    QVERIFY(CalculatorLauncher::WIN_HESMAK(ui));  // starts and returns at once
    QVERIFY(ui.shown.isEmpty());
    // A program that is there but does not start is not reported.
    QTemporaryDir bin;
    QFile broken(bin.filePath(QStringLiteral("hesap")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x7f" "ELF broken");
    broken.close();
    broken.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), broken.fileName());
    QVERIFY(!CalculatorLauncher::WIN_HESMAK(ui));
    QVERIFY(ui.shown.isEmpty());
    // A setting that names no program says so, as an empty one does.
    for (const QString &missing : {QStringLiteral("/no/such/calculator"), QStringLiteral("vz-no-such-calc --hesap")}) {
      settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), missing);
      QVERIFY(!CalculatorLauncher::WIN_HESMAK(ui));
      QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{CalculatorLauncher::noCalculatorText(missing)});
      QVERIFY(ui.texts(QStringLiteral("warning")).constFirst().contains(QStringLiteral("\"VKcalc\"")));
      QVERIFY(ui.texts(QStringLiteral("warning")).constFirst().contains(missing));
      ui.shown.clear();
    }
    settings.WRITESTRING(QString(), QStringLiteral("VKcalc"), QString());
    const QString fallback = CalculatorLauncher::command();
    QVERIFY(fallback.isEmpty() || QFileInfo(fallback).isExecutable());
    // No calculator anywhere: the user learns which setting names one.
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    QVERIFY(CalculatorLauncher::command().isEmpty());
    QVERIFY(!CalculatorLauncher::WIN_HESMAK(ui));
    qputenv("PATH", path);
    QCOMPARE(ui.texts(QStringLiteral("warning")), QStringList{CalculatorLauncher::noCalculatorText()});
    QVERIFY(CalculatorLauncher::noCalculatorText().contains(QStringLiteral("\"VKcalc\"")));
  }
};

QTEST_GUILESS_MAIN(TestEntryTable)
#include "tst_entrytable.moc"
