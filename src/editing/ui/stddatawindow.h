#pragma once
// "Referans Matris Yazımı": the child window in which the reference matrix
// file is kept, one row per record (the units record first) and one column
// per field, in a grid or one record at a time in a form. It edits a copy of
// the file (ReferenceMatrixCopy); the file is replaced only when the user
// answers "Evet" to the closing question, so "Hayır" really discards.
#include "editing/referencematrixcopy.h"
#include "editing/ui/oabs_browser.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QScrollArea>
#include <memory>

class QLineEdit;
class QMdiArea;
class QMenu;

class QStackedWidget;

namespace vz {

class Interaction;
class JQTOOLBAR;

// The grid's model over the copy: every value typed passes through the
// copy's end-of-edit rules.
class ReferenceMatrixModel : public QAbstractTableModel {
  Q_OBJECT
public:
  ReferenceMatrixModel(ReferenceMatrixCopy &copy, Interaction &ui, QObject *parent = nullptr);

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  // After the copy changed as a whole (arithmetic, linking, append, delete).
  void refresh();

private:
  ReferenceMatrixCopy &m_copy;
  Interaction &m_ui;
};

// The reference matrix grid: the grid of the entry windows over the copy.
class ORMAT_BROWSER : public OABS_BROWSER {
  Q_OBJECT
public:
  explicit ORMAT_BROWSER(QWidget *owner);
  void attachReference(ReferenceMatrixModel *model);
};

class STDDATAWINDOW : public QMainWindow {
  Q_OBJECT
public:
  // The window open in `area`, brought forward; else a new one over `path`,
  // shown filling the area. Null when the file cannot be read ("Referans
  // matris dosyası açma hatası!" was shown). `ui` null: the window's own boxes.
  static STDDATAWINDOW *open(QMdiArea *area, const QString &path, Interaction *ui = nullptr);
  // The window open in `area`, or null.
  static STDDATAWINDOW *find(QMdiArea *area);

  ~STDDATAWINDOW() override;

  ReferenceMatrixCopy &copy() { return m_copy; }
  ORMAT_BROWSER *browser() const { return m_grid; }
  QWidget *formView() const { return m_formArea; }
  QLineEdit *formEdit(int field) const { return m_formEdits.value(field - 1); }
  bool isFormView() const;
  JQTOOLBAR *toolBar() const { return m_toolBar; }
  QMenu *contextMenu() const { return m_contextMenu; }
  QAction *action(int id) const { return m_actions.value(id); }
  int currentRecord() const;  // 1-based, 0 when none
  bool lChanged() const { return m_copy.changed(); }
  QString cDBFName() const { return m_copy.path(); }

public slots:
  void CLOSE();
  void CUT();
  void COPY();
  void PASTE();
  void CLEAR();
  void APPEND();
  void RMDELETE();
  void GOTOP();
  void SKIPPREVIOUS();
  void SKIPNEXT();
  void GOBOTTOM();
  void VIEWFORM();
  void VIEWTABLE();
  void WIN_HESMAK();
  void PBSPLIT();
  void COLMATHBM();
  void BMBAGLA();
  void HELPINDEX();
  void CONTEXTHELP();
  void KWHAKKINDA();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  STDDATAWINDOW(const QString &path, Interaction *ui);
  bool load();
  void buildMenus();
  void buildForm();
  void showRecord(int record);
  void formEditFinished(int field);
  void moveTo(int record);
  void endEdits();
  bool askBeforeDeleting();
  void showHelp(const QString &topic);
  void setToolsEnabled(bool on);

  std::unique_ptr<Interaction> m_ownUi;
  Interaction *m_ui;
  ReferenceMatrixCopy m_copy;
  QString m_path;
  ReferenceMatrixModel *m_model = nullptr;
  ORMAT_BROWSER *m_grid = nullptr;
  QStackedWidget *m_views = nullptr;
  QScrollArea *m_formArea = nullptr;
  QList<QLineEdit *> m_formEdits;
  JQTOOLBAR *m_toolBar = nullptr;
  QMenu *m_contextMenu = nullptr;
  QMenu *m_toolsMenu = nullptr;
  QHash<int, QAction *> m_actions;
  bool m_closed = false;
};

} // namespace vz
