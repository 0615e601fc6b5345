#include "qtfilecommanddialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

namespace vz {

namespace {

// Qt's file model writes sizes and dates in the desktop's locale ("11 Dec
// 2026" on one not set to Turkish); the dialog's own locale writes them here.
class FileDetailsInDialogLocale : public QIdentityProxyModel {
public:
  explicit FileDetailsInDialogLocale(QFileDialog &dialog)
      : QIdentityProxyModel(&dialog), m_locale(dialog.locale())
  {
  }

  QVariant data(const QModelIndex &index, int role) const override
  {
    enum { SizeColumn = 1, DateColumn = 3 };
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || (index.column() != SizeColumn && index.column() != DateColumn))
      return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == DateColumn)
      return m_locale.toString(files->lastModified(source), QLocale::ShortFormat);
    return files->isDir(source) ? QString() : m_locale.formattedDataSize(files->size(source));
  }

private:
  QLocale m_locale;
};

} // namespace

QString QtFileCommandDialogs::anyCaseFilter(const QString &description, const QString &extension)
{
  // The dialog hides the last bracket (the patterns) and shows the description
  // as it is written, its own "(*.RVD)" included. A save dialog puts the
  // first pattern's extension into the typed name when the type changes, so
  // the first one is the plain extension.
  QString pattern = QStringLiteral("*.");
  for (QChar c : extension)
    pattern += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
  return description + QStringLiteral("(*.") + extension.toUpper() + QLatin1Char(' ') + pattern
         + QLatin1Char(')');
}

int QtFileCommandDialogs::selectedFilterIndex(const QFileDialog &dialog, const QStringList &filters)
{
  // With the filter details hidden, the dialog may answer the shortened text
  // of its type list rather than the filter given: the list's position is
  // what the user chose.
  if (auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
      types && types->count() == filters.size() && types->currentIndex() >= 0)
    return types->currentIndex() + 1;
  const qsizetype exact = filters.indexOf(dialog.selectedNameFilter());
  return exact >= 0 ? int(exact) + 1 : 1;
}

void QtFileCommandDialogs::makeReadable(QFileDialog &dialog)
{
  // The desktop's own dialog would follow none of this.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
  dialog.setProxyModel(new FileDetailsInDialogLocale(dialog));
  dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
  if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
    QHeaderView *header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

QString QtFileCommandDialogs::askOpenFile(const QString &dataDir)
{
  QFileDialog dialog(m_owner, QStringLiteral("Aç..."), dataDir);
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(anyCaseFilter(QStringLiteral("Vesk_Zyr Veri Dosyası(*.RVD)"), QStringLiteral("rvd")));
  makeReadable(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  return dialog.selectedFiles().constFirst();
}

FileCommandDialogs::SaveAsChoice QtFileCommandDialogs::askSaveAs(const QString &initialFile,
                                                                 const QString &dataDir)
{
  const QStringList filters{
      anyCaseFilter(QStringLiteral("Vesk_Zyr Veri Dosyası (*.RVD)"), QStringLiteral("rvd")),
      anyCaseFilter(QStringLiteral("VESK Veri Dosyası (*.VVD)"), QStringLiteral("vvd"))};
  QFileDialog dialog(m_owner, QStringLiteral("Farklı Kaydet"), dataDir);
  // The command asks about the file it really writes (its name gets a "1").
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails
                    | QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.constFirst());
  if (!initialFile.isEmpty())
    dialog.selectFile(initialFile);
  makeReadable(dialog);
  SaveAsChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return choice;
  choice.path = dialog.selectedFiles().constFirst();
  choice.filterIndex = selectedFilterIndex(dialog, filters) == 2 ? 2 : 1;
  return choice;
}

} // namespace vz
