// Message boxes, beeps and the please-wait box.
#include "modalhelper.h"
#include "problem/ui/actalert.h"
#include "problem/ui/messages.h"
#include "problem/ui/qtinteraction.h"
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vz;
using vz::test::whenModal;

namespace {

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Records the box and closes it with the button whose text is `press`
// (empty: Escape).
void answerBox(SeenBox *seen, const QString &press)
{
  whenModal([seen, press](QWidget *w) {
    auto *box = qobject_cast<QMessageBox *>(w);
    QVERIFY(box);
    seen->caption = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    for (QAbstractButton *b : box->buttons())
      seen->buttons.append(b->text());
    if (press.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Escape);
      return;
    }
    if (press == QLatin1String("Enter")) {
      QTest::keyClick(box, Qt::Key_Return);
      return;
    }
    for (QAbstractButton *b : box->buttons())
      if (b->text() == press)
        b->click();
  });
}

int visiblePleaseWaitBoxes()
{
  int n = 0;
  for (QWidget *w : QApplication::topLevelWidgets())
    if (qobject_cast<ACTALERT *>(w) && w->isVisible())
      ++n;
  return n;
}

} // namespace

class TstMessages : public QObject {
  Q_OBJECT
private slots:
  void messageKinds_data();
  void messageKinds();
  void questions_data();
  void questions();
  void tones();
  void pleaseWaitShowAndRemove();
  void pleaseWaitGoneAfterFailingCommand();
};

void TstMessages::messageKinds_data()
{
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("caption");  // "<null>" for not given
  QTest::addColumn<QString>("expectedCaption");
  QTest::addColumn<int>("icon");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("shownText");
  const QString lf = QStringLiteral("Birinci satır\nikinci satır");
  QTest::newRow("carriage returns break lines")
      << "ERRMESS" << "<null>" << "Hata..." << int(QMessageBox::Critical)
      << "Rapor dosyası oluşturmada hata!\r\rSonra tekrar deneyin.."
      << "Rapor dosyası oluşturmada hata!\n\nSonra tekrar deneyin..";
  QTest::newRow("ERRMESS default") << "ERRMESS" << "<null>" << "Hata..." << int(QMessageBox::Critical) << lf << lf;
  QTest::newRow("ERRMESS given") << "ERRMESS" << "Sistem Ayarı" << "Sistem Ayarı" << int(QMessageBox::Critical) << lf << lf;
  QTest::newRow("ERRMESS empty stays empty") << "ERRMESS" << "" << "" << int(QMessageBox::Critical) << lf << lf;
  QTest::newRow("UYARI default") << "UYARI" << "<null>" << "Uyarı..." << int(QMessageBox::Warning) << lf << lf;
  QTest::newRow("UYARI given") << "UYARI" << "Uyarı" << "Uyarı" << int(QMessageBox::Warning) << lf << lf;
  QTest::newRow("MESS2 without window") << "MESS2" << "<null>" << "Hata..." << int(QMessageBox::Critical) << lf << lf;
  QTest::newRow("MESS") << "MESS" << "<null>" << "Mesaj" << int(QMessageBox::Information) << lf << lf;
}

void TstMessages::messageKinds()
{
  QFETCH(QString, kind);
  QFETCH(QString, caption);
  QFETCH(QString, expectedCaption);
  QFETCH(int, icon);
  QFETCH(QString, text);
  QFETCH(QString, shownText);
  const QString cap = caption == QLatin1String("<null>") ? QString() : caption;
  QWidget owner;
  SeenBox seen;
  answerBox(&seen, QStringLiteral("Tamam"));
  if (kind == QLatin1String("ERRMESS"))
    ERRMESS(&owner, cap, text);
  else if (kind == QLatin1String("UYARI"))
    UYARI(&owner, cap, text);
  else if (kind == QLatin1String("MESS2"))
    MESS2(text);
  else
    MESS(text);
  QCOMPARE(seen.caption, expectedCaption);
  QCOMPARE(seen.text, shownText);
  QCOMPARE(int(seen.icon), icon);
  QCOMPARE(seen.buttons, QStringList{QStringLiteral("Tamam")});
}

void TstMessages::questions_data()
{
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("press");
  QTest::addColumn<int>("expected");
  QTest::addColumn<int>("icon");
  QTest::newRow("36 yes") << int(MbIconQuestion | MbYesNo) << "&Evet" << int(IdYes) << int(QMessageBox::Question);
  QTest::newRow("36 no") << int(MbIconQuestion | MbYesNo) << "&Hayır" << int(IdNo) << int(QMessageBox::Question);
  QTest::newRow("36 escape is no") << int(MbIconQuestion | MbYesNo) << "" << int(IdNo) << int(QMessageBox::Question);
  QTest::newRow("36 enter is yes") << int(MbIconQuestion | MbYesNo) << "Enter" << int(IdYes) << int(QMessageBox::Question);
  QTest::newRow("292 enter is no") << int(MbIconQuestion | MbYesNo | MbDefButton2) << "Enter" << int(IdNo) << int(QMessageBox::Question);
  QTest::newRow("20 stop") << int(MbIconStop | MbYesNo) << "&Evet" << int(IdYes) << int(QMessageBox::Critical);
  QTest::newRow("52 exclamation") << int(MbIconExclamation | MbYesNo) << "&Hayır" << int(IdNo) << int(QMessageBox::Warning);
  QTest::newRow("35 cancel") << int(MbIconQuestion | MbYesNoCancel) << "&İptal" << int(IdCancel) << int(QMessageBox::Question);
  QTest::newRow("35 escape is cancel") << int(MbIconQuestion | MbYesNoCancel) << "" << int(IdCancel) << int(QMessageBox::Question);
  QTest::newRow("35 no") << int(MbIconQuestion | MbYesNoCancel) << "&Hayır" << int(IdNo) << int(QMessageBox::Question);
}

void TstMessages::questions()
{
  QFETCH(int, type);
  QFETCH(QString, press);
  QFETCH(int, expected);
  QFETCH(int, icon);
  SeenBox seen;
  answerBox(&seen, press);
  QCOMPARE(TEXTBOX(nullptr, QStringLiteral("Çıkış"), QStringLiteral("Emin misiniz?"), type), expected);
  QCOMPARE(int(seen.icon), icon);
  QCOMPARE(seen.caption, QStringLiteral("Çıkış"));
}

void TstMessages::tones()
{
  QCOMPARE(errBeepTones(), (QList<Tone>{{100, 3}}));
  QCOMPARE(doneBeepTones(), (QList<Tone>{{300, 1}, {100, 1}, {300, 1}, {100, 1}}));
}

void TstMessages::pleaseWaitShowAndRemove()
{
  QWidget owner;
  owner.resize(400, 300);
  owner.show();
  AALERT(&owner);
  ACTALERT *first = pleaseWaitBox();
  QVERIFY(first);
  QVERIFY(first->isVisible());
  QCOMPARE(first->windowTitle(), QStringLiteral("İşlem Mesajı"));
  QCOMPARE(first->FixedText1()->text(), QStringLiteral("İşlemler yürütülüyor. Lütfen bekleyiniz!"));
  QVERIFY(first->FixedText1()->font().bold());
  QVERIFY(!(first->windowFlags() & Qt::WindowCloseButtonHint));
  QVERIFY(!first->windowIcon().isNull());

  // A second box replaces the first: never two on the screen.
  AALERT(&owner);
  QVERIFY(pleaseWaitBox() != first);
  QCOMPARE(visiblePleaseWaitBoxes(), 1);

  destroyPleaseWait();
  QCOMPARE(visiblePleaseWaitBoxes(), 0);
  QVERIFY(!pleaseWaitBox());
  destroyPleaseWait();  // twice: nothing
  QCOMPARE(visiblePleaseWaitBoxes(), 0);

  AALERT(&owner);
  QCOMPARE(visiblePleaseWaitBoxes(), 1);
  destroyPleaseWait();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(visiblePleaseWaitBoxes(), 0);
}

void TstMessages::pleaseWaitGoneAfterFailingCommand()
{
  QWidget owner;
  QtInteraction ui(&owner);
  SeenBox seen;
  auto failingCommand = [&ui]() -> bool {
    PleaseWait wait(ui);
    if (visiblePleaseWaitBoxes() != 1)
      return true;
    wait.close();  // before the first message
    ui.errorMessage(QStringLiteral("Dosya açılamadı!"));
    return false;
  };
  answerBox(&seen, QStringLiteral("Tamam"));
  QVERIFY(!failingCommand());
  QCOMPARE(seen.text, QStringLiteral("Dosya açılamadı!"));
  QCOMPARE(visiblePleaseWaitBoxes(), 0);

  // An early return with the box still open closes it too.
  auto earlyReturn = [&ui]() { PleaseWait wait(ui); return visiblePleaseWaitBoxes(); };
  QCOMPARE(earlyReturn(), 1);
  QCOMPARE(visiblePleaseWaitBoxes(), 0);
}

QTEST_MAIN(TstMessages)
#include "tst_messages.moc"
