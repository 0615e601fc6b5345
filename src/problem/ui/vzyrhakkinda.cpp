#include "vzyrhakkinda.h"
#include "controls/dialogunits.h"
#include "controls/windowicons.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vz {

QString VZYRHAKKINDA::termsText()
{
  return QStringLiteral("Bu programda; çok sayıda değişken bulunmakta, girdilerin seçimi ve \n"
                        "sonuçların yorumlanması ise temel bilgi gerektirmektedir. Bu sebepten,\n"
                        "her kullanıcı kendi riskini taşır. Yazar hiç bir sorumluluk kabul etmez.");
}

VZYRHAKKINDA::VZYRHAKKINDA(QWidget *owner) : QDialog(owner)
{
  setWindowTitle(QStringLiteral("Hakkında..."));
  setWhatsThis(QStringLiteral("Vesk_Zyr 2.0 Programı hakkında..."));
  setWindowIcons(this, VSKTOD());
  const QFont dlgFont = DialogUnits::shellDlgFont();
  setFont(dlgFont);
  const DialogUnits du(dlgFont);
  setFixedSize(du.size(251, 188));

  const QFont fontA = DialogUnits::makeFont(QStringLiteral("Arial"), 16, true);
  const QFont fontB = DialogUnits::makeFont(QStringLiteral("Arial"), 10, true);
  QFont fontC = DialogUnits::makeFont(QStringLiteral("Times New Roman"), 11, false, true, true);
  fontC.setStyleHint(QFont::Serif);

  auto label = [&](const QString &name, const QString &text, const QFont *font, int x, int y,
                   int w, int h) {
    auto *l = new QLabel(text, this);
    l->setObjectName(name);
    if (font)
      l->setFont(*font);
    l->setAlignment(Qt::AlignCenter);
    DialogUnits::place(l, du, x, y, w, h);
    return l;
  };

  QLabel *title = label(QStringLiteral("FIXEDTEXT1"), QStringLiteral("Vesk_Zyr 2.0"), &fontA, 80,
                        11, 104, 18);
  title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette pal = title->palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 64));
  pal.setColor(QPalette::WindowText, Qt::black);
  title->setPalette(pal);
  title->setAutoFillBackground(true);

  label(QStringLiteral("FIXEDTEXT2"), QStringLiteral("OPTİMAL ve MANUEL SIĞIR RASYONU"), &fontB,
        42, 36, 167, 12);
  label(QStringLiteral("FIXEDTEXT9"), QStringLiteral("HAZIRLAMA PROGRAMI"), &fontB, 73, 51, 105,
        11);
  // The program's own credits.
  label(QStringLiteral("FIXEDTEXT3"), QStringLiteral("Vesk_Zyr Geliştirme Ekibi"), &fontC, 71, 70,
        140, 11);
  label(QStringLiteral("FIXEDTEXT4"), QStringLiteral("Hayvan Besleme ve Rasyon Hazırlama Yazılımı"),
        nullptr, 46, 86, 190, 10);
  label(QStringLiteral("FIXEDTEXT5"), QStringLiteral("2026 - Türkiye"), nullptr, 100, 99, 50, 11);

  auto *icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("FIXEDICON"));
  icon->setPixmap(VSKMAIN().pixmap(du.size(28, 23)));
  icon->setAlignment(Qt::AlignCenter);
  DialogUnits::place(icon, du, 8, 103, 28, 23);

  label(QStringLiteral("FIXEDTEXT7"), QStringLiteral("© Vesk_Zyr geliştiricileri"), nullptr, 72,
        118, 128, 12);

  auto *group = new QGroupBox(QStringLiteral("Kullanım Şartları"), this);
  group->setObjectName(QStringLiteral("GROUPBOX1"));
  DialogUnits::place(group, du, 7, 135, 237, 45);
  m_terms = new QLabel(termsText(), this);
  m_terms->setObjectName(QStringLiteral("FIXEDTEXT8"));
  DialogUnits::place(m_terms, du, 13, 144, 223, 29);

  m_ok = new QPushButton(QStringLiteral("&Tamam"), this);
  m_ok->setObjectName(QStringLiteral("PBTAMAM"));
  m_ok->setDefault(true);
  DialogUnits::place(m_ok, du, 188, 99, 46, 13);
  m_ok->setFocus();
  connect(m_ok, &QPushButton::clicked, this, &VZYRHAKKINDA::PBTAMAM);
}

} // namespace vz
