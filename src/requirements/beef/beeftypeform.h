#pragma once
// The animal type dialog (BC_HAYTIP_SEC): one of five types, "Genç/Besi"
// pressed at the start so that a type is always chosen.
#include "beefinputs.h"

#include <QStringList>

namespace vz::beef {

class BeefTypeForm {
public:
  // The five button captions in type order ("Süt Veren İnek " keeps its
  // trailing blank).
  static QStringList captions();

  quint32 chosenType() const { return m_type; }
  // A type button was pressed; types outside 1 to 5 are ignored.
  void choose(quint32 type);
  // "Tamam": the type and its caption as shown. Never fails.
  BeefTypeChoice accept() const;

private:
  quint32 m_type = 1;
};

} // namespace vz::beef
