#pragma once
// How the beef model reaches its two dialogs: the window layer shows them
// modally over the owner window, tests answer from a script.
#include "beefinputs.h"

#include <optional>

namespace vz::beef {

class BeefInputProvider {
public:
  virtual ~BeefInputProvider() = default;

  // BC_HAYTIP_SEC; nullopt when it did not end with "Tamam".
  virtual std::optional<BeefTypeChoice> askAnimalType() = 0;
  // BC_GROWFINISH_TAB under the type's caption (the reproduction page for the
  // types 2 to 4); nullopt when it did not end with "Tamam".
  virtual std::optional<BeefInputPages> askInputs(const BeefTypeChoice &type) = 0;
};

} // namespace vz::beef
