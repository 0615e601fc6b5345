#include "jqtoolbar.h"
#include "toolbaredges.h"
#include "toolbarpictures.h"
#include <QAction>
#include <QToolButton>

namespace vz {

JQTOOLBAR::JQTOOLBAR(QWidget *parent) : QToolBar(parent)
{
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(16, 16));
  paintToolBarEdgesOnGuiThread(this);
}

void JQTOOLBAR::APPENDITEM(int image, QAction *action)
{
  if (image == 0 || !action) {
    addSeparator();
    return;
  }
  // The menu item keeps its own look; the button gets the picture.
  auto *button = new QToolButton(this);
  button->setDefaultAction(action);
  button->setIcon(toolbarPicture(image));
  button->setProperty("vzPicture", image);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  button->setIconSize(iconSize());
  const QIcon picture = toolbarPicture(image);
  // A change of the action (enabling, text) resets the button from it; put
  // the picture and the tip back afterwards.
  connect(action, &QAction::changed, button, [button, picture] {
    button->setIcon(picture);
    const QVariant tip = button->property("vzTip");
    if (tip.isValid())
      button->setToolTip(tip.toString());
  });
  addWidget(button);
}

void JQTOOLBAR::ADDTIPTEXT(int, QAction *action, const QString &text)
{
  for (QToolButton *b : findChildren<QToolButton *>())
    if (b->defaultAction() == action) {
      b->setProperty("vzTip", text);
      b->setToolTip(text);
    }
}

} // namespace vz
