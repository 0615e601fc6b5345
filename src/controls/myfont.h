#pragma once
// The report window's "Courier New" font, described as the Windows logical
// font it stands for so that a caller can read back every attribute.
#include <QFont>
#include <QSize>

namespace vz {

class MYFONT {
public:
  // size: character width and height in pixels; pitchAndFamily and charSet as
  // the Windows constants (49 = fixed pitch, modern; 162 = Turkish); angle in
  // tenths of a degree; weight 100-900 (400 normal, 700 bold). Never fails.
  MYFONT(QSize size, int pitchAndFamily, int charSet, int angle, int weight);

  QFont font() const { return m_font; }
  bool isValid() const { return m_valid; }

  int height() const { return m_height; }        // minus the character height
  int width() const { return m_width; }
  int escapement() const { return m_angle; }
  int orientation() const { return m_angle; }
  int weight() const { return m_weight; }
  bool italic() const { return false; }
  bool underline() const { return false; }
  bool strikeOut() const { return false; }
  int charSet() const { return m_charSet; }
  int outPrecision() const { return 2; }   // character precision
  int clipPrecision() const { return 1; }  // character precision
  int quality() const { return 0; }        // default quality
  int pitchAndFamily() const { return m_pitchAndFamily; }
  QString faceName() const { return QStringLiteral("Courier New"); }

private:
  QFont m_font;
  bool m_valid = false;
  int m_height = 0;
  int m_width = 0;
  int m_angle = 0;
  int m_weight = 0;
  int m_charSet = 0;
  int m_pitchAndFamily = 0;
};

} // namespace vz
