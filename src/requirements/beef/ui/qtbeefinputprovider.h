#pragma once
// The beef model's dialogs on screen: the type dialog and the tabbed input
// dialog, each shown modally over the owner window and dropped after it.
#include "requirements/beef/beefinputprovider.h"

class QWidget;

namespace vz::beef {

class QtBeefInputProvider : public BeefInputProvider {
public:
  // `owner` (the main window, or null) must outlive the provider.
  explicit QtBeefInputProvider(QWidget *owner) : m_owner(owner) {}

  std::optional<BeefTypeChoice> askAnimalType() override;
  std::optional<BeefInputPages> askInputs(const BeefTypeChoice &type) override;

private:
  QWidget *m_owner;
};

} // namespace vz::beef
