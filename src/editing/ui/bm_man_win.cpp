#include "bm_man_win.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"
#include "problem/interaction.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace vz {

BM_MAN_WIN::BM_MAN_WIN(QWidget *owner, const QString &path, Interaction &ui, refmaint::TableWriter writer)
    : QDialog(owner), m_ui(ui), m_editor(path, std::move(writer))
{
  setObjectName(QStringLiteral("BM_MAN_WIN"));
  setWindowIcons(this, VSKMAIN());
  const QFont font = DialogUnits::shellDlgFont();
  setFont(font);
  const DialogUnits du(font);
  setFixedSize(du.size(260, 79));

  auto *group = new QGroupBox(QStringLiteral("Bir işlem seç"), this);
  group->setObjectName(QStringLiteral("GROUPBOX1"));
  DialogUnits::place(group, du, 8, 2, 64, 51);
  auto radio = [&](const QString &text, const char *name, int y, int w, int h) {
    auto *r = new QRadioButton(text, this);
    r->setObjectName(QString::fromLatin1(name));
    DialogUnits::place(r, du, 16, y, w, h);
    connect(r, &QRadioButton::clicked, this, &BM_MAN_WIN::BUTTONCLICK);
    return r;
  };
  RBEKLE = radio(QStringLiteral("&Ekle"), "RBEKLE", 14, 48, 11);
  RBAGIR = radio(QStringLiteral("&Araya gir"), "RBAGIR", 25, 48, 11);
  RBSIL = radio(QStringLiteral("&Sil"), "RBSIL", 36, 33, 12);

  auto *hint = new QLabel(QStringLiteral("Besin Maddesi konumu belirle --->"), this);
  hint->setObjectName(QStringLiteral("FIXEDTEXT2"));
  hint->setWordWrap(true);
  // Three lines in the template font need a little more room than the template gives.
  DialogUnits::place(hint, du, 8, 54, 70, 25);

  LBBMAD = new QListWidget(this);
  LBBMAD->setObjectName(QStringLiteral("LBBMAD"));
  LBBMAD->setAccessibleName(QStringLiteral("Konum Seç"));
  LBBMAD->setSelectionMode(QAbstractItemView::SingleSelection);
  LBBMAD->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  DialogUnits::place(LBBMAD, du, 80, 6, 73, 67);
  hint->setBuddy(LBBMAD);
  connect(LBBMAD, &QListWidget::itemClicked, this, [this] {
    if (BMSELECTED() > 0 && RBAGIR->isChecked())
      SLEBMNAME->setFocus();
  });

  auto *prompt = new QLabel(QStringLiteral("Yeni Besin Maddesi adı giriniz (Maksimum 10 karakter)"), this);
  prompt->setObjectName(QStringLiteral("FIXEDTEXT1"));
  prompt->setWordWrap(true);
  DialogUnits::place(prompt, du, 160, 42, 100, 19);
  SLEBMNAME = new QLineEdit(this);
  SLEBMNAME->setObjectName(QStringLiteral("SLEBMNAME"));
  SLEBMNAME->setMaxLength(10);
  SLEBMNAME->setAccessibleName(prompt->text());
  prompt->setBuddy(SLEBMNAME);
  DialogUnits::place(SLEBMNAME, du, 166, 61, 54, 12);

  PBIPTAL_ = new QPushButton(QStringLiteral("&İptal"), this);
  PBIPTAL_->setObjectName(QStringLiteral("PBIPTAL"));
  PBIPTAL_->setAutoDefault(false);
  DialogUnits::place(PBIPTAL_, du, 206, 24, 47, 12);
  PBTAMAM_ = new QPushButton(QStringLiteral("&Tamam"), this);
  PBTAMAM_->setObjectName(QStringLiteral("PBTAMAM"));
  PBTAMAM_->setDefault(true);
  DialogUnits::place(PBTAMAM_, du, 206, 6, 47, 12);
  connect(PBTAMAM_, &QPushButton::clicked, this, &BM_MAN_WIN::PBTAMAM);
  connect(PBIPTAL_, &QPushButton::clicked, this, &BM_MAN_WIN::PBIPTAL);

  // POSTINIT
  RBEKLE->setChecked(true);
  setWindowTitle(QStringLiteral("Referans Matris: Besin maddesi ekle-sil"));
  if (!m_editor.load())
    m_ui.errorMessage(QStringLiteral("Referans matris dosyası açma hatası!"));
  LBBMAD->addItems(m_editor.names());
  LBBMAD->setEnabled(false);
  SLEBMNAME->setFocus();
}

int BM_MAN_WIN::exec()
{
  // Said once, at construction: no "&Tamam" would repeat it.
  if (!m_editor.isLoaded())
    return QDialog::Rejected;
  return QDialog::exec();
}

int BM_MAN_WIN::BMSELECTED() const
{
  const QList<QListWidgetItem *> sel = LBBMAD->selectedItems();
  return sel.isEmpty() ? 0 : LBBMAD->row(sel.first()) + 1;
}

refmaint::ColumnOperation BM_MAN_WIN::operation() const
{
  if (RBAGIR->isChecked())
    return refmaint::ColumnOperation::Insert;
  if (RBSIL->isChecked())
    return refmaint::ColumnOperation::Delete;
  return refmaint::ColumnOperation::Append;
}

void BM_MAN_WIN::BUTTONCLICK()
{
  switch (operation()) {
  case refmaint::ColumnOperation::Append:
    LBBMAD->setEnabled(false);
    SLEBMNAME->setEnabled(true);
    SLEBMNAME->setFocus();
    break;
  case refmaint::ColumnOperation::Insert:
    LBBMAD->setEnabled(true);
    SLEBMNAME->setEnabled(true);
    LBBMAD->setFocus();
    break;
  case refmaint::ColumnOperation::Delete:
    LBBMAD->setEnabled(true);
    SLEBMNAME->setEnabled(false);
    LBBMAD->setFocus();
    break;
  }
}

void BM_MAN_WIN::PBTAMAM()
{
  const auto op = operation();
  if (m_editor.PBTAMAM(op, SLEBMNAME->text(), BMSELECTED(), m_ui) == refmaint::ColumnEditor::Result::Close) {
    accept();
    return;
  }
  if (op != refmaint::ColumnOperation::Delete && SLEBMNAME->text().isEmpty() && SLEBMNAME->isEnabled())
    SLEBMNAME->setFocus();
}

void BM_MAN_WIN::PBIPTAL()
{
  done(QDialog::Rejected);
}

} // namespace vz
