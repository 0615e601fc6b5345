#pragma once
// The dialogs of the report editor, behind one interface so that tests can
// script them: the open and save dialogs, the font dialog, the page margin
// dialog ("Sayfa Marjı"), the print dialog and the printer set-up. The
// program uses ReportEditorQtDialogs.
#include <QString>
#include <optional>

class QColor;
class QFont;
class QPrinter;
class QWidget;

namespace vz {

class ReportEditorDialogs {
public:
  virtual ~ReportEditorDialogs() = default;

  struct SaveChoice {
    QString name;         // empty: cancelled
    int filterIndex = 1;  // 1 "*.TXT", 2 "*.RTF"
  };
  struct Margins {
    QString left;   // inches, as typed
    QString right;
  };

  // "Aç...": the chosen file, empty when cancelled.
  virtual QString openReportFile(QWidget *owner, const QString &startFolder) = 0;
  // "Farklı Kaydet", proposing `proposedName`.
  virtual SaveChoice saveReportFile(QWidget *owner, const QString &proposedName,
                                    const QString &startFolder) = 0;
  // Presets font and colour; true and both changed on OK.
  virtual bool chooseFont(QWidget *owner, QFont &font, QColor &colour) = 0;
  // The margin dialog, always starting at "0" and "7"; nullopt on Cancel.
  virtual std::optional<Margins> askMargins(QWidget *owner) = 0;
  // The print dialog on `printer`; true when the user asks to print.
  virtual bool askPrint(QWidget *owner, QPrinter &printer) = 0;
  // The printer set-up (page set-up) of the same printer.
  virtual void printerSetup(QWidget *owner, QPrinter &printer) = 0;
};

} // namespace vz
