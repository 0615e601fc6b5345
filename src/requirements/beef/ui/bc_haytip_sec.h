#pragma once
// The beef animal type dialog ("Hayvan Tipi Seçimi"). "Tamam" ends with
// result 1 and fills NHAYTIP and SNCAPTION; "İptal", Escape and the close box
// end with 0 and leave them unset.
#include "requirements/beef/beeftypeform.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QRadioButton;

namespace vz::beef {

class BC_HAYTIP_SEC : public QDialog {
  Q_OBJECT
public:
  explicit BC_HAYTIP_SEC(QWidget *owner);

  quint32 NHAYTIP = 0;
  QString SNCAPTION;

  // The five type buttons in type order.
  QList<QRadioButton *> typeButtons() const { return m_buttons; }
  QPushButton *OCCPBTAMAM = nullptr;
  QPushButton *OCCPBIPTAL = nullptr;

public slots:
  void PBTAMAM();
  void PBIPTAL();

private:
  BeefTypeForm m_form;
  QList<QRadioButton *> m_buttons;
};

} // namespace vz::beef
