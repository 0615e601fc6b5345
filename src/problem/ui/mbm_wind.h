#pragma once
// "Makro BM Yeni Değer Girişi": one new nutrient value under the caller's
// prompt, preset with the current value. The caller reads CTXTVAL: the preset
// on Cancel, otherwise the edit's text, which is number text with 4 decimals,
// its sign kept (or 11 blanks when emptied), once it was typed in. OK on text
// that is no number, or too wide for a cell, names it and keeps the dialog
// open.
#include "okcanceldialog.h"

class QLabel;

namespace vz {

class JQSLE;

class MBM_WIND : public OkCancelDialog {
  Q_OBJECT
public:
  MBM_WIND(QWidget *owner, const QString &prompt, const QString &value);

  QString CTXTVAL() const { return m_ctxtval; }
  JQSLE *MBM_EDIT() const { return m_edit; }
  QLabel *FIXEDTEXT1() const { return m_label; }

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  void normaliseIfTyped();

  QLabel *m_label;
  JQSLE *m_edit;
  QString m_ctxtval;
  bool m_pending = false;  // typed, not yet normalised
};

} // namespace vz
