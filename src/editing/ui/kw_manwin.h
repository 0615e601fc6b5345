#pragma once
// The manual ration window: the upper grid holds one row per feedstuff where
// the daily amounts (and, for a trial, prices, KMO and nutrient values) are
// typed; the lower grid shows the results, the requirements and the
// differences. Only the amounts go back into the problem, when the window
// closes (never refused). "&Otomatik Hesapla" recomputes after every typed
// value; "&Rapor Al" writes the manual ration report.
//
// Menu items carry their event name (property "vzEvent"); those the window
// carries out itself are marked "vzRouted", the others (cascade, tile, help
// on help) are left to the main window's routing.
#include "editing/manualration.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAbstractItemModel;
class QMdiArea;

namespace vz {

class Interaction;
class JQTOOLBAR;
class MMAT_BROWSER;
class MRES_BROWSER;
class ManualRationModel;

class KW_MANWIN : public QMainWindow {
  Q_OBJECT
public:
  static constexpr int AutoComputeId = 12543;

  // Where reports go. Empty members: the open problem file, the session's
  // current report file and the wall clock.
  struct ReportContext {
    std::function<QString()> problemFile;
    std::function<void(const QString &)> setCurrentReport;
    std::function<QDateTime()> clock;
  };

  // `ui` null: the window's own message boxes and dialogs.
  explicit KW_MANWIN(RationProblem &problem, Interaction *ui = nullptr, QWidget *parent = nullptr);
  ~KW_MANWIN() override;

  // Whether a problem offers a manual ration: a matrix of at least 2 x 2.
  static bool isOffered(const RationProblem &problem);
  // The manual ration window open in `area` (not yet closed), or null.
  static KW_MANWIN *find(QMdiArea *area);
  // A new window, not yet shown, for the caller to add to `area`. Null when
  // the problem offers none, or when one is open (it is activated). The
  // feedstuff and matrix entry windows of `area` are closed first, with their
  // copy-back, so the amounts always match the feedstuff table; one opened
  // later in `area` closes this window, with its copy-back.
  static KW_MANWIN *create(QMdiArea *area, RationProblem &problem, Interaction *ui = nullptr);
  // create(), then shown in `area` sized to it at its top left. Answers the
  // window now open (the one activated, if one was open), or null.
  static KW_MANWIN *open(QMdiArea *area, RationProblem &problem, Interaction *ui = nullptr);
  // Closes the window of `area`, which copies the amounts back. Never
  // refused; answers true when none is left open.
  static bool closeIn(QMdiArea *area);

  void setReportContext(const ReportContext &context) { m_context = context; }

  ManualRation &ration() const { return *m_ration; }
  MMAT_BROWSER *upperGrid() const { return m_upper; }
  MRES_BROWSER *lowerGrid() const { return m_lower; }
  JQTOOLBAR *toolBar() const { return m_toolBar; }
  QAction *action(int id) const { return m_actions.value(id); }
  bool isClosed() const { return m_closed; }

  // The first column of `grid` whose caption begins with "KMO"; 0 when none.
  static int FINDKMONUM(const QAbstractItemModel *grid);
  static QString FINDACTCOLNAME(const QAbstractItemModel *grid, int n);

  bool ISOTO_OPEN() const;

signals:
  // The amounts went back into the problem (its feed-amounts flag is up).
  void amountsCopiedBack();

public slots:
  void MAN_HESAP();
  void OTO_HESAP();
  void OHESAP_AC_KAPA();
  // False when the report parameters were cancelled (nothing written).
  bool MAN_RAPORAL();
  void PBSPLIT();
  void PBSPLIT1();
  void PBSPLIT2();
  void WIN_HESMAK();
  void KWHAKKINDA();
  void HELPINDEX();
  void CLOSE();
  void CUT();
  void COPY();
  void PASTE();
  void GOTOP();
  void SKIPPREVIOUS();
  void SKIPNEXT();
  void GOBOTTOM();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void buildMenu();
  void POSTINIT();
  void MYMMIKTARI();
  void moveTo(int row);

  std::unique_ptr<Interaction> m_ownUi;
  Interaction *m_ui = nullptr;
  std::unique_ptr<ManualRation> m_ration;
  ManualRationModel *m_upperModel = nullptr;
  ManualRationModel *m_lowerModel = nullptr;
  MMAT_BROWSER *m_upper = nullptr;
  MRES_BROWSER *m_lower = nullptr;
  JQTOOLBAR *m_toolBar = nullptr;
  QHash<int, QAction *> m_actions;
  ReportContext m_context;
  bool m_closed = false;
};

} // namespace vz
