#include "newdatadialog.h"

namespace vz {

NEWDATADIALOG::NEWDATADIALOG(QWidget *parent) : QDialog(parent), m_tracker(new MouseTracker(this)) {}

} // namespace vz
