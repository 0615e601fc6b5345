#include "colonmaths.h"
#include "messages.h"
#include "controls/dialogunits.h"
#include "controls/jqcombobox.h"
#include "controls/windowicons.h"
#include "problem/interaction.h"
#include "problem/numbertext.h"
#include "platform/rtext.h"
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vz {

COLONMATHS::COLONMATHS(QWidget *owner, const QStringList &fieldNames)
    : QDialog(owner), m_names(columnArithmeticNames(fieldNames))
{
  setWindowTitle(QStringLiteral("Kolon Aritmetiği"));
  setWhatsThis(QStringLiteral("Şeçili kolona dört işlem uygulanır."));
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(152, 71));

  auto *label = new QLabel(QStringLiteral("Seçili kolona uygulanacak değer:"), this);
  label->setObjectName(QStringLiteral("FIXEDTEXT1"));
  label->setWordWrap(true);
  DialogUnits::place(label, du, 8, 3, 64, 22);

  m_combo = new JQCOMBOBOX(this);
  m_combo->setObjectName(QStringLiteral("CBVALAP"));
  m_combo->addItems(m_names);
  m_combo->setCurrentIndex(-1);
  m_combo->setEditText(QString());
  // A name counts only as the list spells it: "hp" is not completed to "HP".
  if (QCompleter *completer = m_combo->completer())
    completer->setCaseSensitivity(Qt::CaseSensitive);
  // The template's height includes the drop-down list; the box is one line.
  const QRect r = du.rect(76, 7, 66, 63);
  m_combo->setGeometry(r.x(), r.y(), r.width(), m_combo->sizeHint().height());
  label->setBuddy(m_combo);
  m_combo->setAccessibleName(label->text());

  const QFont opFont = DialogUnits::makeFont(QStringLiteral("MS Sans Serif"), 10);
  auto opButton = [&](const QString &name, const QString &text, int x) {
    auto *b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setFont(opFont);
    b->setAutoDefault(false);
    DialogUnits::place(b, du, x, 29, 26, 15);
    return b;
  };
  m_plus = opButton(QStringLiteral("PBARTI"), QStringLiteral("+"), 8);
  m_minus = opButton(QStringLiteral("PBEKSI"), QStringLiteral("--"), 44);
  m_times = opButton(QStringLiteral("PBCARPI"), QStringLiteral("*"), 80);
  m_divide = opButton(QStringLiteral("PBBOLU"), QStringLiteral("/"), 116);

  m_cancel = new QPushButton(QStringLiteral("&İptal"), this);
  m_cancel->setObjectName(QStringLiteral("PBIPTAL"));
  m_cancel->setDefault(true);
  DialogUnits::place(m_cancel, du, 56, 51, 48, 13);

  setTabOrder(m_combo, m_plus);
  setTabOrder(m_plus, m_minus);
  setTabOrder(m_minus, m_times);
  setTabOrder(m_times, m_divide);
  setTabOrder(m_divide, m_cancel);
  m_combo->setFocus();

  connect(m_combo, &JQCOMBOBOX::focusChanged, this, [this](bool gained) {
    if (!gained)
      leaveCombo();
  });
  connect(m_plus, &QPushButton::clicked, this, &COLONMATHS::PBARTI);
  connect(m_minus, &QPushButton::clicked, this, &COLONMATHS::PBEKSI);
  connect(m_times, &QPushButton::clicked, this, &COLONMATHS::PBCARPI);
  connect(m_divide, &QPushButton::clicked, this, &COLONMATHS::PBBOLU);
  connect(m_cancel, &QPushButton::clicked, this, &COLONMATHS::PBIPTAL);
}

QPushButton *COLONMATHS::operatorButton(QChar op) const
{
  switch (op.unicode()) {
  case '+': return m_plus;
  case '-': return m_minus;
  case '*': return m_times;
  case '/': return m_divide;
  }
  return nullptr;
}

bool COLONMATHS::NUMORFLD()
{
  const QString text = m_combo->currentText();
  const QString kind = classifyColumnOperand(text, m_names);
  if (!kind.isEmpty())
    m_cvtype = kind;
  return (kind == QLatin1String("N") || kind == QLatin1String("A")) && columnOperandRefusal(text, m_names).isEmpty();
}

void COLONMATHS::leaveCombo()
{
  if (!m_combo->typedSinceFocus())
    return;
  m_combo->clearTypedSinceFocus();
  const QString text = m_combo->currentText();
  // Only a number that fits becomes number text; anything else stays as
  // typed, to be named in the refusal when an operator is pressed.
  if (classifyColumnOperand(text, m_names) == QLatin1String("N") && columnOperandRefusal(text, m_names).isEmpty())
    m_combo->setEditText(signedNumberText(text, 4));
}

void COLONMATHS::applyOperator(const QString &op)
{
  // A button pressed by keyboard shortcut leaves no focus event behind: clean
  // the typed text here as leaving the combo box would.
  leaveCombo();
  const QString text = m_combo->currentText().trimmed();
  if (text.isEmpty()) {
    PBIPTAL();
    return;
  }
  if (!NUMORFLD()) {
    UYARI(this, QString(), columnOperandRefusal(text, m_names));
    m_combo->setFocus();
    return;
  }
  if (op == QLatin1String("/") && m_cvtype == QLatin1String("N") && rt::Val(text) == 0.0) {
    ERRMESS(this, QString(), QStringLiteral("Sıfıra bölme yapılamaz!"));
    m_combo->setFocus();
    return;
  }
  m_cvaluex = text;
  m_coperat = op;
  QDialog::done(Accepted);
}

void COLONMATHS::PBIPTAL()
{
  m_cvaluex.clear();
  m_coperat.clear();
  m_cvtype = QStringLiteral("U");
  QDialog::done(Rejected);
}

} // namespace vz
