#pragma once
// "Referans Matris: Besin maddesi ekle-sil": appends a nutrient column to the
// reference matrix, inserts one in front of a chosen column, or deletes a
// column added earlier. The checks and the file change are the core's
// (refmaint::ColumnEditor); this dialog only gathers the choice.
#include "editing/referencemaintenance.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vz {

class Interaction;

class BM_MAN_WIN : public QDialog {
  Q_OBJECT
public:
  BM_MAN_WIN(QWidget *owner, const QString &path, Interaction &ui, refmaint::TableWriter writer = {});

  QRadioButton *RBEKLE, *RBAGIR, *RBSIL;
  QListWidget *LBBMAD;
  QLineEdit *SLEBMNAME;
  QPushButton *PBTAMAM_, *PBIPTAL_;

  int BMSELECTED() const;  // 1-based, 0 when none

  // A matrix that could not be read was named at construction; with nothing
  // to offer the dialog does not run then (answers Rejected at once).
  int exec() override;

public slots:
  void PBTAMAM();
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

private:
  void BUTTONCLICK();
  refmaint::ColumnOperation operation() const;

  Interaction &m_ui;
  refmaint::ColumnEditor m_editor;
};

} // namespace vz
