#pragma once
// The program's two sounds as tones: a frequency in hertz held for a number
// of clock ticks of about 1/18 second (the PC's timer ran at 18.2 ticks a
// second), and the sound samples that play them. The samples are plain
// 16-bit PCM, one channel or several carrying the same signal, so any sound
// device can take them; the window side hands them to the device.
#include <QByteArray>
#include <QList>

namespace vz {

struct Tone {
  int hertz;
  int ticks;
  bool operator==(const Tone &) const = default;
};

QList<Tone> errBeepTones();   // 100 Hz for 3 ticks
QList<Tone> doneBeepTones();  // 300, 100, 300, 100 Hz, a tick each

inline constexpr double ToneTicksPerSecond = 18.2;
// Peak of the square wave: a quarter of the 16-bit range, loud enough to be
// heard over a fan, far from the clipping that makes a speaker rattle.
inline constexpr qint16 ToneAmplitude = 8192;

// Signed 16-bit little-endian samples of the tones one after the other, at
// `sampleRate` samples a second, each sample repeated for every channel. Each
// tone is a square wave at its frequency that starts on a rising edge; its
// length is its ticks at 18.2 a second, rounded to whole samples. A tone
// below 1 Hz is silence of its length; no rate or channel count below 1
// gives no samples.
QByteArray toneSamples(const QList<Tone> &tones, int sampleRate, int channels = 1);

// How many samples (per channel) a tone lasts at this rate.
qint64 toneSampleCount(const Tone &tone, int sampleRate);

} // namespace vz
