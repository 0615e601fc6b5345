#pragma once
// Picks exactly one item of a list: one click picks and closes. The caller
// reads NSELECTED, the 1-based position of the item, 0 when none was chosen.
#include <QDialog>
#include <QStringList>

class QPushButton;

namespace vz {

class JQLISTBOX;

class ACHOICE : public QDialog {
  Q_OBJECT
public:
  ACHOICE(QWidget *owner, const QString &caption, const QStringList &items);

  quint32 NSELECTED() const { return m_selected; }
  JQLISTBOX *BMLIST() const { return m_list; }
  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  void PBTAMAM();
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

private:
  JQLISTBOX *m_list;
  QPushButton *m_ok;
  QPushButton *m_cancel;
  quint32 m_selected = 0;
};

} // namespace vz
