#pragma once
// "Yeni...": asks for the name of a new problem file. The caller reads CDOSYA:
// the name as typed on OK, empty on Cancel (and on OK with an empty edit).
#include "okcanceldialog.h"

class QLabel;

namespace vz {

class JQSLE;

class YENIDOSYAWINDOW : public OkCancelDialog {
  Q_OBJECT
public:
  explicit YENIDOSYAWINDOW(QWidget *owner = nullptr);

  QString CDOSYA() const { return m_cDosya; }
  JQSLE *DOSYAADILINE() const { return m_edit; }

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  QLabel *m_label;
  JQSLE *m_edit;
  QString m_cDosya;
};

} // namespace vz
