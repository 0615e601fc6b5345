#pragma once
// The "Günün Tüyosu" dialog: one tip at a time with its heading, paging back
// and forth, a "more information" button and the "show at start" check box.
// Tips come from an array of rows or from a tip data server. LASTTIP is the
// number of the tip shown; SHOW moves on to the next one first, so each
// showing continues where the last one stopped.
#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vz {

class TipServer;

struct TipRow {
  QString heading;
  QString text;
  bool showMore = true;
};

class WINTIPOFDAY : public QDialog {
  Q_OBJECT
public:
  explicit WINTIPOFDAY(QWidget *owner = nullptr);
  ~WINTIPOFDAY() override;

  void setTIP(const QList<TipRow> &rows);
  // The server is not owned; it is closed when the dialog closes while
  // CLOSESERVER is true.
  void setTIP(TipServer *server);
  int tipCount() const;

  int LASTTIP() const { return m_lastTip; }
  void setLASTTIP(int n) { m_lastTip = n < 0 ? 0 : n; }
  bool SHOWONSTARTUP() const;
  bool setSHOWONSTARTUP(bool on);
  bool CLOSESERVER() const { return m_closeServer; }
  void setCLOSESERVER(bool on) { m_closeServer = on; }

  // Advances to the next tip and runs the dialog modally; returns the dialog's
  // result. With no tip at all nothing is shown and 0 is returned.
  int SHOW();
  // What SHOW does before running the dialog: next tip, focus on "&Kapat".
  // Answers false (and changes nothing) when there is no tip.
  bool prepareShow();

  void NEXTTIP();
  void PREVIOUSTIP();
  void LOADTIP();

  QString currentHeading() const;
  QString currentText() const;

public slots:
  void PBNEXT() { NEXTTIP(); }
  void PBPREVIOUS() { PREVIOUSTIP(); }
  virtual void PBMORE() { MOREINFO(); }
  virtual void MOREINFO() {}
  void PBCLOSE() { accept(); }

protected:
  void done(int r) override;

  QLabel *m_backdrop;
  QLabel *m_bulb;
  QLabel *m_heading;
  QPlainTextEdit *m_text;
  QPushButton *m_more;
  QCheckBox *m_showOnStartup;
  QPushButton *m_previous;
  QPushButton *m_next;
  QPushButton *m_close;

private:
  QList<TipRow> m_rows;
  TipServer *m_server = nullptr;
  bool m_closeServer = true;
  int m_lastTip = 0;
};

} // namespace vz
