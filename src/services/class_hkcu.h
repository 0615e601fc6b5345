#pragma once
// The registry class fixed to HKEY_CURRENT_USER (files under
// $XDG_CONFIG_HOME/HKEY_CURRENT_USER/).
#include "services/class_registry.h"

namespace vz {

class CLASS_HKCU : public CLASS_REGISTRY {
public:
  CLASS_HKCU() { m_root = HKEY_CURRENT_USER; }
  // The root never changes: the argument is ignored. Never fails.
  RootKey HKEY(RootKey) override { return m_root; }
  using CLASS_REGISTRY::HKEY;

protected:
  bool rootIsFixed() const override { return true; }
};

} // namespace vz
