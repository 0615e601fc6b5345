#pragma once
// Every file the program reads or writes (problem tables, reports, the
// reference matrix) is Windows code page 1254 (Turkish). These conversions use
// our own 256-entry table so that every byte round-trips, whatever codecs the
// Qt build carries.
#include <QByteArray>
#include <QString>

namespace vz::cp1254 {

// Never fails: every byte has a character (the seven undefined bytes map to
// the C1 control of the same value, so they come back unchanged).
QString decode(QByteArrayView bytes);

// A character with no code in 1254 becomes '?'; `lossless` (when given) is set
// to false in that case.
QByteArray encode(QStringView text, bool *lossless = nullptr);

// True when every character of `text` has a code in 1254.
bool canEncode(QStringView text);

} // namespace vz::cp1254
