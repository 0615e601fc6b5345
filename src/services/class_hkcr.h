#pragma once
// The registry class fixed to HKEY_CLASSES_ROOT (files under
// $XDG_CONFIG_HOME/HKEY_CLASSES_ROOT/).
#include "services/class_registry.h"

namespace vz {

class CLASS_HKCR : public CLASS_REGISTRY {
public:
  CLASS_HKCR() { m_root = HKEY_CLASSES_ROOT; }
  // The root never changes: the argument is ignored. Never fails.
  RootKey HKEY(RootKey) override { return m_root; }
  using CLASS_REGISTRY::HKEY;

protected:
  bool rootIsFixed() const override { return true; }
};

} // namespace vz
