#pragma once
// Rich text into a report window's document, tolerant of what word processors
// write: groups, control words with and without parameters, \'xx in code page
// 1254, \uN with its \ucN fallback skipped, \par, \line, \tab, \page, the font
// and colour tables, paragraph alignment and indents, the character effects,
// size and colour. Destinations it has no use for ({\*...}, the style sheet,
// document information, pictures, headers and footers) are passed over, and
// unknown control words are ignored, their text kept.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace vz {

class RtfReader {
public:
  // Replaces the document's content. Returns false and sets errorString()
  // when the bytes are no rich text (the document is then left empty);
  // damage inside a rich text (unbalanced braces, a cut-off end) is tolerated.
  bool read(const QByteArray &rtf, QTextDocument *document);
  // As read(), from a file; false also when the file cannot be read.
  bool readFile(const QString &path, QTextDocument *document);
  QString errorString() const { return m_error; }

private:
  QString m_error;
};

} // namespace vz
