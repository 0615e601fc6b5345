#pragma once
// The dairy model's dialogs over an owner window: each is shown modally and
// read after it has closed. No call fails; Cancel, Escape and the close box
// come back as a cancel (NSTIPI 0, nullopt).
#include "requirements/dairy/dairyinputprovider.h"

#include <QPointer>
#include <QWidget>

namespace vz {

class DairyDialogs : public DairyInputProvider {
public:
  explicit DairyDialogs(QWidget *owner) : m_owner(owner) {}

  STipiSecResult askType(int mode) override;
  std::optional<GrowCatleInput> askGrowing() override;
  std::optional<LactCatleInput> askCow() override;
  std::optional<MatBulInput> askBull() override;

private:
  QPointer<QWidget> m_owner;
};

} // namespace vz
