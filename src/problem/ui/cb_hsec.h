#pragma once
// "Eşleştirme Diyaloğu": pairs one name of the open problem (a nutrient or a
// feedstuff) with one name of the reference matrix, skips it, or abandons the
// command that asked. The caller reads RESULT (1 Tamam, 2 Atla, 0 İptal) and
// NSELECTED (the 1-based candidate after Tamam, 0 otherwise). Escape and the
// close box answer as "İptal" does.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace vz {

class JQCOMBOBOX;

class CB_HSEC : public QDialog {
  Q_OBJECT
public:
  CB_HSEC(QWidget *owner, const QString &name, const QStringList &candidates);

  int RESULT() const { return m_result; }
  quint32 NSELECTED() const { return m_selected; }

  QLabel *FT_BM_UN() const { return m_text; }
  JQCOMBOBOX *comboBox() const { return m_combo; }
  QPushButton *tamamButton() const { return m_tamam; }
  QPushButton *atlaButton() const { return m_atla; }
  QPushButton *iptalButton() const { return m_iptal; }

public slots:
  void PBTAMAM();
  void PB_ATLA();
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

private:
  void POSTINIT(const QString &name, const QStringList &candidates);
  void finish(int result);

  QLabel *m_text = nullptr;
  JQCOMBOBOX *m_combo = nullptr;
  QPushButton *m_tamam = nullptr;
  QPushButton *m_atla = nullptr;
  QPushButton *m_iptal = nullptr;
  int m_result = 0;
  quint32 m_selected = 0;
};

} // namespace vz
