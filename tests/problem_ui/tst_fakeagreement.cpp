// The scripted fake gives callers' tests what the real dialogs give for the
// same typing: the value dialog and the column arithmetic dialog.
#include "controls/jqcombobox.h"
#include "controls/jqsle.h"
#include "modalhelper.h"
#include "problem/ui/colonmaths.h"
#include "problem/ui/mbm_wind.h"
#include "scriptedinteraction.h"
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

const QStringList kFields = {QStringLiteral("YM_ADI"), QStringLiteral("FIATI"),
                             QStringLiteral("KM"), QStringLiteral("HP")};

} // namespace

class TstFakeAgreement : public QObject {
  Q_OBJECT
private slots:
  void value_data();
  void value();
  void column_data();
  void column();
};

void TstFakeAgreement::value_data()
{
  QTest::addColumn<QString>("typed");  // "<cancel>" presses "&İptal"
  QTest::newRow("number") << "12,5";
  QTest::newRow("preset retyped") << "     2.0000";
  QTest::newRow("empty") << "";
  QTest::newRow("letters") << "yok";
  QTest::newRow("cancel") << "<cancel>";
}

void TstFakeAgreement::value()
{
  QFETCH(QString, typed);
  const QString preset = QStringLiteral("     2.0000");
  MBM_WIND dlg(nullptr, QStringLiteral("Yeni değer:"), preset);
  dlg.show();
  if (typed == QLatin1String("<cancel>")) {
    dlg.PBIPTAL();
  } else {
    dlg.MBM_EDIT()->selectAll();
    if (typed.isEmpty())
      QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Delete);
    else
      vz::test::typeText(dlg.MBM_EDIT(), typed);
    QTest::keyClick(dlg.MBM_EDIT(), Qt::Key_Return);
  }
  vz::test::ScriptedInteraction fake;
  if (typed == QLatin1String("<cancel>"))
    fake.valueAnswers.enqueue(std::nullopt);
  else
    fake.valueAnswers.enqueue(typed);
  QCOMPARE(fake.askValue(QStringLiteral("Yeni değer:"), preset), dlg.CTXTVAL());
}

void TstFakeAgreement::column_data()
{
  QTest::addColumn<QString>("op");
  QTest::addColumn<QString>("typed");
  QTest::newRow("column") << "*" << "HP";
  QTest::newRow("mixed number") << "+" << "2,5";
  QTest::newRow("sign dropped") << "-" << "-5";
  QTest::newRow("empty") << "/" << "";
  QTest::newRow("cancel") << "" << "3";
}

void TstFakeAgreement::column()
{
  QFETCH(QString, op);
  QFETCH(QString, typed);
  COLONMATHS dlg(nullptr, kFields);
  dlg.show();
  vz::test::typeText(dlg.CBVALAP(), typed);
  if (op.isEmpty())
    dlg.PBIPTAL();
  else
    dlg.operatorButton(op.at(0))->click();
  QVERIFY(!dlg.isVisible());

  vz::test::ScriptedInteraction fake;
  fake.columnAnswers.enqueue({op, typed});
  const ColumnOperation got = fake.askColumnArithmetic(kFields);
  QCOMPARE(got, (ColumnOperation{dlg.COPERAT(), dlg.CVALUEX(), dlg.CVTYPE()}));
}

QTEST_MAIN(TstFakeAgreement)
#include "tst_fakeagreement.moc"
