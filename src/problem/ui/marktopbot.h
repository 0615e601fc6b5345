#pragma once
// Picks any number of items of a list, each click toggling one; the
// "Tümünü &Seç" button selects all (its caption then reads "Tümünü &Kaldır",
// which clears all). The caller reads ANSELECTED: the 1-based positions of the
// chosen items in ascending order, empty when none was chosen or on Cancel.
#include <QDialog>
#include <QList>
#include <QStringList>

class QPushButton;

namespace vz {

class JQLISTBOX;

class MARKTOPBOT : public QDialog {
  Q_OBJECT
public:
  MARKTOPBOT(QWidget *owner, const QString &caption, const QStringList &items,
             bool offerSelectAll = true);

  QList<int> ANSELECTED() const { return m_selected; }
  JQLISTBOX *LBTOSELECT() const { return m_list; }
  QPushButton *selectAllButton() const { return m_selectAll; }  // null when not offered
  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  void PBTAMAM();
  void PBIPTAL();
  void PBTSEC();
  void reject() override { PBIPTAL(); }

private:
  JQLISTBOX *m_list;
  QPushButton *m_ok;
  QPushButton *m_cancel;
  QPushButton *m_selectAll = nullptr;
  QList<int> m_selected;
};

} // namespace vz
