#include "growcatledw.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace vz {

GROWCATLEDW::GROWCATLEDW(QWidget *owner)
  : DairyInputDialog(owner, std::make_unique<GrowCatleForm>(), QStringLiteral("Büyüyen Genç Sığır"))
{
  const DialogUnits du = fixSize(305, 89);

  addGroupBox(QStringLiteral("GROUPBOX1"), QStringLiteral("Veri girişi"), du, 6, 6, 147, 76);

  QLabel *l1 = addEnergyLabel(QStringLiteral("FIXEDTEXT1"), du, 13, 19, 93, 18);
  QLabel *l2 = addLabel(QStringLiteral("FIXEDTEXT2"),
                        QStringLiteral("Canlı ağırlık (100-800 Kg).....:"), du, 13, 43, 93, 12);
  QLabel *l3 = addLabel(QStringLiteral("FIXEDTEXT3"),
                        QStringLiteral("Beklenen ağırlık artışı (400-1000 g/Gün)................:"),
                        du, 13, 57, 93, 18);
  JQSLE *energy = addEdit(QStringLiteral("SLEENKONS"), l1, du, 106, 24, 38, 11);
  JQSLE *weight = addEdit(QStringLiteral("SLECANAG"), l2, du, 106, 43, 38, 11);
  JQSLE *gain = addEdit(QStringLiteral("SLEBAGKAZ"), l3, du, 106, 61, 38, 11);

  addGroupBox(QStringLiteral("RADIOBUTTONGROUP1"), QStringLiteral("Cesamet seçimi"), du, 160, 6, 86,
              67);
  auto *group = new QButtonGroup(this);
  const struct {
    const char *name;
    QString text;
    int y, w, h;
  } buttons[] = {
      {"DBI_RBUTTON", QStringLiteral("&Dişi - Büyük Irk"), 18, 67, 11},
      {"DKI_RBUTTON", QStringLiteral("Dişi - &Küçük Irk"), 30, 67, 11},
      {"EBI_RBUTTON", QStringLiteral("&Erkek - Büyük Irk"), 43, 74, 12},
      {"EKI_RBUTTON", QStringLiteral("Erkek - Küçük &Irk"), 55, 74, 11},
  };
  for (int i = 0; i < 4; ++i) {
    m_class[i] = new QRadioButton(buttons[i].text, this);
    m_class[i]->setObjectName(QString::fromLatin1(buttons[i].name));
    DialogUnits::place(m_class[i], du, 166, buttons[i].y, buttons[i].w, buttons[i].h);
    group->addButton(m_class[i], i + 1);
  }
  m_class[0]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) { form().selectClass(id); });

  addOkCancel(du, 253, 24, 47, 12, 253, 49, 47, 12);

  setTabOrder(energy, weight);
  setTabOrder(weight, gain);
  setTabOrder(gain, m_class[0]);
  energy->setFocus();
}

QRadioButton *GROWCATLEDW::classButton(int sizeClass) const
{
  return sizeClass >= 1 && sizeClass <= 4 ? m_class[sizeClass - 1] : nullptr;
}

void GROWCATLEDW::PBTAMAM()
{
  const std::optional<GrowCatleInput> in = acceptEdits(form());
  if (!in)
    return;
  NENECONS = in->NENECONS;
  NCANAGIR = in->NCANAGIR;
  NBEKCAAR = in->NBEKCAAR;
  NCESTYPE = in->NCESTYPE;
  QDialog::done(1);
}

} // namespace vz
