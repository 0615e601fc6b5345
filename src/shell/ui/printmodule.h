#pragma once
// Printing reaches Qt's print support through a module of its own, next to
// the program, loaded on the first print or printer set-up: the print
// support library would otherwise be loaded and linked at every start, for
// a printer many sessions never use.
#include <QRectF>
#include <QString>

class QPrinter;
class QWidget;

namespace vz {

// What the module does for the program. Every printer comes from
// newPrinter, so whoever holds one has the module loaded.
struct PrintEntries {
  // The default printer of the print system (the caller owns it).
  QPrinter *(*newPrinter)();
  // The print dialog on `printer`, in Turkish; true when the user asks to print.
  bool (*askPrint)(QWidget *owner, QPrinter &printer);
  // The page set-up of `printer`, in Turkish.
  void (*printerSetup)(QWidget *owner, QPrinter &printer);
  // The printable part of the page, in the printer's device pixels.
  QRectF (*pageRect)(const QPrinter &printer);
};

// The module's one entry point.
using PrintEntriesEntry = const PrintEntries *(*)();
inline constexpr char PrintEntriesName[] = "vz_print_entries";

// The module's file: the one in the program's own folder unless set.
QString printModulePath();
// Another module file (an empty path: the program's own again); the next
// print loads it.
void setPrintModulePath(const QString &path);
// The entries, the module loaded on the first call; null when the module is
// missing or is no print module of ours. `error`, when given, says why.
const PrintEntries *printModule(QString *error = nullptr);

} // namespace vz
