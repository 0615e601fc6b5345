#pragma once
// The context menu of a report window's text control: the popup "&Yazım"
// with font, margins, alignment, the clipboard, select all and close. Its
// commands run on the report window.
#include <QMenu>

namespace vz {

class PADWIN;

class ED_CONT_MENU : public QMenu {
  Q_OBJECT
public:
  ED_CONT_MENU(PADWIN *window, QWidget *parent);
};

} // namespace vz
