// The four dairy dialogs on the offscreen platform: what the keyboard and the
// mouse do to them and what they hand over.
#include "controls/jqsle.h"
#include "requirements/dairy/ui/growcatledw.h"
#include "requirements/dairy/ui/lactcatledw.h"
#include "requirements/dairy/ui/matbuldw.h"
#include "requirements/dairy/ui/dairyrun.h"
#include "requirements/dairy/ui/stipisecw.h"
#include "scriptedinteraction.h"

#include <QTimer>
#include <functional>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vz;

namespace {

bool showActive(QWidget *w)
{
  w->show();
  QApplication::setActiveWindow(w);
  return QTest::qWaitForWindowActive(w);
}

// Types into an edit that has the focus.
void typeInto(JQSLE *edit, const QString &text)
{
  edit->setFocus();
  QApplication::processEvents();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void settle()
{
  QApplication::processEvents();
  QApplication::processEvents();
}

} // namespace

class TestDairyDialogs : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void typeDialog();
  void typeDialogCancel();
  void growingEnterWithTypedComma_data();
  void growingEnterWithTypedComma();
  void growingLeavingAnEditOutOfRange();
  void growingEscapeCancels();
  void cowEnterAndFeedState_data();
  void cowEnterAndFeedState();
  void cowWarning();
  void bullEnter_data();
  void bullEnter();
  void editsAreTiedToTheirLabels();
  void wholeRunThroughTheDialogs();

private:
  QStringList m_warnings;
  DairyInputDialog::Warner m_oldWarner;
};

void TestDairyDialogs::init()
{
  m_warnings.clear();
  m_oldWarner = DairyInputDialog::setWarner(
      [this](QWidget *, const QString &text) { m_warnings.append(text); });
}

void TestDairyDialogs::cleanup()
{
  DairyInputDialog::setWarner(m_oldWarner);
}

void TestDairyDialogs::typeDialog()
{
  {
    STIPISECW rows(nullptr, 1);
    QVERIFY(showActive(&rows));
    QVERIFY(rows.typeButton(1)->isChecked());
    QCOMPARE(rows.picture()->property("vzPicture").toString(), STIPISECW::typePicture(1));
    QVERIFY(!rows.picture()->pixmap().isNull());
    QVERIFY(rows.summaryButton()->isChecked());
    QVERIFY(!rows.summaryButton()->isEnabled());
    QVERIFY(!rows.detailButton()->isEnabled());
    QTest::keyClick(&rows, Qt::Key_Return);
    QCOMPARE(rows.result(), 1);
    QCOMPARE(rows.NSTIPI, 1);
    QCOMPARE(rows.NRTIPI, 1);
    QCOMPARE(rows.NDEST, 1);
  }
  {
    STIPISECW report(nullptr, 2);
    QVERIFY(showActive(&report));
    QVERIFY(report.detailButton()->isEnabled());
    QTest::mouseClick(report.detailButton(), Qt::LeftButton);
    QTest::mouseClick(report.typeButton(3), Qt::LeftButton);
    QCOMPARE(report.picture()->property("vzPicture").toString(), STIPISECW::typePicture(3));
    QVERIFY(!report.picture()->pixmap().isNull());
    QVERIFY(report.summaryButton()->isChecked());
    QVERIFY(!report.detailButton()->isEnabled());
    QTest::mouseClick(report.typeButton(2), Qt::LeftButton);
    QCOMPARE(report.picture()->property("vzPicture").toString(), STIPISECW::typePicture(2));
    QVERIFY(!report.picture()->pixmap().isNull());
    QVERIFY(report.detailButton()->isEnabled());
    QVERIFY(report.summaryButton()->isChecked());
    QTest::mouseClick(report.okButton(), Qt::LeftButton);
    QCOMPARE(report.NSTIPI, 2);
    QCOMPARE(report.NRTIPI, 1);
  }
}

void TestDairyDialogs::typeDialogCancel()
{
  STIPISECW dlg(nullptr, 2);
  QVERIFY(showActive(&dlg));
  QTest::keyClick(&dlg, Qt::Key_Escape);
  QCOMPARE(dlg.result(), 0);
  QCOMPARE(dlg.NSTIPI, 0);
}

void TestDairyDialogs::growingEnterWithTypedComma_data()
{
  QTest::addColumn<QString>("weight");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<double>("handed");
  QTest::newRow("450,5") << "450,5" << true << 450.5;
  QTest::newRow("negative weight") << "-450" << false << 0.0;
  QTest::newRow("above range") << "850" << false << 0.0;
}

void TestDairyDialogs::growingEnterWithTypedComma()
{
  QFETCH(QString, weight);
  QFETCH(bool, closes);
  QFETCH(double, handed);

  GROWCATLEDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  typeInto(dlg.edit(GrowCatleForm::SLEBAGKAZ), QStringLiteral("700"));
  typeInto(dlg.edit(GrowCatleForm::SLECANAG), weight);
  QTest::keyClick(dlg.edit(GrowCatleForm::SLECANAG), Qt::Key_Return);
  settle();
  QCOMPARE(dlg.isVisible(), !closes);
  if (closes) {
    QCOMPARE(dlg.result(), 1);
    QCOMPARE(dlg.NCANAGIR, handed);
    QCOMPARE(dlg.NBEKCAAR, 700.0);
    QCOMPARE(dlg.NENECONS, 1.0);
    QCOMPARE(dlg.NCESTYPE, 1);
  } else {
    QCOMPARE(dlg.NCANAGIR, 0.0);
    QCOMPARE(QApplication::focusWidget(), dlg.edit(GrowCatleForm::SLECANAG));
    QCOMPARE(dlg.edit(GrowCatleForm::SLECANAG)->text(), weight);
  }
}

void TestDairyDialogs::growingLeavingAnEditOutOfRange()
{
  GROWCATLEDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  JQSLE *weight = dlg.edit(GrowCatleForm::SLECANAG);
  typeInto(weight, QStringLiteral("850"));
  QTest::keyClick(weight, Qt::Key_Tab);
  settle();
  QCOMPARE(QApplication::focusWidget(), weight);
  QCOMPARE(weight->text(), QStringLiteral("850"));

  typeInto(weight, QStringLiteral("450"));
  QTest::keyClick(weight, Qt::Key_Tab);
  settle();
  QCOMPARE(QApplication::focusWidget(), dlg.edit(GrowCatleForm::SLEBAGKAZ));
  QCOMPARE(weight->text(), QStringLiteral("450.00").rightJustified(11));
}

void TestDairyDialogs::growingEscapeCancels()
{
  GROWCATLEDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  typeInto(dlg.edit(GrowCatleForm::SLECANAG), QStringLiteral("450"));
  QTest::keyClick(dlg.edit(GrowCatleForm::SLECANAG), Qt::Key_Escape);
  settle();
  QCOMPARE(dlg.result(), 0);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.NCANAGIR, 0.0);
}

void TestDairyDialogs::cowEnterAndFeedState_data()
{
  QTest::addColumn<QString>("weight");
  QTest::addColumn<bool>("closes");
  QTest::newRow("450,5") << "450,5" << true;
  QTest::newRow("negative weight") << "-450" << false;
}

void TestDairyDialogs::cowEnterAndFeedState()
{
  QFETCH(QString, weight);
  QFETCH(bool, closes);

  LACTCATLEDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  JQSLE *ratio = dlg.edit(LactCatleForm::SLEENIHKAROR);
  JQSLE *gain = dlg.edit(LactCatleForm::SLEISTAGKAZ);
  QVERIFY(!ratio->isEnabled());
  QVERIFY(!gain->isEnabled());

  typeInto(dlg.edit(LactCatleForm::SLESUTVER), QStringLiteral("25"));
  typeInto(dlg.edit(LactCatleForm::SLESYAGTEST), QStringLiteral("4"));
  typeInto(dlg.edit(LactCatleForm::SLEGEBSAY), QStringLiteral("5"));
  QTest::mouseClick(dlg.feedButton(2), Qt::LeftButton);
  settle();
  QVERIFY(ratio->isEnabled());
  QCOMPARE(QApplication::focusWidget(), ratio);
  QCOMPARE(dlg.edit(LactCatleForm::SLEGEBSAY)->text(), QStringLiteral("3").rightJustified(11));
  QTest::keyClicks(ratio, QStringLiteral("0,9"));
  typeInto(dlg.edit(LactCatleForm::SLECANAG), weight);
  QTest::keyClick(dlg.edit(LactCatleForm::SLECANAG), Qt::Key_Return);
  settle();

  QCOMPARE(dlg.isVisible(), !closes);
  QVERIFY(m_warnings.isEmpty());
  if (closes) {
    QCOMPARE(dlg.result(), 1);
    QCOMPARE(dlg.NCANAGIR, 450.5);
    QCOMPARE(dlg.NSUTVERI, 25.0);
    QCOMPARE(dlg.NSYAGTES, 4.0);
    QCOMPARE(dlg.NGEBESAY, 3);
    QCOMPARE(dlg.NENGKARO, 0.9);
    QCOMPARE(dlg.NYEMTUKE, 2);
  } else {
    QCOMPARE(QApplication::focusWidget(), dlg.edit(LactCatleForm::SLECANAG));
    QCOMPARE(dlg.NCANAGIR, 0.0);
  }

  if (!closes) {
    // back to state 1: the ratio edit is blanked and disabled again
    QTest::mouseClick(dlg.feedButton(1), Qt::LeftButton);
    settle();
    QVERIFY(!ratio->isEnabled());
    QCOMPARE(ratio->text(), QStringLiteral("     "));
  }
}

void TestDairyDialogs::cowWarning()
{
  LACTCATLEDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  typeInto(dlg.edit(LactCatleForm::SLECANAG), QStringLiteral("600"));
  typeInto(dlg.edit(LactCatleForm::SLEGEBSAY), QStringLiteral("2"));
  QTest::mouseClick(dlg.feedButton(3), Qt::LeftButton);
  settle();
  QCOMPARE(QApplication::focusWidget(), dlg.edit(LactCatleForm::SLEISTAGKAZ));
  QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
  settle();
  QVERIFY(dlg.isVisible());
  QCOMPARE(m_warnings, QStringList{QStringLiteral("Beklenen ağırlık kazancı girilmedi!")});
  QCOMPARE(QApplication::focusWidget(), dlg.edit(LactCatleForm::SLEISTAGKAZ));
  QCOMPARE(dlg.NCANAGIR, 600.0);  // copied before the warning
}

void TestDairyDialogs::bullEnter_data()
{
  QTest::addColumn<QString>("weight");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<double>("handed");
  QTest::newRow("650,5") << "650,5" << true << 650.5;
  QTest::newRow("negative weight") << "-650" << false << 0.0;
  QTest::newRow("empty weight closes, the model ends silently") << "" << true << 0.0;
}

void TestDairyDialogs::bullEnter()
{
  QFETCH(QString, weight);
  QFETCH(bool, closes);
  QFETCH(double, handed);

  MATBULDW dlg(nullptr);
  QVERIFY(showActive(&dlg));
  typeInto(dlg.edit(MatBulForm::SLECA), weight);
  QTest::keyClick(dlg.edit(MatBulForm::SLECA), Qt::Key_Return);
  settle();
  QCOMPARE(dlg.isVisible(), !closes);
  QCOMPARE(dlg.NCANAGIR, handed);
  if (closes)
    QCOMPARE(dlg.NENECONS, 1.0);
}

void TestDairyDialogs::editsAreTiedToTheirLabels()
{
  GROWCATLEDW g(nullptr);
  LACTCATLEDW c(nullptr);
  MATBULDW b(nullptr);
  for (QDialog *d : {static_cast<QDialog *>(&g), static_cast<QDialog *>(&c),
                     static_cast<QDialog *>(&b)}) {
    const QList<JQSLE *> edits = d->findChildren<JQSLE *>();
    QVERIFY(!edits.isEmpty());
    for (JQSLE *e : edits) {
      QVERIFY2(!e->accessibleName().isEmpty(), qPrintable(e->objectName()));
      bool hasBuddy = false;
      for (QLabel *l : d->findChildren<QLabel *>())
        hasBuddy = hasBuddy || l->buddy() == e;
      QVERIFY2(hasBuddy, qPrintable(e->objectName()));
    }
    QCOMPARE(d->windowIcon().isNull(), false);
  }
}

// The shell's entry point with the real dialogs: each step acts on the modal
// dialog that is up when it runs.
void TestDairyDialogs::wholeRunThroughTheDialogs()
{
  QList<std::function<void(QWidget *)>> steps{
      [](QWidget *w) {
        auto *type = qobject_cast<STIPISECW *>(w);
        QVERIFY(type);
        QTest::mouseClick(type->typeButton(3), Qt::LeftButton);
        QTest::keyClick(type, Qt::Key_Return);
      },
      [](QWidget *w) {
        auto *bull = qobject_cast<MATBULDW *>(w);
        QVERIFY(bull);
        typeInto(bull->edit(MatBulForm::SLECA), QStringLiteral("800"));
        QTest::keyClick(bull->edit(MatBulForm::SLECA), Qt::Key_Return);
      },
  };
  int done = 0;
  QPointer<QWidget> last;  // dialogs live on the stack: compare living objects only
  QTimer driver;
  driver.setInterval(10);
  connect(&driver, &QTimer::timeout, this, [&] {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == last || done >= steps.size())
      return;
    last = modal;
    steps.at(done++)(modal);
  });
  driver.start();
  // Never hang on a dialog the script did not expect.
  QTimer guard;
  guard.setInterval(3000);
  connect(&guard, &QTimer::timeout, this, [] {
    if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
      d->done(0);
  });
  guard.start();

  test::ScriptedInteraction ui;
  const RequirementEstimate r = runDairyEstimate(nullptr, ui, 1);
  driver.stop();
  QCOMPARE(done, 2);
  QVERIFY(r.LDDEG);
  QCOMPARE(r.ABMREQM.size(), 16);
  QCOMPARE(r.AANIDESC.first(), QStringLiteral("ERGİN BOĞA:"));
  QCOMPARE(r.AANIDESC.at(2), QStringLiteral("CANLI AĞIRLIK (C.A. Kg): 800"));
  QVERIFY(ui.shown.isEmpty());
}

QTEST_MAIN(TestDairyDialogs)
#include "tst_dairydialogs.moc"
