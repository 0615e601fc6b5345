#include "rtfreader.h"

#include "platform/cp1254.h"
#include "platform/fileerror.h"
#include "rtfwriter.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>

namespace vz {

namespace {

enum class Dest { Text, Skip, FontTable, ColourTable };

// A character's properties: what its format is made of. While they and the
// font and colour tables stay the same, so does the format, which is costly
// to build.
struct CharKey {
  int font = -1;
  int halfPoints = 24;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int colour = 0;
  bool operator==(const CharKey &) const = default;
};

struct GroupState : CharKey {
  Dest dest = Dest::Text;
  int uc = 1;
  // paragraph properties
  Qt::Alignment align = Qt::AlignLeft;
  int li = 0;
  int ri = 0;
  int fi = 0;
};

struct Run {
  QString text;
  QTextCharFormat format;
  CharKey key;
  int tables = 0;  // the tables' generation the format was built from
};

// Destinations whose content is no text of the document.
const QSet<QByteArray> &skippedDestinations()
{
  static const QSet<QByteArray> words = {
      "stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr",
      "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
      "xmlnstbl", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
      "themedata", "colorschememapping", "latentstyles", "datastore", "fldinst", "filetbl",
      "pgdsctbl", "nonshppict", "author", "operator", "title", "subject", "comment",
      "keywords", "doccomm", "company", "creatim", "revtim", "printim", "buptim", "template",
      "userprops", "atnid", "atnauthor", "bkmkstart", "bkmkend", "private", "tc", "xe", "txe",
      "mmathPr", "shpinst", "sp", "sn", "sv", "do", "blipuid", "passwordhash", "wgrffmtfilter",
      "listtext", "pntext", "pntxta", "pntxtb", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
      "aftnsepc", "aftncn"};
  return words;
}

class Parser {
public:
  Parser(const QByteArray &data, QTextDocument *doc) : m_data(data), m_doc(doc), m_cursor(doc) {}

  void run()
  {
    // One edit block for the whole document: inserted run by run outside it,
    // the layout is redone at every insertion and the time grows with the
    // square of the paragraph.
    m_cursor.beginEditBlock();
    parse();
    m_cursor.endEditBlock();
  }

  void parse()
  {
    const int n = int(m_data.size());
    int i = 0;
    while (i < n) {
      const char c = m_data.at(i);
      if (c == '{') {
        m_stack.append(m_state);
        m_skip = 0;
        ++i;
      } else if (c == '}') {
        endGroup();
        m_skip = 0;
        ++i;
      } else if (c == '\\') {
        i = control(i + 1);
      } else if (c == '\r' || c == '\n') {
        ++i;
      } else if (c == 0) {
        ++i;
      } else {
        byte(uchar(c));
        ++i;
      }
    }
    while (!m_stack.isEmpty())
      endGroup();
    finish();
  }

private:
  void endGroup()
  {
    if (m_state.dest == Dest::FontTable && m_fontIndex >= 0 && !m_fontName.trimmed().isEmpty())
      commitFont();
    if (m_stack.isEmpty())
      return;
    m_state = m_stack.takeLast();
  }

  int control(int i)
  {
    const int n = int(m_data.size());
    if (i >= n)
      return i;
    const char c = m_data.at(i);
    if (!isLetter(c)) {
      switch (c) {
      case '\'': {
        if (i + 2 < n + 0 && isHex(m_data.at(i + 1)) && isHex(m_data.at(i + 2))) {
          byte(uchar(m_data.mid(i + 1, 2).toUInt(nullptr, 16)));
          return i + 3;
        }
        return i + 1;
      }
      case '*':
        m_state.dest = Dest::Skip;
        return i + 1;
      case '\\':
      case '{':
      case '}':
        character(QLatin1Char(c));
        return i + 1;
      case '~':
        character(QChar::Nbsp);
        return i + 1;
      case '_':
        character(QLatin1Char('-'));
        return i + 1;
      case '\r':
      case '\n':
        word("par", false, 0);
        return i + 1;
      case '\t':
        character(QLatin1Char('\t'));
        return i + 1;
      default:  // \- optional hyphen, \: index entries, \| formulas
        return i + 1;
      }
    }
    int j = i;
    while (j < n && isLetter(m_data.at(j)))
      ++j;
    const QByteArray name = m_data.mid(i, j - i);
    bool hasParam = false;
    int param = 0;
    int k = j;
    if (k < n && (m_data.at(k) == '-' || isDigit(m_data.at(k)))) {
      bool negative = m_data.at(k) == '-';
      if (negative)
        ++k;
      qint64 v = 0;
      int digits = 0;
      while (k < n && isDigit(m_data.at(k))) {
        if (v < 100000000)
          v = v * 10 + (m_data.at(k) - '0');
        ++k;
        ++digits;
      }
      if (digits > 0) {
        hasParam = true;
        param = int(negative ? -v : v);
        j = k;
      }
    }
    if (j < n && m_data.at(j) == ' ')
      ++j;
    if (name == "bin") {
      // Binary data of the given length follows; it is never text.
      return j + qMax(0, param);
    }
    word(name, hasParam, param);
    return j;
  }

  void word(const QByteArray &w, bool hasParam, int param)
  {
    GroupState &s = m_state;
    if (s.dest == Dest::Skip)
      return;
    if (w == "fonttbl") {
      s.dest = Dest::FontTable;
      m_fontIndex = -1;
      m_fontName.clear();
      return;
    }
    if (w == "colortbl") {
      s.dest = Dest::ColourTable;
      resetColour();
      return;
    }
    if (skippedDestinations().contains(w)) {
      s.dest = Dest::Skip;
      return;
    }
    if (s.dest == Dest::FontTable) {
      if (w == "f") {
        if (m_fontIndex >= 0 && !m_fontName.trimmed().isEmpty())
          commitFont();
        m_fontIndex = param;
        m_fontName.clear();
      }
      return;
    }
    if (s.dest == Dest::ColourTable) {
      if (w == "red")
        m_red = param;
      else if (w == "green")
        m_green = param;
      else if (w == "blue")
        m_blue = param;
      m_colourSet = true;
      return;
    }
    const bool on = !hasParam || param != 0;
    if (w == "par" || w == "sect" || w == "row") {
      endParagraph();
    } else if (w == "line") {
      character(QChar::LineSeparator);
    } else if (w == "tab" || w == "cell") {
      character(QLatin1Char('\t'));
    } else if (w == "page") {
      character(QChar(0x0C));
    } else if (w == "u") {
      m_skip = 0;
      character(QChar(ushort(param < 0 ? param + 65536 : param)));
      m_skip = s.uc;
    } else if (w == "uc") {
      s.uc = qMax(0, param);
    } else if (w == "plain") {
      const GroupState d;
      s.font = m_defaultFont;
      s.halfPoints = d.halfPoints;
      s.bold = s.italic = s.underline = s.strike = false;
      s.colour = 0;
    } else if (w == "f") {
      s.font = param;
    } else if (w == "fs") {
      if (param > 0)
        s.halfPoints = param;
    } else if (w == "b") {
      s.bold = on;
    } else if (w == "i") {
      s.italic = on;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash"
               || w == "ulth" || w == "ulwave") {
      s.underline = on;
    } else if (w == "ulnone") {
      s.underline = false;
    } else if (w == "strike") {
      s.strike = on;
    } else if (w == "cf") {
      s.colour = param;
    } else if (w == "pard") {
      s.align = Qt::AlignLeft;
      s.li = s.ri = s.fi = 0;
    } else if (w == "ql") {
      s.align = Qt::AlignLeft;
    } else if (w == "qr") {
      s.align = Qt::AlignRight;
    } else if (w == "qc") {
      s.align = Qt::AlignHCenter;
    } else if (w == "qj") {
      s.align = Qt::AlignJustify;
    } else if (w == "li") {
      s.li = param;
    } else if (w == "ri") {
      s.ri = param;
    } else if (w == "fi") {
      s.fi = param;
    } else if (w == "deff") {
      m_defaultFont = param;
      ++m_tables;
      if (s.font < 0)
        s.font = param;
    } else if (w == "emdash") {
      character(QChar(0x2014));
    } else if (w == "endash") {
      character(QChar(0x2013));
    } else if (w == "bullet") {
      character(QChar(0x2022));
    } else if (w == "lquote") {
      character(QChar(0x2018));
    } else if (w == "rquote") {
      character(QChar(0x2019));
    } else if (w == "ldblquote") {
      character(QChar(0x201C));
    } else if (w == "rdblquote") {
      character(QChar(0x201D));
    } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
      character(QLatin1Char(' '));
    }
  }

  void byte(uchar b)
  {
    // A character of the fallback text that follows \uN.
    if (m_skip > 0) {
      --m_skip;
      return;
    }
    if (b == '\t') {
      character(QLatin1Char('\t'));
      return;
    }
    const char ch = char(b);
    character(cp1254::decode(QByteArrayView(&ch, 1)).at(0), false);
  }

  void character(QChar c, bool countsForSkip = true)
  {
    if (countsForSkip && m_skip > 0) {
      // Control symbols such as \'xx have been counted by byte().
      --m_skip;
      return;
    }
    switch (m_state.dest) {
    case Dest::Skip:
      return;
    case Dest::FontTable:
      if (c == QLatin1Char(';'))
        commitFont();
      else
        m_fontName += c;
      return;
    case Dest::ColourTable:
      if (c == QLatin1Char(';')) {
        ++m_tables;
        m_colours.append(m_colourSet ? QColor(qBound(0, m_red, 255), qBound(0, m_green, 255),
                                              qBound(0, m_blue, 255))
                                     : QColor());
        resetColour();
      }
      return;
    case Dest::Text:
      break;
    }
    CharKey key = m_state;
    if (key.font < 0)
      key.font = m_defaultFont;
    if (m_runs.isEmpty() || m_runs.last().key != key || m_runs.last().tables != m_tables) {
      const QTextCharFormat f = currentFormat();
      if (m_runs.isEmpty() || m_runs.last().format != f) {
        m_runs.append(Run{QString(), f, key, m_tables});
      } else {
        m_runs.last().key = key;
        m_runs.last().tables = m_tables;
      }
    }
    m_runs.last().text += c;
  }

  QTextCharFormat currentFormat() const
  {
    const GroupState &s = m_state;
    QTextCharFormat f;
    const int fontNo = s.font >= 0 ? s.font : m_defaultFont;
    const auto font = m_fonts.constFind(fontNo);
    if (font != m_fonts.constEnd())
      f.setFontFamilies(QStringList{*font});
    f.setFontPointSize(s.halfPoints / 2.0);
    if (s.bold)
      f.setFontWeight(QFont::Bold);
    if (s.italic)
      f.setFontItalic(true);
    if (s.underline)
      f.setFontUnderline(true);
    if (s.strike)
      f.setFontStrikeOut(true);
    if (s.colour > 0 && s.colour < m_colours.size() && m_colours.at(s.colour).isValid())
      f.setForeground(m_colours.at(s.colour));
    return f;
  }

  void commitFont()
  {
    if (m_fontIndex >= 0) {
      // What we and other systems write for fixed pitch is shown in this
      // system's own fixed-pitch font.
      QString name = m_fontName.trimmed();
      if ((name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0
           || name.compare(QLatin1String("monospace"), Qt::CaseInsensitive) == 0)
          && !QFontDatabase::hasFamily(name))
        name = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
      m_fonts.insert(m_fontIndex, name);
      ++m_tables;
    }
    m_fontIndex = -1;
    m_fontName.clear();
  }

  void resetColour()
  {
    m_red = m_green = m_blue = 0;
    m_colourSet = false;
  }

  void endParagraph()
  {
    QTextBlockFormat bf;
    bf.setAlignment(m_state.align);
    bf.setLeftMargin(m_state.li / double(RtfWriter::TwipsPerPixel));
    bf.setRightMargin(m_state.ri / double(RtfWriter::TwipsPerPixel));
    bf.setTextIndent(m_state.fi / double(RtfWriter::TwipsPerPixel));
    if (m_paragraphs == 0)
      m_cursor.setBlockFormat(bf);
    else
      m_cursor.insertBlock(bf, currentFormat());
    if (m_runs.isEmpty())
      m_cursor.setBlockCharFormat(currentFormat());
    for (const Run &r : std::as_const(m_runs))
      m_cursor.insertText(r.text, r.format);
    m_runs.clear();
    ++m_paragraphs;
  }

  void finish()
  {
    // Word processors end the last paragraph with \par as well: what follows
    // it, when empty, is no paragraph of its own.
    if (!m_runs.isEmpty() || m_paragraphs == 0)
      endParagraph();
  }

  static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool isDigit(char c) { return c >= '0' && c <= '9'; }
  static bool isHex(char c)
  {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  }

  const QByteArray &m_data;
  QTextDocument *m_doc;
  QTextCursor m_cursor;
  GroupState m_state;
  QList<GroupState> m_stack;
  QList<Run> m_runs;
  int m_paragraphs = 0;
  int m_skip = 0;
  int m_defaultFont = 0;
  int m_tables = 0;  // raised whenever the font or colour table changes
  QHash<int, QString> m_fonts;
  int m_fontIndex = -1;
  QString m_fontName;
  QList<QColor> m_colours;
  int m_red = 0, m_green = 0, m_blue = 0;
  bool m_colourSet = false;
};

} // namespace

bool RtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
  m_error.clear();
  document->clear();
  const QByteArray head = rtf.left(64).trimmed();
  if (!head.startsWith("{\\rtf")) {
    m_error = QStringLiteral("Zengin metin (RTF) dosyası değil.");
    return false;
  }
  document->setUndoRedoEnabled(false);
  Parser(rtf, document).run();
  document->setUndoRedoEnabled(true);
  document->setModified(false);
  return true;
}

bool RtfReader::readFile(const QString &path, QTextDocument *document)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    m_error = fileErrorReason(file);
    document->clear();
    return false;
  }
  return read(file.readAll(), document);
}

} // namespace vz
