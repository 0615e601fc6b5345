#include "padwin.h"

#include "controls/jqrichedit.h"
#include "controls/myfont.h"
#include "controls/windowicons.h"
#include "padwincontmenu.h"
#include "printmodule.h"
#include "platform/rtext.h"
#include "platform/savefile.h"
#include "problem/appsession.h"
#include "problem/interaction.h"
#include "reporteditordialogs.h"
#include "rtfreader.h"
#include "rtfwriter.h"
#include "editing/calculatorlauncher.h"
#include "shell/reporteditorstate.h"
#include "shell/textreportfile.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace vz {

namespace {

// Document units are logical pixels, 96 to the inch.
constexpr int PixelsPerInch = 96;
constexpr int TwipsPerInch = 1440;

// The ruler's pixel length of the text line: the line's device length times
// the factor the ruler has always used.
constexpr double RulerFactor = 1.181019332162;

} // namespace

PADWIN::PADWIN(Interaction &ui, ReportEditorDialogs &dialogs, PrinterSource printer, QWidget *parent)
    : QWidget(parent), m_ui(ui), m_dialogs(dialogs), m_printer(std::move(printer))
{
  setWindowIcon(IDI_COCPADICON());
  // The main window leaves report windows alone when it closes the problem's
  // editing windows.
  setProperty("vzReportWindow", true);
  setFocusPolicy(Qt::StrongFocus);

  ODCRICHEDIT = new JQRICHEDIT(this);
  ODCRICHEDIT->setObjectName(QStringLiteral("RICHEDIT"));
  ODCRICHEDIT->setAccessibleName(QStringLiteral("Rapor metni"));
  ODCRICHEDIT->setGeometry(10, 10, 2, 2);
  ODCRICHEDIT->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ODCRICHEDIT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ODCRICHEDIT->setAcceptRichText(true);
  ODCRICHEDIT->setTabChangesFocus(false);
  m_contextMenu = new ED_CONT_MENU(this, this);
  ODCRICHEDIT->setContextMenu(m_contextMenu);

  // The text line is 10 inches whatever the window's width. Qt scales its
  // logical 96 pixels per inch to the screen itself, and indents and rich
  // text count in the same units.
  ODCRICHEDIT->setLineWrapMode(QTextEdit::FixedPixelWidth);
  ODCRICHEDIT->setLineWrapColumnOrWidth(LineTwips * PixelsPerInch / TwipsPerInch);
  NWIDTH = int(double(LineTwips) / TwipsPerInch * PixelsPerInch * RulerFactor);

  const QFont font = reportFont();
  ODCRICHEDIT->document()->setDefaultFont(font);
  ODCRICHEDIT->setCurrentFont(font);
  ODCRICHEDIT->document()->setModified(false);
  ODCRICHEDIT->show();

  connect(ODCRICHEDIT, &QTextEdit::textChanged, this, &PADWIN::onTextChanged);
}

PADWIN::~PADWIN() = default;

QFont PADWIN::reportFont()
{
  const MYFONT myFont(QSize(12, 12), 0x31, 162, 0, 400);
  QFont font = myFont.font();
  if (!myFont.isValid() || !QFontInfo(font).fixedPitch())
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  // A character height of 12 pixels, kept in points so that printing and
  // rich text see the same size.
  font.setPointSizeF(12.0 * 72 / PixelsPerInch);
  return font;
}

void PADWIN::setCFNAME(const QString &name)
{
  m_name = name;
  setWindowTitle(name);
}

void PADWIN::LCHANGE(bool changed)
{
  m_changed = changed;
  ODCRICHEDIT->document()->setModified(changed);
}

void PADWIN::onTextChanged()
{
  if (m_loading)
    return;
  const bool first = !m_changed;
  m_changed = true;
  if (first)
    emit edited(this);
}

QString PADWIN::plainText() const
{
  // toPlainText() would turn the no-break spaces of code page 1254 (0xA0)
  // into plain blanks; a report must come back byte for byte.
  QString text = ODCRICHEDIT->document()->toRawText();
  text.remove(QChar::ObjectReplacementCharacter);
  for (QChar &c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
      c = QLatin1Char('\n');
  return text;
}

QTextDocument *PADWIN::document() const
{
  return ODCRICHEDIT->document();
}

bool PADWIN::load(QString *error)
{
  m_loading = true;
  bool ok = true;
  QString why;
  switch (ReportEditorState::loadKind(m_name)) {
  case ReportEditorState::FileKind::Rich: {
    RtfReader reader;
    ok = reader.readFile(m_name, ODCRICHEDIT->document());
    if (!ok)
      why = reader.errorString();
    break;
  }
  case ReportEditorState::FileKind::Text: {
    QString text;
    ok = TextReportFile::read(m_name, &text, &why);
    if (ok && text.isEmpty()) {
      ok = false;
      why = QStringLiteral("Dosya boş.");
    }
    if (ok)
      ODCRICHEDIT->setPlainText(text);
    break;
  }
  case ReportEditorState::FileKind::None:
    break;
  }
  ODCRICHEDIT->moveCursor(QTextCursor::Start);
  m_loading = false;
  LCHANGE(false);
  if (error)
    *error = why;
  return ok;
}

bool PADWIN::writeTo(const QString &path, bool rich)
{
  QString error;
  bool ok;
  if (rich) {
    ok = writeFileAtomically(path, RtfWriter::write(*ODCRICHEDIT->document()), &error);
  } else {
    const QString text = plainText();
    if (!TextReportFile::canWrite(text)
        && !m_ui.askYesNo(path + QStringLiteral(" dosyasına yazılacak metinde Türkçe kod sayfasında "
                                                 "karşılığı olmayan karakterler var; bunlar \"?\" "
                                                 "olarak yazılacak.\n\nYine de kaydedilsin mi?"),
                          QStringLiteral("Uyarı..."))) {
      return false;
    }
    ok = TextReportFile::write(path, text, &error);
    if (ok)
      m_ui.statusMessage(QStringLiteral("Dosya başarıyla kaydedildi!"));
  }
  if (!ok)
    m_ui.errorMessage(path + QStringLiteral(" dosyası kaydedilemedi...\n\n") + error);
  return ok;
}

bool PADWIN::RTFSAVE()
{
  bool saved = false;
  switch (ReportEditorState::saveKind(m_name)) {
  case ReportEditorState::FileKind::None:
    return RTFSAVEAS();
  case ReportEditorState::FileKind::Rich:
    saved = writeTo(m_name, true);
    break;
  case ReportEditorState::FileKind::Text:
    saved = writeTo(m_name, false);
    break;
  }
  if (saved)
    LCHANGE(false);
  return saved;
}

bool PADWIN::RTFSAVEAS()
{
  const ReportEditorDialogs::SaveChoice choice =
      m_dialogs.saveReportFile(this, m_name, AppSession::instance().dataDir());
  if (choice.name.isEmpty())
    return false;
  const ReportEditorState::SaveTarget target =
      ReportEditorState::saveAsTarget(choice.name, choice.filterIndex);
  if (QFileInfo::exists(target.path)
      && !m_ui.askYesNo(target.path + QStringLiteral(" Dosyası mevcut.\n\nÜzerine yazılmasını istiyor musunuz?"),
                        QStringLiteral("Uyarı..."))) {
    return false;
  }
  if (!writeTo(target.path, target.kind == ReportEditorState::FileKind::Rich))
    return false;
  LCHANGE(false);
  setCFNAME(target.path);
  return true;
}

bool PADWIN::QUERYCLOSE()
{
  if (!m_changed)
    return true;
  const Interaction::Answer answer = m_ui.askYesNoCancel(
      windowTitle() + QStringLiteral(" Dosyasındaki metin değişmiş.\n\nDeğişiklikleri kaydetmek istiyor musunuz?"),
      QStringLiteral("Uyarı..."));
  switch (answer) {
  case Interaction::Answer::Yes:
    // A save that failed or was cancelled keeps the text on screen.
    return RTFSAVE();
  case Interaction::Answer::No:
    return true;
  case Interaction::Answer::Cancel:
    break;
  }
  return false;
}

void PADWIN::closeEvent(QCloseEvent *event)
{
  // Once a close is agreed the window only waits for its deferred deletion. A
  // second close in that time (a key still reaching the edit) must not ask
  // again: the question's own event loop would delete the window under it.
  if (m_closed) {
    event->accept();
    return;
  }
  // A close asked for while the question is open is the same close.
  if (m_asking) {
    event->ignore();
    return;
  }
  m_asking = true;
  const bool agreed = QUERYCLOSE();
  m_asking = false;
  if (!agreed) {
    event->ignore();
    return;
  }
  m_closed = true;
  event->accept();
  emit closed(this);
}

void PADWIN::CLOSE()
{
  for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) {
      sub->close();
      return;
    }
  }
  close();
}

void PADWIN::CLOSEALL()
{
  emit closeAllRequested();
}

void PADWIN::CUT()
{
  ODCRICHEDIT->cut();
}

void PADWIN::COPY()
{
  ODCRICHEDIT->copy();
}

void PADWIN::PASTE()
{
  ODCRICHEDIT->PASTE();
}

void PADWIN::SELECTALL()
{
  ODCRICHEDIT->selectAll();
}

void PADWIN::FILEPRINT()
{
  QPrinter *printer = m_printer ? m_printer() : nullptr;
  if (printer && m_dialogs.askPrint(this, *printer))
    printTo(*printer);
}

void PADWIN::SETFONT()
{
  QFont font = ODCRICHEDIT->currentFont();
  QColor colour = ODCRICHEDIT->textColor();
  if (!m_dialogs.chooseFont(this, font, colour))
    return;
  ODCRICHEDIT->setCurrentFont(font);
  ODCRICHEDIT->setTextColor(colour);
}

void PADWIN::SETMARGINS()
{
  const std::optional<ReportEditorDialogs::Margins> m = m_dialogs.askMargins(this);
  if (!m)
    return;
  // Whole inches, bounded so that the twips always fit.
  auto inches = [](const QString &text) {
    return int(qBound(-1000.0, rt::Val(text), 1000.0));
  };
  NLEFTMARGIN = int(qBound(-1000.0, rt::Val(m->left), 1000.0) * TwipsPerInch);
  NRIGHTMARGIN = int(qBound(-1000.0, rt::Val(m->right), 1000.0) * TwipsPerInch);
  const int left = inches(m->left);
  const int right = inches(m->right);
  MARGIN(left * TwipsPerInch, (10 - right) * TwipsPerInch, 0);
}

void PADWIN::MARGIN(int left, int right, int offset)
{
  QTextBlockFormat f;
  f.setLeftMargin(double(left) / RtfWriter::TwipsPerPixel);
  f.setRightMargin(double(right) / RtfWriter::TwipsPerPixel);
  f.setTextIndent(double(offset) / RtfWriter::TwipsPerPixel);
  ODCRICHEDIT->textCursor().mergeBlockFormat(f);
}

void PADWIN::RTFALIGN(int n)
{
  switch (n) {
  case 1:
    ODCRICHEDIT->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    break;
  case 2:
    ODCRICHEDIT->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    break;
  case 3:
    ODCRICHEDIT->setAlignment(Qt::AlignHCenter);
    break;
  default:
    break;
  }
}

void PADWIN::WIN_HESMAK()
{
  CalculatorLauncher::WIN_HESMAK(m_ui);
}

QList<QPair<int, QString>> PADWIN::rulerInchNumbers(int width)
{
  QList<QPair<int, QString>> marks;
  for (int n = 96; n - 48 < width; n += 96)
    marks.append({n, QString::number(n / 96)});
  return marks;
}

void PADWIN::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  const int w = width();
  // Heights count up from the ruler's base line, 25 pixels below the top.
  auto y = [](int h) { return RulerHeight - h; };
  const QColor white(Qt::white);
  const QColor midGrey(127, 127, 127);
  const QColor lightGrey(191, 191, 191);
  p.setPen(white);
  p.drawLine(1, y(1), w - 13, y(1));
  p.setPen(midGrey);
  p.setBrush(white);
  p.drawRect(1, y(2) - 20, w, 20);
  p.setPen(Qt::black);
  p.drawLine(2, y(21), NWIDTH, y(21));
  p.setPen(lightGrey);
  p.setBrush(lightGrey);
  p.drawRect(NWIDTH + 1, y(3) - 18, w - NWIDTH - 2, 18);
  p.setPen(white);
  p.drawLine(NWIDTH + 1, y(21), w, y(21));
  p.setPen(midGrey);
  p.drawLine(NWIDTH + 1, y(20), NWIDTH + 1, y(2));
  p.setPen(Qt::black);
  QFont small = font();
  small.setPixelSize(9);
  p.setFont(small);
  for (const auto &mark : rulerInchNumbers(w)) {
    p.drawText(QPoint(mark.first, y(4)), mark.second);
    p.drawText(QPoint(mark.first - 48, y(5)), QStringLiteral("|"));
  }
}

void PADWIN::resizeEvent(QResizeEvent *event)
{
  QWidget::resizeEvent(event);
  if (ODCRICHEDIT) {
    const QRect r = rect();
    ODCRICHEDIT->setGeometry(r.left(), r.top() + RulerHeight, r.width(),
                             qMax(0, r.height() - RulerHeight));
    update();
  }
}

void PADWIN::focusInEvent(QFocusEvent *event)
{
  QWidget::focusInEvent(event);
  ODCRICHEDIT->setFocus();
}

void PADWIN::printTo(QPrinter &printer) const
{
  std::unique_ptr<QTextDocument> doc(ODCRICHEDIT->document()->clone());
  // A form feed starts a new page; on paper it is no character.
  const QChar formFeed(0x0C);
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const QString text = b.text();
    if (!text.contains(formFeed))
      continue;
    const bool leading = text.startsWith(formFeed);
    const bool trailing = text.endsWith(formFeed) && text.size() > 1;
    QTextCursor c(b);
    for (int i = int(text.size()) - 1; i >= 0; --i) {
      if (text.at(i) != formFeed)
        continue;
      c.setPosition(b.position() + i);
      c.setPosition(b.position() + i + 1, QTextCursor::KeepAnchor);
      c.removeSelectedText();
    }
    const bool emptyLast = !b.next().isValid() && b.text().isEmpty();
    QTextBlockFormat f;
    if (leading && !emptyLast && b.previous().isValid())
      f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (trailing && b.next().isValid())
      f.setPageBreakPolicy(f.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysAfter);
    if (f.pageBreakPolicy() != QTextFormat::PageBreak_Auto)
      QTextCursor(b).mergeBlockFormat(f);
  }

  // Every printer comes from the print module, so it is loaded by now.
  const PrintEntries *print = printModule();
  if (!print)
    return;
  QPainter painter(&printer);
  if (!painter.isActive())
    return;
  const QRectF page = print->pageRect(printer);
  const double naturalScale = double(printer.logicalDpiX()) / PixelsPerInch;
  // Lay the text out as wide as the page allows, up to the 10-inch line;
  // a wider layout is shrunk to the page rather than wrapped.
  doc->setDocumentMargin(0);
  doc->setTextWidth(-1);
  const double lineWidth = double(LineTwips) / TwipsPerInch * PixelsPerInch;
  const double pageWidthDoc = page.width() / naturalScale;
  const double layoutWidth = qMax(pageWidthDoc, qMin(doc->idealWidth(), lineWidth));
  const double scale = page.width() / layoutWidth;
  const QSizeF pageSizeDoc(layoutWidth, page.height() / scale);
  doc->setPageSize(pageSizeDoc);
  const int pages = doc->pageCount();
  for (int i = 0; i < pages; ++i) {
    if (i > 0)
      printer.newPage();
    painter.save();
    painter.scale(scale, scale);
    const QRectF view(0, i * pageSizeDoc.height(), pageSizeDoc.width(), pageSizeDoc.height());
    painter.translate(0, -view.top());
    doc->drawContents(&painter, view);
    painter.restore();
  }
}

} // namespace vz
