#pragma once
// The pictures of the small buttons at the right end of the date and search
// edits, released and pressed, drawn with a raised or sunken frame of their
// own (the buttons paint nothing else).
#include <QPixmap>

namespace vz {

QPixmap calendarButtonPicture(bool down);   // a leaf of a wall calendar
QPixmap magnifierButtonPicture(bool down);  // a magnifying glass

} // namespace vz
