// The print module: the only code of the program that links Qt's print
// support. See shell/ui/printmodule.h.
#include "shell/ui/printmodule.h"

#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <type_traits>

namespace {

QPrinter *newPrinter()
{
  return new QPrinter;
}

bool askPrint(QWidget *owner, QPrinter &printer)
{
  QPrintDialog dialog(&printer, owner);
  dialog.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  return dialog.exec() == QDialog::Accepted;
}

void printerSetup(QWidget *owner, QPrinter &printer)
{
  QPageSetupDialog dialog(&printer, owner);
  dialog.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  dialog.exec();
}

QRectF pageRect(const QPrinter &printer)
{
  return printer.pageRect(QPrinter::DevicePixel);
}

constexpr vz::PrintEntries entries{newPrinter, askPrint, printerSetup, pageRect};

} // namespace

extern "C" Q_DECL_EXPORT const vz::PrintEntries *vz_print_entries()
{
  return &entries;
}

static_assert(std::is_same_v<decltype(&vz_print_entries), vz::PrintEntriesEntry>,
              "the program calls the entry point through PrintEntriesEntry");
