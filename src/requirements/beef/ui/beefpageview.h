#pragma once
// The widgets of one beef dialog page over its form: an edit (JQSLE) or a
// list (JQCOMBOBOX) per field, each placed by its dialog-unit rectangle with
// its label beside it. What the user types or picks goes to the form; when
// the focus leaves a field the form rewrites it and the widget shows the
// result. Lists whose item number is read cannot be typed into.
#include "requirements/beef/beefpageform.h"

#include <QList>
#include <QRect>
#include <QWidget>

class QLabel;

namespace vz {
class DialogUnits;
}

namespace vz::beef {

class BeefPageView : public QWidget {
  Q_OBJECT
public:
  struct Placement {
    int field;
    QRect label;    // dialog units; a null rect: the field has no label of its own
    QRect control;  // dialog units
  };

  BeefPageView(BeefPageForm &form, const QList<Placement> &placements, QWidget *parent = nullptr);

  BeefPageForm &form() { return m_form; }
  // The widget of `field`; null when the page has no such field.
  QWidget *control(int field) const;
  // The field whose widget holds the keyboard focus, or -1.
  int focusedField() const;
  // Shows the form's texts, chosen items and enabled states again.
  void refresh();

  // Places a widget of the page's own by its dialog-unit rectangle.
  void place(QWidget *widget, const QRect &du);

private:
  void leave(int field);

  BeefPageForm &m_form;
  QList<QWidget *> m_controls;
  bool m_refreshing = false;
};

} // namespace vz::beef
