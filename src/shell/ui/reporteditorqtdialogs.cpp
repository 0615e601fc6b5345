#include "reporteditorqtdialogs.h"

#include "padwinmargindialog.h"
#include "printmodule.h"
#include "problem/appsession.h"
#include "qtfilecommanddialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>

namespace vz {

namespace {

// VKDEFAULTS: file dialogs may change the current folder; the program's
// relative names count from its own directory.
void restoreProgramDir()
{
  const QString dir = AppSession::instance().programDir();
  if (!dir.isEmpty())
    QDir::setCurrent(dir);
}

} // namespace

QString ReportEditorQtDialogs::openReportFile(QWidget *owner, const QString &startFolder)
{
  QFileDialog dialog(owner, QStringLiteral("Aç..."), startFolder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Report files come from Windows as well: the filters match any letter case.
  dialog.setNameFilters({QStringLiteral("Metin Dosyası(*.[Tt][Xx][Tt])"),
                         QStringLiteral("Zengin Metin Dosyası(*.[Rr][Tt][Ff])"),
                         QStringLiteral("Tüm Dosyalar(*)")});
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  QtFileCommandDialogs::makeReadable(dialog);
  QString chosen;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    chosen = dialog.selectedFiles().constFirst();
  restoreProgramDir();
  return chosen;
}

ReportEditorDialogs::SaveChoice ReportEditorQtDialogs::saveReportFile(QWidget *owner,
                                                                      const QString &proposedName,
                                                                      const QString &startFolder)
{
  const QString filterTxt = QtFileCommandDialogs::anyCaseFilter(QStringLiteral("*.TXT "), QStringLiteral("txt"));
  const QString filterRtf = QtFileCommandDialogs::anyCaseFilter(QStringLiteral("*.RTF "), QStringLiteral("rtf"));
  const QFileInfo proposed(proposedName);
  const QString start = proposed.isAbsolute() ? proposedName
                                              : QDir(startFolder).filePath(proposed.fileName());
  QFileDialog dialog(owner, QStringLiteral("Farklı Kaydet"), start);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // the editor asks itself
  dialog.setNameFilters({filterTxt, filterRtf});
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.selectFile(start);
  QtFileCommandDialogs::makeReadable(dialog);
  SaveChoice choice;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    choice.name = dialog.selectedFiles().constFirst();
    choice.filterIndex = QtFileCommandDialogs::selectedFilterIndex(dialog, {filterTxt, filterRtf}) == 2 ? 2 : 1;
  }
  restoreProgramDir();
  return choice;
}

bool ReportEditorQtDialogs::chooseFont(QWidget *owner, QFont &font, QColor &colour)
{
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, owner, QStringLiteral("Font"));
  if (!ok)
    return false;
  const QColor c = QColorDialog::getColor(colour.isValid() ? colour : QColor(Qt::black), owner,
                                          QStringLiteral("Renk"));
  if (!c.isValid())
    return false;
  font = chosen;
  colour = c;
  return true;
}

std::optional<ReportEditorDialogs::Margins> ReportEditorQtDialogs::askMargins(QWidget *owner)
{
  MARGINDIALOG dialog(owner);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return Margins{dialog.ODCSLELM()->text(), dialog.ODCSLERM()->text()};
}

// The dialogs are the print module's: every printer comes from it, so it is
// loaded by the time one is asked for.
bool ReportEditorQtDialogs::askPrint(QWidget *owner, QPrinter &printer)
{
  const PrintEntries *print = printModule();
  return print && print->askPrint(owner, printer);
}

void ReportEditorQtDialogs::printerSetup(QWidget *owner, QPrinter &printer)
{
  if (const PrintEntries *print = printModule())
    print->printerSetup(owner, printer);
}

} // namespace vz
