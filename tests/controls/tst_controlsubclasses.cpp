// The program's control subclasses, icons and dialog-unit conversion.
#include "controls/dialogunits.h"
#include "controls/jqcombobox.h"
#include "controls/jqlistbox.h"
#include "controls/jqrichedit.h"
#include "controls/jqsle.h"
#include "controls/jqtoolbar.h"
#include "controls/myfont.h"
#include "controls/toolbarpictures.h"
#include "controls/windowicons.h"
#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextCursor>
#include <QToolButton>
#include <QtTest>

using namespace vz;

namespace {

// A dialog with the "&İptal" handler the program's dialogs have.
class CancellableDialog : public QDialog {
  Q_OBJECT
public:
  int cancels = 0;
public slots:
  void PBIPTAL()
  {
    ++cancels;
    done(0);
  }
};

} // namespace

class TstControlSubclasses : public QObject {
  Q_OBJECT
private slots:
  void escapeCancelsOwningDialog_data();
  void escapeCancelsOwningDialog();
  void escapeWithOpenComboListOnlyClosesList();
  void sleReportsFocusAndTyping();
  void richEditEscapeClosesReportWindow();
  void richEditContextMenu();
  void richEditEffects_data();
  void richEditEffects();
  void myFont();
  void toolbar();
  void icons();
  void dialogUnitsScaleWithFont();
};

void TstControlSubclasses::escapeCancelsOwningDialog_data()
{
  QTest::addColumn<QString>("control");
  QTest::addColumn<bool>("withHandler");
  QTest::newRow("JQSLE, dialog's PBIPTAL") << "sle" << true;
  QTest::newRow("JQLISTBOX, dialog's PBIPTAL") << "list" << true;
  QTest::newRow("JQCOMBOBOX, dialog's PBIPTAL") << "combo" << true;
  QTest::newRow("JQSLE, plain dialog is rejected") << "sle" << false;
}

void TstControlSubclasses::escapeCancelsOwningDialog()
{
  QFETCH(QString, control);
  QFETCH(bool, withHandler);
  CancellableDialog withSlot;
  QDialog plain;
  QDialog *dlg = withHandler ? static_cast<QDialog *>(&withSlot) : &plain;
  QWidget *w = nullptr;
  if (control == QLatin1String("sle"))
    w = new JQSLE(dlg);
  else if (control == QLatin1String("list"))
    w = new JQLISTBOX(dlg);
  else
    w = new JQCOMBOBOX(dlg);
  dlg->show();
  QVERIFY(QTest::qWaitForWindowExposed(dlg));
  w->setFocus();
  QTest::keyClick(w, Qt::Key_Escape);
  QVERIFY(!dlg->isVisible());
  QCOMPARE(dlg->result(), 0);
  if (withHandler)
    QCOMPARE(withSlot.cancels, 1);
}

void TstControlSubclasses::escapeWithOpenComboListOnlyClosesList()
{
  CancellableDialog dlg;
  auto *combo = new JQCOMBOBOX(&dlg);
  combo->addItems({QStringLiteral("HP"), QStringLiteral("NEL")});
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  combo->showPopup();
  QTRY_VERIFY(combo->view()->isVisible());
  QTest::keyClick(combo->view(), Qt::Key_Escape);
  QTRY_VERIFY(!combo->view()->isVisible());
  QVERIFY(dlg.isVisible());
  QCOMPARE(dlg.cancels, 0);
}

void TstControlSubclasses::sleReportsFocusAndTyping()
{
  QDialog dlg;
  auto *a = new JQSLE(&dlg);
  auto *b = new JQSLE(&dlg);
  b->move(0, 40);
  QSignalSpy spy(a, &JQSLE::focusChanged);
  dlg.show();
  dlg.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dlg));
  a->setFocus();
  a->setText(QStringLiteral("preset"));
  QVERIFY(!a->typedSinceFocus());
  QTest::keyClick(a, Qt::Key_5);
  QVERIFY(a->typedSinceFocus());
  b->setFocus();
  QTRY_COMPARE(spy.size(), 2);
  QCOMPARE(spy.at(0).at(0).toBool(), true);
  QCOMPARE(spy.at(1).at(0).toBool(), false);
  a->setFocus();
  QVERIFY(!a->typedSinceFocus());  // counted afresh each time it has the focus
}

void TstControlSubclasses::richEditEscapeClosesReportWindow()
{
  QMdiArea area;
  auto *edit = new JQRICHEDIT;
  QMdiSubWindow *sub = area.addSubWindow(edit);
  area.show();
  sub->show();
  QVERIFY(QTest::qWaitForWindowExposed(&area));
  QSignalSpy destroyed(sub, &QObject::destroyed);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  QTest::keyClick(edit, Qt::Key_Escape);
  QTRY_COMPARE(destroyed.size(), 1);
}

void TstControlSubclasses::richEditContextMenu()
{
  JQRICHEDIT edit;
  QVERIFY(!edit.contextMenu());
  QMenu menu(QStringLiteral("&Yazım"));
  edit.setContextMenu(&menu);
  QCOMPARE(edit.contextMenu(), &menu);
}

void TstControlSubclasses::richEditEffects_data()
{
  QTest::addColumn<QString>("html");
  QTest::addColumn<bool>("boldAfterFirst");
  QTest::addColumn<bool>("boldAfterLast");
  QTest::newRow("all bold becomes plain") << "<b>abcdef</b>" << false << false;
  QTest::newRow("all plain becomes bold") << "abcdef" << true << true;
  QTest::newRow("mixed stays mixed") << "<b>abc</b>def" << true << false;
}

void TstControlSubclasses::richEditEffects()
{
  QFETCH(QString, html);
  QFETCH(bool, boldAfterFirst);
  QFETCH(bool, boldAfterLast);
  JQRICHEDIT edit;
  edit.setHtml(html);
  QTextCursor c(edit.document());
  c.movePosition(QTextCursor::Start);
  c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  edit.setTextCursor(c);
  edit.SETBOLD();
  auto boldAt = [&edit](int pos) {
    QTextCursor probe(edit.document());
    probe.setPosition(pos);
    return probe.charFormat().fontWeight() >= QFont::Bold;
  };
  QCOMPARE(boldAt(1), boldAfterFirst);
  QCOMPARE(boldAt(6), boldAfterLast);
  // Italic and underline follow the same rule on a uniform selection.
  edit.SETITALIC();
  edit.SETUNDERLINE();
  QTextCursor probe(edit.document());
  probe.setPosition(3);
  QVERIFY(probe.charFormat().fontItalic());
  QVERIFY(probe.charFormat().fontUnderline());
}

void TstControlSubclasses::myFont()
{
  MYFONT f(QSize(12, 12), 49, 162, 0, 400);
  QVERIFY(f.isValid());
  QCOMPARE(f.height(), -12);
  QCOMPARE(f.width(), 12);
  QCOMPARE(f.weight(), 400);
  QCOMPARE(f.charSet(), 162);
  QCOMPARE(f.pitchAndFamily(), 49);
  QCOMPARE(f.outPrecision(), 2);
  QCOMPARE(f.clipPrecision(), 1);
  QCOMPARE(f.faceName(), QStringLiteral("Courier New"));
  QCOMPARE(f.font().pixelSize(), 12);
  QVERIFY(f.font().fixedPitch());
  MYFONT bad(QSize(0, 0), 49, 162, 0, 400);
  QVERIFY(!bad.isValid());
  QCOMPARE(bad.height(), 0);
}

void TstControlSubclasses::toolbar()
{
  JQTOOLBAR bar;
  QAction close(QStringLiteral("&Kapat"));
  QAction cut(QStringLiteral("&Kes"));
  bar.APPENDITEM(3, &close);
  bar.APPENDITEM(0);
  bar.APPENDITEM(101, &cut);
  bar.ADDTIPTEXT(101, &cut, QStringLiteral("Kes"));
  const QList<QAction *> actions = bar.actions();
  QCOMPARE(actions.size(), 3);
  QVERIFY(actions.at(1)->isSeparator());
  QToolButton *cutButton = nullptr;
  for (QToolButton *b : bar.findChildren<QToolButton *>())
    if (b->defaultAction() == &cut)
      cutButton = b;
  QVERIFY(cutButton);
  QCOMPARE(cutButton->toolTip(), QStringLiteral("Kes"));
  QCOMPARE(cutButton->toolButtonStyle(), Qt::ToolButtonIconOnly);
  QVERIFY(!cutButton->icon().isNull());
  // Disabling the menu item keeps the picture and the tip on its button.
  cut.setEnabled(false);
  QVERIFY(!cutButton->isEnabled());
  QCOMPARE(cutButton->toolTip(), QStringLiteral("Kes"));
  QVERIFY(!cutButton->icon().isNull());
  QSignalSpy triggered(&close, &QAction::triggered);
  for (QToolButton *b : bar.findChildren<QToolButton *>())
    if (b->defaultAction() == &close)
      b->click();
  QCOMPARE(triggered.size(), 1);
  QVERIFY(!toolbarPicture(9999).isNull());
}

void TstControlSubclasses::icons()
{
  const QList<QPair<QIcon, QSize>> all = {
      {VSKTOD(), QSize(280, 243)}, {VSKMAIN(), QSize(64, 64)}, {IDI_COCPADICON(), QSize(32, 32)},
      {VSKICON(), QSize(32, 32)}, {PSWICO(), QSize(32, 32)},
      {ICOOKUP(), QSize(32, 32)}, {ICOOKDOWN(), QSize(32, 32)}, {ICOOKDISABLED(), QSize(32, 32)},
      {ICOCANCELUP(), QSize(32, 32)}, {ICOCANCELDOWN(), QSize(32, 32)},
      {ICOCANCELDISABLED(), QSize(32, 32)}, {ICONOUP(), QSize(32, 32)}, {ICONODOWN(), QSize(32, 32)},
      {ICONODISABLED(), QSize(32, 32)}, {ICOHELPUP(), QSize(32, 32)}, {ICOHELPDOWN(), QSize(32, 32)},
      {ICOHELPDISABLED(), QSize(32, 32)}, {A1_FORUMLIB(), QSize(32, 32)}};
  for (const auto &[icon, size] : all) {
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes().value(0), size);
  }
  // Two objects, each holding the same picture.
  VSKTOD a;
  VSKTOD b;
  QCOMPARE(a.pixmap(32).toImage(), b.pixmap(32).toImage());
  QVERIFY(resourceIcon(QStringLiteral("NO_SUCH_ICON")).isNull());
  QCOMPARE(LIGHTBULB().size(), QSize(48, 48));
  QVERIFY(BITMAPFROMDISK(QStringLiteral("/nonexistent/picture.bmp")).isNull());
}

void TstControlSubclasses::dialogUnitsScaleWithFont()
{
  QFont small = DialogUnits::shellDlgFont();
  QFont large = small;
  large.setPointSize(16);
  const DialogUnits s(small);
  const DialogUnits l(large);
  QVERIFY(s.x(4) > 0 && s.y(8) > 0);
  QCOMPARE(s.y(8), QFontMetrics(small).height());
  QVERIFY(l.x(300) > s.x(300));
  QVERIFY(l.y(33) > s.y(33));
  QCOMPARE(s.rect(4, 18, 240, 11), QRect(s.x(4), s.y(18), s.x(240), s.y(11)));
}

QTEST_MAIN(TstControlSubclasses)
#include "tst_controlsubclasses.moc"
