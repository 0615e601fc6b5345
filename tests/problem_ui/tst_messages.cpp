// Message boxes, beeps and the please-wait box.
#include "modalhelper.h"
#include "problem/ui/actalert.h"
#include "problem/ui/messages.h"
#include "problem/ui/qtinteraction.h"
#include "problem/ui/soundmodule.h"
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
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
  void toneSamples_data();
  void toneSamples();
  void toneSamplesEdges();
  void soundModule_data();
  void soundModule();
  void soundModuleBesideProgram();
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

namespace {

// One channel of 16-bit little-endian samples.
QList<qint16> channel(const QByteArray &bytes, int channels, int which)
{
  QList<qint16> v;
  const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
  for (qsizetype i = which * 2; i + 1 < bytes.size(); i += 2 * channels)
    v << qFromLittleEndian<qint16>(p + i);
  return v;
}

// Sign changes of a stretch of samples: two per period.
int crossings(const QList<qint16> &v, qsizetype from, qsizetype count)
{
  int n = 0;
  for (qsizetype i = from + 1; i < from + count; ++i)
    n += (v.at(i - 1) < 0) != (v.at(i) < 0);
  return n;
}

} // namespace

// The samples the sound device gets: each tone at its pitch (counted by
// zero crossings), for its ticks at 18.2 a second, at a quarter of the full
// range, every channel the same.
void TstMessages::toneSamples_data()
{
  QTest::addColumn<QList<Tone>>("tones");
  QTest::addColumn<int>("rate");
  QTest::addColumn<int>("channels");
  QTest::newRow("ERRBEEP at 44100 Hz") << errBeepTones() << 44100 << 1;
  QTest::newRow("ERRBEEP at 48000 Hz, stereo") << errBeepTones() << 48000 << 2;
  QTest::newRow("DONEBEEP at 44100 Hz") << doneBeepTones() << 44100 << 1;
  QTest::newRow("DONEBEEP at 22050 Hz, stereo") << doneBeepTones() << 22050 << 2;
}

void TstMessages::toneSamples()
{
  QFETCH(QList<Tone>, tones);
  QFETCH(int, rate);
  QFETCH(int, channels);
  const QByteArray bytes = vz::toneSamples(tones, rate, channels);
  // The whole sound: each tone its ticks at 18.2 a second, to the sample,
  // 16 bits for every channel.
  qint64 samples = 0;
  for (const Tone &t : tones)
    samples += qRound64(t.ticks * rate / 18.2);
  QCOMPARE(bytes.size(), qsizetype(samples * channels * 2));
  const QList<qint16> left = channel(bytes, channels, 0);
  for (int c = 1; c < channels; ++c)
    QCOMPARE(channel(bytes, channels, c), left);
  qsizetype at = 0;
  for (const Tone &t : tones) {
    const qsizetype n = qRound64(t.ticks * rate / 18.2);
    const double toneSeconds = double(n) / rate;
    const QString which = QStringLiteral("%1 Hz at sample %2").arg(t.hertz).arg(at);
    // Pitch: two sign changes a period, within one period's worth.
    const double measured = crossings(left, at, n) / (2.0 * toneSeconds);
    QVERIFY2(qAbs(measured - t.hertz) <= 1.0 / toneSeconds + 0.5, qPrintable(which + QStringLiteral(": %1 Hz").arg(measured)));
    // Amplitude: a quarter of the range, reached both ways, never more.
    qint16 high = 0;
    qint16 low = 0;
    for (qsizetype i = at; i < at + n; ++i) {
      high = qMax(high, left.at(i));
      low = qMin(low, left.at(i));
    }
    QVERIFY2(high == 8192 && low == -8192, qPrintable(which));
    at += n;
  }
  QCOMPARE(at, left.size());
}

void TstMessages::toneSamplesEdges()
{
  QVERIFY(vz::toneSamples(errBeepTones(), 0).isEmpty());
  QVERIFY(vz::toneSamples(errBeepTones(), 44100, 0).isEmpty());
  QVERIFY(vz::toneSamples({}, 44100).isEmpty());
  // A tone without a pitch is silence of its length.
  const QByteArray quiet = vz::toneSamples({{0, 2}}, 18200);
  QCOMPARE(quiet.size(), qsizetype(2000 * 2));
  QCOMPARE(quiet, QByteArray(quiet.size(), '\0'));
}

// The beeps' module is loaded on the first beep; anything else in its place
// leaves the bell to stand in, with the reason at hand and nothing broken.
void TstMessages::soundModule_data()
{
  QTest::addColumn<QString>("file");  // in the scratch folder unless absolute
  QTest::addColumn<bool>("loads");
  QTest::newRow("the build's module") << QStringLiteral(VZ_SOUND_MODULE_FILE) << true;
  QTest::newRow("missing") << QStringLiteral("vz_sound.so") << false;
  QTest::newRow("a file that is no library") << QStringLiteral("text.so") << false;
  QTest::newRow("a library without the entry point")
      << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6") << false;
}

void TstMessages::soundModule()
{
  QFETCH(QString, file);
  QFETCH(bool, loads);
  QTemporaryDir scratch;
  {
    QFile text(scratch.filePath(QStringLiteral("text.so")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no code here\n");
  }
  const QString path = QFileInfo(file).isAbsolute() ? file : scratch.filePath(file);
  setSoundModulePath(path);
  QCOMPARE(soundModulePath(), path);
  QString error;
  const PlayTonesEntry entry = soundModuleEntry(&error);
  QCOMPARE(entry != nullptr, loads);
  QCOMPARE(error.isEmpty(), loads);
  if (loads) {
    // Where the machine has a sound device the tones play; elsewhere the
    // module declines and the bell stands in. Either way the call returns.
    playTones(doneBeepTones());
  } else {
    QVERIFY(!playTones(errBeepTones()));
    QVERIFY(!playTones(doneBeepTones()));
  }
  setSoundModulePath(QString());
}

// The program looks for the module in its own folder: the build puts it there.
void TstMessages::soundModuleBesideProgram()
{
  const QFileInfo module(QStringLiteral(VZ_SOUND_MODULE_FILE));
  const QFileInfo program(QStringLiteral(VZ_PROGRAM_FILE));
  QVERIFY(module.exists());
  QCOMPARE(module.absolutePath(), program.absolutePath());
  setSoundModulePath(QString());
  QCOMPARE(QFileInfo(soundModulePath()).fileName(), module.fileName());
  QCOMPARE(QFileInfo(soundModulePath()).absolutePath(), QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
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
