// The report parameter dialog and the scripted fake follow the same rules for
// the parameter array and the parameters-changed flag.
#include "controls/jqsle.h"
#include "modalhelper.h"
#include "problem/rationproblem.h"
#include "problem/ui/grparmgir_win.h"
#include "scriptedinteraction.h"
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

enum class End { OkButton, Enter, EscapeInEdit, EscapeOnDialog, CloseBox };

RationProblem problemWith(bool flag)
{
  RationProblem p;
  p.params = QStringList{QStringLiteral("G"), QStringLiteral("      1.000"), QStringLiteral("TL"),
                         QStringLiteral("Kg")};
  p.changed.params = flag;
  return p;
}

void showActive(QWidget *w)
{
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

Q_DECLARE_METATYPE(End)

class TstReportParamDialog : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { qRegisterMetaType<End>(); }
  void dialog_data();
  void dialog();
  void animalCountNormalisedOnLeaving();
  void commaInUnitRefused();
  void absentParameters();
  void fakeAgrees_data();
  void fakeAgrees();
};

void TstReportParamDialog::dialog_data()
{
  QTest::addColumn<bool>("flagBefore");
  QTest::addColumn<QString>("animals");   // typed into HAYSAY; "" = untouched
  QTest::addColumn<QString>("currency");  // typed into PARABIRIM; "" = untouched
  QTest::addColumn<End>("end");
  QTest::addColumn<int>("result");
  QTest::addColumn<QStringList>("exported");  // CHAYSAX, CPBIRIX, CABIRIX
  QTest::addColumn<QStringList>("paramsAfter");
  QTest::addColumn<bool>("flagAfter");

  const QStringList before = {QStringLiteral("G"), QStringLiteral("      1.000"), QStringLiteral("TL"), QStringLiteral("Kg")};
  const QStringList none = {QString(), QString(), QString()};
  QTest::newRow("ok untouched, clean")
      << false << "" << "" << End::OkButton << 1
      << QStringList{"      1.000", "TL", "Kg"} << before << false;
  QTest::newRow("ok untouched, flag already up writes presets back")
      << true << "" << "" << End::OkButton << 1
      << QStringList{"      1.000", "TL", "Kg"} << before << true;
  QTest::newRow("typed currency, ok")
      << false << "" << "EUR" << End::OkButton << 1
      << QStringList{"      1.000", "EUR", "Kg"}
      << QStringList{"G", "      1.000", "EUR", "Kg"} << true;
  QTest::newRow("typed 2,5 then enter normalises")
      << false << "2,5" << "" << End::Enter << 1
      << QStringList{"      2.500", "TL", "Kg"}
      << QStringList{"G", "      2.500", "TL", "Kg"} << true;
  QTest::newRow("typed letters then ok gives blanks")
      << false << "çok" << "" << End::OkButton << 1
      << QStringList{QString(11, QLatin1Char(' ')), "TL", "Kg"}
      << QStringList{"G", QString(11, QLatin1Char(' ')), "TL", "Kg"} << true;
  QTest::newRow("cancel after typing lowers own flag")
      << false << "5" << "USD" << End::EscapeInEdit << 0 << none << before << false;
  QTest::newRow("cancel keeps a flag raised before")
      << true << "5" << "" << End::EscapeInEdit << 0 << none << before << true;
  QTest::newRow("escape on dialog")
      << false << "" << "USD" << End::EscapeOnDialog << 0 << none << before << false;
  QTest::newRow("close box is cancel")
      << true << "" << "USD" << End::CloseBox << 0 << none << before << true;
}

void TstReportParamDialog::dialog()
{
  QFETCH(bool, flagBefore);
  QFETCH(QString, animals);
  QFETCH(QString, currency);
  QFETCH(End, end);
  QFETCH(int, result);
  QFETCH(QStringList, exported);
  QFETCH(QStringList, paramsAfter);
  QFETCH(bool, flagAfter);

  RationProblem problem = problemWith(flagBefore);
  GRPARMGIR_WIN dlg(nullptr, problem);
  showActive(&dlg);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Parametre Giriş"));
  QCOMPARE(dlg.HAYSAY()->text(), QStringLiteral("      1.000"));
  QCOMPARE(dlg.PARABIRIM()->text(), QStringLiteral("TL"));
  QCOMPARE(dlg.AGIRBIRIM()->text(), QStringLiteral("Kg"));
  QCOMPARE(problem.changed.params, flagBefore);  // presets do not count

  JQSLE *last = dlg.HAYSAY();
  if (!animals.isEmpty()) {
    dlg.HAYSAY()->setFocus();
    dlg.HAYSAY()->selectAll();
    vz::test::typeText(dlg.HAYSAY(), animals);
    QVERIFY(problem.changed.params);
  }
  if (!currency.isEmpty()) {
    dlg.PARABIRIM()->setFocus();
    dlg.PARABIRIM()->selectAll();
    vz::test::typeText(dlg.PARABIRIM(), currency);
    last = dlg.PARABIRIM();
    QVERIFY(problem.changed.params);
  }
  switch (end) {
  case End::OkButton: dlg.okButton()->click(); break;
  case End::Enter: QTest::keyClick(last, Qt::Key_Return); break;
  case End::EscapeInEdit: QTest::keyClick(last, Qt::Key_Escape); break;
  case End::EscapeOnDialog: QTest::keyClick(&dlg, Qt::Key_Escape); break;
  case End::CloseBox: dlg.close(); break;
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.RESULT(), result);
  QCOMPARE((QStringList{dlg.CHAYSAX(), dlg.CPBIRIX(), dlg.CABIRIX()}), exported);
  QCOMPARE(*problem.params, paramsAfter);
  QCOMPARE(problem.changed.params, flagAfter);
}

void TstReportParamDialog::animalCountNormalisedOnLeaving()
{
  RationProblem problem = problemWith(false);
  GRPARMGIR_WIN dlg(nullptr, problem);
  showActive(&dlg);
  dlg.HAYSAY()->setFocus();
  dlg.HAYSAY()->selectAll();
  vz::test::typeText(dlg.HAYSAY(), QStringLiteral("2,5"));
  dlg.PARABIRIM()->setFocus();
  QCOMPARE(dlg.HAYSAY()->text(), QStringLiteral("      2.500"));
  // The unit edits are never normalised.
  dlg.PARABIRIM()->selectAll();
  vz::test::typeText(dlg.PARABIRIM(), QStringLiteral(" 1,5 "));
  dlg.AGIRBIRIM()->setFocus();
  QCOMPARE(dlg.PARABIRIM()->text(), QStringLiteral(" 1,5 "));
  dlg.PBIPTAL();
}

void TstReportParamDialog::commaInUnitRefused()
{
  RationProblem problem = problemWith(false);
  GRPARMGIR_WIN dlg(nullptr, problem);
  showActive(&dlg);
  dlg.AGIRBIRIM()->setFocus();
  dlg.AGIRBIRIM()->selectAll();
  vz::test::typeText(dlg.AGIRBIRIM(), QStringLiteral("Kg,gün"));
  QString seen;
  vz::test::whenModal([&seen](QWidget *w) {
    auto *box = qobject_cast<QMessageBox *>(w);
    seen = box ? box->text() : QString();
    if (box)
      box->buttons().first()->click();
  });
  QTest::keyClick(dlg.AGIRBIRIM(), Qt::Key_Return);
  QCOMPARE(seen, QStringLiteral("Para birimi ve ağırlık birimi virgül (,) içeremez!"));
  QVERIFY(dlg.isVisible());
  QCOMPARE(dlg.AGIRBIRIM()->text(), QStringLiteral("Kg,gün"));  // nothing lost
  QCOMPARE(problem.params->at(ParWeight), QStringLiteral("Kg"));
  dlg.AGIRBIRIM()->selectAll();
  vz::test::typeText(dlg.AGIRBIRIM(), QStringLiteral("Kg/gün"));
  QTest::keyClick(dlg.AGIRBIRIM(), Qt::Key_Return);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(problem.params->at(ParWeight), QStringLiteral("Kg/gün"));
}

void TstReportParamDialog::absentParameters()
{
  RationProblem problem;
  {
    GRPARMGIR_WIN dlg(nullptr, problem);
    QCOMPARE(dlg.PARABIRIM()->text(), QStringLiteral("TL"));
    dlg.PBTAMAM();
    QCOMPARE(dlg.CPBIRIX(), QStringLiteral("TL"));
    QVERIFY(!problem.params);  // nothing typed, nothing stored
  }
  {
    GRPARMGIR_WIN dlg(nullptr, problem);
    showActive(&dlg);
    dlg.PARABIRIM()->setFocus();
    vz::test::typeText(dlg.PARABIRIM(), QStringLiteral("$"));
    dlg.PBTAMAM();
    QVERIFY(problem.params);
    QCOMPARE(*problem.params, (QStringList{"G", "1.000", "TL$", "Kg"}));
    QVERIFY(problem.changed.params);
  }
}

void TstReportParamDialog::fakeAgrees_data()
{
  QTest::addColumn<bool>("flagBefore");
  QTest::addColumn<QStringList>("typed");  // animals, currency, weight; empty list = Cancel
  QTest::newRow("confirm presets, clean") << false << QStringList{"      1.000", "TL", "Kg"};
  QTest::newRow("confirm presets, flag up") << true << QStringList{"      1.000", "TL", "Kg"};
  QTest::newRow("new animal count") << false << QStringList{"12,5", "TL", "Kg"};
  QTest::newRow("new unit") << false << QStringList{"      1.000", "EUR", "Kg"};
  QTest::newRow("cancel, clean") << false << QStringList{};
  QTest::newRow("cancel, flag up") << true << QStringList{};
}

void TstReportParamDialog::fakeAgrees()
{
  QFETCH(bool, flagBefore);
  QFETCH(QStringList, typed);

  RationProblem viaDialog = problemWith(flagBefore);
  GRPARMGIR_WIN dlg(nullptr, viaDialog);
  showActive(&dlg);
  std::optional<ReportParameters> dialogAnswer;
  if (typed.isEmpty()) {
    dlg.PBIPTAL();
  } else {
    JQSLE *edits[] = {dlg.HAYSAY(), dlg.PARABIRIM(), dlg.AGIRBIRIM()};
    for (int i = 0; i < 3; ++i) {
      if (edits[i]->text() == typed[i])
        continue;
      edits[i]->setFocus();
      edits[i]->selectAll();
      vz::test::typeText(edits[i], typed[i]);
    }
    dlg.PBTAMAM();
    dialogAnswer = ReportParameters{dlg.CHAYSAX(), dlg.CPBIRIX(), dlg.CABIRIX()};
  }

  RationProblem viaFake = problemWith(flagBefore);
  vz::test::ScriptedInteraction fake;
  if (typed.isEmpty())
    fake.reportParameterAnswers.enqueue(std::nullopt);
  else
    fake.reportParameterAnswers.enqueue(ReportParameters{typed[0], typed[1], typed[2]});
  const std::optional<ReportParameters> fakeAnswer = fake.askReportParameters(viaFake);

  QCOMPARE(fakeAnswer.has_value(), dialogAnswer.has_value());
  if (fakeAnswer)
    QVERIFY(*fakeAnswer == *dialogAnswer);
  QCOMPARE(viaFake.params, viaDialog.params);
  QCOMPARE(viaFake.changed.params, viaDialog.changed.params);
}

QTEST_MAIN(TstReportParamDialog)
#include "tst_reportparamdialog.moc"
