#include "stipisecw.h"

#include "controls/dialogunits.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace vz {

STIPISECW::STIPISECW(QWidget *owner, int mode)
  : OkCancelDialog(owner)
  , m_form(mode)
{
  const DialogUnits du =
      setUpFrame(QStringLiteral("Sığır Tipi"), DialogUnits::shellDlgFont(), 346, 86);

  // The picture only decorates the dialog: the animal of the chosen type.
  m_picture = new QLabel(this);
  m_picture->setObjectName(QStringLiteral("FBINEGESOR"));
  m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_picture->setScaledContents(true);
  DialogUnits::place(m_picture, du, 6, 6, 120, 74);

  auto *typeBox = new QGroupBox(QStringLiteral("Bir tip seçiniz"), this);
  typeBox->setObjectName(QStringLiteral("RADIOBUTTONGROUP1"));
  DialogUnits::place(typeBox, du, 133, 6, 101, 55);
  auto *types = new QButtonGroup(this);
  const struct {
    const char *name;
    QString text;
    int y, w;
  } buttons[] = {
      {"BGSBUTTON", QStringLiteral("Büyüyen &Genç Sığır"), 18, 80},
      {"GSVBUTTON", QStringLiteral("Gebe - &Süt Veren İnek"), 30, 86},
      {"EBBUTTON", QStringLiteral("Ergin &Boğa"), 43, 57},
  };
  for (int i = 0; i < 3; ++i) {
    m_type[i] = new QRadioButton(buttons[i].text, this);
    m_type[i]->setObjectName(QString::fromLatin1(buttons[i].name));
    DialogUnits::place(m_type[i], du, 140, buttons[i].y, buttons[i].w, 11);
    types->addButton(m_type[i], i + 1);
  }

  addOkCancel(du, 293, 6, 47, 13, 293, 24, 47, 12);

  auto *reportBox = new QGroupBox(QStringLiteral("Rapor"), this);
  reportBox->setObjectName(QStringLiteral("GROUPBOX1"));
  DialogUnits::place(reportBox, du, 241, 40, 59, 40);
  auto *reports = new QButtonGroup(this);
  m_ozet = new QRadioButton(QStringLiteral("Özet"), this);
  m_ozet->setObjectName(QStringLiteral("RB_OZET"));
  DialogUnits::place(m_ozet, du, 249, 51, 40, 11);
  m_detay = new QRadioButton(QStringLiteral("Detaylı"), this);
  m_detay->setObjectName(QStringLiteral("RB_DETAY"));
  DialogUnits::place(m_detay, du, 249, 64, 40, 11);
  reports->addButton(m_ozet, 1);
  reports->addButton(m_detay, 2);

  m_type[0]->setChecked(true);
  NDEST = mode;
  syncReportButtons();
  showTypePicture();

  connect(types, &QButtonGroup::idClicked, this, [this](int id) {
    m_form.clickType(id);
    syncReportButtons();
    showTypePicture();
  });
  connect(reports, &QButtonGroup::idClicked, this, [this](int id) {
    m_form.chooseDetailed(id == 2);
    syncReportButtons();
  });
  m_type[0]->setFocus();
}

QRadioButton *STIPISECW::typeButton(int type) const
{
  return type >= 1 && type <= 3 ? m_type[type - 1] : nullptr;
}

void STIPISECW::syncReportButtons()
{
  const bool detailed = m_form.detailedSelected();
  m_ozet->setChecked(!detailed);
  m_detay->setChecked(detailed);
  m_ozet->setEnabled(m_form.reportChoiceEnabled());
  m_detay->setEnabled(m_form.reportChoiceEnabled());
}

QString STIPISECW::typePicture(int type)
{
  switch (type) {
  case STipiSecForm::Cow: return QStringLiteral(":/icons/IDS_INEGESOR.png");
  case STipiSecForm::Bull: return QStringLiteral(":/icons/IDS_ERGINBOGA.png");
  default: return QStringLiteral(":/icons/IDS_GENCSIGIR.png");
  }
}

void STIPISECW::showTypePicture()
{
  const QString name = typePicture(m_form.selectedType());
  m_picture->setPixmap(QPixmap(name));
  m_picture->setProperty("vzPicture", name);
}

void STIPISECW::PBTAMAM()
{
  const STipiSecResult r = m_form.accept();
  NSTIPI = r.NSTIPI;
  NRTIPI = r.NRTIPI;
  QDialog::done(1);
}

void STIPISECW::PBIPTAL()
{
  QDialog::done(0);
}

} // namespace vz
