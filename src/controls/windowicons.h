#pragma once
// The icons that windows, dialogs and buttons receive at run time. Each class
// loads the image registered under its own name, so a window that wants the
// program's emblem writes `setWindowIcon(VSKTOD())`. The family differs only in
// the resource name, so it is kept together here.
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace vz {

// The icon of the given resource name from the program's own images; a null
// icon when no image of that name exists.
QIcon resourceIcon(const QString &name);

#define VZ_RESOURCE_ICON(NAME) \
  class NAME : public QIcon { \
  public: \
    NAME() : QIcon(resourceIcon(QStringLiteral(#NAME))) {} \
  };

VZ_RESOURCE_ICON(VSKTOD)            // ordinary windows and dialogs
VZ_RESOURCE_ICON(VSKMAIN)           // about box picture, manual ration window, main window
VZ_RESOURCE_ICON(VSKICON)           // kept with the program's pictures; no window shows it
VZ_RESOURCE_ICON(PSWICO)            // kept with the program's pictures; no window shows it
VZ_RESOURCE_ICON(IDI_COCPADICON)    // report windows
VZ_RESOURCE_ICON(ICOOKUP)
VZ_RESOURCE_ICON(ICOOKDOWN)
VZ_RESOURCE_ICON(ICOOKDISABLED)
VZ_RESOURCE_ICON(ICOCANCELUP)
VZ_RESOURCE_ICON(ICOCANCELDOWN)
VZ_RESOURCE_ICON(ICOCANCELDISABLED)
VZ_RESOURCE_ICON(ICONOUP)
VZ_RESOURCE_ICON(ICONODOWN)
VZ_RESOURCE_ICON(ICONODISABLED)
VZ_RESOURCE_ICON(ICOHELPUP)
VZ_RESOURCE_ICON(ICOHELPDOWN)
VZ_RESOURCE_ICON(ICOHELPDISABLED)
VZ_RESOURCE_ICON(A1_FORUMLIB)

#undef VZ_RESOURCE_ICON

// Gives `window` a large and a small icon of its own (both the same image).
void setWindowIcons(QWidget *window, const QIcon &icon);

// The tip dialog's bulb picture (48 x 48).
class LIGHTBULB : public QPixmap {
public:
  LIGHTBULB();
};

// A picture read from a file; an unreadable file leaves it without an image
// (isNull()), and nothing is reported.
class BITMAPFROMDISK : public QPixmap {
public:
  explicit BITMAPFROMDISK(const QString &fileName);
};

} // namespace vz
