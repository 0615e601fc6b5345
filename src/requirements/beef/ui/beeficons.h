#pragma once
// The small pictures of the beef input dialog's tabs and the type dialog's
// cow, drawn for this program.
#include <QIcon>
#include <QPixmap>

namespace vz::beef {

class HAYBIL : public QIcon {  // the animal tab
public:
  HAYBIL();
};

class MENAJER : public QIcon {  // the management tab
public:
  MENAJER();
};

class WFORE : public QIcon {  // the environment tab
public:
  WFORE();
};

// The type dialog's picture ("BEEFCOW"), at the given size in pixels.
QPixmap beefCowPicture(const QSize &size);

} // namespace vz::beef
