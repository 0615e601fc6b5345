#pragma once
// Rich text out of a report window's document: paragraphs with alignment and
// indents, and per run the font face, size, bold, italic, underline,
// strike-out and colour. Text is code page 1254 (\ansicpg1254, Turkish font
// character set 162); a character outside 1254 goes out as \uN with '?' for
// readers that know no Unicode. Tabs, forced line breaks and form feeds
// become \tab, \line and \page.
#include <QByteArray>

class QTextDocument;

namespace vz {

class RtfWriter {
public:
  // Never fails.
  static QByteArray write(const QTextDocument &document);

  // Document units are screen pixels at 96 per inch; RTF measures in twips.
  static constexpr int TwipsPerPixel = 15;
};

} // namespace vz
