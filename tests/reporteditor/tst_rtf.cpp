// Rich text written by the report editor and read back, read from what word
// processors write, and read by an independent reader (unrtf).
#include "shell/ui/rtfreader.h"
#include "shell/ui/rtfwriter.h"
#include "shell/textreportfile.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace vz;

namespace {

struct Run {
  QString text;
  QString family;
  int halfPoints;
  bool bold, italic, underline;
  QColor colour;  // invalid: automatic
};

// One line per paragraph: alignment, indents in twips, then the runs.
QStringList describe(const QTextDocument &doc)
{
  QStringList out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat bf = b.blockFormat();
    QString line = QStringLiteral("align=%1 li=%2 ri=%3 |")
                       .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                       .arg(qRound(bf.leftMargin() * 15))
                       .arg(qRound(bf.rightMargin() * 15));
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const QString family = f.fontFamilies().toStringList().value(0);
      QString effects;
      if (f.fontWeight() >= QFont::Bold)
        effects += QLatin1Char('b');
      if (f.fontItalic())
        effects += QLatin1Char('i');
      if (f.fontUnderline())
        effects += QLatin1Char('u');
      if (f.fontStrikeOut())
        effects += QLatin1Char('s');
      const QString colour = f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                                   : f.foreground().color().name();
      line += QStringLiteral(" [") + it.fragment().text() + QLatin1Char('|') + family + QLatin1Char('|')
              + QString::number(qRound(f.fontPointSize() * 2)) + QLatin1Char('|') + effects
              + QLatin1Char('|') + colour + QLatin1Char(']');
    }
    out << line;
  }
  return out;
}

// The text as stored, without toPlainText()'s folding of special spaces.
QString rawText(const QTextDocument &doc)
{
  QStringList blocks;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    blocks << b.text();
  return blocks.join(QLatin1Char('\n'));
}

void addParagraph(QTextCursor &c, bool first, Qt::Alignment align, qreal left, qreal right,
                  const QList<Run> &runs)
{
  QTextBlockFormat bf;
  bf.setAlignment(align);
  bf.setLeftMargin(left);
  bf.setRightMargin(right);
  if (first)
    c.setBlockFormat(bf);
  else
    c.insertBlock(bf);
  for (const Run &r : runs) {
    QTextCharFormat f;
    f.setFontFamilies({r.family});
    f.setFontPointSize(r.halfPoints / 2.0);
    f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(r.italic);
    f.setFontUnderline(r.underline);
    if (r.colour.isValid())
      f.setForeground(r.colour);
    c.insertText(r.text, f);
  }
}

// A document with every kind of formatting the editor writes.
void fillSample(QTextDocument &doc)
{
  doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 9));
  QTextCursor c(&doc);
  addParagraph(c, true, Qt::AlignLeft, 0, 0,
               {{QStringLiteral("OPTİMAL ÇÖZÜM RAPORU  {x}\\y"), QStringLiteral("Courier New"), 18,
                 false, false, false, QColor()}});
  addParagraph(c, false, Qt::AlignHCenter, 96, 288,
               {{QStringLiteral("Ağırlık: "), QStringLiteral("Arial"), 28, true, false, false, QColor()},
                {QStringLiteral("şığ ĞÜŞİÖÇ"), QStringLiteral("Arial"), 28, false, true, true,
                 QColor(200, 10, 30)}});
  addParagraph(c, false, Qt::AlignRight, 0, 0,
               {{QStringLiteral("Ω € \t sekme") + QChar(0x0C) + QStringLiteral("sayfa"),
                 QStringLiteral("Courier New"), 20, false, false, false, QColor(0, 0, 255)}});
  addParagraph(c, false, Qt::AlignLeft, 0, 0, {});
}

} // namespace

class TestRtf : public QObject {
  Q_OBJECT
private slots:
  void roundTripKeepsTextAndFormatting();
  void writerDeclaresTurkishCodePage();
  void fixedPitchFontTable_data();
  void fixedPitchFontTable();
  void unrtfReadsOurText();
  void readsWordPadFile();
  void readsWordProcessorEscapes_data();
  void readsWordProcessorEscapes();
  void refusesWhatIsNoRichText();
};

void TestRtf::roundTripKeepsTextAndFormatting()
{
  QTextDocument doc;
  fillSample(doc);
  const QByteArray rtf = RtfWriter::write(doc);
  QTextDocument back;
  RtfReader reader;
  QVERIFY2(reader.read(rtf, &back), qPrintable(reader.errorString()));
  QCOMPARE(rawText(back), rawText(doc));
  // Without Courier New installed, it comes back as this system's fixed font.
  QStringList expected = describe(doc);
  if (!QFontDatabase::hasFamily(QStringLiteral("Courier New")))
    expected.replaceInStrings(QStringLiteral("|Courier New|"),
                              QLatin1Char('|') + QFontDatabase::systemFont(QFontDatabase::FixedFont).family()
                                  + QLatin1Char('|'));
  QCOMPARE(describe(back), expected);
}

void TestRtf::writerDeclaresTurkishCodePage()
{
  QTextDocument doc;
  fillSample(doc);
  const QByteArray rtf = RtfWriter::write(doc);
  QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1254"));
  QVERIFY(rtf.contains("\\fcharset162 Courier New;"));
  // Turkish letters as code page bytes, others as Unicode with a fallback.
  QVERIFY(rtf.contains("\\'fe\\'fd\\'f0"));  // şığ
  QVERIFY(rtf.contains("{\\u937?}"));        // Ω
  QVERIFY(rtf.contains("\\'80"));            // € is in 1254
  for (char c : rtf)
    QVERIFY2(uchar(c) < 0x80, "rich text is 7-bit");
}

// Fixed pitch goes out as "Courier New" of the modern family, which word
// processors everywhere know, and both that and "monospace" come back in
// this system's fixed-pitch font.
void TestRtf::fixedPitchFontTable_data()
{
  QTest::addColumn<QString>("family");
  QTest::newRow("monospace") << QStringLiteral("monospace");
  QTest::newRow("system fixed font") << QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  QTest::newRow("Courier New") << QStringLiteral("Courier New");
}

void TestRtf::fixedPitchFontTable()
{
  QFETCH(QString, family);
  QTextDocument doc;
  QFont font(family);
  font.setFixedPitch(true);
  doc.setDefaultFont(font);
  QTextCursor c(&doc);
  QTextCharFormat f;
  f.setFontFamilies(QStringList{family});
  c.insertText(QStringLiteral("Yem"), f);
  const QByteArray rtf = RtfWriter::write(doc);
  // "Courier New" is often only a name the system maps to a metric twin.
  if (!QFontDatabase::isFixedPitch(family) && !QFontInfo(QFont(family)).fixedPitch())
    QSKIP("no fixed-pitch font of that name here");
  QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset162 Courier New;}"), rtf.constData());
  QVERIFY(!rtf.contains("monospace"));

  QTextDocument back;
  RtfReader reader;
  QVERIFY(reader.read(rtf, &back));
  const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  const QString courier = QFontDatabase::hasFamily(QStringLiteral("Courier New")) ? QStringLiteral("Courier New") : fixed;
  QCOMPARE(back.begin().begin().fragment().charFormat().fontFamilies().toStringList().value(0), courier);
  QVERIFY(reader.read("{\\rtf1{\\fonttbl{\\f0\\fmodern monospace;}{\\f1\\fswiss Arial;}}\\f0 a\\f1 b}", &back));
  QCOMPARE(back.begin().begin().fragment().charFormat().fontFamilies().toStringList().value(0),
           QFontDatabase::hasFamily(QStringLiteral("monospace")) ? QStringLiteral("monospace") : fixed);
}

void TestRtf::unrtfReadsOurText()
{
  const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
  if (unrtf.isEmpty())
    QSKIP("unrtf is not installed");
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 9));
  QString text;
  QVERIFY(TextReportFile::read(QString::fromLocal8Bit(qgetenv("VZ_TEST_DATA"))
                                   + QStringLiteral("/reporteditor/matrix100.txt"),
                               &text));
  text += QStringLiteral("Türkçe: ışğüöç İŞĞÜÖÇ Ω\n");
  doc.setPlainText(text);

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("rapor.rtf"));
  QFile out(path);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(RtfWriter::write(doc));
  out.close();

  // Debian's text configuration prints no characters beyond ASCII; the same
  // configuration with Unicode output names them as numeric entities.
  QFile conf(QStringLiteral("/usr/share/unrtf/text.conf"));
  QVERIFY(conf.open(QIODevice::ReadOnly));
  QFile own(dir.filePath(QStringLiteral("text.conf")));
  QVERIFY(own.open(QIODevice::WriteOnly));
  own.write(conf.readAll() + "\nutf8_encoding\n\t\nunisymbol_print\n\t&#%;\n");
  own.close();

  QProcess p;
  p.start(unrtf, {QStringLiteral("-P"), dir.path(), QStringLiteral("-t"), QStringLiteral("text"), path});
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(p.exitCode(), 0);
  QString got = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression entity(QStringLiteral("&#(\\d+);"));
  QRegularExpressionMatch m;
  while ((m = entity.match(got)).hasMatch())
    got.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toInt()));

  // unrtf's text output folds runs of blanks and marks pages with empty lines.
  auto lines = [](const QString &s) {
    static const QRegularExpression blanks(QStringLiteral("[ \\x{00A0}]+"));
    QStringList out;
    for (QString l : s.split(QLatin1Char('\n'))) {
      l.remove(QChar(0x0C));
      l.replace(blanks, QStringLiteral(" "));
      l = l.trimmed();
      if (!l.isEmpty() && !l.startsWith(QLatin1String("###")) && l != QLatin1String("-----------------"))
        out << l;
    }
    return out;
  };
  QStringList expected = lines(doc.toPlainText());
  QStringList actual = lines(got);
  QCOMPARE(actual, expected);
  QCOMPARE(actual.last(), QStringLiteral("Türkçe: ışğüöç İŞĞÜÖÇ Ω"));

  // The stock "--text" output agrees on every line it can print (ASCII).
  QProcess stock;
  stock.start(unrtf, {QStringLiteral("--text"), path});
  QVERIFY(stock.waitForFinished(60000));
  QCOMPARE(stock.exitCode(), 0);
  const QStringList plain = lines(QString::fromLatin1(stock.readAllStandardOutput()));
  QCOMPARE(plain.size(), expected.size());
  int ascii = 0;
  for (int i = 0; i < expected.size(); ++i) {
    const QString &e = expected.at(i);
    if (std::all_of(e.begin(), e.end(), [](QChar c) { return c.unicode() < 0x80; })) {
      QCOMPARE(plain.at(i), e);
      ++ascii;
    }
  }
  QVERIFY(ascii >= 30);  // the dash rules and the rows of "Arpa" and "Yonca Kuru Otu"
}

void TestRtf::readsWordPadFile()
{
  QTextDocument doc;
  RtfReader reader;
  QVERIFY(reader.readFile(QString::fromLocal8Bit(qgetenv("VZ_TEST_DATA"))
                              + QStringLiteral("/reporteditor/wordpad.rtf"),
                          &doc));
  const QStringList expected = {
      QStringLiteral("align=1 li=0 ri=0 | [Yem maddesi fiyat listesi|Arial TUR|20||auto]"),
      QStringLiteral("align=4 li=0 ri=0 | [Besin Maddesi İçeriği|Courier New TUR|24|b|auto]"),
      QStringLiteral("align=1 li=720 ri=0 | [Kuru madde: ışğüöç İŞĞÜÖÇ|Courier New TUR|24|i|#ff0000]"),
      QStringLiteral("align=1 li=0 ri=0 | [Sekme\tsonrası €|Arial TUR|20||auto]")};
  QCOMPARE(describe(doc), expected);
}

void TestRtf::readsWordProcessorEscapes_data()
{
  QTest::addColumn<QByteArray>("rtf");
  QTest::addColumn<QString>("text");
  QTest::newRow("unicode with one fallback byte")
      << QByteArray("{\\rtf1\\ansi\\uc1 a\\u351\\'fe b}") << QStringLiteral("aş b");
  QTest::newRow("unicode with two fallback characters")
      << QByteArray("{\\rtf1\\ansi\\uc2 a\\u-3913??b}") << (QStringLiteral("a") + QChar(0xF0B7) + QStringLiteral("b"));
  QTest::newRow("no fallback")
      << QByteArray("{\\rtf1\\ansi{\\uc0\\u305}x}") << QStringLiteral("ıx");
  QTest::newRow("skipped destinations")
      << QByteArray("{\\rtf1{\\*\\unknown drop}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                    "{\\pict\\wmetafile8 0a0b}keep{\\*\\fldinst HYPERLINK x}{\\fldrslt  link}}")
      << QStringLiteral("keep link");
  QTest::newRow("escaped symbols")
      << QByteArray("{\\rtf1 \\{a\\}\\\\b\\~c\\line d\\tab e\\page f}")
      << (QStringLiteral("{a}\\b") + QChar(QChar::Nbsp) + QStringLiteral("c") + QChar(QChar::LineSeparator)
          + QStringLiteral("d\te") + QChar(0x0C) + QStringLiteral("f"));
  QTest::newRow("paragraphs, last without par")
      << QByteArray("{\\rtf1 one\\par\r\ntwo\\par three}") << QStringLiteral("one\ntwo\nthree");
  QTest::newRow("trailing par adds no paragraph")
      << QByteArray("{\\rtf1 one\\par two\\par\r\n}") << QStringLiteral("one\ntwo");
  QTest::newRow("empty paragraph kept")
      << QByteArray("{\\rtf1 one\\par\\par two\\par}") << QStringLiteral("one\n\ntwo");
  QTest::newRow("raw 8-bit text is code page 1254")
      << QByteArray("{\\rtf1\\ansi\\ansicpg1254 \xfd\xfe\xf0}") << QStringLiteral("ışğ");
  QTest::newRow("binary data skipped")
      << QByteArray("{\\rtf1 a{\\bin3 }}}b}") << QStringLiteral("ab");
  QTest::newRow("unbalanced and cut off")
      << QByteArray("{\\rtf1 a}}b{\\b c") << QStringLiteral("abc");
}

void TestRtf::readsWordProcessorEscapes()
{
  QFETCH(QByteArray, rtf);
  QFETCH(QString, text);
  QTextDocument doc;
  RtfReader reader;
  QVERIFY(reader.read(rtf, &doc));
  QCOMPARE(rawText(doc), text);
}

void TestRtf::refusesWhatIsNoRichText()
{
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("old"));
  RtfReader reader;
  QVERIFY(!reader.read("Plain text, not RTF", &doc));
  QVERIFY(!reader.errorString().isEmpty());
  QVERIFY(doc.isEmpty());
  QVERIFY(!reader.readFile(QStringLiteral("/nonexistent/x.rtf"), &doc));
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
