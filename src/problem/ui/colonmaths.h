#pragma once
// "Kolon Aritmetiği": one of the four operations and its operand, a number or
// another column of the reference matrix, for the column selected in the
// caller's grid. The caller reads COPERAT, CVALUEX and CVTYPE: an empty
// COPERAT (CVTYPE "U") means nothing is to be done; otherwise CVTYPE is "N"
// (apply the number CVALUEX, its sign kept) or "A" (apply the column named
// CVALUEX). Text that is neither a listed name nor a number, a number too
// wide for a cell and a literal zero as divisor are refused with a message
// and keep the dialog open; a column holding zeros is the caller's to guard,
// cell by cell.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace vz {

class JQCOMBOBOX;

class COLONMATHS : public QDialog {
  Q_OBJECT
public:
  // fieldNames: every field of the reference matrix, in field order.
  COLONMATHS(QWidget *owner, const QStringList &fieldNames);

  QString COPERAT() const { return m_coperat; }
  QString CVALUEX() const { return m_cvaluex; }
  QString CVTYPE() const { return m_cvtype; }
  QStringList fieldNameList() const { return m_names; }

  // Classifies the combo box's text (sets CVTYPE when it has a class);
  // true for a number that fits a cell or a listed column name.
  bool NUMORFLD();

  JQCOMBOBOX *CBVALAP() const { return m_combo; }
  QPushButton *operatorButton(QChar op) const;
  QPushButton *cancelButton() const { return m_cancel; }

public slots:
  void PBARTI() { applyOperator(QStringLiteral("+")); }
  void PBEKSI() { applyOperator(QStringLiteral("-")); }
  void PBCARPI() { applyOperator(QStringLiteral("*")); }
  void PBBOLU() { applyOperator(QStringLiteral("/")); }
  void PBIPTAL();
  void reject() override { PBIPTAL(); }

private:
  void applyOperator(const QString &op);
  // Leaving the combo box: a number that fits becomes number text.
  void leaveCombo();

  QStringList m_names;
  JQCOMBOBOX *m_combo;
  QPushButton *m_plus;
  QPushButton *m_minus;
  QPushButton *m_times;
  QPushButton *m_divide;
  QPushButton *m_cancel;
  QString m_coperat;
  QString m_cvaluex;
  QString m_cvtype = QStringLiteral("U");
};

} // namespace vz
