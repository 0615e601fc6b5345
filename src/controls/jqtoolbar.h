#pragma once
// A plain toolbar (no bands) whose buttons show pictures only and repeat menu
// commands; buttons are added by picture number, as the menus list them.
#include <QToolBar>

namespace vz {

class JQTOOLBAR : public QToolBar {
  Q_OBJECT
public:
  // The creating menu is not needed; the toolbar belongs to whoever adds it.
  explicit JQTOOLBAR(QWidget *parent = nullptr);

  // APPENDITEM(image, item): a button with picture `image` that triggers
  // `action`; APPENDITEM(0) (a null action or image 0) appends a separator.
  void APPENDITEM(int image, QAction *action = nullptr);
  // ADDTIPTEXT(image, item, text): the tip of the button of `action`.
  void ADDTIPTEXT(int image, QAction *action, const QString &text);
};

} // namespace vz
