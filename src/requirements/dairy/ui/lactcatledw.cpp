#include "lactcatledw.h"

#include "controls/dialogunits.h"
#include "controls/jqsle.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vz {

LACTCATLEDW::LACTCATLEDW(QWidget *owner)
  : DairyInputDialog(owner, std::make_unique<LactCatleForm>(),
                     QStringLiteral("Gebe & Süt Veren İnek"))
{
  const DialogUnits du = fixSize(331, 125);

  addGroupBox(QStringLiteral("GROUPBOX1"), QStringLiteral("Veri giriş"), du, 5, 3, 155, 116);
  addGroupBox(QStringLiteral("RADIOBUTTONGROUP1"), QStringLiteral("Yem tüketim durumu"), du, 166, 3,
              160, 102);

  QLabel *ftey = addEnergyLabel(QStringLiteral("FTEY"), du, 14, 12, 94, 18);
  ftey->setToolTip(QStringLiteral("Yedirilecek/NRC Kabulü"));
  ftey->setStatusTip(QStringLiteral("Yedirilecek/NRC Kabulü"));
  QLabel *ftca = addLabel(QStringLiteral("FTCA"), QStringLiteral("Canlı  ağırlık (400-800 Kg)....:"),
                          du, 14, 36, 94, 15);
  QLabel *ftsv = addLabel(QStringLiteral("FTSV"),
                          QStringLiteral("Süt verimi (0-66 Kg)..............:"), du, 14, 53, 94, 14);
  QLabel *ftsyt = addLabel(QStringLiteral("FTSYT"),
                           QStringLiteral("Süt yağ testi (% 0-5.5)...........:"), du, 13, 70, 96, 13);
  QLabel *ftgg = addLabel(QStringLiteral("FTGG"), QStringLiteral("Gebelikte gün (0-282)...........:"),
                          du, 14, 86, 94, 13);
  QLabel *ftgs = addLabel(QStringLiteral("FTGS"),
                          QStringLiteral("Gebelik sayısı (1-3)................:"), du, 14, 102, 96, 12);
  QLabel *fttkeo = addLabel(
      QStringLiteral("FTTKEO"),
      QStringLiteral("Enerji ihtiyacının tüketimle karşılanma oranı (0.70-1.00):"), du, 186, 44, 94, 20);
  QLabel *ft7 = addLabel(QStringLiteral("FIXEDTEXT7"),
                         QStringLiteral("Beklenen ağırlık artışı (0.00-3.00 Kg/Gün):"), du, 186, 80, 74,
                         18);

  // Added in the form's edit order.
  JQSLE *energy = addEdit(QStringLiteral("SLEENECONS"), ftey, du, 113, 16, 39, 11);
  JQSLE *weight = addEdit(QStringLiteral("SLECANAG"), ftca, du, 113, 33, 39, 11);
  JQSLE *milk = addEdit(QStringLiteral("SLESUTVER"), ftsv, du, 113, 50, 39, 11);
  JQSLE *fat = addEdit(QStringLiteral("SLESYAGTEST"), ftsyt, du, 113, 67, 39, 11);
  JQSLE *days = addEdit(QStringLiteral("SLEGEBGUN"), ftgg, du, 113, 84, 39, 11);
  JQSLE *count = addEdit(QStringLiteral("SLEGEBSAY"), ftgs, du, 113, 101, 39, 11);
  count->setToolTip(QStringLiteral("Kurudaki inek için de gebelik sayısı verilmelidir"));
  JQSLE *ratio = addEdit(QStringLiteral("SLEENIHKAROR"), fttkeo, du, 280, 49, 38, 11);
  JQSLE *gain = addEdit(QStringLiteral("SLEISTAGKAZ"), ft7, du, 260, 86, 37, 10);

  auto *group = new QButtonGroup(this);
  const struct {
    const char *name;
    QString text;
    int y, w;
  } buttons[] = {
      {"RADIOBUTTON1", QStringLiteral("İhtiyaç düzeyinde ve ağırlık &değişmiyor"), 16, 135},
      {"RADIOBUTTON2", QStringLiteral("İhtiyaçtan az ve ağırlık &kaybı varsa;"), 33, 139},
      {"RADIOBUTTON3", QStringLiteral("İhtiyaçtan &fazla ve ağırlık artışı varsa;"), 67, 133},
  };
  for (int i = 0; i < 3; ++i) {
    m_feed[i] = new QRadioButton(buttons[i].text, this);
    m_feed[i]->setObjectName(QString::fromLatin1(buttons[i].name));
    DialogUnits::place(m_feed[i], du, 173, buttons[i].y, buttons[i].w, 11);
    group->addButton(m_feed[i], i + 1);
  }
  m_feed[0]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) {
    const int target = form().clickFeedState(id);
    syncEdits();
    moveFocus(target);
  });

  addOkCancel(du, 193, 108, 47, 13, 246, 109, 47, 12);

  setTabOrder(energy, weight);
  setTabOrder(weight, milk);
  setTabOrder(milk, fat);
  setTabOrder(fat, days);
  setTabOrder(days, count);
  setTabOrder(count, m_feed[0]);
  setTabOrder(m_feed[0], ratio);
  setTabOrder(ratio, gain);
  syncEdits();
  energy->setFocus();
}

QRadioButton *LACTCATLEDW::feedButton(int state) const
{
  return state >= 1 && state <= 3 ? m_feed[state - 1] : nullptr;
}

void LACTCATLEDW::moveFocus(int target)
{
  if (target == LactCatleForm::FocusRadioButton1)
    refocusWidget(m_feed[0]);
  else if (target >= 0)
    refocus(target);
}

void LACTCATLEDW::editEntered(int index)
{
  moveFocus(form().enterEdit(index));
}

void LACTCATLEDW::PBTAMAM()
{
  const LactCatleForm::Outcome out = form().accept(focusedEdit());
  syncEdits();
  if (!out.close && out.warning.isEmpty()) {
    moveFocus(out.focus);  // a value out of range: nothing is copied
    return;
  }
  const LactCatleInput &in = out.values;
  NENECONS = in.NENECONS;
  NCANAGIR = in.NCANAGIR;
  NSUTVERI = in.NSUTVERI;
  NSYAGTES = in.NSYAGTES;
  NGEBEGUN = in.NGEBEGUN;
  NGEBESAY = in.NGEBESAY;
  NENGKARO = in.NENGKARO;
  NISTAGKA = in.NISTAGKA;
  if (!out.warning.isEmpty())
    warn(out.warning);
  if (!out.close) {
    moveFocus(out.focus);
    return;
  }
  NYEMTUKE = in.NYEMTUKE;
  QDialog::done(1);
}

} // namespace vz
