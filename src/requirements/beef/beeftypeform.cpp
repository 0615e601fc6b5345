#include "beeftypeform.h"

namespace vz::beef {

QStringList BeefTypeForm::captions()
{
  return {QStringLiteral("Genç/Besi"), QStringLiteral("Süt Veren İnek "),
          QStringLiteral("Kurudaki İnek"), QStringLiteral("Damızlık Düve"),
          QStringLiteral("Damızlık Boğa")};
}

void BeefTypeForm::choose(quint32 type)
{
  if (type >= 1 && type <= 5)
    m_type = type;
}

BeefTypeChoice BeefTypeForm::accept() const
{
  return {m_type, captions().at(int(m_type) - 1)};
}

} // namespace vz::beef
