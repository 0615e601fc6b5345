#pragma once
// The report editor's dialogs on Qt's standard dialogs. After every file
// dialog the program directory is made current again, whatever the user did.
#include "reporteditordialogs.h"

namespace vz {

class ReportEditorQtDialogs : public ReportEditorDialogs {
public:
  QString openReportFile(QWidget *owner, const QString &startFolder) override;
  SaveChoice saveReportFile(QWidget *owner, const QString &proposedName,
                            const QString &startFolder) override;
  bool chooseFont(QWidget *owner, QFont &font, QColor &colour) override;
  std::optional<Margins> askMargins(QWidget *owner) override;
  bool askPrint(QWidget *owner, QPrinter &printer) override;
  void printerSetup(QWidget *owner, QPrinter &printer) override;
};

} // namespace vz
