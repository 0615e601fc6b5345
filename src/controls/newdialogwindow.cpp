#include "newdialogwindow.h"

namespace vz {

NEWDIALOGWINDOW::NEWDIALOGWINDOW(QWidget *parent) : QDialog(parent), m_tracker(new MouseTracker(this)) {}

} // namespace vz
