#pragma once
// The beeps reach the sound device through a module of their own, next to the
// program, loaded on the first beep: the sound library and all it brings
// along (the sound server's client, codecs, network) would otherwise be
// loaded and linked at every start, for a sound that may never be made.
#include "problem/tones.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vz {

// Makes the samples of `tones` for the device's rate and channel count, as
// toneSamples does.
using ToneSampleMaker = QByteArray (*)(const QList<Tone> &tones, int sampleRate, int channels);
// The module's one entry point: plays the tones on the default sound device
// and returns after the sound; false, with nothing played, where there is no
// device or it refuses the samples.
using PlayTonesEntry = bool (*)(const QList<Tone> &tones, ToneSampleMaker samples);
inline constexpr char PlayTonesEntryName[] = "vz_play_tones";

// The module's file: the one in the program's own folder unless set.
QString soundModulePath();
// Another module file (an empty path: the program's own again); the next beep
// loads it.
void setSoundModulePath(const QString &path);
// The entry point, the module loaded on the first call; null when the module
// is missing or is no sound module of ours. `error`, when given, says why.
PlayTonesEntry soundModuleEntry(QString *error = nullptr);

} // namespace vz
