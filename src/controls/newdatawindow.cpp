#include "newdatawindow.h"

namespace vz {

NEWDATAWINDOW::NEWDATAWINDOW(QWidget *parent) : QWidget(parent), m_tracker(new MouseTracker(this)) {}

} // namespace vz
