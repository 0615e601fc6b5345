#pragma once
// A report window: one report file, or an untitled text, in a rich-text
// control under a 25-pixel ruler, shown as the content of an MDI child of the
// main window. It tracks changes to its text, saves it as plain text (code
// page 1254, CR LF) or rich text under its name or a new one, asks before an
// unsaved text goes, and carries the editing commands of the report editor's
// menu and of its context menu (ED_CONT_MENU).
//
// Reports are laid out as the report writers made them: a fixed-pitch font
// and a 10-inch line (14400 twips) that does not wrap at the window's width,
// so 100-column tables stay tables.
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include <functional>

class QPrinter;
class QTextDocument;

namespace vz {

class ED_CONT_MENU;
class Interaction;
class JQRICHEDIT;
class ReportEditorDialogs;

class PADWIN : public QWidget {
  Q_OBJECT
public:
  static constexpr int RulerHeight = 25;
  static constexpr int LineTwips = 14400;  // the 10-inch text line

  // `printer` gives the printer that printing and the printer set-up share,
  // asked for on the first print; null when there is none to print on.
  using PrinterSource = std::function<QPrinter *()>;
  PADWIN(Interaction &ui, ReportEditorDialogs &dialogs, PrinterSource printer, QWidget *parent = nullptr);
  ~PADWIN() override;

  int NWIDTH = 0;            // the text line's length in pixels as the ruler draws it
  int NLEFTMARGIN = 0;       // twips, as the margin dialog last set them
  int NRIGHTMARGIN = LineTwips;
  JQRICHEDIT *ODCRICHEDIT = nullptr;  // the text control

  // CFNAME: a full path, or "Adsız<n>" while the text has no file. Setting it
  // sets the caption too.
  QString CFNAME() const { return m_name; }
  void setCFNAME(const QString &name);

  bool LCHANGE() const { return m_changed; }
  void LCHANGE(bool changed);

  // Loads CFNAME by its ending (".RTF" rich text, ".TXT" plain text, else
  // nothing). Returns false and sets `error` when the file cannot be read,
  // is no rich text, or (".TXT") reads as empty text; the window is then not
  // to be shown. Leaves the text unchanged (LCHANGE false).
  bool load(QString *error = nullptr);

  QString plainText() const;
  QTextDocument *document() const;

  // The fixed-pitch report font (Courier New, Turkish; the system's fixed
  // font where Courier New is missing).
  static QFont reportFont();
  // Ruler inch marks for a canvas `width` pixels wide: the x of each inch
  // number (every 96 pixels) with its text.
  static QList<QPair<int, QString>> rulerInchNumbers(int width);

  // Prints the text on `printer` as it stands; form feeds start new pages and
  // lines up to the 10-inch line are scaled to fit the page, never wrapped.
  void printTo(QPrinter &printer) const;

public slots:
  // Save under the window's name ("Farklı Kaydet" for an untitled window).
  // Returns true when written; a failed or cancelled save leaves LCHANGE set.
  bool RTFSAVE();
  // Save under a new name; returns true when written. On failure the name
  // and caption stay.
  bool RTFSAVEAS();
  // The close question; true lets the window close.
  bool QUERYCLOSE();
  // Closes the window (its MDI child), running the close question.
  void CLOSE();
  void CLOSEALL();

  void CUT();
  void COPY();
  void PASTE();
  void SELECTALL();
  void FILEPRINT();
  void SETFONT();
  void SETMARGINS();
  // Applies margins in twips to the selected paragraphs: left indent, right
  // indent measured back from the end of the 10-inch line.
  void MARGIN(int left, int right, int offset = 0);
  void RTFALIGN(int n);  // 1 left, 2 right, 3 centre
  void YAZIM_DUZENLE_SOL() { RTFALIGN(1); }
  void YAZIM_DUZENLE_ORTA() { RTFALIGN(3); }
  void YAZIM_DUZENLE_SAG() { RTFALIGN(2); }
  void WIN_HESMAK();

signals:
  // The text changed after loading or saving (first edit enables "Kaydet").
  void edited(vz::PADWIN *window);
  // The close question let the window go; it leaves the editor's list.
  void closed(vz::PADWIN *window);
  void closeAllRequested();

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  bool writeTo(const QString &path, bool rich);
  void onTextChanged();

  Interaction &m_ui;
  ReportEditorDialogs &m_dialogs;
  PrinterSource m_printer;
  ED_CONT_MENU *m_contextMenu;
  QString m_name;
  bool m_changed = false;
  bool m_loading = false;
  bool m_closed = false;
  bool m_asking = false;
};

} // namespace vz
