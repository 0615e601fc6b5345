#pragma once
// The numbered pictures that toolbar buttons name (the numbering the menus of
// the program use: 2 open, 3 close, 4 save, 5 print, 6 report editor, 12 font,
// 21-23 alignment, 31 copy, 41 link, 48 calculator, 69 add, 81 choose, 89
// arithmetic, 90 solve, 100 new,
// 101 cut, 102 paste, 107 freeze column, 112 report, 120 help, 121 delete, 127-130 record
// moves, 131 table, 132 form). Drawn for this program at run time.
#include <QIcon>

namespace vz {

// A 16 x 16 picture for the number; an unknown number gives a picture of the
// number itself, so no button is ever left blank (`drawn`, when given, tells
// which of the two it is).
QIcon toolbarPicture(int number, bool *drawn = nullptr);

} // namespace vz
