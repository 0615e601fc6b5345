#include "bc_haytip_sec.h"

#include "beeficons.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vz::beef {

BC_HAYTIP_SEC::BC_HAYTIP_SEC(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Hayvan Tipi Seçimi"));
  setFont(DialogUnits::shellDlgFont());
  setWindowIcons(this, VSKTOD());
  const DialogUnits du(font());
  setFixedSize(du.size(288, 114));

  auto *picture = new QLabel(this);
  DialogUnits::place(picture, du, 8, 7, 120, 100);
  picture->setPixmap(beefCowPicture(picture->size()));

  auto *group = new QGroupBox(QStringLiteral("Bir hayvan tipi seçiniz:"), this);
  DialogUnits::place(group, du, 136, 12, 84, 91);
  const QStringList captions = BeefTypeForm::captions();
  const int ys[] = {25, 40, 55, 70, 84};
  for (int i = 0; i < captions.size(); ++i) {
    auto *button = new QRadioButton(captions.at(i), this);
    DialogUnits::place(button, du, 144, ys[i], 72, 12);
    const quint32 type = quint32(i + 1);
    connect(button, &QRadioButton::toggled, this, [this, type](bool on) {
      if (on)
        m_form.choose(type);
    });
    m_buttons.append(button);
  }
  m_buttons.first()->setChecked(true);

  OCCPBTAMAM = new QPushButton(QStringLiteral("Tamam"), this);
  OCCPBIPTAL = new QPushButton(QStringLiteral("İptal"), this);
  DialogUnits::place(OCCPBTAMAM, du, 228, 33, 53, 12);
  DialogUnits::place(OCCPBIPTAL, du, 228, 51, 53, 13);
  OCCPBTAMAM->setDefault(true);
  connect(OCCPBTAMAM, &QPushButton::clicked, this, &BC_HAYTIP_SEC::PBTAMAM);
  connect(OCCPBIPTAL, &QPushButton::clicked, this, &BC_HAYTIP_SEC::PBIPTAL);
}

void BC_HAYTIP_SEC::PBTAMAM()
{
  const BeefTypeChoice choice = m_form.accept();
  NHAYTIP = choice.type;
  SNCAPTION = choice.caption;
  accept();
}

void BC_HAYTIP_SEC::PBIPTAL()
{
  reject();
}

} // namespace vz::beef
