#pragma once
// Picks exactly one item of a list: one click picks and closes. The caller
// reads NSELECTED, the 1-based position of the item, 0 when none was chosen.
#include "okcanceldialog.h"
#include <QStringList>

namespace vz {

class JQLISTBOX;

class ACHOICE : public OkCancelDialog {
  Q_OBJECT
public:
  ACHOICE(QWidget *owner, const QString &caption, const QStringList &items);

  quint32 NSELECTED() const { return m_selected; }
  JQLISTBOX *BMLIST() const { return m_list; }

public slots:
  void PBTAMAM() override;
  void PBIPTAL() override;

private:
  JQLISTBOX *m_list;
  quint32 m_selected = 0;
};

} // namespace vz
