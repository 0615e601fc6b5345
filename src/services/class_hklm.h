#pragma once
// The registry class fixed to HKEY_LOCAL_MACHINE: the program's own settings
// key "Software\Tervolu\VKSetings" lives here (file Tervolu/VKSetings.conf).
#include "services/class_registry.h"

namespace vz {

class CLASS_HKLM : public CLASS_REGISTRY {
public:
  CLASS_HKLM() { m_root = HKEY_LOCAL_MACHINE; }
  // The root never changes: the argument is ignored. Never fails.
  RootKey HKEY(RootKey) override { return m_root; }
  using CLASS_REGISTRY::HKEY;

protected:
  bool rootIsFixed() const override { return true; }
};

} // namespace vz
