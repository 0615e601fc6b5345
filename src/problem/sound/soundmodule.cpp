// The sound module: the only code of the program that links the sound
// library. See problem/ui/soundmodule.h.
#include "problem/ui/soundmodule.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <type_traits>

extern "C" Q_DECL_EXPORT bool vz_play_tones(const QList<vz::Tone> &tones, vz::ToneSampleMaker makeSamples)
{
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull())
    return false;
  QAudioFormat format = device.preferredFormat();
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) {
    format.setSampleRate(44100);
    format.setChannelCount(1);
  }
  if (!device.isFormatSupported(format))
    return false;
  QBuffer samples;
  samples.setData(makeSamples(tones, format.sampleRate(), format.channelCount()));
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
  if (sink.error() != QAudio::NoError)
    return false;
  // The sound is short; what the user types meanwhile waits for it.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  sink.stop();
  return true;
}

static_assert(std::is_same_v<decltype(&vz_play_tones), vz::PlayTonesEntry>,
              "the program calls the entry point through PlayTonesEntry");
