#pragma once
// The frame of the program's small modal dialogs: caption, icons, dialog font
// and fixed size, the "&Tamam" / "&İptal" pair, and Escape or the close box
// ending the dialog as "&İptal" does. Each dialog keeps its own geometry and
// decides in PBTAMAM / PBIPTAL what the caller gets back.
#include <QAbstractItemView>
#include <QDialog>
#include <QStringList>

class QPushButton;

namespace vz {

class DialogUnits;
class JQLISTBOX;

class OkCancelDialog : public QDialog {
  Q_OBJECT
public:
  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  virtual void PBTAMAM() = 0;
  virtual void PBIPTAL() = 0;
  void reject() override { PBIPTAL(); }

protected:
  explicit OkCancelDialog(QWidget *owner);

  // Caption, icons and font first, so that the size in dialog units is taken
  // with the font the dialog will show.
  DialogUnits setUpFrame(const QString &caption, const QFont &font, int w, int h);
  // Created after the dialog's own controls so that the creation order (and
  // with it the default focus chain) stays that of the layout.
  void addOkCancel(const DialogUnits &du, int okX, int okY, int okW, int okH, int cancelX,
                   int cancelY, int cancelW, int cancelH);
  // Tab from the dialog's last control to OK, then to Cancel.
  void chainToOkCancel(QWidget *lastControl);
  // The item list of the choice dialogs, at the place both choice layouts give
  // it; screen readers announce it by the dialog's caption. List and dialog
  // grow as wide as the widest item and the caption need.
  JQLISTBOX *addChoiceList(const DialogUnits &du, const QString &name,
                           QAbstractItemView::SelectionMode mode, const QStringList &items,
                           const QString &caption);
  // Places a control that stands right of the choice list (at its dialog-unit
  // place where there is no list), moved by what the list grew.
  void placeBesideList(QWidget *child, const DialogUnits &du, int x, int y, int w, int h);

private:
  int captionWidth(const QString &caption) const;

  QPushButton *m_ok = nullptr;
  QPushButton *m_cancel = nullptr;
  int m_listGrowth = 0;  // pixels the choice list grew by
};

} // namespace vz
