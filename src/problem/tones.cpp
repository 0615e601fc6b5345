#include "tones.h"

#include <QtEndian>
#include <cmath>

namespace vz {

QList<Tone> errBeepTones() { return {{100, 3}}; }
QList<Tone> doneBeepTones() { return {{300, 1}, {100, 1}, {300, 1}, {100, 1}}; }

qint64 toneSampleCount(const Tone &tone, int sampleRate)
{
  if (sampleRate < 1 || tone.ticks < 1)
    return 0;
  return std::llround(double(tone.ticks) * sampleRate / ToneTicksPerSecond);
}

QByteArray toneSamples(const QList<Tone> &tones, int sampleRate, int channels)
{
  QByteArray out;
  if (sampleRate < 1 || channels < 1)
    return out;
  qint64 total = 0;
  for (const Tone &t : tones)
    total += toneSampleCount(t, sampleRate);
  out.resize(total * channels * qsizetype(sizeof(qint16)));
  char *at = out.data();
  for (const Tone &t : tones) {
    const qint64 n = toneSampleCount(t, sampleRate);
    for (qint64 i = 0; i < n; ++i) {
      qint16 v = 0;
      if (t.hertz >= 1) {
        // The first half of every period high, the second low, counted from
        // the tone's own start, so each tone of a sequence begins cleanly.
        const double phase = std::fmod(double(i) * t.hertz / sampleRate, 1.0);
        v = phase < 0.5 ? ToneAmplitude : qint16(-ToneAmplitude);
      }
      for (int c = 0; c < channels; ++c) {
        qToLittleEndian(v, at);
        at += sizeof(qint16);
      }
    }
  }
  return out;
}

} // namespace vz
