#pragma once
// The controls of one beef dialog page without any widget: every edit and
// list with its text, its list items and chosen item, whether it is enabled,
// and how a typed number is rewritten when the focus leaves it. The windows
// forward what the user does here and show what comes back; tests drive the
// pages directly.
//
// Lists whose item number is read cannot be typed into, so they always hold
// one of their items; lists whose text is read as a number can.
#include <QList>
#include <QString>
#include <QStringList>

namespace vz::beef {

class BeefPageForm {
public:
  // What leaving an edit does to its text: nothing, number text without a
  // sign (SDAYA), or number text that keeps a leading minus sign.
  enum class Rewrite { None, Number, SignedNumber };

  virtual ~BeefPageForm() = default;

  int fieldCount() const { return int(m_fields.size()); }
  QString label(int field) const { return m_fields.at(field).label; }
  // An edit's text, or the text a list shows.
  QString text(int field) const { return m_fields.at(field).text; }
  bool isList(int field) const { return !m_fields.at(field).items.isEmpty(); }
  bool isEditableList(int field) const { return isList(field) && m_fields.at(field).editable; }
  QStringList items(int field) const { return m_fields.at(field).items; }
  // The chosen item counted from 1; 0 for an edit or a typed list text that
  // is no item.
  int item(int field) const { return m_fields.at(field).item; }
  bool isEnabled(int field) const { return m_fields.at(field).enabled; }
  // Empty or blanks only.
  bool isBlank(int field) const;

  // The user typed into an edit or an editable list; ignored elsewhere.
  void typeText(int field, const QString &text);
  // The user picked item `item` (from 1) of a list; out-of-range is ignored.
  void chooseItem(int field, int item);
  // The focus left the field: its text is rewritten by its rule.
  void leaveEdit(int field);

  // Number text of 11 characters as SDAYA makes it, but a leading "-" of the
  // typed text is kept in front of a value other than 0.
  static QString signedNumberText(const QString &text, int decimals);

protected:
  int addEdit(const QString &label, int decimals, Rewrite rewrite = Rewrite::Number,
              const QString &text = QString());
  int addList(const QString &label, const QStringList &items, int item,
              bool editable = false, int decimals = 0,
              Rewrite rewrite = Rewrite::None);
  void setText(int field, const QString &text);
  void setEnabled(int field, bool enabled);
  // Text put into a blank edit before its rewrite (the condition score).
  void setBlankDefault(int field, const QString &text);

private:
  struct Field {
    QString label;
    QString text;
    QStringList items;
    int item = 0;
    bool editable = true;
    bool enabled = true;
    int decimals = 0;
    Rewrite rewrite = Rewrite::None;
    QString blankDefault;
  };
  QList<Field> m_fields;
};

} // namespace vz::beef
