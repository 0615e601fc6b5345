// The grid column builds its cell editors; through the delegate a table view
// commits what was typed with Enter and drops it with Escape.
#include "controls/jqdatacolumn.h"
#include "controls/jqdatacolumndelegate.h"
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using namespace vz;

class TstJqDataColumn : public QObject {
  Q_OBJECT
private slots:
  void editorKind();
  void singleLineEditor();
  void comboEditor();
  void checkBoxEditor_data();
  void checkBoxEditor();
  void titlePictureAndButton();
  void pixelWidth();
  void cellEditCommitsAndCancels_data();
  void cellEditCommitsAndCancels();
};

void TstJqDataColumn::editorKind()
{
  JQDATACOLUMN col(17);
  QCOMPARE(col.editorKind(), JQDATACOLUMN::EditorKind::None);
  QCOMPARE(col.CONTROLSYM(), JQDATACOLUMN::EditorKind::SINGLELINEEDIT);
  QCOMPARE(col.CONTROLSYM(JQDATACOLUMN::EditorKind::COMBOBOX), JQDATACOLUMN::EditorKind::COMBOBOX);
  QVERIFY(col.CBARRAY().isEmpty());
  QCOMPARE(col.setCBARRAY({QStringLiteral("a"), QStringLiteral("b")}).size(), 2);
  col.setCAPTION(QStringLiteral("Seç"));
  col.CONTROLSYM(JQDATACOLUMN::EditorKind::CHECKBOX, QStringLiteral("x"));
  QCOMPARE(col.checkBoxCaption(), QStringLiteral("x"));
  col.CONTROLSYM(JQDATACOLUMN::EditorKind::CHECKBOX);
  QCOMPARE(col.checkBoxCaption(), QStringLiteral("Seç"));
  col.setCAPTION(QStringLiteral("Sonra"));
  QCOMPARE(col.checkBoxCaption(), QStringLiteral("Seç"));  // taken at the call
}

void TstJqDataColumn::singleLineEditor()
{
  QWidget owner;
  QFont f = owner.font();
  f.setPointSize(13);
  owner.setFont(f);
  JQDATACOLUMN col(17);
  col.setVALUE(QStringLiteral("     2.5000"));
  col.setFieldSpec({QStringLiteral("BMSABIT"), QLatin1Char('C'), 11, 0});
  QWidget *w = col.GETEDITOBJECT(&owner, 101, QRect(10, 20, 80, 18));
  QCOMPARE(col.editorKind(), JQDATACOLUMN::EditorKind::SINGLELINEEDIT);  // stays so
  auto *edit = qobject_cast<QLineEdit *>(w);
  QVERIFY(edit);
  QCOMPARE(edit->text(), QStringLiteral("     2.5000"));
  QCOMPARE(edit->geometry(), QRect(10, 20, 80, 18));
  QVERIFY(!edit->hasFrame());
  QVERIFY(edit->isHidden());
  QCOMPARE(edit->font().pointSize(), 13);
  QCOMPARE(edit->maxLength(), 11);
  QCOMPARE(edit->property("vzControlId").toInt(), 101);
  // The typed text stays readable: text and background differ.
  QVERIFY(edit->palette().color(QPalette::Text) != edit->palette().color(QPalette::Base));
  delete w;
}

void TstJqDataColumn::comboEditor()
{
  QWidget owner;
  JQDATACOLUMN col(17);
  col.CONTROLSYM(JQDATACOLUMN::EditorKind::COMBOBOX,
                 QStringList{QStringLiteral("Kg"), QStringLiteral("g")});
  col.setVALUE(QStringLiteral("g"));
  auto *combo = qobject_cast<QComboBox *>(col.GETEDITOBJECT(&owner, 101, QRect(0, 40, 60, 20)));
  QVERIFY(combo);
  QCOMPARE(combo->count(), 2);
  QCOMPARE(combo->currentText(), QStringLiteral("g"));
  QCOMPARE(combo->geometry().top(), 40);  // same top edge as the cell
  QCOMPARE(combo->view()->maximumHeight(), 100);
  delete combo;

  JQDATACOLUMN empty(17);
  empty.CONTROLSYM(JQDATACOLUMN::EditorKind::COMBOBOX);
  auto *none = qobject_cast<QComboBox *>(empty.GETEDITOBJECT(&owner, 101, QRect(0, 0, 60, 20)));
  QCOMPARE(none->count(), 0);
  delete none;
}

void TstJqDataColumn::checkBoxEditor_data()
{
  QTest::addColumn<QVariant>("value");
  QTest::addColumn<bool>("checked");
  QTest::newRow("bool true") << QVariant(true) << true;
  QTest::newRow("T") << QVariant(QStringLiteral("T")) << true;
  QTest::newRow("F") << QVariant(QStringLiteral("F")) << false;
  QTest::newRow("blank") << QVariant(QStringLiteral(" ")) << false;
}

void TstJqDataColumn::checkBoxEditor()
{
  QFETCH(QVariant, value);
  QFETCH(bool, checked);
  QWidget owner;
  JQDATACOLUMN col(17);
  col.CONTROLSYM(JQDATACOLUMN::EditorKind::CHECKBOX, QStringLiteral("Seçili"));
  col.setVALUE(value);
  auto *box = qobject_cast<QCheckBox *>(col.GETEDITOBJECT(&owner, 101, QRect(0, 0, 60, 20)));
  QVERIFY(box);
  QCOMPARE(box->text(), QStringLiteral("Seçili"));
  QCOMPARE(box->isChecked(), checked);
  delete box;
}

void TstJqDataColumn::titlePictureAndButton()
{
  JQDATACOLUMN col(17);
  col.SETFIELDBMP(QStringLiteral("VSKTOD"));
  QVERIFY(!col.titlePicture().isNull());
  col.SETFIELDBMP();
  QVERIFY(col.titlePicture().isNull());
  QVERIFY(!col.hasTitleButton());
  col.SETFIELDBUTTON();
  QVERIFY(col.hasTitleButton());
  QCOMPARE(col.titleButtonText(), QStringLiteral("*"));
}

void TstJqDataColumn::pixelWidth()
{
  QStandardItemModel model(2, 2);
  QTableView view;
  view.setModel(&model);
  view.setColumnWidth(1, 123);
  JQDATACOLUMN col(17);
  QVERIFY(col.PXLWIDTH() > 17);  // not attached: the character width
  col.attach(&view, 1);
  QCOMPARE(col.PXLWIDTH(), 123);
}

void TstJqDataColumn::cellEditCommitsAndCancels_data()
{
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("endKey");
  QTest::addColumn<QString>("cellAfter");
  QTest::newRow("enter commits") << "12,5" << int(Qt::Key_Return) << "12,5";
  QTest::newRow("escape cancels") << "12,5" << int(Qt::Key_Escape) << "     1.0000";
  QTest::newRow("tab commits") << "7" << int(Qt::Key_Tab) << "7";
}

void TstJqDataColumn::cellEditCommitsAndCancels()
{
  QFETCH(QString, typed);
  QFETCH(int, endKey);
  QFETCH(QString, cellAfter);
  QStandardItemModel model(2, 2);
  QAbstractItemModelTester tester(&model);
  model.setData(model.index(0, 1), QStringLiteral("     1.0000"));
  QTableView view;
  view.setModel(&model);
  JqDataColumnDelegate delegate;
  JQDATACOLUMN col(17);
  delegate.setColumn(1, &col);
  view.setItemDelegate(&delegate);
  view.show();
  view.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&view));
  const QModelIndex cell = model.index(0, 1);
  view.setCurrentIndex(cell);
  view.edit(cell);
  QPointer<QLineEdit> editor = view.findChild<QLineEdit *>(QStringLiteral("vzCellEditor101"));
  QVERIFY(editor);
  QCOMPARE(editor->text(), QStringLiteral("     1.0000"));
  QVERIFY(editor->isVisible());
  editor->selectAll();
  QTest::keyClicks(editor, typed);
  QTest::keyClick(editor, Qt::Key(endKey));
  QTRY_VERIFY(!editor || !editor->isVisible());
  QCOMPARE(model.data(cell).toString(), cellAfter);
}

QTEST_MAIN(TstJqDataColumn)
#include "tst_jqdatacolumn.moc"
