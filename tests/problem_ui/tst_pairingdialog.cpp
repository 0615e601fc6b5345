// The name-pairing dialog: every way of ending it, driven with real keys and
// clicks, gives the answer its callers act on; and the program's interaction
// hands that answer on.
#include "controls/jqcombobox.h"
#include "modalhelper.h"
#include "problem/ui/cb_hsec.h"
#include "problem/ui/qtinteraction.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vz;

namespace {

const QStringList kCandidates = {QStringLiteral("KMO"), QStringLiteral("HP"), QStringLiteral("KALSIYUM"),
                                 QStringLiteral("NEL")};

void showActive(QWidget *w)
{
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TstPairingDialog : public QObject {
  Q_OBJECT
private slots:
  void layout_data();
  void layout();
  void answers_data();
  void answers();
  void tamamWithoutChoiceStaysOpen_data();
  void tamamWithoutChoiceStaysOpen();
  void prefixIsNoChoice_data();
  void prefixIsNoChoice();
  void throughTheInteraction_data();
  void throughTheInteraction();
};

void TstPairingDialog::layout_data()
{
  // The longest names a problem holds: 15 for a nutrient, 25 for a feedstuff
  // taken whole from the reference matrix.
  QTest::addColumn<QString>("name");
  QTest::newRow("nutrient") << QStringLiteral("HamProteinYüzde");
  QTest::newRow("feedstuff with blanks") << QStringLiteral("Kuru Şeker Pancarı Posası");
  QTest::newRow("feedstuff in one word") << QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWW");
}

void TstPairingDialog::layout()
{
  QFETCH(QString, name);
  CB_HSEC dlg(nullptr, name, kCandidates);
  showActive(&dlg);
  QCOMPARE(dlg.windowTitle(), QStringLiteral("Eşleştirme Diyaloğu"));
  const QString text = name + QStringLiteral(" ->\nEşini Seçiniz");
  if (name.contains(QLatin1Char(' ')) || name.size() <= 15)
    QCOMPARE(dlg.FT_BM_UN()->text(), text);
  else  // a word too long for a line is broken where the line ends
    QCOMPARE(dlg.FT_BM_UN()->text().remove(QLatin1Char('\n')), QString(text).remove(QLatin1Char('\n')));
  QCOMPARE(dlg.tamamButton()->text(), QStringLiteral("Tamam"));
  QCOMPARE(dlg.atlaButton()->text(), QStringLiteral("Atla"));
  QCOMPARE(dlg.iptalButton()->text(), QStringLiteral("İptal"));
  QVERIFY(dlg.tamamButton()->isDefault());
  QCOMPARE(dlg.comboBox()->count(), 4);
  QCOMPARE(dlg.comboBox()->currentText(), QString());
  QCOMPARE(dlg.FT_BM_UN()->buddy(), dlg.comboBox());
  QCOMPARE(dlg.comboBox()->accessibleName(), text);
  QVERIFY(dlg.comboBox()->hasFocus());

  // Nothing is cut: the label's two lines and every button text fit.
  const QLabel *label = dlg.FT_BM_UN();
  const QRect need = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
  QVERIFY2(need.height() <= label->contentsRect().height() && need.width() <= label->contentsRect().width(),
           qPrintable(QStringLiteral("%1x%2 > %3x%4").arg(need.width()).arg(need.height())
                          .arg(label->contentsRect().width()).arg(label->contentsRect().height())));
  for (QPushButton *b : {dlg.tamamButton(), dlg.atlaButton(), dlg.iptalButton()})
    QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) < b->width());
  for (QWidget *w : dlg.findChildren<QWidget *>())
    if (w->parentWidget() == &dlg)
      QVERIFY2(dlg.rect().contains(w->geometry()), qPrintable(w->objectName()));
}

void TstPairingDialog::answers_data()
{
  QTest::addColumn<QString>("how");
  QTest::addColumn<int>("result");
  QTest::addColumn<int>("selected");
  QTest::newRow("third by keys, Enter") << "down3 enter" << 1 << 3;
  QTest::newRow("typed name, Tamam") << "type NEL tamam" << 1 << 4;
  QTest::newRow("first by keys, Tamam") << "down1 tamam" << 1 << 1;
  QTest::newRow("Atla") << "down2 atla" << 2 << 0;
  QTest::newRow("İptal") << "down2 iptal" << 0 << 0;
  QTest::newRow("Escape") << "down2 escape" << 0 << 0;
  QTest::newRow("close box") << "down2 close" << 0 << 0;
}

void TstPairingDialog::answers()
{
  QFETCH(QString, how);
  QFETCH(int, result);
  QFETCH(int, selected);
  CB_HSEC dlg(nullptr, QStringLiteral("HamProtein"), kCandidates);
  showActive(&dlg);
  JQCOMBOBOX *combo = dlg.comboBox();
  for (const QString &step : how.split(QLatin1Char(' '))) {
    if (step.startsWith(QLatin1String("down"))) {
      for (int i = 0; i < step.mid(4).toInt(); ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    } else if (step == QLatin1String("type")) {
      continue;
    } else if (step == QLatin1String("NEL")) {
      vz::test::typeText(combo, step);
    } else if (step == QLatin1String("enter")) {
      QTest::keyClick(combo, Qt::Key_Return);
    } else if (step == QLatin1String("escape")) {
      QTest::keyClick(combo, Qt::Key_Escape);
    } else if (step == QLatin1String("close")) {
      dlg.close();
    } else {
      QPushButton *b = step == QLatin1String("tamam") ? dlg.tamamButton()
                       : step == QLatin1String("atla") ? dlg.atlaButton()
                                                       : dlg.iptalButton();
      QTest::mouseClick(b, Qt::LeftButton);
    }
  }
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.RESULT(), result);
  QCOMPARE(int(dlg.NSELECTED()), selected);
}

void TstPairingDialog::tamamWithoutChoiceStaysOpen_data()
{
  QTest::addColumn<QString>("typed");
  QTest::newRow("nothing") << QString();
  QTest::newRow("no candidate's name") << QStringLiteral("PROTEIN");
}

void TstPairingDialog::tamamWithoutChoiceStaysOpen()
{
  QFETCH(QString, typed);
  CB_HSEC dlg(nullptr, QStringLiteral("HamProtein"), kCandidates);
  showActive(&dlg);
  vz::test::typeText(dlg.comboBox(), typed);
  QTest::mouseClick(dlg.tamamButton(), Qt::LeftButton);
  QVERIFY(dlg.isVisible());
  QVERIFY(dlg.comboBox()->hasFocus());
  QCOMPARE(dlg.NSELECTED(), 0u);
  QTest::keyClick(dlg.comboBox(), Qt::Key_Return);  // still no choice
  QVERIFY(dlg.isVisible());
  QTest::mouseClick(dlg.atlaButton(), Qt::LeftButton);
  QCOMPARE(dlg.RESULT(), 2);
}

void TstPairingDialog::prefixIsNoChoice_data()
{
  // The beginning of a longer candidate is never completed to it; only a
  // name typed whole, or picked, is taken.
  QTest::addColumn<QStringList>("candidates");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("ending");
  QTest::addColumn<int>("selected");  // 0: the dialog stays open
  const QStringList silage{QStringLiteral("Mısır Silajı"), QStringLiteral("Arpa")};
  const QStringList both{QStringLiteral("Mısır Silajı"), QStringLiteral("Mısır"), QStringLiteral("Arpa")};
  QTest::newRow("prefix, Tamam") << silage << QStringLiteral("Mısır") << "tamam" << 0;
  QTest::newRow("prefix, Enter") << silage << QStringLiteral("Mısır") << "enter" << 0;
  QTest::newRow("short prefix, Enter") << silage << QStringLiteral("M") << "enter" << 0;
  QTest::newRow("whole shorter name, Tamam") << both << QStringLiteral("Mısır") << "tamam" << 2;
  QTest::newRow("whole shorter name, Enter") << both << QStringLiteral("Mısır") << "enter" << 2;
  QTest::newRow("whole longer name, Tamam") << both << QStringLiteral("Mısır Silajı") << "tamam" << 1;
  QTest::newRow("prefix, then picked with Down") << silage << QStringLiteral("Mısır") << "down tamam" << 1;
}

void TstPairingDialog::prefixIsNoChoice()
{
  QFETCH(QStringList, candidates);
  QFETCH(QString, typed);
  QFETCH(QString, ending);
  QFETCH(int, selected);
  CB_HSEC dlg(nullptr, QStringLiteral("Mısır Dane"), candidates);
  showActive(&dlg);
  JQCOMBOBOX *combo = dlg.comboBox();
  vz::test::typeText(combo, typed);
  QCOMPARE(combo->currentText(), typed);  // shown as typed, nothing filled in
  for (const QString &step : ending.split(QLatin1Char(' '))) {
    if (step == QLatin1String("down"))
      QTest::keyClick(combo, Qt::Key_Down);
    else if (step == QLatin1String("enter"))
      QTest::keyClick(combo, Qt::Key_Return);
    else
      QTest::mouseClick(dlg.tamamButton(), Qt::LeftButton);
  }
  QCOMPARE(int(dlg.NSELECTED()), selected);
  if (selected == 0) {
    QVERIFY(dlg.isVisible());
    QCOMPARE(combo->currentText(), typed);
    QTest::mouseClick(dlg.atlaButton(), Qt::LeftButton);
    QCOMPARE(dlg.RESULT(), 2);
  } else {
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.RESULT(), 1);
  }
}

void TstPairingDialog::throughTheInteraction_data()
{
  QTest::addColumn<QString>("press");
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("selected");
  QTest::newRow("pair") << "tamam" << int(NamePairing::Kind::Pair) << 2;
  QTest::newRow("skip") << "atla" << int(NamePairing::Kind::Skip) << 0;
  QTest::newRow("cancel") << "escape" << int(NamePairing::Kind::Cancel) << 0;
}

void TstPairingDialog::throughTheInteraction()
{
  QFETCH(QString, press);
  QFETCH(int, kind);
  QFETCH(int, selected);
  QWidget owner;
  owner.show();
  QtInteraction ui(&owner);
  QString title;
  vz::test::whenModal([&](QWidget *w) {
    auto *dlg = qobject_cast<CB_HSEC *>(w);
    if (!dlg)
      return w->close();
    title = dlg->windowTitle();
    QTest::keyClick(dlg->comboBox(), Qt::Key_Down);
    QTest::keyClick(dlg->comboBox(), Qt::Key_Down);
    if (press == QLatin1String("tamam"))
      QTest::mouseClick(dlg->tamamButton(), Qt::LeftButton);
    else if (press == QLatin1String("atla"))
      QTest::mouseClick(dlg->atlaButton(), Qt::LeftButton);
    else
      QTest::keyClick(dlg->comboBox(), Qt::Key_Escape);
    return true;
  });
  const NamePairing answer = ui.askNamePairing(QStringLiteral("HamProtein"), kCandidates);
  QCOMPARE(title, QStringLiteral("Eşleştirme Diyaloğu"));
  QCOMPARE(int(answer.kind), kind);
  QCOMPARE(answer.selected, selected);
}

QTEST_MAIN(TstPairingDialog)
#include "tst_pairingdialog.moc"
