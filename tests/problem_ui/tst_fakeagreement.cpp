// The scripted fake gives callers' tests what the real dialogs give for the
// same typing: the value dialog, the column arithmetic dialog and the
// name-pairing dialog.
#include "controls/jqcombobox.h"
#include "controls/jqsle.h"
#include "modalhelper.h"
#include "problem/ui/cb_hsec.h"
#include "problem/ui/colonmaths.h"
#include "problem/ui/mbm_wind.h"
#include "scriptedinteraction.h"
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

const QStringList kFields = {QStringLiteral("YM_ADI"), QStringLiteral("FIATI"),
                             QStringLiteral("KM"), QStringLiteral("HP"), QStringLiteral("B12")};

} // namespace

class TstFakeAgreement : public QObject {
  Q_OBJECT
private slots:
  void value_data();
  void value();
  void column_data();
  void column();
  void pairing_data();
  void pairing();
};

void TstFakeAgreement::value_data()
{
  QTest::addColumn<QString>("typed");  // "<cancel>" presses "&İptal"
  QTest::addColumn<bool>("refused");   // the dialog names the text and stays open; then "&İptal"
  QTest::newRow("number") << "12,5" << false;
  QTest::newRow("preset retyped") << "     2.0000" << false;
  QTest::newRow("empty") << "" << false;
  QTest::newRow("below zero") << "-5" << false;
  QTest::newRow("letters") << "yok" << true;
  QTest::newRow("letter O for zero") << "1O" << true;
  QTest::newRow("too wide") << "12345678" << true;
  QTest::newRow("cancel") << "<cancel>" << false;
}

// What the real dialog shows (its message box, if any) and hands back.
struct RealAnswer {
  QString message;
  bool closed = false;
};

void TstFakeAgreement::value()
{
  QFETCH(QString, typed);
  QFETCH(bool, refused);
  const QString preset = QStringLiteral("     2.0000");
  MBM_WIND dlg(nullptr, QStringLiteral("Yeni değer:"), preset);
  dlg.show();
  RealAnswer real;
  if (typed == QLatin1String("<cancel>")) {
    dlg.PBIPTAL();
  } else {
    dlg.MBM_EDIT()->selectAll();
    if (typed.isEmpty())
      QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Delete);
    else
      vz::test::typeText(dlg.MBM_EDIT(), typed);
    if (refused)
      vz::test::whenModal([&real](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
          real.message = box->text();
          box->buttons().first()->click();
        }
      });
    QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Return);
    if (refused) {
      QVERIFY(dlg.isVisible());
      dlg.PBIPTAL();
    }
  }
  vz::test::ScriptedInteraction fake;
  if (typed == QLatin1String("<cancel>")) {
    fake.valueAnswers.enqueue(std::nullopt);
  } else {
    fake.valueAnswers.enqueue(typed);
    if (refused)
      fake.valueAnswers.enqueue(std::nullopt);
  }
  QCOMPARE(fake.askValue(QStringLiteral("Yeni değer:"), preset), dlg.CTXTVAL());
  QCOMPARE(fake.texts(QStringLiteral("warning")), refused ? QStringList{real.message} : QStringList());
}

void TstFakeAgreement::column_data()
{
  QTest::addColumn<QString>("op");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("refused");  // the dialog names the text and stays open; then "&İptal"
  QTest::newRow("column") << "*" << "HP" << false;
  QTest::newRow("column with digits") << "+" << "B12" << false;
  QTest::newRow("mixed number") << "+" << "2,5" << false;
  QTest::newRow("sign kept") << "-" << "-5" << false;
  QTest::newRow("letter O for zero") << "*" << "1O" << true;
  QTest::newRow("seven integer digits") << "+" << "1234567" << true;
  QTest::newRow("empty") << "/" << "" << false;
  QTest::newRow("cancel") << "" << "3" << false;
}

void TstFakeAgreement::column()
{
  QFETCH(QString, op);
  QFETCH(QString, typed);
  QFETCH(bool, refused);
  COLONMATHS dlg(nullptr, kFields);
  dlg.show();
  vz::test::typeText(dlg.CBVALAP(), typed);
  RealAnswer real;
  if (refused)
    vz::test::whenModal([&real](QWidget *w) {
      if (auto *box = qobject_cast<QMessageBox *>(w)) {
        real.message = box->text();
        box->buttons().first()->click();
      }
    });
  if (op.isEmpty())
    dlg.PBIPTAL();
  else
    dlg.operatorButton(op.at(0))->click();
  if (refused) {
    QVERIFY(dlg.isVisible());
    dlg.PBIPTAL();
  }
  QVERIFY(!dlg.isVisible());

  vz::test::ScriptedInteraction fake;
  fake.columnAnswers.enqueue({op, typed});
  const ColumnOperation got = fake.askColumnArithmetic(kFields);
  QCOMPARE(got, (ColumnOperation{dlg.COPERAT(), dlg.CVALUEX(), dlg.CVTYPE()}));
  QCOMPARE(fake.texts(QStringLiteral("warning")), refused ? QStringList{real.message} : QStringList());
}

void TstFakeAgreement::pairing_data()
{
  // What the user does, as the real dialog takes it and as a test scripts it.
  QTest::addColumn<QString>("keys");  // "d" Down, "t" Tamam, "a" Atla, "e" Escape
  QTest::addColumn<QList<NamePairing>>("script");
  QTest::newRow("second, Tamam") << "ddt" << QList<NamePairing>{NamePairing::pair(2)};
  QTest::newRow("Tamam on nothing, then Atla")
      << "ta" << QList<NamePairing>{NamePairing::pair(0), NamePairing::skip()};
  QTest::newRow("Escape") << "de" << QList<NamePairing>{NamePairing::cancel()};
}

void TstFakeAgreement::pairing()
{
  QFETCH(QString, keys);
  QFETCH(QList<NamePairing>, script);
  const QStringList candidates = {QStringLiteral("KMO"), QStringLiteral("HP"), QStringLiteral("NEL")};
  CB_HSEC dlg(nullptr, QStringLiteral("HamProtein"), candidates);
  dlg.show();
  for (QChar k : keys) {
    if (k == QLatin1Char('d'))
      QTest::keyClick(dlg.comboBox(), Qt::Key_Down);
    else if (k == QLatin1Char('t'))
      QTest::mouseClick(dlg.tamamButton(), Qt::LeftButton);
    else if (k == QLatin1Char('a'))
      QTest::mouseClick(dlg.atlaButton(), Qt::LeftButton);
    else
      QTest::keyClick(dlg.comboBox(), Qt::Key_Escape);
  }
  QVERIFY(!dlg.isVisible());
  const NamePairing real = dlg.RESULT() == 1   ? NamePairing::pair(int(dlg.NSELECTED()))
                           : dlg.RESULT() == 2 ? NamePairing::skip()
                                               : NamePairing::cancel();
  vz::test::ScriptedInteraction fake;
  for (const NamePairing &a : script)
    fake.pairingAnswers.enqueue(a);
  QCOMPARE(fake.askNamePairing(QStringLiteral("HamProtein"), candidates), real);
}

QTEST_MAIN(TstFakeAgreement)
#include "tst_fakeagreement.moc"
