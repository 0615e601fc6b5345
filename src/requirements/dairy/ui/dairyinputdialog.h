#pragma once
// What the three dairy input dialogs share: number edits bound to their
// form-logic object, the leave-edit step when an edit loses the focus (the
// focus goes back into an edit whose value is out of range), the OK check of
// every edit, and Escape / the close box ending the dialog as "&İptal" does.
#include "requirements/dairy/dairyeditform.h"

#include "problem/ui/okcanceldialog.h"

#include <QList>
#include <functional>
#include <memory>

class QLabel;

namespace vz {

class DialogUnits;
class JQSLE;

class DairyInputDialog : public OkCancelDialog {
  Q_OBJECT
public:
  // How a dialog shows its warnings (UYARI over the dialog by default); tests
  // replace it so that no modal box blocks them. Returns the previous one.
  using Warner = std::function<void(QWidget *owner, const QString &text)>;
  static Warner setWarner(Warner warner);
  ~DairyInputDialog() override;

  JQSLE *edit(int index) const { return m_edits.value(index); }

public slots:
  void PBIPTAL() override;

protected:
  DairyInputDialog(QWidget *owner, std::unique_ptr<DairyEditForm> form, const QString &caption);

  // Fixes the dialog's size; the units are those of the dialog font that the
  // constructor set, which every control is then placed with.
  DialogUnits fixSize(int w, int h);

  // The edit of form index `index` (edits are added in index order), tied to
  // its label for screen readers.
  JQSLE *addEdit(const QString &name, QLabel *label, const DialogUnits &du, int x, int y, int w,
                 int h);
  QLabel *addLabel(const QString &name, const QString &text, const DialogUnits &du, int x, int y,
                   int w, int h);
  // The energy-concentration prompt is worded alike in all three dialogs.
  QLabel *addEnergyLabel(const QString &name, const DialogUnits &du, int x, int y, int w, int h);
  // A frame drawn around a group of controls; the controls stay children of
  // the dialog so that the focus chain and lookups by name are unchanged.
  void addGroupBox(const QString &name, const QString &title, const DialogUnits &du, int x, int y,
                   int w, int h);

  DairyEditForm &baseForm() const { return *m_form; }
  // The form's texts and enabled states into the edits.
  void syncEdits();
  // The OK check of the dialogs whose form either accepts every edit or names
  // the first bad one: the edits show the form's texts afterwards and the
  // focus goes back into the bad edit. Empty when an edit was out of range.
  template <typename Form>
  auto acceptEdits(Form &form)
  {
    int bad = -1;
    auto in = form.accept(focusedEdit(), &bad);
    syncEdits();
    if (!in)
      refocus(bad);
    return in;
  }
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
};

} // namespace vz
