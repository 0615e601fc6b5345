#include "messages.h"
#include "controls/windowicons.h"
#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>

namespace vz {

namespace {

QString orDefault(const QString &caption, const char *fallback)
{
  return caption.isNull() ? QString::fromUtf8(fallback) : caption;
}

} // namespace

int TEXTBOX(QWidget *owner, const QString &caption, const QString &text, int type)
{
  QMessageBox box(owner);
  box.setWindowTitle(caption);
  // Some messages break their lines with carriage returns alone; the box
  // shows every break as a new line.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  box.setText(shown);
  box.setTextFormat(Qt::PlainText);
  box.setWindowIcon(VSKTOD());
  switch (type & 0xF0) {
  case MbIconStop: box.setIcon(QMessageBox::Critical); break;
  case MbIconQuestion: box.setIcon(QMessageBox::Question); break;
  case MbIconExclamation: box.setIcon(QMessageBox::Warning); break;
  case MbIconInformation: box.setIcon(QMessageBox::Information); break;
  default: box.setIcon(QMessageBox::NoIcon); break;
  }
  QPushButton *yes = nullptr;
  QPushButton *no = nullptr;
  QPushButton *cancel = nullptr;
  QPushButton *ok = nullptr;
  switch (type & 0x0F) {
  case MbYesNoCancel:
    yes = box.addButton(QStringLiteral("&Evet"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("&Hayır"), QMessageBox::NoRole);
    cancel = box.addButton(QStringLiteral("&İptal"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    break;
  case MbYesNo:
    yes = box.addButton(QStringLiteral("&Evet"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("&Hayır"), QMessageBox::NoRole);
    box.setDefaultButton((type & MbDefButton2) ? no : yes);
    box.setEscapeButton(no);
    break;
  default:
    ok = box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    break;
  }
  box.exec();
  QAbstractButton *clicked = box.clickedButton();
  if (clicked && clicked == yes) return IdYes;
  if (clicked && clicked == no) return IdNo;
  if (clicked && clicked == ok) return IdOk;
  if (cancel) return IdCancel;
  return no ? IdNo : IdOk;
}

void ERRMESS(QWidget *owner, const QString &caption, const QString &text)
{
  TEXTBOX(owner, orDefault(caption, "Hata..."), text, MbIconStop | MbOk);
}

void MESS2(const QString &text)
{
  TEXTBOX(nullptr, QStringLiteral("Hata..."), text, MbIconStop | MbOk);
}

void MESS(const QString &text)
{
  TEXTBOX(nullptr, QStringLiteral("Mesaj"), text, MbIconInformation | MbOk);
}

void UYARI(QWidget *owner, const QString &caption, const QString &text)
{
  TEXTBOX(owner, orDefault(caption, "Uyarı..."), text, MbIconExclamation | MbOk);
}

bool playTones(const QList<Tone> &tones)
{
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  QAudioFormat format;
  if (!device.isNull()) {
    format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
      format.setSampleRate(44100);
      format.setChannelCount(1);
    }
  }
  if (device.isNull() || !device.isFormatSupported(format)) {
    QApplication::beep();
    return false;
  }
  QBuffer samples;
  samples.setData(toneSamples(tones, format.sampleRate(), format.channelCount()));
  samples.open(QIODevice::ReadOnly);
  QAudioSink sink(device, format);
  QEventLoop loop;
  QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState)
      loop.quit();
  });
  // Never longer than the sound and a little more, whatever the device does.
  QTimer::singleShot(int(format.durationForBytes(samples.size()) / 1000) + 500, &loop, &QEventLoop::quit);
  sink.start(&samples);
  if (sink.error() != QAudio::NoError) {
    QApplication::beep();
    return false;
  }
  // The sound is short; what the user types meanwhile waits for it.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  sink.stop();
  return true;
}

void ERRBEEP() { playTones(errBeepTones()); }

void DONEBEEP() { playTones(doneBeepTones()); }

} // namespace vz
