// The rules of the dairy dialogs, without a display: range checks on leaving
// an edit, the rewrite as number text, the feeding-state logic of the cow
// dialog, the type dialog's report choice, and what OK hands over.
#include "requirements/dairy/growcatleform.h"
#include "requirements/dairy/lactcatleform.h"
#include "requirements/dairy/matbulform.h"
#include "requirements/dairy/stipisecform.h"

#include <QtTest>

using namespace vz;

namespace {
QString numberText(const char *s)
{
  return QString::fromLatin1(s).rightJustified(11);
}
} // namespace

class TestDairyForms : public QObject {
  Q_OBJECT

private slots:
  void leaveEdit_data();
  void leaveEdit();
  void untouchedEditIsNotChecked();
  void okChecksEveryEnabledEdit_data();
  void okChecksEveryEnabledEdit();
  void growingOk();
  void bullOkWithEmptyWeight();
  void feedStateEnabling();
  void focusSteering_data();
  void focusSteering();
  void cowOkWarnings_data();
  void cowOkWarnings();
  void cowOkHandsOverWholeNumbers();
  void typeDialog_data();
  void typeDialog();
};

// form: 0 growing, 1 cow, 2 bull; edit index; typed text; accepted; text after
void TestDairyForms::leaveEdit_data()
{
  QTest::addColumn<int>("form");
  QTest::addColumn<int>("edit");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("after");

  const int g = 0, c = 1, b = 2;
  QTest::newRow("growing weight 850 refused") << g << int(GrowCatleForm::SLECANAG) << "850" << false << "850";
  QTest::newRow("growing weight 450") << g << int(GrowCatleForm::SLECANAG) << "450" << true << numberText("450.00");
  QTest::newRow("growing weight 450,5 reads the comma") << g << int(GrowCatleForm::SLECANAG) << "450,5" << true << numberText("450.50");
  QTest::newRow("growing weight -450 refused") << g << int(GrowCatleForm::SLECANAG) << "-450" << false << "-450";
  QTest::newRow("growing weight 800,5 over the bound") << g << int(GrowCatleForm::SLECANAG) << "800,5" << false << "800,5";
  QTest::newRow("growing weight bounds inclusive 100") << g << int(GrowCatleForm::SLECANAG) << "100" << true << numberText("100.00");
  QTest::newRow("growing weight bounds inclusive 800") << g << int(GrowCatleForm::SLECANAG) << "800" << true << numberText("800.00");
  QTest::newRow("growing energy 1") << g << int(GrowCatleForm::SLEENKONS) << "1" << true << numberText("1.00");
  QTest::newRow("growing energy 0.9 refused") << g << int(GrowCatleForm::SLEENKONS) << "0.9" << false << "0.9";
  QTest::newRow("growing energy 0.95") << g << int(GrowCatleForm::SLEENKONS) << "0.95" << true << numberText("0.95");
  QTest::newRow("growing gain 1000") << g << int(GrowCatleForm::SLEBAGKAZ) << "1000" << true << numberText("1000.00");
  QTest::newRow("growing gain 399 refused") << g << int(GrowCatleForm::SLEBAGKAZ) << "399" << false << "399";
  QTest::newRow("blank text is not tested") << g << int(GrowCatleForm::SLECANAG) << "   " << true << "   ";
  QTest::newRow("cow pregnancies 5 become 3") << c << int(LactCatleForm::SLEGEBSAY) << "5" << true << numberText("3");
  QTest::newRow("cow pregnancies -1 refused") << c << int(LactCatleForm::SLEGEBSAY) << "-1" << false << "-1";
  QTest::newRow("cow pregnancies 0 passes") << c << int(LactCatleForm::SLEGEBSAY) << "0" << true << numberText("0");
  QTest::newRow("cow days 150") << c << int(LactCatleForm::SLEGEBGUN) << "150" << true << numberText("150");
  QTest::newRow("cow days 150,7 cut to whole days") << c << int(LactCatleForm::SLEGEBGUN) << "150,7" << true << numberText("150");
  QTest::newRow("cow days 283 refused") << c << int(LactCatleForm::SLEGEBGUN) << "283" << false << "283";
  QTest::newRow("cow weight 399 refused") << c << int(LactCatleForm::SLECANAG) << "399" << false << "399";
  QTest::newRow("dry cow milk 0") << c << int(LactCatleForm::SLESUTVER) << "0" << true << numberText("0.00");
  QTest::newRow("cow milk 67 refused") << c << int(LactCatleForm::SLESUTVER) << "67" << false << "67";
  QTest::newRow("cow fat 5.5") << c << int(LactCatleForm::SLESYAGTEST) << "5.5" << true << numberText("5.50");
  QTest::newRow("bull weight 1500 refused") << b << int(MatBulForm::SLECA) << "1500" << false << "1500";
  QTest::newRow("bull weight 1400") << b << int(MatBulForm::SLECA) << "1400" << true << numberText("1400.00");
  QTest::newRow("bull weight 499 refused") << b << int(MatBulForm::SLECA) << "499" << false << "499";
}

void TestDairyForms::leaveEdit()
{
  QFETCH(int, form);
  QFETCH(int, edit);
  QFETCH(QString, typed);
  QFETCH(bool, accepted);
  QFETCH(QString, after);

  GrowCatleForm g;
  LactCatleForm c;
  MatBulForm b;
  DairyEditForm *f = form == 0 ? static_cast<DairyEditForm *>(&g)
                     : form == 1 ? static_cast<DairyEditForm *>(&c)
                                 : static_cast<DairyEditForm *>(&b);
  f->typeText(edit, typed);
  QCOMPARE(f->leaveEdit(edit), accepted);
  QCOMPARE(f->text(edit), after);
}

void TestDairyForms::untouchedEditIsNotChecked()
{
  GrowCatleForm g;
  g.setText(GrowCatleForm::SLECANAG, QStringLiteral("5000"));  // not typed by the user
  QVERIFY(g.leaveEdit(GrowCatleForm::SLECANAG));
  QCOMPARE(g.text(GrowCatleForm::SLEENKONS), QStringLiteral("1.00"));
}

// OK pressed with Enter while the focus is still in an edit: the edit was
// never left, so OK itself runs its checks.
void TestDairyForms::okChecksEveryEnabledEdit_data()
{
  QTest::addColumn<QString>("weight");
  QTest::addColumn<QString>("gain");
  QTest::addColumn<int>("refocus");
  QTest::addColumn<double>("handedWeight");

  QTest::newRow("450,5 typed, Enter") << "450,5" << "700" << -1 << 450.5;
  QTest::newRow("negative weight, Enter") << "-450" << "700" << int(GrowCatleForm::SLECANAG) << 0.0;
  QTest::newRow("weight fine, gain out of range") << "450" << "1200" << int(GrowCatleForm::SLEBAGKAZ) << 0.0;
}

void TestDairyForms::okChecksEveryEnabledEdit()
{
  QFETCH(QString, weight);
  QFETCH(QString, gain);
  QFETCH(int, refocus);
  QFETCH(double, handedWeight);

  GrowCatleForm g;
  g.typeText(GrowCatleForm::SLECANAG, weight);
  g.typeText(GrowCatleForm::SLEBAGKAZ, gain);
  int focus = -99;
  const std::optional<GrowCatleInput> in = g.accept(GrowCatleForm::SLECANAG, &focus);
  QCOMPARE(focus, refocus);
  QCOMPARE(in.has_value(), refocus < 0);
  if (in) {
    QCOMPARE(in->NCANAGIR, handedWeight);
    QCOMPARE(g.text(GrowCatleForm::SLECANAG), numberText("450.50"));
  }
}

void TestDairyForms::growingOk()
{
  GrowCatleForm g;
  g.typeText(GrowCatleForm::SLECANAG, QStringLiteral("300"));
  g.selectClass(4);
  const std::optional<GrowCatleInput> in = g.accept(-1);
  QVERIFY(in);
  QCOMPARE(in->NENECONS, 1.0);
  QCOMPARE(in->NCANAGIR, 300.0);
  QCOMPARE(in->NBEKCAAR, 0.0);  // empty gain: the model ends the run silently
  QCOMPARE(in->NCESTYPE, 4);

  GrowCatleForm defaults;
  QCOMPARE(defaults.accept(-1)->NCESTYPE, 1);
}

void TestDairyForms::bullOkWithEmptyWeight()
{
  MatBulForm b;
  const std::optional<MatBulInput> in = b.accept(MatBulForm::SLEEY);
  QVERIFY(in);
  QCOMPARE(in->NCANAGIR, 0.0);
  QCOMPARE(in->NENECONS, 1.0);
}

void TestDairyForms::feedStateEnabling()
{
  LactCatleForm c;
  QCOMPARE(c.feedState(), 1);
  QVERIFY(!c.isEnabled(LactCatleForm::SLEENIHKAROR));
  QVERIFY(!c.isEnabled(LactCatleForm::SLEISTAGKAZ));

  QCOMPARE(c.clickFeedState(2), int(LactCatleForm::SLEENIHKAROR));
  QVERIFY(c.isEnabled(LactCatleForm::SLEENIHKAROR));
  QVERIFY(!c.isEnabled(LactCatleForm::SLEISTAGKAZ));
  c.typeText(LactCatleForm::SLEENIHKAROR, QStringLiteral("0.9"));

  QCOMPARE(c.clickFeedState(3), int(LactCatleForm::SLEISTAGKAZ));
  QCOMPARE(c.text(LactCatleForm::SLEENIHKAROR), QStringLiteral("     "));
  QVERIFY(!c.isEnabled(LactCatleForm::SLEENIHKAROR));
  QVERIFY(c.isEnabled(LactCatleForm::SLEISTAGKAZ));

  QCOMPARE(c.clickFeedState(1), LactCatleForm::FocusUnchanged);
  QCOMPARE(c.text(LactCatleForm::SLEISTAGKAZ), QStringLiteral("     "));
  QVERIFY(!c.isEnabled(LactCatleForm::SLEENIHKAROR));
  QVERIFY(!c.isEnabled(LactCatleForm::SLEISTAGKAZ));
}

void TestDairyForms::focusSteering_data()
{
  QTest::addColumn<int>("state");
  QTest::addColumn<int>("entered");
  QTest::addColumn<int>("target");
  const int ratio = LactCatleForm::SLEENIHKAROR, gain = LactCatleForm::SLEISTAGKAZ;
  QTest::newRow("state 1, ratio") << 1 << ratio << LactCatleForm::FocusRadioButton1;
  QTest::newRow("state 1, gain") << 1 << gain << LactCatleForm::FocusRadioButton1;
  QTest::newRow("state 2, gain") << 2 << gain << ratio;
  QTest::newRow("state 2, ratio stays") << 2 << ratio << LactCatleForm::FocusUnchanged;
  QTest::newRow("state 3, ratio") << 3 << ratio << gain;
  QTest::newRow("state 3, gain stays") << 3 << gain << LactCatleForm::FocusUnchanged;
  QTest::newRow("other edits stay") << 1 << int(LactCatleForm::SLECANAG) << LactCatleForm::FocusUnchanged;
}

void TestDairyForms::focusSteering()
{
  QFETCH(int, state);
  QFETCH(int, entered);
  QFETCH(int, target);
  LactCatleForm c;
  c.clickFeedState(state);
  QCOMPARE(c.enterEdit(entered), target);
}

void TestDairyForms::cowOkWarnings_data()
{
  QTest::addColumn<int>("state");
  QTest::addColumn<QString>("pregnancies");
  QTest::addColumn<QString>("stateValue");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<QString>("warning");
  QTest::addColumn<int>("feedState");

  const QString noRatio = QStringLiteral("Enerji ihtiyacının tüketimle karşılanma oranı girilmedi!");
  const QString noGain = QStringLiteral("Beklenen ağırlık kazancı girilmedi!");
  QTest::newRow("state 1") << 1 << "2" << "" << true << "" << 1;
  QTest::newRow("state 2 without ratio warns") << 2 << "2" << "" << false << noRatio << 0;
  QTest::newRow("state 2 without ratio nor pregnancies closes") << 2 << "" << "" << true << "" << 2;
  QTest::newRow("state 2 with ratio") << 2 << "2" << "0.9" << true << "" << 2;
  QTest::newRow("state 2 ratio out of range") << 2 << "2" << "0.5" << false << "" << 0;
  QTest::newRow("state 3 without gain warns") << 3 << "2" << "" << false << noGain << 0;
  QTest::newRow("state 3 with gain") << 3 << "2" << "0.5" << true << "" << 3;
}

void TestDairyForms::cowOkWarnings()
{
  QFETCH(int, state);
  QFETCH(QString, pregnancies);
  QFETCH(QString, stateValue);
  QFETCH(bool, closes);
  QFETCH(QString, warning);
  QFETCH(int, feedState);

  LactCatleForm c;
  c.typeText(LactCatleForm::SLECANAG, QStringLiteral("600"));
  c.typeText(LactCatleForm::SLEGEBSAY, pregnancies);
  const int stateEdit = c.clickFeedState(state);
  if (!stateValue.isEmpty())
    c.typeText(stateEdit, stateValue);
  const LactCatleForm::Outcome out = c.accept(LactCatleForm::SLECANAG);
  QCOMPARE(out.close, closes);
  QCOMPARE(out.warning, warning);
  if (closes)
    QCOMPARE(out.values.NYEMTUKE, feedState);
  else
    QCOMPARE(out.focus, stateEdit);
}

void TestDairyForms::cowOkHandsOverWholeNumbers()
{
  LactCatleForm c;
  c.typeText(LactCatleForm::SLECANAG, QStringLiteral("650"));
  c.typeText(LactCatleForm::SLESUTVER, QStringLiteral("25"));
  c.typeText(LactCatleForm::SLESYAGTEST, QStringLiteral("4"));
  c.typeText(LactCatleForm::SLEGEBGUN, QStringLiteral("240,9"));
  c.typeText(LactCatleForm::SLEGEBSAY, QStringLiteral("7"));
  c.clickFeedState(2);
  c.typeText(LactCatleForm::SLEENIHKAROR, QStringLiteral("0,9"));
  // Enter in the ratio edit: it was never left
  const LactCatleForm::Outcome out = c.accept(LactCatleForm::SLEENIHKAROR);
  QVERIFY(out.close);
  QCOMPARE(out.values.NCANAGIR, 650.0);
  QCOMPARE(out.values.NSUTVERI, 25.0);
  QCOMPARE(out.values.NSYAGTES, 4.0);
  QCOMPARE(out.values.NGEBEGUN, 240);
  QCOMPARE(out.values.NGEBESAY, 3);
  QCOMPARE(out.values.NENGKARO, 0.9);
  QCOMPARE(out.values.NISTAGKA, 0.0);
  QCOMPARE(out.values.NYEMTUKE, 2);
}

void TestDairyForms::typeDialog_data()
{
  QTest::addColumn<int>("mode");
  QTest::addColumn<QList<int>>("clicks");  // 1-3 type, 10 "Özet", 11 "Detaylı"
  QTest::addColumn<int>("nstipi");
  QTest::addColumn<int>("nrtipi");
  QTest::addColumn<bool>("reportEnabled");

  QTest::newRow("rows mode defaults") << 1 << QList<int>{} << 1 << 1 << false;
  QTest::newRow("rows mode ignores Detaylı") << 1 << QList<int>{11} << 1 << 1 << false;
  QTest::newRow("report: detailed growing") << 2 << QList<int>{11} << 1 << 2 << true;
  QTest::newRow("report: detailed cow") << 2 << QList<int>{2, 11} << 2 << 2 << true;
  QTest::newRow("report: bull forces summary") << 2 << QList<int>{11, 3} << 3 << 1 << false;
  QTest::newRow("report: detailed, bull, cow again") << 2 << QList<int>{11, 3, 2} << 2 << 1 << true;
  QTest::newRow("other mode: bull may be detailed") << 0 << QList<int>{3, 11} << 3 << 2 << true;
}

void TestDairyForms::typeDialog()
{
  QFETCH(int, mode);
  QFETCH(QList<int>, clicks);
  QFETCH(int, nstipi);
  QFETCH(int, nrtipi);
  QFETCH(bool, reportEnabled);

  STipiSecForm f(mode);
  QCOMPARE(f.NDEST(), mode);
  for (int c : clicks) {
    if (c >= 10)
      f.chooseDetailed(c == 11);
    else
      f.clickType(c);
  }
  QCOMPARE(f.accept().NSTIPI, nstipi);
  QCOMPARE(f.accept().NRTIPI, nrtipi);
  QCOMPARE(f.reportChoiceEnabled(), reportEnabled);
}

QTEST_APPLESS_MAIN(TestDairyForms)
#include "tst_dairyforms.moc"
