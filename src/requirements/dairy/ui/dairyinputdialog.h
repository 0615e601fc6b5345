#pragma once
// What the three dairy input dialogs share: number edits bound to their
// form-logic object, the leave-edit step when an edit loses the focus (the
// focus goes back into an edit whose value is out of range), the OK check of
// every edit, and Escape / the close box ending the dialog as "&İptal" does.
#include "requirements/dairy/dairyeditform.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace vz {

class DialogUnits;
class JQSLE;

class DairyInputDialog : public QDialog {
  Q_OBJECT
public:
  // How a dialog shows its warnings (UYARI over the dialog by default); tests
  // replace it so that no modal box blocks them. Returns the previous one.
  using Warner = std::function<void(QWidget *owner, const QString &text)>;
  static Warner setWarner(Warner warner);
  ~DairyInputDialog() override;

  QPushButton *okButton() const { return m_ok; }
  QPushButton *cancelButton() const { return m_cancel; }
  JQSLE *edit(int index) const { return m_edits.value(index); }

public slots:
  virtual void PBTAMAM() = 0;
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

protected:
  DairyInputDialog(QWidget *owner, std::unique_ptr<DairyEditForm> form, const QString &caption);

  // The edit of form index `index` (edits are added in index order), tied to
  // its label for screen readers.
  JQSLE *addEdit(const QString &name, QLabel *label, const DialogUnits &du, int x, int y, int w,
                 int h);
  QLabel *addLabel(const QString &name, const QString &text, const DialogUnits &du, int x, int y,
                   int w, int h);
  void addButtons(const DialogUnits &du, int okX, int okY, int okW, int okH, int cancelX,
                  int cancelY, int cancelW, int cancelH);

  DairyEditForm &baseForm() const { return *m_form; }
  // The form's texts and enabled states into the edits.
  void syncEdits();
  // The edit that holds the keyboard focus (Enter on OK), -1 for none.
  int focusedEdit() const;
  // Puts the focus into edit `index` once the current event is handled.
  void refocus(int index);
  void refocusWidget(QWidget *w);
  void warn(const QString &text);

  // An edit gained the focus; the cow dialog steers it on from here.
  virtual void editEntered(int index);

private:
  void editLeft(int index);

  std::unique_ptr<DairyEditForm> m_form;
  QList<JQSLE *> m_edits;
  QPushButton *m_ok = nullptr;
  QPushButton *m_cancel = nullptr;
};

} // namespace vz
