#include "myfont.h"

namespace vz {

MYFONT::MYFONT(QSize size, int pitchAndFamily, int charSet, int angle, int weight)
{
  if (size.height() <= 0 || weight < 0 || weight > 1000)
    return;  // no font is made; the object stays without a description
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch((pitchAndFamily & 0x3) == 1);
  // The height is a character height (the logical font's negative height).
  f.setPixelSize(size.height());
  f.setWeight(QFont::Weight(qBound(1, weight == 0 ? 400 : weight, 1000)));
  m_font = f;
  m_valid = true;
  m_height = -size.height();
  m_width = size.width();
  m_angle = angle;
  m_weight = weight;
  m_charSet = charSet;
  m_pitchAndFamily = pitchAndFamily;
}

} // namespace vz
