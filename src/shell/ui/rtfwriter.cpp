#include "rtfwriter.h"

#include "platform/cp1254.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace vz {

namespace {

// A name the system only maps to a font ("Courier New" to a metric twin such
// as Liberation Mono) is no family of the font database: the font it
// resolves to tells whether it is fixed pitch.
bool isFixedPitch(const QString &family)
{
  return QFontDatabase::isFixedPitch(family) || QFontInfo(QFont(family)).fixedPitch();
}

struct RunFormat {
  int font = 0;
  int halfPoints = 24;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int colour = 0;  // 0: automatic
  bool operator==(const RunFormat &) const = default;
};

class Writer {
public:
  explicit Writer(const QTextDocument &doc) : m_doc(doc)
  {
    m_defaultFamily = doc.defaultFont().family();
    m_fonts.append(m_defaultFamily);
  }

  QByteArray run()
  {
    // The tables must be known before the body refers to them.
    for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        fontIndex(f);
        colourIndex(f);
      }
    }
    QByteArray body;
    for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next())
      writeBlock(b, body);

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1254\\deff0\\deflang1055";
    out += "{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
      // Word processors elsewhere know no "monospace" or local fixed-pitch
      // family: name the one they all have.
      const bool fixed = isFixedPitch(m_fonts[i]);
      out += "{\\f" + QByteArray::number(i) + (fixed ? "\\fmodern\\fprq1" : "\\fswiss\\fprq2")
             + "\\fcharset162 " + (fixed ? QByteArray("Courier New") : escape(m_fonts[i])) + ";}";
    }
    out += "}\r\n";
    if (!m_colours.isEmpty()) {
      out += "{\\colortbl ;";
      for (const QColor &c : m_colours)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green())
               + "\\blue" + QByteArray::number(c.blue()) + ';';
      out += "}\r\n";
    }
    out += "\\viewkind4\\uc1\r\n";
    out += body;
    out += "}\r\n";
    return out;
  }

private:
  int fontIndex(const QTextCharFormat &f)
  {
    QString family = f.fontFamilies().toStringList().value(0);
    if (family.isEmpty())
      family = f.stringProperty(QTextFormat::FontFamily);
    if (family.isEmpty())
      family = m_defaultFamily;
    int i = int(m_fonts.indexOf(family));
    if (i < 0) {
      m_fonts.append(family);
      i = int(m_fonts.size()) - 1;
    }
    return i;
  }

  int colourIndex(const QTextCharFormat &f)
  {
    if (f.foreground().style() == Qt::NoBrush)
      return 0;
    const QColor c = f.foreground().color();
    const QColor rgb = QColor::fromRgb(c.red(), c.green(), c.blue());
    int i = int(m_colours.indexOf(rgb));
    if (i < 0) {
      m_colours.append(rgb);
      i = int(m_colours.size()) - 1;
    }
    return i + 1;
  }

  int halfPoints(const QTextCharFormat &f) const
  {
    qreal pt = f.fontPointSize();
    if (pt <= 0 && f.hasProperty(QTextFormat::FontPixelSize))
      pt = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (pt <= 0) {
      const QFont d = m_doc.defaultFont();
      pt = d.pointSizeF() > 0 ? d.pointSizeF() : d.pixelSize() * 0.75;
    }
    if (pt <= 0)
      pt = 12;
    return int(std::lround(pt * 2));
  }

  RunFormat runFormat(const QTextCharFormat &f)
  {
    RunFormat r;
    r.font = fontIndex(f);
    r.halfPoints = halfPoints(f);
    r.bold = f.fontWeight() >= QFont::DemiBold;
    r.italic = f.fontItalic();
    r.underline = f.fontUnderline();
    r.strike = f.fontStrikeOut();
    r.colour = colourIndex(f);
    return r;
  }

  static QByteArray twips(const char *word, qreal pixels)
  {
    const long t = std::lround(pixels * RtfWriter::TwipsPerPixel);
    if (t == 0)
      return QByteArray();
    return QByteArray(word) + QByteArray::number(qint64(t));
  }

  void writeBlock(const QTextBlock &block, QByteArray &out)
  {
    const QTextBlockFormat bf = block.blockFormat();
    out += "\\pard";
    const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
      out += "\\qc";
    else if (a & Qt::AlignRight)
      out += "\\qr";
    else if (a & Qt::AlignJustify)
      out += "\\qj";
    else
      out += "\\ql";
    out += twips("\\li", bf.leftMargin());
    out += twips("\\ri", bf.rightMargin());
    out += twips("\\fi", bf.textIndent());
    m_haveRun = false;
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      writeRun(runFormat(frag.charFormat()), frag.text(), out);
      any = true;
    }
    if (!any)
      writeRun(runFormat(block.charFormat()), QString(), out);
    out += "\\par\r\n";
  }

  void writeRun(const RunFormat &r, const QString &text, QByteArray &out)
  {
    if (!m_haveRun || !(r == m_last)) {
      out += "\\plain\\f" + QByteArray::number(r.font) + "\\fs" + QByteArray::number(r.halfPoints);
      if (r.bold)
        out += "\\b";
      if (r.italic)
        out += "\\i";
      if (r.underline)
        out += "\\ul";
      if (r.strike)
        out += "\\strike";
      if (r.colour)
        out += "\\cf" + QByteArray::number(r.colour);
      out += ' ';
      m_last = r;
      m_haveRun = true;
    }
    out += escape(text);
  }

  static QByteArray escape(const QString &text)
  {
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
      const QChar c = text.at(i);
      const ushort u = c.unicode();
      if (u == '\\' || u == '{' || u == '}') {
        out += '\\';
        out += char(u);
      } else if (u == '\t') {
        out += "\\tab ";
      } else if (u == 0x0C) {
        out += "\\page ";
      } else if (c == QChar::LineSeparator) {
        out += "\\line ";
      } else if (c == QChar::Nbsp) {
        out += "\\~";
      } else if (c == QChar::ObjectReplacementCharacter) {
        continue;
      } else if (u >= 0x20 && u < 0x7F) {
        out += char(u);
      } else {
        bool lossless = true;
        const QByteArray b = cp1254::encode(QStringView(&c, 1), &lossless);
        if (lossless && b.size() == 1) {
          out += "\\'" + QByteArray::number(uchar(b.at(0)), 16).rightJustified(2, '0');
        } else {
          // In a group of its own, so that readers which skip more than
          // the one fallback character lose nothing that follows.
          out += "{\\u" + QByteArray::number(int(qint16(u))) + "?}";
        }
      }
    }
    return out;
  }

  const QTextDocument &m_doc;
  QString m_defaultFamily;
  QStringList m_fonts;
  QList<QColor> m_colours;
  RunFormat m_last;
  bool m_haveRun = false;
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
  return Writer(document).run();
}

} // namespace vz
