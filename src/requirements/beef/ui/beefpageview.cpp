#include "beefpageview.h"

#include "controls/dialogunits.h"
#include "controls/jqcombobox.h"
#include "controls/jqsle.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace vz::beef {

namespace {

// Lists show one line; the template's height is that of the opened drop-down.
constexpr int ListHeight = 12;

} // namespace

BeefPageView::BeefPageView(BeefPageForm &form, const QList<Placement> &placements, QWidget *parent)
  : QWidget(parent), m_form(form), m_controls(form.fieldCount(), nullptr)
{
  setFont(DialogUnits::shellDlgFont());
  for (const Placement &p : placements) {
    const int field = p.field;
    QWidget *control = nullptr;
    if (form.isList(field)) {
      auto *combo = new JQCOMBOBOX(this);
      combo->addItems(form.items(field));
      combo->setEditable(form.isEditableList(field));
      if (combo->isEditable())
        combo->setInsertPolicy(QComboBox::NoInsert);
      // Any change of the chosen item, by mouse or by keyboard.
      connect(combo, &QComboBox::currentIndexChanged, this, [this, field](int index) {
        if (!m_refreshing && index >= 0)
          m_form.chooseItem(field, index + 1);
      });
      if (combo->isEditable())
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, field](const QString &t) {
          if (!m_refreshing)
            m_form.typeText(field, t);
        });
      connect(combo, &JQCOMBOBOX::focusChanged, this, [this, field](bool gained) {
        if (!gained)
          leave(field);
      });
      place(combo, QRect(p.control.x(), p.control.y(), p.control.width(), ListHeight));
      control = combo;
    } else {
      auto *edit = new JQSLE(this);
      connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &t) {
        if (!m_refreshing)
          m_form.typeText(field, t);
      });
      connect(edit, &JQSLE::focusChanged, this, [this, field](bool gained) {
        if (!gained)
          leave(field);
      });
      place(edit, p.control);
      control = edit;
    }
    control->setObjectName(QStringLiteral("field%1").arg(field));
    control->setAccessibleName(form.label(field));
    if (!p.label.isNull()) {
      auto *label = new QLabel(form.label(field), this);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      label->setBuddy(control);
      place(label, p.label);
    }
    m_controls[field] = control;
  }
  refresh();
}

QWidget *BeefPageView::control(int field) const
{
  return field >= 0 && field < m_controls.size() ? m_controls.at(field) : nullptr;
}

int BeefPageView::focusedField() const
{
  QWidget *focus = QApplication::focusWidget();
  for (int f = 0; f < m_controls.size(); ++f) {
    QWidget *c = m_controls.at(f);
    if (c && focus && (c == focus || c->isAncestorOf(focus)))
      return f;
  }
  return -1;
}

void BeefPageView::refresh()
{
  m_refreshing = true;
  for (int f = 0; f < m_controls.size(); ++f) {
    QWidget *c = m_controls.at(f);
    if (!c)
      continue;
    c->setEnabled(m_form.isEnabled(f));
    if (auto *combo = qobject_cast<QComboBox *>(c)) {
      if (m_form.item(f) >= 1)
        combo->setCurrentIndex(m_form.item(f) - 1);
      if (combo->isEditable() && combo->currentText() != m_form.text(f))
        combo->setEditText(m_form.text(f));
    } else if (auto *edit = qobject_cast<QLineEdit *>(c)) {
      if (edit->text() != m_form.text(f))
        edit->setText(m_form.text(f));
    }
  }
  m_refreshing = false;
}

void BeefPageView::place(QWidget *widget, const QRect &du)
{
  DialogUnits::place(widget, DialogUnits(font()), du.x(), du.y(), du.width(), du.height());
}

void BeefPageView::leave(int field)
{
  m_form.leaveEdit(field);
  refresh();
}

} // namespace vz::beef
