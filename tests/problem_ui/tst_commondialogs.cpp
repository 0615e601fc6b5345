// The new-problem, value, choice, column arithmetic and about dialogs: OK,
// Enter, Escape and the close box give the exported fields the callers read.
#include "controls/jqcombobox.h"
#include "modalhelper.h"
#include "controls/jqlistbox.h"
#include "controls/jqsle.h"
#include "problem/ui/achoice.h"
#include "problem/ui/colonmaths.h"
#include "problem/ui/marktopbot.h"
#include "problem/ui/mbm_wind.h"
#include "problem/ui/vzyrhakkinda.h"
#include "problem/ui/yenidosyawindow.h"
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

// How a dialog is ended in a test row.
enum class End { OkButton, Enter, EscapeInControl, EscapeOnDialog, CloseBox };

void showActive(QWidget *w)
{
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

void moveFocusAway(QWidget *to)
{
  to->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
}

QString blanks11() { return QString(11, QLatin1Char(' ')); }

const QStringList kFields = {QStringLiteral("YM_ADI"), QStringLiteral("FIATI"), QStringLiteral("KM"),
                             QStringLiteral("HP"),     QStringLiteral("NEL"),   QStringLiteral("B12")};

// The text of the message box the next modal run shows, answered with its
// first button.
void answerNextBox(QString *seen)
{
  vz::test::whenModal([seen](QWidget *w) {
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
      *seen = box->text();
      box->buttons().first()->click();
    }
  });
}

} // namespace

Q_DECLARE_METATYPE(End)

class TstCommonDialogs : public QObject {
  Q_OBJECT
private slots:
  void newProblemName_data();
  void newProblemName();
  void newProblemNameLimit();

  void valueDialog_data();
  void valueDialog();
  void valueDialogRefuses_data();
  void valueDialogRefuses();

  void chooseOne_data();
  void chooseOne();

  void chooseMany_data();
  void chooseMany();
  void chooseManySelectAllToggle();

  void columnArithmeticOffersColumns();
  void columnArithmetic_data();
  void columnArithmetic();
  void columnArithmeticStaysOpen_data();
  void columnArithmeticStaysOpen();
  void columnArithmeticRefusesZeroDivisor();

  void aboutBox();
};

// ---- YENIDOSYAWINDOW

void TstCommonDialogs::newProblemName_data()
{
  QTest::addColumn<QString>("typed");
  QTest::addColumn<End>("end");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("result");
  QTest::newRow("ok") << "Süt İneği 1" << End::OkButton << "Süt İneği 1" << 1;
  QTest::newRow("enter") << "  besi  " << End::Enter << "  besi  " << 1;
  QTest::newRow("ok on empty") << "" << End::OkButton << "" << 1;
  QTest::newRow("escape in edit") << "besi" << End::EscapeInControl << "" << 0;
  QTest::newRow("close box") << "besi" << End::CloseBox << "" << 0;
}

void TstCommonDialogs::newProblemName()
{
  QFETCH(QString, typed);
  QFETCH(End, end);
  QFETCH(QString, expected);
  QFETCH(int, result);
  YENIDOSYAWINDOW dlg;
  showActive(&dlg);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Yeni..."));
  vz::test::typeText(dlg.DOSYAADILINE(), typed);
  switch (end) {
  case End::OkButton: QTest::mouseClick(dlg.okButton(), Qt::LeftButton); break;
  case End::Enter: QTest::keyClick(dlg.DOSYAADILINE(), Qt::Key_Return); break;
  case End::EscapeInControl: QTest::keyClick(dlg.DOSYAADILINE(), Qt::Key_Escape); break;
  case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
  case End::CloseBox: dlg.close(); break;
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.result(), result);
  QCOMPARE(dlg.CDOSYA(), expected);
}

void TstCommonDialogs::newProblemNameLimit()
{
  YENIDOSYAWINDOW dlg;
  showActive(&dlg);
  vz::test::typeText(dlg.DOSYAADILINE(), QString(70, QLatin1Char('a')));
  QTest::keyClick(dlg.DOSYAADILINE(), Qt::Key_Return);
  QCOMPARE(dlg.CDOSYA(), QString(65, QLatin1Char('a')));
}

// ---- MBM_WIND

void TstCommonDialogs::valueDialog_data()
{
  QTest::addColumn<QString>("typed");  // "<untouched>" leaves the edit alone
  QTest::addColumn<bool>("leaveEdit");
  QTest::addColumn<End>("end");
  QTest::addColumn<QString>("expected");
  const QString preset = QStringLiteral("     2.3400");
  QTest::newRow("ok untouched gives preset") << "<untouched>" << false << End::OkButton << preset;
  QTest::newRow("typed 12,5, focus leaves, ok") << "12,5" << true << End::OkButton << "    12.5000";
  QTest::newRow("typed 12,5, enter") << "12,5" << false << End::Enter << "    12.5000";
  QTest::newRow("typed 7, ok without leaving") << "7" << false << End::OkButton << "     7.0000";
  QTest::newRow("emptied edit gives blanks") << "" << true << End::OkButton << blanks11();
  QTest::newRow("minus five keeps its sign") << "-5" << true << End::OkButton << "    -5.0000";
  QTest::newRow("minus 2,5 by enter") << "-2,5" << false << End::Enter << "    -2.5000";
  QTest::newRow("widest negative") << "-99999,9999" << false << End::Enter << "-99999.9999";
  QTest::newRow("escape keeps preset") << "9" << false << End::EscapeInControl << preset;
  QTest::newRow("close box keeps preset") << "9" << true << End::CloseBox << preset;
}

void TstCommonDialogs::valueDialog()
{
  QFETCH(QString, typed);
  QFETCH(bool, leaveEdit);
  QFETCH(End, end);
  QFETCH(QString, expected);
  MBM_WIND dlg(nullptr, QStringLiteral("HP için yeni değer (g/Kg):"), QStringLiteral("     2.3400"));
  showActive(&dlg);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Makro BM Yeni Değer Girişi"));
  QCOMPARE(dlg.FIXEDTEXT1()->text(), QStringLiteral("HP için yeni değer (g/Kg):"));
  QCOMPARE(dlg.FIXEDTEXT1()->buddy(), dlg.MBM_EDIT());
  QCOMPARE(dlg.CTXTVAL(), QStringLiteral("     2.3400"));
  dlg.MBM_EDIT()->setFocus();
  if (typed != QLatin1String("<untouched>")) {
    dlg.MBM_EDIT()->selectAll();
    if (typed.isEmpty())
      QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Delete);
    else
      vz::test::typeText(dlg.MBM_EDIT(), typed);
  }
  if (leaveEdit) {
    moveFocusAway(dlg.cancelButton());
    if (typed == QLatin1String("12,5"))
      QCOMPARE(dlg.MBM_EDIT()->text(), QStringLiteral("    12.5000"));
  }
  switch (end) {
  case End::OkButton: QTest::mouseClick(dlg.okButton(), Qt::LeftButton); break;
  case End::Enter: QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Return); break;
  case End::EscapeInControl: QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Escape); break;
  case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
  case End::CloseBox: dlg.close(); break;
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.CTXTVAL(), expected);
}

void TstCommonDialogs::valueDialogRefuses_data()
{
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("leaveEdit");
  QTest::addColumn<QString>("message");
  const QString tooWide = QStringLiteral("Sayı 11 karakterden uzun olamaz!");
  QTest::newRow("letter O for zero") << "1O" << false << "\"1O\" bir sayı değil!";
  QTest::newRow("letters, focus left") << "abc" << true << "\"abc\" bir sayı değil!";
  QTest::newRow("two signs") << "--5" << false << "\"--5\" bir sayı değil!";
  QTest::newRow("seven digits") << "1234567" << false << tooWide;
  QTest::newRow("six digits and a sign") << "-123456" << true << tooWide;
}

// Text that is no number, or too wide, is named and kept; the dialog stays
// open until a number is given.
void TstCommonDialogs::valueDialogRefuses()
{
  QFETCH(QString, typed);
  QFETCH(bool, leaveEdit);
  QFETCH(QString, message);
  MBM_WIND dlg(nullptr, QStringLiteral("Arpa->HP Değerini Giriniz:"), QStringLiteral("     2.3400"));
  showActive(&dlg);
  dlg.MBM_EDIT()->setFocus();
  dlg.MBM_EDIT()->selectAll();
  vz::test::typeText(dlg.MBM_EDIT(), typed);
  if (leaveEdit)
    moveFocusAway(dlg.cancelButton());
  QString seen;
  answerNextBox(&seen);
  QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
  QCOMPARE(seen, message);
  QVERIFY(dlg.isVisible());
  QCOMPARE(dlg.MBM_EDIT()->text(), typed);
  QCOMPARE(dlg.CTXTVAL(), QStringLiteral("     2.3400"));
  dlg.MBM_EDIT()->selectAll();
  vz::test::typeText(dlg.MBM_EDIT(), QStringLiteral("-7"));
  QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Return);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.CTXTVAL(), QStringLiteral("    -7.0000"));
}

// ---- ACHOICE

void TstCommonDialogs::chooseOne_data()
{
  QTest::addColumn<int>("clickRow");   // -1: no click
  QTest::addColumn<int>("selectRow");  // selected without closing, -1: none
  QTest::addColumn<End>("end");
  QTest::addColumn<int>("expected");
  QTest::newRow("click on second closes") << 1 << -1 << End::OkButton << 2;
  QTest::newRow("ok without selection") << -1 << -1 << End::OkButton << 0;
  QTest::newRow("enter on third") << -1 << 2 << End::Enter << 3;
  QTest::newRow("escape in list") << -1 << 1 << End::EscapeInControl << 0;
  QTest::newRow("close box") << -1 << 1 << End::CloseBox << 0;
}

void TstCommonDialogs::chooseOne()
{
  QFETCH(int, clickRow);
  QFETCH(int, selectRow);
  QFETCH(End, end);
  QFETCH(int, expected);
  const QStringList items = {QStringLiteral("HP"), QStringLiteral("NEL"), QStringLiteral("Ca")};
  ACHOICE dlg(nullptr, QStringLiteral("Bölünen Seçimi"), items);
  showActive(&dlg);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Bölünen Seçimi"));
  QCOMPARE(dlg.BMLIST()->count(), 3);
  if (clickRow >= 0) {
    JQLISTBOX *list = dlg.BMLIST();
    const QRect r = list->visualItemRect(list->item(clickRow));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(!dlg.isVisible());
  } else {
    if (selectRow >= 0)
      dlg.BMLIST()->setCurrentRow(selectRow);
    switch (end) {
    case End::OkButton: QTest::mouseClick(dlg.okButton(), Qt::LeftButton); break;
    case End::Enter: QTest::keyClick(dlg.BMLIST(), Qt::Key_Return); break;
    case End::EscapeInControl: QTest::keyClick(dlg.BMLIST(), Qt::Key_Escape); break;
    case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
    case End::CloseBox: dlg.close(); break;
    }
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(int(dlg.NSELECTED()), expected);
  QCOMPARE(items.size(), 3);
}

// ---- MARKTOPBOT

void TstCommonDialogs::chooseMany_data()
{
  QTest::addColumn<QList<int>>("clicks");  // rows clicked, in order
  QTest::addColumn<End>("end");
  QTest::addColumn<QList<int>>("expected");
  QTest::newRow("3 then 1") << QList<int>{2, 0} << End::OkButton << QList<int>{1, 3};
  QTest::newRow("click twice deselects") << QList<int>{1, 1, 3} << End::OkButton << QList<int>{4};
  QTest::newRow("enter") << QList<int>{0} << End::Enter << QList<int>{1};
  QTest::newRow("cancel after selecting") << QList<int>{0, 2} << End::EscapeInControl << QList<int>{};
  QTest::newRow("close box") << QList<int>{0} << End::CloseBox << QList<int>{};
  QTest::newRow("nothing") << QList<int>{} << End::OkButton << QList<int>{};
}

void TstCommonDialogs::chooseMany()
{
  QFETCH(QList<int>, clicks);
  QFETCH(End, end);
  QFETCH(QList<int>, expected);
  const QStringList items = {QStringLiteral("KM"), QStringLiteral("HP"), QStringLiteral("NEL"),
                             QStringLiteral("Ca")};
  MARKTOPBOT dlg(nullptr, QStringLiteral("Bağlı Besin Maddeleri Seçimi"), items);
  showActive(&dlg);
  JQLISTBOX *list = dlg.LBTOSELECT();
  for (int row : clicks)
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  switch (end) {
  case End::OkButton: QTest::mouseClick(dlg.okButton(), Qt::LeftButton); break;
  case End::Enter: QTest::keyClick(list, Qt::Key_Return); break;
  case End::EscapeInControl: QTest::keyClick(list, Qt::Key_Escape); break;
  case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
  case End::CloseBox: dlg.close(); break;
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.ANSELECTED(), expected);
}

void TstCommonDialogs::chooseManySelectAllToggle()
{
  const QStringList items = {QStringLiteral("KM"), QStringLiteral("HP"), QStringLiteral("NEL")};
  {
    MARKTOPBOT dlg(nullptr, QStringLiteral("Bağlı Besin Maddeleri Seçimi"), items);
    showActive(&dlg);
    QPushButton *all = dlg.selectAllButton();
    QVERIFY(all);
    QCOMPARE(all->text(), QStringLiteral("Tümünü &Seç"));
    QTest::mouseClick(all, Qt::LeftButton);
    QCOMPARE(all->text(), QStringLiteral("Tümünü &Kaldır"));
    QCOMPARE(dlg.LBTOSELECT()->selectedItems().size(), 3);
    QCOMPARE(QApplication::focusWidget(), dlg.LBTOSELECT());
    // Selecting by hand leaves the caption alone.
    JQLISTBOX *list = dlg.LBTOSELECT();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(all->text(), QStringLiteral("Tümünü &Kaldır"));
    QTest::mouseClick(all, Qt::LeftButton);
    QCOMPARE(all->text(), QStringLiteral("Tümünü &Seç"));
    QCOMPARE(dlg.LBTOSELECT()->selectedItems().size(), 0);
    QTest::mouseClick(all, Qt::LeftButton);
    QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    QCOMPARE(dlg.ANSELECTED(), (QList<int>{1, 2, 3}));
  }
  {
    MARKTOPBOT dlg(nullptr, QStringLiteral("Yem Maddesi Seçimi"), items, false);
    QVERIFY(!dlg.selectAllButton());
    QVERIFY(!dlg.findChild<QPushButton *>(QStringLiteral("PBTSEC")));
  }
}

// ---- COLONMATHS

void TstCommonDialogs::columnArithmeticOffersColumns()
{
  COLONMATHS dlg(nullptr, kFields);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Kolon Aritmetiği"));
  QCOMPARE(dlg.fieldNameList(), (QStringList{QStringLiteral("KM"), QStringLiteral("HP"), QStringLiteral("NEL"),
                                             QStringLiteral("B12")}));
  QCOMPARE(dlg.CBVALAP()->count(), 4);
  QCOMPARE(dlg.CVTYPE(), QStringLiteral("U"));
  QVERIFY(dlg.cancelButton()->isDefault());
  QCOMPARE(dlg.operatorButton(QLatin1Char('-'))->text(), QStringLiteral("--"));
}

void TstCommonDialogs::columnArithmetic_data()
{
  QTest::addColumn<QString>("typed");     // "#n" picks list entry n
  QTest::addColumn<QString>("press");     // "+", "-", "*", "/", "cancel", "escape", "close"
  QTest::addColumn<bool>("leaveFirst");   // the focus leaves the combo before the press
  QTest::addColumn<QString>("op");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("type");
  QTest::newRow("pick HP, times") << "#1" << "*" << false << "*" << "HP" << "A";
  QTest::newRow("2,5 plus, mouse") << "2,5" << "+" << true << "+" << "2.5000" << "N";
  QTest::newRow("2,5 plus, shortcut") << "2,5" << "+" << false << "+" << "2.5000" << "N";
  QTest::newRow("2.5 divide") << "2.5" << "/" << true << "/" << "2.5000" << "N";
  QTest::newRow("minus five keeps its sign") << "-5" << "-" << true << "-" << "-5.0000" << "N";
  QTest::newRow("minus 2,5, shortcut") << "-2,5" << "*" << false << "*" << "-2.5000" << "N";
  QTest::newRow("six digits fit") << "999999" << "+" << true << "+" << "999999.0000" << "N";
  QTest::newRow("typed column name") << "NEL" << "-" << false << "-" << "NEL" << "A";
  QTest::newRow("pick B12, a name with digits") << "#3" << "+" << false << "+" << "B12" << "A";
  QTest::newRow("typed B12, a name with digits") << "B12" << "/" << true << "/" << "B12" << "A";
  QTest::newRow("empty operand is cancel") << "" << "*" << false << "" << "" << "U";
  QTest::newRow("cancel") << "3" << "cancel" << false << "" << "" << "U";
  QTest::newRow("escape in combo") << "3" << "escape" << false << "" << "" << "U";
  QTest::newRow("close box") << "HP" << "close" << false << "" << "" << "U";
  QTest::newRow("enter is the default cancel") << "3" << "enter" << false << "" << "" << "U";
}

void TstCommonDialogs::columnArithmetic()
{
  QFETCH(QString, typed);
  QFETCH(QString, press);
  QFETCH(bool, leaveFirst);
  QFETCH(QString, op);
  QFETCH(QString, value);
  QFETCH(QString, type);
  COLONMATHS dlg(nullptr, kFields);
  showActive(&dlg);
  JQCOMBOBOX *combo = dlg.CBVALAP();
  combo->setFocus();
  if (typed.startsWith(QLatin1Char('#'))) {
    combo->setCurrentIndex(typed.mid(1).toInt());
  } else {
    vz::test::typeText(combo, typed);
  }
  if (leaveFirst) {
    moveFocusAway(dlg.cancelButton());
    QCoreApplication::processEvents();
  }
  if (press == QLatin1String("cancel"))
    QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
  else if (press == QLatin1String("escape"))
    QTest::keyClick(combo, Qt::Key_Escape);
  else if (press == QLatin1String("enter"))
    QTest::keyClick(combo, Qt::Key_Return);
  else if (press == QLatin1String("close"))
    dlg.close();
  else
    dlg.operatorButton(press.at(0))->click();
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.COPERAT(), op);
  QCOMPARE(dlg.CVALUEX(), value);
  QCOMPARE(dlg.CVTYPE(), type);
}

void TstCommonDialogs::columnArithmeticStaysOpen_data()
{
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  const QString notNumber = QStringLiteral("\"%1\" bir sayı değil!\n\nBir sayı yazınız ya da listeden bir besin "
                                           "maddesi seçiniz.");
  QTest::newRow("lower-case column") << "hp" << notNumber.arg(QStringLiteral("hp"));
  QTest::newRow("unknown name") << "XYZ" << notNumber.arg(QStringLiteral("XYZ"));
  QTest::newRow("price column") << "FIATI" << notNumber.arg(QStringLiteral("FIATI"));
  QTest::newRow("name column") << "YM_ADI" << notNumber.arg(QStringLiteral("YM_ADI"));
  QTest::newRow("letter O for zero") << "1O" << notNumber.arg(QStringLiteral("1O"));
  QTest::newRow("seven integer digits") << "9999999" << "Sayı 11 karakterden uzun olamaz!";
  QTest::newRow("eight integer digits") << "99999999" << "Sayı 11 karakterden uzun olamaz!";
}

void TstCommonDialogs::columnArithmeticStaysOpen()
{
  QFETCH(QString, typed);
  QFETCH(QString, message);
  COLONMATHS dlg(nullptr, kFields);
  showActive(&dlg);
  vz::test::typeText(dlg.CBVALAP(), typed);
  QString seen;
  answerNextBox(&seen);
  dlg.operatorButton(QLatin1Char('+'))->click();
  QCOMPARE(seen, message);
  QVERIFY(dlg.isVisible());
  QCOMPARE(dlg.COPERAT(), QString());
  QCOMPARE(dlg.CBVALAP()->currentText(), typed);  // nothing typed is lost
  QCOMPARE(dlg.focusWidget(), dlg.CBVALAP());
  dlg.close();
  QCOMPARE(dlg.CVTYPE(), QStringLiteral("U"));
}

void TstCommonDialogs::columnArithmeticRefusesZeroDivisor()
{
  COLONMATHS dlg(nullptr, kFields);
  showActive(&dlg);
  vz::test::typeText(dlg.CBVALAP(), QStringLiteral("0,0"));
  QString seen;
  QTimer::singleShot(0, &dlg, [&seen] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
      return;
    seen = box->text();
    box->buttons().first()->click();
  });
  dlg.operatorButton(QLatin1Char('/'))->click();
  QCOMPARE(seen, QStringLiteral("Sıfıra bölme yapılamaz!"));
  QVERIFY(dlg.isVisible());
  QCOMPARE(dlg.COPERAT(), QString());
  // Multiplying by the same zero is allowed.
  dlg.operatorButton(QLatin1Char('*'))->click();
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.COPERAT(), QStringLiteral("*"));
  QCOMPARE(dlg.CVALUEX(), QStringLiteral("0.0000"));
}

// ---- VZYRHAKKINDA

void TstCommonDialogs::aboutBox()
{
  const QString terms = VZYRHAKKINDA::termsText();
  QCOMPARE(terms.count(QLatin1Char('\n')), 2);
  QVERIFY(terms.startsWith(QStringLiteral("Bu programda; çok sayıda değişken bulunmakta, girdilerin seçimi ve \n")));
  QVERIFY(terms.endsWith(QStringLiteral("Yazar hiç bir sorumluluk kabul etmez.")));
  for (End end : {End::OkButton, End::Enter, End::EscapeOnDialog, End::CloseBox}) {
    VZYRHAKKINDA dlg;
    showActive(&dlg);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Hakkında..."));
    QCOMPARE(dlg.termsLabel()->text(), terms);
    auto *title = dlg.findChild<QLabel *>(QStringLiteral("FIXEDTEXT1"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Vesk_Zyr 2.0"));
    QVERIFY(!dlg.findChild<QLabel *>(QStringLiteral("FIXEDICON"))->pixmap().isNull());
    switch (end) {
    case End::OkButton: QTest::mouseClick(dlg.okButton(), Qt::LeftButton); break;
    case End::Enter: QTest::keyClick(&dlg, Qt::Key_Return); break;
    case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
    default: dlg.close(); break;
    }
    QVERIFY(!dlg.isVisible());
  }
}

QTEST_MAIN(TstCommonDialogs)
#include "tst_commondialogs.moc"
