#include "cb_hsec.h"
#include "controls/dialogunits.h"
#include "controls/jqcombobox.h"
#include "controls/windowicons.h"
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vz {

namespace {

// Word wrap breaks only between words: a word wider than the label (a long
// feedstuff name typed without blanks) is broken where the width ends.
QString breakLongWords(const QString &text, const QFontMetrics &fm, int width)
{
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString &line : lines) {
    QStringList words = line.split(QLatin1Char(' '));
    for (QString &word : words) {
      if (fm.horizontalAdvance(word) <= width)
        continue;
      QString broken;
      QString part;
      for (QChar c : std::as_const(word)) {
        if (!part.isEmpty() && fm.horizontalAdvance(part + c) > width) {
          broken += part + QLatin1Char('\n');
          part.clear();
        }
        part += c;
      }
      word = broken + part;
    }
    line = words.join(QLatin1Char(' '));
  }
  return lines.join(QLatin1Char('\n'));
}

} // namespace

CB_HSEC::CB_HSEC(QWidget *owner, const QString &name, const QStringList &candidates)
    : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Eşleştirme Diyaloğu"));
  setWindowIcons(this, VSKTOD());
  const QFont font = DialogUnits::shellDlgFont();
  setFont(font);
  const DialogUnits du(font);
  setFixedSize(du.size(214, 72));

  m_text = new QLabel(this);
  m_text->setObjectName(QStringLiteral("FT_BM_UN"));
  m_text->setWordWrap(true);
  m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Down to the dialog's foot, so that a 25-character feedstuff name and the
  // request under it are never cut.
  DialogUnits::place(m_text, du, 6, 6, 67, 60);

  m_combo = new JQCOMBOBOX(this);
  m_combo->setObjectName(QStringLiteral("CB_HSEC"));
  m_combo->setMaxVisibleItems(8);
  // A name is taken only when picked from the list or typed whole: the
  // combo box's own completion would fill in "Mısır Silajı" after "Mısır"
  // and let "Tamam" take a feedstuff the user never named.
  m_combo->setCompleter(nullptr);
  // The template's height includes the drop-down list; the box is one line.
  const QRect r = du.rect(80, 6, 73, 67);
  m_combo->setGeometry(r.x(), r.y(), r.width(), m_combo->sizeHint().height());
  m_text->setBuddy(m_combo);

  auto button = [&](const QString &objectName, const QString &text, int y, int h) {
    auto *b = new QPushButton(text, this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    DialogUnits::place(b, du, 160, y, 46, h);
    return b;
  };
  m_tamam = button(QStringLiteral("PBTAMAM"), QStringLiteral("Tamam"), 7, 12);
  m_tamam->setDefault(true);
  m_atla = button(QStringLiteral("PB_ATLA"), QStringLiteral("Atla"), 29, 12);
  m_iptal = button(QStringLiteral("PBIPTAL"), QStringLiteral("İptal"), 51, 13);

  setTabOrder(m_combo, m_tamam);
  setTabOrder(m_tamam, m_atla);
  setTabOrder(m_atla, m_iptal);

  connect(m_tamam, &QPushButton::clicked, this, &CB_HSEC::PBTAMAM);
  connect(m_atla, &QPushButton::clicked, this, &CB_HSEC::PB_ATLA);
  connect(m_iptal, &QPushButton::clicked, this, &CB_HSEC::PBIPTAL);

  POSTINIT(name, candidates);
  m_combo->setFocus();
}

void CB_HSEC::POSTINIT(const QString &name, const QStringList &candidates)
{
  const QString text = name + QStringLiteral(" ->\nEşini Seçiniz");
  m_text->setText(breakLongWords(text, m_text->fontMetrics(), m_text->contentsRect().width()));
  m_combo->setAccessibleName(text);
  m_combo->addItems(candidates);
  m_combo->setCurrentIndex(-1);
  m_combo->setEditText(QString());
}

void CB_HSEC::PBTAMAM()
{
  m_selected = 0;
  // Only an entry of the list counts: a text typed into the edit part that
  // names no candidate is no choice.
  const int index = m_combo->findText(m_combo->currentText(), Qt::MatchExactly);
  if (m_combo->currentText().isEmpty() || index < 0) {
    m_combo->setFocus();
    return;
  }
  m_selected = quint32(index + 1);
  finish(1);
}

void CB_HSEC::PB_ATLA()
{
  m_selected = 0;
  finish(2);
}

void CB_HSEC::PBIPTAL()
{
  m_selected = 0;
  finish(0);
}

void CB_HSEC::finish(int result)
{
  m_result = result;
  QDialog::done(result);
}

} // namespace vz
