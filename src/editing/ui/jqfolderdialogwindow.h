#pragma once
// The back-up dialog of the reference matrix: one edit for the target, whose
// button and double click open the folder chooser and fill in the folder
// joined with the file name, and "&Tamam" / "&İptal".
#include "problem/ui/okcanceldialog.h"

namespace vz {

class PBFILESLE;

class JQFOLDERDIALOGWINDOW : public OkCancelDialog {
  Q_OBJECT
public:
  JQFOLDERDIALOGWINDOW(QWidget *owner, const QString &fileName);

  PBFILESLE *SLEYEDDIZ = nullptr;
  // The target: the edit's text after "&Tamam", empty otherwise.
  QString SFFTXTVAL;

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;
};

} // namespace vz
