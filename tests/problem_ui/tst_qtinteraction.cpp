// The Qt interaction drives the real dialogs and hands back what they export.
#include "controls/jqlistbox.h"
#include "controls/jqsle.h"
#include "modalhelper.h"
#include "problem/ui/achoice.h"
#include "problem/ui/colonmaths.h"
#include "problem/ui/grparmgir_win.h"
#include "problem/ui/marktopbot.h"
#include "problem/ui/mbm_wind.h"
#include "problem/ui/qtinteraction.h"
#include "problem/ui/vzyrhakkinda.h"
#include "problem/ui/yenidosyawindow.h"
#include "controls/jqcombobox.h"
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace vz;
using vz::test::whenModal;

class TstQtInteraction : public QObject {
  Q_OBJECT
private slots:
  void chooseOne();
  void chooseMany();
  void askValue();
  void askNewProblemName();
  void askColumnArithmetic();
  void askReportParameters();
  void questionsWithIcons();
  void changedOnDiskNamesItsAnswers_data();
  void changedOnDiskNamesItsAnswers();
  void statusMessage();
  void about();
};

void TstQtInteraction::chooseOne()
{
  QtInteraction ui;
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<ACHOICE *>(w);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Bölen Seçimi"));
    d->BMLIST()->setCurrentRow(1);
    d->PBTAMAM();
  });
  QCOMPARE(ui.chooseOne(QStringLiteral("Bölen Seçimi"), {"HP", "NEL", "Ca"}), 2);
  whenModal([](QWidget *w) { QTest::keyClick(qobject_cast<ACHOICE *>(w)->BMLIST(), Qt::Key_Escape); });
  QCOMPARE(ui.chooseOne(QStringLiteral("Bölen Seçimi"), {"HP", "NEL"}), 0);
}

void TstQtInteraction::chooseMany()
{
  QtInteraction ui;
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<MARKTOPBOT *>(w);
    QVERIFY(d);
    QVERIFY(!d->selectAllButton());
    d->LBTOSELECT()->item(2)->setSelected(true);
    d->LBTOSELECT()->item(0)->setSelected(true);
    d->PBTAMAM();
  });
  QCOMPARE(ui.chooseMany(QStringLiteral("Yem Maddesi Ekle"), {"Arpa", "Mısır", "Saman"}, false),
           (QList<int>{1, 3}));
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<MARKTOPBOT *>(w);
    QVERIFY(d->selectAllButton());
    d->PBTSEC();
    d->PBTAMAM();
  });
  QCOMPARE(ui.chooseMany(QStringLiteral("Bağlı Besin Maddeleri Seçimi"), {"KM", "HP"}, true),
           (QList<int>{1, 2}));
}

void TstQtInteraction::askValue()
{
  QtInteraction ui;
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<MBM_WIND *>(w);
    QVERIFY(d);
    d->MBM_EDIT()->selectAll();
    vz::test::typeText(d->MBM_EDIT(), QStringLiteral("3,25"));
    QTest::keyClick(d->MBM_EDIT(), Qt::Key_Return);
  });
  QCOMPARE(ui.askValue(QStringLiteral("Yeni değer:"), QStringLiteral("     1.0000")),
           QStringLiteral("     3.2500"));
  whenModal([](QWidget *w) { w->close(); });
  QCOMPARE(ui.askValue(QStringLiteral("Yeni değer:"), QStringLiteral("     1.0000")),
           QStringLiteral("     1.0000"));
}

void TstQtInteraction::askNewProblemName()
{
  QtInteraction ui;
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<YENIDOSYAWINDOW *>(w);
    QVERIFY(d);
    vz::test::typeText(d->DOSYAADILINE(), QStringLiteral("Düve Rasyonu"));
    QTest::keyClick(d->DOSYAADILINE(), Qt::Key_Return);
  });
  QCOMPARE(ui.askNewProblemName(), QStringLiteral("Düve Rasyonu"));
}

void TstQtInteraction::askColumnArithmetic()
{
  QtInteraction ui;
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<COLONMATHS *>(w);
    QVERIFY(d);
    d->CBVALAP()->setCurrentIndex(1);
    d->PBCARPI();
  });
  QCOMPARE(ui.askColumnArithmetic({"YM_ADI", "FIATI", "KM", "HP"}),
           (ColumnOperation{QStringLiteral("*"), QStringLiteral("HP"), QStringLiteral("A")}));
  whenModal([](QWidget *w) { QTest::keyClick(qobject_cast<COLONMATHS *>(w)->CBVALAP(), Qt::Key_Escape); });
  const ColumnOperation none = ui.askColumnArithmetic({"YM_ADI", "FIATI", "KM"});
  QVERIFY(none.isNothing());
  QCOMPARE(none.type, QStringLiteral("U"));
}

void TstQtInteraction::askReportParameters()
{
  QtInteraction ui;
  RationProblem problem;
  problem.params = RationProblem::defaultParams();
  whenModal([](QWidget *w) {
    auto *d = qobject_cast<GRPARMGIR_WIN *>(w);
    QVERIFY(d);
    d->HAYSAY()->selectAll();
    vz::test::typeText(d->HAYSAY(), QStringLiteral("40"));
    QTest::keyClick(d->HAYSAY(), Qt::Key_Return);
  });
  const auto answer = ui.askReportParameters(problem);
  QVERIFY(answer);
  QCOMPARE(answer->animalCount, QStringLiteral("     40.000"));
  QCOMPARE(problem.params->at(ParAnimals), QStringLiteral("     40.000"));
  QVERIFY(problem.changed.params);

  whenModal([](QWidget *w) { QTest::keyClick(qobject_cast<GRPARMGIR_WIN *>(w)->PARABIRIM(), Qt::Key_Escape); });
  QVERIFY(!ui.askReportParameters(problem));
  QVERIFY(problem.changed.params);  // raised before this dialog: kept
}

void TstQtInteraction::questionsWithIcons()
{
  QtInteraction ui;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  whenModal([&icon](QWidget *w) {
    auto *box = qobject_cast<QMessageBox *>(w);
    icon = box->icon();
    for (QAbstractButton *b : box->buttons())
      if (b->text() == QStringLiteral("&Evet"))
        b->click();
  });
  QVERIFY(ui.askYesNoWithIcon(QStringLiteral("Silinsin mi?"), QStringLiteral("Uyarı"),
                              Interaction::Icon::Exclamation));
  QCOMPARE(icon, QMessageBox::Warning);
  whenModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
  QCOMPARE(ui.askYesNoCancel(QStringLiteral("Kaydedilsin mi?"), QStringLiteral("Kapat")),
           Interaction::Answer::Cancel);
}

void TstQtInteraction::changedOnDiskNamesItsAnswers_data()
{
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("answer");
  using A = Interaction::ChangedOnDisk;
  QTest::newRow("Alt+Ü writes over") << int(Qt::Key_Udiaeresis) << int(A::WriteOver);
  QTest::newRow("Alt+B discards mine") << int(Qt::Key_B) << int(A::DiscardMine);
  QTest::newRow("Enter cancels") << int(Qt::Key_Return) << int(A::Cancel);
  QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(A::Cancel);
}

// Whose change stays is told on the buttons themselves; a stray Enter
// neither overwrites another session's work nor throws ours away.
void TstQtInteraction::changedOnDiskNamesItsAnswers()
{
  QFETCH(int, key);
  QFETCH(int, answer);
  QtInteraction ui;
  QStringList buttons;
  whenModal([&buttons, key](QWidget *w) {
    auto *box = qobject_cast<QMessageBox *>(w);
    for (QAbstractButton *b : box->buttons())
      buttons.append(b->text());
    if (key == Qt::Key_Return || key == Qt::Key_Escape) {
      QTest::keyClick(box, Qt::Key(key));
      return;
    }
    // The button the mnemonic names, clicked: an offscreen window under load
    // is not always active in time for its shortcuts.
    for (QAbstractButton *b : box->buttons())
      if (b->shortcut() == QKeySequence(Qt::ALT | Qt::Key(key)))
        return QTest::mouseClick(b, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Escape);  // no such mnemonic: the answer shows it
  });
  QCOMPARE(int(ui.askChangedOnDisk(QStringLiteral("P.RVD Dosyasındaki yem maddeleri başka bir oturumda değiştirilip "
                                                  "kaydedilmiş."),
                                   QStringLiteral("Uyarı..."))),
           answer);
  buttons.sort();
  QCOMPARE(buttons, (QStringList{QStringLiteral("&Benimkileri At"), QStringLiteral("&Üzerine Yaz"),
                                 QStringLiteral("&İptal")}));
}

void TstQtInteraction::statusMessage()
{
  QMainWindow main;
  QtInteraction ui(&main);
  ui.statusMessage(QStringLiteral("Rapor yazıldı."));
  QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Rapor yazıldı."));
  QtInteraction orphan;
  orphan.statusMessage(QStringLiteral("kimse görmez"));  // no window: dropped
}

void TstQtInteraction::about()
{
  QtInteraction ui;
  bool seen = false;
  whenModal([&seen](QWidget *w) {
    seen = qobject_cast<VZYRHAKKINDA *>(w) != nullptr;
    w->close();
  });
  ui.showAbout();
  QVERIFY(seen);
}

QTEST_MAIN(TstQtInteraction)
#include "tst_qtinteraction.moc"
