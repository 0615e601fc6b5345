#pragma once
// The number edits of the dairy input dialogs, without any widget: each edit's
// text, whether the user changed it, whether it is enabled, and its range
// rule. The windows forward their events here; tests drive it directly.
//
// Leaving an edit the user changed (and did not leave blank): its value must
// lie inside the inclusive range, else the focus goes back and the text stays
// as typed; a valid text is rewritten as number text with the rule's decimals
// (SDAYA). A "," is read as the decimal point, so "450,5" is 450.5.
//
// OK runs that same step for the focused edit and then for every enabled edit
// that holds text, whether or not the focus ever left it, so that nothing
// reaches the equations unchecked or unnormalised.
#include <QList>
#include <QString>

namespace vz {

class DairyEditForm {
public:
  struct Rule {
    double lower = 0.0;
    double upper = 0.0;
    bool hasUpper = true;  // false: above `clampAbove` the text becomes that number
    double clampAbove = 0.0;
    int decimals = 2;
  };

  virtual ~DairyEditForm() = default;

  int editCount() const { return int(m_edits.size()); }
  QString text(int edit) const { return m_edits.at(edit).text; }
  bool isEnabled(int edit) const { return m_edits.at(edit).enabled; }
  bool isChanged(int edit) const { return m_edits.at(edit).changed; }

  // The user typed: the edit counts as changed.
  void typeText(int edit, const QString &text);
  // The program set the text: not a change by the user.
  void setText(int edit, const QString &text);
  void setEnabled(int edit, bool enabled);

  // The edit lost the focus. False when its value is out of range (the focus
  // must go back into it; the text is unchanged).
  bool leaveEdit(int edit);

  // The OK check described above; returns the edit the focus must go back
  // to, or -1 when every edit passed (texts normalised).
  int checkAllForOk(int focusedEdit);

  // The value OK hands over: Val of the text (0 for an empty text).
  double value(int edit) const;
  bool isBlank(int edit) const;

  // One edit's range step on `text`: false when out of range; else `out` is
  // the normalised text. No failure beyond that.
  static bool checkText(const QString &text, const Rule &rule, QString *out);
  // Val with "," read as ".".
  static double typedValue(const QString &text);

protected:
  int addEdit(const Rule &rule, const QString &text = QString());

private:
  bool runLeaveStep(int edit);

  struct Edit {
    Rule rule;
    QString text;
    bool changed = false;
    bool enabled = true;
  };
  QList<Edit> m_edits;
};

} // namespace vz
