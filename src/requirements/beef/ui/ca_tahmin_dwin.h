#pragma once
// The live-weight estimate from body measures ("Canlı Ağırlık Tahmini").
// "Tamam" ends with result 1, "İptal", Escape and the close box with 0.
#include "requirements/beef/liveweightestimateform.h"

#include <QDialog>

class QPushButton;

namespace vz::beef {

class BeefPageView;

class CA_TAHMIN_DWIN : public QDialog {
  Q_OBJECT
public:
  explicit CA_TAHMIN_DWIN(QWidget *owner);
  ~CA_TAHMIN_DWIN() override;

  LiveWeightEstimateForm &form() { return m_form; }
  BeefPageView *view() const { return m_view; }
  QPushButton *OCCPB_TAMAM = nullptr;
  QPushButton *OCCPB_IPTAL = nullptr;

public slots:
  void PB_TAMAM();
  void PBIPTAL();

private:
  LiveWeightEstimateForm m_form;
  BeefPageView *m_view = nullptr;
};

} // namespace vz::beef
